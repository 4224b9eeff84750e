#pragma once
// The MDI client window (class "MDICLIENT") and the default procedures of MDI
// frames and children.
#include "platform/window/window.h"

namespace tv::win {

struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu = nullptr; // the window list is appended to this menu
    UINT idFirstChild = 0xFF00;
};

struct MDICREATESTRUCT {
    std::string szClass;
    std::string szTitle;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, cx = CW_USEDEFAULT, cy = CW_USEDEFAULT;
    DWORD style = 0;
    LONG_PTR lParam = 0;
};

constexpr WPARAM MDITILE_VERTICAL = 0x0000;
constexpr WPARAM MDITILE_HORIZONTAL = 0x0001;
constexpr WPARAM MDITILE_SKIPDISABLED = 0x0002;

// The client window is created as a child of the frame with class "MDICLIENT"
// and a CLIENTCREATESTRUCT* as creation parameter.
inline constexpr const char* MDICLIENT_CLASS = "MDICLIENT";

HWND CreateMDIWindow(const std::string& className, const std::string& title, DWORD style, int x, int y,
                     int width, int height, HWND mdiClient, LONG_PTR param = 0);
LRESULT DefFrameProc(HWND frame, HWND mdiClient, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace tv::win
