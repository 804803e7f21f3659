// Dialogs that answer from a script and keep what the window showed and asked.
#pragma once

#include <functional>
#include <vector>

#include "app/Dialogs.h"

namespace tessivane::app::testing {

class ScriptedDialogs final : public Dialogs {
public:
    void ShowMessage(const QString& text) override { messages.push_back(text); }

    engine::ReportAnswer AskYesNoCancel(const QString& text) override {
        questions.push_back(text);
        return answer;
    }

    QStringList OpenFiles(const QString& title, const QString& filter) override {
        filesTitle = title;
        filesFilter = filter;
        if (whileOpenFilesShows) {
            whileOpenFilesShows();
        }
        return files;
    }

    QString ChooseFolder(const QString& title) override {
        folderTitle = title;
        ++foldersAsked;
        if (whileFolderBrowserShows) {
            whileFolderBrowserShows();
        }
        return folder;
    }

    void OpenAddress(const QUrl& address) override { addresses.push_back(address); }

    // Script.
    engine::ReportAnswer answer = engine::ReportAnswer::Cancel;
    QStringList files;  // empty: the open-file dialog was cancelled
    QString folder;     // empty: the folder browser was cancelled
    std::function<void()> whileOpenFilesShows;
    std::function<void()> whileFolderBrowserShows;

    // Record.
    QStringList messages;
    QStringList questions;
    std::vector<QUrl> addresses;
    QString filesTitle;
    QString filesFilter;
    QString folderTitle;
    int foldersAsked = 0;
};

}  // namespace tessivane::app::testing
