// The title rewrite: the pattern set at the start of a run and the rewrite of every title read.
#include "engine/TitleRewrite.h"

#include "pattern/RegexObject.h"
#include "text/TextOperations.h"

namespace tessivane::engine {

void SetTitlePattern(pattern::RegexObject& regex, OptionsSource& options) {
    regex.SetPattern(options.matchText());
}

std::string RewriteTitle(std::string title, OptionsSource& options, pattern::RegexObject& regex) {
    if (!options.rewriteTitle()) {
        return title;
    }
    if (options.useRegex()) {
        // The pattern stays as the run set it; only the replacement is read afresh.
        return regex.ReplaceMatches(title, options.replaceText());
    }
    const std::string matchText = options.matchText();
    const std::string replaceText = options.replaceText();
    text::ReplaceList(title, matchText, replaceText);
    return title;
}

}  // namespace tessivane::engine
