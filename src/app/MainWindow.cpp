// The program's only window: template editor, placeholder buttons, options and import commands.
#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>

#include "app/ControlNames.h"
#include "app/ControlTable.h"
#include "app/EnablingRules.h"
#include "app/GbkQString.h"
#include "app/HeaderStrip.h"
#include "app/HelpText.h"
#include "app/PlaceholderButtons.h"
#include "app/TemplateTabs.h"
#include "app/UiFont.h"
#include "app/WindowHost.h"
#include "app/WindowOptions.h"
#include "app/WindowSettings.h"

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

// Outer size 629 x 675; the client area is what a fixed 3-pixel frame and a 26-pixel title
// bar leave of it.
constexpr QSize kOuterSize{629, 675};
constexpr QSize kClientSize{623, 646};
// Wider than the window: the line runs out at its right edge.
constexpr QRect kSeparatorPlace{8, 88, 968, 2};

void CenterOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    window.move(area.x() + (area.width() - kOuterSize.width()) / 2,
                area.y() + (area.height() - kOuterSize.height()) / 2);
}

}  // namespace

MainWindow::MainWindow(AppObjects& objects, Dialogs& dialogs) : objects_(objects), dialogs_(dialogs) {
    SetUpWindow();
    CreateControls();
    ConnectCommands();
    setWindowTitle(FromGbk(engine::kProductTitle));
    LoadSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetUpWindow() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(UiFont());
    setWindowIcon(QIcon(u":/images/tessivane.svg"_s));
    CenterOnScreen(*this);
}

void MainWindow::CreateControls() {
    auto* header = new HeaderStrip(this);
    connect(header, &HeaderStrip::addressRequested, this,
            [this](const QUrl& url) { dialogs_.OpenAddress(url); });
    connect(header, &HeaderStrip::helpRequested, this, &MainWindow::ShowHelp);
    connect(header, &HeaderStrip::saveRequested, this, &MainWindow::SaveAndConfirm);
    CreateControl({ControlKind::Separator, names::kSeparator, kSeparatorPlace, {}}, this);
    CreatePlaceholderButtons(this, [this](const QString& name) { InsertPlaceholder(name); });
    templates_ = new TemplateTabs(this);
    controls_ = CreateOptionControls(this);
}

void MainWindow::ConnectCommands() {
    ConnectEnablingRules(controls_, this);
    imports_ =
        std::make_unique<ImportCommands>(controls_, dialogs_, objects_.stopRequested,
                                         [this](const engine::ArticleList& list) { RunGeneration(list); });
    connect(controls_.importFiles, &QPushButton::clicked, this, [this] {
        imports_->ImportFiles();
        CloseIfPending();
    });
    connect(controls_.importFolder, &QPushButton::clicked, this, [this] {
        imports_->ImportFolder();
        CloseIfPending();
    });
}

void MainWindow::LoadSettings() {
    settings::SavedOptions options = settings::DesignedOptions();
    settings::LoadSettings(*objects_.store, objects_.settingsFolder, options);
    ShowSavedOptions(options, *templates_, controls_);
    SyncAll(controls_);
}

void MainWindow::SaveSettings() {
    settings::SaveSettings(*objects_.store, objects_.settingsFolder,
                           ReadSavedOptions(*templates_, controls_));
}

void MainWindow::InsertPlaceholder(const QString& name) {
    app::InsertPlaceholder(templates_->currentBox(), name);
}

void MainWindow::ShowHelp() {
    dialogs_.ShowMessage(HelpText());
}

void MainWindow::SaveAndConfirm() {
    SaveSettings();
    dialogs_.ShowMessage(u"保存完毕！"_s);
}

void MainWindow::RunGeneration(const engine::ArticleList& list) {
    WindowOptions options(*templates_, controls_);
    WindowHost host(*this, dialogs_, objects_.stopRequested, closePending_);
    engine::RunContext context{options, host, *objects_.regex, std::nullopt, std::nullopt};
    engine::RunGeneration(list, context);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (imports_->RunActive()) {
        closePending_ = true;
        imports_->RequestStop();
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}

// The import command that was running has returned: the close asked for meanwhile goes ahead.
void MainWindow::CloseIfPending() {
    if (closePending_ && !imports_->RunActive()) {
        closePending_ = false;
        close();
    }
}

}  // namespace tessivane::app
