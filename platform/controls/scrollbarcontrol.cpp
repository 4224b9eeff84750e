#include "platform/controls/scrollbarcontrol.h"

#include "platform/controls/controlclass.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/window.h"

namespace tv::win {
namespace {

void Notify(HWND w, WPARAM code) {
    HWND parent = GetParent(w);
    if (!parent) return;
    UINT request = (GetWindowLong(w, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessage(parent, request, code, reinterpret_cast<LPARAM>(w));
}

void Paint(HWND w, HDC dc) {
    RECT r;
    GetClientRect(w, &r);
    PaintScrollBar(dc, w, SB_CTL, r);
}

// The arrows, page keys, Home and End scroll as the bar's parts do; false
// for any other key.
bool ScrollByKey(HWND w, int vk) {
    WPARAM code;
    switch (vk) {
    case VK_LEFT: case VK_UP: code = SB_LINEUP; break;
    case VK_RIGHT: case VK_DOWN: code = SB_LINEDOWN; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return false;
    }
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, OBJID_CLIENT, &sbi);
    if (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) return true;
    Notify(w, code);
    if (IsWindow(w)) Notify(w, SB_ENDSCROLL);
    return true;
}

LRESULT ScrollBarProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (wp) {
            Paint(w, reinterpret_cast<HDC>(wp));
        } else {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            Paint(w, dc);
            EndPaint(w, &ps);
        }
        return 0;
    case WM_SIZE:
    case WM_ENABLE:
        InvalidateRect(w, nullptr, FALSE);
        return DefWindowProc(w, msg, wp, lp);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if ((GetWindowLong(w, GWL_STYLE) & WS_TABSTOP) && GetFocus() != w) SetFocus(w);
        if (!IsWindow(w)) return 0;
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(w, &pt);
        TrackScrollBar(w, SB_CTL, pt);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (!ScrollByKey(w, int(wp))) return DefWindowProc(w, msg, wp, lp);
        return 0;
    default:
        return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterScrollBarClass() {
    RegisterControlClass(WC_SCROLLBAR, CS_DBLCLKS, IDC_ARROW, &ScrollBarProc);
}

} // namespace tv::win
