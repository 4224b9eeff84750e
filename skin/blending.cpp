#include "skin/blending.h"

#include <algorithm>
#include <cmath>

#include "framework/ui/controls.h"
#include "framework/ui/picture.h"
#include "platform/picture/bitmap.h"

namespace tv {

using namespace win;

TColor ParentBackColor = clSkinKey;
TColor MaskFillColor = clSkinKey;

TCacheInfo EmptyCacheInfo() { return TCacheInfo{}; }
TCacheInfo FillCacheInfo(TBitmap* bmp, int x, int y) { return TCacheInfo{bmp, x, y, true}; }

namespace {

inline BYTE Clamp(int v) { return BYTE(v < 0 ? 0 : v > 255 ? 255 : v); }
inline BYTE ClampD(double v) { return Clamp(int(std::lround(v))); }
inline TColor ToRGB(const BYTE* p) { return TColor(p[2] | (p[1] << 8) | (p[0] << 16)); }
inline void FromRGB(BYTE* p, TColor c) {
    p[0] = BYTE((c >> 16) & 0xFF);
    p[1] = BYTE((c >> 8) & 0xFF);
    p[2] = BYTE(c & 0xFF);
}
inline bool IsKey(const BYTE* p, TColor key) { return ToRGB(p) == key; }

// A rectangle holding its right and bottom pixel, clamped into the bitmap;
// what is cut at the left or top moves the destination point with it.
bool ClampInclusive(RECT& r, int w, int h, int& x, int& y) {
    if (r.left < 0) { x -= r.left; r.left = 0; }
    if (r.top < 0) { y -= r.top; r.top = 0; }
    r.right = std::min<LONG>(r.right, w - 1);
    r.bottom = std::min<LONG>(r.bottom, h - 1);
    return r.left <= r.right && r.top <= r.bottom;
}

// The exclusive rectangle of the source cut to it and to the destination at x, y.
bool ClipCopy(RECT& s, int sw, int sh, int& x, int& y, int dw, int dh) {
    if (s.left < 0) { x -= s.left; s.left = 0; }
    if (s.top < 0) { y -= s.top; s.top = 0; }
    if (x < 0) { s.left -= x; x = 0; }
    if (y < 0) { s.top -= y; y = 0; }
    s.right = std::min<LONG>({s.right, LONG(sw), LONG(s.left + dw - x)});
    s.bottom = std::min<LONG>({s.bottom, LONG(sh), LONG(s.top + dh - y)});
    return s.left < s.right && s.top < s.bottom;
}

bool Is24(TBitmap* bmp) { return bmp && !bmp->Empty() && BitmapBitsPerPixel(bmp->Handle()) == 24; }

// Binds a 24-bit bitmap of any size (the public accessor refuses the very small ones).
struct Rows {
    BYTE* row0 = nullptr;
    std::ptrdiff_t stride = 0;
    int w = 0, h = 0;
    bool Bind(TBitmap* bmp) {
        if (!Is24(bmp)) return false;
        w = bmp->Width();
        h = bmp->Height();
        row0 = bmp->ScanLine(0);
        stride = h > 1 ? bmp->ScanLine(1) - row0 : 0;
        return true;
    }
    BYTE* At(int x, int y) const { return row0 + std::ptrdiff_t(y) * stride + x * 3; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

TacFastSum24& SharedSum() {
    static TacFastSum24 sum;
    return sum;
}

} // namespace

// --- accessors -------------------------------------------------------------------

bool TacFast24::Attach(TBitmap* bmp) {
    width_ = height_ = 0;
    bmp_ = nullptr;
    if (!Is24(bmp) || bmp->Width() < 2 || bmp->Height() < 2) return false;
    bmp_ = bmp;
    width_ = bmp->Width();
    height_ = bmp->Height();
    row0_ = bmp->ScanLine(0);
    stride_ = bmp->ScanLine(1) - row0_;
    return true;
}

TColor TacFast24::Pixel(int x, int y) const { return ToRGB(At(x, y)); }
void TacFast24::SetPixel(int x, int y, TColor c) { FromRGB(At(x, y), c); }

bool TacFastSum24::Attach(TBitmap* src, TBitmap* dst) {
    if (!src_.Attach(src) || !dst_.Attach(dst)) return false;
    Width = std::min(src_.Width(), dst_.Width());
    Height = std::min(src_.Height(), dst_.Height());
    return true;
}

void TacFastSum24::BlendRows() {
    try {
        int w = std::min(DstRect.right - DstRect.left, SrcRect.right - SrcRect.left);
        int h = std::min(DstRect.bottom - DstRect.top, SrcRect.bottom - SrcRect.top);
        for (int row = h - 1; row >= 0; --row) {
            BYTE* d = dst_.At(DstRect.left, DstRect.top + row);
            const BYTE* s = src_.At(SrcRect.left, SrcRect.top + row);
            for (int i = w * 3 - 1; i >= 0; --i) d[i] = BYTE((d[i] * Alpha + s[i] * (255 - Alpha) + 127) >> 8);
        }
    } catch (...) {
    }
}

TBitmap* CreateBmp24(int width, int height) {
    auto* b = new TBitmap;
    b->SetPixelFormat(pf24bit);
    b->SetSize(width, height);
    return b;
}

TBitmap* CreateBmp32(int width, int height) {
    auto* b = new TBitmap;
    b->SetPixelFormat(pf32bit);
    b->SetSize(width, height);
    return b;
}

// --- blends ------------------------------------------------------------------------

void BlendBitmapsAt(TBitmap* dst, TBitmap* src, BYTE alpha, POINT pt, const RECT& srcRect) {
    TacFastSum24& sum = SharedSum();
    if (!sum.Attach(src, dst)) return;
    RECT s = srcRect;
    int x = pt.x, y = pt.y;
    if (!ClipCopy(s, src->Width(), src->Height(), x, y, dst->Width(), dst->Height())) return;
    sum.Alpha = alpha;
    sum.SrcRect = s;
    sum.DstRect = RECT{x, y, x + s.right - s.left, y + s.bottom - s.top};
    sum.BlendRows();
}

void BlendColorRect(TBitmap* bmp, const RECT& rect, int percent, TColor color) {
    Rows b;
    if (!b.Bind(bmp)) return;
    RECT r = rect;
    int x = 0, y = 0;
    if (!ClampInclusive(r, b.w, b.h, x, y)) return;
    double f = percent / 100.0;
    const BYTE c[3] = {BYTE((color >> 16) & 0xFF), BYTE((color >> 8) & 0xFF), BYTE(color & 0xFF)};
    for (int yy = r.top; yy <= r.bottom; ++yy) {
        BYTE* p = b.At(r.left, yy);
        for (int xx = r.left; xx <= r.right; ++xx, p += 3)
            for (int i = 0; i < 3; ++i) p[i] = ClampD(f * p[i] + (1 - f) * c[i]);
    }
}

void BlendBitmapRect(TBitmap* dst, int x, int y, TColor key, double factor, const RECT& srcRect, TBitmap* src) {
    Rows d, s;
    if (!d.Bind(dst) || !s.Bind(src)) return;
    RECT r = srcRect;
    if (!ClampInclusive(r, s.w, s.h, x, y)) return;
    try {
        for (int sy = r.top; sy <= r.bottom; ++sy) {
            int dy = y + sy - r.top;
            if (dy < 0 || dy >= d.h) continue;
            for (int sx = r.left; sx <= r.right; ++sx) {
                int dx = x + sx - r.left;
                if (dx < 0 || dx >= d.w) continue;
                const BYTE* sp = s.At(sx, sy);
                if (IsKey(sp, key)) continue;
                BYTE* dp = d.At(dx, dy);
                for (int i = 0; i < 3; ++i) dp[i] = ClampD(sp[i] - factor * (sp[i] - dp[i]));
            }
        }
    } catch (...) {
    }
}

void BlendColorThroughMask(TBitmap* bmp, TBitmap* mask, TColor color) {
    Rows b, m;
    if (!b.Bind(bmp) || !m.Bind(mask) || b.w != m.w || b.h != m.h) return;
    const int c[3] = {(color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF};
    for (int y = 0; y < b.h; ++y) {
        BYTE* p = b.At(0, y);
        const BYTE* mp = m.At(0, y);
        for (int i = 0; i < b.w * 3; ++i) p[i] = Clamp((c[i % 3] * 256 + mp[i] * (p[i] - c[i % 3])) >> 8);
    }
}

void BlendColorRoundRect(TBitmap* bmp, const RECT& r, int percent, int cornerSize, int blurWidth, TColor color) {
    if (!Is24(bmp)) return;
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    std::unique_ptr<TBitmap> tmp(CreateBmp24(w, h)), mask(CreateBmp24(w, h));
    CopyRectPixels(tmp.get(), 0, 0, bmp, r);
    int steps = std::min({w / 2, h / 2, blurWidth});
    int corner = std::min({w / 2, h / 2, cornerSize});
    int level = BYTE(percent * 255 / 100);
    TCanvas* c = mask->Canvas();
    c->Brush()->SetColor(clBlack);
    c->FillRect(RECT{0, 0, w, h});
    int grey = 255;
    auto ring = [&](int u) {
        TColor g = TColor(grey | (grey << 8) | (grey << 16));
        c->Brush()->SetColor(g);
        c->Pen()->SetColor(g);
        c->RoundRect(u, u, w - u, h - u, corner, corner);
    };
    for (int u = 0; u <= steps; ++u) {
        ring(u);
        grey = level + int(std::lround(double(255 - level) / (steps + 1) * (steps - u)));
    }
    ring(steps);
    BlendColorThroughMask(tmp.get(), mask.get(), color);
    CopyRectPixels(bmp, r.left, r.top, tmp.get(), RECT{0, 0, w, h});
}

void CrossFadeBitmaps(TBitmap* target, TBitmap* a, TBitmap* b, int weight, TBitmap* weights) {
    Rows ra, rb, rw;
    if (!target || target->Empty() || BitmapBitsPerPixel(target->Handle()) != 32) return;
    if (!ra.Bind(a) || !rb.Bind(b)) return;
    bool perPixel = weights && rw.Bind(weights);
    try {
        int w = std::min({ra.w, rb.w, target->Width()}), h = std::min({ra.h, rb.h, target->Height()});
        if (perPixel) {
            w = std::min(w, rw.w);
            h = std::min(h, rw.h);
        }
        for (int y = 0; y < h; ++y) {
            BYTE* t = target->ScanLine(y);
            const BYTE* pa = ra.At(0, y);
            const BYTE* pb = rb.At(0, y);
            const BYTE* pw = perPixel ? rw.At(0, y) : nullptr;
            for (int x = 0; x < w; ++x)
                for (int i = 0; i < 3; ++i) {
                    int wt = pw ? pw[x * 3 + i] : weight;
                    t[x * 4 + i] = Clamp(((pa[x * 3 + i] - pb[x * 3 + i]) * wt + pb[x * 3 + i] * 256) >> 8);
                }
        }
    } catch (...) {
    }
}

void GrayscaleBitmap(TBitmap* bmp) {
    Rows b;
    if (!b.Bind(bmp)) return;
    for (int y = 0; y < b.h; ++y) {
        BYTE* p = b.At(0, y);
        for (int x = 0; x < b.w; ++x, p += 3) p[0] = p[1] = p[2] = BYTE((p[0] + p[1] + p[2]) / 3);
    }
}

void ApplyBitmapEffects(TBitmap* bmp, int flags, TControl* parent, POINT offset, const TCacheInfo& ci) {
    if (!Is24(bmp)) return;
    if (flags & BE_GRAY) GrayscaleBitmap(bmp);
    if (!(flags & BE_FADE)) return;
    int w = bmp->Width(), h = bmp->Height();
    if (ci.Ready && ci.Bmp) {
        int x = ci.X + offset.x, y = ci.Y + offset.y;
        BlendBitmapRect(bmp, 0, 0, TColor(-1), 0.4, RECT{x, y, x + w - 1, y + h - 1}, ci.Bmp);
    } else {
        TColor c = ParentBackColor != clSkinKey ? ParentBackColor : parent ? TColor(ColorToRGB(parent->Color())) : clSkinKey;
        BlendColorRect(bmp, RECT{0, 0, w - 1, h - 1}, 50, c);
    }
}

// --- keyed copies ---------------------------------------------------------------

void CopyBitmapKeyed(TBitmap* dst, TBitmap* src, int x, TColor key, int y) {
    if (!src || src->Empty()) return;
    CopyRectKeyed(dst, src, x, key, RECT{0, 0, src->Width() - 1, src->Height() - 1}, y);
}

void CopyRectKeyed(TBitmap* dst, TBitmap* src, int x, TColor key, const RECT& srcRect, int y) {
    CopyRectKeyedFromCache(dst, src, x, false, EmptyCacheInfo(), key, srcRect, y);
}

void CopyRectKeyedFromCache(TBitmap* dst, TBitmap* src, int x, bool useCache, const TCacheInfo& ci, TColor key,
                            const RECT& srcRect, int y) {
    Rows d, s, c;
    if (!d.Bind(dst) || !s.Bind(src)) return;
    TacFast24 cacheCheck;
    bool fromCache = useCache && ci.Ready && cacheCheck.Attach(ci.Bmp) && c.Bind(ci.Bmp);
    RECT r = srcRect;
    if (!ClampInclusive(r, s.w, s.h, x, y)) return;
    for (int sy = r.top; sy <= r.bottom; ++sy) {
        int dy = y + sy - r.top;
        if (dy < 0 || dy >= d.h) continue;
        for (int sx = r.left; sx <= r.right; ++sx) {
            int dx = x + sx - r.left;
            if (dx < 0 || dx >= d.w) continue;
            const BYTE* sp = s.At(sx, sy);
            BYTE* dp = d.At(dx, dy);
            if (!IsKey(sp, key)) {
                dp[0] = sp[0], dp[1] = sp[1], dp[2] = sp[2];
            } else if (fromCache) {
                int cx = ci.X + dx, cy = ci.Y + dy;
                if (c.Inside(cx, cy)) {
                    const BYTE* cp = c.At(cx, cy);
                    dp[0] = cp[0], dp[1] = cp[1], dp[2] = cp[2];
                }
            }
        }
    }
}

// --- colours ---------------------------------------------------------------------

TColor ChannelAverageLimited(TColor color, int percent) {
    int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    double avg = (r + g + b) / 3.0;
    auto move = [&](int v) { return ClampD(v + percent * (avg - v) / 100.0); };
    return TColor(move(r) | (move(g) << 8) | (move(b) << 16));
}

TColor ShiftHue(int degrees, TColor color) {
    int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    if (mx == 0 || mx == mn) return color & 0xFFFFFF;
    double v = mx, s = double(mx - mn) / mx, delta = mx - mn, h;
    if (mx == r) h = 60.0 * (g - b) / delta;
    else if (mx == g) h = 120.0 + 60.0 * (b - r) / delta;
    else h = 240.0 + 60.0 * (r - g) / delta;
    if (h < 0) h += 360;
    h = std::fmod(h + degrees, 360.0);
    if (h < 0) h += 360;
    int sector = int(h / 60) % 6;
    double f = h / 60 - std::floor(h / 60);
    BYTE V = ClampD(v), p = ClampD(v * (1 - s)), q = ClampD(v * (1 - f * s)), t = ClampD(v * (1 - (1 - f) * s));
    BYTE R, G, B;
    switch (sector) {
    case 0: R = V, G = t, B = p; break;
    case 1: R = q, G = V, B = p; break;
    case 2: R = p, G = V, B = t; break;
    case 3: R = p, G = q, B = V; break;
    case 4: R = t, G = p, B = V; break;
    default: R = V, G = p, B = q; break;
    }
    return TColor(R | (G << 8) | (B << 16));
}

// --- loops of the image and gradient painters ----------------------------------

void CopyRectPixels(TBitmap* dst, int x, int y, TBitmap* src, const RECT& srcRect) {
    Rows d, s;
    if (!d.Bind(dst) || !s.Bind(src)) return;
    RECT r = srcRect;
    if (!ClipCopy(r, s.w, s.h, x, y, d.w, d.h)) return;
    for (int sy = r.top; sy < r.bottom; ++sy)
        std::copy_n(s.At(r.left, sy), (r.right - r.left) * 3, d.At(x, y + sy - r.top));
}

void StretchRectPixels(TBitmap* dst, const RECT& dstRect, TBitmap* src, const RECT& srcRect) {
    Rows d, s;
    if (!d.Bind(dst) || !s.Bind(src)) return;
    int dw = dstRect.right - dstRect.left, dh = dstRect.bottom - dstRect.top;
    int sw = srcRect.right - srcRect.left, sh = srcRect.bottom - srcRect.top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    for (int j = 0; j < dh; ++j) {
        int dy = dstRect.top + j, sy = srcRect.top + int(std::int64_t(j) * sh / dh);
        if (dy < 0 || dy >= d.h || sy < 0 || sy >= s.h) continue;
        for (int i = 0; i < dw; ++i) {
            int dx = dstRect.left + i, sx = srcRect.left + int(std::int64_t(i) * sw / dw);
            if (dx < 0 || dx >= d.w || sx < 0 || sx >= s.w) continue;
            std::copy_n(s.At(sx, sy), 3, d.At(dx, dy));
        }
    }
}

void FillRectPixels(TBitmap* dst, const RECT& rect, TColor color) {
    Rows d;
    if (!d.Bind(dst)) return;
    int l = std::max<int>(rect.left, 0), t = std::max<int>(rect.top, 0);
    int r = std::min<int>(rect.right, d.w), b = std::min<int>(rect.bottom, d.h);
    for (int y = t; y < b; ++y) {
        BYTE* p = d.At(l, y);
        for (int x = l; x < r; ++x, p += 3) FromRGB(p, color);
    }
}

void CopyFromCache(TBitmap* dst, const RECT& r, const TCacheInfo& ci, int cx, int cy) {
    if (!ci.Bmp || ci.Bmp == dst) return;
    CopyRectPixels(dst, r.left, r.top, ci.Bmp, RECT{cx, cy, cx + r.right - r.left, cy + r.bottom - r.top});
}

void MixThroughMask(TBitmap* dst, int x, int y, TBitmap* src, const RECT& srcRect, int maskDy, TKeyRule rule,
                    const TCacheInfo& ci, int fade) {
    Rows d, s, c;
    if (!d.Bind(dst) || !s.Bind(src)) return;
    bool cache = ci.Ready && c.Bind(ci.Bmp);
    RECT r = srcRect;
    if (!ClipCopy(r, s.w, s.h, x, y, d.w, d.h)) return;
    try {
        for (int sy = r.top; sy < r.bottom; ++sy) {
            int my = sy + maskDy, dy = y + sy - r.top;
            if (my < 0 || my >= s.h) break;
            for (int sx = r.left; sx < r.right; ++sx) {
                int dx = x + sx - r.left;
                const BYTE* sp = s.At(sx, sy);
                BYTE* dp = d.At(dx, dy);
                if (rule != TKeyRule::Mix && IsKey(sp, clSkinKey)) {
                    const BYTE* cp = nullptr;
                    if (cache) {
                        int cx = ci.X + dx, cy = ci.Y + dy;
                        if (c.Inside(cx, cy)) cp = c.At(cx, cy);
                    }
                    switch (rule) {
                    case TKeyRule::Skip: break;
                    case TKeyRule::Corner:
                        if (cache) {
                            if (cp) std::copy_n(cp, 3, dp);
                        } else if (MaskFillColor != clSkinKey) {
                            FromRGB(dp, MaskFillColor);
                        } else {
                            std::copy_n(sp, 3, dp);
                        }
                        break;
                    case TKeyRule::Texture:
                        if (cache && MaskFillColor == clSkinKey) {
                            if (cp) std::copy_n(cp, 3, dp);
                        } else if (MaskFillColor != clSkinKey) {
                            FromRGB(dp, MaskFillColor);
                        }
                        break;
                    case TKeyRule::Mix: break;
                    }
                    continue;
                }
                const BYTE* mp = s.At(sx, my);
                for (int i = 0; i < 3; ++i) {
                    int m = std::min(mp[i] + fade, 255);
                    dp[i] = Clamp(((dp[i] - sp[i]) * m + sp[i] * 256) >> 8);
                }
            }
        }
    } catch (...) {
    }
}

void RecolorBitmap(TBitmap* bmp, TColor (*fn)(TColor, int), int arg) {
    Rows b;
    if (!b.Bind(bmp)) return;
    for (int y = 0; y < b.h; ++y) {
        BYTE* p = b.At(0, y);
        for (int x = 0; x < b.w; ++x, p += 3) {
            if ((p[0] == p[1] && p[1] == p[2]) || IsKey(p, clSkinKey)) continue;
            FromRGB(p, fn(ToRGB(p), arg));
        }
    }
}

void KeyRuns(TBitmap* src, int x, int y, int count, std::vector<std::pair<int, int>>& runs) {
    Rows s;
    runs.clear();
    if (!s.Bind(src) || y < 0 || y >= s.h) return;
    int start = -1;
    for (int i = 0; i < count; ++i) {
        bool key = x + i >= 0 && x + i < s.w && IsKey(s.At(x + i, y), clSkinKey);
        if (key && start < 0) start = i;
        if (!key && start >= 0) {
            runs.emplace_back(start, i);
            start = -1;
        }
    }
    if (start >= 0) runs.emplace_back(start, count);
}

} // namespace tv
