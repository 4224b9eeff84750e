// Reading a skin folder: globals, sections with inheritance, images of every
// syntax, JPEG textures, extra sections, tints and the fallbacks.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "skin/blending.h"
#include "skin/imagepaint.h"
#include "skin/skinmanager.h"
#include "skin/skintestutils.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

class FolderSkin : public ::testing::Test {
protected:
    void Load(const std::string& dir, const std::string& name) {
        sm.SetSkinDirectory(dir);
        sm.SetSkinName(name);
    }
    const TsGeneralData& Section(const std::string& name) {
        int i = sm.GetSectionIndex(name);
        EXPECT_GE(i, 0) << name;
        return sm.gd.at(std::size_t(i));
    }
    const TsMaskData& Image(const std::string& section, const std::string& key) {
        int i = sm.GetMaskIndexByName(section, key);
        EXPECT_GE(i, 0) << section << "." << key;
        return sm.ma.at(std::size_t(i));
    }
    TsSkinManager sm;
    std::string data = std::string(TALLYVO_SOURCE_DIR) + "/tests/skin/data";
};

TEST_F(FolderSkin, ReadsTheGlobalValuesAndTheMasterBitmap) {
    char separator = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = ',';
    Load(data, "Prueba");
    FormatSettings.DecimalSeparator = separator;
    ASSERT_TRUE(sm.SkinData.Active);
    EXPECT_DOUBLE_EQ(sm.SkinData.Version, 4.83);
    EXPECT_EQ(sm.SkinInfo(), "4.83");
    EXPECT_EQ(sm.SkinData.Author, "Tallyvo");
    EXPECT_EQ(sm.SkinData.Description, "Piel de prueba");
    EXPECT_EQ(sm.SkinData.Shadow1Color, 0x102030);
    EXPECT_EQ(sm.SkinData.Shadow1Offset, 2);
    EXPECT_EQ(sm.SkinData.Shadow1Blur, 4);
    EXPECT_EQ(sm.SkinData.Shadow1Transparency, 40);
    ASSERT_TRUE(sm.MasterBitmap);
    EXPECT_EQ(sm.MasterBitmap->Width(), 64);
    EXPECT_EQ(sm.MasterBitmap->PixelFormat(), pf24bit);
    EXPECT_EQ(sm.SkinData.SkinPath.back(), '\\');
    EXPECT_EQ(sm.GetGlobalColor(), 0xD9E8ED);
    EXPECT_EQ(sm.GetGlobalFontColor(), 0x2B354D);
    EXPECT_EQ(Section("GLOBALINFO").FontColor[1], 0xBAE7FF);
    EXPECT_EQ(Section("GLOBALINFO").FontColor[2], -1);
}

TEST_F(FolderSkin, SectionsStandInFileOrderAndInheritFromTheirParents) {
    Load(data, "Prueba");
    std::vector<std::string> names;
    for (const auto& g : sm.gd) names.push_back(g.ClassName);
    EXPECT_EQ(names, (std::vector<std::string>{"GLOBALINFO", "PANEL", "BUTTON", "EDIT", "SELF", "NOPARENT", "LOOPA",
                                               "LOOPB", "COMBOBOX", "CHECKBOX"}));
    const TsGeneralData& button = Section("BUTTON");
    EXPECT_EQ(button.ParentClass, "PANEL");
    EXPECT_EQ(button.Color, 0xC0C0C0) << "-1 counts as absent";
    EXPECT_EQ(button.Transparency, 10);
    EXPECT_EQ(button.Bevel, cbRaisedHard);
    EXPECT_TRUE(button.ShowFocus);
    EXPECT_EQ(button.ShadowColor, 0) << "the shadow colour is never inherited";
    EXPECT_EQ(button.FontColor[0], 0x000080);
    EXPECT_TRUE(button.GradientArray.empty());
    EXPECT_EQ(Section("PANEL").ShadowColor, 0x123456);
    EXPECT_EQ(Section("EDIT").Transparency, 0);
    // A parent naming the section itself or "?" stops the chain: the defaults hold.
    EXPECT_EQ(Section("SELF").Transparency, 0);
    EXPECT_EQ(Section("NOPARENT").Transparency, 0);
    EXPECT_EQ(Section("NOPARENT").ShadowBlur, 6);
    EXPECT_EQ(Section("NOPARENT").Color, 0xFFFFFF);
    // Two sections naming each other end the search instead of hanging.
    EXPECT_EQ(Section("LOOPA").ShadowOffset, 3);
    EXPECT_EQ(sm.GetMaskIndex(sm.GetSectionIndex("LOOPA"), "LOOPA", "BORDERSMASK"), -1);

    const TsGradArray& steps = Section("PANEL").GradientArray;
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].Color1, 255);
    EXPECT_EQ(steps[0].Color2, 65280);
    EXPECT_EQ(steps[0].Percent, 50);
    EXPECT_EQ(steps[1].Color2, 16711680);
}

TEST_F(FolderSkin, ImagesOfEverySyntax) {
    Load(data, "Prueba");
    const TsMaskData& glyph = Image("GLOBALINFO", "BOXCHECKED");
    EXPECT_EQ(glyph.ImgType, itisaGlyph);
    EXPECT_EQ(glyph.R.right, 36);
    EXPECT_EQ(glyph.R.bottom, 12);
    EXPECT_EQ(glyph.ImageCount, 3);
    EXPECT_FALSE(glyph.Bmp);
    EXPECT_EQ(glyph.Manager, &sm);

    const TsMaskData& border = Image("PANEL", "BORDERSMASK");
    EXPECT_EQ(border.ImgType, itisaBorder);
    EXPECT_EQ(border.R.top, 12);
    EXPECT_EQ(border.MaskType, 1);
    EXPECT_EQ((std::vector<int>{border.WL, border.WT, border.WR, border.WB}), (std::vector<int>{4, 3, 4, 3}));
    const TsMaskData& edit = Image("EDIT", "BORDERSMASK");
    EXPECT_EQ((std::vector<int>{edit.WL, edit.WT, edit.WR, edit.WB}), (std::vector<int>{2, 2, 2, 2}));

    const TsMaskData& tex = Image("PANEL", "PATTERN");
    EXPECT_EQ(tex.ImgType, itisaTexture);
    EXPECT_EQ(tex.DrawMode, 2);
    EXPECT_EQ(tex.ImageCount, 1);
    EXPECT_EQ(Image("COMBOBOX", "TEXTURE2").MaskType, 0);

    // Rectangles written with "#": textures for the pattern keys, borders otherwise.
    const TsMaskData& pattern = Image("COMBOBOX", "PATTERN");
    EXPECT_EQ(pattern.ImgType, itisaTexture);
    EXPECT_EQ(pattern.DrawMode, 0);
    EXPECT_EQ(pattern.R.left, 36);
    EXPECT_EQ(Image("COMBOBOX", "HOTPATTERN").DrawMode, 0);
    const TsMaskData& hashBorder = Image("COMBOBOX", "GLYPHMASK");
    EXPECT_EQ(hashBorder.ImgType, itisaBorder);
    EXPECT_EQ(hashBorder.DrawMode, 1);
    EXPECT_EQ(hashBorder.WL, 2);
    EXPECT_EQ(hashBorder.WB, 2);

    // Picture files: margins from the size (90 x 60, three states, one mask band).
    const TsMaskData& check = Image("CHECKBOX", "GLYPHMASK");
    ASSERT_TRUE(check.Bmp);
    EXPECT_EQ(check.ImgType, itisaGlyph);
    EXPECT_EQ(check.R.right, 90);
    EXPECT_EQ((std::vector<int>{check.WL, check.WT, check.WR, check.WB}), (std::vector<int>{10, 10, 10, 10}));
    const TsMaskData& small = Image("CHECKBOX", "SMALLMASK");
    EXPECT_EQ((std::vector<int>{small.WL, small.WT, small.WR, small.WB}), (std::vector<int>{1, 2, 3, 4}));
    // A plain file name, upper-cased, found whatever the case of the file on disk.
    const TsMaskData& face = Image("CHECKBOX", "BUTTONFACE");
    ASSERT_TRUE(face.Bmp);
    EXPECT_EQ(face.ImageCount, 3);
    EXPECT_EQ(face.MaskType, 1);
    EXPECT_EQ(face.WL, 3);
    EXPECT_EQ(face.WT, 3);
    EXPECT_EQ(sm.GetMaskIndexByName("CHECKBOX", "MISSING"), -1);
    EXPECT_EQ(sm.GetMaskIndexByName("CHECKBOX", "NOTANIMAGE"), -1);
}

TEST_F(FolderSkin, LookupsFollowTheParentChain) {
    Load(data, "Prueba");
    int button = sm.GetSectionIndex("BUTTON");
    EXPECT_EQ(sm.GetMaskIndex(button, "BUTTON", "BORDERSMASK"), sm.GetMaskIndexByName("PANEL", "BORDERSMASK"));
    EXPECT_EQ(sm.GetTextureIndex(button, "BUTTON", "PATTERN"), sm.GetMaskIndexByName("PANEL", "PATTERN"));
    EXPECT_EQ(sm.GetTextureIndex(button, "BUTTON", "BORDERSMASK"), -1) << "a border is no texture";
    EXPECT_EQ(sm.GetMaskIndexByName("BUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(sm.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(sm.GetMaskIndex(button, "", "BORDERSMASK"), -1);
    EXPECT_EQ(sm.GetSectionIndex("button"), -1) << "names are compared exactly";
    EXPECT_EQ(sm.ConstData.IndexGlobalInfo, 0);
    EXPECT_EQ(sm.ConstData.CheckBoxChecked, sm.GetMaskIndexByName("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(sm.ConstData.CheckBoxGrayed, -1);
}

TEST_F(FolderSkin, JpegTexturesByTheirSize) {
    tvtest::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Jpeg");
    skintest::WriteJpeg(dir.file("Jpeg/big.jpg"), 300, 300, 200, 100, 50);
    skintest::WriteJpeg(dir.file("Jpeg/small.jpg"), 299, 300, 200, 100, 50);
    skintest::WriteText(dir.file("Jpeg/Options.dat"),
                        "[GLOBALINFO]\nVERSION=5.0\n[FORM]\nPATTERN=Big.jpg\nHOTPATTERN=small.JPG\nOTHER=none.jpg\n");
    Load(dir.path().string(), "Jpeg");
    ASSERT_EQ(sm.pa.size(), 1u);
    EXPECT_EQ(sm.pa[0].ClassName, "FORM");
    EXPECT_EQ(sm.pa[0].PropertyName, "PATTERN");
    EXPECT_EQ(sm.pa[0].Img->Width(), 300);
    int small = sm.GetMaskIndexByName("FORM", "HOTPATTERN");
    ASSERT_GE(small, 0);
    EXPECT_EQ(sm.ma[std::size_t(small)].ImgType, itisaTexture);
    EXPECT_EQ(sm.ma[std::size_t(small)].Bmp->Width(), 299);
    int form = sm.GetSectionIndex("FORM");
    EXPECT_EQ(sm.GetPatternIndex(form, "FORM", "PATTERN"), 0);
    EXPECT_EQ(sm.SkinInfo(), "5");
}

TEST_F(FolderSkin, UnreadableNumbersEndTheLoad) {
    struct Case {
        const char* options;
    } cases[] = {
        {"[GLOBALINFO]\nSHADOW1BLUR=blur\n"},
        {"[GLOBALINFO]\nMASTERBITMAP=m.bmp\n[PANEL]\nX=@00a0 0000 0036 0012 3 0\n"},
        {"[PANEL]\nX=^0000 0012 0030 0032 zz\n"},
        {"[PANEL]\nX=# (1,2,x,4) (1,0)\n"},
    };
    for (const auto& c : cases) {
        tvtest::TempDir dir;
        std::filesystem::create_directories(dir.path() / "Mala");
        skintest::WriteText(dir.file("Mala/Options.dat"), c.options);
        TsSkinManager m;
        m.SetSkinDirectory(dir.path().string());
        EXPECT_THROW(m.SetSkinName("Mala"), EConvertError) << c.options;
        EXPECT_FALSE(SkinIsChanging);
    }
}

// Numbers out of range are clamped when the skin is read, so painting neither
// divides by zero (a mask type of -1) nor overflows (margins near the limit).
TEST_F(FolderSkin, OutOfRangeNumbersAreClampedAndPaint) {
    tvtest::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Rara");
    auto master = skintest::Solid(64, 32, 0x336699);
    master->SaveToFile(dir.file("Rara/master.bmp"));
    master->SaveToFile(dir.file("Rara/boton.bmp"));
    skintest::WriteText(dir.file("Rara/Options.dat"),
                        "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
                        "[BUTTON]\nBORDERSMASK=!boton.bmp!1!-1!1\n"
                        "[PANEL]\nBORDERSMASK=#(0,0,64,32) (2147483647,0)\n"
                        "[EDIT]\nBORDERSMASK=# (-2147483648,0,2147483647,32) (3,2147483647,2147483647)\n"
                        "[MEMO]\nBORDERSMASK=!boton.bmp!2147483647!2147483647!1!-5!2147483647!0!0\n");
    Load(dir.path().string(), "Rara");
    ASSERT_TRUE(sm.SkinData.Active);
    for (const char* section : {"BUTTON", "PANEL", "EDIT", "MEMO"}) {
        const TsMaskData& md = Image(section, "BORDERSMASK");
        EXPECT_GE(md.MaskType, 0) << section;
        EXPECT_LE(md.ImageCount, kMaxSkinImageCount) << section;
        for (int v : {int(md.R.left), int(md.R.right), md.WL, md.WT, md.WR, md.WB, md.BorderWidth}) {
            EXPECT_GE(v, 0) << section;
            EXPECT_LE(v, kMaxSkinCoord) << section;
        }
        auto dst = skintest::Solid(40, 30, 0xFFFFFF);
        PaintMaskedBorder(dst.get(), {0, 0, 40, 30}, true, false, 0, md, EmptyCacheInfo());
        PaintMaskedGlyph(dst.get(), {0, 0}, 0, md, 1);
    }
    EXPECT_EQ(Image("BUTTON", "BORDERSMASK").MaskType, 0);
}

TEST_F(FolderSkin, ExtraSectionsFollowTheSkin) {
    TStringList extra;
    extra.Add("[MYPANEL]");
    extra.Add("PARENTCLASS = PANEL");
    extra.Add("TRANSPARENCY=70");
    extra.Add("FRAME=# (0,12,30,32) (1,1,3)");
    extra.Add("FACE=boton.bmp");
    sm.SetSkinDirectory(data);
    sm.SetSkinName("Prueba");
    sm.SetCommonSections(&extra);
    EXPECT_EQ(sm.CommonSections()->Strings(1), "PARENTCLASS=PANEL");
    const TsGeneralData& mine = Section("MYPANEL");
    EXPECT_EQ(mine.Transparency, 70);
    EXPECT_EQ(mine.Color, 0xC0C0C0);
    EXPECT_EQ(sm.gd.back().ClassName, "MYPANEL");
    EXPECT_EQ(Image("MYPANEL", "FRAME").WL, 3);
    const TsMaskData& face = Image("MYPANEL", "FACE");
    EXPECT_EQ(face.ImageCount, 0);
    EXPECT_EQ(face.WL, 0);
}

TEST_F(FolderSkin, HueAndSaturationTintTheSkin) {
    sm.SetHueOffset(120); // no skin yet: only stored
    EXPECT_EQ(sm.HueOffset(), 120);
    Load(data, "Prueba");
    // Pure red turns green; greys and the key colour stay.
    EXPECT_EQ(Section("PANEL").GradientArray[0].Color1, 0x00FF00);
    EXPECT_EQ(Section("PANEL").Color, 0xC0C0C0);
    EXPECT_EQ(skintest::Px(sm.MasterBitmap.get(), 1, 0), TColor(0x00C800)) << "red glyph state";
    EXPECT_EQ(skintest::Px(sm.MasterBitmap.get(), 0, 0), clSkinKey);
    EXPECT_EQ(sm.SkinData.Shadow1Color, ShiftHue(120, 0x102030));
    sm.SetHueOffset(0);
    EXPECT_EQ(skintest::Px(sm.MasterBitmap.get(), 1, 0), TColor(0x0000C8)) << "reloaded untinted";
    sm.SetSaturation(150);
    EXPECT_EQ(Section("GLOBALINFO").Color, ChannelAverageLimited(0xD9E8ED, -49));
}

TEST_F(FolderSkin, AMissingFolderFallsBackToTheFirstInternalSkin) {
    TsStoredSkin* a = sm.InternalSkins()->Add();
    a->SetName("Primera");
    a->GeneralData()->Add()->SetSectionName("GLOBALINFO");
    sm.InternalSkins()->Add()->SetName("Segunda");
    Load(data, "NoExiste");
    EXPECT_EQ(sm.SkinName(), "Primera");
    EXPECT_TRUE(sm.SkinData.SkinPath.empty());
    EXPECT_EQ(sm.GetSectionIndex("GLOBALINFO"), 0);

    TsSkinManager bare;
    bare.SetSkinDirectory(data);
    bare.SetSkinName("NoExiste");
    EXPECT_FALSE(bare.Active());
    EXPECT_EQ(bare.SkinInfo(), "N/A");
}

TEST_F(FolderSkin, SwitchingOffEmptiesTheTables) {
    Load(data, "Prueba");
    sm.SetActive(false);
    EXPECT_TRUE(sm.gd.empty());
    EXPECT_TRUE(sm.ma.empty());
    EXPECT_FALSE(sm.MasterBitmap);
    EXPECT_EQ(sm.GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(sm.GetGlobalFontColor(), clSkinKey);
    EXPECT_EQ(sm.SkinInfo(), "N/A");
    sm.SetActive(true);
    EXPECT_EQ(sm.GetGlobalColor(), 0xD9E8ED);
}

} // namespace
