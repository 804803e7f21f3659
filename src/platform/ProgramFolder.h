// Where the running program lives and where its settings go.
#pragma once

#include <filesystem>

namespace tessivane::platform {

/// The running executable's own path.
std::filesystem::path ProgramFile();

/// The folder that holds the running executable.
std::filesystem::path ProgramFolder();

/// The per-user configuration folder for this program ($XDG_CONFIG_HOME/tessivane, or
/// ~/.config/tessivane).
std::filesystem::path UserConfigFolder();

/// True when a file can be created in the folder.
bool FolderIsWritable(const std::filesystem::path& folder);

}  // namespace tessivane::platform
