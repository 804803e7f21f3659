// ECMAScript pattern syntax and meaning, shown by marking every match of a subject.
#include <gtest/gtest.h>

#include <string>

#include "PatternTestSupport.h"
#include "pattern/RegexObject.h"

namespace tessivane::pattern {
namespace {

using testing::G;

struct SyntaxCase {
    const char* pattern;  // UTF-8, converted to GBK
    const char* subject;
    const char* marked;  // the subject with every match put in brackets
    bool matchCase = false;
    bool singleLine = false;
};

std::string Mark(const SyntaxCase& c) {
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern(G(c.pattern), c.matchCase, c.singleLine);
    return regex.ReplaceMatches(G(c.subject), "[$&]");
}

void ExpectMarked(const SyntaxCase* begin, const SyntaxCase* end) {
    for (const SyntaxCase* c = begin; c != end; ++c) {
        EXPECT_EQ(Mark(*c), G(c->marked)) << "pattern " << c->pattern << " on " << c->subject;
    }
}

TEST(RegexSyntax, GroupsClassesAlternationAndQuantifiers) {
    const SyntaxCase cases[] = {
        {"cat|dog", "a cat, a dog", "a [cat], a [dog]"},
        {"[a-c]+", "abcd", "[abc]d"},
        {"[^a-c]+", "abcd", "abc[d]"},
        {"a.*b", "aXbYb", "[aXbYb]"},
        {"a.*?b", "aXbYb", "[aXb]Yb"},
        {"a{2,3}", "aaaaa", "[aaa][aa]"},
        {"a{2,3}?", "aaaaa", "[aa][aa]a"},
        {"a{,2}", "a{,2}", "[a{,2}]"},  // not a quantifier: literal
        {"(?:ab)+", "ababa", "[abab]a"},
        {"(\\w)\\1", "aabcc", "[aa]b[cc]"},
        {"(a)?b\\1", "b", "[b]"},  // a group that took no part matches the empty text
        {"(?<y>\\d{4})-\\k<y>", "2024-2024", "[2024-2024]"},
        {"\\d+(?=px)", "10px 20em", "[10]px 20em"},
        {"\\d+(?!px|\\d)", "10px 20em", "10px [20]em"},
        {"(?<=\\$)\\d+", "$5 6", "$[5] 6"},
        {"a[]", "a", "a"},
        {"a[^]b", "a\nb", "[a\nb]"},
        {"[[:alpha:]]", "a]", "[a]]"},  // a class of "[:alph", then "]"
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

TEST(RegexSyntax, ClassEscapesAreAsciiExceptSpaces) {
    const SyntaxCase cases[] = {
        {"\\d+", "1２3", "[1]２[3]"},  // the full-width digit is no \d
        {"\\w+", "abc中文_1", "[abc]中文[_1]"},
        {"\\W+", "ab中文cd", "ab[中文]cd"},
        {"\\bis\\b", "this is", "this [is]"},
        {"\\Bis", "this is", "th[is] is"},
        {"a\\sb", "a　b", "[a　b]"},  // the ideographic space is white space
        {"\\S+", "中　文", "[中]　[文]"},
        {"[\\s,]+", "a,　b", "a[,　]b"},
        {"[^\\S]", "a　b", "a[　]b"},
        {"\\v", "a\vb", "a[\v]b"},
        {"[\\b]", "a\bb", "a[\b]b"},
        {"[\\d-z]+", "a1-z", "a[1-z]"},  // "-" beside a class escape is literal
        {"[%-\\w]+", "#%-_", "#[%-_]"},
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

TEST(RegexSyntax, EscapesReadAsWithoutTheUnicodeFlag) {
    const SyntaxCase cases[] = {
        {"\\x41\\u0042", "AB", "[AB]"},
        {"\\u{2}", "uu", "[uu]"},  // "u" twice, not a code point
        {"\\xG", "xG", "[xG]"},
        {"\\A\\Q\\E\\h\\p", "AQEhp", "[AQEhp]"},  // identity escapes
        {"\\101", "A", "[A]"},                    // legacy octal: no group 101
        {"(a)\\10", "a\b", "[a\b]"},              // group 1 then octal 0
        {"\\8", "8", "[8]"},
        {"\\cJ", "a\nb", "a[\n]b"},
        {"\\c!", "\\c!", "[\\c!]"},
        {"\\k", "k", "[k]"},  // no named groups: the letter
        {"\\.\\*\\\\", ".*\\", "[.*\\]"},
        {"\\中", "中", "[中]"},
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

TEST(RegexSyntax, LinesAndAnchors) {
    const SyntaxCase cases[] = {
        {".+", "ab\ncd", "[ab]\n[cd]"},
        {".+", "ab\rcd", "[ab]\r[cd]"},
        {".+", "ab\vcd", "[ab\vcd]"},  // only the four line terminators stop "."
        {"^\\w", "ab\ncd", "[a]b\n[c]d"},
        {"\\w$", "ab\ncd", "a[b]\nc[d]"},
        {"^\\w", "ab\ncd", "[a]b\ncd", false, true},
        {"\\w$", "ab\ncd\n", "ab\ncd\n", false, true},  // "$" only at the very end
        {"^", "a\nb", "[]a\n[]b"},
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

TEST(RegexSyntax, CaseFoldingReachesBeyondAscii) {
    const SyntaxCase cases[] = {
        {"σ", "ΣσΑ", "[Σ][σ]Α"},
        {"ΑΒΓ", "αβγ", "[αβγ]"},
        {"привет", "ПРИВЕТ мир", "[ПРИВЕТ] мир"},
        {"[а-я]+", "ЖУК", "[ЖУК]"},
        {"ё", "Ё", "[Ё]"},
        {"ａ", "Ａ", "[Ａ]"},  // full-width Latin
        {"σ", "Σσ", "Σ[σ]", true},
        {"привет", "ПРИВЕТ", "ПРИВЕТ", true},
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

TEST(RegexSyntax, ChinesePatternsAndSubjects) {
    const SyntaxCase cases[] = {
        {"[中文]+", "中文字", "[中文]字"},
        {"标题|站名", "标题_站名", "[标题]_[站名]"},
        {"第.章", "第一章第二章", "[第一章][第二章]"},
        {"[一-龥]+", "abc汉字def", "abc[汉字]def"},
        {"\\|", "a|皘", "a[|]皘"},   // 皘 ends in the byte of "|"
        {"\\\\", "\\癨", "[\\]癨"},  // 癨 ends in the byte of "\"
        {"{", "皗{", "皗[{]"},
    };
    ExpectMarked(std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace tessivane::pattern
