// Reading and rewriting INI files line by line, keeping every line others wrote.
#include "settings/IniFile.h"

#include <system_error>

#include "platform/Files.h"
#include "settings/ReplaceFile.h"

namespace tessivane::settings {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// The line without its line end (LF, CR LF or a lone CR at the end).
std::string_view Content(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

bool IsLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Equal when ASCII letters differ only in case; a double-byte character must match exactly,
/// so a second byte that happens to be a letter is never folded.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(a[i])) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) {
                return false;
            }
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

/// Position of the first character c, stepping over double-byte characters.
std::size_t FindCharacter(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == c) {
            return i;
        }
        if (IsLeadByte(text[i])) {
            ++i;
        }
    }
    return std::string_view::npos;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view content = TrimBlanks(Content(line));
    if (content.empty() || content.front() != '[') {
        return std::nullopt;
    }
    content.remove_prefix(1);
    return TrimBlanks(content.substr(0, FindCharacter(content, ']')));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> ParseEntry(std::string_view line) {
    const std::string_view content = Content(line);
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{TrimBlanks(content.substr(0, equals)), content.substr(equals + 1)};
}

bool HasLineBreakOrZero(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

/// Whether the last byte is a lead byte with nothing after it: in a section line it would take
/// the closing "]" as its second byte, and the name would not read back.
bool EndsInCutCharacter(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    return i > text.size();
}

bool IsWritableSection(std::string_view section) {
    return !section.empty() && !HasLineBreakOrZero(section) &&
           FindCharacter(section, ']') == std::string_view::npos && !EndsInCutCharacter(section);
}

bool IsWritableKey(std::string_view key) {
    return !key.empty() && !HasLineBreakOrZero(key) && key.find('=') == std::string_view::npos &&
           key.front() != '[';
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t lineFeed = bytes.find('\n');
        const std::size_t length = lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1;
        lines_.emplace_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && NamesEqual(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) {
        ++end;
    }
    return end;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(TrimBlanks(section));
    if (!header) {
        return std::nullopt;
    }
    key = TrimBlanks(key);
    for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
        const auto entry = ParseEntry(lines_[i]);
        if (entry && NamesEqual(entry->key, key)) {
            return std::string(entry->value);
        }
    }
    return std::nullopt;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!IsWritableSection(section) || !IsWritableKey(key)) {
        return false;
    }
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    std::string line = std::string(key) + "=" + std::string(value) + std::string(kLineEnd);

    const auto header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && lines_.back().back() != '\n') {
            lines_.back() += kLineEnd;
        }
        lines_.push_back("[" + std::string(section) + "]" + std::string(kLineEnd));
        lines_.push_back(std::move(line));
        return true;
    }
    const std::size_t end = SectionEnd(*header);
    std::size_t insertAt = *header + 1;
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto entry = ParseEntry(lines_[i]);
        if (entry && NamesEqual(entry->key, key)) {
            lines_[i] = std::move(line);
            return true;
        }
        if (!TrimBlanks(Content(lines_[i])).empty()) {
            insertAt = i + 1;  // after the section's last line that is not blank
        }
    }
    if (lines_[insertAt - 1].back() != '\n') {
        lines_[insertAt - 1] += kLineEnd;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
    return true;
}

std::string IniDocument::Bytes() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
    }
    return bytes;
}

std::optional<IniDocument> LoadIniDocument(const std::filesystem::path& file) {
    if (platform::IsFolder(file)) {
        return std::nullopt;
    }
    const std::string bytes = platform::ReadFileBytes(file);
    if (bytes.empty() && platform::NameExists(file)) {
        // Nothing read from a file that is there: rewriting it would lose what it holds.
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (error || size != 0) {
            return std::nullopt;
        }
    }
    return IniDocument(bytes);
}

std::string ReadIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
    const auto document = LoadIniDocument(file);
    std::optional<std::string> value;
    if (document) {
        value = document->Find(section, key);
    }
    return value ? *value : std::string(defaultValue);
}

bool StoreIniDocument(const std::filesystem::path& file, const IniDocument& document) {
    return ReplaceFileWhole(file, document.Bytes());
}

bool WriteIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view value) {
    auto document = LoadIniDocument(file);
    return document && document->Set(section, key, value) && StoreIniDocument(file, *document);
}

}  // namespace tessivane::settings
