// Occurrence search at character starts: memchr for candidates, a forward-only cursor for boundaries.
#include "text/TextScanner.h"

#include <algorithm>
#include <cstring>

namespace tessivane::text::detail {

bool EqualBytes(const char* left, const char* right, std::size_t n, bool ignoreCase) {
    if (!ignoreCase) {
        return n == 0 || std::memcmp(left, right, n) == 0;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (FoldAscii(left[i]) != FoldAscii(right[i])) {
            return false;
        }
    }
    return true;
}

std::size_t ForwardScanner::ByteFinder::Find(std::string_view text, std::size_t from) {
    if (!searched || (at != kNone && at < from)) {
        searched = true;
        at = kNone;
        if (from < text.size()) {
            const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
            if (hit != nullptr) {
                at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
            }
        }
    }
    return at;
}

ForwardScanner::ForwardScanner(std::string_view text, std::string_view needle, bool ignoreCase,
                               std::size_t start)
    : text_(text), needle_(needle), ignoreCase_(ignoreCase), resume_(start), knownStart_(start) {
    const char first = needle.front();
    lower_.byte = ignoreCase ? FoldAscii(first) : first;
    lower_.active = true;
    // Ignoring case, a letter may stand in either case; both are looked for with memchr.
    if (ignoreCase && lower_.byte >= 'a' && lower_.byte <= 'z') {
        upper_.byte = static_cast<char>(lower_.byte - 'a' + 'A');
        upper_.active = true;
    }
}

void ForwardScanner::ResumeAt(std::size_t at) {
    resume_ = at;
    knownStart_ = at;
}

std::size_t ForwardScanner::NextFirstByte(std::size_t from) {
    const std::size_t lower = lower_.Find(text_, from);
    return upper_.active ? std::min(lower, upper_.Find(text_, from)) : lower;
}

// knownStart_ is a character start at or before `at`. Any byte below 0x80 ends a character, so
// only the run of high bytes just before `at` decides: inside it characters come in pairs.
bool ForwardScanner::StartsCharacter(std::size_t at) {
    std::size_t runStart = at;
    while (runStart > knownStart_ && IsLeadByte(text_[runStart - 1])) {
        --runStart;
    }
    const bool starts = (at - runStart) % 2 == 0;
    knownStart_ = starts ? at : at + 1;
    return starts;
}

std::size_t ForwardScanner::Next() {
    const std::size_t length = needle_.size();
    std::size_t from = resume_;
    for (;;) {
        const std::size_t at = NextFirstByte(from);
        if (at == kNone || text_.size() - at < length) {
            return kNone;
        }
        if (EqualBytes(text_.data() + at + 1, needle_.data() + 1, length - 1, ignoreCase_) &&
            StartsCharacter(at)) {
            // A lead byte with nothing after it ends the scan.
            if (at + 1 == text_.size() && IsLeadByte(text_[at])) {
                return kNone;
            }
            resume_ = at + 1;
            return at;
        }
        from = at + 1;
    }
}

namespace {

/// Bytes [start, end) are all 0x80 or more and `start` is a character start. Candidates come
/// in falling order, so a run found once answers every later candidate inside it.
struct HighRun {
    std::size_t start = kNone;
    std::size_t end = 0;
};

bool StartsCharacterFromFront(std::string_view text, std::size_t at, HighRun& run) {
    if (run.start == kNone || at < run.start || at > run.end) {
        std::size_t runStart = at;
        while (runStart > 0 && IsLeadByte(text[runStart - 1])) {
            --runStart;
        }
        run = {runStart, at};
    }
    return (at - run.start) % 2 == 0;
}

}  // namespace

std::size_t FindLastOccurrence(std::string_view text, std::string_view needle, std::size_t windowEnd,
                               bool ignoreCase) {
    const std::size_t length = needle.size();
    windowEnd = std::min(windowEnd, text.size());
    if (length > windowEnd) {
        return kNone;
    }
    const char first = ignoreCase ? FoldAscii(needle.front()) : needle.front();
    HighRun run;
    for (std::size_t at = windowEnd - length + 1; at-- > 0;) {
        const char byte = ignoreCase ? FoldAscii(text[at]) : text[at];
        if (byte != first || !EqualBytes(text.data() + at + 1, needle.data() + 1, length - 1, ignoreCase) ||
            !StartsCharacterFromFront(text, at, run)) {
            continue;
        }
        if (at + 1 == text.size() && IsLeadByte(text[at])) {
            continue;  // a lead byte with nothing after it is where the scan stops
        }
        return at;
    }
    return kNone;
}

}  // namespace tessivane::text::detail
