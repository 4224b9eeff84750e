// The drop-down month calendar: keys and clicks close it through its owner.
#include <gtest/gtest.h>

#include <vector>

#include "editorfixture.h"
#include "editors/popupcalendar.h"
#include "core/datetime.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/monthcal.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class TDateOwner : public TPanel, public IPopupOwnerEh {
    TV_CLASS(TDateOwner, TPanel)
public:
    using TPanel::TPanel;
    void CloseDropDown(bool accept) override { closes.push_back(accept); }
    std::vector<bool> closes;
};

class PopupCalendar : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        owner = new TDateOwner(form);
        owner->SetParent(form);
        owner->SetBounds(10, 10, 120, 21);
        cal = new TPopupMonthCalendarEh(owner);
        cal->SetParent(owner);
        cal->SetDate(EncodeDate(2026, 12, 10));
        POINT p = At(owner, 0, 21);
        SetWindowPos(cal->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ProcessPendingMessages();
    }
    // The client point of the first spot that the calendar reports as `hit`.
    bool FindHit(UINT hit, POINT& at) {
        RECT r = cal->ClientRect();
        for (int y = 0; y < r.bottom; y += 2)
            for (int x = 0; x < r.right; x += 2) {
                MCHITTESTINFO hi;
                hi.pt = {x, y};
                if (UINT(SendMessage(cal->Handle(), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hi))) == hit &&
                    (hit != MCHT_CALENDARDATE || hi.st.wMonth == 12)) {
                    at = {x, y};
                    return true;
                }
            }
        return false;
    }
    TDateOwner* owner = nullptr;
    TPopupMonthCalendarEh* cal = nullptr;
};

TEST_F(PopupCalendar, IsSizedForTheMonthPlusItsFrame) {
    RECT min{};
    SendMessage(cal->Handle(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&min));
    EXPECT_EQ(cal->Width(), min.Width() + 4);
    EXPECT_EQ(cal->Height(), min.Height() + 4);
    EXPECT_TRUE(GetWindowLongPtr(cal->Handle(), GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(double(cal->Date()), double(EncodeDate(2026, 12, 10)));
}

TEST_F(PopupCalendar, EnterAcceptsAndEscDoesNot) {
    SendMessage(cal->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_FALSE(owner->closes.empty());
    EXPECT_TRUE(owner->closes.back());
    owner->closes.clear();
    SendMessage(cal->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_FALSE(owner->closes.empty());
    for (bool a : owner->closes) EXPECT_FALSE(a);
    EXPECT_EQ(cal->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1);
}

TEST_F(PopupCalendar, ClickingADayAcceptsAndTheMonthButtonsKeepItOpen) {
    POINT next;
    ASSERT_TRUE(FindHit(MCHT_TITLEBTNNEXT, next));
    POINT s = At(cal, next.x, next.y);
    Click(s.x, s.y);
    EXPECT_TRUE(owner->closes.empty());
    POINT prev;
    ASSERT_TRUE(FindHit(MCHT_TITLEBTNPREV, prev));
    s = At(cal, prev.x, prev.y);
    Click(s.x, s.y);
    EXPECT_TRUE(owner->closes.empty());
    POINT dayName;
    if (FindHit(MCHT_CALENDARDAY, dayName)) {
        s = At(cal, dayName.x, dayName.y);
        Click(s.x, s.y);
        EXPECT_TRUE(owner->closes.empty());
    }
    POINT day;
    ASSERT_TRUE(FindHit(MCHT_CALENDARDATE, day));
    s = At(cal, day.x, day.y);
    Click(s.x, s.y);
    ASSERT_EQ(owner->closes, std::vector<bool>{true});
    int y, m, d;
    DecodeDate(cal->Date(), y, m, d);
    EXPECT_EQ(m, 12);
}

TEST_F(PopupCalendar, TheWheelMovesByOneDayAndTheCloseMessageCancels) {
    SendMessage(cal->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(double(cal->Date()), double(EncodeDate(2026, 12, 11)));
    SendMessage(cal->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    SendMessage(cal->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(double(cal->Date()), double(EncodeDate(2026, 12, 9)));
    PostMessage(cal->Handle(), WM_POPUPCLOSE_EH, 0, 0);
    ProcessPendingMessages();
    EXPECT_EQ(owner->closes, std::vector<bool>{false});
}

} // namespace
} // namespace tvtest
