// Moving records by dragging their indicator: the dataset's order after the
// drop, the selection that goes with the moved records, and the drags that
// must not move anything.
#include "gridfixture.h"

#include "support/headless_ui.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class RecordMovingTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(8);
        for (const char* f : {"CODIGO", "NOMBRE"}) grid->Columns()->Add()->SetFieldName(f);
        grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    // The middle of the indicator cell of the grid row that shows record `code`.
    POINT Indicator(int code) {
        int row = -1;
        for (int r = 0; r < grid->DataLink()->RecordCount() && row < 0; ++r) {
            TActiveRecordGuard guard(*grid->DataLink());
            grid->DataLink()->SetActiveRecord(r);
            if (data->FieldByName("CODIGO")->AsInteger() == code) row = r + grid->TitleRowCount();
        }
        EXPECT_GE(row, 0) << code;
        RECT cell = grid->CellRect(0, row);
        return grid->ClientToScreen({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    }
    void DragRecord(int from, int to) {
        POINT a = Indicator(from), b = Indicator(to);
        QueueDrag(a.x, a.y, b.x, b.y);
        Pump();
    }
    std::vector<int> Order() {
        std::vector<int> codes;
        TBookmark here = data->Bookmark();
        data->DisableControls();
        for (data->First(); !data->Eof(); data->Next()) codes.push_back(data->FieldByName("CODIGO")->AsInteger());
        data->GotoBookmark(here);
        data->EnableControls();
        return codes;
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
};

TEST_F(RecordMovingTest, ADraggedRecordLandsWhereTheMarkerShowed) {
    // Down: after the row it was dropped on.
    DragRecord(2, 5);
    EXPECT_EQ(Order(), (std::vector<int>{1, 3, 4, 5, 2, 6, 7, 8}));
    EXPECT_EQ(grid->MouseMode(), 0);
    // Up: before it.
    DragRecord(7, 3);
    EXPECT_EQ(Order(), (std::vector<int>{1, 7, 3, 4, 5, 2, 6, 8}));
    // Dropped where it started: nothing moves.
    DragRecord(4, 4);
    EXPECT_EQ(Order(), (std::vector<int>{1, 7, 3, 4, 5, 2, 6, 8}));
    // Onto the last but one record: between it and the last, not at the end.
    DragRecord(3, 6);
    EXPECT_EQ(Order(), (std::vector<int>{1, 7, 4, 5, 2, 6, 3, 8}));
    // Onto the last record: at the end.
    DragRecord(1, 8);
    EXPECT_EQ(Order(), (std::vector<int>{7, 4, 5, 2, 6, 3, 8, 1}));
    // Without the option the indicator does not drag records.
    grid->SetOptionsEh(grid->OptionsEh() - TDBGridEhOptions{dghRecordMoving});
    DragRecord(7, 6);
    EXPECT_EQ(Order(), (std::vector<int>{7, 4, 5, 2, 6, 3, 8, 1}));
}

TEST_F(RecordMovingTest, SelectedRecordsMoveTogetherAndStaySelected) {
    grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
    for (int code : {2, 3}) {
        data->Locate("CODIGO", code, {});
        grid->SelectedBookmarks().SetCurrentRowSelected(true);
    }
    Pump();
    DragRecord(2, 6);
    EXPECT_EQ(Order(), (std::vector<int>{1, 4, 5, 6, 2, 3, 7, 8}));
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 3}));
    EXPECT_EQ(grid->Selection().SelectionType(), gstRecordBookmarks);
    // Dragging a record that is not selected selects instead of moving.
    DragRecord(7, 5);
    EXPECT_EQ(Order(), (std::vector<int>{1, 4, 5, 6, 2, 3, 7, 8}));
    EXPECT_NE(SelectedCodes(), (std::vector<int>{2, 3}));
}

TEST_F(RecordMovingTest, TheApplicationMayMoveTheRecordsItself) {
    std::vector<int> targets;
    grid->OnMoveRecords = [&](TObject*, TBookmarkListEh* list, int target, int level, bool checkOnly) {
        EXPECT_EQ(list->SelectedCount(), 1);
        EXPECT_EQ(level, -1);
        if (!checkOnly) targets.push_back(target);
        return target != 4;  // a drop before record 4 is refused
    };
    // The marker stops at the last row that was accepted: after record 2.
    DragRecord(1, 3);
    EXPECT_EQ(targets, (std::vector<int>{3}));
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(RecordMovingTest, AnEmptyDatasetHasNothingToDrag) {
    data->EmptyDataSet();
    Pump();
    RECT cell = grid->CellRect(0, grid->TitleRowCount());
    POINT a = grid->ClientToScreen({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    QueueMouseDown(a.x, a.y);
    QueueMouseMove(a.x, a.y + 40);
    Pump();
    EXPECT_NE(grid->MouseMode(), gmmMoveRecords);
    QueueMouseUp(a.x, a.y + 40);
    Pump();
    EXPECT_EQ(data->RecordCount(), 0);
}

} // namespace tvtest
