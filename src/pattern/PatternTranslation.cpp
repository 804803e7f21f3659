// Rewrites an ECMAScript pattern into PCRE2 syntax with the same meaning.
//
// What PCRE2 reads differently is rewritten: "." and \s, \S take the ECMAScript sets (PCRE2's
// are ASCII or follow the newline convention); "[" inside a class is literal (PCRE2 would read
// "[:alpha:]"); \v is the vertical tab; letters that are no escape in ECMAScript (\A, \Q, \R,
// \h, \p ...) stand for themselves; \N beyond the number of groups is a legacy octal escape or
// the digit itself; \k without named groups is "k". Syntax PCRE2 has and ECMAScript lacks is
// refused so that it stays an invalid pattern.
#include "pattern/PatternTranslation.h"

#include <cstddef>

namespace tessivane::pattern {
namespace {

// \s of ECMAScript, as the inside of a class: the ASCII blanks, the Unicode space separators,
// the line and paragraph separators and the byte order mark.
constexpr std::u16string_view kSpaceSet =
    u"\\t\\n\\x0b\\f\\r \\u00a0\\u1680\\u2000-\\u200a\\u2028\\u2029\\u202f\\u205f\\u3000\\ufeff";
// Everything else (for \S inside a class), up to U+10FFFF written as its surrogate pair.
constexpr std::u16string_view kNonSpaceSet =
    u"\\x00-\\x08\\x0e-\\x1f\\x21-\\x9f\\u00a1-\\u167f\\u1681-\\u1fff\\u200b-\\u2027\\u202a-\\u202e"
    u"\\u2030-\\u205e\\u2060-\\u2fff\\u3001-\\ufefe\\uff00-\\uffff\xD800\xDC00-\xDBFF\xDFFF";
// "." of ECMAScript: anything but the four line terminators.
constexpr std::u16string_view kDot = u"[^\\n\\r\\u2028\\u2029]";

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsOctal(char16_t c) {
    return c >= u'0' && c <= u'7';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool IsNameStart(char16_t c) {
    return IsAsciiLetter(c) || c == u'_' || c == u'$' || c >= 0x80;
}

char16_t At(std::u16string_view text, std::size_t i) {
    return i < text.size() ? text[i] : u'\0';
}

std::u16string HexByte(unsigned value) {
    const char16_t* digits = u"0123456789abcdef";
    return std::u16string(u"\\x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

std::u16string Number(unsigned value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

// Length of a brace quantifier "{n}", "{n,}" or "{n,m}" at i, or 0 when the brace is literal.
std::size_t BraceQuantifierLength(std::u16string_view text, std::size_t i) {
    std::size_t j = i + 1;
    std::size_t digitsStart = j;
    while (IsDigit(At(text, j)))
        ++j;
    if (j == digitsStart)
        return 0;
    if (At(text, j) == u',') {
        ++j;
        while (IsDigit(At(text, j)))
            ++j;
    }
    return At(text, j) == u'}' ? j - i + 1 : 0;
}

struct GroupCensus {
    unsigned captures = 0;
    bool named = false;
};

GroupCensus CountGroups(std::u16string_view text) {
    GroupCensus census;
    bool inClass = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\\') {
            ++i;
        } else if (inClass) {
            inClass = c != u']';
        } else if (c == u'[') {
            inClass = true;
        } else if (c == u'(') {
            if (At(text, i + 1) != u'?') {
                ++census.captures;
            } else if (At(text, i + 2) == u'<' && IsNameStart(At(text, i + 3))) {
                ++census.captures;
                census.named = true;
            }
        }
    }
    return census;
}

class Translator {
public:
    explicit Translator(std::u16string_view text) : text_(text), census_(CountGroups(text)) {}

    std::optional<std::u16string> Run() {
        while (i_ < text_.size()) {
            bool ok = text_[i_] == u'\\' ? Escape() : inClass_ ? ClassCharacter() : Character();
            if (!ok)
                return std::nullopt;
        }
        return out_;
    }

private:
    // A "-" beside \d, \w or \s in a class is literal; PCRE2 would call it a bad range.
    bool ClassCharacter() {
        char16_t c = text_[i_++];
        if (c == u']')
            inClass_ = false;
        if (c == u'[' || (c == u'-' && (afterClassEscape_ || IsClassEscapeAt(i_))))
            out_ += u'\\';
        out_ += c;
        afterClassEscape_ = false;
        return true;
    }

    bool IsClassEscapeAt(std::size_t at) const {
        return At(text_, at) == u'\\' &&
               std::u16string_view(u"dDwWsS").find(At(text_, at + 1)) != std::u16string_view::npos;
    }

    bool Character() {
        char16_t c = text_[i_];
        if (c == u'[')
            inClass_ = true;
        if (c == u'(' && !GroupOpeningIsValid())
            return false;
        if (c == u'*' || c == u'+' || c == u'?')
            return Quantifier(1);
        if (c == u'{') {
            std::size_t length = BraceQuantifierLength(text_, i_);
            if (length != 0)
                return Quantifier(length);
        }
        ++i_;
        if (c == u'.') {
            out_ += kDot;
        } else {
            out_ += c;
        }
        return true;
    }

    // A quantifier may take a lazy "?"; another quantifier after it is an error in ECMAScript
    // and a possessive quantifier or a repeat in PCRE2.
    bool Quantifier(std::size_t length) {
        out_ += text_.substr(i_, length);
        i_ += length;
        if (At(text_, i_) == u'?')
            out_ += text_[i_++];
        char16_t next = At(text_, i_);
        if (i_ < text_.size() && (next == u'*' || next == u'+' || next == u'?'))
            return false;
        return next != u'{' || BraceQuantifierLength(text_, i_) == 0;
    }

    bool GroupOpeningIsValid() const {
        char16_t next = At(text_, i_ + 1);
        if (next == u'*')
            return false;
        if (next != u'?')
            return true;
        char16_t kind = At(text_, i_ + 2);
        if (kind == u':' || kind == u'=' || kind == u'!')
            return true;
        if (kind != u'<')
            return false;
        char16_t after = At(text_, i_ + 3);
        return after == u'=' || after == u'!' || IsNameStart(after);
    }

    bool Escape() {
        if (i_ + 1 >= text_.size())
            return false;
        afterClassEscape_ = inClass_ && IsClassEscapeAt(i_);
        char16_t c = text_[i_ + 1];
        i_ += 2;
        if (IsDigit(c)) {
            DecimalEscape(c);
        } else if (c == u's' || c == u'S') {
            SpaceClass(c == u's');
        } else if (c == u'c') {
            ControlEscape();
        } else if (c == u'v') {
            out_ += u"\\x0b";
        } else if (c == u'B' && inClass_) {
            out_ += u'B';
        } else if (c == u'k') {
            out_ += census_.named && !inClass_ ? u"\\k" : u"k";
        } else if (IsAsciiLetter(c) &&
                   std::u16string_view(u"bBdDwWfnrtxu").find(c) == std::u16string_view::npos) {
            out_ += c;
        } else {
            out_ += u'\\';
            out_ += c;
        }
        return true;
    }

    void SpaceClass(bool positive) {
        if (inClass_) {
            out_ += positive ? kSpaceSet : kNonSpaceSet;
            return;
        }
        out_ += positive ? u"[" : u"[^";
        out_ += kSpaceSet;
        out_ += u']';
    }

    void ControlEscape() {
        char16_t letter = At(text_, i_);
        if (IsAsciiLetter(letter) || (inClass_ && (IsDigit(letter) || letter == u'_'))) {
            ++i_;
            out_ += HexByte(letter % 32u);
        } else {
            out_ += u"\\\\c";  // no control letter: a backslash and "c"
        }
    }

    // The first digit is already consumed; i_ points after it.
    void DecimalEscape(char16_t first) {
        std::size_t start = i_ - 1;
        unsigned number = first - u'0';
        std::size_t end = i_;
        while (IsDigit(At(text_, end)) && number < 1000)
            number = number * 10 + (text_[end++] - u'0');
        if (!inClass_ && number >= 1 && number <= census_.captures) {
            i_ = end;
            out_ += u"\\g{" + Number(number) + u"}";
            return;
        }
        i_ = start;
        LegacyOctalEscape();
    }

    void LegacyOctalEscape() {
        char16_t first = text_[i_];
        if (!IsOctal(first)) {  // \8 and \9 are the digits themselves
            out_ += text_[i_++];
            return;
        }
        std::size_t maxDigits = first <= u'3' ? 3 : 2;
        unsigned value = 0;
        for (std::size_t taken = 0; taken < maxDigits && IsOctal(At(text_, i_)); ++taken) {
            value = value * 8 + (text_[i_++] - u'0');
        }
        out_ += HexByte(value);
    }

    std::u16string_view text_;
    GroupCensus census_;
    std::size_t i_ = 0;
    bool inClass_ = false;
    bool afterClassEscape_ = false;
    std::u16string out_;
};

}  // namespace

std::optional<std::u16string> TranslatePattern(std::u16string_view pattern) {
    return Translator(pattern).Run();
}

}  // namespace tessivane::pattern
