// The INI service: lookups, in-place replacement, appending, and refusing what would not read back.
#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace tessivane::settings {
namespace {

using testing::ScratchFolder;

struct SetCase {
    const char* name;
    std::string_view before;
    std::string_view section;
    std::string_view key;
    std::string_view value;
    std::string_view after;
};

TEST(IniDocumentTest, SetPlacesEntriesWhereTheyBelongAndLeavesOtherLinesAlone) {
    const SetCase cases[] = {
        {"empty file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"replaced in place", "[s]\r\na=1\r\n; note\r\nb=2\r\n[t]\r\na=9\r\n", "s", "a", "5",
         "[s]\r\na=5\r\n; note\r\nb=2\r\n[t]\r\na=9\r\n"},
        {"appended after the section's last line", "[s]\r\na=1\r\n\r\n[t]\r\nx=1\r\n", "s", "c", "3",
         "[s]\r\na=1\r\nc=3\r\n\r\n[t]\r\nx=1\r\n"},
        {"new section at the end, LF lines kept", "[s]\na=1", "t", "x", "2", "[s]\na=1\r\n[t]\r\nx=2\r\n"},
        {"names ignore ASCII case", "[Sec]\r\nKEY = old\r\n", "sEC", "key", "new", "[Sec]\r\nkey=new\r\n"},
        {"empty value", "", "s", "k", "", "[s]\r\nk=\r\n"},
        {"value ends at a line break", "", "s", "k", "a\nb=c", "[s]\r\nk=a\r\n"},
        {"GBK bytes untouched, ] as second byte", "", "\x81\x5D", "\xD5\xE6", "\xA9\xAE*\xA9\xAE\\",
         "[\x81\x5D]\r\n\xD5\xE6=\xA9\xAE*\xA9\xAE\\\r\n"},
    };
    for (const SetCase& c : cases) {
        IniDocument document(c.before);
        EXPECT_TRUE(document.Set(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(document.Bytes(), c.after) << c.name;
        EXPECT_EQ(document.Find(c.section, c.key), std::string(c.value.substr(0, c.value.find('\n'))))
            << c.name;
    }
}

TEST(IniDocumentTest, RefusesNamesThatWouldNotReadBackAsThemselves) {
    const std::pair<std::string_view, std::string_view> refused[] = {
        {"s", "a=b"}, {"s", "[k]"}, {"s", "k\r\nx"}, {"s]", "k"}, {"s\n", "k"}, {"", "k"}, {"s", " "},
    };
    for (const auto& [section, key] : refused) {
        IniDocument document("[s]\r\nk=1\r\n");
        EXPECT_FALSE(document.Set(section, key, "v")) << section << "/" << key;
        EXPECT_EQ(document.Bytes(), "[s]\r\nk=1\r\n");
    }
}

TEST(IniDocumentTest, CaseFoldingNeverTouchesTheSecondByteOfACharacter) {
    const IniDocument document("[s]\r\n\x81\x41=upper\r\n");
    EXPECT_EQ(document.Find("S", "\x81\x41"), "upper");
    EXPECT_EQ(document.Find("s", "\x81\x61"), std::nullopt);
}

TEST(IniDocumentTest, FirstSectionAndFirstKeyOfANameCount) {
    const IniDocument document("k=outside\r\n[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(document.Find("s", "k"), "1");
    EXPECT_EQ(document.Find("s", "j"), std::nullopt);
}

class IniFileTest : public ScratchFolder {};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefaultAndAnEmptyValueTheEmptyText) {
    const auto file = folder_ / "a.ini";
    EXPECT_EQ(ReadIniValue(file, "s", "k", "d"), "d");
    Write("a.ini", "[s]\r\nk=\r\n");
    EXPECT_EQ(ReadIniValue(file, "s", "k", "d"), "");
    EXPECT_EQ(ReadIniValue(file, "s", "other", "d"), "d");
    EXPECT_EQ(ReadIniValue(file, "t", "k", "d"), "d");
}

TEST_F(IniFileTest, FailedWritesLeaveTheFileAsItWas) {
    EXPECT_FALSE(WriteIniValue(folder_ / "missing" / "a.ini", "s", "k", "v"));

    Write("ro.ini", "[s]\r\nk=1\r\n");
    std::filesystem::permissions(folder_ / "ro.ini", std::filesystem::perms::owner_read);
    EXPECT_FALSE(WriteIniValue(folder_ / "ro.ini", "s", "k", "2"));
    EXPECT_EQ(Read("ro.ini"), "[s]\r\nk=1\r\n");

    std::filesystem::create_directory(folder_ / "dir.ini");
    EXPECT_FALSE(WriteIniValue(folder_ / "dir.ini", "s", "k", "v"));
}

}  // namespace
}  // namespace tessivane::settings
