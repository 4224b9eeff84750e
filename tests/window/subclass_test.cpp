#include "fixture.h"

using namespace tvtest;

namespace {

// A layer that records its name and calls the procedure it replaced.
struct Layer {
    std::string name;
    std::vector<std::string>* trace;
    WNDPROC self = nullptr;
    WNDPROC saved = nullptr;

    void Install(HWND w) {
        self = MakeWindowProc([this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_USER) trace->push_back(name);
            return CallWindowProc(saved, h, m, wp, lp);
        });
        saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(self)));
    }
    void Remove(HWND w) {
        SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
        FreeWindowProc(self);
    }
};

} // namespace

TEST_F(DesktopTest, TwoLayersOfSubclassingRemovedInEitherOrder) {
    for (bool innerFirst : {false, true}) {
        HWND w = Make(WS_POPUP, 0, 0, 10, 10);
        std::vector<std::string> trace;
        hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
            if (m == WM_USER) trace.push_back("class");
            return false;
        };
        WNDPROC original = GetWindowProc(w);
        Layer a{"a", &trace}, b{"b", &trace};
        a.Install(w);
        b.Install(w);
        EXPECT_EQ(a.saved, original);
        EXPECT_EQ(b.saved, a.self);
        SendMessage(w, WM_USER, 0, 0);
        EXPECT_EQ(trace, (std::vector<std::string>{"b", "a", "class"}));

        trace.clear();
        if (innerFirst) a.Remove(w);
        else b.Remove(w);
        SendMessage(w, WM_USER, 0, 0);
        EXPECT_EQ(trace, innerFirst ? (std::vector<std::string>{"b", "class"})
                                    : (std::vector<std::string>{"a", "class"}));

        trace.clear();
        if (innerFirst) b.Remove(w);
        else a.Remove(w);
        SendMessage(w, WM_USER, 0, 0);
        EXPECT_EQ(trace, (std::vector<std::string>{"class"}));
        EXPECT_EQ(GetWindowProc(w), original);
        DestroyWindow(w);
    }
}

TEST_F(DesktopTest, SubclassRemovedWhileItsMessageIsHandled) {
    HWND w = Make(WS_POPUP, 0, 0, 10, 10);
    WNDPROC saved = nullptr;
    WNDPROC self = nullptr;
    int calls = 0;
    self = MakeWindowProc([&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_USER) {
            ++calls;
            // Put the old procedure back and free this one mid-message, then
            // still pass the message on.
            SetWindowLongPtr(h, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
            FreeWindowProc(self);
            return CallWindowProc(saved, h, m, wp, lp) + 1;
        }
        return CallWindowProc(saved, h, m, wp, lp);
    });
    saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(self)));
    hook = [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (m != WM_USER) return false;
        r = 41;
        return true;
    };
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 42);
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 41) << "the layer is gone";
    EXPECT_EQ(calls, 1);
}

TEST_F(DesktopTest, MessagesToDestroyedWindowsAndDestructionInsideAHandler) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w);
    bool afterDestroyAlive = true;
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (h == w && m == WM_USER) {
            DestroyWindow(h);
            // The handler keeps running with a dead handle.
            afterDestroyAlive = IsWindow(h);
            SetWindowText(h, "x");
            SendMessage(h, WM_USER + 1, 0, 0);
            r = 7;
            return true;
        }
        return false;
    };
    PostMessage(w, WM_USER + 2, 0, 0);
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 7);
    EXPECT_FALSE(afterDestroyAlive);
    EXPECT_FALSE(IsWindow(child));
    // Every call on the dead handles answers with a defined "nothing".
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(w, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowPos(w, nullptr, 0, 0, 1, 1, 0));
    EXPECT_FALSE(ShowWindow(child, SW_SHOW));
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetWindowText(w), "");
    EXPECT_EQ(GetParent(child), nullptr);
    RECT rc;
    EXPECT_FALSE(GetWindowRect(w, &rc));
    EXPECT_EQ(SetTimer(w, 1, 100), 0u);
    EXPECT_EQ(GetDC(w), nullptr);
    // What was posted to it is gone with it.
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
    ProcessPendingMessages();
}

TEST_F(DesktopTest, WindowDestroyedByItsOwnPaintOrTimer) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_TIMER) DestroyWindow(h);
        return false;
    };
    SetTimer(w, 1, 10);
    clock->Advance(20);
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(NextTimerDueIn(), -1);
}
