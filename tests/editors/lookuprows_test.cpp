// The lookup combo box's drop-down grid over a memory table has a row for
// every record: the same keys and clicks choose the same record and show the
// same rows as over a client dataset with the same records, and the wheel
// scrolls the rows without changing the choice.
#include "editorfixture.h"
#include "editors/dblookupcombobox.h"
#include "editors/popupdatagrid.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/treememtable.h"
#include "platform/backend/backend.h"
#include "platform/backend/headless.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

// The key chosen in the drop-down and the codes of its first and last rows in view.
struct TListView {
    int key = -1, first = -1, last = -1;
    bool operator==(const TListView& o) const { return key == o.key && first == o.first && last == o.last; }
};

std::ostream& operator<<(std::ostream& os, const TListView& v) {
    return os << "{key " << v.key << ", rows " << v.first << ".." << v.last << "}";
}

class LookupRowsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        plain = new TClientDataSet(form);
        rows = new TTreeMemTableEh(form);
        rows->SetKeyFieldName("CODIGO");
        rows->SetTreeViewActive(false);
        for (TCustomClientDataSet* ds :
             {static_cast<TCustomClientDataSet*>(plain), static_cast<TCustomClientDataSet*>(rows)}) {
            ds->FieldDefs().Add("CODIGO", ftInteger);
            ds->FieldDefs().Add("NOMBRE", ftString, 30);
            ds->CreateDataSet();
            for (int i = 1; i <= 30; ++i) {
                ds->Append();
                ds->FieldByName("CODIGO")->SetAsInteger(i);
                ds->FieldByName("NOMBRE")->SetAsString("Lista " + std::to_string(i));
                ds->Post();
            }
            ds->First();
            auto* source = new TDataSource(form);
            source->SetDataSet(ds);
            auto* c = new TDBLookupComboboxEh(form);
            c->SetParent(form);
            c->SetBounds(10 + 300 * static_cast<int>(combos.size()), 40, 200, 24);
            c->SetKeyField("CODIGO");
            c->SetListField("NOMBRE");
            c->SetListSource(source);
            c->SetValue(Variant(1));
            combos.push_back(c);
        }
    }
    TDataSet* DataOf(int side) { return side == 0 ? static_cast<TDataSet*>(plain) : rows; }
    TListView ViewOf(int side) {
        TPopupDataGridEh* list = combos[static_cast<std::size_t>(side)]->DataList();
        TDataSet* ds = DataOf(side);
        TListView v;
        v.key = list->KeyValue().AsInteger();
        int last = std::min(list->LastShownDataRow(), list->ShownRecordCount() - 1);
        {
            TGridActiveRowGuard row(*list, list->FirstShownDataRow());
            v.first = ds->FieldByName("CODIGO")->AsInteger();
        }
        {
            TGridActiveRowGuard row(*list, last);
            v.last = ds->FieldByName("CODIGO")->AsInteger();
        }
        return v;
    }
    void Open(int side) {
        Focus(combos[static_cast<std::size_t>(side)]);
        PressKey(VK_DOWN, false, false, true); // Alt+Down
        ASSERT_TRUE(combos[static_cast<std::size_t>(side)]->ListVisible());
    }

    TClientDataSet* plain = nullptr;
    TTreeMemTableEh* rows = nullptr;
    std::vector<TDBLookupComboboxEh*> combos;
};

TEST_F(LookupRowsTest, KeysInTheDropDownChooseTheSameRecordsAndShowTheSameRows) {
    struct Step {
        int vk;
        int times;
    } steps[] = {{VK_DOWN, 3}, {VK_NEXT, 1}, {VK_DOWN, 9}, {VK_UP, 2},  {VK_PRIOR, 2},
                 {VK_END, 1},  {VK_UP, 1},   {VK_HOME, 1}, {VK_NEXT, 3}};
    std::vector<TListView> views[2];
    for (int side = 0; side < 2; ++side) {
        Open(side);
        ASSERT_EQ(combos[static_cast<std::size_t>(side)]->DataList()->MemTableRowMode(), side == 1);
        for (const Step& s : steps) {
            for (int i = 0; i < s.times; ++i) PressKey(s.vk);
            views[side].push_back(ViewOf(side));
        }
        PressKey(VK_RETURN);
        EXPECT_EQ(combos[static_cast<std::size_t>(side)]->Value().AsInteger(), views[side].back().key);
    }
    for (std::size_t i = 0; i < views[0].size(); ++i) EXPECT_EQ(views[1][i], views[0][i]) << "step " << i + 1;
}

TEST_F(LookupRowsTest, AKeyFarDownOpensInTheMiddleOfTheRowsAndAClickChoosesItsRow) {
    for (int side = 0; side < 2; ++side) {
        combos[static_cast<std::size_t>(side)]->SetValue(Variant(20));
        Open(side);
        TPopupDataGridEh* list = combos[static_cast<std::size_t>(side)]->DataList();
        int n = list->VisibleDataRowCount();
        TListView v = ViewOf(side);
        EXPECT_EQ(v.key, 20) << side;
        EXPECT_EQ(v.first, 20 - n / 2) << side << ": the chosen record in the middle";
        // The choice follows the mouse; the click takes it.
        RECT r = list->CellRect(list->IndicatorOffset(), list->TopRow() + 1);
        POINT p = At(list, r.left + 20, (r.top + r.bottom) / 2);
        MoveMouse(p.x, p.y);
        EXPECT_EQ(list->KeyValue().AsInteger(), v.first + 1) << side;
        Click(p.x, p.y);
        EXPECT_FALSE(combos[static_cast<std::size_t>(side)]->ListVisible());
        EXPECT_EQ(combos[static_cast<std::size_t>(side)]->Value().AsInteger(), v.first + 1) << side;
    }
}

TEST_F(LookupRowsTest, TheWheelOnALookupGridScrollsItsRowsAndKeepsTheChoice) {
    std::vector<TListView> views[2];
    for (int side = 0; side < 2; ++side) {
        auto* source = new TDataSource(form);
        source->SetDataSet(DataOf(side));
        auto* g = new TDBLookupGridEh(form);
        g->SetParent(form);
        g->SetBounds(10 + 300 * side, 100, 200, 150);
        g->SetListSource(source);
        g->SetKeyFieldName("CODIGO");
        g->SetListFieldName("NOMBRE");
        g->SetKeyValue(Variant(1));
        Focus(g);
        ASSERT_EQ(g->MemTableRowMode(), side == 1);
        auto view = [&] {
            TDataSet* ds = DataOf(side);
            int last = std::min(g->LastShownDataRow(), g->ShownRecordCount() - 1);
            TListView v;
            v.key = g->KeyValue().AsInteger();
            TGridActiveRowGuard firstRow(*g, g->FirstShownDataRow());
            v.first = ds->FieldByName("CODIGO")->AsInteger();
            TGridActiveRowGuard lastRow(*g, last);
            v.last = ds->FieldByName("CODIGO")->AsInteger();
            return v;
        };
        POINT p = At(g, g->ClientWidth() / 2, g->ClientHeight() / 2);
        for (int step = 0; step < 3; ++step) {
            // Two notches, then one with Shift, then one back up.
            bool shift = step == 1;
            if (shift) InjectKey(VK_SHIFT, true);
            QueueWheel(p.x, p.y, step == 0 ? -240 : step == 1 ? -120 : 120);
            if (shift) InjectKey(VK_SHIFT, false);
            Application->ProcessMessages();
            views[side].push_back(view());
        }
        // A key first brings the list back to the choice.
        PressKey(VK_DOWN);
        views[side].push_back(view());
    }
    for (std::size_t i = 0; i < views[0].size(); ++i) EXPECT_EQ(views[1][i], views[0][i]) << "step " << i + 1;
    EXPECT_EQ(views[1][0].key, 1) << "the wheel keeps the choice";
    EXPECT_EQ(views[1][0].first, 3);
}

} // namespace
} // namespace tvtest
