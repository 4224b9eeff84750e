#pragma once
// The bitmap object behind HBITMAP. The drawing layer paints on it through a
// Cairo surface; callers reach the rows directly. Both views are kept and the
// one written last is copied into the other when the other is asked for.
#include <cairo.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct BitmapObject : GdiObject {
    BitmapObject(int width, int height, int bitsPerPixel);
    ~BitmapObject() override;
    // An opaque 24-bit bitmap over decoded pixels already in the Cairo view's
    // layout (RGB24, rows of BytesPerSurfaceRow(width) bytes, taken from
    // std::malloc): the decoders write there, so nothing is copied until the
    // rows are asked for.
    struct FreeRows { void operator()(unsigned char* p) const { std::free(p); } };
    using SurfaceRows = std::unique_ptr<unsigned char[], FreeRows>;
    static BitmapObject* OverSurfaceRows(int width, int height, SurfaceRows rows);
    static int BytesPerSurfaceRow(int width) { return cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width); }
    BitmapObject(const BitmapObject&) = delete;
    BitmapObject& operator=(const BitmapObject&) = delete;

    int width;
    int height;
    int bpp;
    int stride; // bytes per row in `bits`

    // For drawing: the Cairo view, up to date; marked as the newer view.
    cairo_surface_t* SurfaceForWriting();
    // For reading only (blits from this bitmap).
    cairo_surface_t* SurfaceForReading();
    // The rows; `writing` marks them as the newer view.
    BYTE* Bits(bool writing);
    // The memory row of picture row y (0 = top).
    BYTE* Row(int y, bool writing) { return Bits(writing) + std::size_t(height - 1 - y) * stride; }

    bool Empty() const { return width <= 0 || height <= 0; }
    int selectedIn = 0; // memory device contexts that have it selected

private:
    BitmapObject(int width, int height, cairo_surface_t* surface);
    void SyncToSurface();
    void SyncToBits();
    std::vector<BYTE> bits_; // left empty until asked for when the surface came first
    cairo_surface_t* surface_ = nullptr; // ARGB32 (32 bits) or RGB24 (24 bits), premultiplied
    enum class Newer { Same, Bits, Surface } newer_ = Newer::Same;
};

} // namespace tv::win
