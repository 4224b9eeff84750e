#pragma once
// Regions: areas of the plane kept as bands of rectangles (rows of equal
// height holding sorted, non-overlapping horizontal spans). The window system
// uses them for invalid areas, visible areas and window shapes; device
// contexts clip with them.
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

// Results of region operations.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

struct RegionObject : GdiObject {
    RegionObject() : GdiObject(GdiKind::Region) {}
    // Banded rectangles: sorted by top, then left; rectangles of one band
    // share top and bottom; bands never overlap and adjacent equal bands are
    // merged, so two equal areas always have the same list.
    std::vector<RECT> rects;

    int Complexity() const;
    RECT Box() const;
    bool Contains(int x, int y) const;
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rc);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
// A region from any list of rectangles (they may overlap).
HRGN CreateRgnFromRects(const RECT* rects, int count);

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const RECT* rc);
int GetRgnBox(HRGN rgn, RECT* rc);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
// The rectangles of a region in banded order.
const std::vector<RECT>& RegionRects(HRGN rgn);

// Regions owned by the window system itself.
struct RegionDeleter { void operator()(RegionObject* r) const { delete r; } };

// Rectangle helpers shared by the window system and the drawing layer.
BOOL SetRect(RECT* rc, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rc);
BOOL IsRectEmpty(const RECT* rc);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rc, POINT pt);
BOOL OffsetRect(RECT* rc, int dx, int dy);
BOOL InflateRect(RECT* rc, int dx, int dy);
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b);
BOOL CopyRect(RECT* dest, const RECT* src);

} // namespace tv::win
