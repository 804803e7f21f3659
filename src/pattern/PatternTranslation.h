// Rewrites an ECMAScript pattern into PCRE2 syntax with the same meaning.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessivane::pattern {

/// The pattern for PCRE2 (compiled with UTF, ALT_BSUX, ALLOW_EMPTY_CLASS, DOLLAR_ENDONLY,
/// MATCH_UNSET_BACKREF), or none when the text is not a valid ECMAScript pattern in a way
/// PCRE2 would accept with another meaning: "(*VERB)", "(?flags)" and other PCRE2-only
/// groups, possessive quantifiers, a lone backslash at the end.
std::optional<std::u16string> TranslatePattern(std::u16string_view pattern);

}  // namespace tessivane::pattern
