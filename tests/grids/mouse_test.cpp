// Selecting, sizing and moving with the mouse; the XOR lines and the cursors.
#include "framework/ui/screen.h"
#include "platform/backend/headless.h"
#include "platform/window/cursor.h"
#include "platform/window/input.h"
#include "textgrid.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;


class GridMouseTest : public GridTest {
protected:
    std::vector<COLORREF> Row(int x0, int x1, int y) {
        std::vector<COLORREF> out;
        for (int x = x0; x < x1; ++x) out.push_back(PixelAt(x, y));
        return out;
    }
    std::vector<COLORREF> Column(int x, int y0, int y1) {
        std::vector<COLORREF> out;
        for (int y = y0; y < y1; ++y) out.push_back(PixelAt(x, y));
        return out;
    }
    // Presses apart in time, so that none is taken for a double click.
    void Press(int x, int y) {
        clock->Advance(1000);
        POINT p = At(x, y);
        MouseDown(p.x, p.y);
    }
    void MoveTo(int x, int y) { POINT p = At(x, y); MoveMouse(p.x, p.y); }
    void Release(int x, int y) { POINT p = At(x, y); MouseUp(p.x, p.y); }
};

TEST_F(GridMouseTest, DraggingSelectsARangeAndShiftClickExtendsIt) {
    POINT a = At(100, 40), b = At(230, 90);  // cells (1,1) and (3,3)
    Drag(a.x, a.y, b.x, b.y);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(grid->GridState(), gsNormal);
    POINT c = At(300, 140);  // cell (4,5)
    InjectKey(VK_SHIFT, true);
    Click(c.x, c.y);
    InjectKey(VK_SHIFT, false);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 4, 5}));
    clock->Advance(1000);
    Click(c.x, c.y);
    EXPECT_EQ(grid->Selection(), (TGridRect{4, 5, 4, 5}));
}

TEST_F(GridMouseTest, DraggingBelowTheGridScrollsOnTheTimer) {
    Press(100, 40);
    MoveTo(100, 230);  // below the client area
    clock->Advance(60);
    Pump();
    clock->Advance(60);
    Pump();
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->Selection().Top, 1);
    Release(100, 230);
    clock->Advance(200);
    Pump();
    EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(GridMouseTest, SizingAColumnDrawsAnXorLineAndSetsTheWidth) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    Pump();
    // Column 2 runs 130..193; its line is at 194.
    MoveTo(194, 10);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit));
    MoveTo(150, 10);
    EXPECT_NE(GetCursor(), Screen->Cursors(crHSplit));

    auto before = Column(214, 30, 190);
    Press(194, 10);
    EXPECT_EQ(grid->GridState(), gsColSizing);
    EXPECT_EQ(grid->SizingIndex(), 2);
    MoveTo(214, 10);
    EXPECT_EQ(grid->SizingPos(), 214);
    EXPECT_NE(Column(214, 30, 190), before);  // the line is there
    Release(214, 10);
    EXPECT_EQ(grid->ColWidths(2), 84);
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridMouseTest, CancellingASizeRemovesTheLineAndKeepsTheWidth) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goRowSizing});
    Pump();
    auto before = Column(174, 30, 190);
    Press(194, 10);
    MoveTo(174, 10);
    EXPECT_NE(Column(174, 30, 190), before);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_EQ(Column(174, 30, 190), before);
    EXPECT_EQ(GetCapture(), nullptr);
    Release(174, 10);
    EXPECT_EQ(grid->ColWidths(2), 64);
    // Rows size in the fixed column: row 1's line is at 49.
    Press(10, 49);
    EXPECT_EQ(grid->GridState(), gsRowSizing);
    MoveTo(10, 60);
    Release(10, 60);
    EXPECT_EQ(grid->RowHeights(1), 35);
}

TEST_F(GridMouseTest, MovingAColumnDrawsTheMovingLineAndCallsColumnMoved) {
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    grid->SetColWidths(2, 50);
    Pump();
    auto before = Row(240, 340, 100);
    Press(150, 10);  // the title of column 2 (130..179)
    EXPECT_EQ(grid->GridState(), gsColMoving);
    MoveTo(280, 10);  // over column 4 (246..309): the line at its right edge
    EXPECT_NE(Row(240, 340, 100), before);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Row(240, 340, 100), before);  // removed, nothing moved
    Release(280, 10);
    EXPECT_TRUE(grid->moved.empty());

    Press(150, 10);
    MoveTo(280, 10);
    Release(280, 10);
    ASSERT_EQ(grid->moved.size(), 1u);
    EXPECT_EQ(grid->moved[0], std::make_pair(2, 4));
    EXPECT_EQ(grid->ColWidths(4), 50);
    EXPECT_EQ(grid->ColWidths(2), 64);
}

TEST_F(GridMouseTest, RowsMoveFromTheFixedColumnAndColumnsFromTheFixedRow) {
    grid->SetOptions(grid->Options() + TGridOptions{goRowMoving, goColMoving});
    grid->SetRowHeights(2, 30);  // row 2 runs 50..79, row 4 106..129
    grid->MoveColRow(1, 2, true, true);
    Pump();
    auto before = Column(200, 95, 140);
    Press(10, 60);
    EXPECT_EQ(grid->GridState(), gsRowMoving);
    MoveTo(10, 115);  // over row 4: the line at its bottom edge
    EXPECT_NE(Column(200, 95, 140), before);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Column(200, 95, 140), before);
    Release(10, 115);
    EXPECT_TRUE(grid->rowsMoved.empty());

    Press(10, 60);
    MoveTo(10, 115);
    Release(10, 115);
    ASSERT_EQ(grid->rowsMoved.size(), 1u);
    EXPECT_EQ(grid->rowsMoved[0], std::make_pair(2, 4));
    EXPECT_EQ(grid->RowHeights(4), 30);
    EXPECT_EQ(grid->RowHeights(2), 24);
    EXPECT_EQ(grid->Row(), 4);  // the current row went with it
    EXPECT_EQ(grid->GridState(), gsNormal);

    // The fixed row moves columns in the same grid; the corner moves nothing.
    Press(150, 10);
    EXPECT_EQ(grid->GridState(), gsColMoving);
    MoveTo(280, 10);
    Release(280, 10);
    EXPECT_EQ(grid->moved, (std::vector<std::pair<int, int>>{{2, 4}}));
    Press(10, 10);
    EXPECT_EQ(grid->GridState(), gsNormal);
    Release(10, 10);
    EXPECT_EQ(grid->rowsMoved.size(), 1u);
    EXPECT_EQ(grid->moved.size(), 1u);
}

TEST_F(GridMouseTest, MovingPastTheEdgeScrollsAndDropsOnTheCellThatCameIntoView) {
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    Pump();
    Press(150, 10);
    MoveTo(420, 10);  // right of the client area
    clock->Advance(60);
    Pump();
    clock->Advance(60);
    Pump();
    EXPECT_EQ(grid->LeftCol(), 3);
    Release(420, 10);
    ASSERT_EQ(grid->moved.size(), 1u);
    EXPECT_EQ(grid->moved[0], std::make_pair(2, 7));
}

TEST_F(GridMouseTest, DoubleClickFiresDblClickOnce) {
    int dbl = 0;
    grid->OnDblClick = [&](TObject*) { ++dbl; };
    POINT p = At(100, 40);
    DoubleClick(p.x, p.y);
    EXPECT_EQ(dbl, 1);
}

} // namespace tvtest
