// A grid over a tree table without footers has a row for every record: the
// same keys and clicks leave the same record current and the same records in
// view as on a grid over a client dataset with the same records, and the rows
// paint alike; the wheel and the scroll bar move the rows in view and leave
// the record where it was.
#include <cairo.h>
#include <functional>
#include <string>
#include <vector>

#include "framework/ui/stdctrls/scrollbar.h"
#include "grid/treememtable.h"
#include "gridfixture.h"
#include "platform/backend/backend.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/scrollbar.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

namespace {

// What a grid shows: the current record's code, the codes of the first and
// last rows fully in view, whether the grid's current row is the record's,
// and the codes of the rows in view whose name is selected.
struct TView {
    int current = -1, first = -1, last = -1;
    bool inStep = false;
    std::vector<int> selected;
    bool operator==(const TView& o) const {
        return current == o.current && first == o.first && last == o.last && inStep == o.inStep &&
               selected == o.selected;
    }
};

std::ostream& operator<<(std::ostream& os, const TView& v) {
    os << "{current " << v.current << ", rows " << v.first << ".." << v.last << (v.inStep ? "" : ", apart");
    if (!v.selected.empty()) {
        os << ", selected";
        for (int c : v.selected) os << " " << c;
    }
    return os << "}";
}

enum TActionKind {
    akKey,
    akClick,
    akClickIndicator,
    akWheel,
    akDownArrow,
    akUpArrow,
    akPageDownChannel,
    akThumbBottom,
    akThumbTop
};

struct TAction {
    TActionKind kind;
    int value = 0; // the key, the row clicked counted from the first shown, the wheel's notches (down > 0)
    bool shift = false, ctrl = false;
    int times = 1;
};

TAction Key(int vk, int times = 1) { return {akKey, vk, false, false, times}; }
TAction CtrlKey(int vk) { return {akKey, vk, false, true, 1}; }
TAction ShiftKey(int vk, int times = 1) { return {akKey, vk, true, false, times}; }
TAction ClickShown(int row, bool shift = false, bool ctrl = false) { return {akClick, row, shift, ctrl}; }
TAction ClickIndicator(int row, bool shift = false, bool ctrl = false) { return {akClickIndicator, row, shift, ctrl}; }
TAction Wheel(int notches, bool shift = false, bool ctrl = false) { return {akWheel, notches, shift, ctrl}; }
TAction Bar(TActionKind part) { return {part}; }

} // namespace

class RowModeTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(40);
        // The same forty records as a tree: every fifth one heads the four after it.
        tree = new TTreeMemTableEh(form);
        tree->FieldDefs().Add("CODIGO", ftInteger);
        tree->FieldDefs().Add("PADRE", ftInteger);
        tree->FieldDefs().Add("NOMBRE", ftString, 20);
        tree->SetKeyFieldName("CODIGO");
        tree->SetParentFieldName("PADRE");
        tree->CreateDataSet();
        for (data->First(); !data->Eof(); data->Next()) {
            int code = data->FieldByName("CODIGO")->AsInteger();
            tree->Append();
            tree->FieldByName("CODIGO")->SetAsInteger(code);
            if ((code - 1) % 5 != 0) tree->FieldByName("PADRE")->SetAsInteger(code - (code - 1) % 5);
            tree->FieldByName("NOMBRE")->SetAsString(data->FieldByName("NOMBRE")->AsString());
            tree->Post();
        }
        tree->FullExpand();
        tree->First();
        data->First();
        treeSource = new TDataSource(form);
        treeSource->SetDataSet(tree);
        treeGrid = new TDBGridEh(form);
        treeGrid->SetParent(form);
        for (TDBGridEh* g : {static_cast<TDBGridEh*>(grid), treeGrid}) {
            g->SetBounds(g == grid ? 0 : 310, 0, 300, 300);
            TColumnEh* code = g->Columns()->Add();
            code->SetFieldName("CODIGO");
            code->SetWidth(90);
            TColumnEh* name = g->Columns()->Add();
            name->SetFieldName("NOMBRE");
            name->SetWidth(120);
        }
        grid->SetDataSource(source);
        treeGrid->SetDataSource(treeSource);
        for (TDBGridEh* g : {static_cast<TDBGridEh*>(grid), treeGrid})
            g->SetOptions(g->Options() + TDBGridOptions{dgMultiSelect});
        Pump();
    }

    TDataSet* DataOf(TDBGridEh* g) { return g == grid ? static_cast<TDataSet*>(data) : tree; }

    TView ViewOf(TDBGridEh* g) {
        TView v;
        TDataSet* ds = DataOf(g);
        v.current = ds->FieldByName("CODIGO")->AsInteger();
        int last = std::min(g->LastShownDataRow(), g->ShownRecordCount() - 1);
        {
            TGridActiveRowGuard row(*g, g->FirstShownDataRow());
            v.first = ds->FieldByName("CODIGO")->AsInteger();
        }
        {
            TGridActiveRowGuard row(*g, last);
            v.last = ds->FieldByName("CODIGO")->AsInteger();
        }
        for (int r = g->FirstShownDataRow(); r <= last; ++r) {
            TGridActiveRowGuard row(*g, r);
            if (g->Selection().DataCellSelected(1, ds->Bookmark()))
                v.selected.push_back(ds->FieldByName("CODIGO")->AsInteger());
        }
        v.inStep = g->Row() - g->TitleRowCount() == g->ActiveDataRow() && g->IsActiveRow(g->ActiveDataRow());
        return v;
    }

    RECT BarRect(TDBGridEh* g) {
        SCROLLBARINFO sbi;
        GetScrollBarInfo(g->WindowHandle(), OBJID_VSCROLL, &sbi);
        return sbi.rcScrollBar;
    }
    POINT Thumb(TDBGridEh* g) {
        SCROLLBARINFO sbi;
        GetScrollBarInfo(g->WindowHandle(), OBJID_VSCROLL, &sbi);
        return {(sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2,
                sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2};
    }

    // The action as a hand does it, on the grid with the focus.
    void Run(TDBGridEh* g, const TAction& a) {
        form->SetActiveControl(g);
        Pump();
        for (int i = 0; i < a.times; ++i) {
            RECT bar = BarRect(g);
            int barX = (bar.left + bar.right) / 2;
            switch (a.kind) {
            case akKey: QueueKey(a.value, a.shift, a.ctrl); break;
            case akClick:
            case akClickIndicator:
            case akWheel: {
                int col = a.kind == akClickIndicator ? 0 : 2;
                RECT r = g->CellRect(col, g->TopRow() + (a.kind == akWheel ? 1 : a.value));
                POINT p = g->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                // The modifiers are held around the press or the notches.
                if (a.shift) InjectKey(VK_SHIFT, true);
                if (a.ctrl) InjectKey(VK_CONTROL, true);
                if (a.kind == akWheel)
                    QueueWheel(p.x, p.y, -120 * a.value);
                else
                    QueueClick(p.x, p.y);
                if (a.ctrl) InjectKey(VK_CONTROL, false);
                if (a.shift) InjectKey(VK_SHIFT, false);
                break;
            }
            case akDownArrow: QueueClick(barX, bar.bottom - 3); break;
            case akUpArrow: QueueClick(barX, bar.top + 3); break;
            case akPageDownChannel: QueueClick(barX, bar.bottom - 20); break;
            case akThumbBottom: {
                POINT t = Thumb(g);
                QueueDrag(t.x, t.y, t.x, bar.bottom + 40);
                break;
            }
            case akThumbTop: {
                POINT t = Thumb(g);
                QueueDrag(t.x, t.y, t.x, bar.top - 40);
                break;
            }
            }
            Pump();
            clock->Advance(1000); // the next click is no double click
        }
    }

    // The pixels of the name cells of the rows in view, but the current record's
    // (the focus draws it in its own way), one hash per row.
    std::vector<std::size_t> NamePixels(TDBGridEh* g) {
        UpdateAllWindows();
        cairo_surface_t* s = GetDesktopSurface();
        cairo_surface_flush(s);
        const unsigned char* d = cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s);
        std::vector<std::size_t> rows;
        int last = std::min(g->LastShownDataRow(), g->ShownRecordCount() - 1);
        for (int r = g->FirstShownDataRow(); r <= last; ++r) {
            if (g->IsActiveRow(r)) continue;
            RECT cell = g->CellRect(2, r + g->TitleRowCount());
            POINT o = g->ClientToScreen({cell.left, cell.top});
            std::string px;
            for (int y = 0; y < cell.bottom - cell.top; ++y)
                px.append(reinterpret_cast<const char*>(d + (o.y + y) * stride + o.x * 4),
                          static_cast<std::size_t>(cell.right - cell.left) * 4);
            rows.push_back(std::hash<std::string>()(px));
        }
        return rows;
    }

    TTreeMemTableEh* tree = nullptr;
    TDataSource* treeSource = nullptr;
    TDBGridEh* treeGrid = nullptr;
};

TEST_F(RowModeTest, OnlyATreeTableWithoutFootersGivesEveryRecordARow) {
    EXPECT_FALSE(grid->MemTableRowMode());
    ASSERT_TRUE(treeGrid->MemTableRowMode());
    EXPECT_EQ(treeGrid->RowCount(), treeGrid->TitleRowCount() + 40);
    EXPECT_EQ(treeGrid->VisibleDataRowCount(), grid->VisibleDataRowCount());
    // With a footer row the rows go through the data link's buffer again.
    treeGrid->SetFooterRowCount(1);
    Pump();
    EXPECT_FALSE(treeGrid->MemTableRowMode());
    EXPECT_LT(treeGrid->RowCount(), treeGrid->TitleRowCount() + 40);
    EXPECT_EQ(ViewOf(treeGrid).current, 1);
    treeGrid->SetFooterRowCount(0);
    Pump();
    EXPECT_TRUE(treeGrid->MemTableRowMode());
    EXPECT_EQ(treeGrid->RowCount(), treeGrid->TitleRowCount() + 40);
}

TEST_F(RowModeTest, KeysAndClicksLeaveTheSameRecordCurrentAndTheSameRowsInView) {
    const int n = grid->VisibleDataRowCount();
    ASSERT_GT(n, 5);
    ASSERT_LT(n, 20);
    struct Script {
        const char* name;
        std::vector<TAction> steps;
    } scripts[] = {
        {"down and up", {Key(VK_DOWN, 3), Key(VK_UP)}},
        {"past the last row in view and back", {Key(VK_DOWN, n + 2), Key(VK_UP, n + 1), Key(VK_UP, 2)}},
        {"pages", {Key(VK_NEXT), Key(VK_NEXT), Key(VK_PRIOR), Key(VK_NEXT, 5), Key(VK_PRIOR, 2), Key(VK_PRIOR, 4)}},
        {"ends", {CtrlKey(VK_END), Key(VK_UP), CtrlKey(VK_HOME), Key(VK_DOWN)}},
        {"first and last in view",
         {Key(VK_NEXT), Key(VK_DOWN, 2), CtrlKey(VK_DOWN), CtrlKey(VK_UP), CtrlKey(VK_NEXT), CtrlKey(VK_PRIOR)}},
        {"clicks", {ClickShown(3), ClickShown(n - 1), Key(VK_DOWN), ClickShown(0), Key(VK_UP)}},
        {"clicks at the end", {CtrlKey(VK_END), ClickShown(0), Key(VK_PRIOR), ClickShown(n - 2)}},
        {"the wheel with Shift moves the record", {Wheel(3, true), Wheel(n, true), Wheel(-2, true)}},
        {"down on the last record appends, up drops it", {CtrlKey(VK_END), Key(VK_DOWN), Key(VK_UP), Key(VK_UP)}},
        {"a record inserted in the middle, then dropped", {Key(VK_DOWN, 3), Key(VK_INSERT), Key(VK_ESCAPE)}},
        // The selections repaint what they cover, the rows in view only.
        {"Shift extends a rectangle",
         {Key(VK_DOWN, 2), ShiftKey(VK_DOWN, 3), ShiftKey(VK_UP), ShiftKey(VK_NEXT), ShiftKey(VK_DOWN, n),
          Key(VK_DOWN)}},
        {"Shift with a click", {ClickShown(2), ClickShown(5, true), CtrlKey(VK_END), ClickShown(1, true)}},
        {"records by the indicator",
         {ClickIndicator(1), ClickIndicator(3, false, true), ClickIndicator(6, true), Key(VK_NEXT),
          ClickIndicator(2, false, true)}},
    };
    for (const Script& script : scripts) {
        // Each grid keeps the focus through a script: leaving it would drop a new record.
        std::vector<TView> views[2];
        std::vector<std::vector<std::size_t>> pixels[2];
        int side = 0;
        for (TDBGridEh* g : {static_cast<TDBGridEh*>(grid), treeGrid}) {
            DataOf(g)->First();
            Run(g, CtrlKey(VK_HOME));
            for (const TAction& a : script.steps) {
                Run(g, a);
                views[side].push_back(ViewOf(g));
                pixels[side].push_back(NamePixels(g));
            }
            ++side;
        }
        for (std::size_t step = 0; step < script.steps.size(); ++step) {
            EXPECT_EQ(views[1][step], views[0][step]) << script.name << ", step " << step + 1;
            EXPECT_TRUE(views[1][step].inStep) << script.name << ", step " << step + 1;
            EXPECT_EQ(pixels[1][step], pixels[0][step])
                << script.name << ", step " << step + 1 << ": the rows paint alike";
        }
    }
}

TEST_F(RowModeTest, TheWheelAndTheScrollBarMoveTheRowsInViewAndLeaveTheRecord) {
    const int n = grid->VisibleDataRowCount();
    ASSERT_GT(n, 5);
    struct Script {
        const char* name;
        std::vector<TAction> steps;
        // What the grid over the client dataset and the one over the tree show after the steps.
        std::function<TView(int)> plain, rows;
    } scripts[] = {
        {"three notches down",
         {Wheel(3)},
         [](int n) {
             return TView{4, 1, n, true, {}};
         },
         [](int n) {
             return TView{1, 4, n + 3, true, {}};
         }},
        {"the wheel and then a key",
         {Wheel(3), Key(VK_DOWN)},
         [](int n) {
             return TView{5, 1, n, true, {}};
         },
         // The record comes back into view at the top.
         [](int n) {
             return TView{2, 2, n + 1, true, {}};
         }},
        {"the wheel stops at the last rows",
         {Wheel(60)},
         [](int n) {
             return TView{40, 41 - n, 40, true, {}};
         },
         [](int n) {
             return TView{1, 41 - n, 40, true, {}};
         }},
        {"a page with Ctrl",
         {Wheel(1, false, true)},
         [](int n) {
             return TView{2, 1, n, true, {}};
         },
         [](int n) {
             return TView{1, n + 1, 2 * n, true, {}};
         }},
        {"the down arrow",
         {Bar(akDownArrow)},
         [](int n) {
             return TView{n + 1, 2, n + 1, true, {}};
         },
         [](int n) {
             return TView{1, 2, n + 1, true, {}};
         }},
        {"down and up arrows",
         {Bar(akDownArrow), Bar(akDownArrow), Bar(akUpArrow)},
         [](int n) {
             return TView{2, 2, n + 1, true, {}};
         },
         [](int n) {
             return TView{1, 2, n + 1, true, {}};
         }},
        {"the channel below the thumb",
         {Bar(akPageDownChannel)},
         [](int n) {
             return TView{n + 1, 2, n + 1, true, {}};
         },
         [](int n) {
             return TView{1, n, 2 * n - 1, true, {}};
         }},
        {"the thumb to the bottom",
         {Bar(akThumbBottom)},
         [](int n) {
             return TView{40, 41 - n, 40, true, {}};
         },
         [](int n) {
             return TView{1, 41 - n, 40, true, {}};
         }},
        {"the thumb down and up",
         {Bar(akThumbBottom), Bar(akThumbTop)},
         [](int n) {
             return TView{1, 1, n, true, {}};
         },
         [](int n) {
             return TView{1, 1, n, true, {}};
         }},
    };
    for (const Script& script : scripts) {
        for (TDBGridEh* g : {static_cast<TDBGridEh*>(grid), treeGrid}) {
            DataOf(g)->First();
            Run(g, CtrlKey(VK_HOME));
            for (const TAction& a : script.steps) Run(g, a);
        }
        EXPECT_EQ(ViewOf(grid), script.plain(n)) << script.name;
        EXPECT_EQ(ViewOf(treeGrid), script.rows(n)) << script.name;
    }
}

} // namespace tvtest

namespace tvtest {

// The codes of the records in tree order, and the one shown first.
static std::vector<int> Codes(TTreeMemTableEh* tree) {
    std::vector<int> codes;
    TBookmark here = tree->Bookmark();
    tree->DisableControls();
    for (tree->First(); !tree->Eof(); tree->Next()) codes.push_back(tree->FieldByName("CODIGO")->AsInteger());
    tree->GotoBookmark(here);
    tree->EnableControls();
    return codes;
}

TEST_F(RowModeTest, ANodeInRowsScrolledIntoViewClosesAndOpensWhereItStands) {
    Run(treeGrid, Wheel(20));
    ASSERT_EQ(ViewOf(treeGrid).first, 21);
    // The button of the node heading 26 (level 1), five rows below the first shown.
    RECT cell = treeGrid->CellRect(1, treeGrid->TopRow() + 5);
    POINT p = treeGrid->ClientToScreen({cell.left + 9, (cell.top + cell.bottom) / 2});
    QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(Codes(tree).size(), 36u);
    TView v = ViewOf(treeGrid);
    EXPECT_EQ(v.current, 26);
    EXPECT_EQ(v.first, 21) << "the rows stay where they were";
    EXPECT_TRUE(v.inStep);
    // The numpad keys open and close the current node, in place.
    clock->Advance(1000);
    Run(treeGrid, Key(VK_ADD));
    EXPECT_EQ(Codes(tree).size(), 40u);
    EXPECT_EQ(ViewOf(treeGrid).first, 21);
    Run(treeGrid, Key(VK_SUBTRACT));
    Run(treeGrid, Key(VK_MULTIPLY));
    EXPECT_EQ(Codes(tree).size(), 40u);
    EXPECT_EQ(ViewOf(treeGrid).current, 26);
    EXPECT_FALSE(treeGrid->InplaceEditorVisible()) << "the keys' characters open no editor";
}

TEST_F(RowModeTest, ARecordDroppedInRowsScrolledIntoViewGoesWhereItWasDropped) {
    treeGrid->SetOptions(treeGrid->Options() - TDBGridOptions{dgMultiSelect});
    treeGrid->SetOptionsEh(treeGrid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
    Run(treeGrid, Wheel(10));
    ASSERT_EQ(ViewOf(treeGrid).first, 11);
    // Child 12 dragged by its indicator below child 18 of the next node.
    RECT from = treeGrid->CellRect(0, treeGrid->TopRow() + 1), to = treeGrid->CellRect(0, treeGrid->TopRow() + 7);
    POINT a = treeGrid->ClientToScreen({(from.left + from.right) / 2, (from.top + from.bottom) / 2});
    POINT b = treeGrid->ClientToScreen({(to.left + to.right) / 2, (to.top + to.bottom) / 2});
    QueueDrag(a.x, a.y, b.x, b.y);
    Pump();
    std::vector<int> codes = Codes(tree);
    ASSERT_EQ(codes.size(), 40u);
    EXPECT_EQ(std::vector<int>(codes.begin() + 10, codes.begin() + 19),
              (std::vector<int>{11, 13, 14, 15, 16, 17, 18, 12, 19}));
    TView v = ViewOf(treeGrid);
    EXPECT_EQ(v.current, 12);
    EXPECT_EQ(tree->FieldByName("PADRE")->AsInteger(), 16);
    EXPECT_EQ(v.first, 11);
    EXPECT_TRUE(v.inStep);
}

} // namespace tvtest

namespace tvtest {

TEST_F(RowModeTest, AnExternalBarRunsOverTheRowsAndScrollsThem) {
    auto* bar = new TScrollBar(form);
    bar->SetKind(sbVertical);
    bar->SetBounds(615, 0, 17, 300);
    bar->SetParent(form);
    treeGrid->VertScrollBar()->SetExtScrollBar(bar);
    Pump();
    const int n = treeGrid->VisibleDataRowCount();
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 40);
    EXPECT_EQ(bar->PageSize(), n);
    form->SetActiveControl(treeGrid);
    POINT down = bar->ClientToScreen({8, 300 - 4});
    QueueClick(down.x, down.y);
    Pump();
    EXPECT_EQ(ViewOf(treeGrid), (TView{1, 2, n + 1, true, {}}));
    EXPECT_EQ(bar->Position(), 2);
    // The grid's own bar stays hidden.
    SCROLLINFO si{};
    si.fMask = SIF_ALL;
    GetScrollInfo(treeGrid->WindowHandle(), SB_VERT, &si);
    EXPECT_EQ(si.nMax, si.nMin);
    delete bar;
    EXPECT_EQ(treeGrid->VertScrollBar()->ExtScrollBar(), nullptr);
}

} // namespace tvtest
