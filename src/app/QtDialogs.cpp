// The dialogs of the running program: message boxes, the file dialogs and the desktop's launcher.
#include "app/QtDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

constexpr QStringView kCaption = u"信息：";

// Texts of the engine break their lines with CR LF; a message box wants LF alone.
QString DisplayText(const QString& text) {
    QString display = text;
    return display.replace(u"\r\n"_s, u"\n"_s);
}

// No owner window: the box is modal to the whole program.
int ShowBox(const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, kCaption.toString(), DisplayText(text), buttons);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

void QtDialogs::ShowMessage(const QString& text) {
    ShowBox(text, QMessageBox::Ok, QMessageBox::Ok);
}

engine::ReportAnswer QtDialogs::AskYesNoCancel(const QString& text) {
    switch (ShowBox(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return engine::ReportAnswer::Yes;
        case QMessageBox::No:
            return engine::ReportAnswer::No;
        default:
            return engine::ReportAnswer::Cancel;
    }
}

QStringList QtDialogs::OpenFiles(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileNames(nullptr, title, QString(), filter);
}

QString QtDialogs::ChooseFolder(const QString& title) {
    return QFileDialog::getExistingDirectory(nullptr, title, QString(), QFileDialog::ShowDirsOnly);
}

void QtDialogs::OpenAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

}  // namespace tessivane::app
