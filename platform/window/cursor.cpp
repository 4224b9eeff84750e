// Cursors: standard shapes and cursors made from pictures.
#include "platform/window/cursor.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/backend/backend.h"
#include "platform/window/internal.h"

namespace tv::win {
namespace {

std::map<int, std::unique_ptr<Cursor>>& Standard() {
    static std::map<int, std::unique_ptr<Cursor>> cursors;
    return cursors;
}

} // namespace

HCURSOR LoadCursor(int id) {
    switch (id) {
    case IDC_ARROW: case IDC_IBEAM: case IDC_WAIT: case IDC_CROSS: case IDC_UPARROW: case IDC_SIZENWSE:
    case IDC_SIZENESW: case IDC_SIZEWE: case IDC_SIZENS: case IDC_SIZEALL: case IDC_NO: case IDC_HAND:
    case IDC_APPSTARTING: case IDC_HELP: break;
    default: return nullptr;
    }
    auto& s = Standard();
    auto& c = s[id];
    if (!c) {
        c = std::make_unique<Cursor>();
        c->standardId = id;
        c->width = c->height = 32;
    }
    return c.get();
}

HCURSOR CreateCursorFromPixels(const std::string& name, int width, int height, int hotX, int hotY,
                               const std::uint32_t* argb) {
    if (width <= 0 || height <= 0 || !argb) return nullptr;
    auto* c = new Cursor;
    c->name = name;
    c->width = width;
    c->height = height;
    c->hotX = std::clamp(hotX, 0, width - 1);
    c->hotY = std::clamp(hotY, 0, height - 1);
    c->pixels.assign(argb, argb + size_t(width) * size_t(height));
    return c;
}

HCURSOR LoadCursorFromFile(const std::string& path, int hotX, int hotY) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(s),
                                                        cairo_image_surface_get_height(s));
    cairo_t* cr = cairo_create(argb);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(argb);
    int w = cairo_image_surface_get_width(argb), h = cairo_image_surface_get_height(argb);
    int stride = cairo_image_surface_get_stride(argb);
    std::vector<std::uint32_t> px(size_t(w) * size_t(h));
    const unsigned char* data = cairo_image_surface_get_data(argb);
    for (int y = 0; y < h; ++y)
        std::memcpy(&px[size_t(y) * size_t(w)], data + size_t(y) * size_t(stride), size_t(w) * 4);
    cairo_surface_destroy(argb);
    cairo_surface_destroy(s);
    return CreateCursorFromPixels(path, w, h, hotX, hotY, px.data());
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (!cursor || cursor->standardId) return FALSE;
    auto& d = D();
    if (d.cursor == cursor) d.cursor = LoadCursor(IDC_ARROW);
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& d = D();
    HCURSOR old = d.cursor;
    if (old != cursor) {
        d.cursor = cursor;
        CurrentBackend().CursorChanged(cursor);
    }
    return old;
}

HCURSOR GetCursor() { return D().cursor; }

int ShowCursor(BOOL show) {
    auto& d = D();
    d.cursorShowCount += show ? 1 : -1;
    CurrentBackend().CursorChanged(d.cursorShowCount >= 0 ? d.cursor : nullptr);
    return d.cursorShowCount;
}

} // namespace tv::win
