// A grid that reads right to left: its columns run from the right edge, the
// texts of each cell stand mirrored but read the right way round, presses and
// arrows follow the screen, and the cell editor keeps its buttons at the left.
#include <cairo.h>

#include "mousefixture.h"

#include "framework/ui/application.h"
#include "framework/ui/hintwindow.h"
#include "grid/gridinplaceedit.h"
#include "grid/treememtable.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class RightToLeftGridTest : public GridMouseTest {
protected:
    void SetUp() override {
        GridMouseTest::SetUp();
        Col(0)->SetWidth(80);
        Col(1)->SetWidth(160);
        grid->SetBiDiMode(bdRightToLeft);
        Pump();
    }
    // The first and last client x of dark (text) pixels inside a rectangle
    // of the grid's client area; (-1, -1) when there are none.
    std::pair<int, int> Ink(RECT r) {
        UpdateAllWindows();
        cairo_surface_t* s = GetDesktopSurface();
        cairo_surface_flush(s);
        const unsigned char* d = cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s);
        std::pair<int, int> span{-1, -1};
        for (int y = r.top + 1; y < r.bottom - 1; ++y)
            for (int x = r.left + 1; x < r.right - 1; ++x) {
                POINT p = grid->ClientToScreen({x, y});
                const unsigned char* px = d + p.y * stride + p.x * 4;
                if (px[0] + px[1] + px[2] > 3 * 90) continue;
                if (span.first < 0 || x < span.first) span.first = x;
                span.second = std::max(span.second, x);
            }
        return span;
    }
    int Row3() { return grid->TitleRowCount() + 2; }
};

TEST_F(RightToLeftGridTest, ColumnsRunFromTheRightEdgeAndPressesFollowThem) {
    int w = grid->ClientWidth();
    RECT indicator = grid->CellRect(0, Row3());
    RECT code = grid->CellRect(1, Row3()), name = grid->CellRect(2, Row3());
    EXPECT_EQ(indicator.right, w);
    EXPECT_LT(code.right, indicator.left + 1);
    EXPECT_LT(name.right, code.left + 1);
    EXPECT_EQ(code.right - code.left, 80);
    // The grid says which cell lies under a point of the screen.
    TGridCoord at = grid->MouseCoord(name.left + 5, name.top + 5);
    EXPECT_EQ(at.X, 2);
    EXPECT_EQ(at.Y, Row3());
    ClickCell(2, Row3());
    ExpectInStep(3);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    // The scroll bar stands at the left.
    EXPECT_TRUE(GetWindowLong(grid->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
}

TEST_F(RightToLeftGridTest, TextsStandMirroredInTheirCells) {
    struct Case {
        int gridCol;
        TBiDiMode grid, column; // the column follows the grid unless it says otherwise
        bool inkAtRight;
    } cases[] = {
        {2, bdRightToLeft, bdRightToLeft, true},  // a name, left-justified: at the cell's right
        {1, bdRightToLeft, bdRightToLeft, false}, // a number, right-justified: at the left
        {2, bdRightToLeft, bdLeftToRight, false}, // a column that reads left to right keeps its side
        {2, bdLeftToRight, bdLeftToRight, false},
        {1, bdLeftToRight, bdLeftToRight, true},
    };
    for (const Case& c : cases) {
        grid->SetBiDiMode(c.grid);
        Col(c.gridCol - 1)->SetBiDiMode(c.column);
        Pump();
        RECT r = grid->CellRect(c.gridCol, Row3());
        auto [first, last] = Ink(r);
        ASSERT_GE(first, 0) << c.gridCol;
        int middle = (r.left + r.right) / 2;
        if (c.inkAtRight) {
            EXPECT_GT(first, middle) << c.gridCol << " " << c.grid << c.column;
            EXPECT_GE(last, r.right - 8) << c.gridCol << " " << c.grid << c.column;
        } else {
            EXPECT_LT(last, middle) << c.gridCol << " " << c.grid << c.column;
            EXPECT_LE(first, r.left + 8) << c.gridCol << " " << c.grid << c.column;
        }
    }
}

TEST_F(RightToLeftGridTest, TheArrowsFollowTheScreen) {
    for (TBiDiMode mode : {bdRightToLeft, bdLeftToRight}) {
        grid->SetBiDiMode(mode);
        grid->SetSelectedIndex(0);
        PressKey(VK_LEFT);
        EXPECT_EQ(grid->SelectedIndex(), mode == bdRightToLeft ? 1 : 0);
        grid->SetSelectedIndex(1);
        PressKey(VK_RIGHT);
        EXPECT_EQ(grid->SelectedIndex(), mode == bdRightToLeft ? 0 : 1);
    }
}

TEST_F(RightToLeftGridTest, EditButtonsStandAtTheCellsLeftAndThePressThereOpensTheEditor) {
    Col(1)->PickList()->Add("Arroz");
    Col(1)->PickList()->Add("Sal");
    Col(1)->SetAlwaysShowEditButton(true);
    Pump();
    RECT r = grid->CellRect(2, Row3());
    int band = Col(1)->EditButtonsWidth();
    // The button's face (grey) fills the left end of the cell.
    EXPECT_EQ(PixelAt(r.left + band / 2, r.top + 3), ColorToRGB(clBtnFace));
    EXPECT_NE(PixelAt(r.right - band / 2, r.top + 3), ColorToRGB(clBtnFace));
    POINT p = grid->ClientToScreen({r.left + band / 2, (r.top + r.bottom) / 2});
    QueueClick(p.x, p.y);
    Pump();
    ASSERT_TRUE(grid->InplaceEditorVisible());
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    ASSERT_NE(editor, nullptr);
    // The editor reads right to left too, its button at its left edge.
    EXPECT_EQ(editor->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(GetWindowLong(editor->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
    ASSERT_NE(editor->ButtonControl(0), nullptr);
    EXPECT_EQ(editor->ButtonControl(0)->Left(), 0);
}

TEST_F(RightToLeftGridTest, ACutOffTextsTipLiesOverTheCellsRightEnd) {
    grid->SetShowHint(true);
    Col(1)->SetWidth(30);
    Col(1)->SetToolTips(true);
    Pump();
    int row = grid->TitleRowCount() + 6; // Lentejas
    RECT cell = grid->CellRect(2, row);
    POINT p = CellPoint(2, row);
    QueueMouseMove(p.x, p.y);
    Pump();
    clock->Advance(Application->HintPause() + 10);
    Pump();
    THintWindow* tip = Application->HintWindow();
    ASSERT_TRUE(tip && tip->HandleAllocated() && IsWindowVisible(tip->WindowHandle()));
    EXPECT_EQ(tip->Caption(), "Lentejas");
    // The text stands at the cell's right: the tip ends there and runs out to the left.
    RECT r;
    GetWindowRect(tip->WindowHandle(), &r);
    POINT right = grid->ClientToScreen({cell.right, cell.top});
    EXPECT_LE(std::abs(r.right - right.x), 3) << r.left << " " << r.right << " " << right.x << " " << grid->ClientWidth();
    EXPECT_LT(r.left, grid->ClientToScreen({cell.left, 0}).x);
}

TEST_F(RightToLeftGridTest, ANodesButtonIsPressedWhereItIsDrawnAtTheCellsRight) {
    auto* tree = new TTreeMemTableEh(form);
    tree->FieldDefs().Add("ID", ftInteger);
    tree->FieldDefs().Add("PADRE", ftInteger);
    tree->FieldDefs().Add("NOMBRE", ftString, 20);
    tree->SetKeyFieldName("ID");
    tree->SetParentFieldName("PADRE");
    tree->CreateDataSet();
    for (auto [id, parent, name] : {std::tuple{1, 0, "Granos"}, {2, 1, "Arroz"}, {3, 0, "Aseo"}}) {
        tree->Append();
        tree->FieldByName("ID")->SetAsInteger(id);
        if (parent) tree->FieldByName("PADRE")->SetAsInteger(parent);
        tree->FieldByName("NOMBRE")->SetAsString(name);
        tree->Post();
    }
    tree->First();
    grid->Columns()->Clear();
    grid->Columns()->Add()->SetFieldName("NOMBRE");
    auto* treeSource = new TDataSource(form);
    treeSource->SetDataSet(tree);
    grid->SetDataSource(treeSource);
    Pump();
    ASSERT_EQ(tree->RecordCount(), 2); // "Arroz" is folded under "Granos"
    // The left end of a cell is no button; its right end is.
    RECT aseo = grid->CellRect(1, grid->TitleRowCount() + 1);
    POINT p = grid->ClientToScreen({aseo.left + 9, (aseo.top + aseo.bottom) / 2});
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(tree->RecordCount(), 2);
    EXPECT_EQ(tree->FieldByName("NOMBRE")->AsString(), "Aseo");
    clock->Advance(1000);
    RECT cell = grid->CellRect(1, grid->TitleRowCount());
    p = grid->ClientToScreen({cell.right - 9, (cell.top + cell.bottom) / 2});
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(tree->RecordCount(), 3);
    // With the editor open on the node the button there still closes it.
    clock->Advance(1000);
    PressKey(VK_F2, false, false);
    Pump();
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(tree->RecordCount(), 2);
    EXPECT_EQ(tree->FieldByName("NOMBRE")->AsString(), "Granos");
}

} // namespace tvtest
