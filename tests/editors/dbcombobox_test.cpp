// The combo box over a real client dataset: a pick list with keys chosen by
// keys, mouse and typing posts the key; without keys typing completes the text
// from the items and the field receives the text.
#include "editorfixture.h"
#include "editors/dbcombobox.h"
#include "editors/fielddatalink.h"
#include "editors/sizegrip.h"
#include "core/stringlist.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/edit.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DBComboBoxEh : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        data = new TClientDataSet(form);
        data->FieldDefs().Add("TIPO", ftInteger);
        data->FieldDefs().Add("CIUDAD", ftString, 20);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("TIPO")->SetAsInteger(1);
        data->FieldByName("CIUDAD")->SetAsString("Cali");
        data->Post();
        source = new TDataSource(form);
        source->SetDataSet(data);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    TDBComboBoxEh* Combo(const char* field, bool keys, int top = 40) {
        auto* c = new TDBComboBoxEh(form);
        c->SetParent(form);
        c->SetBounds(10, top, 160, 24);
        for (const char* s : {"Uno", "Dos", "Tres"}) c->Items()->Add(s);
        if (keys)
            for (const char* s : {"1", "2"}) c->KeyItems()->Add(s);
        if (field) {
            c->SetDataSource(source);
            c->SetDataField(field);
        }
        return c;
    }
    TField* Tipo() { return data->FieldByName("TIPO"); }
    TField* Ciudad() { return data->FieldByName("CIUDAD"); }
    // Screen point of item `i` of an open list.
    POINT ItemPoint(TPopupListboxEh* list, int i) {
        RECT r = list->ItemRect(i);
        return At(list, r.left + 10, (r.top + r.bottom) / 2);
    }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBComboBoxEh, KeysMapValuesToItemsAndOnlyKeyedItemsCount) {
    auto* c = Combo(nullptr, true);
    EXPECT_TRUE(c->KeyBased());
    EXPECT_EQ(c->ItemsCount(), 2);
    EXPECT_EQ(c->CurrentItem(), -1);
    c->SetValue(Variant("2"));
    EXPECT_EQ(c->Text(), "Dos");
    EXPECT_EQ(c->CurrentItem(), 1);
    c->SetValue(Variant("3"));
    EXPECT_EQ(c->Text(), "");
    EXPECT_EQ(c->CurrentItem(), -1);
    // "Tres" has no key: it is not offered and cannot be chosen.
    c->SelectItem(2);
    EXPECT_TRUE(c->Value().IsNull());
    Focus(c);
    PressKey(VK_DOWN, false, false, true);
    ASSERT_TRUE(c->ListVisible());
    EXPECT_EQ(c->PopupList()->Items()->Count(), 2);
    PressKey(VK_ESCAPE);
    // Removing the keys goes back to free text.
    c->KeyItems()->Clear();
    EXPECT_FALSE(c->KeyBased());
    EXPECT_EQ(c->ItemsCount(), 3);
}

TEST_F(DBComboBoxEh, TypingInKeyModeSearchesTheItemsAndPostsTheKey) {
    auto* c = Combo("TIPO", true);
    EXPECT_EQ(c->Text(), "Uno");
    Focus(c);
    TypeText("d");
    EXPECT_EQ(c->Text(), "Dos");
    EXPECT_EQ(c->SelText(), "os");
    PressKey(VK_BACK); // widens the selection backwards
    EXPECT_EQ(c->SelText(), "Dos");
    EXPECT_EQ(c->Text(), "Dos");
    TypeText("u"); // from the selection start: "u" finds "Uno"
    EXPECT_EQ(c->Text(), "Uno");
    TypeText("x"); // "Ux" matches nothing: the item stays
    EXPECT_EQ(c->Text(), "Uno");
    c->SelectAll();
    TypeText("D");
    EXPECT_EQ(Tipo()->AsInteger(), 1); // not before leaving
    Focus(other);
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_EQ(Tipo()->AsInteger(), 2);
    data->Post();
    EXPECT_EQ(c->Text(), "Dos");
}

TEST_F(DBComboBoxEh, UpAndDownStepThroughTheItems) {
    auto* c = Combo("TIPO", true);
    Tipo()->DataSet()->Edit();
    Tipo()->Clear();
    data->Post();
    EXPECT_EQ(c->CurrentItem(), -1);
    Focus(c);
    PressKey(VK_UP); // no current item: the last one
    EXPECT_EQ(c->Text(), "Dos");
    PressKey(VK_DOWN); // the last: nothing
    EXPECT_EQ(c->CurrentItem(), 1);
    PressKey(VK_UP);
    PressKey(VK_UP); // the first: nothing
    EXPECT_EQ(c->Text(), "Uno");
    Wheel(At(c, 5, 5).x, At(c, 5, 5).y, -120); // wheel down: the next
    EXPECT_EQ(c->Text(), "Dos");
    Focus(other);
    EXPECT_EQ(Tipo()->AsInteger(), 2);
}

TEST_F(DBComboBoxEh, AWrappingComboStepsOnlyWithTheWholeTextSelected) {
    data->Edit();
    Ciudad()->SetAsString("uno dos tres cuatro");
    data->Post();
    auto* c = Combo("CIUDAD", false);
    c->SetAutoSize(false);
    c->SetBounds(10, 40, 90, 80);
    c->SetWordWrap(true);
    Focus(c);
    HWND w = c->Handle();
    ASSERT_GE(SendMessage(w, EM_GETLINECOUNT, 0, 0), 2);
    c->SetSelStart(0);
    PressKey(VK_DOWN); // the caret goes a line down
    EXPECT_EQ(SendMessage(w, EM_LINEFROMCHAR, WPARAM(-1), 0), 1);
    EXPECT_EQ(c->Text(), "uno dos tres cuatro");
    c->SelectAll();
    PressKey(VK_DOWN);
    EXPECT_EQ(c->Text(), "Uno");
}

TEST_F(DBComboBoxEh, DelClearsAnOptionalKeyButNotARequiredOne) {
    auto* c = Combo("TIPO", true);
    Tipo()->SetRequired(true);
    Focus(c);
    PressKey(VK_DELETE);
    EXPECT_EQ(c->Text(), "Uno");
    Tipo()->SetRequired(false);
    PressKey(VK_DELETE);
    EXPECT_EQ(c->Text(), "");
    EXPECT_TRUE(c->Value().IsNull());
    Focus(other);
    EXPECT_TRUE(Tipo()->IsNull());
}

TEST_F(DBComboBoxEh, AClickOpensTheListAndAClickOnAnItemChoosesIt) {
    auto* c = Combo("TIPO", true);
    POINT p = At(c, 10, c->ClientHeight() / 2);
    Click(p.x, p.y);
    EXPECT_TRUE(c->Focused());
    ASSERT_TRUE(c->ListVisible()); // the press that opened it did not close it
    TPopupListboxEh* list = c->PopupList();
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_TRUE(c->ButtonControl(0)->AlwaysDown());
    POINT item = ItemPoint(list, 1);
    MoveMouse(item.x, item.y);
    Click(item.x, item.y);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_FALSE(c->ButtonControl(0)->AlwaysDown());
    EXPECT_TRUE(c->Focused()); // the list never took the focus
    EXPECT_EQ(c->Text(), "Dos");
    EXPECT_EQ(Tipo()->AsInteger(), 1);
    // A second click on the editor while open closes without choosing.
    Click(p.x, p.y);
    ASSERT_TRUE(c->ListVisible());
    Click(p.x + 20, p.y);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_EQ(c->Text(), "Dos");
    Focus(other);
    EXPECT_EQ(Tipo()->AsInteger(), 2);
}

TEST_F(DBComboBoxEh, TheButtonDraggedOntoAnItemChoosesIt) {
    auto* c = Combo("CIUDAD", false);
    c->HandleNeeded();
    TEditButtonControlEh* b = c->ButtonControl(0);
    ASSERT_TRUE(b && b->Visible()); // a combo shows its drop-down button
    POINT from = At(b, b->Width() / 2, b->Height() / 2);
    MouseDown(from.x, from.y);
    ASSERT_TRUE(c->ListVisible());
    POINT to = ItemPoint(c->PopupList(), 2);
    MoveMouse(to.x, to.y - 30);
    MoveMouse(to.x, to.y);
    MouseUp(to.x, to.y);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_EQ(c->Text(), "Tres");
    Focus(other);
    EXPECT_EQ(Ciudad()->AsString(), "Tres");
}

TEST_F(DBComboBoxEh, KeysDriveTheOpenList) {
    auto* c = Combo("CIUDAD", false);
    int closes = 0;
    bool accepted = false;
    c->OnCloseUp = [&](TObject*, bool accept) {
        ++closes;
        accepted = accept;
    };
    Focus(c);
    PressKey(VK_DOWN, false, false, true); // Alt+Down
    ASSERT_TRUE(c->ListVisible());
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(c->PopupList()->ItemIndex(), 1);
    EXPECT_EQ(c->Text(), "Cali"); // only the list moved
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(c->Text(), "Cali");
    EXPECT_TRUE(c->Focused()); // Esc did not reach the form
    PressKey(VK_DOWN, false, false, true);
    PressKey(VK_NEXT);
    PressKey(VK_RETURN);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(c->Text(), "Tres");
    Focus(other);
    EXPECT_EQ(Ciudad()->AsString(), "Tres");
}

TEST_F(DBComboBoxEh, TypingWithoutKeysCompletesFromTheItems) {
    auto* c = Combo(nullptr, false);
    Focus(c);
    TypeText("t");
    EXPECT_EQ(c->Text(), "Tres");
    EXPECT_EQ(c->SelText(), "res");
    EXPECT_EQ(c->CurrentItem(), 2);
    TypeText("rx"); // no item begins so: the text is the user's
    EXPECT_EQ(c->Text(), "Trx");
    EXPECT_EQ(c->CurrentItem(), -1);
    PressKey(VK_BACK);
    EXPECT_EQ(c->Text(), "Tr");
    c->SelectAll();
    TypeText("1.");  // a full stop starts no completion
    EXPECT_EQ(c->Text(), "1.");
    c->SelectAll();
    TypeText("du"); // "d" completed to "Dos" in the item's spelling
    EXPECT_EQ(c->Text(), "Du");
    Focus(other);
    EXPECT_EQ(c->Value().AsString(), "Du");
    EXPECT_EQ(c->DataLink()->UnboundValue().AsString(), "Du");
}

TEST_F(DBComboBoxEh, TextNotInTheListIsOfferedToOnNotInList) {
    auto* c = Combo("CIUDAD", false);
    std::vector<std::string> offered;
    c->OnNotInList = [&](TObject*, const std::string& text, bool& recheck) {
        offered.push_back(text);
        c->Items()->Add(text);
        recheck = true;
    };
    Focus(c);
    c->SelectAll();
    TypeText("Pasto");
    Focus(other);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], "Pasto");
    EXPECT_EQ(c->CurrentItem(), 3); // found again once added
    EXPECT_EQ(Ciudad()->AsString(), "Pasto");
}

TEST_F(DBComboBoxEh, TheListWidthFollowsItsSettingsAndAUserSize) {
    auto* c = Combo(nullptr, false);
    c->Items()->Add("Una ciudad con un nombre muy largo de verdad");
    c->SetWidth(80);
    c->DropDownBox()->SetWidth(-1);
    Focus(c);
    PressKey(VK_DOWN, false, false, true);
    TPopupListboxEh* list = c->PopupList();
    int widest = list->Width();
    EXPECT_GT(widest, 200);
    PressKey(VK_ESCAPE);
    c->DropDownBox()->SetWidth(0);
    PressKey(VK_DOWN, false, false, true);
    EXPECT_EQ(list->Width(), 80); // the editor's width
    PressKey(VK_ESCAPE);
    // A list the user sized keeps that size.
    c->DropDownBox()->SetSizable(true);
    c->DropDownBox()->SetRows(2);
    PressKey(VK_DOWN, false, false, true);
    ASSERT_TRUE(list->SizeGrip()->Visible());
    int rowHeight = list->ItemHeight();
    TSizeGripEh* grip = list->SizeGrip();
    POINT g = At(grip, grip->Width() - 3, grip->Height() - 3);
    Drag(g.x, g.y, g.x + 50, g.y + rowHeight);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(c->DropDownBox()->Rows(), 3);
    EXPECT_EQ(c->DropDownBox()->Width(), 130);
    PressKey(VK_DOWN, false, false, true);
    EXPECT_EQ(list->Width(), 130);
    EXPECT_EQ(list->RowCount(), 3);
}

} // namespace
} // namespace tvtest
