// The three builders that turn wildcards and literal text into patterns.
#include <string>

#include "pattern/RegexObject.h"
#include "text/TextPrimitives.h"

namespace tessivane::pattern {
namespace {

// The backslash comes first so that the backslashes later passes insert are not doubled.
constexpr std::string_view kWildcardEscapes = "\\^$+.{}[]=()\"";
constexpr std::string_view kLiteralEscapes = "\\^$+.{}[]=()?*|\"";
constexpr std::string_view kAlternativesEscapes = "\\^$+.{}[]=()?*\"";

std::string EscapeEach(std::string_view text, std::string_view escapeSet) {
    std::string s(text);
    for (text::Pos i = 1; i <= static_cast<text::Pos>(escapeSet.size()); ++i) {
        std::string c = text::TakeMiddle(escapeSet, i, 1);
        s = text::Substitute(s, c, "\\" + c, -1, true);
    }
    return s;
}

}  // namespace

std::string RegexObject::WildcardToPattern(std::string_view text) {
    std::string s = EscapeEach(text, kWildcardEscapes);
    s = text::Substitute(s, "*", ".*", -1, true);
    return text::Substitute(s, "?", ".?", -1, true);
}

std::string RegexObject::EscapeLiteral(std::string_view text) {
    return EscapeEach(text, kLiteralEscapes);
}

std::string RegexObject::EscapeAlternatives(std::string_view text) {
    return EscapeEach(text, kAlternativesEscapes);
}

}  // namespace tessivane::pattern
