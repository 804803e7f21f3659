// Tests that a run with the article cache writes and shows exactly what a run without it does.
#include <gtest/gtest.h>

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

using testing::G;
using testing::TempFolder;

// Everything a run leaves behind that a user or the window could tell apart.
struct RunTrace {
    std::map<std::string, std::string> files;  // output name -> bytes
    std::vector<std::string> optionReads;
    std::vector<std::string> windowTitles;
    std::vector<int> eventsAtArticleDone;
    int events = 0;
};

// An option change made by the window while the run hands over events: at the k-th hand-over.
using Script = std::map<int, std::function<void(GenerationOptions&)>>;

class RunCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        options_.templateText =
            G("<title>#本篇标题#</title>#本篇链接#|#上一篇标题#|#上一篇链接#|#下一篇标题#|#下一篇链接#|"
              "#随机篇标题#|#随机篇链接#|#随机篇标题#|#随机篇链接#|#随机篇链接#|#导入的文件内容#");
        options_.writeIndex = true;
        options_.pageSize = "3";
        options_.cutBetween = false;
        // Titles that differ by source, encoding and rewrite; first lines behind empty lines.
        for (int i = 1; i <= 7; ++i) {
            const std::string n = std::to_string(i);
            list_.push_back(
                sources_.Write("art_" + n + ".txt", "\r\n\r\n<title>标题" + n + "-x</title>\r\n正文" + n));
        }
        list_.push_back(sources_.Write("index_2.htm", "\r\nfirst\r\nbody"));
        list_.push_back(sources_.Write("gone.txt", ""));
        std::filesystem::remove(list_.back());
    }

    RunTrace Trace(bool cache, const Script& script) {
        GenerationOptions options = options_;
        fakes::RecordingOptions recording(options);
        fakes::ScriptedHost host;
        for (const auto& [event, change] : script) {
            host.atEvent[event] = [&options, change] { change(options); };
        }
        pattern::RegexObject regex;
        regex.CreateComponent();
        TempFolder out;
        RunContext context{recording, host, regex, 5, out.path()};
        context.cacheArticles = cache;
        RunGeneration(list_, context);
        RunTrace trace{{}, recording.reads, host.titles, host.eventsAtArticleDone, host.events};
        for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
            trace.files[entry.path().filename().string()] = testing::ReadBytes(entry.path());
        }
        return trace;
    }

    void ExpectSameWithAndWithoutCache(const Script& script) {
        const RunTrace uncached = Trace(false, script);
        const RunTrace cached = Trace(true, script);
        ASSERT_FALSE(uncached.files.empty());
        EXPECT_EQ(cached.files, uncached.files);
        EXPECT_EQ(cached.optionReads, uncached.optionReads);
        EXPECT_EQ(cached.windowTitles, uncached.windowTitles);
        EXPECT_EQ(cached.eventsAtArticleDone, uncached.eventsAtArticleDone);
        EXPECT_EQ(cached.events, uncached.events);
    }

    GenerationOptions options_;
    TempFolder sources_;
    ArticleList list_;
};

TEST_F(RunCacheTest, EveryTitleSourceAndEncodingGivesTheSameRun) {
    const struct {
        int titleSource;
        int encoding;
        bool dropFirstLine;
    } cases[] = {{0, 0, true}, {1, 0, true}, {1, 1, true}, {2, 0, true}, {2, 1, false}, {-1, -1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "titleSource " << c.titleSource << " encoding " << c.encoding);
        options_.titleSource = c.titleSource;
        options_.encoding = c.encoding;
        options_.dropFirstLine = c.dropFirstLine;
        ExpectSameWithAndWithoutCache({});
    }
}

TEST_F(RunCacheTest, RewriteAndExtensionOptionsGiveTheSameRun) {
    options_.useExtension = true;
    options_.extension = "html";
    options_.rewriteTitle = true;
    for (const bool useRegex : {true, false}) {
        SCOPED_TRACE(useRegex ? "regex" : "list");
        options_.useRegex = useRegex;
        options_.matchText = useRegex ? "(.+)[_-].*" : G("标题|x");
        options_.replaceText = useRegex ? "[$1]" : G("题目|y");
        for (const int titleSource : {0, 1, 2}) {
            options_.titleSource = titleSource;
            ExpectSameWithAndWithoutCache({});
        }
    }
}

TEST_F(RunCacheTest, OptionsChangedDuringTheRunReachTheSameReads) {
    options_.titleSource = 2;
    options_.rewriteTitle = true;
    const std::vector<Script> scripts = {
        {{6, [](GenerationOptions& o) { o.titleSource = 1; }},
         {40, [](GenerationOptions& o) { o.titleSource = 2; }}},
        {{9, [](GenerationOptions& o) { o.encoding = 1; }},
         {30, [](GenerationOptions& o) { o.encoding = 2; }}},
        {{3, [](GenerationOptions& o) { o.useExtension = true; }},
         {25, [](GenerationOptions& o) { o.extension = "php"; }}},
        {{12, [](GenerationOptions& o) { o.replaceText = "<$1>"; }},
         {20, [](GenerationOptions& o) { o.useRegex = false; }},
         {33, [](GenerationOptions& o) { o.rewriteTitle = false; }}},
        {{15, [](GenerationOptions& o) { o.dropFirstLine = false; }},
         {16, [](GenerationOptions& o) { o.titleSource = 0; }}},
    };
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "script " << i);
        ExpectSameWithAndWithoutCache(scripts[i]);
    }
}

}  // namespace
}  // namespace tessivane::engine
