// Input queued as a person gives it, taken by the application's own loop:
// clicks and typing arrive in their order, each after what the one before
// it caused; the scroll bar control followed with the mouse through that loop.
#include <memory>

#include "uifixture.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"

using namespace tv;
using namespace tv::win;
using namespace tvtest;

TEST_F(UiTest, QueuedTypingFollowsTheFocusThatAClickMoved) {
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->SetBounds(0, 0, 300, 200);
    auto* first = new TTestEdit(form.get());
    first->SetParent(form.get());
    first->SetBounds(10, 10, 100, 21);
    auto* second = new TTestEdit(form.get());
    second->SetParent(form.get());
    second->SetBounds(10, 40, 100, 21);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 80, 75, 25);
    std::string seenInsideTheClick;
    button->OnClick = [&](TObject*) {
        second->SetFocus();
        // A long job that keeps the window alive lets the typing in.
        Application->ProcessMessages();
        seenInsideTheClick = second->typed;
    };
    form->Show();
    first->SetFocus();
    Application->ProcessMessages();

    POINT p = button->ClientToScreen({5, 5});
    QueueText("a");
    QueueClick(p.x, p.y);
    QueueText("bc");
    EXPECT_EQ(first->typed, "") << "nothing happens before the loop runs";
    Application->ProcessMessages();
    EXPECT_EQ(first->typed, "a");
    EXPECT_EQ(second->typed, "bc");
    EXPECT_EQ(seenInsideTheClick, "bc");
    EXPECT_TRUE(second->Focused());
}

TEST_F(UiTest, AScrollBarControlFollowsTheMouseThroughTheApplicationsLoop) {
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->SetBounds(0, 0, 300, 300);
    auto* sb = new TScrollBar(form.get());
    sb->SetParent(form.get());
    sb->SetKind(sbVertical);
    sb->SetBounds(10, 10, GetSystemMetrics(SM_CXVSCROLL), 200);
    sb->SetLargeChange(10);
    sb->SetPageSize(10);
    std::vector<TScrollCode> codes;
    sb->OnScroll = [&](TObject*, TScrollCode c, int&) { codes.push_back(c); };
    form->Show();
    Application->ProcessMessages();

    HWND h = sb->Handle();
    DWORD style = DWORD(GetWindowLong(h, GWL_STYLE));
    EXPECT_TRUE(style & SBS_VERT);
    EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL)) << "the window is all bar, with no bars of its own";
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_CLIENT, &sbi));
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    int thumbY = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;

    QueueDrag(x, thumbY, x, sbi.rcScrollBar.bottom + 50, 4);
    Application->ProcessMessages();
    EXPECT_EQ(sb->Position(), 91);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes.front(), scTrack);
    EXPECT_EQ(codes[codes.size() - 2], scPosition);
    EXPECT_EQ(codes.back(), scEndScroll);
    EXPECT_EQ(GetScrollPos(h, SB_CTL), 91);

    // A press above the thumb pages up; the upper arrow goes one line.
    codes.clear();
    GetScrollBarInfo(h, OBJID_CLIENT, &sbi);
    QueueClick(x, sbi.rcScrollBar.top + sbi.xyThumbTop - 4);
    QueueClick(x, sbi.rcScrollBar.top + 3);
    Application->ProcessMessages();
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scPageUp, scEndScroll, scLineUp, scEndScroll}));
    EXPECT_EQ(sb->Position(), 80);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(sb->ControlState().Contains(csLButtonDown)) << "the release was the bar's";
}
