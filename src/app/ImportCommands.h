// The two commands that start a run: files picked in the open-file dialog, or a folder's files.
#pragma once

#include <functional>

#include "app/Dialogs.h"
#include "app/OptionControls.h"
#include "engine/RunGeneration.h"

namespace tessivane::app {

/// The import buttons' captions are the commands' state: a button is idle exactly when it
/// shows its idle caption, and a press of a busy button only asks the run to stop.
class ImportCommands {
public:
    using Run = std::function<void(const engine::ArticleList&)>;

    ImportCommands(const OptionControls& controls, Dialogs& dialogs, bool& stopRequested, Run run)
        : c_(controls), dialogs_(dialogs), stopRequested_(stopRequested), run_(std::move(run)) {}

    void ImportFiles();
    void ImportFolder();

    /// What a second press does, on whichever button is busy; during a folder's listing it
    /// drops the run that would follow.
    void RequestStop();
    /// True while a folder is listed or a run is under way.
    bool RunActive() const;

private:
    void Stop(QPushButton* busyButton);

    const OptionControls& c_;
    Dialogs& dialogs_;
    bool& stopRequested_;
    Run run_;
    bool listing_ = false;
    bool listingCancelled_ = false;
};

}  // namespace tessivane::app
