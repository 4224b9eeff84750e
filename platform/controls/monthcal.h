#pragma once
// The month calendar window class ("SysMonthCal32"): one month shown, a
// selected date, today, a range, hit testing with the MCHT_ codes, the
// keyboard (arrows, Page Up/Down by month, Ctrl+Page by year, Home/End to
// the week's ends, Ctrl+Home/End to the month's) and the wheel (by month).
// Changes of the selection are told to the parent with WM_NOTIFY.
#include "platform/controls/commonnotify.h"

namespace tv::win {

inline constexpr const char* MONTHCAL_CLASS = "SysMonthCal32";

constexpr DWORD MCS_DAYSTATE = 0x0001, MCS_MULTISELECT = 0x0002, MCS_WEEKNUMBERS = 0x0004,
                MCS_NOTODAYCIRCLE = 0x0008, MCS_NOTODAY = 0x0010;

constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1, MCM_SETCURSEL = MCM_FIRST + 2, MCM_GETMINREQRECT = MCM_FIRST + 9,
               MCM_SETCOLOR = MCM_FIRST + 10, MCM_GETCOLOR = MCM_FIRST + 11, MCM_SETTODAY = MCM_FIRST + 12,
               MCM_GETTODAY = MCM_FIRST + 13, MCM_HITTEST = MCM_FIRST + 14, MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15,
               MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16, MCM_GETRANGE = MCM_FIRST + 17, MCM_SETRANGE = MCM_FIRST + 18;

constexpr UINT MCHT_NOWHERE = 0x00000000, MCHT_TITLE = 0x00010000, MCHT_CALENDAR = 0x00020000,
               MCHT_TODAYLINK = 0x00030000, MCHT_NEXT = 0x01000000, MCHT_PREV = 0x02000000;
constexpr UINT MCHT_TITLEBK = MCHT_TITLE, MCHT_TITLEMONTH = MCHT_TITLE | 1, MCHT_TITLEYEAR = MCHT_TITLE | 2,
               MCHT_TITLEBTNNEXT = MCHT_TITLE | MCHT_NEXT | 3, MCHT_TITLEBTNPREV = MCHT_TITLE | MCHT_PREV | 3;
constexpr UINT MCHT_CALENDARBK = MCHT_CALENDAR, MCHT_CALENDARDATE = MCHT_CALENDAR | 1,
               MCHT_CALENDARDATENEXT = MCHT_CALENDARDATE | MCHT_NEXT,
               MCHT_CALENDARDATEPREV = MCHT_CALENDARDATE | MCHT_PREV, MCHT_CALENDARDAY = MCHT_CALENDAR | 2,
               MCHT_CALENDARWEEKNUM = MCHT_CALENDAR | 3;

constexpr DWORD GDTR_MIN = 0x0001, GDTR_MAX = 0x0002;

struct SYSTEMTIME {
    WORD wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0, wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

struct MCHITTESTINFO {
    UINT cbSize = sizeof(MCHITTESTINFO);
    POINT pt;
    UINT uHit = 0;
    SYSTEMTIME st;
};

constexpr UINT MCN_FIRST = UINT(-750);
constexpr UINT MCN_SELCHANGE = MCN_FIRST + 1, MCN_SELECT = MCN_FIRST + 4;

struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart;
    SYSTEMTIME stSelEnd;
};

void RegisterMonthCalClass();

} // namespace tv::win
