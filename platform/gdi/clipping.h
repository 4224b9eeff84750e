#pragma once
// Clipping of a device context. Clip regions are in device coordinates, as
// in Windows; the rectangles of IntersectClipRect and friends are logical.
#include "platform/region.h"
#include "platform/wintypes.h"

namespace tv::win {

// `rgn` null removes the clip region (RGN_COPY); the region is copied.
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
// The box of what can be drawn, in logical coordinates.
int GetClipBox(HDC dc, RECT* rect);
// Copies the clip region into `rgn`: 1 when there is one, 0 when none, -1 on error.
int GetClipRgn(HDC dc, HRGN rgn);
BOOL RectVisible(HDC dc, const RECT* rect);
BOOL PtVisible(HDC dc, int x, int y);

} // namespace tv::win
