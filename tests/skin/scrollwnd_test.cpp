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
    // No room and no range divide by nothing.
    bar.Info.nMax = 0;
    bar.Info.nPage = 0;
    ThumbGeometry(bar, 0, len, off);
    EXPECT_EQ(off, 0);
    EXPECT_EQ(HitTestScrollBar(bar, 0, 0, 0, true), sbpNone);
    bar.Info.nMax = 99;
    bar.Info.nPage = 50;
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

// --- the mouse on a skinned bar, through the input queue --------------------------

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/backend/headless.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/window/paint.h"
#include "platform/window/timer.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "support/headless_ui.h"

namespace {

// A control with a vertical bar of its own that records the requests it gets.
class TScrolled : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    struct Request {
        int code, pos;
        bool operator==(const Request& o) const { return code == o.code && pos == o.pos; }
    };
    std::vector<Request> requests;
    void Dispatch(Message& msg) override {
        if (msg.Msg == WM_VSCROLL) requests.push_back({int(LOWORD(msg.WParam)), int(HIWORD(msg.WParam))});
        TCustomControl::Dispatch(msg);
    }
    std::vector<int> Codes() const {
        std::vector<int> c;
        for (auto& r : requests) c.push_back(r.code);
        return c;
    }

protected:
    void CreateParams(TCreateParams& p) override {
        TCustomControl::CreateParams(p);
        p.Style |= WS_VSCROLL;
    }
};

class SkinnedBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = tvtest::StartHeadlessUI();
        sm = std::make_unique<TsSkinManager>(Application);
        sm->SetActive(false);
        LoadInternalSkins(sm->InternalSkins());
        sm->SetSkinDirectory("/no/skins");
        sm->SetSkinName(DefaultInternalSkin);
        sm->SetActive(true);
        form = new TForm(Application);
        form->SetBounds(50, 50, 300, 300);
        ctl = new TScrolled(form);
        ctl->SetParent(form);
        ctl->SetBounds(20, 20, 120, 200);
        form->Show();
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 99;
        si.nPage = 10;
        si.nPos = 0;
        SetScrollInfo(ctl->Handle(), SB_VERT, &si, FALSE);
        link = std::make_unique<TsCommonData>(ctl, true);
        link->SetSkinSection("EDIT");
        bar = std::make_unique<TacScrollWnd>(ctl->Handle(), true, sm.get(), link.get());
        Application->ProcessMessages();
        UpdateAllWindows();
        r = bar->GetVScrollRect();
        x = (r.left + r.right) / 2;
    }
    void TearDown() override {
        bar.reset();
        link.reset();
        delete form;
        sm.reset();
        tvtest::StopHeadlessUI();
    }
    void Wait(int ms) {
        clock->Advance(std::uint64_t(ms));
        Application->ProcessMessages();
    }
    static TColor Screen(int px, int py) {
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        TColor c = TColor(GetPixel(dc, px, py));
        ReleaseDC(nullptr, dc);
        return c;
    }
    TColor ButtonPixel(const char* section, int state) {
        int i = sm->GetMaskIndexByName(section, "BORDERSMASK");
        const TsMaskData& md = sm->ma[std::size_t(i)];
        return TColor(GetPixel(sm->MasterBitmap->Canvas()->Handle(), md.R.left + state * md.R.Width() / md.ImageCount + 1,
                               md.R.top + 1));
    }
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<TsSkinManager> sm;
    TForm* form = nullptr;
    TScrolled* ctl = nullptr;
    std::unique_ptr<TsCommonData> link;
    std::unique_ptr<TacScrollWnd> bar;
    RECT r{};
    int x = 0;
};

TEST_F(SkinnedBarTest, AHeldArrowRepeatsAfterItsDelayWhileTheMouseStaysOnIt) {
    ASSERT_TRUE(bar->VBar->Visible);
    EXPECT_EQ(Screen(r.left + 1, r.bottom - 16 + 1), ButtonPixel("SCROLLBTNBOTTOM", 0)) << "the arrow as the skin draws it";
    QueueMouseDown(x, r.bottom - 4);
    Application->ProcessMessages();
    EXPECT_EQ(ctl->Codes(), std::vector<int>{SB_LINEDOWN}) << "one request at the press";
    EXPECT_EQ(Screen(r.left + 1, r.bottom - 16 + 1), ButtonPixel("SCROLLBTNBOTTOM", 2)) << "shown pressed";
    Wait(299);
    EXPECT_EQ(ctl->requests.size(), 1u);
    Wait(1);
    EXPECT_EQ(ctl->requests.size(), 1u) << "the delay only starts the repeat";
    Wait(55);
    EXPECT_EQ(ctl->requests.size(), 2u) << "the second request 355 ms after the press";
    Wait(55);
    EXPECT_EQ(ctl->requests.size(), 3u);
    QueueMouseMove(x, r.top + 40);
    Application->ProcessMessages();
    Wait(110);
    EXPECT_EQ(ctl->requests.size(), 3u) << "off the arrow the repeat pauses";
    EXPECT_EQ(Screen(r.left + 1, r.bottom - 16 + 1), ButtonPixel("SCROLLBTNBOTTOM", 0)) << "and the arrow shows unpressed";
    QueueMouseMove(x, r.bottom - 4);
    Application->ProcessMessages();
    Wait(55);
    EXPECT_EQ(ctl->requests.size(), 4u);
    QueueMouseUp(x, r.bottom - 4);
    Application->ProcessMessages();
    EXPECT_EQ(ctl->Codes().back(), SB_ENDSCROLL);
    EXPECT_EQ(GetCapture(), nullptr);
    Wait(200);
    EXPECT_EQ(ctl->Codes().back(), SB_ENDSCROLL) << "the timers stop with the release";
}

TEST_F(SkinnedBarTest, APressOnTheChannelPagesTowardsIt) {
    QueueClick(x, r.bottom - 30);
    Application->ProcessMessages();
    EXPECT_EQ(ctl->Codes(), (std::vector<int>{SB_PAGEDOWN, SB_ENDSCROLL}));
}

TEST_F(SkinnedBarTest, DraggingTheThumbTracksThenSetsThePosition) {
    int thumbY = r.top + 16 + 10; // the thumb lies right under the first arrow
    QueueDrag(x, thumbY, x, r.bottom + 100, 6);
    Application->ProcessMessages();
    std::vector<int> codes = ctl->Codes();
    ASSERT_GE(codes.size(), 3u);
    for (std::size_t i = 0; i + 2 < codes.size(); ++i) EXPECT_EQ(codes[i], SB_THUMBTRACK) << i;
    EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    int last = ctl->requests[codes.size() - 3].pos;
    EXPECT_EQ(last, 90) << "past the end the thumb stops at the last position";
    EXPECT_EQ(ctl->requests[codes.size() - 2].pos, last);
    for (std::size_t i = 1; i + 2 < codes.size(); ++i)
        EXPECT_GT(ctl->requests[i].pos, ctl->requests[i - 1].pos) << "each move that changes it is sent once";

    // Pressed and let go without a move, the thumb stays where it stands.
    ctl->requests.clear();
    QueueClick(x, thumbY);
    Application->ProcessMessages();
    EXPECT_EQ(ctl->requests, (std::vector<TScrolled::Request>{{SB_THUMBPOSITION, 0}, {SB_ENDSCROLL, 0}}));
}

} // namespace
