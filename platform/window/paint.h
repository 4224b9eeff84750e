#pragma once
// Painting: invalid regions, WM_PAINT and WM_NCPAINT, device contexts of
// windows over the desktop surface, and scrolling of window contents.
#include "platform/region.h"
#include "platform/window/window.h"

namespace tv::win {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

BOOL InvalidateRect(HWND wnd, const RECT* rc, BOOL erase);
BOOL InvalidateRgn(HWND wnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND wnd, const RECT* rc);
BOOL ValidateRgn(HWND wnd, HRGN rgn);
BOOL UpdateWindow(HWND wnd);
BOOL RedrawWindow(HWND wnd, const RECT* rc, HRGN rgn, UINT flags);
BOOL GetUpdateRect(HWND wnd, RECT* rc, BOOL erase);
int GetUpdateRgn(HWND wnd, HRGN rgn, BOOL erase);
BOOL LockWindowUpdate(HWND wnd);

HDC BeginPaint(HWND wnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND wnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND wnd);
HDC GetWindowDC(HWND wnd);
HDC GetDCEx(HWND wnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND wnd, HDC dc);

// The area of the window that painting reaches, in screen coordinates:
// clipped by its ancestors, by siblings above it (WS_CLIPSIBLINGS), by its
// children (WS_CLIPCHILDREN) and by its window region. The caller frees it.
HRGN GetVisibleRegion(HWND wnd, bool clientOnly, bool clipChildren, bool clipSiblings);

int ScrollWindowEx(HWND wnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn,
                   RECT* update, UINT flags);
BOOL ScrollWindow(HWND wnd, int dx, int dy, const RECT* scroll, const RECT* clip);

// Paints every window that needs it now (WM_NCPAINT, WM_ERASEBKGND, WM_PAINT),
// as the backends do before showing the surface.
void UpdateAllWindows();

} // namespace tv::win
