#pragma once
// Lines, shapes and fills with the current pen and brush.
#include "platform/wintypes.h"

namespace tv::win {

BOOL MoveToEx(HDC dc, int x, int y, POINT* old);
// Draws to (x, y), leaving that last pixel out, and moves there.
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* pts, int count);
BOOL PolyPolyline(HDC dc, const POINT* pts, const DWORD* counts, DWORD polylines);
BOOL Polygon(HDC dc, const POINT* pts, int count);
// Outline with the pen, inside with the brush; right and bottom are excluded.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
// A dotted XOR frame: drawing it twice removes it.
BOOL DrawFocusRect(HDC dc, const RECT* rect);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

// Gradients.
using ULONG = std::uint32_t;
using COLOR16 = std::uint16_t;
struct TRIVERTEX {
    LONG x = 0, y = 0;
    COLOR16 Red = 0, Green = 0, Blue = 0, Alpha = 0; // 0..0xFF00
};
struct GRADIENT_RECT { ULONG UpperLeft = 0, LowerRight = 0; };
struct GRADIENT_TRIANGLE { ULONG Vertex1 = 0, Vertex2 = 0, Vertex3 = 0; };
constexpr ULONG GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2;
// `mesh` points to GRADIENT_RECT or GRADIENT_TRIANGLE records.
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount,
                  ULONG mode);

} // namespace tv::win
