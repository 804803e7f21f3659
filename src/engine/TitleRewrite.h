// The title rewrite: the pattern set at the start of a run and the rewrite of every title read.
#pragma once

#include <string>

#include "engine/GenerationOptions.h"

namespace tessivane::pattern {
class RegexObject;
}

namespace tessivane::engine {

/// Sets the title pattern from the match text, on every run whatever the rewrite options say.
/// An empty match text keeps the pattern already in force.
void SetTitlePattern(pattern::RegexObject& regex, OptionsSource& options);

/// The title after the rewrite the options ask for: unchanged, by the run's pattern, or by the
/// list replacement of the match text's items.
std::string RewriteTitle(std::string title, OptionsSource& options, pattern::RegexObject& regex);

}  // namespace tessivane::engine
