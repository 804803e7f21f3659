// The engine state behind RegexObject: one compiled PCRE2 pattern, its options and the searches.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pattern/MatchList.h"

namespace tessivane::pattern {

struct EngineOptions {
    bool ignoreCase = false;
    bool multiline = false;
    bool global = false;
};

/// Every search returns none when the pattern is invalid or a limit was hit. Not thread-safe.
class RegexEngine {
public:
    RegexEngine();
    ~RegexEngine();
    RegexEngine(const RegexEngine&) = delete;
    RegexEngine& operator=(const RegexEngine&) = delete;

    /// One write of the state: a new pattern when given, and the options.
    void Configure(std::optional<std::u16string> pattern, EngineOptions options);
    int Writes() const { return writes_; }

    /// Every match when global is on, else the first; empty matches step one code unit on.
    std::optional<std::vector<MatchSpans>> Execute(std::u16string_view subject);
    int GroupCount();
    std::optional<std::u16string> Replace(std::u16string_view subject, std::u16string_view replacement);
    std::optional<bool> Test(std::u16string_view subject);

private:
    struct Compiled;
    Compiled* Compile();

    std::u16string pattern_;
    EngineOptions options_;
    int writes_ = 0;
    std::unique_ptr<Compiled> compiled_;
    bool compileTried_ = false;
};

}  // namespace tessivane::pattern
