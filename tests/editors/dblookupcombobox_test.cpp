// The lookup combo box over real client datasets: a list of price lists and a
// document that stores the chosen list's code. Typing searches the list,
// the drop-down grid opens by button and Alt+Down, a row is chosen by mouse
// and by keys, and the key reaches the field.
#include "editorfixture.h"
#include "editors/dblookupcombobox.h"
#include "editors/fielddatalink.h"
#include "editors/lookupgrid.h"
#include "editors/popupdatagrid.h"
#include "editors/sizegrip.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/uimessages.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DBLookupComboboxEh : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        lists = new TClientDataSet(form);
        lists->FieldDefs().Add("LIPR_COD", ftInteger);
        lists->FieldDefs().Add("LIPR_NOM", ftString, 30);
        lists->CreateDataSet();
        const struct {
            int code;
            const char* name;
        } rows[] = {{1, "Al detal"}, {2, "Abcd mayoristas"}, {3, "Empleados"}, {4, "Clientes especiales"}};
        for (const auto& r : rows) {
            lists->Append();
            lists->FieldByName("LIPR_COD")->SetAsInteger(r.code);
            lists->FieldByName("LIPR_NOM")->SetAsString(r.name);
            lists->Post();
        }
        lists->First();
        listSource = new TDataSource(form);
        listSource->SetDataSet(lists);

        doc = new TClientDataSet(form);
        doc->FieldDefs().Add("NUMERO", ftInteger);
        doc->FieldDefs().Add("LISTA", ftInteger);
        doc->CreateDataSet();
        doc->Append();
        doc->FieldByName("NUMERO")->SetAsInteger(100);
        doc->FieldByName("LISTA")->SetAsInteger(3);
        doc->Post();
        docSource = new TDataSource(form);
        docSource->SetDataSet(doc);

        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(400, 10, 100, 24);
    }
    TDBLookupComboboxEh* Combo(bool bound, int top = 40) {
        auto* c = new TDBLookupComboboxEh(form);
        c->SetParent(form);
        c->SetBounds(10, top, 200, 24);
        c->SetKeyField("LIPR_COD");
        c->SetListField("LIPR_NOM");
        c->SetListSource(listSource);
        if (bound) {
            c->SetDataSource(docSource);
            c->SetDataField("LISTA");
        }
        return c;
    }
    // Screen point in the middle of data row `i` of the open drop-down.
    POINT RowPoint(TPopupDataGridEh* list, int i) {
        RECT r = list->CellRect(list->IndicatorOffset(), list->TitleRowCount() + i);
        return At(list, r.left + 20, (r.top + r.bottom) / 2);
    }
    TField* Lista() { return doc->FieldByName("LISTA"); }
    TClientDataSet *lists = nullptr, *doc = nullptr;
    TDataSource *listSource = nullptr, *docSource = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBLookupComboboxEh, AValueFindsItsRecordAndShowsItsName) {
    auto* c = Combo(false);
    EXPECT_TRUE(c->ListActive());
    EXPECT_FALSE(c->Standalone());
    EXPECT_TRUE(c->Value().IsNull());
    EXPECT_EQ(c->Text(), "");
    c->SetValue(Variant(3));
    EXPECT_EQ(c->Text(), "Empleados");
    EXPECT_EQ(c->Value().AsInteger(), 3);
    EXPECT_FALSE(c->Modified());
    EXPECT_EQ(c->DataLink()->UnboundValue().AsInteger(), 3);
    // A key with no list row shows no text (not the last record's).
    c->SetValue(Variant(9));
    EXPECT_EQ(c->Text(), "");
    EXPECT_EQ(c->Value().AsInteger(), 9);
    // An empty list field shows the key; an index past the list fields, the first.
    c->SetListField("");
    c->SetValue(Variant(2));
    EXPECT_EQ(c->Text(), "2");
    c->SetListField("LIPR_NOM;LIPR_COD;");
    c->SetListFieldIndex(5);
    c->SetListField("LIPR_NOM;LIPR_COD");
    EXPECT_EQ(c->Text(), "Abcd mayoristas");
}

TEST_F(DBLookupComboboxEh, TypingSearchesTheListByTheBeginningOfItsNames) {
    auto* c = Combo(true);
    EXPECT_EQ(c->Text(), "Empleados");
    Focus(c);
    TypeText("a");
    EXPECT_EQ(c->Text(), "Al detal");
    TypeText("b");
    EXPECT_EQ(c->Text(), "Abcd mayoristas");
    EXPECT_EQ(c->Value().AsInteger(), 2);
    EXPECT_EQ(c->SelText(), "cd mayoristas");
    PressKey(VK_BACK); // the selected tail grows by one to the left
    EXPECT_EQ(c->SelText(), "bcd mayoristas");
    EXPECT_EQ(c->Text(), "Abcd mayoristas");
    TypeText("x"); // "Ax" is no name: nothing changes
    EXPECT_EQ(c->Value().AsInteger(), 2);
    EXPECT_EQ(Lista()->AsInteger(), 3); // not before leaving
    Focus(other);
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_EQ(Lista()->AsInteger(), 2);
}

TEST_F(DBLookupComboboxEh, TheButtonDropsTheGridDownAndAClickOnARowChoosesIt) {
    auto* c = Combo(true);
    c->HandleNeeded();
    TEditButtonControlEh* b = c->ButtonControl(0);
    ASSERT_TRUE(b && b->Visible());
    POINT bp = At(b, b->Width() / 2, b->Height() / 2);
    Click(bp.x, bp.y);
    ASSERT_TRUE(c->ListVisible());
    TPopupDataGridEh* list = c->DataList();
    EXPECT_TRUE(IsWindowVisible(list->Handle()));
    EXPECT_TRUE(c->Focused()); // the grid never takes the focus
    EXPECT_EQ(list->RowCount(), 4); // fewer records than Rows
    EXPECT_EQ(list->KeyValue().AsInteger(), 3);
    EXPECT_GE(list->Width(), c->Width());
    // The choice follows the mouse; a click chooses.
    POINT row = RowPoint(list, 0);
    MoveMouse(row.x, row.y);
    EXPECT_EQ(list->KeyValue().AsInteger(), 1);
    Click(row.x, row.y);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_EQ(c->Text(), "Al detal");
    Focus(other);
    EXPECT_EQ(Lista()->AsInteger(), 1);
}

TEST_F(DBLookupComboboxEh, KeysDriveTheOpenGridAndEnterChooses) {
    auto* c = Combo(true);
    int closes = 0;
    bool accepted = false;
    c->OnCloseUp = [&](TObject*, bool a) {
        ++closes;
        accepted = a;
    };
    Focus(c);
    PressKey(VK_DOWN, false, false, true); // Alt+Down
    ASSERT_TRUE(c->ListVisible());
    PressKey(VK_DOWN);
    EXPECT_EQ(c->DataList()->KeyValue().AsInteger(), 4);
    EXPECT_EQ(c->Text(), "Empleados"); // only the grid moved
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(c->ListVisible());
    EXPECT_FALSE(accepted);
    EXPECT_EQ(c->Value().AsInteger(), 3);
    PressKey(VK_DOWN, false, false, true);
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(c->Text(), "Al detal");
    // Closed, Up and Down step through the list.
    PressKey(VK_DOWN);
    EXPECT_EQ(c->Text(), "Abcd mayoristas");
    Focus(other);
    EXPECT_EQ(Lista()->AsInteger(), 2);
}

TEST_F(DBLookupComboboxEh, DeleteClearsTheKeyUnlessARequiredFieldIsNotWhollySelected) {
    auto* c = Combo(true);
    Lista()->SetRequired(true);
    Focus(c);
    c->SetSelStart(0);
    c->SetSelLength(2);
    PressKey(VK_DELETE);
    EXPECT_EQ(c->Value().AsInteger(), 3);
    Lista()->SetRequired(false);
    PressKey(VK_DELETE);
    EXPECT_TRUE(c->Value().IsNull());
    EXPECT_EQ(c->Text(), "");
    Focus(other);
    EXPECT_TRUE(Lista()->IsNull());
}

TEST_F(DBLookupComboboxEh, TheSpecialRowStandsForAKeyNotInTheList) {
    auto* c = Combo(false);
    TSpecRowEh* spec = c->DropDownBox()->SpecRow();
    spec->SetCellsText("(ninguna)");
    spec->SetValue(Variant(0));
    spec->SetShowIfNotInKeyList(true);
    spec->SetVisible(true);
    c->SetValue(Variant(9));
    EXPECT_EQ(c->Text(), "(ninguna)");
    c->SetValue(Variant(1));
    EXPECT_EQ(c->Text(), "Al detal");
    Focus(c);
    PressKey(VK_DELETE, false, false, true); // Alt+Del
    EXPECT_EQ(c->Value().AsInteger(), 0);
    EXPECT_EQ(c->Text(), "(ninguna)");
    // In the drop-down, Up from the first record reaches the special row.
    PressKey(VK_DOWN, false, false, true);
    ASSERT_TRUE(c->ListVisible());
    TPopupDataGridEh* list = c->DataList();
    EXPECT_GT(list->SpecRowHeight(), 0);
    PressKey(VK_DOWN);
    EXPECT_EQ(list->KeyValue().AsInteger(), 1);
    PressKey(VK_UP);
    EXPECT_EQ(list->KeyValue().AsInteger(), 0);
    EXPECT_TRUE(list->SpecRow()->Selected());
    PressKey(VK_RETURN);
    EXPECT_EQ(c->Text(), "(ninguna)");
}

TEST_F(DBLookupComboboxEh, TheGridHeightIsWholeRowsAndItsWidthFollowsTheSettings) {
    auto* c = Combo(false);
    TPopupDataGridEh* list = c->DataList();
    list->HandleNeeded();
    list->SetRowCount(0);
    EXPECT_EQ(list->RowCount(), 1);
    list->SetRowCount(250);
    EXPECT_EQ(list->RowCount(), 100);
    list->SetRowCount(3);
    int three = list->Height();
    list->SetHeight(three + list->DefaultRowHeight() / 2);
    EXPECT_EQ(list->Height(), three);
    EXPECT_EQ(list->RowCount(), 3);
    // Width -1: as wide as the columns, never narrower than the combo.
    c->DropDownBox()->SetWidth(-1);
    c->DropDownBox()->SetAutoFitColWidths(false);
    c->SetWidth(60);
    Focus(c);
    PressKey(VK_DOWN, false, false, true);
    ASSERT_TRUE(c->ListVisible());
    EXPECT_EQ(list->ClientWidth(), list->GetColumnsWidth());
    PressKey(VK_ESCAPE);
    c->SetWidth(500);
    PressKey(VK_DOWN, false, false, true);
    EXPECT_EQ(list->Width(), 500);
    // A size the user gives it is kept at closing.
    c->DropDownBox()->SetSizable(true);
    PressKey(VK_ESCAPE);
    PressKey(VK_DOWN, false, false, true);
    TSizeGripEh* grip = list->SizeGrip();
    ASSERT_TRUE(grip->Visible());
    POINT g = At(grip, grip->Width() - 3, grip->Height() - 3);
    Drag(g.x, g.y, g.x + 60, g.y + list->DefaultRowHeight());
    int width = list->Width(), rows = list->RowCount();
    EXPECT_GT(width, 500);
    EXPECT_EQ(rows, 5);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(c->DropDownBox()->Width(), width);
    EXPECT_EQ(c->DropDownBox()->Rows(), 5);
    PressKey(VK_DOWN, false, false, true);
    EXPECT_EQ(list->Width(), width);
    EXPECT_EQ(list->RowCount(), 4); // no more rows than records
}

TEST_F(DBLookupComboboxEh, TheLookupGridMeasuresItsVisibleColumnsOnly) {
    auto* grid = new TDBLookupGridEh(form);
    grid->SetParent(form);
    grid->SetBounds(10, 100, 300, 150);
    grid->SetListSource(listSource);
    grid->SetKeyFieldName("LIPR_COD");
    grid->SetListFieldName("LIPR_NOM;LIPR_COD;");
    ASSERT_TRUE(grid->ListActive());
    ASSERT_EQ(grid->Columns()->Count(), 2);
    int line = grid->Options().Contains(dgColLines) ? grid->GridLineWidth() : 0;
    int both = grid->GetColumnsWidth();
    TColumnEh* code = grid->Columns()->Items(1);
    EXPECT_EQ(both, grid->Columns()->Items(0)->Width() + code->Width() + 2 * line);
    code->SetVisible(false);
    EXPECT_EQ(grid->GetColumnsWidth(), both - code->Width() - line);
    // The key marks its row; a key with no row marks none and leaves the list at its start.
    grid->SetKeyValue(Variant(3));
    EXPECT_EQ(grid->SelectedText(), "Empleados");
    EXPECT_TRUE(grid->KeyRowShown());
    grid->SetKeyValue(Variant(99));
    EXPECT_FALSE(grid->KeyRowShown());
    EXPECT_TRUE(lists->Bof());
}

TEST_F(DBLookupComboboxEh, BindingErrorsAreReported) {
    auto* c = Combo(false);
    // A list that is a detail of the data the combo edits.
    auto* details = new TClientDataSet(form);
    details->FieldDefs().Add("LIPR_COD", ftInteger);
    details->CreateDataSet();
    details->SetMasterSource(docSource);
    auto* detailSource = new TDataSource(form);
    detailSource->SetDataSet(details);
    auto* circular = new TDBLookupComboboxEh(form);
    circular->SetParent(form);
    circular->SetDataSource(docSource);
    circular->SetDataField("LISTA");
    circular->SetKeyField("LIPR_COD");
    try {
        circular->SetListSource(detailSource);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("circulares"), std::string::npos);
    }
    // An unknown list field is named in the error.
    try {
        c->SetListField("LIPR_NOM;NO_EXISTE");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("NO_EXISTE"), std::string::npos);
    }
}

} // namespace
} // namespace tvtest
