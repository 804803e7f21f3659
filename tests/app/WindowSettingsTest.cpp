// Loading the saved settings at start-up and saving them on closing and on the save command.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "WindowFixture.h"
#include "app/TemplateTabs.h"
#include "fakes/FirstSaveLines.h"
#include "platform/CodePage.h"
#include "settings/SavedSettings.h"

namespace tessivane::app::testing {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

class WindowSettingsTest : public WindowFixture {
protected:
    std::filesystem::path SettingsFile() const { return settings::SettingsFilePath(SettingsFolder()); }
    std::filesystem::path TemplateFile(int number) const {
        return settings::TemplateFilePath(SettingsFolder(), number);
    }
};

TEST_F(WindowSettingsTest, FirstStartWritesNothingAndClosingWritesEveryDefault) {
    OpenWindow();
    EXPECT_TRUE(std::filesystem::is_empty(SettingsFolder()));
    window_->close();
    EXPECT_FALSE(window_->isVisible());
    std::vector<std::string> expectedLines;
    for (const char* line : tessivane::testing::kFirstSaveLines) {
        expectedLines.push_back(platform::Utf8ToGbk(line));
    }
    EXPECT_EQ(Lines(ReadFile(SettingsFile())), expectedLines);
    EXPECT_EQ(ReadFile(TemplateFile(1)), settings::DefaultTemplate1());
    EXPECT_EQ(ReadFile(TemplateFile(2)), settings::DefaultTemplate2());
    for (int number = 3; number <= 5; ++number) {
        EXPECT_TRUE(std::filesystem::exists(TemplateFile(number))) << number;
        EXPECT_EQ(ReadFile(TemplateFile(number)), "") << number;
    }
}

TEST_F(WindowSettingsTest, ChangedControlsComeBackAfterClosingAndTheCutMarkersDoNot) {
    OpenWindow();
    window_->templates().setCurrentIndex(3);
    window_->templates().box(3)->setPlainText(u"第一行\n第二行"_s);
    QTest::keyClick(Find<QComboBox>(u"组合框标题来源"), Qt::Key_Down);
    Find<QCheckBox>(u"选择框截取中间内容")->click();
    Find<QCheckBox>(u"选择框生成首页")->click();
    Find<QLineEdit>(u"编辑框分页")->setText(u"30"_s);
    Find<QLineEdit>(u"编辑框目录过滤")->setText(u"*.htm"_s);
    Find<QComboBox>(u"组合框文件编码")->setCurrentIndex(2);
    Find<QLineEdit>(u"编辑框左边内容")->setText(u"<div>"_s);

    ReopenWindow();
    EXPECT_EQ(window_->templates().currentIndex(), 3);
    EXPECT_EQ(window_->templates().TemplateText(3), platform::Utf8ToGbk("第一行\r\n第二行"));
    EXPECT_EQ(Find<QComboBox>(u"组合框标题来源")->currentIndex(), 2);
    EXPECT_TRUE(Find(u"选择框去掉首行")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(u"选择框截取中间内容")->isChecked());
    EXPECT_FALSE(Find(u"编辑框左边内容")->isEnabled());
    EXPECT_TRUE(Find(u"编辑框分页")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(u"编辑框分页")->text(), u"30");
    EXPECT_EQ(Find<QLineEdit>(u"编辑框目录过滤")->text(), u"*.htm");
    EXPECT_EQ(Find<QComboBox>(u"组合框文件编码")->currentIndex(), 2);
    EXPECT_EQ(Find<QLineEdit>(u"编辑框左边内容")->text(), u"<body>");
}

TEST_F(WindowSettingsTest, StoredValuesOutOfRangeAreClampedAsTheControlsWould) {
    WriteFile(SettingsFile(),
              platform::Utf8ToGbk("[基本配置]\n模板序号=7\n标题来源=-4\n文件编码=5\n分页=\n"));
    OpenWindow();
    EXPECT_EQ(window_->templates().currentIndex(), 4);
    EXPECT_EQ(Find<QComboBox>(u"组合框标题来源")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(u"组合框文件编码")->currentIndex(), 2);
    EXPECT_EQ(Find<QLineEdit>(u"编辑框分页")->text(), u"");
}

TEST_F(WindowSettingsTest, SaveLinkAndPictureSaveAndConfirm) {
    OpenWindow();
    QTest::mousePress(Find(u"超级链接框保存"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(dialogs_.messages[0], u"保存完毕！");
    EXPECT_TRUE(std::filesystem::exists(SettingsFile()));

    std::filesystem::remove(SettingsFile());
    QTest::mouseClick(Find(u"图片框保存"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.messages.size(), 2);
    EXPECT_EQ(dialogs_.messages[1], u"保存完毕！");
    EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

}  // namespace
}  // namespace tessivane::app::testing
