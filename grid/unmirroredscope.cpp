// Drawing the right way round inside a mirrored painting.
#include "grid/unmirroredscope.h"

namespace tv {

bool IsMirroredDC(win::HDC dc) {
    if (win::GetMapMode(dc) != win::MM_ANISOTROPIC) return false;
    win::SIZE ext{};
    win::GetWindowExtEx(dc, &ext);
    return ext.cx < 0;
}

void MirrorDC(win::HDC dc, int w, int h, bool mirrored) {
    if (mirrored) {
        win::SetMapMode(dc, win::MM_ANISOTROPIC);
        win::SetWindowOrgEx(dc, w, 0, nullptr);
        win::SetWindowExtEx(dc, -w, h, nullptr);
        win::SetViewportExtEx(dc, w, h, nullptr);
    } else {
        win::SetMapMode(dc, win::MM_TEXT);
        win::SetWindowOrgEx(dc, 0, 0, nullptr);
        win::SetWindowExtEx(dc, w, h, nullptr);
        win::SetViewportExtEx(dc, w, h, nullptr);
    }
}

TUnmirroredScope::TUnmirroredScope(win::HDC dc, int clientWidth, int clientHeight, win::RECT& rect)
    : dc_(dc), width_(clientWidth), height_(clientHeight), mirrored_(IsMirroredDC(dc)) {
    if (!mirrored_) return;
    rect = {width_ - rect.right, rect.top, width_ - rect.left, rect.bottom};
    MirrorDC(dc_, width_, height_, false);
}

TUnmirroredScope::~TUnmirroredScope() {
    if (mirrored_) MirrorDC(dc_, width_, height_, true);
}

} // namespace tv
