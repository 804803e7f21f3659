// Inputs the INI fuzzer found, kept so that the faults they showed stay fixed.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "settings/IniFile.h"

namespace tessivane::settings {
namespace {

// A section whose last byte is a lead byte took the closing "]" of its own header line as the
// character's second byte: Set said yes, yet the entry never read back and every further Set
// appended the section again.
TEST(IniFuzzRegressionTest, SectionEndingInALeadByteIsRefusedAndWholeCharactersStillWork) {
    struct Case {
        std::string_view section;
        bool accepted;
    };
    const Case cases[] = {
        {"\xA2", false},                              // the fuzzer's input, with key "\\" and an empty value
        {"s\x81", false},   {"\xD6\xD0\x81", false},  // 中 and a cut character
        {"\xA2\xA1", true}, {"\xD6\xD0", true},       // 中
        {"\x81\x5D", true},                           // a second byte with the value of "]"
    };
    for (const Case& c : cases) {
        IniDocument document;
        EXPECT_EQ(document.Set(c.section, "\\", ""), c.accepted) << c.section;
        if (c.accepted) {
            EXPECT_EQ(document.Find(c.section, "\\"), "") << c.section;
            EXPECT_TRUE(document.Set(c.section, "\\", "2"));
            EXPECT_EQ(IniDocument(document.Bytes()).Find(c.section, "\\"), "2") << c.section;
            EXPECT_EQ(document.Bytes(), "[" + std::string(c.section) + "]\r\n\\=2\r\n");
        } else {
            EXPECT_EQ(document.Bytes(), "");
        }
    }
}

}  // namespace
}  // namespace tessivane::settings
