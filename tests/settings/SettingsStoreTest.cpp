// The settings store: what each kind of value stores, and what it reads back.
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SettingsTestSupport.h"
#include "platform/ProgramFolder.h"

namespace tessivane::settings {
namespace {

using testing::FakeCheckBox;
using testing::FakeTextControl;
using testing::FakeWindow;
using testing::G;

class SettingsStoreTest : public testing::ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        store_.Bind(platform::PathToGbk(folder_ / "s.ini"), G("基本配置"));
    }
    /// Puts one stored value into the file as another program would.
    void Store(std::string_view key, std::string_view value) {
        Write("s.ini", G("[基本配置]\r\n") + std::string(key) + "=" + std::string(value) + "\r\n");
    }
    std::string Stored() const { return Read("s.ini"); }

    SettingsStore store_;
};

TEST_F(SettingsStoreTest, TextLineBreaksAreFoldedIntoOneLineAndComeBack) {
    ASSERT_TRUE(store_.WriteText("k", "a\r\nb\r\n"));
    EXPECT_EQ(Stored(), G("[基本配置]\r\nk=a┊*┊b┊*┊\r\n"));
    EXPECT_EQ(store_.ReadText("k", "d"), "a\r\nb\r\n");

    ASSERT_TRUE(store_.WriteText("k", G("x┊*┊y")));
    EXPECT_EQ(Stored(), G("[基本配置]\r\nk=x┊*┊y\r\n"));
    EXPECT_EQ(store_.ReadText("k"), "x\r\ny");

    EXPECT_EQ(store_.ReadText("missing", "one\r\ntwo"), "one\r\ntwo");
}

TEST_F(SettingsStoreTest, MarkIsFoundOnlyOnCharacterBoundaries) {
    // B0 A9 and AE 2A are characters here: no mark starts inside them.
    const std::string value = "\xB0\xA9\xAE*\xA9\xAE";
    ASSERT_TRUE(store_.WriteText("k", value));
    EXPECT_EQ(store_.ReadText("k"), value);
}

TEST_F(SettingsStoreTest, LongValuesComeBackCutTo10239Bytes) {
    for (const std::size_t length : {std::size_t{10239}, std::size_t{10240}, std::size_t{20000}}) {
        ASSERT_TRUE(store_.WriteText("k", std::string(length, 'x')));
        EXPECT_EQ(store_.ReadText("k"), std::string(std::min<std::size_t>(length, 10239), 'x')) << length;
    }
}

TEST_F(SettingsStoreTest, EmptyStoredValueIsTheEmptyTextNotTheDefault) {
    Store("k", "");
    EXPECT_EQ(store_.ReadText("k", "default"), "");
    EXPECT_EQ(store_.ReadNumber("k", 7), 0);
}

TEST_F(SettingsStoreTest, StoredNumbersReadLikeAtofAfterFullWidthFolding) {
    // Only a decimal number counts: no hexadecimal, infinity or NaN spellings.
    const std::pair<const char*, double> cases[] = {
        {"", 0},          {"12abc", 12}, {"１２", 12}, {"－３．５", -3.5}, {"  -3.5e1x", -35}, {"abc", 0},
        {"2.9", 2.9},     {"0x10", 0},   {"　7", 7},   {"+4", 4},          {"0x1p3", 0},       {"inf", 0},
        {"-Infinity", 0}, {"nan", 0},    {".5", 0.5},  {"1.e2", 100},      {"1e", 1},          {"\v\f 3", 3},
    };
    for (const auto& [stored, expected] : cases) {
        Store("n", G(stored));
        EXPECT_EQ(store_.ReadNumber("n", 99), expected) << stored;
    }
    EXPECT_EQ(store_.ReadNumber("missing", 0.1), 0.1);
}

TEST(NumberTextTest, WritesLikePrintfPoint13g) {
    const std::pair<double, const char*> cases[] = {
        {50, "50"},      {0.5, "0.5"},
        {-1, "-1"},      {1.0 / 3, "0.3333333333333"},
        {1e20, "1e+20"}, {123456789012345.0, "1.234567890123e+14"},
        {0, "0"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberText(value), text);
        EXPECT_NEAR(ParseNumberText(NumberText(value)), value, std::abs(value) * 1e-12) << text;
    }
}

TEST(NumberTextTest, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(TruncateToInt(2.9), 2);
    EXPECT_EQ(TruncateToInt(-2.9), -2);
    EXPECT_EQ(TruncateToInt(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncateToInt(-INFINITY), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncateToInt(NAN), 0);
}

TEST_F(SettingsStoreTest, FlagsAreTrueOnlyForTrueTextAndLenientlyFalseOnlyForFalseText) {
    struct Case {
        const char* stored;
        bool strict;
        bool lenient;
    };
    const Case cases[] = {{"真", true, true},
                          {"假", false, false},
                          {"1", false, true},
                          {"true", false, true},
                          {"", false, true}};
    for (const Case& c : cases) {
        Store("f", G(c.stored));
        EXPECT_EQ(store_.ReadFlag("f", true), c.strict) << c.stored;
        EXPECT_EQ(store_.ReadFlagLenient("f", false), c.lenient) << c.stored;
    }
    EXPECT_TRUE(store_.ReadFlag("missing", true));
    EXPECT_FALSE(store_.ReadFlagLenient("missing", false));
    ASSERT_TRUE(store_.WriteFlag("f", false));
    EXPECT_EQ(Stored(), G("[基本配置]\r\nf=假\r\n"));
}

TEST_F(SettingsStoreTest, WithoutASectionOrKeyEveryReadIsEmptyAndEveryWriteRefused) {
    Store("k", "1");
    SettingsStore unsectioned;
    unsectioned.Bind(platform::PathToGbk(folder_ / "s.ini"));
    EXPECT_EQ(unsectioned.ReadText("k", "d"), "");
    EXPECT_EQ(unsectioned.ReadNumber("k", 5), 0);
    EXPECT_FALSE(unsectioned.ReadFlag("k", true));
    EXPECT_FALSE(unsectioned.WriteText("k", "v"));
    EXPECT_EQ(store_.ReadText(" \t", "d"), "");

    // Leading blanks and control characters are not part of a name.
    EXPECT_EQ(store_.ReadText(" \t\x01k", "d"), "1");
}

TEST_F(SettingsStoreTest, EveryReadSeesTheFileAsItIsNow) {
    ASSERT_TRUE(store_.WriteText("k", "mine"));
    Store("k", "theirs");
    EXPECT_EQ(store_.ReadText("k"), "theirs");
}

TEST_F(SettingsStoreTest, HeldWritesReachTheFileInOneStep) {
    ASSERT_TRUE(store_.WriteText("k", "old"));
    store_.BeginUpdate();
    ASSERT_TRUE(store_.WriteText("k", "new"));
    ASSERT_TRUE(store_.WriteText("j", "added"));
    EXPECT_EQ(store_.ReadText("k"), "new");
    EXPECT_EQ(Stored(), G("[基本配置]\r\nk=old\r\n"));
    ASSERT_TRUE(store_.CommitUpdate());
    EXPECT_EQ(Stored(), G("[基本配置]\r\nk=new\r\nj=added\r\n"));
}

TEST_F(SettingsStoreTest, CheckBoxesAreSavedUnderTheirCaptions) {
    FakeCheckBox first(G("去掉首行"), true);
    FakeCheckBox second(G("去掉首行"), false);
    ASSERT_TRUE(store_.SaveCheckBox(first));
    ASSERT_TRUE(store_.SaveCheckBox(second));
    first.SetChecked(true);
    EXPECT_FALSE(store_.LoadCheckBox(first));
    EXPECT_EQ(Stored(), G("[基本配置]\r\n去掉首行=假\r\n"));

    FakeCheckBox unsaved("other", true);
    EXPECT_TRUE(store_.LoadCheckBox(unsaved));
    EXPECT_TRUE(unsaved.IsChecked());
}

TEST_F(SettingsStoreTest, ControlLinesUseTheirOwnMarker) {
    const FakeTextControl saved("a\r\nb");
    ASSERT_TRUE(store_.SaveLines("lines", saved));
    EXPECT_EQ(Stored(), G("[基本配置]\r\nlines=a[||]b\r\n"));
    FakeTextControl loaded("x");
    EXPECT_EQ(store_.LoadLines("lines", loaded), "a\r\nb");
    FakeTextControl untouched("keep\r\nme");
    EXPECT_EQ(store_.LoadControlText("missing", untouched), "keep\r\nme");
}

TEST_F(SettingsStoreTest, PlacementKeepsOnlyTheStateOfAMinimizedOrMaximizedWindow) {
    store_.SavePlacement(FakeWindow(WindowControl::kNormal, {10, 20, 300, 400}));
    FakeWindow restored(WindowControl::kNormal, {0, 0, 1, 1});
    store_.LoadPlacement(restored);
    EXPECT_EQ(restored.Rect().left, 10);
    EXPECT_EQ(restored.Rect().height, 400);

    store_.SetSection("other");
    store_.SavePlacement(FakeWindow(WindowControl::kMaximized, {1, 2, 3, 4}));
    EXPECT_EQ(store_.ReadText(G("位置")), "3");
    EXPECT_EQ(store_.ReadText(G("左边"), "none"), "none");
}

TEST_F(SettingsStoreTest, DateTimesReadBackEveryTextTheyWrite) {
    struct Case {
        DateTime value;
        const char* text;
    };
    const Case cases[] = {
        {{2024, 1, 2, 0, 0, 0}, "2024年1月2日"},
        {{2024, 1, 2, 5, 0, 0}, "2024年1月2日5时"},
        {{2024, 12, 31, 23, 59, 0}, "2024年12月31日23时59分"},
        {{2024, 1, 2, 0, 0, 7}, "2024年1月2日0时0分7秒"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(store_.WriteDateTime("d", c.value));
        EXPECT_EQ(store_.ReadText("d"), G(c.text));
        EXPECT_EQ(store_.ReadDateTime("d"), c.value) << c.text;
    }
    const DateTime fallback{1999, 9, 9, 0, 0, 0};
    Store("d", "yesterday");
    EXPECT_EQ(store_.ReadDateTime("d", fallback), fallback);
    EXPECT_EQ(store_.ReadDateTime("missing", fallback), fallback);
}

TEST(SettingsStoreRegistryTest, RegistryModeRefusesWritesAndGivesDefaults) {
    SettingsStore store;
    store.Bind("Software\\Tessivane", "s", true);
    EXPECT_FALSE(store.WriteText("k", "v"));
    EXPECT_EQ(store.ReadText("k", "d"), "d");
    EXPECT_EQ(store.ReadNumber("k", 3), 3);
}

TEST(DefaultIniPathTest, NamedAfterTheExecutableWithoutItsLastExtension) {
    EXPECT_EQ(IniFileNameFor("site.builder.exe"), "site.builder.ini");
    EXPECT_EQ(IniFileNameFor("site.builder.exe", "base"), "base.ini");
    EXPECT_EQ(IniFileNameFor("tool"), "tool.ini");
    const SettingsStore store;
    EXPECT_EQ(platform::GbkToPath(store.DefaultIniPath()), platform::ProgramFolder() / "settings_tests.ini");
}

}  // namespace
}  // namespace tessivane::settings
