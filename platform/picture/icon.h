#pragma once
// Icons and cursors in the resource format of this system: "TVIC", a list of
// images of different sizes, each with its hot spot and its pixels (BGRA,
// premultiplied, deflated with zlib). Loaded ones are window-system cursors.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct IconImage {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0;
    std::vector<std::uint32_t> argb; // premultiplied, row by row from the top
};

std::vector<BYTE> WriteIconResource(const std::vector<IconImage>& images);
// Raises EInvalidGraphic on anything malformed.
std::vector<IconImage> ReadIconResource(const BYTE* data, std::size_t size);
// The image nearest to `size` pixels (0: the largest), as an icon or cursor
// handle the window system frees with DestroyCursor.
HICON LoadIconResource(const BYTE* data, std::size_t size, int wantedSize, const std::string& name);
HICON LoadIconFile(const std::string& path, int wantedSize = 0);

constexpr UINT DI_MASK = 0x1, DI_IMAGE = 0x2, DI_NORMAL = 0x3;
// Draws the icon at (x, y), scaled to cx x cy (0: its own size).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flicker, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

} // namespace tv::win
