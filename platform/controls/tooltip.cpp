// The tool tip window procedure.
#include "platform/controls/tooltip.h"

#include <algorithm>
#include <vector>

#include "platform/controls/controlclass.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect;
    std::string text;
};

struct TipState {
    std::vector<Tool> tools;
    int tracked = -1;
    bool active = true;
    int maxWidth = -1;
    POINT pos;
    HFONT font = nullptr;
};

const WindowStateProp<TipState> kState{"TvToolTipState"};
TipState* State(HWND w) { return kState.Get(w); }

int FindTool(TipState& s, const TOOLINFO* ti) {
    if (!ti) return -1;
    for (size_t i = 0; i < s.tools.size(); ++i)
        if (s.tools[i].hwnd == ti->hwnd && s.tools[i].id == ti->uId) return int(i);
    return -1;
}

// Sizes the tip to its text and puts it at the tracked point, kept on screen.
void Place(HWND w, TipState& s) {
    if (s.tracked < 0) return;
    const std::string& text = s.tools[size_t(s.tracked)].text;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, s.maxWidth > 0 ? s.maxWidth : 10000, 0};
    DrawText(dc, text, &r, DT_CALCRECT | DT_NOPREFIX | (s.maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    DeleteDC(dc);
    int cx = r.Width() + 8, cy = r.Height() + 4;
    int x = std::clamp<int>(s.pos.x, 0, std::max(0, ScreenWidth() - cx));
    int y = std::clamp<int>(s.pos.y, 0, std::max(0, ScreenHeight() - cy));
    SetWindowPos(w, HWND_TOPMOST, x, y, cx, cy, SWP_NOACTIVATE);
}

void Paint(HWND w, TipState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    RECT c;
    GetClientRect(w, &c);
    HBRUSH bg = CreateSolidBrush(GetSysColor(COLOR_INFOBK));
    FillRect(dc, &c, bg);
    DeleteObject(bg);
    HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_INFOTEXT));
    FrameRect(dc, &c, frame);
    DeleteObject(frame);
    if (s.tracked >= 0) {
        HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        RECT t{4, 2, c.right - 4, c.bottom - 2};
        DrawText(dc, s.tools[size_t(s.tracked)].text, &t, DT_NOPREFIX | (s.maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
    }
    if (!given) EndPaint(w, &ps);
}

// --- what the window procedure delegates to ---

// The tracked tool's tip goes with it.
void DeleteTool(HWND w, TipState& s, const TOOLINFO* ti) {
    int i = FindTool(s, ti);
    if (i < 0) return;
    if (i == s.tracked) {
        s.tracked = -1;
        ShowWindow(w, SW_HIDE);
    } else if (i < s.tracked) {
        --s.tracked;
    }
    s.tools.erase(s.tools.begin() + i);
}

// A new text or a new rectangle for a tool; a shown tip follows at once.
void UpdateTool(HWND w, TipState& s, const TOOLINFO* ti, bool text) {
    int i = FindTool(s, ti);
    if (i < 0) return;
    if (text) s.tools[size_t(i)].text = ti->lpszText;
    else s.tools[size_t(i)].rect = ti->rect;
    if (i == s.tracked) {
        Place(w, s);
        InvalidateRect(w, nullptr, TRUE);
    }
}

// Shows the tool's tip at the tracked point, when the tips are active and
// it has a text; hides it on deactivation.
void TrackActivate(HWND w, TipState& s, bool activate, const TOOLINFO* ti) {
    int i = FindTool(s, ti);
    if (activate && i >= 0 && s.active && !s.tools[size_t(i)].text.empty()) {
        s.tracked = i;
        Place(w, s);
        ShowWindow(w, SW_SHOWNA);
        InvalidateRect(w, nullptr, TRUE);
    } else if (!activate) {
        s.tracked = -1;
        ShowWindow(w, SW_HIDE);
    }
}

LRESULT TipProc(HWND w, TipState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SETFONT: s.font = reinterpret_cast<HFONT>(wp); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT:
        Paint(w, s, reinterpret_cast<HDC>(wp));
        return 0;
    case TTM_ADDTOOL: {
        auto* ti = reinterpret_cast<const TOOLINFO*>(lp);
        if (!ti || FindTool(s, ti) >= 0) return FALSE;
        s.tools.push_back({ti->uFlags, ti->hwnd, ti->uId, ti->rect, ti->lpszText});
        return TRUE;
    }
    case TTM_DELTOOL:
        DeleteTool(w, s, reinterpret_cast<const TOOLINFO*>(lp));
        return 0;
    case TTM_GETTOOLCOUNT: return LRESULT(s.tools.size());
    case TTM_UPDATETIPTEXT: case TTM_NEWTOOLRECT:
        UpdateTool(w, s, reinterpret_cast<const TOOLINFO*>(lp), msg == TTM_UPDATETIPTEXT);
        return 0;
    case TTM_GETTEXT: {
        auto* ti = reinterpret_cast<TOOLINFO*>(lp);
        int i = FindTool(s, ti);
        if (ti) ti->lpszText = i >= 0 ? s.tools[size_t(i)].text : std::string();
        return 0;
    }
    case TTM_ACTIVATE:
        s.active = wp != 0;
        if (!s.active) ShowWindow(w, SW_HIDE);
        return 0;
    case TTM_TRACKPOSITION:
        s.pos = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        Place(w, s);
        return 0;
    case TTM_TRACKACTIVATE:
        TrackActivate(w, s, wp != 0, reinterpret_cast<const TOOLINFO*>(lp));
        return 0;
    case TTM_POP:
        ShowWindow(w, SW_HIDE);
        return 0;
    case TTM_SETMAXTIPWIDTH: {
        int old = s.maxWidth;
        s.maxWidth = int(lp);
        Place(w, s);
        return old;
    }
    case TTM_GETMAXTIPWIDTH: return s.maxWidth;
    case TTM_UPDATE:
        Place(w, s);
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterToolTipClass() {
    RegisterControlClass(TOOLTIPS_CLASS, CS_SAVEBITS, IDC_ARROW, kState.Procedure(TipProc));
}

} // namespace tv::win
