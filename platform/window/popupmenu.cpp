// Pop-up menus: the window that shows an open menu, its layout (owner-drawn
// items are measured and drawn by the owner), and the loop that tracks the
// mouse and the keyboard until an item is chosen or the menu is dismissed.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {
namespace {

constexpr int kCheckWidth = 20;
constexpr int kArrowWidth = 16;
constexpr int kSeparatorHeight = 8;

struct Popup {
    HMENU menu = nullptr;
    HWND wnd = nullptr;
    int hot = -1;
    std::vector<RECT> rects; // client coordinates, one per item
};

struct Tracking {
    HWND owner = nullptr;
    UINT flags = 0;
    std::vector<std::unique_ptr<Popup>> chain; // the open menu and its open submenus
    bool done = false;
    UINT chosen = 0;
};

Tracking* g_tracking = nullptr;

bool Selectable(const MenuItem& it) { return !(it.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)); }

std::string Plain(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

int MeasureText(const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    NONCLIENTMETRICS ncm;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &ncm, 0);
    HFONT font = CreateFontIndirect(ncm.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawText(dc, Plain(text), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return r.Width();
}

// Lays the items out in columns (MF_MENUBREAK starts one) and answers the
// client size.
SIZE Layout(Popup& p, HWND owner) {
    p.rects.clear();
    auto& items = p.menu->items;
    std::vector<std::pair<int, int>> sizes; // width, height
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& it = items[i];
        int w = 0, h = 0;
        if (it.flags & MF_OWNERDRAW) {
            MEASUREITEMSTRUCT mis;
            mis.itemID = UINT(it.id);
            mis.itemData = it.data;
            SendMessage(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
            w = int(mis.itemWidth) + kCheckWidth;
            h = int(mis.itemHeight);
        } else if (it.flags & MF_SEPARATOR) {
            h = kSeparatorHeight;
        } else {
            w = kCheckWidth + MeasureText(it.text) + kArrowWidth + 8;
            h = GetSystemMetrics(SM_CYMENU);
        }
        sizes.push_back({w, h});
    }
    int x = 0, y = 0, colWidth = 0, maxHeight = 0;
    size_t colStart = 0;
    auto closeColumn = [&](size_t end) {
        for (size_t k = colStart; k < end; ++k) p.rects[k].right = p.rects[k].left + colWidth;
        x += colWidth;
        colWidth = 0;
        colStart = end;
    };
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0 && (items[i].flags & (MF_MENUBREAK | MF_MENUBARBREAK))) {
            closeColumn(i);
            y = 0;
        }
        p.rects.push_back({x, y, x, y + sizes[i].second});
        y += sizes[i].second;
        colWidth = std::max(colWidth, sizes[i].first);
        maxHeight = std::max(maxHeight, y);
    }
    closeColumn(items.size());
    return {std::max<LONG>(x, 40), std::max<LONG>(maxHeight, 4)};
}

void DrawItem(HDC dc, Popup& p, size_t i, HWND owner) {
    const MenuItem& it = p.menu->items[i];
    RECT r = p.rects[i];
    bool hot = int(i) == p.hot;
    bool grayed = (it.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    if (it.flags & MF_OWNERDRAW) {
        DRAWITEMSTRUCT dis;
        dis.itemID = UINT(it.id);
        dis.itemState = (hot ? ODS_SELECTED : 0) | (grayed ? ODS_GRAYED : 0) | ((it.flags & MF_CHECKED) ? ODS_CHECKED : 0);
        dis.hwndItem = p.wnd;
        dis.hMenu = p.menu;
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = it.data;
        SendMessage(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    HBRUSH back = reinterpret_cast<HBRUSH>(std::intptr_t((hot && !(it.flags & MF_SEPARATOR) ? COLOR_HIGHLIGHT : COLOR_MENU) + 1));
    FillRect(dc, &r, back);
    if (it.flags & MF_SEPARATOR) {
        RECT line{r.left + 2, r.top + kSeparatorHeight / 2 - 1, r.right - 2, r.top + kSeparatorHeight / 2 + 1};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    if (it.flags & MF_CHECKED) {
        RECT c{r.left + 2, r.top + 2, r.left + kCheckWidth - 2, r.bottom - 2};
        DrawFrameControl(dc, &c, DFC_MENU, DFCS_MENUCHECK);
    }
    NONCLIENTMETRICS ncm;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &ncm, 0);
    HFONT font = CreateFontIndirect(ncm.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT t{r.left + kCheckWidth, r.top, r.right - kArrowWidth, r.bottom};
    DrawText(dc, it.text, &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
    if (it.subMenu) {
        RECT a{r.right - kArrowWidth, r.top, r.right, r.bottom};
        DrawFrameControl(dc, &a, DFC_MENU, DFCS_MENUARROW);
    }
}

Popup* PopupOf(HWND wnd) {
    if (!g_tracking) return nullptr;
    for (auto& p : g_tracking->chain)
        if (p->wnd == wnd) return p.get();
    return nullptr;
}

LRESULT PopupProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        Popup* p = PopupOf(wnd);
        if (dc && p && g_tracking)
            for (size_t i = 0; i < p->rects.size(); ++i) DrawItem(dc, *p, i, g_tracking->owner);
        EndPaint(wnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProc(wnd, msg, wp, lp);
    }
}

void EnsureClass() {
    WNDCLASS wc;
    if (GetClassInfo(POPUPMENU_CLASS, &wc)) return;
    wc = WNDCLASS{};
    wc.lpszClassName = POPUPMENU_CLASS;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = PopupProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_MENU + 1));
    RegisterClass(wc);
}

// Opens `menu` with its top-left corner near (x, y), kept on the screen.
void Open(Tracking& t, HMENU menu, int x, int y, UINT flags, const RECT* avoid) {
    auto p = std::make_unique<Popup>();
    p->menu = menu;
    if (!(t.flags & TPM_NONOTIFY))
        SendMessage(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), LPARAM(t.chain.size()));
    if (!IsMenu(menu)) return;
    SIZE size = Layout(*p, t.owner);
    int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    int w = size.cx + 2 * frame, h = size.cy + 2 * frame;
    if (flags & TPM_RIGHTALIGN) x -= w;
    else if (flags & TPM_CENTERALIGN) x -= w / 2;
    if (flags & TPM_BOTTOMALIGN) y -= h;
    else if (flags & TPM_VCENTERALIGN) y -= h / 2;
    if (x + w > ScreenWidth()) x = avoid ? avoid->left - w : ScreenWidth() - w;
    if (y + h > ScreenHeight()) y = ScreenHeight() - h;
    x = std::max(0, x);
    y = std::max(0, y);
    p->wnd = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, POPUPMENU_CLASS, "", WS_POPUP, x,
                            y, w, h, nullptr, nullptr);
    if (!p->wnd) return;
    HWND wnd = p->wnd;
    t.chain.push_back(std::move(p));
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
}

void CloseFrom(Tracking& t, size_t level) {
    while (t.chain.size() > level) {
        HWND wnd = t.chain.back()->wnd;
        t.chain.pop_back();
        if (IsWindow(wnd)) DestroyWindow(wnd);
    }
}

void SetHot(Tracking& t, size_t level, int index) {
    Popup& p = *t.chain[level];
    if (p.hot == index) return;
    p.hot = index;
    InvalidateRect(p.wnd, nullptr, TRUE);
    if (index >= 0 && !(t.flags & TPM_NONOTIFY)) {
        const MenuItem& it = p.menu->items[size_t(index)];
        UINT item = it.subMenu ? UINT(index) : UINT(it.id);
        SendMessage(t.owner, WM_MENUSELECT, MAKEWPARAM(int(item), int(it.flags | MF_HILITE)),
                    reinterpret_cast<LPARAM>(p.menu));
    }
}

// Makes an item hot and opens its submenu, closing deeper menus.
void Enter(Tracking& t, size_t level, int index, bool openSub) {
    CloseFrom(t, level + 1);
    SetHot(t, level, index);
    if (index < 0 || !openSub) return;
    Popup& p = *t.chain[level];
    const MenuItem& it = p.menu->items[size_t(index)];
    if (it.subMenu && Selectable(it)) {
        RECT r = p.rects[size_t(index)];
        POINT tl{r.right, r.top};
        ClientToScreen(p.wnd, &tl);
        RECT wr;
        GetWindowRect(p.wnd, &wr);
        Open(t, it.subMenu, tl.x, tl.y - GetSystemMetrics(SM_CYFIXEDFRAME), 0, &wr);
    }
}

void Choose(Tracking& t, size_t level, int index) {
    const MenuItem& it = t.chain[level]->menu->items[size_t(index)];
    if (!Selectable(it)) return;
    if (it.subMenu) {
        Enter(t, level, index, true);
        if (t.chain.size() > level + 1) {
            Popup& sub = *t.chain[level + 1];
            for (size_t k = 0; k < sub.menu->items.size(); ++k)
                if (Selectable(sub.menu->items[k])) {
                    SetHot(t, level + 1, int(k));
                    break;
                }
        }
        return;
    }
    t.chosen = UINT(it.id);
    t.done = true;
}

// The open menu and item under a screen point.
bool HitItem(Tracking& t, POINT pt, size_t* level, int* index) {
    for (size_t l = t.chain.size(); l-- > 0;) {
        Popup& p = *t.chain[l];
        RECT wr;
        GetWindowRect(p.wnd, &wr);
        if (!PtInRect(&wr, pt)) continue;
        *level = l;
        *index = -1;
        POINT c = pt;
        ScreenToClient(p.wnd, &c);
        for (size_t i = 0; i < p.rects.size(); ++i)
            if (PtInRect(&p.rects[i], c)) *index = int(i);
        return true;
    }
    return false;
}

void MoveHot(Tracking& t, int step) {
    size_t level = t.chain.size() - 1;
    Popup& p = *t.chain[level];
    int n = int(p.menu->items.size());
    if (!n) return;
    int i = p.hot;
    for (int k = 0; k < n; ++k) {
        i = (i + step + n) % n;
        if (i < 0) i = n - 1;
        if (!(p.menu->items[size_t(i)].flags & MF_SEPARATOR)) break;
    }
    Enter(t, level, i, false);
}

void Key(Tracking& t, const MSG& msg) {
    size_t level = t.chain.size() - 1;
    Popup& p = *t.chain[level];
    if (msg.message == WM_CHAR) {
        auto lower = [](std::uint32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
        for (size_t i = 0; i < p.menu->items.size(); ++i) {
            const std::string& text = p.menu->items[i].text;
            auto amp = text.find('&');
            if (amp == std::string::npos || amp + 1 >= text.size()) continue;
            if (lower(static_cast<unsigned char>(text[amp + 1])) == lower(std::uint32_t(msg.wParam))) {
                Choose(t, level, int(i));
                return;
            }
        }
        return;
    }
    switch (msg.wParam) {
    case VK_DOWN: MoveHot(t, 1); break;
    case VK_UP: MoveHot(t, -1); break;
    case VK_RIGHT:
        if (p.hot >= 0 && p.menu->items[size_t(p.hot)].subMenu) Choose(t, level, p.hot);
        break;
    case VK_LEFT:
        if (level > 0) CloseFrom(t, level);
        break;
    case VK_RETURN:
        if (p.hot >= 0) Choose(t, level, p.hot);
        break;
    case VK_ESCAPE:
        if (level > 0) CloseFrom(t, level);
        else t.done = true;
        break;
    default: break;
    }
}

} // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!IsMenu(menu) || !IsWindow(owner) || g_tracking) return FALSE;
    EnsureClass();
    Tracking t;
    t.owner = owner;
    t.flags = flags;
    Tracking* outer = g_tracking;
    g_tracking = &t;
    struct Restore {
        Tracking* t;
        Tracking* outer;
        ~Restore() {
            CloseFrom(*t, 0);
            if (IsWindow(t->owner)) {
                ReleaseCapture();
                SendMessage(t->owner, WM_EXITMENULOOP, TRUE, 0);
            }
            g_tracking = outer;
        }
    } restore{&t, outer};
    SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
    Open(t, menu, x, y, flags, nullptr);
    if (t.chain.empty()) return FALSE;
    HWND capture = t.chain.front()->wnd;
    SetCapture(capture);
    while (!t.done) {
        if (!IsWindow(owner) || t.chain.empty() || GetCapture() != capture) break;
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        if (mouse) {
            size_t level = 0;
            int index = -1;
            bool inside = HitItem(t, msg.pt, &level, &index);
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (inside && index >= 0) Enter(t, level, index, true);
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                if (!inside) t.done = true;
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (inside && index >= 0) Choose(t, level, index);
                break;
            default: break;
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            TranslateMessage(&msg);
            Key(t, msg);
            continue;
        }
        if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            Key(t, msg);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    UINT chosen = t.chosen;
    if (chosen && !(flags & TPM_RETURNCMD)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(int(chosen), 0), 0);
    if (flags & TPM_RETURNCMD) return BOOL(chosen);
    return chosen ? TRUE : FALSE;
}

BOOL EndMenu() {
    if (!g_tracking) return FALSE;
    g_tracking->done = true;
    return TRUE;
}

} // namespace tv::win
