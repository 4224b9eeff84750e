// Shows the virtual desktop on the desktop backend: a main window with a menu
// bar, an MDI area with cascaded children (one with scroll bars that scroll
// its lines) and a round badge cut by a window region.
//   window_demo [--seconds N] [--fullscreen] [--size WxH]
// With --seconds it closes itself after N seconds.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/exceptions.h"
#include "platform/backend/sdlbackend.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/mdi.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

using namespace tv::win;

namespace {

constexpr int kLines = 60;
constexpr int kLineHeight = 18;
HWND g_client = nullptr;

void PaintLines(HWND wnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    if (dc) {
        int top = GetScrollPos(wnd, SB_VERT);
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < kLines; ++i) {
            RECT r{8, (i - top) * kLineHeight + 4, 600, (i - top + 1) * kLineHeight + 4};
            char text[96];
            std::snprintf(text, sizeof text, "Artículo %03d    Precio lista 1: $ %d.%03d", i + 1, 1 + i * 7 % 90,
                          (i * 137) % 1000);
            SetTextColor(dc, i % 2 ? RGB(0, 0, 0) : RGB(0, 64, 128));
            DrawText(dc, text, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        }
    }
    EndPaint(wnd, &ps);
}

void UpdateBars(HWND wnd) {
    RECT rc;
    GetClientRect(wnd, &rc);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = kLines - 1;
    si.nPage = UINT(rc.bottom / kLineHeight);
    SetScrollInfo(wnd, SB_VERT, &si, TRUE);
    si.nMax = 599;
    si.nPage = UINT(rc.right);
    SetScrollInfo(wnd, SB_HORZ, &si, TRUE);
}

void Scroll(HWND wnd, WPARAM request) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(wnd, SB_VERT, &si);
    int pos = si.nPos;
    switch (LOWORD(request)) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= int(si.nPage); break;
    case SB_PAGEDOWN: pos += int(si.nPage); break;
    case SB_THUMBTRACK: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
    }
    int old = si.nPos;
    SetScrollPos(wnd, SB_VERT, pos, TRUE);
    int moved = GetScrollPos(wnd, SB_VERT) - old;
    if (moved) ScrollWindowEx(wnd, 0, -moved * kLineHeight, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}

LRESULT ChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        if (GetWindowLong(wnd, GWL_USERDATA)) UpdateBars(wnd);
        break;
    case WM_VSCROLL: Scroll(wnd, wp); return 0;
    case WM_PAINT:
        if (GetWindowLong(wnd, GWL_USERDATA)) {
            PaintLines(wnd);
            return 0;
        }
        break;
    default: break;
    }
    return DefMDIChildProc(wnd, msg, wp, lp);
}

LRESULT BadgeProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        if (dc) {
            RECT rc;
            GetClientRect(wnd, &rc);
            HBRUSH orange = CreateSolidBrush(RGB(240, 140, 20));
            FillRect(dc, &rc, orange);
            DeleteObject(orange);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(255, 255, 255));
            DrawText(dc, "Tallyvo", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        EndPaint(wnd, &ps);
        return 0;
    }
    if (msg == WM_NCHITTEST) return HTCAPTION; // drag it anywhere
    return DefWindowProc(wnd, msg, wp, lp);
}

LRESULT FrameProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER: PostQuitMessage(0); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == 10) {
            SendMessage(g_client, WM_MDICASCADE, 0, 0);
            return 0;
        }
        if (LOWORD(wp) == 11) {
            SendMessage(g_client, WM_MDITILE, MDITILE_VERTICAL, 0);
            return 0;
        }
        if (LOWORD(wp) == 12) {
            DestroyWindow(wnd);
            return 0;
        }
        break;
    default: break;
    }
    return DefFrameProc(wnd, g_client, msg, wp, lp);
}

} // namespace

int main(int argc, char** argv) {
    SdlOptions options;
    options.title = "Tallyvo POS - demostración del escritorio";
    int seconds = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--fullscreen")) options.fullScreen = true;
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &options.width, &options.height);
    }
    try {
        SetBackend(std::make_unique<SdlBackend>(options));
    } catch (const tv::Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }

    WNDCLASS frame;
    frame.lpszClassName = "DemoFrame";
    frame.lpfnWndProc = FrameProc;
    frame.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_BTNFACE + 1));
    RegisterClass(frame);
    WNDCLASS child;
    child.lpszClassName = "DemoChild";
    child.style = CS_DBLCLKS;
    child.lpfnWndProc = ChildProc;
    child.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    RegisterClass(child);
    WNDCLASS badge;
    badge.lpszClassName = "DemoBadge";
    badge.lpfnWndProc = BadgeProc;
    RegisterClass(badge);

    HMENU windowMenu = CreatePopupMenu();
    AppendMenu(windowMenu, MF_STRING, 10, "&Cascada");
    AppendMenu(windowMenu, MF_STRING, 11, "&Mosaico");
    HMENU bar = CreateMenu();
    AppendMenu(bar, MF_STRING, 12, "&Salir");
    AppendMenu(bar, MF_STRING, 10, "&Cascada");
    AppendMenu(bar, MF_STRING, 11, "&Mosaico");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Ventana");
    HWND main = CreateWindowEx(0, "DemoFrame", "Tallyvo POS 2009", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, bar);
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = windowMenu;
    RECT rc;
    GetClientRect(main, &rc);
    g_client = CreateWindowEx(WS_EX_CLIENTEDGE, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              rc.right, rc.bottom, main, nullptr, reinterpret_cast<LONG_PTR>(&ccs));
    ShowWindow(main, SW_SHOWMAXIMIZED);

    CreateMDIWindow("DemoChild", "Plan de cuentas", 0, CW_USEDEFAULT, CW_USEDEFAULT, 420, 300, g_client);
    HWND articles = CreateMDIWindow("DemoChild", "Artículos", WS_VSCROLL | WS_HSCROLL, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 520, 360, g_client);
    SetWindowLong(articles, GWL_USERDATA, 1);
    UpdateBars(articles);
    SendMessage(g_client, WM_MDICASCADE, 0, 0);

    HWND round = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "DemoBadge", "", WS_POPUP, ScreenWidth() - 190,
                                ScreenHeight() - 150, 160, 110, main, nullptr);
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 160, 110), FALSE);
    ShowWindow(round, SW_SHOWNOACTIVATE);

    if (seconds > 0) SetTimer(main, 1, UINT(seconds) * 1000);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    SetBackend(nullptr);
    return int(msg.wParam);
}
