#pragma once
// Windows and window classes of the virtual desktop: creation and destruction,
// the tree of parents, owners and children, z-order, positions, styles,
// window procedures (replaceable: subclassing) and window properties.
#include <functional>
#include <string>

#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/wintypes.h"

namespace tv::win {

using WindowProcFn = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// A window procedure as an installable entry (the object instance of a class
// method). Entries stay callable while a window still chains to them, even
// after FreeWindowProc.
WNDPROC MakeWindowProc(WindowProcFn fn);
void FreeWindowProc(WNDPROC proc);

struct WNDCLASS {
    UINT style = 0;
    WindowProcFn lpfnWndProc;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr; // a brush, or (COLOR_* + 1) cast to a brush
    std::string lpszMenuName;
    std::string lpszClassName;
};

// Registering a name twice fails (returns 0) unless the first was unregistered.
ATOM RegisterClass(const WNDCLASS& wc);
BOOL UnregisterClass(const std::string& name);
BOOL GetClassInfo(const std::string& name, WNDCLASS* wc);
int GetClassName(HWND wnd, std::string* name);
std::string GetClassName(HWND wnd);
UINT GetClassStyle(HWND wnd);
HBRUSH GetClassBackground(HWND wnd);
HCURSOR GetClassCursor(HWND wnd);

struct CREATESTRUCT {
    LONG_PTR lpCreateParams = 0;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0, cx = 0, y = 0, x = 0;
    DWORD style = 0;
    std::string lpszName;
    std::string lpszClass;
    DWORD dwExStyle = 0;
};

// Children take their id from `menuOrId` (cast); other windows their menu.
// Fails with nullptr when the class is unknown or WM_NCCREATE/WM_CREATE refuse.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId, LONG_PTR param = 0);
HWND CreateWindow(const std::string& className, const std::string& windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId, LONG_PTR param = 0);
BOOL DestroyWindow(HWND wnd);

BOOL IsWindow(HWND wnd);
BOOL IsChild(HWND parent, HWND wnd);
BOOL IsWindowVisible(HWND wnd);
BOOL IsWindowEnabled(HWND wnd);
BOOL IsIconic(HWND wnd);
BOOL IsZoomed(HWND wnd);
BOOL EnableWindow(HWND wnd, BOOL enable);
BOOL ShowWindow(HWND wnd, int cmd);

HWND GetDesktopWindow();
HWND GetParent(HWND wnd);
HWND SetParent(HWND wnd, HWND newParent);
HWND GetAncestor(HWND wnd, UINT flags);
HWND GetWindow(HWND wnd, UINT cmd);
HWND GetTopWindow(HWND wnd);
HWND GetNextWindow(HWND wnd, UINT cmd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND wnd);
using WNDENUMPROC = std::function<BOOL(HWND)>;
// Children and all their descendants, in z-order, depth first.
BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& fn);
BOOL EnumWindows(const WNDENUMPROC& fn);
HWND FindWindow(const std::string& className, const std::string& windowName);

BOOL SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND wnd);
BOOL GetWindowPlacement(HWND wnd, WINDOWPLACEMENT* wp);
BOOL SetWindowPlacement(HWND wnd, const WINDOWPLACEMENT* wp);

// Window rectangle in screen coordinates; client rectangle at (0, 0).
BOOL GetWindowRect(HWND wnd, RECT* rc);
BOOL GetClientRect(HWND wnd, RECT* rc);
BOOL ClientToScreen(HWND wnd, POINT* pt);
BOOL ScreenToClient(HWND wnd, POINT* pt);
int MapWindowPoints(HWND from, HWND to, POINT* pts, UINT count);
HWND WindowFromPoint(POINT pt);
HWND ChildWindowFromPoint(HWND parent, POINT pt);
HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags);
BOOL AdjustWindowRectEx(RECT* rc, DWORD style, BOOL menu, DWORD exStyle);
BOOL AdjustWindowRect(RECT* rc, DWORD style, BOOL menu);

LONG_PTR GetWindowLongPtr(HWND wnd, int index);
LONG_PTR SetWindowLongPtr(HWND wnd, int index, LONG_PTR value);
LONG_PTR GetWindowLong(HWND wnd, int index);
LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value);

// Subclassing. Installing returns the procedure it replaces; putting back a
// saved procedure removes the layer that saved it, wherever it stands in the
// chain, and layers above it then reach the one below it.
WNDPROC GetWindowProc(HWND wnd);
WNDPROC SetWindowProc(HWND wnd, WNDPROC proc);
LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The message record through a window's procedure (Result set).
void CallWindowProc(WNDPROC proc, HWND wnd, Message& msg);

int GetWindowText(HWND wnd, std::string* text);
std::string GetWindowText(HWND wnd);
int GetWindowTextLength(HWND wnd);
BOOL SetWindowText(HWND wnd, const std::string& text);

using HANDLE = void*;
BOOL SetProp(HWND wnd, const std::string& name, HANDLE data);
HANDLE GetProp(HWND wnd, const std::string& name);
HANDLE RemoveProp(HWND wnd, const std::string& name);

HRGN GetWindowRgnHandle(HWND wnd);
// The window takes ownership of the region (nullptr removes it); the region is
// in window coordinates and clips painting and hit testing.
int SetWindowRgn(HWND wnd, HRGN rgn, BOOL redraw);
// Copies the window region into `rgn`; ERROR when the window has none.
int GetWindowRgn(HWND wnd, HRGN rgn);

// The hidden application window: a top-level window that is never shown,
// owner of the program's forms. Its procedure can be hooked.
HWND GetApplicationWindow();
using WindowHook = std::function<bool(Message&)>; // true: handled
// Hooks see every message of the application window before its procedure.
int HookApplicationWindow(WindowHook hook);
void UnhookApplicationWindow(int id);

} // namespace tv::win
