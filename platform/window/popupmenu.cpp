// The menu loop: pop-up menus (their windows, layout and painting; owner-drawn
// items are measured and drawn by the owner) and the menu mode of a window's
// menu bar and system menu, tracked with the mouse and the keyboard until an
// item is chosen or the menu is left.
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
constexpr int kShortcutGap = 24;

struct Popup {
    HMENU menu = nullptr;
    HWND wnd = nullptr;
    int hot = -1;
    std::vector<RECT> rects; // client coordinates, one per item
};

struct Tracking {
    HWND owner = nullptr; // gets the notifications and the chosen command
    UINT flags = 0;
    Window* bar = nullptr; // the window whose menu bar is in menu mode
    HMENU barMenu = nullptr;
    int barHot = -1;
    bool barPressed = false; // a plain bar item pressed with the mouse
    bool system = false;
    HWND active = nullptr;  // leaving this activation leaves the menu
    HWND capture = nullptr;
    std::vector<std::unique_ptr<Popup>> chain; // the open menu and its open submenus
    bool done = false;
    UINT chosen = 0;
};

Tracking* g_tracking = nullptr;

bool Selectable(const MenuItem& it) { return !(it.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)); }
bool Notify(const Tracking& t) { return !(t.flags & TPM_NONOTIFY); }

std::string Plain(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// The caption and the shortcut text after the tab.
std::pair<std::string, std::string> Split(const std::string& text) {
    auto tab = text.find('\t');
    if (tab == std::string::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

HFONT MenuFont() {
    NONCLIENTMETRICS ncm;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &ncm, 0);
    return CreateFontIndirect(ncm.lfMenuFont);
}

int MeasureText(const std::string& text) {
    if (text.empty()) return 0;
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = MenuFont();
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
        const MenuItem it = items[i];
        auto [caption, shortcut] = Split(it.text);
        int w = kCheckWidth + MeasureText(caption) + kArrowWidth + 8;
        if (!shortcut.empty()) w += MeasureText(shortcut) + kShortcutGap;
        int h = GetSystemMetrics(SM_CYMENU);
        if (it.flags & MF_SEPARATOR) {
            w = 0;
            h = kSeparatorHeight;
        }
        if (it.flags & MF_OWNERDRAW) {
            MEASUREITEMSTRUCT mis;
            mis.itemID = UINT(it.id);
            mis.itemWidth = UINT(std::max(0, w - kCheckWidth));
            mis.itemHeight = UINT(h);
            mis.itemData = it.data;
            SendMessage(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
            if (!IsMenu(p.menu) || i >= p.menu->items.size()) break;
            w = int(mis.itemWidth) + kCheckWidth;
            h = int(mis.itemHeight);
        }
        sizes.push_back({w, h});
    }
    // An owner that changed the menu while it was measured gets it measured again.
    if (!IsMenu(p.menu) || sizes.size() != p.menu->items.size()) return {40, 4};
    int x = 0, y = 0, colWidth = 0, maxHeight = 0;
    size_t colStart = 0;
    auto closeColumn = [&](size_t end) {
        for (size_t k = colStart; k < end; ++k) p.rects[k].right = p.rects[k].left + colWidth;
        x += colWidth;
        colWidth = 0;
        colStart = end;
    };
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (i > 0 && (items[i].flags & (MF_MENUBREAK | MF_MENUBARBREAK))) {
            closeColumn(i);
            y = 0;
        }
        p.rects.push_back({x, y, x, y + sizes[i].second});
        y += sizes[i].second;
        colWidth = std::max(colWidth, sizes[i].first);
        maxHeight = std::max(maxHeight, y);
    }
    closeColumn(sizes.size());
    return {std::max<LONG>(x, 40), std::max<LONG>(maxHeight, 4)};
}

void DrawItem(HDC dc, Popup& p, size_t i, HWND owner) {
    if (!IsMenu(p.menu) || i >= p.menu->items.size() || i >= p.rects.size()) return;
    const MenuItem it = p.menu->items[i];
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
    HFONT font = MenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    auto [caption, shortcut] = Split(it.text);
    RECT t{r.left + kCheckWidth, r.top, r.right - kArrowWidth, r.bottom};
    DrawText(dc, caption, &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!shortcut.empty()) DrawText(dc, shortcut, &t, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
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
// `index` is the item that opened it (its position in the parent menu or bar).
void Open(Tracking& t, HMENU menu, int x, int y, UINT flags, const RECT* avoid, int index) {
    if (Notify(t))
        SendMessage(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(index, t.system ? 1 : 0));
    if (!IsMenu(menu) || !IsWindow(t.owner) || t.done) return;
    auto p = std::make_unique<Popup>();
    p->menu = menu;
    SIZE size = Layout(*p, t.owner);
    if (!IsMenu(menu) || !IsWindow(t.owner) || p->rects.size() != menu->items.size()) return;
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
    if (index >= 0 && Notify(t)) {
        const MenuItem& it = p.menu->items[size_t(index)];
        UINT item = it.subMenu ? UINT(index) : UINT(it.id);
        SendMessage(t.owner, WM_MENUSELECT, MAKEWPARAM(int(item), int((it.flags | MF_HILITE) & 0xFFFF)),
                    reinterpret_cast<LPARAM>(p.menu));
    }
}

void SelectFirst(Tracking& t, size_t level) {
    Popup& p = *t.chain[level];
    for (size_t k = 0; k < p.menu->items.size(); ++k)
        if (Selectable(p.menu->items[k])) {
            SetHot(t, level, int(k));
            return;
        }
}

// Makes an item hot and, when asked, opens its submenu; deeper menus close.
void Enter(Tracking& t, size_t level, int index, bool openSub) {
    Popup& p = *t.chain[level];
    bool same = p.hot == index;
    bool subOpen = t.chain.size() > level + 1;
    if (same && (subOpen || !openSub)) return;
    CloseFrom(t, level + 1);
    SetHot(t, level, index);
    if (index < 0 || !openSub || t.chain.size() <= level || !IsMenu(p.menu)) return;
    const MenuItem it = p.menu->items[size_t(index)];
    if (it.subMenu && Selectable(it)) {
        RECT r = p.rects[size_t(index)];
        POINT tl{r.right, r.top};
        ClientToScreen(p.wnd, &tl);
        RECT wr;
        GetWindowRect(p.wnd, &wr);
        Open(t, it.subMenu, tl.x, tl.y - GetSystemMetrics(SM_CYFIXEDFRAME), 0, &wr, index);
    }
}

void Choose(Tracking& t, size_t level, int index, bool selectFirst) {
    const MenuItem it = t.chain[level]->menu->items[size_t(index)];
    if (!Selectable(it)) return;
    if (it.subMenu) {
        Enter(t, level, index, true);
        if (selectFirst && t.chain.size() > level + 1 && t.chain[level + 1]->hot < 0) SelectFirst(t, level + 1);
        return;
    }
    t.chosen = UINT(it.id);
    t.done = true;
}

void RedrawBar(Tracking& t) {
    if (W(t.bar)) RedrawWindow(t.bar, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void SetBarHilite(Tracking& t, int index, bool on) {
    if (!IsMenu(t.barMenu) || index < 0 || size_t(index) >= t.barMenu->items.size()) return;
    UINT& f = t.barMenu->items[size_t(index)].flags;
    f = on ? (f | MF_HILITE) : (f & ~MF_HILITE);
}

// Moves the menu bar's highlight to an item; with `open` its popup opens,
// with its first item selected when `selectFirst`.
void SelectBar(Tracking& t, int index, bool open, bool selectFirst) {
    CloseFrom(t, 0);
    t.barPressed = false;
    if (!IsMenu(t.barMenu) || index < 0 || size_t(index) >= t.barMenu->items.size()) return;
    if (t.barHot != index) {
        SetBarHilite(t, t.barHot, false);
        t.barHot = index;
        SetBarHilite(t, index, true);
        RedrawBar(t);
        const MenuItem& it = t.barMenu->items[size_t(index)];
        if (Notify(t)) {
            UINT item = it.subMenu ? UINT(index) : UINT(it.id);
            SendMessage(t.owner, WM_MENUSELECT, MAKEWPARAM(int(item), int((it.flags | MF_HILITE) & 0xFFFF)),
                        reinterpret_cast<LPARAM>(t.barMenu));
        }
    }
    if (!open || !W(t.bar) || !IsMenu(t.barMenu) || size_t(index) >= t.barMenu->items.size()) return;
    const MenuItem it = t.barMenu->items[size_t(index)];
    if (!it.subMenu || !Selectable(it)) return;
    RECT r;
    if (!GetMenuItemRect(t.bar, t.barMenu, UINT(index), &r)) return;
    Open(t, it.subMenu, r.left, r.bottom, 0, nullptr, index);
    if (selectFirst && !t.chain.empty()) SelectFirst(t, 0);
}

// The next bar item in a direction, wrapping around, skipping separators.
int NextBarItem(Tracking& t, int step) {
    int n = int(t.barMenu->items.size());
    int i = t.barHot;
    for (int k = 0; k < n; ++k) {
        i = ((i < 0 ? (step > 0 ? -1 : n) : i) + step + n) % n;
        if (!(t.barMenu->items[size_t(i)].flags & MF_SEPARATOR)) return i;
    }
    return t.barHot;
}

// A bar item chosen with Enter, Down, its letter or a click.
void ChooseBar(Tracking& t, int index, bool keyboard) {
    if (index < 0 || size_t(index) >= t.barMenu->items.size()) return;
    const MenuItem it = t.barMenu->items[size_t(index)];
    if (it.subMenu) {
        SelectBar(t, index, true, keyboard);
        return;
    }
    SelectBar(t, index, false, false);
    if (Selectable(it)) {
        t.chosen = UINT(it.id);
        t.done = true;
    }
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
            if (PtInRect(&p.rects[i], c) && !(p.menu->items[i].flags & MF_SEPARATOR)) *index = int(i);
        return true;
    }
    return false;
}

void MoveHot(Tracking& t, int step) {
    size_t level = t.chain.size() - 1;
    Popup& p = *t.chain[level];
    int n = int(p.menu->items.size());
    int i = p.hot;
    for (int k = 0; k < n; ++k) {
        i = ((i < 0 ? (step > 0 ? -1 : n) : i) + step + n) % n;
        if (Selectable(p.menu->items[size_t(i)])) {
            Enter(t, level, i, false);
            return;
        }
    }
}

void Key(Tracking& t, const MSG& msg) {
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        char32_t ch = char32_t(msg.wParam);
        if (!t.chain.empty()) {
            size_t level = t.chain.size() - 1;
            int i = MenuItemFromMnemonic(t.chain[level]->menu, ch);
            if (i >= 0) Choose(t, level, i, true);
        } else if (t.bar) {
            int i = MenuItemFromMnemonic(t.barMenu, ch);
            if (i >= 0) ChooseBar(t, i, true);
        }
        return;
    }
    int vk = int(msg.wParam);
    if (vk == VK_MENU || vk == VK_F10) {
        t.done = true;
        return;
    }
    if (t.chain.empty()) {
        if (!t.bar) {
            t.done = true;
            return;
        }
        switch (vk) {
        case VK_LEFT: SelectBar(t, NextBarItem(t, -1), false, false); break;
        case VK_RIGHT: SelectBar(t, NextBarItem(t, 1), false, false); break;
        case VK_DOWN: case VK_UP:
            if (t.barHot >= 0 && t.barMenu->items[size_t(t.barHot)].subMenu) ChooseBar(t, t.barHot, true);
            break;
        case VK_RETURN: ChooseBar(t, t.barHot, true); break;
        case VK_ESCAPE: t.done = true; break;
        default: break;
        }
        return;
    }
    size_t level = t.chain.size() - 1;
    Popup& p = *t.chain[level];
    switch (vk) {
    case VK_DOWN: MoveHot(t, 1); break;
    case VK_UP: MoveHot(t, -1); break;
    case VK_RIGHT:
        if (p.hot >= 0 && p.menu->items[size_t(p.hot)].subMenu && Selectable(p.menu->items[size_t(p.hot)]))
            Choose(t, level, p.hot, true);
        else if (t.bar) SelectBar(t, NextBarItem(t, 1), true, true);
        break;
    case VK_LEFT:
        if (level > 0) CloseFrom(t, level);
        else if (t.bar) SelectBar(t, NextBarItem(t, -1), true, true);
        break;
    case VK_RETURN:
        if (p.hot >= 0) Choose(t, level, p.hot, true);
        break;
    case VK_ESCAPE:
        if (level > 0) CloseFrom(t, level);
        else if (t.bar) CloseFrom(t, 0); // back to the highlighted bar
        else t.done = true;
        break;
    default: break;
    }
}

void Mouse(Tracking& t, const MSG& msg) {
    UINT m = msg.message;
    if (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK) m = m - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    size_t level = 0;
    int index = -1;
    bool inPopup = HitItem(t, msg.pt, &level, &index);
    int barIndex = (!inPopup && t.bar) ? MenuItemFromPoint(t.bar, t.barMenu, msg.pt) : -1;
    switch (m) {
    case WM_MOUSEMOVE:
        if (inPopup) {
            if (index >= 0) Enter(t, level, index, true);
        } else if (barIndex >= 0 && barIndex != t.barHot && !t.barPressed) {
            // Along the bar: with a popup open, the other item's opens.
            SelectBar(t, barIndex, !t.chain.empty(), false);
        }
        break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK:
        if (inPopup) break;
        if (barIndex >= 0) {
            if (barIndex == t.barHot && !t.chain.empty()) {
                t.done = true;
                break;
            }
            SelectBar(t, barIndex, true, false);
            if (!t.barMenu->items[size_t(barIndex)].subMenu) t.barPressed = true;
            break;
        }
        t.done = true;
        break;
    case WM_LBUTTONUP: case WM_RBUTTONUP:
        if (inPopup) {
            if (index >= 0) Choose(t, level, index, false);
        } else if (t.barPressed) {
            if (barIndex == t.barHot) ChooseBar(t, barIndex, false);
            t.done = true;
        }
        break;
    default: break;
    }
}

// Closes the menu when what it shows is gone; lays a popup out again when
// its items changed under it.
bool StillValid(Tracking& t) {
    if (!IsWindow(t.owner)) return false;
    if (t.capture && GetCapture() != t.capture) return false;
    if (t.active && GetActiveWindow() != t.active) return false;
    if (t.bar && (!W(t.bar) || t.bar->menu != t.barMenu || !IsMenu(t.barMenu))) return false;
    if (t.bar && t.barHot >= int(t.barMenu->items.size())) t.barHot = -1;
    for (auto& p : t.chain) {
        if (!IsMenu(p->menu) || !IsWindow(p->wnd)) return false;
        if (p->rects.size() != p->menu->items.size()) {
            SIZE size = Layout(*p, t.owner);
            if (!IsMenu(p->menu) || p->rects.size() != p->menu->items.size()) return false;
            int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
            SetWindowPos(p->wnd, nullptr, 0, 0, size.cx + 2 * frame, size.cy + 2 * frame,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (p->hot >= int(p->rects.size())) p->hot = -1;
            InvalidateRect(p->wnd, nullptr, TRUE);
        }
    }
    return true;
}

void Run(Tracking& t) {
    while (!t.done) {
        if (!StillValid(t)) break;
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST && msg.message != WM_MOUSEWHEEL) ||
                     (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
        if (mouse) {
            Mouse(t, msg);
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
        if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

// Brings the menu mode up and down around Run, however it ends.
class Session {
public:
    Session(Tracking& t, bool popupOnly) : t_(t), outer_(g_tracking), popupOnly_(popupOnly) {
        g_tracking = &t;
        EnsureClass();
        SendMessage(t.owner, WM_ENTERMENULOOP, popupOnly ? TRUE : FALSE, 0);
        if (Notify(t) && IsWindow(t.owner)) {
            HMENU first = t.bar ? t.barMenu : nullptr;
            if (first) SendMessage(t.owner, WM_INITMENU, reinterpret_cast<WPARAM>(first), 0);
        }
        if (t.bar && W(t.bar)) t.barMenu = t.bar->menu; // the handler may have set another
    }
    ~Session() {
        CloseFrom(t_, 0);
        if (t_.bar && W(t_.bar) && t_.bar->menu == t_.barMenu) {
            SetBarHilite(t_, t_.barHot, false);
            RedrawBar(t_);
        }
        if (t_.capture && GetCapture() == t_.capture) ReleaseCapture();
        g_tracking = outer_;
        if (IsWindow(t_.owner)) {
            if (Notify(t_)) SendMessage(t_.owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
            if (IsWindow(t_.owner)) SendMessage(t_.owner, WM_EXITMENULOOP, popupOnly_ ? TRUE : FALSE, 0);
        }
    }

private:
    Tracking& t_;
    Tracking* outer_;
    bool popupOnly_;
};

HMENU MakeSystemMenu(Window* w) {
    bool max = (w->style & WS_MAXIMIZE) != 0, min = (w->style & WS_MINIMIZE) != 0;
    auto state = [](bool on) { return on ? MF_ENABLED : MF_GRAYED; };
    HMENU m = CreatePopupMenu();
    AppendMenu(m, state(max || min), SC_RESTORE, "&Restaurar");
    AppendMenu(m, state(!max), SC_MOVE, "&Mover");
    AppendMenu(m, state((w->style & WS_THICKFRAME) && !max && !min), SC_SIZE, "&Tamaño");
    AppendMenu(m, state((w->style & WS_MINIMIZEBOX) && !min), SC_MINIMIZE, "Mi&nimizar");
    AppendMenu(m, state((w->style & WS_MAXIMIZEBOX) && !max), SC_MAXIMIZE, "Ma&ximizar");
    AppendMenu(m, MF_SEPARATOR, 0, "");
    AppendMenu(m, state(!(w->cls->wc.style & CS_NOCLOSE)), SC_CLOSE, "&Cerrar\tAlt+F4");
    return m;
}

} // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!IsMenu(menu) || !IsWindow(owner) || g_tracking) return FALSE;
    Tracking t;
    t.owner = owner;
    t.flags = flags;
    {
        Session session(t, true);
        if (IsMenu(menu) && IsWindow(owner)) Open(t, menu, x, y, flags, nullptr, 0);
        if (t.chain.empty()) return FALSE;
        t.capture = t.chain.front()->wnd;
        SetCapture(t.capture);
        Run(t);
    }
    UINT chosen = t.chosen;
    if (chosen && !(flags & TPM_RETURNCMD) && IsWindow(owner))
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(int(chosen), 0), 0);
    if (flags & TPM_RETURNCMD) return BOOL(chosen);
    return chosen ? TRUE : FALSE;
}

void TrackMenuBarMode(HWND wnd, int item, bool open, bool keyboard) {
    Window* w = W(wnd);
    if (!w || !HasMenuBar(w) || g_tracking) return;
    Tracking t;
    t.owner = w;
    t.bar = w;
    t.barMenu = w->menu;
    t.active = GetActiveWindow();
    {
        Session session(t, false);
        if (!StillValid(t) || item < 0 || size_t(item) >= t.barMenu->items.size()) return;
        t.capture = w;
        SetCapture(w);
        if (keyboard) {
            if (open) ChooseBar(t, item, true);
            else SelectBar(t, item, false, false);
        } else {
            // A pressed plain item runs when the button is let go over it.
            SelectBar(t, item, true, false);
            if (IsMenu(t.barMenu) && !t.barMenu->items[size_t(item)].subMenu) t.barPressed = true;
        }
        Run(t);
    }
    if (t.chosen && IsWindow(wnd)) SendMessage(wnd, WM_COMMAND, MAKEWPARAM(int(t.chosen), 0), 0);
}

void TrackSystemMenu(HWND wnd) {
    Window* w = W(wnd);
    if (!w || !(w->style & WS_SYSMENU) || g_tracking) return;
    HMENU menu = MakeSystemMenu(w);
    Tracking t;
    t.owner = w;
    t.system = true;
    t.active = GetActiveWindow();
    {
        Session session(t, false);
        if (IsWindow(wnd)) SendMessage(wnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        POINT o = WindowOrigin(w);
        if (W(w) && IsMenu(menu))
            Open(t, menu, o.x + FrameWidth(w), o.y + FrameHeight(w) + CaptionHeight(w), 0, nullptr, 0);
        if (!t.chain.empty()) {
            SelectFirst(t, 0);
            t.capture = t.chain.front()->wnd;
            SetCapture(t.capture);
            Run(t);
        }
    }
    DestroyMenu(menu);
    if (t.chosen && IsWindow(wnd)) SendMessage(wnd, WM_SYSCOMMAND, t.chosen, 0);
}

BOOL EndMenu() {
    if (!g_tracking) return FALSE;
    g_tracking->done = true;
    return TRUE;
}

} // namespace tv::win
