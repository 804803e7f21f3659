// The seven text primitives: searches, substitution and splitting step by character; the takes count bytes.
#include "text/TextPrimitives.h"

#include <algorithm>

#include "text/TextScanner.h"

namespace tessivane::text {

namespace {

Pos LengthOf(std::string_view text) {
    return static_cast<Pos>(text.size());
}

std::size_t ToOffset(Pos position) {
    return static_cast<std::size_t>(position);
}

Pos ToPosition(std::size_t offset) {
    return offset == detail::kNone ? -1 : static_cast<Pos>(offset) + 1;
}

}  // namespace

Pos FindForward(std::string_view text, std::string_view needle, Pos start, bool ignoreCase) {
    const Pos from = std::max<Pos>(start, 1);
    if (from > LengthOf(text)) {
        return -1;
    }
    if (needle.empty()) {
        return 1;
    }
    detail::ForwardScanner scanner(text, needle, ignoreCase, ToOffset(from - 1));
    return ToPosition(scanner.Next());
}

Pos FindBackward(std::string_view text, std::string_view needle, Pos limit, bool ignoreCase) {
    const Pos windowEnd = limit < 0 ? LengthOf(text) : std::min(limit - 1, LengthOf(text));
    if (windowEnd <= 0) {
        return -1;
    }
    if (needle.empty()) {
        return 1;
    }
    return ToPosition(detail::FindLastOccurrence(text, needle, ToOffset(windowEnd), ignoreCase));
}

std::string Substitute(std::string_view text, std::string_view find, std::string_view replacement,
                       Pos maxCount, bool matchCase) {
    if (text.empty() || find.empty() || maxCount == 0) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    detail::ForwardScanner scanner(text, find, !matchCase, 0);
    std::size_t copied = 0;
    Pos replaced = 0;
    for (std::size_t at = scanner.Next(); at != detail::kNone; at = scanner.Next()) {
        result.append(text.substr(copied, at - copied));
        result.append(replacement);
        copied = at + find.size();
        if (maxCount > 0 && ++replaced == maxCount) {
            break;
        }
        scanner.ResumeAt(copied);
    }
    result.append(text.substr(copied));
    return result;
}

TextList SplitBy(std::string_view text, std::string_view separator) {
    if (text.empty()) {
        return {};
    }
    if (separator.empty()) {
        return {std::string(text)};
    }
    TextList items;
    detail::ForwardScanner scanner(text, separator, false, 0);
    std::size_t itemStart = 0;
    for (std::size_t at = scanner.Next(); at != detail::kNone; at = scanner.Next()) {
        items.emplace_back(text.substr(itemStart, at - itemStart));
        itemStart = at + separator.size();
        scanner.ResumeAt(itemStart);
    }
    if (itemStart < text.size()) {
        items.emplace_back(text.substr(itemStart));
    }
    return items;
}

std::string TakeMiddle(std::string_view text, Pos start, Pos count) {
    if (start < 1 || start > LengthOf(text) || count <= 0) {
        return {};
    }
    const Pos available = LengthOf(text) - start + 1;
    return std::string(text.substr(ToOffset(start - 1), ToOffset(std::min(count, available))));
}

std::string TakeLeft(std::string_view text, Pos count) {
    if (count <= 0) {
        return {};
    }
    return std::string(text.substr(0, ToOffset(std::min(count, LengthOf(text)))));
}

std::string TakeRight(std::string_view text, Pos count) {
    if (count <= 0) {
        return {};
    }
    return std::string(text.substr(text.size() - ToOffset(std::min(count, LengthOf(text)))));
}

}  // namespace tessivane::text
