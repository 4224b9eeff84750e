// The grid's selection: selected records kept in dataset order, the
// rectangle of cells, selected columns, everything; which cells count as
// selected; fitting column widths; copying the value of the record above.
#include "gridfixture.h"

#include "support/headless_ui.h"
#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class SelectionTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(8);
        for (const char* f : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(f);
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
        grid->SetDataSource(source);
        grid->OnSelectionChanged = [this](TObject*) { ++notices; };
        Pump();
    }
    TBookmark Mark(int code) {
        EXPECT_TRUE(data->Locate("CODIGO", code, {}));
        return data->Bookmark();
    }
    void SelectRecord(int code, bool value = true) {
        Mark(code);
        grid->SelectedBookmarks().SetCurrentRowSelected(value);
    }
    std::vector<int> SelectedCodes() {
        std::vector<int> codes;
        TBookmark here = data->Bookmark();
        TBookmarkListEh& rows = grid->SelectedBookmarks();
        for (int i = 0; i < rows.SelectedCount(); ++i) {
            data->GotoBookmark(rows.GetItem(i));
            codes.push_back(data->FieldByName("CODIGO")->AsInteger());
        }
        data->GotoBookmark(here);
        return codes;
    }
    TDBGridEhSelectionType Kind() { return grid->Selection().SelectionType(); }
    int notices = 0;
};

TEST_F(SelectionTest, RecordsStayInDatasetOrderAndTheSearchKeepsItsLastAnswer) {
    TBookmarkListEh& rows = grid->SelectedBookmarks();
    int index = -1;
    EXPECT_FALSE(rows.Find(Mark(3), index));
    EXPECT_EQ(index, 0);
    for (int code : {6, 2, 4}) SelectRecord(code);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(Kind(), gstRecordBookmarks);
    EXPECT_EQ(notices, 3);

    // The place a missing record would take; the same question again is
    // answered from the kept answer, and any change of the list forgets it.
    EXPECT_FALSE(rows.Find(Mark(5), index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(rows.LastIndex(), 2);
    EXPECT_TRUE(rows.Find(Mark(6), index));
    EXPECT_EQ(index, 2);
    SelectRecord(1);
    EXPECT_EQ(rows.LastIndex(), -1);
    EXPECT_EQ(rows.PositionOf(Mark(6)), 3);

    // Selecting a selected record again changes nothing and says nothing.
    notices = 0;
    SelectRecord(4);
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(rows.SelectedCount(), 4);
}

TEST_F(SelectionTest, TheListFollowsTheDatasetIntoAnotherOrder) {
    for (int code : {2, 5, 7}) SelectRecord(code);
    // Names in order: Aceite(4) Arroz(1) Azúcar(6) Café(2) Fríjol(8) Lentejas(7) Panela(3) Sal(5).
    data->SetIndexFieldNames("NOMBRE");
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 7, 5}));
    // Searching by halves still finds every one, and a new one goes to its place.
    for (int code : {2, 5, 7}) EXPECT_GE(grid->SelectedBookmarks().PositionOf(Mark(code)), 0) << code;
    SelectRecord(3);
    SelectRecord(7, false);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 3, 5}));
}

TEST_F(SelectionTest, KindsReplaceEachOtherAndEmptyOnesEnd) {
    grid->Selection().Rect().Select(0, Mark(1), false);
    grid->Selection().Rect().Select(1, Mark(2), true);
    EXPECT_EQ(Kind(), gstRectangle);
    SelectRecord(3);
    EXPECT_EQ(Kind(), gstRecordBookmarks);
    EXPECT_EQ(grid->Selection().Rect().AnchorCol(), -1);
    SelectRecord(3, false);
    EXPECT_EQ(Kind(), gstNon);

    grid->Selection().SelectAll();
    EXPECT_EQ(Kind(), gstAll);
    grid->Selection().SelectAll();
    EXPECT_EQ(Kind(), gstAll);
    grid->Selection().Clear();
    EXPECT_EQ(Kind(), gstNon);

    // Opening or closing the data leaves nothing selected.
    SelectRecord(2);
    data->Close();
    EXPECT_EQ(Kind(), gstNon);
    EXPECT_EQ(grid->SelectedBookmarks().SelectedCount(), 0);
    try {
        grid->SelectedBookmarks().CurrentRow();
        FAIL() << "no error on a closed dataset";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "No es posible realizar ésta operación en un Dataset cerrado");
    }
    EXPECT_THROW(grid->Selection().Rect().GetTopRow(), EInvalidGridOperation);
}

TEST_F(SelectionTest, TheRectangleRunsBetweenItsTwoCornersInEitherDirection) {
    TDBGridEhSelectionRect& rect = grid->Selection().Rect();
    rect.Select(2, Mark(5), false);
    rect.Select(0, Mark(3), true);
    EXPECT_EQ(Kind(), gstRectangle);
    EXPECT_EQ(rect.GetLeftCol(), 0);
    EXPECT_EQ(rect.GetRightCol(), 2);
    EXPECT_EQ(rect.GetTopRow(), Mark(3));
    EXPECT_EQ(rect.GetBottomRow(), Mark(5));
    struct Case {
        int col, code;
        bool selected;
    } cases[] = {{0, 3, true}, {2, 5, true}, {1, 4, true}, {1, 2, false}, {1, 6, false}};
    for (const Case& c : cases) EXPECT_EQ(rect.CellSelected(c.col, Mark(c.code)), c.selected) << c.col << c.code;
    // Back on the anchor itself: one cell is no selection.
    rect.Select(2, Mark(5), true);
    EXPECT_EQ(Kind(), gstNon);
    // A new start forgets the old anchor.
    rect.Select(1, Mark(1), false);
    rect.Select(1, Mark(2), true);
    EXPECT_EQ(rect.GetLeftCol(), 1);
    EXPECT_EQ(rect.GetTopRow(), Mark(1));
    EXPECT_EQ(Kind(), gstRectangle);
}

TEST_F(SelectionTest, ColumnsExtendFromTheirAnchorAndShrinkBackOnlyWhatTheGestureChanged) {
    grid->Columns()->Add()->SetFieldName("ACTIVO");
    grid->Columns()->Add()->SetFieldName("CODIGO");
    TDBGridColumnsEh* cols = grid->Columns();
    TDBGridEhSelectionCols& sel = grid->Selection().Columns();
    auto selected = [&] {
        std::vector<int> r;
        for (TColumnEh* c : sel) r.push_back(c->Index());
        return r;
    };
    sel.SelectColumn(cols->Items(1), false);
    sel.SelectShift(cols->Items(3));
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    sel.SelectShift(cols->Items(0));  // past the anchor: 2 and 3 go, 0 comes
    EXPECT_EQ(selected(), (std::vector<int>{0, 1}));
    EXPECT_EQ(Kind(), gstColumns);

    // From a column that a Ctrl click unselected, Shift unselects what it passes.
    sel.SelectColumn(cols->Items(0), false);
    for (int i : {1, 2, 3, 4}) sel.InvertColumn(cols->Items(i));
    sel.InvertColumn(cols->Items(1));
    EXPECT_EQ(selected(), (std::vector<int>{0, 2, 3, 4}));
    sel.SelectShift(cols->Items(3));
    EXPECT_EQ(selected(), (std::vector<int>{0, 4}));
    // Back towards the anchor: only the columns this gesture took are given back.
    sel.SelectShift(cols->Items(2));
    EXPECT_EQ(selected(), (std::vector<int>{0, 3, 4}));

    // An invisible column is never added by an extension.
    cols->Items(3)->SetVisible(false);
    sel.SelectColumn(cols->Items(2), false);
    sel.SelectShift(cols->Items(4));
    EXPECT_EQ(selected(), (std::vector<int>{2, 4}));
    // A column that goes leaves the selection.
    delete cols->Items(4);
    EXPECT_EQ(selected(), (std::vector<int>{2}));
    sel.InvertColumn(cols->Items(2));
    EXPECT_EQ(Kind(), gstNon);
}

TEST_F(SelectionTest, WhichCellsCountAsSelected) {
    int title = 0, data1 = grid->TitleRowCount();
    SelectRecord(1);
    TBookmark b1 = Mark(1), b2 = Mark(2);
    EXPECT_TRUE(grid->CellSelected(0, data1, b1, -1));   // indicator of a selected record
    EXPECT_FALSE(grid->CellSelected(0, data1 + 1, b2, -1));
    EXPECT_TRUE(grid->CellSelected(2, data1, b1, 1));
    EXPECT_FALSE(grid->CellSelected(2, title, b1, 1));   // titles only for columns
    grid->Selection().Columns().SelectColumn(grid->Columns()->Items(1), false);
    EXPECT_TRUE(grid->CellSelected(2, title, {}, 1));
    EXPECT_FALSE(grid->CellSelected(1, title, {}, 0));
    EXPECT_FALSE(grid->CellSelected(0, data1, b1, -1));
    grid->Selection().SelectAll();
    EXPECT_TRUE(grid->CellSelected(0, title, {}, -1));
}

TEST_F(SelectionTest, CellAreasFromTitlesToFooters) {
    grid->STFilter()->SetVisible(true);
    grid->SetFooterRowCount(2);
    Pump();
    int rows = grid->RowCount();
    struct Case {
        int row;
        TCellAreaEh area;
        int areaRow;
    } cases[] = {{0, caTitleEh, 0},       {1, caFilterEh, 0},      {2, caDataEh, 0},
                 {rows - 4, caDataEh, rows - 6}, {rows - 3, caSeparatorEh, 0}, {rows - 2, caFooterEh, 1},
                 {rows - 1, caFooterEh, 2}};
    for (const Case& c : cases) {
        int dataCol = -9, areaRow = -9;
        TCellTypeEh t = grid->GetCellType(2, c.row, dataCol, areaRow);
        EXPECT_EQ(t.Area, c.area) << c.row;
        EXPECT_EQ(areaRow, c.areaRow) << c.row;
        EXPECT_TRUE(t.DataColumn);
        EXPECT_EQ(dataCol, 1);
    }
    int dataCol = -9, areaRow = -9;
    EXPECT_FALSE(grid->GetCellType(0, 2, dataCol, areaRow).DataColumn);
    EXPECT_EQ(dataCol, 0);
}

TEST_F(SelectionTest, DeletingTheSelectedRecordsStopsAtAFailureAndKeepsTheRest) {
    for (int code : {2, 4, 6}) SelectRecord(code);
    data->BeforeDelete = [](TDataSet* ds) {
        if (ds->FieldByName("CODIGO")->AsInteger() == 2) throw Exception("no se puede");
    };
    EXPECT_THROW(grid->SelectedBookmarks().Delete(), Exception);
    EXPECT_EQ(data->RecordCount(), 6);
    EXPECT_FALSE(data->ControlsDisabled());
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2}));
    data->BeforeDelete = nullptr;
    grid->SelectedBookmarks().Delete();
    EXPECT_EQ(data->RecordCount(), 5);
    EXPECT_EQ(Kind(), gstNon);
}

TEST_F(SelectionTest, FittingWidthsReadsEveryRecordAndTheFooters) {
    TColumnEh* name = grid->Columns()->Items(1);
    name->SetWidth(300);
    grid->SetDataSource(nullptr);
    name->OptimizeWidth();
    EXPECT_EQ(name->Width(), 300);  // nothing to read: nothing changes

    grid->SetDataSource(source);
    Mark(8);
    data->Edit();
    data->FieldByName("NOMBRE")->SetAsString("Fríjol cargamanto");
    data->Post();
    Mark(3);
    name->OptimizeWidth();
    int fitted = name->Width();
    EXPECT_LT(fitted, 300);
    TCanvas* c = grid->Canvas();
    c->Font()->Assign(name->Font());
    EXPECT_GE(fitted, c->TextWidth("Fríjol cargamanto") + 4);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);

    // A footer wider than every record widens the column too.
    grid->SetFooterRowCount(1);
    name->Footer()->SetValueType(fvtStaticText);
    name->Footer()->SetValue("Total de los artículos vendidos hoy");
    grid->Selection().Columns().SelectColumn(grid->Columns()->Items(0), false);
    grid->FitSelectedColumnsToContents(name);
    c->Font()->Assign(name->Footer()->Font());
    EXPECT_GE(name->Width(), c->TextWidth("Total de los artículos vendidos hoy") + 5);
    EXPECT_LT(grid->Columns()->Items(0)->Width(), 60);
}

TEST_F(SelectionTest, ThePreviousRecordsValueIsCopiedIntoTheCurrentOne) {
    grid->SetSelectedIndex(1);
    Mark(1);
    grid->CopyPreviousRecordValue();  // nothing above the first record
    EXPECT_EQ(data->State(), dsBrowse);
    SelectRecord(3);
    Mark(4);
    grid->CopyPreviousRecordValue();
    EXPECT_EQ(data->State(), dsEdit);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Panela");
    EXPECT_EQ(Kind(), gstNon);
    data->Cancel();
    grid->SetReadOnly(true);
    grid->CopyPreviousRecordValue();
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Aceite");
}

TEST(RectDifferenceBandsTest, OnlyWhereTwoRectanglesDiffer) {
    struct Case {
        RECT a, b;
        std::vector<RECT> bands;
    } cases[] = {
        // Apart: both whole.
        {{0, 0, 10, 10}, {20, 0, 30, 10}, {{0, 0, 10, 10}, {20, 0, 30, 10}}},
        // One row more at the bottom.
        {{0, 0, 30, 20}, {0, 0, 30, 30}, {{0, 20, 30, 30}}},
        // A column less on the left and a row more at the top.
        {{0, 10, 30, 30}, {10, 0, 30, 30}, {{0, 10, 10, 30}, {10, 0, 30, 10}}},
        // The same: nothing.
        {{5, 5, 9, 9}, {5, 5, 9, 9}, {}},
    };
    for (const Case& c : cases) {
        RECT bands[4];
        RectDifferenceBands(c.a, c.b, bands);
        std::vector<RECT> got;
        for (const RECT& r : bands)
            if (r.right > r.left && r.bottom > r.top) got.push_back(r);
        ASSERT_EQ(got.size(), c.bands.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].left, c.bands[i].left);
            EXPECT_EQ(got[i].top, c.bands[i].top);
            EXPECT_EQ(got[i].right, c.bands[i].right);
            EXPECT_EQ(got[i].bottom, c.bands[i].bottom);
        }
    }
}

} // namespace tvtest
