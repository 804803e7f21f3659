// Progress bar and report handling for the command line.
#include "cli/TerminalHost.h"

#include <cstdio>

#include "engine/RunReport.h"
#include "platform/Clock.h"

namespace tessivane::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr std::uint64_t kRedrawEveryMs = 100;

std::string ProgressLine(int done, int count, double seconds) {
    const double rate = seconds > 0 ? done / seconds : 0;
    const int filled = count > 0 ? kBarWidth * done / count : kBarWidth;
    const double left = rate > 0 ? (count - done) / rate : 0;
    char line[160];
    std::snprintf(line, sizeof line, "\r[%s%s] %d/%d  %.0f pages/s  %.0fs left ",
                  std::string(static_cast<std::size_t>(filled), '#').c_str(),
                  std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(), done, count, rate,
                  left);
    return line;
}

}  // namespace

TerminalHost::TerminalHost(std::ostream& err, bool progress, bool open)
    : err_(err), progress_(progress), open_(open), startTick_(platform::TickMilliseconds()) {}

void TerminalHost::ArticleDone(int done, int count) {
    if (!progress_) {
        return;
    }
    const std::uint64_t now = platform::TickMilliseconds();
    if (done != count && now - lastDrawTick_ < kRedrawEveryMs) {
        return;
    }
    lastDrawTick_ = now;
    err_ << ProgressLine(done, count, static_cast<double>(now - startTick_) / 1000.0);
    if (done == count) {
        err_ << "\n";
    }
    err_.flush();
}

engine::ReportAnswer TerminalHost::AskReport(const std::string& message) {
    report_ = ReportWithoutQuestion(message);
    return open_ ? engine::ReportAnswer::Yes : engine::ReportAnswer::Cancel;
}

void TerminalHost::OpenFolder(const std::filesystem::path& folder) {
    engine::OpenOutputFolder(folder);
}

std::string ReportWithoutQuestion(const std::string& message) {
    const auto question = message.rfind("\r\n\r\n");
    std::string report = message.substr(0, question);
    std::string out;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
            continue;  // the terminal wants bare line feeds
        }
        out.push_back(report[i]);
    }
    return out;
}

}  // namespace tessivane::cli
