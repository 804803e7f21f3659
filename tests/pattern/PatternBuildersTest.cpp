// The pattern builders, and that what they build matches the text it came from.
#include <gtest/gtest.h>

#include <string>

#include "PatternTestSupport.h"
#include "pattern/RegexObject.h"

namespace tessivane::pattern {
namespace {

using testing::G;

struct BuilderCase {
    const char* text;
    const char* wildcard;
    const char* literal;
    const char* alternatives;
};

TEST(PatternBuilders, EscapeTheirSetsInOrder) {
    const BuilderCase cases[] = {
        {"", "", "", ""},
        {"*.htm", ".*\\.htm", "\\*\\.htm", "\\*\\.htm"},
        {"a?b", "a.?b", "a\\?b", "a\\?b"},
        {"a|b", "a|b", "a\\|b", "a|b"},
        {"c:\\x", "c:\\\\x", "c:\\\\x", "c:\\\\x"},
        {"1+1=2?", "1\\+1\\=2.?", "1\\+1\\=2\\?", "1\\+1\\=2\\?"},
        {"a.b|c*", "a\\.b|c.*", "a\\.b\\|c\\*", "a\\.b|c\\*"},
        {"^$+.{}[]=()\"", "\\^\\$\\+\\.\\{\\}\\[\\]\\=\\(\\)\\\"", "\\^\\$\\+\\.\\{\\}\\[\\]\\=\\(\\)\\\"",
         "\\^\\$\\+\\.\\{\\}\\[\\]\\=\\(\\)\\\""},
        {"a/b-c,d'e", "a/b-c,d'e", "a/b-c,d'e", "a/b-c,d'e"},
        // The second bytes of these characters equal "|", "\", "{" and "]": left alone.
        {"皘癨皗癩", "皘癨皗癩", "皘癨皗癩", "皘癨皗癩"},
        {"标题*", "标题.*", "标题\\*", "标题\\*"},
    };
    for (const BuilderCase& c : cases) {
        EXPECT_EQ(RegexObject::WildcardToPattern(G(c.text)), G(c.wildcard)) << c.text;
        EXPECT_EQ(RegexObject::EscapeLiteral(G(c.text)), G(c.literal)) << c.text;
        EXPECT_EQ(RegexObject::EscapeAlternatives(G(c.text)), G(c.alternatives)) << c.text;
    }
}

TEST(PatternBuilders, BuiltPatternsMatchWhatTheyDescribe) {
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("^" + RegexObject::EscapeLiteral(G("价格(元)|[注]1+1=2?")) + "$");
    EXPECT_TRUE(regex.TestMatch(G("价格(元)|[注]1+1=2?")));
    EXPECT_FALSE(regex.TestMatch(G("价格元")));

    regex.SetPattern(RegexObject::EscapeAlternatives(G("a.b|皘|c*")));
    EXPECT_EQ(regex.FindMatches(G("a.b c* 皘 axb")), 3);

    regex.SetPattern("^" + RegexObject::WildcardToPattern(G("第?章*.htm")) + "$");
    EXPECT_TRUE(regex.TestMatch(G("第一章_开篇.htm")));
    EXPECT_FALSE(regex.TestMatch(G("第一章_开篇xhtm")));
}

}  // namespace
}  // namespace tessivane::pattern
