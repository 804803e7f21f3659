// Replacement texts with ECMAScript's "$" substitutions, and global replacement of empty matches.
#include <gtest/gtest.h>

#include <string>

#include "PatternTestSupport.h"
#include "pattern/RegexObject.h"

namespace tessivane::pattern {
namespace {

using testing::G;

struct ReplaceCase {
    const char* pattern;
    const char* subject;
    const char* replacement;
    const char* expected;
};

void ExpectReplaced(const ReplaceCase* begin, const ReplaceCase* end) {
    for (const ReplaceCase* c = begin; c != end; ++c) {
        RegexObject regex;
        regex.CreateComponent();
        regex.SetPattern(G(c->pattern));
        EXPECT_EQ(regex.ReplaceMatches(G(c->subject), G(c->replacement)), G(c->expected))
            << c->pattern << " / " << c->replacement;
    }
}

TEST(Replacement, GroupReferences) {
    const ReplaceCase cases[] = {
        {"(a)(b)", "ab", "$2$1", "ba"},
        {"(a)(b)?", "ac", "[$1|$2]", "[a|]c"},  // group 2 took no part
        {"(a)(b)", "ab", "$3", "$3"},           // no such group
        {"(a)", "a", "$10", "a0"},              // $1 then "0"
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10-$1", "j-a"},
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "abcdefghijk", "$11$111", "kk1"},
        {"(a)", "a", "$01", "a"},
        {"(a)", "a", "$0", "$0"},
        {"(a)", "a", "$00", "$00"},
        {"(a)(b)(c)", "abc", "$05", "$05"},
        {"a", "a", "$1", "$1"},  // no groups at all
        {"(.+?)_(.+)", "标题_站名", "$2-$1", "站名-标题"},
        {"(\\d+)", "第12章", "【$1】", "第【12】章"},
    };
    ExpectReplaced(std::begin(cases), std::end(cases));
}

TEST(Replacement, SpecialSequences) {
    const ReplaceCase cases[] = {
        {"b", "abc", "[$&]", "a[b]c"},
        {"b", "abc", "[$`]", "a[a]c"},
        {"b", "abc", "[$']", "a[c]c"},
        {"b", "abc", "$$", "a$c"},
        {"b", "abc", "$$1", "a$1c"},
        {"b", "abc", "$", "a$c"},
        {"b", "abc", "$x$<n>", "a$x$<n>c"},
        {"(?<n>b)", "abc", "$<n>", "a$<n>c"},
        {"中", "一中二", "<$`|$&|$'>", "一<一|中|二>二"},
    };
    ExpectReplaced(std::begin(cases), std::end(cases));
}

TEST(Replacement, EmptyMatchesStepOneCodeUnit) {
    const ReplaceCase cases[] = {
        {"x*", "abc", "-", "-a-b-c-"},    {"a*", "baaa", "X", "XbXX"},        {"x*", "", "-", "-"},
        {"(?:)", "中文", "|", "|中|文|"}, {"\\b", "ab cd", "|", "|ab| |cd|"}, {"$", "a\nb", "!", "a!\nb!"},
    };
    ExpectReplaced(std::begin(cases), std::end(cases));
}

TEST(Replacement, FirstOnlyReplacesOneMatch) {
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("(\\w)", false, false, true);
    EXPECT_EQ(regex.ReplaceMatches("abc", "<$1>"), "<a>bc");
    regex.SetPattern("x*", false, false, true);
    EXPECT_EQ(regex.ReplaceMatches("abc", "-"), "-abc");
}

TEST(Replacement, ResultCharactersWithoutGbkFormBecomeQuestionMarks) {
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("b");
    EXPECT_EQ(regex.ReplaceMatches("abc", "\\u00e9"), "a\\u00e9c");  // the text is literal
    EXPECT_EQ(regex.ReplaceMatches("abc", ""), "ac");
}

}  // namespace
}  // namespace tessivane::pattern
