#pragma once
// Menus as the window system needs them: a window's menu bar (laid out and
// painted in its non-client area), pop-up menus, the menu loop that tracks
// the bar, its popups and the system menu with the mouse and the keyboard,
// and the menus that the MDI window list is appended to.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_RIGHTJUSTIFY = 0x4000;
constexpr UINT MF_HILITE = 0x0080;

// TrackPopupMenu
constexpr UINT TPM_LEFTALIGN = 0x0000, TPM_CENTERALIGN = 0x0004, TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000, TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080, TPM_RETURNCMD = 0x0100;

// Owner-drawn menu items: WM_MEASUREITEM and WM_DRAWITEM go to the owner.
constexpr UINT ODT_MENU = 1;
constexpr UINT ODA_DRAWENTIRE = 0x1, ODA_SELECT = 0x2;
constexpr UINT ODS_SELECTED = 0x1, ODS_GRAYED = 0x2, ODS_DISABLED = 0x4, ODS_CHECKED = 0x8;

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    LONG_PTR itemData = 0;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    HWND hwndItem = nullptr; // the window of the open menu
    HMENU hMenu = nullptr;
    HDC hDC = nullptr;
    RECT rcItem;
    LONG_PTR itemData = 0;
};

// The class of the window that shows an open pop-up menu.
inline constexpr const char* POPUPMENU_CLASS = "#32768";

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0; // command id, or the submenu for MF_POPUP
    HMENU subMenu = nullptr;
    std::string text;
    LONG_PTR data = 0;
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
    HWND owner = nullptr; // the window whose bar shows it
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSub, const std::string& text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, const std::string& text);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, const std::string& text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int pos);
HMENU GetSubMenu(HMENU menu, int pos);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags);
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL IsMenu(HMENU menu);

HMENU GetMenu(HWND wnd);
BOOL SetMenu(HWND wnd, HMENU menu);
BOOL DrawMenuBar(HWND wnd);
// Screen rectangle of an item of a window's menu bar.
BOOL GetMenuItemRect(HWND wnd, HMENU menu, UINT pos, RECT* rc);
// Position of the bar item at a screen point, -1 when none.
int MenuItemFromPoint(HWND wnd, HMENU menu, POINT screenPt);
// Height of the menu bar of a window of the given width (one or more rows).
int GetMenuBarHeight(HWND wnd, int windowWidth);

// The enabled item whose "&" accelerator is `ch`, letters compared without
// case; -1 when none.
int MenuItemFromMnemonic(HMENU menu, char32_t ch);

// The data an application keeps with an item (owner-drawn items get it back).
BOOL SetMenuItemData(HMENU menu, UINT item, LONG_PTR data, UINT flags);
LONG_PTR GetMenuItemData(HMENU menu, UINT item, UINT flags);

// Shows a pop-up menu at a screen point and runs it until an item is chosen
// or it is dismissed. The chosen command is posted to `owner` as WM_COMMAND,
// or returned with TPM_RETURNCMD (0: nothing chosen).
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* unused = nullptr);
// Closes the menu being tracked, as if dismissed.
BOOL EndMenu();

// The menu modes that the default window procedure runs for WM_SYSCOMMAND.
// The menu bar of `wnd` with item `item` highlighted: `open` opens its popup
// (with its first item selected when `keyboard`); a mouse press on a plain
// item runs it when the button is let go over it. Once the menu is closed
// the chosen command goes to `wnd` as WM_COMMAND.
void TrackMenuBarMode(HWND wnd, int item, bool open, bool keyboard);
// The window's system menu (restore, move, size, minimise, maximise, close),
// enabled as the window's state allows; the choice goes to it as WM_SYSCOMMAND.
void TrackSystemMenu(HWND wnd);

} // namespace tv::win
