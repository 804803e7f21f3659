// Where the running program lives and where per-user settings go.
#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tessivane::platform {
namespace fs = std::filesystem;

fs::path ProgramFile() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : exe;
}

fs::path ProgramFolder() {
    const fs::path exe = ProgramFile();
    std::error_code error;
    return exe.empty() ? fs::current_path(error) : exe.parent_path();
}

fs::path UserConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        return fs::path(xdg) / "tessivane";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "/tmp") / ".config" / "tessivane";
}

bool FolderIsWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace tessivane::platform
