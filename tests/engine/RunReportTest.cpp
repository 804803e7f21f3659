// Tests of the run report: elapsed-time wording, the message, and the file manager's command line.
#include "engine/RunReport.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "fakes/ScriptedHost.h"

namespace tessivane::engine {
namespace {

using testing::G;

TEST(FormatElapsedTest, PicksTheUnitBeforeRoundingToHundredths) {
    const struct {
        std::int64_t milliseconds;
        const char* expected;
    } cases[] = {
        {0, "0 毫秒"},        {999, "999 毫秒"},     {1000, "1 秒"},          {1234, "1.23 秒"},
        {59999, "60 秒"},     {90000, "1.5 分"},     {3600000, "1 时"},       {86400000, "1 天"},
        {2592000000, "1 月"}, {31104000000, "1 年"}, {311040000000, "10 年"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatElapsed(c.milliseconds), G(c.expected)) << c.milliseconds;
    }
}

TEST(ReportMessageTest, SaysTimeAndFolderAndAddsALineOnlyForFailedPages) {
    const std::string tail =
        G("\r\n\r\n点击【是】将打开这个目录，点击【否】将复制目录地址，点击【取消】什么事也不发生");
    EXPECT_EQ(ReportMessage(G("1.5 秒"), "/x/out/"),
              G("耗时 1.5 秒 处理完毕，已保存在这个目录：/x/out/") + tail);
    EXPECT_EQ(
        ReportMessage(G("1 秒"), "/o/", 2, 1),
        G("耗时 1 秒 处理完毕，已保存在这个目录：/o/\r\n未能写入的页面：文章页 2 个，索引页 1 个") + tail);
}

TEST(ReportMessageTest, AnswersOpenTheFolderOrCopyItsPath) {
    const std::filesystem::path folder = "/x/out";
    const struct {
        ReportAnswer answer;
        size_t opened;
        size_t copied;
    } cases[] = {{ReportAnswer::Yes, 1, 0}, {ReportAnswer::No, 0, 1}, {ReportAnswer::Cancel, 0, 0}};
    for (const auto& c : cases) {
        fakes::ScriptedHost host;
        host.answers = {c.answer};
        ShowReport(host, "message", folder, "/x/out/");
        EXPECT_EQ(host.reports, std::vector<std::string>{"message"});
        ASSERT_EQ(host.openedFolders.size(), c.opened);
        ASSERT_EQ(host.clipboard.size(), c.copied);
        if (c.opened == 1) {
            EXPECT_EQ(host.openedFolders[0], folder);
        }
        if (c.copied == 1) {
            EXPECT_EQ(host.clipboard[0], "/x/out/");
        }
    }
}

TEST(ExplorerCommandLineTest, BuildsTheFileManagerCommandLine) {
    const struct {
        const char* path;
        bool newWindow;
        bool openPath;
        bool asRoot;
        const char* expected;
    } cases[] = {
        {"/x/out/", true, true, false, "explorer /n,\"/x/out/\""},
        {"/x/a.txt", false, false, false, "explorer /e,/select,\"/x/a.txt\""},
        {"/x/out/", false, false, true, "explorer /e,/root,\"/x/out\""},
        {"/x/a.txt", true, false, true, "explorer /n,/root,\"/x\""},
        {"/x/Setup.EXE", false, true, false, "/x/Setup.EXE"},
        {"/x/setup.exe", false, false, false, "explorer /e,/select,\"/x/setup.exe\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExplorerCommandLine(c.path, c.newWindow, c.openPath, c.asRoot), c.expected) << c.path;
    }
}

}  // namespace
}  // namespace tessivane::engine
