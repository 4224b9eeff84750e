// Focus, activation, capture, mouse tracking, key state, and the turning of
// raw input into window messages.
#include "platform/window/input.h"

#include <algorithm>
#include <cstdlib>

#include "platform/backend/backend.h"
#include "platform/window/internal.h"
#include "platform/window/queue.h"
#include "platform/window/rawinput.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

constexpr UINT WM_NCMOUSELEAVE = 0x02A2;
constexpr UINT WM_NCMOUSEHOVER = 0x02A0;

namespace {

Window* RootOf(Window* w) {
    while (w && (w->style & WS_CHILD)) w = w->parent;
    return w;
}

bool Within(Window* outer, Window* w) { return w && (w == outer || IsChild(outer, w)); }

Window* NextActivatable(Window* except) {
    auto& d = D();
    if (except && W(except->owner) && (except->owner->style & WS_VISIBLE) && !(except->owner->style & WS_DISABLED))
        return except->owner;
    for (Window* t : d.desktopWnd->children)
        if (t != except && t != d.appWnd && (t->style & WS_VISIBLE) && !(t->style & WS_DISABLED) &&
            !(t->exStyle & WS_EX_TOOLWINDOW && t->style & WS_POPUP && !t->owner))
            return t;
    return nullptr;
}

void SetAppActive(bool active) {
    auto& d = D();
    if (d.appActive == active) return;
    d.appActive = active;
    auto tops = d.desktopWnd->children;
    for (Window* t : tops) Send(t, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

void Deactivate(Window* old, Window* next) {
    if (!W(old)) return;
    Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(next));
    if (W(old))
        Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (old->style & WS_MINIMIZE) ? 1 : 0),
             reinterpret_cast<LPARAM>(next));
}

} // namespace

void ActivateTopLevel(HWND top, WORD how) {
    auto& d = D();
    Window* t = RootOf(W(top));
    if (!t || t == d.desktopWnd || t->style & WS_DISABLED) return;
    if (d.active == t) return;
    // A handler of this activation that asks for it again (the window losing
    // it sends the focus into the one gaining it) is answered by the one under
    // way; otherwise the two would call each other without end.
    if (std::find(d.activating.begin(), d.activating.end(), t) != d.activating.end()) return;
    d.activating.push_back(t);
    struct Done {
        std::vector<Window*>& list;
        ~Done() { list.pop_back(); }
    } done{d.activating};
    Window* old = W(d.active);
    if (old && d.capture && Within(old, W(d.capture))) Send(d.capture, WM_CANCELMODE, 0, 0);
    Deactivate(old, t);
    if (!W(t)) return;
    d.active = t;
    if (t->style & WS_VISIBLE)
        SetWindowPos(t, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!W(t) || d.active != t) return;
    SetAppActive(true);
    Send(t, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
    if (!W(t) || d.active != t) return;
    Send(t, WM_ACTIVATE, MAKEWPARAM(how, (t->style & WS_MINIMIZE) ? 1 : 0), reinterpret_cast<LPARAM>(old));
    // Focus never stays in a window that is no longer active.
    if (W(t) && d.active == t && d.focus && !Within(t, W(d.focus))) SetFocus(nullptr);
}

HWND SetActiveWindow(HWND wnd) {
    auto& d = D();
    HWND old = d.active;
    if (!wnd) {
        Window* o = W(old);
        if (!o) return nullptr;
        d.active = nullptr;
        Deactivate(o, nullptr);
        SetFocus(nullptr);
        SetAppActive(false);
        return old;
    }
    if (!W(wnd)) return nullptr;
    ActivateTopLevel(wnd, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow() { return W(D().active); }
HWND GetForegroundWindow() { return W(D().active); }
BOOL SetForegroundWindow(HWND wnd) { return SetActiveWindow(wnd) != nullptr || GetActiveWindow() == wnd; }

HWND SetFocus(HWND wnd) {
    auto& d = D();
    HWND old = W(d.focus);
    if (!wnd) {
        if (!old) return nullptr;
        d.focus = nullptr;
        Send(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* w = W(wnd);
    if (!w || (w->style & WS_DISABLED)) return nullptr;
    Window* top = RootOf(w);
    if (top != d.active) {
        ActivateTopLevel(top, WA_ACTIVE);
        if (!W(w) || d.active != top) return nullptr;
        old = W(d.focus);
    }
    if (old == w) return old;
    if (old) {
        Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(w), 0);
        if (W(d.focus) != old) return old; // the handler moved the focus itself
    }
    if (!W(w)) return old;
    d.focus = w;
    Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(W(old)), 0);
    return old;
}

HWND GetFocus() { return W(D().focus); }

HWND SetCapture(HWND wnd) {
    auto& d = D();
    HWND old = W(d.capture);
    Window* w = W(wnd);
    if (!w) return old;
    d.capture = w;
    if (old && old != w) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(w));
    return old;
}

BOOL ReleaseCapture() {
    auto& d = D();
    HWND old = W(d.capture);
    d.capture = nullptr;
    if (old) Send(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return W(D().capture); }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    auto& d = D();
    if (!tme) return FALSE;
    if (tme->dwFlags & TME_QUERY) {
        tme->hwndTrack = W(d.trackWnd);
        tme->dwFlags = d.trackWnd ? d.trackFlags : 0;
        tme->dwHoverTime = d.hoverTime;
        return TRUE;
    }
    if (tme->dwFlags & TME_CANCEL) {
        if (tme->hwndTrack == d.trackWnd) {
            d.trackFlags &= ~(tme->dwFlags & (TME_HOVER | TME_LEAVE));
            if (!(d.trackFlags & (TME_HOVER | TME_LEAVE))) d.trackWnd = nullptr;
        }
        return TRUE;
    }
    Window* w = W(tme->hwndTrack);
    if (!w) return FALSE;
    LRESULT hit = HTNOWHERE;
    HWND under = d.capture ? d.capture : WindowFromPointHit(d.cursorPos, &hit);
    if (d.capture) hit = HTCLIENT;
    bool nonClient = (tme->dwFlags & TME_NONCLIENT) != 0;
    bool inside = under == w && ((hit == HTCLIENT) != nonClient);
    if (!inside) {
        if (tme->dwFlags & TME_LEAVE) PostMessage(w, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    d.trackWnd = w;
    d.trackFlags = tme->dwFlags;
    d.hoverTime = tme->dwHoverTime == HOVER_DEFAULT ? 400 : tme->dwHoverTime;
    d.hoverStart = d.clock->NowMs();
    d.hoverPt = d.cursorPos;
    return TRUE;
}

BOOL GetCursorPos(POINT* pt) {
    if (!pt) return FALSE;
    *pt = D().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    InjectMouseMove(x, y);
    return TRUE;
}

UINT GetDoubleClickTime() { return D().doubleClickTime; }

BOOL SetDoubleClickTime(UINT ms) {
    D().doubleClickTime = ms ? ms : 500;
    return TRUE;
}

short GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    BYTE k = D().keys[vk];
    return short(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return (D().asyncKeys[vk] & 0x80) ? short(0x8000) : 0;
}

BOOL GetKeyboardState(BYTE* state) {
    if (!state) return FALSE;
    std::copy(std::begin(D().keys), std::end(D().keys), state);
    return TRUE;
}

// ---- window life and input state ---------------------------------------------

void OnWindowHiddenOrDisabled(Window* w) {
    auto& d = D();
    if (d.capture && Within(w, W(d.capture))) ReleaseCapture();
    if (d.focus && Within(w, W(d.focus))) {
        bool hidden = !(w->style & WS_VISIBLE);
        if (hidden && (w->style & WS_CHILD) && W(w->parent)) SetFocus(w->parent);
        else SetFocus(nullptr);
    }
    if (d.active == w && (!(w->style & WS_VISIBLE) || (w->style & WS_DISABLED))) {
        Window* next = NextActivatable(w);
        if (next) ActivateTopLevel(next, WA_ACTIVE);
        else if (!(w->style & WS_VISIBLE)) SetActiveWindow(nullptr);
    }
}

void OnWindowDestroyedInput(Window* w) {
    auto& d = D();
    if (d.focus == w) d.focus = nullptr;
    if (d.capture == w) d.capture = nullptr;
    if (d.trackWnd == w) d.trackWnd = nullptr;
    if (d.mouseWindow == w) d.mouseWindow = nullptr;
    if (d.lastClick.wnd == w) d.lastClick = {};
    if (d.lockWindow == w) d.lockWindow = nullptr;
    d.posted.erase(std::remove_if(d.posted.begin(), d.posted.end(), [&](const MSG& m) { return m.hwnd == w; }),
                   d.posted.end());
    for (auto& in : d.input)
        if (in.taken && in.msg.hwnd == w) in.dropped = true;
    if (d.active == w) {
        d.active = nullptr;
        if (Window* next = NextActivatable(w)) ActivateTopLevel(next, WA_ACTIVE);
        else SetAppActive(false);
    }
}

long long HoverDueIn() {
    auto& d = D();
    if (!W(d.trackWnd) || !(d.trackFlags & TME_HOVER)) return -1;
    std::uint64_t due = d.hoverStart + d.hoverTime, now = d.clock->NowMs();
    return due <= now ? 0 : (long long)(due - now);
}

bool TakeHover(MSG* msg) {
    auto& d = D();
    if (HoverDueIn() != 0) return false;
    Window* t = W(d.trackWnd);
    bool nonClient = (d.trackFlags & TME_NONCLIENT) != 0;
    POINT p = d.cursorPos;
    d.trackFlags &= ~TME_HOVER;
    if (!(d.trackFlags & TME_LEAVE)) d.trackWnd = nullptr;
    *msg = MSG{};
    msg->hwnd = t;
    msg->time = DWORD(d.clock->NowMs());
    msg->pt = p;
    if (nonClient) {
        msg->message = WM_NCMOUSEHOVER;
        msg->wParam = WPARAM(DefNcHitTest(t, p));
        msg->lParam = MAKELPARAM(p.x, p.y);
    } else {
        ScreenToClient(t, &p);
        msg->message = WM_MOUSEHOVER;
        msg->lParam = MAKELPARAM(p.x, p.y);
    }
    return true;
}

// ---- raw input -----------------------------------------------------------------

namespace {

void Inject(RawInput in) {
    auto& d = D();
    in.time = DWORD(d.clock->NowMs());
    auto down = [&](int vk) { return (d.asyncKeys[vk] & 0x80) != 0; };
    in.mods = BYTE((down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) | (down(VK_MENU) ? 4 : 0) |
                   (down(VK_LBUTTON) ? 8 : 0) | (down(VK_RBUTTON) ? 16 : 0) | (down(VK_MBUTTON) ? 32 : 0));
    d.input.push_back(in);
}

WPARAM MouseKeys(BYTE mods) {
    WPARAM k = 0;
    if (mods & 8) k |= MK_LBUTTON;
    if (mods & 16) k |= MK_RBUTTON;
    if (mods & 32) k |= MK_MBUTTON;
    if (mods & 1) k |= MK_SHIFT;
    if (mods & 2) k |= MK_CONTROL;
    return k;
}

const int kButtonVk[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
const UINT kDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

void CheckMouseLeave(Window* target, LRESULT hit, POINT pt) {
    auto& d = D();
    Window* t = W(d.trackWnd);
    if (!t) {
        d.trackWnd = nullptr;
        return;
    }
    // Hovering starts again whenever the mouse leaves the small hover box.
    if (std::abs(pt.x - d.hoverPt.x) > 2 || std::abs(pt.y - d.hoverPt.y) > 2) {
        d.hoverPt = pt;
        d.hoverStart = d.clock->NowMs();
    }
    bool nonClient = (d.trackFlags & TME_NONCLIENT) != 0;
    bool inside = target == t && ((hit == HTCLIENT) != nonClient);
    if (inside) return;
    if (d.trackFlags & TME_LEAVE) PostMessage(t, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    d.trackWnd = nullptr;
    d.trackFlags = 0;
}

Window* KeyTarget(bool* sys) {
    auto& d = D();
    if (Window* f = W(d.focus)) return f;
    *sys = true; // keys of an active window without focus arrive as system keys
    return W(d.active);
}

// The visible, enabled window that a disabled top-level window owns (the
// modal window that disabled it), nearest in the z-order.
Window* EnabledPopupOf(Window* top) {
    if (!top) return nullptr;
    for (Window* t : D().desktopWnd->children) {
        if (!(t->style & WS_VISIBLE) || (t->style & WS_DISABLED)) continue;
        for (Window* o = t->owner; o; o = o->owner)
            if (o == top) return t;
    }
    return nullptr;
}

bool MdiChildNeedsActivation(Window* w) {
    for (; w && (w->style & WS_CHILD); w = w->parent)
        if (w->mdiChild && w->parent && w->parent->mdi && w->parent->mdi->active != w) return true;
    return false;
}

} // namespace

bool TranslateRawInput(const RawInput& in, MSG& m, bool take) {
    auto& d = D();
    m = MSG{};
    m.time = in.time;
    m.pt = in.pt;
    switch (in.kind) {
    case RawInput::MouseMove:
    case RawInput::ButtonDown:
    case RawInput::ButtonUp: {
        if (take) d.cursorPos = in.pt;
        LRESULT hit = HTCLIENT;
        Window* target = W(d.capture);
        if (!target) target = WindowFromPointHit(in.pt, &hit);
        if (!W(target)) return false;
        UINT base = in.kind == RawInput::MouseMove ? WM_MOUSEMOVE
                    : in.kind == RawInput::ButtonDown ? kDown[in.button] : kDown[in.button] + 1;
        if (take && in.kind == RawInput::MouseMove) CheckMouseLeave(target, hit, in.pt);
        if (take && !d.capture) {
            Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(int(hit), int(base)));
            if (!W(target)) return false;
        }
        if (hit == HTERROR) {
            // A click on a window disabled by a modal one brings the modal one up.
            if (take && in.kind == RawInput::ButtonDown)
                if (Window* popup = EnabledPopupOf(RootOf(target))) ActivateTopLevel(popup, WA_CLICKACTIVE);
            return false;
        }
        if (take && in.kind == RawInput::ButtonDown && !d.capture && target != d.desktopWnd) {
            Window* top = RootOf(target);
            if (top != d.active || MdiChildNeedsActivation(target)) {
                LRESULT r = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                 MAKELPARAM(int(hit), int(base)));
                if (!W(target)) return false;
                if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && top != d.active)
                    ActivateTopLevel(top, WA_CLICKACTIVE);
                if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return false;
                if (!W(target)) return false;
            }
        }
        UINT msg = base;
        bool client = hit == HTCLIENT;
        if (in.kind == RawInput::ButtonDown) {
            bool dblAllowed = !client || (target->cls->wc.style & CS_DBLCLKS);
            const ClickRecord& last = d.lastClick;
            int cx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, cy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
            bool dbl = dblAllowed && last.wnd == target && last.msg == base && in.time - last.time <= d.doubleClickTime &&
                       std::abs(in.pt.x - last.pt.x) <= cx && std::abs(in.pt.y - last.pt.y) <= cy;
            if (dbl) msg = base + 2;
            if (take) d.lastClick = dbl ? ClickRecord{} : ClickRecord{target, base, in.time, in.pt};
        }
        if (client) {
            POINT p = in.pt;
            ScreenToClient(target, &p);
            m.hwnd = target;
            m.message = msg;
            m.wParam = MouseKeys(in.mods);
            m.lParam = MAKELPARAM(p.x, p.y);
        } else {
            m.hwnd = target;
            m.message = msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
            m.wParam = WPARAM(hit);
            m.lParam = MAKELPARAM(in.pt.x, in.pt.y);
        }
        if (take && in.kind == RawInput::ButtonDown && client && (target->style & WS_CHILD)) {
            for (Window* c = target; W(c) && (c->style & WS_CHILD) && !(c->exStyle & WS_EX_NOPARENTNOTIFY);
                 c = c->parent) {
                POINT p = in.pt;
                ScreenToClient(c->parent, &p);
                Send(c->parent, WM_PARENTNOTIFY, MAKEWPARAM(int(base), 0), MAKELPARAM(p.x, p.y));
            }
            if (!W(target)) return false;
        }
        return true;
    }
    case RawInput::Wheel: {
        if (take) d.cursorPos = in.pt;
        bool sys = false;
        Window* target = KeyTarget(&sys);
        if (!target) return false;
        m.hwnd = target;
        m.message = WM_MOUSEWHEEL;
        m.wParam = MAKEWPARAM(int(MouseKeys(in.mods)), in.value);
        m.lParam = MAKELPARAM(in.pt.x, in.pt.y);
        return true;
    }
    case RawInput::KeyDown:
    case RawInput::KeyUp: {
        bool sys = false;
        Window* target = KeyTarget(&sys);
        if (!target) return false;
        bool alt = (in.mods & 4) != 0, ctrl = (in.mods & 2) != 0;
        int vk = in.value & 0xFF;
        if ((alt && !ctrl) || vk == VK_F10 || vk == VK_MENU) sys = true;
        bool down = in.kind == RawInput::KeyDown;
        m.hwnd = target;
        m.message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
        m.wParam = WPARAM(vk);
        LPARAM lp = 1;
        if (alt) lp |= LPARAM(1) << 29;
        if (!down) lp |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
        else if (d.keys[vk] & 0x80) lp |= LPARAM(1) << 30;
        if (in.value & kTextKey) lp |= KF_TEXT_FROM_BACKEND;
        m.lParam = lp;
        return true;
    }
    case RawInput::Char: {
        bool sys = false;
        Window* target = KeyTarget(&sys);
        if (!target) return false;
        // A character typed with Alt (and no Ctrl: Ctrl+Alt types a
        // keyboard's third symbols) is a mnemonic or a menu key, not text.
        bool alt = (in.mods & 4) != 0, ctrl = (in.mods & 2) != 0;
        m.hwnd = target;
        m.message = alt && !ctrl ? WM_SYSCHAR : WM_CHAR;
        m.wParam = WPARAM(std::uint32_t(in.value));
        m.lParam = alt && !ctrl ? 1 | (LPARAM(1) << 29) : 1;
        return true;
    }
    }
    return false;
}

bool RawInputMayBecome(const RawInput& in, UINT min, UINT max) {
    if (min == 0 && max == 0) return true;
    auto any = [&](UINT lo, UINT hi) { return lo <= max && hi >= min; };
    switch (in.kind) {
    case RawInput::MouseMove: return any(WM_MOUSEMOVE, WM_MOUSEMOVE) || any(WM_NCMOUSEMOVE, WM_NCMOUSEMOVE);
    case RawInput::ButtonDown:
    case RawInput::ButtonUp: return any(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK) || any(WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK);
    case RawInput::Wheel: return any(WM_MOUSEWHEEL, WM_MOUSEWHEEL);
    case RawInput::KeyDown:
    case RawInput::KeyUp: return any(WM_KEYDOWN, WM_SYSKEYUP);
    case RawInput::Char: return any(WM_CHAR, WM_CHAR) || any(WM_SYSCHAR, WM_SYSCHAR);
    }
    return false;
}

void InjectMouseMove(int x, int y) {
    RawInput in{};
    in.kind = RawInput::MouseMove;
    in.pt = {x, y};
    D().cursorPos = {x, y};
    Inject(in);
}

void InjectMouseButton(int button, bool down, int x, int y) {
    auto& d = D();
    button = std::clamp(button, 0, 2);
    if (down) d.asyncKeys[kButtonVk[button]] |= 0x80;
    else d.asyncKeys[kButtonVk[button]] &= ~0x80;
    d.cursorPos = {x, y};
    RawInput in{};
    in.kind = down ? RawInput::ButtonDown : RawInput::ButtonUp;
    in.pt = {x, y};
    in.button = button;
    Inject(in);
}

void InjectMouseWheel(int delta, int x, int y) {
    RawInput in{};
    in.kind = RawInput::Wheel;
    in.pt = {x, y};
    in.value = delta;
    Inject(in);
}

void InjectKey(int vk, bool down) {
    auto& d = D();
    int k = vk & 0xFF;
    if (down) {
        // Lock keys toggle when pressed, whether or not a window takes the key.
        if (!(d.asyncKeys[k] & 0x80) && (k == VK_CAPITAL || k == VK_NUMLOCK || k == VK_SCROLL)) d.keys[k] ^= 0x01;
        d.asyncKeys[k] |= 0x80;
    } else {
        d.asyncKeys[k] &= ~0x80;
    }
    for (auto [side, both] : {std::pair{VK_LSHIFT, VK_SHIFT}, {VK_RSHIFT, VK_SHIFT}, {VK_LCONTROL, VK_CONTROL},
                              {VK_RCONTROL, VK_CONTROL}, {VK_LMENU, VK_MENU}, {VK_RMENU, VK_MENU}}) {
        if (k == side) {
            if (down) d.asyncKeys[both] |= 0x80;
            else d.asyncKeys[both] &= ~0x80;
            k = both;
        }
    }
    RawInput in{};
    in.kind = down ? RawInput::KeyDown : RawInput::KeyUp;
    in.pt = d.cursorPos;
    in.value = k | (vk & kTextKey);
    Inject(in);
}

void InjectChar(std::uint32_t codePoint) {
    RawInput in{};
    in.kind = RawInput::Char;
    in.pt = D().cursorPos;
    in.value = int(codePoint);
    Inject(in);
}

} // namespace tv::win
