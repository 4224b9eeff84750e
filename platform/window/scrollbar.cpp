// The scroll bars of a window and of scroll-bar controls: their state,
// geometry, painting, and the tracking loop that turns presses into
// WM_HSCROLL / WM_VSCROLL requests.
#include "platform/window/scrollbar.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/edges.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {
namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFFF5C01;
constexpr int kMinThumb = 8;

// A scroll-bar control keeps its one bar in the slot of its direction.
ScrollBarState* Bar(Window* w, int bar) {
    if (!w) return nullptr;
    if (bar == SB_CTL) bar = (w->style & SBS_VERT) ? SB_VERT : SB_HORZ;
    if (bar == SB_HORZ) return &w->hbar;
    if (bar == SB_VERT) return &w->vbar;
    return nullptr;
}

bool Vertical(const Window* w, int bar) { return bar == SB_VERT || (bar == SB_CTL && (w->style & SBS_VERT)); }

// Window coordinates; a control's bar is its whole client area.
RECT BarRect(Window* w, int bar) { return bar == SB_CTL ? w->client : ScrollBarRect(w, bar); }

bool BarShown(Window* w, int bar) { return bar == SB_CTL || ScrollBarShown(w, bar); }

RECT ScreenBarRect(Window* w, int bar) {
    RECT r = BarRect(w, bar);
    POINT o = WindowOrigin(w);
    OffsetRect(&r, o.x, o.y);
    return r;
}

// A control tells its parent, naming itself; a window's own bars tell the window.
void Notify(Window* w, int bar, UINT request, WPARAM wp) {
    if (bar != SB_CTL) {
        Send(w, request, wp, 0);
        return;
    }
    if (Window* parent = W(GetParent(w))) Send(parent, request, wp, reinterpret_cast<LPARAM>(w));
}

int MulDiv(int a, int b, int c) { return c ? int((long long)a * b / c) : 0; }

int MaxPos(const SCROLLINFO& i) { return i.nMax - std::max(int(i.nPage) - 1, 0); }

bool Scrollable(const SCROLLINFO& i) {
    return i.nMax > i.nMin && (i.nPage == 0 || i.nPage <= UINT(i.nMax - i.nMin));
}

void RepaintBars(Window* w, int bar) {
    if (bar == SB_CTL) InvalidateRect(w, nullptr, FALSE);
    else w->ncDirty = ReallyVisible(w);
}

struct Geometry {
    int length = 0, arrow = 0, thumbTop = 0, thumbBottom = 0;
    bool thumb = false;
};

Geometry BarGeometry(Window* w, int bar) {
    Geometry g;
    RECT r = BarRect(w, bar);
    bool vert = Vertical(w, bar);
    g.length = vert ? r.Height() : r.Width();
    g.arrow = GetSystemMetrics(vert ? SM_CYVSCROLL : SM_CXHSCROLL);
    if (2 * g.arrow >= g.length) {
        g.arrow = g.length / 2;
        return g;
    }
    const ScrollBarState* s = Bar(w, bar);
    const SCROLLINFO& i = s->info;
    int L = g.length - 2 * g.arrow;
    int range = i.nMax - i.nMin;
    int thumb = i.nPage ? std::max(MulDiv(int(i.nPage), L, range + 1), kMinThumb) : GetSystemMetrics(SM_CYVTHUMB);
    if (thumb > L || range <= 0) return g;
    int pos = s->tracking ? i.nTrackPos : i.nPos;
    int span = range - std::max(int(i.nPage), 1) + 1;
    int offset = span > 0 ? MulDiv(pos - i.nMin, L - thumb, span) : 0;
    offset = std::clamp(offset, 0, L - thumb);
    g.thumb = true;
    g.thumbTop = g.arrow + offset;
    g.thumbBottom = g.thumbTop + thumb;
    return g;
}

bool BarEnabled(Window* w, int bar) {
    const ScrollBarState* s = Bar(w, bar);
    return !(w->style & WS_DISABLED) && s->disabledArrows != ESB_DISABLE_BOTH && Scrollable(s->info);
}

void SetShown(Window* w, int bar, bool show) {
    DWORD bits = (bar == SB_HORZ) ? WS_HSCROLL : (bar == SB_VERT) ? WS_VSCROLL : (WS_HSCROLL | WS_VSCROLL);
    DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return;
    w->style = style;
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

int SetScrollInfo(HWND wnd, int bar, const SCROLLINFO* si, BOOL redraw) {
    Window* w = W(wnd);
    ScrollBarState* s = Bar(w, bar);
    if (!s || !si) return 0;
    SCROLLINFO& i = s->info;
    if (si->fMask & SIF_RANGE) {
        i.nMin = si->nMin;
        i.nMax = std::max(si->nMax, si->nMin);
    }
    if (si->fMask & SIF_PAGE) i.nPage = si->nPage;
    if (i.nPage > UINT(i.nMax - i.nMin + 1)) i.nPage = UINT(i.nMax - i.nMin + 1);
    if (si->fMask & SIF_POS) i.nPos = si->nPos;
    i.nPos = std::clamp(i.nPos, i.nMin, std::max(i.nMin, MaxPos(i)));
    if ((si->fMask & (SIF_RANGE | SIF_PAGE)) && bar == SB_CTL) {
        // A control stays shown; only SIF_DISABLENOSCROLL greys it.
        if (si->fMask & SIF_DISABLENOSCROLL) s->disabledArrows = Scrollable(i) ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
    } else if (si->fMask & (SIF_RANGE | SIF_PAGE)) {
        if (Scrollable(i)) {
            SetShown(w, bar, true);
            if (si->fMask & SIF_DISABLENOSCROLL) s->disabledArrows = ESB_ENABLE_BOTH;
        } else if (si->fMask & SIF_DISABLENOSCROLL) {
            s->disabledArrows = ESB_DISABLE_BOTH;
        } else {
            SetShown(w, bar, false);
        }
    }
    if (!W(w)) return 0;
    if (redraw) RepaintBars(w, bar);
    return i.nPos;
}

BOOL GetScrollInfo(HWND wnd, int bar, SCROLLINFO* si) {
    Window* w = W(wnd);
    ScrollBarState* s = Bar(w, bar);
    if (!s || !si) return FALSE;
    const SCROLLINFO& i = s->info;
    if (si->fMask & SIF_RANGE) {
        si->nMin = i.nMin;
        si->nMax = i.nMax;
    }
    if (si->fMask & SIF_PAGE) si->nPage = i.nPage;
    if (si->fMask & SIF_POS) si->nPos = i.nPos;
    if (si->fMask & SIF_TRACKPOS) si->nTrackPos = s->tracking ? i.nTrackPos : i.nPos;
    return TRUE;
}

int SetScrollPos(HWND wnd, int bar, int pos, BOOL redraw) {
    Window* w = W(wnd);
    ScrollBarState* s = Bar(w, bar);
    if (!s) return 0;
    int old = s->info.nPos;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(wnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND wnd, int bar) {
    ScrollBarState* s = Bar(W(wnd), bar);
    return s ? s->info.nPos : 0;
}

BOOL SetScrollRange(HWND wnd, int bar, int min, int max, BOOL redraw) {
    if (!Bar(W(wnd), bar)) return FALSE;
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = min;
    si.nMax = max;
    SetScrollInfo(wnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND wnd, int bar, int* min, int* max) {
    ScrollBarState* s = Bar(W(wnd), bar);
    if (!s) return FALSE;
    if (min) *min = s->info.nMin;
    if (max) *max = s->info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND wnd, int bar, BOOL show) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(w, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    SetShown(w, bar, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND wnd, UINT bar, UINT arrows) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    if (bar == SB_CTL) {
        Bar(w, SB_CTL)->disabledArrows = arrows;
        RepaintBars(w, SB_CTL);
        return TRUE;
    }
    if (bar == SB_HORZ || bar == SB_BOTH) w->hbar.disabledArrows = arrows;
    if (bar == SB_VERT || bar == SB_BOTH) w->vbar.disabledArrows = arrows;
    RepaintBars(w, SB_HORZ);
    return TRUE;
}

BOOL GetScrollBarInfo(HWND wnd, LONG object, SCROLLBARINFO* sbi) {
    Window* w = W(wnd);
    if (!w || !sbi || (object != OBJID_HSCROLL && object != OBJID_VSCROLL && object != OBJID_CLIENT)) return FALSE;
    int bar = object == OBJID_HSCROLL ? SB_HORZ : object == OBJID_VSCROLL ? SB_VERT : SB_CTL;
    sbi->rcScrollBar = ScreenBarRect(w, bar);
    Geometry g = BarGeometry(w, bar);
    sbi->dxyLineButton = g.arrow;
    sbi->xyThumbTop = g.thumb ? g.thumbTop : 0;
    sbi->xyThumbBottom = g.thumb ? g.thumbBottom : 0;
    std::fill(std::begin(sbi->rgstate), std::end(sbi->rgstate), 0);
    if (bar == SB_CTL ? !ReallyVisible(w) : !ScrollBarShown(w, bar)) sbi->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!BarEnabled(w, bar)) sbi->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    UINT disabled = Bar(w, bar)->disabledArrows;
    if (disabled & ESB_DISABLE_UP) sbi->rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
    if (disabled & ESB_DISABLE_DOWN) sbi->rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
    if (!g.thumb) sbi->rgstate[3] |= STATE_SYSTEM_INVISIBLE;
    return TRUE;
}

void PaintScrollBar(HDC dc, HWND wnd, int bar, const RECT& r) {
    Window* w = W(wnd);
    if (!w || IsRectEmpty(&r)) return;
    auto fill = [dc](RECT rc, int color) {
        if (!IsRectEmpty(&rc)) FillRect(dc, &rc, reinterpret_cast<HBRUSH>(std::intptr_t(color + 1)));
    };
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, bar == SB_CTL ? OBJID_CLIENT : bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi);
    bool enabled = !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    bool vert = Vertical(w, bar);
    int arrow = sbi.dxyLineButton;
    fill(r, COLOR_SCROLLBAR);
    RECT a1 = vert ? RECT{r.left, r.top, r.right, r.top + arrow} : RECT{r.left, r.top, r.left + arrow, r.bottom};
    RECT a2 = vert ? RECT{r.left, r.bottom - arrow, r.right, r.bottom} : RECT{r.right - arrow, r.top, r.right, r.bottom};
    bool up = enabled && !(sbi.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
    bool down = enabled && !(sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    DrawFrameControl(dc, &a1, DFC_SCROLL, (vert ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | (up ? 0 : DFCS_INACTIVE));
    DrawFrameControl(dc, &a2, DFC_SCROLL, (vert ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | (down ? 0 : DFCS_INACTIVE));
    if (enabled && sbi.xyThumbBottom > sbi.xyThumbTop) {
        RECT t = vert ? RECT{r.left, r.top + sbi.xyThumbTop, r.right, r.top + sbi.xyThumbBottom}
                      : RECT{r.left + sbi.xyThumbTop, r.top, r.left + sbi.xyThumbBottom, r.bottom};
        fill(t, COLOR_BTNFACE);
        DrawEdge(dc, &t, EDGE_RAISED, BF_RECT);
    }
}

namespace {

// The part of a bar under a screen point: an SB_* request code, SB_THUMBTRACK
// for the thumb, or -1.
int PartAt(Window* w, int bar, POINT pt) {
    RECT r = ScreenBarRect(w, bar);
    if (!PtInRect(&r, pt)) return -1;
    int along = Vertical(w, bar) ? pt.y - r.top : pt.x - r.left;
    Geometry g = BarGeometry(w, bar);
    if (along < g.arrow) return SB_LINEUP;
    if (along >= g.length - g.arrow) return SB_LINEDOWN;
    if (!g.thumb) return -1;
    if (along < g.thumbTop) return SB_PAGEUP;
    if (along >= g.thumbBottom) return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}

} // namespace

void TrackScrollBar(Window* w, int bar, POINT pt) {
    w = W(w);
    if (!w || !BarShown(w, bar) || !BarEnabled(w, bar)) return;
    int part = PartAt(w, bar, pt);
    if (part < 0) return;
    ScrollBarState* s = Bar(w, bar);
    bool vert = Vertical(w, bar);
    UINT request = vert ? WM_VSCROLL : WM_HSCROLL;
    UINT disabled = s->disabledArrows;
    if ((part == SB_LINEUP && (disabled & ESB_DISABLE_UP)) || (part == SB_LINEDOWN && (disabled & ESB_DISABLE_DOWN)))
        return;
    Geometry g0 = BarGeometry(w, bar);
    int grab = 0;
    RECT r0 = ScreenBarRect(w, bar);
    int barStart = vert ? r0.top : r0.left;
    if (part == SB_THUMBTRACK) {
        grab = (vert ? pt.y : pt.x) - barStart - g0.thumbTop;
        s->tracking = true;
        s->info.nTrackPos = s->info.nPos;
    } else {
        Notify(w, bar, request, MAKEWPARAM(part, 0));
        if (!W(w)) return;
        SetTimer(w, kRepeatTimer, 400);
    }
    POINT cursor = pt;
    SetCapture(w);
    // Whatever happens inside, the bar stops tracking and lets the mouse go.
    struct Guard {
        Window* w;
        ScrollBarState* s;
        ~Guard() {
            if (!W(w)) return;
            s->tracking = false;
            KillTimer(w, kRepeatTimer);
            if (GetCapture() == w) ReleaseCapture();
        }
    } guard{w, s};
    for (;;) {
        if (!W(w) || GetCapture() != w) break;
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.hwnd == w && msg.message == WM_TIMER && msg.wParam == kRepeatTimer) {
            SetTimer(w, kRepeatTimer, 50);
            // Repeats only while the cursor stays over the pressed part.
            if (PartAt(w, bar, cursor) == part) Notify(w, bar, request, MAKEWPARAM(part, 0));
            continue;
        }
        if (msg.hwnd == w && msg.message == WM_MOUSEMOVE) {
            cursor = msg.pt;
            if (part != SB_THUMBTRACK) continue;
            Geometry g = BarGeometry(w, bar);
            const SCROLLINFO& i = s->info;
            int L = g.length - 2 * g.arrow;
            int thumb = g.thumbBottom - g.thumbTop;
            int offset = (vert ? msg.pt.y : msg.pt.x) - barStart - grab - g.arrow;
            offset = std::clamp(offset, 0, std::max(0, L - thumb));
            int span = i.nMax - i.nMin - std::max(int(i.nPage), 1) + 1;
            int pos = i.nMin + (L - thumb > 0 ? MulDiv(offset, span, L - thumb) : 0);
            pos = std::clamp(pos, i.nMin, std::max(i.nMin, MaxPos(i)));
            if (pos != i.nTrackPos) {
                s->info.nTrackPos = pos;
                RepaintBars(w, bar);
                Notify(w, bar, request, MAKEWPARAM(SB_THUMBTRACK, pos));
            }
            continue;
        }
        if (msg.hwnd == w && (msg.message == WM_LBUTTONUP ||
                              (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)))
            break;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (!W(w)) return;
    KillTimer(w, kRepeatTimer);
    if (GetCapture() == w) ReleaseCapture();
    if (part == SB_THUMBTRACK) {
        int pos = s->info.nTrackPos;
        Notify(w, bar, request, MAKEWPARAM(SB_THUMBPOSITION, pos));
        if (!W(w)) return;
        s->tracking = false;
    }
    Notify(w, bar, request, MAKEWPARAM(SB_ENDSCROLL, 0));
    if (W(w)) RepaintBars(w, bar);
}

// The short menu of a scroll bar: scroll here, to either end, by a page or
// by a line. Answers false when the point is not over a bar of the window.
bool ScrollBarContextMenu(Window* w, POINT pt) {
    int bar = -1;
    for (int b : {SB_VERT, SB_HORZ}) {
        RECT r = ScrollBarRect(w, b);
        POINT o = WindowOrigin(w);
        OffsetRect(&r, o.x, o.y);
        if (!IsRectEmpty(&r) && PtInRect(&r, pt)) bar = b;
    }
    if (bar < 0) return false;
    if (!BarEnabled(w, bar)) return true;
    bool vert = bar == SB_VERT;
    enum { kHere = 1, kStart, kEnd, kPageBack, kPageForward, kLineBack, kLineForward };
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, kHere, "Desplazarse aquí");
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, MF_STRING, kStart, vert ? "Parte superior" : "Borde izquierdo");
    AppendMenu(menu, MF_STRING, kEnd, vert ? "Parte inferior" : "Borde derecho");
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, MF_STRING, kPageBack, vert ? "Página arriba" : "Página izquierda");
    AppendMenu(menu, MF_STRING, kPageForward, vert ? "Página abajo" : "Página derecha");
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, MF_STRING, kLineBack, vert ? "Desplazar hacia arriba" : "Desplazar a la izquierda");
    AppendMenu(menu, MF_STRING, kLineForward, vert ? "Desplazar hacia abajo" : "Desplazar a la derecha");
    UINT choice = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, w));
    DestroyMenu(menu);
    if (!choice || !W(w)) return true;
    UINT request = vert ? WM_VSCROLL : WM_HSCROLL;
    const SCROLLINFO& i = Bar(w, bar)->info;
    switch (choice) {
    case kHere: {
        RECT r = ScrollBarRect(w, bar);
        POINT o = WindowOrigin(w);
        OffsetRect(&r, o.x, o.y);
        Geometry g = BarGeometry(w, bar);
        int L = g.length - 2 * g.arrow, thumb = g.thumbBottom - g.thumbTop;
        int along = (vert ? pt.y - r.top : pt.x - r.left) - g.arrow - thumb / 2;
        int span = i.nMax - i.nMin - std::max(int(i.nPage), 1) + 1;
        int pos = i.nMin + (L - thumb > 0 ? MulDiv(std::clamp(along, 0, L - thumb), span, L - thumb) : 0);
        pos = std::clamp(pos, i.nMin, std::max(i.nMin, MaxPos(i)));
        Send(w, request, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        if (W(w)) Send(w, request, MAKEWPARAM(SB_THUMBPOSITION, pos), 0);
        break;
    }
    case kStart: Send(w, request, MAKEWPARAM(SB_TOP, 0), 0); break;
    case kEnd: Send(w, request, MAKEWPARAM(SB_BOTTOM, 0), 0); break;
    case kPageBack: Send(w, request, MAKEWPARAM(SB_PAGEUP, 0), 0); break;
    case kPageForward: Send(w, request, MAKEWPARAM(SB_PAGEDOWN, 0), 0); break;
    case kLineBack: Send(w, request, MAKEWPARAM(SB_LINEUP, 0), 0); break;
    case kLineForward: Send(w, request, MAKEWPARAM(SB_LINEDOWN, 0), 0); break;
    default: break;
    }
    if (W(w)) Send(w, request, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    return true;
}

} // namespace tv::win
