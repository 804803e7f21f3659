// Loading the window's saved settings for the command line, which never writes them.
#include "cli/CliSettings.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/CodePage.h"
#include "settings/SettingsStore.h"

namespace tessivane::cli {
namespace fs = std::filesystem;
namespace {

bool Readable(const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error)) {
        return true;  // a missing file keeps the window's initial values
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return !fs::is_directory(file, error);
}

bool CheckFolder(const fs::path& folder, bool named, std::ostream& err) {
    std::error_code error;
    if (named && !fs::is_directory(folder, error)) {
        err << "tessivane-cli: settings folder not found: " << OneLine(folder.string()) << "\n";
        return false;
    }
    if (!Readable(settings::SettingsFilePath(folder))) {
        err << "tessivane-cli: cannot read " << OneLine(settings::SettingsFilePath(folder).string()) << "\n";
        return false;
    }
    return true;
}

bool ApplyOverrides(const CliArguments& args, settings::SavedOptions& saved, std::ostream& err) {
    for (const auto& [key, value] : args.sets) {
        if (!settings::ApplyStoredValue(saved, platform::Utf8ToGbk(key), platform::Utf8ToGbk(value))) {
            err << "tessivane-cli: unknown setting '" << OneLine(key)
                << "' (see the keys of the settings file)\n";
            return false;
        }
    }
    if (args.templateNumber) {
        saved.templateIndex = *args.templateNumber - 1;
    }
    return true;
}

}  // namespace

engine::GenerationOptions ToGenerationOptions(const settings::SavedOptions& saved) {
    engine::GenerationOptions options;
    options.templateText = saved.templates[static_cast<std::size_t>(std::clamp(saved.templateIndex, 0, 4))];
    options.titleSource = saved.titleSource;
    options.dropFirstLine = saved.dropFirstLine;
    options.cutBetween = saved.cutBetween;
    options.keepWhenCutEmpty = saved.keepWhenCutEmpty;
    options.useExtension = saved.useExtension;
    options.extension = saved.extension;
    options.writeIndex = saved.writeIndex;
    options.pageSize = saved.pageSize;
    options.encoding = saved.encoding;
    options.rewriteTitle = saved.rewriteTitle;
    options.useRegex = saved.useRegex;
    options.matchText = saved.matchText;
    options.replaceText = saved.replaceText;
    options.folderFilter = saved.folderFilter;
    return options;
}

std::optional<engine::GenerationOptions> LoadOptions(const CliArguments& args, std::ostream& err) {
    const fs::path folder = args.configDir.value_or(settings::DefaultSettingsFolder());
    if (!CheckFolder(folder, args.configDir.has_value(), err)) {
        return std::nullopt;
    }
    settings::SettingsStore store;
    store.Bind(platform::PathToGbk(settings::SettingsFilePath(folder)));
    settings::SavedOptions saved = settings::DesignedOptions();
    settings::LoadSettings(store, folder, saved);
    if (!ApplyOverrides(args, saved, err)) {
        return std::nullopt;
    }
    engine::GenerationOptions options = ToGenerationOptions(saved);
    if (args.left) {
        options.cutLeft = platform::Utf8ToGbk(*args.left);
    }
    if (args.right) {
        options.cutRight = platform::Utf8ToGbk(*args.right);
    }
    return options;
}

}  // namespace tessivane::cli
