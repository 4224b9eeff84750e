#pragma once
// Pens and brushes applied to Cairo paths in device pixels; shared by shapes,
// edges and text backgrounds.
#include <cairo.h>

#include <functional>

#include "platform/gdi/devicecontext.h"

namespace tv::win {

// A brush handle may also be a system colour index plus one, as in Windows.
COLORREF BrushColor(HBRUSH brush);
bool IsNullBrush(HBRUSH brush);
// A system colour brush or a brush in existence: false for null, a deleted
// brush or another kind of object.
bool IsBrushHandle(HBRUSH brush);

// Fills the path built by `path` (device pixels) with the brush under the
// device context's raster mode (`useRop2` false: plain copy).
void FillPath(DeviceContext* dc, HBRUSH brush, const std::function<void(cairo_t*)>& path, bool useRop2 = true,
              cairo_fill_rule_t rule = CAIRO_FILL_RULE_WINDING);
// Strokes the path with the current pen.
void StrokePath(DeviceContext* dc, const std::function<void(cairo_t*)>& path);
// The current pen's width in device pixels; 0 for a null pen.
double PenWidth(DeviceContext* dc);

// Fills a device rectangle with a colour, no raster mode.
void FillDeviceRect(DeviceContext* dc, const RECT& r, COLORREF color);

} // namespace tv::win
