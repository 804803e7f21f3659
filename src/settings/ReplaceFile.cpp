// Whole-file replacement that honours a file's read-only marking.
#include "settings/ReplaceFile.h"

#include <system_error>

#include "platform/Files.h"

namespace tessivane::settings {
namespace {

bool IsReadOnlyFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) {
        return false;
    }
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & kAnyWrite) == fs::perms::none;
}

}  // namespace

bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view bytes) {
    return !IsReadOnlyFile(path) && platform::WriteFileAtomically(path, bytes);
}

}  // namespace tessivane::settings
