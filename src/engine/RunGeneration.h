// One run over an article list: a page per article, cross-links, index pages and the report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GenerationOptions.h"
#include "engine/RunHost.h"

namespace tessivane::pattern {
class RegexObject;
}

namespace tessivane::engine {

/// Source paths in page order.
using ArticleList = std::vector<std::filesystem::path>;

/// What a run needs besides the list. The regular-expression object outlives the run: an
/// empty match text keeps the previous run's pattern.
struct RunContext {
    OptionsSource& options;
    RunHost& host;
    pattern::RegexObject& regex;
    std::optional<std::uint64_t> seed;                  // fixed seed for repeatable draws
    std::optional<std::filesystem::path> outputFolder;  // instead of 模板生成目录 beside the first source
    // Off: every read of an article reads and decodes its file again. The pages are the same
    // either way; the switch lets a test compare the two.
    bool cacheArticles = true;
    // On (with the cache): article pages are written in order by a second thread while the run
    // reads and fills the next ones; the run waits for them before it reads a source they may
    // overwrite, after a page named like an index page, and before the report. The site and the
    // result are the same; only a caller that looks at the folder between two steps can tell.
    bool writePagesInBackground = false;
};

struct RunResult {
    std::filesystem::path outputFolder;  // empty when the list was empty
    int pagesWritten = 0;
    int indexPagesWritten = 0;
    int failedPages = 0;                // article and index pages that could not be written
    std::vector<std::string> failures;  // the first failures, GBK file names
    bool stopped = false;
};

/// The main window's title, set back at the end of every run (GBK):
/// "Tessivane v1.3 - 快速搭建单页网站好帮手".
inline constexpr std::string_view kProductTitle =
    "Tessivane v1.3 - "
    "\xBF\xEC\xCB\xD9\xB4\xEE\xBD\xA8\xB5\xA5\xD2\xB3\xCD\xF8\xD5\xBE\xBA\xC3\xB0\xEF\xCA\xD6";

/// Runs to completion (or to a stop request) and returns what was written. An article whose
/// page name equals one of the run's index page names (ASCII case ignored) while index pages
/// are on at the start is written, and linked everywhere, as stem + "_1" + extension.
RunResult RunGeneration(const ArticleList& articles, RunContext& context);

/// The run's output folder: the folder asked for, else "模板生成目录" beside the first source
/// (a relative "模板生成目录" when the first source names no folder).
std::filesystem::path OutputFolderFor(const ArticleList& articles, const RunContext& context);

/// The page-size text as a whole number (leading blanks, one sign, the digits up to the first
/// other character); 50 when that is below 1.
int ParsePageSize(std::string_view text);

}  // namespace tessivane::engine
