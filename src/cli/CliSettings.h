// The run's options for the command line: the window's saved settings with the overrides applied.
#pragma once

#include <optional>
#include <ostream>

#include "cli/CliArguments.h"
#include "engine/GenerationOptions.h"
#include "settings/SavedSettings.h"

namespace tessivane::cli {

/// Reads the settings folder as the window does at start-up and applies --set, --template,
/// --left and --right. Prints one line and gives nothing when the settings cannot be read or
/// an override is unknown.
std::optional<engine::GenerationOptions> LoadOptions(const CliArguments& args, std::ostream& err);

/// The options a run takes from the saved state, with the window's cut markers.
engine::GenerationOptions ToGenerationOptions(const settings::SavedOptions& saved);

}  // namespace tessivane::cli
