#pragma once
// Painting one skin image into a 24-bit bitmap: borders by nine parts,
// glyphs at a point, textures by draw mode, each through its mask; and the
// transparent corner runs of a border for window regions.
#include <vector>

#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;
class TGraphic;

// One state of a border image over the rectangle: corners, edges and, with
// fillCentre, the centre. Corner key pixels take the parent's background
// from the cache when `cornersFromCache` (unmasked images) or always (masked ones).
void PaintMaskedBorder(TBitmap* bmp, win::RECT r, bool fillCentre, bool cornersFromCache, int state,
                       const TsMaskData& md, const TCacheInfo& ci);
// One piece of a masked image; `cornerFlag` treats key pixels as the
// outside of a corner.
void PaintTransparentMasked(const win::RECT& dst, const win::RECT& src, TBitmap* bmp, const TsMaskData& md,
                            bool cornerFlag, const TCacheInfo& ci, TBitmap* srcBmp);
// One state of a glyph with its top-left at `pt`; mode 1 is normal, any
// other draws it faded.
void PaintMaskedGlyph(TBitmap* bmp, win::POINT pt, int state, const TsMaskData& md, int mode);
void BlendMaskedGlyph(const win::RECT& dst, const win::RECT& src, TBitmap* bmp, const TsMaskData& md, int mode,
                      TBitmap* srcBmp);
// A texture by draw mode; `r` becomes the part left to the caller, or -1 in
// all four fields when nothing is left. An own picture is tiled over all.
void PaintTexture(TBitmap* bmp, win::RECT& r, TGraphic* own, int drawMode, const TsMaskData& md);
// Textures with a mask (draw modes 0 and 10).
void PaintMaskedTexture(const win::RECT& dst, const win::RECT& src, TBitmap* bmp, const TsMaskData& md,
                        const TCacheInfo& ci);
void PaintMaskedTextureTiled(TBitmap* bmp, const win::RECT& r, const TCacheInfo& ci, int drawMode,
                             const TsMaskData& md);
// Tiles a picture over the rectangle, partial tiles at the edges.
void TileBitmap(TBitmap* bmp, const win::RECT& r, TGraphic* picture);
// Appends the key-colour runs of the top (or bottom) corners of a border, as
// one-pixel-high rectangles of a window `width` wide, from row `y`.
void ParseMaskRegion(std::vector<win::RECT>& rects, int width, const TsMaskData& md, bool bottom, int y);

} // namespace tv
