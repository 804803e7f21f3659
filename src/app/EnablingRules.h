// The rules that make option controls usable only while the option they refine is on.
#pragma once

#include <QObject>

#include "app/OptionControls.h"

namespace tessivane::app {

void SyncDropFirstLine(const OptionControls& c);
void SyncCutControls(const OptionControls& c);
void SyncExtensionBox(const OptionControls& c);
void SyncRewriteControls(const OptionControls& c);
void SyncPageSizeBox(const OptionControls& c);

/// The five rules in their order, as after loading the settings.
void SyncAll(const OptionControls& c);

/// Runs each rule when the user changes the control it reads; values set from code do not.
void ConnectEnablingRules(const OptionControls& c, QObject* context);

}  // namespace tessivane::app
