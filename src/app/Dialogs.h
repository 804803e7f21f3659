// The window's way to tell, ask, pick and launch: Qt's dialogs in the program, a script in tests.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "engine/RunHost.h"

namespace tessivane::app {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// A message with an OK button only, captioned "信息：", modal to the whole program.
    virtual void ShowMessage(const QString& text) = 0;
    /// Yes, No or Cancel, with Yes as the default button; closing the box is Cancel.
    virtual engine::ReportAnswer AskYesNoCancel(const QString& text) = 0;
    /// Several existing files, in the order the dialog reports them; empty when cancelled.
    /// The filter is in Qt's "label (patterns);;label (patterns)" form, its first entry preselected.
    virtual QStringList OpenFiles(const QString& title, const QString& filter) = 0;
    /// A folder's path, or the empty text when cancelled.
    virtual QString ChooseFolder(const QString& title) = 0;
    /// Opens a web address or a local folder with the desktop's handler; failures pass in silence.
    virtual void OpenAddress(const QUrl& address) = 0;
};

}  // namespace tessivane::app
