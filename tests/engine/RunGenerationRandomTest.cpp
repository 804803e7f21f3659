// Tests of the random cross-links a run fills in: the bag's cycles, the slots, repeatable seeds.
#include "engine/RunGeneration.h"

#include <set>

#include "RunFixture.h"
#include "text/TextPrimitives.h"

namespace tessivane::engine {
namespace {

using testing::G;
using RunRandomTest = testing::RunFixture;

// Five link slots, then three title slots, each followed by "|".
const std::string kFiveLinksThreeTitles =
    G("#随机篇链接#|#随机篇链接#|#随机篇链接#|#随机篇链接#|#随机篇链接#|"
      "#随机篇标题#|#随机篇标题#|#随机篇标题#|");

TEST_F(RunRandomTest, FiveLinkSlotsAndThreeTitleSlotsMakeFiveDrawsThatNeverRepeatWithinACycle) {
    options_.templateText = kFiveLinksThreeTitles;
    const ArticleList list = Sources(4);
    Run(list, 77);
    std::vector<std::string> drawn;  // links of every page, in draw order
    for (int page = 1; page <= 4; ++page) {
        const text::TextList slots = text::SplitBy(Page("a" + std::to_string(page) + ".txt"), "|");
        ASSERT_EQ(slots.size(), 8U);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(slots[5 + k] + ".txt", slots[k]) << "title slot " << k << " of page " << page;
        }
        drawn.insert(drawn.end(), slots.begin(), slots.begin() + 5);
    }
    for (std::size_t cycle = 0; cycle < drawn.size() / 4; ++cycle) {
        const std::set<std::string> distinct(drawn.begin() + cycle * 4, drawn.begin() + cycle * 4 + 4);
        EXPECT_EQ(distinct.size(), 4U) << "cycle " << cycle;
    }
}

TEST_F(RunRandomTest, TheSameSeedRebuildsTheSameCrossLinks) {
    options_.templateText = kFiveLinksThreeTitles;
    const ArticleList list = Sources(6);
    const auto pages = [&] {
        Run(list, 1234);
        std::string all;
        for (int page = 1; page <= 6; ++page) {
            all += Page("a" + std::to_string(page) + ".txt") + "\n";
        }
        return all;
    };
    const std::string first = pages();
    EXPECT_EQ(pages(), first);
}

TEST_F(RunRandomTest, DrawsAreReadWithTheOptionsInForceAndTemplatesWithoutSlotsDrawNothing) {
    options_.templateText = G("#随机篇标题#=#随机篇链接#");
    options_.useExtension = true;
    options_.titleSource = 1;
    Run({Source("gone.txt", "no title here")});
    EXPECT_EQ(Page("gone.htm"), "gone=gone.htm");

    options_.templateText = "plain";
    const RunResult result = Run(Sources(2), std::nullopt);  // clock-seeded picker, never asked
    EXPECT_EQ(result.pagesWritten, 2);
    EXPECT_EQ(
        host_.eventsAtArticleDone.back() - host_.eventsAtArticleDone[host_.eventsAtArticleDone.size() - 2],
        4);  // end of article 1, current, previous, random step: no draws
}

}  // namespace
}  // namespace tessivane::engine
