#include "platform/gdi/text.h"

#include <cmath>

#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/recorder.h"
#include "platform/region.h"

namespace tv::win {

UINT SetTextAlign(HDC hdc, UINT align) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return 0xFFFFFFFF;
    CallScope scope(dc, "SetTextAlign", Args(align), [align](HDC t) { SetTextAlign(t, align); });
    UINT old = dc->st.textAlign;
    dc->st.textAlign = align;
    return old;
}

UINT GetTextAlign(HDC dc) { return Dc(dc) ? Dc(dc)->st.textAlign : 0xFFFFFFFF; }

// Logical units from device pixels along x and y (rounded up, never negative).
static LONG ToLogicalX(DeviceContext* dc, double px) { return LONG(std::ceil(px / std::abs(ScaleX(dc)) - 1e-6)); }
static LONG ToLogicalY(DeviceContext* dc, double px) { return LONG(std::ceil(px / std::abs(ScaleY(dc)) - 1e-6)); }

static void OutputText(DeviceContext* dc, int x, int y, UINT options, const RECT* rect, const std::string& text) {
    DeviceFont font = CurrentDeviceFont(dc);
    double px = x, py = y;
    UINT align = dc->st.textAlign;
    if (align & TA_UPDATECP) {
        px = dc->st.pos.x;
        py = dc->st.pos.y;
    }
    const bool rtl = (options & ETO_RTLREADING) || (align & TA_RTLREADING);
    // One layout draws the text and, unless it reads right to left, measures it
    // when its alignment, background or the current position needs the width.
    std::shared_ptr<PangoLayout> layout = text.empty() ? nullptr : MakeLayout(font, text, rtl);
    double width = 0;
    if ((align & (TA_CENTER | TA_UPDATECP)) || dc->st.bkMode == OPAQUE)
        width = layout && !rtl ? LayoutWidth(layout.get()) : TextWidth(font, text);
    LogicalToDevice(dc, px, py);
    px = std::round(px);
    py = std::round(py);
    double origin = px;
    if ((align & TA_CENTER) == TA_CENTER) px -= std::round(width / 2);
    else if (align & TA_RIGHT) px -= std::ceil(width);
    if ((align & TA_BASELINE) == TA_BASELINE) py -= font.ascent;
    else if (align & TA_BOTTOM) py -= font.height;

    cairo_t* cr = BeginDraw(dc);
    if (!cr) return;
    RECT dr{};
    if (rect) dr = RectToDevice(dc, *rect);
    if (rect && (options & ETO_OPAQUE)) FillDeviceRect(dc, dr, dc->st.bkColor);
    bool clipped = rect && (options & ETO_CLIPPED);
    if (clipped) {
        cairo_save(cr);
        cairo_rectangle(cr, dr.left, dr.top, dr.right - dr.left, dr.bottom - dr.top);
        cairo_clip(cr);
    }
    if (dc->st.bkMode == OPAQUE && font.escapement == 0)
        FillDeviceRect(dc, RECT{LONG(px), LONG(py), LONG(px + std::ceil(width)), LONG(py + font.height)},
                       dc->st.bkColor);
    if (layout) DrawLayoutAt(dc, font, px, py, layout.get());
    if (clipped) cairo_restore(dc->cr);
    if (align & TA_UPDATECP) {
        double nx = origin + ((align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -width : width), ny = py;
        DeviceToLogical(dc, nx, ny);
        dc->st.pos.x = LONG(std::lround(nx));
    }
}

BOOL TextOut(HDC hdc, int x, int y, const std::string& text) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "TextOut", [&] {
        return CallRecord{Args(x, y, text), [=](HDC t) { TextOut(t, x, y, text); }};
    });
    if (scope.Captured()) return TRUE;
    OutputText(dc, x, y, 0, nullptr, text);
    return TRUE;
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const std::string& text, const int* dx) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || dx) return FALSE;
    bool hasRect = rect != nullptr;
    RECT rc = rect ? *rect : RECT{};
    CallScope scope(dc, "ExtTextOut", [&] {
        return CallRecord{Args(x, y, options) + ", " + FormatArg(rect) + ", " + FormatArg(text),
                          [=](HDC t) { ExtTextOut(t, x, y, options, hasRect ? &rc : nullptr, text); }};
    });
    if (scope.Captured()) return TRUE;
    OutputText(dc, x, y, options, rect, text);
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, const std::string& text, SIZE* size) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !size) return FALSE;
    DeviceFont font = CurrentDeviceFont(dc);
    size->cx = ToLogicalX(dc, std::ceil(TextWidth(font, text) - 1e-6));
    size->cy = ToLogicalY(dc, font.height);
    return TRUE;
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* tm) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !tm) return FALSE;
    DeviceFont f = CurrentDeviceFont(dc);
    *tm = TEXTMETRIC{};
    tm->tmAscent = ToLogicalY(dc, f.ascent);
    tm->tmDescent = ToLogicalY(dc, f.descent);
    tm->tmHeight = tm->tmAscent + tm->tmDescent;
    tm->tmInternalLeading = ToLogicalY(dc, f.internalLeading);
    tm->tmExternalLeading = ToLogicalY(dc, f.externalLeading);
    tm->tmAveCharWidth = ToLogicalX(dc, f.aveCharWidth);
    tm->tmMaxCharWidth = ToLogicalX(dc, f.maxCharWidth);
    tm->tmWeight = f.lf.lfWeight <= 0 ? FW_NORMAL : f.lf.lfWeight;
    tm->tmOverhang = 0;
    tm->tmDigitizedAspectX = dc->dpiX;
    tm->tmDigitizedAspectY = dc->dpiY;
    tm->tmItalic = f.lf.lfItalic ? 1 : 0;
    tm->tmUnderlined = f.lf.lfUnderline ? 1 : 0;
    tm->tmStruckOut = f.lf.lfStrikeOut ? 1 : 0;
    bool fixed = pango_font_description_get_family(f.desc.get()) && f.family.find("Mono") != std::string::npos;
    // As in Windows, the low bit set means a variable pitch.
    tm->tmPitchAndFamily = BYTE((fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                (fixed ? FF_MODERN : FF_SWISS));
    tm->tmCharSet = f.lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : f.lf.lfCharSet;
    return TRUE;
}

UINT GetOutlineTextMetrics(HDC hdc, UINT size, OUTLINETEXTMETRIC* otm) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return 0;
    if (!otm) return sizeof(OUTLINETEXTMETRIC);
    if (size < sizeof(OUTLINETEXTMETRIC)) return 0;
    *otm = OUTLINETEXTMETRIC{};
    GetTextMetrics(hdc, &otm->otmTextMetrics);
    DeviceFont f = CurrentDeviceFont(dc);
    const TEXTMETRIC& tm = otm->otmTextMetrics;
    otm->otmEMSquare = 2048;
    otm->otmAscent = tm.tmAscent;
    otm->otmDescent = -tm.tmDescent;
    otm->otmLineGap = UINT(tm.tmExternalLeading);
    otm->otmrcFontBox = RECT{0, tm.tmAscent, tm.tmMaxCharWidth, -tm.tmDescent};
    if (f.lf.lfItalic) {
        // The usual oblique of a sans-serif italic: about 12 degrees.
        otm->otmsCharSlopeRise = 100;
        otm->otmsCharSlopeRun = 21;
        otm->otmItalicAngle = -120;
    }
    otm->otmsUnderscoreSize = std::max(1, int(std::lround(tm.tmHeight / 16.0)));
    otm->otmsUnderscorePosition = -std::max(1, int(std::lround(tm.tmDescent / 2.0)));
    otm->otmsStrikeoutSize = UINT(otm->otmsUnderscoreSize);
    otm->otmsStrikeoutPosition = int(std::lround(tm.tmAscent / 3.0));
    return sizeof(OUTLINETEXTMETRIC);
}

std::string GetTextFace(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return {};
    return ResolveFontFamily(dc->st.font ? dc->st.font->lf.lfFaceName : std::string());
}

} // namespace tv::win
