// The data grid's own cell editor: it takes the current column's font,
// alignment and read-only state with the field's text, and Ctrl+Enter on a
// cell with a button fires the grid's button event.
#include "gridfixture.h"

#include "grid/gridinplaceedit.h"
#include "grid/gridunit.h"
#include "platform/backend/headless.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class InplaceEditTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(3);
        grid->Columns()->Add()->SetFieldName("NOMBRE");
        grid->Columns()->Add()->SetFieldName("PRECIO");
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    TDBGridInplaceEdit* Editor() { return dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor()); }
    void Key(int vk, bool shift = false, bool ctrl = false) {
        PressKey(vk, shift, ctrl);
        Pump();
    }
};

TEST_F(InplaceEditTest, EditorTakesTheColumnsTextFontAndAlignment) {
    Col(0)->Font()->SetSize(14);
    Col(1)->SetAlignment(taCenter);
    Key(VK_F2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Text(), "Arroz");
    EXPECT_EQ(Editor()->Font()->Size(), 14);
    EXPECT_EQ(Editor()->Alignment(), taLeftJustify);
    EXPECT_EQ(Editor()->Column(), Col(0));

    Key(VK_ESCAPE);
    Key(VK_RIGHT);
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(Editor()->Column(), Col(1));
    EXPECT_EQ(Editor()->Text(), data->FieldByName("PRECIO")->Text());
    EXPECT_EQ(Editor()->Alignment(), taCenter);
    EXPECT_EQ(Editor()->Font()->Size(), grid->Font()->Size());
    EXPECT_TRUE(GetWindowLongPtr(Editor()->WindowHandle(), GWL_STYLE) & ES_CENTER);
}

TEST_F(InplaceEditTest, TypedTextPostsToTheColumnsField) {
    Key(VK_RIGHT);
    Key(VK_F2);
    TypeText("4321");
    Key(VK_RETURN);
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsBrowse);
    data->First();
    EXPECT_DOUBLE_EQ(data->FieldByName("PRECIO")->AsFloat(), 4321);
    // A letter is no part of a number: the field refuses it.
    Key(VK_F2);
    Key(VK_END);
    TypeText("x");
    EXPECT_EQ(Editor()->Text(), data->FieldByName("PRECIO")->Text());
}

TEST_F(InplaceEditTest, ReadOnlyColumnGivesAReadOnlyEditor) {
    Col(0)->SetReadOnly(true);
    Key(VK_F2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->ReadOnly());
    Col(0)->SetReadOnly(false);
    Key(VK_RIGHT);
    Key(VK_LEFT);
    EXPECT_FALSE(Editor()->ReadOnly());
}

TEST_F(InplaceEditTest, EditKindFollowsTheColumnAndCtrlEnterPressesItsButton) {
    int clicks = 0;
    grid->OnEditButtonClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(ColumnEditKind(Col(0)), ekPlainEh);
    Col(0)->PickList()->Add("Arroz");
    EXPECT_EQ(ColumnEditKind(Col(0)), ekPickListEh);
    Col(0)->SetReadOnly(true);
    EXPECT_EQ(ColumnEditKind(Col(0)), ekPlainEh);
    Col(0)->SetReadOnly(false);
    Col(0)->SetButtonStyle(cbsEllipsis);
    EXPECT_EQ(ColumnEditKind(Col(0)), ekEllipsisEh);

    Key(VK_F2);
    ASSERT_EQ(Editor()->EditKind(), ekEllipsisEh);
    Key(VK_RETURN, false, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Editor()->Text(), "Arroz");
    // A plain cell has no button to press.
    Col(0)->SetButtonStyle(cbsNone);
    Key(VK_ESCAPE);
    Key(VK_F2);
    Key(VK_RETURN, false, true);
    EXPECT_EQ(clicks, 1);
}

TEST_F(InplaceEditTest, KeyListCellCompletesTypedTextAndWritesTheEntrysKey) {
    TColumnEh* code = grid->Columns()->Add();
    code->SetFieldName("CODIGO");
    for (const char* e : {"Uno", "Dos", "Tres"}) code->PickList()->Add(e);
    for (const char* k : {"1", "2", "3"}) code->KeyList()->Add(k);
    grid->SetSelectedIndex(2);
    Pump();
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(Editor()->Text(), "Uno");
    // Two letters in another case complete the entry, its rest selected.
    TypeText("tr");
    EXPECT_EQ(Editor()->Text(), "Tres");
    EXPECT_EQ(Editor()->SelStart(), 2);
    EXPECT_EQ(Editor()->SelLength(), 2);
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    // A letter that starts no entry changes nothing.
    Key(VK_F2);
    TypeText("x");
    EXPECT_EQ(Editor()->Text(), "Tres");
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    // Delete on the whole text clears the cell; Backspace only moves the caret.
    Key(VK_F2);
    Editor()->SetSelStart(4);
    Key(VK_BACK);
    EXPECT_EQ(Editor()->Text(), "Tres");
    Editor()->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(Editor()->Text(), "");
    Key(VK_RETURN);
    EXPECT_TRUE(data->FieldByName("CODIGO")->IsNull());
    // Free text goes through OnNotInList, which may add the entry.
    code->OnNotInList = [&](TObject*, const std::string& text, bool& accept) {
        code->PickList()->Add(text);
        code->KeyList()->Add("4");
        accept = true;
    };
    Key(VK_F2);
    TypeText("Cuatro");
    EXPECT_EQ(Editor()->Text(), "Cuatro");
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 4);
}

TEST_F(InplaceEditTest, PickListCompletesButKeepsOtherTyping) {
    for (const char* e : {"Arroz blanco", "Aceite"}) Col(0)->PickList()->Add(e);
    Key(VK_F2);
    ASSERT_EQ(Editor()->EditKind(), ekPickListEh);
    TypeText("arr");
    EXPECT_EQ(Editor()->Text(), "Arroz blanco");
    TypeText("oz blanco!");
    EXPECT_EQ(Editor()->Text(), "Arroz blanco!");
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz blanco!");
}

TEST_F(InplaceEditTest, CellParametersGiveTheEditorItsTextColourAndReadOnlyState) {
    Col(0)->OnGetCellParams = [](TObject*, bool editMode, TColCellParamsEh* p) {
        if (!editMode) return;
        p->Text = "[" + p->Text + "]";
        p->Background = clYellow;
        p->ReadOnly = true;
    };
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(Editor()->Text(), "[Arroz]");
    EXPECT_EQ(Editor()->Color(), clYellow);
    EXPECT_TRUE(Editor()->ReadOnly());
    EXPECT_TRUE(Editor()->ReadOnlyFromParams());
    TypeText("x");
    EXPECT_EQ(Editor()->Text(), "[Arroz]");
    EXPECT_EQ(data->State(), dsBrowse);
}

TEST_F(InplaceEditTest, CtrlFFromTheEditorSearchesOrOpensTheFindWindow) {
    std::string asked = "-";
    DBGridEhFindDialogProc = [&](TCustomDBGridEh*, const std::string& text, const std::string&,
                                 const std::vector<std::string>&, bool) { asked = text; };
    Key(VK_F2);
    Editor()->SetSelStart(0);
    Editor()->SetSelLength(2);
    Key('F', false, true);
    EXPECT_EQ(asked, "Ar");
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghIncSearch});
    asked = "-";
    Key(VK_F2);
    Key('F', false, true);
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_EQ(asked, "-");
    DBGridEhFindDialogProc = nullptr;
}

TEST_F(InplaceEditTest, CtrlQuoteInTheEditorCopiesThePreviousRecordsValue) {
    Key(VK_DOWN);
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    Key(222, false, true);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 2);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz");
    EXPECT_EQ(Editor()->Text(), "Arroz");
}

TEST_F(InplaceEditTest, EmptyRequiredFieldIsMarkedInTheEditor) {
    data->FieldByName("NOMBRE")->SetRequired(true);
    Col(0)->SetHighlightRequired(true);
    auto redDots = [&] {
        TDBGridInplaceEdit* e = Editor();
        int y = e->ClientHeight() - 1, n = 0;
        for (int x = 0; x < e->ClientWidth(); ++x) {
            POINT p = grid->ScreenToClient(e->ClientToScreen({x, y}));
            if (PixelAt(p.x, p.y) == 0x0000FF) ++n;
        }
        return n;
    };
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(redDots(), 0);
    Key(VK_ESCAPE);
    Key(VK_INSERT);
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(data->State(), dsInsert);
    EXPECT_GT(redDots(), 10);
}

// A name column of rows three lines tall, narrow enough that a few words wrap.
class WordWrapEditTest : public InplaceEditTest {
protected:
    void SetUp() override {
        InplaceEditTest::SetUp();
        grid->SetRowLines(3);
        Col(0)->SetWidth(50);
        Pump();
    }
    HWND Wnd() { return Editor()->WindowHandle(); }
    int Line() { return int(SendMessage(Wnd(), EM_LINEFROMCHAR, WPARAM(-1), 0)); }
    int Lines() { return int(SendMessage(Wnd(), EM_GETLINECOUNT, 0, 0)); }
    bool MultiLine() { return GetWindowLongPtr(Wnd(), GWL_STYLE) & ES_MULTILINE; }
    void SetName(int recNo, const std::string& name) {
        data->SetRecNo(recNo);
        data->Edit();
        data->FieldByName("NOMBRE")->SetAsString(name);
        data->Post();
        Pump();
    }
};

TEST_F(WordWrapEditTest, LongTextWrapsInATallRowAndPostsWhole) {
    ASSERT_TRUE(grid->MultiLineRows());
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_TRUE(Editor()->WordWrapMode());
    EXPECT_TRUE(MultiLine());
    EXPECT_FALSE(GetWindowLongPtr(Wnd(), GWL_STYLE) & ES_AUTOHSCROLL);
    Editor()->SelectAll();
    TypeText("uno dos tres cuatro");
    Pump();
    EXPECT_EQ(Editor()->Text(), "uno dos tres cuatro");
    EXPECT_GE(Lines(), 3);
    Key(VK_RETURN);
    Key(VK_DOWN);
    EXPECT_EQ(data->State(), dsBrowse);
    data->First();
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "uno dos tres cuatro");

    // A number column does not wrap; nor does a column without WordWrap, nor
    // any column of one-line rows.
    Key(VK_RIGHT);
    Key(VK_F2);
    EXPECT_FALSE(Editor()->WordWrapMode());
    EXPECT_FALSE(MultiLine());
    Key(VK_ESCAPE);
    Key(VK_LEFT);
    Col(0)->SetWordWrap(false);
    Key(VK_F2);
    EXPECT_FALSE(Editor()->WordWrapMode());
    Key(VK_ESCAPE);
    Col(0)->SetWordWrap(true);
    grid->SetRowLines(0);
    Pump();
    EXPECT_FALSE(grid->MultiLineRows());
    Key(VK_F2);
    EXPECT_FALSE(Editor()->WordWrapMode());
    EXPECT_EQ(Editor()->Text(), "uno dos tres cuatro");
}

TEST_F(WordWrapEditTest, UpAndDownLeaveTheTextOnlyFromItsEdgesWithAnAlwaysShownEditor) {
    const std::string longName = "uno dos tres cuatro";
    const int length = int(longName.size());
    SetName(2, longName);
    grid->SetOptions(grid->Options() + dgAlwaysShowEditor);
    Pump();
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    ASSERT_EQ(data->RecNo(), 2);
    ASSERT_GE(Lines(), 3);

    Editor()->SetSelStart(0);
    Key(VK_DOWN); // inside the text: the caret goes a line down
    EXPECT_EQ(Line(), 1);
    EXPECT_EQ(data->RecNo(), 2);
    Key(VK_UP);
    EXPECT_EQ(Line(), 0);
    EXPECT_EQ(data->RecNo(), 2);
    Key(VK_UP); // from the first line: the grid's row
    EXPECT_EQ(data->RecNo(), 1);

    Key(VK_DOWN);
    ASSERT_EQ(data->RecNo(), 2);
    Editor()->SetSelStart(length);
    Key(VK_UP);
    EXPECT_EQ(Line(), Lines() - 2);
    Key(VK_DOWN);
    EXPECT_EQ(data->RecNo(), 2);
    Key(VK_DOWN); // from the last line
    EXPECT_EQ(data->RecNo(), 3);

    Key(VK_UP);
    ASSERT_EQ(data->RecNo(), 2);
    Editor()->SetSelStart(4);
    Editor()->SelectAll(); // the whole text selected leaves from any line
    Key(VK_UP);
    EXPECT_EQ(data->RecNo(), 1);

    // An editor that is not always shown keeps them for the caret.
    grid->SetOptions(grid->Options() - dgAlwaysShowEditor);
    Key(VK_DOWN);
    Key(VK_F2);
    ASSERT_EQ(data->RecNo(), 2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    Editor()->SetSelStart(length);
    Key(VK_DOWN);
    EXPECT_EQ(data->RecNo(), 2);
    EXPECT_TRUE(grid->InplaceEditorVisible());
    Editor()->SetSelStart(0);
    Key(VK_UP);
    EXPECT_EQ(data->RecNo(), 2);
}

TEST_F(WordWrapEditTest, MemoLinesSurviveEditingInAOneLineCell) {
    auto* notes = new TClientDataSet(form);
    notes->FieldDefs().Add("NOTA", ftMemo);
    notes->CreateDataSet();
    notes->Append();
    notes->FieldByName("NOTA")->SetAsString("primera\r\nsegunda");
    notes->Post();
    auto* notesSource = new TDataSource(form);
    notesSource->SetDataSet(notes);
    grid->SetDrawMemoText(true);
    grid->Columns()->Clear();
    grid->Columns()->Add()->SetFieldName("NOTA");
    grid->SetDataSource(notesSource);
    grid->SetRowLines(0);
    Pump();
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_FALSE(Editor()->WordWrapMode());
    EXPECT_EQ(Editor()->Text(), "primera\r\nsegunda");
    Editor()->SetSelStart(7);
    TypeText("s");
    Key(VK_RETURN);
    EXPECT_EQ(notes->FieldByName("NOTA")->AsString(), "primeras\r\nsegunda");
}

TEST_F(WordWrapEditTest, CtrlEnterBreaksTheLineOfAWrappedCellOnlyAndEscRestoresTheField) {
    Key(VK_F2);
    Editor()->SetSelStart(5);
    Key(VK_RETURN, false, true);
    TypeText("x");
    Pump();
    EXPECT_EQ(Editor()->Text(), "Arroz\r\nx");
    EXPECT_EQ(Lines(), 2);
    EXPECT_TRUE(grid->InplaceEditorVisible());
    Key(VK_ESCAPE);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz");
    Key(VK_ESCAPE);
    EXPECT_EQ(data->State(), dsBrowse);
    Key(VK_F2);
    EXPECT_EQ(Editor()->Text(), "Arroz");

    // A one-line cell drops the line feed, and Ctrl+Enter is no Enter there.
    Key(VK_ESCAPE);
    Col(0)->SetWordWrap(false);
    Key(VK_F2);
    Editor()->SetSelStart(5);
    Key(VK_RETURN, false, true);
    EXPECT_EQ(Editor()->Text(), "Arroz");
    EXPECT_TRUE(grid->InplaceEditorVisible());
}

} // namespace tvtest
