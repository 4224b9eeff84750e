// The scroll-bar window class: its own bar set with SB_CTL, painted like the
// non-client bars, and requests that reach the parent with the bar's handle.
#include "fixture.h"

#include "platform/controls/scrollbarcontrol.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/scrollbar.h"

using namespace tvtest;

namespace {

struct Request {
    UINT msg;
    int code;
    int pos;
    HWND from;
    bool operator==(const Request&) const = default;
};

class ScrollBarControlTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        RegisterStandardClasses();
        parent = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
        hook = [this](HWND h, UINT m, WPARAM wp, LPARAM lp, LRESULT&) {
            if (h != parent || (m != WM_VSCROLL && m != WM_HSCROLL)) return false;
            auto* from = reinterpret_cast<HWND>(lp);
            requests.push_back({m, LOWORD(wp), std::int16_t(HIWORD(wp)), from});
            if (LOWORD(wp) == SB_THUMBPOSITION) SetScrollPos(from, SB_CTL, HIWORD(wp), TRUE);
            if (LOWORD(wp) == SB_BOTTOM) SetScrollPos(from, SB_CTL, 1000, TRUE);
            return true;
        };
    }

    HWND Bar(DWORD style, int x, int y, int w, int h) {
        HWND bar = CreateWindowEx(0, WC_SCROLLBAR, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h,
                                  parent, nullptr);
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = 99;
        si.nPage = 10;
        SetScrollInfo(bar, SB_CTL, &si, TRUE);
        return bar;
    }

    HWND parent = nullptr;
    std::vector<Request> requests;
};

} // namespace

TEST_F(ScrollBarControlTest, StateIsTheControlsOwn) {
    HWND bar = Bar(SBS_VERT, 10, 10, 17, 200);
    SCROLLINFO out;
    out.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &out));
    EXPECT_EQ(out.nMax, 99);
    EXPECT_EQ(out.nPage, 10u);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90) << "one page before the end";
    // A control has no non-client bars and stays shown when nothing scrolls.
    EXPECT_EQ(GetWindowLong(bar, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    out.fMask = SIF_RANGE;
    out.nMin = 0;
    out.nMax = 0;
    SetScrollInfo(bar, SB_CTL, &out, TRUE);
    EXPECT_TRUE(IsWindowVisible(bar));

    SCROLLBARINFO sbi;
    SetScrollRange(bar, SB_CTL, 0, 99, TRUE);
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &sbi));
    RECT wr;
    GetWindowRect(bar, &wr);
    EXPECT_EQ(sbi.rcScrollBar.top, wr.top);
    EXPECT_EQ(sbi.rcScrollBar.bottom, wr.bottom);
    EXPECT_EQ(sbi.dxyLineButton, GetSystemMetrics(SM_CYVSCROLL));
    EXPECT_EQ(sbi.rgstate[0], 0u);
    EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH);
    GetScrollBarInfo(bar, OBJID_CLIENT, &sbi);
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    ShowScrollBar(bar, SB_CTL, FALSE);
    EXPECT_FALSE(IsWindowVisible(bar));
    GetScrollBarInfo(bar, OBJID_CLIENT, &sbi);
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    // A window that is no scroll-bar control has no client bar to speak of,
    // and the parent's own bars are untouched by all this.
    EXPECT_EQ(GetScrollPos(parent, SB_VERT), 0);
    EXPECT_FALSE(GetScrollBarInfo(nullptr, OBJID_CLIENT, &sbi));
}

TEST_F(ScrollBarControlTest, PressesReachTheParentWithTheBarsHandle) {
    HWND bar = Bar(SBS_VERT, 10, 10, 17, 200);
    SCROLLBARINFO sbi;
    GetScrollBarInfo(bar, OBJID_CLIENT, &sbi);
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    Click(x, sbi.rcScrollBar.bottom - 3);
    EXPECT_EQ(requests, (std::vector<Request>{{WM_VSCROLL, SB_LINEDOWN, 0, bar}, {WM_VSCROLL, SB_ENDSCROLL, 0, bar}}));
    EXPECT_EQ(GetFocus(), bar) << "a tab stop takes the focus on a press";
    EXPECT_EQ(GetCapture(), nullptr);

    // The thumb dragged past the end: track positions, then the last one.
    requests.clear();
    int thumbY = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
    Drag(x, thumbY, x, sbi.rcScrollBar.bottom + 100, 5);
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests.front().code, SB_THUMBTRACK);
    EXPECT_EQ(requests[requests.size() - 2], (Request{WM_VSCROLL, SB_THUMBPOSITION, 90, bar}));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90);

    // Keys: End goes to the bottom.
    requests.clear();
    PressKey(VK_HOME);
    PressKey(VK_END);
    EXPECT_EQ(requests, (std::vector<Request>{{WM_VSCROLL, SB_TOP, 0, bar},
                                              {WM_VSCROLL, SB_ENDSCROLL, 0, bar},
                                              {WM_VSCROLL, SB_BOTTOM, 0, bar},
                                              {WM_VSCROLL, SB_ENDSCROLL, 0, bar}}));

    // A horizontal bar asks with WM_HSCROLL; a disabled one asks nothing.
    HWND hbar = Bar(SBS_HORZ, 40, 250, 200, 17);
    GetScrollBarInfo(hbar, OBJID_CLIENT, &sbi);
    requests.clear();
    Click(sbi.rcScrollBar.left + 3, sbi.rcScrollBar.top + 8);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front(), (Request{WM_HSCROLL, SB_LINEUP, 0, hbar}));
    requests.clear();
    EnableScrollBar(hbar, SB_CTL, ESB_DISABLE_BOTH);
    Click(sbi.rcScrollBar.right - 3, sbi.rcScrollBar.top + 8);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarControlTest, PaintedLikeTheWindowsOwnBars) {
    HWND bar = Bar(SBS_VERT, 10, 10, GetSystemMetrics(SM_CXVSCROLL), 200);
    // The same bar in a window's non-client area, for comparison.
    HWND framed = Make(WS_CHILD | WS_VISIBLE | WS_VSCROLL, 100, 10, 60, 200, parent);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 45;
    SetScrollInfo(framed, SB_VERT, &si, TRUE);
    SetScrollPos(bar, SB_CTL, 45, TRUE);
    ProcessPendingMessages();
    SCROLLBARINFO a, b;
    GetScrollBarInfo(bar, OBJID_CLIENT, &a);
    GetScrollBarInfo(framed, OBJID_VSCROLL, &b);
    ASSERT_EQ(a.rcScrollBar.Height(), b.rcScrollBar.Height());
    EXPECT_EQ(a.xyThumbTop, b.xyThumbTop);
    int differing = 0;
    for (int y = 0; y < a.rcScrollBar.Height(); ++y)
        for (int x = 0; x < a.rcScrollBar.Width(); ++x)
            differing += Pixel(a.rcScrollBar.left + x, a.rcScrollBar.top + y) !=
                         Pixel(b.rcScrollBar.left + x, b.rcScrollBar.top + y);
    EXPECT_EQ(differing, 0);
    COLORREF thumb = Pixel(a.rcScrollBar.left + 8, a.rcScrollBar.top + (a.xyThumbTop + a.xyThumbBottom) / 2);
    EXPECT_EQ(thumb, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(a.rcScrollBar.left + 8, a.rcScrollBar.top + a.dxyLineButton + 2), GetSysColor(COLOR_SCROLLBAR));
    // Moving the thumb repaints the control.
    SetScrollPos(bar, SB_CTL, 0, TRUE);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(a.rcScrollBar.left + 8, a.rcScrollBar.top + a.dxyLineButton + 4), GetSysColor(COLOR_BTNFACE));
}
