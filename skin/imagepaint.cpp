#include "skin/imagepaint.h"

#include <algorithm>

#include "framework/ui/picture.h"
#include "skin/blending.h"
#include "skin/jpegimage.h"
#include "skin/skinmanager.h"

namespace tv {

using namespace win;

namespace {

TBitmap* SourceOf(const TsMaskData& md) {
    if (md.Bmp) return md.Bmp.get();
    return md.Manager ? md.Manager->MasterBitmap.get() : nullptr;
}

// Stored skins reach here without the folder reader's clamping: a negative
// mask type must not divide by zero.
int StateWidth(const TsMaskData& md) {
    return md.ImageCount > 0 ? int((static_cast<long long>(md.R.right) - md.R.left) / md.ImageCount) : 0;
}
int ImageHeight(const TsMaskData& md) {
    return int((static_cast<long long>(md.R.bottom) - md.R.top) / (std::clamp(md.MaskType, 0, kMaxSkinMaskType) + 1));
}
int ClampState(const TsMaskData& md, int state) { return std::clamp(state, 0, std::max(md.ImageCount - 1, 0)); }

// Calls `piece` for each tile of `step` along [from, to), the last one cut.
template <class Piece>
void Tiles(int from, int to, int step, Piece piece) {
    if (step <= 0) return;
    for (int p = from; p < to; p += step) piece(p, std::min(step, to - p));
}

} // namespace

void PaintTransparentMasked(const RECT& dst, const RECT& src, TBitmap* bmp, const TsMaskData& md, bool cornerFlag,
                            const TCacheInfo& ci, TBitmap* srcBmp) {
    int w = std::min(dst.right - dst.left, src.right - src.left);
    int h = std::min(dst.bottom - dst.top, src.bottom - src.top);
    if (w <= 0 || h <= 0) return;
    MixThroughMask(bmp, dst.left, dst.top, srcBmp, RECT{src.left, src.top, src.left + w, src.top + h},
                   (md.R.bottom - md.R.top) / 2, cornerFlag ? TKeyRule::Corner : TKeyRule::Mix,
                   cornerFlag ? ci : EmptyCacheInfo());
}

void PaintMaskedBorder(TBitmap* bmp, RECT r, bool fillCentre, bool cornersFromCache, int state, const TsMaskData& md,
                       const TCacheInfo& ci) {
    int w = r.right - r.left, h = r.bottom - r.top;
    TBitmap* src = SourceOf(md);
    if (w <= 1 || h <= 1 || !md.Manager || !src || md.ImageCount <= 0) return;
    int l = md.WL, t = md.WT, rr = md.WR, b = md.WB;
    if (w < l + rr) {
        int d = (l + rr - w) / 2;
        l = std::max(l - d, 0);
        rr = std::max(rr - d - (w % 2), 0);
    }
    if (h < t + b) {
        int d = (t + b - h) / 2;
        t = std::max(t - d, 0);
        b = std::max(b - d - (h % 2), 0);
    }
    int sw = StateWidth(md), ih = ImageHeight(md);
    if (sw <= 0 || ih <= 0) return;
    int mw = std::max(sw - l - rr, 0), mh = std::max(ih - t - b, 0);
    int sl = md.R.left + ClampState(md, state) * sw, st = md.R.top;
    int x0 = r.left, y0 = r.top, x1 = r.right, y1 = r.bottom;

    // Destination and source of each part, in the order they are painted.
    auto corner = [&](RECT d, RECT s) {
        if (d.right <= d.left || d.bottom <= d.top) return;
        if (md.MaskType > 0) PaintTransparentMasked(d, s, bmp, md, true, ci, src);
        else CopyRectKeyedFromCache(bmp, src, d.left, cornersFromCache, ci, clSkinKey,
                                    RECT{s.left, s.top, s.left + (d.right - d.left) - 1, s.top + (d.bottom - d.top) - 1},
                                    d.top);
    };
    auto piece = [&](RECT d, RECT s) {
        if (md.MaskType > 0) PaintTransparentMasked(d, s, bmp, md, false, ci, src);
        else CopyRectPixels(bmp, d.left, d.top, src, RECT{s.left, s.top, s.left + d.right - d.left, s.top + d.bottom - d.top});
    };
    bool stretch = md.MaskType == 0 && md.DrawMode != 0;
    auto vertical = [&](int x, int cw, int sx) {
        if (mh <= 0 || cw <= 0 || y1 - b <= y0 + t) return;
        if (stretch) return StretchRectPixels(bmp, RECT{x, y0 + t, x + cw, y1 - b}, src, RECT{sx, st + t, sx + cw, st + t + mh});
        Tiles(y0 + t, y1 - b, mh, [&](int y, int n) { piece(RECT{x, y, x + cw, y + n}, RECT{sx, st + t, sx + cw, st + t + n}); });
    };
    auto horizontal = [&](int y, int ch, int sy) {
        if (mw <= 0 || ch <= 0 || x1 - rr <= x0 + l) return;
        if (stretch) return StretchRectPixels(bmp, RECT{x0 + l, y, x1 - rr, y + ch}, src, RECT{sl + l, sy, sl + l + mw, sy + ch});
        Tiles(x0 + l, x1 - rr, mw, [&](int x, int n) { piece(RECT{x, y, x + n, y + ch}, RECT{sl + l, sy, sl + l + n, sy + ch}); });
    };

    corner(RECT{x0, y0, x0 + l, y0 + t}, RECT{sl, st, sl + l, st + t});
    vertical(x0, l, sl);
    horizontal(y0, t, st);
    corner(RECT{x0, y1 - b, x0 + l, y1}, RECT{sl, st + ih - b, sl + l, st + ih});
    horizontal(y1 - b, b, st + ih - b);
    corner(RECT{x1 - rr, y1 - b, x1, y1}, RECT{sl + sw - rr, st + ih - b, sl + sw, st + ih});
    corner(RECT{x1 - rr, y0, x1, y0 + t}, RECT{sl + sw - rr, st, sl + sw, st + t});
    vertical(x1 - rr, rr, sl + sw - rr);
    bool centre = fillCentre && (md.MaskType > 0 || md.BorderWidth == 0);
    if (!centre || mw <= 0 || mh <= 0 || x1 - rr <= x0 + l || y1 - b <= y0 + t) return;
    if (stretch) {
        StretchRectPixels(bmp, RECT{x0 + l, y0 + t, x1 - rr, y1 - b}, src, RECT{sl + l, st + t, sl + l + mw, st + t + mh});
        return;
    }
    Tiles(y0 + t, y1 - b, mh, [&](int y, int nh) {
        Tiles(x0 + l, x1 - rr, mw, [&](int x, int nw) {
            piece(RECT{x, y, x + nw, y + nh}, RECT{sl + l, st + t, sl + l + nw, st + t + nh});
        });
    });
}

void BlendMaskedGlyph(const RECT& dst, const RECT& src, TBitmap* bmp, const TsMaskData& md, int mode, TBitmap* srcBmp) {
    if (md.MaskType == 0) {
        CopyRectKeyed(bmp, srcBmp, dst.left, clSkinKey, RECT{src.left, src.top, src.right - 1, src.bottom - 1}, dst.top);
        return;
    }
    MixThroughMask(bmp, dst.left, dst.top, srcBmp, src, ImageHeight(md), TKeyRule::Skip, EmptyCacheInfo(),
                   mode == 1 ? 0 : 100);
}

void PaintMaskedGlyph(TBitmap* bmp, POINT pt, int state, const TsMaskData& md, int mode) {
    int sw = StateWidth(md), ih = ImageHeight(md);
    if (!bmp || sw <= 0 || ih <= 0) return;
    int sl = md.R.left + ClampState(md, state) * sw;
    RECT src{sl, md.R.top, sl + sw, md.R.top + ih};
    if (pt.x < 0) src.left -= pt.x, pt.x = 0;
    if (pt.y < 0) src.top -= pt.y, pt.y = 0;
    if (src.left >= src.right || src.top >= src.bottom) return;
    RECT dst{pt.x, pt.y, pt.x + (src.right - src.left), pt.y + (src.bottom - src.top)};
    if (md.Bmp) return BlendMaskedGlyph(dst, src, bmp, md, mode, md.Bmp.get());
    TBitmap* master = md.Manager ? md.Manager->MasterBitmap.get() : nullptr;
    if (!master || md.ImageCount == 0) return;
    if (md.MaskType > 0) return BlendMaskedGlyph(dst, src, bmp, md, mode, master);
    RECT inclusive{src.left, src.top, src.right - 1, src.bottom - 1};
    if (mode == 1) CopyRectKeyedFromCache(bmp, master, pt.x, false, EmptyCacheInfo(), clSkinKey, inclusive, pt.y);
    else BlendBitmapRect(bmp, pt.x, pt.y, clSkinKey, 0.5, inclusive, master);
}

void TileBitmap(TBitmap* bmp, const RECT& r, TGraphic* picture) {
    TBitmap* src = dynamic_cast<TBitmap*>(picture);
    if (auto* jpeg = dynamic_cast<TacJPEGImage*>(picture)) src = jpeg->Bitmap();
    if (!src || src->Empty()) return;
    int tw = src->Width(), th = src->Height();
    Tiles(r.top, r.bottom, th, [&](int y, int nh) {
        Tiles(r.left, r.right, tw, [&](int x, int nw) { CopyRectPixels(bmp, x, y, src, RECT{0, 0, nw, nh}); });
    });
}

void PaintTexture(TBitmap* bmp, RECT& r, TGraphic* own, int drawMode, const TsMaskData& md) {
    const RECT none{-1, -1, -1, -1};
    if (own && !own->Empty()) {
        TileBitmap(bmp, r, own);
        r = none;
        return;
    }
    TBitmap* src = md.Manager ? md.Manager->MasterBitmap.get() : nullptr;
    if (!src) return;
    const RECT s = md.R;
    int tw = s.right - s.left, th = s.bottom - s.top;
    if (tw <= 0 || th <= 0) return;
    auto tile = [&](RECT area) {
        Tiles(area.top, area.bottom, th, [&](int y, int nh) {
            Tiles(area.left, area.right, tw, [&](int x, int nw) {
                CopyRectPixels(bmp, x, y, src, RECT{s.left, s.top, s.left + nw, s.top + nh});
            });
        });
    };
    RECT left = r;
    switch (drawMode) {
    case 0: tile(r); left = none; break;
    case 1: StretchRectPixels(bmp, r, src, s); left = none; break;
    case 2: tile(RECT{r.left, r.top, r.right, std::min(r.top + th, r.bottom)}); left.top += th; break;
    case 3: tile(RECT{r.left, r.top, std::min(r.left + tw, r.right), r.bottom}); left.left += tw; break;
    case 4: StretchRectPixels(bmp, RECT{r.left, r.top, r.right, std::min(r.top + th, r.bottom)}, src, s); left.top += th; break;
    case 5: StretchRectPixels(bmp, RECT{r.left, r.top, std::min(r.left + tw, r.right), r.bottom}, src, s); left.left += tw; break;
    case 6: tile(RECT{r.left, std::max(r.bottom - th, r.top), r.right, r.bottom}); left.bottom -= th; break;
    case 7: tile(RECT{std::max(r.right - tw, r.left), r.top, r.right, r.bottom}); left.right -= tw; break;
    case 10: {
        int rows = (r.bottom - r.top) / th;
        tile(RECT{r.left, r.top, r.right, r.top + rows * th});
        left = none;
        break;
    }
    default: break; // no painting defined: all of it is the caller's
    }
    r = left.right > left.left && left.bottom > left.top ? left : none;
}

void PaintMaskedTexture(const RECT& dst, const RECT& src, TBitmap* bmp, const TsMaskData& md, const TCacheInfo& ci) {
    TBitmap* master = md.Manager ? md.Manager->MasterBitmap.get() : nullptr;
    if (!master) return;
    MixThroughMask(bmp, dst.left, dst.top, master,
                   RECT{src.left, src.top, src.left + std::min(dst.right - dst.left, src.right - src.left),
                        src.top + std::min(dst.bottom - dst.top, src.bottom - src.top)},
                   (md.R.bottom - md.R.top) / 2, TKeyRule::Texture, ci);
}

void PaintMaskedTextureTiled(TBitmap* bmp, const RECT& r, const TCacheInfo& ci, int drawMode, const TsMaskData& md) {
    if (drawMode != 0 && drawMode != 10) return;
    int tw = md.ImageCount > 0 ? (md.R.right - md.R.left) / md.ImageCount : 0;
    int th = (md.R.bottom - md.R.top) / 2;
    if (tw <= 0 || th <= 0) return;
    int rows = (r.bottom - r.top) / th;
    for (int i = 0; i < rows; ++i) {
        int y = r.top + i * th;
        Tiles(r.left, r.right, tw, [&](int x, int n) {
            PaintMaskedTexture(RECT{x, y, x + n, y + th}, RECT{md.R.left, md.R.top, md.R.left + n, md.R.top + th}, bmp,
                               md, ci);
        });
    }
    if (drawMode != 10) return;
    // The strip under the last whole row shows the parent.
    RECT strip{r.left, r.top + rows * th, r.right, r.bottom};
    if (strip.bottom <= strip.top) return;
    if (ci.Ready && ci.Bmp) CopyFromCache(bmp, strip, ci, ci.X + strip.left, ci.Y + strip.top);
    else if (MaskFillColor != clSkinKey) FillRectPixels(bmp, strip, MaskFillColor);
}

void ParseMaskRegion(std::vector<RECT>& rects, int width, const TsMaskData& md, bool bottom, int y) {
    TBitmap* src = SourceOf(md);
    if (!src || md.ImageCount <= 0) return;
    try {
        int sw = StateWidth(md), ih = ImageHeight(md);
        int rows = bottom ? md.WB : md.WT;
        int top = bottom ? md.R.top + ih - md.WB : md.R.top;
        std::vector<std::pair<int, int>> runs;
        for (int i = 0; i < rows; ++i) {
            KeyRuns(src, md.R.left, top + i, md.WL, runs);
            for (auto [a, b] : runs) rects.push_back(RECT{a, y + i, b, y + i + 1});
            KeyRuns(src, md.R.left + sw - md.WR, top + i, md.WR, runs);
            for (auto [a, b] : runs) rects.push_back(RECT{width - md.WR + a, y + i, width - md.WR + b, y + i + 1});
        }
    } catch (...) {
    }
}

} // namespace tv
