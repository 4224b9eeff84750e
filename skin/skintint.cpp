// The hue and saturation tint of a loaded skin.
#include <set>

#include "framework/ui/picture.h"
#include "skin/blending.h"
#include "skin/skinmanager.h"
#include "skin/skinreaders.h"

namespace tv {

namespace {

TColor Hue(TColor c, int degrees) { return ShiftHue(degrees, c); }
TColor Sat(TColor c, int percent) { return ChannelAverageLimited(c, percent); }

void Tint(TsSkinManager& sm, TColor (*fn)(TColor, int), int arg) {
    if (sm.MasterBitmap) {
        sm.MasterBitmap->SetPixelFormat(pf24bit);
        RecolorBitmap(sm.MasterBitmap.get(), fn, arg);
    }
    std::set<TBitmap*> done;
    for (auto& md : sm.ma) {
        if (!md.Bmp || !done.insert(md.Bmp.get()).second) continue;
        md.Bmp->SetPixelFormat(pf24bit);
        RecolorBitmap(md.Bmp.get(), fn, arg);
    }
    auto colour = [&](TColor& c) { c = fn(c, arg); };
    auto contours = [&](TsFontColors& fc) {
        for (auto& c : fc)
            if (c != -1) colour(c);
    };
    auto steps = [&](TsGradArray& a) {
        for (auto& s : a) colour(s.Color1), colour(s.Color2);
    };
    for (auto& g : sm.gd) {
        colour(g.Color);
        colour(g.HotColor);
        contours(g.FontColor);
        contours(g.HotFontColor);
        steps(g.GradientArray);
        steps(g.HotGradientArray);
    }
    sm.SkinData.Shadow1Color = fn(sm.SkinData.Shadow1Color, arg);
}

} // namespace

void TintSkin(TsSkinManager& sm) {
    if (sm.HueOffset() != 0) Tint(sm, &Hue, sm.HueOffset() % 360);
    if (sm.Saturation() != 0) Tint(sm, &Sat, -(sm.Saturation() % 101));
}

} // namespace tv
