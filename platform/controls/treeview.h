#pragma once
// The tree view window class ("SysTreeView32"): nodes under nodes, each
// with a caption, shown one per row indented by their level, with lines
// and buttons to expand and collapse them. The user selects with the mouse
// and the keys, expands with the buttons, a double click and the keys
// (Right, Left, +, -, *), and scrolls with the bars and the wheel; changes
// of the selection and of a node's expansion are told to the parent with
// WM_NOTIFY. A handle of a node that is gone is refused. Texts are UTF-8.
#include <string>

#include "platform/controls/commonnotify.h"
#include "platform/window/messages.h"

namespace tv::win {

inline constexpr const char* WC_TREEVIEW = "SysTreeView32";

struct TreeNode;
using HTREEITEM = TreeNode*;

constexpr DWORD TVS_HASBUTTONS = 0x0001, TVS_HASLINES = 0x0002, TVS_LINESATROOT = 0x0004, TVS_SHOWSELALWAYS = 0x0020,
                TVS_NOSCROLL = 0x2000, TVS_NOHSCROLL = 0x8000;

constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_INSERTITEM = TV_FIRST + 0, TVM_DELETEITEM = TV_FIRST + 1, TVM_EXPAND = TV_FIRST + 2,
               TVM_GETITEMRECT = TV_FIRST + 4, TVM_GETCOUNT = TV_FIRST + 5, TVM_GETINDENT = TV_FIRST + 6,
               TVM_SETINDENT = TV_FIRST + 7, TVM_GETNEXTITEM = TV_FIRST + 10, TVM_SELECTITEM = TV_FIRST + 11,
               TVM_GETITEM = TV_FIRST + 12, TVM_SETITEM = TV_FIRST + 13, TVM_GETVISIBLECOUNT = TV_FIRST + 16,
               TVM_HITTEST = TV_FIRST + 17, TVM_ENSUREVISIBLE = TV_FIRST + 20, TVM_SETITEMHEIGHT = TV_FIRST + 27,
               TVM_GETITEMHEIGHT = TV_FIRST + 28, TVM_SETBKCOLOR = TV_FIRST + 29, TVM_SETTEXTCOLOR = TV_FIRST + 30,
               TVM_GETBKCOLOR = TV_FIRST + 31, TVM_GETTEXTCOLOR = TV_FIRST + 32, TVM_SETLINECOLOR = TV_FIRST + 40,
               TVM_GETLINECOLOR = TV_FIRST + 41;

// TVM_INSERTITEM places: as the first or the last child, or after a node.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-0x10000);
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-0x0FFFF);
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-0x0FFFE);

constexpr UINT TVIF_TEXT = 0x0001, TVIF_PARAM = 0x0004, TVIF_STATE = 0x0008, TVIF_HANDLE = 0x0010,
               TVIF_CHILDREN = 0x0040;
constexpr UINT TVIS_SELECTED = 0x0002, TVIS_EXPANDED = 0x0020;

struct TVITEM {
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    UINT stateMask = 0;
    std::string pszText;
    int cChildren = 0; // out: 1 when the node has children
    LPARAM lParam = 0;
};

struct TVINSERTSTRUCT {
    HTREEITEM hParent = nullptr; // null or TVI_ROOT: a top-level node
    HTREEITEM hInsertAfter = nullptr;
    TVITEM item;
};

constexpr UINT TVGN_ROOT = 0x0, TVGN_NEXT = 0x1, TVGN_PREVIOUS = 0x2, TVGN_PARENT = 0x3, TVGN_CHILD = 0x4,
               TVGN_FIRSTVISIBLE = 0x5, TVGN_NEXTVISIBLE = 0x6, TVGN_PREVIOUSVISIBLE = 0x7, TVGN_CARET = 0x9,
               TVGN_LASTVISIBLE = 0xA;
constexpr UINT TVE_COLLAPSE = 0x1, TVE_EXPAND = 0x2, TVE_TOGGLE = 0x3;

constexpr UINT TVHT_NOWHERE = 0x0001, TVHT_ONITEMLABEL = 0x0004, TVHT_ONITEMINDENT = 0x0008, TVHT_ONITEMBUTTON = 0x0010,
               TVHT_ONITEMRIGHT = 0x0020, TVHT_ONITEM = TVHT_ONITEMLABEL, TVHT_ABOVE = 0x0100, TVHT_BELOW = 0x0200,
               TVHT_TORIGHT = 0x0400, TVHT_TOLEFT = 0x0800;

// TVM_GETITEMRECT (wParam: only the label): the node goes in, its row or
// label comes out, in client coordinates.
struct TVITEMRECT {
    HTREEITEM hItem = nullptr;
    RECT rc;
};

struct TVHITTESTINFO {
    POINT pt; // client coordinates
    UINT flags = 0;
    HTREEITEM hItem = nullptr;
};

constexpr UINT TVN_FIRST = UINT(-400);
constexpr UINT TVN_SELCHANGING = TVN_FIRST - 1, TVN_SELCHANGED = TVN_FIRST - 2, TVN_ITEMEXPANDING = TVN_FIRST - 5,
               TVN_ITEMEXPANDED = TVN_FIRST - 6, TVN_DELETEITEM = TVN_FIRST - 9;
// How a selection changed.
constexpr UINT TVC_UNKNOWN = 0, TVC_BYMOUSE = 1, TVC_BYKEYBOARD = 2;

// A parent that answers TVN_SELCHANGING or TVN_ITEMEXPANDING with TRUE
// stops the change. `action` is the TVC_ code, or the TVE_ one for
// expansion; the items carry their handle, state and lParam.
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = 0;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};

void RegisterTreeViewClass();

} // namespace tv::win
