// Decoders of source bytes: plain GBK, UTF-16 little-endian and UTF-8.
#include "platform/TextDecoders.h"

#include "platform/CodePage.h"

namespace tessivane::platform {
namespace {

std::string UnitsToText(std::u16string units) {
    const auto nul = units.find(u'\0');
    if (nul != std::u16string::npos) {
        units.resize(nul);
    }
    return Utf16ToGbk(units);
}

}  // namespace

std::string BytesToText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string Utf16ToText(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(low | (high << 8));
    }
    return UnitsToText(std::move(units));
}

std::string Utf8ToText(std::string_view bytes) {
    return UnitsToText(Utf8ToUtf16(bytes));
}

}  // namespace tessivane::platform
