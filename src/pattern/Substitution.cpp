// The replacement text of one match, with ECMAScript's "$" substitutions expanded.
#include "pattern/Substitution.h"

#include <cstddef>

namespace tessivane::pattern {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view SpanText(std::u16string_view subject, const Span& span) {
    return span.set ? subject.substr(span.start, span.end - span.start) : std::u16string_view{};
}

// At text[i] == '$' followed by a digit: appends the group or the literal reference and
// returns how many code units were used.
std::size_t ExpandGroupReference(std::u16string_view text, std::size_t i, std::u16string_view subject,
                                 const MatchSpans& match, std::u16string& out) {
    std::size_t groups = match.size() - 1;
    std::size_t digits = i + 2 < text.size() && IsDigit(text[i + 2]) ? 2 : 1;
    std::size_t index = static_cast<std::size_t>(text[i + 1] - u'0');
    if (digits == 2)
        index = index * 10 + static_cast<std::size_t>(text[i + 2] - u'0');
    if (digits == 2 && index > groups) {
        digits = 1;
        index = static_cast<std::size_t>(text[i + 1] - u'0');
    }
    if (index >= 1 && index <= groups) {
        out += SpanText(subject, match[index]);
    } else {
        out += text.substr(i, 1 + digits);
    }
    return 1 + digits;
}

}  // namespace

std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const MatchSpans& match) {
    std::u16string out;
    const Span& whole = match[0];
    for (std::size_t i = 0; i < replacement.size();) {
        char16_t c = replacement[i];
        char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
        if (c != u'$' || i + 1 >= replacement.size()) {
            out += c;
            ++i;
        } else if (next == u'$') {
            out += u'$';
            i += 2;
        } else if (next == u'&') {
            out += SpanText(subject, whole);
            i += 2;
        } else if (next == u'`') {
            out += subject.substr(0, whole.start);
            i += 2;
        } else if (next == u'\'') {
            out += subject.substr(whole.end);
            i += 2;
        } else if (IsDigit(next)) {
            i += ExpandGroupReference(replacement, i, subject, match, out);
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace tessivane::pattern
