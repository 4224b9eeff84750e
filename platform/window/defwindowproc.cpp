// The default window procedure and the move, size and caption-button loops
// it runs.
#include "platform/window/defwindowproc.h"

#include <algorithm>

#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/shapes.h"
#include "platform/window/cursor.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {
namespace {

Window* Root(Window* w) {
    while (w && (w->style & WS_CHILD)) w = w->parent;
    return w;
}

void FillBackground(Window* w, HDC dc) {
    HBRUSH brush = w->cls->wc.hbrBackground;
    if (!brush || !dc) return;
    RECT rc{0, 0, w->client.Width(), w->client.Height()};
    FillRect(dc, &rc, brush);
}

// WM_PRINT: the frame, the background and the client area, and the children
// when asked, each drawn into the given device context at its place.
void PrintWindow(Window* w, HDC dc, LPARAM flags) {
    if (!dc || ((flags & PRF_CHECKVISIBLE) && !ReallyVisible(w))) return;
    if (flags & PRF_NONCLIENT) {
        int saved = SaveDC(dc);
        ExcludeClipRect(dc, w->client.left, w->client.top, w->client.right, w->client.bottom);
        DrawNonClient(w, dc);
        RestoreDC(dc, saved);
    }
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, w->client.left, w->client.top, nullptr);
    IntersectClipRect(dc, 0, 0, w->client.Width(), w->client.Height());
    if (flags & PRF_ERASEBKGND) Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if ((flags & PRF_CLIENT) && W(w)) Send(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    if ((flags & PRF_CHILDREN) && W(w)) {
        auto kids = w->children;
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            Window* c = *it;
            if (!W(c) || !(c->style & WS_VISIBLE)) continue;
            int inner = SaveDC(dc);
            OffsetViewportOrgEx(dc, c->rect.left, c->rect.top, nullptr);
            IntersectClipRect(dc, 0, 0, c->rect.Width(), c->rect.Height());
            Send(c, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~PRF_CHECKVISIBLE);
            RestoreDC(dc, inner);
        }
    }
    RestoreDC(dc, saved);
}

// Runs until the capture is lost or `step` answers false; other messages are
// dispatched as usual.
// Lets go of the capture however a loop ends, also when a handler throws.
struct CaptureGuard {
    Window* w;
    ~CaptureGuard() {
        if (W(w) && GetCapture() == w) ReleaseCapture();
    }
};

template <class Step>
void CaptureLoop(Window* w, Step step) {
    SetCapture(w);
    CaptureGuard guard{w};
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
        if (msg.hwnd == w && ((msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                              msg.message == WM_KEYDOWN)) {
            if (!step(msg)) break;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void TrackMinMax(Window* w, POINT* minSize, POINT* maxSize) {
    MINMAXINFO mmi;
    mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    mmi.ptMaxPosition = {-FrameWidth(w), -FrameHeight(w)};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    *minSize = mmi.ptMinTrackSize;
    *maxSize = mmi.ptMaxTrackSize;
}

void MoveSizeLoop(Window* w, bool move, int edge) {
    if (move && (w->style & WS_MAXIMIZE)) return;
    if (!move && (w->style & (WS_MAXIMIZE | WS_MINIMIZE))) return;
    POINT start;
    GetCursorPos(&start);
    RECT orig = w->rect;
    POINT minSize, maxSize;
    TrackMinMax(w, &minSize, &maxSize);
    if (!W(w)) return;
    Send(w, WM_ENTERSIZEMOVE, 0, 0);
    struct ExitGuard {
        Window* w;
        ~ExitGuard() {
            if (W(w)) Send(w, WM_EXITSIZEMOVE, 0, 0);
        }
    } exitGuard{w};
    POINT parentOrigin{0, 0};
    if (!IsTopLevel(w)) parentOrigin = ClientOrigin(w->parent);
    CaptureLoop(w, [&](const MSG& msg) {
        if (msg.message == WM_KEYDOWN) {
            if (msg.wParam == VK_ESCAPE) {
                SetWindowPos(w, nullptr, orig.left, orig.top, orig.Width(), orig.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
                return false;
            }
            return msg.wParam != VK_RETURN;
        }
        if (msg.message == WM_LBUTTONUP) return false;
        if (msg.message != WM_MOUSEMOVE) return true;
        int dx = msg.pt.x - start.x, dy = msg.pt.y - start.y;
        RECT r = orig;
        if (move) {
            OffsetRect(&r, dx, dy);
        } else {
            bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
            bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
            bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
            bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
            if (left) r.left = std::clamp<LONG>(orig.left + dx, orig.right - maxSize.x, orig.right - minSize.x);
            if (right) r.right = std::clamp<LONG>(orig.right + dx, orig.left + minSize.x, orig.left + maxSize.x);
            if (top) r.top = std::clamp<LONG>(orig.top + dy, orig.bottom - maxSize.y, orig.bottom - minSize.y);
            if (bottom) r.bottom = std::clamp<LONG>(orig.bottom + dy, orig.top + minSize.y, orig.top + maxSize.y);
        }
        RECT screen = r;
        OffsetRect(&screen, parentOrigin.x, parentOrigin.y);
        Send(w, move ? WM_MOVING : WM_SIZING, move ? 0 : WPARAM(edge), reinterpret_cast<LPARAM>(&screen));
        if (!W(w)) return false;
        r = screen;
        OffsetRect(&r, -parentOrigin.x, -parentOrigin.y);
        SetWindowPos(w, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateAllWindows();
        return true;
    });
}

void TrackCaptionButton(Window* w, LRESULT hit) {
    bool released = false;
    CaptureLoop(w, [&](const MSG& msg) {
        if (msg.message == WM_LBUTTONUP) {
            released = DefNcHitTest(w, msg.pt) == hit;
            return false;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return false;
        return true;
    });
    if (!released || !W(w)) return;
    POINT pt;
    GetCursorPos(&pt);
    LPARAM lp = MAKELPARAM(pt.x, pt.y);
    switch (hit) {
    case HTCLOSE:
        if (!(w->cls->wc.style & CS_NOCLOSE)) Send(w, WM_SYSCOMMAND, SC_CLOSE, lp);
        break;
    case HTMINBUTTON:
        if (w->style & WS_MINIMIZEBOX)
            Send(w, WM_SYSCOMMAND, (w->style & WS_MINIMIZE) ? SC_RESTORE : SC_MINIMIZE, lp);
        break;
    case HTMAXBUTTON:
        if (w->style & WS_MAXIMIZEBOX)
            Send(w, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lp);
        break;
    case HTHELP: Send(w, WM_SYSCOMMAND, SC_CONTEXTHELP, lp); break;
    default: break;
    }
}

HCURSOR CursorForHit(LRESULT hit) {
    switch (hit) {
    case HTLEFT: case HTRIGHT: return LoadCursor(IDC_SIZEWE);
    case HTTOP: case HTBOTTOM: return LoadCursor(IDC_SIZENS);
    case HTTOPLEFT: case HTBOTTOMRIGHT: return LoadCursor(IDC_SIZENWSE);
    case HTTOPRIGHT: case HTBOTTOMLEFT: return LoadCursor(IDC_SIZENESW);
    default: return LoadCursor(IDC_ARROW);
    }
}

// WM_SYSCOMMAND with SC_KEYMENU: 0 (F10, or Alt pressed and let go alone)
// highlights the menu bar, a space opens the system menu, a letter opens the
// bar popup whose accelerator it is or runs a plain bar item.
void KeyMenu(Window* w, std::uint32_t ch) {
    if (ch == ' ') {
        TrackSystemMenu(w);
        return;
    }
    if (!HasMenuBar(w)) return;
    auto& items = w->menu->items;
    if (ch == 0) {
        for (size_t i = 0; i < items.size(); ++i)
            if (!(items[i].flags & MF_SEPARATOR)) {
                TrackMenuBarMode(w, int(i), false, true);
                return;
            }
        return;
    }
    int i = MenuItemFromMnemonic(w->menu, char32_t(ch));
    if (i < 0) return;
    const MenuItem& item = items[size_t(i)];
    if (item.flags & MF_POPUP) TrackMenuBarMode(w, i, true, true);
    else Send(w, WM_COMMAND, MAKEWPARAM(int(item.id), 0), 0);
}

// F10 or Alt pressed with no other key before its release starts the menu.
int g_menuKey = 0;

} // namespace

void TrackMenuBar(Window* w, POINT pt) {
    int pos = MenuItemFromPoint(w, w->menu, pt);
    if (pos >= 0) TrackMenuBarMode(w, pos, true, false);
}

LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto& d = D();
    Window* w = W(wnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE:
        if (w->style & (WS_HSCROLL | WS_VSCROLL)) {
            w->hbar.info = {sizeof(SCROLLINFO), 0, 0, 100, 0, 0, 0};
            w->vbar.info = {sizeof(SCROLLINFO), 0, 0, 100, 0, 0, 0};
        }
        return TRUE;
    case WM_NCCALCSIZE: {
        RECT* rc = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
        if (rc) DefNcCalcSize(w, rc);
        return 0;
    }
    case WM_NCHITTEST: return DefNcHitTest(w, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_NCPAINT: DefNcPaint(w); return 0;
    case WM_NCACTIVATE:
        w->ncActive = wp != 0;
        if (HasCaption(w->style) && ReallyVisible(w)) Send(w, WM_NCPAINT, 1, 0);
        return TRUE;
    case WM_GETTEXT:
        if (auto* out = reinterpret_cast<std::string*>(lp)) *out = w->text;
        return LRESULT(w->text.size());
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_SETTEXT:
        w->text = lp ? reinterpret_cast<const char*>(lp) : "";
        if (HasCaption(w->style) && ReallyVisible(w)) Send(w, WM_NCPAINT, 1, 0);
        return TRUE;
    case WM_PAINT: {
        // Painting into a given device context (a parent painting its child)
        // leaves the window's own invalid area alone.
        if (wp) return 0;
        PAINTSTRUCT ps;
        BeginPaint(w, &ps);
        EndPaint(w, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        if (!w->cls->wc.hbrBackground) return 0;
        FillBackground(w, reinterpret_cast<HDC>(wp));
        return 1;
    case WM_PRINT: PrintWindow(w, reinterpret_cast<HDC>(wp), lp); return 0;
    case WM_CLOSE: DestroyWindow(w); return 0;
    case WM_SETREDRAW:
        w->redrawOff = wp == 0;
        return 0;
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (pos && !(pos->flags & SWP_NOSIZE) && HasSizingFrameOrCaption(w->style) && IsTopLevel(w) &&
            !(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) {
            POINT mn, mx;
            TrackMinMax(w, &mn, &mx);
            pos->cx = std::clamp<int>(pos->cx, std::min<int>(mn.x, mx.x), std::max<int>(mn.x, mx.x));
            pos->cy = std::clamp<int>(pos->cy, std::min<int>(mn.y, mx.y), std::max<int>(mn.y, mx.y));
        }
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!pos) return 0;
        if (!(pos->flags & SWP_NOCLIENTMOVE))
            Send(w, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if (W(w) && !(pos->flags & SWP_NOCLIENTSIZE)) {
            WPARAM type = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                                                            : SIZE_RESTORED;
            Send(w, WM_SIZE, type, MAKELPARAM(w->client.Width(), w->client.Height()));
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !(w->style & WS_MINIMIZE) && !(d.focus && IsChild(w, d.focus)) &&
            d.focus != w)
            SetFocus(w);
        return 0;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && W(w->parent)) {
            LRESULT r = Send(w->parent, WM_MOUSEACTIVATE, wp, lp);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_SETCURSOR: {
        if ((w->style & WS_CHILD) && W(w->parent) && Send(w->parent, WM_SETCURSOR, wp, lp)) return TRUE;
        LRESULT hit = std::int16_t(LOWORD(lp));
        if (hit == HTCLIENT) {
            if (w->cls->wc.hCursor) SetCursor(w->cls->wc.hCursor);
            return w->cls->wc.hCursor ? TRUE : FALSE;
        }
        if (hit == HTERROR) return FALSE;
        SetCursor(CursorForHit(hit));
        return TRUE;
    }
    case WM_CANCELMODE:
        if (d.capture == w) ReleaseCapture();
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) == w && ScrollBarContextMenu(w, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}))
            return 0;
        if ((w->style & WS_CHILD) && W(w->parent)) Send(w->parent, WM_CONTEXTMENU, wp, lp);
        return 0;
    case WM_RBUTTONUP: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(w, &p);
        Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w), MAKELPARAM(p.x, p.y));
        return 0;
    }
    case WM_NCRBUTTONUP:
        if (wp == HTCAPTION || wp == HTSYSMENU || wp == HTVSCROLL || wp == HTHSCROLL)
            Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w), lp);
        return 0;
    case WM_MOUSEWHEEL:
        if ((w->style & WS_CHILD) && W(w->parent)) return Send(w->parent, msg, wp, lp);
        return 0;
    case WM_NCLBUTTONDOWN: {
        LRESULT hit = LRESULT(wp);
        if (IsTopLevel(w) && d.active != Root(w)) ActivateTopLevel(Root(w), WA_CLICKACTIVE);
        if (!W(w)) return 0;
        switch (hit) {
        case HTCAPTION: Send(w, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lp); break;
        case HTLEFT: case HTRIGHT: case HTTOP: case HTTOPLEFT: case HTTOPRIGHT: case HTBOTTOM: case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            Send(w, WM_SYSCOMMAND, SC_SIZE + WPARAM(hit - HTLEFT + WMSZ_LEFT), lp);
            break;
        case HTCLOSE: case HTMINBUTTON: case HTMAXBUTTON: case HTHELP: TrackCaptionButton(w, hit); break;
        case HTVSCROLL: Send(w, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lp); break;
        case HTHSCROLL: Send(w, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lp); break;
        case HTMENU: Send(w, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lp); break;
        default: break;
        }
        return 0;
    }
    case WM_NCLBUTTONDBLCLK:
        if (wp == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            Send(w, WM_SYSCOMMAND, (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE, lp);
        else if (wp == HTSYSMENU && !(w->cls->wc.style & CS_NOCLOSE)) Send(w, WM_SYSCOMMAND, SC_CLOSE, lp);
        else if (wp == HTVSCROLL || wp == HTHSCROLL) return DefWindowProc(wnd, WM_NCLBUTTONDOWN, wp, lp);
        return 0;
    case WM_SYSCOMMAND: {
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        switch (wp & 0xFFF0) {
        case SC_MOVE: MoveSizeLoop(w, true, 0); break;
        case SC_SIZE: MoveSizeLoop(w, false, int(wp & 0x0F)); break;
        case SC_MINIMIZE: ShowWindow(w, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(w, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(w, SW_RESTORE); break;
        case SC_CLOSE: Send(w, WM_CLOSE, 0, 0); break;
        case SC_VSCROLL: TrackScrollBar(w, SB_VERT, pt); break;
        case SC_HSCROLL: TrackScrollBar(w, SB_HORZ, pt); break;
        case SC_MOUSEMENU: TrackMenuBar(w, pt); break;
        case SC_KEYMENU: KeyMenu(w, std::uint32_t(lp)); break;
        default: break;
        }
        return 0;
    }
    case WM_SYSKEYDOWN:
        if (wp == VK_MENU || (wp == VK_F10 && !(lp & (LPARAM(1) << 29)))) {
            // A repeat of the held key keeps the state.
            if (!(lp & (LPARAM(1) << 30))) g_menuKey = int(wp);
        } else {
            g_menuKey = 0;
        }
        if (wp == VK_F4 && (lp & (LPARAM(1) << 29))) {
            Window* root = Root(w);
            if (root) Send(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_KEYDOWN:
        g_menuKey = 0;
        return 0;
    case WM_SYSKEYUP:
    case WM_KEYUP:
        if ((wp == VK_MENU || wp == VK_F10) && g_menuKey == int(wp) && GetKeyState(VK_SHIFT) >= 0 &&
            GetKeyState(VK_CONTROL) >= 0) {
            g_menuKey = 0;
            if (Window* root = Root(w)) Send(root, WM_SYSCOMMAND, SC_KEYMENU, 0);
        }
        return 0;
    case WM_SYSCHAR:
        if (Window* root = Root(w)) Send(root, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wp));
        return 0;
    default: return 0;
    }
}

void DefWindowProc(HWND wnd, Message& msg) { msg.Result = DefWindowProc(wnd, msg.Msg, msg.WParam, msg.LParam); }

} // namespace tv::win
