#include "platform/gdi/shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/recorder.h"

namespace tv::win {

namespace {

struct DPoint {
    double x, y;
};

DPoint ToDevice(const DeviceContext* dc, POINT p) {
    double x = p.x, y = p.y;
    LogicalToDevice(dc, x, y);
    return {std::round(x), std::round(y)};
}

// An open polyline through pixel centres that leaves its last point out, as
// Windows lines do. Wide pens run through the points themselves.
void PolylinePath(cairo_t* cr, const std::vector<DPoint>& pts, double width) {
    if (pts.size() < 2) return;
    if (width > 1) {
        cairo_move_to(cr, pts[0].x, pts[0].y);
        for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
        return;
    }
    auto unit = [](DPoint a, DPoint b) {
        double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
        return len > 0 ? DPoint{dx / len, dy / len} : DPoint{0, 0};
    };
    DPoint u0 = unit(pts[0], pts[1]);
    DPoint un = unit(pts[pts.size() - 2], pts.back());
    cairo_move_to(cr, pts[0].x + 0.5 - 0.5 * u0.x, pts[0].y + 0.5 - 0.5 * u0.y);
    for (std::size_t i = 1; i + 1 < pts.size(); ++i) cairo_line_to(cr, pts[i].x + 0.5, pts[i].y + 0.5);
    cairo_line_to(cr, pts.back().x + 0.5 - 0.5 * un.x, pts.back().y + 0.5 - 0.5 * un.y);
}

std::vector<DPoint> Convert(const DeviceContext* dc, const POINT* pts, int count) {
    std::vector<DPoint> out;
    out.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) out.push_back(ToDevice(dc, pts[i]));
    return out;
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, POINT* old) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "MoveToEx", Args(x, y), [x, y](HDC t) { MoveToEx(t, x, y, nullptr); });
    if (old) *old = dc->st.pos;
    dc->st.pos = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "LineTo", Args(x, y), [x, y](HDC t) { LineTo(t, x, y); });
    POINT from = dc->st.pos;
    dc->st.pos = {x, y};
    if (scope.Captured()) return TRUE;
    std::vector<DPoint> pts{ToDevice(dc, from), ToDevice(dc, POINT{x, y})};
    double w = PenWidth(dc);
    StrokePath(dc, [&](cairo_t* cr) { PolylinePath(cr, pts, w); });
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* pts, int count) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !pts || count < 2) return FALSE;
    std::vector<POINT> copy(pts, pts + count);
    CallScope scope(dc, "Polyline", FormatPoints(pts, count),
                    [copy](HDC t) { Polyline(t, copy.data(), int(copy.size())); });
    if (scope.Captured()) return TRUE;
    auto dp = Convert(dc, pts, count);
    double w = PenWidth(dc);
    StrokePath(dc, [&](cairo_t* cr) { PolylinePath(cr, dp, w); });
    return TRUE;
}

BOOL PolyPolyline(HDC hdc, const POINT* pts, const DWORD* counts, DWORD polylines) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !pts || !counts) return FALSE;
    std::size_t total = 0;
    for (DWORD i = 0; i < polylines; ++i) {
        if (counts[i] < 2) return FALSE;
        total += counts[i];
    }
    std::vector<POINT> copy(pts, pts + total);
    std::vector<DWORD> ccopy(counts, counts + polylines);
    CallScope scope(dc, "PolyPolyline", FormatPoints(pts, int(total)) + ", " + Args(int(polylines)),
                    [copy, ccopy](HDC t) { PolyPolyline(t, copy.data(), ccopy.data(), DWORD(ccopy.size())); });
    if (scope.Captured()) return TRUE;
    double w = PenWidth(dc);
    std::vector<std::vector<DPoint>> lines;
    std::size_t at = 0;
    for (DWORD i = 0; i < polylines; ++i) {
        lines.push_back(Convert(dc, pts + at, int(counts[i])));
        at += counts[i];
    }
    StrokePath(dc, [&](cairo_t* cr) {
        for (auto& l : lines) PolylinePath(cr, l, w);
    });
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* pts, int count) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !pts || count < 2) return FALSE;
    std::vector<POINT> copy(pts, pts + count);
    CallScope scope(dc, "Polygon", FormatPoints(pts, count),
                    [copy](HDC t) { Polygon(t, copy.data(), int(copy.size())); });
    if (scope.Captured()) return TRUE;
    auto dp = Convert(dc, pts, count);
    auto path = [&](cairo_t* cr) {
        cairo_move_to(cr, dp[0].x + 0.5, dp[0].y + 0.5);
        for (std::size_t i = 1; i < dp.size(); ++i) cairo_line_to(cr, dp[i].x + 0.5, dp[i].y + 0.5);
        cairo_close_path(cr);
    };
    FillPath(dc, dc->st.brush, path, true,
             dc->st.polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    StrokePath(dc, path);
    return TRUE;
}

// Rectangle-like shapes: the outline lies inside the rectangle, whose right
// and bottom edges are excluded; the brush fills what the pen leaves.
static void BoxShape(DeviceContext* dc, const RECT& logical,
                     const std::function<void(cairo_t*, double, double, double, double)>& shape) {
    RECT r = RectToDevice(dc, logical);
    double w = PenWidth(dc);
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    if (w <= 0) {
        // Without a pen the shape loses its last logical row and column.
        RECT n = logical;
        (n.right > n.left ? n.right : n.left) -= 1;
        (n.bottom > n.top ? n.bottom : n.top) -= 1;
        RECT d = RectToDevice(dc, n);
        FillPath(dc, dc->st.brush, [&](cairo_t* cr) { shape(cr, d.left, d.top, d.right, d.bottom); });
        return;
    }
    FillPath(dc, dc->st.brush, [&](cairo_t* cr) { shape(cr, r.left + w, r.top + w, r.right - w, r.bottom - w); });
    double h = w / 2;
    StrokePath(dc, [&](cairo_t* cr) { shape(cr, r.left + h, r.top + h, r.right - h, r.bottom - h); });
}

BOOL Rectangle(HDC hdc, int l, int t, int r, int b) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "Rectangle", Args(l, t, r, b), [=](HDC x) { Rectangle(x, l, t, r, b); });
    if (scope.Captured()) return TRUE;
    BoxShape(dc, RECT{l, t, r, b}, [](cairo_t* cr, double x1, double y1, double x2, double y2) {
        if (x2 > x1 && y2 > y1) cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
    });
    return TRUE;
}

static void RoundRectPath(cairo_t* cr, double x1, double y1, double x2, double y2, double rx, double ry) {
    if (x2 <= x1 || y2 <= y1) return;
    rx = std::min(rx, (x2 - x1) / 2);
    ry = std::min(ry, (y2 - y1) / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
        return;
    }
    auto corner = [&](double cx, double cy, double a1, double a2) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a1, a2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(x2 - rx, y1 + ry, -M_PI / 2, 0);
    corner(x2 - rx, y2 - ry, 0, M_PI / 2);
    corner(x1 + rx, y2 - ry, M_PI / 2, M_PI);
    corner(x1 + rx, y1 + ry, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

BOOL RoundRect(HDC hdc, int l, int t, int r, int b, int w, int h) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "RoundRect", Args(l, t, r, b, w, h), [=](HDC x) { RoundRect(x, l, t, r, b, w, h); });
    if (scope.Captured()) return TRUE;
    double rx = std::abs(w * ScaleX(dc)) / 2, ry = std::abs(h * ScaleY(dc)) / 2;
    BoxShape(dc, RECT{l, t, r, b}, [rx, ry](cairo_t* cr, double x1, double y1, double x2, double y2) {
        RoundRectPath(cr, x1, y1, x2, y2, rx, ry);
    });
    return TRUE;
}

BOOL Ellipse(HDC hdc, int l, int t, int r, int b) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "Ellipse", Args(l, t, r, b), [=](HDC x) { Ellipse(x, l, t, r, b); });
    if (scope.Captured()) return TRUE;
    BoxShape(dc, RECT{l, t, r, b}, [](cairo_t* cr, double x1, double y1, double x2, double y2) {
        if (x2 <= x1 || y2 <= y1) return;
        cairo_save(cr);
        cairo_translate(cr, (x1 + x2) / 2, (y1 + y2) / 2);
        cairo_scale(cr, (x2 - x1) / 2, (y2 - y1) / 2);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
    });
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect || !IsBrushHandle(brush)) return FALSE;
    RECT rc = *rect;
    // A system colour brush is replayed as that colour's solid brush.
    COLORREF color = BrushColor(brush);
    bool sys = reinterpret_cast<std::uintptr_t>(brush) <= 64;
    CallScope scope(dc, "FillRect", [&] {
        auto kept = sys ? nullptr : CloneObject(brush);
        return CallRecord{
            Args(rc) + ", " + (sys ? "sys " + FormatColor(color) : DescribeObject(brush)),
            [rc, kept, brush, sys](HDC t) { FillRect(t, &rc, sys ? brush : static_cast<HBRUSH>(kept.get())); }};
    });
    if (scope.Captured()) return TRUE;
    RECT d = RectToDevice(dc, rc);
    FillPath(dc, brush, [&](cairo_t* cr) { cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top); },
             false);
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect || !IsBrushHandle(brush)) return FALSE;
    RECT rc = *rect;
    auto kept = reinterpret_cast<std::uintptr_t>(brush) <= 64 ? nullptr : CloneObject(brush);
    HBRUSH replay = kept ? static_cast<HBRUSH>(kept.get()) : brush;
    CallScope scope(dc, "FrameRect", Args(rc), [rc, kept, replay](HDC t) { FrameRect(t, &rc, replay); });
    if (scope.Captured()) return TRUE;
    RECT d = RectToDevice(dc, rc);
    if (d.right <= d.left || d.bottom <= d.top) return TRUE;
    FillPath(dc, brush, [&](cairo_t* cr) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
        if (d.right - d.left > 2 && d.bottom - d.top > 2)
            cairo_rectangle(cr, d.left + 1, d.top + 1, d.right - d.left - 2, d.bottom - d.top - 2);
    }, false, CAIRO_FILL_RULE_EVEN_ODD);
    return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    RECT rc = *rect;
    CallScope scope(dc, "InvertRect", Args(rc), [rc](HDC t) { InvertRect(t, &rc); });
    if (scope.Captured()) return TRUE;
    RECT d = RectToDevice(dc, rc);
    PaintWithRop(dc, R2_NOT, 0, [&](cairo_t* cr) {
        cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
        cairo_fill(cr);
    });
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    RECT rc = *rect;
    CallScope scope(dc, "DrawFocusRect", Args(rc), [rc](HDC t) { DrawFocusRect(t, &rc); });
    if (scope.Captured()) return TRUE;
    RECT d = RectToDevice(dc, rc);
    if (d.right <= d.left || d.bottom <= d.top) return TRUE;
    // Every other pixel of the frame, inverted with XOR white.
    PaintWithRop(dc, R2_XORPEN, 0xFFFFFF, [&](cairo_t* cr) {
        for (LONG x = d.left; x < d.right; ++x) {
            if ((x - d.left) % 2 == 0) cairo_rectangle(cr, x, d.top, 1, 1);
            if ((x - d.left + d.bottom - 1 - d.top) % 2 == 0 && d.bottom - 1 > d.top)
                cairo_rectangle(cr, x, d.bottom - 1, 1, 1);
        }
        for (LONG y = d.top + 1; y < d.bottom - 1; ++y) {
            if ((y - d.top) % 2 == 0) cairo_rectangle(cr, d.left, y, 1, 1);
            if ((y - d.top + d.right - 1 - d.left) % 2 == 0 && d.right - 1 > d.left)
                cairo_rectangle(cr, d.right - 1, y, 1, 1);
        }
        cairo_fill(cr);
    });
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return CLR_INVALID;
    CallScope scope(dc, "SetPixel", Args(x, y) + ", " + FormatColor(color), [=](HDC t) { SetPixel(t, x, y, color); });
    if (scope.Captured()) return color;
    DPoint p = ToDevice(dc, POINT{x, y});
    FillDeviceRect(dc, RECT{LONG(p.x), LONG(p.y), LONG(p.x) + 1, LONG(p.y) + 1}, color);
    return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = Dc(hdc);
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return CLR_INVALID;
    cairo_surface_t* s = cairo_get_target(cr);
    if (cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return CLR_INVALID;
    DPoint p = ToDevice(dc, POINT{x, y});
    int sx = int(p.x) + dc->originX, sy = int(p.y) + dc->originY;
    if (sx < 0 || sy < 0 || sx >= cairo_image_surface_get_width(s) || sy >= cairo_image_surface_get_height(s))
        return CLR_INVALID;
    cairo_surface_flush(s);
    auto px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                      std::size_t(sy) * cairo_image_surface_get_stride(s))[sx];
    return RGB(BYTE(px >> 16), BYTE(px >> 8), BYTE(px));
}

} // namespace tv::win
