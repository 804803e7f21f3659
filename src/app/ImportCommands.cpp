// The two commands that start a run: files picked in the open-file dialog, or a folder's files.
#include "app/ImportCommands.h"

#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "app/GbkQString.h"
#include "app/WindowHost.h"
#include "engine/FolderListing.h"

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

constexpr QStringView kFilesIdle = u"选择文件导入";
constexpr QStringView kFolderIdle = u" 选择目录导入";
constexpr QStringView kStarting = u"正在初始化..";
constexpr QStringView kStopping = u"正在停止...";
constexpr QStringView kFilesTitle = u"请选择文件：";
constexpr QStringView kFilesFilter = u"htm;html文件 (*.htm *.html);;txt文件 (*.txt);;全部文件 (*)";
constexpr QStringView kFolderTitle = u"请选择文件夹：";

engine::ArticleList ToArticleList(const QStringList& paths) {
    engine::ArticleList list;
    for (const QString& path : paths) {
        list.push_back(ToPath(path));
    }
    return list;
}

}  // namespace

void ImportCommands::ImportFiles() {
    if (listing_) {
        return;
    }
    QPushButton* button = c_.importFiles;
    if (button->text() != kFilesIdle) {
        Stop(button);
        return;
    }
    button->setText(kStarting.toString());
    stopRequested_ = false;
    c_.importFolder->setEnabled(false);
    const engine::ArticleList list =
        ToArticleList(dialogs_.OpenFiles(kFilesTitle.toString(), kFilesFilter.toString()));
    run_(list);
    c_.importFolder->setEnabled(true);
    button->setText(kFilesIdle.toString());
}

void ImportCommands::ImportFolder() {
    if (listing_) {
        return;
    }
    QPushButton* button = c_.importFolder;
    if (button->text() != kFolderIdle) {
        Stop(button);
        return;
    }
    const QString folder = dialogs_.ChooseFolder(kFolderTitle.toString());
    if (folder.isEmpty()) {
        return;
    }
    // The listing hands events over; presses of either import button meanwhile are ignored.
    listing_ = true;
    const engine::ArticleList list =
        engine::ListFolderFiles(ToPath(folder), ToGbk(c_.folderFilter->text()), HandPendingEvents);
    listing_ = false;
    if (std::exchange(listingCancelled_, false)) {
        return;
    }
    button->setText(kStarting.toString());
    stopRequested_ = false;
    c_.importFiles->setEnabled(false);
    run_(list);
    button->setText(kFolderIdle.toString());
    c_.importFiles->setEnabled(true);
}

void ImportCommands::RequestStop() {
    listingCancelled_ = listing_;
    if (c_.importFiles->text() != kFilesIdle) {
        Stop(c_.importFiles);
    }
    if (c_.importFolder->text() != kFolderIdle) {
        Stop(c_.importFolder);
    }
}

bool ImportCommands::RunActive() const {
    return listing_ || c_.importFiles->text() != kFilesIdle || c_.importFolder->text() != kFolderIdle;
}

void ImportCommands::Stop(QPushButton* busyButton) {
    stopRequested_ = true;
    busyButton->setText(kStopping.toString());
}

}  // namespace tessivane::app
