// The command line's job: read the window's saved settings, build the list, run, report.
#include "cli/CliRun.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/CliArguments.h"
#include "cli/CliSettings.h"
#include "cli/TerminalHost.h"
#include "engine/ArticleReader.h"
#include "engine/FolderListing.h"
#include "engine/IndexPages.h"
#include "engine/RunGeneration.h"
#include "engine/TitleRewrite.h"
#include "pattern/RegexObject.h"
#include "platform/CodePage.h"

namespace tessivane::cli {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kFailuresShown = 5;

engine::ArticleList BuildList(const CliArguments& args, const engine::GenerationOptions& options) {
    if (args.folder) {
        return engine::ListFolderFiles(fs::absolute(*args.folder), options.folderFilter);
    }
    engine::ArticleList list;
    for (const fs::path& file : args.files) {
        std::error_code error;
        const fs::path absolute = fs::absolute(file, error);
        list.push_back(error ? file : absolute);
    }
    return list;
}

// Prints one line per article: output file name, TAB, title; writes nothing. The names are
// those the run writes, after it has moved an article off an index page's name.
int PrintTitles(const engine::ArticleList& list, engine::GenerationOptions& options, std::ostream& out) {
    engine::FixedOptions source(options);
    pattern::RegexObject regex;
    regex.CreateComponent();
    engine::SetTitlePattern(regex, source);
    const int indexPages =
        options.writeIndex
            ? engine::IndexPageCount(static_cast<int>(list.size()), engine::ParsePageSize(options.pageSize))
            : 0;
    for (const fs::path& path : list) {
        const engine::ArticleInfo info = engine::ReadArticle(path, source, regex);
        out << platform::GbkToUtf8(engine::AvoidIndexPageName(info.fileName, indexPages)) << '\t'
            << platform::GbkToUtf8(info.title) << '\n';
    }
    return kExitDone;
}

// Pages are named after their sources, so an output folder that holds a source would overwrite it.
bool HoldsASource(const fs::path& folder, const engine::ArticleList& list) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return false;
    }
    return std::any_of(list.begin(), list.end(), [&folder](const fs::path& source) {
        std::error_code sameError;
        const fs::path parent = source.parent_path().empty() ? fs::path(".") : source.parent_path();
        return fs::equivalent(parent, folder, sameError);
    });
}

int Generate(const engine::ArticleList& list, const CliArguments& args, engine::GenerationOptions& options,
             std::ostream& out, std::ostream& err) {
    engine::FixedOptions source(options);
    TerminalHost host(err, !args.quiet && ::isatty(STDERR_FILENO) == 1, args.open);
    pattern::RegexObject regex;
    regex.CreateComponent();
    engine::RunContext context{source, host, regex, args.seed, std::nullopt};
    // Nothing looks at the folder until the run ends: write pages while the next ones are read.
    context.writePagesInBackground = true;
    if (args.output) {
        context.outputFolder = fs::absolute(*args.output);
    }
    if (HoldsASource(engine::OutputFolderFor(list, context), list)) {
        err << "tessivane-cli: the output folder holds source files, whose pages would replace them: "
            << OneLine(engine::OutputFolderFor(list, context).string()) << "\n";
        return kExitUsage;
    }
    const engine::RunResult result = engine::RunGeneration(list, context);
    if (!host.Report().empty()) {
        out << platform::GbkToUtf8(host.Report()) << '\n';
    }
    if (result.failedPages == 0) {
        return kExitDone;
    }
    err << "tessivane-cli: " << result.failedPages << " page(s) could not be written\n";
    const std::size_t shown = std::min(kFailuresShown, result.failures.size());
    for (std::size_t i = 0; i < shown; ++i) {
        err << "  " << platform::GbkToUtf8(result.failures[i]) << '\n';
    }
    return kExitWriteFailed;
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    int exitCode = kExitDone;
    const std::optional<CliArguments> args = ParseArguments(argv, out, err, exitCode);
    if (!args) {
        return exitCode;
    }
    std::optional<engine::GenerationOptions> options = LoadOptions(*args, err);
    if (!options) {
        return kExitUsage;
    }
    const engine::ArticleList list = BuildList(*args, *options);
    if (list.empty()) {
        err << "tessivane-cli: no articles to process\n";
        return kExitDone;
    }
    return args->titles ? PrintTitles(list, *options, out) : Generate(list, *args, *options, out, err);
}

}  // namespace tessivane::cli
