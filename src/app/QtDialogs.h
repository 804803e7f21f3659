// The dialogs of the running program: message boxes, the file dialogs and the desktop's launcher.
#pragma once

#include "app/Dialogs.h"

namespace tessivane::app {

class QtDialogs final : public Dialogs {
public:
    void ShowMessage(const QString& text) override;
    engine::ReportAnswer AskYesNoCancel(const QString& text) override;
    QStringList OpenFiles(const QString& title, const QString& filter) override;
    QString ChooseFolder(const QString& title) override;
    void OpenAddress(const QUrl& address) override;
};

}  // namespace tessivane::app
