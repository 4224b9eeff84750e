// The tree view window procedure.
#include "platform/controls/treeview.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

#include "core/strutils.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/picture/imagelist.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

struct TreeNode {
    std::string text;
    LPARAM param = 0;
    UINT state = 0;
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> kids;
};

namespace {

constexpr COLORREF kDefault = COLORREF(-1);
constexpr int kButton = 9;

using Nodes = std::vector<std::unique_ptr<TreeNode>>;

struct TreeState {
    Nodes roots;
    std::unordered_set<TreeNode*> live;
    TreeNode* selected = nullptr;
    std::vector<TreeNode*> rows; // the nodes shown, top to bottom
    bool rowsDirty = true;
    int widest = -1; // the rows' width when none is scrolled
    int top = 0, hpos = 0;
    HFONT font = nullptr;
    int itemHeight = 0, indent = 19;
    COLORREF bk = kDefault, text = kDefault, line = CLR_DEFAULT;
    bool focused = false, laying = false, leftDown = false;
};

const WindowStateProp<TreeState> kState{"TvTreeViewState"};
TreeState* State(HWND w) { return kState.Get(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }

HGDIOBJ FontOf(const TreeState& s) { return s.font ? HGDIOBJ(s.font) : GetStockObject(DEFAULT_GUI_FONT); }

int FontHeight(const TreeState& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::max<int>(1, tm.tmHeight);
}

int TextWidth(const TreeState& s, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    SIZE sz;
    GetTextExtentPoint32(dc, text, &sz);
    SelectObject(dc, old);
    DeleteDC(dc);
    return sz.cx;
}

bool Alive(const TreeState& s, HTREEITEM n) { return n && s.live.count(n); }
bool Expanded(const TreeNode* n) { return n->state & TVIS_EXPANDED; }

int Level(const TreeNode* n) {
    int l = 0;
    for (const TreeNode* p = n->parent; p; p = p->parent) ++l;
    return l;
}

Nodes& Siblings(TreeState& s, TreeNode* n) { return n->parent ? n->parent->kids : s.roots; }

int IndexIn(const Nodes& list, const TreeNode* n) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == n) return int(i);
    return -1;
}

TreeNode* NextSibling(TreeState& s, TreeNode* n) {
    Nodes& list = Siblings(s, n);
    int i = IndexIn(list, n);
    return i >= 0 && i + 1 < int(list.size()) ? list[size_t(i + 1)].get() : nullptr;
}

TreeNode* PrevSibling(TreeState& s, TreeNode* n) {
    Nodes& list = Siblings(s, n);
    int i = IndexIn(list, n);
    return i > 0 ? list[size_t(i - 1)].get() : nullptr;
}

bool IsAncestor(const TreeNode* a, const TreeNode* n) {
    for (const TreeNode* p = n ? n->parent : nullptr; p; p = p->parent)
        if (p == a) return true;
    return false;
}

void Flatten(const Nodes& list, std::vector<TreeNode*>& out) {
    for (const auto& n : list) {
        out.push_back(n.get());
        if (Expanded(n.get())) Flatten(n->kids, out);
    }
}

std::vector<TreeNode*>& Rows(TreeState& s) {
    if (s.rowsDirty) {
        s.rows.clear();
        Flatten(s.roots, s.rows);
        s.rowsDirty = false;
        s.widest = -1;
    }
    return s.rows;
}

int RowOf(TreeState& s, const TreeNode* n) {
    auto& rows = Rows(s);
    auto at = std::find(rows.begin(), rows.end(), n);
    return at == rows.end() ? -1 : int(at - rows.begin());
}

// --- geometry --------------------------------------------------------------------

int RowHeight(const TreeState& s) { return s.itemHeight > 0 ? s.itemHeight : FontHeight(s) + 4; }
int RootOffset(HWND w) { return (Style(w) & TVS_LINESATROOT) ? 1 : 0; }

// Where the node's label starts when nothing is scrolled sideways.
int LabelStart(HWND w, const TreeState& s, const TreeNode* n) { return (Level(n) + RootOffset(w)) * s.indent + 2; }

bool HasButton(HWND w, const TreeNode* n) {
    return (Style(w) & TVS_HASBUTTONS) && !n->kids.empty() && Level(n) + RootOffset(w) > 0;
}

int Widest(HWND w, TreeState& s) {
    auto& rows = Rows(s);
    if (s.widest < 0) {
        s.widest = 0;
        for (TreeNode* n : rows) s.widest = std::max(s.widest, LabelStart(w, s, n) + TextWidth(s, n->text) + 6);
    }
    return s.widest;
}

int PageRows(HWND w, const TreeState& s) {
    RECT c;
    GetClientRect(w, &c);
    return std::max(0, int(c.bottom / RowHeight(s)));
}

RECT RowRect(HWND w, TreeState& s, int row) {
    RECT c;
    GetClientRect(w, &c);
    int h = RowHeight(s), y = (row - s.top) * h;
    return {0, y, c.right, y + h};
}

RECT LabelRect(HWND w, TreeState& s, const TreeNode* n, int row) {
    RECT r = RowRect(w, s, row);
    int x = LabelStart(w, s, n) - s.hpos;
    return {x, r.top, x + TextWidth(s, n->text) + 6, r.bottom};
}

// The middle of the column of lines and the button that lead to the node.
int StemX(HWND w, const TreeState& s, const TreeNode* n) {
    return (Level(n) + RootOffset(w)) * s.indent - s.indent / 2 - s.hpos;
}

TVHITTESTINFO HitTest(HWND w, TreeState& s, POINT p) {
    TVHITTESTINFO h;
    h.pt = p;
    RECT c;
    GetClientRect(w, &c);
    if (p.y < 0) h.flags |= TVHT_ABOVE;
    if (p.y >= c.bottom) h.flags |= TVHT_BELOW;
    if (p.x < 0) h.flags |= TVHT_TOLEFT;
    if (p.x >= c.right) h.flags |= TVHT_TORIGHT;
    if (h.flags) return h;
    int row = s.top + p.y / RowHeight(s);
    auto& rows = Rows(s);
    if (row < 0 || row >= int(rows.size())) {
        h.flags = TVHT_NOWHERE;
        return h;
    }
    TreeNode* n = rows[size_t(row)];
    h.hItem = n;
    RECT label = LabelRect(w, s, n, row);
    int stem = StemX(w, s, n);
    if (p.x >= label.left && p.x < label.right)
        h.flags = TVHT_ONITEMLABEL;
    else if (p.x >= label.right)
        h.flags = TVHT_ONITEMRIGHT;
    else if (HasButton(w, n) && p.x >= stem - s.indent / 2 && p.x < stem + s.indent / 2 + 1)
        h.flags = TVHT_ONITEMBUTTON;
    else
        h.flags = TVHT_ONITEMINDENT;
    return h;
}

// --- layout and scrolling --------------------------------------------------------

void SetBar(HWND w, int bar, int units, int page, int pos) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, units - 1);
    si.nPage = UINT(std::max(0, page));
    si.nPos = pos;
    SetScrollInfo(w, bar, &si, TRUE);
}

void Layout(HWND w, TreeState& s) {
    if (s.laying) return;
    s.laying = true;
    for (int round = 0; round < 3; ++round) {
        RECT before;
        GetClientRect(w, &before);
        int rows = int(Rows(s).size()), page = PageRows(w, s), wide = Widest(w, s);
        s.top = std::clamp(s.top, 0, std::max(0, rows - std::max(page, 1)));
        s.hpos = std::clamp(s.hpos, 0, std::max(0, wide - int(before.right)));
        bool noScroll = Style(w) & TVS_NOSCROLL;
        SetBar(w, SB_VERT, noScroll ? 0 : rows, page, s.top);
        SetBar(w, SB_HORZ, noScroll || (Style(w) & TVS_NOHSCROLL) ? 0 : wide, before.right, s.hpos);
        RECT after;
        GetClientRect(w, &after);
        if (after.right == before.right && after.bottom == before.bottom) break;
    }
    s.laying = false;
}

void Invalidate(HWND w) { InvalidateRect(w, nullptr, TRUE); }

void Changed(HWND w, TreeState& s) {
    s.rowsDirty = true;
    Layout(w, s);
    Invalidate(w);
}

void ScrollTo(HWND w, TreeState& s, int hpos, int top) {
    if (hpos == s.hpos && top == s.top) return;
    s.hpos = hpos;
    s.top = top;
    Layout(w, s);
    Invalidate(w);
}

void ScrollRequest(HWND w, TreeState& s, bool vert, WORD code, int thumb) {
    RECT c;
    GetClientRect(w, &c);
    int pos = vert ? s.top : s.hpos, page = vert ? PageRows(w, s) : c.right, line = vert ? 1 : s.indent;
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= std::max(line, page); break;
    case SB_PAGEDOWN: pos += std::max(line, page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = vert ? int(Rows(s).size()) : Widest(w, s); break;
    default: return;
    }
    if (vert)
        ScrollTo(w, s, s.hpos, pos);
    else
        ScrollTo(w, s, pos, s.top);
}

// --- notifications -----------------------------------------------------------------

TVITEM Describe(const TreeNode* n) {
    TVITEM it;
    it.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    if (!n) return it;
    it.hItem = const_cast<TreeNode*>(n);
    it.state = n->state;
    it.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    it.lParam = n->param;
    return it;
}

LRESULT Notify(HWND w, UINT code, UINT action, const TreeNode* oldNode, const TreeNode* newNode) {
    NMTREEVIEW n;
    n.action = action;
    n.itemOld = Describe(oldNode);
    n.itemNew = Describe(newNode);
    return SendNotify(w, code, n.hdr);
}

// Opens or closes a node. Only a person's action (or a node made visible)
// asks the parent; the program's own TVM_EXPAND does not.
bool Expand(HWND w, TreeState& s, TreeNode* n, UINT code, bool notify) {
    code &= TVE_TOGGLE;
    if (code == TVE_TOGGLE) code = Expanded(n) ? TVE_COLLAPSE : TVE_EXPAND;
    bool open = code == TVE_EXPAND;
    if (open == Expanded(n) || (open && n->kids.empty())) return false;
    if (notify && Notify(w, TVN_ITEMEXPANDING, code, nullptr, n)) return false;
    if (!Alive(s, n)) return false;
    n->state = open ? n->state | TVIS_EXPANDED : n->state & ~TVIS_EXPANDED;
    Changed(w, s);
    if (!open && IsAncestor(n, s.selected)) {
        TreeNode* old = s.selected;
        if (old) old->state &= ~TVIS_SELECTED;
        s.selected = n;
        n->state |= TVIS_SELECTED;
        Notify(w, TVN_SELCHANGED, TVC_UNKNOWN, old, n);
    }
    if (notify && Alive(s, n)) Notify(w, TVN_ITEMEXPANDED, code, nullptr, n);
    return true;
}

void EnsureVisible(HWND w, TreeState& s, TreeNode* n) {
    std::vector<TreeNode*> chain;
    for (TreeNode* p = n->parent; p; p = p->parent) chain.push_back(p);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if (Alive(s, *it) && !Expanded(*it)) Expand(w, s, *it, TVE_EXPAND, true);
    int row = RowOf(s, n);
    if (row < 0) return;
    int page = std::max(1, PageRows(w, s)), top = s.top;
    if (row < top)
        top = row;
    else if (row >= top + page)
        top = row - page + 1;
    ScrollTo(w, s, s.hpos, top);
}

bool Select(HWND w, TreeState& s, TreeNode* n, UINT action) {
    if (n == s.selected) {
        if (n) EnsureVisible(w, s, n);
        return true;
    }
    TreeNode* old = s.selected;
    if (Notify(w, TVN_SELCHANGING, action, old, n)) return false;
    if (n && !Alive(s, n)) return false;
    if (old && Alive(s, old)) old->state &= ~TVIS_SELECTED;
    s.selected = n;
    if (n) {
        n->state |= TVIS_SELECTED;
        EnsureVisible(w, s, n);
    }
    Invalidate(w);
    Notify(w, TVN_SELCHANGED, action, old && Alive(s, old) ? old : nullptr, n);
    return true;
}

// --- nodes ---------------------------------------------------------------------------

HTREEITEM Insert(HWND w, TreeState& s, const TVINSERTSTRUCT* is) {
    if (!is) return nullptr;
    TreeNode* parent = is->hParent == TVI_ROOT ? nullptr : is->hParent;
    if (parent && !Alive(s, parent)) return nullptr;
    Nodes& list = parent ? parent->kids : s.roots;
    size_t at = list.size();
    if (is->hInsertAfter == TVI_FIRST)
        at = 0;
    else if (is->hInsertAfter && is->hInsertAfter != TVI_LAST) {
        int i = IndexIn(list, is->hInsertAfter);
        if (i < 0) return nullptr;
        at = size_t(i + 1);
    }
    auto node = std::make_unique<TreeNode>();
    node->parent = parent;
    if (is->item.mask & TVIF_TEXT) node->text = is->item.pszText;
    if (is->item.mask & TVIF_PARAM) node->param = is->item.lParam;
    if (is->item.mask & TVIF_STATE) node->state = is->item.state & is->item.stateMask & TVIS_EXPANDED;
    TreeNode* made = node.get();
    list.insert(list.begin() + std::ptrdiff_t(at), std::move(node));
    s.live.insert(made);
    if (!parent || Expanded(parent) || RowOf(s, parent) >= 0) Changed(w, s);
    return made;
}

void Forget(HWND w, TreeState& s, TreeNode* n) {
    for (auto& k : n->kids) Forget(w, s, k.get());
    Notify(w, TVN_DELETEITEM, 0, n, nullptr);
    s.live.erase(n);
}

BOOL Delete(HWND w, TreeState& s, HTREEITEM item) {
    if (item == TVI_ROOT || !item) {
        if (s.selected) {
            TreeNode* old = s.selected;
            s.selected = nullptr;
            Notify(w, TVN_SELCHANGED, TVC_UNKNOWN, old, nullptr);
        }
        Nodes roots = std::move(s.roots);
        s.roots.clear();
        for (auto& n : roots) Forget(w, s, n.get());
        s.top = s.hpos = 0;
        Changed(w, s);
        return TRUE;
    }
    if (!Alive(s, item)) return FALSE;
    if (s.selected == item || IsAncestor(item, s.selected)) {
        TreeNode* next = NextSibling(s, item);
        if (!next) next = PrevSibling(s, item);
        if (!next) next = item->parent;
        Select(w, s, next, TVC_UNKNOWN);
        if (!Alive(s, item)) return TRUE;
        if (s.selected == item || IsAncestor(item, s.selected)) {
            s.selected->state &= ~TVIS_SELECTED;
            s.selected = nullptr;
        }
    }
    Forget(w, s, item);
    Nodes& list = Siblings(s, item);
    int i = IndexIn(list, item);
    TreeNode* parent = item->parent;
    std::unique_ptr<TreeNode> gone = std::move(list[size_t(i)]);
    list.erase(list.begin() + i);
    if (parent && parent->kids.empty()) parent->state &= ~TVIS_EXPANDED;
    Changed(w, s);
    return TRUE;
}

HTREEITEM NextItem(HWND w, TreeState& s, UINT flag, HTREEITEM n) {
    auto& rows = Rows(s);
    if (flag == TVGN_ROOT) return s.roots.empty() ? nullptr : s.roots.front().get();
    if (flag == TVGN_CARET) return s.selected;
    if (flag == TVGN_FIRSTVISIBLE) return s.top < int(rows.size()) ? rows[size_t(s.top)] : nullptr;
    if (flag == TVGN_LASTVISIBLE) return rows.empty() ? nullptr : rows.back();
    if (!Alive(s, n)) return nullptr;
    switch (flag) {
    case TVGN_NEXT: return NextSibling(s, n);
    case TVGN_PREVIOUS: return PrevSibling(s, n);
    case TVGN_PARENT: return n->parent;
    case TVGN_CHILD: return n->kids.empty() ? nullptr : n->kids.front().get();
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
        int row = RowOf(s, n);
        if (row < 0) return nullptr;
        row += flag == TVGN_NEXTVISIBLE ? 1 : -1;
        return row >= 0 && row < int(rows.size()) ? rows[size_t(row)] : nullptr;
    }
    default: return nullptr;
    }
}

BOOL GetItem(TreeState& s, TVITEM* it) {
    if (!it || !Alive(s, it->hItem)) return FALSE;
    TreeNode* n = it->hItem;
    if (it->mask & TVIF_TEXT) it->pszText = n->text;
    if (it->mask & TVIF_PARAM) it->lParam = n->param;
    if (it->mask & TVIF_STATE) it->state = n->state & it->stateMask;
    if (it->mask & TVIF_CHILDREN) it->cChildren = n->kids.empty() ? 0 : 1;
    return TRUE;
}

BOOL SetItem(HWND w, TreeState& s, const TVITEM* it) {
    if (!it || !Alive(s, it->hItem)) return FALSE;
    TreeNode* n = it->hItem;
    if (it->mask & TVIF_TEXT) n->text = it->pszText;
    if (it->mask & TVIF_PARAM) n->param = it->lParam;
    if ((it->mask & TVIF_STATE) && (it->stateMask & TVIS_EXPANDED))
        n->state = (n->state & ~TVIS_EXPANDED) | (it->state & TVIS_EXPANDED);
    Changed(w, s);
    return TRUE;
}

// --- painting ---------------------------------------------------------------------

COLORREF Resolve(COLORREF c, int sys) { return c == kDefault || c == CLR_DEFAULT ? GetSysColor(sys) : c; }

void Fill(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void PaintButton(HDC dc, int cx, int cy, bool open, COLORREF bk, COLORREF lines) {
    RECT box{cx - kButton / 2, cy - kButton / 2, cx - kButton / 2 + kButton, cy - kButton / 2 + kButton};
    Fill(dc, box, bk);
    HBRUSH frame = CreateSolidBrush(lines);
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    Line(dc, cx - 2, cy, cx + 3, cy);
    if (!open) Line(dc, cx, cy - 2, cx, cy + 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void PaintLines(HWND w, HDC dc, TreeState& s, TreeNode* n, const RECT& row) {
    int mid = row.top + row.Height() / 2, root = RootOffset(w);
    HPEN pen = CreatePen(PS_DOT, 1, Resolve(s.line, COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    if (Level(n) + root > 0) {
        int x = StemX(w, s, n);
        Line(dc, x, mid, x + s.indent / 2, mid);
        bool above = n->parent || PrevSibling(s, n);
        Line(dc, x, above ? row.top : mid, x, NextSibling(s, n) ? row.bottom : mid + 1);
    }
    // The lines of ancestors that have more children below this row.
    for (TreeNode* a = n->parent; a; a = a->parent)
        if (Level(a) + root > 0 && NextSibling(s, a)) {
            int x = StemX(w, s, a);
            Line(dc, x, row.top, x, row.bottom);
        }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void Paint(HWND w, TreeState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    RECT c;
    GetClientRect(w, &c);
    COLORREF bk = Resolve(s.bk, COLOR_WINDOW);
    Fill(dc, c, bk);
    HGDIOBJ oldFont = SelectObject(dc, FontOf(s));
    SetBkMode(dc, TRANSPARENT);
    bool enabled = IsWindowEnabled(w);
    COLORREF text = enabled ? Resolve(s.text, COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    bool showSel = s.focused || (Style(w) & TVS_SHOWSELALWAYS);
    auto& rows = Rows(s);
    for (int r = s.top; r < int(rows.size()); ++r) {
        RECT row = RowRect(w, s, r);
        if (row.top >= c.bottom) break;
        TreeNode* n = rows[size_t(r)];
        if (Style(w) & TVS_HASLINES) PaintLines(w, dc, s, n, row);
        if (HasButton(w, n))
            PaintButton(dc, StemX(w, s, n), row.top + row.Height() / 2, Expanded(n), bk,
                        Resolve(s.line, COLOR_GRAYTEXT));
        RECT label = LabelRect(w, s, n, r);
        bool sel = n == s.selected && showSel;
        if (sel) Fill(dc, label, GetSysColor(s.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        SetTextColor(dc, sel && s.focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        RECT tr{label.left + 3, label.top, label.right, label.bottom};
        DrawText(dc, n->text, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (n == s.selected && s.focused) DrawFocusRect(dc, &label);
    }
    SelectObject(dc, oldFont);
    if (!given) EndPaint(w, &ps);
}

// --- the keyboard and the mouse ----------------------------------------------------

void ExpandAll(HWND w, TreeState& s, TreeNode* n) {
    Expand(w, s, n, TVE_EXPAND, true);
    if (!Alive(s, n)) return;
    std::vector<TreeNode*> kids;
    for (auto& k : n->kids) kids.push_back(k.get());
    for (TreeNode* k : kids)
        if (Alive(s, k)) ExpandAll(w, s, k);
}

void KeyDown(HWND w, TreeState& s, int vk) {
    auto& rows = Rows(s);
    if (rows.empty()) return;
    TreeNode* n = s.selected;
    int row = n ? RowOf(s, n) : -1;
    int page = std::max(1, PageRows(w, s) - 1), last = int(rows.size()) - 1;
    auto go = [&](int r) { Select(w, s, rows[size_t(std::clamp(r, 0, last))], TVC_BYKEYBOARD); };
    if (row < 0 && vk != VK_HOME && vk != VK_END) {
        go(s.top);
        return;
    }
    switch (vk) {
    case VK_UP: go(row - 1); break;
    case VK_DOWN: go(row + 1); break;
    case VK_PRIOR: go(row - page); break;
    case VK_NEXT: go(row + page); break;
    case VK_HOME: go(0); break;
    case VK_END: go(last); break;
    case VK_LEFT:
        if (Expanded(n))
            Expand(w, s, n, TVE_COLLAPSE, true);
        else if (n->parent)
            Select(w, s, n->parent, TVC_BYKEYBOARD);
        break;
    case VK_BACK:
        if (n->parent) Select(w, s, n->parent, TVC_BYKEYBOARD);
        break;
    case VK_RIGHT:
        if (n->kids.empty()) break;
        if (!Expanded(n))
            Expand(w, s, n, TVE_EXPAND, true);
        else
            Select(w, s, n->kids.front().get(), TVC_BYKEYBOARD);
        break;
    case VK_ADD: Expand(w, s, n, TVE_EXPAND, true); break;
    case VK_SUBTRACT: Expand(w, s, n, TVE_COLLAPSE, true); break;
    case VK_MULTIPLY: ExpandAll(w, s, n); break;
    default: break;
    }
}

void Char(HWND w, TreeState& s, char32_t c) {
    auto& rows = Rows(s);
    if (c < 0x20 || rows.empty()) return;
    std::string prefix = Utf8Encode(c);
    int n = int(rows.size()), from = s.selected ? RowOf(s, s.selected) : -1;
    for (int k = 1; k <= n; ++k) {
        TreeNode* node = rows[size_t((from + k) % n)];
        if (AnsiStartsText(prefix, node->text)) {
            Select(w, s, node, TVC_BYKEYBOARD);
            return;
        }
    }
}

void Press(HWND w, TreeState& s, POINT p, bool twice) {
    if (GetFocus() != w) SetFocus(w);
    TVHITTESTINFO h = HitTest(w, s, p);
    if (!h.hItem) return;
    if (h.flags & TVHT_ONITEMBUTTON) {
        Expand(w, s, h.hItem, TVE_TOGGLE, true);
        return;
    }
    if (!(h.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT))) return;
    Select(w, s, h.hItem, TVC_BYMOUSE);
    if (twice && Alive(s, h.hItem) && (h.flags & TVHT_ONITEMLABEL)) Expand(w, s, h.hItem, TVE_TOGGLE, true);
}

LRESULT TreeProc(HWND w, TreeState& s, UINT msg, WPARAM wp, LPARAM lp) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    auto item = reinterpret_cast<HTREEITEM>(lp);
    switch (msg) {
    case WM_CREATE: Layout(w, s); return 0;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
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
    case WM_STYLECHANGED: Changed(w, s); return 0;
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
    case WM_LBUTTONDOWN:
        s.leftDown = true;
        Press(w, s, at, false);
        return 0;
    case WM_LBUTTONDBLCLK:
        Press(w, s, at, true);
        if (IsWindow(w)) {
            NMHDR n;
            SendNotify(w, NM_DBLCLK, n);
        }
        return 0;
    case WM_LBUTTONUP:
        if (s.leftDown) {
            s.leftDown = false;
            NMHDR n;
            SendNotify(w, NM_CLICK, n);
        }
        return 0;
    case WM_RBUTTONDOWN:
        if (GetFocus() != w) SetFocus(w);
        return 0;
    case WM_RBUTTONUP: {
        NMHDR n;
        if (SendNotify(w, NM_RCLICK, n)) return 0;
        return DefWindowProc(w, msg, wp, lp);
    }
    case WM_MOUSEWHEEL: {
        int notches = std::int16_t(HIWORD(wp)) / WHEEL_DELTA;
        ScrollTo(w, s, s.hpos, s.top - 3 * notches);
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: ScrollRequest(w, s, msg == WM_VSCROLL, LOWORD(wp), HIWORD(wp)); return 0;
    case WM_KEYDOWN: KeyDown(w, s, int(wp)); return 0;
    case WM_CHAR: Char(w, s, char32_t(wp)); return 0;
    case TVM_INSERTITEM: return reinterpret_cast<LRESULT>(Insert(w, s, reinterpret_cast<const TVINSERTSTRUCT*>(lp)));
    case TVM_DELETEITEM: return Delete(w, s, item);
    case TVM_EXPAND:
        if (!Alive(s, item)) return FALSE;
        Expand(w, s, item, UINT(wp), false);
        return TRUE;
    case TVM_GETITEMRECT: {
        auto* r = reinterpret_cast<TVITEMRECT*>(lp);
        if (!r || !Alive(s, r->hItem)) return FALSE;
        int row = RowOf(s, r->hItem);
        if (row < 0) return FALSE;
        r->rc = wp ? LabelRect(w, s, r->hItem, row) : RowRect(w, s, row);
        return TRUE;
    }
    case TVM_GETCOUNT: return LRESULT(s.live.size());
    case TVM_GETINDENT: return s.indent;
    case TVM_SETINDENT:
        s.indent = std::max(int(wp), kButton + 4);
        Changed(w, s);
        return 0;
    case TVM_GETNEXTITEM: return reinterpret_cast<LRESULT>(NextItem(w, s, UINT(wp), item));
    case TVM_SELECTITEM:
        if (item && !Alive(s, item)) return FALSE;
        if (wp == TVGN_CARET) return Select(w, s, item, TVC_UNKNOWN);
        if (wp == TVGN_FIRSTVISIBLE && item) {
            EnsureVisible(w, s, item);
            ScrollTo(w, s, s.hpos, RowOf(s, item));
            return TRUE;
        }
        return FALSE;
    case TVM_GETITEM: return GetItem(s, reinterpret_cast<TVITEM*>(lp));
    case TVM_SETITEM: return SetItem(w, s, reinterpret_cast<const TVITEM*>(lp));
    case TVM_GETVISIBLECOUNT: return PageRows(w, s);
    case TVM_HITTEST: {
        auto* h = reinterpret_cast<TVHITTESTINFO*>(lp);
        if (!h) return 0;
        *h = HitTest(w, s, h->pt);
        return reinterpret_cast<LRESULT>(h->hItem);
    }
    case TVM_ENSUREVISIBLE:
        if (!Alive(s, item)) return FALSE;
        EnsureVisible(w, s, item);
        return TRUE;
    case TVM_SETITEMHEIGHT: {
        int old = RowHeight(s);
        s.itemHeight = int(std::intptr_t(wp)) > 0 ? int(wp) : 0;
        Changed(w, s);
        return old;
    }
    case TVM_GETITEMHEIGHT: return RowHeight(s);
    case TVM_SETBKCOLOR:
    case TVM_SETTEXTCOLOR:
    case TVM_SETLINECOLOR: {
        COLORREF& c = msg == TVM_SETBKCOLOR ? s.bk : msg == TVM_SETTEXTCOLOR ? s.text : s.line;
        COLORREF old = c;
        c = COLORREF(lp);
        Invalidate(w);
        return LRESULT(old);
    }
    case TVM_GETBKCOLOR: return LRESULT(s.bk);
    case TVM_GETTEXTCOLOR: return LRESULT(s.text);
    case TVM_GETLINECOLOR: return LRESULT(s.line);
    default: return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterTreeViewClass() {
    RegisterControlClass(WC_TREEVIEW, CS_DBLCLKS, IDC_ARROW, kState.Procedure(TreeProc));
}

} // namespace tv::win
