#pragma once
// Text output of grid cells, shared with titles, footers and printing:
// aligned, wrapped, ellipsised and rotated text, and images in a cell.
#include <string>

#include "framework/ui/graphics.h"
#include "framework/ui/imagelist.h"
#include "grid/gridtypes.h"

namespace tv {

void DrawCellText(TCanvas* canvas, win::RECT rect, bool fillRect, int dx, int dy, const std::string& text,
                  TAlignment alignment, TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin,
                  int rightMargin, bool rightToLeftReading = false);
void DrawCellTextEx(TCanvas* canvas, win::RECT rect, bool fillRect, int dx, int dy, const std::string& text,
                    TAlignment alignment, TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin,
                    int rightMargin, bool rightToLeftReading = false);
// Cuts the text until it fits in maxWidth, ending it in "...".
std::string EllipsizeText(const std::string& text, TCanvas* canvas, int maxWidth);
// Text rotated by 90 degrees (bottom to top); returns its width along the
// baseline. With calcOnly nothing is drawn.
int DrawVerticalCellText(TCanvas* canvas, win::RECT rect, bool fillRect, bool calcOnly, bool endEllipsis,
                         TTextLayout layout, TAlignment alignment, const std::string& text, int dy, int dx);
win::HFONT CreateRotatedFont(TFont* font);
void DrawGraphicClipped(TCustomImageList* images, TCanvas* canvas, const win::RECT& rect, TAlignment alignment,
                        int offset, int imageIndex);
void DrawGraphicClipped(TGraphic* graphic, TCanvas* canvas, const win::RECT& rect, TAlignment alignment,
                        int offset);
// Per channel c + c / factor, at most 255.
TColor BrightenColor(TColor color, int factor);

} // namespace tv
