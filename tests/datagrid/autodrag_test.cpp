// Automatic dragging of selected records: with DragMode dmAutomatic and
// dgMultiSelect a press on a selected cell drags at the next move (onto
// another grid, cancelled with Esc), a press that never moves is a click on
// the selection, and a press elsewhere selects as always.
#include "mousefixture.h"

#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class AutoDragTest : public GridMouseTest {
protected:
    void SetUp() override {
        GridMouseTest::SetUp();
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
        grid->SetDragMode(dmAutomatic);
        other = new TDBGridEh(form);
        other->SetName("Destino");
        other->SetBounds(505, 0, 120, 300);
        other->SetParent(form);
        for (int rec : {3, 4}) {
            data->SetRecNo(rec);
            grid->SelectedBookmarks().SetCurrentRowSelected(true);
        }
        data->SetRecNo(1);
        Pump();
        grid->OnStartDrag = [this](TObject*, TDragObject*&) { seen.push_back("start"); };
        grid->OnEndDrag = [this](TObject*, TObject* target, int, int) {
            seen.push_back(std::string("end ") + (target == other ? "other" : target ? "?" : "none"));
        };
        other->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState st, bool& accept) {
            if (st == dsDragEnter) seen.push_back(source == grid ? "enter grid" : "enter ?");
            accept = source == grid;
        };
        other->OnDragDrop = [this](TObject*, TObject* source, int, int) {
            auto* g = dynamic_cast<TDBGridEh*>(source);
            seen.push_back("drop " + std::to_string(g ? g->SelectedBookmarks().SelectedCount() : -1));
        };
    }
    int RowOf(int recNo) { return grid->TitleRowCount() + recNo - 1; }
    POINT Target() { return other->ClientToScreen({60, 100}); }
    int Selected() { return grid->SelectedBookmarks().SelectedCount(); }
    std::vector<std::string> seen;
    TDBGridEh* other = nullptr;
};

TEST_F(AutoDragTest, APressOnTheSelectionDragsItOntoAnotherGrid) {
    POINT from = CellPoint(2, RowOf(3)), to = Target();
    QueueMouseDown(from.x, from.y);
    Pump();
    EXPECT_TRUE(seen.empty()); // the press alone drags nothing yet
    ExpectInStep(3);
    QueueMouseMove(from.x + 1, from.y);
    QueueMouseMove(to.x, to.y);
    Pump();
    EXPECT_TRUE(grid->Dragging());
    QueueMouseUp(to.x, to.y);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"start", "enter grid", "drop 2", "end other"}));
    EXPECT_FALSE(grid->Dragging());
    EXPECT_EQ(Selected(), 2); // the dragged selection stays
    EXPECT_EQ(grid->DragMode(), dmAutomatic);
}

TEST_F(AutoDragTest, EscOverTheTargetCancelsTheDrag) {
    POINT from = CellPoint(2, RowOf(4)), to = Target();
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(from.x + 1, from.y);
    QueueMouseMove(to.x, to.y);
    QueueKey(VK_ESCAPE);
    QueueMouseUp(to.x, to.y);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"start", "enter grid", "end none"}));
    EXPECT_EQ(Selected(), 2);
    ExpectInStep(4);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(AutoDragTest, APressThatNeverMovesIsAClickOnTheSelection) {
    ClickCell(2, RowOf(3));
    EXPECT_TRUE(seen.empty());
    ExpectInStep(3);
    EXPECT_EQ(Selected(), 0); // dghClearSelection: a click clears it
    // With Ctrl the click toggles the pressed record instead.
    for (int rec : {3, 4}) {
        data->SetRecNo(rec);
        grid->SelectedBookmarks().SetCurrentRowSelected(true);
    }
    InjectKey(VK_CONTROL, true);
    ClickCell(2, RowOf(4));
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Selected(), 1);
    EXPECT_FALSE(grid->SelectedBookmarks().CurrentRowSelected());
}

TEST_F(AutoDragTest, APressOutsideTheSelectionSelectsByDraggingAsAlways) {
    POINT from = CellPoint(2, RowOf(6)), to = CellPoint(2, RowOf(8));
    QueueDrag(from.x, from.y, to.x, to.y);
    Pump();
    EXPECT_TRUE(seen.empty());
    ExpectInStep(8);
    EXPECT_EQ(Selected(), 3); // records 6 to 8
}

TEST_F(AutoDragTest, WithoutMultiSelectAnyPressDragsAtOnce) {
    grid->SetOptions(grid->Options() - TDBGridOptions{dgMultiSelect, dgRowSelect});
    POINT from = CellPoint(2, RowOf(6)), to = Target();
    QueueDrag(from.x, from.y, to.x, to.y);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"start", "enter grid", "drop 0", "end other"}));
    // The press went to the drag: the grid did not move to the pressed record.
    ExpectInStep(1);
}

} // namespace tvtest
