#include "gridservices/print/printcelltext.h"

#include <utility>

#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"

namespace tv::gridprint {

using namespace win;

namespace {
// Reaches the canvas's own preparation of its device context (font, brush,
// text colour) for calls that go to the device context directly.
struct CanvasAccess : TCanvas {
    using TCanvas::RequiredState;
};
} // namespace

void PrepareCanvas(TCanvas* canvas, bool font, bool pen, bool brush) {
    (canvas->*&CanvasAccess::RequiredState)(font, pen, brush);
}

int DrawCellText(TCanvas* canvas, RECT box, bool fill, bool rtlReading, bool rtlAlignment, bool measureOnly,
                 int rightMargin, int leftMargin, bool endEllipsis, bool wordWrap, TTextLayout layout,
                 TAlignment alignment, const std::string& text, int verticalInset, int horizontalInset) {
    if (rtlAlignment) {
        if (alignment == taLeftJustify)
            alignment = taRightJustify;
        else if (alignment == taRightJustify)
            alignment = taLeftJustify;
        std::swap(leftMargin, rightMargin);
    }
    PrepareCanvas(canvas, true, false, true);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    HDC dc = canvas->Handle();
    if (measureOnly) {
        RECT r{box.left + horizontalInset, box.top + verticalInset, box.right - horizontalInset,
               box.bottom - verticalInset};
        UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
        if (wordWrap) flags |= DT_WORDBREAK;
        if (rtlReading) flags |= DT_RTLREADING;
        DRAWTEXTPARAMS params;
        params.iLeftMargin = leftMargin;
        params.iRightMargin = rightMargin;
        DrawTextEx(dc, text, &r, flags, &params);
        TEXTMETRIC tm;
        GetTextMetrics(dc, &tm);
        return (r.bottom - r.top) + tm.tmExternalLeading + 2 * verticalInset;
    }
    if (fill) canvas->FillRect(box);
    RECT r{box.left + horizontalInset, box.top + verticalInset, box.right - horizontalInset,
           box.bottom - verticalInset};
    UINT flags = DT_EXPANDTABS | DT_NOPREFIX;
    flags |= alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    if (wordWrap) flags |= DT_WORDBREAK;
    if (endEllipsis) flags |= DT_END_ELLIPSIS;
    if (rtlReading) flags |= DT_RTLREADING;
    DRAWTEXTPARAMS params;
    params.iLeftMargin = leftMargin;
    params.iRightMargin = rightMargin;
    if (layout != tlTop) {
        RECT m = r;
        DRAWTEXTPARAMS mp = params;
        DrawTextEx(dc, text, &m, flags | DT_CALCRECT, &mp);
        int height = m.bottom - m.top;
        if (layout == tlCenter)
            r.top = r.top + (r.bottom - r.top) / 2 - height / 2;
        else
            r.top = r.bottom - height;
    }
    if (horizontalInset > 0) r.bottom += 1;
    DrawTextEx(dc, text, &r, flags, &params);
    return 0;
}

int TextPixelWidth(TCanvas* canvas, const std::string& text) {
    PrepareCanvas(canvas, true, false, false);
    RECT r{0, 0, 1, 1};
    DrawText(canvas->Handle(), text, &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return r.right - r.left;
}

std::string JoinedLines(TStrings* list) {
    std::string s;
    for (int i = 0; i < list->Count(); ++i) {
        if (i) s += "\r\n";
        s += list->Strings(i);
    }
    return s;
}

} // namespace tv::gridprint
