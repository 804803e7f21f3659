// Tests of the title rewrite in its regular-expression and list modes.
#include "engine/TitleRewrite.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "pattern/RegexObject.h"

namespace tessivane::engine {
namespace {

using testing::G;

class TitleRewriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        regex_.CreateComponent();
        options_.rewriteTitle = true;
    }

    std::string Rewrite(const std::string& title) {
        FixedOptions fixed(options_);
        return RewriteTitle(title, fixed, regex_);
    }
    void StartRun() {
        FixedOptions fixed(options_);
        SetTitlePattern(regex_, fixed);
    }

    GenerationOptions options_;
    pattern::RegexObject regex_;
};

TEST_F(TitleRewriteTest, RegularExpressionModeKeepsThePartBeforeTheLastSeparator) {
    StartRun();
    const struct {
        std::string title;
        std::string expected;
    } cases[] = {
        {"name_site", "name"},       {"a-b_c", "a-b"}, {"plain", "plain"}, {"_x", "_x"},
        {G("标题_站点"), G("标题")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Rewrite(c.title), c.expected) << c.title;
    }
}

TEST_F(TitleRewriteTest, OffLeavesTheTitleAlone) {
    StartRun();
    options_.rewriteTitle = false;
    EXPECT_EQ(Rewrite("name_site"), "name_site");
}

TEST_F(TitleRewriteTest, PatternIsTheOneSetAtTheStartOfTheRun) {
    StartRun();
    options_.matchText = "(.+)x";  // changed during the run: reaches the next run only
    EXPECT_EQ(Rewrite("name_site"), "name");
    options_.replaceText = "[$1]";  // the replacement is read at every title
    EXPECT_EQ(Rewrite("name_site"), "[name]");

    options_.matchText = "";  // an empty match text keeps the previous pattern
    StartRun();
    EXPECT_EQ(Rewrite("name_site"), "[name]");
}

TEST_F(TitleRewriteTest, ListModeReplacesEveryItemIgnoringCase) {
    options_.useRegex = false;
    const struct {
        const char* matchText;
        const char* replaceText;
        const char* title;
        const char* expected;
    } cases[] = {
        {"_Site|-draft", "!", "Name_SITE and name-Draft_site", "Name! and name!"},
        {"", "x", "Name_site", "Name_site"},
        {"a|b", "b|c", "ab", "cc"},
    };
    for (const auto& c : cases) {
        options_.matchText = c.matchText;
        options_.replaceText = c.replaceText;
        EXPECT_EQ(Rewrite(c.title), c.expected) << c.matchText;
    }
}

}  // namespace
}  // namespace tessivane::engine
