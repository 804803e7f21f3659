// The closing report of a run: elapsed time, the message, its answers and the file manager.
#include "engine/RunReport.h"

#include <cmath>
#include <cstdio>

#include "platform/Launcher.h"
#include "text/TextOperations.h"

namespace tessivane::engine {
namespace {

struct TimeUnit {
    const char* text;
    double limit;  // not below it, the value moves to the next unit, divided by it
};

// GBK: " 毫秒", " 秒", " 分", " 时", " 天", " 月", " 年"; a month is 30 days, a year 12 months.
constexpr TimeUnit kUnits[] = {
    {" \xBA\xC1\xC3\xEB", 1000}, {" \xC3\xEB", 60}, {" \xB7\xD6", 60}, {" \xCA\xB1", 24},
    {" \xCC\xEC", 30},           {" \xD4\xC2", 12}, {" \xC4\xEA", 0},
};

constexpr double kTolerance = 1e-7;

std::string ShortestForm(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return buffer;
}

std::string FailureLine(int failedArticlePages, int failedIndexPages) {
    // "未能写入的页面：文章页 " + a + " 个，索引页 " + b + " 个"
    return "\r\n\xCE\xB4\xC4\xDC\xD0\xB4\xC8\xEB\xB5\xC4\xD2\xB3\xC3\xE6\xA3\xBA\xCE\xC4\xD5\xC2\xD2\xB3 " +
           std::to_string(failedArticlePages) + " \xB8\xF6\xA3\xAC\xCB\xF7\xD2\xFD\xD2\xB3 " +
           std::to_string(failedIndexPages) + " \xB8\xF6";
}

}  // namespace

std::string FormatElapsed(std::int64_t milliseconds) {
    double value = static_cast<double>(milliseconds);
    std::size_t unit = 0;
    while (kUnits[unit].limit > 0 && !(value - kUnits[unit].limit < -kTolerance)) {
        value /= kUnits[unit].limit;
        ++unit;
    }
    // Hundredths, halves away from zero; the unit was chosen before rounding, so 59.999 s reads 60 s.
    const double rounded = std::round(value * 100) / 100;
    return ShortestForm(rounded == 0 ? 0.0 : rounded) + kUnits[unit].text;
}

std::string ReportMessage(std::string_view elapsed, std::string_view folderText, int failedArticlePages,
                          int failedIndexPages) {
    std::string message = "\xBA\xC4\xCA\xB1 ";  // 耗时
    message.append(elapsed);
    // " 处理完毕，已保存在这个目录："
    message +=
        " \xB4\xA6\xC0\xED\xCD\xEA\xB1\xCF\xA3\xAC\xD2\xD1\xB1\xA3\xB4\xE6\xD4\xDA\xD5\xE2\xB8\xF6\xC4\xBF"
        "\xC2\xBC\xA3\xBA";
    message.append(folderText);
    if (failedArticlePages > 0 || failedIndexPages > 0) {
        message += FailureLine(failedArticlePages, failedIndexPages);
    }
    // "\r\n\r\n点击【是】将打开这个目录，点击【否】将复制目录地址，点击【取消】什么事也不发生"
    message +=
        "\r\n\r\n\xB5\xE3\xBB\xF7\xA1\xBE\xCA\xC7\xA1\xBF\xBD\xAB\xB4\xF2\xBF\xAA\xD5\xE2\xB8\xF6\xC4\xBF\xC2"
        "\xBC"
        "\xA3\xAC\xB5\xE3\xBB\xF7\xA1\xBE\xB7\xF1\xA1\xBF\xBD\xAB\xB8\xB4\xD6\xC6\xC4\xBF\xC2\xBC\xB5\xD8\xD6"
        "\xB7"
        "\xA3\xAC\xB5\xE3\xBB\xF7\xA1\xBE\xC8\xA1\xCF\xFB\xA1\xBF\xCA\xB2\xC3\xB4\xCA\xC2\xD2\xB2\xB2\xBB\xB7"
        "\xA2"
        "\xC9\xFA";
    return message;
}

void ShowReport(RunHost& host, const std::string& message, const std::filesystem::path& folder,
                const std::string& folderText) {
    switch (host.AskReport(message)) {
        case ReportAnswer::Yes:
            host.OpenFolder(folder);
            break;
        case ReportAnswer::No:
            host.CopyToClipboard(folderText);
            break;
        case ReportAnswer::Cancel:
            break;
    }
}

std::string ExplorerCommandLine(std::string_view path, bool newWindow, bool openPath, bool asRoot) {
    std::string target(path);
    if (asRoot) {
        const text::Pos separator = text::FindBackward(target, text::PathSeparator());
        if (separator > 0) {
            target.resize(static_cast<std::size_t>(separator) - 1);
        }
    }
    if (openPath && target.size() >= 4 && text::FindForward(target, ".exe", target.size() - 3, true) > 0) {
        return target;
    }
    std::string commandLine = "explorer ";
    commandLine += newWindow ? "/n" : "/e";
    commandLine += ",";
    commandLine += openPath || asRoot ? "" : "/select,";
    commandLine += asRoot ? "/root," : "";
    return commandLine + "\"" + target + "\"";
}

bool OpenInExplorer(const std::filesystem::path& path, bool newWindow, bool openPath, bool asRoot,
                    [[maybe_unused]] bool wait, [[maybe_unused]] int show) {
    const std::string commandLine = ExplorerCommandLine(path.native(), newWindow, openPath, asRoot);
    const std::string prefix = "explorer ";
    if (commandLine.compare(0, prefix.size(), prefix) != 0) {
        return platform::StartProgram({commandLine});
    }
    if (platform::ProgramExists("explorer")) {
        return platform::StartProgram({"explorer", commandLine.substr(prefix.size())});
    }
    std::filesystem::path folder = asRoot ? path.parent_path() : path;
    if (!openPath) {
        folder = folder.parent_path();
    }
    return platform::OpenWithDesktop(folder.empty() ? std::string(".") : folder.native());
}

bool OpenOutputFolder(const std::filesystem::path& folder) {
    // The folder keeps its trailing separator on the command line.
    return OpenInExplorer(folder / "", true, true, false, false);
}

}  // namespace tessivane::engine
