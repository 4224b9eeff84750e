// TScrollBar as a control.
#include "formfixture.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "platform/window/scrollbar.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

using ScrollBarControl = FormTest;

TEST_F(ScrollBarControl, ParamsPageKeysAndClicks) {
    auto* sb = new TScrollBar(form);
    sb->SetParent(form);
    sb->SetBounds(10, 10, 200, 17);
    sb->SetLargeChange(10);
    sb->SetPageSize(20);
    sb->SetParams(500, 0, 100); // past the end: the last page
    EXPECT_EQ(sb->Position(), 81);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(sb->Handle(), SB_HORZ, &si);
    EXPECT_EQ(si.nPos, 81);
    EXPECT_EQ(si.nPage, 20u);
    EXPECT_THROW(sb->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_EQ(sb->Max(), 100);
    int changes = 0;
    sb->OnChange = [&](TObject*) { ++changes; };
    std::vector<TScrollCode> codes;
    sb->OnScroll = [&](TObject*, TScrollCode c, int& pos) {
        codes.push_back(c);
        if (c == scPageUp) pos -= 1; // a handler may move it further
    };
    Focus(sb);
    PressKey(VK_HOME);
    EXPECT_EQ(sb->Position(), 0);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    EXPECT_EQ(sb->Position(), 2);
    PressKey(VK_END);
    PressKey(VK_PRIOR);
    EXPECT_EQ(sb->Position(), 70);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scTop, scLineDown, scLineDown, scBottom, scPageUp}));
    EXPECT_EQ(changes, 5);
    // A click on the right arrow of the bar.
    RECT wr;
    GetWindowRect(sb->Handle(), &wr);
    Click(wr.right - 3, wr.top + 8);
    ProcessPendingMessages();
    EXPECT_EQ(sb->Position(), 71);
    sb->SetKind(sbVertical);
    EXPECT_EQ(sb->Position(), 71);
    EXPECT_GT(sb->Height(), sb->Width());
}

} // namespace
} // namespace tvtest
