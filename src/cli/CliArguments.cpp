// Parsing the command line's options with CLI11 and checking what CLI11 cannot.
#include "cli/CliArguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace tessivane::cli {
namespace {

void AddOptions(CLI::App& app, CliArguments& args, std::vector<std::string>& sets) {
    app.add_option("files", args.files, "Article files, in page order");
    app.add_option("--folder", args.folder, "Every file of DIR that matches the folder filter")
        ->check(CLI::ExistingDirectory);
    app.add_option("--config-dir", args.configDir, "Settings folder (default: the window's)");
    app.add_option("--template", args.templateNumber, "Template 1..5 (default: the saved one)")
        ->check(CLI::Range(1, 5));
    app.add_option("--set", sets, "Override a saved setting: KEY=VALUE, as stored in the settings file")
        ->allow_extra_args(false);
    app.add_option("--left", args.left, "Left cut marker (default <body>)");
    app.add_option("--right", args.right, "Right cut marker (default </body>)");
    app.add_option("--output", args.output, "Write the site here instead of beside the first source");
    app.add_option("--seed", args.seed, "Seed for repeatable random cross-links");
    app.add_flag("--titles", args.titles, "Print output file name and title per article; write nothing");
    app.add_flag("--open", args.open, "Open the output folder in the file manager afterwards");
    app.add_flag("-q,--quiet", args.quiet, "No progress bar");
}

bool SplitSets(const std::vector<std::string>& sets, CliArguments& args, std::ostream& err) {
    for (const std::string& set : sets) {
        const auto equals = set.find('=');
        if (equals == std::string::npos || equals == 0) {
            err << "tessivane-cli: --set takes KEY=VALUE, got '" << OneLine(set) << "'\n";
            return false;
        }
        args.sets.emplace_back(set.substr(0, equals), set.substr(equals + 1));
    }
    return true;
}

// CLI11 takes a word of three dashes or more ("---x") for a file. Such a word is a file only
// after "--": taken as a file more often than it stands after "--", it was an unknown option.
bool RefuseDashedFiles(const std::vector<std::string>& argv, const CliArguments& args, std::ostream& err) {
    const auto separator = std::find(argv.begin() + (argv.empty() ? 0 : 1), argv.end(), "--");
    for (const std::filesystem::path& file : args.files) {
        const std::string& word = file.native();
        if (word.size() > 1 && word[0] == '-' &&
            std::count(args.files.begin(), args.files.end(), file) >
                std::count(separator + (separator == argv.end() ? 0 : 1), argv.end(), word)) {
            err << "tessivane-cli: The following argument was not expected: " << OneLine(word) << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
            c = '?';
        }
    }
    return line;
}

std::optional<CliArguments> ParseArguments(const std::vector<std::string>& argv, std::ostream& out,
                                           std::ostream& err, int& exitCode) {
    CLI::App app{
        "Turns article files into a small, linked static web site.\n"
        "  tessivane-cli [options] FILE...\n  tessivane-cli [options] --folder DIR",
        "tessivane-cli"};
    CliArguments args;
    std::vector<std::string> sets;
    AddOptions(app, args, sets);
    std::vector<std::string> reversed(argv.rbegin(), argv.rend() - (argv.empty() ? 0 : 1));
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        exitCode = kExitDone;
        return std::nullopt;
    } catch (const CLI::ParseError& error) {
        err << "tessivane-cli: " << OneLine(error.what()) << "\n";
        exitCode = kExitUsage;
        return std::nullopt;
    }
    exitCode = kExitUsage;
    if (!SplitSets(sets, args, err) || !RefuseDashedFiles(argv, args, err)) {
        return std::nullopt;
    }
    if (args.folder.has_value() == !args.files.empty()) {
        err << "tessivane-cli: give either FILE... or --folder DIR (see --help)\n";
        return std::nullopt;
    }
    exitCode = kExitDone;
    return args;
}

}  // namespace tessivane::cli
