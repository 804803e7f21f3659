// Formatting and reading stored numbers without regard to the process's locale.
#include "settings/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tessivane::settings {
namespace {

/// The folded byte of a double-byte character, or 0 when it has none.
char FoldedPair(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char>(trail - 0x80);
    }
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1:
                return ' ';
            case 0xAB:
                return '~';
            case 0xEE:
            case 0xEF:
                return '*';
            default:
                break;
        }
    }
    return 0;
}

/// The "C" locale, so that a window toolkit switching LC_NUMERIC cannot change the reading.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

/// The longest prefix after leading white space that forms a decimal number; strtod alone
/// would also take hexadecimal numbers and the spellings of infinity and NaN.
std::string_view DecimalPrefix(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) {
        return {};
    }
    std::size_t at = start;
    if (text[at] == '+' || text[at] == '-') {
        ++at;
    }
    const std::size_t integerStart = at;
    at = SkipDigits(text, at);
    bool hasDigits = at > integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, at + 1);
        hasDigits = hasDigits || fractionEnd > at + 1;
        at = fractionEnd;
    }
    if (!hasDigits) {
        return {};
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            at = exponentEnd;
        }
    }
    return text.substr(start, at - start);
}

}  // namespace

std::string NumberText(double value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 13);
    return std::string(buffer.data(), result.ptr);
}

std::string FoldFullWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 == text.size()) {
            folded += text[i];
            continue;
        }
        const char ascii = FoldedPair(lead, static_cast<unsigned char>(text[i + 1]));
        if (ascii != 0) {
            folded += ascii;
        } else {
            folded.append(text.substr(i, 2));
        }
        ++i;
    }
    return folded;
}

double ParseNumberText(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    const std::string number(DecimalPrefix(folded));
    return strtod_l(number.c_str(), nullptr, CLocale());
}

int TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    if (value <= kMin) {
        return std::numeric_limits<int>::min();
    }
    if (value >= kMax) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

}  // namespace tessivane::settings
