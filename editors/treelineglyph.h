#pragma once
// One element of a tree outline: a node box with plus or minus and its
// dotted connector lines, or connector lines alone.
#include "platform/wintypes.h"

namespace tv {

class TCanvas;

// Elements 0..5: a node box (0-2 minus, 3-5 plus) with a line to the right
// edge, a line up for 0, 1, 3, 4 and a line down for 0, 2, 3, 5. Elements
// 6..9: lines only (6 a vertical line and a branch to the right, 7 a line
// from the top turning right, 8 a line turning down, 9 a vertical line).
// `dotPhase` shifts the dots by one pixel so that neighbouring cells meet.
void DrawTreeLineGlyph(TCanvas* canvas, const win::RECT& rect, int element, double verticalScale,
                       double horizontalScale, bool dotPhase);

} // namespace tv
