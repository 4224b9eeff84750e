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

namespace {

std::uint32_t U32(const unsigned char* p) { return std::uint32_t(p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24); }
std::uint16_t U16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

struct PngReader {
    const unsigned char* data;
    size_t size, pos = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* out, unsigned int length) {
    auto* r = static_cast<PngReader*>(closure);
    if (r->pos + length > r->size) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, r->data + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

bool DecodePng(const unsigned char* data, size_t size, int* w, int* h, std::vector<std::uint32_t>* px) {
    PngReader reader{data, size};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(ReadPng, &reader);
    bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        *w = cairo_image_surface_get_width(s);
        *h = cairo_image_surface_get_height(s);
        cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, *w, *h);
        cairo_t* cr = cairo_create(argb);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(argb);
        int stride = cairo_image_surface_get_stride(argb);
        px->resize(size_t(*w) * size_t(*h));
        for (int y = 0; y < *h; ++y)
            std::memcpy(&(*px)[size_t(y) * size_t(*w)], cairo_image_surface_get_data(argb) + size_t(y) * size_t(stride),
                        size_t(*w) * 4);
        cairo_surface_destroy(argb);
    }
    cairo_surface_destroy(s);
    return ok;
}

// A device-independent bitmap with its AND mask (height counts both).
bool DecodeDib(const unsigned char* data, size_t size, int* w, int* h, std::vector<std::uint32_t>* px) {
    if (size < 40) return false;
    std::uint32_t header = U32(data);
    int width = int(U32(data + 4)), height = int(U32(data + 8)) / 2;
    int bpp = U16(data + 14);
    std::uint32_t compression = U32(data + 16), used = U32(data + 32);
    if (header < 40 || header > size || width <= 0 || height <= 0 || width > 256 || height > 256 || compression != 0)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
    size_t colors = bpp <= 8 ? (used ? used : (1u << bpp)) : 0;
    size_t palette = header, bits = palette + colors * 4;
    size_t xorStride = size_t((width * bpp + 31) / 32) * 4, andStride = size_t((width + 31) / 32) * 4;
    size_t mask = bits + xorStride * size_t(height);
    bool hasMask = mask + andStride * size_t(height) <= size;
    if (mask > size) return false;
    px->assign(size_t(width) * size_t(height), 0);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = data + bits + xorStride * size_t(height - 1 - y);
        const unsigned char* mrow = data + mask + andStride * size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t a = 255, r = 0, g = 0, b = 0;
            if (bpp <= 8) {
                int shift = 8 - bpp - (x * bpp) % 8;
                std::size_t index = (row[x * bpp / 8] >> shift) & ((1 << bpp) - 1);
                if (index < colors) {
                    const unsigned char* q = data + palette + index * 4;
                    b = q[0], g = q[1], r = q[2];
                }
            } else {
                const unsigned char* q = row + size_t(x) * size_t(bpp / 8);
                b = q[0], g = q[1], r = q[2];
                if (bpp == 32) {
                    a = q[3];
                    anyAlpha = anyAlpha || a != 0;
                }
            }
            bool transparent = hasMask && ((mrow[x / 8] >> (7 - x % 8)) & 1);
            if (bpp != 32 || !anyAlpha) {
                // Masked and black: see-through. Masked and coloured would
                // invert the screen; shown black instead.
                if (transparent) {
                    if (r || g || b) r = g = b = 0;
                    else a = 0;
                }
            }
            (*px)[size_t(y) * size_t(width) + size_t(x)] =
                (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
        }
    }
    if (bpp == 32 && !anyAlpha) {
        // Old 32-bit cursors leave the alpha empty and rely on the mask.
        for (int y = 0; y < height; ++y) {
            const unsigned char* mrow = data + mask + andStride * size_t(height - 1 - y);
            for (int x = 0; x < width; ++x) {
                auto& p = (*px)[size_t(y) * size_t(width) + size_t(x)];
                bool transparent = hasMask && ((mrow[x / 8] >> (7 - x % 8)) & 1);
                p = transparent ? 0 : (p | 0xFF000000u);
            }
        }
    }
    *w = width;
    *h = height;
    return true;
}

} // namespace

HCURSOR LoadCursorFromMemory(const std::string& name, const unsigned char* data, size_t size) {
    if (!data || size < 6 || U16(data) != 0 || (U16(data + 2) != 2 && U16(data + 2) != 1)) return nullptr;
    int count = U16(data + 4);
    if (count <= 0 || 6 + size_t(count) * 16 > size) return nullptr;
    int best = -1, bestArea = -1;
    for (int i = 0; i < count; ++i) {
        const unsigned char* e = data + 6 + i * 16;
        int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        if (w * h > bestArea) {
            bestArea = w * h;
            best = i;
        }
    }
    const unsigned char* e = data + 6 + best * 16;
    bool isCursor = U16(data + 2) == 2;
    int hotX = isCursor ? U16(e + 4) : 0, hotY = isCursor ? U16(e + 6) : 0;
    std::uint32_t length = U32(e + 8), offset = U32(e + 12);
    if (offset >= size || length > size - offset) return nullptr;
    const unsigned char* image = data + offset;
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    bool ok = length >= 8 && std::memcmp(image, kPng, 8) == 0 ? DecodePng(image, length, &w, &h, &px)
                                                               : DecodeDib(image, length, &w, &h, &px);
    if (!ok) return nullptr;
    return CreateCursorFromPixels(name, w, h, hotX, hotY, px.data());
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
