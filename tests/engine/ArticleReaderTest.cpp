// Tests of the article reader: decoders, title sources with their fallbacks, names and first lines.
#include "engine/ArticleReader.h"

#include <gtest/gtest.h>

#include "engine/ArticleCache.h"
#include "platform/Files.h"

#include "EngineTestSupport.h"
#include "engine/TitleRewrite.h"
#include "fakes/RecordingOptions.h"
#include "pattern/RegexObject.h"

namespace tessivane::engine {
namespace {

using testing::G;
using testing::TempFolder;

class ArticleReaderTest : public ::testing::Test {
protected:
    void SetUp() override { regex_.CreateComponent(); }

    ArticleInfo Read(const std::filesystem::path& path) {
        FixedOptions fixed(options_);
        return ReadArticle(path, fixed, regex_);
    }

    GenerationOptions options_;
    pattern::RegexObject regex_;
    TempFolder folder_;
};

TEST(FileStemTest, CutsBeforeTheLastDotOfTheLastPart) {
    const struct {
        const char* path;
        const char* stem;
    } cases[] = {
        {"notes.txt", "notes"}, {"a.b.txt", "a.b"},     {".htm", ""},
        {"README", "README"},   {"dir/sub/x.htm", "x"}, {"dir.d/noext", "noext"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileStem(c.path), c.stem) << c.path;
    }
}

TEST(LeftCharsTest, CountsDoubleByteCharactersAndCrLfPairsOnce) {
    const std::string chinese = G("中文字");
    const struct {
        std::string text;
        long long n;
        std::string expected;
    } cases[] =
        {
            {"abcdef", 3, "abc"},
            {"ab", 5, "ab"},
            {"abc", 0, ""},
            {chinese, 2, G("中文")},
            {"a" + chinese, 2, G("a中")},
            {"a\r\nb", 2, "a\r\n"},
            {"x\ry", 2, "x\ry"},  // a lone CR is half a unit, so y completes the second character
        };
    for (const auto& c : cases) {
        EXPECT_EQ(LeftChars(c.text, c.n), c.expected) << c.text << " " << c.n;
    }
}

TEST(FirstLineTitleTest, TakesTheFirstLineThatIsNotEmptyAndDropsItOnlyWithCrLf) {
    const struct {
        std::string body;
        bool drop;
        std::string title;
        std::string bodyAfter;
    } cases[] = {
        {"Title\r\nText\r\n", true, "Title", "Text\r\n"},
        {"Title\nText\n", true, "Title", "Title\nText\n"},
        {"\r\n\nTitle\r\nText", true, "Title", "\r\n\nText"},
        {"  \r\nText", true, "  ", "Text"},
        {"\r\n\r\n", true, "", "\r\n"},
        {"Title\r\nText", false, "Title", "Title\r\nText"},
        {std::string("A\x1A") + "B", false, "A", std::string("A\x1A") + "B"},
        {"y" + std::string(200, 'x') + "\r\nText", true, "y" + std::string(199, 'x'),
         "y" + std::string(200, 'x') + "\r\nText"},
    };
    for (const auto& c : cases) {
        std::string body = c.body;
        EXPECT_EQ(FirstLineTitle(body, c.drop), c.title) << c.body;
        EXPECT_EQ(body, c.bodyAfter) << c.body;
    }
}

TEST(FirstLineTitleTest, HandsOverEventsAfterEachLineRead) {
    std::string body = "\n\n\nTitle\nMore\n";
    int events = 0;
    FirstLineTitle(body, false, [&events] { ++events; });
    EXPECT_EQ(events, 4);
}

TEST_F(ArticleReaderTest, TitleSourcesFallBackWhenTheirTextIsMissing) {
    const auto withTitle = folder_.Write("page_site.htm", "<html><TITLE>Real Title</Title>\r\nbody");
    const auto emptyTitle = folder_.Write("empty.htm", "<title></title>body");
    const auto noTitle = folder_.Write("none.htm", "\r\nFirst line\r\nrest");
    const auto missing = folder_.path() / "missing.htm";
    const struct {
        int titleSource;
        std::filesystem::path path;
        std::string title;
    } cases[] = {
        {0, withTitle, "page_site"},
        {1, withTitle, "Real Title"},
        {1, emptyTitle, "empty"},
        {1, noTitle, "none"},
        {1, missing, "missing"},
        {2, noTitle, "First line"},
        {2, missing, ""},
        {-1, noTitle, "First line"},
    };
    for (const auto& c : cases) {
        options_.titleSource = c.titleSource;
        EXPECT_EQ(Read(c.path).title, c.title) << c.titleSource << " " << c.path;
    }
}

TEST_F(ArticleReaderTest, FirstLineTitleRemovesTheLineFromTheBodyBeforeTheRewrite) {
    options_.titleSource = 2;
    options_.rewriteTitle = true;  // "(.+)[_-].*" -> "$1"
    FixedOptions fixed(options_);
    SetTitlePattern(regex_, fixed);
    const ArticleInfo info = Read(folder_.Write("a.txt", "name_site\r\nbody"));
    EXPECT_EQ(info.title, "name");
    EXPECT_EQ(info.body, "body");
}

TEST_F(ArticleReaderTest, DecodesTheBodyInTheChosenEncoding) {
    const std::string utf16 = std::string("A\0\x2D\x4E", 4);  // "A中" in UTF-16 LE
    const struct {
        int encoding;
        std::string bytes;
        std::string body;
    } cases[] = {
        {0, G("中文") + std::string("\0tail", 5), G("中文")},
        {0, utf16, "A"},
        {-1, G("文"), G("文")},
        {1,
         "\xEF\xBB\xBF"
         "abc\xE4\xB8\xAD",
         "?abc" + G("中")},               // the mark has no GBK form
        {2, utf16 + "x", "A" + G("中")},  // an odd last byte is ignored
    };
    for (const auto& c : cases) {
        options_.encoding = c.encoding;
        EXPECT_EQ(Read(folder_.Write("in.txt", c.bytes)).body, c.body) << c.encoding;
    }
}

TEST_F(ArticleReaderTest, OutputFileNameTakesTheExtensionUnchanged) {
    options_.useExtension = true;
    const struct {
        const char* source;
        const char* extension;
        const char* fileName;
    } cases[] = {
        {"notes.txt", "htm", "notes.htm"},
        {"README", "htm", "README.htm"},
        {"notes.txt", "", "notes."},
        {"notes.txt", ".htm", "notes..htm"},
    };
    for (const auto& c : cases) {
        options_.extension = c.extension;
        EXPECT_EQ(Read(folder_.path() / c.source).fileName, c.fileName) << c.source;
    }
    options_.useExtension = false;
    EXPECT_EQ(Read(folder_.path() / "notes.txt").fileName, "notes.txt");
}

TEST_F(ArticleReaderTest, NameWithoutGbkFormGetsQuestionMarks) {
    options_.titleSource = 0;
    const ArticleInfo info = Read(folder_.Write("caf\xC3\xA9_\xF0\x9F\x98\x80.txt", "x"));
    EXPECT_EQ(info.fileName, "caf" + G("é") + "_?.txt");
    EXPECT_EQ(info.title, "caf" + G("é") + "_?");
}

TEST_F(ArticleReaderTest, ReadsEachOptionAtItsMoment) {
    options_.titleSource = 2;
    options_.useExtension = true;
    options_.rewriteTitle = true;
    options_.useRegex = false;
    fakes::RecordingOptions recording(options_);
    ReadArticle(folder_.Write("a.txt", "x\r\n"), recording, regex_);
    const std::vector<std::string> expected = {"encoding",     "titleSource", "dropFirstLine",
                                               "useExtension", "extension",   "rewriteTitle",
                                               "useRegex",     "matchText",   "replaceText"};
    EXPECT_EQ(recording.reads, expected);
}

// A source that is a link can change under the run when a page is written over the file it
// shares; reads through the cache must still give what a fresh read gives.
TEST_F(ArticleReaderTest, CacheNeverServesALinkedSourceStale) {
    options_.titleSource = 2;
    const struct {
        const char* kind;
        void (*link)(const std::filesystem::path& target, const std::filesystem::path& link);
    } cases[] = {
        {"hard link",
         [](const std::filesystem::path& t, const std::filesystem::path& l) { create_hard_link(t, l); }},
        {"symbolic link",
         [](const std::filesystem::path& t, const std::filesystem::path& l) { create_symlink(t, l); }},
        {"source in the output folder", nullptr},
    };
    for (const auto& c : cases) {
        const TempFolder out;
        const auto page = out.Write("a.txt", "old\r\nold body");
        auto source = page;
        if (c.link != nullptr) {
            source = folder_.path() / "b.txt";
            std::filesystem::remove(source);
            c.link(page, source);
        }
        FixedOptions fixed(options_);
        ArticleCache cache(1, out.path());
        EXPECT_EQ(cache.Read(0, source, false, true, fixed, regex_, {}).title, "old") << c.kind;
        ASSERT_TRUE(platform::WriteFileBytes(page, "new\r\nnew body"));
        EXPECT_EQ(cache.Read(0, source, false, false, fixed, regex_, {}).title, "new") << c.kind;
        const ArticleInfo current = cache.Read(0, source, true, false, fixed, regex_, {});
        EXPECT_EQ(current.title, "new") << c.kind;
        EXPECT_EQ(current.body, "new body") << c.kind;
    }
}

}  // namespace
}  // namespace tessivane::engine
