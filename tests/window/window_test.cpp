#include "fixture.h"

using namespace tvtest;

namespace {
using V = std::vector<UINT>;
}

TEST_F(DesktopTest, CreationSendsItsMessagesInOrder) {
    HWND top = Make(WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
    ASSERT_TRUE(IsWindow(top));
    EXPECT_EQ(Only({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}, top),
              (V{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    ClearLog();
    HWND child = Make(WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, top, 0, 7);
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_EQ(GetParent(child), top);
    const Logged* pn = Last(top, WM_PARENTNOTIFY);
    ASSERT_NE(pn, nullptr);
    EXPECT_EQ(LOWORD(pn->wp), WM_CREATE);
    EXPECT_EQ(HIWORD(pn->wp), 7);
    EXPECT_EQ(reinterpret_cast<HWND>(pn->lp), child);
    // A procedure that refuses WM_CREATE gets no window.
    hook = [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (m != WM_CREATE) return false;
        r = -1;
        return true;
    };
    EXPECT_EQ(Make(WS_POPUP, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr), nullptr);
}

TEST_F(DesktopTest, DestructionOrderAndDeadHandles) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, top);
    HWND grand = Make(WS_CHILD | WS_VISIBLE, 1, 1, 10, 10, child);
    HWND owned = Make(WS_POPUP | WS_VISIBLE, 50, 50, 40, 40, top);
    ClearLog();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> seq;
    for (auto& l : log)
        if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY) seq.push_back({l.wnd, l.msg});
    std::vector<std::pair<HWND, UINT>> expected{{owned, WM_DESTROY}, {owned, WM_NCDESTROY}, {top, WM_DESTROY},
                                                {child, WM_DESTROY},  {grand, WM_DESTROY},  {grand, WM_NCDESTROY},
                                                {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(seq, expected);
    for (HWND h : {top, child, grand, owned}) EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(DesktopTest, SetWindowPosWithFrameChangedSendsTheSequence) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
    UpdateAllWindows();
    // Dropping the caption changes the client area: WM_NCCALCSIZE is asked,
    // and the new client size is announced.
    SetWindowLong(w, GWL_STYLE, GetWindowLong(w, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
    ClearLog();
    EXPECT_TRUE(SetWindowPos(w, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED));
    EXPECT_EQ(Only({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_NCPAINT}, w),
              (V{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    const Logged* calc = Last(w, WM_NCCALCSIZE);
    EXPECT_EQ(calc->wp, WPARAM(TRUE));
    RECT rc;
    GetClientRect(w, &rc);
    EXPECT_EQ(rc.bottom, 200 - 2 * GetSystemMetrics(SM_CYSIZEFRAME));
    // The frame is repainted when the desktop paints.
    ClearLog();
    UpdateAllWindows();
    EXPECT_EQ(Count(w, WM_NCPAINT), 1u);

    // Frame changed without any client change: no WM_MOVE nor WM_SIZE.
    ClearLog();
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(Only({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}, w),
              (V{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED}));

    // A handler of WM_WINDOWPOSCHANGING may change the new position.
    hook = [](HWND, UINT m, WPARAM, LPARAM lp, LRESULT&) {
        if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lp)->x = 77;
        return false;
    };
    MoveWindow(w, 20, 30, 300, 200, TRUE);
    RECT wr;
    GetWindowRect(w, &wr);
    EXPECT_EQ(wr.left, 77);
    EXPECT_EQ(wr.top, 30);
}

TEST_F(DesktopTest, MoveAndSizeMessagesCarryClientValues) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
    ClearLog();
    MoveWindow(w, 40, 50, 320, 240, TRUE);
    const Logged* size = Last(w, WM_SIZE);
    ASSERT_NE(size, nullptr);
    RECT rc;
    GetClientRect(w, &rc);
    EXPECT_EQ(LOWORD(size->lp), rc.right);
    EXPECT_EQ(HIWORD(size->lp), rc.bottom);
    const Logged* move = Last(w, WM_MOVE);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(GET_X_LPARAM(move->lp), origin.x);
    EXPECT_EQ(GET_Y_LPARAM(move->lp), origin.y);
    // Only moving: no WM_SIZE.
    ClearLog();
    MoveWindow(w, 41, 50, 320, 240, TRUE);
    EXPECT_EQ(Count(w, WM_SIZE), 0u);
    EXPECT_EQ(Count(w, WM_MOVE), 1u);
}

TEST_F(DesktopTest, StylesTextAndProperties) {
    HWND w = Make(WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    ClearLog();
    LONG_PTR old = SetWindowLong(w, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(old, 0);
    EXPECT_EQ(Only({WM_STYLECHANGING, WM_STYLECHANGED}, w), (V{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_EQ(Last(w, WM_STYLECHANGED)->wp, WPARAM(GWL_EXSTYLE));
    EXPECT_EQ(GetWindowLong(w, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
    // Visibility does not change through the style.
    SetWindowLong(w, GWL_STYLE, GetWindowLong(w, GWL_STYLE) | WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(w));

    EXPECT_TRUE(SetWindowText(w, "Artículos"));
    EXPECT_EQ(GetWindowText(w), "Artículos");
    EXPECT_EQ(GetWindowTextLength(w), int(std::string("Artículos").size()));
    SetWindowLong(w, GWL_USERDATA, 1234);
    EXPECT_EQ(GetWindowLong(w, GWL_USERDATA), 1234);
    int value = 5;
    EXPECT_TRUE(SetProp(w, "ACSBSC", &value));
    EXPECT_EQ(GetProp(w, "ACSBSC"), &value);
    EXPECT_EQ(RemoveProp(w, "ACSBSC"), &value);
    EXPECT_EQ(GetProp(w, "ACSBSC"), nullptr);
    EXPECT_EQ(GetClassName(w), "Rec");
    EXPECT_EQ(RegisterClass(WNDCLASS{0, {}, 0, 0, nullptr, nullptr, nullptr, "", "rec"}), 0) << "names ignore case";
}

TEST_F(DesktopTest, CoordinatesAndTheWindowUnderAPoint) {
    HWND top = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 20, 50, 50, top);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 120);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10);
    POINT pts[1] = {{5, 5}};
    MapWindowPoints(child, top, pts, 1);
    EXPECT_EQ(pts[0].x, 15);
    EXPECT_EQ(pts[0].y, 25);
    EXPECT_EQ(WindowFromPoint({115, 125}), child);
    EXPECT_EQ(WindowFromPoint({105, 105}), top);
    EXPECT_EQ(WindowFromPoint({5, 5}), GetDesktopWindow());
    EXPECT_EQ(ChildWindowFromPoint(top, {15, 25}), child);
    EXPECT_TRUE(IsChild(top, child));
    EXPECT_FALSE(IsChild(child, top));
    // A child that answers HTTRANSPARENT lets the point through.
    hook = [child](HWND w, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (w == child && m == WM_NCHITTEST) {
            r = HTTRANSPARENT;
            return true;
        }
        return false;
    };
    EXPECT_EQ(WindowFromPoint({115, 125}), top);
    // Hidden windows are not found.
    hook = nullptr;
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({115, 125}), top);
    int n = 0;
    EnumChildWindows(top, [&](HWND) { return ++n, TRUE; });
    EXPECT_EQ(n, 1);
}

TEST_F(DesktopTest, ZOrderAndTopMost) {
    HWND a = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    EXPECT_EQ(WindowFromPoint({50, 50}), b);
    HWND t = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, WS_EX_TOPMOST);
    EXPECT_EQ(WindowFromPoint({50, 50}), t);
    BringWindowToTop(a);
    EXPECT_EQ(WindowFromPoint({50, 50}), t) << "a top-most window stays above";
    SetWindowPos(t, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(t, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(WindowFromPoint({50, 50}), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(DesktopTest, ShowMaximizeMinimizeRestore) {
    HWND w = Make(WS_OVERLAPPEDWINDOW, 50, 60, 300, 200);
    ClearLog();
    EXPECT_FALSE(ShowWindow(w, SW_SHOW));
    EXPECT_EQ(Count(w, WM_SHOWWINDOW), 1u);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetActiveWindow(), w);
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(w));
    RECT rc;
    GetWindowRect(w, &rc);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(rc.left, -frame);
    EXPECT_EQ(rc.right, ScreenWidth() + frame);
    EXPECT_EQ(Last(w, WM_SIZE)->wp, WPARAM(SIZE_MAXIMIZED));
    ShowWindow(w, SW_RESTORE);
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.Width(), 300);
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(Last(w, WM_SIZE)->wp, WPARAM(SIZE_MINIMIZED));
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.top, 60);
    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(DesktopTest, MinMaxInfoIsPreFilledAndLimitsSizes) {
    MINMAXINFO seen;
    hook = [&](HWND, UINT m, WPARAM, LPARAM lp, LRESULT&) {
        if (m == WM_GETMINMAXINFO) {
            auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
            seen = *mmi;
            mmi->ptMinTrackSize = {200, 150};
        }
        return false;
    };
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(seen.ptMaxSize.x, work.Width() + 2 * frame);
    EXPECT_EQ(seen.ptMaxPosition.x, work.left - frame);
    EXPECT_GT(seen.ptMaxTrackSize.x, 0);
    MoveWindow(w, 0, 0, 50, 50, TRUE);
    RECT rc;
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.Width(), 200);
    EXPECT_EQ(rc.Height(), 150);
}
