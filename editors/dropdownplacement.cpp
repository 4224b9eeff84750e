#include "editors/dropdownplacement.h"

#include <algorithm>

#include "framework/ui/controls.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

POINT CalcDropDownRect(const RECT& owner, TWinControl* dropDown, int alignment) {
    MONITORINFO mi;
    GetMonitorInfo(MonitorFromRect(&owner, 2), &mi);
    const RECT& work = mi.rcWork;
    int w = dropDown->Width(), h = dropDown->Height();
    int below = work.bottom - owner.bottom, above = owner.top - work.top;
    POINT p;
    int vertical;
    bool up = (h > below && h <= above) || (h > below && h > above && below < above);
    if (up) {
        if (h > above) h = above;
        p.y = owner.top - h;
        vertical = 2;
    } else {
        if (h > below) h = below;
        p.y = owner.bottom;
        vertical = 3;
    }
    if (alignment == ddaRightEh) {
        p.x = owner.right - w;
    } else if (alignment == ddaCenterEh) {
        p.x = owner.left - (w - owner.Width()) / 2;
    } else {
        p.x = owner.left;
    }
    if (work.Width() < w) w = work.Width();
    int horizontal;
    if (p.x + w > work.right) {
        p.x = work.right - w;
        horizontal = 0;
    } else if (p.x < work.left) {
        p.x = work.left;
        horizontal = 1;
    } else {
        horizontal = alignment == ddaRightEh ? 0 : 1;
    }
    if (w != dropDown->Width() || h != dropDown->Height())
        dropDown->SetBounds(dropDown->Left(), dropDown->Top(), w, h);
    auto alive = dropDown->Alive();
    dropDown->Perform(WM_DROPDOWNPLACED_EH, WPARAM(vertical), 0);
    if (*alive) dropDown->Perform(WM_DROPDOWNPLACED_EH, WPARAM(horizontal), 0);
    return p;
}

void KeepDropDownMinimumSize(WINDOWPOS& wp) {
    if (wp.flags & SWP_NOSIZE) return;
    wp.cx = std::max(wp.cx, GetSystemMetrics(SM_CXVSCROLL));
    wp.cy = std::max(wp.cy, GetSystemMetrics(SM_CYVSCROLL));
}

POINT PlaceDropDownWindow(TControl* owner, TWinControl* dropDown, int alignment) {
    RECT r = owner->BoundsRect();
    if (TWinControl* parent = owner->Parent()) {
        POINT tl = parent->ClientToScreen({r.left, r.top});
        r = RECT{tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height()};
    }
    return CalcDropDownRect(r, dropDown, alignment);
}

} // namespace tv
