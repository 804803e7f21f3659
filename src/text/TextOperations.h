// The composite text operations the engine calls by name.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "text/TextPrimitives.h"

namespace tessivane::text {

/// Stand in for an empty left or right marker of ExtractBetween.
inline constexpr std::string_view kHeadSentinel = "#Lumvane\xCD\xB7#";  // "#Lumvane头#"
inline constexpr std::string_view kTailSentinel = "#Lumvane\xCE\xB2#";  // "#Lumvane尾#"

/// The stretch between the markers, or the empty text. leftMarker, rightMarker and position
/// are in/out: the caller's variables receive the folded or sentinel markers and the new
/// position (changed only when both markers were found).
std::string ExtractBetween(std::string_view text, std::string& leftMarker, std::string& rightMarker,
                           Pos startShift = 0, Pos endTrim = 0, Pos* position = nullptr,
                           bool backward = false, bool foldQuotes = false);

/// Convenience for callers that keep neither the markers nor the position.
std::string ExtractBetween(std::string_view text, std::string_view leftMarker, std::string_view rightMarker);

/// Replaces each item of searchList by the item of replacementList at the same place.
/// text and separator are in/out.
std::string ReplaceList(std::string& text, std::string_view searchList, std::string_view replacementList = {},
                        bool matchCase = false, bool emptyTakesFirst = false,
                        std::string* separator = nullptr, Pos maxCount = 0);

/// Hands pending window events to the host during long scans; empty where there is none.
using EventPump = std::function<void()>;

/// Occurrences without overlap. An empty needle counts 0. The pump, when given, runs after
/// every search step, the last one that finds nothing included.
Pos CountOccurrences(std::string_view text, std::string_view needle, bool ignoreCase = true,
                     const EventPump& pump = {});

/// Every pair of apostrophes becomes one double quote.
std::string FoldQuotes(std::string_view text);

/// The platform's path separator as a text: "/" here, "\\" on Windows.
std::string_view PathSeparator();

/// The text before the last path separator, or the empty text.
std::string ParentFolder(std::string_view path);

/// Creates every level of the path that is followed by a separator; false at the first level
/// that cannot be created. Created levels are appended to createdFolders when given. A level
/// that exists as a file or a folder is left alone; a drive ("D:") on Windows and the root
/// before a leading "/" elsewhere are never created.
bool CreateFolderChain(std::string_view path, TextList* createdFolders = nullptr);

}  // namespace tessivane::text
