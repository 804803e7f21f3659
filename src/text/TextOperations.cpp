// Extraction between markers, list replacement, occurrence counting and quote folding.
#include "text/TextOperations.h"

#include "text/TextScanner.h"

namespace tessivane::text {

namespace {

Pos LengthOf(std::string_view text) {
    return static_cast<Pos>(text.size());
}

/// Both markers searched left to right from position; position moves past the right marker.
bool FindMarkersForward(std::string_view work, std::string_view leftMarker, std::string_view rightMarker,
                        Pos& position, Pos& left, Pos& right) {
    left = FindForward(work, leftMarker, position, true);
    if (left == -1) {
        return false;
    }
    right = FindForward(work, rightMarker, left + LengthOf(leftMarker), true);
    if (right == -1) {
        return false;
    }
    position = right + LengthOf(rightMarker);
    return true;
}

/// Both markers searched right to left before position; position moves to the left marker.
bool FindMarkersBackward(std::string_view work, std::string_view leftMarker, std::string_view rightMarker,
                         Pos& position, Pos& left, Pos& right) {
    right = FindBackward(work, rightMarker, position >= 1 ? position : -1, true);
    if (right == -1) {
        return false;
    }
    left = FindBackward(work, leftMarker, right, true);
    if (left == -1) {
        return false;
    }
    position = left;
    return true;
}

}  // namespace

std::string ExtractBetween(std::string_view text, std::string& leftMarker, std::string& rightMarker,
                           Pos startShift, Pos endTrim, Pos* position, bool backward, bool foldQuotes) {
    if (foldQuotes) {
        leftMarker = FoldQuotes(leftMarker);
        rightMarker = FoldQuotes(rightMarker);
    }
    // An empty marker stands for an end of the text: the sentinel is put there and searched for.
    std::string withSentinels;
    std::string_view work = text;
    if (leftMarker.empty() || rightMarker.empty()) {
        if (leftMarker.empty()) {
            leftMarker = kHeadSentinel;
            withSentinels = kHeadSentinel;
        }
        withSentinels.append(text);
        if (rightMarker.empty()) {
            rightMarker = kTailSentinel;
            withSentinels.append(kTailSentinel);
        }
        work = withSentinels;
    }
    Pos searchPosition = position != nullptr ? *position : 0;
    Pos left = -1;
    Pos right = -1;
    const bool found = backward
                           ? FindMarkersBackward(work, leftMarker, rightMarker, searchPosition, left, right)
                           : FindMarkersForward(work, leftMarker, rightMarker, searchPosition, left, right);
    if (!found) {
        return {};
    }
    if (position != nullptr) {
        *position = searchPosition;
    }
    const Pos start = left + LengthOf(leftMarker) + startShift;
    return TakeMiddle(work, start, right - start - endTrim);
}

std::string ExtractBetween(std::string_view text, std::string_view leftMarker, std::string_view rightMarker) {
    std::string left(leftMarker);
    std::string right(rightMarker);
    return ExtractBetween(text, left, right);
}

std::string ReplaceList(std::string& text, std::string_view searchList, std::string_view replacementList,
                        bool matchCase, bool emptyTakesFirst, std::string* separator, Pos maxCount) {
    std::string ownSeparator;
    std::string& itemSeparator = separator != nullptr ? *separator : ownSeparator;
    if (itemSeparator.empty()) {
        itemSeparator = "|";
    }
    const Pos perItemCount = maxCount < 1 ? -1 : maxCount;
    const TextList searches = SplitBy(searchList, itemSeparator);
    TextList replacements = SplitBy(replacementList, itemSeparator);
    replacements.resize(searches.size());
    for (std::size_t i = 0; i < searches.size(); ++i) {
        if (emptyTakesFirst && replacements[i].empty()) {
            replacements[i] = replacements.front();
        }
        text = Substitute(text, searches[i], replacements[i], perItemCount, matchCase);
    }
    return text;
}

Pos CountOccurrences(std::string_view text, std::string_view needle, bool ignoreCase, const EventPump& pump) {
    if (needle.empty()) {
        return 0;
    }
    // One scanner for the whole count, so that each step continues where the last one ended.
    detail::ForwardScanner scanner(text, needle, ignoreCase, 0);
    Pos count = 0;
    for (;;) {
        const std::size_t at = scanner.Next();
        if (pump) {
            pump();
        }
        if (at == detail::kNone) {
            return count;
        }
        ++count;
        scanner.ResumeAt(at + needle.size());
    }
}

std::string FoldQuotes(std::string_view text) {
    return Substitute(text, "''", "\"", -1, true);
}

}  // namespace tessivane::text
