#pragma once
// Device contexts over a Cairo surface that someone else owns: the virtual
// desktop's screen surface, on which the window system builds GetDC,
// GetWindowDC and BeginPaint.
#include <cairo.h>

#include "platform/gdi/dc.h"
#include "platform/wintypes.h"

namespace tv::win {

// A device context drawing on `surface` with its device origin at
// (originX, originY) in surface pixels. `deviceClip` (surface pixels, copied)
// limits every drawing; nullptr means the whole surface. The surface must
// outlive the device context.
HDC CreateSurfaceDC(cairo_surface_t* surface, int originX, int originY, HRGN deviceClip);
void DeleteSurfaceDC(HDC dc);

// The window a device context draws for (WindowFromDC, in dc.h, answers it).
void SetDCWindow(HDC dc, HWND wnd);

} // namespace tv::win
