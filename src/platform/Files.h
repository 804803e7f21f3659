// Whole-file reads and writes, folder creation and existence tests. Nothing here throws.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessivane::platform {

/// All bytes of a regular file; the empty string when it is missing, a folder, a pipe or device,
/// or unreadable.
std::string ReadFileBytes(const std::filesystem::path& path);

/// Creates or replaces the file with exactly these bytes (an empty text gives length 0). A link
/// of that name is replaced by the file, never followed.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

/// Like WriteFileBytes, but through a temporary file in the same folder that is renamed
/// over the target, so a reader sees the old file or the new one, never a part of either.
/// A failure leaves the old file as it was.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

/// Creates one folder level (its parent must exist).
bool CreateOneFolder(const std::filesystem::path& path);

/// Creates every missing level of the folder; false when one cannot be created.
bool CreateFolders(const std::filesystem::path& folder);

/// True when a file or a folder of that name exists (a dangling link counts as existing).
bool NameExists(const std::filesystem::path& path);

bool IsFolder(const std::filesystem::path& path);

/// A file created (or emptied) and kept open for appending, as the index pages are written.
class AppendFile {
public:
    AppendFile() = default;
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    ~AppendFile() { Close(); }

    /// Creates or empties the file and opens it; false when that fails.
    bool Create(const std::filesystem::path& path);
    /// Appends the bytes; false when no file is open or the write failed.
    bool Append(std::string_view bytes);
    /// Flushes and closes; false when a write failed since Create.
    bool Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace tessivane::platform
