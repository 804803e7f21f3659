// The command line's arguments, parsed with CLI11 into one plain request.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessivane::cli {

/// Everything the command line was asked to do; texts still in the terminal's UTF-8.
struct CliArguments {
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> folder;
    std::optional<std::filesystem::path> configDir;
    std::optional<int> templateNumber;                      // 1..5
    std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE, in order
    std::optional<std::string> left;
    std::optional<std::string> right;
    std::optional<std::filesystem::path> output;
    std::optional<std::uint64_t> seed;
    bool titles = false;
    bool open = false;
    bool quiet = false;
};

/// Exit statuses of the command line.
enum ExitCode { kExitDone = 0, kExitWriteFailed = 1, kExitUsage = 2 };

/// The text with every control character (a line break included) shown as "?", so that a
/// message quoting what the user typed stays on one line.
std::string OneLine(std::string_view text);

/// Parses argv; on --help prints the usage and gives kExitDone, on a bad usage prints one line
/// to err and gives kExitUsage. A value means the run may go on.
std::optional<CliArguments> ParseArguments(const std::vector<std::string>& argv, std::ostream& out,
                                           std::ostream& err, int& exitCode);

}  // namespace tessivane::cli
