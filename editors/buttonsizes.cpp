#include "editors/buttonsizes.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

namespace {

// num / den for non-negative values, rounded with halves to the even neighbour.
int DivRoundHalfEven(int num, int den) {
    int q = num / den, r = num % den;
    if (2 * r > den || (2 * r == den && (q % 2) != 0)) ++q;
    return q;
}

int& FlatWidthSlot() {
    static int width = 0;
    return width;
}

} // namespace

int ButtonFaceKindOfStyle(TEditButtonStyleEh style) {
    switch (style) {
    case ebsDropDownEh: return bfkDropDownEh;
    case ebsEllipsisEh: return bfkEllipsisEh;
    case ebsUpDownEh: return bfkUpDownEh;
    case ebsPlusEh: return bfkPlusEh;
    case ebsMinusEh: return bfkMinusEh;
    case ebsGlyphEh: break;
    }
    return -1;
}

int CalcFlatButtonDefaultWidth() {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    DeleteDC(dc);
    int w = DivRoundHalfEven(std::max<int>(tm.tmHeight, 0) * 2, 3);
    if (w % 2 == 0) ++w;
    return std::min(w, GetSystemMetrics(SM_CXVSCROLL));
}

int FlatButtonDefaultWidth() {
    int& w = FlatWidthSlot();
    if (w == 0) w = CalcFlatButtonDefaultWidth();
    return w;
}

int EditButtonDefaultHeight(int width, bool flat) {
    if (!flat) return width;
    if (width < 0) return -DivRoundHalfEven(-width * 3, 2);
    return DivRoundHalfEven(width * 3, 2);
}

// The platform draws its check marks in a box of the menu check size; the
// check-box glyph of cells and editors is that box.
int DefaultCheckBoxWidth() { return GetSystemMetrics(SM_CXMENUCHECK); }
int DefaultCheckBoxHeight() { return GetSystemMetrics(SM_CYMENUCHECK); }

RECT CalcCheckBoxRect(const RECT& cell, TAlignment horizontal, int layout) {
    int gw = std::min<int>(DefaultCheckBoxWidth(), cell.Width());
    int gh = std::min<int>(DefaultCheckBoxHeight(), cell.Height());
    RECT r{cell.left, cell.top, cell.left + gw, cell.top + gh};
    if (gw < cell.Width()) {
        if (horizontal == taRightJustify) {
            r.left = cell.right - gw;
        } else if (horizontal == taCenter) {
            r.left = cell.left + cell.Width() / 2 - gw / 2;
        }
        r.right = r.left + gw;
    }
    if (gh < cell.Height()) {
        if (layout == clCenterEh) {
            r.top = cell.top + cell.Height() / 2 - gh / 2;
        } else if (layout == clBottomEh) {
            r.top = cell.bottom - gh;
        }
        r.bottom = r.top + gh;
    }
    return r;
}

bool DetectDoubleClick(const POINT& first, const POINT& second, long elapsedMs) {
    if (elapsedMs > long(GetDoubleClickTime())) return false;
    return std::abs(second.x - first.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
           std::abs(second.y - first.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

} // namespace tv
