// The data grid's own cell editor: it takes the current column's font,
// alignment and read-only state with the field's text, and Ctrl+Enter on a
// cell with a button fires the grid's button event.
#include "gridfixture.h"

#include "grid/gridinplaceedit.h"
#include "platform/backend/headless.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
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

TEST_F(InplaceEditTest, KeyListCellWritesTheKeyOfTheTypedEntry) {
    TColumnEh* code = grid->Columns()->Add();
    code->SetFieldName("CODIGO");
    for (const char* e : {"Uno", "Dos", "Tres"}) code->PickList()->Add(e);
    for (const char* k : {"1", "2", "3"}) code->KeyList()->Add(k);
    grid->SetSelectedIndex(2);
    Pump();
    Key(VK_F2);
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(Editor()->Text(), "Uno");
    TypeText("Tres");
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    // A text that is no entry stores no key; the handler may add the entry.
    Key(VK_F2);
    TypeText("Cuatro");
    Key(VK_RETURN);
    EXPECT_TRUE(data->FieldByName("CODIGO")->IsNull());
    code->OnNotInList = [&](TObject*, const std::string& text, bool& recheck) {
        code->PickList()->Add(text);
        code->KeyList()->Add("4");
        recheck = true;
    };
    Key(VK_F2);
    TypeText("Cuatro");
    Key(VK_RETURN);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 4);
}

} // namespace tvtest
