// The regular-expression object: pattern state, shared engine, match accessors and failures.
#include <gtest/gtest.h>

#include <string>

#include "PatternTestSupport.h"
#include "pattern/RegexObject.h"

namespace tessivane::pattern {
namespace {

using testing::G;

class RegexObjectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(regex_.CreateComponent()); }
    RegexObject regex_;
};

TEST_F(RegexObjectTest, DefaultTitlePatternKeepsTheTextBeforeTheLastSeparator) {
    struct Case {
        const char* subject;
        const char* expected;
    };
    const Case cases[] = {
        {"标题_站名", "标题"},
        {"a-b_c", "a-b"},  // the group is greedy
        {"abc", "abc"},    // no match: unchanged
        {"", ""},
        {"第一章-开篇_小说网", "第一章-开篇"},
    };
    regex_.SetPattern("(.+)[_-].*");
    for (const Case& c : cases) {
        EXPECT_EQ(regex_.ReplaceMatches(G(c.subject), "$1"), G(c.expected)) << c.subject;
    }
}

TEST_F(RegexObjectTest, EmptyPatternLeavesThePatternInForce) {
    regex_.SetPattern("x");
    regex_.SetPattern("");
    EXPECT_EQ(regex_.GetPattern(), "x");
    EXPECT_EQ(regex_.CurrentPattern(), "x");
    EXPECT_EQ(regex_.ReplaceMatches("axa", "y"), "aya");
}

TEST_F(RegexObjectTest, EmptyPatternStillSendsChangedOptions) {
    regex_.SetPattern("a");
    regex_.SetPattern("", true);  // match case from now on, pattern unchanged
    EXPECT_EQ(regex_.OptionBits(), RegexObject::kMultiline | RegexObject::kGlobal);
    EXPECT_EQ(regex_.ReplaceMatches("Aa", "b"), "Ab");
}

TEST_F(RegexObjectTest, UnchangedPatternIsSentOnlyOnce) {
    regex_.SetPattern("x");
    regex_.SetPattern("x");
    EXPECT_EQ(regex_.PatternWrites(), 1);
    regex_.SetPattern("x", true);
    EXPECT_EQ(regex_.PatternWrites(), 2);
    regex_.SetPatternWithOptions("x", false);  // the same state by the opposite flags
    EXPECT_EQ(regex_.PatternWrites(), 2);
}

TEST_F(RegexObjectTest, FlagsTurnOptionsOffAndOptionSetterTurnsThemOn) {
    struct Case {
        bool matchCase, singleLine, firstOnly;
        const char* subject;
        const char* expected;
    };
    const Case cases[] = {
        {false, false, false, "A\nA", "b\nb"},  // every option on
        {true, false, false, "A\na", "A\nb"},   // case matters
        {false, true, false, "A\nA", "b\nA"},   // "^" only at the start
        {false, false, true, "A\nA", "b\nA"},   // the first match only
    };
    for (const Case& c : cases) {
        RegexObject byFlags;
        byFlags.CreateComponent();
        byFlags.SetPattern("^a", c.matchCase, c.singleLine, c.firstOnly);
        EXPECT_EQ(byFlags.ReplaceMatches(c.subject, "b"), c.expected);

        RegexObject byOptions;
        byOptions.CreateComponent();
        byOptions.SetPatternWithOptions("^a", !c.matchCase, !c.singleLine, !c.firstOnly);
        EXPECT_EQ(byOptions.OptionBits(), byFlags.OptionBits());
        EXPECT_EQ(byOptions.ReplaceMatches(c.subject, "b"), c.expected);
    }
    RegexObject sixBits;
    sixBits.SetPatternWithOptions("a", false, true, true);
    EXPECT_EQ(sixBits.OptionBits(), 6);
}

TEST_F(RegexObjectTest, MatchAccessorsReadTheLastSearch) {
    regex_.SetPattern("(\\d+)");
    ASSERT_EQ(regex_.FindMatches("a1b22"), 2);
    EXPECT_EQ(regex_.MatchCount(), 2);
    EXPECT_EQ(regex_.TotalMatches(), 2);
    EXPECT_EQ(regex_.MatchText(2), "22");
    EXPECT_EQ(regex_.MatchText(2, 1), "22");
    EXPECT_EQ(regex_.SubMatchText(1, 1), "1");
    EXPECT_EQ(regex_.MatchLength(1), 1);
    EXPECT_EQ(regex_.GroupCount(), 1);
    EXPECT_EQ(regex_.MatchValue(2), std::u16string(u"22"));
    // Out of range in every direction gives the neutral value.
    EXPECT_EQ(regex_.MatchText(3), "");
    EXPECT_EQ(regex_.MatchText(0), "");
    EXPECT_EQ(regex_.MatchText(1, 2), "");
    EXPECT_EQ(regex_.MatchLength(-1), 0);
    EXPECT_EQ(regex_.MatchByteLength(3, 0), 0);
    EXPECT_FALSE(regex_.MatchValue(1, 5).has_value());
}

TEST_F(RegexObjectTest, LengthsCountCodeUnitsAndGbkBytes) {
    regex_.SetPattern(".+");
    ASSERT_EQ(regex_.FindMatches(G("中文")), 1);
    EXPECT_EQ(regex_.MatchLength(1), 2);
    EXPECT_EQ(regex_.MatchByteLength(1, 0), 4);
    EXPECT_EQ(regex_.MatchText(1), G("中文"));

    regex_.SetPattern(G("(标)(题x)"));
    ASSERT_EQ(regex_.FindMatches(G("一标题x")), 1);
    EXPECT_EQ(regex_.MatchLength(1, 2), 2);
    EXPECT_EQ(regex_.MatchByteLength(1, 2), 3);
}

TEST_F(RegexObjectTest, GroupThatTookNoPartHasNoValue) {
    regex_.SetPattern("(a)|(b)");
    ASSERT_EQ(regex_.FindMatches("b"), 1);
    EXPECT_EQ(regex_.GroupCount(), 2);
    EXPECT_FALSE(regex_.MatchValue(1, 1).has_value());
    EXPECT_EQ(regex_.MatchText(1, 1), "");
    EXPECT_EQ(regex_.MatchLength(1, 1), 0);
    EXPECT_EQ(regex_.MatchText(1, 2), "b");
}

TEST_F(RegexObjectTest, NoMatchLeavesNoGroups) {
    regex_.SetPattern("(x)(y)");
    EXPECT_EQ(regex_.FindMatches("abc"), 0);
    EXPECT_EQ(regex_.GroupCount(), 0);
    EXPECT_FALSE(regex_.TestMatch("abc"));
    EXPECT_TRUE(regex_.TestMatch("axy"));
}

TEST_F(RegexObjectTest, SetPatternAndFindSetsThenSearches) {
    EXPECT_EQ(regex_.SetPatternAndFind("o", "foo boo"), 4);
    EXPECT_EQ(regex_.SetPatternAndFind("o", "foo boo", false, false, true), 1);
    EXPECT_EQ(regex_.GetPattern(), "o");
}

TEST_F(RegexObjectTest, ReplaceWithNewPatternSetsItFirst) {
    regex_.SetPattern("x", true, true, true);
    EXPECT_EQ(regex_.ReplaceMatches("aAa", "b", "a"), "bbb");
    EXPECT_EQ(regex_.GetPattern(), "a");
    EXPECT_EQ(regex_.OptionBits(), 7);
    EXPECT_EQ(regex_.ReplaceMatches("aAa", "b", "a", true), "bAb");
}

TEST(RegexObjectCopy, SharesTheEngineAndTheLastMatches) {
    RegexObject original;
    original.CreateComponent();
    original.SetPattern("a");
    ASSERT_EQ(original.FindMatches("aaa"), 3);

    RegexObject copy(original);
    EXPECT_EQ(copy.MatchCount(), 3);
    EXPECT_EQ(copy.GetPattern(), "a");

    copy.SetPattern("b");  // reaches the engine both share
    EXPECT_EQ(original.ReplaceMatches("ab", "x"), "ax");
    EXPECT_EQ(original.GetPattern(), "a");
    EXPECT_EQ(original.PatternWrites(), 2);

    EXPECT_EQ(copy.FindMatches("bb"), 2);  // replaces only the copy's matches
    EXPECT_EQ(original.MatchCount(), 3);
}

TEST(RegexObjectCopy, CreatingTheComponentAgainKeepsTheEngine) {
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("a");
    RegexObject copy(regex);
    EXPECT_TRUE(copy.CreateComponent());
    copy.SetPattern("b");
    EXPECT_EQ(regex.ReplaceMatches("ab", "x"), "ax");
}

TEST(RegexObjectWithoutComponent, RecordsThePatternAndFailsEverySearch) {
    RegexObject regex;
    regex.SetPattern("a", true);
    regex.SetPattern("", true);
    EXPECT_EQ(regex.GetPattern(), "a");
    EXPECT_EQ(regex.OptionBits(), 6);
    EXPECT_EQ(regex.FindMatches("aaa"), 0);
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_FALSE(regex.TestMatch("a"));
    EXPECT_EQ(regex.ReplaceMatches("a", "b"), "");
    EXPECT_EQ(regex.MatchText(1), "");
    EXPECT_EQ(regex.PatternWrites(), 0);
}

TEST_F(RegexObjectTest, InvalidPatternsGiveNeutralResults) {
    const char* patterns[] = {
        "(",
        "a)",
        "[a",
        "*a",
        "a{2}{3}",
        "\\",
        "a++",
        "a*+",
        "(?i)a",
        "(*UTF)a",
        "(?#c)a",
        "(?>a)",
        "(?<=a+)b",
        "(?<n>a)(?<n>b)",
        "\\k<nope>(?<n>a)",
    };
    for (const char* pattern : patterns) {
        regex_.SetPattern("a");
        ASSERT_EQ(regex_.FindMatches("a"), 1);
        EXPECT_TRUE(regex_.SetPattern(pattern)) << pattern;
        EXPECT_EQ(regex_.GetPattern(), pattern);
        EXPECT_EQ(regex_.FindMatches("a"), 0) << pattern;
        EXPECT_EQ(regex_.MatchCount(), 0) << pattern;  // the last matches are dropped
        EXPECT_EQ(regex_.GroupCount(), 0) << pattern;
        EXPECT_FALSE(regex_.TestMatch("a")) << pattern;
        EXPECT_EQ(regex_.ReplaceMatches("a", "b"), "") << pattern;
    }
}

TEST_F(RegexObjectTest, RunawayBacktrackingFailsLikeAnyOtherCall) {
    const std::string subject = std::string(5000, 'a') + "!";
    const char* patterns[] = {"(a+)+$", "(a|aa)+$", "(a+a+)+$", "^(\\w+\\s?)*$"};
    for (const char* pattern : patterns) {
        regex_.SetPattern(pattern);
        EXPECT_EQ(regex_.FindMatches(subject), 0) << pattern;
        EXPECT_FALSE(regex_.TestMatch(subject)) << pattern;
        EXPECT_TRUE(regex_.ReplaceMatches(subject, "x").empty()) << pattern;
    }
    regex_.SetPattern("a+!");  // the next call starts afresh
    EXPECT_EQ(regex_.ReplaceMatches(subject, "x"), "x");
}

TEST_F(RegexObjectTest, LongSubjectsDoNotExhaustTheStack) {
    const std::string subject(200000, 'a');
    regex_.SetPattern("(?:a|b)*$");
    int found = regex_.FindMatches(subject);
    EXPECT_TRUE(found == 0 || regex_.MatchLength(1) == 200000);
    regex_.SetPattern("(a)*");
    found = regex_.FindMatches(subject);
    EXPECT_TRUE(found == 0 || regex_.MatchLength(1) == 200000);
}

}  // namespace
}  // namespace tessivane::pattern
