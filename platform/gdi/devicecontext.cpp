#include "platform/gdi/devicecontext.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/recorder.h"
#include "platform/picture/bitmapobject.h"

namespace tv::win {

std::unordered_set<DeviceContext*>& LiveDeviceContexts() {
    static auto* live = new std::unordered_set<DeviceContext*>; // outlives static destruction
    return *live;
}

DeviceContext::DeviceContext(DCKind k) : kind(k) {
    LiveDeviceContexts().insert(this);
    st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    st.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    dpiX = dpiY = ScreenPixelsPerInch();
}

DeviceContext::~DeviceContext() {
    LiveDeviceContexts().erase(this);
    if (cr) cairo_destroy(cr);
}

DeviceContext* Dc(HDC dc) { return dc && LiveDeviceContexts().count(dc) ? dc : nullptr; }

static void ClipToRects(cairo_t* cr, const std::vector<RECT>& rects, double dx, double dy) {
    cairo_new_path(cr);
    for (const RECT& r : rects)
        cairo_rectangle(cr, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
}

cairo_t* BeginDraw(DeviceContext* dc) {
    if (!dc) return nullptr;
    if (dc->kind == DCKind::Memory) {
        auto* bmp = static_cast<BitmapObject*>(dc->bitmap);
        if (!bmp || bmp->Empty()) return nullptr;
        bmp->SurfaceForWriting();
    }
    cairo_t* cr = dc->cr;
    if (!cr) return nullptr;
    cairo_identity_matrix(cr);
    if (dc->deviceScale != 1) cairo_scale(cr, dc->deviceScale, dc->deviceScale);
    if (dc->clipDirty) {
        cairo_reset_clip(cr);
        if (dc->deviceScale == 1) {
            // One clip of whole pixels, their intersection: a control drawn
            // in a window that its children cut up mostly gets one rectangle,
            // which Cairo draws through fastest.
            if (auto clip = EffectiveClip(dc)) ClipToRects(cr, *clip, 0, 0);
        } else {
            if (dc->deviceClip) ClipToRects(cr, *dc->deviceClip, 0, 0);
            if (dc->st.clip) ClipToRects(cr, *dc->st.clip, dc->originX, dc->originY);
        }
        dc->clipDirty = false;
    }
    cairo_translate(cr, dc->originX, dc->originY);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_line_width(cr, 1);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_new_path(cr);
    return cr;
}

static bool Scaled(const DeviceContext* dc) { return dc->st.mapMode != MM_TEXT; }

void LogicalToDevice(const DeviceContext* dc, double& x, double& y) {
    const DCState& s = dc->st;
    if (Scaled(dc)) {
        x = (x - s.windowOrg.x) * s.viewportExt.cx / double(s.windowExt.cx) + s.viewportOrg.x;
        y = (y - s.windowOrg.y) * s.viewportExt.cy / double(s.windowExt.cy) + s.viewportOrg.y;
    } else {
        x = x - s.windowOrg.x + s.viewportOrg.x;
        y = y - s.windowOrg.y + s.viewportOrg.y;
    }
    x = x * s.world.sx + s.world.tx;
    y = y * s.world.sy + s.world.ty;
}

void DeviceToLogical(const DeviceContext* dc, double& x, double& y) {
    const DCState& s = dc->st;
    x = (x - s.world.tx) / s.world.sx;
    y = (y - s.world.ty) / s.world.sy;
    if (Scaled(dc)) {
        x = (x - s.viewportOrg.x) * s.windowExt.cx / double(s.viewportExt.cx) + s.windowOrg.x;
        y = (y - s.viewportOrg.y) * s.windowExt.cy / double(s.viewportExt.cy) + s.windowOrg.y;
    } else {
        x = x - s.viewportOrg.x + s.windowOrg.x;
        y = y - s.viewportOrg.y + s.windowOrg.y;
    }
}

double ScaleX(const DeviceContext* dc) {
    const DCState& s = dc->st;
    double m = Scaled(dc) ? s.viewportExt.cx / double(s.windowExt.cx) : 1.0;
    return m * s.world.sx;
}

double ScaleY(const DeviceContext* dc) {
    const DCState& s = dc->st;
    double m = Scaled(dc) ? s.viewportExt.cy / double(s.windowExt.cy) : 1.0;
    return m * s.world.sy;
}

RECT RectToDevice(const DeviceContext* dc, const RECT& r) {
    double x1 = r.left, y1 = r.top, x2 = r.right, y2 = r.bottom;
    LogicalToDevice(dc, x1, y1);
    LogicalToDevice(dc, x2, y2);
    RECT d{LONG(std::lround(std::min(x1, x2))), LONG(std::lround(std::min(y1, y2))),
           LONG(std::lround(std::max(x1, x2))), LONG(std::lround(std::max(y1, y2)))};
    return d;
}

void SetSourceColor(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

static std::vector<RECT> Intersect(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    std::vector<RECT> out;
    for (const RECT& x : a)
        for (const RECT& y : b) {
            RECT r{std::max(x.left, y.left), std::max(x.top, y.top), std::min(x.right, y.right),
                   std::min(x.bottom, y.bottom)};
            if (r.left < r.right && r.top < r.bottom) out.push_back(r);
        }
    return out;
}

std::shared_ptr<std::vector<RECT>> EffectiveClip(DeviceContext* dc) {
    std::shared_ptr<std::vector<RECT>> user;
    if (dc->st.clip) {
        user = std::make_shared<std::vector<RECT>>(*dc->st.clip);
        for (RECT& r : *user) {
            r.left += dc->originX;
            r.right += dc->originX;
            r.top += dc->originY;
            r.bottom += dc->originY;
        }
    }
    if (!dc->deviceClip) return user;
    if (!user) return dc->deviceClip;
    return std::make_shared<std::vector<RECT>>(Intersect(*dc->deviceClip, *user));
}

static std::uint32_t Rop2Apply(int mode, std::uint32_t p, std::uint32_t d) {
    unsigned table = unsigned(mode - 1) & 0xF;
    std::uint32_t r = 0;
    if (table & 1) r |= ~p & ~d;
    if (table & 2) r |= ~p & d;
    if (table & 4) r |= p & ~d;
    if (table & 8) r |= p & d;
    return r & 0xFFFFFF;
}

void PaintWithRop(DeviceContext* dc, int rop2, COLORREF color, const std::function<void(cairo_t*)>& paint) {
    cairo_t* cr = BeginDraw(dc);
    if (!cr || rop2 == R2_NOP) return;
    COLORREF solid = color;
    bool copy = true;
    switch (rop2) {
    case R2_COPYPEN: break;
    case R2_BLACK: solid = 0; break;
    case R2_WHITE: solid = 0xFFFFFF; break;
    case R2_NOTCOPYPEN: solid = ~color & 0xFFFFFF; break;
    default: copy = false;
    }
    cairo_surface_t* target = cairo_get_target(cr);
    if (!copy && cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) copy = true;
    if (copy) {
        SetSourceColor(cr, solid);
        paint(cr);
        return;
    }
    const int w = cairo_image_surface_get_width(target), h = cairo_image_surface_get_height(target);
    // Only the pixels the clip lets through are read and written: a focus
    // rectangle in a button no longer reads the whole screen.
    double ax, ay, bx, by;
    cairo_clip_extents(cr, &ax, &ay, &bx, &by);
    cairo_user_to_device(cr, &ax, &ay);
    cairo_user_to_device(cr, &bx, &by);
    const int x0 = std::clamp(static_cast<int>(std::floor(std::min(ax, bx))), 0, w);
    const int x1 = std::clamp(static_cast<int>(std::ceil(std::max(ax, bx))), 0, w);
    const int y0 = std::clamp(static_cast<int>(std::floor(std::min(ay, by))), 0, h);
    const int y1 = std::clamp(static_cast<int>(std::ceil(std::max(ay, by))), 0, h);
    if (x0 >= x1 || y0 >= y1) return;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, x1 - x0, y1 - y0);
    cairo_t* m = cairo_create(mask);
    if (auto clip = EffectiveClip(dc)) ClipToRects(m, *clip, -x0, -y0);
    cairo_matrix_t mx;
    cairo_get_matrix(cr, &mx);
    mx.x0 -= x0;
    mx.y0 -= y0;
    cairo_set_matrix(m, &mx);
    cairo_set_antialias(m, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(m, cairo_get_line_width(cr));
    cairo_set_source_rgb(m, 0, 0, 0);
    paint(m);
    cairo_destroy(m);
    cairo_surface_flush(mask);
    cairo_surface_flush(target);
    const BYTE* mdata = cairo_image_surface_get_data(mask);
    int mstride = cairo_image_surface_get_stride(mask);
    BYTE* data = cairo_image_surface_get_data(target);
    int stride = cairo_image_surface_get_stride(target);
    std::uint32_t pen = (std::uint32_t(GetRValue(color)) << 16) | (std::uint32_t(GetGValue(color)) << 8) |
                        GetBValue(color);
    for (int y = y0; y < y1; ++y) {
        const BYTE* mrow = mdata + std::size_t(y - y0) * mstride;
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = x0; x < x1; ++x)
            if (mrow[x - x0] >= 128) row[x] = (row[x] & 0xFF000000u) | Rop2Apply(rop2, pen, row[x]);
    }
    cairo_surface_mark_dirty(target);
    cairo_surface_destroy(mask);
}

} // namespace tv::win
