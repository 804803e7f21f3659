// Named values of one section of an INI file, each kind stored as text in its own encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ControlInterfaces.h"
#include "settings/DateText.h"
#include "settings/IniFile.h"
#include "settings/NumberText.h"

namespace tessivane::settings {

/// What a line break of a text value becomes in the file ("┊*┊"), and the marker that the
/// lines of a control are saved with.
inline constexpr std::string_view kLineBreakMark = "\xA9\xAE*\xA9\xAE";  // ┊*┊
inline constexpr std::string_view kLinesMark = "[||]";
inline constexpr std::string_view kTrueText = "\xD5\xE6";   // 真
inline constexpr std::string_view kFalseText = "\xBC\xD9";  // 假

/// The longest value a read gives back; longer stored values come back cut.
inline constexpr std::size_t kReadLimit = 10239;

/// Every CR LF to the line-break mark, and back.
std::string FoldLineBreaks(std::string_view text);
std::string UnfoldLineBreaks(std::string_view text);

/// The value of a text key as a read gives it back from its stored form.
std::string TextAsRead(std::string_view stored);

/// Keeps values in the INI file at filePath under the selected section. Every operation goes
/// to the file afresh, so a change made by other means between two calls is seen; only
/// between BeginUpdate and CommitUpdate are the writes held and stored in one step.
///
/// The registry mode exists for completeness: there is no registry on this platform, so in it
/// every write gives false and every read gives its default.
class SettingsStore {
public:
    SettingsStore() = default;

    /// Paths and sections are GBK texts. No section given keeps the selected one.
    void Bind(std::string_view path, std::optional<std::string_view> section = std::nullopt,
              bool registryMode = false);
    void SetSection(std::string_view name);

    bool WriteText(std::string_view key, std::string_view value);
    std::string ReadText(std::string_view key, std::string_view defaultValue = {});
    bool WriteNumber(std::string_view key, double value);
    double ReadNumber(std::string_view key, double defaultValue = 0);
    bool WriteFlag(std::string_view key, bool value);
    bool ReadFlag(std::string_view key, bool defaultValue = false);
    bool ReadFlagLenient(std::string_view key, bool defaultValue = false);
    bool WriteDateTime(std::string_view key, const DateTime& value);
    /// The default also for a stored text that is no date text.
    DateTime ReadDateTime(std::string_view key, const DateTime& defaultValue = {});

    /// Control operations: a check mark under its caption, a text under a given key. Each
    /// load sets the control and gives back what the control then holds.
    bool SaveMenuCheck(const CheckableControl& item);
    bool LoadMenuCheck(CheckableControl& item);
    bool SaveCheckBox(const CheckableControl& box);
    bool LoadCheckBox(CheckableControl& box);
    bool SaveToggle(const CheckableControl& toggle);
    bool LoadToggle(CheckableControl& toggle);
    bool SaveLines(std::string_view key, const TextControl& control);
    std::string LoadLines(std::string_view key, TextControl& control);
    bool SaveControlText(std::string_view key, const TextControl& control);
    std::string LoadControlText(std::string_view key, TextControl& control);
    bool SaveComboText(std::string_view key, const TextControl& combo);
    std::string LoadComboText(std::string_view key, TextControl& combo);
    /// A non-empty section given replaces the selected one. Minimized or maximized windows
    /// keep only their state.
    void SavePlacement(const WindowControl& window, std::string_view section = {});
    void LoadPlacement(WindowControl& window, std::string_view section = {});

    /// The program's folder, "/", baseName (or the executable's name) without its last
    /// extension, and ".ini".
    std::string DefaultIniPath(std::string_view baseName = {}) const;

    /// Holds the writes that follow in memory until CommitUpdate, which replaces the file
    /// once and whole; reads in between see the held writes. CommitUpdate is false when the
    /// file could not be read or written, and then leaves it as it was.
    void BeginUpdate();
    bool CommitUpdate();

private:
    std::string ReadStored(std::string_view key, std::string_view storedDefault);
    bool WriteStored(std::string_view key, std::string_view stored);

    std::string filePath_;
    std::string section_;
    bool registryMode_ = false;

    struct HeldWrites {
        std::optional<IniDocument> document;  // nothing when the file could not be read
        bool changed = false;
    };
    std::optional<HeldWrites> held_;
};

/// The file name of DefaultIniPath for an executable of that name (both GBK).
std::string IniFileNameFor(std::string_view executableName, std::string_view baseName = {});

}  // namespace tessivane::settings
