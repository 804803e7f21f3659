// The settings store's binding and its typed values over the INI service.
#include "settings/SettingsStore.h"

#include "platform/CodePage.h"
#include "text/TextPrimitives.h"

namespace tessivane::settings {
namespace {

/// A name as the profile functions see it: up to its first zero byte, without the leading
/// blanks and control characters (bytes 1 to 32).
std::string_view AsName(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view FlagText(bool value) {
    return value ? kTrueText : kFalseText;
}

}  // namespace

std::string FoldLineBreaks(std::string_view text) {
    return text::Substitute(text, "\r\n", kLineBreakMark, -1, true);
}

std::string UnfoldLineBreaks(std::string_view text) {
    return text::Substitute(text, kLineBreakMark, "\r\n", -1, true);
}

std::string TextAsRead(std::string_view stored) {
    return UnfoldLineBreaks(stored.substr(0, kReadLimit));
}

void SettingsStore::Bind(std::string_view path, std::optional<std::string_view> section, bool registryMode) {
    filePath_ = path;
    registryMode_ = registryMode;
    if (section) {
        SetSection(*section);
    }
}

void SettingsStore::SetSection(std::string_view name) {
    section_ = name;
}

std::string SettingsStore::ReadStored(std::string_view key, std::string_view storedDefault) {
    if (registryMode_) {
        return std::string(storedDefault);
    }
    const std::string_view path = AsName(filePath_);
    const std::string_view section = AsName(section_);
    const std::string_view name = AsName(key);
    if (path.empty() || section.empty() || name.empty()) {
        return {};
    }
    std::string value;
    if (held_) {
        const auto found = held_->document ? held_->document->Find(section, name) : std::nullopt;
        value = found ? *found : std::string(storedDefault);
    } else {
        value = ReadIniValue(platform::GbkToPath(path), section, name, storedDefault);
    }
    if (value.size() > kReadLimit) {
        value.resize(kReadLimit);
    }
    return value;
}

bool SettingsStore::WriteStored(std::string_view key, std::string_view stored) {
    if (registryMode_) {
        return false;
    }
    const std::string_view path = AsName(filePath_);
    const std::string_view section = AsName(section_);
    const std::string_view name = AsName(key);
    if (path.empty() || section.empty() || name.empty()) {
        return false;
    }
    if (!held_) {
        return WriteIniValue(platform::GbkToPath(path), section, name, stored);
    }
    if (!held_->document || !held_->document->Set(section, name, stored)) {
        return false;
    }
    held_->changed = true;
    return true;
}

void SettingsStore::BeginUpdate() {
    held_ = HeldWrites{};
    const std::string_view path = AsName(filePath_);
    if (!registryMode_ && !path.empty()) {
        held_->document = LoadIniDocument(platform::GbkToPath(path));
    }
}

bool SettingsStore::CommitUpdate() {
    if (!held_) {
        return true;
    }
    const HeldWrites held = std::move(*held_);
    held_.reset();
    if (!held.changed) {
        return held.document.has_value();
    }
    return StoreIniDocument(platform::GbkToPath(AsName(filePath_)), *held.document);
}

bool SettingsStore::WriteText(std::string_view key, std::string_view value) {
    return WriteStored(key, FoldLineBreaks(value));
}

std::string SettingsStore::ReadText(std::string_view key, std::string_view defaultValue) {
    return TextAsRead(ReadStored(key, FoldLineBreaks(defaultValue)));
}

bool SettingsStore::WriteNumber(std::string_view key, double value) {
    return WriteStored(key, NumberText(value));
}

double SettingsStore::ReadNumber(std::string_view key, double defaultValue) {
    return ParseNumberText(ReadStored(key, NumberText(defaultValue)));
}

bool SettingsStore::WriteFlag(std::string_view key, bool value) {
    return WriteStored(key, FlagText(value));
}

bool SettingsStore::ReadFlag(std::string_view key, bool defaultValue) {
    return ReadStored(key, FlagText(defaultValue)) == kTrueText;
}

bool SettingsStore::ReadFlagLenient(std::string_view key, bool defaultValue) {
    return ReadStored(key, FlagText(defaultValue)) != kFalseText;
}

bool SettingsStore::WriteDateTime(std::string_view key, const DateTime& value) {
    return WriteStored(key, DateTimeText(value));
}

DateTime SettingsStore::ReadDateTime(std::string_view key, const DateTime& defaultValue) {
    return ParseDateTimeText(ReadStored(key, DateTimeText(defaultValue))).value_or(defaultValue);
}

}  // namespace tessivane::settings
