// Tool tips of the grid: a cut-off cell or title shows its whole text over
// the cell as soon as the mouse rests on it; a text that fits shows none.
#include "mousefixture.h"

#include "framework/ui/application.h"
#include "framework/ui/hintwindow.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class ToolTipsTest : public GridMouseTest {
protected:
    void SetUp() override {
        GridMouseTest::SetUp();
        grid->SetShowHint(true);
        Col(1)->SetWidth(30);
        Col(1)->SetToolTips(true);
        Col(0)->SetToolTips(true);
        Pump();
    }
    // The tip shown after the mouse rests over a point of a cell, or "" for none.
    std::string TipAt(int col, int row, int dx = -1) {
        POINT p = CellPoint(col, row, dx);
        QueueMouseMove(p.x, p.y);
        Pump();
        clock->Advance(Application->HintPause() + 10);
        Pump();
        THintWindow* w = Application->HintWindow();
        if (!w || !w->HandleAllocated() || !IsWindowVisible(w->WindowHandle())) return "";
        return w->Caption();
    }
    void MoveAway() {
        POINT p = form->ClientToScreen({560, 20}); // the form beside the grid
        QueueMouseMove(p.x, p.y);
        Pump();
        clock->Advance(5000);
        Pump();
    }
};

TEST_F(ToolTipsTest, CutOffDataCellsShowTheirTextAndFittingOnesNone) {
    int row = grid->TitleRowCount() + 6; // Lentejas
    EXPECT_EQ(TipAt(2, row), "Lentejas");
    // Over the next cut-off cell of the same column the tip follows at once.
    POINT p = CellPoint(2, row - 1);
    QueueMouseMove(p.x, p.y);
    Pump();
    clock->Advance(10);
    Pump();
    EXPECT_EQ(Application->HintWindow()->Caption(), "Azúcar");
    // The tip is the whole text, in a tip window of the grid's kind.
    EXPECT_EQ(Application->HintWindow()->ClassName(), "TToolTipsWindow");
    MoveAway();
    EXPECT_EQ(TipAt(1, row), "") << "a code fits its cell";
    MoveAway();
    // Without tool tips the cell shows nothing; the dataset's record did not move.
    Col(1)->SetToolTips(false);
    EXPECT_EQ(TipAt(2, row), "");
    ExpectInStep(1);
}

TEST_F(ToolTipsTest, TitlesShowTheirHintOrTheirCutOffCaption) {
    Col(1)->Title()->SetCaption("Nombre del artículo");
    Col(1)->Title()->SetToolTips(true);
    EXPECT_EQ(TipAt(2, 0), "Nombre del artículo");
    MoveAway();
    Col(1)->Title()->SetHint("Como se vende|Nombre comercial");
    EXPECT_EQ(TipAt(2, 0), "Como se vende");
}

TEST_F(ToolTipsTest, RightAlignedTextCutByTheGridsEdgeShowsATip) {
    Col(1)->SetWidth(60);
    TColumnEh* price = grid->Columns()->Add();
    price->SetFieldName("CODIGO");
    price->SetAlignment(taRightJustify);
    price->SetToolTips(true);
    Pump();
    // The last column runs past the right edge so that its right-aligned text is hidden.
    int left = grid->CellRect(3, 1).left;
    price->SetWidth(grid->ClientWidth() - left + 40);
    Pump();
    EXPECT_EQ(TipAt(3, grid->TitleRowCount() + 2, 5), "3");
}

} // namespace tvtest
