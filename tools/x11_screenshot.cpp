// Writes what an X display shows (its root window) to a PNG file:
//   x11_screenshot out.png
// Used under Xvfb to prove what the desktop backend puts on screen. libX11 is
// opened at run time, so nothing else of the program needs it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// One colour channel of a pixel, scaled to 8 bits, from its mask.
std::uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    unsigned long max = mask >> shift;
    return std::uint32_t(((pixel & mask) >> shift) * 255 / max);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Uso: x11_screenshot archivo.png\n");
        return 2;
    }
    void* lib = dlopen("libX11.so.6", RTLD_NOW);
    if (!lib) {
        std::fprintf(stderr, "No se encontró libX11: %s\n", dlerror());
        return 1;
    }
    auto open = reinterpret_cast<Display* (*)(const char*)>(dlsym(lib, "XOpenDisplay"));
    auto close = reinterpret_cast<int (*)(Display*)>(dlsym(lib, "XCloseDisplay"));
    auto attrs = reinterpret_cast<Status (*)(Display*, Window, XWindowAttributes*)>(dlsym(lib, "XGetWindowAttributes"));
    auto image = reinterpret_cast<XImage* (*)(Display*, Drawable, int, int, unsigned, unsigned, unsigned long, int)>(
        dlsym(lib, "XGetImage"));
    auto pixel = reinterpret_cast<unsigned long (*)(XImage*, int, int)>(dlsym(lib, "XGetPixel"));
    auto destroy = reinterpret_cast<int (*)(XImage*)>(dlsym(lib, "XDestroyImage"));
    if (!open || !close || !attrs || !image) {
        std::fprintf(stderr, "libX11 incompleta\n");
        return 1;
    }
    Display* display = open(nullptr);
    if (!display) {
        std::fprintf(stderr, "No se pudo abrir la pantalla X\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    XWindowAttributes wa;
    attrs(display, root, &wa);
    XImage* img = image(display, root, 0, 0, unsigned(wa.width), unsigned(wa.height), AllPlanes, ZPixmap);
    if (!img) {
        std::fprintf(stderr, "No se pudo leer la pantalla X\n");
        close(display);
        return 1;
    }
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, wa.width, wa.height);
    std::uint32_t first = 0;
    bool uniform = true;
    unsigned char* data = cairo_image_surface_get_data(out);
    int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < wa.height; ++y)
        for (int x = 0; x < wa.width; ++x) {
            // XGetPixel goes through the image's own functions, whatever its layout.
            unsigned long p = pixel ? pixel(img, x, y) : img->f.get_pixel(img, x, y);
            std::uint32_t rgb = Channel(p, img->red_mask) << 16 | Channel(p, img->green_mask) << 8 |
                                Channel(p, img->blue_mask);
            std::memcpy(data + y * stride + x * 4, &rgb, 4);
            if (x == 0 && y == 0) first = rgb;
            else if (rgb != first) uniform = false;
        }
    cairo_surface_mark_dirty(out);
    bool ok = cairo_surface_write_to_png(out, argv[1]) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(out);
    if (destroy) destroy(img);
    close(display);
    if (!ok) {
        std::fprintf(stderr, "No se pudo escribir %s\n", argv[1]);
        return 1;
    }
    // A screen of one colour shows no window at all.
    if (uniform) {
        std::fprintf(stderr, "La pantalla no muestra nada\n");
        return 3;
    }
    return 0;
}
