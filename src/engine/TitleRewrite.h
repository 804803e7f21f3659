// The title rewrite: the pattern set at the start of a run and the rewrite of every title read.
#pragma once

#include <string>

#include "engine/GenerationOptions.h"

namespace tessivane::pattern {
class RegexObject;
}

namespace tessivane::engine {

/// The rewrite options as one title read takes them; only the fields that were read are set.
struct RewriteChoice {
    bool rewrite = false;
    bool useRegex = false;
    std::string matchText;  // read only for the list replacement; the regex keeps the run's pattern
    std::string replaceText;

    bool operator==(const RewriteChoice&) const = default;
};

/// Sets the title pattern from the match text, on every run whatever the rewrite options say.
/// An empty match text keeps the pattern already in force.
void SetTitlePattern(pattern::RegexObject& regex, OptionsSource& options);

/// Reads the rewrite options in their order: the switch, then the kind, then its texts.
RewriteChoice ReadRewriteChoice(OptionsSource& options);

/// The title after the rewrite the choice asks for: unchanged, by the run's pattern, or by the
/// list replacement of the match text's items.
std::string ApplyRewrite(std::string title, const RewriteChoice& choice, pattern::RegexObject& regex);

/// ReadRewriteChoice and ApplyRewrite in one step.
std::string RewriteTitle(std::string title, OptionsSource& options, pattern::RegexObject& regex);

}  // namespace tessivane::engine
