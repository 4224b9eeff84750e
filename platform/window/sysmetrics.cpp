// System metrics, parameters and colours of the virtual desktop.
#include "platform/window/sysmetrics.h"

#include <map>

#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"

namespace tv::win {
namespace {

COLORREF g_colors[COLOR_COUNT];
UINT g_wheelLines = 3;

const COLORREF kDefaultColors[COLOR_COUNT] = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // gray text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3D dark shadow
    RGB(212, 208, 200), // 3D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(181, 181, 181), // (unused slot)
    RGB(0, 0, 128),     // hot light
    RGB(166, 202, 240), // gradient active caption
    RGB(192, 192, 192), // gradient inactive caption
    RGB(49, 106, 197),  // menu highlight
    RGB(212, 208, 200), // menu bar
};

LOGFONT UiFont(bool bold) {
    LOGFONT f;
    f.lfHeight = -11;
    f.lfWeight = bold ? 700 : 400;
    f.lfFaceName = "Sans";
    return f;
}

} // namespace

void ResetSystemSettings() {
    for (int i = 0; i < COLOR_COUNT; ++i) g_colors[i] = kDefaultColors[i];
    g_wheelLines = 3;
}

int GetSystemMetrics(int index) {
    auto& d = D();
    switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: case SM_CXFULLSCREEN: return d.width;
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return d.height;
    case SM_CYFULLSCREEN: return d.workArea.Height() - 19;
    case SM_XVIRTUALSCREEN: case SM_YVIRTUALSCREEN: return 0;
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: return 16;
    case SM_CYVTHUMB: case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CYSMCAPTION: return 15;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME: case SM_CYFIXEDFRAME: return 3;
    case SM_CXSIZEFRAME: case SM_CYSIZEFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXMENUSIZE: case SM_CYMENUSIZE: return 18;
    case SM_CXSIZE: case SM_CYSIZE: return 18;
    case SM_CXSMSIZE: case SM_CYSMSIZE: return 13;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXMAXTRACK: return d.width + 12;
    case SM_CYMAXTRACK: return d.height + 12;
    case SM_CXMAXIMIZED: return d.workArea.Width() + 8;
    case SM_CYMAXIMIZED: return d.workArea.Height() + 8;
    case SM_CXMINIMIZED: case SM_CXMINSPACING: return 160;
    case SM_CYMINIMIZED: case SM_CYMINSPACING: return 24;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXICONSPACING: case SM_CYICONSPACING: return 75;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    case SM_MOUSEWHEELPRESENT: case SM_CMONITORS: case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_SWAPBUTTON: case SM_MENUDROPALIGNMENT: return 0;
    default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT uiParam, void* param, UINT) {
    auto& d = D();
    switch (action) {
    case SPI_GETWORKAREA:
        if (!param) return FALSE;
        *static_cast<RECT*>(param) = d.workArea;
        return TRUE;
    case SPI_SETWORKAREA: {
        if (!param) return FALSE;
        RECT r = *static_cast<RECT*>(param);
        RECT screen{0, 0, d.width, d.height};
        if (!IntersectRect(&r, &r, &screen)) return FALSE;
        d.workArea = r;
        return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: {
        if (!param) return FALSE;
        auto* m = static_cast<NONCLIENTMETRICS*>(param);
        m->iBorderWidth = 1;
        m->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
        m->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
        m->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
        m->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
        m->lfCaptionFont = UiFont(true);
        m->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
        m->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
        m->lfSmCaptionFont = UiFont(true);
        m->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
        m->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
        m->lfMenuFont = UiFont(false);
        m->lfStatusFont = UiFont(false);
        m->lfMessageFont = UiFont(false);
        return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
        if (!param) return FALSE;
        *static_cast<LOGFONT*>(param) = UiFont(false);
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        if (!param) return FALSE;
        *static_cast<UINT*>(param) = g_wheelLines;
        return TRUE;
    case SPI_SETWHEELSCROLLLINES: g_wheelLines = uiParam; return TRUE;
    case SPI_SETDOUBLECLICKTIME: d.doubleClickTime = uiParam ? uiParam : 500; return TRUE;
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETSNAPTODEFAULTBUTTON:
    case SPI_GETFLATMENU:
        if (!param) return FALSE;
        *static_cast<BOOL*>(param) = action == SPI_GETDRAGFULLWINDOWS ? TRUE : FALSE;
        return TRUE;
    case SPI_GETMENUSHOWDELAY:
    case SPI_GETMOUSEHOVERTIME:
        if (!param) return FALSE;
        *static_cast<UINT*>(param) = 400;
        return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        if (!param) return FALSE;
        *static_cast<UINT*>(param) = 4;
        return TRUE;
    case SPI_GETKEYBOARDDELAY:
        if (!param) return FALSE;
        *static_cast<int*>(param) = 1;
        return TRUE;
    case SPI_GETKEYBOARDSPEED:
        if (!param) return FALSE;
        *static_cast<UINT*>(param) = 31;
        return TRUE;
    default: return FALSE;
    }
}

COLORREF GetSysColor(int index) {
    if (index < 0 || index >= COLOR_COUNT) return 0;
    return g_colors[index];
}

BOOL SetSysColors(int count, const int* indexes, const COLORREF* colors) {
    if (!indexes || !colors) return FALSE;
    for (int i = 0; i < count; ++i)
        if (indexes[i] >= 0 && indexes[i] < COLOR_COUNT) g_colors[indexes[i]] = colors[i];
    EnumWindows([](HWND w) {
        SendMessage(w, WM_SYSCOLORCHANGE, 0, 0);
        return TRUE;
    });
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

namespace {
int g_monitor = 1;
}

HMONITOR MonitorFromWindow(HWND, DWORD) { return &g_monitor; }
HMONITOR MonitorFromPoint(POINT, DWORD) { return &g_monitor; }
HMONITOR MonitorFromRect(const RECT*, DWORD) { return &g_monitor; }

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    if (monitor != &g_monitor || !info) return FALSE;
    info->rcMonitor = {0, 0, D().width, D().height};
    info->rcWork = D().workArea;
    info->dwFlags = 1;
    return TRUE;
}

} // namespace tv::win
