#include "platform/gdi/paint.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/dc.h"
#include "platform/gdi/liveobjects.h"
#include "platform/gdi/objectimpl.h"
#include "platform/picture/bitmapobject.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

static bool IsSysColorBrush(HBRUSH b) { return reinterpret_cast<std::uintptr_t>(b) <= std::uintptr_t(COLOR_COUNT); }

COLORREF BrushColor(HBRUSH brush) {
    if (!brush) return 0;
    if (IsSysColorBrush(brush)) return GetSysColor(int(reinterpret_cast<std::uintptr_t>(brush)) - 1);
    return brush->color;
}

bool IsBrushHandle(HBRUSH brush) {
    if (IsSysColorBrush(brush)) return brush != nullptr;
    return LiveObject(brush) && brush->kind == GdiKind::Brush;
}

bool IsNullBrush(HBRUSH brush) { return !brush || (!IsSysColorBrush(brush) && brush->style == BS_NULL); }

static cairo_pattern_t* HatchPattern(DeviceContext* dc, const BrushObject* b) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* t = cairo_create(tile);
    if (dc->st.bkMode == OPAQUE) {
        SetSourceColor(t, dc->st.bkColor);
        cairo_paint(t);
    }
    cairo_set_antialias(t, CAIRO_ANTIALIAS_NONE);
    SetSourceColor(t, b->color);
    for (int i = 0; i < 8; ++i) {
        bool h = b->hatch == HS_HORIZONTAL || b->hatch == HS_CROSS;
        bool v = b->hatch == HS_VERTICAL || b->hatch == HS_CROSS;
        bool f = b->hatch == HS_FDIAGONAL || b->hatch == HS_DIAGCROSS;
        bool bd = b->hatch == HS_BDIAGONAL || b->hatch == HS_DIAGCROSS;
        if (h) cairo_rectangle(t, i, 7, 1, 1);
        if (v) cairo_rectangle(t, 7, i, 1, 1);
        if (f) cairo_rectangle(t, i, i, 1, 1);
        if (bd) cairo_rectangle(t, 7 - i, i, 1, 1);
    }
    cairo_fill(t);
    cairo_destroy(t);
    cairo_pattern_t* p = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    return p;
}

void FillPath(DeviceContext* dc, HBRUSH brush, const std::function<void(cairo_t*)>& path, bool useRop2,
              cairo_fill_rule_t rule) {
    if (IsNullBrush(brush)) return;
    bool plain = IsSysColorBrush(brush) || brush->style == BS_SOLID;
    if (plain || (useRop2 && dc->st.rop2 != R2_COPYPEN)) {
        PaintWithRop(dc, useRop2 ? dc->st.rop2 : R2_COPYPEN, BrushColor(brush), [&](cairo_t* cr) {
            cairo_set_fill_rule(cr, rule);
            path(cr);
            cairo_fill(cr);
        });
        return;
    }
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return;
    cairo_pattern_t* p = nullptr;
    if (brush->style == BS_HATCHED) {
        p = HatchPattern(dc, brush);
    } else if (auto* bmp = static_cast<BitmapObject*>(brush->pattern); bmp && !bmp->Empty()) {
        p = cairo_pattern_create_for_surface(bmp->SurfaceForReading());
    }
    if (!p) return;
    cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, -dc->st.brushOrg.x, -dc->st.brushOrg.y);
    cairo_pattern_set_matrix(p, &m);
    cairo_set_source(cr, p);
    cairo_set_fill_rule(cr, rule);
    path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

double PenWidth(DeviceContext* dc) {
    PenObject* pen = dc->st.pen;
    if (!pen || pen->style == PS_NULL) return 0;
    if (pen->width <= 1 && !pen->geometric) return 1;
    return std::max(1.0, std::round(pen->width * std::abs(ScaleX(dc))));
}

void StrokePath(DeviceContext* dc, const std::function<void(cairo_t*)>& path) {
    PenObject* pen = dc->st.pen;
    double width = PenWidth(dc);
    if (width <= 0) return;
    auto setup = [pen, width](cairo_t* cr) {
        cairo_set_line_width(cr, width);
        if (pen->geometric) {
            cairo_set_line_cap(cr, pen->endCap == PS_ENDCAP_FLAT     ? CAIRO_LINE_CAP_BUTT
                                   : pen->endCap == PS_ENDCAP_SQUARE ? CAIRO_LINE_CAP_SQUARE
                                                                     : CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, pen->join == PS_JOIN_MITER   ? CAIRO_LINE_JOIN_MITER
                                    : pen->join == PS_JOIN_BEVEL ? CAIRO_LINE_JOIN_BEVEL
                                                                 : CAIRO_LINE_JOIN_ROUND);
        } else {
            cairo_set_line_cap(cr, width <= 1 ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, width <= 1 ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
        }
    };
    static const double dash[] = {6, 2}, dot[] = {1, 1}, dashdot[] = {6, 2, 1, 2}, dashdotdot[] = {6, 2, 1, 2, 1, 2};
    const double* pattern = nullptr;
    int count = 0;
    switch (pen->style) {
    case PS_DASH: pattern = dash, count = 2; break;
    case PS_DOT: pattern = dot, count = 2; break;
    case PS_DASHDOT: pattern = dashdot, count = 4; break;
    case PS_DASHDOTDOT: pattern = dashdotdot, count = 6; break;
    default: break;
    }
    double scaled[6];
    for (int i = 0; i < count; ++i) scaled[i] = pattern[i] * width;
    if (count && dc->st.bkMode == OPAQUE && dc->st.rop2 == R2_COPYPEN) {
        PaintWithRop(dc, R2_COPYPEN, dc->st.bkColor, [&](cairo_t* cr) {
            setup(cr);
            path(cr);
            cairo_stroke(cr);
        });
    }
    PaintWithRop(dc, dc->st.rop2, pen->color, [&](cairo_t* cr) {
        setup(cr);
        if (count) cairo_set_dash(cr, scaled, count, 0);
        path(cr);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    });
}

void FillDeviceRect(DeviceContext* dc, const RECT& r, COLORREF color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    PaintWithRop(dc, R2_COPYPEN, color, [&](cairo_t* cr) {
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_fill(cr);
    });
}

} // namespace tv::win
