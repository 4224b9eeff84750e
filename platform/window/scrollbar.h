#pragma once
// The standard scroll bars of a window (WS_HSCROLL, WS_VSCROLL), drawn in its
// non-client area and tracked by the default window procedure, and the bar
// of a scroll-bar control (SB_CTL), a window that is all scroll bar and tells
// its parent (platform/controls/scrollbarcontrol.h).
#include "platform/window/window.h"

namespace tv::win {

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// Styles of a scroll-bar control.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;

constexpr LONG OBJID_HSCROLL = -6;
constexpr LONG OBJID_VSCROLL = -5;
constexpr LONG OBJID_CLIENT = -4;
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

struct SCROLLBARINFO {
    DWORD cbSize = sizeof(SCROLLBARINFO);
    RECT rcScrollBar;     // screen coordinates
    int dxyLineButton = 0;
    int xyThumbTop = 0;   // relative to the bar
    int xyThumbBottom = 0;
    int reserved = 0;
    // 0 the bar, 1 top arrow, 2 page up, 3 thumb, 4 page down, 5 bottom arrow
    DWORD rgstate[6] = {};
};

// Returns the new position.
int SetScrollInfo(HWND wnd, int bar, const SCROLLINFO* si, BOOL redraw);
BOOL GetScrollInfo(HWND wnd, int bar, SCROLLINFO* si);
int SetScrollPos(HWND wnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND wnd, int bar);
BOOL SetScrollRange(HWND wnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND wnd, int bar, int* min, int* max);
BOOL ShowScrollBar(HWND wnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND wnd, UINT bar, UINT arrows);
// OBJID_CLIENT asks for a scroll-bar control's own bar.
BOOL GetScrollBarInfo(HWND wnd, LONG object, SCROLLBARINFO* sbi);

// Paints the bar into `r` of `dc`: arrows, channel and thumb, greyed when
// disabled.
void PaintScrollBar(HDC dc, HWND wnd, int bar, const RECT& r);
// Follows a press of the left button at a screen point over the bar until it
// is let go: arrows and the channel repeat, the thumb follows the mouse.
// Each step is a WM_HSCROLL or WM_VSCROLL: to the window itself for its own
// bars, to the parent with the control's handle in LParam for SB_CTL.
void TrackScrollBar(HWND wnd, int bar, POINT screenPt);

} // namespace tv::win
