// Tests of the folder listing: wildcard matching as the directory search does it, and the order.
#include "engine/FolderListing.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace tessivane::engine {
namespace {

using testing::G;
using testing::TempFolder;

TEST(MatchesFilterTest, WildcardsIgnoreAsciiCase) {
    const struct {
        std::string name;
        std::string filter;
        bool matches;
    } cases[] = {
        {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},
        {"a.txt.bak", "*.txt", false},
        {"ab.txt", "?.txt", false},
        {"a.txt", "?.txt", true},
        {G("中.txt"), "?.txt", true},
        {"readme", "*.*", true},
        {"a.b", "*.*", true},
        {"a", "a.*", true},
        {"a.txt", "", false},
        {"abc", "a*c", true},
        {"abcd", "a*c", false},
        {G("中文.txt"), G("中*"), true},
        {"x.htm", "*.htm*", true},
        {"x.html", "*.htm", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesFilter(c.name, c.filter), c.matches) << c.name << " " << c.filter;
    }
}

TEST(ListFolderFilesTest, TakesMatchingFilesSortedWithoutDescending) {
    TempFolder folder;
    for (const char* name : {"b.TXT", "a.txt", "C.txt", ".hidden.txt", "d.htm", "B.txt"}) {
        folder.Write(name, "x");
    }
    std::filesystem::create_directories(folder.path() / "dir.txt" / "inner.txt");
    const ArticleList expected = {folder.path() / ".hidden.txt", folder.path() / "a.txt",
                                  folder.path() / "B.txt", folder.path() / "b.TXT", folder.path() / "C.txt"};
    EXPECT_EQ(ListFolderFiles(folder.path(), "*.txt"), expected);
    EXPECT_TRUE(ListFolderFiles(folder.path(), "").empty());
    EXPECT_TRUE(ListFolderFiles(folder.path() / "missing", "*.*").empty());
    int pumped = 0;
    EXPECT_EQ(ListFolderFiles(folder.path(), "*.*", [&pumped] { ++pumped; }).size(), 6U);
    EXPECT_EQ(pumped, 7) << "events are handed over after each entry, folders included";
}

}  // namespace
}  // namespace tessivane::engine
