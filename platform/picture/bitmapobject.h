#pragma once
// The bitmap object behind HBITMAP. The drawing layer paints on it through a
// Cairo surface; callers reach the rows directly. Both views are kept and the
// one written last is copied into the other when the other is asked for.
#include <cairo.h>

#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct BitmapObject : GdiObject {
    BitmapObject(int width, int height, int bitsPerPixel);
    ~BitmapObject() override;
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
    void SyncToSurface();
    void SyncToBits();
    std::vector<BYTE> bits_;
    cairo_surface_t* surface_ = nullptr; // ARGB32 (32 bits) or RGB24 (24 bits), premultiplied
    enum class Newer { Same, Bits, Surface } newer_ = Newer::Same;
};

} // namespace tv::win
