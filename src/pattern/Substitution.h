// The replacement text of one match, with ECMAScript's "$" substitutions expanded.
#pragma once

#include <string>
#include <string_view>

#include "pattern/MatchList.h"

namespace tessivane::pattern {

/// "$$" is "$", "$&" the match, "$`" the text before it, "$'" the text after it, "$n" and
/// "$nn" (1 to 99) a group: the empty text when it took no part, the reference itself when
/// the pattern has no such group ("$10" with fewer than ten groups is "$1" then "0"). Every
/// other "$" stands for itself.
std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const MatchSpans& match);

}  // namespace tessivane::pattern
