#pragma once
// The header window class ("SysHeader32"): the captions of columns side by
// side, in a display order of their own. The user sizes a column by
// dragging the divider at its right edge and, with HDS_BUTTONS, clicks a
// caption; both are told to the parent with WM_NOTIFY. The list view keeps
// one for its report view. Texts are UTF-8.
#include <string>

#include "platform/controls/commonnotify.h"
#include "platform/picture/imagelist.h"
#include "platform/window/messages.h"

namespace tv::win {

inline constexpr const char* WC_HEADER = "SysHeader32";

constexpr DWORD HDS_HORZ = 0x0000, HDS_BUTTONS = 0x0002, HDS_HIDDEN = 0x0008, HDS_FULLDRAG = 0x0080;

constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0, HDM_INSERTITEM = HDM_FIRST + 1, HDM_DELETEITEM = HDM_FIRST + 2,
               HDM_GETITEM = HDM_FIRST + 3, HDM_SETITEM = HDM_FIRST + 4, HDM_LAYOUT = HDM_FIRST + 5,
               HDM_HITTEST = HDM_FIRST + 6, HDM_GETITEMRECT = HDM_FIRST + 7, HDM_SETIMAGELIST = HDM_FIRST + 8,
               HDM_GETIMAGELIST = HDM_FIRST + 9, HDM_ORDERTOINDEX = HDM_FIRST + 15, HDM_GETORDERARRAY = HDM_FIRST + 17,
               HDM_SETORDERARRAY = HDM_FIRST + 18;

constexpr UINT HDI_WIDTH = 0x0001, HDI_TEXT = 0x0002, HDI_FORMAT = 0x0004, HDI_LPARAM = 0x0008, HDI_IMAGE = 0x0020,
               HDI_ORDER = 0x0080;
constexpr int HDF_LEFT = 0x0000, HDF_RIGHT = 0x0001, HDF_CENTER = 0x0002, HDF_JUSTIFYMASK = 0x0003, HDF_IMAGE = 0x0800,
              HDF_STRING = 0x4000;

struct HDITEM {
    UINT mask = 0;
    int cxy = 0; // the width
    std::string pszText;
    int fmt = HDF_LEFT | HDF_STRING;
    LPARAM lParam = 0;
    int iImage = -1;
    int iOrder = -1;
};

constexpr UINT HHT_NOWHERE = 0x0001, HHT_ONHEADER = 0x0002, HHT_ONDIVIDER = 0x0004, HHT_ABOVE = 0x0100,
               HHT_BELOW = 0x0200, HHT_TORIGHT = 0x0400, HHT_TOLEFT = 0x0800;

struct HDHITTESTINFO {
    POINT pt; // client coordinates
    UINT flags = 0;
    int iItem = -1;
};

// HDM_LAYOUT: the header takes its place at the top of *prc, which loses it.
struct HDLAYOUT {
    RECT* prc = nullptr;
    WINDOWPOS* pwpos = nullptr;
};

constexpr UINT HDN_FIRST = UINT(-300);
constexpr UINT HDN_ITEMCHANGING = HDN_FIRST - 0, HDN_ITEMCHANGED = HDN_FIRST - 1, HDN_ITEMCLICK = HDN_FIRST - 2,
               HDN_DIVIDERDBLCLICK = HDN_FIRST - 5, HDN_BEGINTRACK = HDN_FIRST - 6, HDN_ENDTRACK = HDN_FIRST - 7,
               HDN_TRACK = HDN_FIRST - 8;

// A parent that answers HDN_ITEMCHANGING or HDN_BEGINTRACK with TRUE stops
// the change.
struct NMHEADER {
    NMHDR hdr;
    int iItem = -1;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};

void RegisterHeaderClass();

} // namespace tv::win
