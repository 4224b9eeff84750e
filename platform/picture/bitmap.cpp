#include "platform/picture/bitmap.h"

#include <cstring>

#include "core/exceptions.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/liveobjects.h"
#include "platform/picture/bitmapobject.h"

namespace tv::win {

BitmapObject::BitmapObject(int w, int h, int bitsPerPixel)
    : GdiObject(GdiKind::Bitmap), width(w), height(h), bpp(bitsPerPixel) {
    if (w < 0 || h < 0)
        throw EInvalidGraphic("Invalid bitmap size " + std::to_string(w) + " x " + std::to_string(h));
    if (bpp != 24 && bpp != 32)
        throw EInvalidGraphic("Unsupported bitmap depth: " + std::to_string(bpp) + " bits per pixel");
    if (std::size_t(w) * std::size_t(h) > std::size_t(1) << 28)
        throw EOutOfResources("Bitmap too large: " + std::to_string(w) + " x " + std::to_string(h));
    stride = ((w * (bpp / 8)) + 3) & ~3;
    bits_.assign(std::size_t(stride) * std::size_t(h), 0);
    if (bpp == 32)
        for (std::size_t i = 3; i < bits_.size(); i += 4) bits_[i] = 255;
    surface_ = cairo_image_surface_create(bpp == 32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h);
    newer_ = Newer::Bits;
}

BitmapObject::BitmapObject(int w, int h, cairo_surface_t* surface)
    : GdiObject(GdiKind::Bitmap), width(w), height(h), bpp(24), surface_(surface) {
    stride = ((w * 3) + 3) & ~3;
    newer_ = Newer::Surface;
}

BitmapObject* BitmapObject::OverSurfaceRows(int w, int h, SurfaceRows rows) {
    static cairo_user_data_key_t owner;
    cairo_surface_t* s = cairo_image_surface_create_for_data(rows.get(), CAIRO_FORMAT_RGB24, w, h, BytesPerSurfaceRow(w));
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        throw EOutOfResources("Bitmap too large: " + std::to_string(w) + " x " + std::to_string(h));
    }
    // The rows live as long as the surface, which a pattern may still hold.
    if (cairo_surface_set_user_data(s, &owner, rows.get(), std::free) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        throw EOutOfResources("Bitmap too large: " + std::to_string(w) + " x " + std::to_string(h));
    }
    rows.release();
    cairo_surface_mark_dirty(s);
    return new BitmapObject(w, h, s);
}

BitmapObject::~BitmapObject() { cairo_surface_destroy(surface_); }

cairo_surface_t* BitmapObject::SurfaceForWriting() {
    if (newer_ == Newer::Bits) SyncToSurface();
    newer_ = Newer::Surface;
    return surface_;
}

cairo_surface_t* BitmapObject::SurfaceForReading() {
    if (newer_ == Newer::Bits) {
        SyncToSurface();
        newer_ = Newer::Same;
    }
    return surface_;
}

BYTE* BitmapObject::Bits(bool writing) {
    if (bits_.empty() && !Empty()) bits_.assign(std::size_t(stride) * std::size_t(height), 0);
    if (newer_ == Newer::Surface) {
        SyncToBits();
        newer_ = Newer::Same;
    }
    if (writing) newer_ = Newer::Bits;
    return bits_.data();
}

void BitmapObject::SyncToSurface() {
    if (Empty()) return;
    cairo_surface_flush(surface_);
    BYTE* data = cairo_image_surface_get_data(surface_);
    int sstride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height; ++y) {
        const BYTE* src = bits_.data() + std::size_t(height - 1 - y) * stride;
        auto* dst = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * sstride);
        if (bpp == 24) {
            for (int x = 0; x < width; ++x, src += 3)
                dst[x] = 0xFF000000u | (std::uint32_t(src[2]) << 16) | (std::uint32_t(src[1]) << 8) | src[0];
        } else {
            for (int x = 0; x < width; ++x, src += 4) {
                std::uint32_t a = src[3];
                auto pm = [a](std::uint32_t c) { return (c * a + 127) / 255; };
                dst[x] = (a << 24) | (pm(src[2]) << 16) | (pm(src[1]) << 8) | pm(src[0]);
            }
        }
    }
    cairo_surface_mark_dirty(surface_);
}

void BitmapObject::SyncToBits() {
    if (Empty()) return;
    cairo_surface_flush(surface_);
    const BYTE* data = cairo_image_surface_get_data(surface_);
    int sstride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height; ++y) {
        BYTE* dst = bits_.data() + std::size_t(height - 1 - y) * stride;
        auto* src = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * sstride);
        if (bpp == 24) {
            for (int x = 0; x < width; ++x, dst += 3) {
                dst[0] = BYTE(src[x]);
                dst[1] = BYTE(src[x] >> 8);
                dst[2] = BYTE(src[x] >> 16);
            }
        } else {
            for (int x = 0; x < width; ++x, dst += 4) {
                std::uint32_t p = src[x], a = p >> 24;
                auto um = [a](std::uint32_t c) { return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a); };
                dst[0] = BYTE(um(p & 0xFF));
                dst[1] = BYTE(um((p >> 8) & 0xFF));
                dst[2] = BYTE(um((p >> 16) & 0xFF));
                dst[3] = BYTE(a);
            }
        }
    }
}

static BitmapObject* Bmp(HBITMAP bmp) {
    if (!LiveObject(bmp)) throw EInvalidGraphic("No bitmap");
    return static_cast<BitmapObject*>(bmp);
}

HBITMAP CreateDIBitmap(int width, int height, int bitsPerPixel) {
    return new BitmapObject(width, height, bitsPerPixel);
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) { return new BitmapObject(width, height, 32); }

HBITMAP CopyBitmap(HBITMAP bmp) {
    BitmapObject* src = Bmp(bmp);
    auto* copy = new BitmapObject(src->width, src->height, src->bpp);
    if (!src->Empty()) std::memcpy(copy->Bits(true), src->Bits(false), std::size_t(src->stride) * src->height);
    return copy;
}

int BitmapWidth(HBITMAP bmp) { return LiveObject(bmp) ? bmp->width : 0; }
int BitmapHeight(HBITMAP bmp) { return LiveObject(bmp) ? bmp->height : 0; }
int BitmapBitsPerPixel(HBITMAP bmp) { return LiveObject(bmp) ? bmp->bpp : 0; }
int BytesPerRow(HBITMAP bmp) { return Bmp(bmp)->stride; }

BYTE* ScanLine(HBITMAP bmp, int y) {
    BitmapObject* b = Bmp(bmp);
    if (y < 0 || y >= b->height) throw EInvalidGraphic("Scan line index out of range");
    return b->Row(y, true);
}

} // namespace tv::win
