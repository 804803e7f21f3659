// Tests of a whole run: neighbour slots, bodies, cuts, option reads, events, progress and report.
#include "engine/RunGeneration.h"

#include <algorithm>

#include "RunFixture.h"
#include "fakes/RecordingOptions.h"

namespace tessivane::engine {
namespace {

using testing::G;
using RunGenerationTest = testing::RunFixture;

constexpr const char* kNeighbourTemplate =
    "#上一篇标题#|#上一篇链接#|#本篇标题#|#本篇链接#|#下一篇标题#|#下一篇链接#";

TEST_F(RunGenerationTest, NeighbourSlotsOfFirstMiddleAndLastArticle) {
    options_.templateText = G(kNeighbourTemplate);
    const RunResult result = Run({Source("a.txt"), Source("b.txt"), Source("c.txt")});
    EXPECT_EQ(Page("a.txt"), G("没有上一篇了|#|a|a.txt|b|b.txt"));
    EXPECT_EQ(Page("b.txt"), "a|a.txt|b|b.txt|c|c.txt");
    EXPECT_EQ(Page("c.txt"), G("b|b.txt|c|c.txt|没有下一篇了|#"));
    EXPECT_EQ(result.pagesWritten, 3);
    EXPECT_EQ(result.failedPages, 0);
    EXPECT_EQ(result.outputFolder, Out());
}

TEST_F(RunGenerationTest, SingleArticleHasNoNeighboursAndDrawsItself) {
    options_.templateText = G(kNeighbourTemplate) + G("|#随机篇标题#|#随机篇链接#");
    Run({Source("a.txt")});
    EXPECT_EQ(Page("a.txt"), G("没有上一篇了|#|a|a.txt|没有下一篇了|#|a|a.txt"));
}

TEST_F(RunGenerationTest, EmptyListWritesNothingAndShowsNothing) {
    const RunResult result = Run({});
    EXPECT_FALSE(std::filesystem::exists(Out()));
    EXPECT_TRUE(result.outputFolder.empty());
    EXPECT_TRUE(host_.titles.empty());
    EXPECT_TRUE(host_.reports.empty());
    EXPECT_EQ(host_.events, 0);
}

TEST_F(RunGenerationTest, TemplateWithoutPlaceholdersIsCopiedForEveryArticle) {
    options_.templateText = G("<html>固定的页面</html>\r\n");
    Run({Source("a.txt", "body a"), Source("b.htm", "body b")});
    EXPECT_EQ(Page("a.txt"), options_.templateText);
    EXPECT_EQ(Page("b.htm"), options_.templateText);
}

TEST_F(RunGenerationTest, PlaceholdersInsideABodyStayLiteral) {
    options_.templateText = G("#随机篇标题#:#导入的文件内容#:#本篇标题#");
    const std::string body = G("#本篇标题##随机篇标题##导入的文件内容#");
    Run({Source("a.txt", body)});
    EXPECT_EQ(Page("a.txt"), "a:" + body + ":a");
}

TEST_F(RunGenerationTest, EachSlotValueGoesThroughTheReplacementsThatFollowIt) {
    options_.templateText = G("#本篇链接#");
    Run({Source("x#本篇标题#.txt")});  // the link brings in a title slot, filled next
    EXPECT_EQ(Page("x#本篇标题#.txt"), G("xx#本篇标题#.txt"));
}

TEST_F(RunGenerationTest, TwoSourcesWithOneOutputNameLeaveTheLaterPage) {
    options_.templateText = G("#导入的文件内容#");
    options_.useExtension = true;
    const RunResult result = Run({Source("a.txt", "first"), Source("a.htm", "second")});
    EXPECT_EQ(Page("a.htm"), "second");
    EXPECT_FALSE(PageExists("a.txt"));
    EXPECT_EQ(result.pagesWritten, 2);
}

TEST_F(RunGenerationTest, CutTakesTheStretchBetweenTheMarkers) {
    const std::string page = "<html><BODY>inner</body></html>";
    const struct {
        const char* left;
        const char* right;
        bool keepWhenEmpty;
        std::string expected;
    } cases[] = {
        {"<body>", "</body>", false, "inner"},
        {"[", "]", false, ""},
        {"[", "]", true, page},
        {"", "", false, page},
        {"", "<BODY>", false, "<html>"},
        {"</body>", "", false, "</html>"},
        {"<body>", "<body>", false, ""},
        {"<body>", "<body>", true, page},
    };
    options_.templateText = G("#导入的文件内容#");
    options_.cutBetween = true;
    const auto source = Source("a.txt", page);
    for (const auto& c : cases) {
        options_.cutLeft = c.left;
        options_.cutRight = c.right;
        options_.keepWhenCutEmpty = c.keepWhenEmpty;
        Run({source});
        EXPECT_EQ(Page("a.txt"), c.expected) << c.left << " " << c.right;
    }
}

TEST_F(RunGenerationTest, SourcesThatCannotBeReadStillGetTheirPage) {
    options_.templateText = G("#本篇标题#|#下一篇标题#|#下一篇链接#|#导入的文件内容#");
    options_.titleSource = 1;
    const ArticleList list = {Source("a.txt", "<title>A</title>"), temp_.path() / "gone.htm",
                              temp_.path() / "folder.htm"};
    std::filesystem::create_directories(list[2]);
    const RunResult result = Run(list);
    EXPECT_EQ(Page("a.txt"), "A|gone|gone.htm|<title>A</title>");
    EXPECT_EQ(Page("gone.htm"), "gone|folder|folder.htm|");
    EXPECT_EQ(result.pagesWritten, 3);
}

TEST_F(RunGenerationTest, OptionChangedWhileEventsAreHandedOverReachesTheNextRead) {
    options_.templateText = G("#上一篇链接#|#本篇链接#|#下一篇链接#");
    fakes::RecordingOptions recording(options_);
    bool changed = false;
    host_.onEveryEvent = [&] {
        // The first event after the first article read: the current article of page 1.
        if (!changed && std::count(recording.reads.begin(), recording.reads.end(), "encoding") == 1) {
            options_.useExtension = true;
            options_.templateText = "edited";  // taken once at the start: no effect on this run
            changed = true;
        }
    };
    Run({Source("a.txt"), Source("b.txt")}, recording);
    EXPECT_EQ(Page("a.txt"), "#|a.txt|b.htm");
    EXPECT_EQ(Page("b.htm"), "a.htm|b.htm|#");
    EXPECT_FALSE(PageExists("b.txt"));
}

TEST_F(RunGenerationTest, ReadsEachOptionAtItsMoment) {
    options_.templateText = "#";
    options_.cutBetween = true;
    options_.cutLeft = "";
    options_.cutRight = "";
    fakes::RecordingOptions recording(options_);
    Run({Source("a.txt", "x"), Source("b.txt", "y")}, recording);
    const std::vector<std::string> start(recording.reads.begin(), recording.reads.begin() + 4);
    EXPECT_EQ(start, (std::vector<std::string>{"templateText", "matchText", "pageSize", "writeIndex"}));
    const auto reads = [&](const char* name) {
        return std::count(recording.reads.begin(), recording.reads.end(), name);
    };
    EXPECT_EQ(reads("templateText"), 1);
    EXPECT_EQ(reads("pageSize"), 1);
    EXPECT_EQ(reads("matchText"), 1);
    EXPECT_EQ(reads("encoding"), 4);  // each page: its own article and its one neighbour
    EXPECT_EQ(reads("cutBetween"), 2);
    EXPECT_EQ(reads("cutLeft"), 2);
    EXPECT_EQ(reads("keepWhenCutEmpty"), 0);  // the cut was never empty
    EXPECT_EQ(reads("writeIndex"), 4);        // start, each article, end
}

TEST_F(RunGenerationTest, CutsTheBodyBeforeTheRandomSlotsHandOverEvents) {
    // A cut option changed while the random slots are filled must wait for the next page.
    options_.templateText = G("#随机篇标题##随机篇链接##随机篇标题##随机篇链接#");
    options_.cutBetween = true;
    fakes::RecordingOptions recording(options_);
    std::vector<std::size_t> readsAtEvent;
    host_.onEveryEvent = [&] { readsAtEvent.push_back(recording.reads.size()); };
    Run({Source("a.txt")}, recording);
    const auto cutRead = std::find(recording.reads.begin(), recording.reads.end(), "cutBetween");
    ASSERT_NE(cutRead, recording.reads.end());
    const auto readsBeforeCut = static_cast<std::size_t>(cutRead - recording.reads.begin());
    const auto eventsAfterCut = std::count_if(readsAtEvent.begin(), readsAtEvent.end(),
                                              [&](std::size_t reads) { return reads > readsBeforeCut; });
    EXPECT_EQ(eventsAfterCut, 3);  // the two filled pairs and the end of the article
}

TEST_F(RunGenerationTest, HandsOverEventsAtEveryStepOfAnArticle) {
    options_.templateText = G("#随机篇标题#|#随机篇链接#");
    Run(Sources(3));
    ASSERT_EQ(host_.eventsAtArticleDone.size(), 3U);
    // Middle article: end of the one before, current, two neighbours, two per draw, the random
    // step and the one filled pair.
    EXPECT_EQ(host_.eventsAtArticleDone[1] - host_.eventsAtArticleDone[0], 8);
    EXPECT_EQ(host_.eventsAtArticleDone[2] - host_.eventsAtArticleDone[1], 7);
    EXPECT_EQ(host_.events - host_.eventsAtArticleDone[2], 1);
}

TEST_F(RunGenerationTest, ShowsProgressThenSetsTheTitleBackAndReports) {
    options_.templateText = "x";
    host_.answers = {ReportAnswer::No};
    Run({Source("a.txt"), Source("中文.txt")});
    const std::vector<std::string> titles = {G("已处理 1 个文件，当前：a"), G("已处理 2 个文件，当前：中文"),
                                             std::string(kProductTitle)};
    EXPECT_EQ(host_.titles, titles);
    EXPECT_EQ(host_.articlesDone, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    const std::string folderText = platform::PathToGbk(Out()) + "/";
    ASSERT_EQ(host_.reports.size(), 1U);
    const std::string& report = host_.reports[0];
    const std::string tail =
        G(" 处理完毕，已保存在这个目录：") + folderText +
        G("\r\n\r\n点击【是】将打开这个目录，点击【否】将复制目录地址，点击【取消】什么事也不发生");
    EXPECT_EQ(report.rfind(G("耗时 "), 0), 0U);
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    EXPECT_EQ(host_.clipboard, std::vector<std::string>{folderText});
    EXPECT_TRUE(host_.openedFolders.empty());
}

TEST_F(RunGenerationTest, YesOpensTheOutputFolder) {
    host_.answers = {ReportAnswer::Yes};
    Run({Source("a.txt")});
    EXPECT_EQ(host_.openedFolders, std::vector<std::filesystem::path>{Out()});
    EXPECT_TRUE(host_.clipboard.empty());
}

TEST_F(RunGenerationTest, PagesThatCannotBeWrittenAreCountedAndReported) {
    options_.writeIndex = true;
    const auto blocker = Source("blocker.txt");
    const RunResult result = Run({Source("a.txt"), Source("b.txt")}, 1, blocker / "out");
    EXPECT_EQ(result.pagesWritten, 0);
    EXPECT_EQ(result.failedPages, 3);
    EXPECT_EQ(result.failures, (std::vector<std::string>{"a.txt", "b.txt", "index.htm"}));
    ASSERT_EQ(host_.reports.size(), 1U);
    EXPECT_NE(host_.reports[0].find(G("\r\n未能写入的页面：文章页 2 个，索引页 1 个\r\n\r\n")),
              std::string::npos);
}

TEST_F(RunGenerationTest, StopRequestEndsTheLoopButFinishesTheRun) {
    options_.writeIndex = true;
    options_.templateText = "x";
    host_.onEveryEvent = [&] { host_.stopRequested = host_.articlesDone.size() == 1; };
    const RunResult result = Run(Sources(3));
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.pagesWritten, 1);
    EXPECT_FALSE(PageExists("a2.txt"));
    EXPECT_EQ(host_.titles.back(), std::string(kProductTitle));
    EXPECT_EQ(host_.reports.size(), 1U);
    const std::string index = Page("index.htm");
    EXPECT_NE(index.find("<a href=\"a1.txt\">a1</a><br></body></html>"), std::string::npos);
    EXPECT_EQ(result.indexPagesWritten, 1);
}

TEST_F(RunGenerationTest, OutputFolderLiesBesideTheFirstSource) {
    FixedOptions fixed(options_);
    RunContext context{fixed, host_, regex_, std::nullopt, std::nullopt};
    EXPECT_EQ(OutputFolderFor({"/x/y/a.txt", "/z/b.txt"}, context),
              std::filesystem::path("/x/y/模板生成目录"));
    EXPECT_EQ(OutputFolderFor({"a.txt"}, context), std::filesystem::path("模板生成目录"));  // never the root
    context.outputFolder = "/elsewhere";
    EXPECT_EQ(OutputFolderFor({"/x/a.txt"}, context), std::filesystem::path("/elsewhere"));
}

}  // namespace
}  // namespace tessivane::engine
