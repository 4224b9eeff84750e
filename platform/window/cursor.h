#pragma once
// Mouse cursors: the standard shapes and cursors made from pictures.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct Cursor {
    int standardId = 0;          // IDC_* for a standard cursor, 0 otherwise
    std::string name;            // resource name of a custom cursor
    int width = 0, height = 0;
    int hotX = 0, hotY = 0;
    std::vector<std::uint32_t> pixels; // ARGB, premultiplied; empty for standard shapes
};

constexpr int IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516, IDC_SIZENWSE = 32642, IDC_SIZENESW = 32643, IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645, IDC_SIZEALL = 32646, IDC_NO = 32648, IDC_HAND = 32649;
constexpr int IDC_APPSTARTING = 32650, IDC_HELP = 32651;
constexpr int IDI_APPLICATION = 32512;

// Standard cursors live for the whole process.
HCURSOR LoadCursor(int standardId);
// A cursor from ARGB pixels (premultiplied), hot spot inside it.
HCURSOR CreateCursorFromPixels(const std::string& name, int width, int height, int hotX, int hotY,
                               const std::uint32_t* argb);
// A cursor from a picture file (PNG with an optional hot spot). nullptr when it
// cannot be read.
HCURSOR LoadCursorFromFile(const std::string& path, int hotX = 0, int hotY = 0);
// A cursor from the bytes of a cursor file (.cur, as resources carry them:
// bitmaps of 1 to 32 bits with their mask, or PNG images). The largest image
// is taken. nullptr when the data is not a cursor.
HCURSOR LoadCursorFromMemory(const std::string& name, const unsigned char* data, size_t size);
BOOL DestroyCursor(HCURSOR cursor);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
int ShowCursor(BOOL show);

} // namespace tv::win
