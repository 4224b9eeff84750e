#pragma once
// The text primitive of grid printing: a text laid out in a box (aligned,
// wrapped, ellipsised, with margins and insets), drawn or only measured.
#include <string>

#include "core/stringlist.h"
#include "framework/ui/graphics.h"
#include "grid/gridtypes.h"

namespace tv::gridprint {

// Returns the measured height with measureOnly, else 0.
int DrawCellText(TCanvas* canvas, win::RECT box, bool fill, bool rtlReading, bool rtlAlignment, bool measureOnly,
                 int rightMargin, int leftMargin, bool endEllipsis, bool wordWrap, TTextLayout layout,
                 TAlignment alignment, const std::string& text, int verticalInset, int horizontalInset);

// Puts the canvas's font, pen or brush into its device context.
void PrepareCanvas(TCanvas* canvas, bool font, bool pen, bool brush);

// The lines joined by line breaks, without a last one.
std::string JoinedLines(TStrings* list);

// The width of the text on one line.
int TextPixelWidth(TCanvas* canvas, const std::string& text);

} // namespace tv::gridprint
