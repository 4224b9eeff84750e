#include "grid/celltext.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/ui/picture.h"
#include "grid/dbgrideh.h"
#include "grid/platformwrappers.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/sysmetrics.h"

namespace tv {

namespace {
win::UINT AlignmentFlags(TAlignment a) {
    switch (a) {
    case taRightJustify: return win::DT_RIGHT | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    case taCenter: return win::DT_CENTER | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    default: return win::DT_LEFT | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    }
}
} // namespace

std::string EllipsizeText(const std::string& text, TCanvas* canvas, int maxWidth) {
    std::string result = text;
    int len = static_cast<int>(Utf8Length(text));
    for (int i = 1; i <= len && canvas->TextWidth(result) > maxWidth; ++i) {
        int keep = std::max(0, len - i - 1);
        result = text.substr(0, Utf8Offset(text, static_cast<std::size_t>(keep))) + "...";
    }
    return result;
}

void DrawCellTextEx(TCanvas* canvas, win::RECT rect, bool fillRect, int dx, int dy, const std::string& text,
                    TAlignment alignment, TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin,
                    int rightMargin, bool rightToLeftReading) {
    win::UINT flags = AlignmentFlags(alignment);
    if (wordWrap) flags |= win::DT_WORDBREAK;
    if (endEllipsis) flags |= win::DT_END_ELLIPSIS;
    if (rightToLeftReading) flags |= win::DT_RTLREADING;
    if (fillRect) canvas->FillRect(rect);
    win::DRAWTEXTPARAMS params;
    params.iLeftMargin = leftMargin;
    params.iRightMargin = rightMargin;
    win::RECT r{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
    win::HDC dc = canvas->Handle();
    if (layout != tlTop) {
        win::RECT calc = r;
        win::DRAWTEXTPARAMS copy = params;
        win::DrawTextEx(dc, text, &calc, flags | win::DT_CALCRECT, &copy);
        int h = calc.bottom - calc.top;
        if (layout == tlCenter)
            r.top = r.top + (r.bottom - r.top) / 2 - h / 2;
        else
            r.top = r.bottom - h;
    }
    if (dx > 0) r.bottom += 1;
    TBrushStyle saved = canvas->Brush()->Style();
    canvas->Brush()->SetStyle(bsClear);
    win::SetBkMode(dc, win::TRANSPARENT);
    PlatformDrawTextInRect(dc, text, -1, &r, flags, params);
    canvas->Brush()->SetStyle(saved);
}

void DrawCellText(TCanvas* canvas, win::RECT rect, bool fillRect, int dx, int dy, const std::string& text,
                  TAlignment alignment, TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin,
                  int rightMargin, bool rightToLeftReading) {
    // True-colour surfaces show every brush colour pure: the off-screen path
    // of palette devices is never needed here.
    if (wordWrap) {
        DrawCellTextEx(canvas, rect, fillRect, dx, dy, text, alignment, layout, wordWrap, endEllipsis, leftMargin,
                       rightMargin, rightToLeftReading);
        return;
    }
    std::string t = endEllipsis ? EllipsizeText(text, canvas, rect.right - rect.left - dx) : text;
    bool boldOrItalic = canvas->Font()->Style().Contains(fsBold) || canvas->Font()->Style().Contains(fsItalic);
    int w = alignment != taLeftJustify && boldOrItalic ? GetTextWidth(canvas, t) : canvas->TextWidth(t);
    int x;
    switch (alignment) {
    case taRightJustify: x = rect.right - w - 3; break;
    case taCenter: x = rect.right > rect.left ? rect.left + (rect.right - rect.left) / 2 - w / 2 : rect.left; break;
    default: x = rect.left + dx;
    }
    int y = rect.top + dy;
    if (layout != tlTop) {
        int h = canvas->TextHeight(t.empty() ? std::string("W") : t);
        if (h < rect.bottom - rect.top - dy) y = layout == tlCenter ? (rect.top + rect.bottom - h) / 2 : rect.bottom - h;
    }
    TBrushStyle saved = canvas->Brush()->Style();
    if (!fillRect) canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(rect, x, y, t);
    canvas->Brush()->SetStyle(saved);
}

win::HFONT CreateRotatedFont(TFont* font) {
    win::LOGFONT lf;
    lf.lfHeight = font->Height();
    lf.lfWidth = 0;
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
    lf.lfWeight = font->Style().Contains(fsBold) ? 700 : 400;
    lf.lfItalic = font->Style().Contains(fsItalic);
    lf.lfUnderline = font->Style().Contains(fsUnderline);
    lf.lfStrikeOut = font->Style().Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<win::BYTE>(font->Charset());
    lf.lfFaceName = AnsiCompareText(font->Name(), "Default") == 0 ? std::string("MS Sans Serif") : font->Name();
    lf.lfOutPrecision = 7;
    lf.lfPitchAndFamily = font->Pitch() == fpVariable ? 2 : font->Pitch() == fpFixed ? 1 : 0;
    return win::CreateFontIndirect(lf);
}

int DrawVerticalCellText(TCanvas* canvas, win::RECT rect, bool fillRect, bool calcOnly, bool endEllipsis,
                         TTextLayout layout, TAlignment alignment, const std::string& text, int dy, int dx) {
    (void)endEllipsis;
    win::HDC dc = canvas->Handle();
    win::HFONT rotated = CreateRotatedFont(canvas->Font());
    win::HGDIOBJ old = win::SelectObject(dc, rotated);
    int width = 0, height = 0, overhang = 0;
    try {
        win::SIZE s{};
        win::GetTextExtentPoint32(dc, text, &s);
        win::TEXTMETRIC tm{};
        win::GetTextMetrics(dc, &tm);
        overhang = tm.tmOverhang;
        // The extent of rotated text is measured along its baseline.
        width = std::max(s.cx, s.cy) + overhang;
        height = tm.tmHeight;
        if (!calcOnly) {
            int x;
            switch (alignment) {
            case taRightJustify: x = rect.right - height; break;
            case taCenter: x = (rect.left + rect.right) / 2 - (height + overhang) / 2; break;
            default: x = rect.left + dx;
            }
            int y;
            switch (layout) {
            case tlTop: y = rect.top + width; break;
            case tlBottom: y = rect.bottom - dy; break;
            default: y = (rect.top + rect.bottom) / 2 + width / 2;
            }
            if (fillRect) canvas->FillRect(rect);
            win::SetBkMode(dc, win::TRANSPARENT);
            win::SaveDC(dc);
            win::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
            win::ExtTextOut(dc, x, y, 0, nullptr, text);
            win::RestoreDC(dc, -1);
        }
    } catch (...) {
        win::SelectObject(dc, old);
        win::DeleteObject(rotated);
        throw;
    }
    win::SelectObject(dc, old);
    win::DeleteObject(rotated);
    return width;
}

namespace {
// Draws at (x, y), clipped to the rectangle when the picture reaches out of it.
template <class DrawAt>
void DrawClippedAt(TCanvas* canvas, const win::RECT& rect, int w, int h, TAlignment alignment, int offset,
                   DrawAt draw) {
    int x;
    switch (alignment) {
    case taRightJustify: x = rect.right - w + offset; break;
    case taCenter: x = (rect.left + rect.right - w) / 2 + offset; break;
    default: x = rect.left + offset;
    }
    int y = (rect.top + rect.bottom - h) / 2;
    bool inside = x >= rect.left && y >= rect.top && x + w <= rect.right && y + h <= rect.bottom;
    if (inside) {
        draw(x, y);
        return;
    }
    win::HDC dc = canvas->Handle();
    win::SaveDC(dc);
    win::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    try {
        draw(x, y);
    } catch (...) {
        win::RestoreDC(dc, -1);
        throw;
    }
    win::RestoreDC(dc, -1);
}
} // namespace

void DrawGraphicClipped(TCustomImageList* images, TCanvas* canvas, const win::RECT& rect, TAlignment alignment,
                        int offset, int imageIndex) {
    if (!images || imageIndex < 0 || imageIndex >= images->Count()) return;
    DrawClippedAt(canvas, rect, images->Width(), images->Height(), alignment, offset,
                  [&](int x, int y) { images->Draw(canvas, x, y, imageIndex, true); });
}

void DrawGraphicClipped(TGraphic* graphic, TCanvas* canvas, const win::RECT& rect, TAlignment alignment,
                        int offset) {
    if (!graphic || graphic->Empty()) return;
    DrawClippedAt(canvas, rect, graphic->Width(), graphic->Height(), alignment, offset,
                  [&](int x, int y) { canvas->Draw(x, y, graphic); });
}

TColor BrightenColor(TColor color, int factor) {
    win::COLORREF c = ColorToRGB(color);
    auto ch = [&](int shift) {
        int v = (c >> shift) & 0xFF;
        return std::min(255, v + (factor ? v / factor : 0));
    };
    return ch(0) | (ch(8) << 8) | (ch(16) << 16);
}

} // namespace tv
