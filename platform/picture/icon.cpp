#include "platform/picture/icon.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "core/exceptions.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/recorder.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/picturefile.h"
#include "platform/window/cursor.h"

namespace tv::win {

namespace {

void Put16(std::vector<BYTE>& v, unsigned x) {
    v.push_back(BYTE(x));
    v.push_back(BYTE(x >> 8));
}
void Put32(std::vector<BYTE>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(BYTE(x >> (8 * i)));
}
unsigned Get16(const BYTE* p) { return p[0] | (p[1] << 8); }
std::uint32_t Get32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }

[[noreturn]] void Bad(const std::string& why) { throw EInvalidGraphic("Icon resource is not valid: " + why); }

} // namespace

std::vector<BYTE> WriteIconResource(const std::vector<IconImage>& images) {
    std::vector<BYTE> out{'T', 'V', 'I', 'C'};
    Put16(out, 1);
    Put16(out, unsigned(images.size()));
    for (const IconImage& img : images) {
        if (img.width <= 0 || img.height <= 0 || img.width > 1024 || img.height > 1024 ||
            img.argb.size() != std::size_t(img.width) * img.height)
            throw EInvalidGraphic("Icon image has a bad size");
        Put16(out, unsigned(img.width));
        Put16(out, unsigned(img.height));
        Put16(out, unsigned(img.hotX));
        Put16(out, unsigned(img.hotY));
        std::vector<BYTE> raw(img.argb.size() * 4);
        for (std::size_t i = 0; i < img.argb.size(); ++i)
            for (int b = 0; b < 4; ++b) raw[i * 4 + b] = BYTE(img.argb[i] >> (8 * b));
        uLongf packedSize = compressBound(uLong(raw.size()));
        std::vector<BYTE> packed(packedSize);
        if (compress(packed.data(), &packedSize, raw.data(), uLong(raw.size())) != Z_OK)
            throw EInvalidGraphic("Icon image could not be packed");
        Put32(out, std::uint32_t(packedSize));
        out.insert(out.end(), packed.begin(), packed.begin() + long(packedSize));
    }
    return out;
}

std::vector<IconImage> ReadIconResource(const BYTE* data, std::size_t size) {
    if (!data || size < 8 || std::memcmp(data, "TVIC", 4) != 0) Bad("no header");
    if (Get16(data + 4) != 1) Bad("unknown version");
    unsigned count = Get16(data + 6);
    std::size_t at = 8;
    std::vector<IconImage> images;
    for (unsigned i = 0; i < count; ++i) {
        if (at + 12 > size) Bad("truncated");
        IconImage img;
        img.width = int(Get16(data + at));
        img.height = int(Get16(data + at + 2));
        img.hotX = int(Get16(data + at + 4));
        img.hotY = int(Get16(data + at + 6));
        std::uint32_t packed = Get32(data + at + 8);
        at += 12;
        if (img.width <= 0 || img.height <= 0 || img.width > 1024 || img.height > 1024) Bad("bad size");
        if (packed > size - at) Bad("truncated");
        std::vector<BYTE> raw(std::size_t(img.width) * img.height * 4);
        uLongf rawSize = uLongf(raw.size());
        if (uncompress(raw.data(), &rawSize, data + at, uLong(packed)) != Z_OK || rawSize != raw.size())
            Bad("damaged pixels");
        at += packed;
        img.argb.resize(std::size_t(img.width) * img.height);
        for (std::size_t p = 0; p < img.argb.size(); ++p) img.argb[p] = Get32(raw.data() + p * 4);
        images.push_back(std::move(img));
    }
    if (images.empty()) Bad("no images");
    return images;
}

std::size_t NearestIconImage(const std::vector<IconImage>& images, int wantedSize) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < images.size(); ++i) {
        const IconImage& img = images[i];
        const IconImage& b = images[best];
        int d = wantedSize <= 0 ? b.width - img.width : std::abs(img.width - wantedSize) - std::abs(b.width - wantedSize);
        if (d < 0 || (d == 0 && img.width == b.width && img.bitsPerPixel > b.bitsPerPixel)) best = i;
    }
    return best;
}

HICON IconHandle(const IconImage& img, const std::string& name) {
    return CreateCursorFromPixels(name, img.width, img.height, img.hotX, img.hotY, img.argb.data());
}

HICON LoadIconResource(const BYTE* data, std::size_t size, int wantedSize, const std::string& name) {
    std::vector<IconImage> images = ReadIcons(data, size);
    return IconHandle(images[NearestIconImage(images, wantedSize)], name);
}

HICON LoadIconFile(const std::string& path, int wantedSize) {
    std::vector<BYTE> data = ReadWholeFile(path);
    return LoadIconResource(data.data(), data.size(), wantedSize, path);
}

// --- icon files ------------------------------------------------------------------

namespace {

[[noreturn]] void BadFile(const std::string& why) { throw EInvalidGraphic("El archivo de icono no es válido: " + why); }

std::uint32_t Premultiply(std::uint32_t b, std::uint32_t g, std::uint32_t r, std::uint32_t a) {
    return (a << 24) | ((r * a + 127) / 255) << 16 | ((g * a + 127) / 255) << 8 | ((b * a + 127) / 255);
}

IconImage ReadPngImage(const BYTE* p, std::size_t n) {
    HBITMAP bmp = ReadPng(p, n);
    IconImage img;
    img.width = BitmapWidth(bmp);
    img.height = BitmapHeight(bmp);
    int bpp = BitmapBitsPerPixel(bmp);
    img.bitsPerPixel = 32;
    img.argb.resize(std::size_t(img.width) * img.height);
    for (int y = 0; y < img.height; ++y) {
        const BYTE* row = ScanLine(bmp, y);
        for (int x = 0; x < img.width; ++x) {
            const BYTE* px = row + x * (bpp / 8);
            img.argb[std::size_t(y) * img.width + x] = Premultiply(px[0], px[1], px[2], bpp == 32 ? px[3] : 255);
        }
    }
    DeleteObject(bmp);
    return img;
}

// A DIB of twice the image's height: the colours, then the AND mask.
IconImage ReadDibImage(const BYTE* p, std::size_t n) {
    if (n < 40) BadFile("imagen truncada");
    std::uint32_t headerSize = Get32(p);
    if (headerSize < 40 || headerSize > n) BadFile("cabecera de imagen desconocida");
    int w = int(std::int32_t(Get32(p + 4)));
    int h2 = int(std::int32_t(Get32(p + 8)));
    unsigned bpp = Get16(p + 14);
    std::uint32_t compression = Get32(p + 16);
    std::uint32_t used = Get32(p + 32);
    if (w <= 0 || w > 1024 || h2 <= 0 || h2 > 2048 || h2 % 2) BadFile("tamaño de imagen no válido");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) BadFile("profundidad de color no admitida");
    if (compression != 0) BadFile("compresión no admitida");
    int h = h2 / 2;
    std::size_t paletteSize = bpp <= 8 ? (used ? used : (1u << bpp)) : 0;
    if (paletteSize > 256) BadFile("paleta no válida");
    std::size_t at = headerSize;
    if (at + paletteSize * 4 > n) BadFile("paleta truncada");
    const BYTE* palette = p + at;
    at += paletteSize * 4;
    std::size_t xorStride = (std::size_t(w) * bpp + 31) / 32 * 4;
    std::size_t andStride = (std::size_t(w) + 31) / 32 * 4;
    if (at + xorStride * h > n) BadFile("píxeles truncados");
    const BYTE* bits = p + at;
    at += xorStride * h;
    // A 32-bit image may come without a mask; older depths need one.
    const BYTE* mask = at + andStride * h <= n ? p + at : nullptr;
    if (!mask && bpp != 32) BadFile("máscara truncada");

    IconImage img;
    img.width = w;
    img.height = h;
    img.bitsPerPixel = int(bpp);
    img.argb.resize(std::size_t(w) * h);
    bool anyAlpha = false;
    if (bpp == 32)
        for (int y = 0; y < h && !anyAlpha; ++y)
            for (int x = 0; x < w && !anyAlpha; ++x) anyAlpha = bits[std::size_t(y) * xorStride + x * 4 + 3] != 0;
    for (int y = 0; y < h; ++y) {
        const BYTE* row = bits + std::size_t(h - 1 - y) * xorStride;
        const BYTE* mrow = mask ? mask + std::size_t(h - 1 - y) * andStride : nullptr;
        for (int x = 0; x < w; ++x) {
            unsigned b, g, r, a = 255;
            if (bpp <= 8) {
                unsigned index = bpp == 8 ? row[x] : bpp == 4 ? (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF
                                                             : (row[x / 8] >> (7 - x % 8)) & 1;
                if (index >= paletteSize) BadFile("índice de paleta fuera de rango");
                b = palette[index * 4];
                g = palette[index * 4 + 1];
                r = palette[index * 4 + 2];
            } else {
                const BYTE* px = row + x * (bpp / 8);
                b = px[0];
                g = px[1];
                r = px[2];
                if (anyAlpha) a = px[3];
            }
            if (!anyAlpha && mrow && ((mrow[x / 8] >> (7 - x % 8)) & 1)) a = 0;
            img.argb[std::size_t(y) * w + x] = Premultiply(b, g, r, a);
        }
    }
    return img;
}

} // namespace

bool IsIconFile(const BYTE* data, std::size_t size) {
    return data && size >= 6 && Get16(data) == 0 && (Get16(data + 2) == 1 || Get16(data + 2) == 2) &&
           Get16(data + 4) > 0;
}

std::vector<IconImage> ReadIconFile(const BYTE* data, std::size_t size) {
    if (!IsIconFile(data, size)) BadFile("falta la cabecera");
    bool cursor = Get16(data + 2) == 2;
    unsigned count = Get16(data + 4);
    if (6 + std::size_t(count) * 16 > size) BadFile("directorio truncado");
    std::vector<IconImage> images;
    for (unsigned i = 0; i < count; ++i) {
        const BYTE* e = data + 6 + std::size_t(i) * 16;
        std::uint32_t length = Get32(e + 8), offset = Get32(e + 12);
        if (offset > size || length > size - offset || length < 8) BadFile("imagen fuera del archivo");
        const BYTE* p = data + offset;
        IconImage img = DetectPictureFormat(p, length) == PictureFormat::Png ? ReadPngImage(p, length)
                                                                             : ReadDibImage(p, length);
        if (cursor) {
            img.hotX = std::min(int(Get16(e + 4)), img.width - 1);
            img.hotY = std::min(int(Get16(e + 6)), img.height - 1);
        }
        images.push_back(std::move(img));
    }
    return images;
}

std::vector<BYTE> WriteIconFile(const std::vector<IconImage>& images) {
    if (images.empty()) throw EInvalidGraphic("El icono no tiene imágenes");
    std::vector<BYTE> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, unsigned(images.size()));
    std::vector<std::vector<BYTE>> bodies;
    for (const IconImage& img : images) {
        if (img.width <= 0 || img.height <= 0 || img.width > 256 || img.height > 256 ||
            img.argb.size() != std::size_t(img.width) * img.height)
            throw EInvalidGraphic("La imagen del icono tiene un tamaño no válido");
        std::vector<BYTE> b;
        std::size_t andStride = (std::size_t(img.width) + 31) / 32 * 4;
        Put32(b, 40);
        Put32(b, std::uint32_t(img.width));
        Put32(b, std::uint32_t(img.height * 2));
        Put16(b, 1);
        Put16(b, 32);
        for (int k = 0; k < 6; ++k) Put32(b, 0);
        for (int y = img.height - 1; y >= 0; --y)
            for (int x = 0; x < img.width; ++x) {
                std::uint32_t p = img.argb[std::size_t(y) * img.width + x];
                std::uint32_t a = p >> 24;
                auto un = [a](std::uint32_t c) { return a ? BYTE(std::min<std::uint32_t>(255, (c * 255 + a / 2) / a)) : BYTE(0); };
                b.push_back(un(p & 0xFF));
                b.push_back(un((p >> 8) & 0xFF));
                b.push_back(un((p >> 16) & 0xFF));
                b.push_back(BYTE(a));
            }
        for (int y = img.height - 1; y >= 0; --y) {
            std::vector<BYTE> row(andStride, 0);
            for (int x = 0; x < img.width; ++x)
                if ((img.argb[std::size_t(y) * img.width + x] >> 24) == 0) row[std::size_t(x / 8)] |= BYTE(0x80 >> (x % 8));
            b.insert(b.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(b));
    }
    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& img = images[i];
        out.push_back(BYTE(img.width & 0xFF)); // 256 is written as 0
        out.push_back(BYTE(img.height & 0xFF));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, std::uint32_t(bodies[i].size()));
        Put32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

std::vector<IconImage> ReadIcons(const BYTE* data, std::size_t size) {
    if (IsIconFile(data, size)) return ReadIconFile(data, size);
    return ReadIconResource(data, size);
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !icon || icon->pixels.empty() || icon->width <= 0 || icon->height <= 0) return FALSE;
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(icon->pixels);
    int w = icon->width, h = icon->height;
    if (cx <= 0) cx = w;
    if (cy <= 0) cy = h;
    Cursor copy = *icon;
    CallScope scope(dc, "DrawIconEx", Args(x, y, cx, cy) + ", " + Args(flags),
                    [copy, x, y, cx, cy, flags](HDC t) {
                        DrawIconEx(t, x, y, const_cast<Cursor*>(&copy), cx, cy, 0, nullptr, flags);
                    });
    if (scope.Captured()) return TRUE;
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return TRUE;
    int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, w);
    std::vector<BYTE> buf(std::size_t(stride) * h);
    for (int row = 0; row < h; ++row) {
        auto* dst = reinterpret_cast<std::uint32_t*>(buf.data() + std::size_t(row) * stride);
        for (int col = 0; col < w; ++col) {
            std::uint32_t p = (*pixels)[std::size_t(row) * w + col];
            // The mask alone: black where the icon is, nothing elsewhere.
            if ((flags & DI_NORMAL) == DI_MASK) p = (p & 0xFF000000u);
            dst[col] = p;
        }
    }
    cairo_surface_t* s = cairo_image_surface_create_for_data(buf.data(), CAIRO_FORMAT_ARGB32, w, h, stride);
    double x1 = x, y1 = y, x2 = double(x) + cx, y2 = double(y) + cy;
    LogicalToDevice(dc, x1, y1);
    LogicalToDevice(dc, x2, y2);
    cairo_save(cr);
    cairo_translate(cr, std::round(std::min(x1, x2)), std::round(std::min(y1, y2)));
    cairo_scale(cr, std::abs(x2 - x1) / w, std::abs(y2 - y1) / h);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

} // namespace tv::win
