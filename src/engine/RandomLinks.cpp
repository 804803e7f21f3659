// The random cross-links of a page: how many draws a template needs, the draws, and the slots.
#include "engine/RandomLinks.h"

#include <algorithm>

#include "engine/Placeholders.h"
#include "text/TextPrimitives.h"

namespace tessivane::engine {
namespace {

void Pump(const text::EventPump& pump) {
    if (pump) {
        pump();
    }
}

}  // namespace

int CountRandomDraws(std::string_view templateText, const text::EventPump& pump) {
    const text::Pos links = text::CountOccurrences(templateText, kRandomLink, true, pump);
    const text::Pos titles = text::CountOccurrences(templateText, kRandomTitle, true, pump);
    return static_cast<int>(std::max(links, titles));
}

RandomPicks DrawRandomArticles(int draws, int count, NoRepeatPicker& picker,
                               const std::function<ArticleInfo(int)>& readArticle,
                               const text::EventPump& pump) {
    RandomPicks picks;
    for (int i = 0; i < draws; ++i) {
        ArticleInfo drawn = readArticle(picker.Draw(1, count));
        picks.titles.push_back(std::move(drawn.title));
        picks.links.push_back(std::move(drawn.fileName));
        Pump(pump);
        Pump(pump);
    }
    return picks;
}

void FillRandomSlots(std::string& page, const RandomPicks& picks, const text::EventPump& pump) {
    for (std::size_t k = 0; k < picks.titles.size(); ++k) {
        page = text::Substitute(page, kRandomTitle, picks.titles[k], 1, true);
        page = text::Substitute(page, kRandomLink, picks.links[k], 1, true);
        Pump(pump);
    }
}

}  // namespace tessivane::engine
