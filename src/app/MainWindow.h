// The program's only window: template editor, placeholder buttons, options and import commands.
#pragma once

#include <QWidget>
#include <memory>

#include "app/AppObjects.h"
#include "app/Dialogs.h"
#include "app/ImportCommands.h"
#include "app/OptionControls.h"

namespace tessivane::app {

class TemplateTabs;

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    /// The objects must have been created and the store bound. Loads the saved settings.
    MainWindow(AppObjects& objects, Dialogs& dialogs);
    ~MainWindow() override;

    void InsertPlaceholder(const QString& name);
    void ShowHelp();
    void SaveAndConfirm();
    void SaveSettings();

    TemplateTabs& templates() const { return *templates_; }
    const OptionControls& controls() const { return controls_; }

protected:
    /// Saves and closes; while a run is under way, asks it to stop and closes once it returns.
    void closeEvent(QCloseEvent* event) override;

private:
    void SetUpWindow();
    void CreateControls();
    void ConnectCommands();
    void LoadSettings();
    void RunGeneration(const engine::ArticleList& list);
    void CloseIfPending();

    AppObjects& objects_;
    Dialogs& dialogs_;
    TemplateTabs* templates_ = nullptr;
    OptionControls controls_{};
    std::unique_ptr<ImportCommands> imports_;
    bool closePending_ = false;
};

}  // namespace tessivane::app
