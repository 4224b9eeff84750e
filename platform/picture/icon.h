#pragma once
// Icons and cursors: the resource format of this system ("TVIC", a list of
// images of different sizes, each with its hot spot and its pixels, BGRA
// premultiplied, deflated with zlib) and the icon file format. Loaded ones
// are window-system cursors.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct IconImage {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0;
    int bitsPerPixel = 32; // as stored in a file; what was read is 32-bit ARGB anyway
    std::vector<std::uint32_t> argb; // premultiplied, row by row from the top
};

std::vector<BYTE> WriteIconResource(const std::vector<IconImage>& images);
// Raises EInvalidGraphic on anything malformed.
std::vector<IconImage> ReadIconResource(const BYTE* data, std::size_t size);

// Icon and cursor files (".ico", ".cur"): a directory of images, each a PNG
// or a bottom-up DIB of 1, 4, 8, 24 or 32 bits per pixel followed by its
// AND mask (set bits are transparent). Raises EInvalidGraphic on anything
// malformed.
bool IsIconFile(const BYTE* data, std::size_t size);
std::vector<IconImage> ReadIconFile(const BYTE* data, std::size_t size);
// Writes every image as 32 bits with alpha and a matching AND mask; images
// are at most 256 pixels a side.
std::vector<BYTE> WriteIconFile(const std::vector<IconImage>& images);
// Either format, by content.
std::vector<IconImage> ReadIcons(const BYTE* data, std::size_t size);
// The index of the image nearest to `size` pixels (0: the largest), the
// deepest among equals.
std::size_t NearestIconImage(const std::vector<IconImage>& images, int size);

// An icon or cursor handle of one image; the window system frees it with
// DestroyCursor.
HICON IconHandle(const IconImage& image, const std::string& name);
// The image nearest to `wantedSize` pixels (0: the largest) of either format.
HICON LoadIconResource(const BYTE* data, std::size_t size, int wantedSize, const std::string& name);
HICON LoadIconFile(const std::string& path, int wantedSize = 0);

constexpr UINT DI_MASK = 0x1, DI_IMAGE = 0x2, DI_NORMAL = 0x3;
// Draws the icon at (x, y), scaled to cx x cy (0: its own size).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flicker, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

} // namespace tv::win
