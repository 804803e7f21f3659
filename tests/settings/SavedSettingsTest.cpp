// The saved options and templates: first save, clamping on load, and what others add kept.
#include "settings/SavedSettings.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "fakes/FirstSaveLines.h"

namespace tessivane::settings {
namespace {

using testing::G;

using tessivane::testing::kFirstSaveLines;

std::string FirstSaveBytes() {
    std::string bytes;
    for (const char* line : kFirstSaveLines) {
        bytes += G(line) + "\r\n";
    }
    return bytes;
}

class SavedSettingsTest : public testing::ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        store_.Bind(platform::PathToGbk(SettingsFilePath(folder_)));
    }
    std::string SettingsBytes() const { return platform::ReadFileBytes(SettingsFilePath(folder_)); }
    std::string TemplateBytes(int number) const {
        return platform::ReadFileBytes(TemplateFilePath(folder_, number));
    }

    SettingsStore store_;
};

TEST(DesignedTemplatesTest, AreTheDesignedTextsByteForByte) {
    const char* lines[] = {
        "<html>",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />",
        "<title>#本篇标题#_Lumvane软件</title>",
        "</head>",
        "<body>",
        "<iframe src=\"https://www.example.com/\" width=\"100%\" height=\"250\"frameborder=\"no\" "
        "border=\"0\" "
        "marginwidth=\"0\" marginheight=\"0\"scrolling=\"no\"></iframe>",
        "<div><h1><a href=\"/\">返回首页</a> - <a href=\".\">返回上级</a> - <a "
        "href=\"#本篇链接#\">#本篇标题#</a>"
        "</h1><div>",
        "<div><!--文章开始-->#导入的文件内容#<!--文章结束--><div>",
        "<hr>",
        "<b>上一篇：</b><a href=\"#上一篇链接#\">#上一篇标题#</a><br>",
        "<b>下一篇：</b><a href=\"#下一篇链接#\">#下一篇标题#</a><br>",
        "<hr>",
        "<h3>更多文章：</h3>",
        "<a href=\"#随机篇链接#\">#随机篇标题#</a><br>",
        "<a href=\"#随机篇链接#\">#随机篇标题#</a><br>",
        "<a href=\"#随机篇链接#\">#随机篇标题#</a><br>",
        "<a href=\"#随机篇链接#\">#随机篇标题#</a><br>",
        "<a href=\"#随机篇链接#\">#随机篇标题#</a><br>",
        "</body>",
        "</html>",
    };
    std::string expected;
    for (const char* line : lines) {
        expected += (expected.empty() ? "" : "\r\n") + G(line);
    }
    EXPECT_EQ(DefaultTemplate1(), expected);
    EXPECT_EQ(DefaultTemplate2(), G("<title>#本篇标题#</title>\r\n<body>\r\n#导入的文件内容#\r\n</body>"));
}

TEST_F(SavedSettingsTest, FirstSaveWritesTheSixteenLinesAndFiveTemplatesAndASecondSaveTheSameBytes) {
    for (int pass = 1; pass <= 2; ++pass) {
        ASSERT_TRUE(SaveSettings(store_, folder_, DesignedOptions())) << pass;
        EXPECT_EQ(SettingsBytes(), FirstSaveBytes()) << pass;
        EXPECT_EQ(TemplateBytes(1), DefaultTemplate1());
        EXPECT_EQ(TemplateBytes(2), DefaultTemplate2());
        for (int number = 3; number <= 5; ++number) {
            EXPECT_TRUE(platform::NameExists(TemplateFilePath(folder_, number)));
            EXPECT_EQ(TemplateBytes(number), "");
        }
    }
}

TEST_F(SavedSettingsTest, WithNoFilesEveryOptionKeepsItsDesignedValue) {
    SavedOptions options = DesignedOptions();
    LoadSettings(store_, folder_, options);
    EXPECT_EQ(options.templates, DesignedOptions().templates);
    EXPECT_EQ(options.titleSource, 1);
    EXPECT_TRUE(options.dropFirstLine);
    EXPECT_EQ(options.pageSize, "50");
    EXPECT_EQ(options.matchText, "(.+)[_-].*");

    const EnabledControls enabled = EnablingFor(options);
    EXPECT_FALSE(enabled.dropFirstLine);
    EXPECT_TRUE(enabled.cutControls);
    EXPECT_FALSE(enabled.extension);
    EXPECT_FALSE(enabled.rewriteControls);
    EXPECT_FALSE(enabled.pageSize);
}

struct StoredCase {
    const char* key;
    const char* stored;
    void (*check)(const SavedOptions&);
};

// Each value is checked twice: loaded from the file and applied as the command line applies it.
const StoredCase kStoredCases[] = {
    {"模板序号", "7", [](const SavedOptions& o) { EXPECT_EQ(o.templateIndex, 4); }},
    {"模板序号", "-3", [](const SavedOptions& o) { EXPECT_EQ(o.templateIndex, 0); }},
    {"模板序号", "2.9", [](const SavedOptions& o) { EXPECT_EQ(o.templateIndex, 2); }},
    {"模板序号", "３", [](const SavedOptions& o) { EXPECT_EQ(o.templateIndex, 3); }},
    {"模板序号", "inf", [](const SavedOptions& o) { EXPECT_EQ(o.templateIndex, 0); }},
    {"标题来源", "5", [](const SavedOptions& o) { EXPECT_EQ(o.titleSource, 2); }},
    {"标题来源", "-1", [](const SavedOptions& o) { EXPECT_EQ(o.titleSource, -1); }},
    {"标题来源", "-4", [](const SavedOptions& o) { EXPECT_EQ(o.titleSource, -1); }},
    {"标题来源", "", [](const SavedOptions& o) { EXPECT_EQ(o.titleSource, 0); }},
    {"文件编码", "1e9", [](const SavedOptions& o) { EXPECT_EQ(o.encoding, 2); }},
    {"去掉首行", "1", [](const SavedOptions& o) { EXPECT_FALSE(o.dropFirstLine); }},
    {"生成文件的扩展名：", "真", [](const SavedOptions& o) { EXPECT_TRUE(o.useExtension); }},
    {"分页", "", [](const SavedOptions& o) { EXPECT_EQ(o.pageSize, ""); }},
    {"匹配式", "a┊*┊b", [](const SavedOptions& o) { EXPECT_EQ(o.matchText, "a\r\nb"); }},
};

TEST_F(SavedSettingsTest, StoredValuesAreClampedAsTheControlsWouldHoldThem) {
    for (const StoredCase& c : kStoredCases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        Write(SettingsFilePath(folder_).filename(),
              G("[基本配置]\r\n") + G(c.key) + "=" + G(c.stored) + "\r\n");
        SavedOptions loaded = DesignedOptions();
        LoadSettings(store_, folder_, loaded);
        c.check(loaded);

        SavedOptions applied = DesignedOptions();
        ASSERT_TRUE(ApplyStoredValue(applied, G(c.key), G(c.stored)));
        c.check(applied);
    }
    SavedOptions options;
    EXPECT_FALSE(ApplyStoredValue(options, G("左边内容"), "x"));
}

TEST_F(SavedSettingsTest, EmptiedTemplateFilesBringBackTheDesignedTextAndZeroBytesEndATemplate) {
    Write(TemplateFilePath(folder_, 1).filename(), "");
    Write(TemplateFilePath(folder_, 2).filename(), std::string("<p>\0junk", 8));
    Write(TemplateFilePath(folder_, 3).filename(), std::string("\0", 1));
    SavedOptions options = DesignedOptions();
    options.templates[2] = "current";
    LoadSettings(store_, folder_, options);
    EXPECT_EQ(options.templates[0], DefaultTemplate1());
    EXPECT_EQ(options.templates[1], "<p>");
    EXPECT_EQ(options.templates[2], "");
}

TEST_F(SavedSettingsTest, SavingKeepsWhatOthersAddedWhereItStands) {
    Write(SettingsFilePath(folder_).filename(),
          G("[其他]\r\nx=1\r\n[基本配置]\r\n标题来源=0\r\n作者=someone\r\n"));
    SavedOptions options = DesignedOptions();
    options.pageSize = "20";
    ASSERT_TRUE(SaveSettings(store_, folder_, options));

    std::string expected = G("[其他]\r\nx=1\r\n[基本配置]\r\n标题来源=1\r\n作者=someone\r\n");
    for (const char* line : kFirstSaveLines) {
        const std::string gbk = G(line);
        if (gbk.front() != '[' && !gbk.starts_with(G("标题来源"))) {
            expected += (gbk == G("分页=50") ? G("分页=20") : gbk) + "\r\n";
        }
    }
    EXPECT_EQ(SettingsBytes(), expected);
}

TEST_F(SavedSettingsTest, AFailedSaveLeavesTheOldSettingsFile) {
    ASSERT_TRUE(SaveSettings(store_, folder_, DesignedOptions()));
    std::filesystem::permissions(SettingsFilePath(folder_), std::filesystem::perms::owner_read);
    SavedOptions changed = DesignedOptions();
    changed.templateIndex = 3;
    changed.templates[0] = "new";
    EXPECT_FALSE(SaveSettings(store_, folder_, changed));
    EXPECT_EQ(SettingsBytes(), FirstSaveBytes());
    EXPECT_EQ(TemplateBytes(1), "new");

    EXPECT_FALSE(WriteFileText("", "x"));
    EXPECT_FALSE(WriteFileText(folder_ / "no" / "file", "x"));
}

TEST_F(SavedSettingsTest, WriteFileTextReplacesOrAppends) {
    const auto file = folder_ / "page.htm";
    ASSERT_TRUE(WriteFileText(file, "first"));
    ASSERT_TRUE(WriteFileText(file, "second"));
    ASSERT_TRUE(WriteFileText(file, "+more", true));
    EXPECT_EQ(platform::ReadFileBytes(file), "second+more");
}

}  // namespace
}  // namespace tessivane::settings
