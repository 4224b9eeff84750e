// Drawing information, cell rectangles and the cell under a point.
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "textgrid.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

TEST_F(GridTest, DrawInfoOfTheFixedAndTheScrolledPart) {
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    EXPECT_EQ(info.Horz.EffectiveLineWidth, 1);
    EXPECT_EQ(info.Horz.FixedCellCount, 1);
    EXPECT_EQ(info.Horz.FixedBoundary, 65);
    EXPECT_EQ(info.Horz.FirstGridCell, 1);
    EXPECT_EQ(info.Horz.GridExtent, 400);
    // Columns 1..5 end at 390; column 6 is cut at the client's edge.
    EXPECT_EQ(info.Horz.LastFullVisibleCell, 5);
    EXPECT_EQ(info.Horz.FullVisBoundary, 390);
    EXPECT_EQ(info.Horz.GridBoundary, 400);
    // Rows 1..7 end exactly at 200 (the last line may fall outside).
    EXPECT_EQ(info.Vert.FixedBoundary, 25);
    EXPECT_EQ(info.Vert.LastFullVisibleCell, 7);
    EXPECT_EQ(info.Vert.GridBoundary, 200);
    EXPECT_EQ(grid->VisibleColCount(), 5);
    EXPECT_EQ(grid->VisibleRowCount(), 7);

    grid->SetOptions(grid->Options() - TGridOptions{goFixedVertLine, goVertLine});
    grid->CalcDrawInfo(info);
    EXPECT_EQ(info.Horz.EffectiveLineWidth, 0);
    EXPECT_EQ(info.Horz.FixedBoundary, 64);
    EXPECT_EQ(info.Vert.EffectiveLineWidth, 1);
}

TEST_F(GridTest, ScrolledAndHiddenColumnsTakeNoRoom) {
    grid->SetColWidths(4, -1);
    grid->SetLeftCol(3);
    grid->SetTopRow(2);
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    EXPECT_EQ(info.Horz.FirstGridCell, 3);
    EXPECT_EQ(info.Horz.LastFullVisibleCell, 8);
    EXPECT_EQ(info.Horz.FullVisBoundary, 390);
    EXPECT_EQ(info.Vert.FirstGridCell, 2);

    struct Case {
        int l, t, r, b;
        RECT want;
    } cases[] = {
        {3, 2, 3, 2, {65, 25, 129, 49}},   // first scrolled cell, right after the fixed ones
        {5, 3, 5, 3, {130, 50, 194, 74}},  // the hidden column 4 before it adds nothing
        {4, 2, 4, 2, {0, 0, 0, 0}},        // hidden
        {2, 2, 2, 2, {0, 0, 0, 0}},        // scrolled out to the left
        {0, 0, 5, 0, {0, 0, 194, 24}},     // fixed to scrolled; the scrolled-out ones are left out
        {0, 0, 2, 1, {0, 0, 64, 24}},      // fixed plus scrolled-out: only the fixed part shows
        {9, 2, 9, 2, {390, 25, 400, 49}},  // cut at the client's edge
    };
    for (const Case& c : cases) {
        RECT r = grid->BoxRect(c.l, c.t, c.r, c.b);
        EXPECT_EQ(r.left, c.want.left) << c.l << "," << c.t;
        EXPECT_EQ(r.top, c.want.top) << c.l << "," << c.t;
        EXPECT_EQ(r.right, c.want.right) << c.l << "," << c.t;
        EXPECT_EQ(r.bottom, c.want.bottom) << c.l << "," << c.t;
    }
    EXPECT_EQ(grid->MouseCoord(131, 51), (TGridCoord{5, 3}));
    EXPECT_EQ(grid->MouseCoord(129, 51), (TGridCoord{3, 3}));  // the line after column 3
    EXPECT_EQ(grid->MouseCoord(10, 10), (TGridCoord{0, 0}));
    EXPECT_EQ(grid->MouseCoord(395, 199), (TGridCoord{9, 8}));
    EXPECT_EQ(grid->MouseCoord(-1, 10), (TGridCoord{-1, -1}));
}

TEST_F(GridTest, PointsPastTheLastCellHitNothing) {
    grid->SetColCount(3);
    grid->SetRowCount(2);
    EXPECT_EQ(grid->GridWidth(), 195);
    EXPECT_EQ(grid->MouseCoord(300, 10), (TGridCoord{-1, -1}));
    EXPECT_EQ(grid->MouseCoord(100, 60), (TGridCoord{-1, -1}));
}

TEST_F(GridTest, CountsSizesAndTheirLimits) {
    grid->MoveColRow(5, 8, true, true);
    grid->SetRowCount(4);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_THROW(grid->SetFixedCols(10), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedRows(-1), EInvalidGridOperation);
    EXPECT_THROW(grid->SetColWidths(10, 5), EInvalidGridOperation);
    grid->SetColCount(1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Col(), 0);

    grid->SetRowHeights(2, 50);
    grid->SetDefaultRowHeight(24);  // the same value still resets every row
    EXPECT_EQ(grid->RowHeights(2), 24);
    grid->SetColCount(4);
    EXPECT_EQ(grid->ColWidths(3), 64);
    EXPECT_TRUE(grid->TabStops(3));
}

TEST_F(GridTest, PaintsCellsLinesAndTheFixedColour) {
    Pump();
    // Inside a data cell the window colour, in the fixed row the button face,
    // on the data line between two cells silver.
    EXPECT_EQ(PixelAt(100, 40), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(100, 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(129, 40), ColorToRGB(clSilver));
}

TEST_F(GridTest, ScalingSizesTheCellsAndMovesTheEditorWithThem) {
    grid->SetColWidths(3, -1);
    grid->SetRowHeights(2, 30);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    PressKey(VK_F2);
    ASSERT_TRUE(grid->InplaceEditor()->Visible());
    grid->ChangeScale(5, 4);
    EXPECT_EQ(grid->Width(), 500);
    EXPECT_EQ(grid->DefaultColWidth(), 80);
    EXPECT_EQ(grid->ColWidths(1), 80);
    EXPECT_EQ(grid->ColWidths(3), -1);  // still hidden
    EXPECT_EQ(grid->RowHeights(2), 38);  // 37.5
    EXPECT_EQ(grid->RowHeights(1), 30);
    RECT cell = grid->CellRect(1, 1);
    EXPECT_TRUE(grid->InplaceEditor()->PosEqual(cell));
    EXPECT_EQ(cell.right - cell.left, 80);
}

} // namespace tvtest
