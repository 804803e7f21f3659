// A plain, character-stepping version of the text operations, written for the differential fuzzer.
//
// Every function follows the operation's rules one step at a time, with 1-based positions and
// no cleverness, so that a difference from the fast toolkit points at the toolkit.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tessivane::fuzz::reference {

using Pos = long long;

inline Pos Length(std::string_view text) {
    return static_cast<Pos>(text.size());
}

inline unsigned char ByteAt(std::string_view text, Pos position) {
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

/// Bytes a character starting at position takes: 2 after a byte of 0x80 or more.
inline Pos CharacterWidth(std::string_view text, Pos position) {
    return ByteAt(text, position) >= 0x80 ? 2 : 1;
}

/// A lead byte with nothing after it. The toolkit ends every scan there: nothing matches at it,
/// and a rewrite keeps it as it is.
inline bool IsCutCharacter(std::string_view text, Pos position) {
    return position == Length(text) && ByteAt(text, position) >= 0x80;
}

inline unsigned char Fold(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

/// Whether needle stands at position, wholly inside the first `end` bytes.
inline bool OccursAt(std::string_view text, std::string_view needle, Pos position, Pos end, bool ignoreCase) {
    if (end - position + 1 < Length(needle)) {
        return false;
    }
    for (Pos i = 0; i < Length(needle); ++i) {
        unsigned char a = ByteAt(text, position + i);
        unsigned char b = ByteAt(needle, i + 1);
        if (ignoreCase) {
            a = Fold(a);
            b = Fold(b);
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

inline Pos FindForward(std::string_view text, std::string_view needle, Pos start, bool ignoreCase) {
    const Pos s = std::max<Pos>(start, 1);
    if (s > Length(text)) {
        return -1;
    }
    if (needle.empty()) {
        return 1;
    }
    for (Pos p = s; p <= Length(text) && !IsCutCharacter(text, p); p += CharacterWidth(text, p)) {
        if (OccursAt(text, needle, p, Length(text), ignoreCase)) {
            return p;
        }
    }
    return -1;
}

/// A negative limit stands for an omitted one (the whole text).
inline Pos FindBackward(std::string_view text, std::string_view needle, Pos limit, bool ignoreCase) {
    const Pos w = limit < 0 ? Length(text) : std::min(limit - 1, Length(text));
    if (w <= 0) {
        return -1;
    }
    if (needle.empty()) {
        return 1;
    }
    Pos last = -1;
    for (Pos p = 1; p <= w && !IsCutCharacter(text, p); p += CharacterWidth(text, p)) {
        if (OccursAt(text, needle, p, w, ignoreCase)) {
            last = p;
        }
    }
    return last;
}

inline std::string TakeMiddle(std::string_view text, Pos start, Pos count) {
    std::string result;
    if (start < 1 || start > Length(text) || count <= 0) {
        return result;
    }
    for (Pos p = start; p <= Length(text) && p < start + count; ++p) {
        result.push_back(static_cast<char>(ByteAt(text, p)));
    }
    return result;
}

/// A negative maxCount means every occurrence.
inline std::string Substitute(std::string_view text, std::string_view find, std::string_view replacement,
                              Pos maxCount, bool matchCase) {
    if (text.empty() || find.empty() || maxCount == 0) {
        return std::string(text);
    }
    std::string result;
    Pos done = 0;
    Pos p = 1;
    while (p <= Length(text) && !IsCutCharacter(text, p)) {
        if (OccursAt(text, find, p, Length(text), !matchCase)) {
            result.append(replacement);
            p += Length(find);
            ++done;
            if (maxCount > 0 && done == maxCount) {
                result.append(TakeMiddle(text, p, Length(text)));
                return result;
            }
        } else {
            const Pos width = CharacterWidth(text, p);
            result.append(TakeMiddle(text, p, width));
            p += width;
        }
    }
    result.append(TakeMiddle(text, p, 1));
    return result;
}

inline std::vector<std::string> SplitBy(std::string_view text, std::string_view separator) {
    std::vector<std::string> items;
    if (text.empty()) {
        return items;
    }
    if (separator.empty()) {
        items.emplace_back(text);
        return items;
    }
    Pos itemStart = 1;
    Pos p = 1;
    while (p <= Length(text) && !IsCutCharacter(text, p)) {
        if (OccursAt(text, separator, p, Length(text), false)) {
            items.push_back(TakeMiddle(text, itemStart, p - itemStart));
            p += Length(separator);
            itemStart = p;
        } else {
            p += CharacterWidth(text, p);
        }
    }
    if (itemStart <= Length(text)) {
        items.push_back(TakeMiddle(text, itemStart, Length(text)));
    }
    return items;
}

/// The needle is not empty (the loop would not end otherwise).
inline Pos CountOccurrences(std::string_view text, std::string_view needle, bool ignoreCase) {
    Pos count = 0;
    Pos s = 0;
    while (s != -1) {
        s = FindForward(text, needle, s, ignoreCase);
        if (s != -1) {
            ++count;
            s += Length(needle);
        }
    }
    return count;
}

inline std::string FoldQuotes(std::string_view text) {
    return Substitute(text, "''", "\"", -1, true);
}

struct Extraction {
    std::string result;
    std::string leftMarker;
    std::string rightMarker;
    Pos position = 0;
};

inline Extraction ExtractBetween(std::string_view text, Extraction in, Pos startShift, Pos endTrim,
                                 bool backward, bool foldQuotes, std::string_view headSentinel,
                                 std::string_view tailSentinel) {
    Extraction out = std::move(in);
    if (foldQuotes) {
        out.leftMarker = FoldQuotes(out.leftMarker);
        out.rightMarker = FoldQuotes(out.rightMarker);
    }
    std::string work(text);
    if (out.leftMarker.empty()) {
        out.leftMarker = headSentinel;
        work = std::string(headSentinel) + work;
    }
    if (out.rightMarker.empty()) {
        out.rightMarker = tailSentinel;
        work += tailSentinel;
    }
    Pos left = -1;
    Pos right = -1;
    if (!backward) {
        left = FindForward(work, out.leftMarker, out.position, true);
        if (left == -1) {
            return out;
        }
        right = FindForward(work, out.rightMarker, left + Length(out.leftMarker), true);
        if (right == -1) {
            return out;
        }
        out.position = right + Length(out.rightMarker);
    } else {
        right = FindBackward(work, out.rightMarker, out.position >= 1 ? out.position : -1, true);
        if (right == -1) {
            return out;
        }
        left = FindBackward(work, out.leftMarker, right, true);
        if (left == -1) {
            return out;
        }
        out.position = left;
    }
    const Pos start = left + Length(out.leftMarker) + startShift;
    out.result = TakeMiddle(work, start, right - start - endTrim);
    return out;
}

}  // namespace tessivane::fuzz::reference
