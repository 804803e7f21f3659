// The INI service the settings store keeps its values in: sections and key=value lines.
//
// A small reader and writer of our own rather than a library: the store needs the exact
// behaviour of the Windows profile functions it was designed against (GBK bytes passed
// through, ASCII-only case folding of names with double-byte characters kept whole, new keys
// at the end of their section, lines written by others kept as they are, CR LF line ends),
// which the common INI libraries do not give (they decode UTF-8, sort or re-emit the file).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessivane::settings {

/// One INI file held in memory line by line, each line with its own line end.
///
/// Section and key names match without regard to ASCII letter case; blanks around a name are
/// not part of it. A value is everything after the first "=" up to the line end, unchanged.
/// Only the first section of a name and its first entry of a key count.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes);

    /// The value of the entry, or nothing when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    /// Replaces the entry's line in place, or adds "key=value" at the end of the section, or
    /// the section with its entry at the end of the file. The value ends at its first line
    /// break or zero byte, since nothing after one would read back. False, and nothing
    /// changed, for a name that could not be read back as itself (empty, with a line break,
    /// a key with "=" or starting with "[", a section with "]").
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Bytes() const;

private:
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<std::string> lines_;
};

/// The entry's value in the file, or defaultValue when the file, section or key is missing.
std::string ReadIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                         std::string_view defaultValue);

/// The file as it stands, or nothing when it exists but cannot be read (a folder, no access).
std::optional<IniDocument> LoadIniDocument(const std::filesystem::path& file);

/// Replaces the file whole with the document, through a temporary file, so that a write that
/// dies midway leaves the old file.
bool StoreIniDocument(const std::filesystem::path& file, const IniDocument& document);

/// Sets one entry and rewrites the file; false, with the file untouched, when it fails.
bool WriteIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace tessivane::settings
