// The window's saved controls as the settings layer holds them, in both directions.
#pragma once

#include "app/OptionControls.h"
#include "app/TemplateTabs.h"
#include "settings/SavedSettings.h"

namespace tessivane::app {

/// The five templates and the saved options as the controls hold them now; the cut markers
/// are not among them.
settings::SavedOptions ReadSavedOptions(const TemplateTabs& templates, const OptionControls& c);

/// Puts the values into the controls. Values out of a control's range are clamped as it would;
/// no enabling rule runs.
void ShowSavedOptions(const settings::SavedOptions& options, TemplateTabs& templates,
                      const OptionControls& c);

}  // namespace tessivane::app
