// The message queue: sending, posting, retrieval with filters, dispatch,
// keyboard translation, registered messages and modal loops.
#include "platform/window/queue.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "platform/backend/backend.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/rawinput.h"

namespace tv::win {

LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    if (!W(w)) return 0;
    Message m{msg, wp, lp, 0};
    auto& d = D();
    if (w == d.appWnd && !d.appHooks.empty()) {
        auto hooks = d.appHooks;
        for (auto& [id, hook] : hooks)
            if (hook && hook(m)) return m.Result;
        if (!W(w)) return m.Result;
    }
    InvokeProcs(w, m);
    return m.Result;
}

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) { return Send(W(wnd), msg, wParam, lParam); }

void SendMessage(HWND wnd, Message& msg) { msg.Result = Send(W(wnd), msg.Msg, msg.WParam, msg.LParam); }

BOOL PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& d = D();
    if (wnd && !W(wnd)) return FALSE;
    MSG m;
    m.hwnd = wnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = DWORD(d.clock->NowMs());
    m.pt = d.cursorPos;
    d.posted.push_back(m);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    auto& d = D();
    d.quitPosted = true;
    d.quitCode = exitCode;
}

namespace {

bool WindowMatches(HWND filter, HWND wnd) {
    if (!filter) return true;
    if (filter == HWND_MESSAGE_ONLY) return wnd == nullptr;
    return wnd == filter || IsChild(filter, wnd);
}

bool RangeMatches(UINT min, UINT max, UINT msg) {
    if (min == 0 && max == 0) return true;
    return msg >= min && msg <= max;
}

void UpdateKeyState(const MSG& m) {
    auto& d = D();
    auto press = [&](int vk, bool down) {
        if (vk <= 0 || vk > 255) return;
        bool lock = vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL;
        if (down) {
            if (!(d.keys[vk] & 0x80) && !lock) d.keys[vk] ^= 0x01;
            d.keys[vk] |= 0x80;
        } else {
            d.keys[vk] &= ~0x80;
        }
    };
    switch (m.message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: press(int(m.wParam), true); break;
    case WM_KEYUP: case WM_SYSKEYUP: press(int(m.wParam), false); break;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
        press(VK_LBUTTON, true); break;
    case WM_LBUTTONUP: case WM_NCLBUTTONUP: press(VK_LBUTTON, false); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
        press(VK_RBUTTON, true); break;
    case WM_RBUTTONUP: case WM_NCRBUTTONUP: press(VK_RBUTTON, false); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCMBUTTONDOWN: press(VK_MBUTTON, true); break;
    case WM_MBUTTONUP: case WM_NCMBUTTONUP: press(VK_MBUTTON, false); break;
    default: break;
    }
}

void Took(const MSG& m) {
    auto& d = D();
    d.msgTime = m.time;
    d.msgPt = m.pt;
}

} // namespace

BOOL PeekMessage(MSG* out, HWND wnd, UINT min, UINT max, UINT flags) {
    auto& d = D();
    if (!out) return FALSE;
    bool remove = (flags & PM_REMOVE) != 0;
    for (auto it = d.posted.begin(); it != d.posted.end(); ++it) {
        if (!WindowMatches(wnd, it->hwnd) || !RangeMatches(min, max, it->message)) continue;
        *out = *it;
        if (remove) {
            d.posted.erase(it);
            Took(*out);
        }
        return TRUE;
    }
    // Input gets its window only as it is taken, in turn, as a display gives
    // it: a look for other messages (a handler peeking for a private message
    // while a press is handled) fixes nothing about the input behind, so a
    // capture or focus the handler then takes applies to it.
    const bool anything = !wnd && min == 0 && max == 0;
    for (size_t i = 0; i < d.input.size();) {
        RawInput& in = d.input[i];
        if (!in.taken && !RawInputMayBecome(in, min, max)) {
            ++i;
            continue;
        }
        if (!in.taken && anything) {
            in.taken = true;
            in.dropped = !TranslateRawInput(in, in.msg, true);
        }
        if (in.dropped) {
            d.input.erase(d.input.begin() + long(i));
            continue;
        }
        MSG m;
        if (in.taken) m = in.msg;
        else if (!TranslateRawInput(in, m, false)) {
            ++i;
            continue;
        }
        if (!WindowMatches(wnd, m.hwnd) || !RangeMatches(min, max, m.message)) {
            ++i;
            continue;
        }
        if (!in.taken && remove) {
            // Taken out of turn, as the filter asks.
            in.taken = true;
            in.dropped = !TranslateRawInput(in, in.msg, true);
            if (in.dropped || !WindowMatches(wnd, in.msg.hwnd) || !RangeMatches(min, max, in.msg.message)) continue;
            m = in.msg;
        }
        *out = m;
        if (remove) {
            d.input.erase(d.input.begin() + long(i));
            UpdateKeyState(*out);
            Took(*out);
        }
        return TRUE;
    }
    if (d.quitPosted && RangeMatches(min, max, WM_QUIT) && (!wnd || wnd == HWND_MESSAGE_ONLY)) {
        *out = MSG{};
        out->message = WM_QUIT;
        out->wParam = WPARAM(d.quitCode);
        out->time = DWORD(d.clock->NowMs());
        if (remove) d.quitPosted = false;
        return TRUE;
    }
    if (RangeMatches(min, max, WM_PAINT) || RangeMatches(min, max, WM_NCPAINT)) {
        Window* filter = (wnd && wnd != HWND_MESSAGE_ONLY) ? W(wnd) : nullptr;
        for (int guard = 0; guard < 1000; ++guard) {
            Window* p = (wnd == HWND_MESSAGE_ONLY) ? nullptr : NextWindowToPaint(d.desktopWnd, filter);
            if (!p) break;
            bool clientDue = p->internalPaint || (p->updateRgn && RectInRegion(p->updateRgn.get(), &p->client));
            if (!clientDue) {
                // Only the frame needs painting: no WM_PAINT for that.
                PaintWindowNow(p);
                continue;
            }
            if (!RangeMatches(min, max, WM_PAINT)) break;
            *out = MSG{};
            out->hwnd = p;
            out->message = WM_PAINT;
            out->time = DWORD(d.clock->NowMs());
            out->pt = d.cursorPos;
            return TRUE;
        }
    }
    if (HoverDueIn() == 0 && wnd != HWND_MESSAGE_ONLY) {
        // Posted as soon as it is due, like the system's hover timer.
        MSG hover;
        if (TakeHover(&hover)) d.posted.push_back(hover);
        return PeekMessage(out, wnd, min, max, flags);
    }
    if (RangeMatches(min, max, WM_TIMER) && TakeDueTimer(wnd, out, remove)) {
        if (remove) Took(*out);
        return TRUE;
    }
    return FALSE;
}

BOOL WaitMessage() {
    CurrentBackend().Present();
    long long timer = NextTimerDueIn(), hover = HoverDueIn();
    CurrentBackend().WaitForInput(hover < 0 ? timer : timer < 0 ? hover : std::min(timer, hover));
    return TRUE;
}

BOOL GetMessage(MSG* msg, HWND wnd, UINT min, UINT max) {
    if (!msg) return FALSE;
    while (!PeekMessage(msg, wnd, min, max, PM_REMOVE)) WaitMessage();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    auto& d = D();
    int vk = int(msg->wParam);
    bool shift = d.keys[VK_SHIFT] & 0x80, ctrl = d.keys[VK_CONTROL] & 0x80;
    bool caps = d.keys[VK_CAPITAL] & 0x01;
    bool textFromBackend = (msg->lParam & KF_TEXT_FROM_BACKEND) != 0;
    std::uint32_t ch = 0;
    switch (vk) {
    case VK_RETURN: ch = 13; break;
    case VK_BACK: ch = 8; break;
    case VK_TAB: ch = 9; break;
    case VK_ESCAPE: ch = 27; break;
    default:
        if (vk >= 'A' && vk <= 'Z' && ctrl && !(msg->message == WM_SYSKEYDOWN)) ch = std::uint32_t(vk - 'A' + 1);
        else if (textFromBackend) ch = 0;
        else if (vk >= 'A' && vk <= 'Z') ch = std::uint32_t((shift != caps) ? vk : std::tolower(vk));
        else if (vk >= '0' && vk <= '9' && !shift) ch = std::uint32_t(vk);
        else if (vk == VK_SPACE) ch = ' ';
        break;
    }
    if (!ch) return FALSE;
    MSG c = *msg;
    c.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    c.wParam = ch;
    d.posted.push_front(c);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    auto& d = D();
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam == 1) {
        auto it = std::find_if(d.timers.begin(), d.timers.end(),
                               [&](auto& t) { return t.wnd == msg->hwnd && t.id == msg->wParam; });
        if (it != d.timers.end() && it->proc) {
            TIMERPROC proc = it->proc;
            proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
            return 0;
        }
    }
    Window* w = W(msg->hwnd);
    if (!w) return 0;
    if (msg->message == WM_PAINT) {
        PaintWindowNow(w);
        return 0;
    }
    return Send(w, msg->message, msg->wParam, msg->lParam);
}

LONG GetMessageTime() { return LONG(D().msgTime); }

DWORD GetMessagePos() { return DWORD(MAKELPARAM(D().msgPt.x, D().msgPt.y)); }

UINT RegisterWindowMessage(const std::string& name) {
    if (name.empty()) return 0;
    auto& d = D();
    std::string key = name;
    for (auto& c : key) c = char(std::tolower(static_cast<unsigned char>(c)));
    auto it = d.registeredMessages.find(key);
    if (it != d.registeredMessages.end()) return it->second;
    UINT id = WM_REGISTERED_FIRST + UINT(d.registeredMessages.size());
    d.registeredMessages[key] = id;
    return id;
}

bool RunModalLoop(HWND wnd, const std::function<bool()>& done) {
    for (;;) {
        if (!IsWindow(wnd) || !IsWindowVisible(wnd) || (done && done())) return true;
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                return false;
            }
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            continue;
        }
        WaitMessage();
    }
}

void ProcessPendingMessages() {
    std::set<std::pair<HWND, UINT_PTR>> timersSeen;
    MSG msg;
    for (int guard = 0; guard < 100000 && PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE); ++guard) {
        // A timer faster than the dispatching would keep this going forever.
        if (msg.message == WM_TIMER && !timersSeen.insert({msg.hwnd, msg.wParam}).second) break;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) break;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    CurrentBackend().Present();
}

} // namespace tv::win
