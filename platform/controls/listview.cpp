// The list view window procedure.
#include "platform/controls/listview.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/strutils.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/header.h"
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

constexpr int kIconCellWidth = 76, kDefaultIcon = 32, kCellMargin = 6;

struct Item {
    std::string text;
    std::vector<std::string> sub; // sub-item 1 is sub[0]
    int image = -1;
    LPARAM param = 0;
    UINT state = 0;
};

struct Column {
    int fmt = LVCFMT_LEFT;
    int width = 50;
    std::string text;
    int subItem = 0;
    int image = -1;
};

struct ListState {
    std::vector<Item> items;
    std::vector<Column> columns;
    std::vector<int> order; // display position to column
    HWND header = nullptr;
    int headerHeight = 0;
    HFONT font = nullptr;
    HIMAGELIST small = nullptr, normal = nullptr;
    COLORREF bk = CLR_DEFAULT, text = CLR_DEFAULT, textBk = CLR_DEFAULT;
    DWORD ex = 0;
    int focus = -1, mark = -1;
    // The bars' positions: report rows and pixels; list columns; icon pixels.
    int hpos = 0, vpos = 0;
    int listWidth = 0; // the list view's column width when set, else measured
    int measuredWidth = -1;
    bool focused = false;
    bool leftDown = false, rightDown = false;
    bool laying = false;
};

const WindowStateProp<ListState> kState{"TvListViewState"};
ListState* State(HWND w) { return kState.Get(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }
DWORD View(HWND w) { return Style(w) & LVS_TYPEMASK; }
bool Multi(HWND w) { return !(Style(w) & LVS_SINGLESEL); }
int Count(const ListState& s) { return int(s.items.size()); }
bool Valid(const ListState& s, int i) { return i >= 0 && i < Count(s); }

COLORREF Resolve(COLORREF c, int sys) { return c == CLR_DEFAULT ? GetSysColor(sys) : c; }

HGDIOBJ FontOf(const ListState& s) { return s.font ? HGDIOBJ(s.font) : GetStockObject(DEFAULT_GUI_FONT); }

int FontHeight(const ListState& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::max<int>(1, tm.tmHeight);
}

int TextWidth(const ListState& s, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    SIZE sz;
    GetTextExtentPoint32(dc, text, &sz);
    SelectObject(dc, old);
    DeleteDC(dc);
    return sz.cx;
}

SIZE ImageSize(HIMAGELIST list, int fallback) {
    SIZE sz{fallback, fallback};
    int cx = 0, cy = 0;
    if (list && ImageList_GetIconSize(list, &cx, &cy)) sz = {cx, cy};
    return sz;
}

const std::string& CellText(const ListState& s, const Item& it, int subItem) {
    static const std::string none;
    if (subItem == 0) return it.text;
    return size_t(subItem - 1) < it.sub.size() ? it.sub[size_t(subItem - 1)] : none;
}

// --- geometry --------------------------------------------------------------------

struct Geometry {
    DWORD view = LVS_ICON;
    RECT client;
    int rowHeight = 0;  // report, list and small icons
    int cellWidth = 0;  // list and small icons: a column; icons: a cell
    int cellHeight = 0; // icons
    int perColumn = 1;  // list: rows in a column
    int perRow = 1;     // icons: cells in a row
    int totalWidth = 0; // report: all columns
    int top = 0;        // report: below the header
};

int MeasuredWidth(ListState& s) {
    if (s.listWidth > 0) return s.listWidth;
    if (s.measuredWidth < 0) {
        int widest = 0;
        for (const Item& it : s.items) widest = std::max(widest, TextWidth(s, it.text));
        int image = s.small ? ImageSize(s.small, 0).cx + 2 : 0;
        s.measuredWidth = std::max(40, widest + image + 2 * kCellMargin);
    }
    return s.measuredWidth;
}

Geometry Measure(HWND w, ListState& s) {
    Geometry g;
    g.view = View(w);
    GetClientRect(w, &g.client);
    g.rowHeight = std::max(FontHeight(s) + 4, s.small ? ImageSize(s.small, 0).cy + 2 : 0);
    switch (g.view) {
    case LVS_REPORT:
        for (const Column& c : s.columns) g.totalWidth += c.width;
        g.top = s.headerHeight;
        break;
    case LVS_LIST:
        g.cellWidth = MeasuredWidth(s);
        g.perColumn = std::max(1, int(g.client.bottom / g.rowHeight));
        break;
    case LVS_SMALLICON:
        g.cellWidth = MeasuredWidth(s);
        g.cellHeight = g.rowHeight;
        g.perRow = std::max(1, int(g.client.right / g.cellWidth));
        break;
    default:
        g.cellWidth = std::max(kIconCellWidth, ImageSize(s.normal, kDefaultIcon).cx + 8);
        g.cellHeight = ImageSize(s.normal, kDefaultIcon).cy + 6 + 2 * FontHeight(s);
        g.perRow = std::max(1, int(g.client.right / g.cellWidth));
        break;
    }
    return g;
}

int RowsPerPage(const Geometry& g) { return std::max(0, int((g.client.bottom - g.top) / g.rowHeight)); }

RECT Bounds(const Geometry& g, const ListState& s, int i) {
    switch (g.view) {
    case LVS_REPORT: {
        int top = g.top + (i - s.vpos) * g.rowHeight;
        return {-s.hpos, top, g.totalWidth - s.hpos, top + g.rowHeight};
    }
    case LVS_LIST: {
        int left = (i / g.perColumn - s.hpos) * g.cellWidth, top = (i % g.perColumn) * g.rowHeight;
        return {left, top, left + g.cellWidth, top + g.rowHeight};
    }
    default: {
        int left = (i % g.perRow) * g.cellWidth, top = (i / g.perRow) * g.cellHeight - s.vpos;
        return {left, top, left + g.cellWidth, top + g.cellHeight};
    }
    }
}

// The cell of a column in a report row.
RECT CellRect(const Geometry& g, const ListState& s, const RECT& bounds, int column) {
    int x = bounds.left;
    for (int c : s.order) {
        int width = s.columns[size_t(c)].width;
        if (c == column) return {x, bounds.top, x + width, bounds.bottom};
        x += width;
    }
    return {bounds.left, bounds.top, bounds.left, bounds.bottom};
}

RECT IconRect(const Geometry& g, const ListState& s, int i) {
    RECT b = Bounds(g, s, i);
    if (g.view == LVS_ICON) {
        SIZE sz = ImageSize(s.normal, kDefaultIcon);
        int left = b.left + (b.Width() - sz.cx) / 2;
        return {left, b.top + 2, left + sz.cx, b.top + 2 + sz.cy};
    }
    if (g.view == LVS_REPORT && !s.columns.empty()) b = CellRect(g, s, b, 0);
    int width = s.small ? ImageSize(s.small, 0).cx : 0;
    return {b.left + 2, b.top, b.left + 2 + width, b.bottom};
}

RECT LabelRect(const Geometry& g, const ListState& s, int i) {
    RECT b = Bounds(g, s, i), icon = IconRect(g, s, i);
    if (g.view == LVS_ICON) return {b.left, icon.bottom + 2, b.right, b.bottom};
    if (g.view == LVS_REPORT) b = s.columns.empty() ? RECT{b.left, b.top, b.left, b.bottom} : CellRect(g, s, b, 0);
    return {std::min(b.right, icon.right + 2), b.top, b.right, b.bottom};
}

RECT SelectBounds(const Geometry& g, const ListState& s, int i) {
    if (g.view == LVS_REPORT && (s.ex & LVS_EX_FULLROWSELECT)) return Bounds(g, s, i);
    RECT icon = IconRect(g, s, i), label = LabelRect(g, s, i), r;
    UnionRect(&r, &icon, &label);
    return r;
}

LVHITTESTINFO HitTest(HWND w, ListState& s, POINT p) {
    LVHITTESTINFO h;
    h.pt = p;
    Geometry g = Measure(w, s);
    if (p.y < g.top) h.flags |= LVHT_ABOVE;
    if (p.y >= g.client.bottom) h.flags |= LVHT_BELOW;
    if (p.x < 0) h.flags |= LVHT_TOLEFT;
    if (p.x >= g.client.right) h.flags |= LVHT_TORIGHT;
    if (h.flags) return h;
    h.flags = LVHT_NOWHERE;
    int i = -1;
    switch (g.view) {
    case LVS_REPORT: i = s.vpos + (p.y - g.top) / g.rowHeight; break;
    case LVS_LIST:
        if (p.y / g.rowHeight < g.perColumn) i = (p.x / g.cellWidth + s.hpos) * g.perColumn + p.y / g.rowHeight;
        break;
    default:
        if (p.x / g.cellWidth < g.perRow) i = (p.y + s.vpos) / g.cellHeight * g.perRow + p.x / g.cellWidth;
        break;
    }
    if (!Valid(s, i)) return h;
    RECT icon = IconRect(g, s, i), label = LabelRect(g, s, i), b = Bounds(g, s, i);
    if (PtInRect(&icon, p))
        h.flags = LVHT_ONITEMICON;
    else if (PtInRect(&label, p) || (g.view == LVS_REPORT && PtInRect(&b, p)))
        h.flags = LVHT_ONITEMLABEL;
    else
        return h;
    h.iItem = i;
    if (g.view == LVS_REPORT)
        for (int c = 0; c < int(s.columns.size()); ++c) {
            RECT cell = CellRect(g, s, b, c);
            if (PtInRect(&cell, p)) h.iSubItem = s.columns[size_t(c)].subItem;
        }
    return h;
}

// --- layout and scrolling --------------------------------------------------------

struct Ranges {
    int hUnits = 0, hPage = 0, vUnits = 0, vPage = 0;
};

Ranges RangesOf(const Geometry& g, const ListState& s) {
    Ranges r;
    int n = Count(s);
    switch (g.view) {
    case LVS_REPORT:
        r.vUnits = n;
        r.vPage = RowsPerPage(g);
        r.hUnits = g.totalWidth;
        r.hPage = g.client.right;
        break;
    case LVS_LIST:
        r.hUnits = (n + g.perColumn - 1) / g.perColumn;
        r.hPage = std::max(1, int(g.client.right / g.cellWidth));
        break;
    default:
        r.vUnits = (n + g.perRow - 1) / g.perRow * g.cellHeight;
        r.vPage = g.client.bottom;
        break;
    }
    return r;
}

int MaxPos(int units, int page) { return std::max(0, units - std::max(page, 1)); }

void SetBar(HWND w, int bar, int units, int page, int pos) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, units - 1);
    si.nPage = UINT(std::max(0, page));
    si.nPos = pos;
    SetScrollInfo(w, bar, &si, TRUE);
}

void PlaceHeader(HWND w, ListState& s) {
    if (!s.header) return;
    bool shown = View(w) == LVS_REPORT && !(Style(w) & LVS_NOCOLUMNHEADER);
    if (!shown) {
        s.headerHeight = 0;
        if (IsWindowVisible(s.header)) ShowWindow(s.header, SW_HIDE);
        return;
    }
    RECT c;
    GetClientRect(w, &c);
    WINDOWPOS pos;
    HDLAYOUT layout{&c, &pos};
    SendMessage(s.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    s.headerHeight = pos.cy;
    SetWindowPos(s.header, nullptr, -s.hpos, 0, pos.cx + s.hpos, pos.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// Sets the bars and the positions after any change of items, columns, size,
// view or scroll: showing or hiding a bar changes the client area, so the
// ranges are settled again until it stays.
void Layout(HWND w, ListState& s) {
    if (s.laying) return;
    s.laying = true;
    for (int round = 0; round < 3; ++round) {
        RECT before;
        GetClientRect(w, &before);
        PlaceHeader(w, s);
        Geometry g = Measure(w, s);
        Ranges r = RangesOf(g, s);
        s.hpos = std::clamp(s.hpos, 0, MaxPos(r.hUnits, r.hPage));
        s.vpos = std::clamp(s.vpos, 0, MaxPos(r.vUnits, r.vPage));
        if (Style(w) & LVS_NOSCROLL) r = Ranges{};
        SetBar(w, SB_HORZ, r.hUnits, r.hPage, s.hpos);
        SetBar(w, SB_VERT, r.vUnits, r.vPage, s.vpos);
        RECT after;
        GetClientRect(w, &after);
        if (after.right == before.right && after.bottom == before.bottom) break;
    }
    PlaceHeader(w, s);
    s.laying = false;
}

void Invalidate(HWND w) { InvalidateRect(w, nullptr, TRUE); }

void ScrollTo(HWND w, ListState& s, int hpos, int vpos) {
    if (hpos == s.hpos && vpos == s.vpos) return;
    s.hpos = hpos;
    s.vpos = vpos;
    Layout(w, s);
    Invalidate(w);
}

void EnsureVisible(HWND w, ListState& s, int i, bool partialOk) {
    if (!Valid(s, i)) return;
    Geometry g = Measure(w, s);
    switch (g.view) {
    case LVS_REPORT: {
        int page = std::max(1, RowsPerPage(g));
        int v = s.vpos;
        if (i < v)
            v = i;
        else if (i >= v + page)
            v = i - page + 1;
        ScrollTo(w, s, s.hpos, v);
        break;
    }
    case LVS_LIST: {
        int col = i / g.perColumn, page = std::max(1, int(g.client.right / g.cellWidth));
        int h = s.hpos;
        if (col < h)
            h = col;
        else if (col >= h + page)
            h = col - page + 1;
        ScrollTo(w, s, h, s.vpos);
        break;
    }
    default: {
        RECT b = Bounds(g, s, i);
        int v = s.vpos;
        bool partly = b.bottom > 0 && b.top < g.client.bottom;
        if (partialOk && partly) break;
        if (b.top < 0)
            v += b.top;
        else if (b.bottom > g.client.bottom)
            v += b.bottom - g.client.bottom;
        ScrollTo(w, s, s.hpos, v);
        break;
    }
    }
}

// LVM_SCROLL: pixels, except that report rows scroll whole and the list
// view scrolls by columns.
void ScrollBy(HWND w, ListState& s, int dx, int dy) {
    Geometry g = Measure(w, s);
    int h = s.hpos, v = s.vpos;
    switch (g.view) {
    case LVS_REPORT:
        h += dx;
        v += (dy + (dy >= 0 ? g.rowHeight / 2 : -g.rowHeight / 2)) / g.rowHeight;
        break;
    case LVS_LIST: h += dx; break;
    default: v += dy; break;
    }
    ScrollTo(w, s, h, v);
}

void ScrollRequest(HWND w, ListState& s, int bar, WORD code, int thumb) {
    Geometry g = Measure(w, s);
    Ranges r = RangesOf(g, s);
    bool vert = bar == SB_VERT;
    int pos = vert ? s.vpos : s.hpos, page = vert ? r.vPage : r.hPage, units = vert ? r.vUnits : r.hUnits;
    // A line: a row or a list column; pixels elsewhere scroll by a row's height.
    int line = (g.view == LVS_REPORT && vert) || g.view == LVS_LIST ? 1 : g.rowHeight;
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= std::max(line, page); break;
    case SB_PAGEDOWN: pos += std::max(line, page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = units; break;
    default: return;
    }
    if (vert)
        ScrollTo(w, s, s.hpos, pos);
    else
        ScrollTo(w, s, pos, s.vpos);
}

// --- states and notifications ----------------------------------------------------

void NotifyChanged(HWND w, ListState& s, int i, UINT oldState, UINT newState) {
    NMLISTVIEW n;
    n.iItem = i;
    n.uOldState = oldState;
    n.uNewState = newState;
    n.uChanged = LVIF_STATE;
    n.lParam = Valid(s, i) ? s.items[size_t(i)].param : 0;
    SendNotify(w, LVN_ITEMCHANGED, n.hdr);
}

void SetState(HWND w, ListState& s, int i, UINT state, UINT mask) {
    if (!Valid(s, i)) return;
    mask &= LVIS_FOCUSED | LVIS_SELECTED;
    UINT old = s.items[size_t(i)].state, now = (old & ~mask) | (state & mask);
    if (now == old) return;
    if ((now & LVIS_FOCUSED) && s.focus != i) {
        int before = s.focus;
        s.focus = i;
        if (Valid(s, before)) SetState(w, s, before, 0, LVIS_FOCUSED);
    }
    if (!(now & LVIS_FOCUSED) && s.focus == i) s.focus = -1;
    s.items[size_t(i)].state = now;
    Invalidate(w);
    NotifyChanged(w, s, i, old, now);
}

// With `focusToo` the focus leaves the others in the same change, so each
// item the choice touches is told once.
void DeselectAllBut(HWND w, ListState& s, int keep, bool focusToo = false) {
    UINT mask = LVIS_SELECTED | (focusToo ? LVIS_FOCUSED : 0);
    for (int i = 0; i < Count(s); ++i)
        if (i != keep && (s.items[size_t(i)].state & mask)) SetState(w, s, i, 0, mask);
}

void SelectRange(HWND w, ListState& s, int a, int b, bool keepOthers) {
    int lo = std::min(a, b), hi = std::max(a, b);
    for (int i = 0; i < Count(s); ++i) {
        bool in = i >= lo && i <= hi;
        if (in)
            SetState(w, s, i, LVIS_SELECTED, LVIS_SELECTED);
        else if (!keepOthers)
            SetState(w, s, i, 0, LVIS_SELECTED);
    }
}

// What a click or a key does to the selection.
void Choose(HWND w, ListState& s, int i, bool shift, bool ctrl, bool toggle) {
    if (!Valid(s, i)) return;
    if (Multi(w) && shift) {
        int from = Valid(s, s.mark) ? s.mark : i;
        SelectRange(w, s, from, i, ctrl);
        SetState(w, s, i, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (Multi(w) && ctrl) {
        UINT sel = toggle ? (s.items[size_t(i)].state & LVIS_SELECTED) ^ LVIS_SELECTED : s.items[size_t(i)].state;
        SetState(w, s, i, sel | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        s.mark = i;
    } else {
        DeselectAllBut(w, s, i, true);
        SetState(w, s, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        s.mark = i;
    }
    EnsureVisible(w, s, i, false);
}

void NotifyActivate(HWND w, UINT code, LVHITTESTINFO h, WPARAM keys) {
    NMITEMACTIVATE n;
    n.iItem = h.iItem;
    n.iSubItem = h.iSubItem;
    n.ptAction = h.pt;
    n.uKeyFlags = UINT(keys);
    SendNotify(w, code, n.hdr);
}

// --- items and columns ------------------------------------------------------------

void Changed(HWND w, ListState& s) {
    s.measuredWidth = -1;
    Layout(w, s);
    Invalidate(w);
}

LRESULT InsertItem(HWND w, ListState& s, const LVITEM* lvi) {
    if (!lvi || lvi->iSubItem != 0) return -1;
    Item it;
    if (lvi->mask & LVIF_TEXT) it.text = lvi->pszText;
    if (lvi->mask & LVIF_IMAGE) it.image = lvi->iImage;
    if (lvi->mask & LVIF_PARAM) it.param = lvi->lParam;
    int at = std::clamp(lvi->iItem, 0, Count(s));
    s.items.insert(s.items.begin() + at, it);
    if (s.focus >= at) ++s.focus;
    if (s.mark >= at) ++s.mark;
    Changed(w, s);
    if ((lvi->mask & LVIF_STATE) && (lvi->stateMask & lvi->state)) {
        if ((lvi->stateMask & lvi->state & LVIS_SELECTED) && !Multi(w)) DeselectAllBut(w, s, at);
        SetState(w, s, at, lvi->state, lvi->stateMask);
    }
    return at;
}

LRESULT DeleteItem(HWND w, ListState& s, int i) {
    if (!Valid(s, i)) return FALSE;
    s.items.erase(s.items.begin() + i);
    for (int* k : {&s.focus, &s.mark}) {
        if (*k == i)
            *k = -1;
        else if (*k > i)
            --*k;
    }
    Changed(w, s);
    return TRUE;
}

LRESULT GetItem(ListState& s, LVITEM* lvi) {
    if (!lvi || !Valid(s, lvi->iItem)) return FALSE;
    const Item& it = s.items[size_t(lvi->iItem)];
    if (lvi->mask & LVIF_TEXT) lvi->pszText = CellText(s, it, lvi->iSubItem);
    if (lvi->mask & LVIF_IMAGE) lvi->iImage = it.image;
    if (lvi->mask & LVIF_PARAM) lvi->lParam = it.param;
    if (lvi->mask & LVIF_STATE) lvi->state = it.state & lvi->stateMask;
    return TRUE;
}

void SetText(ListState& s, Item& it, int subItem, const std::string& text) {
    if (subItem == 0) {
        it.text = text;
        s.measuredWidth = -1;
        return;
    }
    if (it.sub.size() < size_t(subItem)) it.sub.resize(size_t(subItem));
    it.sub[size_t(subItem - 1)] = text;
}

LRESULT SetItem(HWND w, ListState& s, const LVITEM* lvi) {
    if (!lvi || !Valid(s, lvi->iItem) || lvi->iSubItem < 0) return FALSE;
    Item& it = s.items[size_t(lvi->iItem)];
    if (lvi->mask & LVIF_TEXT) SetText(s, it, lvi->iSubItem, lvi->pszText);
    if (lvi->iSubItem == 0 && (lvi->mask & LVIF_IMAGE)) it.image = lvi->iImage;
    if (lvi->iSubItem == 0 && (lvi->mask & LVIF_PARAM)) it.param = lvi->lParam;
    if (lvi->mask & (LVIF_TEXT | LVIF_IMAGE)) Changed(w, s);
    if (lvi->iSubItem == 0 && (lvi->mask & LVIF_STATE)) SetState(w, s, lvi->iItem, lvi->state, lvi->stateMask);
    return TRUE;
}

HDITEM HeaderItemOf(const Column& c) {
    HDITEM h;
    h.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
    h.pszText = c.text;
    h.cxy = c.width;
    h.fmt = (c.fmt & LVCFMT_JUSTIFYMASK) | HDF_STRING | ((c.fmt & LVCFMT_IMAGE) ? HDF_IMAGE : 0);
    h.iImage = c.image;
    return h;
}

void EnsureHeader(HWND w, ListState& s) {
    if (s.header) return;
    DWORD style = WS_CHILD | HDS_HORZ | HDS_FULLDRAG | ((Style(w) & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS);
    s.header = CreateWindowEx(0, WC_HEADER, "", style, 0, 0, 0, 0, w, nullptr);
    if (!s.header) return;
    SendMessage(s.header, WM_SETFONT, reinterpret_cast<WPARAM>(s.font), 0);
    SendMessage(s.header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(s.small));
    for (size_t i = 0; i < s.columns.size(); ++i) {
        HDITEM h = HeaderItemOf(s.columns[i]);
        SendMessage(s.header, HDM_INSERTITEM, i, reinterpret_cast<LPARAM>(&h));
    }
    if (!s.order.empty())
        SendMessage(s.header, HDM_SETORDERARRAY, s.order.size(), reinterpret_cast<LPARAM>(s.order.data()));
}

void ApplyColumn(Column& c, const LVCOLUMN& lvc) {
    if (lvc.mask & LVCF_FMT) c.fmt = lvc.fmt;
    if (lvc.mask & LVCF_WIDTH) c.width = std::max(0, lvc.cx);
    if (lvc.mask & LVCF_TEXT) c.text = lvc.pszText;
    if (lvc.mask & LVCF_SUBITEM) c.subItem = lvc.iSubItem;
    if (lvc.mask & LVCF_IMAGE) c.image = lvc.iImage;
}

LRESULT InsertColumn(HWND w, ListState& s, int at, const LVCOLUMN* lvc) {
    if (!lvc) return -1;
    at = std::clamp(at, 0, int(s.columns.size()));
    Column c;
    c.subItem = at;
    ApplyColumn(c, *lvc);
    s.columns.insert(s.columns.begin() + at, c);
    for (int& k : s.order)
        if (k >= at) ++k;
    int pos =
        (lvc->mask & LVCF_ORDER) ? std::clamp(lvc->iOrder, 0, int(s.order.size())) : std::min(at, int(s.order.size()));
    s.order.insert(s.order.begin() + pos, at);
    if (s.header) {
        HDITEM h = HeaderItemOf(c);
        h.mask |= HDI_ORDER;
        h.iOrder = pos;
        SendMessage(s.header, HDM_INSERTITEM, WPARAM(at), reinterpret_cast<LPARAM>(&h));
    }
    Changed(w, s);
    return at;
}

LRESULT DeleteColumn(HWND w, ListState& s, int i) {
    if (i < 0 || i >= int(s.columns.size())) return FALSE;
    s.columns.erase(s.columns.begin() + i);
    s.order.erase(std::find(s.order.begin(), s.order.end(), i));
    for (int& k : s.order)
        if (k > i) --k;
    if (s.header) SendMessage(s.header, HDM_DELETEITEM, WPARAM(i), 0);
    Changed(w, s);
    return TRUE;
}

void UpdateHeaderItem(ListState& s, int i) {
    if (!s.header) return;
    HDITEM h = HeaderItemOf(s.columns[size_t(i)]);
    SendMessage(s.header, HDM_SETITEM, WPARAM(i), reinterpret_cast<LPARAM>(&h));
}

int AutoWidth(ListState& s, int column, bool useHeader) {
    int subItem = s.columns[size_t(column)].subItem, widest = 0;
    for (const Item& it : s.items) widest = std::max(widest, TextWidth(s, CellText(s, it, subItem)));
    if (subItem == 0 && s.small) widest += ImageSize(s.small, 0).cx + 2;
    if (useHeader) widest = std::max(widest, TextWidth(s, s.columns[size_t(column)].text));
    return widest + 2 * kCellMargin;
}

LRESULT SetColumnWidth(HWND w, ListState& s, int i, int cx) {
    if (View(w) == LVS_LIST) {
        if (i != 0 || cx < 0) return FALSE;
        s.listWidth = cx;
        Changed(w, s);
        return TRUE;
    }
    if (i < 0 || i >= int(s.columns.size())) return FALSE;
    if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER) cx = AutoWidth(s, i, cx == LVSCW_AUTOSIZE_USEHEADER);
    s.columns[size_t(i)].width = std::max(0, cx);
    UpdateHeaderItem(s, i);
    Changed(w, s);
    return TRUE;
}

LRESULT SetOrder(HWND w, ListState& s, int count, const int* order) {
    if (!order || count != int(s.columns.size())) return FALSE;
    std::vector<int> o(order, order + count), sorted = o;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i)
        if (sorted[size_t(i)] != i) return FALSE;
    s.order = o;
    if (s.header) SendMessage(s.header, HDM_SETORDERARRAY, WPARAM(count), reinterpret_cast<LPARAM>(order));
    Invalidate(w);
    return TRUE;
}

LRESULT HeaderNotice(HWND w, ListState& s, const NMHEADER* n) {
    if (!n || n->hdr.hwndFrom != s.header) return 0;
    switch (n->hdr.code) {
    case HDN_ITEMCHANGED:
        if (n->pitem && (n->pitem->mask & HDI_WIDTH) && n->iItem >= 0 && n->iItem < int(s.columns.size()) &&
            s.columns[size_t(n->iItem)].width != n->pitem->cxy) {
            s.columns[size_t(n->iItem)].width = n->pitem->cxy;
            Changed(w, s);
        }
        return 0;
    case HDN_ITEMCLICK:
        if (!(Style(w) & LVS_NOSORTHEADER)) {
            NMLISTVIEW lv;
            lv.iSubItem = n->iItem;
            SendNotify(w, LVN_COLUMNCLICK, lv.hdr);
        }
        return 0;
    case HDN_DIVIDERDBLCLICK:
        if (n->iItem >= 0 && n->iItem < int(s.columns.size())) SetColumnWidth(w, s, n->iItem, LVSCW_AUTOSIZE_USEHEADER);
        return 0;
    default: return 0;
    }
}

int NextItem(const ListState& s, int start, UINT flags) {
    for (int i = std::max(start + 1, 0); i < Count(s); ++i) {
        UINT st = s.items[size_t(i)].state;
        if ((flags & LVNI_SELECTED) && !(st & LVIS_SELECTED)) continue;
        if ((flags & LVNI_FOCUSED) && !(st & LVIS_FOCUSED)) continue;
        return i;
    }
    return -1;
}

LRESULT ItemRect(HWND w, ListState& s, int i, RECT* r, int subItem, bool sub) {
    if (!r || !Valid(s, i)) return FALSE;
    Geometry g = Measure(w, s);
    int code = r->left;
    if (sub && subItem > 0) {
        if (g.view != LVS_REPORT) return FALSE;
        for (int c = 0; c < int(s.columns.size()); ++c)
            if (s.columns[size_t(c)].subItem == subItem) {
                *r = CellRect(g, s, Bounds(g, s, i), c);
                return TRUE;
            }
        return FALSE;
    }
    switch (code) {
    case LVIR_ICON: *r = IconRect(g, s, i); break;
    case LVIR_LABEL: *r = LabelRect(g, s, i); break;
    case LVIR_SELECTBOUNDS: *r = SelectBounds(g, s, i); break;
    default: *r = Bounds(g, s, i); break;
    }
    return TRUE;
}

// --- painting --------------------------------------------------------------------

void Fill(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

UINT AlignOf(int fmt) {
    switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

void DrawImage(HDC dc, HIMAGELIST list, int image, const RECT& r) {
    if (!list || image < 0 || image >= ImageList_GetImageCount(list)) return;
    SIZE sz = ImageSize(list, 0);
    ImageList_Draw(list, image, dc, r.left + (r.Width() - sz.cx) / 2, r.top + (r.Height() - sz.cy) / 2,
                   ILD_TRANSPARENT);
}

struct Colors {
    COLORREF text, textBk, selBk, selText;
    bool showSel;
};

void PaintItem(HWND w, HDC dc, ListState& s, const Geometry& g, int i, const Colors& k) {
    const Item& it = s.items[size_t(i)];
    bool sel = (it.state & LVIS_SELECTED) && k.showSel;
    RECT b = Bounds(g, s, i), icon = IconRect(g, s, i), label = LabelRect(g, s, i);
    RECT hi = SelectBounds(g, s, i);
    if (!(g.view == LVS_REPORT && (s.ex & LVS_EX_FULLROWSELECT))) hi = label;
    if (sel)
        Fill(dc, hi, k.selBk);
    else if (k.textBk != CLR_NONE)
        Fill(dc, label, k.textBk);
    DrawImage(dc, g.view == LVS_ICON ? s.normal : s.small, it.image, icon);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (g.view == LVS_REPORT) {
        for (int c = 0; c < int(s.columns.size()); ++c) {
            const Column& col = s.columns[size_t(c)];
            RECT cell = CellRect(g, s, b, c);
            bool inHighlight = sel && (c == 0 || (s.ex & LVS_EX_FULLROWSELECT));
            SetTextColor(dc, inHighlight ? k.selText : k.text);
            RECT tr{(c == 0 ? label.left : cell.left) + (c == 0 ? 2 : kCellMargin), cell.top, cell.right - kCellMargin,
                    cell.bottom};
            if (tr.right > tr.left) DrawText(dc, CellText(s, it, col.subItem), &tr, flags | AlignOf(col.fmt));
        }
    } else {
        SetTextColor(dc, sel ? k.selText : k.text);
        RECT tr{label.left + 2, label.top, label.right - 2, label.bottom};
        UINT f = g.view == LVS_ICON ? DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS : flags;
        DrawText(dc, it.text, &tr, f);
    }
    if (s.focused && i == s.focus) DrawFocusRect(dc, &hi);
}

void PaintGridLines(HDC dc, ListState& s, const Geometry& g) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int y = g.top + g.rowHeight - 1; y < g.client.bottom; y += g.rowHeight) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, g.client.right, y);
    }
    int x = -s.hpos;
    for (int c : s.order) {
        x += s.columns[size_t(c)].width;
        MoveToEx(dc, x - 1, g.top, nullptr);
        LineTo(dc, x - 1, g.client.bottom);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

// The items that may show: a range wide enough for partly shown ones.
void VisibleRange(const Geometry& g, const ListState& s, int& first, int& last) {
    switch (g.view) {
    case LVS_REPORT:
        first = s.vpos;
        last = s.vpos + RowsPerPage(g) + 1;
        break;
    case LVS_LIST:
        first = s.hpos * g.perColumn;
        last = (s.hpos + g.client.right / g.cellWidth + 2) * g.perColumn;
        break;
    default:
        first = s.vpos / g.cellHeight * g.perRow;
        last = ((s.vpos + g.client.bottom) / g.cellHeight + 1) * g.perRow;
        break;
    }
    first = std::max(0, first);
    last = std::min(last, Count(s) - 1);
}

void Paint(HWND w, ListState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    Geometry g = Measure(w, s);
    int saved = SaveDC(dc);
    // The header paints itself above the rows.
    IntersectClipRect(dc, 0, g.top, g.client.right, g.client.bottom);
    COLORREF bk = Resolve(s.bk, COLOR_WINDOW);
    if (s.bk != CLR_NONE) Fill(dc, RECT{0, g.top, g.client.right, g.client.bottom}, bk);
    SelectObject(dc, FontOf(s));
    SetBkMode(dc, TRANSPARENT);
    bool enabled = IsWindowEnabled(w);
    Colors k;
    k.text = enabled ? Resolve(s.text, COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    k.textBk = s.textBk == CLR_DEFAULT || s.textBk == s.bk ? CLR_NONE : s.textBk;
    k.selBk = GetSysColor(s.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    k.selText = s.focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : k.text;
    k.showSel = s.focused || (Style(w) & LVS_SHOWSELALWAYS);
    int first = 0, last = -1;
    VisibleRange(g, s, first, last);
    for (int i = first; i <= last; ++i) PaintItem(w, dc, s, g, i, k);
    if (g.view == LVS_REPORT && (s.ex & LVS_EX_GRIDLINES)) PaintGridLines(dc, s, g);
    RestoreDC(dc, saved);
    if (!given) EndPaint(w, &ps);
}

// --- the keyboard and the mouse ----------------------------------------------------

void KeyDown(HWND w, ListState& s, int vk) {
    int n = Count(s);
    Geometry g = Measure(w, s);
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (g.view == LVS_REPORT && (vk == VK_LEFT || vk == VK_RIGHT)) {
        ScrollRequest(w, s, SB_HORZ, vk == VK_LEFT ? SB_LINEUP : SB_LINEDOWN, 0);
        return;
    }
    if (vk == VK_SPACE) {
        if (Valid(s, s.focus)) Choose(w, s, s.focus, false, ctrl, true);
        return;
    }
    if (n == 0) return;
    int cur = Valid(s, s.focus) ? s.focus : -1, next = cur;
    int page = g.view == LVS_REPORT ? std::max(1, RowsPerPage(g) - 1) : g.view == LVS_LIST ? g.perColumn : g.perRow;
    int across = g.view == LVS_LIST ? g.perColumn : 1, down = g.view == LVS_LIST || g.view == LVS_REPORT ? 1 : g.perRow;
    switch (vk) {
    case VK_UP: next = cur - down; break;
    case VK_DOWN: next = cur + down; break;
    case VK_LEFT: next = cur - across; break;
    case VK_RIGHT: next = cur + across; break;
    case VK_PRIOR: next = cur - page; break;
    case VK_NEXT: next = cur + page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = n - 1; break;
    default: return;
    }
    if (cur < 0) next = 0;
    next = std::clamp(next, 0, n - 1);
    if (ctrl && !shift && Multi(w)) {
        SetState(w, s, next, LVIS_FOCUSED, LVIS_FOCUSED);
        EnsureVisible(w, s, next, false);
        return;
    }
    Choose(w, s, next, shift, false, false);
}

void Char(HWND w, ListState& s, char32_t c) {
    if (c < 0x20 || s.items.empty()) return;
    std::string prefix = Utf8Encode(c);
    int n = Count(s), from = Valid(s, s.focus) ? s.focus : -1;
    for (int k = 1; k <= n; ++k) {
        int i = (from + k) % n;
        if (AnsiStartsText(prefix, s.items[size_t(i)].text)) {
            Choose(w, s, i, false, false, false);
            return;
        }
    }
}

void LeftDown(HWND w, ListState& s, POINT p, WPARAM keys) {
    if (GetFocus() != w) SetFocus(w);
    LVHITTESTINFO h = HitTest(w, s, p);
    bool shift = keys & MK_SHIFT, ctrl = keys & MK_CONTROL;
    if (h.iItem >= 0)
        Choose(w, s, h.iItem, shift, ctrl, true);
    else if (!(ctrl && Multi(w)))
        DeselectAllBut(w, s, -1);
    s.leftDown = true;
    SetCapture(w);
}

void LeftUp(HWND w, ListState& s, POINT p, WPARAM keys) {
    if (!s.leftDown) return;
    s.leftDown = false;
    if (GetCapture() == w) ReleaseCapture();
    NotifyActivate(w, NM_CLICK, HitTest(w, s, p), keys);
}

void Wheel(HWND w, ListState& s, int delta) {
    int notches = delta / WHEEL_DELTA;
    if (notches == 0) return;
    Geometry g = Measure(w, s);
    switch (g.view) {
    case LVS_REPORT: ScrollTo(w, s, s.hpos, s.vpos - 3 * notches); break;
    case LVS_LIST: ScrollTo(w, s, s.hpos - notches, s.vpos); break;
    default: ScrollTo(w, s, s.hpos, s.vpos - 3 * notches * g.rowHeight); break;
    }
}

void StyleChanged(HWND w, ListState& s, const STYLESTRUCT* st) {
    if (!st) return;
    if (View(w) == LVS_REPORT) EnsureHeader(w, s);
    if (s.header && ((st->styleOld ^ st->styleNew) & LVS_NOSORTHEADER)) {
        DWORD hs = DWORD(GetWindowLong(s.header, GWL_STYLE));
        SetWindowLong(s.header, GWL_STYLE, (st->styleNew & LVS_NOSORTHEADER) ? hs & ~HDS_BUTTONS : hs | HDS_BUTTONS);
    }
    if ((st->styleOld ^ st->styleNew) & LVS_TYPEMASK) s.hpos = s.vpos = 0;
    Changed(w, s);
}

void SetImageList(HWND w, ListState& s, int which, HIMAGELIST list, LRESULT& old) {
    if (which == LVSIL_NORMAL) {
        old = reinterpret_cast<LRESULT>(s.normal);
        s.normal = list;
    } else if (which == LVSIL_SMALL) {
        old = reinterpret_cast<LRESULT>(s.small);
        s.small = list;
        if (s.header) SendMessage(s.header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    }
    Changed(w, s);
}

LRESULT ListViewProc(HWND w, ListState& s, UINT msg, WPARAM wp, LPARAM lp) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    int index = int(std::intptr_t(wp));
    switch (msg) {
    case WM_CREATE:
        if (View(w) == LVS_REPORT) EnsureHeader(w, s);
        Layout(w, s);
        return 0;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        if (s.header) SendMessage(s.header, WM_SETFONT, wp, lp);
        Changed(w, s);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: Paint(w, s, reinterpret_cast<HDC>(wp)); return 0;
    case WM_SIZE:
        Layout(w, s);
        Invalidate(w);
        return DefWindowProc(w, msg, wp, lp);
    case WM_STYLECHANGED:
        if (wp == WPARAM(GWL_STYLE)) StyleChanged(w, s, reinterpret_cast<const STYLESTRUCT*>(lp));
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        s.focused = msg == WM_SETFOCUS;
        Invalidate(w);
        NMHDR n;
        SendNotify(w, s.focused ? NM_SETFOCUS : NM_KILLFOCUS, n);
        return 0;
    }
    case WM_ENABLE: Invalidate(w); return 0;
    case WM_LBUTTONDOWN: LeftDown(w, s, at, wp); return 0;
    case WM_LBUTTONUP: LeftUp(w, s, at, wp); return 0;
    case WM_LBUTTONDBLCLK:
        LeftDown(w, s, at, wp);
        s.leftDown = false;
        if (GetCapture() == w) ReleaseCapture();
        NotifyActivate(w, NM_DBLCLK, HitTest(w, s, at), wp);
        return 0;
    case WM_RBUTTONDOWN: {
        if (GetFocus() != w) SetFocus(w);
        LVHITTESTINFO h = HitTest(w, s, at);
        if (h.iItem >= 0 && !(s.items[size_t(h.iItem)].state & LVIS_SELECTED))
            Choose(w, s, h.iItem, false, false, false);
        s.rightDown = true;
        return 0;
    }
    case WM_RBUTTONUP:
        if (s.rightDown) {
            s.rightDown = false;
            NotifyActivate(w, NM_RCLICK, HitTest(w, s, at), wp);
        }
        return DefWindowProc(w, msg, wp, lp);
    case WM_CAPTURECHANGED: s.leftDown = false; return 0;
    case WM_MOUSEWHEEL: Wheel(w, s, std::int16_t(HIWORD(wp))); return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: ScrollRequest(w, s, msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wp), HIWORD(wp)); return 0;
    case WM_KEYDOWN: KeyDown(w, s, int(wp)); return 0;
    case WM_CHAR: Char(w, s, char32_t(wp)); return 0;
    case WM_NOTIFY: return HeaderNotice(w, s, reinterpret_cast<const NMHEADER*>(lp));
    case LVM_GETBKCOLOR: return LRESULT(s.bk == CLR_NONE ? CLR_NONE : Resolve(s.bk, COLOR_WINDOW));
    case LVM_SETBKCOLOR:
        s.bk = COLORREF(lp);
        Invalidate(w);
        return TRUE;
    case LVM_GETTEXTCOLOR: return LRESULT(Resolve(s.text, COLOR_WINDOWTEXT));
    case LVM_SETTEXTCOLOR:
        s.text = COLORREF(lp);
        Invalidate(w);
        return TRUE;
    case LVM_GETTEXTBKCOLOR: return LRESULT(s.textBk == CLR_DEFAULT ? Resolve(s.bk, COLOR_WINDOW) : s.textBk);
    case LVM_SETTEXTBKCOLOR:
        s.textBk = COLORREF(lp);
        Invalidate(w);
        return TRUE;
    case LVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(index == LVSIL_NORMAL ? s.normal : index == LVSIL_SMALL ? s.small : nullptr);
    case LVM_SETIMAGELIST: {
        LRESULT old = 0;
        SetImageList(w, s, index, reinterpret_cast<HIMAGELIST>(lp), old);
        return old;
    }
    case LVM_GETITEMCOUNT: return Count(s);
    case LVM_GETITEM: return GetItem(s, reinterpret_cast<LVITEM*>(lp));
    case LVM_SETITEM: return SetItem(w, s, reinterpret_cast<const LVITEM*>(lp));
    case LVM_INSERTITEM: return InsertItem(w, s, reinterpret_cast<const LVITEM*>(lp));
    case LVM_DELETEITEM: return DeleteItem(w, s, index);
    case LVM_DELETEALLITEMS:
        s.items.clear();
        s.focus = s.mark = -1;
        s.hpos = s.vpos = 0;
        Changed(w, s);
        return TRUE;
    case LVM_GETNEXTITEM: return NextItem(s, index, UINT(lp));
    case LVM_GETITEMRECT: return ItemRect(w, s, index, reinterpret_cast<RECT*>(lp), 0, false);
    case LVM_GETSUBITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lp);
        return r ? ItemRect(w, s, index, r, r->top, true) : FALSE;
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
        auto* h = reinterpret_cast<LVHITTESTINFO*>(lp);
        if (!h) return -1;
        *h = HitTest(w, s, h->pt);
        return h->iItem;
    }
    case LVM_ENSUREVISIBLE: EnsureVisible(w, s, index, lp != 0); return Valid(s, index);
    case LVM_SCROLL: ScrollBy(w, s, int(std::intptr_t(wp)), int(lp)); return TRUE;
    case LVM_GETCOLUMN: {
        auto* c = reinterpret_cast<LVCOLUMN*>(lp);
        if (!c || index < 0 || index >= int(s.columns.size())) return FALSE;
        const Column& col = s.columns[size_t(index)];
        if (c->mask & LVCF_FMT) c->fmt = col.fmt;
        if (c->mask & LVCF_WIDTH) c->cx = col.width;
        if (c->mask & LVCF_TEXT) c->pszText = col.text;
        if (c->mask & LVCF_SUBITEM) c->iSubItem = col.subItem;
        if (c->mask & LVCF_IMAGE) c->iImage = col.image;
        if (c->mask & LVCF_ORDER) c->iOrder = int(std::find(s.order.begin(), s.order.end(), index) - s.order.begin());
        return TRUE;
    }
    case LVM_SETCOLUMN: {
        auto* c = reinterpret_cast<const LVCOLUMN*>(lp);
        if (!c || index < 0 || index >= int(s.columns.size())) return FALSE;
        ApplyColumn(s.columns[size_t(index)], *c);
        UpdateHeaderItem(s, index);
        Changed(w, s);
        return TRUE;
    }
    case LVM_INSERTCOLUMN: return InsertColumn(w, s, index, reinterpret_cast<const LVCOLUMN*>(lp));
    case LVM_DELETECOLUMN: return DeleteColumn(w, s, index);
    case LVM_GETCOLUMNWIDTH:
        if (View(w) == LVS_LIST) return MeasuredWidth(s);
        return index >= 0 && index < int(s.columns.size()) ? s.columns[size_t(index)].width : 0;
    case LVM_SETCOLUMNWIDTH: return SetColumnWidth(w, s, index, int(std::int16_t(LOWORD(lp))));
    case LVM_GETHEADER: return reinterpret_cast<LRESULT>(s.header);
    case LVM_GETTOPINDEX: {
        Geometry g = Measure(w, s);
        if (g.view == LVS_REPORT) return s.vpos;
        if (g.view == LVS_LIST) return s.hpos * g.perColumn;
        return 0;
    }
    case LVM_GETCOUNTPERPAGE: {
        Geometry g = Measure(w, s);
        if (g.view == LVS_REPORT) return RowsPerPage(g);
        if (g.view == LVS_LIST) return g.perColumn * std::max(1, int(g.client.right / g.cellWidth));
        return Count(s);
    }
    case LVM_SETITEMSTATE: {
        auto* lvi = reinterpret_cast<const LVITEM*>(lp);
        if (!lvi) return FALSE;
        if (index == -1) {
            for (int i = 0; i < Count(s); ++i) SetState(w, s, i, lvi->state, lvi->stateMask);
            return TRUE;
        }
        if (!Valid(s, index)) return FALSE;
        if ((lvi->stateMask & lvi->state & LVIS_SELECTED) && !Multi(w)) DeselectAllBut(w, s, index);
        SetState(w, s, index, lvi->state, lvi->stateMask);
        return TRUE;
    }
    case LVM_GETITEMSTATE: return Valid(s, index) ? LRESULT(s.items[size_t(index)].state & UINT(lp)) : 0;
    case LVM_GETITEMTEXT: {
        auto* lvi = reinterpret_cast<LVITEM*>(lp);
        if (!lvi || !Valid(s, index)) return 0;
        lvi->pszText = CellText(s, s.items[size_t(index)], lvi->iSubItem);
        return LRESULT(lvi->pszText.size());
    }
    case LVM_SETITEMTEXT: {
        auto* lvi = reinterpret_cast<const LVITEM*>(lp);
        if (!lvi || !Valid(s, index) || lvi->iSubItem < 0) return FALSE;
        SetText(s, s.items[size_t(index)], lvi->iSubItem, lvi->pszText);
        Changed(w, s);
        return TRUE;
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(s.items.begin(), s.items.end(), [](const Item& it) { return it.state & LVIS_SELECTED; });
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = s.ex, mask = wp ? DWORD(wp) : 0xFFFFFFFF;
        s.ex = (s.ex & ~mask) | (DWORD(lp) & mask);
        Invalidate(w);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return s.ex;
    case LVM_SETCOLUMNORDERARRAY: return SetOrder(w, s, index, reinterpret_cast<const int*>(lp));
    case LVM_GETCOLUMNORDERARRAY: {
        auto* out = reinterpret_cast<int*>(lp);
        if (!out || index < int(s.order.size())) return FALSE;
        std::copy(s.order.begin(), s.order.end(), out);
        return TRUE;
    }
    case LVM_GETSELECTIONMARK: return s.mark;
    case LVM_SETSELECTIONMARK: {
        int old = s.mark;
        s.mark = Valid(s, int(lp)) ? int(lp) : -1;
        return old;
    }
    default: return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterListViewClass() {
    RegisterHeaderClass();
    RegisterControlClass(WC_LISTVIEW, CS_DBLCLKS, IDC_ARROW, kState.Procedure(ListViewProc));
}

} // namespace tv::win
