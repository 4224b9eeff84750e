#include "skin/elementpaint.h"

#include <algorithm>
#include <memory>

#include "framework/ui/picture.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/sysmetrics.h"
#include "skin/blending.h"
#include "skin/gradient.h"
#include "skin/imagepaint.h"
#include "skin/jpegimage.h"
#include "skin/skinmanager.h"

namespace tv {

using namespace win;

namespace {

// The values of one state of a section.
struct StateValues {
    TColor color;
    int imagePercent, gradientPercent, transparency;
    const TsGradArray* steps;
};

StateValues ValuesOf(const TsGeneralData& g, int state, TColor color) {
    bool hot = state != 0;
    return StateValues{color != clSkinKey ? color : hot ? g.HotColor : g.Color, hot ? g.HotImagePercent : g.ImagePercent,
                       hot ? g.HotGradientPercent : g.GradientPercent, hot ? g.HotTransparency : g.Transparency,
                       hot ? &g.HotGradientArray : &g.GradientArray};
}

// The texture of a layer: an image of the table, or a picture of the texture table.
struct Texture {
    const TsMaskData* image = nullptr;
    TacJPEGImage* picture = nullptr;
    bool Exists() const { return image || picture; }
};

bool Inside(TBitmap* bmp, const RECT& r) {
    return bmp && !bmp->Empty() && r.left >= 0 && r.top >= 0 && r.right <= bmp->Width() && r.bottom <= bmp->Height() &&
           r.right > r.left && r.bottom > r.top;
}

RECT Inclusive(const RECT& r) { return RECT{r.left, r.top, r.right - 1, r.bottom - 1}; }

void FillColour(TBitmap* bmp, const RECT& r, TColor c) { FillRectPixels(bmp, r, TColor(ColorToRGB(c))); }

void PaintGradientOrColour(TBitmap* bmp, const RECT& r, const StateValues& v) {
    if (v.steps->empty()) FillColour(bmp, r, v.color);
    else PaintGradient(bmp, r, *v.steps);
}

// The layers of a background: texture, gradient over it, colour mixed in.
void PaintLayers(TBitmap* bmp, const RECT& r, const StateValues& v, const Texture& tex, const TCacheInfo& ci, bool fast) {
    bool textured = false;
    if (v.imagePercent > 0 && tex.Exists()) {
        RECT left = r;
        if (tex.picture) {
            PaintTexture(bmp, left, tex.picture, 0, TsMaskData{});
        } else if (tex.image->MaskType > 0) {
            PaintMaskedTextureTiled(bmp, r, ci, tex.image->DrawMode, *tex.image);
            left = RECT{-1, -1, -1, -1};
        } else {
            PaintTexture(bmp, left, tex.image->Bmp.get(), tex.image->DrawMode, *tex.image);
        }
        if (left.left != -1) FillColour(bmp, left, v.color);
        textured = true;
    }
    if (v.gradientPercent > 0) {
        if (textured) {
            int w = r.right - r.left, h = r.bottom - r.top;
            std::unique_ptr<TBitmap> tmp(CreateBmp24(w, h));
            PaintGradientOrColour(tmp.get(), RECT{0, 0, w, h}, v);
            BlendBitmapsAt(bmp, tmp.get(), BYTE(std::clamp(v.imagePercent * 255 / 100, 0, 255)), POINT{r.left, r.top},
                           RECT{0, 0, w - 1, h});
        } else {
            PaintGradientOrColour(bmp, r, v);
        }
    }
    int s = v.imagePercent + v.gradientPercent;
    if (s == 0) {
        bool parent = ParentBackColor != clSkinKey && v.transparency != 0 && !fast;
        FillColour(bmp, r, parent ? ParentBackColor : v.color);
    } else if (s < 100) {
        BlendColorRect(bmp, Inclusive(r), s, TColor(ColorToRGB(v.color)));
    } else if (s > 100 && fast) {
        FillColour(bmp, r, v.color);
    }
}

// The parent's background under the element: its cache, or its colour.
void PutParentBackground(TBitmap* bmp, const RECT& r, const TCacheInfo& ci, POINT pt, bool useParentColour) {
    if (useParentColour && ParentBackColor != clSkinKey) return FillColour(bmp, r, ParentBackColor);
    if (ci.Bmp != bmp) CopyFromCache(bmp, r, ci, ci.X + pt.x, ci.Y + pt.y);
}

void Compose(TBitmap* bmp, const RECT& r, const StateValues& v, const Texture& tex, const TCacheInfo& ci, POINT pt,
             bool fast) {
    if (!ci.Ready || (v.transparency == 0 && !fast) || (fast && v.transparency <= 0)) {
        return PaintLayers(bmp, r, v, tex, ci, fast);
    }
    if (v.transparency >= 100) return PutParentBackground(bmp, r, ci, pt, !fast);
    int w = r.right - r.left, h = r.bottom - r.top;
    std::unique_ptr<TBitmap> tmp(CreateBmp24(w, h));
    PaintLayers(tmp.get(), RECT{0, 0, w, h}, v, tex, ci, fast);
    PutParentBackground(bmp, r, ci, pt, !fast);
    BlendBitmapsAt(bmp, tmp.get(), BYTE(std::clamp(v.transparency * 255 / 100, 0, 255)), POINT{r.left, r.top},
                   RECT{0, 0, w, h});
}

TsSkinManager* Manager(TsSkinManager* sm) { return sm ? sm : DefaultManager(); }

} // namespace

void PaintItemBackground(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, TColor color,
                         int hotTexture, int texture, TsSkinManager* sm, TBitmap* bmp, POINT pt, const RECT& r,
                         int state) {
    sm = Manager(sm);
    if (!sm || !sm->IsValidSkinIndex(sectionIndex) || !Inside(bmp, r)) return;
    const TsGeneralData& g = sm->gd[std::size_t(sectionIndex)];
    StateValues v = ValuesOf(g, state, color);
    const char* key = state != 0 ? "HOTPATTERN" : "PATTERN";
    int given = state != 0 ? hotTexture : texture;
    auto lookup = [&](int index, const char* k) {
        // A given texture with a mask is treated as none.
        if (index >= 0) return sm->IsValidImgIndex(index) && sm->ma[std::size_t(index)].MaskType == 0 ? index : -1;
        return sm->GetTextureIndex(sectionIndex, sectionName, k);
    };
    Texture tex;
    if (v.imagePercent > 0) {
        int i = lookup(given, key);
        if (sm->IsValidImgIndex(i)) {
            tex.image = &sm->ma[std::size_t(i)];
        } else {
            int p = sm->GetPatternIndex(sectionIndex, sectionName, key);
            if (p >= 0) tex.picture = sm->pa[std::size_t(p)].Img.get();
        }
    }
    Compose(bmp, r, v, tex, ci, pt, false);
    if (state != 0) return;
    // A masked texture of draw mode 10 lies over the background whatever its percent.
    for (const char* k : {"PATTERN", "HOTPATTERN"}) {
        int i = sm->GetTextureIndex(sectionIndex, sectionName, k);
        if (sm->IsValidImgIndex(i) && sm->ma[std::size_t(i)].MaskType > 0) {
            if (sm->ma[std::size_t(i)].DrawMode == 10) {
                TCacheInfo moved = ci;
                moved.X += pt.x;
                moved.Y += pt.y;
                PaintMaskedTextureTiled(bmp, r, moved, 10, sm->ma[std::size_t(i)]);
            }
            break;
        }
    }
}

void PaintItemBackgroundFast(int sectionIndex, int texture, int hotTexture, TsSkinManager* sm, TBitmap* bmp, POINT pt,
                             const RECT& r, int state, const TCacheInfo& ci, const std::string&) {
    sm = Manager(sm);
    if (!sm || !sm->IsValidSkinIndex(sectionIndex) || !Inside(bmp, r)) return;
    StateValues v = ValuesOf(sm->gd[std::size_t(sectionIndex)], state, clSkinKey);
    int i = state != 0 ? hotTexture : texture;
    Texture tex;
    if (sm->IsValidImgIndex(i)) tex.image = &sm->ma[std::size_t(i)];
    Compose(bmp, r, v, tex, ci, pt, true);
}

void PaintSkinItem(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, int hotTexture, int texture,
                   TsSkinManager* sm, TBitmap* bmp, POINT pt, const RECT& r, int state, bool fillCentre) {
    sm = Manager(sm);
    if (!sm || !sm->IsValidSkinIndex(sectionIndex) || !Inside(bmp, r)) return;
    PaintItemBackground(sectionIndex, sectionName, ci, clSkinKey, hotTexture, texture, sm, bmp, pt, r, state);
    int border = sm->GetMaskIndex(sectionIndex, sectionName, "BORDERSMASK");
    if (!sm->IsValidImgIndex(border)) return;
    TCacheInfo moved = ci;
    moved.X += pt.x;
    moved.Y += pt.y;
    PaintMaskedBorder(bmp, r, fillCentre, true, state, sm->ma[std::size_t(border)], moved);
}

void PaintSkinItemFast(int sectionIndex, int border, int texture, TsSkinManager* sm, TBitmap* bmp, POINT pt,
                       const RECT& r, int state, bool fillCentre, TCacheInfo ci, const std::string& sectionName,
                       int hotTexture) {
    sm = Manager(sm);
    if (!sm || !sm->IsValidSkinIndex(sectionIndex) || !Inside(bmp, r)) return;
    PaintItemBackgroundFast(sectionIndex, texture, hotTexture, sm, bmp, pt, r, state, ci, sectionName);
    if (!sm->IsValidImgIndex(border)) return;
    ci.X += pt.x;
    ci.Y += pt.y;
    PaintMaskedBorder(bmp, r, fillCentre, true, state, sm->ma[std::size_t(border)], ci);
}

void PaintSkinItemToDC(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, TsSkinManager* sm,
                       HDC dc, const RECT& offset, const RECT& target, int state, bool fillCentre) {
    int w = target.right - target.left, h = target.bottom - target.top;
    if (!dc || target.left < 0 || target.top < 0 || w <= 0 || h <= 0) return;
    int saved = SaveDC(dc);
    std::unique_ptr<TBitmap> tmp(CreateBmp24(w, h));
    PaintSkinItem(sectionIndex, sectionName, ci, -1, -1, sm, tmp.get(), POINT{offset.left, offset.top}, RECT{0, 0, w, h},
                  state, fillCentre);
    BitBlt(dc, target.left, target.top, w, h, tmp->Canvas()->Handle(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

void FillDCRect(HDC dc, const RECT& r, TColor color) {
    int saved = SaveDC(dc);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    RestoreDC(dc, saved);
}

void CopyFrame(HDC target, int x, int y, int frame, int srcY, int srcX, HDC source, int height, int width) {
    BitBlt(target, x, y, width, frame, source, srcX, srcY, SRCCOPY);
    BitBlt(target, x, y + height - frame, width, frame, source, srcX, srcY + height - frame, SRCCOPY);
    BitBlt(target, x, y + frame, frame, height - 2 * frame, source, srcX, srcY + frame, SRCCOPY);
    BitBlt(target, x + width - frame, y + frame, frame, height - 2 * frame, source, srcX + width - frame, srcY + frame,
           SRCCOPY);
}

void DrawBevelRect(HDC dc, RECT& r, TColor light, int& count, TColor dark) {
    --r.right;
    --r.bottom;
    HBRUSH lightBrush = CreateSolidBrush(ColorToRGB(light));
    HBRUSH darkBrush = CreateSolidBrush(COLORREF(dark));
    for (; count > 0; --count) {
        RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
        RECT right{r.right, r.top, r.right + 1, r.bottom + 1}, bottom{r.left, r.bottom, r.right + 1, r.bottom + 1};
        FillRect(dc, &top, lightBrush);
        FillRect(dc, &left, lightBrush);
        FillRect(dc, &right, darkBrush);
        FillRect(dc, &bottom, darkBrush);
        ++r.left, ++r.top, --r.right, --r.bottom;
    }
    ++r.right;
    ++r.bottom;
    DeleteObject(lightBrush);
    DeleteObject(darkBrush);
}

std::string CutTextToWidth(TCanvas* canvas, const std::string& text, int width) {
    if (width <= 0) return {};
    try {
        if (canvas->TextWidth(text) <= width) return text;
        std::string s = text;
        while (!s.empty()) {
            // Drop one character, with its continuation bytes.
            do s.pop_back();
            while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80);
            if (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0xC0) s.pop_back();
            if (canvas->TextWidth(s + "...") <= width) break;
        }
        return s.empty() ? s : s + "...";
    } catch (...) {
        return {};
    }
}

void WriteSkinnedText(TCanvas* canvas, const std::string& text, bool enabled, TsSkinManager* sm, bool hot,
                      int sectionIndex, UINT flags, RECT& r) {
    sm = Manager(sm);
    if (!sm || !sm->IsValidSkinIndex(sectionIndex) || !canvas) return;
    RECT box = r;
    if (!(flags & DT_WORDBREAK)) {
        SIZE size = canvas->TextExtent(text);
        int w = r.right - r.left, h = r.bottom - r.top;
        int top = r.top + (h - size.cy) / 2;
        int leftX = flags & DT_CENTER ? r.left + (w - size.cx) / 2 : flags & DT_RIGHT ? r.right - size.cx : r.left;
        box = RECT{leftX, top, leftX + size.cx, top + size.cy};
        r = RECT{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
    }
    canvas->Brush()->SetStyle(bsClear);
    if (text.empty()) return;
    auto draw = [&](int dx, int dy, TColor c) {
        RECT at{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
        canvas->Font()->SetColor(c);
        canvas->DrawText(text, at, flags);
    };
    if (!enabled) {
        draw(1, 1, TColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
        draw(0, 0, TColor(GetSysColor(COLOR_BTNSHADOW)));
        return;
    }
    const TsFontColors& fc = hot ? sm->gd[std::size_t(sectionIndex)].HotFontColor : sm->gd[std::size_t(sectionIndex)].FontColor;
    const int offsets[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int k = 0; k < 4; ++k)
        if (fc[k + 1] != -1) draw(offsets[k][0], offsets[k][1], fc[k + 1]);
    draw(0, 0, fc[0]);
}

} // namespace tv
