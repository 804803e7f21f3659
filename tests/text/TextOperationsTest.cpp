// Tests of the composite text operations: extraction, list replacement, counting, quotes, folders.
#include "text/TextOperations.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <system_error>

#include "platform/CodePage.h"
#include "platform/Files.h"

namespace tessivane::text {
namespace {

TEST(ExtractBetweenTest, CutsBetweenMarkersAndMovesPosition) {
    struct Case {
        std::string text;
        std::string left;
        std::string right;
        Pos startShift;
        Pos endTrim;
        Pos position;
        bool backward;
        std::string expected;
        Pos expectedPosition;
    };
    const Case cases[] = {
        {"x<title>abc</title>y", "<title>", "</title>", 0, 0, 0, false, "abc", 20},
        {"x<title>abc</title>y", "<title>", "</title>", 0, 0, 20, false, "", 20},
        {"a<TITLE>b</Title>", "<title>", "</title>", 0, 0, 0, false, "b", 18},
        {"[1][2]", "[", "]", 0, 0, 0, true, "2", 4},
        {"[1][2]", "[", "]", 0, 0, 4, true, "1", 1},
        {"[1][2]", "[", "]", 0, 0, 1, true, "", 1},
        {"[1][2]", "[", "]", 0, 0, 3, false, "2", 7},
        {"[abc]", "[", "]", -1, -1, 0, false, "[abc]", 6},
        {"[abc]", "[", "]", 1, 1, 0, false, "b", 6},
        {"[]", "[", "]", 0, 0, 0, false, "", 3},     // empty stretch, markers found
        {"[ab]", "[", "]", 5, 0, 0, false, "", 5},   // stretch past the right marker
        {"a]b[c", "[", "]", 0, 0, 0, false, "", 0},  // right marker only before the left one
        {"abc", "<", ">", 0, 0, 7, false, "", 7},
        {"\x81[a]b[c]", "[", "]", 0, 0, 0, false, "c", 9},  // 0x5B as a second byte is no marker
        {"\x81\x5C"
         "a\\b\\",
         "\\", "\\", 0, 0, 0, false, "b", 7},
    };
    for (const Case& c : cases) {
        std::string left = c.left;
        std::string right = c.right;
        Pos position = c.position;
        EXPECT_EQ(ExtractBetween(c.text, left, right, c.startShift, c.endTrim, &position, c.backward),
                  c.expected)
            << "text \"" << c.text << "\" position " << c.position;
        EXPECT_EQ(position, c.expectedPosition) << "text \"" << c.text << "\" position " << c.position;
    }
}

TEST(ExtractBetweenTest, EmptyMarkersStandForTheEndsAndComeBackAsSentinels) {
    std::string left;
    std::string right;
    Pos position = 0;
    EXPECT_EQ(ExtractBetween("abc", left, right, 0, 0, &position), "abc");
    EXPECT_EQ(left, kHeadSentinel);
    EXPECT_EQ(right, kTailSentinel);
    EXPECT_EQ(position, static_cast<Pos>(kHeadSentinel.size() + 3 + kTailSentinel.size()) + 1);

    EXPECT_EQ(ExtractBetween("ab[cd", "[", ""), "cd");
    EXPECT_EQ(ExtractBetween("ab]cd", "", "]"), "ab");
    EXPECT_EQ(ExtractBetween("", "", ""), "");
}

TEST(ExtractBetweenTest, FoldsApostrophePairsInTheMarkers) {
    std::string left = "''";
    std::string right = "''";
    EXPECT_EQ(ExtractBetween("a\"b\"c", left, right, 0, 0, nullptr, false, true), "b");
    EXPECT_EQ(left, "\"");
    EXPECT_EQ(right, "\"");
}

TEST(ExtractBetweenTest, SuccessiveCallsWalkThroughEveryStretch) {
    const std::string text = "<i>1</i><I>22</I><i>333</i>";
    std::string forward;
    Pos position = 0;
    std::string left = "<i>";
    std::string right = "</i>";
    for (int i = 0; i < 4; ++i) {
        forward += ExtractBetween(text, left, right, 0, 0, &position) + ",";
    }
    EXPECT_EQ(forward, "1,22,333,,");

    std::string backward;
    position = 0;
    for (int i = 0; i < 4; ++i) {
        backward += ExtractBetween(text, left, right, 0, 0, &position, true) + ",";
    }
    EXPECT_EQ(backward, "333,22,1,,");
}

TEST(ReplaceListTest, ReplacesEachItemByItsCounterpart) {
    struct Case {
        std::string text;
        std::string searches;
        std::string replacements;
        bool matchCase;
        bool emptyTakesFirst;
        Pos maxCount;
        std::string expected;
    };
    const Case cases[] = {
        {"a-b", "a|b", "x", false, false, 0, "x-"},
        {"a-b", "a|b", "x", false, true, 0, "x-x"},
        {"a", "a|x", "x|y", false, false, 0, "y"},
        {"A", "a", "b", false, false, 0, "b"},
        {"A", "a", "b", true, false, 0, "A"},
        {"#1# #2#", "#1#|#2#", "p|q|r", false, false, 0, "p q"},
        {"aaa", "a", "b", false, false, 1, "baa"},
        {"aaa", "a", "b", false, false, -3, "bbb"},
        {"ab", "a||b", "1|2|3", false, false, 0, "13"},  // an empty item changes nothing
        {"ab", "a|", "1|", false, false, 0, "1b"},       // "x|" is the list "x"
        {"ab", "a|b", "1|2|", false, false, 0, "12"},
        {"", "a|b", "1|2", false, false, 0, ""},
        {"z\x81|", "\x81|", "Q", true, false, 0, "zQ"},  // a second byte 0x7C splits nothing
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        const std::string result = ReplaceList(text, c.searches, c.replacements, c.matchCase,
                                               c.emptyTakesFirst, nullptr, c.maxCount);
        EXPECT_EQ(result, c.expected) << "text \"" << c.text << "\" searches \"" << c.searches << "\"";
        EXPECT_EQ(text, c.expected) << "text \"" << c.text << "\" searches \"" << c.searches << "\"";
    }
}

TEST(ReplaceListTest, SeparatorIsInOutAndDefaultsToBar) {
    std::string text = "a;b|c";
    std::string separator;
    EXPECT_EQ(ReplaceList(text, "a|b", "1|2", false, false, &separator), "1;2|c");
    EXPECT_EQ(separator, "|");

    separator = ";";
    text = "a;b|c";
    EXPECT_EQ(ReplaceList(text, "a;|", "1;-", false, false, &separator), "1;b-c");
    EXPECT_EQ(separator, ";");
}

TEST(CountOccurrencesTest, CountsWithoutOverlap) {
    struct Case {
        std::string text;
        std::string needle;
        bool ignoreCase;
        Pos expected;
    };
    const Case cases[] = {
        {"aaaa", "aa", true, 2},
        {"aaaaa", "aa", true, 2},
        {"Ab ab AB", "ab", true, 3},
        {"Ab ab AB", "ab", false, 1},
        {"abc", "", true, 0},
        {"", "a", true, 0},
        {"\x81\x41"
         "a",
         "a", true, 1},
        {"\x81\x5C\\\\", "\\", false, 2},
        {"\xB1\xBE\xB1\xBE", "\xBE\xB1", false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountOccurrences(c.text, c.needle, c.ignoreCase), c.expected)
            << "text \"" << c.text << "\"";
    }
}

TEST(CountOccurrencesTest, PumpsEventsAfterEverySearchStep) {
    int pumped = 0;
    const EventPump pump = [&pumped] { ++pumped; };
    EXPECT_EQ(CountOccurrences("aaaa", "aa", true, pump), 2);
    EXPECT_EQ(pumped, 3);  // two finds and the search that found nothing
    pumped = 0;
    EXPECT_EQ(CountOccurrences("xyz", "a", true, pump), 0);
    EXPECT_EQ(pumped, 1);
}

TEST(FoldQuotesTest, TurnsApostrophePairsIntoDoubleQuotes) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"''''", "\"\""}, {"'''", "\"'"},         {"a''b'c", "a\"b'c"},
        {"", ""},         {"\x81'''", "\x81'\""},  // the first apostrophe is the second byte of a character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FoldQuotes(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

/// The parts joined by this platform's path separator.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string path;
    for (std::string_view part : parts) {
        path.append(path.empty() ? std::string_view() : PathSeparator()).append(part);
    }
    return path;
}

TEST(ParentFolderTest, CutsAtTheLastSeparator) {
    struct Case {
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {Joined({"C:", "a", "b.txt"}), Joined({"C:", "a"})},
        {Joined({"C:", "a", ""}), Joined({"C:", "a"})},
        {"b.txt", ""},
        {"", ""},
        {Joined({"\xD6\xD0", "\x81\x5C"}), "\xD6\xD0"},  // 中
        {"ab\x81\x5C"
         "cd",
         ""},  // the only 0x5C is a second byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParentFolder(c.path), c.expected) << "path \"" << c.path << "\"";
    }
}

/// A fresh, empty folder under the system's temporary folder, removed with everything in it.
class CreateFolderChainTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto unique = std::to_string(std::random_device{}()) + "_" + std::to_string(++counter);
        root_ = std::filesystem::temp_directory_path() / ("tessivane_text_" + unique);
        ASSERT_TRUE(std::filesystem::create_directory(root_));
        rootText_ = platform::PathToGbk(root_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    /// The GBK path of a place under the root, the parts joined by the separator.
    std::string Under(std::initializer_list<std::string_view> parts) const {
        std::string path = rootText_;
        for (std::string_view part : parts) {
            path.append(PathSeparator()).append(part);
        }
        return path;
    }

    std::filesystem::path root_;
    std::string rootText_;
};

TEST_F(CreateFolderChainTest, CreatesEveryLevelFollowedByASeparatorInOrder) {
    TextList created;
    EXPECT_TRUE(CreateFolderChain(Under({"x", "y", "z"}), &created));
    EXPECT_EQ(created, (TextList{Under({"x"}), Under({"x", "y"})}));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / "x" / "y"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "x" / "y" / "z"));

    created.clear();
    EXPECT_TRUE(CreateFolderChain(Under({"x", "y", "z", ""}), &created));
    EXPECT_EQ(created, TextList{Under({"x", "y", "z"})});  // existing levels are not listed
}

TEST_F(CreateFolderChainTest, NamesLevelsFromGbkText) {
    TextList created;
    EXPECT_TRUE(CreateFolderChain(Under({"\xD6\xD0\xCE\xC4", ""}), &created));  // 中文
    EXPECT_EQ(created, TextList{Under({"\xD6\xD0\xCE\xC4"})});
    EXPECT_TRUE(std::filesystem::is_directory(root_ / std::filesystem::path(u8"中文")));
}

TEST_F(CreateFolderChainTest, FileInThePathFailsTheNextLevel) {
    ASSERT_TRUE(platform::WriteFileBytes(root_ / "f", "x"));
    TextList created;
    EXPECT_FALSE(CreateFolderChain(Under({"f", "g", "h", ""}), &created));
    EXPECT_TRUE(created.empty());
    EXPECT_FALSE(std::filesystem::exists(root_ / "f" / "g"));
}

TEST_F(CreateFolderChainTest, LevelsCreatedBeforeAFailureStayAndStayListed) {
    const std::string tooLong(300, 'n');
    TextList created;
    EXPECT_FALSE(CreateFolderChain(Under({"kept", tooLong, "after", ""}), &created));
    EXPECT_EQ(created, TextList{Under({"kept"})});
    EXPECT_TRUE(std::filesystem::is_directory(root_ / "kept"));
}

}  // namespace
}  // namespace tessivane::text
