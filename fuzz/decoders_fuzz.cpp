// Fuzzer of the source decoders and code-page conversions: no crash, and the round trips that must hold.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/TextDecoders.h"

namespace {

namespace platform = tessivane::platform;

void Expect(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "conversion property does not hold: %s\n", property);
        std::abort();
    }
}

/// The bytes as UTF-16 little-endian units, an odd last byte left out.
std::u16string UnitsOf(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return units;
}

std::string BytesOf(std::u16string_view units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

bool HasLoneSurrogate(std::u16string_view units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool high = units[i] >= 0xD800 && units[i] <= 0xDBFF;
        const bool low = units[i] >= 0xDC00 && units[i] <= 0xDFFF;
        if (low || (high && (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF))) {
            return true;
        }
        if (high) {
            ++i;
        }
    }
    return false;
}

bool IsAscii(std::string_view bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            return false;
        }
    }
    return true;
}

void CheckDecoders(std::string_view bytes) {
    Expect(platform::BytesToText(bytes) == bytes.substr(0, bytes.find('\0')), "BytesToText stops at NUL");
    const std::string fromUtf16 = platform::Utf16ToText(bytes);
    const std::string fromUtf8 = platform::Utf8ToText(bytes);
    Expect(fromUtf16.find('\0') == std::string::npos, "Utf16ToText has no NUL");
    Expect(fromUtf8.find('\0') == std::string::npos, "Utf8ToText has no NUL");
    Expect(fromUtf8 == platform::Utf16ToText(BytesOf(platform::Utf8ToUtf16(bytes))),
           "Utf8ToText is Utf16ToText of the decoded units");
}

void CheckUnicode(std::string_view bytes) {
    const std::u16string decoded = platform::Utf8ToUtf16(bytes);
    const std::string cleaned = platform::Utf16ToUtf8(decoded);
    Expect(platform::Utf8ToUtf16(cleaned) == decoded, "UTF-8 decoded once is stable");
    Expect(platform::Utf16ToUtf8(decoded) == cleaned, "UTF-16 to UTF-8 is deterministic");

    const std::u16string units = UnitsOf(bytes);
    if (!HasLoneSurrogate(units)) {
        Expect(platform::Utf8ToUtf16(platform::Utf16ToUtf8(units)) == units, "UTF-16 through UTF-8 and back");
    }
}

void CheckGbk(std::string_view bytes) {
    const std::u16string wide = platform::GbkToUtf16(bytes);
    Expect(wide.size() <= bytes.size(), "GBK decodes to at most one unit a byte");
    const std::string once = platform::Utf16ToGbk(wide);
    Expect(platform::Utf16ToGbk(platform::GbkToUtf16(once)) == once, "GBK cleaned once is stable");
    Expect(platform::GbkToUtf8(bytes) == platform::Utf16ToUtf8(wide), "GbkToUtf8 goes through UTF-16");
    Expect(platform::Utf8ToGbk(bytes) == platform::Utf16ToGbk(platform::Utf8ToUtf16(bytes)),
           "Utf8ToGbk goes through UTF-16");
    if (IsAscii(bytes)) {
        Expect(once == bytes, "ASCII passes through GBK unchanged");
        Expect(platform::Utf8ToGbk(bytes) == bytes, "ASCII passes through UTF-8 unchanged");
    }
    const std::string path = platform::PathToGbk(platform::GbkToPath(bytes));
    Expect(platform::PathToGbk(platform::GbkToPath(path)) == path, "a path cleaned once is stable");

    const std::string fromUnits = platform::Utf16ToGbk(UnitsOf(bytes));
    Expect(platform::Utf16ToGbk(platform::GbkToUtf16(fromUnits)) == fromUnits, "encoder output reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckDecoders(bytes);
    CheckUnicode(bytes);
    CheckGbk(bytes);
    return 0;
}
