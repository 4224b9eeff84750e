#pragma once
// Small bitmaps filled and read pixel by pixel, and JPEG files written with
// libjpeg, for the skin tests.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/picture.h"

namespace skintest {

// A 24-bit bitmap of one colour (0x00BBGGRR).
std::unique_ptr<tv::TBitmap> Solid(int w, int h, tv::TColor c);
// A 24-bit bitmap from rows of colours.
std::unique_ptr<tv::TBitmap> FromRows(const std::vector<std::vector<tv::TColor>>& rows);
tv::TColor Px(tv::TBitmap* b, int x, int y);
void SetPx(tv::TBitmap* b, int x, int y, tv::TColor c);
// The three channels of a colour, red first.
struct Rgb { int r, g, b; };
Rgb Split(tv::TColor c);
// A JPEG file of one colour.
void WriteJpeg(const std::string& path, int w, int h, int r, int g, int b);
void WriteText(const std::string& path, const std::string& text);

} // namespace skintest
