#pragma once
// Fonts in device pixels: a LOGFONT resolved through fontconfig and measured
// with Pango. Metrics are unhinted, so what is measured at one resolution
// scales to any other.
// The platform types first: glib defines TRUE and FALSE as macros.
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/objects.h"

#include <pango/pangocairo.h>

#include <memory>
#include <string>
#include <string_view>

namespace tv::win {

struct DeviceFont {
    std::shared_ptr<PangoFontDescription> desc;
    std::string family;
    LOGFONT lf;
    double em = 0; // pixels
    int ascent = 0, descent = 0, height = 0, internalLeading = 0, externalLeading = 0;
    int aveCharWidth = 0, maxCharWidth = 0;
    double escapement = 0; // degrees, counter-clockwise
};

// The font selected in the device context, sized in device pixels.
DeviceFont CurrentDeviceFont(DeviceContext* dc);

// The shared Pango context used for measuring and drawing.
PangoContext* TextContext();

// A layout of `text` in the font; `underlineFrom`/`underlineTo` are byte
// offsets of an extra underlined range (the prefix character), -1 for none.
// Layouts are kept and shared by every caller asking for the same: never change one.
std::shared_ptr<PangoLayout> MakeLayout(const DeviceFont& font, std::string_view text, bool rtl = false,
                                        int underlineFrom = -1, int underlineTo = -1);
// Width of the text in device pixels.
double TextWidth(const DeviceFont& font, std::string_view text);
// Width of a layout made by MakeLayout, in device pixels.
double LayoutWidth(PangoLayout* layout);

// Draws the text with its cell's top-left corner at (x, y) in device pixels,
// in the device context's text colour (no background).
void DrawTextAt(DeviceContext* dc, const DeviceFont& font, double x, double y, std::string_view text, bool rtl = false,
                int underlineFrom = -1, int underlineTo = -1);
// The same with a layout already made (and perhaps measured) for the text.
void DrawLayoutAt(DeviceContext* dc, const DeviceFont& font, double x, double y, PangoLayout* layout);

} // namespace tv::win
