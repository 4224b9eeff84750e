// Skinned scroll bars over a subclassed window: the room they take, their
// parts under the mouse, the requests a press sends, and the window given
// back when they are detached.
#include <gtest/gtest.h>

#include <vector>

#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"
#include "skin/commondata.h"
#include "skin/scrollwnd.h"
#include "skin/skinmessage.h"
#include "skin/skinpaint_fixture.h"

using namespace tv;
using namespace tv::win;

namespace {

struct Heard {
    UINT msg;
    int code;
};
std::vector<Heard> heard;

LRESULT ProbeProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_HSCROLL || msg == WM_VSCROLL) heard.push_back({msg, int(LOWORD(w))});
    if (msg == SM_ALPHACMD && (HIWORD(w) == 51 || HIWORD(w) == 52)) heard.push_back({msg, int(HIWORD(w))});
    return DefWindowProc(wnd, msg, w, l);
}

class ScrollWndTest : public ::testing::Test, public skintest::PaintSkin {
protected:
    void SetUp() override {
        ResetDesktop();
        heard.clear();
        WNDCLASS wc;
        wc.lpszClassName = "ScrollProbe";
        wc.lpfnWndProc = ProbeProc;
        RegisterClass(wc);
        AddSection("EDIT", 0xFFFFFF);
        wnd = CreateWindowEx(0, "ScrollProbe", "", WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 10, 10, 200, 150,
                             nullptr, nullptr);
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 100;
        si.nPage = 10;
        SetScrollInfo(wnd, SB_HORZ, &si, FALSE);
        SetScrollInfo(wnd, SB_VERT, &si, FALSE);
    }
    void TearDown() override {
        if (IsWindow(wnd)) DestroyWindow(wnd);
    }
    LPARAM At(int x, int y) { return LPARAM((x & 0xFFFF) | (y << 16)); }
    HWND wnd = nullptr;
};

TEST_F(ScrollWndTest, BarsTakeTheirRoomAndAnswerHitTests) {
    auto* sw = new TacScrollWnd(wnd, true, &sm);
    EXPECT_EQ(ScrollWndOf(wnd), sw);
    ASSERT_TRUE(sw->HBar->Visible && sw->VBar->Visible);
    int th = GetSystemMetrics(SM_CYHSCROLL), tv = GetSystemMetrics(SM_CXVSCROLL);
    RECT client{};
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 200 - tv);
    EXPECT_EQ(client.bottom, 150 - th);
    EXPECT_EQ(SendMessage(wnd, WM_NCHITTEST, 0, At(100, 10 + 150 - 2)), HTHSCROLL);
    EXPECT_EQ(SendMessage(wnd, WM_NCHITTEST, 0, At(10 + 200 - 2, 50)), HTVSCROLL);
    EXPECT_EQ(SendMessage(wnd, WM_NCHITTEST, 0, At(100, 50)), HTCLIENT);
    EXPECT_EQ(SendAlphaCmd(wnd, SKCMD_IS_SKINNED, 0), 1);
    delete sw;
    EXPECT_EQ(ScrollWndOf(wnd), nullptr);
    EXPECT_EQ(SendAlphaCmd(wnd, SKCMD_IS_SKINNED, 0), 0);  // the window is its own again
}

TEST_F(ScrollWndTest, ThumbAndPartsAlongABar) {
    TacScrollWnd sw(wnd, false, &sm);
    TacScrollBar bar = *sw.HBar;
    bar.ArrowLength = 16;
    int len = 0, off = 0;
    bar.Info.nMin = 0, bar.Info.nMax = 99, bar.Info.nPage = 0, bar.Info.nPos = 0;
    ThumbGeometry(bar, 200, len, off);
    EXPECT_EQ(len, 16);  // page 0: as long as an arrow
    bar.Info.nPage = 50;
    bar.Info.nPos = 50;
    ThumbGeometry(bar, 200, len, off);
    EXPECT_EQ(len, 84);  // 50 * 168 / 100
    EXPECT_EQ(off, 84);  // at the end
    bar.Info.nPage = 1;
    ThumbGeometry(bar, 200, len, off);
    EXPECT_EQ(len, 6);  // the minimum
    bar.Info.nPage = 50;
    bar.Info.nPos = 0;
    struct Case {
        int pos, part;
    } cases[] = {{0, SB_LINELEFT}, {15, SB_LINELEFT}, {20, sbpThumb}, {110, SB_PAGERIGHT}, {190, SB_LINERIGHT},
                 {200, sbpNone}};
    for (const Case& c : cases) EXPECT_EQ(HitTestScrollBar(bar, 0, 200, c.pos, true), c.part) << c.pos;
    EXPECT_EQ(HitTestScrollBar(bar, 0, 200, 50, false), sbpNone);
    // Shorter than two arrows: two half-length arrows, no thumb.
    EXPECT_EQ(HitTestScrollBar(bar, 0, 20, 9, true), SB_LINELEFT);
    EXPECT_EQ(HitTestScrollBar(bar, 0, 20, 10, true), SB_LINERIGHT);
}

TEST_F(ScrollWndTest, APressSendsItsRequestHeldBetweenRedrawStops) {
    TacScrollWnd sw(wnd, true, &sm);
    RECT h = sw.GetHScrollRect();
    SendMessage(wnd, WM_NCLBUTTONDOWN, WPARAM(HTHSCROLL), At(h.left + 2, h.top + 2));
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].code, 51);
    EXPECT_EQ(heard[1].msg, WM_HSCROLL);
    EXPECT_EQ(heard[1].code, SB_LINELEFT);
    EXPECT_EQ(heard[2].code, 52);
    heard.clear();
    SendMessage(wnd, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[1].code, SB_ENDSCROLL);
    EXPECT_EQ(sw.PressedPart, sbpNone);

    // A disabled bar starts nothing.
    ReleaseCapture();
    EnableScrollBar(wnd, SB_HORZ, ESB_DISABLE_BOTH);
    heard.clear();
    SendMessage(wnd, WM_NCLBUTTONDOWN, WPARAM(HTHSCROLL), At(h.left + 2, h.top + 2));
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollWndTest, DestroyingTheWindowDetaches) {
    TacScrollWnd sw(wnd, false, &sm);
    DestroyWindow(wnd);
    EXPECT_TRUE(sw.Detached);
    EXPECT_FALSE(sw.HBar);
}

} // namespace
