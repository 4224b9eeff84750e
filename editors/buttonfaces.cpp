#include "editors/buttonfaces.h"

#include <algorithm>

#include "core/unitinit.h"
#include "framework/ui/picture.h"
#include "platform/gdi/gdi.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

namespace {

std::unique_ptr<TButtonsBitmapCache>& CacheSlot() {
    static std::unique_ptr<TButtonsBitmapCache> cache;
    return cache;
}

RECT Inflated(RECT r, int d) { return RECT{r.left - d, r.top - d, r.right + d, r.bottom + d}; }

void FillColor(HDC dc, const RECT& r, COLORREF c) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

void FrameColor(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FrameRect(dc, &r, b);
    DeleteObject(b);
}

// Draws the glyph parts (dots or bars) in the button-text colour, or embossed
// when the button is disabled.
void DrawGlyphRects(HDC dc, const std::vector<RECT>& parts, bool enabled) {
    if (!enabled) {
        for (RECT p : parts) FillColor(dc, RECT{p.left + 1, p.top + 1, p.right + 1, p.bottom + 1},
                                        GetSysColor(COLOR_BTNHIGHLIGHT));
        for (const RECT& p : parts) FillColor(dc, p, GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    for (const RECT& p : parts) FillColor(dc, p, GetSysColor(COLOR_BTNTEXT));
}

// The background that ellipsis, plus and minus share; returns the inner rectangle.
RECT DrawPushBackground(HDC dc, RECT r, int kind, bool pressed, bool flat) {
    if (flat) {
        FillColor(dc, r, GetSysColor(COLOR_BTNFACE));
        return Inflated(r, -1);
    }
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    RECT in = Inflated(r, -2);
    if (kind != bfkEllipsisEh) FillColor(dc, in, GetSysColor(COLOR_BTNFACE));
    return in;
}

void DrawEllipsis(HDC dc, const RECT& in, bool pressed, bool enabled) {
    int w = in.Width(), h = in.Height();
    int dot = w > 7 ? 2 : 1;
    int gap = w >= 12 ? 2 : 1;
    int x = in.left + w / 2 - dot / 2, y = in.top + h / 2 - dot / 2;
    if (pressed) { ++x; ++y; }
    std::vector<RECT> dots;
    for (int i = -1; i <= 1; ++i) {
        int dx = x + i * (gap + dot);
        dots.push_back(RECT{dx, y, dx + dot, y + dot});
    }
    DrawGlyphRects(dc, dots, enabled);
}

void DrawPlusMinus(HDC dc, const RECT& in, bool plus, bool pressed, bool flat, bool enabled) {
    int m = std::min(in.Width(), in.Height());
    int w = std::max(m * 4 / 7, 1);
    int h = std::max(w / 3, 1);
    if (flat) --w;
    if ((w % 2 != 0) != (m % 2 != 0)) ++w;
    if (plus && (w % 2 != 0) != (h % 2 != 0)) w += m < 12 ? 1 : -1;
    int x = in.left + (in.Width() - w) / 2, y = in.top + (in.Height() - h) / 2;
    if (pressed) { ++x; ++y; }
    std::vector<RECT> bars{RECT{x, y, x + w, y + h}};
    if (plus) {
        int vx = x + (w - h) / 2, vy = y + (h - w) / 2;
        bars.push_back(RECT{vx, vy, vx + h, vy + w});
    }
    DrawGlyphRects(dc, bars, enabled);
}

UINT FrameFlags(bool pressed, bool flat, bool enabled) {
    return (pressed ? DFCS_PUSHED : 0) | (flat ? DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE);
}

// One face of kinds 0 to 5 but the check box, painted on the rectangle.
void PaintFace(HDC dc, int kind, const RECT& rect, int half, bool pressed, bool active, bool flat, bool enabled) {
    bool thinEdge = active && flat;
    int saved = 0;
    if (thinEdge) {
        saved = SaveDC(dc);
        RECT c = Inflated(rect, -1);
        IntersectClipRect(dc, c.left, c.top, c.right, c.bottom);
    }
    // Flat faces push the classic 3-D border outside the clip.
    RECT face = flat ? Inflated(rect, active ? 1 : 2) : rect;
    switch (kind) {
    case bfkDropDownEh: {
        DrawFrameControl(dc, &face, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameFlags(pressed, flat, enabled));
        break;
    }
    case bfkUpDownEh: {
        UINT dir = half == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
        DrawFrameControl(dc, &face, DFC_SCROLL, dir | FrameFlags(pressed, flat, enabled));
        break;
    }
    case bfkEllipsisEh: case bfkPlusEh: case bfkMinusEh: {
        RECT in = DrawPushBackground(dc, face, kind, pressed, flat);
        if (kind == bfkEllipsisEh) {
            DrawEllipsis(dc, in, pressed, enabled);
        } else {
            DrawPlusMinus(dc, in, kind == bfkPlusEh, pressed, flat, enabled);
        }
        break;
    }
    default:
        break;
    }
    if (thinEdge) {
        RestoreDC(dc, saved);
        RECT e = rect;
        DrawEdge(dc, &e, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
}

void PaintCheckBoxFace(HDC dc, const RECT& square, TCheckBoxState state, bool pressed, bool active, bool flat,
                       bool enabled) {
    UINT s = DFCS_BUTTONCHECK;
    if (state == cbChecked) s |= DFCS_CHECKED;
    if (state == cbGrayed) s |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (!enabled) s |= DFCS_INACTIVE;
    if (pressed) s |= DFCS_PUSHED;
    if (!flat) {
        RECT r = square;
        DrawFrameControl(dc, &r, DFC_BUTTON, s);
        return;
    }
    int saved = SaveDC(dc);
    RECT c = Inflated(square, -1);
    IntersectClipRect(dc, c.left, c.top, c.right, c.bottom);
    RECT big = Inflated(square, 1);
    DrawFrameControl(dc, &big, DFC_BUTTON, s);
    RestoreDC(dc, saved);
    FrameColor(dc, square, GetSysColor(active ? COLOR_BTNFACE : COLOR_BTNSHADOW));
}

void PaintKey(HDC dc, const TButtonBitmapKeyEh& k, const RECT& r) {
    if (k.kind == bfkCheckBoxEh) {
        PaintCheckBoxFace(dc, r, k.state, k.pressed, k.active, k.flat, k.enabled);
    } else if (k.kind >= 0 && k.kind <= 5) {
        PaintFace(dc, k.kind, r, k.half, k.pressed, k.active, k.flat, k.enabled);
    }
}

void CopyCached(HDC dc, const RECT& r, const TButtonBitmapKeyEh& key) {
    TBitmap* b = ButtonsBitmapCache()->GetButtonBitmap(key);
    if (r.Width() <= 0 || r.Height() <= 0 || b->Empty()) return;
    StretchBlt(dc, r.left, r.top, r.Width(), r.Height(), b->Canvas()->Handle(), 0, 0, b->Width(), b->Height(),
               SRCCOPY);
}

TButtonBitmapKeyEh KeyFor(const RECT& r, int kind, bool flat, bool pressed, bool active, bool enabled, int half,
                          TCheckBoxState state) {
    TButtonBitmapKeyEh k;
    k.width = r.Width();
    k.height = r.Height();
    k.kind = kind;
    k.flat = flat;
    k.pressed = pressed;
    k.active = active;
    k.enabled = enabled;
    k.half = half;
    k.state = state;
    return k;
}

void InitializeEditorsUnit() {
    FlatButtonDefaultWidth();
    ButtonsBitmapCache();
}

void FinalizeEditorsUnit() { CacheSlot().reset(); }

} // namespace

TV_UNIT(editors, urGrid, &InitializeEditorsUnit, &FinalizeEditorsUnit);

TButtonsBitmapCache::TButtonsBitmapCache() = default;
TButtonsBitmapCache::~TButtonsBitmapCache() { Clear(); }

void TButtonsBitmapCache::Clear() { entries_.clear(); }

TBitmap* TButtonsBitmapCache::GetButtonBitmap(TButtonBitmapKeyEh key) {
    key.width = std::max(key.width, 0);
    key.height = std::max(key.height, 0);
    for (const auto& e : entries_)
        if (e->key == key) return e->bitmap.get();
    auto e = std::make_unique<TButtonBitmapInfoBitmapEh>();
    e->key = key;
    e->bitmap = std::make_unique<TBitmap>();
    e->bitmap->SetSize(key.width, key.height);
    if (key.width > 0 && key.height > 0) PaintKey(e->bitmap->Canvas()->Handle(), key, RECT{0, 0, key.width, key.height});
    entries_.push_back(std::move(e));
    return entries_.back()->bitmap.get();
}

TButtonsBitmapCache* ButtonsBitmapCache() {
    auto& c = CacheSlot();
    if (!c) c = std::make_unique<TButtonsBitmapCache>();
    return c.get();
}

void ResetButtonBitmapCache() {
    if (CacheSlot()) CacheSlot()->Clear();
}

void DrawEditButtonFace(HDC dc, const RECT& rect, TColor parentColor, TCheckBoxState state, bool enabled,
                        bool active, bool flat, int pressedPart, int kind) {
    COLORREF parent = ColorToRGB(parentColor);
    if (kind < 0 || kind > 5) {
        ButtonsBitmapCache()->GetButtonBitmap(KeyFor(rect, kind, flat, pressedPart != 0, active, enabled, 0, state));
        return;
    }
    if (kind == bfkCheckBoxEh) {
        RECT r = rect;
        int w = r.Width(), h = r.Height();
        if (w > h) {
            int d = w - h;
            r.left += d / 2;
            r.right -= d - d / 2;
        } else if (h > w) {
            int d = h - w;
            r.top += d / 2;
            r.bottom -= d - d / 2;
        }
        if (flat) r = Inflated(r, -1);
        CopyCached(dc, r, KeyFor(r, kind, flat, pressedPart != 0, active, enabled, 0, state));
        if (!flat) return;
        r = Inflated(r, 1);
        if (active) {
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        } else {
            FrameColor(dc, r, parent);
        }
        return;
    }
    bool borderless = flat && !active;
    RECT r = borderless ? Inflated(rect, -1) : rect;
    if (kind == bfkUpDownEh) {
        int hh = rect.Height() / 2;
        RECT upper{rect.left, rect.top, rect.right, rect.top + hh};
        RECT lower{rect.left, rect.bottom - hh, rect.right, rect.bottom};
        RECT band{r.left, upper.bottom, r.right, lower.top};
        if (borderless) {
            upper = Inflated(upper, -1);
            lower = Inflated(lower, -1);
            band.top -= 1;
            band.bottom += 1;
        }
        CopyCached(dc, upper, KeyFor(upper, kind, flat, pressedPart == 1, active, enabled, 0, cbUnchecked));
        CopyCached(dc, lower, KeyFor(lower, kind, flat, pressedPart == 2, active, enabled, 1, cbUnchecked));
        if (rect.Height() % 2 != 0 || borderless) FillColor(dc, band, parent);
    } else {
        CopyCached(dc, r, KeyFor(r, kind, flat, pressedPart != 0, active, enabled, 0, cbUnchecked));
    }
    if (borderless) FrameColor(dc, rect, parent);
}

} // namespace tv
