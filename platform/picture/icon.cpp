#include "platform/picture/icon.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "framework/core/exceptions.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/recorder.h"
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

HICON LoadIconResource(const BYTE* data, std::size_t size, int wantedSize, const std::string& name) {
    std::vector<IconImage> images = ReadIconResource(data, size);
    const IconImage* best = &images[0];
    for (const IconImage& img : images) {
        if (wantedSize <= 0) {
            if (img.width > best->width) best = &img;
        } else if (std::abs(img.width - wantedSize) < std::abs(best->width - wantedSize)) {
            best = &img;
        }
    }
    return CreateCursorFromPixels(name, best->width, best->height, best->hotX, best->hotY, best->argb.data());
}

HICON LoadIconFile(const std::string& path, int wantedSize) {
    std::vector<BYTE> data = ReadWholeFile(path);
    return LoadIconResource(data.data(), data.size(), wantedSize, path);
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
