#pragma once
// Painting a skin gradient into a 24-bit bitmap.
#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;

// The mode of the first step decides: top to bottom, left to right, or four
// corners to the centre; each step covers its percent of the rectangle and
// the last one runs to the end.
void PaintGradient(TBitmap* bmp, win::RECT r, const TsGradArray& steps);

} // namespace tv
