// The objects that live as long as the program: the settings store, the regex object, the stop flag.
#pragma once

#include <filesystem>
#include <memory>

#include "pattern/RegexObject.h"
#include "settings/SettingsStore.h"

namespace tessivane::app {

struct AppObjects {
    std::unique_ptr<settings::SettingsStore> store;  // bound to the settings file of settingsFolder
    std::unique_ptr<pattern::RegexObject> regex;
    std::filesystem::path settingsFolder;  // holds 程序配置.ini and the five template files
    bool stopRequested = false;            // raised by a second press of a busy import button
};

/// Creates the store and the regular-expression object, in this order, and binds the store to
/// the folder's settings file; the window finds all of it ready.
void CreateAppObjects(AppObjects& objects, const std::filesystem::path& settingsFolder);

/// Destroys the store, then the regular-expression object. Runs once, after the message loop.
void ShutDown(AppObjects& objects);

}  // namespace tessivane::app
