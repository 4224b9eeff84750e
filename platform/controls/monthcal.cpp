// The month calendar window procedure.
#include "platform/controls/monthcal.h"

#include <algorithm>
#include <string>

#include "core/datetime.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

struct Day {
    int y = 0, m = 0, d = 0;
};
bool operator<(const Day& a, const Day& b) { return std::tie(a.y, a.m, a.d) < std::tie(b.y, b.m, b.d); }
bool operator==(const Day& a, const Day& b) { return a.y == b.y && a.m == b.m && a.d == b.d; }

Day FromDate(TDateTime t) {
    Day r;
    DecodeDate(t, r.y, r.m, r.d);
    return r;
}
TDateTime ToDate(const Day& d) { return EncodeDate(d.y, d.m, d.d); }
bool Valid(const SYSTEMTIME& st) {
    return st.wYear >= 1 && st.wYear <= 9999 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
           st.wDay <= DaysInAMonth(st.wYear, st.wMonth);
}
SYSTEMTIME ToSystemTime(const Day& d) {
    SYSTEMTIME st;
    st.wYear = WORD(d.y);
    st.wMonth = WORD(d.m);
    st.wDay = WORD(d.d);
    st.wDayOfWeek = WORD(DayOfWeek(ToDate(d)) - 1);
    return st;
}

struct CalState {
    Day sel;
    Day today;
    Day shown; // the month shown (day 1)
    bool hasMin = false, hasMax = false;
    Day min, max;
    int firstDay = 6; // 0 Monday ... 6 Sunday
    HFONT font = nullptr;
};

const WindowStateProp<CalState> kState{"TvMonthCalState"};
CalState* State(HWND w) { return kState.Get(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }

struct Layout {
    int cw = 0, ch = 0, th = 0;     // cell width and height, title height
    int left = 0;                   // x of the first day column
    RECT title, prev, next, month, year, days, grid, today;
};

Layout MakeLayout(HWND w, CalState& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SIZE wide;
    GetTextExtentPoint32(dc, "Mié", &wide);
    std::string title = FormatSettings.LongMonthNames[size_t(s.shown.m - 1)];
    SIZE monthSz, yearSz;
    GetTextExtentPoint32(dc, title, &monthSz);
    GetTextExtentPoint32(dc, std::to_string(s.shown.y), &yearSz);
    SelectObject(dc, old);
    DeleteDC(dc);
    Layout l;
    l.cw = std::max<int>(wide.cx, tm.tmAveCharWidth * 3) + 8;
    l.ch = tm.tmHeight + 4;
    l.th = l.ch + 8;
    int weekCol = (Style(w) & MCS_WEEKNUMBERS) ? l.cw : 0;
    int width = weekCol + 7 * l.cw + 8;
    l.left = 4 + weekCol;
    l.title = {0, 0, width, l.th};
    l.prev = {4, 4, 4 + l.th - 8, l.th - 4};
    l.next = {width - 4 - (l.th - 8), 4, width - 4, l.th - 4};
    int tw = monthSz.cx + 6 + yearSz.cx;
    int tx = (width - tw) / 2;
    l.month = {tx, 4, tx + monthSz.cx, l.th - 4};
    l.year = {tx + monthSz.cx + 6, 4, tx + tw, l.th - 4};
    l.days = {l.left, l.th, l.left + 7 * l.cw, l.th + l.ch};
    l.grid = {l.left, l.days.bottom + 2, l.left + 7 * l.cw, l.days.bottom + 2 + 6 * l.ch};
    int bottom = l.grid.bottom + 2;
    if (!(Style(w) & MCS_NOTODAY)) l.today = {4, bottom, width - 4, bottom + l.ch};
    else l.today = {0, bottom, 0, bottom};
    return l;
}

RECT MinRect(HWND w, CalState& s) {
    Layout l = MakeLayout(w, s);
    return {0, 0, l.title.right, l.today.bottom + 4};
}

// The first cell of the grid: the week day of the month's first day, counted
// from the first day of the week.
Day CellDay(CalState& s, int row, int col) {
    TDateTime first = ToDate({s.shown.y, s.shown.m, 1});
    int dow = (DayOfWeek(first) + 5) % 7; // 0 Monday ... 6 Sunday
    int lead = (dow - s.firstDay + 7) % 7;
    if (lead == 0) lead = 7; // a row of the month before is always shown
    return FromDate(IncDay(first, row * 7 + col - lead));
}

int WeekNumber(const Day& d) {
    // ISO week of the date.
    TDateTime t = ToDate(d);
    int dow = (DayOfWeek(t) + 5) % 7;
    TDateTime thursday = IncDay(t, 3 - dow);
    Day th = FromDate(thursday);
    return int((thursday - ToDate({th.y, 1, 1})) / 7) + 1;
}

UINT HitTest(HWND w, CalState& s, POINT p, Day* day) {
    Layout l = MakeLayout(w, s);
    RECT c;
    GetClientRect(w, &c);
    if (p.x < 0 || p.y < 0 || p.x >= std::max(c.right, l.title.right) || p.y >= std::max(c.bottom, l.today.bottom))
        return MCHT_NOWHERE;
    if (PtInRect(&l.title, p)) {
        if (PtInRect(&l.prev, p)) return MCHT_TITLEBTNPREV;
        if (PtInRect(&l.next, p)) return MCHT_TITLEBTNNEXT;
        if (PtInRect(&l.month, p)) return MCHT_TITLEMONTH;
        if (PtInRect(&l.year, p)) return MCHT_TITLEYEAR;
        return MCHT_TITLEBK;
    }
    if (PtInRect(&l.days, p)) return MCHT_CALENDARDAY;
    if ((Style(w) & MCS_WEEKNUMBERS) && p.x < l.left && p.y >= l.grid.top && p.y < l.grid.bottom) {
        if (day) *day = CellDay(s, (p.y - l.grid.top) / l.ch, 0);
        return MCHT_CALENDARWEEKNUM;
    }
    if (PtInRect(&l.grid, p)) {
        Day d = CellDay(s, (p.y - l.grid.top) / l.ch, (p.x - l.grid.left) / l.cw);
        if (day) *day = d;
        if (d.m == s.shown.m) return MCHT_CALENDARDATE;
        return (d < s.shown) ? MCHT_CALENDARDATEPREV : MCHT_CALENDARDATENEXT;
    }
    if (!(Style(w) & MCS_NOTODAY) && PtInRect(&l.today, p)) return MCHT_TODAYLINK;
    return MCHT_CALENDARBK;
}

Day Clamp(CalState& s, Day d) {
    if (s.hasMin && d < s.min) d = s.min;
    if (s.hasMax && s.max < d) d = s.max;
    return d;
}

void Notify(HWND w, CalState& s, UINT code) {
    NMSELCHANGE n;
    n.nmhdr.hwndFrom = w;
    n.nmhdr.idFrom = UINT_PTR(GetDlgCtrlID(w));
    n.nmhdr.code = code;
    n.stSelStart = n.stSelEnd = ToSystemTime(s.sel);
    if (HWND p = GetParent(w)) SendMessage(p, WM_NOTIFY, n.nmhdr.idFrom, reinterpret_cast<LPARAM>(&n));
}

// Selects a date as the user does: the month follows, the parent hears.
void Pick(HWND w, CalState& s, Day d, bool select) {
    d = Clamp(s, d);
    bool changed = !(d == s.sel);
    s.sel = d;
    s.shown = {d.y, d.m, 1};
    InvalidateRect(w, nullptr, TRUE);
    if (changed) Notify(w, s, MCN_SELCHANGE);
    if (select) Notify(w, s, MCN_SELECT);
}

void MoveMonth(HWND w, CalState& s, int months) {
    Day d = FromDate(IncMonth(ToDate(s.sel), months));
    Pick(w, s, d, false);
}

void Paint(HWND w, CalState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    Layout l = MakeLayout(w, s);
    RECT c;
    GetClientRect(w, &c);
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    HBRUSH bg = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    FillRect(dc, &c, bg);
    DeleteObject(bg);
    SetBkMode(dc, TRANSPARENT);
    HBRUSH tb = CreateSolidBrush(GetSysColor(COLOR_ACTIVECAPTION));
    FillRect(dc, &l.title, tb);
    DeleteObject(tb);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    std::string month = FormatSettings.LongMonthNames[size_t(s.shown.m - 1)];
    if (!month.empty()) month = AnsiUpperCase(month.substr(0, 1)) + month.substr(1);
    DrawText(dc, month, &l.month, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    DrawText(dc, std::to_string(s.shown.y), &l.year, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    DrawFrameControl(dc, &l.prev, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(dc, &l.next, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (int col = 0; col < 7; ++col) {
        int dow = (s.firstDay + col) % 7;            // 0 Monday
        std::string name = FormatSettings.ShortDayNames[size_t((dow + 1) % 7)];
        if (!name.empty()) name = AnsiUpperCase(name.substr(0, 1)) + name.substr(1);
        RECT r{l.days.left + col * l.cw, l.days.top, l.days.left + (col + 1) * l.cw, l.days.bottom};
        DrawText(dc, name, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    for (int row = 0; row < 6; ++row) {
        if (Style(w) & MCS_WEEKNUMBERS) {
            RECT r{4, l.grid.top + row * l.ch, l.left, l.grid.top + (row + 1) * l.ch};
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            DrawText(dc, std::to_string(WeekNumber(CellDay(s, row, 0))), &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
        for (int col = 0; col < 7; ++col) {
            Day d = CellDay(s, row, col);
            RECT r{l.grid.left + col * l.cw, l.grid.top + row * l.ch, l.grid.left + (col + 1) * l.cw,
                   l.grid.top + (row + 1) * l.ch};
            bool other = d.m != s.shown.m;
            if (d == s.sel) {
                HBRUSH hb = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
                FillRect(dc, &r, hb);
                DeleteObject(hb);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            } else {
                SetTextColor(dc, GetSysColor(other ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
            }
            DrawText(dc, std::to_string(d.d), &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            if (d == s.today && !(Style(w) & MCS_NOTODAYCIRCLE)) {
                HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
                FrameRect(dc, &r, red);
                DeleteObject(red);
            }
        }
    }
    if (!(Style(w) & MCS_NOTODAY)) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", s.today.y, s.today.m, s.today.d);
        DrawText(dc, std::string("Hoy: ") + buf, &l.today, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    if (!given) EndPaint(w, &ps);
}

void KeyDown(HWND w, CalState& s, int vk) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    TDateTime t = ToDate(s.sel);
    int dow = (DayOfWeek(t) + 5) % 7;
    int col = (dow - s.firstDay + 7) % 7;
    switch (vk) {
    case VK_LEFT: Pick(w, s, FromDate(IncDay(t, -1)), false); break;
    case VK_RIGHT: Pick(w, s, FromDate(IncDay(t, 1)), false); break;
    case VK_UP: Pick(w, s, FromDate(IncDay(t, -7)), false); break;
    case VK_DOWN: Pick(w, s, FromDate(IncDay(t, 7)), false); break;
    case VK_PRIOR: MoveMonth(w, s, ctrl ? -12 : -1); break;
    case VK_NEXT: MoveMonth(w, s, ctrl ? 12 : 1); break;
    case VK_HOME:
        if (ctrl) Pick(w, s, {s.sel.y, s.sel.m, 1}, false);
        else Pick(w, s, FromDate(IncDay(t, -col)), false);
        break;
    case VK_END:
        if (ctrl) Pick(w, s, {s.sel.y, s.sel.m, DaysInAMonth(s.sel.y, s.sel.m)}, false);
        else Pick(w, s, FromDate(IncDay(t, 6 - col)), false);
        break;
    default: break;
    }
}

// --- what the window procedure delegates to ---

// The title's arrows turn the month; a day of the shown month or the today
// line picks a day.
void ClickAt(HWND w, CalState& s, POINT p) {
    if (GetFocus() != w) SetFocus(w);
    Day d;
    UINT hit = HitTest(w, s, p, &d);
    if (hit == MCHT_TITLEBTNPREV) MoveMonth(w, s, -1);
    else if (hit == MCHT_TITLEBTNNEXT) MoveMonth(w, s, 1);
    else if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && (hit & 0xFFFF) == 1) Pick(w, s, d, true);
    else if (hit == MCHT_TODAYLINK) Pick(w, s, s.today, true);
}

// A day outside the range is refused.
LRESULT SetSelection(HWND w, CalState& s, const SYSTEMTIME* st) {
    if (!st || !Valid(*st)) return FALSE;
    Day d{st->wYear, st->wMonth, st->wDay};
    if ((s.hasMin && d < s.min) || (s.hasMax && s.max < d)) return FALSE;
    s.sel = d;
    s.shown = {d.y, d.m, 1};
    InvalidateRect(w, nullptr, TRUE);
    return TRUE;
}

LRESULT HitTestInfo(HWND w, CalState& s, MCHITTESTINFO* hi) {
    if (!hi) return MCHT_NOWHERE;
    Day d;
    hi->uHit = HitTest(w, s, hi->pt, &d);
    if ((hi->uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE || hi->uHit == MCHT_CALENDARWEEKNUM)
        hi->st = ToSystemTime(d);
    return LRESULT(hi->uHit);
}

// The selected day moves into the new range.
LRESULT SetRange(HWND w, CalState& s, WPARAM which, const SYSTEMTIME* st) {
    s.hasMin = (which & GDTR_MIN) && st && Valid(st[0]);
    s.hasMax = (which & GDTR_MAX) && st && Valid(st[1]);
    if (s.hasMin) s.min = {st[0].wYear, st[0].wMonth, st[0].wDay};
    if (s.hasMax) s.max = {st[1].wYear, st[1].wMonth, st[1].wDay};
    s.sel = Clamp(s, s.sel);
    s.shown = {s.sel.y, s.sel.m, 1};
    InvalidateRect(w, nullptr, TRUE);
    return TRUE;
}

LRESULT GetRange(CalState& s, SYSTEMTIME* st) {
    if (st) {
        if (s.hasMin) st[0] = ToSystemTime(s.min);
        if (s.hasMax) st[1] = ToSystemTime(s.max);
    }
    return (s.hasMin ? GDTR_MIN : 0) | (s.hasMax ? GDTR_MAX : 0);
}

LRESULT CalProc(HWND w, CalState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        s.today = FromDate(Date());
        s.sel = s.today;
        s.shown = {s.sel.y, s.sel.m, 1};
        return DefWindowProc(w, msg, wp, lp);
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        if (LOWORD(lp)) InvalidateRect(w, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT:
        Paint(w, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        KeyDown(w, s, int(wp));
        return 0;
    case WM_MOUSEWHEEL:
        MoveMonth(w, s, std::int16_t(HIWORD(wp)) > 0 ? -1 : 1);
        return 0;
    case WM_LBUTTONDOWN:
        ClickAt(w, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case MCM_GETCURSEL:
        if (auto* st = reinterpret_cast<SYSTEMTIME*>(lp)) *st = ToSystemTime(s.sel);
        return TRUE;
    case MCM_SETCURSEL: return SetSelection(w, s, reinterpret_cast<const SYSTEMTIME*>(lp));
    case MCM_GETTODAY:
        if (auto* st = reinterpret_cast<SYSTEMTIME*>(lp)) *st = ToSystemTime(s.today);
        return TRUE;
    case MCM_SETTODAY: {
        auto* st = reinterpret_cast<const SYSTEMTIME*>(lp);
        s.today = (st && Valid(*st)) ? Day{st->wYear, st->wMonth, st->wDay} : FromDate(Date());
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    }
    case MCM_GETMINREQRECT:
        if (auto* r = reinterpret_cast<RECT*>(lp)) *r = MinRect(w, s);
        return TRUE;
    case MCM_HITTEST: return HitTestInfo(w, s, reinterpret_cast<MCHITTESTINFO*>(lp));
    case MCM_SETFIRSTDAYOFWEEK: {
        int old = s.firstDay;
        s.firstDay = std::clamp(int(lp), 0, 6);
        InvalidateRect(w, nullptr, TRUE);
        return MAKELPARAM(old, 1);
    }
    case MCM_GETFIRSTDAYOFWEEK: return MAKELPARAM(s.firstDay, 0);
    case MCM_SETRANGE: return SetRange(w, s, wp, reinterpret_cast<const SYSTEMTIME*>(lp));
    case MCM_GETRANGE: return GetRange(s, reinterpret_cast<SYSTEMTIME*>(lp));
    default:
        return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterMonthCalClass() {
    RegisterControlClass(MONTHCAL_CLASS, CS_DBLCLKS, IDC_ARROW, kState.Procedure(CalProc));
}

} // namespace tv::win
