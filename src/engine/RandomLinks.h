// The random cross-links of a page: how many draws a template needs, the draws, and the slots.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/ArticleReader.h"
#include "engine/NoRepeatPicker.h"
#include "text/TextOperations.h"

namespace tessivane::engine {

/// Titles and links of the articles drawn for one page, in draw order.
struct RandomPicks {
    text::TextList titles;
    text::TextList links;
};

/// Draws per page: the larger count of random link slots and random title slots.
int CountRandomDraws(std::string_view templateText, const text::EventPump& pump = {});

/// Draws `draws` article numbers from 1..count and reads each drawn article through readArticle.
RandomPicks DrawRandomArticles(int draws, int count, NoRepeatPicker& picker,
                               const std::function<ArticleInfo(int)>& readArticle,
                               const text::EventPump& pump = {});

/// Fills the first title slot and the first link slot with each pick in turn, so the k-th title
/// slot and the k-th link slot show the same article.
void FillRandomSlots(std::string& page, const RandomPicks& picks, const text::EventPump& pump = {});

}  // namespace tessivane::engine
