// The title rewrite: the pattern set at the start of a run and the rewrite of every title read.
#include "engine/TitleRewrite.h"

#include "pattern/RegexObject.h"
#include "text/TextOperations.h"

namespace tessivane::engine {

void SetTitlePattern(pattern::RegexObject& regex, OptionsSource& options) {
    regex.SetPattern(options.matchText());
}

RewriteChoice ReadRewriteChoice(OptionsSource& options) {
    RewriteChoice choice;
    choice.rewrite = options.rewriteTitle();
    if (!choice.rewrite) {
        return choice;
    }
    choice.useRegex = options.useRegex();
    if (!choice.useRegex) {
        choice.matchText = options.matchText();
    }
    choice.replaceText = options.replaceText();
    return choice;
}

std::string ApplyRewrite(std::string title, const RewriteChoice& choice, pattern::RegexObject& regex) {
    if (!choice.rewrite) {
        return title;
    }
    if (choice.useRegex) {
        // The pattern stays as the run set it; only the replacement is read afresh.
        return regex.ReplaceMatches(title, choice.replaceText);
    }
    text::ReplaceList(title, choice.matchText, choice.replaceText);
    return title;
}

std::string RewriteTitle(std::string title, OptionsSource& options, pattern::RegexObject& regex) {
    return ApplyRewrite(std::move(title), ReadRewriteChoice(options), regex);
}

}  // namespace tessivane::engine
