// The settings store's operations over window controls, and the default INI file path.

#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"
#include "settings/SettingsStore.h"
#include "text/TextPrimitives.h"

namespace tessivane::settings {
namespace {

constexpr std::string_view kStateKey = "\xCE\xBB\xD6\xC3";   // 位置
constexpr std::string_view kLeftKey = "\xD7\xF3\xB1\xDF";    // 左边
constexpr std::string_view kTopKey = "\xB6\xA5\xB1\xDF";     // 顶边
constexpr std::string_view kWidthKey = "\xBF\xED\xB6\xC8";   // 宽度
constexpr std::string_view kHeightKey = "\xB8\xDF\xB6\xC8";  // 高度

}  // namespace

bool SettingsStore::SaveCheckBox(const CheckableControl& box) {
    return WriteFlag(box.Caption(), box.IsChecked());
}

bool SettingsStore::LoadCheckBox(CheckableControl& box) {
    box.SetChecked(ReadFlag(box.Caption(), box.IsChecked()));
    return box.IsChecked();
}

bool SettingsStore::SaveMenuCheck(const CheckableControl& item) {
    return SaveCheckBox(item);
}
bool SettingsStore::LoadMenuCheck(CheckableControl& item) {
    return LoadCheckBox(item);
}
bool SettingsStore::SaveToggle(const CheckableControl& toggle) {
    return SaveCheckBox(toggle);
}
bool SettingsStore::LoadToggle(CheckableControl& toggle) {
    return LoadCheckBox(toggle);
}

bool SettingsStore::SaveLines(std::string_view key, const TextControl& control) {
    return WriteText(key, text::Substitute(control.Text(), "\r\n", kLinesMark, -1, true));
}

std::string SettingsStore::LoadLines(std::string_view key, TextControl& control) {
    const std::string stored = ReadText(key, control.Text());
    control.SetText(text::Substitute(stored, kLinesMark, "\r\n", -1, true));
    return control.Text();
}

bool SettingsStore::SaveControlText(std::string_view key, const TextControl& control) {
    return WriteText(key, control.Text());
}

std::string SettingsStore::LoadControlText(std::string_view key, TextControl& control) {
    control.SetText(ReadText(key, control.Text()));
    return control.Text();
}

bool SettingsStore::SaveComboText(std::string_view key, const TextControl& combo) {
    return SaveControlText(key, combo);
}

std::string SettingsStore::LoadComboText(std::string_view key, TextControl& combo) {
    return LoadControlText(key, combo);
}

// A section given here only renames the section; in registry mode the prefix stays as the
// section selected before left it, which is harmless with no registry behind it.
void SettingsStore::SavePlacement(const WindowControl& window, std::string_view section) {
    if (!section.empty()) {
        section_ = section;
    }
    WriteNumber(kStateKey, window.State());
    if (window.State() >= WindowControl::kMinimized) {
        return;
    }
    const WindowRect rect = window.Rect();
    WriteNumber(kLeftKey, rect.left);
    WriteNumber(kTopKey, rect.top);
    WriteNumber(kWidthKey, rect.width);
    WriteNumber(kHeightKey, rect.height);
}

void SettingsStore::LoadPlacement(WindowControl& window, std::string_view section) {
    if (!section.empty()) {
        section_ = section;
    }
    window.SetState(TruncateToInt(ReadNumber(kStateKey, window.State())));
    if (window.State() >= WindowControl::kMinimized) {
        return;
    }
    const WindowRect current = window.Rect();
    WindowRect rect;
    rect.left = TruncateToInt(ReadNumber(kLeftKey, current.left));
    rect.top = TruncateToInt(ReadNumber(kTopKey, current.top));
    rect.width = TruncateToInt(ReadNumber(kWidthKey, current.width));
    rect.height = TruncateToInt(ReadNumber(kHeightKey, current.height));
    window.SetRect(rect);
}

std::string IniFileNameFor(std::string_view executableName, std::string_view baseName) {
    std::string_view name = baseName.empty() ? executableName : baseName;
    name = name.substr(0, name.rfind('.'));
    return std::string(name) + ".ini";
}

std::string SettingsStore::DefaultIniPath(std::string_view baseName) const {
    const std::string executableName = platform::PathToGbk(platform::ProgramFile().filename());
    const std::string fileName = IniFileNameFor(executableName, baseName);
    return platform::PathToGbk(platform::ProgramFolder() / platform::GbkToPath(fileName));
}

}  // namespace tessivane::settings
