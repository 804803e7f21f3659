// Folder paths as GBK texts: the separator, the parent folder and creating a chain of folders.
#include "text/TextOperations.h"

#include <filesystem>
#include <utility>

#include "platform/CodePage.h"
#include "platform/Files.h"

namespace tessivane::text {

namespace {

/// A level before a separator that is never created: on Windows a drive such as "D:", here the
/// empty text before the leading "/" of an absolute path, which is the root.
bool IsImplicitLevel(std::string_view prefix) {
#ifdef _WIN32
    return prefix.size() == 2;
#else
    return prefix.empty();
#endif
}

}  // namespace

std::string_view PathSeparator() {
#ifdef _WIN32
    return "\\";
#else
    return "/";
#endif
}

std::string ParentFolder(std::string_view path) {
    const Pos last = FindBackward(path, PathSeparator(), -1, false);
    return last == -1 ? std::string() : TakeLeft(path, last - 1);
}

bool CreateFolderChain(std::string_view path, TextList* createdFolders) {
    const std::string_view separator = PathSeparator();
    for (Pos at = FindForward(path, separator, 1, false); at != -1;
         at = FindForward(path, separator, at + 1, false)) {
        std::string level = TakeLeft(path, at - 1);
        if (IsImplicitLevel(level)) {
            continue;
        }
        const std::filesystem::path folder = platform::GbkToPath(level);
        if (platform::NameExists(folder)) {
            continue;
        }
        if (!platform::CreateOneFolder(folder)) {
            return false;
        }
        if (createdFolders != nullptr) {
            createdFolders->push_back(std::move(level));
        }
    }
    return true;
}

}  // namespace tessivane::text
