// What a run gets from the window: handed-over events, the title, the report, the stop flag.
#pragma once

#include <QWidget>

#include "app/Dialogs.h"
#include "engine/RunHost.h"

namespace tessivane::app {

/// Dispatches every event already waiting: the one place the window yields to its own events.
void HandPendingEvents();

class WindowHost final : public engine::RunHost {
public:
    /// closePending: the window waits for the run to end to close, so the report is not asked.
    WindowHost(QWidget& window, Dialogs& dialogs, const bool& stopRequested, const bool& closePending)
        : window_(window), dialogs_(dialogs), stopRequested_(stopRequested), closePending_(closePending) {}

    void HandlePendingEvents() override;
    void SetWindowTitle(const std::string& title) override;
    engine::ReportAnswer AskReport(const std::string& message) override;
    void OpenFolder(const std::filesystem::path& folder) override;
    void CopyToClipboard(const std::string& text) override;
    bool StopRequested() override { return stopRequested_; }

private:
    QWidget& window_;
    Dialogs& dialogs_;
    const bool& stopRequested_;
    const bool& closePending_;
};

}  // namespace tessivane::app
