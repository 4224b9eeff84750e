// The internal skins the program carries, and how a stored skin fills the tables.
#include <gtest/gtest.h>

#include <map>

#include "skin/blending.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "skin/skintestutils.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

const std::vector<std::string> kSelectedSections = {
    "GLOBALINFO", "DIVIDER", "EDIT", "TABCONTROLBOTTOM", "TABCONTROLLEFT", "TABCONTROLRIGHT", "TABBOTTOM", "TRACKBAR",
    "TABLEFT", "TABRIGHT", "ALPHAEDIT", "BARPANEL", "BUTTON", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLBTNTOP",
    "SCROLLBTNBOTTOM", "SCROLLBAR1V", "SCROLLSLIDERH", "SCROLLSLIDERV", "SCROLLBAR2V", "SCROLLBAR2H", "SCROLLBAR1H",
    "PANEL", "PROGRESSV", "GAUGE", "GROUPBOX", "CHECKBOX", "DRAGBAR", "MENUITEM", "RADIOBUTTON", "SPEEDBUTTON",
    "SPEEDBUTTON_SMALL", "STATUSBAR", "TOOLBUTTON", "WEBBUTTON", "TABTOP", "PAGECONTROL", "PAGECONTROLBOTTOM",
    "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "BAR", "PROGRESSH", "TABCONTROL", "MENULINE", "BUTTON_BIG", "COLHEADER",
    "FORMTITLE", "SPLITTER", "MAINMENU", "ICOLINE", "EXTRALINE", "DIALOG", "PANEL_LOW", "GRIPH", "BARTITLE", "FORM",
    "HINT", "BUTTON_HUGE", "TOOLBAR", "COMBOBOX", "ALPHACOMBOBOX"};

TEST(InternalSkins, FourSkinsOfTheGivenShape) {
    TsStoredSkins skins;
    LoadInternalSkins(&skins);
    ASSERT_EQ(skins.Count(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(skins.Items(i)->Version(), 4.83);
    TsStoredSkin* sel = skins.Items(3);
    EXPECT_EQ(sel->Name(), DefaultInternalSkin);
    EXPECT_DOUBLE_EQ(sel->Version(), 5.0);
    EXPECT_EQ(sel->Shadow1Color(), 0x726359);
    EXPECT_EQ(sel->Shadow1Offset(), 1);
    EXPECT_EQ(sel->Shadow1Blur(), 5);
    EXPECT_EQ(sel->Shadow1Transparency(), 50);

    ASSERT_EQ(sel->GeneralData()->Count(), 63);
    for (std::size_t i = 0; i < kSelectedSections.size(); ++i)
        EXPECT_EQ(sel->GeneralData()->Items(int(i))->SectionName(), kSelectedSections[i]);
    TsSkinGeneral* last = sel->GeneralData()->Items(62);
    EXPECT_EQ(last->SectionName(), "");
    EXPECT_EQ(last->Color(), 0);
    EXPECT_FALSE(last->ShadowEnabled());

    std::map<std::string, int> keys;
    int own = 0;
    for (int i = 0; i < sel->Images()->Count(); ++i) {
        TsSkinImage* img = sel->Images()->Items(i);
        ++keys[img->PropertyName()];
        if (!img->Image()->Empty() && !img->Name().empty()) ++own;
    }
    EXPECT_EQ(sel->Images()->Count(), 90);
    EXPECT_EQ(keys["BORDERSMASK"], 48);
    EXPECT_EQ(keys["GLYPHMASK"], 8);
    EXPECT_EQ(keys["PATTERN"], 3);
    EXPECT_EQ(keys["HOTPATTERN"], 1);
    EXPECT_EQ(keys["IMGTOPRIGHT"], 3);
    EXPECT_EQ(own, 4);
    EXPECT_EQ(sel->Patterns()->Count(), 0);
    EXPECT_FALSE(sel->MasterBitmap()->Empty());
}

TEST(InternalSkins, TheSelectedSkinLoadsIntoAManager) {
    TsSkinManager sm;
    sm.SetActive(false);
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinDirectory("/no/skins/here");
    sm.SetSkinName(DefaultInternalSkin);
    sm.SetActive(true);
    EXPECT_EQ(sm.SkinInfo(), "5");
    EXPECT_EQ(sm.gd.size(), 63u);
    EXPECT_EQ(sm.ma.size(), 90u);
    EXPECT_TRUE(sm.SkinData.SkinPath.empty());
    EXPECT_EQ(sm.GetGlobalColor(), 0xEDE8D9);
    EXPECT_EQ(sm.GetGlobalFontColor(), 0x4D352B);
    EXPECT_EQ(sm.gd[0].FontColor[1], 0xFFE7BA);
    EXPECT_EQ(sm.gd[0].FontColor[2], -1);
    EXPECT_EQ(sm.gd[0].HotColor, 0xFFFFFF);
    EXPECT_EQ(sm.gd[0].ShadowTransparency, 60);
    EXPECT_EQ(sm.SkinData.Shadow1Color, 0x726359);
    EXPECT_GE(sm.ConstData.CheckBoxChecked, 0);
    EXPECT_GE(sm.ConstData.ScrollBtns[0].Glyph, 0);
    EXPECT_GE(sm.ConstData.ScrollBtns[0].Border, 0);
    int huge = sm.GetMaskIndex(sm.GetSectionIndex("BUTTON_HUGE"), "BUTTON_HUGE", "BORDERSMASK");
    ASSERT_GE(huge, 0);
    EXPECT_TRUE(sm.ma[std::size_t(huge)].Bmp);
    int pattern = sm.GetTextureIndex(sm.GetSectionIndex("FORM"), "FORM", "PATTERN");
    ASSERT_GE(pattern, 0);
    EXPECT_EQ(sm.ma[std::size_t(pattern)].ImgType, itisaTexture);

    // The inventory module's tint.
    sm.SetHueOffset(220);
    sm.SetSaturation(50);
    EXPECT_NE(sm.GetGlobalColor(), 0xEDE8D9);
    EXPECT_EQ(sm.SkinData.Shadow1Color, ChannelAverageLimited(ShiftHue(220, 0x726359), -50));
}

TEST(InternalSkins, StoredValuesBecomeTableEntries) {
    TsSkinManager sm;
    sm.SetActive(false);
    TsStoredSkin* skin = sm.InternalSkins()->Add();
    skin->SetName("Prueba");
    auto master = skintest::Solid(30, 12, 0x112233);
    skin->SetMasterBitmap(master.get());
    skin->SetVersion(4.83);

    TsSkinGeneral* g = skin->GeneralData()->Add();
    g->SetSectionName("PANEL");
    g->SetFontColor("");
    g->SetHotFontColor("1 2 3 4 5");
    g->SetGradientData("1;2;50;0;0");
    g->SetColor(clBtnFace);
    TsSkinGeneral* bad = skin->GeneralData()->Add();
    bad->SetSectionName("BAD");
    bad->SetColor(0x123);
    bad->SetGradientData("x;y;z;w;v");
    bad->SetHotGradientPercent(9);

    TsSkinImage* cut = skin->Images()->Add();
    cut->SetSectionName("panel");
    cut->SetPropertyName("bordersmask");
    cut->SetRight(30), cut->SetBottom(12);
    auto ignored = skintest::Solid(5, 5, 0);
    cut->SetImage(ignored.get()); // no name: the master's rectangle counts
    TsSkinImage* pat = skin->Images()->Add();
    pat->SetSectionName("PANEL");
    pat->SetPropertyName("PATTERN");
    pat->SetImageCount(1);
    pat->SetStretchMode(4);
    pat->SetImgType(itisaBorder);

    TsSkinPattern* a = skin->Patterns()->Add();
    a->SetName("tile");
    a->SetSectionName("form");
    a->SetPropertyName("pattern");
    TsSkinPattern* b = skin->Patterns()->Add();
    b->SetName("tile");
    b->SetSectionName("DIALOG");
    b->SetPropertyName("PATTERN");
    tvtest::TempDir dir;
    skintest::WriteJpeg(dir.file("t.jpg"), 8, 8, 10, 20, 30);
    b->Image()->LoadFromFile(dir.file("t.jpg"));

    sm.SetSkinName("Prueba");
    sm.SetActive(true);
    ASSERT_EQ(sm.gd.size(), 2u);
    EXPECT_EQ(sm.gd[0].FontColor, DefaultFontColors) << "an empty text gives 0 and no contours";
    EXPECT_EQ(sm.gd[0].HotFontColor[4], 5);
    EXPECT_EQ(sm.gd[0].Color, clBtnFace) << "stored as it is";
    EXPECT_EQ(sm.gd[0].GradientArray.size(), 1u);
    EXPECT_EQ(sm.gd[1].Color, 0x123) << "a bad gradient leaves the section as far as it was read";
    EXPECT_EQ(sm.gd[1].HotGradientPercent, 9);

    ASSERT_EQ(sm.ma.size(), 2u);
    const TsMaskData& border = sm.ma[0];
    EXPECT_FALSE(border.Bmp);
    EXPECT_EQ(border.ClassName, "PANEL");
    EXPECT_EQ(border.PropertyName, "BORDERSMASK");
    EXPECT_EQ(border.ImageCount, 3) << "a count of 0 becomes 3";
    EXPECT_EQ(border.MaskType, 1);
    EXPECT_EQ(border.WL, 3) << "30 / 9";
    EXPECT_EQ(border.WT, 2) << "12 / 6";
    EXPECT_EQ(sm.ma[1].ImgType, itisaTexture);
    EXPECT_EQ(sm.ma[1].DrawMode, 0) << "a pattern stored as no texture draws tiled";

    ASSERT_EQ(sm.pa.size(), 2u);
    EXPECT_EQ(sm.pa[0].ClassName, "FORM");
    EXPECT_EQ(sm.pa[0].Img->Width(), 8) << "borrowed from the item of the same name";
}

} // namespace
