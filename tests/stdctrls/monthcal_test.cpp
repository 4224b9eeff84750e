// The month calendar window class: hit codes, keyboard across month and
// year ends, the range, notifications.
#include "platform/controls/monthcal.h"
#include <set>

#include "windowfixture.h"

namespace tvtest {
namespace {

SYSTEMTIME Ymd(int y, int m, int d) {
    SYSTEMTIME st;
    st.wYear = WORD(y);
    st.wMonth = WORD(m);
    st.wDay = WORD(d);
    return st;
}

class MonthCal : public ControlTest {
protected:
    HWND Make(DWORD style = 0) {
        HWND c = Child(MONTHCAL_CLASS, style, 10, 10, 10, 10);
        RECT r;
        SendMessage(c, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&r));
        MoveWindow(c, 10, 10, r.Width(), r.Height(), TRUE);
        SYSTEMTIME today = Ymd(2009, 4, 23);
        SendMessage(c, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
        Set(c, 2009, 4, 23);
        SetFocus(c);
        return c;
    }
    static void Set(HWND c, int y, int m, int d) {
        SYSTEMTIME st = Ymd(y, m, d);
        SendMessage(c, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    }
    static std::string Sel(HWND c) {
        SYSTEMTIME st;
        SendMessage(c, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
        char b[32];
        std::snprintf(b, sizeof b, "%04d/%02d/%02d", st.wYear, st.wMonth, st.wDay);
        return b;
    }
    static UINT Hit(HWND c, int x, int y, SYSTEMTIME* st = nullptr) {
        MCHITTESTINFO hi;
        hi.pt = {x, y};
        UINT code = UINT(SendMessage(c, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hi)));
        if (st) *st = hi.st;
        return code;
    }
};

TEST_F(MonthCal, KeyboardCrossesMonthAndYearEnds) {
    HWND c = Make();
    struct Step {
        int y, m, d;
        int vk;
        bool ctrl;
        const char* want;
    } steps[] = {
        {2009, 4, 30, VK_RIGHT, false, "2009/05/01"},
        {2009, 1, 1, VK_LEFT, false, "2008/12/31"},
        {2008, 12, 29, VK_DOWN, false, "2009/01/05"},
        {2009, 3, 3, VK_UP, false, "2009/02/24"},
        {2009, 1, 31, VK_NEXT, false, "2009/02/28"},  // the day is cut to the month
        {2008, 3, 31, VK_PRIOR, false, "2008/02/29"}, // leap year
        {2009, 12, 15, VK_NEXT, false, "2010/01/15"},
        {2009, 6, 10, VK_NEXT, true, "2010/06/10"},   // Ctrl: a year
        {2009, 6, 10, VK_HOME, true, "2009/06/01"},
        {2009, 6, 10, VK_END, true, "2009/06/30"},
    };
    for (const Step& s : steps) {
        Set(c, s.y, s.m, s.d);
        PressKey(s.vk, false, s.ctrl);
        EXPECT_EQ(Sel(c), s.want) << s.y << "/" << s.m << "/" << s.d << " key " << s.vk;
    }
    ClearNotices();
    Set(c, 2009, 4, 23);
    hostMessages.clear();
    PressKey(VK_RIGHT);
    EXPECT_NE(std::find(hostMessages.begin(), hostMessages.end(), WM_NOTIFY), hostMessages.end());
}

TEST_F(MonthCal, HitTestingGivesTheCodesAndTheDate) {
    HWND c = Make(MCS_WEEKNUMBERS);
    RECT r;
    SendMessage(c, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&r));
    // Scan the calendar: every code the pop-up relies on is somewhere.
    std::set<UINT> seen;
    SYSTEMTIME st;
    bool foundSelected = false;
    for (int y = 0; y < r.bottom; y += 2)
        for (int x = 0; x < r.right; x += 3) {
            UINT code = Hit(c, x, y, &st);
            seen.insert(code);
            if (code == MCHT_CALENDARDATE && st.wDay == 23 && st.wMonth == 4) foundSelected = true;
            if (code == MCHT_CALENDARDATEPREV) {
                EXPECT_EQ(st.wMonth, 3) << x << "," << y;
            }
            if (code == MCHT_CALENDARDATENEXT) {
                EXPECT_EQ(st.wMonth, 5) << x << "," << y;
            }
        }
    for (UINT want : {MCHT_TITLEBTNPREV, MCHT_TITLEBTNNEXT, MCHT_TITLEMONTH, MCHT_TITLEYEAR, MCHT_CALENDARDAY,
                      MCHT_CALENDARDATE, MCHT_CALENDARDATEPREV, MCHT_CALENDARDATENEXT, MCHT_CALENDARWEEKNUM,
                      MCHT_TODAYLINK})
        EXPECT_TRUE(seen.count(want)) << std::hex << want;
    EXPECT_TRUE(foundSelected);
    EXPECT_EQ(Hit(c, -5, 10), MCHT_NOWHERE);
    EXPECT_EQ(Hit(c, r.right + 50, 10), MCHT_NOWHERE);
    // The codes the pop-up closes on share a bit with 0x20001; the buttons and day names do not close it.
    for (UINT closes : {MCHT_CALENDARDATE, MCHT_CALENDARDATENEXT, MCHT_CALENDARDATEPREV, MCHT_CALENDARBK,
                        MCHT_CALENDARWEEKNUM, MCHT_TODAYLINK, MCHT_TITLEMONTH})
        EXPECT_TRUE(closes & 0x20001) << std::hex << closes;
}

TEST_F(MonthCal, ClicksPickDatesAndTurnMonths) {
    HWND c = Make();
    RECT r;
    SendMessage(c, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&r));
    // Find the next-month button and a date of the next month by hit testing.
    POINT next{-1, -1}, nextDate{-1, -1};
    for (int y = 0; y < r.bottom && (next.x < 0 || nextDate.x < 0); y += 2)
        for (int x = 0; x < r.right; x += 2) {
            UINT code = Hit(c, x, y);
            if (code == MCHT_TITLEBTNNEXT && next.x < 0) next = {x, y};
            if (code == MCHT_CALENDARDATENEXT && nextDate.x < 0) nextDate = {x, y};
        }
    ASSERT_GE(next.x, 0);
    ASSERT_GE(nextDate.x, 0);
    SYSTEMTIME st;
    Hit(c, nextDate.x, nextDate.y, &st);
    POINT p = ClientPointToScreen(c, nextDate.x, nextDate.y);
    Click(p.x, p.y);
    EXPECT_EQ(Sel(c), "2009/05/0" + std::to_string(st.wDay));
    p = ClientPointToScreen(c, next.x, next.y);
    Click(p.x, p.y);
    EXPECT_EQ(Sel(c).substr(0, 7), "2009/06");
    // The wheel turns months too.
    Wheel(p.x, p.y + 60, -WHEEL_DELTA);
    EXPECT_EQ(Sel(c).substr(0, 7), "2009/07");
}

TEST_F(MonthCal, RangeLimitsTheSelection) {
    HWND c = Make();
    SYSTEMTIME range[2] = {Ymd(2009, 4, 1), Ymd(2009, 4, 30)};
    SendMessage(c, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    Set(c, 2009, 4, 30);
    PressKey(VK_RIGHT);
    EXPECT_EQ(Sel(c), "2009/04/30");
    SYSTEMTIME out = Ymd(2010, 1, 1);
    EXPECT_FALSE(SendMessage(c, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&out)));
    SYSTEMTIME bad = Ymd(2009, 2, 30);
    EXPECT_FALSE(SendMessage(c, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&bad)));
    EXPECT_EQ(Sel(c), "2009/04/30");
}

} // namespace
} // namespace tvtest
