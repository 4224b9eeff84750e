// Positions, sizes, z-order and visibility of windows, coordinate mapping,
// window regions and finding the window under a point.
#include <algorithm>

#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

POINT WindowOrigin(const Window* w) {
    POINT p{w->rect.left, w->rect.top};
    for (const Window* a = w->parent; a && a->parent; a = a->parent) {
        p.x += a->rect.left + a->client.left;
        p.y += a->rect.top + a->client.top;
    }
    return p;
}

POINT ClientOrigin(const Window* w) {
    POINT p = WindowOrigin(w);
    if (w->parent) {
        p.x += w->client.left;
        p.y += w->client.top;
    }
    return p;
}

RECT ScreenWindowRect(const Window* w) {
    POINT o = WindowOrigin(w);
    return {o.x, o.y, o.x + w->rect.Width(), o.y + w->rect.Height()};
}

RECT ScreenClientRect(const Window* w) {
    POINT o = ClientOrigin(w);
    return {o.x, o.y, o.x + w->client.Width(), o.y + w->client.Height()};
}

bool IsTopLevel(const Window* w) { return w->parent == D().desktopWnd; }

bool ReallyVisible(const Window* w) {
    for (; w; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

bool InsideWindowShape(const Window* w, POINT pt) {
    RECT r = ScreenWindowRect(w);
    if (!PtInRect(&r, pt)) return false;
    if (w->windowRgn && !w->windowRgn->Contains(pt.x - r.left, pt.y - r.top)) return false;
    return true;
}

BOOL GetWindowRect(HWND wnd, RECT* rc) {
    Window* w = W(wnd);
    if (!w || !rc) return FALSE;
    *rc = ScreenWindowRect(w);
    return TRUE;
}

BOOL GetClientRect(HWND wnd, RECT* rc) {
    Window* w = W(wnd);
    if (!w || !rc) return FALSE;
    *rc = {0, 0, w->client.Width(), w->client.Height()};
    return TRUE;
}

BOOL ClientToScreen(HWND wnd, POINT* pt) {
    Window* w = W(wnd);
    if (!w || !pt) return FALSE;
    POINT o = ClientOrigin(w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND wnd, POINT* pt) {
    Window* w = W(wnd);
    if (!w || !pt) return FALSE;
    POINT o = ClientOrigin(w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* pts, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from && !ClientToScreen(from, &a)) return 0;
    if (to && !ClientToScreen(to, &b)) return 0;
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; i < count; ++i) {
        pts[i].x += dx;
        pts[i].y += dy;
    }
    return MAKELPARAM(dx, dy);
}

namespace {

// The deepest window under the point below `parent`, or nullptr when the
// point belongs to `parent` itself. Windows answering HTTRANSPARENT let the
// point through to the windows under them.
Window* FindAt(Window* parent, POINT pt, LRESULT* hit) {
    RECT client = ScreenClientRect(parent);
    if (parent->parent && !PtInRect(&client, pt)) return nullptr;
    auto kids = parent->children;
    for (Window* c : kids) {
        if (!W(c) || !(c->style & WS_VISIBLE) || !InsideWindowShape(c, pt)) continue;
        if (c->style & WS_DISABLED) {
            // A disabled top-level window takes no input; a disabled child
            // leaves it to its parent.
            if (parent->parent) return nullptr;
            if (hit) *hit = HTERROR;
            return c;
        }
        Window* deeper = FindAt(c, pt, hit);
        if (deeper) return deeper;
        LRESULT h = Send(c, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (h == HTTRANSPARENT) continue;
        if (hit) *hit = h;
        return c;
    }
    return nullptr;
}

} // namespace

HWND WindowFromPointHit(POINT pt, LRESULT* hit) {
    if (hit) *hit = HTNOWHERE;
    Window* w = FindAt(D().desktopWnd, pt, hit);
    if (!w) {
        if (hit) *hit = HTCLIENT;
        return D().desktopWnd;
    }
    return w;
}

HWND WindowFromPoint(POINT pt) { return WindowFromPointHit(pt, nullptr); }

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
    Window* p = W(parent);
    if (!p) return nullptr;
    RECT rc{0, 0, p->client.Width(), p->client.Height()};
    if (!PtInRect(&rc, pt)) return nullptr;
    POINT sp = pt;
    ClientToScreen(p, &sp);
    for (Window* c : p->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
        if (InsideWindowShape(c, sp)) return c;
    }
    return p;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) { return ChildWindowFromPointEx(parent, pt, CWP_ALL); }

BOOL AdjustWindowRectEx(RECT* rc, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rc) return FALSE;
    Window probe;
    probe.style = style;
    probe.exStyle = exStyle;
    probe.parent = (style & WS_CHILD) ? nullptr : D().desktopWnd;
    int fx = FrameWidth(&probe), fy = FrameHeight(&probe);
    int edge = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
    rc->left -= fx + edge;
    rc->right += fx + edge;
    rc->top -= fy + edge + CaptionHeight(&probe) + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rc->bottom += fy + edge;
    return TRUE;
}

BOOL AdjustWindowRect(RECT* rc, DWORD style, BOOL menu) { return AdjustWindowRectEx(rc, style, menu, 0); }

namespace {

void ChangeZOrder(Window* w, HWND after) {
    auto& c = w->parent->children;
    if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
    else if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
    c.erase(std::remove(c.begin(), c.end(), w), c.end());
    auto firstNormal = [&] {
        return std::find_if(c.begin(), c.end(), [](Window* s) { return !(s->exStyle & WS_EX_TOPMOST); });
    };
    if (after == HWND_BOTTOM) {
        if (w->exStyle & WS_EX_TOPMOST && IsTopLevel(w)) c.insert(firstNormal(), w);
        else c.push_back(w);
    } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        if (IsTopLevel(w) && !(w->exStyle & WS_EX_TOPMOST)) c.insert(firstNormal(), w);
        else c.insert(c.begin(), w);
    } else {
        auto it = std::find(c.begin(), c.end(), after);
        if (it == c.end()) c.insert(c.begin(), w);
        else c.insert(it + 1, w);
    }
}

// Owned windows stay above their owner: bring them up after it.
void RaiseOwned(Window* owner) {
    auto tops = owner->parent->children;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if ((*it)->owner == owner && (*it)->style & WS_VISIBLE) ChangeZOrder(*it, HWND_TOP);
}

} // namespace

RECT MaximizedRect(Window* w) {
    auto& d = D();
    if (!IsTopLevel(w)) {
        RECT rc{0, 0, w->parent->client.Width(), w->parent->client.Height()};
        int fx = FrameWidth(w), fy = FrameHeight(w);
        rc.left -= fx;
        rc.right += fx;
        rc.top -= fy + CaptionHeight(w);
        rc.bottom += fy;
        return rc;
    }
    MINMAXINFO mmi;
    int fx = FrameWidth(w), fy = FrameHeight(w);
    mmi.ptMaxSize = {d.workArea.Width() + 2 * fx, d.workArea.Height() + 2 * fy};
    mmi.ptMaxPosition = {d.workArea.left - fx, d.workArea.top - fy};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return {mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + mmi.ptMaxSize.x,
            mmi.ptMaxPosition.y + mmi.ptMaxSize.y};
}

RECT KeptInArea(const RECT& r, const RECT& area) {
    RECT k = r;
    int dx = 0, dy = 0;
    if (k.right > area.right) dx = area.right - k.right;
    if (k.left + dx < area.left) dx = area.left - k.left;
    if (k.bottom > area.bottom) dy = area.bottom - k.bottom;
    if (k.top + dy < area.top) dy = area.top - k.top;
    OffsetRect(&k, dx, dy);
    return k;
}

void FollowParentArea(Window* w) {
    if (!W(w)) return;
    const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    if (w->style & WS_MINIMIZE) {
        // Its icon stays on the bottom line of the area.
        RECT area = IsTopLevel(w) ? D().workArea : RECT{0, 0, w->parent->client.Width(), w->parent->client.Height()};
        RECT icon = w->rect;
        OffsetRect(&icon, 0, area.bottom - icon.bottom);
        icon = KeptInArea(icon, area);
        SetWindowPos(w, nullptr, icon.left, icon.top, 0, 0, keep | SWP_NOSIZE);
    } else if (w->style & WS_MAXIMIZE) {
        RECT r = MaximizedRect(w);
        if (W(w)) SetWindowPos(w, nullptr, r.left, r.top, r.Width(), r.Height(), keep);
    } else if (IsTopLevel(w)) {
        RECT r = KeptInArea(w->rect, D().workArea);
        SetWindowPos(w, nullptr, r.left, r.top, 0, 0, keep | SWP_NOSIZE);
    }
}

BOOL SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto& d = D();
    Window* w = W(wnd);
    if (!w || w == d.desktopWnd) return FALSE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if ((flags & SWP_SHOWWINDOW) && wasVisible) flags &= ~SWP_SHOWWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !wasVisible) flags &= ~SWP_HIDEWINDOW;
    if (insertAfter == w) flags |= SWP_NOZORDER;
    if (!(flags & SWP_NOSIZE)) {
        cx = std::max(cx, 0);
        cy = std::max(cy, 0);
        if (cx == w->rect.Width() && cy == w->rect.Height()) flags |= SWP_NOSIZE;
    }
    if (!(flags & SWP_NOMOVE) && x == w->rect.left && y == w->rect.top) flags |= SWP_NOMOVE;

    WINDOWPOS wp{w, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) { wp.x = w->rect.left; wp.y = w->rect.top; }
    if (flags & SWP_NOSIZE) { wp.cx = w->rect.Width(); wp.cy = w->rect.Height(); }
    if (!(flags & SWP_NOSENDCHANGING) &&
        (flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED)) !=
            (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER)) {
        Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!W(w)) return FALSE;
    } else if ((flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_HIDEWINDOW |
                         SWP_FRAMECHANGED)) == (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER)) {
        return TRUE; // nothing to do
    }
    flags = wp.flags;
    RECT oldScreen = ScreenWindowRect(w);
    RECT oldClient = w->client;
    RECT oldRect = w->rect;
    bool hadVisible = ReallyVisible(w);

    RECT newRect = w->rect;
    if (!(flags & SWP_NOMOVE) || wp.x != w->rect.left || wp.y != w->rect.top)
        newRect = {wp.x, wp.y, wp.x + w->rect.Width(), wp.y + w->rect.Height()};
    if (!(flags & SWP_NOSIZE) || wp.cx != w->rect.Width() || wp.cy != w->rect.Height()) {
        newRect.right = newRect.left + std::max(0, wp.cx);
        newRect.bottom = newRect.top + std::max(0, wp.cy);
    }
    bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
    if (sized || (flags & SWP_FRAMECHANGED)) {
        RECT nc = CalcClientRect(w, newRect);
        if (!W(w)) return FALSE;
        w->client = nc;
    }
    w->rect = newRect;
    if (!(flags & SWP_NOZORDER)) {
        ChangeZOrder(w, wp.hwndInsertAfter);
        if (IsTopLevel(w)) RaiseOwned(w);
    }
    if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;

    if (w->client.Width() == oldClient.Width() && w->client.Height() == oldClient.Height())
        flags |= SWP_NOCLIENTSIZE;
    if (w->rect.left + w->client.left == oldRect.left + oldClient.left &&
        w->rect.top + w->client.top == oldRect.top + oldClient.top)
        flags |= SWP_NOCLIENTMOVE;

    bool nowVisible = ReallyVisible(w);
    if (!(flags & SWP_NOREDRAW) && (hadVisible || nowVisible)) AfterGeometryChange(w, oldScreen, hadVisible);
    // A new frame is drawn even when nothing else is redrawn.
    if ((flags & SWP_FRAMECHANGED) && nowVisible) w->ncDirty = true;

    if (flags & SWP_HIDEWINDOW) OnWindowHiddenOrDisabled(w);
    if (!W(w)) return TRUE;
    if ((flags & SWP_SHOWWINDOW) && IsTopLevel(w) && !(flags & SWP_NOACTIVATE) && w != d.appWnd)
        ActivateTopLevel(w, WA_ACTIVE);
    if (!W(w)) return TRUE;

    wp.x = w->rect.left;
    wp.y = w->rect.top;
    wp.cx = w->rect.Width();
    wp.cy = w->rect.Height();
    wp.flags = flags;
    Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(wnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND wnd) { return SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {

void SaveNormal(Window* w) {
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
        w->normalRect = w->rect;
        w->hasNormalRect = true;
    }
}

// A minimised window has no focus; the active one (or the active MDI child
// of the active frame) takes it back when it opens again, and hands it on
// to the control that had it.
void FocusRestored(Window* w) {
    auto& d = D();
    if (d.focus && (d.focus == w || IsChild(w, d.focus))) return;
    bool active = IsTopLevel(w) ? d.active == w
                                : w->mdiChild && W(w->parent) && w->parent->mdi && w->parent->mdi->active == w &&
                                      d.active && IsChild(d.active, w);
    if (active) SetFocus(w);
}

int MinimizedSlot(Window* w) {
    int n = 0;
    for (Window* s : w->parent->children)
        if (s != w && (s->style & WS_MINIMIZE)) ++n;
    return n;
}

} // namespace

BOOL ShowWindow(HWND wnd, int cmd) {
    auto& d = D();
    Window* w = W(wnd);
    if (!w || w == d.desktopWnd) return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    bool child = !IsTopLevel(w);
    UINT act = child ? SWP_NOACTIVATE : 0;
    auto showMsg = [&](bool show) {
        if (bool(wasVisible) != show) {
            Send(w, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        }
        return W(w) != nullptr;
    };
    switch (cmd) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        if (!showMsg(false)) return wasVisible;
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return wasVisible;
    case SW_SHOWMAXIMIZED: {
        if (!showMsg(true)) return wasVisible;
        SaveNormal(w);
        RECT r = MaximizedRect(w);
        if (!W(w)) return wasVisible;
        bool wasMinimized = (w->style & WS_MINIMIZE) != 0;
        w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
        SetWindowPos(w, HWND_TOP, r.left, r.top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_FRAMECHANGED | act);
        if (wasMinimized && W(w)) FocusRestored(w);
        return wasVisible;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: {
        if (!showMsg(true)) return wasVisible;
        SaveNormal(w);
        w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
        int cw = GetSystemMetrics(SM_CXMINIMIZED), ch = GetSystemMetrics(SM_CYMINIMIZED);
        int slot = MinimizedSlot(w);
        int ph = IsTopLevel(w) ? d.workArea.bottom : w->parent->client.Height();
        UINT flags = SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER |
                     (cmd == SW_SHOWMINIMIZED ? act : SWP_NOACTIVATE);
        SetWindowPos(w, nullptr, slot * GetSystemMetrics(SM_CXMINSPACING), ph - ch, cw, ch, flags);
        if (!W(w)) return wasVisible;
        if (d.focus && (d.focus == w || IsChild(w, d.focus))) SetFocus(nullptr);
        if (cmd == SW_MINIMIZE && d.active == w) {
            for (Window* t : d.desktopWnd->children)
                if (t != w && t != d.appWnd && (t->style & WS_VISIBLE) && !(t->style & (WS_DISABLED | WS_MINIMIZE))) {
                    ActivateTopLevel(t, WA_ACTIVE);
                    break;
                }
        }
        return wasVisible;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            if (!showMsg(true)) return wasVisible;
            bool wasMinimized = (w->style & WS_MINIMIZE) != 0;
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            RECT r = w->hasNormalRect ? w->normalRect : w->rect;
            // The screen may have shrunk since: the window comes back where it can be seen.
            if (!child) r = KeptInArea(r, d.workArea);
            SetWindowPos(w, HWND_TOP, r.left, r.top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_FRAMECHANGED | act);
            if (wasMinimized && W(w)) FocusRestored(w);
            return wasVisible;
        }
        [[fallthrough]];
    case SW_SHOW:
        if (wasVisible) {
            if (!child && cmd != SW_SHOWNA) ActivateTopLevel(w, WA_ACTIVE);
            return wasVisible;
        }
        if (!showMsg(true)) return wasVisible;
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | act);
        return wasVisible;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (wasVisible) return wasVisible;
        if (!showMsg(true)) return wasVisible;
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return wasVisible;
    default: return wasVisible;
    }
}

BOOL GetWindowPlacement(HWND wnd, WINDOWPLACEMENT* wp) {
    Window* w = W(wnd);
    if (!w || !wp) return FALSE;
    wp->showCmd = (w->style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                  : (w->style & WS_VISIBLE) ? SW_SHOWNORMAL : SW_HIDE;
    wp->rcNormalPosition = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) && w->hasNormalRect ? w->normalRect : w->rect;
    wp->ptMinPosition = (w->style & WS_MINIMIZE) ? POINT{w->rect.left, w->rect.top} : POINT{-1, -1};
    wp->ptMaxPosition = (w->style & WS_MAXIMIZE) ? POINT{w->rect.left, w->rect.top} : POINT{-1, -1};
    return TRUE;
}

BOOL SetWindowPlacement(HWND wnd, const WINDOWPLACEMENT* wp) {
    Window* w = W(wnd);
    if (!w || !wp) return FALSE;
    w->normalRect = wp->rcNormalPosition;
    w->hasNormalRect = true;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
        const RECT& r = wp->rcNormalPosition;
        SetWindowPos(w, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(w, int(wp->showCmd));
    return TRUE;
}

HRGN GetWindowRgnHandle(HWND wnd) {
    Window* w = W(wnd);
    return w ? w->windowRgn.get() : nullptr;
}

int SetWindowRgn(HWND wnd, HRGN rgn, BOOL redraw) {
    Window* w = W(wnd);
    if (!w) {
        delete rgn;
        return 0;
    }
    RECT oldScreen = ScreenWindowRect(w);
    bool visible = ReallyVisible(w);
    w->windowRgn.reset(rgn);
    // The change is announced like a frame change, so the window can react
    // to its new shape.
    WINDOWPOS wp{w, nullptr, w->rect.left, w->rect.top, w->rect.Width(), w->rect.Height(),
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE |
                     (redraw ? 0 : SWP_NOREDRAW)};
    Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!W(w)) return 1;
    if (redraw && visible) AfterGeometryChange(w, oldScreen, true);
    Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return 1;
}

int GetWindowRgn(HWND wnd, HRGN rgn) {
    Window* w = W(wnd);
    if (!w || !rgn || !w->windowRgn) return ERROR;
    return CombineRgn(rgn, w->windowRgn.get(), nullptr, RGN_COPY);
}

} // namespace tv::win
