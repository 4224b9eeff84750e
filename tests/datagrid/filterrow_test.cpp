// The filter row by a person's hand: conditions typed into filter cells
// filter the dataset and the footer sums follow; the cells are walked with
// the keys; a list drops down with its extra items.
#include "gridfixture.h"

#include "support/headless_ui.h"
#include "core/stringlist.h"
#include "core/sysformat.h"
#include "grid/inplacefilteredit.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class FilterRowTest : public DataGridTest {
protected:
    // Rows: (1, Arroz, 1000.5) (2, Café, 2000.5) ... (8, Fríjol, 8000.5).
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(8);
        for (const char* f : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(f);
        Col(0)->Footer()->SetValueType(fvtCount);
        Col(2)->Footer()->SetValueType(fvtSum);
        grid->SetFooterRowCount(1);
        grid->STFilter()->SetVisible(true);
        grid->STFilter()->SetLocal(true);
        grid->SetDataSource(source);
        grid->SumList()->SetActive(true);
        form->SetActiveControl(grid);
        Pump();
    }
    void Key(int vk, bool shift = false, bool ctrl = false) {
        PressKey(vk, shift, ctrl);
        Pump();
    }
    void Type(const std::string& text) {
        TypeText(text);
        Pump();
    }
    // A click on the column's filter cell.
    void ClickFilterCell(int dataCol) {
        RECT r = grid->CellRect(dataCol + grid->IndicatorOffset(), grid->TitleRowCount() - 1);
        POINT p = grid->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        QueueClick(p.x, p.y);
        Pump();
    }
    // Replaces the editor's text the way a person does: everything selected, then typed over.
    void Retype(const std::string& text) {
        Key(VK_END);
        Key(VK_HOME, true);
        if (text.empty())
            Key(VK_DELETE);
        else
            Type(text);
    }
    std::vector<int> Codes() {
        std::vector<int> codes;
        TBookmark here = data->Bookmark();
        data->DisableControls();
        for (data->First(); !data->Eof(); data->Next()) codes.push_back(data->FieldByName("CODIGO")->AsInteger());
        data->GotoBookmark(here);
        data->EnableControls();
        return codes;
    }
    std::string Footer(int dataCol) { return grid->GetFooterValue(0, Col(dataCol)); }
};

TEST_F(FilterRowTest, ConditionsTypedIntoTheFilterRowFilterTheRecordsAndTheSums) {
    // Up on the first record goes into the filter row, on the current column.
    Key(VK_UP);
    ASSERT_TRUE(grid->FilterEditorShown());
    EXPECT_EQ(grid->FilterColumn(), 0);
    EXPECT_TRUE(grid->FilterEditor()->Focused());
    Type("> 2 AND < 6");
    Key(VK_RETURN);
    EXPECT_EQ(Codes(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Col(0)->STFilter()->ExpressionText(), "> 2 AND < 6");
    EXPECT_EQ(Footer(0), "3");
    EXPECT_EQ(Footer(2), FloatToStr(12001.5));

    // NOT IN keeps every record but the listed ones.
    Retype("Not In (1, 5)");
    Key(VK_RETURN);
    EXPECT_EQ(Codes(), (std::vector<int>{2, 3, 4, 6, 7, 8}));
    EXPECT_EQ(Footer(0), "6");

    // A text with quotes in the next cell, reached with Tab.
    Key(VK_TAB);
    EXPECT_EQ(grid->FilterColumn(), 1);
    Type("~ 'A%'");
    Key(VK_RETURN);
    EXPECT_EQ(Codes(), (std::vector<int>{4, 6}));  // Aceite, Azúcar; Arroz is code 1
    EXPECT_EQ(Footer(2), FloatToStr(4000.5 + 6000.5));

    // An emptied cell drops its condition.
    Key(VK_TAB, true);
    Retype("");
    Key(VK_RETURN);
    EXPECT_EQ(Codes(), (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(Footer(0), "3");
    EXPECT_EQ(Col(0)->STFilter()->ExpressionText(), "");
}

TEST_F(FilterRowTest, AClickOpensACellAndDownGoesBackToTheRecords) {
    data->SetRecNo(5);
    Pump();
    ClickFilterCell(1);
    ASSERT_TRUE(grid->FilterEditorShown());
    EXPECT_EQ(grid->FilterColumn(), 1);
    Type("Sal");
    // Leaving with Down keeps the text, moves to the first shown record and to the column.
    Key(VK_DOWN);
    EXPECT_FALSE(grid->FilterEditorShown());
    EXPECT_FALSE(grid->FilterEditing());
    EXPECT_EQ(Col(1)->STFilter()->ExpressionText(), "Sal");
    EXPECT_EQ(grid->SelectedIndex(), 1);
    EXPECT_EQ(data->RecNo(), 1);
    EXPECT_EQ(Codes().size(), 8u);  // not applied yet
    grid->ApplyFilter();
    EXPECT_EQ(Codes(), (std::vector<int>{5}));

    // Walking the cells: Home and End go to the first and the last, Left at the start to the previous.
    ClickFilterCell(1);
    ASSERT_TRUE(grid->FilterEditorShown());  // a second click so soon is a double click: it opens the cell too
    Key(VK_END, false, true);
    EXPECT_EQ(grid->FilterColumn(), 2);
    Key(VK_HOME, false, true);
    EXPECT_EQ(grid->FilterColumn(), 0);
    // A column whose filter is hidden is passed over.
    Col(1)->STFilter()->SetVisible(false);
    Pump();
    Key(VK_TAB);
    EXPECT_EQ(grid->FilterColumn(), 2);
}

TEST_F(FilterRowTest, ABadConditionKeepsTheColumnsFilterAsItWas) {
    TSTColumnFilterEh* f = Col(0)->STFilter();
    f->SetExpressionText("> 3");
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {{"In (1,2", "')' expected: "}, {"> NULL", "Unexpected expression before Null: "},
                 {"'abc", "Quote is absent: "}};
    for (const Case& c : cases) {
        try {
            f->SetExpressionText(c.text);
            ADD_FAILURE() << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, std::string(c.error).size()), c.error);
        }
        EXPECT_EQ(f->ExpressionText(), "> 3");
        EXPECT_EQ(f->Expression().Operator1, fopGreater) << c.text;
        EXPECT_EQ(f->Expression().Operand1.AsDouble(), 3.0) << c.text;
    }
    grid->ApplyFilter();
    EXPECT_EQ(Codes(), (std::vector<int>{4, 5, 6, 7, 8}));
}

TEST_F(FilterRowTest, TheApplicationMayFilterItselfAndClearingShowsEverything) {
    int calls = 0;
    grid->OnApplyFilter = [&](TObject* sender) {
        EXPECT_EQ(sender, grid);
        ++calls;
        data->SetFilter("[CODIGO] <= 2");
        data->SetFiltered(true);
    };
    Key(VK_UP);
    Type("7");
    Key(VK_RETURN);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Footer(0), "2");  // the sums follow whoever filtered
    grid->OnApplyFilter = nullptr;
    grid->ClearFilter();
    EXPECT_FALSE(grid->FilterEditorShown());
    EXPECT_EQ(Col(0)->STFilter()->ExpressionText(), "");
    grid->ApplyFilter();
    EXPECT_EQ(Codes().size(), 8u);
    EXPECT_EQ(data->Filter(), "1=1");
    EXPECT_EQ(Footer(0), "8");
}

TEST_F(FilterRowTest, AListDropsDownWithItsExtraItemsFirst) {
    auto* names = new TClientDataSet(form);
    names->FieldDefs().Add("NOMBRE", ftString, 20);
    names->CreateDataSet();
    for (const char* n : {"Sal", "Arroz", "Café"}) {
        names->Append();
        names->FieldByName("NOMBRE")->SetAsString(n);
        names->Post();
    }
    auto* namesSource = new TDataSource(form);
    namesSource->SetDataSet(names);
    Col(1)->STFilter()->SetListSource(namesSource);
    Col(1)->STFilter()->SetExpressionText("Sal");
    grid->ApplyFilter();
    ASSERT_EQ(Codes(), (std::vector<int>{5}));

    ClickFilterCell(1);
    ASSERT_TRUE(grid->FilterEditorShown());
    Key(VK_DOWN, false, false);  // a plain Down leaves the row; the list opens with Alt+Down
    ClickFilterCell(1);
    PressKey(VK_DOWN, false, false, true);
    Pump();
    TInplaceFilterEditEh* editor = grid->FilterEditor();
    ASSERT_TRUE(editor->ListVisible());
    TStrings* items = editor->Items();
    std::vector<std::string> shown;
    for (int i = 0; i < items->Count(); ++i) shown.push_back(items->Strings(i));
    EXPECT_EQ(shown, (std::vector<std::string>{"(Clear filter)", "(All)", "(Not empty)", "(Empty)", "Arroz", "Café",
                                               "Sal"}));
    // "(Clear filter)" clears every condition and applies at once.
    editor->PopupList()->SetItemIndex(0);
    Key(VK_RETURN);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(Col(1)->STFilter()->ExpressionText(), "");
    EXPECT_EQ(Codes().size(), 8u);
}

} // namespace tvtest
