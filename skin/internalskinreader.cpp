// Filling the tables from an internal skin, stored with the manager.
#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/ui/picture.h"
#include "skin/skinmanager.h"
#include "skin/skinreaders.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {

TsStoredSkin* Chosen(TsSkinManager& sm) {
    int i = sm.InternalSkins()->IndexOf(sm.SkinName());
    return i < 0 ? nullptr : sm.InternalSkins()->Items(i);
}

// Five numbers give the text colour and the four contours; anything else none.
TsFontColors SplitFontColors(const std::string& text) {
    if (CountWordsBySet(text, " ") != 5) return DefaultFontColors;
    TsFontColors fc;
    for (int k = 0; k < 5; ++k) fc[k] = StrToInt(ExtractWordBySet(k + 1, text, " "));
    return fc;
}

} // namespace

void ReadInternalImages(TsSkinManager& sm) {
    TsStoredSkin* skin = Chosen(sm);
    if (!skin) return;
    sm.MasterBitmap.reset();
    if (!skin->MasterBitmap()->Empty()) {
        auto master = std::make_unique<TBitmap>();
        master->Assign(skin->MasterBitmap());
        master->SetTransparentColor(clSkinKey);
        master->SetTransparent(true);
        master->SetPixelFormat(pf24bit);
        sm.MasterBitmap = std::move(master);
    }
    TsSkinImages* images = skin->Images();
    for (int i = 0; i < images->Count(); ++i) {
        TsSkinImage* item = images->Items(i);
        TsMaskData md;
        if (!item->Image()->Empty() && !item->Name().empty()) {
            md.Bmp = std::make_shared<TBitmap>();
            md.Bmp->Assign(item->Image());
            md.Bmp->SetPixelFormat(pf24bit);
            md.R = RECT{0, 0, md.Bmp->Width(), md.Bmp->Height()};
        } else {
            md.R = RECT{item->Left(), item->Top(), item->Right(), item->Bottom()};
        }
        md.PropertyName = UpperCase(item->PropertyName());
        md.ClassName = UpperCase(item->SectionName());
        md.ImageCount = item->ImageCount();
        md.MaskType = item->MaskType();
        md.BorderWidth = item->BorderWidth();
        if (md.ImageCount == 0) {
            md.ImageCount = 3;
            md.MaskType = 1;
        }
        if (md.PropertyName == "PATTERN" || md.PropertyName == "HOTPATTERN") {
            md.DrawMode = item->ImgType() == itisaTexture ? item->StretchMode() : 0;
            md.ImgType = itisaTexture;
        } else {
            md.DrawMode = item->StretchMode();
            md.ImgType = item->ImgType();
        }
        md.WL = item->WL(), md.WT = item->WT(), md.WR = item->WR(), md.WB = item->WB();
        if (md.WL == 0 && md.WT == 0 && md.WR == 0 && md.WB == 0) {
            if (md.BorderWidth != 0) md.WL = md.WT = md.WR = md.WB = md.BorderWidth;
            else ComputeMargins(md, md.MaskType + 1);
        }
        md.Manager = &sm;
        sm.ma.push_back(std::move(md));
    }
}

void ReadInternalTextures(TsSkinManager& sm) {
    TsStoredSkin* skin = Chosen(sm);
    if (!skin) return;
    TsSkinPatterns* patterns = skin->Patterns();
    for (int i = 0; i < patterns->Count(); ++i) {
        TsSkinPattern* item = patterns->Items(i);
        TacJPEGImage* source = item->Image();
        if (source->Empty()) {
            // A pattern stored once serves every item of the same name.
            for (int j = 0; j < patterns->Count(); ++j) {
                TsSkinPattern* other = patterns->Items(j);
                if (j != i && other->Name() == item->Name() && !other->Image()->Empty()) {
                    source = other->Image();
                    break;
                }
            }
        }
        auto jpeg = std::make_shared<TacJPEGImage>();
        jpeg->Assign(source);
        sm.pa.push_back(TsPatternData{jpeg, UpperCase(item->SectionName()), UpperCase(item->PropertyName())});
    }
}

void ReadInternalSections(TsSkinManager& sm) {
    TsStoredSkin* skin = Chosen(sm);
    if (!skin) return;
    sm.gd.clear();
    TsSkinData& sd = sm.SkinData;
    sd.Version = skin->Version();
    sd.Author = skin->Author();
    sd.Description = skin->Description();
    sd.Shadow1Color = skin->Shadow1Color();
    sd.Shadow1Offset = skin->Shadow1Offset();
    sd.Shadow1Blur = skin->Shadow1Blur();
    sd.Shadow1Transparency = skin->Shadow1Transparency();
    TsSkinGenerals* generals = skin->GeneralData();
    for (int i = 0; i < generals->Count(); ++i) {
        TsSkinGeneral* s = generals->Items(i);
        sm.gd.emplace_back();
        TsGeneralData& g = sm.gd.back();
        try {
            g.ClassName = s->SectionName();
            g.ParentClass = s->ParentClass();
            g.Color = s->Color();
            g.Bevel = s->Bevel();
            g.ShadowBlur = s->ShadowBlur();
            g.ShadowColor = s->ShadowColor();
            g.ShadowEnabled = s->ShadowEnabled();
            g.ReservedBoolean = s->ReservedBoolean();
            g.ShadowOffset = s->ShadowOffset();
            g.ShadowTransparency = s->ShadowTransparency();
            g.Transparency = s->Transparency();
            g.GradientPercent = s->GradientPercent();
            g.GradientData = s->GradientData();
            g.ImagePercent = s->ImagePercent();
            g.ShowFocus = s->ShowFocus();
            g.FadingEnabled = s->FadingEnabled();
            g.FadingIntervalIn = s->FadingIntervalIn();
            g.FadingIntervalOut = s->FadingIntervalOut();
            g.FadingIterations = s->FadingIterations();
            g.HotColor = s->HotColor();
            g.HotTransparency = s->HotTransparency();
            g.HotBevel = s->HotBevel();
            g.HotGradientPercent = s->HotGradientPercent();
            g.HotGradientData = s->HotGradientData();
            g.HotImagePercent = s->HotImagePercent();
            g.BorderColor1 = s->BorderColor1();
            g.BorderColor2 = s->BorderColor2();
            g.GradientArray = ParseGradientData(g.GradientData);
            g.HotGradientArray = ParseGradientData(g.HotGradientData);
            g.FontColor = SplitFontColors(s->FontColor());
            g.HotFontColor = SplitFontColors(s->HotFontColor());
        } catch (const EConvertError&) {
            // The section keeps what was read before the bad number.
        }
    }
}

} // namespace tv
