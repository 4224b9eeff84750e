// The cell editor's drop-downs and buttons, driven by keys and the mouse:
// pick lists (with and without keys), the calendar, the calculator, up/down
// stepping and the column's further edit buttons; each choice reaches the
// field only when taken, and Esc leaves the field as it was.
#include "gridfixture.h"

#include <cmath>

#include "editors/calculator.h"
#include "editors/editbuttoncontrol.h"
#include "editors/mrulist.h"
#include "editors/popupcalendar.h"
#include "editors/popuplistbox.h"
#include "core/datetime.h"
#include "core/sysformat.h"
#include "grid/gridinplaceedit.h"
#include "platform/backend/backend.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class DropDownTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(3);
        for (const char* n : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(n);
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    TDBGridInplaceEdit* EditColumn(int i) {
        grid->SetSelectedIndex(i);
        Pump();
        Key(VK_F2);
        return dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    }
    void Key(int vk, bool shift = false, bool ctrl = false, bool alt = false) {
        PressKey(vk, shift, ctrl, alt);
        Pump();
    }
    // A click at a point of a control's client area, through the queue.
    void ClickOn(TControl* c, int x, int y) {
        POINT p = c->ClientToScreen({x, y});
        QueueMouseMove(p.x, p.y);
        QueueClick(p.x, p.y);
        Pump();
        clock->Advance(1000);
    }
    void ClickButton(TDBGridInplaceEdit* e, int index, bool lowerHalf = false) {
        TEditButtonControlEh* b = e->ButtonControl(index);
        ASSERT_TRUE(b && b->Visible());
        ClickOn(b, b->Width() / 2, lowerHalf ? b->Height() * 3 / 4 : b->Height() / 4);
    }
    TField* F(const char* name) { return data->FieldByName(name); }
};

TEST_F(DropDownTest, KeyListShowsOnlyKeyedEntriesAndPostsTheChosenKey) {
    TColumnEh* c = Col(0);
    for (const char* e : {"Uno", "Dos", "Tres"}) c->PickList()->Add(e);
    for (const char* k : {"10", "20"}) c->KeyList()->Add(k);
    TDBGridInplaceEdit* e = EditColumn(0);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->EditKind(), ekPickListEh);
    Key(VK_DOWN, false, false, true);
    ASSERT_TRUE(e->PopupOpen());
    TPopupListboxEh* list = e->PickListBox();
    EXPECT_TRUE(IsWindowVisible(list->Handle()));
    EXPECT_EQ(list->Items()->Count(), 2);
    EXPECT_TRUE(e->ButtonControl(0)->AlwaysDown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(e->Text(), "Dos");
    // Esc: the field and the text stay as they were.
    Key(VK_ESCAPE);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_FALSE(e->ButtonControl(0)->AlwaysDown());
    EXPECT_EQ(e->Text(), "");
    EXPECT_EQ(F("CODIGO")->AsInteger(), 1);
    // The button and a click on the second entry choose it.
    ClickButton(e, 0);
    ASSERT_TRUE(e->PopupOpen());
    ClickOn(list, 10, list->ItemHeight() + list->ItemHeight() / 2);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), "Dos");
    Key(VK_RETURN);
    EXPECT_EQ(F("CODIGO")->AsInteger(), 20);
}

TEST_F(DropDownTest, PickListChosenByKeysAndASecondButtonClickClosesIt) {
    for (const char* e : {"Arroz", "Frijol", "Lenteja"}) Col(1)->PickList()->Add(e);
    TDBGridInplaceEdit* e = EditColumn(1);
    ASSERT_TRUE(e);
    ClickButton(e, 0);
    ASSERT_TRUE(e->PopupOpen()); // the click that opened it does not close it
    EXPECT_EQ(e->PickListBox()->ItemIndex(), 0);
    ClickButton(e, 0);
    EXPECT_FALSE(e->PopupOpen());
    Key(VK_RETURN, false, true); // Ctrl+Enter opens it too
    ASSERT_TRUE(e->PopupOpen());
    Key(VK_NEXT);
    Key(VK_RETURN);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), "Lenteja");
    Key(VK_RETURN);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Lenteja");
}

TEST_F(DropDownTest, CalculatorComputesIntoANumericCell) {
    Col(2)->SetButtonStyle(cbsDropDown);
    TDBGridInplaceEdit* e = EditColumn(2);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->EditKind(), ekDropDownEh);
    Key(VK_DOWN, false, false, true);
    ASSERT_TRUE(e->PopupOpen());
    EXPECT_EQ(e->ActivePopup(), e->CalculatorPopup());
    EXPECT_DOUBLE_EQ(e->CalculatorPopup()->DisplayValue(), 1000.5);
    TypeText("*2");
    Pump();
    Key(VK_RETURN); // computes
    EXPECT_TRUE(e->PopupOpen());
    Key(VK_RETURN); // takes it
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), FloatToStr(2001));
    Key(VK_RETURN);
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 2001);
    // Esc leaves the value.
    Key(VK_F2);
    ClickButton(e, 0);
    ASSERT_TRUE(e->PopupOpen());
    TypeText("+5");
    Pump();
    Key(VK_ESCAPE);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), F("PRECIO")->Text());
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 2001);
}

TEST_F(DropDownTest, UpDownButtonStepsByTheIncrement) {
    Col(2)->SetButtonStyle(cbsUpDown);
    Col(2)->SetIncrement(5);
    TDBGridInplaceEdit* e = EditColumn(2);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->ButtonControl(0)->Style(), ebsUpDownEh);
    ClickButton(e, 0);
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 1005.5);
    ClickButton(e, 0, true);
    ClickButton(e, 0, true);
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 995.5);
    // Text typed first is taken before the step.
    e->SelectAll();
    TypeText("10");
    Pump();
    ClickButton(e, 0);
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 15);
}

TEST_F(DropDownTest, DraggingFromTheButtonIntoThePickListChoosesTheEntryReleasedOn) {
    for (const char* e : {"Arroz", "Frijol", "Lenteja"}) Col(1)->PickList()->Add(e);
    TDBGridInplaceEdit* e = EditColumn(1);
    ASSERT_TRUE(e);
    Key(VK_DOWN, false, false, true);
    TPopupListboxEh* list = e->PickListBox();
    POINT to = list->ClientToScreen({10, 2 * list->ItemHeight() + list->ItemHeight() / 2});
    Key(VK_ESCAPE);
    TEditButtonControlEh* b = e->ButtonControl(0);
    POINT from = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    QueueDrag(from.x, from.y, to.x, to.y, 6);
    Pump();
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), "Lenteja");
    Key(VK_RETURN);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Lenteja");
}

TEST_F(DropDownTest, DoubleClickStepsToTheNextPickListValueWhenTheColumnAsks) {
    for (const char* e : {"Arroz", "Café", "Panela"}) Col(1)->PickList()->Add(e);
    TDBGridInplaceEdit* e = EditColumn(1);
    ASSERT_TRUE(e);
    auto doubleClick = [&](bool shift) {
        POINT p = e->ClientToScreen({5, e->Height() / 2});
        if (shift) InjectKey(VK_SHIFT, true);
        QueueMouseMove(p.x, p.y);
        QueueDoubleClick(p.x, p.y);
        Pump();
        if (shift) InjectKey(VK_SHIFT, false);
        Pump();
        clock->Advance(1000);
    };
    doubleClick(false);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Arroz");
    Col(1)->SetDblClickNextVal(true);
    doubleClick(false);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Café");
    EXPECT_EQ(e->Text(), "Café");
    doubleClick(true);
    doubleClick(true);
    // Back past the first entry to the last.
    EXPECT_EQ(F("NOMBRE")->AsString(), "Panela");
}

TEST_F(DropDownTest, ExtraButtonsFireByClickAndShortcut) {
    TEditButtonEh* b = Col(1)->EditButtons()->Add();
    b->SetVisible(true);
    b->SetStyle(ebsPlusEh);
    b->SetShortCut(ShortCut('B', {ssCtrl}));
    int clicks = 0, downs = 0;
    b->OnClick = [&](TObject*, bool&) { ++clicks; };
    b->OnDown = [&](TObject*, bool, bool&, bool&) { ++downs; };
    TDBGridInplaceEdit* e = EditColumn(1);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->ButtonControl(0)->Visible()); // a plain cell has no main button
    TEditButtonControlEh* bc = e->ButtonControl(1);
    ASSERT_TRUE(bc && bc->Visible());
    EXPECT_EQ(bc->Left() + bc->Width(), e->ClientWidth());
    EXPECT_EQ(e->GetTextRect().right, e->Width() - 2 - e->ButtonAreaWidth());
    ClickButton(e, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);
    Key('B', false, true);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(e->Text(), "Arroz");
}

TEST_F(DropDownTest, RecentTextsDropDownWhileTypingAndEnterTakesOne) {
    TMRUListEh* mru = Col(1)->MRUList();
    mru->SetActive(true);
    for (const char* t : {"Arroz blanco", "Arroz integral", "Azúcar"}) mru->AddText(t);
    TDBGridInplaceEdit* e = EditColumn(1);
    ASSERT_TRUE(e);
    TypeText("arr");
    Pump();
    ASSERT_TRUE(e->MRUListDroppedDown());
    TMRUListboxEh* box = e->MRUListBox();
    EXPECT_TRUE(IsWindowVisible(box->Handle()));
    EXPECT_EQ(box->Items()->Count(), 2);
    // Esc closes it and keeps the typed text.
    Key(VK_ESCAPE);
    EXPECT_FALSE(e->MRUListDroppedDown());
    EXPECT_EQ(e->Text(), "arr");
    TypeText("o");
    Pump();
    ASSERT_TRUE(e->MRUListDroppedDown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(e->MRUListDroppedDown());
    EXPECT_EQ(e->Text(), "Arroz integral");
    Key(VK_RETURN);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Arroz integral");
    // What is posted from the editor joins the list.
    Key(VK_DOWN);
    Key(VK_F2);
    e->SelectAll();
    TypeText("Lenteja roja");
    Key(VK_RETURN);
    EXPECT_GE(mru->Items()->IndexOf("Lenteja roja"), 0);
}

class CalendarCellTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        days = new TClientDataSet(form);
        days->FieldDefs().Add("FECHA", ftDate);
        days->CreateDataSet();
        days->Append();
        days->Post();
        source->SetDataSet(days);
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    TClientDataSet* days = nullptr;
};

TEST_F(CalendarCellTest, EmptyDateOpensOnTodayAndTheChosenDayIsPosted) {
    PressKey(VK_F2);
    Pump();
    auto* e = dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    ASSERT_TRUE(e);
    ASSERT_EQ(e->EditKind(), ekCalendarEh);
    PressKey(VK_DOWN, false, false, true);
    Pump();
    ASSERT_TRUE(e->PopupOpen());
    TDateTime today = Date();
    EXPECT_EQ(double(e->CalendarPopup()->Date()), double(today));
    PressKey(VK_RIGHT);
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_TRUE(days->FieldByName("FECHA")->IsNull());
    PressKey(VK_DOWN, false, false, true);
    PressKey(VK_RIGHT);
    PressKey(VK_RETURN);
    Pump();
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(double(days->FieldByName("FECHA")->AsDateTime()), double(today) + 1);
}

} // namespace tvtest
