#pragma once
// The list view window class ("SysListView32"): items with a caption, an
// image and the texts of their sub-items, shown in one of four views (large
// icons, small icons, a list in columns, or a report whose columns have a
// header child of class "SysHeader32"). The user selects with the mouse
// and the keys and scrolls with the bars and the wheel; changes of an
// item's state and clicks on a column's caption are told to the parent
// with WM_NOTIFY. Texts are UTF-8.
#include <string>

#include "platform/controls/commonnotify.h"
#include "platform/picture/imagelist.h"
#include "platform/window/messages.h"

namespace tv::win {

inline constexpr const char* WC_LISTVIEW = "SysListView32";

constexpr DWORD LVS_ICON = 0x0000, LVS_REPORT = 0x0001, LVS_SMALLICON = 0x0002, LVS_LIST = 0x0003,
                LVS_TYPEMASK = 0x0003, LVS_SINGLESEL = 0x0004, LVS_SHOWSELALWAYS = 0x0008, LVS_NOSCROLL = 0x2000,
                LVS_NOCOLUMNHEADER = 0x4000, LVS_NOSORTHEADER = 0x8000;
constexpr DWORD LVS_EX_GRIDLINES = 0x0001, LVS_EX_HEADERDRAGDROP = 0x0010, LVS_EX_FULLROWSELECT = 0x0020;

constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETBKCOLOR = LVM_FIRST + 0, LVM_SETBKCOLOR = LVM_FIRST + 1, LVM_GETIMAGELIST = LVM_FIRST + 2,
               LVM_SETIMAGELIST = LVM_FIRST + 3, LVM_GETITEMCOUNT = LVM_FIRST + 4, LVM_GETITEM = LVM_FIRST + 5,
               LVM_SETITEM = LVM_FIRST + 6, LVM_INSERTITEM = LVM_FIRST + 7, LVM_DELETEITEM = LVM_FIRST + 8,
               LVM_DELETEALLITEMS = LVM_FIRST + 9, LVM_GETNEXTITEM = LVM_FIRST + 12, LVM_GETITEMRECT = LVM_FIRST + 14,
               LVM_HITTEST = LVM_FIRST + 18, LVM_ENSUREVISIBLE = LVM_FIRST + 19, LVM_SCROLL = LVM_FIRST + 20,
               LVM_GETCOLUMN = LVM_FIRST + 25, LVM_SETCOLUMN = LVM_FIRST + 26, LVM_INSERTCOLUMN = LVM_FIRST + 27,
               LVM_DELETECOLUMN = LVM_FIRST + 28, LVM_GETCOLUMNWIDTH = LVM_FIRST + 29,
               LVM_SETCOLUMNWIDTH = LVM_FIRST + 30, LVM_GETHEADER = LVM_FIRST + 31, LVM_GETTEXTCOLOR = LVM_FIRST + 35,
               LVM_SETTEXTCOLOR = LVM_FIRST + 36, LVM_GETTEXTBKCOLOR = LVM_FIRST + 37,
               LVM_SETTEXTBKCOLOR = LVM_FIRST + 38, LVM_GETTOPINDEX = LVM_FIRST + 39,
               LVM_GETCOUNTPERPAGE = LVM_FIRST + 40, LVM_SETITEMSTATE = LVM_FIRST + 43,
               LVM_GETITEMSTATE = LVM_FIRST + 44, LVM_GETITEMTEXT = LVM_FIRST + 45, LVM_SETITEMTEXT = LVM_FIRST + 46,
               LVM_GETSELECTEDCOUNT = LVM_FIRST + 50, LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54,
               LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55, LVM_GETSUBITEMRECT = LVM_FIRST + 56,
               LVM_SUBITEMHITTEST = LVM_FIRST + 57, LVM_SETCOLUMNORDERARRAY = LVM_FIRST + 58,
               LVM_GETCOLUMNORDERARRAY = LVM_FIRST + 59, LVM_GETSELECTIONMARK = LVM_FIRST + 66,
               LVM_SETSELECTIONMARK = LVM_FIRST + 67;

constexpr UINT LVIF_TEXT = 0x0001, LVIF_IMAGE = 0x0002, LVIF_PARAM = 0x0004, LVIF_STATE = 0x0008;
constexpr UINT LVIS_FOCUSED = 0x0001, LVIS_SELECTED = 0x0002;
constexpr UINT LVNI_ALL = 0x0000, LVNI_FOCUSED = 0x0001, LVNI_SELECTED = 0x0002;
constexpr int LVSIL_NORMAL = 0, LVSIL_SMALL = 1;
// LVM_GETITEMRECT: the part asked for goes in the rectangle's left.
constexpr int LVIR_BOUNDS = 0, LVIR_ICON = 1, LVIR_LABEL = 2, LVIR_SELECTBOUNDS = 3;
constexpr int LVSCW_AUTOSIZE = -1, LVSCW_AUTOSIZE_USEHEADER = -2;

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    std::string pszText;
    int iImage = -1;
    LPARAM lParam = 0;
};

constexpr UINT LVCF_FMT = 0x0001, LVCF_WIDTH = 0x0002, LVCF_TEXT = 0x0004, LVCF_SUBITEM = 0x0008, LVCF_IMAGE = 0x0010,
               LVCF_ORDER = 0x0020;
constexpr int LVCFMT_LEFT = 0x0000, LVCFMT_RIGHT = 0x0001, LVCFMT_CENTER = 0x0002, LVCFMT_JUSTIFYMASK = 0x0003,
              LVCFMT_IMAGE = 0x0800;

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    std::string pszText;
    int iSubItem = 0;
    int iImage = -1;
    int iOrder = 0;
};

constexpr UINT LVHT_NOWHERE = 0x0001, LVHT_ONITEMICON = 0x0002, LVHT_ONITEMLABEL = 0x0004,
               LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL, LVHT_ABOVE = 0x0008, LVHT_BELOW = 0x0010,
               LVHT_TORIGHT = 0x0020, LVHT_TOLEFT = 0x0040;

struct LVHITTESTINFO {
    POINT pt; // client coordinates
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

constexpr UINT LVN_FIRST = UINT(-100);
constexpr UINT LVN_ITEMCHANGED = LVN_FIRST - 1, LVN_COLUMNCLICK = LVN_FIRST - 8;

// LVN_ITEMCHANGED (one per item whose state changed) and LVN_COLUMNCLICK
// (iSubItem is the column).
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

// NM_CLICK, NM_DBLCLK and NM_RCLICK, with the item under the mouse (-1 none).
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    POINT ptAction;
    UINT uKeyFlags = 0;
};

void RegisterListViewClass();

} // namespace tv::win
