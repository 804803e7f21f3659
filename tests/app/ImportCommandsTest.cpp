// The two import commands: captions, dialogs, listing, the run, stopping and closing meanwhile.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "WindowFixture.h"
#include "app/GbkQString.h"
#include "platform/CodePage.h"
#include "settings/SavedSettings.h"

namespace tessivane::app::testing {
namespace {

namespace fs = std::filesystem;

constexpr QStringView kFilesButton = u"按钮文件导入";
constexpr QStringView kFolderButton = u"按钮目录导入";

class ImportCommandsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        OpenWindow();
    }

    fs::path Source(const std::string& name) {
        const fs::path path = WorkFolder() / name;
        WriteFile(path, "text of " + name);
        return path;
    }

    // The open-file dialog picks these sources, in this order.
    void PickFiles(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            dialogs_.files << FromPath(Source(name));
        }
    }

    static fs::path OutputFolder(const fs::path& sourceFolder) {
        return sourceFolder / platform::GbkToPath(platform::Utf8ToGbk("模板生成目录"));
    }

    int PagesIn(const fs::path& folder) const {
        int pages = 0;
        if (fs::exists(folder)) {
            for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
                ++pages;
            }
        }
        return pages;
    }

    QString Caption(QStringView button) { return Find<QPushButton>(button)->text(); }
    void Press(QStringView button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    // Runs once the run hands events over, as a click or a close made during the run would.
    void DuringTheRun(std::function<void()> action) {
        dialogs_.whileOpenFilesShows = [this, action] {
            QMetaObject::invokeMethod(window_.get(), action, Qt::QueuedConnection);
        };
    }

    void ExpectIdle() {
        EXPECT_EQ(Caption(kFilesButton), u"选择文件导入");
        EXPECT_EQ(Caption(kFolderButton), u" 选择目录导入");
        EXPECT_TRUE(Find(kFilesButton)->isEnabled());
        EXPECT_TRUE(Find(kFolderButton)->isEnabled());
    }
};

TEST_F(ImportCommandsTest, FileImportWritesAPagePerPickedFileAndRestoresTheButtons) {
    PickFiles({"a.txt", "b.txt"});
    QString captionWhileDialog;
    bool folderButtonEnabledWhileDialog = true;
    dialogs_.whileOpenFilesShows = [&] {
        captionWhileDialog = Caption(kFilesButton);
        folderButtonEnabledWhileDialog = Find(kFolderButton)->isEnabled();
    };
    Press(kFilesButton);

    EXPECT_EQ(captionWhileDialog, u"正在初始化..");
    EXPECT_FALSE(folderButtonEnabledWhileDialog);
    EXPECT_EQ(dialogs_.filesTitle, u"请选择文件：");
    EXPECT_TRUE(dialogs_.filesFilter.startsWith(u"htm;html文件 (*.htm *.html);;txt文件 (*.txt);;"));
    const std::string page = ReadFile(OutputFolder(WorkFolder()) / "b.txt");
    EXPECT_NE(page.find("text of b.txt"), std::string::npos);
    EXPECT_EQ(page.find(platform::Utf8ToGbk("#本篇标题#")), std::string::npos);
    EXPECT_EQ(PagesIn(OutputFolder(WorkFolder())), 2);
    EXPECT_EQ(dialogs_.questions.size(), 1);
    EXPECT_EQ(window_->windowTitle(), u"Tessivane v1.3 - 快速搭建单页网站好帮手");
    ExpectIdle();
}

TEST_F(ImportCommandsTest, CancelledFileDialogStillRunsWithTheEmptyListAndWritesNothing) {
    QString captionWhileDialog;
    dialogs_.whileOpenFilesShows = [&] { captionWhileDialog = Caption(kFilesButton); };
    Press(kFilesButton);
    EXPECT_EQ(captionWhileDialog, u"正在初始化..");
    EXPECT_TRUE(fs::is_empty(WorkFolder()));
    EXPECT_TRUE(dialogs_.questions.isEmpty());
    ExpectIdle();
}

TEST_F(ImportCommandsTest, FolderImportTakesTheFilesMatchingTheFilterAndNoFolders) {
    const fs::path folder = WorkFolder() / "articles";
    WriteFile(folder / "a.txt", "alpha");
    WriteFile(folder / "c.htm", "gamma");
    fs::create_directories(folder / "b.txt");
    dialogs_.folder = FromPath(folder);
    Press(kFolderButton);
    EXPECT_EQ(dialogs_.folderTitle, u"请选择文件夹：");
    EXPECT_TRUE(fs::exists(OutputFolder(folder) / "a.txt"));
    EXPECT_EQ(PagesIn(OutputFolder(folder)), 1);
    EXPECT_EQ(dialogs_.questions.size(), 1);
    ExpectIdle();
}

TEST_F(ImportCommandsTest, CancelledFolderBrowserChangesNothing) {
    Press(kFolderButton);
    EXPECT_EQ(dialogs_.foldersAsked, 1);
    EXPECT_TRUE(dialogs_.questions.isEmpty());
    EXPECT_TRUE(fs::is_empty(WorkFolder()));
    ExpectIdle();
}

TEST_F(ImportCommandsTest, SecondPressStopsTheRunAndTheNextRunStartsClear) {
    PickFiles({"a.txt", "b.txt", "c.txt"});
    QString captionAfterSecondPress;
    DuringTheRun([&] {
        Press(kFilesButton);
        captionAfterSecondPress = Caption(kFilesButton);
    });
    Press(kFilesButton);
    EXPECT_EQ(captionAfterSecondPress, u"正在停止...");
    EXPECT_TRUE(objects_.stopRequested);
    EXPECT_LT(PagesIn(OutputFolder(WorkFolder())), 3);
    ExpectIdle();

    dialogs_.whileOpenFilesShows = nullptr;
    dialogs_.files.clear();
    Press(kFilesButton);
    EXPECT_FALSE(objects_.stopRequested);
}

TEST_F(ImportCommandsTest, OptionChangedDuringARunReachesTheLaterArticles) {
    PickFiles({"a.txt", "b.txt", "c.txt"});
    DuringTheRun([&] { Find<QCheckBox>(u"选择框扩展名")->click(); });
    Press(kFilesButton);
    EXPECT_TRUE(fs::exists(OutputFolder(WorkFolder()) / "c.htm"));
}

TEST_F(ImportCommandsTest, ClosingDuringARunStopsItThenSavesAndCloses) {
    PickFiles({"a.txt", "b.txt", "c.txt"});
    DuringTheRun([&] { window_->close(); });
    Press(kFilesButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(objects_.stopRequested);
    EXPECT_LT(PagesIn(OutputFolder(WorkFolder())), 3);
    EXPECT_TRUE(dialogs_.questions.isEmpty());
    EXPECT_TRUE(fs::exists(settings::SettingsFilePath(SettingsFolder())));
}

TEST_F(ImportCommandsTest, ClosingWhileAFolderIsListedDropsTheRunThenSavesAndCloses) {
    const fs::path folder = WorkFolder() / "articles";
    WriteFile(folder / "a.txt", "alpha");
    dialogs_.folder = FromPath(folder);
    // Queued while the browser is open, so the listing's event hand-over delivers it.
    dialogs_.whileFolderBrowserShows = [this] {
        QMetaObject::invokeMethod(
            window_.get(), [this] { window_->close(); }, Qt::QueuedConnection);
    };
    Press(kFolderButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(fs::exists(OutputFolder(folder)));
    EXPECT_TRUE(dialogs_.questions.isEmpty());
    EXPECT_TRUE(fs::exists(settings::SettingsFilePath(SettingsFolder())));
}

TEST_F(ImportCommandsTest, ReportAnswersOpenTheFolderOrCopyItsPath) {
    PickFiles({"a.txt"});
    const QString folder = FromPath(OutputFolder(WorkFolder()));

    dialogs_.answer = engine::ReportAnswer::Yes;
    Press(kFilesButton);
    ASSERT_EQ(dialogs_.addresses.size(), 1);
    EXPECT_EQ(dialogs_.addresses[0], QUrl::fromLocalFile(folder));

    QGuiApplication::clipboard()->clear();
    dialogs_.answer = engine::ReportAnswer::No;
    Press(kFilesButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), folder + u'/');
    EXPECT_EQ(dialogs_.addresses.size(), 1);
}

}  // namespace
}  // namespace tessivane::app::testing
