// What a run needs from the front end that started it: events, title, report, stop flag.
#pragma once

#include <filesystem>
#include <string>

namespace tessivane::engine {

enum class ReportAnswer { Yes, No, Cancel };

/// The window implements this on the GUI thread; the command line and the tests implement
/// it without one. Texts are GBK.
class RunHost {
public:
    virtual ~RunHost() = default;

    /// Hands pending window events over; a handler run here may change options.
    virtual void HandlePendingEvents() {}
    /// Sets the window title (the progress text, then the product title again).
    virtual void SetWindowTitle(const std::string& /*title*/) {}
    /// Called after each article page, with the number done and the list's length.
    virtual void ArticleDone(int /*done*/, int /*count*/) {}
    /// Shows the run report and waits for the answer.
    virtual ReportAnswer AskReport(const std::string& /*message*/) { return ReportAnswer::Cancel; }
    /// The report's Yes: show the output folder in the file manager.
    virtual void OpenFolder(const std::filesystem::path& /*folder*/) {}
    /// The report's No: put the output folder's path on the clipboard.
    virtual void CopyToClipboard(const std::string& /*text*/) {}
    /// True once the user asked the run to stop.
    virtual bool StopRequested() { return false; }
};

}  // namespace tessivane::engine
