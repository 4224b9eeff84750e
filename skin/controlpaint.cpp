#include "skin/controlpaint.h"

#include <algorithm>

#include "framework/ui/controls.h"
#include "framework/ui/graphics.h"
#include "framework/ui/picture.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/text.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/elementpaint.h"
#include "skin/imagepaint.h"
#include "skin/skinmanager.h"

namespace tv {

using namespace win;

void PaintLinkBackground(TsCommonData* link, const TCacheInfo& ci, int state, TBitmap* bmp, POINT pt, const RECT& r) {
    if (!link) return;
    TColor color = clSkinKey;
    if (link->CustomColor()) {
        if (link->OwnerControl) color = link->OwnerControl->Color();
        else if (auto* c = dynamic_cast<TControl*>(link->OwnerObject)) color = c->Color();
    }
    PaintItemBackground(link->SkinIndex, link->SkinSection(), ci, color, link->HotTexture, link->Texture,
                        link->GetSkinManager(), bmp, pt, r, state);
}

void PaintSkinControl(TsCommonData* link, const TCacheInfo& ci, bool fillCentre, bool cornersFromCache, TBitmap* bmp,
                      POINT pt, const RECT& r, int state) {
    if (!link) return;
    TsSkinManager* sm = link->GetSkinManager();
    if (!sm) return;
    TControl* c = link->OwnerControl;
    ParentBackColor = clSkinKey;
    if (!ci.Ready && c && c->Parent()) {
        MaskFillColor = TColor(ColorToRGB(c->Parent()->Color()));
        ParentBackColor = MaskFillColor;
    } else if (ci.Ready && !link->IsTransparent() && ParentBackColor == clSkinKey && c && c->Parent()) {
        ParentBackColor = GetParentBgColor(c->Parent());
    }
    struct Reset {
        ~Reset() { MaskFillColor = ParentBackColor = clSkinKey; }
    } reset;
    PaintLinkBackground(link, ci, state, bmp, pt, r);
    TCacheInfo moved = ci;
    moved.X += pt.x;
    moved.Y += pt.y;
    if (sm->IsValidImgIndex(link->BorderIndex))
        PaintMaskedBorder(bmp, r, fillCentre, cornersFromCache, state, sm->ma[std::size_t(link->BorderIndex)], moved);
    MaskFillColor = ParentBackColor = clSkinKey;
    if (!sm->IsValidSkinIndex(link->SkinIndex)) return;
    auto corner = [&](const char* key, bool right, bool bottom) {
        int i = sm->GetMaskIndex(link->SkinIndex, link->SkinSection(), key);
        if (!sm->IsValidImgIndex(i)) return;
        const TsMaskData& md = sm->ma[std::size_t(i)];
        int w = md.R.Width() / std::max(1, md.ImageCount), h = md.R.Height() / (md.MaskType + 1);
        PaintMaskedGlyph(bmp, POINT{right ? r.right - w : r.left, bottom ? r.bottom - h : r.top}, state, md, 1);
    };
    corner("IMGTOPLEFT", false, false);
    corner("IMGTOPRIGHT", true, false);
    corner("IMGBTMLEFT", false, true);
    corner("IMGBTMRIGHT", true, true);
}

void WriteControlText(TCanvas* canvas, const std::string& text, bool enabled, bool hot, TsCommonData* link, UINT flags,
                      RECT& r) {
    if (!canvas || !link) return;
    TControl* c = link->OwnerControl;
    if (c) canvas->Font()->Assign(c->Font());
    TsSkinManager* sm = link->GetSkinManager();
    bool valid = sm && sm->IsValidSkinIndex(link->SkinIndex);
    if (hot && link->SkinSection() == "WEBBUTTON") {
        auto style = canvas->Font()->Style();
        style.Include(fsUnderline);
        canvas->Font()->SetStyle(style);
    }
    HDC dc = canvas->Handle();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    if (!valid || link->CustomFont()) {
        // The control's own font colour, once, without contours.
        canvas->Brush()->SetStyle(bsClear);
        RECT box = r;
        canvas->DrawText(text, box, flags | DT_NOCLIP);
    } else {
        WriteSkinnedText(canvas, text, enabled, sm, hot, link->SkinIndex, flags | DT_NOCLIP, r);
    }
    RestoreDC(dc, saved);
}

void FillTransparentCorners(TsCommonData* link, int state, int corners) {
    if (!link || !link->CacheBmp) return;
    TsSkinManager* sm = link->GetSkinManager();
    TControl* c = link->OwnerControl;
    if (!sm || !c || !sm->IsValidSkinIndex(link->SkinIndex) || !sm->IsValidImgIndex(link->BorderIndex)) return;
    if (c->Width() < 2 || c->Height() < 2) return;
    TCacheInfo ci = link->GetCacheInfo();
    ParentBackColor = clSkinKey;
    if (c->Parent()) {
        if (!ci.Ready) ParentBackColor = TColor(ColorToRGB(c->Parent()->Color()));
        else if (!link->ParentIsTransparent()) ParentBackColor = GetParentBgColor(c->Parent());
    }
    struct Reset {
        ~Reset() { ParentBackColor = clSkinKey; }
    } reset;
    TsMaskData md = sm->ma[std::size_t(link->BorderIndex)];
    TBitmap* src = md.Bmp ? md.Bmp.get() : sm->MasterBitmap.get();
    if (md.Bmp && md.ImageCount == 0) {
        md.ImageCount = 3;
        md.MaskType = 1;
        md.R = RECT{0, 0, md.Bmp->Width(), md.Bmp->Height()};
    }
    if (!src || md.ImageCount <= 0) return;
    if (ParentBackColor == clSkinKey) {
        ci.X += c->Left();
        ci.Y += c->Top();
    }
    TacFast24 img, cache, parent;
    if (!img.Attach(src) || !cache.Attach(link->CacheBmp.get())) return;
    bool haveParent = ci.Ready && ci.Bmp && parent.Attach(ci.Bmp);
    int sw = md.R.Width() / md.ImageCount, ih = md.R.Height() / (md.MaskType + 1);
    int sx = md.R.left + std::min(state, md.ImageCount - 1) * sw, sy = md.R.top;
    int cw = cache.Width(), ch = cache.Height();
    auto fill = [&](int imgX, int imgY, int cx, int cy, int w, int h) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int ix = imgX + x, iy = imgY + y, dx = cx + x, dy = cy + y;
                if (ix < 0 || iy < 0 || ix >= img.Width() || iy >= img.Height()) continue;
                if (dx < 0 || dy < 0 || dx >= cw || dy >= ch) continue;
                if (img.Pixel(ix, iy) != clSkinKey) continue;
                if (ParentBackColor != clSkinKey) {
                    cache.SetPixel(dx, dy, ParentBackColor);
                } else if (haveParent) {
                    int px = ci.X + dx, py = ci.Y + dy;
                    if (px >= 0 && py >= 0 && px < parent.Width() && py < parent.Height())
                        cache.SetPixel(dx, dy, parent.Pixel(px, py));
                }
            }
    };
    if (corners & 1) fill(sx, sy, 0, 0, md.WL, md.WT);
    if (corners & 2) fill(sx, sy + ih - md.WB, 0, ch - md.WB, md.WL, md.WB);
    if (corners & 4) fill(sx + sw - md.WR, sy, cw - md.WR, 0, md.WR, md.WT);
    if (corners & 8) fill(sx + sw - md.WR, sy + ih - md.WB, cw - md.WR, ch - md.WB, md.WR, md.WB);
}

void PaintCachedArea(TWinControl* container, TBitmap* cache, POINT srcOffset, HDC dc, const RECT& dst) {
    if (!container || !cache || !dc) return;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, dst.left, dst.top, dst.right, dst.bottom);
    bool designing = container->ComponentState().Contains(csDesigning);
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* c = container->Controls(i);
        if (!c->Visible()) continue;
        RECT b = c->BoundsRect();
        if (b.right <= dst.left || b.left >= dst.right || b.bottom <= dst.top || b.top >= dst.bottom) continue;
        bool graphic = !dynamic_cast<TWinControl*>(c);
        if (c->ControlStyle().Contains(csOpaque) || graphic || designing)
            ExcludeClipRect(dc, b.left, b.top, b.right, b.bottom);
    }
    BitBlt(dc, dst.left, dst.top, dst.Width(), dst.Height(), cache->Canvas()->Handle(), srcOffset.x, srcOffset.y,
           SRCCOPY);
    RestoreDC(dc, saved);
}

} // namespace tv
