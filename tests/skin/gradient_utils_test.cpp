// Gradients painted into bitmaps, and the small routines of the skin library.
#include <gtest/gtest.h>

#include <chrono>

#include "core/stringlist.h"
#include "skin/gradient.h"
#include "skin/skinmanager.h"
#include "skin/skintestutils.h"
#include "skin/skinutils.h"

using namespace tv;
using skintest::Px;
using skintest::Solid;

namespace {

TEST(PaintGradient, TwoHalvesFromTopToBottom) {
    auto b = Solid(4, 100, 0x123456);
    PaintGradient(b.get(), {0, 0, 4, 100}, ParseGradientData("255;255;50;0;0;65280;16711680;50;0;0"));
    EXPECT_EQ(Px(b.get(), 3, 0), 0x0000FF);
    EXPECT_EQ(Px(b.get(), 0, 49), 0x0000FF);
    EXPECT_EQ(Px(b.get(), 0, 50), 0x00FF00) << "the second step starts at row 50";
    EXPECT_EQ(Px(b.get(), 2, 99), 0xFF0000) << "and ends on the last row";
    EXPECT_NE(Px(b.get(), 0, 75), 0x00FF00);
}

TEST(PaintGradient, LeftToRightIsClippedToTheBitmap) {
    auto b = Solid(10, 2, 0x123456);
    PaintGradient(b.get(), {-5, 0, 20, 9}, ParseGradientData("0;0xFFFFFF;100;1;0"));
    EXPECT_EQ(Px(b.get(), 0, 0), 0);
    EXPECT_EQ(Px(b.get(), 9, 1), 0xFFFFFF);
    EXPECT_EQ(skintest::Split(Px(b.get(), 4, 0)).r, 113) << "255 * 4 / 9, rounded";
}

TEST(PaintGradient, CornersWithOneStepAndModesWithoutPainting) {
    auto b = Solid(8, 8, 0);
    PaintGradient(b.get(), {0, 0, 8, 8}, ParseGradientData("0x336699;0;100;2;0"));
    EXPECT_EQ(Px(b.get(), 0, 0), 0x336699);
    EXPECT_EQ(Px(b.get(), 4, 4), 0x336699);
    EXPECT_EQ(Px(b.get(), 7, 6), 0x336699);
    auto c = Solid(4, 4, 0x010101);
    PaintGradient(c.get(), {0, 0, 4, 4}, ParseGradientData("255;255;100;7;0"));
    PaintGradient(c.get(), {0, 0, 4, 4}, ParseGradientData(""));
    EXPECT_EQ(Px(c.get(), 1, 1), 0x010101);
}

TEST(GradientText, GroupsOfFive) {
    EXPECT_TRUE(ParseGradientData(" ").empty());
    auto steps = ParseGradientData("1;2;150;1;9;3;4;20;2;9;5;6");
    ASSERT_EQ(steps.size(), 2u) << "a trailing incomplete group is ignored";
    EXPECT_EQ(steps[0].Percent, 100);
    EXPECT_EQ(steps[0].Mode, 1);
    EXPECT_EQ(steps[1].Color1, 3);
    EXPECT_EQ(ParseGradientData(";1;;2; 30 ;1;;9;").size(), 1u) << "empty words are skipped";
}

TEST(GradientText, LongDataReadsInLinearTime) {
    std::string text;
    while (text.size() < 136 * 1024) text += "16711680;255;50;1;0;";
    auto start = std::chrono::steady_clock::now();
    auto steps = ParseGradientData(text);
    EXPECT_EQ(steps.size(), text.size() / 20);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(Words, SeparatorsAnywhere) {
    EXPECT_EQ(CountWordsBySet(";;12;;34;;", ";"), 2);
    EXPECT_EQ(ExtractWordBySet(2, ";;12;;34;;", ";"), "34");
    EXPECT_EQ(ExtractWordBySet(3, ";;12;;34;;", ";"), "");
    EXPECT_EQ(NthWordPosition(2, ";;12;;34;;", ";"), 7);
    EXPECT_EQ(NthWordPosition(3, ";;12;;34;;", ";"), 0);
    EXPECT_EQ(CountWordsBySet("", ";"), 0);
    EXPECT_EQ(RemoveChar("a b  c", ' '), "abc");
    EXPECT_EQ(SplitColorValue(-4), 0);
    EXPECT_EQ(SplitColorValue(255), 255);
    EXPECT_EQ(SplitColorValue(300), 255);
    EXPECT_EQ(SplitColorValue(17), 17);
}

TEST(IniSections, SplitAndRead) {
    TStringList lines;
    lines.SetText("KEY=before\n[ONE]\n; a note\nA=x\nN=0x10\nBAD=zz\n[TWO]\nA=y\n");
    TIniSections s = SplitIniSections(lines);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Lines.size(), 3u);
    EXPECT_EQ(GetIniSectionString(s, "TWO", "A", "-"), "y");
    EXPECT_EQ(GetIniSectionString(s, "ONE", "KEY", "-"), "-");
    EXPECT_EQ(GetIniSectionInteger(s, "ONE", "N", 0), 16);
    EXPECT_EQ(GetIniSectionInteger(s, "ONE", "BAD", 7), 7);
    EXPECT_EQ(GetIniSectionInteger(s, "THREE", "N", 5), 5);
}

TEST(Folders, SkinDirectoryResolvesFromTheProgramFolder) {
    TsSkinManager::SetProgramFolderForTests("/opt/tallyvo/bin/");
    struct Case {
        const char* dir;
        const char* expected;
    } cases[] = {
        {"Skins", "/opt/tallyvo/bin/Skins\\"},
        {"..\\Skins", "/opt/tallyvo/Skins\\"},
        {".\\Skins", "/opt/tallyvo/bin/Skins\\"},
        {"./Skins/", "/opt/tallyvo/bin/Skins\\"},
        {"D:", "D:\\"},
        {"D:\\Skins", "D:\\Skins\\"},
        {"/srv/skins", "/srv/skins\\"},
    };
    TsSkinManager sm;
    sm.SetActive(false);
    for (auto c : cases) {
        sm.SetSkinDirectory(c.dir);
        EXPECT_EQ(sm.ResolveSkinDirectory(), c.expected) << c.dir;
    }
    TsSkinManager::SetProgramFolderForTests("");
    EXPECT_EQ(NormalizeDirectory(""), "");
    EXPECT_EQ(NormalizeDirectory("C"), "C:\\");
    EXPECT_EQ(NormalizeDirectory("a/"), "a\\");
    EXPECT_EQ(GetProgramFolder().back(), '/');
}

TEST(Folders, SkinNamesListInternalSkinsAndFolders) {
    TsSkinManager sm;
    sm.SetActive(false);
    sm.InternalSkins()->Add()->SetName("Zeta");
    sm.InternalSkins()->Add()->SetName("Alfa");
    sm.SetSkinDirectory(std::string(TALLYVO_SOURCE_DIR) + "/tests/skin/data");
    TStringList names;
    names.Add("old");
    EXPECT_EQ(sm.ListSkinNames(names), "Zeta");
    EXPECT_EQ(names.CommaText(), "Alfa,Prueba,Zeta");
    sm.SetSkinDirectory("/no/such/folder");
    sm.ListSkinNames(names);
    EXPECT_EQ(names.Count(), 2);
}

TEST(Properties, ReachedByName) {
    TsSkinManager sm;
    EXPECT_TRUE(HasPublishedProperty(&sm, "SkinName"));
    EXPECT_FALSE(HasPublishedProperty(&sm, "Nothing"));
    EXPECT_EQ(GetObjectPropertyByName(&sm, "InternalSkins"), sm.InternalSkins());
    EXPECT_EQ(GetObjectPropertyByName(&sm, "SkinName"), nullptr);
    SetOrdPropertyByName(&sm, "HueOffset", 40);
    EXPECT_EQ(GetOrdPropertyByName(&sm, "HueOffset"), 40);
    EXPECT_EQ(GetOrdPropertyByName(&sm, "Nothing"), -1);
    TCacheInfo ci = MakeCacheInfo(nullptr, 3, 4);
    EXPECT_TRUE(ci.Ready);
    EXPECT_EQ(EmptyCacheInfo().X, -99);
}

} // namespace
