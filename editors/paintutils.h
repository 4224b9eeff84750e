#pragma once
// Small drawing helpers of the editors' lists and cells.
#include "platform/wintypes.h"

namespace tv {

class TControl;
class TCustomImageList;

// Draws an image of the list centred in the rectangle, clipped to it when it
// does not fit; `selected` blends it with the highlight colour.
void PaintImageListImage(win::HDC dc, const win::RECT& rect, TCustomImageList* images, int index, bool selected);

// The character height of the control's font, measured on the screen.
int GetFontTextHeight(TControl* control);

} // namespace tv
