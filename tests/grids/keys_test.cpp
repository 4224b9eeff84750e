// Moving the current cell with the keys, selections and the current-cell setters.
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "textgrid.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

namespace {
TGridRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
} // namespace

TEST_F(GridTest, ArrowsSkipHiddenColumnsAndStopAtTheEdges) {
    grid->SetColWidths(2, -1);
    grid->SetColWidths(9, 0);
    struct Step {
        int vk;
        bool ctrl;
        int col, row;
    } steps[] = {
        {VK_LEFT, false, 1, 1},   // already at the first scrolled column
        {VK_UP, false, 1, 1},     // and the first scrolled row
        {VK_RIGHT, false, 3, 1},  // over the hidden column 2
        {VK_LEFT, false, 1, 1},
        {VK_END, false, 8, 1},    // the last column that takes room
        {VK_RIGHT, false, 8, 1},
        {VK_HOME, false, 1, 1},
        {VK_NEXT, false, 1, 8},   // a page of 7 rows
        {VK_DOWN, false, 1, 9},
        {VK_DOWN, false, 1, 9},
        {VK_HOME, true, 1, 1},
        {VK_END, true, 8, 9},
    };
    for (const Step& s : steps) {
        PressKey(s.vk, false, s.ctrl);
        EXPECT_EQ(grid->Col(), s.col) << s.vk;
        EXPECT_EQ(grid->Row(), s.row) << s.vk;
    }
    // The last cell is in view: the top row is the largest that shows row 9 whole.
    EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(GridTest, CtrlUpAndDownScrollWithoutMovingTheCell) {
    PressKey(VK_DOWN, false, true);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->Row(), 1);
    PressKey(VK_UP, false, true);
    PressKey(VK_UP, false, true);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridTest, TabWalksTheTabStopsAndWraps) {
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    grid->SetTabStops(2, false);
    PressKey(VK_TAB);
    EXPECT_EQ(grid->Col(), 3);
    grid->MoveColRow(9, 1, true, true);
    PressKey(VK_TAB);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 2}));
    PressKey(VK_TAB, true);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{9, 1}));
    // Without goTabs the dialog keeps Tab.
    grid->SetOptions(grid->Options() - TGridOptions{goTabs});
    PressKey(VK_TAB);
    EXPECT_EQ(grid->Col(), 9);
}

TEST_F(GridTest, ShiftExtendsTheSelectionFromTheAnchor) {
    PressKey(VK_DOWN, true);
    PressKey(VK_DOWN, true);
    PressKey(VK_RIGHT, true);
    EXPECT_EQ(grid->Selection(), Rect(1, 1, 2, 3));
    PressKey(VK_UP, true);
    EXPECT_EQ(grid->Selection(), Rect(1, 1, 2, 2));
    PressKey(VK_DOWN);
    EXPECT_EQ(grid->Selection(), Rect(2, 3, 2, 3));
    // Without goRangeSelect, Shift moves the cell alone.
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    PressKey(VK_DOWN, true);
    EXPECT_EQ(grid->Selection(), Rect(2, 4, 2, 4));
}

TEST_F(GridTest, MoveColRowWithAndWithoutTheAnchor) {
    grid->MoveColRow(3, 4, true, false);
    EXPECT_EQ(grid->Selection(), Rect(3, 4, 3, 4));
    grid->MoveColRow(5, 6, false, false);
    EXPECT_EQ(grid->Selection(), Rect(3, 4, 5, 6));
    EXPECT_EQ(grid->Col(), 5);
    // Not shown: the view stays; shown: the cell comes into view.
    grid->MoveColRow(8, 9, true, false);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->LeftCol(), 1);
    grid->MoveColRow(8, 9, true, true);
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->LeftCol(), 4);
    grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    EXPECT_EQ(grid->Selection(), Rect(1, 9, 9, 9));
    EXPECT_THROW(grid->MoveColRow(10, 1, true, true), EInvalidGridOperation);
}

TEST_F(GridTest, SelectCellCanRefuseAMove) {
    grid->OnSelectCell = [](TObject*, int col, int, bool& can) { can = col != 3; };
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    grid->SetCol(3);
    EXPECT_EQ(grid->Col(), 1);
    PressKey(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(clicks, 1);
    // A descendant may still put the cell there directly, fixed cells too.
    grid->SetCurrentDirect(0, 0);
    EXPECT_EQ(grid->Selection(), Rect(0, 0, 0, 0));
}

} // namespace tvtest
