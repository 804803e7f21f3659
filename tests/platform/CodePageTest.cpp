// Conversions between GBK, UTF-16 and UTF-8, and the three source decoders.
#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/TextDecoders.h"

namespace tessivane::platform {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

struct Utf16Case {
    const char* what;
    std::u16string utf16;
    std::string gbk;
};

TEST(CodePageTest, Utf16ToGbkTable) {
    const Utf16Case cases[] = {
        {"Chinese text", u"中文", Bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {"pinyin with a combining macron is composed first", u"a\u0304", Bytes({0xA8, 0xA1})},
        {"euro sign is the single byte 0x80", u"\u20AC", Bytes({0x80})},
        {"a character outside GBK", u"\u0E01x", "?x"},
        {"an emoji (a surrogate pair) is one question mark", u"a\U0001F600b", "a?b"},
        {"a byte-order mark is kept as a character", u"\uFEFFa", "?a"},
        {"a lone surrogate", std::u16string(1, char16_t(0xD800)) + u"a", "?a"},
        {"a compatibility ideograph keeps its own GBK code", u"\uF92C", Bytes({0xFD, 0x9C})},
        {"a mark after a Chinese character stays a question mark", u"\u4E2D\u0304", Bytes({0xD6, 0xD0, '?'})},
        {"plain ASCII", u"abc", "abc"},
        {"empty", u"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16ToGbk(c.utf16), c.gbk) << c.what;
    }
}

TEST(CodePageTest, GbkRoundTripsThroughUtf16AndUtf8) {
    const std::string gbk = Bytes({0xB1, 0xEA, 0xCC, 0xE2, '_', 0xD5, 0xBE, 0xC3, 0xFB, 0x80});  // 标题_站名€
    EXPECT_EQ(Utf16ToGbk(GbkToUtf16(gbk)), gbk);
    EXPECT_EQ(GbkToUtf8(gbk), "标题_站名€");
    EXPECT_EQ(Utf8ToGbk("标题_站名€"), gbk);
}

TEST(CodePageTest, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), u"\uFFFD");  // a truncated sequence
}

TEST(CodePageTest, NativeNamesBecomeGbkWithQuestionMarksForTheRest) {
    EXPECT_EQ(PathToGbk("/tmp/中.txt"), "/tmp/" + Bytes({0xD6, 0xD0}) + ".txt");
    EXPECT_EQ(PathToGbk("\xF0\x9F\x98\x80.txt"), "?.txt");
    EXPECT_EQ(GbkToPath(Bytes({0xD6, 0xD0})).native(), "中");
}

struct DecoderCase {
    const char* what;
    std::string (*decode)(std::string_view);
    std::string bytes;
    std::string text;
};

TEST(TextDecodersTest, DecoderTable) {
    const DecoderCase cases[] = {
        {"GBK bytes pass through unchanged", BytesToText, Bytes({0xD6, 0xD0, 0xFF, 'a'}),
         Bytes({0xD6, 0xD0, 0xFF, 'a'})},
        {"GBK stops at the first zero byte", BytesToText, std::string("ab\0cd", 5), "ab"},
        {"UTF-16 read as GBK keeps the bytes before the first zero", BytesToText, Bytes({'a', 0, 'b', 0}),
         "a"},
        {"UTF-16 Chinese", Utf16ToText, Bytes({0x2D, 0x4E, 0x87, 0x65}), Bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {"UTF-16 cut at a NUL character", Utf16ToText, Bytes({'a', 0, 0, 0, 'b', 0}), "a"},
        {"UTF-16 with an odd last byte ignored", Utf16ToText, Bytes({'a', 0, 'b'}), "a"},
        {"UTF-16 byte-order mark converted like any character", Utf16ToText, Bytes({0xFF, 0xFE, 'a', 0}),
         "?a"},
        {"UTF-8 Chinese", Utf8ToText, "中文", Bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {"UTF-8 byte-order mark converted like any character", Utf8ToText, "\xEF\xBB\xBFx", "?x"},
        {"invalid UTF-8 gives a question mark", Utf8ToText, "a\xC0z", "a?z"},
        {"UTF-8 cut at NUL", Utf8ToText, std::string("a\0b", 3), "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.decode(c.bytes), c.text) << c.what;
    }
}

}  // namespace
}  // namespace tessivane::platform
