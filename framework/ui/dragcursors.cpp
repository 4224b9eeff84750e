// The cursors of a drag, drawn with Cairo.
#include "framework/ui/dragcursors.h"

#include <cairo.h>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/window/cursor.h"

namespace tv {

namespace {

win::HCURSOR Draw(bool multiple) {
    constexpr int kSize = 32;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize);
    cairo_t* cr = cairo_create(surface);
    cairo_set_line_width(cr, 1);
    // The arrow, black edged, with its tip at the hot spot.
    cairo_move_to(cr, 0.5, 0.5);
    cairo_line_to(cr, 0.5, 16.5);
    cairo_line_to(cr, 4.5, 12.5);
    cairo_line_to(cr, 7.5, 19.5);
    cairo_line_to(cr, 9.5, 18.5);
    cairo_line_to(cr, 6.5, 11.5);
    cairo_line_to(cr, 11.5, 11.5);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_stroke(cr);
    // The sheet (or sheets) being carried.
    int sheets = multiple ? 3 : 1;
    for (int i = sheets - 1; i >= 0; --i) {
        double x = 10.5 + i * 3, y = 17.5 + i * 3;
        cairo_rectangle(cr, x, y, 10, 8);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        static const double dash[] = {2, 1};
        cairo_set_dash(cr, dash, 2, 0);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    std::vector<std::uint32_t> pixels(size_t(kSize) * kSize);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kSize; ++y) std::memcpy(&pixels[size_t(y) * kSize], data + y * stride, kSize * 4);
    cairo_surface_destroy(surface);
    return win::CreateCursorFromPixels(multiple ? "MULTIDRAGCUR" : "DRAGCUR", kSize, kSize, 0, 0, pixels.data());
}

} // namespace

win::HCURSOR DragCursorImage(bool multiple) {
    static win::HCURSOR single = Draw(false);
    static win::HCURSOR several = Draw(true);
    return multiple ? several : single;
}

} // namespace tv
