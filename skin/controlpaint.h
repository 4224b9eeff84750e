#pragma once
// Painting a linked control: its background and border into its cache
// bitmap, its text in the section's colours, and the key-coloured corners
// of its border filled from the parent's background.
#include <string>

#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;
class TCanvas;
class TsCommonData;
class TWinControl;

// The link's section background; with CustomColor the control's own colour.
void PaintLinkBackground(TsCommonData* link, const TCacheInfo& ci, int state, TBitmap* bmp, win::POINT pt,
                         const win::RECT& r);
// A whole control: background, "BORDERSMASK" and the four corner images.
void PaintSkinControl(TsCommonData* link, const TCacheInfo& ci, bool fillCentre, bool cornersFromCache,
                      TBitmap* bmp, win::POINT pt, const win::RECT& r, int state);
// Text in the control's font and the section's colours, clipped to `r`.
void WriteControlText(TCanvas* canvas, const std::string& text, bool enabled, bool hot, TsCommonData* link,
                      win::UINT flags, win::RECT& r);

// Copies the container's cache, from `srcOffset`, to `dst` of the device
// context, except where children paint themselves (opaque or graphic ones).
void PaintCachedArea(TWinControl* container, TBitmap* cache, win::POINT srcOffset, win::HDC dc, const win::RECT& dst);

// Corner flags: 1 top-left, 2 bottom-left, 4 top-right, 8 bottom-right.
void FillTransparentCorners(TsCommonData* link, int state, int corners);
inline void FillAllTransparentCorners(TsCommonData* link, int state) { FillTransparentCorners(link, state, 15); }

} // namespace tv
