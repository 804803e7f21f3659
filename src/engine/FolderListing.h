// The files of one folder whose names match a wildcard filter, as the folder import lists them.
#pragma once

#include <filesystem>
#include <string_view>

#include "engine/RunGeneration.h"
#include "text/TextOperations.h"

namespace tessivane::engine {

/// True when the GBK name matches the filter's "*" (any run of characters) and "?" (one
/// character), ASCII letters compared without regard to case. A filter ending in ".*" also
/// takes names without a dot, so "*.*" takes every name. An empty filter matches nothing.
bool MatchesFilter(std::string_view name, std::string_view filter);

/// Every entry of the folder that is not a folder (hidden files included, no descent) whose
/// name matches the GBK filter, sorted by name with letters compared without regard to case
/// and ties broken by the exact bytes. A folder that cannot be read gives the empty list. The
/// pump hands pending window events over after each entry.
ArticleList ListFolderFiles(const std::filesystem::path& folder, std::string_view filter,
                            const text::EventPump& pump = {});

}  // namespace tessivane::engine
