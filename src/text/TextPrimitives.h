// The seven text primitives over GBK byte strings, with character stepping and case rules.
//
// A text is a GBK byte string. Positions count bytes from 1; -1 means "not found". Every scan
// steps a character at a time: a byte of 0x80 or more starts a double-byte character and is
// taken with the byte after it, so a match never starts on a second byte. Ignoring case folds
// only ASCII "A".."Z".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessivane::text {

using Pos = long long;
using TextList = std::vector<std::string>;

/// Start of the first occurrence of needle at or after start, or -1.
Pos FindForward(std::string_view text, std::string_view needle, Pos start = 1, bool ignoreCase = false);

/// Start of the last occurrence that ends before limit (limit < 0: the whole text), or -1.
Pos FindBackward(std::string_view text, std::string_view needle, Pos limit = -1, bool ignoreCase = false);

/// The text with occurrences of find replaced, left to right without overlap; maxCount < 0
/// means every occurrence.
std::string Substitute(std::string_view text, std::string_view find, std::string_view replacement = {},
                       Pos maxCount = -1, bool matchCase = false);

/// The items between separators (matching case); no empty last item.
TextList SplitBy(std::string_view text, std::string_view separator);

/// Byte ranges; they do not respect character boundaries.
std::string TakeMiddle(std::string_view text, Pos start, Pos count);
std::string TakeLeft(std::string_view text, Pos count);
std::string TakeRight(std::string_view text, Pos count);

}  // namespace tessivane::text
