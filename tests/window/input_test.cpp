#include "fixture.h"

using namespace tvtest;

namespace {
using V = std::vector<UINT>;
}

TEST_F(DesktopTest, FocusMessagesNameTheOtherWindow) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND a = Make(WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, top);
    HWND b = Make(WS_CHILD | WS_VISIBLE, 0, 30, 50, 20, top);
    SetFocus(a);
    ClearLog();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(Only({WM_KILLFOCUS, WM_SETFOCUS}), (V{WM_KILLFOCUS, WM_SETFOCUS}));
    EXPECT_EQ(reinterpret_cast<HWND>(Last(a, WM_KILLFOCUS)->wp), b);
    EXPECT_EQ(reinterpret_cast<HWND>(Last(b, WM_SETFOCUS)->wp), a);
    EXPECT_EQ(GetFocus(), b);
    // A disabled window cannot take the focus; disabling the focused one
    // takes it away.
    EnableWindow(a, FALSE);
    EXPECT_EQ(SetFocus(a), nullptr);
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    // Hiding a focused child hands the focus to its parent.
    EnableWindow(a, TRUE);
    SetFocus(a);
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(DesktopTest, ActivationMessages) {
    HWND one = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    EXPECT_EQ(GetActiveWindow(), one);
    EXPECT_EQ(Count(one, WM_ACTIVATEAPP), 1u);
    HWND two = Make(WS_OVERLAPPEDWINDOW, 300, 0, 200, 200);
    ClearLog();
    ShowWindow(two, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), two);
    EXPECT_EQ(GetFocus(), two);
    const Logged* deact = Last(one, WM_ACTIVATE);
    ASSERT_NE(deact, nullptr);
    EXPECT_EQ(LOWORD(deact->wp), WA_INACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(deact->lp), two);
    EXPECT_EQ(Last(one, WM_NCACTIVATE)->wp, WPARAM(FALSE));
    EXPECT_EQ(Last(two, WM_NCACTIVATE)->wp, WPARAM(TRUE));
    EXPECT_EQ(reinterpret_cast<HWND>(Last(two, WM_ACTIVATE)->lp), one);
    EXPECT_EQ(Only({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}, two), (V{WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(reinterpret_cast<HWND>(Last(one, WM_KILLFOCUS)->wp), two);
    // A click in the inactive window activates it as a click activation.
    ClearLog();
    Click(50, 50);
    EXPECT_EQ(GetActiveWindow(), one);
    EXPECT_EQ(LOWORD(Last(one, WM_ACTIVATE)->wp), WA_CLICKACTIVE);
    EXPECT_EQ(Only({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}, one),
              (V{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));
    // Destroying the active window activates another one.
    DestroyWindow(one);
    EXPECT_EQ(GetActiveWindow(), two);
}

TEST_F(DesktopTest, MouseActivateCanEatTheClick) {
    HWND one = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND two = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 0, 200, 200);
    (void)two;
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (h != one || m != WM_MOUSEACTIVATE) return false;
        r = MA_NOACTIVATEANDEAT;
        return true;
    };
    ClearLog();
    Click(50, 50);
    EXPECT_EQ(GetActiveWindow(), two);
    EXPECT_EQ(Count(one, WM_LBUTTONDOWN), 0u);
}

TEST_F(DesktopTest, CaptureIsReleasedOnCancelMode) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND other = Make(WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
    SetCapture(w);
    EXPECT_EQ(GetCapture(), w);
    // Captured: the mouse over another window still reaches the capturing one.
    ClearLog();
    MoveMouse(250, 50);
    ASSERT_NE(Last(w, WM_MOUSEMOVE), nullptr);
    EXPECT_EQ(GET_X_LPARAM(Last(w, WM_MOUSEMOVE)->lp), 250);
    EXPECT_EQ(Count(other, WM_MOUSEMOVE), 0u);
    SendMessage(w, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_NE(Last(w, WM_CAPTURECHANGED), nullptr);
    EXPECT_EQ(Last(w, WM_CAPTURECHANGED)->lp, 0);
    // Taking the capture from another window tells the loser who took it.
    SetCapture(w);
    SetCapture(other);
    EXPECT_EQ(reinterpret_cast<HWND>(Last(w, WM_CAPTURECHANGED)->lp), other);
    // Disabling a window sends it WM_CANCELMODE first.
    ClearLog();
    EnableWindow(other, FALSE);
    EXPECT_EQ(Only({WM_CANCELMODE, WM_CAPTURECHANGED, WM_ENABLE}, other),
              (V{WM_CANCELMODE, WM_CAPTURECHANGED, WM_ENABLE}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DesktopTest, DoubleClicksByTimeAndDistance) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    struct Case {
        int dx, dy;
        int waitMs;
        bool dbl;
    } cases[] = {
        {0, 0, 0, true},     {2, 2, 0, true},      {3, 0, 0, false}, {0, 3, 0, false},
        {0, 0, 500, true},   {0, 0, 501, false},
    };
    for (auto& c : cases) {
        clock->Advance(2000); // forget the previous case
        ClearLog();
        Click(50, 50);
        clock->Advance(c.waitMs);
        Click(50 + c.dx, 50 + c.dy);
        EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), c.dbl ? 1u : 0u) << c.dx << "," << c.dy << " after " << c.waitMs;
        EXPECT_EQ(Count(w, WM_LBUTTONDOWN), c.dbl ? 1u : 2u);
    }
    // A third click right after a double click is a single click again.
    clock->Advance(2000);
    ClearLog();
    Click(50, 50);
    Click(50, 50);
    Click(50, 50);
    EXPECT_EQ(Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (V{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
    // Without CS_DBLCLKS a window gets two presses.
    WNDCLASS plain;
    plain.lpszClassName = "Plain";
    plain.lpfnWndProc = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        log.push_back({h, m, wp, lp});
        return DefWindowProc(h, m, wp, lp);
    };
    RegisterClass(plain);
    HWND p = CreateWindowEx(WS_EX_TOPMOST, "Plain", "", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100, nullptr, nullptr);
    clock->Advance(2000);
    ClearLog();
    DoubleClick(350, 50);
    EXPECT_EQ(Count(p, WM_LBUTTONDBLCLK), 0u);
    EXPECT_EQ(Count(p, WM_LBUTTONDOWN), 2u);
}

TEST_F(DesktopTest, MouseLeaveThroughTrackMouseEvent) {
    HWND a = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make(WS_POPUP | WS_VISIBLE, 100, 0, 100, 100);
    MoveMouse(50, 50);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = a;
    EXPECT_TRUE(TrackMouseEvent(&tme));
    ClearLog();
    MoveMouse(60, 60);
    EXPECT_EQ(Count(a, WM_MOUSELEAVE), 0u);
    MoveMouse(150, 50);
    EXPECT_EQ(Count(a, WM_MOUSELEAVE), 1u);
    EXPECT_EQ(Count(b, WM_MOUSEMOVE), 1u);
    MoveMouse(50, 50);
    MoveMouse(150, 50);
    EXPECT_EQ(Count(a, WM_MOUSELEAVE), 1u) << "tracking ends with the message";
    // Asking while the mouse is elsewhere answers at once.
    ClearLog();
    TrackMouseEvent(&tme);
    ProcessPendingMessages();
    EXPECT_EQ(Count(a, WM_MOUSELEAVE), 1u);
}

TEST_F(DesktopTest, KeyboardMessagesAndKeyState) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    SetFocus(w);
    ClearLog();
    bool shiftSeen = false;
    hook = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (m == WM_KEYDOWN && wp == 'X') shiftSeen = GetKeyState(VK_SHIFT) < 0;
        return false;
    };
    PressKey('X', true);
    EXPECT_TRUE(shiftSeen);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    // Alt turns keys into system keys; Alt+F4 closes the window.
    PressKey('F', false, false, true);
    EXPECT_EQ(Count(w, WM_SYSKEYDOWN), 2u);
    EXPECT_EQ(Count(w, WM_SYSCHAR), 1u);
    PressKey(VK_F4, false, false, true);
    EXPECT_FALSE(IsWindow(w));
    // Caps Lock toggles.
    PressKey(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
}

TEST_F(DesktopTest, WheelGoesToTheFocusAndUpToItsParents) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
    SetFocus(child);
    ClearLog();
    Wheel(30, 30, -WHEEL_DELTA);
    ASSERT_NE(Last(child, WM_MOUSEWHEEL), nullptr);
    EXPECT_EQ(std::int16_t(HIWORD(Last(child, WM_MOUSEWHEEL)->wp)), -WHEEL_DELTA);
    EXPECT_EQ(Count(top, WM_MOUSEWHEEL), 1u) << "unhandled, it goes to the parent";
}

TEST_F(DesktopTest, SetCursorAsksParentsFirstAndUsesTheClassCursor) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
    (void)child;
    ClearLog();
    POINT p = ClientPointToScreen(top, 20, 20);
    MoveMouse(p.x, p.y);
    EXPECT_EQ(Only({WM_SETCURSOR}), (V{WM_SETCURSOR, WM_SETCURSOR}));
    EXPECT_EQ(log.front().wnd, child);
    RECT wr;
    GetWindowRect(top, &wr);
    MoveMouse(wr.right - 1, 100);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_SIZEWE));
}

TEST_F(DesktopTest, ClicksOnDisabledWindows) {
    HWND main = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
    HWND button = Make(WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10, 50, 20, main);
    POINT p = ClientPointToScreen(button, 5, 5);
    ClearLog();
    Click(p.x, p.y);
    EXPECT_EQ(Count(button, WM_LBUTTONDOWN), 0u);
    EXPECT_EQ(Count(main, WM_LBUTTONDOWN), 1u) << "the parent of a disabled child gets the click";
    // A modal window disables its owner: a click on the owner brings the
    // modal window up and reaches nobody.
    HWND dialog = Make(WS_POPUP | WS_CAPTION | WS_VISIBLE, 400, 0, 200, 100, main);
    EnableWindow(main, FALSE);
    SetActiveWindow(main);
    EXPECT_EQ(GetActiveWindow(), dialog) << "a disabled window is not activated";
    HWND other = Make(WS_POPUP | WS_VISIBLE, 700, 0, 100, 100);
    EXPECT_EQ(GetActiveWindow(), other);
    ClearLog();
    Click(150, 150);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(Count(main, WM_LBUTTONDOWN), 0u);
    EXPECT_EQ(Count(dialog, WM_LBUTTONDOWN), 0u);
}

TEST_F(DesktopTest, MouseHoverAfterTheHoverTime) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    MoveMouse(50, 50);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = w;
    tme.dwHoverTime = 300;
    TrackMouseEvent(&tme);
    ClearLog();
    clock->Advance(200);
    MoveMouse(52, 51); // within the hover box: the time keeps running
    clock->Advance(100);
    ProcessPendingMessages();
    ASSERT_EQ(Count(w, WM_MOUSEHOVER), 1u);
    EXPECT_EQ(GET_X_LPARAM(Last(w, WM_MOUSEHOVER)->lp), 52);
    clock->Advance(1000);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_MOUSEHOVER), 1u) << "once per request";
    // Moving away restarts the time; leaving still reports.
    TrackMouseEvent(&tme);
    clock->Advance(250);
    MoveMouse(70, 70);
    clock->Advance(250);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_MOUSEHOVER), 1u);
    clock->Advance(50);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_MOUSEHOVER), 2u);
    MoveMouse(500, 500);
    EXPECT_EQ(Count(w, WM_MOUSELEAVE), 1u);
}
