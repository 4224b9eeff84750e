#pragma once
// The combo box window class ("ComboBox"): simple (list always shown),
// drop-down (an edit and a list that drops down) and drop-down list (no
// edit). The dropped list is a pop-up that never takes the focus; a click
// outside it closes it. Strings as in the list box.
#include "platform/wintypes.h"

namespace tv::win {

inline constexpr const char* WC_COMBOBOX = "ComboBox";

constexpr DWORD CBS_SIMPLE = 0x0001, CBS_DROPDOWN = 0x0002, CBS_DROPDOWNLIST = 0x0003,
                CBS_OWNERDRAWFIXED = 0x0010, CBS_OWNERDRAWVARIABLE = 0x0020, CBS_AUTOHSCROLL = 0x0040,
                CBS_SORT = 0x0100, CBS_HASSTRINGS = 0x0200, CBS_NOINTEGRALHEIGHT = 0x0400,
                CBS_DISABLENOSCROLL = 0x0800, CBS_UPPERCASE = 0x2000, CBS_LOWERCASE = 0x4000;

constexpr UINT CB_GETEDITSEL = 0x0140, CB_LIMITTEXT = 0x0141, CB_SETEDITSEL = 0x0142, CB_ADDSTRING = 0x0143,
               CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147, CB_GETLBTEXT = 0x0148,
               CB_GETLBTEXTLEN = 0x0149, CB_INSERTSTRING = 0x014A, CB_RESETCONTENT = 0x014B,
               CB_FINDSTRING = 0x014C, CB_SELECTSTRING = 0x014D, CB_SETCURSEL = 0x014E,
               CB_SHOWDROPDOWN = 0x014F, CB_GETITEMDATA = 0x0150, CB_SETITEMDATA = 0x0151,
               CB_GETDROPPEDCONTROLRECT = 0x0152, CB_SETITEMHEIGHT = 0x0153, CB_GETITEMHEIGHT = 0x0154,
               CB_GETDROPPEDSTATE = 0x0157, CB_FINDSTRINGEXACT = 0x0158, CB_GETTOPINDEX = 0x015B,
               CB_SETTOPINDEX = 0x015C, CB_GETDROPPEDWIDTH = 0x015F, CB_SETDROPPEDWIDTH = 0x0160,
               CB_GETCOMBOBOXINFO = 0x0164, CB_SETMINVISIBLE = 0x1701, CB_GETMINVISIBLE = 0x1702;
constexpr LRESULT CB_OKAY = 0, CB_ERR = -1;

constexpr WORD CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5,
               CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10;

struct COMBOBOXINFO {
    DWORD cbSize = sizeof(COMBOBOXINFO);
    RECT rcItem;
    RECT rcButton;
    DWORD stateButton = 0;
    HWND hwndCombo = nullptr;
    HWND hwndItem = nullptr; // the edit, or null
    HWND hwndList = nullptr;
};

void RegisterComboBoxClass();

} // namespace tv::win
