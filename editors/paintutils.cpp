#include "editors/paintutils.h"

#include "framework/ui/controls.h"
#include "framework/ui/imagelist.h"
#include "platform/gdi/gdi.h"
#include "platform/picture/imagelist.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

namespace {
COLORREF ListColor(TColor c) {
    if (c == clNone) return CLR_NONE;
    if (c == clDefault) return CLR_DEFAULT;
    return ColorToRGB(c);
}
} // namespace

void PaintImageListImage(HDC dc, const RECT& rect, TCustomImageList* images, int index, bool selected) {
    if (!images) return;
    HIMAGELIST h = images->Handle();
    if (!h) return;
    int x = (rect.left + rect.right - images->Width()) / 2;
    int y = (rect.top + rect.bottom - images->Height()) / 2;
    bool inside = x >= rect.left && y >= rect.top && x + images->Width() <= rect.right &&
                  y + images->Height() <= rect.bottom;
    int saved = 0;
    if (!inside) {
        saved = SaveDC(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    COLORREF blend = selected ? GetSysColor(COLOR_HIGHLIGHT) : CLR_DEFAULT;
    ImageList_DrawEx(h, index, dc, x, y, 0, 0, ListColor(images->BkColor()), blend,
                     ILD_NORMAL | (selected ? ILD_SELECTED : 0));
    if (!inside) RestoreDC(dc, saved);
}

int GetFontTextHeight(TControl* control) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, control->Font()->Handle());
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm.tmHeight;
}

} // namespace tv
