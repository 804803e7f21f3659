// Tests of the index pages' parts: names, bar, entries, head and the names kept clear of them.
#include "engine/IndexPages.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace tessivane::engine {
namespace {

using testing::G;

TEST(IndexPagesTest, PageNamesAndCounts) {
    EXPECT_EQ(IndexPageName(1), "index.htm");
    EXPECT_EQ(IndexPageName(12), "index_12.htm");
    const struct {
        int count;
        int pageSize;
        int pages;
    } cases[] = {{1, 50, 1}, {50, 50, 1}, {51, 50, 2}, {100, 50, 2}, {101, 50, 3}, {7, 1, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(IndexPageCount(c.count, c.pageSize), c.pages) << c.count << "/" << c.pageSize;
    }
}

TEST(IndexPagesTest, BarLinksTheFolderFirstThenTheOtherPages) {
    EXPECT_EQ(PageBar(1), "");
    EXPECT_EQ(
        PageBar(3),
        "<hr><div><a href=\".\">1</a> <a href=\"index_2.htm\">2</a> <a href=\"index_3.htm\">3</a> </div>");
}

TEST(IndexPagesTest, EntryFoldsEveryPairOfApostrophes) {
    EXPECT_EQ(IndexEntry("a.htm", "<b>T</b>"), "<a href=\"a.htm\"><b>T</b></a><br>");
    EXPECT_EQ(IndexEntry("it''s.htm", "say ''hi'''"), "<a href=\"it\"s.htm\">say \"hi\"'</a><br>");
}

TEST(IndexPagesTest, HeadTakesItsTitleFromTheTemplateTitle) {
    const std::string prefix =
        "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" "
        "/>\r\n<title>";
    const std::string suffix = "</title>\r\n</head>\r\n<body>";
    const std::string templateText = G("<TITLE>#本篇标题# - 站点</title>#本篇标题#");
    EXPECT_EQ(IndexPageHead(templateText, 1), prefix + G("文章列表 - 站点") + suffix);
    EXPECT_EQ(IndexPageHead(templateText, 3), prefix + G("文章列表(3) - 站点") + suffix);
    EXPECT_EQ(IndexPageHead("no title element", 1), prefix + suffix);
}

TEST(IndexPagesTest, ArticleNamesOfTheRunsIndexPagesGetADistinctName) {
    const struct {
        const char* fileName;
        int indexPages;
        const char* expected;
    } cases[] = {
        {"index.htm", 1, "index_1.htm"},
        {"INDEX.HTM", 1, "INDEX_1.HTM"},
        {"index_2.htm", 1, "index_2.htm"},
        {"index_2.htm", 2, "index_2_1.htm"},
        {"index.htm", 0, "index.htm"},
        {"index.html", 3, "index.html"},
        {"index_1.htm", 3, "index_1.htm"},
        {"Index_12.Htm", 12, "Index_12_1.Htm"},
        {"index_13.htm", 12, "index_13.htm"},
        {"index_02.htm", 3, "index_02.htm"},
        {"index_.htm", 3, "index_.htm"},
        {"index_2x.htm", 3, "index_2x.htm"},
        {"index_99999999999.htm", 3, "index_99999999999.htm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AvoidIndexPageName(c.fileName, c.indexPages), c.expected)
            << c.fileName << " " << c.indexPages;
    }
}

}  // namespace
}  // namespace tessivane::engine
