// The list box window procedure.
#include "platform/controls/listbox.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/strutils.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/ownerdraw.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

struct Item {
    std::string text;
    UINT_PTR data = 0;
    bool selected = false;
    int height = 0;
};

struct ListState {
    std::vector<Item> items;
    int virtualCount = 0; // LBS_NODATA
    int cur = -1;         // current item (single selection: the selection)
    int anchor = -1;
    int top = 0;
    int itemHeight = 0;
    HFONT font = nullptr;
    bool focused = false;
    bool tracking = false;
};

const WindowStateProp<ListState> kState{"TvListBoxState"};
ListState* State(HWND w) { return kState.Get(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }
bool Multi(HWND w) { return Style(w) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }
bool NoData(HWND w) { return Style(w) & LBS_NODATA; }
bool OwnerDraw(HWND w) { return Style(w) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }
bool HasStrings(HWND w) { return !OwnerDraw(w) || (Style(w) & LBS_HASSTRINGS); }
int Count(HWND w, ListState& s) { return NoData(w) ? s.virtualCount : int(s.items.size()); }

// Who hears the list's notifications and draws its items: the parent, or
// the combo box that dropped the list.
HWND Listener(HWND w) {
    if (Style(w) & LBS_COMBOBOX) {
        if (HWND owner = GetWindow(w, GW_OWNER)) return owner;
    }
    return GetParent(w);
}

void Notify(HWND w, WORD code) {
    if (!(Style(w) & LBS_NOTIFY) && !(Style(w) & LBS_COMBOBOX)) return;
    if (HWND l = Listener(w))
        SendMessage(l, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), code), reinterpret_cast<LPARAM>(w));
}

int FontHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::max<int>(1, tm.tmHeight);
}

int DefaultHeight(ListState& s) { return s.itemHeight > 0 ? s.itemHeight : FontHeight(s.font); }

int ItemHeight(HWND w, ListState& s, int i) {
    if ((Style(w) & LBS_OWNERDRAWVARIABLE) && i >= 0 && i < int(s.items.size()) && s.items[size_t(i)].height > 0)
        return s.items[size_t(i)].height;
    return DefaultHeight(s);
}

void Measure(HWND w, ListState& s, int i) {
    if (!(Style(w) & LBS_OWNERDRAWVARIABLE) || NoData(w)) return;
    MEASUREITEMSTRUCT mi;
    mi.CtlType = (Style(w) & LBS_COMBOBOX) ? ODT_COMBOBOX_ITEM : ODT_LISTBOX_ITEM;
    mi.CtlID = UINT(GetDlgCtrlID(Listener(w) == GetParent(w) ? w : Listener(w)));
    mi.itemID = UINT(i);
    mi.itemHeight = UINT(DefaultHeight(s));
    mi.itemData = LONG_PTR(s.items[size_t(i)].data);
    if (HWND l = Listener(w)) SendMessage(l, WM_MEASUREITEM, WPARAM(mi.CtlID), reinterpret_cast<LPARAM>(&mi));
    s.items[size_t(i)].height = int(mi.itemHeight);
}

int ClientHeight(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    return r.Height();
}

// Items that fit from the top one.
int PageSize(HWND w, ListState& s) {
    int h = ClientHeight(w), n = 0;
    for (int i = s.top; i < Count(w, s); ++i) {
        h -= ItemHeight(w, s, i);
        if (h < 0) break;
        ++n;
    }
    return std::max(1, n);
}

void UpdateScroll(HWND w, ListState& s) {
    if (!(Style(w) & WS_VSCROLL)) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((Style(w) & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    si.nMin = 0;
    si.nMax = std::max(0, Count(w, s) - 1);
    si.nPage = UINT(PageSize(w, s));
    si.nPos = s.top;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
}

void SetTop(HWND w, ListState& s, int top) {
    int maxTop = std::max(0, Count(w, s) - PageSize(w, s));
    // The page size depends on the top item for variable heights; settle it.
    top = std::clamp(top, 0, std::max(maxTop, 0));
    if (top != s.top) {
        s.top = top;
        InvalidateRect(w, nullptr, TRUE);
    }
    UpdateScroll(w, s);
}

void EnsureVisible(HWND w, ListState& s, int i) {
    if (i < 0) return;
    if (i < s.top) SetTop(w, s, i);
    else {
        while (i >= s.top + PageSize(w, s) && s.top < i) SetTop(w, s, s.top + 1);
    }
}

RECT ItemRect(HWND w, ListState& s, int i) {
    RECT c;
    GetClientRect(w, &c);
    int y = 0;
    if (i >= s.top)
        for (int k = s.top; k < i; ++k) y += ItemHeight(w, s, k);
    else
        for (int k = i; k < s.top; ++k) y -= ItemHeight(w, s, k);
    return {0, y, c.right, y + ItemHeight(w, s, i)};
}

int ItemAt(HWND w, ListState& s, POINT p) {
    int y = 0;
    for (int i = s.top; i < Count(w, s); ++i) {
        int h = ItemHeight(w, s, i);
        if (p.y >= y && p.y < y + h) return i;
        y += h;
    }
    return -1;
}

bool IsSelected(HWND w, ListState& s, int i) {
    if (i < 0 || i >= Count(w, s)) return false;
    if (Multi(w) && !NoData(w)) return s.items[size_t(i)].selected;
    return i == s.cur;
}

int Insert(HWND w, ListState& s, int at, const char* text) {
    if (NoData(w)) return int(LB_ERR);
    Item it;
    if (HasStrings(w)) it.text = text ? text : "";
    else it.data = reinterpret_cast<UINT_PTR>(text);
    if (at < 0 || at > int(s.items.size())) at = int(s.items.size());
    if (at == int(s.items.size()) && (Style(w) & LBS_SORT) && HasStrings(w)) {
        // After the last item that does not sort after it, so equal texts keep their order.
        auto pos = std::upper_bound(s.items.begin(), s.items.end(), it.text,
                                    [](const std::string& t, const Item& x) { return AnsiCompareText(t, x.text) < 0; });
        at = int(pos - s.items.begin());
    }
    s.items.insert(s.items.begin() + at, it);
    if (s.cur >= at) ++s.cur;
    Measure(w, s, at);
    UpdateScroll(w, s);
    InvalidateRect(w, nullptr, TRUE);
    return at;
}

int Find(HWND w, ListState& s, int start, const char* text, bool exact) {
    int n = int(s.items.size());
    if (n == 0 || NoData(w)) return int(LB_ERR);
    std::string t = text ? text : "";
    if (start < -1 || start >= n) start = -1;
    for (int k = 1; k <= n; ++k) {
        int i = (start + k) % n;
        const std::string& it = s.items[size_t(i)].text;
        if (!HasStrings(w)) {
            if (s.items[size_t(i)].data == reinterpret_cast<UINT_PTR>(text)) return i;
            continue;
        }
        if (exact ? AnsiSameText(it, t) : AnsiStartsText(t, it)) return i;
    }
    return int(LB_ERR);
}

void SetCur(HWND w, ListState& s, int i, bool notify) {
    if (i >= Count(w, s)) i = Count(w, s) - 1;
    if (i < -1) i = -1;
    if (i == s.cur && !Multi(w)) return;
    s.cur = i;
    if (Multi(w) && !NoData(w) && i >= 0) {
        for (auto& it : s.items) it.selected = false;
        s.items[size_t(i)].selected = true;
        s.anchor = i;
    }
    EnsureVisible(w, s, i);
    InvalidateRect(w, nullptr, TRUE);
    if (notify) Notify(w, LBN_SELCHANGE);
}

void Paint(HWND w, ListState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    RECT c;
    GetClientRect(w, &c);
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    bool enabled = IsWindowEnabled(w);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    HBRUSH brush = nullptr;
    if (HWND l = Listener(w))
        brush = reinterpret_cast<HBRUSH>(SendMessage(l, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(w)));
    if (brush) FillRect(dc, &c, brush);
    else {
        HBRUSH b = CreateSolidBrush(GetBkColor(dc));
        FillRect(dc, &c, b);
        DeleteObject(b);
    }
    COLORREF text = GetTextColor(dc), back = GetBkColor(dc);
    for (int i = s.top; i < Count(w, s); ++i) {
        RECT r = ItemRect(w, s, i);
        if (r.top >= c.bottom) break;
        bool sel = IsSelected(w, s, i);
        if (OwnerDraw(w)) {
            DRAWITEMSTRUCT di;
            bool combo = Style(w) & LBS_COMBOBOX;
            HWND l = Listener(w);
            di.CtlType = combo ? ODT_COMBOBOX_ITEM : ODT_LISTBOX_ITEM;
            di.CtlID = UINT(GetDlgCtrlID(combo ? l : w));
            di.itemID = UINT(i);
            di.itemAction = ODA_DRAWENTIRE;
            di.itemState = (sel ? ODS_SELECTED : 0) | (s.focused && i == s.cur ? ODS_FOCUS_ITEM : 0) | (enabled ? 0 : ODS_DISABLED);
            di.hwndItem = combo ? l : w;
            di.hDC = dc;
            di.rcItem = r;
            di.itemData = NoData(w) ? 0 : LONG_PTR(s.items[size_t(i)].data);
            int saved = SaveDC(dc);
            if (l) SendMessage(l, WM_DRAWITEM, WPARAM(di.CtlID), reinterpret_cast<LPARAM>(&di));
            RestoreDC(dc, saved);
            continue;
        }
        if (sel) {
            HBRUSH hb = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
            FillRect(dc, &r, hb);
            DeleteObject(hb);
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetTextColor(dc, text);
        }
        SetBkMode(dc, TRANSPARENT);
        RECT tr{r.left + 2, r.top, r.right - 2, r.bottom};
        DrawText(dc, s.items[size_t(i)].text, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (s.focused && i == s.cur) DrawFocusRect(dc, &r);
    }
    (void)back;
    SelectObject(dc, oldFont);
    if (!given) EndPaint(w, &ps);
}

void ClickItem(HWND w, ListState& s, int i, WPARAM keys) {
    if (i < 0 || (Style(w) & LBS_NOSEL)) return;
    if (Style(w) & LBS_MULTIPLESEL) {
        if (!NoData(w)) s.items[size_t(i)].selected = !s.items[size_t(i)].selected;
        s.cur = i;
    } else if ((Style(w) & LBS_EXTENDEDSEL) && !NoData(w)) {
        if ((keys & MK_SHIFT) && s.anchor >= 0) {
            if (!(keys & MK_CONTROL))
                for (auto& it : s.items) it.selected = false;
            for (int k = std::min(s.anchor, i); k <= std::max(s.anchor, i); ++k) s.items[size_t(k)].selected = true;
        } else if (keys & MK_CONTROL) {
            s.items[size_t(i)].selected = !s.items[size_t(i)].selected;
            s.anchor = i;
        } else {
            for (auto& it : s.items) it.selected = false;
            s.items[size_t(i)].selected = true;
            s.anchor = i;
        }
        s.cur = i;
    } else {
        if (i == s.cur) return;
        s.cur = i;
    }
    EnsureVisible(w, s, i);
    InvalidateRect(w, nullptr, TRUE);
    Notify(w, LBN_SELCHANGE);
}

void KeyDown(HWND w, ListState& s, int vk) {
    int n = Count(w, s);
    if (n == 0) return;
    int cur = s.cur < 0 ? 0 : s.cur, next = cur;
    switch (vk) {
    case VK_UP: next = s.cur < 0 ? 0 : cur - 1; break;
    case VK_DOWN: next = s.cur < 0 ? 0 : cur + 1; break;
    case VK_PRIOR: next = cur - (PageSize(w, s) - 1); break;
    case VK_NEXT: next = cur + (PageSize(w, s) - 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = n - 1; break;
    case VK_SPACE:
        if (Style(w) & LBS_MULTIPLESEL) ClickItem(w, s, cur, 0);
        return;
    default: return;
    }
    next = std::clamp(next, 0, n - 1);
    if (Style(w) & LBS_MULTIPLESEL) {
        s.cur = next;
        EnsureVisible(w, s, next);
        InvalidateRect(w, nullptr, TRUE);
        return;
    }
    if (next == s.cur) return;
    SetCur(w, s, next, true);
}

// --- what the window procedure delegates to ---

void ScrollByCode(HWND w, ListState& s, WORD code, int thumb) {
    int page = PageSize(w, s);
    switch (code) {
    case SB_LINEUP: SetTop(w, s, s.top - 1); break;
    case SB_LINEDOWN: SetTop(w, s, s.top + 1); break;
    case SB_PAGEUP: SetTop(w, s, s.top - page); break;
    case SB_PAGEDOWN: SetTop(w, s, s.top + page); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: SetTop(w, s, thumb); break;
    case SB_TOP: SetTop(w, s, 0); break;
    case SB_BOTTOM: SetTop(w, s, Count(w, s)); break;
    }
}

LRESULT InsertAtPlace(HWND w, ListState& s, int at, const char* text) {
    if (at > int(s.items.size())) return LB_ERR;
    DWORD st = Style(w);
    // An insert at a place is never sorted.
    SetWindowLong(w, GWL_STYLE, st & ~LBS_SORT);
    int r = Insert(w, s, at, text);
    SetWindowLong(w, GWL_STYLE, st);
    return r;
}

LRESULT DeleteItem(HWND w, ListState& s, int i) {
    if (i < 0 || i >= int(s.items.size())) return LB_ERR;
    s.items.erase(s.items.begin() + i);
    if (s.cur == i) s.cur = -1;
    else if (s.cur > i) --s.cur;
    SetTop(w, s, s.top);
    InvalidateRect(w, nullptr, TRUE);
    return LRESULT(s.items.size());
}

void ResetContent(HWND w, ListState& s) {
    s.items.clear();
    s.virtualCount = 0;
    s.cur = s.anchor = -1;
    s.top = 0;
    UpdateScroll(w, s);
    InvalidateRect(w, nullptr, TRUE);
}

LRESULT SetCurSel(HWND w, ListState& s, int i) {
    if (Multi(w)) return LB_ERR;
    if (i < -1 || i >= Count(w, s)) {
        SetCur(w, s, -1, false);
        return LB_ERR;
    }
    SetCur(w, s, i, false);
    return i;
}

// Item -1 is every item.
LRESULT SetSelState(HWND w, ListState& s, bool select, int i) {
    if (!Multi(w) || NoData(w)) return LB_ERR;
    if (i == -1) {
        for (auto& it : s.items) it.selected = select;
    } else {
        if (i < 0 || i >= int(s.items.size())) return LB_ERR;
        s.items[size_t(i)].selected = select;
    }
    InvalidateRect(w, nullptr, TRUE);
    return 0;
}

// One item's height in a variable owner-drawn list, otherwise every item's.
LRESULT SetItemHeight(HWND w, ListState& s, int i, int h) {
    if (h <= 0 || h > 255) return LB_ERR;
    if ((Style(w) & LBS_OWNERDRAWVARIABLE) && i >= 0 && i < int(s.items.size())) s.items[size_t(i)].height = h;
    else s.itemHeight = h;
    SetTop(w, s, s.top);
    InvalidateRect(w, nullptr, TRUE);
    return 0;
}

// The nearest item in the low word, and whether the point lies outside the
// items in the high word.
LRESULT ItemFromPoint(HWND w, ListState& s, POINT p) {
    int i = ItemAt(w, s, p);
    RECT c;
    GetClientRect(w, &c);
    bool outside = i < 0 || p.x < 0 || p.x >= c.right;
    if (i < 0) i = std::max(0, Count(w, s) - 1);
    return MAKELPARAM(i, outside ? 1 : 0);
}

LRESULT ListProc(HWND w, ListState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        if (LOWORD(lp)) InvalidateRect(w, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT:
        Paint(w, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_SIZE:
        SetTop(w, s, s.top);
        return DefWindowProc(w, msg, wp, lp);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        s.focused = true;
        InvalidateRect(w, nullptr, TRUE);
        Notify(w, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        InvalidateRect(w, nullptr, TRUE);
        Notify(w, LBN_KILLFOCUS);
        return 0;
    case WM_MOUSEACTIVATE:
        if (Style(w) & LBS_COMBOBOX) return MA_NOACTIVATE;
        return DefWindowProc(w, msg, wp, lp);
    case WM_LBUTTONDOWN: {
        if (!(Style(w) & LBS_COMBOBOX) && GetFocus() != w) SetFocus(w);
        ClickItem(w, s, ItemAt(w, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}), wp);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (ItemAt(w, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) >= 0) Notify(w, LBN_DBLCLK);
        return 0;
    case WM_MOUSEWHEEL:
        SetTop(w, s, s.top - std::int16_t(HIWORD(wp)) / WHEEL_DELTA * 3);
        return 0;
    case WM_VSCROLL:
        ScrollByCode(w, s, LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_KEYDOWN:
        KeyDown(w, s, int(wp));
        return 0;
    case WM_CHAR: {
        if (wp < 0x20 || NoData(w) || !HasStrings(w)) return 0;
        std::string prefix = Utf8Encode(char32_t(wp));
        int i = Find(w, s, s.cur, prefix.c_str(), false);
        if (i >= 0 && i != s.cur) SetCur(w, s, i, true);
        return 0;
    }
    case LB_ADDSTRING: return Insert(w, s, -1, reinterpret_cast<const char*>(lp));
    case LB_INSERTSTRING: return InsertAtPlace(w, s, int(std::intptr_t(wp)), reinterpret_cast<const char*>(lp));
    case LB_DELETESTRING: return DeleteItem(w, s, int(std::intptr_t(wp)));
    case LB_RESETCONTENT:
        ResetContent(w, s);
        return 0;
    case LB_SETCOUNT:
        if (!NoData(w)) return LB_ERR;
        s.virtualCount = std::max(0, int(wp));
        if (s.cur >= s.virtualCount) s.cur = -1;
        SetTop(w, s, s.top);
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    case LB_GETCOUNT: return Count(w, s);
    case LB_GETTEXT: case LB_GETTEXTLEN: {
        int i = int(std::intptr_t(wp));
        if (i < 0 || i >= int(s.items.size())) return LB_ERR;
        if (msg == LB_GETTEXT)
            if (auto* out = reinterpret_cast<std::string*>(lp)) *out = s.items[size_t(i)].text;
        return LRESULT(s.items[size_t(i)].text.size());
    }
    case LB_GETITEMDATA: {
        int i = int(std::intptr_t(wp));
        if (i < 0 || i >= int(s.items.size())) return LB_ERR;
        return LRESULT(s.items[size_t(i)].data);
    }
    case LB_SETITEMDATA: {
        int i = int(std::intptr_t(wp));
        if (i < 0 || i >= int(s.items.size())) return LB_ERR;
        s.items[size_t(i)].data = UINT_PTR(lp);
        return 0;
    }
    case LB_GETCURSEL:
        if (Multi(w)) return s.cur; // the caret item
        return s.cur;
    case LB_SETCURSEL: return SetCurSel(w, s, int(std::intptr_t(wp)));
    case LB_GETCARETINDEX: return s.cur;
    case LB_SETCARETINDEX:
        s.cur = std::clamp(int(std::intptr_t(wp)), -1, Count(w, s) - 1);
        EnsureVisible(w, s, s.cur);
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    case LB_GETANCHORINDEX: return s.anchor;
    case LB_SETANCHORINDEX: s.anchor = int(std::intptr_t(wp)); return 0;
    case LB_SETSEL: return SetSelState(w, s, wp != 0, int(std::intptr_t(lp)));
    case LB_SELITEMRANGE: {
        if (!Multi(w) || NoData(w)) return LB_ERR;
        int a = LOWORD(lp), b = HIWORD(lp);
        for (int i = std::min(a, b); i <= std::max(a, b) && i < int(s.items.size()); ++i) s.items[size_t(i)].selected = wp != 0;
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    }
    case LB_GETSEL: {
        int i = int(std::intptr_t(wp));
        if (i < 0 || i >= Count(w, s)) return LB_ERR;
        return IsSelected(w, s, i) ? 1 : 0;
    }
    case LB_GETSELCOUNT: {
        if (!Multi(w)) return LB_ERR;
        return std::count_if(s.items.begin(), s.items.end(), [](const Item& it) { return it.selected; });
    }
    case LB_GETSELITEMS: {
        if (!Multi(w)) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lp);
        int n = 0;
        for (int i = 0; i < int(s.items.size()) && n < int(wp); ++i)
            if (s.items[size_t(i)].selected) out[n++] = i;
        return n;
    }
    case LB_FINDSTRING: case LB_FINDSTRINGEXACT:
        return Find(w, s, int(std::intptr_t(wp)), reinterpret_cast<const char*>(lp), msg == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
        if (Multi(w)) return LB_ERR;
        int i = Find(w, s, int(std::intptr_t(wp)), reinterpret_cast<const char*>(lp), false);
        if (i >= 0) SetCur(w, s, i, false);
        return i;
    }
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX:
        if (int(std::intptr_t(wp)) < 0 || int(std::intptr_t(wp)) >= std::max(1, Count(w, s))) return LB_ERR;
        SetTop(w, s, int(std::intptr_t(wp)));
        return 0;
    case LB_GETITEMRECT: {
        int i = int(std::intptr_t(wp));
        if (i < 0 || i >= std::max(1, Count(w, s))) return LB_ERR;
        if (auto* r = reinterpret_cast<RECT*>(lp)) *r = ItemRect(w, s, i);
        return 0;
    }
    case LB_SETITEMHEIGHT: return SetItemHeight(w, s, int(std::intptr_t(wp)), LOWORD(lp));
    case LB_GETITEMHEIGHT: return ItemHeight(w, s, int(std::intptr_t(wp)));
    case LB_ITEMFROMPOINT: return ItemFromPoint(w, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    default:
        return DefWindowProc(w, msg, wp, lp);
    }
}

void RegisterOne(const char* name, UINT style) {
    RegisterControlClass(name, style, IDC_ARROW, kState.Procedure(ListProc));
}

} // namespace

void RegisterListBoxClasses() {
    RegisterOne(WC_LISTBOX, CS_DBLCLKS | CS_GLOBALCLASS);
    RegisterOne(WC_COMBOLBOX, CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS);
}

} // namespace tv::win
