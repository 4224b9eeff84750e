#include "fixture.h"

using namespace tvtest;

TEST_F(DesktopTest, PeekMessageFilters) {
    HWND a = Make(WS_POPUP, 0, 0, 10, 10);
    HWND child = Make(WS_CHILD, 0, 0, 5, 5, a);
    HWND b = Make(WS_POPUP, 0, 0, 10, 10);
    PostMessage(b, WM_USER + 1, 1, 0);
    PostMessage(child, WM_USER + 2, 2, 0);
    PostMessage(a, WM_APP, 3, 0);
    PostMessage(nullptr, WM_USER + 3, 4, 0);
    MSG m;
    // A range: the first posted message inside it.
    ASSERT_TRUE(PeekMessage(&m, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
    EXPECT_EQ(m.wParam, 3u);
    // A window: itself and its children only.
    ASSERT_TRUE(PeekMessage(&m, a, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, child);
    ASSERT_TRUE(PeekMessage(&m, a, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, a);
    EXPECT_FALSE(PeekMessage(&m, a, 0, 0, PM_REMOVE));
    // Messages posted to no window.
    ASSERT_TRUE(PeekMessage(&m, HWND_MESSAGE_ONLY, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.wParam, 4u);
    // PM_NOREMOVE leaves it for the next call.
    ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, b);
    EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(DesktopTest, QuitMessageTimeAndRegisteredMessages) {
    HWND a = Make(WS_POPUP, 0, 0, 10, 10);
    PostMessage(a, WM_USER, 0, 0);
    PostQuitMessage(3);
    clock->Advance(5);
    MSG m;
    ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_USER) << "posted messages come before WM_QUIT";
    EXPECT_EQ(GetMessageTime(), LONG(100000));
    EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 3u);
    UINT r1 = RegisterWindowMessage("SM_ALPHACMD_X");
    EXPECT_GE(r1, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("sm_alphacmd_x"), r1);
    EXPECT_NE(RegisterWindowMessage("other"), r1);
}

TEST_F(DesktopTest, TranslateMessageMakesCharacters) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    SetFocus(w);
    ClearLog();
    PressKey('A');
    PressKey('A', true);
    PressKey(VK_RETURN);
    PressKey('C', false, true);
    TypeText("ñ€");
    std::vector<WPARAM> chars;
    for (auto& l : log)
        if (l.msg == WM_CHAR) chars.push_back(l.wp);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 'A', 13, 3, 0xF1, 0x20AC}));
    EXPECT_EQ(Count(w, WM_KEYDOWN), 6u); // with the Shift and Ctrl presses
}

TEST_F(DesktopTest, NestedModalLoopsEndWhenTheirWindowsClose) {
    HWND outer = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    HWND inner = nullptr;
    std::vector<std::string> trace;
    hook = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (h == outer && m == WM_USER) {
            inner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 50, 50);
            trace.push_back("inner opens");
            EXPECT_TRUE(RunModalLoop(inner));
            trace.push_back("inner closed");
        }
        return false;
    };
    // What the person does, step by step, whenever the loops wait.
    ScriptStep([&] { PostMessage(outer, WM_USER, 0, 0); });
    ScriptStep([&] { PostMessage(inner, WM_CLOSE, 0, 0); });
    ScriptStep([&] { PostMessage(outer, WM_CLOSE, 0, 0); });
    EXPECT_TRUE(RunModalLoop(outer));
    EXPECT_EQ(trace, (std::vector<std::string>{"inner opens", "inner closed"}));
    EXPECT_FALSE(IsWindow(inner));
    EXPECT_FALSE(IsWindow(outer));
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(DesktopTest, ModalLoopHandsQuitToTheOuterLoop) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    ScriptStep([] { PostQuitMessage(9); });
    EXPECT_FALSE(RunModalLoop(w));
    MSG m;
    EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.wParam, 9u);
}

TEST_F(DesktopTest, WaitingWithNothingToComeFailsInsteadOfHanging) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    EXPECT_THROW(RunModalLoop(w), tv::EInvalidOperation);
    EXPECT_TRUE(IsWindow(w));
}
