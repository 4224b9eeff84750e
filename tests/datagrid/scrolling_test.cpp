// Scrolling the grid: the wheel and the scroll bar move the dataset's record,
// the grid follows a resize, and a walk over the records leaves the current
// record on its row.
#include "mousefixture.h"

#include "framework/ui/stdctrls/scrollbar.h"
#include "platform/window/input.h"
#include "platform/window/scrollbar.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class ScrollingTest : public GridMouseTest {
protected:
    // Screen points of the vertical bar: its arrows and its thumb's centre.
    RECT BarRect() {
        SCROLLBARINFO sbi;
        GetScrollBarInfo(grid->WindowHandle(), OBJID_VSCROLL, &sbi);
        return sbi.rcScrollBar;
    }
    POINT UpArrow() {
        RECT r = BarRect();
        return {(r.left + r.right) / 2, r.top + 3};
    }
    POINT DownArrow() {
        RECT r = BarRect();
        return {(r.left + r.right) / 2, r.bottom - 3};
    }
    POINT Thumb() {
        SCROLLBARINFO sbi;
        GetScrollBarInfo(grid->WindowHandle(), OBJID_VSCROLL, &sbi);
        return {(sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2,
                sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2};
    }
    void Click(POINT p) {
        QueueClick(p.x, p.y);
        Pump();
        clock->Advance(1000);
    }
    int Rows() { return grid->DataLink()->RecordCount(); }
};

TEST_F(ScrollingTest, WheelMovesTheRecordOneNotchAtATime) {
    POINT p = CellPoint(1, grid->TitleRowCount() + 1);
    QueueWheel(p.x, p.y, -3 * 120);
    Pump();
    ExpectInStep(4, "three notches down");
    QueueWheel(p.x, p.y, 120);
    Pump();
    ExpectInStep(3, "one notch up");
    // Past the rows shown the window follows.
    for (int i = 0; i < Rows() + 2; ++i) QueueWheel(p.x, p.y, -120);
    Pump();
    ExpectInStep(3 + Rows() + 2, "past the last row shown");
    EXPECT_EQ(DataRow(), Rows() - 1);
}

TEST_F(ScrollingTest, WheelPostsWhatTheEditorHolds) {
    grid->SetSelectedIndex(1);
    PressKey(VK_F2);
    TypeText("Arroz blanco");
    POINT p = CellPoint(1, grid->TitleRowCount() + 1);
    QueueWheel(p.x, p.y, -120);
    Pump();
    ExpectInStep(2);
    EXPECT_EQ(data->State(), dsBrowse);
    data->First();
    EXPECT_EQ(Name(), "Arroz blanco");
}

TEST_F(ScrollingTest, ScrollBarArrowsPagesAndThumbMoveTheRecord) {
    int rows = Rows();
    ASSERT_LT(rows, 40);
    Click(DownArrow());
    ExpectInStep(rows + 1, "down arrow: the record below the last shown");
    EXPECT_EQ(DataRow(), rows - 1);
    Click(UpArrow());
    ExpectInStep(1, "up arrow: the record above the first shown");
    EXPECT_EQ(DataRow(), 0);

    // The channel under the thumb pages down.
    POINT t = Thumb();
    Click({t.x, DownArrow().y - 20});
    ExpectInStep(1 + grid->VisibleDataRowCount(), "page down");

    // Dragging the thumb to the bottom goes to the last record.
    t = Thumb();
    QueueDrag(t.x, t.y, t.x, DownArrow().y + 40);
    Pump();
    ExpectInStep(40, "thumb at the bottom");
    t = Thumb();
    QueueDrag(t.x, t.y, t.x, UpArrow().y - 40);
    Pump();
    ExpectInStep(1, "thumb at the top");
}

TEST_F(ScrollingTest, ThumbTrackingMovesTheDatasetOnceForTheFinalPosition) {
    grid->VertScrollBar()->SetTracking(true);
    int moves = 0;
    data->AfterScroll = [&](TDataSet*) { ++moves; };
    POINT t = Thumb();
    RECT bar = BarRect();
    // Half way down the channel.
    QueueDrag(t.x, t.y, t.x, (bar.top + bar.bottom) / 2, 1);
    Pump();
    int recNo = data->RecNo();
    EXPECT_GT(recNo, 10);
    EXPECT_LT(recNo, 35);
    ExpectInStep(recNo);
    // One move for the one step of the drag; the thumb's final position moved nothing more.
    EXPECT_EQ(moves, 1);
}

TEST_F(ScrollingTest, ResizingRelaysTheRowsWithoutBeingAsked) {
    int before = Rows();
    ASSERT_GT(before, 10);
    grid->SetHeight(150);
    Pump();
    int after = Rows();
    EXPECT_LT(after, before / 2 + 2);
    EXPECT_EQ(grid->DataRowCount(), after);
    // The last row shown is the last whole row of the client area.
    RECT last = grid->CellRect(1, grid->TitleRowCount() + after - 1);
    EXPECT_LE(last.bottom, grid->ClientHeight());
    EXPECT_GT(last.bottom + grid->DefaultRowHeight() + 1, grid->ClientHeight());

    // A record shown before and now below the rows stays current and in view.
    data->SetRecNo(before);
    grid->SetHeight(300);
    Pump();
    grid->SetHeight(120);
    Pump();
    ExpectInStep(before);
}

TEST_F(ScrollingTest, RestoringTheBookmarkKeepsTheRecordOnItsRow) {
    data->Last();
    Pump();
    int row = DataRow();
    ASSERT_EQ(row, Rows() - 1);
    grid->SaveBookmark();
    data->First();
    while (!data->Eof()) data->Next();
    data->First();
    grid->RestoreBookmark();
    Pump();
    ExpectInStep(40);
    EXPECT_EQ(DataRow(), row);

    // Three records up from the bottom, and the middle record deleted meanwhile:
    // the current record still comes back.
    data->MoveBy(-3);
    Pump();
    row = DataRow();
    grid->SaveBookmark();
    int middle = 40 - 3 - row + Rows() / 2;
    data->SetRecNo(middle);
    data->Delete();
    data->First();
    grid->RestoreBookmark();
    Pump();
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 37);
    ExpectInStep(data->RecNo());
}

TEST_F(ScrollingTest, ExternalVerticalBarScrollsTheDatasetAndIsForgottenWhenFreed) {
    auto* bar = new TScrollBar(form);
    bar->SetName("BarraVertical");
    bar->SetKind(sbVertical);
    bar->SetBounds(520, 0, 17, 300);
    bar->SetParent(form);
    grid->VertScrollBar()->SetExtScrollBar(bar);
    Pump();
    // The grid's own bar hides; the external one shows the records.
    EXPECT_FALSE(grid->VertScrollBar()->IsScrollBarVisible() && !bar->Visible());
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 40 + bar->PageSize() - 1);

    POINT down = bar->ClientToScreen({8, 300 - 4});
    QueueClick(down.x, down.y);
    Pump();
    ExpectInStep(Rows() + 1, "external bar's down arrow");
    EXPECT_EQ(bar->Position(), Rows() + 1);

    // A second grid cannot take the bar.
    auto* other = new TDBGridEh(form);
    other->SetParent(form);
    try {
        other->VertScrollBar()->SetExtScrollBar(bar);
        FAIL() << "attached twice";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Possible BarraVertical already attached to the other control.");
    }
    grid->VertScrollBar()->SetExtScrollBar(bar); // the same grid again: nothing changes

    delete bar;
    EXPECT_EQ(grid->VertScrollBar()->ExtScrollBar(), nullptr);
    data->Last();
    grid->SetHeight(200);
    Pump();
    ExpectInStep(40);
}

TEST_F(ScrollingTest, FreedExternalHorizontalBarIsNotTouched) {
    for (int i = 0; i < 6; ++i) grid->Columns()->Add()->SetFieldName("PRECIO");
    auto* bar = new TScrollBar(form);
    bar->SetBounds(0, 305, 500, 17);
    bar->SetParent(form);
    grid->HorzScrollBar()->SetExtScrollBar(bar);
    Pump();
    EXPECT_EQ(bar->Max(), 127);
    delete bar;
    EXPECT_EQ(grid->HorzScrollBar()->ExtScrollBar(), nullptr);
    grid->SetLeftCol(grid->LeftCol() + 2);
    grid->SetWidth(400);
    Pump();
    SUCCEED();
}

} // namespace tvtest

namespace tvtest {

using namespace tv;
using namespace tv::win;

TEST_F(DataGridTest, AlwaysShownBarWithNothingToScrollGreysBothArrows) {
    // The bar runs over the records: with one there is nothing to scroll.
    Fill(1);
    grid->SetDataSource(source);
    Pump();
    auto shown = [this] { return (GetWindowLongPtr(grid->WindowHandle(), GWL_STYLE) & WS_VSCROLL) != 0; };
    EXPECT_FALSE(shown()) << "one record: no bar";
    grid->VertScrollBar()->SetVisibleMode(sbAlwaysShowEh);
    Pump();
    ASSERT_TRUE(shown());
    SCROLLBARINFO sbi;
    GetScrollBarInfo(grid->WindowHandle(), OBJID_VSCROLL, &sbi);
    EXPECT_TRUE(sbi.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_TRUE(sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    // A click on its down arrow moves nothing.
    QueueClick((sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2, sbi.rcScrollBar.bottom - 3);
    Pump();
    EXPECT_EQ(data->RecNo(), 1);
    // With more records the arrows come back.
    Fill(3);
    Pump();
    GetScrollBarInfo(grid->WindowHandle(), OBJID_VSCROLL, &sbi);
    EXPECT_FALSE(sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    grid->VertScrollBar()->SetVisibleMode(sbAutoShowEh);
    Pump();
    EXPECT_TRUE(shown());
}

} // namespace tvtest
