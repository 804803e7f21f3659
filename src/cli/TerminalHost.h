// The run's host on a terminal: a progress bar on stderr and the report's answer from the options.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "engine/RunHost.h"

namespace tessivane::cli {

class TerminalHost final : public engine::RunHost {
public:
    /// progress: draw the bar on err (only when err is a terminal); open: answer the report Yes.
    TerminalHost(std::ostream& err, bool progress, bool open);

    void ArticleDone(int done, int count) override;
    engine::ReportAnswer AskReport(const std::string& message) override;
    void OpenFolder(const std::filesystem::path& folder) override;

    /// The report as the run gave it, GBK, without the question about the buttons.
    const std::string& Report() const { return report_; }

private:
    std::ostream& err_;
    bool progress_;
    bool open_;
    std::uint64_t startTick_;
    std::uint64_t lastDrawTick_ = 0;
    std::string report_;
};

/// The report without its closing question, which belongs to the window's message box.
std::string ReportWithoutQuestion(const std::string& message);

}  // namespace tessivane::cli
