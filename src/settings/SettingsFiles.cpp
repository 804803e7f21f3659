// Where the settings and template files live, and how a template file is read and written.
#include <system_error>

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "platform/TextDecoders.h"
#include "settings/ReplaceFile.h"
#include "settings/SavedSettings.h"

namespace tessivane::settings {
namespace {

constexpr std::string_view kSettingsFileName = "\xB3\xCC\xD0\xF2\xC5\xE4\xD6\xC3.ini";  // 程序配置.ini
constexpr std::string_view kTemplateFileStem = "\xC4\xA3\xB0\xE5";                      // 模板

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
    return folder / platform::GbkToPath(kSettingsFileName);
}

std::filesystem::path TemplateFilePath(const std::filesystem::path& folder, int number) {
    return folder / platform::GbkToPath(std::string(kTemplateFileStem) + std::to_string(number));
}

std::filesystem::path DefaultSettingsFolder() {
    const std::filesystem::path programFolder = platform::ProgramFolder();
    if (platform::FolderIsWritable(programFolder)) {
        return programFolder;
    }
    const std::filesystem::path userFolder = platform::UserConfigFolder();
    platform::CreateFolders(userFolder);  // a failure shows up as failed saves
    return userFolder;
}

std::string LoadTemplateFile(const std::filesystem::path& path, const std::string& current) {
    const std::string bytes = platform::ReadFileBytes(path);
    return bytes.empty() ? current : platform::BytesToText(bytes);
}

bool WriteFileText(const std::filesystem::path& path, std::string_view value, bool append) {
    if (path.empty()) {
        return false;
    }
    if (!append) {
        return ReplaceFileWhole(path, value);
    }
    std::string bytes = platform::ReadFileBytes(path);
    std::error_code error;
    if (bytes.empty() && platform::NameExists(path) && std::filesystem::file_size(path, error) != 0) {
        return false;  // there but unreadable: writing would drop what it holds
    }
    bytes += value;
    return ReplaceFileWhole(path, bytes);
}

}  // namespace tessivane::settings
