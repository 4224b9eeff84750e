#include "fixture.h"

using namespace tvtest;

namespace {

std::vector<UINT_PTR> Ticks(const std::vector<Logged>& log, HWND w) {
    std::vector<UINT_PTR> out;
    for (auto& l : log)
        if (l.wnd == w && l.msg == WM_TIMER) out.push_back(l.wp);
    return out;
}

} // namespace

TEST_F(DesktopTest, TimersRunOnTheFakeClock) {
    HWND w = Make(WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(SetTimer(w, 1, 100), 1u);
    clock->Advance(99);
    ProcessPendingMessages();
    EXPECT_TRUE(Ticks(log, w).empty());
    clock->Advance(1);
    ProcessPendingMessages();
    EXPECT_EQ(Ticks(log, w), (std::vector<UINT_PTR>{1}));
    // A late program gets one message, not one per missed interval.
    ClearLog();
    clock->Advance(1000);
    ProcessPendingMessages();
    EXPECT_EQ(Ticks(log, w).size(), 1u);
    // The interval counts again from the message.
    ClearLog();
    clock->Advance(99);
    ProcessPendingMessages();
    EXPECT_TRUE(Ticks(log, w).empty());
    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    clock->Advance(500);
    ProcessPendingMessages();
    EXPECT_TRUE(Ticks(log, w).empty());
}

TEST_F(DesktopTest, TimersRearmAndHaveATenMillisecondFloor) {
    HWND w = Make(WS_POPUP, 0, 0, 10, 10);
    SetTimer(w, 7, 0);
    EXPECT_EQ(NextTimerDueIn(), 10);
    clock->Advance(9);
    ProcessPendingMessages();
    EXPECT_TRUE(Ticks(log, w).empty());
    clock->Advance(1);
    ProcessPendingMessages();
    EXPECT_EQ(Ticks(log, w).size(), 1u);
    // Setting the same id again re-arms it with the new interval.
    SetTimer(w, 7, 300);
    clock->Advance(200);
    SetTimer(w, 7, 300);
    clock->Advance(200);
    ClearLog();
    ProcessPendingMessages();
    EXPECT_TRUE(Ticks(log, w).empty()) << "re-arming starts the interval again";
    clock->Advance(100);
    ProcessPendingMessages();
    EXPECT_EQ(Ticks(log, w).size(), 1u);
    // Timers of a window die with it.
    SetTimer(w, 8, 50);
    DestroyWindow(w);
    EXPECT_EQ(NextTimerDueIn(), -1);
}

TEST_F(DesktopTest, TimersWithProceduresAndWindowlessTimers) {
    int calls = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 20, [&](HWND h, UINT m, UINT_PTR, DWORD) {
        EXPECT_EQ(h, nullptr);
        EXPECT_EQ(m, WM_TIMER);
        ++calls;
    });
    EXPECT_NE(id, 0u);
    clock->Advance(20);
    ProcessPendingMessages();
    EXPECT_EQ(calls, 1);
    KillTimer(nullptr, id);
    // A modal loop waiting on a timer goes on when the clock moves.
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_TIMER) DestroyWindow(h);
        return false;
    };
    SetTimer(w, 3, 2500);
    ScriptStep([&] { clock->Advance(2500); });
    EXPECT_TRUE(RunModalLoop(w));
    EXPECT_FALSE(IsWindow(w));
}
