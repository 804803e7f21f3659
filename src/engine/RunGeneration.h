// One run over an article list: a page per article, cross-links, index pages and the report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
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
    std::optional<std::uint64_t> seed;                 // fixed seed for repeatable draws
    std::optional<std::filesystem::path> outputFolder;  // instead of 模板生成目录 beside the first source
};

struct RunResult {
    std::filesystem::path outputFolder;  // empty when the list was empty
    int pagesWritten = 0;
    int indexPagesWritten = 0;
    int failedPages = 0;                 // article and index pages that could not be written
    std::vector<std::string> failures;   // the first failures, GBK file names
    bool stopped = false;
};

/// Runs to completion (or to a stop request) and returns what was written.
RunResult RunGeneration(const ArticleList& articles, RunContext& context);

}  // namespace tessivane::engine
