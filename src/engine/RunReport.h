// The closing report of a run: elapsed time, the message, its answers and the file manager.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/RunHost.h"

namespace tessivane::engine {

/// The elapsed time in the largest fitting unit, rounded to hundredths: "1.23 秒" (GBK).
std::string FormatElapsed(std::int64_t milliseconds);

/// The report's message. folderText is the output folder as shown, ending with a separator.
/// When pages could not be written a line saying how many follows the folder.
std::string ReportMessage(std::string_view elapsed, std::string_view folderText, int failedArticlePages = 0,
                          int failedIndexPages = 0);

/// Shows the message and acts on the answer: Yes opens the folder, No copies folderText.
void ShowReport(RunHost& host, const std::string& message, const std::filesystem::path& folder,
                const std::string& folderText);

/// The display mode of a started program when none is given.
inline constexpr int kShowNormal = 1;

/// The file manager's command line for a path, or the path itself for a program to run.
std::string ExplorerCommandLine(std::string_view path, bool newWindow, bool openPath, bool asRoot);

/// Shows the path in the file manager "explorer" where one exists; elsewhere the folder (or, when
/// openPath is off, the folder that holds the path) is opened with the desktop's handler. `wait`
/// and `show` have no effect on this system. True when a program could be started.
bool OpenInExplorer(const std::filesystem::path& path, bool newWindow = false, bool openPath = false,
                    bool asRoot = false, bool wait = false, int show = kShowNormal);

/// The report's Yes answer: the folder opened in a new window.
bool OpenOutputFolder(const std::filesystem::path& folder);

}  // namespace tessivane::engine
