#include "windowfixture.h"

#include "platform/window/defwindowproc.h"
#include "platform/window/styles.h"

namespace tvtest {

void ControlTest::SetUp() {
    ResetDesktop();
    ClearScript();
    RegisterStandardClasses();
    WNDCLASS wc;
    wc.lpszClassName = "StdHost";
    wc.lpfnWndProc = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        hostMessages.push_back(m);
        if (m == WM_COMMAND) notices.push_back({reinterpret_cast<HWND>(lp), HIWORD(wp)});
        LRESULT r = 0;
        if (hook && hook(m, wp, lp, r)) return r;
        return DefWindowProc(w, m, wp, lp);
    };
    RegisterClass(wc);
    host = CreateWindowEx(0, "StdHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 600, 400, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
}

void ControlTest::TearDown() {
    hook = nullptr;
    ClearScript();
    ResetDesktop();
}

HWND ControlTest::Child(const std::string& cls, DWORD style, int x, int y, int w, int h, const std::string& text,
                        int id) {
    HWND c = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host,
                            reinterpret_cast<HMENU>(std::intptr_t(id)));
    EXPECT_NE(c, nullptr) << cls;
    return c;
}

std::vector<WORD> ControlTest::Codes(HWND wnd) const {
    std::vector<WORD> out;
    for (auto& n : notices)
        if (n.from == wnd) out.push_back(n.code);
    return out;
}

size_t ControlTest::CountCode(HWND wnd, WORD code) const {
    size_t n = 0;
    for (auto& x : notices) n += (x.from == wnd && x.code == code);
    return n;
}

void ControlTest::PutClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardText(text);
    CloseClipboard();
}

std::string Text(HWND wnd) { return GetWindowText(wnd); }

} // namespace tvtest
