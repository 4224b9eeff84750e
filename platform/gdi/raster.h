#pragma once
// Block transfers between device contexts and from device-independent bits.
#include "platform/wintypes.h"

namespace tv::win {

constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09,
                PATINVERT = 0x005A0049, DSTINVERT = 0x00550009, BLACKNESS = 0x00000042,
                WHITENESS = 0x00FF0062;

constexpr DWORD BI_RGB = 0, BI_BITFIELDS = 3;
constexpr UINT DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
    DWORD biSize = sizeof(BITMAPINFOHEADER);
    LONG biWidth = 0;
    LONG biHeight = 0; // > 0: rows bottom-up; < 0: top-down
    WORD biPlanes = 1;
    WORD biBitCount = 0; // 24 or 32
    DWORD biCompression = BI_RGB;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0, biYPelsPerMeter = 0;
    DWORD biClrUsed = 0, biClrImportant = 0;
};
struct BITMAPINFO { BITMAPINFOHEADER bmiHeader; };

BOOL BitBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy, DWORD rop);
// Copies the source leaving out the pixels of colour `transparent`.
BOOL TransparentBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy,
                    COLORREF transparent);
// Blends the source over the destination: with AC_SRC_ALPHA the source's own
// alpha counts, always times SourceConstantAlpha / 255.
constexpr BYTE AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;
struct BLENDFUNCTION {
    BYTE BlendOp = AC_SRC_OVER;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255;
    BYTE AlphaFormat = 0;
};
BOOL AlphaBlend(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy,
                BLENDFUNCTION blend);
// Fills with the current brush under a raster operation of the pattern and destination.
BOOL PatBlt(HDC dc, int x, int y, int cx, int cy, DWORD rop);
// Source rows in the layout the header says (24 or 32 bits, BGR(A), rows
// padded to 4 bytes). Returns the rows copied, 0 on failure.
int StretchDIBits(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);

} // namespace tv::win
