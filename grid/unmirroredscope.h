#pragma once
// Drawing that must read the right way round (text, buttons, check boxes,
// 3-D edges) inside a right-to-left grid's mirrored painting: for the scope
// the device context has the plain mapping and the rectangle is the one of
// the window, mirrored against the client width. Nothing changes on a device
// context that is not mirrored.
#include "platform/gdi/mapping.h"
#include "platform/wintypes.h"

namespace tv {

class TUnmirroredScope {
public:
    TUnmirroredScope(win::HDC dc, int clientWidth, int clientHeight, win::RECT& rect);
    ~TUnmirroredScope();
    TUnmirroredScope(const TUnmirroredScope&) = delete;
    TUnmirroredScope& operator=(const TUnmirroredScope&) = delete;
    bool Mirrored() const { return mirrored_; }

private:
    win::HDC dc_;
    int width_, height_;
    bool mirrored_ = false;
};

// Whether a device context draws through the mirrored mapping.
bool IsMirroredDC(win::HDC dc);
// Maps a device context so that x runs leftwards from the right edge of a
// client area `width` wide, or back to the plain mapping.
void MirrorDC(win::HDC dc, int width, int height, bool mirrored);

} // namespace tv
