// A lookup column of the data grid drops down the editors' pop-up data grid
// from its cell editor: Alt+Down opens it on the record's list, keys and the
// mouse choose, and the chosen key reaches the lookup field's key field.
#include "editorfixture.h"
#include "editors/popupdatagrid.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/lookupcelldropdown.h"
#include "platform/window/window.h"
#include "support/pricelists.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class LookupCell : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        PriceLists made = MakePriceLists(form);
        lists = made.lists;
        docs = made.docs;
        docs->Append();
        docs->FieldByName("NUMERO")->SetAsInteger(7);
        docs->FieldByName("LISTA")->SetAsInteger(1);
        docs->Post();
        source = new TDataSource(form);
        source->SetDataSet(docs);
        grid = new TDBGridEh(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 400, 200);
        grid->SetDataSource(source);
    }
    // Shows the cell editor on the lookup column.
    TDBGridInplaceEdit* EditLookupCell() {
        grid->SetFocus();
        ProcessPendingMessages();
        for (int i = 0; i < grid->Columns()->Count(); ++i)
            if (grid->Columns()->Items(i)->FieldName() == "NOMBRE_LISTA") grid->SetSelectedIndex(i);
        PressKey(VK_F2);
        return dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    }
    TClientDataSet *lists = nullptr, *docs = nullptr;
    TDataSource* source = nullptr;
    TDBGridEh* grid = nullptr;
};

TEST_F(LookupCell, AltDownDropsTheListAndEnterWritesTheKey) {
    TDBGridInplaceEdit* e = EditLookupCell();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->EditKind(), ekLookupListEh);
    PressKey(VK_DOWN, false, false, true);
    TLookupCellDropDownEh* drop = e->LookupDropDown();
    ASSERT_TRUE(drop && drop->Visible());
    TPopupDataGridEh* list = drop->DataList();
    EXPECT_TRUE(IsWindowVisible(list->Handle()));
    EXPECT_EQ(list->KeyValue().AsInteger(), 1);
    EXPECT_EQ(list->RowCount(), 3);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(list->KeyValue().AsInteger(), 3);
    EXPECT_EQ(docs->FieldByName("LISTA")->AsInteger(), 1); // not before Enter
    PressKey(VK_RETURN);
    EXPECT_FALSE(drop->Visible());
    EXPECT_EQ(docs->FieldByName("LISTA")->AsInteger(), 3);
    EXPECT_EQ(e->Text(), "Empleados");
    docs->Post();
    EXPECT_EQ(docs->FieldByName("NOMBRE_LISTA")->AsString(), "Empleados");
    // Esc leaves the field as it was.
    PressKey(VK_DOWN, false, false, true);
    PressKey(VK_UP);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(drop->Visible());
    EXPECT_EQ(docs->FieldByName("LISTA")->AsInteger(), 3);
}

TEST_F(LookupCell, AClickOnARowChoosesIt) {
    TDBGridInplaceEdit* e = EditLookupCell();
    ASSERT_TRUE(e);
    PressKey(VK_DOWN, false, false, true);
    TPopupDataGridEh* list = e->LookupDropDown()->DataList();
    RECT r = list->CellRect(list->IndicatorOffset(), list->TitleRowCount() + 1);
    POINT p = list->ClientToScreen({r.left + 10, (r.top + r.bottom) / 2});
    MoveMouse(p.x, p.y);
    Click(p.x, p.y);
    EXPECT_FALSE(e->LookupDropDown()->Visible());
    EXPECT_EQ(docs->FieldByName("LISTA")->AsInteger(), 2);
}

} // namespace
} // namespace tvtest
