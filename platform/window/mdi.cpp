// The MDI client window and the default procedures of MDI frames and
// children: creation, activation, maximising, cascading, tiling, arranging
// and the window list of the frame's window menu.
#include "platform/window/mdi.h"

#include <algorithm>
#include <cmath>

#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/menu.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {
namespace {

MdiClientState* State(Window* client) { return client ? client->mdi.get() : nullptr; }

Window* ClientOf(Window* child) {
    return child && child->mdiChild && W(child->parent) && child->parent->mdi ? child->parent : nullptr;
}

void RefreshWindowMenu(Window* client) {
    MdiClientState* s = State(client);
    if (!s || !IsMenu(s->windowMenu)) return;
    HMENU m = s->windowMenu;
    // Items from a previous list go first, with the separator before them.
    auto& items = m->items;
    auto first = std::find_if(items.begin(), items.end(), [&](const MenuItem& it) {
        return !(it.flags & MF_POPUP) && it.id >= s->idFirstChild && it.id < s->idFirstChild + 0x100;
    });
    if (first != items.end()) {
        if (first != items.begin() && ((first - 1)->flags & MF_SEPARATOR) && (first - 1)->data == 0x4D44)
            --first;
        items.erase(first, items.end());
    }
    std::vector<HWND> shown;
    for (HWND h : s->order)
        if (W(h) && (h->style & WS_VISIBLE)) shown.push_back(h);
    if (shown.empty()) return;
    MenuItem sep;
    sep.flags = MF_SEPARATOR;
    sep.data = 0x4D44;
    items.push_back(sep);
    for (size_t i = 0; i < shown.size() && i < 9; ++i) {
        MenuItem it;
        it.id = s->idFirstChild + i;
        it.text = "&" + std::to_string(i + 1) + " " + shown[i]->text;
        if (shown[i] == s->active) it.flags |= MF_CHECKED;
        items.push_back(it);
    }
    if (m->owner && W(m->owner)) DrawMenuBar(m->owner);
}

void Activate(Window* client, Window* child) {
    MdiClientState* s = State(client);
    if (!s) return;
    Window* old = W(s->active);
    if (old == child) return;
    bool wasMax = old && (old->style & WS_MAXIMIZE);
    if (old) {
        Send(old, WM_NCACTIVATE, FALSE, 0);
        if (W(old)) Send(old, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
    }
    s->active = child;
    if (child) {
        if (wasMax && W(old)) ShowWindow(old, SW_RESTORE);
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (wasMax && !(child->style & WS_MAXIMIZE)) ShowWindow(child, SW_MAXIMIZE);
        if (!W(child)) return;
        Send(child, WM_NCACTIVATE, TRUE, 0);
        if (W(child)) Send(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
        if (W(child)) Send(child, WM_CHILDACTIVATE, 0, 0);
        Window* frame = client->parent;
        if (W(child) && W(frame) && GetActiveWindow() == frame && !(child->style & WS_MINIMIZE)) {
            HWND f = GetFocus();
            if (!f || (f != child && !IsChild(child, f))) SetFocus(child);
        }
    }
    RefreshWindowMenu(client);
}

std::vector<Window*> ArrangeableChildren(Window* client, bool skipDisabled) {
    std::vector<Window*> list;
    for (auto it = client->children.rbegin(); it != client->children.rend(); ++it) {
        Window* c = *it;
        if (!c->mdiChild || !(c->style & WS_VISIBLE) || (c->style & WS_MINIMIZE)) continue;
        if (skipDisabled && (c->style & WS_DISABLED)) continue;
        list.push_back(c);
    }
    return list;
}

void RestoreMaximized(Window* client) {
    for (Window* c : client->children)
        if (c->mdiChild && (c->style & WS_MAXIMIZE)) ShowWindow(c, SW_RESTORE);
}

int Cascade(Window* client, bool skipDisabled) {
    RestoreMaximized(client);
    auto list = ArrangeableChildren(client, skipDisabled);
    int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    int cw = client->client.Width(), ch = client->client.Height();
    int n = int(list.size());
    int width = std::max(cw * 3 / 4, GetSystemMetrics(SM_CXMINTRACK));
    int height = std::max(ch * 3 / 4, GetSystemMetrics(SM_CYMINTRACK));
    for (int i = 0; i < n; ++i) {
        int x = (i * step) % std::max(1, cw - width + 1), y = (i * step) % std::max(1, ch - height + 1);
        SetWindowPos(list[size_t(i)], HWND_TOP, x, y, width, height, SWP_NOACTIVATE);
    }
    return n;
}

int Tile(Window* client, WPARAM how) {
    RestoreMaximized(client);
    auto list = ArrangeableChildren(client, (how & MDITILE_SKIPDISABLED) != 0);
    int n = int(list.size());
    if (!n) return 0;
    std::reverse(list.begin(), list.end()); // the active child gets the first place
    int cw = client->client.Width(), ch = client->client.Height();
    bool horizontal = (how & MDITILE_HORIZONTAL) != 0;
    int lines = int(std::ceil(std::sqrt(double(n))));
    if (n <= 3) lines = 1;
    int perLine = (n + lines - 1) / lines;
    int index = 0;
    for (int line = 0; line < lines && index < n; ++line) {
        int inThis = std::min(perLine, n - index);
        if (line == lines - 1) inThis = n - index;
        for (int k = 0; k < inThis; ++k, ++index) {
            RECT r;
            if (horizontal) {
                int colW = cw / lines, rowH = ch / inThis;
                r = {line * colW, k * rowH, (line + 1) * colW, (k + 1) * rowH};
                if (lines == 1) r = {0, k * rowH, cw, (k + 1) * rowH};
            } else {
                int rowH = ch / lines, colW = cw / inThis;
                r = {k * colW, line * rowH, (k + 1) * colW, (line + 1) * rowH};
                if (lines == 1) r = {k * colW, 0, (k + 1) * colW, ch};
            }
            SetWindowPos(list[size_t(index)], nullptr, r.left, r.top, r.Width(), r.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return n;
}

void ArrangeIcons(Window* client) {
    int x = 0, n = 0;
    int cw = GetSystemMetrics(SM_CXMINIMIZED), chh = GetSystemMetrics(SM_CYMINIMIZED);
    int perRow = std::max(1, client->client.Width() / cw);
    for (auto it = client->children.rbegin(); it != client->children.rend(); ++it) {
        Window* c = *it;
        if (!c->mdiChild || !(c->style & WS_MINIMIZE)) continue;
        x = (n % perRow) * cw;
        int y = client->client.Height() - chh * (1 + n / perRow);
        SetWindowPos(c, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ++n;
    }
}

Window* NextChild(Window* client, Window* from, bool previous) {
    std::vector<Window*> list;
    for (Window* c : client->children)
        if (c->mdiChild && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) list.push_back(c);
    if (list.size() < 2) return nullptr;
    auto it = std::find(list.begin(), list.end(), from);
    if (it == list.end()) return list.front();
    if (previous) return list.back();
    return (it + 1 == list.end()) ? list.front() : *(it + 1);
}

LRESULT ClientProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* client = W(wnd);
    if (!client) return 0;
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lp);
        client->mdi = std::make_unique<MdiClientState>();
        if (cs && cs->lpCreateParams) {
            auto* ccs = reinterpret_cast<CLIENTCREATESTRUCT*>(cs->lpCreateParams);
            client->mdi->windowMenu = ccs->hWindowMenu;
            client->mdi->idFirstChild = ccs->idFirstChild;
        }
        return 0;
    }
    case WM_MDICREATE: {
        auto* mcs = reinterpret_cast<MDICREATESTRUCT*>(lp);
        if (!mcs) return 0;
        return reinterpret_cast<LRESULT>(CreateMDIWindow(mcs->szClass, mcs->szTitle, mcs->style, mcs->x, mcs->y,
                                                         mcs->cx, mcs->cy, client, mcs->lParam));
    }
    case WM_MDIDESTROY:
        if (Window* c = W(reinterpret_cast<HWND>(wp)); c && ClientOf(c) == client) DestroyWindow(c);
        return 0;
    case WM_MDIACTIVATE:
        if (Window* c = W(reinterpret_cast<HWND>(wp)); c && ClientOf(c) == client) Activate(client, c);
        return 0;
    case WM_MDIGETACTIVE: {
        Window* a = W(client->mdi->active);
        if (lp) *reinterpret_cast<BOOL*>(lp) = a && (a->style & WS_MAXIMIZE) ? TRUE : FALSE;
        return reinterpret_cast<LRESULT>(a);
    }
    case WM_MDIMAXIMIZE:
        if (Window* c = W(reinterpret_cast<HWND>(wp)); c && ClientOf(c) == client) ShowWindow(c, SW_MAXIMIZE);
        return 0;
    case WM_MDIRESTORE:
        if (Window* c = W(reinterpret_cast<HWND>(wp)); c && ClientOf(c) == client) ShowWindow(c, SW_RESTORE);
        return 0;
    case WM_MDINEXT: {
        Window* from = W(reinterpret_cast<HWND>(wp));
        if (!from) from = W(client->mdi->active);
        if (Window* next = NextChild(client, from, lp != 0)) Activate(client, next);
        return 0;
    }
    case WM_MDICASCADE: return Cascade(client, (wp & MDITILE_SKIPDISABLED) != 0) ? TRUE : FALSE;
    case WM_MDITILE: return Tile(client, wp) ? TRUE : FALSE;
    case WM_MDIICONARRANGE: ArrangeIcons(client); return 0;
    case WM_MDISETMENU: {
        Window* frame = client->parent;
        HMENU old = GetMenu(frame);
        if (wp) SetMenu(frame, reinterpret_cast<HMENU>(wp));
        if (lp) client->mdi->windowMenu = reinterpret_cast<HMENU>(lp);
        RefreshWindowMenu(client);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_MDIREFRESHMENU: RefreshWindowMenu(client); return 0;
    case WM_SIZE: {
        auto children = client->children;
        for (Window* c : children)
            if (W(c) && c->mdiChild) FollowParentArea(c);
        return DefWindowProc(wnd, msg, wp, lp);
    }
    default: return DefWindowProc(wnd, msg, wp, lp);
    }
}

} // namespace

void RegisterMdiClientClass() {
    WNDCLASS wc;
    wc.lpszClassName = MDICLIENT_CLASS;
    wc.lpfnWndProc = ClientProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_APPWORKSPACE + 1));
    RegisterClass(wc);
    WNDCLASS probe;
    if (GetClassInfo(MDICLIENT_CLASS, &probe)) {
        for (auto& [name, cls] : D().classes)
            if (cls->wc.lpszClassName == MDICLIENT_CLASS) cls->system = true;
    }
}

HWND CreateMDIWindow(const std::string& className, const std::string& title, DWORD style, int x, int y, int width,
                     int height, HWND mdiClient, LONG_PTR param) {
    Window* client = W(mdiClient);
    MdiClientState* s = State(client);
    if (!s) return nullptr;
    Window* oldActive = W(s->active);
    bool maximize = (oldActive && (oldActive->style & WS_MAXIMIZE)) || (style & WS_MAXIMIZE);
    int cw = client->client.Width(), ch = client->client.Height();
    int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    int n = int(s->order.size());
    if (x == CW_USEDEFAULT) {
        x = (n * step) % std::max(1, cw / 4 + 1);
        y = x;
    }
    if (width == CW_USEDEFAULT) {
        width = std::max(cw * 3 / 4, GetSystemMetrics(SM_CXMINTRACK));
        height = std::max(ch * 3 / 4, GetSystemMetrics(SM_CYMINTRACK));
    }
    DWORD st = (style & ~(WS_POPUP | WS_MAXIMIZE | WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION |
               WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    UINT id = s->idFirstChild + UINT(n);
    HWND h = CreateWindowEx(WS_EX_MDICHILD | WS_EX_WINDOWEDGE, className, title, st, x, y, width, height, client,
                            reinterpret_cast<HMENU>(std::uintptr_t(id)), param);
    Window* child = W(h);
    if (!child) return nullptr;
    child->mdiChild = true;
    s->order.push_back(child);
    ShowWindow(child, SW_SHOWNOACTIVATE);
    if (!W(child)) return nullptr;
    Activate(client, child);
    if (W(child) && maximize && !(child->style & WS_MAXIMIZE)) ShowWindow(child, SW_MAXIMIZE);
    return W(child);
}

void MdiChildDestroyed(Window* child) {
    Window* client = ClientOf(child);
    MdiClientState* s = State(client);
    if (!s) return;
    s->order.erase(std::remove(s->order.begin(), s->order.end(), child), s->order.end());
    if (s->active == child) {
        bool wasMax = (child->style & WS_MAXIMIZE) != 0;
        s->active = nullptr;
        Send(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        Window* next = nullptr;
        for (Window* c : client->children)
            if (c != child && c->mdiChild && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) {
                next = c;
                break;
            }
        if (next) {
            Activate(client, next);
            if (wasMax && W(next) && !(next->style & WS_MAXIMIZE)) ShowWindow(next, SW_MAXIMIZE);
        }
    }
    child->mdiChild = false;
    RefreshWindowMenu(client);
}

void MdiChildActivated(Window* child) {
    if (Window* client = ClientOf(child)) Activate(client, child);
}

LRESULT DefFrameProc(HWND frame, HWND mdiClient, UINT msg, WPARAM wp, LPARAM lp) {
    Window* client = W(mdiClient);
    MdiClientState* s = State(client);
    switch (msg) {
    case WM_COMMAND:
        if (s && LOWORD(wp) >= s->idFirstChild && LOWORD(wp) < s->idFirstChild + 9) {
            std::vector<HWND> shown;
            for (HWND h : s->order)
                if (W(h) && (h->style & WS_VISIBLE)) shown.push_back(h);
            size_t i = LOWORD(wp) - s->idFirstChild;
            if (i < shown.size()) {
                if (shown[i]->style & WS_MINIMIZE) ShowWindow(shown[i], SW_RESTORE);
                Activate(client, shown[i]);
            }
            return 0;
        }
        break;
    case WM_SIZE:
        if (client) {
            RECT rc;
            GetClientRect(frame, &rc);
            MoveWindow(client, 0, 0, rc.right, rc.bottom, TRUE);
        }
        return 0;
    case WM_SETFOCUS:
        if (client) {
            Window* a = W(s->active);
            SetFocus(a && !(a->style & WS_MINIMIZE) ? a : client);
        }
        return 0;
    default: break;
    }
    return DefWindowProc(frame, msg, wp, lp);
}

LRESULT DefMDIChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* child = W(wnd);
    Window* client = ClientOf(child);
    switch (msg) {
    case WM_CHILDACTIVATE:
    case WM_SETFOCUS:
        if (client && client->mdi->active != child) Activate(client, child);
        return msg == WM_SETFOCUS ? 0 : 0;
    case WM_MOUSEACTIVATE: {
        LRESULT r = DefWindowProc(wnd, msg, wp, lp);
        if (client && W(child) && client->mdi->active != child) Activate(client, child);
        return r;
    }
    case WM_CLOSE:
        if (client) {
            Send(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        switch (wp & 0xFFF0) {
        case SC_NEXTWINDOW:
            if (client) Send(client, WM_MDINEXT, reinterpret_cast<WPARAM>(child), 0);
            return 0;
        case SC_PREVWINDOW:
            if (client) Send(client, WM_MDINEXT, reinterpret_cast<WPARAM>(child), 1);
            return 0;
        case SC_MAXIMIZE:
        case SC_RESTORE:
            if (client && client->mdi->active != child) Activate(client, child);
            break;
        default: break;
        }
        break;
    case WM_SETTEXT: {
        LRESULT r = DefWindowProc(wnd, msg, wp, lp);
        if (client) RefreshWindowMenu(client);
        return r;
    }
    default: break;
    }
    return DefWindowProc(wnd, msg, wp, lp);
}

} // namespace tv::win
