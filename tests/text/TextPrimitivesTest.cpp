// Tests of the text primitives: positions, case rules and GBK character stepping.
#include "text/TextPrimitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>

namespace tessivane::text {
namespace {

using namespace std::string_literals;

struct FindCase {
    std::string text;
    std::string needle;
    Pos from;
    bool ignoreCase;
    Pos expected;
};

TEST(FindForwardTest, FindsFirstOccurrenceOnCharacterStart) {
    const FindCase cases[] = {
        {"abcabc", "c", 4, false, 6},
        {"abcabc", "c", 7, false, -1},
        {"abcabc", "c", 0, false, 3},
        {"abcabc", "c", -5, false, 3},
        {"abc", "", 3, false, 1},
        {"abc", "", 4, false, -1},
        {"", "a", 1, false, -1},
        {"xAbx", "ab", 1, true, 2},
        {"xAbx", "ab", 1, false, -1},
        {"\x81\x5C\\", "\\", 1, false, 3},  // second byte 0x5C is not a backslash
        {"\x81\x5C", "\\", 1, false, -1},
        {"a\x81\x7C|", "|", 1, false, 4},  // second byte 0x7C is not a bar
        {"\x81[x[", "[", 1, false, 4},     // second byte 0x5B is not a bracket
        {"\x81\x41"
         "A",
         "A", 1, false, 3},  // second byte "A" is not a letter of its own
        {"\x81\x41"
         "a",
         "A", 1, true, 3},
        {"\x81\x41", "a", 1, true, -1},
        {"\x81\x41", "\x81\x61", 1, true, 1},            // folding reaches second bytes too
        {"\xD6\xD0\xCE\xC4", "\xD0\xCE", 1, false, -1},  // 中文: no match across two characters
        {"\xD6\xD0\xCE\xC4", "\xCE\xC4", 1, false, 3},
        {"\xB1\xBE\xB1\xBE", "\xB1\xBE", 2, false, -1},  // the start counts as a character start
        {"\xB1\xB1\xB1x", "\xB1x", 1, false, 3},
        {"ab\x81", "\x81", 1, false, -1},  // a cut character ends the scan
        {"ab\x81", "b\x81", 1, false, 2},
        {"\x81", "\x81", 1, false, -1},
        {"aa", "aaa", 1, false, -1},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindForward(c.text, c.needle, c.from, c.ignoreCase), c.expected)
            << "text \"" << c.text << "\" needle \"" << c.needle << "\" start " << c.from;
    }
}

TEST(FindBackwardTest, FindsLastOccurrenceEndingBeforeLimit) {
    const FindCase cases[] = {
        {"abcabc", "c", -1, false, 6},
        {"abcabc", "c", 6, false, 3},
        {"abcabc", "c", 3, false, -1},
        {"abcabc", "c", 1, false, -1},
        {"abcabc", "c", 0, false, -1},
        {"abcabc", "c", 100, false, 6},
        {"abc", "", 2, false, 1},
        {"abc", "", 1, false, -1},
        {"", "", -1, false, -1},
        {"ABab", "ab", -1, true, 3},
        {"ABab", "ab", 4, true, 1},
        {"ABab", "AB", -1, false, 1},
        {"aaa", "aa", -1, false, 2},  // overlapping occurrences count
        {"\\\x81\x5C", "\\", -1, false, 1},
        {"a\x81\x5C\\x", "\\", -1, false, 4},
        {"\x81\x7C", "|", -1, false, -1},
        {"\x81\x41"
         "A",
         "a", -1, true, 3},
        {"\xB1\xBE\xB1\xBE\xB1\xBE", "\xBE\xB1", -1, false, -1},
        {"\xB1\xBE\xB1\xBE\xB1\xBE", "\xB1\xBE", -1, false, 5},
        {"\xB1\xBE\xB1\xBE\xB1\xBE", "\xB1\xBE", 7, false, 5},
        {"\xB1\xBE\xB1\xBE\xB1\xBE", "\xB1\xBE", 6, false, 3},
        {"x\x81", "\x81", -1, false, -1},
        {"\x81x\x81", "\x81", -1, false, 1},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindBackward(c.text, c.needle, c.from, c.ignoreCase), c.expected)
            << "text \"" << c.text << "\" needle \"" << c.needle << "\" limit " << c.from;
    }
}

TEST(SubstituteTest, ReplacesLeftToRightWithoutOverlap) {
    struct Case {
        std::string text;
        std::string find;
        std::string replacement;
        Pos maxCount;
        bool matchCase;
        std::string expected;
    };
    const Case cases[] = {
        {"aaa", "aa", "b", -1, true, "ba"},
        {"Ab ab", "ab", "x", -1, false, "x x"},
        {"Ab ab", "ab", "x", -1, true, "Ab x"},
        {"Ab ab AB", "ab", "x", 2, false, "x x AB"},
        {"ab ab", "ab", "x", 0, false, "ab ab"},
        {"ab ab", "", "x", -1, false, "ab ab"},
        {"", "a", "x", -1, false, ""},
        {"aa", "a", "aa", -1, true, "aaaa"},  // inserted text is not scanned again
        {"a-b-c", "-", "", -1, true, "abc"},
        {"\x81\x5C\\", "\\", "/", -1, true, "\x81\x5C/"},
        {"\x81|x|", "|", "", -1, true, "\x81|x"},
        {"\x81\x41"
         "A",
         "a", "b", -1, false,
         "\x81\x41"
         "b"},
        {"a\x81", "\x81", "x", -1, true, "a\x81"},  // the cut character stays as it was
        {"a\x81", "a", "x", -1, true, "x\x81"},
        {"\xB1\xBE\xB1\xBE", "\xBE\xB1", "x", -1, true, "\xB1\xBE\xB1\xBE"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Substitute(c.text, c.find, c.replacement, c.maxCount, c.matchCase), c.expected)
            << "text \"" << c.text << "\" find \"" << c.find << "\"";
    }
}

TEST(SubstituteTest, DefaultsReplaceEveryOccurrenceIgnoringCaseByTheEmptyText) {
    EXPECT_EQ(Substitute("xAx ax", "A"), "xx x");
}

TEST(SplitByTest, EndsItemsAtSeparatorsWithoutEmptyLastItem) {
    struct Case {
        std::string text;
        std::string separator;
        TextList expected;
    };
    const Case cases[] = {
        {"a||b", "|", {"a", "", "b"}},
        {"|a", "|", {"", "a"}},
        {"a|b|", "|", {"a", "b"}},
        {"|", "|", {""}},
        {"", "|", {}},
        {"abc", "", {"abc"}},
        {"a<>b<>", "<>", {"a", "b"}},
        {"a|A", "a", {"", "|A"}},  // the separator matches case
        {"\x81|x|y", "|", {"\x81|x", "y"}},
        {"\x81\x5C\\z", "\\", {"\x81\x5C", "z"}},
        {"a|\x81", "|", {"a", "\x81"}},  // the cut character is kept
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitBy(c.text, c.separator), c.expected) << "text \"" << c.text << "\"";
    }
}

TEST(TakeTest, CountsBytesAndClampsToTheText) {
    struct Case {
        std::string actual;
        std::string expected;
    };
    const Case cases[] = {
        {TakeMiddle("abcdef", 2, 3), "bcd"},
        {TakeMiddle("abcdef", 6, 5), "f"},
        {TakeMiddle("abcdef", 2, LLONG_MAX), "bcdef"},
        {TakeMiddle("abcdef", 0, 3), ""},
        {TakeMiddle("abcdef", 7, 1), ""},
        {TakeMiddle("abcdef", 2, 0), ""},
        {TakeMiddle("abcdef", 2, -1), ""},
        {TakeMiddle("\xB1\xBE\xB1\xBE", 2, 2), "\xBE\xB1"},  // not aligned to characters
        {TakeLeft("abc", 2), "ab"},
        {TakeLeft("abc", 5), "abc"},
        {TakeLeft("abc", 0), ""},
        {TakeLeft("abc", -3), ""},
        {TakeLeft("\xB1\xBE", 1), "\xB1"},
        {TakeRight("abc", 2), "bc"},
        {TakeRight("abc", LLONG_MAX), "abc"},
        {TakeRight("abc", 0), ""},
        {TakeRight("", 2), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
    }
}

// A plain character-by-character scan, the shape the rules are written in. The primitives
// jump between candidates instead; on random GBK-like texts both must agree everywhere.
class ReferenceScan {
public:
    static bool IsLead(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }
    static char Fold(char byte) { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : byte; }

    static bool MatchesAt(const std::string& text, std::size_t at, const std::string& needle,
                          bool ignoreCase) {
        if (text.size() - at < needle.size()) {
            return false;
        }
        for (std::size_t i = 0; i < needle.size(); ++i) {
            const char a = ignoreCase ? Fold(text[at + i]) : text[at + i];
            const char b = ignoreCase ? Fold(needle[i]) : needle[i];
            if (a != b) {
                return false;
            }
        }
        return true;
    }

    // Character starts from `from` on, stopping at a lead byte with nothing after it.
    static std::vector<std::size_t> Starts(const std::string& text, std::size_t from) {
        std::vector<std::size_t> starts;
        for (std::size_t at = from; at < text.size(); at += IsLead(text[at]) ? 2 : 1) {
            if (IsLead(text[at]) && at + 1 == text.size()) {
                break;
            }
            starts.push_back(at);
        }
        return starts;
    }

    static Pos Forward(const std::string& text, const std::string& needle, Pos start, bool ignoreCase) {
        const Pos from = std::max<Pos>(start, 1);
        if (from > static_cast<Pos>(text.size())) {
            return -1;
        }
        if (needle.empty()) {
            return 1;
        }
        for (std::size_t at : Starts(text, static_cast<std::size_t>(from - 1))) {
            if (MatchesAt(text, at, needle, ignoreCase)) {
                return static_cast<Pos>(at) + 1;
            }
        }
        return -1;
    }

    static Pos Backward(const std::string& text, const std::string& needle, Pos limit, bool ignoreCase) {
        const Pos window = limit < 0 ? static_cast<Pos>(text.size()) : std::min<Pos>(limit - 1, text.size());
        if (window <= 0) {
            return -1;
        }
        if (needle.empty()) {
            return 1;
        }
        Pos last = -1;
        for (std::size_t at : Starts(text, 0)) {
            if (static_cast<Pos>(at + needle.size()) <= window && MatchesAt(text, at, needle, ignoreCase)) {
                last = static_cast<Pos>(at) + 1;
            }
        }
        return last;
    }

    static std::string Replace(const std::string& text, const std::string& find,
                               const std::string& replacement, bool matchCase) {
        std::string result;
        std::size_t at = 0;
        while (at < text.size()) {
            if (IsLead(text[at]) && at + 1 == text.size()) {
                break;
            }
            if (MatchesAt(text, at, find, !matchCase)) {
                result += replacement;
                at += find.size();
            } else {
                const std::size_t step = IsLead(text[at]) ? 2 : 1;
                result += text.substr(at, step);
                at += step;
            }
        }
        return result + text.substr(std::min(at, text.size()));
    }
};

TEST(PrimitivesAgreeWithCharacterScanTest, OnRandomDoubleByteTexts) {
    const std::string alphabet = "aAb\\|[\x81\xB1\xBE\x5C\x41";
    std::mt19937 random(20240611);
    auto randomText = [&](std::size_t maxLength) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), 'a');
        for (char& byte : text) {
            byte = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomText(24);
        std::string needle = randomText(3);
        if (needle.empty()) {
            needle = "a";
        }
        const bool flag = round % 2 == 0;
        const Pos from = std::uniform_int_distribution<Pos>(-1, static_cast<Pos>(text.size()) + 2)(random);
        ASSERT_EQ(FindForward(text, needle, from, flag), ReferenceScan::Forward(text, needle, from, flag))
            << "text \"" << text << "\" needle \"" << needle << "\" start " << from;
        ASSERT_EQ(FindBackward(text, needle, from, flag), ReferenceScan::Backward(text, needle, from, flag))
            << "text \"" << text << "\" needle \"" << needle << "\" limit " << from;
        ASSERT_EQ(Substitute(text, needle, "<>", -1, flag), ReferenceScan::Replace(text, needle, "<>", flag))
            << "text \"" << text << "\" find \"" << needle << "\"";
    }
}

}  // namespace
}  // namespace tessivane::text
