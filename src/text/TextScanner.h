// Occurrence search at character starts of GBK texts, linear in the text for short needles.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessivane::text::detail {

/// "No occurrence", for the 0-based byte offsets used in this file.
inline constexpr std::size_t kNone = std::string_view::npos;

/// A byte of 0x80 or more starts a double-byte character.
inline bool IsLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

inline char FoldAscii(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

/// Compares n bytes, folding "A".."Z" on both sides when ignoreCase is true.
bool EqualBytes(const char* left, const char* right, std::size_t n, bool ignoreCase);

/// Yields, left to right, the occurrences of a needle that begin on a character start.
/// Offsets are 0-based. Candidates are found with memchr and judged against a cursor that
/// only moves forward, so a whole scan touches each byte a bounded number of times.
class ForwardScanner {
public:
    /// The scan begins at `start`, which is taken as a character start. The needle is not empty.
    ForwardScanner(std::string_view text, std::string_view needle, bool ignoreCase, std::size_t start);

    /// The next occurrence (it may overlap the previous one), or kNone.
    std::size_t Next();

    /// Continues the scan at `at`, taken as a character start (the byte after an occurrence).
    void ResumeAt(std::size_t at);

private:
    /// Next offset at or after `from` where a first byte of the needle stands, or kNone.
    std::size_t NextFirstByte(std::size_t from);
    bool StartsCharacter(std::size_t at);

    struct ByteFinder {
        char byte = 0;
        bool active = false;
        bool searched = false;
        std::size_t at = kNone;
        std::size_t Find(std::string_view text, std::size_t from);
    };

    std::string_view text_;
    std::string_view needle_;
    bool ignoreCase_;
    std::size_t resume_;
    std::size_t knownStart_;
    ByteFinder lower_;
    ByteFinder upper_;
};

/// The last occurrence that begins on a character start (counting from byte 0) and ends at
/// or before windowEnd, or kNone. The needle is not empty.
std::size_t FindLastOccurrence(std::string_view text, std::string_view needle, std::size_t windowEnd,
                               bool ignoreCase);

}  // namespace tessivane::text::detail
