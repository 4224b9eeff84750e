// Input queued as a person gives it while the program is busy: nothing
// happens until a loop runs, then it arrives in the order it was given.
#include "fixture.h"

using namespace tvtest;

namespace {
using V = std::vector<UINT>;
}

TEST_F(DesktopTest, QueuedInputWaitsForTheLoop) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND a = Make(WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, top);
    HWND b = Make(WS_CHILD | WS_VISIBLE, 10, 60, 80, 30, top);
    SetFocus(b);
    ClearLog();
    POINT pa = ClientPointToScreen(a, 5, 5);
    QueueClick(pa.x, pa.y);
    QueueText("ñ1");
    QueueKey(VK_RETURN, true);
    QueueDoubleClick(pa.x, pa.y);
    QueueWheel(pa.x, pa.y, -120);
    EXPECT_TRUE(log.empty()) << "nothing is dispatched while the input is only queued";

    // A handler that moves the focus on the click: the keys queued after it
    // follow the focus, as a person's typing would.
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (h == a && m == WM_LBUTTONUP) SetFocus(a);
        return false;
    };
    ProcessPendingMessages();
    const V input{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MOUSEWHEEL};
    // The double click's first press comes at the point and time of the
    // first click, so it already counts as the second press of a double click.
    EXPECT_EQ(Only(input, a), (V{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CHAR, WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYDOWN,
                                 WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                 WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEWHEEL}));
    EXPECT_TRUE(Only(input, b).empty());
    std::vector<WPARAM> chars;
    for (const Logged& l : log)
        if (l.msg == WM_CHAR) chars.push_back(l.wp);
    EXPECT_EQ(chars, (std::vector<WPARAM>{0xF1, '1', '\r'}));
}

TEST_F(DesktopTest, QueuedDragAndTheImmediateHelpersAgree) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    auto run = [&](bool queued) {
        ClearLog();
        if (queued) {
            QueueDrag(20, 60, 120, 100, 3);
            QueueMouseDown(30, 70, 1);
            QueueMouseUp(30, 70, 1);
            QueueMouseMove(40, 80);
            ProcessPendingMessages();
        } else {
            Drag(20, 60, 120, 100, 3);
            MouseDown(30, 70, 1);
            MouseUp(30, 70, 1);
            MoveMouse(40, 80);
        }
        return Only({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}, top);
    };
    V queued = run(true);
    clock->Advance(1000);
    V immediate = run(false);
    EXPECT_EQ(queued, immediate);
    EXPECT_EQ(std::count(queued.begin(), queued.end(), WM_LBUTTONDOWN), 1);
    EXPECT_EQ(queued.back(), UINT(WM_MOUSEMOVE));
}

// Each input gets its window when it is taken from the queue: a handler that
// looks into the queue (for a private message, or for a waiting key) fixes
// nothing about the input behind it, so a capture or a focus it then takes
// applies to everything that comes after.
TEST_F(DesktopTest, LookingIntoTheQueueLeavesTheInputBehindWithoutAWindow) {
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
    HWND list = Make(WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top);
    HWND other = Make(WS_CHILD | WS_VISIBLE, 150, 10, 100, 100, top);
    const UINT kPrivate = WM_APP + 7;
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (h != list) return false;
        MSG pending;
        if (m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN) {
            PeekMessage(&pending, h, kPrivate, kPrivate, PM_NOREMOVE);
            PeekMessage(&pending, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE);
            SetCapture(h);
        }
        if (m == WM_LBUTTONUP || m == WM_RBUTTONUP) {
            ReleaseCapture();
            SetFocus(other);
        }
        return false;
    };
    SetFocus(list);
    POINT in = ClientPointToScreen(list, 20, 20), out = ClientPointToScreen(other, 20, 20);
    for (int button : {0, 1}) {
        SCOPED_TRACE(button);
        SetFocus(list);
        ClearLog();
        // Press, move and release arrive together, then a key.
        QueueMouseDown(in.x, in.y, button);
        QueueMouseMove(out.x, out.y);
        InjectMouseButton(button, false, out.x, out.y);
        QueueKey('K');
        ProcessPendingMessages();
        const UINT up = button ? WM_RBUTTONUP : WM_LBUTTONUP;
        EXPECT_EQ(Count(list, up), 1u);
        EXPECT_EQ(Count(other, up), 0u);
        EXPECT_EQ(Count(other, WM_MOUSEMOVE), 0u) << "the move went to the window that had the capture";
        EXPECT_EQ(Count(other, WM_KEYDOWN), 1u) << "the key followed the focus the release moved";
        EXPECT_EQ(Count(list, WM_KEYDOWN), 0u);
    }
}
