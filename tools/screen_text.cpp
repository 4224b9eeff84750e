// Tells whether texts stand on what an X display shows, and where:
//   screen_text [--region X Y W H] [--font NAME] [--height PIXELS] [--bold] [--dump PNG] TEXT...
// prints one line per text, "x y" of its first match or "-", and ends with 0
// when every text was found, 1 when one was not, 2 on a usage or display error.
//
// Each text is drawn by the station's own drawing layer (the same font lookup,
// Pango layout and antialiasing as the windows use) black on white, at a few
// fractions of a pixel off the grid. A place on the screen matches when every
// pixel of the text's box there is its coverage's blend of one text colour
// over one background, whatever the two are. So the text is recognised on any
// background and in any colour, selected or not, without reading a character,
// and a different text, a cut one or one in another font does not match.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/window/sysmetrics.h"

namespace {

namespace gdi = tv::win;

struct Shape {
    int w = 0, h = 0;
    std::vector<std::pair<int, int>> ink, clear; // the darkest and the white pixels, inside the text's box
    std::vector<float> cover;                    // per pixel of the box, row by row: 0 clear .. 1 ink
    std::vector<int> clearRow;                   // per column, a row of it that is clear (-1: none)
    std::vector<int> inked;                      // pixels at least half covered, as indexes of `cover`
};

// The text drawn black on white, its origin `dx`, `dy` of a pixel off the grid
// (glyphs are placed unhinted, so a text drawn at a fractional place has other
// pixels), with each pixel's coverage.
Shape Draw(const std::string& text, const std::string& face, int height, bool bold, double dx, double dy,
           const char* dump) {
    gdi::HDC probe = gdi::CreateCompatibleDC(nullptr);
    gdi::HFONT font = gdi::CreateFont(-height, 0, 0, 0, bold ? gdi::FW_BOLD : gdi::FW_NORMAL, 0, 0, 0,
                                      gdi::DEFAULT_CHARSET, 0, 0, gdi::DEFAULT_QUALITY, 0, face);
    gdi::HGDIOBJ oldFont = gdi::SelectObject(probe, font);
    gdi::SIZE size{};
    gdi::GetTextExtentPoint32(probe, text, &size);
    gdi::SelectObject(probe, oldFont);
    gdi::DeleteDC(probe);

    const int w = size.cx + 8, h = size.cy + 8;
    gdi::HBITMAP canvas = gdi::CreateDIBitmap(w, h, 24);
    gdi::HDC dc = gdi::CreateCompatibleDC(nullptr);
    gdi::HGDIOBJ oldBitmap = gdi::SelectObject(dc, canvas);
    oldFont = gdi::SelectObject(dc, font);
    gdi::RECT all{0, 0, w, h};
    gdi::FillRect(dc, &all, static_cast<gdi::HBRUSH>(gdi::GetStockObject(gdi::WHITE_BRUSH)));
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, gdi::RGB(0, 0, 0));
    gdi::DrawTextAt(dc, gdi::CurrentDeviceFont(dc), 4 + dx, 4 + dy, text);
    gdi::SelectObject(dc, oldFont);
    gdi::SelectObject(dc, oldBitmap);
    gdi::DeleteDC(dc);
    gdi::DeleteObject(font);

    cairo_surface_t* s = canvas->SurfaceForReading();
    cairo_surface_flush(s);
    if (dump) cairo_surface_write_to_png(s, dump);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    auto grey = [&](int x, int y) {
        std::uint32_t p;
        std::memcpy(&p, data + y * stride + x * 4, 4);
        return int(((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255)) / 3;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (grey(x, y) < 250) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    Shape shape;
    if (x1 < 0) {
        gdi::DeleteObject(canvas);
        return shape;
    }
    shape.w = x1 - x0 + 1;
    shape.h = y1 - y0 + 1;
    int darkest = 255;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) darkest = std::min(darkest, grey(x, y));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int g = grey(x, y);
            shape.cover.push_back(float(255 - g) / 255.0f);
            if (g <= darkest + 4)
                shape.ink.emplace_back(x - x0, y - y0);
            else if (g >= 250)
                shape.clear.emplace_back(x - x0, y - y0);
        }
    for (std::size_t i = 0; i < shape.cover.size(); ++i)
        if (shape.cover[i] >= 0.5f) shape.inked.push_back(int(i));
    // The background is read per column, where a caption's gradient runs.
    shape.clearRow.assign(std::size_t(shape.w), -1);
    for (int x = 0; x < shape.w; ++x)
        for (int y : {0, shape.h - 1})
            if (shape.clearRow[std::size_t(x)] < 0 && shape.cover[std::size_t(y) * shape.w + x] < 0.02f)
                shape.clearRow[std::size_t(x)] = y;
    for (int x = 0; x < shape.w; ++x)
        for (int y = 0; y < shape.h && shape.clearRow[std::size_t(x)] < 0; ++y)
            if (shape.cover[std::size_t(y) * shape.w + x] < 0.02f) shape.clearRow[std::size_t(x)] = y;
    gdi::DeleteObject(canvas);
    return shape;
}

struct Pixels {
    int w = 0, h = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[std::size_t(y) * w + x]; }
};

std::uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    return std::uint32_t(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

// The pixels of a rectangle of the root window; libX11 is opened at run time,
// as x11_screenshot does.
bool ReadScreen(int rx, int ry, int rw, int rh, Pixels& out, int& ox, int& oy) {
    void* lib = dlopen("libX11.so.6", RTLD_NOW);
    if (!lib) return false;
    auto open = reinterpret_cast<Display* (*)(const char*)>(dlsym(lib, "XOpenDisplay"));
    auto close = reinterpret_cast<int (*)(Display*)>(dlsym(lib, "XCloseDisplay"));
    auto attrs = reinterpret_cast<Status (*)(Display*, Window, XWindowAttributes*)>(dlsym(lib, "XGetWindowAttributes"));
    auto image = reinterpret_cast<XImage* (*)(Display*, Drawable, int, int, unsigned, unsigned, unsigned long, int)>(
        dlsym(lib, "XGetImage"));
    auto destroy = reinterpret_cast<int (*)(XImage*)>(dlsym(lib, "XDestroyImage"));
    if (!open || !close || !attrs || !image) return false;
    Display* display = open(nullptr);
    if (!display) return false;
    Window root = DefaultRootWindow(display);
    XWindowAttributes wa;
    attrs(display, root, &wa);
    if (rw <= 0 || rh <= 0) rx = 0, ry = 0, rw = wa.width, rh = wa.height;
    // What lies outside the screen is not shown.
    int x0 = std::max(rx, 0), y0 = std::max(ry, 0);
    int x1 = std::min(rx + rw, wa.width), y1 = std::min(ry + rh, wa.height);
    if (x1 <= x0 || y1 <= y0) {
        close(display);
        out = {};
        return true;
    }
    XImage* img = image(display, root, x0, y0, unsigned(x1 - x0), unsigned(y1 - y0), AllPlanes, ZPixmap);
    if (!img) {
        close(display);
        return false;
    }
    out.w = x1 - x0;
    out.h = y1 - y0;
    out.rgb.resize(std::size_t(out.w) * out.h);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            unsigned long p = img->bits_per_pixel == 32
                                  ? *reinterpret_cast<const std::uint32_t*>(img->data + y * img->bytes_per_line + x * 4)
                                  : img->f.get_pixel(img, x, y);
            out.rgb[std::size_t(y) * out.w + x] =
                Channel(p, img->red_mask) << 16 | Channel(p, img->green_mask) << 8 | Channel(p, img->blue_mask);
        }
    if (destroy) destroy(img);
    close(display);
    ox = x0;
    oy = y0;
    return true;
}

// The screen's colour `got` against what the text's pixel of coverage `a`
// gives: its share of the text colour over the background, give or take a
// part of the contrast between them (rounding, a gradient's change).
bool Near(std::uint32_t got, float a, std::uint32_t ink, std::uint32_t back, float tolerance) {
    for (int sh = 0; sh <= 16; sh += 8) {
        const float want = a * float((ink >> sh) & 255) + (1 - a) * float((back >> sh) & 255);
        if (std::abs(want - float((got >> sh) & 255)) > tolerance) return false;
    }
    return true;
}

int Contrast(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int sh = 0; sh <= 16; sh += 8) most = std::max(most, std::abs(int((a >> sh) & 255) - int((b >> sh) & 255)));
    return most;
}

// A place matches when the darkest pixels of the text stand out from the
// background (the colour of the text's clear pixels, column by column) and
// every pixel of the box is the blend of the two that its coverage asks for,
// but for a few.
bool Find(const Pixels& screen, const Shape& shape, int& fx, int& fy) {
    if (shape.ink.empty() || shape.clear.empty() || shape.w > screen.w || shape.h > screen.h) return false;
    const auto [ax, ay] = shape.ink.front();
    const float top = shape.cover[std::size_t(ay) * shape.w + ax];
    // The background beside the darkest pixel, in its column where it has one.
    const int bx = shape.clearRow[std::size_t(ax)] >= 0 ? ax : shape.clear.front().first;
    const int by = shape.clearRow[std::size_t(ax)] >= 0 ? shape.clearRow[std::size_t(ax)] : shape.clear.front().second;
    // A spread of pixels to try before the whole box.
    std::vector<int> probes;
    const int total = shape.w * shape.h;
    for (int i = 0; i < 24; ++i) probes.push_back(int((long long)i * 7919 % total));
    const int allowed = std::max(2, total / 150);
    const int allowedInk = std::max(1, int(shape.inked.size()) / 100);
    std::vector<std::uint32_t> backs(std::size_t(shape.w));
    std::vector<long long> seen(std::size_t(shape.w), -1);
    long long stamp = 0;
    for (int y = 0; y + shape.h <= screen.h; ++y)
        for (int x = 0; x + shape.w <= screen.w; ++x) {
            const std::uint32_t back = screen.at(x + bx, y + by);
            const std::uint32_t dark = screen.at(x + ax, y + ay);
            const int contrast = Contrast(dark, back);
            if (contrast < 60) continue;
            const float tolerance = 12.0f + float(contrast) / 5.0f;
            // The text colour the darkest pixel's share of it gives.
            std::uint32_t ink = 0;
            for (int sh = 0; sh <= 16; sh += 8) {
                float b = float((back >> sh) & 255), d = float((dark >> sh) & 255);
                ink |= std::uint32_t(std::clamp(b + (d - b) / top, 0.0f, 255.0f)) << sh;
            }
            // Each column's own background, read when a pixel of it is first
            // compared; a column without a clear pixel takes the darkest
            // pixel's. A gradient changes the background slowly: a column as
            // far from the darkest pixel's background as half the contrast is
            // something else (a frame, another text), and the text is not there.
            ++stamp;
            bool smooth = true;
            auto near = [&](int i) {
                const int dx = i % shape.w;
                if (seen[std::size_t(dx)] != stamp) {
                    seen[std::size_t(dx)] = stamp;
                    const int row = shape.clearRow[std::size_t(dx)];
                    backs[std::size_t(dx)] = row >= 0 ? screen.at(x + dx, y + row) : back;
                    if (Contrast(backs[std::size_t(dx)], back) * 2 > contrast) smooth = false;
                }
                return smooth && Near(screen.at(x + dx, y + i / shape.w), shape.cover[std::size_t(i)], ink,
                                      backs[std::size_t(dx)], tolerance);
            };
            int off = 0;
            for (int i : probes) off += !near(i);
            if (off > 1) continue;
            // The inked pixels must nearly all agree: a thin text has few, and
            // the box's allowance alone would let a blank place pass.
            off = 0;
            for (int i : shape.inked)
                if (!near(i) && ++off > allowedInk) break;
            if (off > allowedInk) continue;
            off = 0;
            for (int i = 0; i < total && off <= allowed; ++i) off += !near(i);
            if (off > allowed || !smooth) continue;
            fx = x;
            fy = y;
            return true;
        }
    return false;
}

int Usage() {
    std::fprintf(
        stderr,
        "Uso: screen_text [--region X Y W H] [--font NOMBRE] [--height PIXELES] [--bold] [--dump PNG] TEXTO...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int rx = 0, ry = 0, rw = 0, rh = 0, height = 11;
    bool bold = false;
    const char* dump = nullptr;
    std::string face = "MS Sans Serif";
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--region" && i + 4 < argc) {
            rx = std::atoi(argv[++i]), ry = std::atoi(argv[++i]), rw = std::atoi(argv[++i]), rh = std::atoi(argv[++i]);
        } else if (a == "--font" && i + 1 < argc) {
            face = argv[++i];
        } else if (a == "--height" && i + 1 < argc) {
            height = std::atoi(argv[++i]);
        } else if (a == "--dump" && i + 1 < argc) {
            dump = argv[++i];
        } else if (a == "--bold") {
            bold = true;
        } else if (a.rfind("--", 0) == 0 && a.size() > 2) {
            return Usage();
        } else {
            texts.push_back(a);
        }
    }
    if (texts.empty() || height <= 0) return Usage();
    gdi::GetSystemMetrics(gdi::SM_CXSCREEN); // brings up the system colours and fonts
    Pixels screen;
    int ox = 0, oy = 0;
    if (!ReadScreen(rx, ry, rw, rh, screen, ox, oy)) {
        std::fprintf(stderr, "No se pudo leer la pantalla X\n");
        return 2;
    }
    bool all = true;
    for (const std::string& text : texts) {
        int x = 0, y = 0;
        bool found = false;
        for (double dy : {0.0, 0.5})
            for (double dx : {0.0, 0.25, 0.5, 0.75})
                if (!found) found = Find(screen, Draw(text, face, height, bold, dx, dy, dump), x, y);
        if (found) {
            std::printf("%d %d\n", ox + x, oy + y);
        } else {
            std::printf("-\n");
            all = false;
        }
    }
    return all ? 0 : 1;
}
