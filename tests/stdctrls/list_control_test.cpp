// TComboBox and TListBox on a form.
#include "formfixture.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/listbox.h"
#include "platform/window/paint.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

// What a descendant such as the serial port's combo box does: act on the
// change before the form's handler runs.
class HookedCombo : public TComboBox {
public:
    using TComboBox::TComboBox;
    std::vector<std::string>* log = nullptr;

protected:
    void Change() override {
        log->push_back("hook:" + Text());
        TComboBox::Change();
    }
};

using ListControl = FormTest;

TEST_F(ListControl, ComboItemsIndexAndChangeOrder) {
    std::vector<std::string> log;
    auto* c = new HookedCombo(form);
    c->log = &log;
    c->SetStyle(csDropDownList);
    c->Items()->Add("COM1");
    c->Items()->Add("COM2");
    c->SetItemIndex(1); // before the window exists
    c->SetParent(form);
    c->SetBounds(10, 10, 150, 24);
    c->OnChange = [&](TObject*) { log.push_back("form:" + c->Text()); };
    c->OnSelect = [&](TObject*) { log.push_back("select"); };
    EXPECT_EQ(c->ItemIndex(), 1);
    EXPECT_EQ(c->Text(), "COM2");
    c->Items()->Add("COM3");
    Focus(c);
    PressKey(VK_DOWN);
    EXPECT_EQ(log, (std::vector<std::string>{"hook:COM3", "form:COM3", "select"}));
    // Setting the index from the program tells nobody.
    log.clear();
    c->SetItemIndex(0);
    EXPECT_TRUE(log.empty());
    // Items survive the window being made again.
    c->SetSorted(true);
    EXPECT_EQ(c->Items()->Count(), 3);
    EXPECT_EQ(c->Text(), "COM1");
    EXPECT_THROW(c->Items()->Strings(7), EStringListError);
    c->SetItemIndex(99);
    EXPECT_EQ(c->ItemIndex(), -1);
}

TEST_F(ListControl, ComboDropDownEventsAndDropDownCount) {
    auto* c = new TComboBox(form);
    c->SetParent(form);
    c->SetBounds(10, 10, 150, 24);
    c->SetStyle(csDropDownList);
    for (int i = 0; i < 20; ++i) c->Items()->Add("Item " + std::to_string(i));
    c->SetDropDownCount(5);
    int drops = 0, closes = 0;
    c->OnDropDown = [&](TObject*) { ++drops; };
    c->OnCloseUp = [&](TObject*) { ++closes; };
    Focus(c);
    c->SetDroppedDown(true);
    EXPECT_TRUE(c->DroppedDown());
    RECT r;
    SendMessage(c->Handle(), 0x0152 /* CB_GETDROPPEDCONTROLRECT */, 0, reinterpret_cast<LPARAM>(&r));
    int itemH = int(SendMessage(c->Handle(), 0x0154 /* CB_GETITEMHEIGHT */, 0, 0));
    EXPECT_LE(r.Height() - c->Height(), 5 * itemH + 4);
    EXPECT_EQ(GetFocus(), c->Handle());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(c->DroppedDown());
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(closes, 1);
}

TEST_F(ListControl, ListBoxOwnerDrawAndItemAtPos) {
    auto* lb = new TListBox(form);
    lb->SetParent(form);
    lb->SetBounds(10, 10, 150, 120);
    lb->SetStyle(lbOwnerDrawVariable);
    std::vector<int> drawn;
    lb->OnMeasureItem = [](TWinControl*, int index, int& h) { h = 20 + index * 2; };
    lb->OnDrawItem = [&](TWinControl* c, int index, RECT rect, TOwnerDrawState) {
        drawn.push_back(index);
        static_cast<TListBox*>(c)->Canvas()->TextOut(rect.left, rect.top, "x");
    };
    for (const char* s : {"a", "b", "c"}) lb->Items()->Add(s);
    EXPECT_EQ(lb->ItemRect(2).top, 20 + 22);
    EXPECT_EQ(lb->ItemAtPos({5, 45}, true), 2);
    EXPECT_EQ(lb->ItemAtPos({5, 110}, true), -1);
    EXPECT_EQ(lb->ItemAtPos({5, 110}, false), 3);
    UpdateWindow(lb->Handle());
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2}));
    int clicks = 0;
    lb->OnClick = [&](TObject*) { ++clicks; };
    Focus(lb);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(lb->ItemIndex(), 1);
    EXPECT_EQ(clicks, 2);
    lb->SetMultiSelect(true);
    EXPECT_EQ(lb->Items()->Count(), 3);
    lb->SetSelected(0, true);
    lb->SetSelected(2, true);
    EXPECT_EQ(lb->SelCount(), 2);
    EXPECT_TRUE(lb->Selected(2));
}

// A list box's own window scrolls with the wheel its events leave.
TEST_F(ListControl, ListBoxScrollsWithTheWheelItsEventsLeave) {
    auto* lb = new TListBox(form);
    lb->SetParent(form);
    lb->SetBounds(10, 10, 150, 120);
    for (int i = 0; i < 40; ++i) lb->Items()->Add("Artículo " + std::to_string(i));
    bool take = false;
    lb->OnMouseWheel = [&](TObject*, TShiftState, int, POINT, bool& handled) { handled = take; };
    Focus(lb);
    POINT p = lb->ClientToScreen(POINT{20, 20});
    QueueWheel(p.x, p.y, -WHEEL_DELTA);
    Application->ProcessMessages();
    EXPECT_EQ(lb->TopIndex(), 3) << "three lines a notch";
    QueueWheel(p.x, p.y, WHEEL_DELTA);
    Application->ProcessMessages();
    EXPECT_EQ(lb->TopIndex(), 0);
    take = true;
    QueueWheel(p.x, p.y, -WHEEL_DELTA);
    Application->ProcessMessages();
    EXPECT_EQ(lb->TopIndex(), 0) << "a turn the events take does not scroll";
}

} // namespace
} // namespace tvtest
