#include "platform/gdi/edges.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/paint.h"
#include "platform/gdi/recorder.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

namespace {

void Fill(DeviceContext* dc, LONG l, LONG t, LONG r, LONG b, COLORREF c) { FillDeviceRect(dc, RECT{l, t, r, b}, c); }

// One ring of an edge: top and left in `tl`, bottom and right in `br`; the
// bottom-right colour takes the two odd corners.
void Ring(DeviceContext* dc, const RECT& r, UINT sides, COLORREF tl, COLORREF br) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (sides & BF_TOP) Fill(dc, r.left, r.top, r.right - ((sides & BF_RIGHT) ? 1 : 0), r.top + 1, tl);
    if (sides & BF_LEFT) Fill(dc, r.left, r.top, r.left + 1, r.bottom - ((sides & BF_BOTTOM) ? 1 : 0), tl);
    if (sides & BF_BOTTOM) Fill(dc, r.left, r.bottom - 1, r.right, r.bottom, br);
    if (sides & BF_RIGHT) Fill(dc, r.right - 1, r.top, r.right, r.bottom, br);
}

void Shrink(RECT& r, UINT sides) {
    if (sides & BF_LEFT) r.left++;
    if (sides & BF_TOP) r.top++;
    if (sides & BF_RIGHT) r.right--;
    if (sides & BF_BOTTOM) r.bottom--;
}

// The edge in device pixels; returns the rectangle left inside it.
RECT Edge(DeviceContext* dc, RECT r, UINT edge, UINT flags) {
    COLORREF light = GetSysColor(COLOR_3DLIGHT), hilight = GetSysColor(COLOR_3DHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_3DSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
    COLORREF face = GetSysColor(COLOR_3DFACE);
    UINT sides = flags & BF_RECT;
    if (flags & BF_DIAGONAL) {
        // A diagonal edge: a line of the outer colour from corner to corner.
        COLORREF c = (edge & (BDR_RAISEDOUTER | BDR_SUNKENINNER)) ? dark : shadow;
        int n = std::min(r.right - r.left, r.bottom - r.top);
        bool up = (flags & BF_DIAGONAL_ENDTOPRIGHT) == BF_DIAGONAL_ENDTOPRIGHT ||
                  (flags & BF_DIAGONAL_ENDTOPLEFT) == BF_DIAGONAL_ENDTOPLEFT;
        for (int i = 0; i < n; ++i) {
            LONG y = up ? r.bottom - 1 - i : r.top + i;
            Fill(dc, r.left + i, y, r.left + i + 1, y + 1, c);
        }
        return r;
    }
    if (flags & (BF_FLAT | BF_MONO)) {
        COLORREF frame = (flags & BF_MONO) ? GetSysColor(COLOR_WINDOWFRAME) : shadow;
        COLORREF inner = (flags & BF_MONO) ? GetSysColor(COLOR_WINDOW) : face;
        if (edge & BDR_OUTER) {
            Ring(dc, r, sides, frame, frame);
            Shrink(r, sides);
        }
        if (edge & BDR_INNER) {
            Ring(dc, r, sides, inner, inner);
            Shrink(r, sides);
        }
    } else {
        bool soft = (flags & BF_SOFT) != 0;
        if (edge & BDR_OUTER) {
            if (edge & BDR_RAISEDOUTER) Ring(dc, r, sides, soft ? hilight : light, dark);
            else Ring(dc, r, sides, shadow, hilight);
            Shrink(r, sides);
        }
        if (edge & BDR_INNER) {
            if (edge & BDR_RAISEDINNER) Ring(dc, r, sides, soft ? light : hilight, shadow);
            else Ring(dc, r, sides, soft ? shadow : dark, light);
            Shrink(r, sides);
        }
    }
    if (flags & BF_MIDDLE) {
        COLORREF mid = (flags & BF_MONO) ? GetSysColor(COLOR_WINDOW) : face;
        Fill(dc, r.left, r.top, r.right, r.bottom, mid);
    }
    return r;
}

// A filled triangle pointing in one of four directions, centred in r.
void Arrow(DeviceContext* dc, const RECT& r, int dir, COLORREF c, int dx = 0, int dy = 0) {
    int w = r.right - r.left, h = r.bottom - r.top;
    int n = std::max(1, (std::min(w, h) + 1) / 4); // rows of the triangle
    int cx = r.left + w / 2 + dx, cy = r.top + h / 2 + dy;
    for (int i = 0; i < n; ++i) {
        int half = i;
        switch (dir) {
        case 0: Fill(dc, cx - half, cy - n / 2 + i, cx + half + 1, cy - n / 2 + i + 1, c); break; // up
        case 1: Fill(dc, cx - half, cy + n / 2 - i, cx + half + 1, cy + n / 2 - i + 1, c); break; // down
        case 2: Fill(dc, cx - n / 2 + i, cy - half, cx - n / 2 + i + 1, cy + half + 1, c); break; // left
        case 3: Fill(dc, cx + n / 2 - i, cy - half, cx + n / 2 - i + 1, cy + half + 1, c); break; // right
        }
    }
}

// The 7 x 7 tick, scaled so a printer's large box gets a large tick.
void CheckMark(DeviceContext* dc, const RECT& in, COLORREF c) {
    static const int top[7] = {2, 3, 4, 3, 2, 1, 0};
    int u = std::max(1, int(std::min(in.right - in.left, in.bottom - in.top)) / 9);
    int x = in.left + (in.right - in.left - 7 * u) / 2, y = in.top + (in.bottom - in.top - 7 * u) / 2;
    for (int i = 0; i < 7; ++i) Fill(dc, x + i * u, y + top[i] * u, x + (i + 1) * u, y + (top[i] + 3) * u, c);
}

RECT Square(const RECT& r) {
    int n = std::min(r.right - r.left, r.bottom - r.top);
    int x = r.left + (r.right - r.left - n) / 2, y = r.top + (r.bottom - r.top - n) / 2;
    return RECT{x, y, x + n, y + n};
}

void PushFace(DeviceContext* dc, RECT& r, UINT state) {
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        r = Edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | ((state & DFCS_MONO) ? BF_MONO : BF_FLAT));
    } else if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        r = Edge(dc, r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_SOFT);
    } else {
        r = Edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
    }
}

COLORREF GlyphColor(UINT state) { return GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT); }

void CheckBox(DeviceContext* dc, const RECT& rect, UINT state) {
    RECT box = Square(rect);
    RECT in = (state & (DFCS_FLAT | DFCS_MONO)) ? Edge(dc, box, BDR_SUNKENOUTER, BF_RECT | BF_FLAT)
                                                : Edge(dc, box, EDGE_SUNKEN, BF_RECT);
    bool grayed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    COLORREF back = GetSysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) || grayed ? COLOR_3DFACE : COLOR_WINDOW);
    Fill(dc, in.left, in.top, in.right, in.bottom, back);
    if (state & DFCS_CHECKED) {
        COLORREF mark = grayed || (state & DFCS_INACTIVE) ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_WINDOWTEXT);
        CheckMark(dc, in, mark);
    }
}

void Radio(DeviceContext* dc, const RECT& rect, UINT state) {
    RECT box = Square(rect);
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return;
    double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0, rad = (box.right - box.left) / 2.0;
    auto disc = [&](double radius, COLORREF c) {
        PaintWithRop(dc, 13, c, [&](cairo_t* k) {
            cairo_arc(k, cx, cy, radius, 0, 2 * M_PI);
            cairo_fill(k);
        });
    };
    auto half = [&](double radius, COLORREF c, bool upper) {
        PaintWithRop(dc, 13, c, [&](cairo_t* k) {
            cairo_arc(k, cx, cy, radius, upper ? 3 * M_PI / 4 : -M_PI / 4, upper ? 7 * M_PI / 4 : 3 * M_PI / 4);
            cairo_close_path(k);
            cairo_fill(k);
        });
    };
    half(rad, GetSysColor(COLOR_3DSHADOW), true);
    half(rad, GetSysColor(COLOR_3DHIGHLIGHT), false);
    half(rad - 1, GetSysColor(COLOR_3DDKSHADOW), true);
    half(rad - 1, GetSysColor(COLOR_3DLIGHT), false);
    disc(rad - 2, GetSysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_3DFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED) disc(std::max(1.5, rad / 3), GlyphColor(state));
}

void CaptionGlyph(DeviceContext* dc, const RECT& r, UINT kind, COLORREF c, int shift) {
    int w = r.right - r.left, h = r.bottom - r.top;
    int n = std::max(3, std::min(w, h) / 2 & ~1);
    int x = r.left + (w - n) / 2 + shift, y = r.top + (h - n) / 2 + shift;
    switch (kind) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i < n; ++i) {
            Fill(dc, x + i, y + i, x + i + 2, y + i + 1, c);
            Fill(dc, x + n - 1 - i, y + i, x + n + 1 - i, y + i + 1, c);
        }
        break;
    case DFCS_CAPTIONMIN: Fill(dc, x + 1, y + n - 2, x + n - 1, y + n, c); break;
    case DFCS_CAPTIONMAX:
        Fill(dc, x, y, x + n, y + 2, c);
        Fill(dc, x, y, x + 1, y + n, c);
        Fill(dc, x + n - 1, y, x + n, y + n, c);
        Fill(dc, x, y + n - 1, x + n, y + n, c);
        break;
    case DFCS_CAPTIONRESTORE: {
        int m = n * 2 / 3;
        auto box = [&](int bx, int by) {
            Fill(dc, bx, by, bx + m, by + 2, c);
            Fill(dc, bx, by, bx + 1, by + m, c);
            Fill(dc, bx + m - 1, by, bx + m, by + m, c);
            Fill(dc, bx, by + m - 1, bx + m, by + m, c);
        };
        box(x + n - m, y);
        Fill(dc, x, y + n - m, x + m, y + n, GetSysColor(COLOR_3DFACE));
        box(x, y + n - m);
        break;
    }
    case DFCS_CAPTIONHELP: {
        // A question mark from rectangles.
        int u = std::max(1, n / 6);
        Fill(dc, x + u, y, x + n - u, y + u, c);
        Fill(dc, x, y + u, x + u * 2, y + u * 2, c);
        Fill(dc, x + n - u * 2, y + u, x + n, y + n / 2, c);
        Fill(dc, x + n / 2 - u / 2, y + n / 2 - u / 2, x + n - u * 2, y + n / 2 + u / 2, c);
        Fill(dc, x + n / 2 - u / 2, y + n / 2, x + n / 2 + u, y + n - u * 2, c);
        Fill(dc, x + n / 2 - u / 2, y + n - u, x + n / 2 + u, y + n, c);
        break;
    }
    }
}

} // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    RECT rc = *rect;
    CallScope scope(dc, "DrawEdge", [&] {
        return CallRecord{Args(rc, edge, flags), [=](HDC t) {
                              RECT r = rc;
                              DrawEdge(t, &r, edge, flags);
                          }};
    });
    if (!scope.Captured()) {
        RECT d = RectToDevice(dc, rc);
        Edge(dc, d, edge, flags);
    }
    if (flags & BF_ADJUST) {
        int w = ((edge & BDR_OUTER) ? 1 : 0) + ((edge & BDR_INNER) ? 1 : 0);
        if (flags & BF_LEFT) rect->left += w;
        if (flags & BF_TOP) rect->top += w;
        if (flags & BF_RIGHT) rect->right -= w;
        if (flags & BF_BOTTOM) rect->bottom -= w;
    }
    return TRUE;
}

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    RECT rc = *rect;
    CallScope scope(dc, "DrawFrameControl", Args(rc, type, state), [=](HDC t) {
        RECT r = rc;
        DrawFrameControl(t, &r, type, state);
    });
    if (scope.Captured()) return TRUE;
    RECT d = RectToDevice(dc, rc);
    if (d.right <= d.left || d.bottom <= d.top) return TRUE;
    UINT kind = state & 0xFF;
    int shift = (state & DFCS_PUSHED) ? 1 : 0;
    switch (type) {
    case DFC_BUTTON:
        if (kind & DFCS_BUTTONPUSH) {
            RECT in = d;
            PushFace(dc, in, state);
            if (state & DFCS_ADJUSTRECT) *rect = in;
        } else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
            Radio(dc, d, state);
        } else {
            CheckBox(dc, d, state);
        }
        return TRUE;
    case DFC_SCROLL: {
        RECT in = d;
        if (kind == DFCS_SCROLLSIZEGRIP) {
            COLORREF hi = GetSysColor(COLOR_3DHIGHLIGHT), sh = GetSysColor(COLOR_3DSHADOW);
            int n = std::min(d.right - d.left, d.bottom - d.top);
            for (int k = 2; k < n; k += 4)
                for (int i = 0; i < k; ++i) {
                    Fill(dc, d.right - k + i, d.bottom - 1 - i, d.right - k + i + 1, d.bottom - i, hi);
                    Fill(dc, d.right - k + i + 1, d.bottom - 1 - i, d.right - k + i + 3, d.bottom - i, sh);
                }
            return TRUE;
        }
        PushFace(dc, in, (state & DFCS_PUSHED) && !(state & DFCS_FLAT) ? (state | DFCS_FLAT) : state);
        int dir = kind == DFCS_SCROLLUP ? 0 : kind == DFCS_SCROLLLEFT ? 2 : kind == DFCS_SCROLLRIGHT ? 3 : 1;
        if (state & DFCS_INACTIVE) Arrow(dc, in, dir, GetSysColor(COLOR_3DHIGHLIGHT), 1, 1);
        Arrow(dc, in, dir, GlyphColor(state), shift, shift);
        return TRUE;
    }
    case DFC_CAPTION: {
        RECT in = d;
        PushFace(dc, in, state);
        if (state & DFCS_INACTIVE) CaptionGlyph(dc, in, kind, GetSysColor(COLOR_3DHIGHLIGHT), shift + 1);
        CaptionGlyph(dc, in, kind, GlyphColor(state), shift);
        return TRUE;
    }
    case DFC_MENU: {
        COLORREF c = GlyphColor(state);
        if (kind == DFCS_MENUARROW) Arrow(dc, d, 3, c);
        else if (kind == DFCS_MENUCHECK) CheckMark(dc, d, c);
        else {
            int n = std::max(2, std::min(d.right - d.left, d.bottom - d.top) / 3);
            int x = d.left + (d.right - d.left - n) / 2, y = d.top + (d.bottom - d.top - n) / 2;
            Fill(dc, x, y, x + n, y + n, c);
        }
        return TRUE;
    }
    default: return FALSE;
    }
}

} // namespace tv::win
