// The command line end to end, in-process, over a temporary folder of GBK articles.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/CliRun.h"
#include "fakes/GbkLiterals.h"
#include "platform/CodePage.h"
#include "platform/Files.h"

namespace tessivane::cli {
namespace {
namespace fs = std::filesystem;

using tessivane::testing::G;

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

class CliRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tessivane-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "src");
        fs::create_directories(root_ / "config");
        Write("src/b.txt", G("乙篇\r\n第二篇的正文"));
        Write("src/A.txt", G("甲篇\r\n第一篇的正文"));
        Write("src/c.TXT", G("丙篇\r\n第三篇的正文"));
        Write("src/skip.htm", "<title>x</title>");
        fs::create_directories(root_ / "src" / "folder.txt");
        // The window's saved settings: first-line titles, a template with every own slot.
        Write("config/" + platform::GbkToUtf8(G("程序配置.ini")),
              G("[基本配置]\r\n标题来源=2\r\n模板序号=1\r\n"));
        Write("config/" + platform::GbkToUtf8(G("模板2")),
              G("<title>#本篇标题#</title>#上一篇链接#|#下一篇链接#|#随机篇链接#|#导入的文件内容#"));
        Write("config/" + platform::GbkToUtf8(G("模板3")), G("三号模板 #本篇标题#"));
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(platform::WriteFileBytes(root_ / name, bytes));
    }

    Outcome Run(std::vector<std::string> args) {
        if (std::find(args.begin(), args.end(), "--config-dir") == args.end()) {
            args.insert(args.begin(), {"--config-dir", (root_ / "config").string()});
        }
        args.insert(args.begin(), {"tessivane-cli", "-q"});
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }

    std::map<std::string, std::string> Site(const fs::path& folder) {
        std::map<std::string, std::string> pages;
        for (const auto& entry : fs::directory_iterator(folder)) {
            pages[entry.path().filename().string()] = platform::ReadFileBytes(entry.path());
        }
        return pages;
    }

    std::string Src(const std::string& name) { return (root_ / "src" / name).string(); }

    fs::path root_;
};

TEST_F(CliRunTest, TitlesListsNameAndTitleInListOrderAndWritesNothing) {
    const Outcome run = Run({"--titles", Src("b.txt"), Src("A.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "b.txt\t乙篇\nA.txt\t甲篇\n");
    EXPECT_FALSE(fs::exists(root_ / "src" / platform::GbkToUtf8(G("模板生成目录"))));
}

TEST_F(CliRunTest, TitlesShowTheNamesTheRunWritesAndTheRewrittenTitles) {
    Write("src/index.txt", G("首页篇\r\n正文"));
    const Outcome run =
        Run({"--titles", "--set", "生成文章系统首页：=真", "--set", "生成文件的扩展名：=真", "--set",
             "替换标题=真", "--set", "匹配式=(.)篇", Src("index.txt"), Src("b.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "index_1.htm\t首页\nb.htm\t乙\n");

    const fs::path site = root_ / "site";
    ASSERT_EQ(Run({"--output", site.string(), "--set", "生成文章系统首页：=真", "--set",
                   "生成文件的扩展名：=真", Src("index.txt"), Src("b.txt")})
                  .exitCode,
              0);
    EXPECT_TRUE(fs::exists(site / "index_1.htm"));
}

TEST_F(CliRunTest, FolderTakesMatchingFilesSortedWithoutRegardToCase) {
    const Outcome run = Run({"--titles", "--folder", (root_ / "src").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "A.txt\t甲篇\nb.txt\t乙篇\nc.TXT\t丙篇\n");
}

TEST_F(CliRunTest, OutputFolderGetsOnePagePerArticleAndTheReport) {
    const fs::path site = root_ / "site";
    const Outcome run = Run({"--output", site.string(), "--seed", "3", Src("A.txt"), Src("b.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto pages = Site(site);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages.at("A.txt").rfind(G("<title>甲篇</title>#|b.txt|"), 0), 0u) << pages.at("A.txt");
    EXPECT_NE(run.out.find("处理完毕，已保存在这个目录：" + site.string() + "/"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("点击"), std::string::npos);
}

TEST_F(CliRunTest, TheSameSeedRebuildsTheSameSite) {
    const std::vector<std::string> files = {Src("A.txt"), Src("b.txt"), Src("c.TXT")};
    auto runWithSeed = [&](const std::string& out, const std::string& seed) {
        std::vector<std::string> args = {"--output", (root_ / out).string(), "--seed", seed};
        args.insert(args.end(), files.begin(), files.end());
        EXPECT_EQ(Run(args).exitCode, 0);
        return Site(root_ / out);
    };
    EXPECT_EQ(runWithSeed("one", "42"), runWithSeed("two", "42"));
}

TEST_F(CliRunTest, SetAndTemplateOverrideTheSavedSettings) {
    const fs::path site = root_ / "site";
    ASSERT_EQ(
        Run({"--output", site.string(), "--template", "3", "--set", "标题来源=0", Src("A.txt")}).exitCode, 0);
    EXPECT_EQ(platform::ReadFileBytes(site / "A.txt"), G("三号模板 A"));

    ASSERT_EQ(
        Run({"--output", site.string(), "--template", "3", "--set", "生成文件的扩展名：=真", Src("A.txt")})
            .exitCode,
        0);
    EXPECT_EQ(platform::ReadFileBytes(site / "A.htm"), G("三号模板 甲篇"));
}

struct UsageCase {
    const char* what;
    std::vector<std::string> args;
    int exitCode;
};

TEST_F(CliRunTest, ExitCodes) {
    const UsageCase cases[] = {
        {"unknown option", {"--frobnicate", "x.txt"}, 2},
        {"unknown --set key", {"--set", "不存在=1", "x.txt"}, 2},
        {"--set without a value", {"--set", "分页", "x.txt"}, 2},
        {"template above 5", {"--template", "6", "x.txt"}, 2},
        {"template below 1", {"--template", "0", "x.txt"}, 2},
        {"neither files nor folder", {}, 2},
        {"both files and folder", {"--folder", "/tmp", "x.txt"}, 2},
        {"missing settings folder", {"--config-dir", "/nonexistent/tessivane", "x.txt"}, 2},
        {"missing folder", {"--folder", "/nonexistent/tessivane"}, 2},
        {"option without its value", {"x.txt", "--template"}, 2},
        {"unknown option of three dashes", {"---x", "x.txt"}, 2},
        {"value with a line break", {"--template", "1\n2", "x.txt"}, 2},
        {"key with a line break", {"--set", "a\nb=1", "x.txt"}, 2},
        {"settings folder with a line break", {"--config-dir", "/nonexistent/a\nb", "x.txt"}, 2},
    };
    for (const auto& c : cases) {
        const Outcome run = Run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        // One line of message, whatever the user typed.
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.what << ": " << run.err;
        EXPECT_TRUE(run.err.ends_with('\n')) << c.what;
    }
}

TEST_F(CliRunTest, FileNamesBeginningWithADashFollowTheSeparator) {
    const Outcome run = Run({"--titles", "--set", "标题来源=0", "--", "-x.txt", "---y.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "-x.txt\t-x\n---y.txt\t---y\n");
}

TEST_F(CliRunTest, AnUnreadableSourceStillGetsItsPage) {
    const fs::path site = root_ / "site";
    const Outcome run = Run({"--output", site.string(), Src("missing.txt"), Src("A.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::exists(site / "missing.txt"));
}

TEST_F(CliRunTest, PagesThatCannotBeWrittenGiveExitOne) {
    Write("blocked", "a file where the output folder should be");
    const Outcome run = Run({"--output", (root_ / "blocked").string(), Src("A.txt"), Src("b.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("2 page(s) could not be written"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tessivane::cli
