// Replacing a settings or template file whole, as the settings layer writes every file.
#pragma once

#include <filesystem>
#include <string_view>

namespace tessivane::settings {

/// Writes the file through a temporary file renamed over it, so that a write that dies
/// midway leaves the old file whole. False, with the file untouched, when it is read-only
/// (no write permission bit set), as a file marked read-only refuses writes.
bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessivane::settings
