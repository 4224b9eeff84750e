// The tool tip window class.
#include "platform/controls/tooltip.h"
#include "platform/window/desktop.h"
#include "windowfixture.h"

namespace tvtest {
namespace {

using ToolTip = ControlTest;

TEST_F(ToolTip, TrackedTipShowsItsTextWithoutTakingTheFocus) {
    HWND edit = Child("Edit", 0, 10, 10, 100, 24);
    SetFocus(edit);
    HWND tip = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASS, "", WS_POPUP, 0, 0, 0, 0, host, nullptr);
    ASSERT_NE(tip, nullptr);
    TOOLINFO ti;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = host;
    ti.uId = 1;
    ti.lpszText = "Precio con I.V.A.";
    EXPECT_TRUE(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_FALSE(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti))); // once
    SendMessage(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(5000, 100)); // off screen: kept on it
    SendMessage(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(GetFocus(), edit);
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_LE(r.right, ScreenWidth());
    EXPECT_GT(r.Width(), 40);
    ti.lpszText = "Otro texto mucho más largo que el primero";
    SendMessage(tip, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
    RECT wider;
    GetWindowRect(tip, &wider);
    EXPECT_GT(wider.Width(), r.Width());
    TOOLINFO q;
    q.hwnd = host;
    q.uId = 1;
    SendMessage(tip, TTM_GETTEXT, 0, reinterpret_cast<LPARAM>(&q));
    EXPECT_EQ(q.lpszText, ti.lpszText);
    SendMessage(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
    EXPECT_FALSE(IsWindowVisible(tip));
    SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

} // namespace
} // namespace tvtest
