// A grid over a tree table: node buttons drawn in the first column, nodes
// opened and closed by a click on their button and by the numpad keys, and
// records moved with their branches by dragging the indicator.
#include "framework/ui/application.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/stdctrls/inplaceedit.h"
#include "grid/treememtable.h"
#include "gridfixture.h"
#include "platform/backend/headless.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"
#include "support/headless_ui.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class TreeAreaTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        tree = new TTreeMemTableEh(form);
        tree->FieldDefs().Add("ID", ftInteger);
        tree->FieldDefs().Add("PADRE", ftInteger);
        tree->FieldDefs().Add("NOMBRE", ftString, 20);
        tree->SetKeyFieldName("ID");
        tree->SetParentFieldName("PADRE");
        tree->CreateDataSet();
        struct Row {
            int id, parent;
            const char* name;
        };
        for (Row r : {Row{1, 0, "Bebidas"}, Row{2, 1, "Gaseosas"}, Row{3, 1, "Jugos"}, Row{4, 0, "Granos"},
                      Row{5, 4, "Arroz"}, Row{6, 4, "Fríjol"}, Row{7, 0, "Aseo"}}) {
            tree->Append();
            tree->FieldByName("ID")->SetAsInteger(r.id);
            if (r.parent) tree->FieldByName("PADRE")->SetAsInteger(r.parent);
            tree->FieldByName("NOMBRE")->SetAsString(r.name);
            tree->Post();
        }
        tree->First();
        source->SetDataSet(tree);
        for (const char* f : {"NOMBRE", "ID"}) grid->Columns()->Add()->SetFieldName(f);
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> names;
        TBookmark here = tree->Bookmark();
        tree->DisableControls();
        for (tree->First(); !tree->Eof(); tree->Next()) names.push_back(tree->FieldByName("NOMBRE")->AsString());
        tree->GotoBookmark(here);
        tree->EnableControls();
        return names;
    }
    std::string Current() { return tree->FieldByName("NOMBRE")->AsString(); }
    // The first data column's cell of the row showing `name`.
    RECT CellOf(const std::string& name) {
        int above = grid->TitleRowCount();
        for (int r = grid->FirstShownDataRow(); r < grid->ShownRecordCount(); ++r) {
            TGridActiveRowGuard row(*grid, r);
            if (tree->FieldByName("NOMBRE")->AsString() == name)
                return grid->CellRect(grid->IndicatorOffset(), r + above);
        }
        ADD_FAILURE() << name << " is not shown";
        return {};
    }
    // The client x of a point `offset` pixels into the tree area of a cell
    // (from its right edge in a right-to-left grid).
    int TreeX(RECT cell, int offset) {
        return grid->UseRightToLeftAlignment() ? cell.right - 1 - offset : cell.left + offset;
    }
    // The centre of the node button of a record at `level`.
    POINT Button(const std::string& name, int level) {
        RECT cell = CellOf(name);
        return grid->ClientToScreen({TreeX(cell, (level - 1) * 18 + 9), (cell.top + cell.bottom) / 2});
    }
    // Black pixels down the middle of a node's box: 1 for a minus, 5 for a plus.
    int SignPixels(const std::string& name, int level) {
        RECT cell = CellOf(name);
        int x = TreeX(cell, (level - 1) * 18 + 9), y0 = (cell.top + cell.bottom) / 2, black = 0;
        for (int y = y0 - 5; y <= y0 + 5; ++y)
            if (PixelAt(x, y) == 0) ++black;
        return black;
    }
    void Key(int vk) {
        PressKey(vk, false, false);
        Pump();
    }
    void Drag(const std::string& from, const std::string& to) {
        RECT a = CellOf(from), b = CellOf(to);
        RECT ia = grid->CellRect(0, 0);
        int x = (ia.left + ia.right) / 2;
        POINT pa = grid->ClientToScreen({x, (a.top + a.bottom) / 2}), pb = grid->ClientToScreen({x, (b.top + b.bottom) / 2});
        QueueDrag(pa.x, pa.y, pb.x, pb.y);
        Pump();
        clock->Advance(1000);  // the next press is not a double click
    }

    TTreeMemTableEh* tree = nullptr;
};

TEST_F(TreeAreaTest, NodesOpenByTheirButtonAndByTheNumpadKeys) {
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Granos", "Aseo"}));
    EXPECT_EQ(grid->GetTreeIndent(), 18);
    EXPECT_EQ(SignPixels("Bebidas", 1), 5);
    EXPECT_EQ(SignPixels("Aseo", 1), 0);  // no children: no box

    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Aseo"}));
    EXPECT_EQ(SignPixels("Bebidas", 1), 1);
    // A child's text starts after two levels.
    tree->Locate("NOMBRE", Variant(std::string("Jugos")), {});
    Pump();
    EXPECT_EQ(grid->GetTreeIndent(), 36);

    // The keys act on the current node and keep it current.
    tree->Locate("NOMBRE", Variant(std::string("Granos")), {});
    Pump();
    Key(VK_ADD);
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Arroz", "Fríjol", "Aseo"}));
    EXPECT_EQ(Current(), "Granos");
    Key(VK_SUBTRACT);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Aseo"}));
    Key(VK_MULTIPLY);
    EXPECT_EQ(Shown().size(), 7u);
    EXPECT_EQ(Current(), "Granos");

    // A click beside the indent is an ordinary click: the node stays open.
    p = Button("Bebidas", 1);
    QueueClick(p.x + 40, p.y);
    Pump();
    EXPECT_EQ(Current(), "Bebidas");
    EXPECT_EQ(Shown().size(), 7u);
    // Clicked closed, the node keeps the current record on itself.
    p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Granos", "Arroz", "Fríjol", "Aseo"}));
    EXPECT_EQ(Current(), "Bebidas");
}

TEST_F(TreeAreaTest, ARecordMovesWithItsBranchToTheLevelOfItsDrop) {
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    // Dropped on a child of Bebidas: it becomes one, before it.
    Drag("Aseo", "Gaseosas");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Aseo", "Gaseosas", "Jugos", "Granos"}));
    tree->Locate("NOMBRE", Variant(std::string("Aseo")), {});
    EXPECT_EQ(tree->FieldByName("PADRE")->AsInteger(), 1);
    // A closed node takes its hidden children along.
    Drag("Granos", "Bebidas");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Granos", "Bebidas", "Aseo", "Gaseosas", "Jugos"}));
    tree->FullExpand();
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{"Granos", "Arroz", "Fríjol", "Bebidas", "Aseo", "Gaseosas", "Jugos"}));
    tree->Locate("NOMBRE", Variant(std::string("Granos")), {});
    EXPECT_TRUE(tree->FieldByName("PADRE")->IsNull());
}

TEST_F(TreeAreaTest, ALevelThatWouldSplitABranchIsRefused) {
    tree->FullExpand();
    TBookmarkListEh one(grid, {});
    tree->Locate("NOMBRE", Variant(std::string("Aseo")), {});
    TBookmarkListEh aseo(grid, {tree->Bookmark()});
    // Before Arroz (record 5) only level 2 keeps Arroz under Granos.
    int scrolls = 0;
    tree->AfterScroll = [&](TDataSet*) { ++scrolls; };
    EXPECT_FALSE(tree->MoveRecords(&aseo, 5, 1, true));
    EXPECT_TRUE(tree->MoveRecords(&aseo, 5, 2, true));
    EXPECT_FALSE(tree->MoveRecords(&aseo, 5, 3, true));
    EXPECT_EQ(scrolls, 0) << "a check moves no cursor: the grid would repaint over its drop marker";
    tree->AfterScroll = nullptr;
    // Into its own branch a node cannot go; where it stands, it may go one level down.
    tree->Locate("NOMBRE", Variant(std::string("Granos")), {});
    TBookmarkListEh granos(grid, {tree->Bookmark()});
    EXPECT_FALSE(tree->MoveRecords(&granos, 5, 2, true));
    EXPECT_FALSE(tree->MoveRecords(&granos, 6, 2, true));
    EXPECT_TRUE(tree->MoveRecords(&granos, 4, 2, false));
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Arroz", "Fríjol", "Aseo"}));
    tree->Locate("NOMBRE", Variant(std::string("Granos")), {});
    EXPECT_EQ(tree->FieldByName("PADRE")->AsInteger(), 1);
    EXPECT_FALSE(tree->MoveRecords(&one, 1, 1, true));
}

TEST_F(TreeAreaTest, WithoutATreeViewThereIsNoIndent) {
    tree->SetTreeViewActive(false);
    Pump();
    EXPECT_EQ(grid->GetTreeIndent(), 0);
    EXPECT_EQ(Shown().size(), 7u);
}

// With the cell editor open on a node, the node's button beside the text
// still opens and closes the node, and the text keeps clear of the tree.
TEST_F(TreeAreaTest, TheOpenEditorLeavesTheNodesButtonToTheTree) {
    Key(VK_F2);
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    RECT text{};
    SendMessage(editor->WindowHandle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_GE(text.left, 18);
    EXPECT_EQ(SignPixels("Bebidas", 1), 5) << "the closed node's plus shows through the editor";
    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Aseo"}));
    EXPECT_EQ(Current(), "Bebidas");
    clock->Advance(1000);
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(SignPixels("Bebidas", 1), 1);
    p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Granos", "Aseo"}));
    // Beside the button the press is the editor's own.
    clock->Advance(1000);
    QueueClick(p.x + 40, p.y);
    Pump();
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_TRUE(editor->Visible());
}

// Right to left the tree stands at the cells' right: the drop marker runs
// from the level the mouse shows to the grid's left edge, clear of the
// indicator, and the record lands at that level.
TEST_F(TreeAreaTest, RightToLeftTheDropMarkerRunsFromTheTreeToTheLeftEdge) {
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
    Pump();
    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    clock->Advance(1000);
    ASSERT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Aseo"}));
    RECT target = CellOf("Gaseosas"), source = CellOf("Aseo");
    RECT indicator = grid->CellRect(0, grid->TitleRowCount());
    int y = target.top + 1;
    std::vector<COLORREF> before;
    for (int x = 0; x < grid->ClientWidth(); ++x) before.push_back(PixelAt(x, y));
    int ix = (indicator.left + indicator.right) / 2;
    POINT from = grid->ClientToScreen({ix, (source.top + source.bottom) / 2});
    POINT to = grid->ClientToScreen({ix, (target.top + target.bottom) / 2});
    QueueMouseDown(from.x, from.y);
    for (int i = 1; i <= 4; ++i) QueueMouseMove(from.x, from.y + (to.y - from.y) * i / 4);
    Pump();
    // Where the marker's dots changed the row: from the far left up to the
    // second level of the tree (Gaseosas' own), nothing over the indicator.
    int leftmost = -1, rightmost = -1;
    for (int x = 0; x < grid->ClientWidth(); ++x)
        if (PixelAt(x, y) != before[static_cast<std::size_t>(x)]) {
            if (leftmost < 0) leftmost = x;
            rightmost = x;
        }
    EXPECT_GE(leftmost, 0);
    EXPECT_LT(leftmost, 10);
    EXPECT_LT(rightmost, indicator.left);
    EXPECT_NEAR(rightmost, target.right - 2 * 18, 3);
    QueueMouseUp(to.x, to.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Aseo", "Gaseosas", "Jugos", "Granos"}));
    tree->Locate("NOMBRE", Variant(std::string("Aseo")), {});
    EXPECT_EQ(tree->FieldByName("PADRE")->AsInteger(), 1);
}

// The tree's indent holds no text: a first-column text cut off after the
// indent shows its tip, and the tip lies over the text.
TEST_F(TreeAreaTest, AToolTipLiesOverTheTextAfterTheIndent) {
    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    clock->Advance(1000);
    grid->SetShowHint(true);
    TColumnEh* name = grid->Columns()->Items(0);
    name->SetToolTips(true);
    name->SetWidth(80); // "Gaseosas" fits in 80 pixels, not in the 44 after two levels
    Pump();
    RECT cell = CellOf("Gaseosas");
    POINT at = grid->ClientToScreen({cell.left + 50, (cell.top + cell.bottom) / 2});
    QueueMouseMove(at.x, at.y);
    Pump();
    clock->Advance(Application->HintPause() + 10);
    Pump();
    THintWindow* tip = Application->HintWindow();
    ASSERT_TRUE(tip && tip->HandleAllocated() && IsWindowVisible(tip->WindowHandle()));
    EXPECT_EQ(tip->Caption(), "Gaseosas");
    RECT r;
    GetWindowRect(tip->WindowHandle(), &r);
    EXPECT_NEAR(r.left, grid->ClientToScreen({cell.left + 36, 0}).x, 2);
}

// The data source is handed another dataset while the grid shows it: a tree
// table given later shows its tree and a row per record, a plain dataset
// given after it neither.
TEST_F(TreeAreaTest, ADatasetGivenToTheSourceLaterIsLookedAtAnew) {
    auto* plain = new TClientDataSet(form);
    plain->FieldDefs().Add("ID", ftInteger);
    plain->FieldDefs().Add("NOMBRE", ftString, 20);
    plain->CreateDataSet();
    for (int id : {1, 2, 3}) {
        plain->Append();
        plain->FieldByName("ID")->SetAsInteger(id);
        plain->FieldByName("NOMBRE")->SetAsString("Arroz");
        plain->Post();
    }
    plain->First();
    source->SetDataSet(plain);
    Pump();
    EXPECT_FALSE(grid->MemTableRowMode());
    source->SetDataSet(tree);
    Pump();
    EXPECT_TRUE(grid->MemTableRowMode());
    POINT p = Button("Bebidas", 1);
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Bebidas", "Gaseosas", "Jugos", "Granos", "Aseo"}));

    // Back on the plain dataset the wheel moves the record, as on any grid.
    source->SetDataSet(plain);
    Pump();
    EXPECT_FALSE(grid->MemTableRowMode());
    EXPECT_EQ(grid->GetTreeIndent(), 0);
    RECT cell = grid->CellRect(grid->IndicatorOffset(), grid->TitleRowCount());
    p = grid->ClientToScreen({cell.left + 9, (cell.top + cell.bottom) / 2});
    QueueWheel(p.x, p.y, -120);
    Pump();
    EXPECT_EQ(plain->RecNo(), 2);
}

} // namespace tvtest
