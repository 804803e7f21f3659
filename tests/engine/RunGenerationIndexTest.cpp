// Tests of the index pages a run writes: page size, roll-over, bar, and names kept clear of them.
#include "engine/RunGeneration.h"

#include "RunFixture.h"
#include "engine/IndexPages.h"

namespace tessivane::engine {
namespace {

using testing::G;

class RunIndexTest : public testing::RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        options_.writeIndex = true;
        options_.templateText = G("<title>#本篇标题#</title>");
    }

    std::string Head(int page) const { return IndexPageHead(options_.templateText, page); }
    static int Entries(const std::string& page) {
        int entries = 0;
        for (std::size_t at = page.find("<br>"); at != std::string::npos; at = page.find("<br>", at + 1)) {
            ++entries;
        }
        return entries;
    }
};

TEST_F(RunIndexTest, FewerArticlesThanThePageSizeGiveOnePageWithoutABar) {
    const RunResult result = Run({Source("a.txt"), Source("b''c.txt")});
    const std::string head =
        "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n"
        "<title>" +
        G("文章列表") + "</title>\r\n</head>\r\n<body>";
    EXPECT_EQ(Page("index.htm"),
              head + "<a href=\"a.txt\">a</a><br><a href=\"b\"c.txt\">b\"c</a><br></body></html>");
    EXPECT_EQ(Page("b''c.txt"), "<title>b''c</title>");
    EXPECT_FALSE(PageExists("index_2.htm"));
    EXPECT_EQ(result.indexPagesWritten, 1);
}

TEST_F(RunIndexTest, ExactlyAPageSizeOfArticlesClosesThePageAtTheLastArticle) {
    options_.pageSize = "3";
    const RunResult result = Run(Sources(3));
    EXPECT_EQ(Page("index.htm"), Head(1) +
                                     "<a href=\"a1.txt\">a1</a><br><a href=\"a2.txt\">a2</a><br>"
                                     "<a href=\"a3.txt\">a3</a><br></body></html>");
    EXPECT_FALSE(PageExists("index_2.htm"));
    EXPECT_EQ(result.indexPagesWritten, 1);
    EXPECT_EQ(result.failedPages, 0);
}

TEST_F(RunIndexTest, MoreArticlesThanThePageSizeRollOverWithABarOnEveryPage) {
    const RunResult result = Run(Sources(101));
    const std::string bar =
        "<hr><div><a href=\".\">1</a> <a href=\"index_2.htm\">2</a> <a href=\"index_3.htm\">3</a> </div>";
    const struct {
        const char* name;
        int page;
        int entries;
    } pages[] = {{"index.htm", 1, 50}, {"index_2.htm", 2, 50}, {"index_3.htm", 3, 1}};
    for (const auto& p : pages) {
        const std::string text = Page(p.name);
        EXPECT_EQ(text.rfind(Head(p.page), 0), 0U) << p.name;
        EXPECT_EQ(Entries(text), p.entries) << p.name;
        EXPECT_EQ(text.substr(text.size() - bar.size() - 14), bar + "</body></html>") << p.name;
    }
    EXPECT_NE(Page("index_3.htm").find("<a href=\"a101.txt\">a101</a><br><hr>"), std::string::npos);
    EXPECT_FALSE(PageExists("index_4.htm"));
    EXPECT_EQ(result.indexPagesWritten, 3);
}

TEST_F(RunIndexTest, PageSizeTextsThatAreNotPositiveCountAsFifty) {
    const struct {
        const char* text;
        int pageSize;
    } cases[] = {{"abc", 50}, {"0", 50}, {"-3", 50}, {"", 50}, {"  +7x", 7}, {"12", 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePageSize(c.text), c.pageSize) << c.text;
    }
    for (const char* text : {"abc", "0"}) {
        options_.pageSize = text;
        Run(Sources(51));
        EXPECT_EQ(Entries(Page("index.htm")), 50) << text;
        EXPECT_EQ(Entries(Page("index_2.htm")), 1) << text;
    }
}

TEST_F(RunIndexTest, ArticleNamedLikeAnIndexPageIsWrittenUnderADistinctName) {
    options_.templateText = G("#上一篇链接#|#本篇链接#|#下一篇链接#");
    options_.useExtension = true;
    const ArticleList list = {Source("Index.txt"), Source("b.txt")};
    Run(list);
    EXPECT_EQ(Page("Index_1.htm"), "#|Index_1.htm|b.htm");
    EXPECT_EQ(Page("b.htm"), "Index_1.htm|b.htm|#");
    EXPECT_NE(Page("index.htm").find("<a href=\"Index_1.htm\">Index</a><br>"), std::string::npos);

    options_.writeIndex = false;  // no index pages: the article keeps its own name
    Run(list);
    EXPECT_EQ(Page("Index.htm"), "#|Index.htm|b.htm");
}

}  // namespace
}  // namespace tessivane::engine
