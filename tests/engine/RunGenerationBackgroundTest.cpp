// Tests that writing article pages on a second thread leaves the same site and result as writing at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/RunGeneration.h"
#include "fakes/RecordingOptions.h"
#include "fakes/ScriptedHost.h"
#include "pattern/RegexObject.h"

namespace tessivane::engine {
namespace {

namespace fs = std::filesystem;
using testing::G;
using testing::TempFolder;

// Everything a run leaves behind: every file under the test's folder, sources included.
struct RunTrace {
    std::map<std::string, std::string> files;  // relative path -> bytes, "<folder>" for a folder
    int pagesWritten = 0;
    int indexPagesWritten = 0;
    int failedPages = 0;
    std::vector<std::string> failures;
    std::vector<std::string> reports;
    std::vector<std::string> optionReads;
};

// Makes the sources (and anything else) under the root; returns the list and the output folder.
struct Layout {
    ArticleList list;
    fs::path output;
};
using MakeLayout = std::function<Layout(const fs::path& root)>;
// An option change made by the window at the k-th event hand-over.
using Script = std::map<int, std::function<void(GenerationOptions&)>>;

class RunBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        options_.templateText =
            G("<title>#本篇标题#-p</title>#本篇链接#|#上一篇标题#|#下一篇链接#|#随机篇标题#|#随机篇链接#|"
              "#随机篇标题#|#导入的文件内容#");
        options_.titleSource = 1;
        options_.writeIndex = true;
        options_.pageSize = "7";
        options_.cutBetween = false;
    }

    static ArticleList Sources(const fs::path& folder, int count, const std::string& stem = "art") {
        fs::create_directories(folder);
        ArticleList list;
        for (int i = 1; i <= count; ++i) {
            const std::string n = std::to_string(i);
            list.push_back(folder / (stem + n + ".txt"));
            testing::WriteBytes(list.back(), "<title>t" + n + "</title>\r\nbody " + n);
        }
        return list;
    }

    // The report with its elapsed milliseconds left out.
    static std::string WithoutElapsed(std::string report) {
        const std::size_t digits = report.find(' ');
        const std::size_t end = report.find(' ', digits + 1);
        return digits == std::string::npos || end == std::string::npos ? report
                                                                       : report.erase(digits, end - digits);
    }

    RunTrace Trace(bool background, const fs::path& root, const MakeLayout& make, const Script& script) {
        const Layout layout = make(root);
        GenerationOptions options = options_;
        fakes::RecordingOptions recording(options);
        fakes::ScriptedHost host;
        for (const auto& [event, change] : script) {
            host.atEvent[event] = [&options, change] { change(options); };
        }
        pattern::RegexObject regex;
        regex.CreateComponent();
        RunContext context{recording, host, regex, 3, layout.output};
        context.writePagesInBackground = background;
        const RunResult result = RunGeneration(layout.list, context);
        RunTrace trace{{}, result.pagesWritten, result.indexPagesWritten, result.failedPages, result.failures,
                       {}, recording.reads};
        for (const std::string& report : host.reports) {
            trace.reports.push_back(WithoutElapsed(report));
        }
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string name = fs::relative(entry.path(), root).string();
            trace.files[name] = entry.is_directory() ? "<folder>" : testing::ReadBytes(entry.path());
        }
        return trace;
    }

    RunTrace ExpectSameEitherWay(const MakeLayout& make, const Script& script = {}) {
        // One folder for both runs: the report names it.
        TempFolder root;
        const RunTrace atOnce = Trace(false, root.path(), make, script);
        for (const auto& entry : fs::directory_iterator(root.path())) {
            fs::remove_all(entry.path());
        }
        const RunTrace background = Trace(true, root.path(), make, script);
        EXPECT_EQ(background.files, atOnce.files);
        EXPECT_EQ(background.pagesWritten, atOnce.pagesWritten);
        EXPECT_EQ(background.indexPagesWritten, atOnce.indexPagesWritten);
        EXPECT_EQ(background.failedPages, atOnce.failedPages);
        EXPECT_EQ(background.failures, atOnce.failures);
        EXPECT_EQ(background.reports, atOnce.reports);
        EXPECT_EQ(background.optionReads, atOnce.optionReads);
        return atOnce;
    }

    GenerationOptions options_;
};

TEST_F(RunBackgroundTest, PagesAndIndexMatchWritingAtOnce) {
    // More pages than the queue holds, two sources with one page name at both ends and in the middle.
    const RunTrace trace = ExpectSameEitherWay([](const fs::path& root) {
        ArticleList list = Sources(root / "a", 90);
        const ArticleList other = Sources(root / "b", 3);
        list.insert(list.begin() + 1, other[0]);
        list.insert(list.begin() + 40, other[1]);
        list.push_back(other[2]);
        list.push_back(Sources(root / "c", 1).front());
        return Layout{list, root / "out"};
    });
    EXPECT_EQ(trace.pagesWritten, 94);
    EXPECT_EQ(trace.failedPages, 0);
    ASSERT_EQ(trace.files.count("out/art1.txt"), 1U);
    EXPECT_NE(trace.files.at("out/art1.txt").find("t1-p"), std::string::npos);  // the last art1.txt
}

TEST_F(RunBackgroundTest, ArticleNamedLikeAnIndexPageMeetsTheIndexInTheSameOrder) {
    // The index is off at the start, so the article keeps its name, and comes on before its page.
    options_.writeIndex = false;
    options_.pageSize = "2";
    const MakeLayout make = [](const fs::path& root) {
        ArticleList list = Sources(root / "a", 12);
        list.insert(list.begin() + 6, root / "a" / "index_2.txt");
        list.insert(list.begin() + 8, root / "a" / "INDEX.txt");
        testing::WriteBytes(root / "a" / "index_2.txt", "<title>clash</title>");
        testing::WriteBytes(root / "a" / "INDEX.txt", "<title>clash 1</title>");
        return Layout{list, root / "out"};
    };
    options_.useExtension = true;
    options_.extension = "htm";
    for (const int event : {1, 20, 30, 45, 60}) {
        SCOPED_TRACE(::testing::Message() << "index on at event " << event);
        ExpectSameEitherWay(make, {{event, [](GenerationOptions& o) { o.writeIndex = true; }}});
    }
}

TEST_F(RunBackgroundTest, PagesThatCannotBeWrittenAreReportedAlike) {
    // Folders stand where 25 article pages and an index page should go: more than the list keeps.
    const RunTrace trace = ExpectSameEitherWay([](const fs::path& root) {
        const ArticleList list = Sources(root / "a", 60);
        for (int i = 3; i <= 51; i += 2) {
            fs::create_directories(root / "out" / ("art" + std::to_string(i) + ".txt"));
        }
        fs::create_directories(root / "out" / "index_2.htm");
        return Layout{list, root / "out"};
    });
    EXPECT_EQ(trace.failedPages, 26);
    ASSERT_EQ(trace.failures.size(), 20U);
    EXPECT_EQ(trace.failures.front(), "art3.txt");
    EXPECT_EQ(trace.failures.back(), "art41.txt");
}

TEST_F(RunBackgroundTest, SourcesThePagesOverwriteAreReadAfterThePages) {
    const MakeLayout layouts[] = {
        // The output folder is the sources' folder: each page replaces its source.
        [](const fs::path& root) {
            return Layout{Sources(root / "a", 50), root / "a"};
        },
        // A source hard-linked into the output folder under the name of the page before it.
        [](const fs::path& root) {
            const ArticleList list = Sources(root / "a", 50);
            fs::create_directories(root / "out");
            fs::create_hard_link(list[2], root / "out" / "art2.txt");
            return Layout{list, root / "out"};
        },
    };
    for (std::size_t i = 0; i < std::size(layouts); ++i) {
        SCOPED_TRACE(::testing::Message() << "layout " << i);
        ExpectSameEitherWay(layouts[i]);
    }
}

}  // namespace
}  // namespace tessivane::engine
