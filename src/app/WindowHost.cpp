// What a run gets from the window: handed-over events, the title, the report, the stop flag.
#include "app/WindowHost.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/GbkQString.h"

namespace tessivane::app {

void HandPendingEvents() {
    QCoreApplication::processEvents();
}

void WindowHost::HandlePendingEvents() {
    HandPendingEvents();
}

void WindowHost::SetWindowTitle(const std::string& title) {
    window_.setWindowTitle(FromGbk(title));
}

engine::ReportAnswer WindowHost::AskReport(const std::string& message) {
    if (closePending_) {
        return engine::ReportAnswer::Cancel;
    }
    return dialogs_.AskYesNoCancel(FromGbk(message));
}

void WindowHost::OpenFolder(const std::filesystem::path& folder) {
    dialogs_.OpenAddress(QUrl::fromLocalFile(FromPath(folder)));
}

void WindowHost::CopyToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromGbk(text));
}

}  // namespace tessivane::app
