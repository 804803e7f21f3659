// The objects that live as long as the program: the settings store, the regex object, the stop flag.
#include "app/AppObjects.h"

#include "platform/CodePage.h"
#include "settings/SavedSettings.h"

namespace tessivane::app {

void CreateAppObjects(AppObjects& objects, const std::filesystem::path& settingsFolder) {
    objects.store = std::make_unique<settings::SettingsStore>();
    objects.regex = std::make_unique<pattern::RegexObject>();
    objects.regex->CreateComponent();
    objects.settingsFolder = settingsFolder;
    objects.store->Bind(platform::PathToGbk(settings::SettingsFilePath(settingsFolder)));
    objects.stopRequested = false;
}

void ShutDown(AppObjects& objects) {
    objects.store.reset();
    objects.regex.reset();
}

}  // namespace tessivane::app
