#pragma once
// Bitmaps. Every bitmap is device-independent, 24 or 32 bits per pixel, in
// the framework's byte order: blue, green, red (and alpha for 32 bits, not
// premultiplied). Rows are padded to 4 bytes and stored bottom-up, as DIBs
// are: row 0 is the top row, and the distance from ScanLine(0) to
// ScanLine(1) is negative. Compatible bitmaps are 32-bit and opaque.
#include <cstddef>

#include "platform/picture/bitmapobject.h" // complete, so HBITMAP converts to HGDIOBJ
#include "platform/wintypes.h"

namespace tv::win {

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr; // the lowest row in memory (the bottom row)
};

// A new bitmap, all black (alpha 255 for 32 bits). A zero width or height
// gives an empty bitmap that drawing ignores; a negative size or another
// depth raises EInvalidGraphic.
HBITMAP CreateDIBitmap(int width, int height, int bitsPerPixel);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CopyBitmap(HBITMAP bmp);

int BitmapWidth(HBITMAP bmp);
int BitmapHeight(HBITMAP bmp);
int BitmapBitsPerPixel(HBITMAP bmp);
// Direct access to row `y` (0 = top); raises EInvalidGraphic out of range.
// A row pointer stays good until the bitmap is next drawn on through a device
// context: take it again after drawing.
BYTE* ScanLine(HBITMAP bmp, int y);
// Bytes from one row to the next in memory (rows are padded to 4 bytes).
int BytesPerRow(HBITMAP bmp);

} // namespace tv::win
