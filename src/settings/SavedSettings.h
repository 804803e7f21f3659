// The window's saved options and templates: their defaults, loading, saving and enabling.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/SettingsStore.h"

namespace tessivane::settings {

/// The state of the window's saved option controls and its five templates, at the values the
/// window is designed with. Texts are GBK. cutLeft and cutRight are not saved.
struct SavedOptions {
    std::array<std::string, 5> templates;  // designed defaults filled by DesignedOptions()
    int templateIndex = 0;                 // current tab, 0..4
    int titleSource = 1;                   // -1 when no item is selected
    bool dropFirstLine = true;
    bool cutBetween = true;
    bool keepWhenCutEmpty = true;
    bool useExtension = false;
    std::string extension = "htm";
    bool writeIndex = false;
    std::string pageSize = "50";
    std::string folderFilter = "*.txt";
    int encoding = 0;  // -1 when no item is selected
    bool rewriteTitle = false;
    bool useRegex = true;
    std::string matchText = "(.+)[_-].*";
    std::string replaceText = "$1";
};

/// Which dependent controls are usable, worked out from the options after loading.
struct EnabledControls {
    bool dropFirstLine = false;  // only for title source 2
    bool cutControls = true;     // keep-when-empty box and both markers
    bool extension = false;
    bool rewriteControls = false;  // match text, replacement text, regex box
    bool pageSize = false;
};

/// The designed state, templates 1 and 2 included.
SavedOptions DesignedOptions();
std::string DefaultTemplate1();
std::string DefaultTemplate2();

EnabledControls EnablingFor(const SavedOptions& options);

/// The section every option lives in, and the settings and template file names.
inline constexpr std::string_view kSection = "\xBB\xF9\xB1\xBE\xC5\xE4\xD6\xC3";          // 基本配置
std::filesystem::path SettingsFilePath(const std::filesystem::path& folder);              // 程序配置.ini
std::filesystem::path TemplateFilePath(const std::filesystem::path& folder, int number);  // 模板1..模板5

/// The folder the settings live in: the program's own folder when it can be written,
/// otherwise the per-user configuration folder.
std::filesystem::path DefaultSettingsFolder();

/// Reads the templates of the folder and the section's fifteen keys into options; what is
/// missing keeps the value options already holds. Values are clamped as the controls would.
void LoadSettings(SettingsStore& store, const std::filesystem::path& folder, SavedOptions& options);

/// Writes the five template files and the fifteen keys; false when any write failed. Each
/// file is replaced whole, so a save that dies midway leaves the old file or the new one.
bool SaveSettings(SettingsStore& store, const std::filesystem::path& folder, const SavedOptions& options);

/// Applies one key in its stored form, as LoadSettings would have read it (key and value GBK).
/// False when the key is not one of the fifteen.
bool ApplyStoredValue(SavedOptions& options, std::string_view key, std::string_view storedValue);

/// The file's text up to its first zero byte, or current when the file is missing or empty.
std::string LoadTemplateFile(const std::filesystem::path& path, const std::string& current);

/// Writes value (append: after the file's present bytes); false when it could not be written.
bool WriteFileText(const std::filesystem::path& path, std::string_view value, bool append = false);

}  // namespace tessivane::settings
