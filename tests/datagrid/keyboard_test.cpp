// The grid's keyboard: the keys move the dataset's record, append and insert
// records, delete after asking, Esc cancels, and typed characters walk the
// records by the current column's text.
#include "gridfixture.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class KeyboardTest : public DataGridTest {
protected:
    // Rows: Arroz, Café, Panela, Aceite, Sal, Azúcar, Lentejas, Fríjol.
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(8);
        grid->Columns()->Add()->SetFieldName("CODIGO");
        grid->Columns()->Add()->SetFieldName("NOMBRE");
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    void Key(int vk, bool shift = false, bool ctrl = false) {
        PressKey(vk, shift, ctrl);
        Pump();
    }
    std::string Name() { return data->FieldByName("NOMBRE")->AsString(); }
};

TEST_F(KeyboardTest, NavigationKeysMoveTheDatasetRecord) {
    int page = grid->VisibleDataRowCount();
    ASSERT_GT(page, 0);
    struct Case {
        int vk;
        bool shift, ctrl;
        int recNo;
    } cases[] = {
        {VK_DOWN, false, false, 2},  {VK_DOWN, false, false, 3},   {VK_UP, false, false, 2},
        {VK_END, false, true, 8},    {VK_HOME, false, true, 1},    {VK_NEXT, false, false, std::min(8, 1 + page)},
        {VK_PRIOR, false, false, 1}, {VK_END, false, true, 8},     {VK_UP, false, false, 7},
    };
    for (const Case& c : cases) {
        Key(c.vk, c.shift, c.ctrl);
        EXPECT_EQ(data->RecNo(), c.recNo) << "key " << c.vk;
        // The grid's current row follows the record.
        EXPECT_EQ(grid->Row() - grid->TitleRowCount(), grid->DataLink()->ActiveRecord()) << "key " << c.vk;
    }
}

TEST_F(KeyboardTest, DownOnTheLastRecordAppendsOnceAndUpDropsTheUntouchedRecord) {
    Key(VK_END, false, true);
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsInsert);
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsInsert);
    Key(VK_UP);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->RecordCount(), 8);
    EXPECT_EQ(Name(), "Fríjol");

    grid->SetAllowedOperations({alopUpdateEh, alopDeleteEh});
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->RecordCount(), 8);
}

TEST_F(KeyboardTest, InsertKeyInsertsOrAppendsAsAllowed) {
    Key(VK_DOWN);
    Key(VK_INSERT);
    EXPECT_EQ(data->State(), dsInsert);
    Key(VK_ESCAPE);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->RecordCount(), 8);

    grid->SetReadOnly(true);
    Key(VK_INSERT);
    EXPECT_EQ(data->State(), dsBrowse);
    grid->SetReadOnly(false);

    grid->SetAllowedOperations({alopAppendEh});
    Key(VK_INSERT);
    EXPECT_EQ(data->State(), dsInsert);
    data->FieldByName("CODIGO")->SetAsInteger(9);
    data->FieldByName("NOMBRE")->SetAsString("Maíz");
    data->Post();
    data->Last();
    EXPECT_EQ(Name(), "Maíz");
}

TEST_F(KeyboardTest, TabWrapsToTheNextAndPreviousRecord) {
    grid->SetSelectedIndex(1);
    Pump();
    Key(VK_TAB);
    EXPECT_EQ(data->RecNo(), 2);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    Key(VK_TAB, true);
    EXPECT_EQ(data->RecNo(), 1);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    // A read-only column is no tab stop: it is stepped over.
    Col(1)->SetReadOnly(true);
    Key(VK_TAB, true);
    EXPECT_EQ(data->RecNo(), 1);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    Key(VK_TAB);
    EXPECT_EQ(data->RecNo(), 2);
    EXPECT_EQ(grid->SelectedIndex(), 0);
}

TEST_F(KeyboardTest, TypingAndEnterPostWhenTheRecordIsLeft) {
    grid->SetSelectedIndex(1);
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    TypeText("Arroz blanco");
    Key(VK_RETURN);
    EXPECT_FALSE(grid->InplaceEditorVisible());
    EXPECT_EQ(Name(), "Arroz blanco");
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsBrowse);
    data->First();
    EXPECT_EQ(Name(), "Arroz blanco");
}

TEST_F(KeyboardTest, EscDropsTheTypedTextThenCancelsTheEdit) {
    grid->SetSelectedIndex(1);
    Key(VK_F2);
    TypeText("Otro");
    ASSERT_EQ(data->State(), dsEdit);
    Key(VK_ESCAPE);
    EXPECT_FALSE(grid->InplaceEditorVisible());
    EXPECT_EQ(Name(), "Arroz");
    Key(VK_ESCAPE);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(Name(), "Arroz");
    // Typing in an edit already written to the field: Esc cancels the record.
    Key(VK_F2);
    TypeText("Otro");
    Key(VK_RETURN);
    ASSERT_EQ(Name(), "Otro");
    Key(VK_ESCAPE);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(Name(), "Arroz");
}

TEST_F(KeyboardTest, CtrlDeleteAsksAndDeletesOnlyOnOk) {
    Key(VK_DOWN);
    ScriptStep([] { PressKey(VK_ESCAPE); }); // Cancel
    Key(VK_DELETE, false, true);
    EXPECT_EQ(PendingScriptSteps(), 0u);
    EXPECT_EQ(data->RecordCount(), 8);
    EXPECT_EQ(Name(), "Café");

    ScriptStep([] { PressKey(VK_RETURN); }); // OK
    Key(VK_DELETE, false, true);
    EXPECT_EQ(PendingScriptSteps(), 0u);
    EXPECT_EQ(data->RecordCount(), 7);
    EXPECT_NE(Name(), "Café");

    // No question without the confirmation option; nothing on a read-only
    // grid or without the delete permission.
    grid->SetOptions(grid->Options() - TDBGridOptions{dgConfirmDelete});
    Key(VK_DELETE, false, true);
    EXPECT_EQ(data->RecordCount(), 6);
    grid->SetReadOnly(true);
    Key(VK_DELETE, false, true);
    EXPECT_EQ(data->RecordCount(), 6);
    grid->SetReadOnly(false);
    grid->SetAllowedOperations({alopInsertEh, alopUpdateEh, alopAppendEh});
    Key(VK_DELETE, false, true);
    EXPECT_EQ(data->RecordCount(), 6);
}

class IncSearchTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghIncSearch});
        Col(1)->SetReadOnly(true);
        grid->SetSelectedIndex(1);
        Pump();
    }
};

TEST_F(IncSearchTest, TypedPrefixFindsTheRecordInItsOwnCase) {
    TypeText("c");
    Pump();
    EXPECT_EQ(Name(), "Café");
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_EQ(grid->IncSearchText(), "C");
    EXPECT_FALSE(grid->InplaceEditorVisible());
    EXPECT_EQ(data->State(), dsBrowse);

    TypeText("x"); // matches nothing: dropped, the record stays
    Pump();
    EXPECT_EQ(Name(), "Café");
    EXPECT_EQ(grid->IncSearchText(), "C");

    Key(VK_BACK);
    TypeText("aZ");
    Pump();
    EXPECT_EQ(Name(), "Azúcar");
    EXPECT_EQ(grid->IncSearchText(), "Az");
    TypeText("ú");
    Pump();
    EXPECT_EQ(grid->IncSearchText(), "Azú");
}

TEST_F(IncSearchTest, NextAndPriorKeysWalkTheMatches) {
    TypeText("a");
    Pump();
    EXPECT_EQ(Name(), "Arroz");
    Key(VK_RETURN, false, true);
    EXPECT_EQ(Name(), "Aceite");
    Key(VK_RETURN, false, true);
    EXPECT_EQ(Name(), "Azúcar");
    Key(VK_RETURN, false, true); // no further match
    EXPECT_EQ(Name(), "Azúcar");
    Key(VK_RETURN, true, true);
    EXPECT_EQ(Name(), "Aceite");
    EXPECT_TRUE(grid->IncSearchActive());
}

TEST_F(IncSearchTest, SearchEndsByItsPauseByEscAndByAColumnChange) {
    TypeText("p");
    Pump();
    ASSERT_TRUE(grid->IncSearchActive());
    clock->Advance(1400);
    Pump();
    EXPECT_TRUE(grid->IncSearchActive());
    clock->Advance(200);
    Pump();
    EXPECT_FALSE(grid->IncSearchActive());
    EXPECT_EQ(grid->IncSearchText(), "");

    TypeText("s");
    Pump();
    EXPECT_EQ(Name(), "Sal");
    Key(VK_ESCAPE);
    EXPECT_FALSE(grid->IncSearchActive());

    TypeText("l");
    Pump();
    ASSERT_TRUE(grid->IncSearchActive());
    Key(VK_LEFT);
    EXPECT_FALSE(grid->IncSearchActive());
    EXPECT_EQ(Name(), "Lentejas");
}

TEST_F(IncSearchTest, CtrlFStartsASearchWithoutTimeLimit) {
    grid->SetOptionsEh(grid->OptionsEh() - TDBGridEhOptions{dghDialogFind});
    Key('F', false, true);
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_LT(grid->IncSearchTimeout(), 0);
    TypeText("fr");
    Pump();
    clock->Advance(5000);
    Pump();
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_EQ(Name(), "Fríjol");
    // Without the find dialog a second Ctrl+F starts again from an empty text.
    Key('F', false, true);
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_EQ(grid->IncSearchText(), "");
    TypeText("ar");
    Pump();
    EXPECT_EQ(Name(), "Arroz");
}

TEST_F(IncSearchTest, AFailureDuringTheWalkGivesTheControlsBackAndLaterMovesStillEndTheSearch) {
    std::vector<std::string> caught;
    Application->OnException = [&](TObject*, Exception& e) { caught.push_back(e.Message()); };
    TField* name = data->FieldByName("NOMBRE");
    name->OnGetText = [&](TField* f, std::string& text, bool) {
        text = f->AsString();
        if (data->ControlsDisabled() && text == "Sal") throw EDatabaseError("lectura fallida");
    };
    TypeText("s");
    Pump();
    name->OnGetText = nullptr;
    EXPECT_EQ(caught, std::vector<std::string>{"lectura fallida"});
    EXPECT_FALSE(data->ControlsDisabled());

    TypeText("p");
    Pump();
    ASSERT_EQ(Name(), "Panela");
    ASSERT_TRUE(grid->IncSearchActive());
    Key(VK_DOWN);
    EXPECT_FALSE(grid->IncSearchActive());
    Application->OnException = nullptr;
}

TEST_F(IncSearchTest, EditableColumnOpensTheEditorInstead) {
    Col(1)->SetReadOnly(false);
    TypeText("Z");
    Pump();
    EXPECT_FALSE(grid->IncSearchActive());
    EXPECT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(data->State(), dsEdit);
}

} // namespace tvtest

namespace tvtest {

class SelectionKeysTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
        Pump();
    }
    std::vector<int> SelectedCodes() {
        std::vector<int> codes;
        TBookmark here = data->Bookmark();
        for (int i = 0; i < grid->SelectedBookmarks().SelectedCount(); ++i) {
            data->GotoBookmark(grid->SelectedBookmarks().GetItem(i));
            codes.push_back(data->FieldByName("CODIGO")->AsInteger());
        }
        data->GotoBookmark(here);
        return codes;
    }
};

TEST_F(SelectionKeysTest, ShiftArrowsExtendAndShrinkTheRecordSelection) {
    data->SetRecNo(5);
    Pump();
    for (int i = 0; i < 3; ++i) Key(VK_DOWN, true);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(grid->Selection().SelectionType(), gstRecordBookmarks);
    Key(VK_UP, true);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(data->RecNo(), 7);
    // A move without Shift clears it.
    Key(VK_UP);
    EXPECT_TRUE(SelectedCodes().empty());
    EXPECT_EQ(grid->Selection().SelectionType(), gstNon);
}

TEST_F(SelectionKeysTest, CtrlDeleteAsksOnceForTheSelectedRecords) {
    Key(VK_DOWN, true);
    ASSERT_EQ(SelectedCodes(), (std::vector<int>{1, 2}));
    ScriptStep([] { PressKey(VK_RETURN); });
    Key(VK_DELETE, false, true);
    EXPECT_EQ(PendingScriptSteps(), 0u);
    EXPECT_EQ(data->RecordCount(), 6);
    data->First();
    EXPECT_EQ(Name(), "Panela");
}

TEST_F(KeyboardTest, CtrlASelectsAllOnlyWhenAllowed) {
    grid->SetEditActions({geaCopyEh});
    Key('A', false, true);
    EXPECT_EQ(grid->Selection().SelectionType(), gstNon);
    grid->SetEditActions({geaCopyEh, geaSelectAllEh});
    grid->SetAllowedSelections({gstRecordBookmarks, gstRectangle});
    Key('A', false, true);
    EXPECT_EQ(grid->Selection().SelectionType(), gstNon);
    EXPECT_FALSE(grid->CanCopySelection());
    grid->SetAllowedSelections({gstRecordBookmarks, gstAll});
    Key('A', false, true);
    EXPECT_EQ(grid->Selection().SelectionType(), gstAll);
    EXPECT_TRUE(grid->CanCopySelection());
    EXPECT_TRUE(grid->CanDeleteSelection());
    grid->SetReadOnly(true);
    EXPECT_FALSE(grid->CanDeleteSelection());
    EXPECT_FALSE(grid->CanCutToClipboard());
}

// A window's action list holds the framework's copy, cut and paste with Ctrl+C,
// Ctrl+X and Ctrl+V: on the focused grid they follow what the grid allows.
TEST_F(KeyboardTest, FrameworkEditActionsWorkOnTheFocusedGrid) {
    auto* actions = new TActionList(form);
    auto* copy = new TEditCopy(form);
    auto* cut = new TEditCut(form);
    copy->SetActionList(actions);
    cut->SetActionList(actions);
    grid->SetEditActions({geaCopyEh, geaSelectAllEh});
    grid->SetAllowedSelections({gstRecordBookmarks, gstAll});
    Key('A', false, true);
    ASSERT_EQ(grid->Selection().SelectionType(), gstAll);
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardText("");
    CloseClipboard();
    Key('C', false, true);
    EXPECT_TRUE(copy->Enabled());
    std::string copied;
    ASSERT_TRUE(OpenClipboard(nullptr));
    GetClipboardText(copied);
    CloseClipboard();
    EXPECT_NE(copied.find("Lentejas"), std::string::npos);
    EXPECT_EQ(CurrentBackend().ClipboardText(), copied) << "the desktop's clipboard has it";
    // Cutting is not among the grid's edit actions: the action has no target.
    Key('X', false, true);
    EXPECT_FALSE(cut->Enabled());
    EXPECT_EQ(data->RecordCount(), 8);
    grid->SetEditActions({});
    copy->Update();
    EXPECT_FALSE(copy->Enabled());
}

TEST_F(KeyboardTest, DeleteEmptiesACheckBoxCellUnlessItsFieldIsRequired) {
    grid->Columns()->Add()->SetFieldName("ACTIVO");
    Pump();
    ASSERT_EQ(Col(2)->GetColumnType(), ctCheckboxes);
    grid->SetSelectedIndex(2);
    Pump();
    // A blank steps the check box's value.
    ASSERT_TRUE(data->FieldByName("ACTIVO")->AsBoolean());
    TypeText(" ");
    Pump();
    EXPECT_FALSE(data->FieldByName("ACTIVO")->AsBoolean());
    TypeText(" ");
    Pump();
    EXPECT_TRUE(data->FieldByName("ACTIVO")->AsBoolean());
    data->FieldByName("ACTIVO")->SetRequired(true);
    Key(VK_DELETE);
    EXPECT_FALSE(data->FieldByName("ACTIVO")->IsNull());
    data->FieldByName("ACTIVO")->SetRequired(false);
    Key(VK_DELETE);
    EXPECT_TRUE(data->FieldByName("ACTIVO")->IsNull());
}

TEST_F(KeyboardTest, LeavingTheGridDropsAnUntouchedNewRecord) {
    auto* other = new TDBGridEh(form);
    other->SetBounds(0, 310, 200, 80);
    other->SetParent(form);
    Key(VK_INSERT);
    ASSERT_EQ(data->State(), dsInsert);
    other->SetFocus();
    Pump();
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->RecordCount(), 8);

    // A record with typed values is posted instead.
    grid->SetFocus();
    grid->SetSelectedIndex(1);
    Pump();
    Key(VK_F2);
    TypeText("Pan");
    other->SetFocus();
    Pump();
    EXPECT_EQ(Name(), "Pan");
}

} // namespace tvtest
