// The cell editor, the scroll bars and the wheel.
#include "framework/ui/basiccontrols.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "textgrid.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class GridEditTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        Pump();
    }
    bool EditorShown() const { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }
};

TEST_F(GridEditTest, ACharacterOpensTheEditorAndEnterWritesIt) {
    TypeText("x");
    Pump();
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "x");
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    RECT cell = grid->CellRect(1, 1);
    EXPECT_EQ(grid->InplaceEditor()->Left(), cell.left);
    EXPECT_EQ(grid->InplaceEditor()->Width(), cell.right - cell.left);
    TypeText("y");
    PressKey(VK_RETURN);
    Pump();
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cell(1, 1), "xy");
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
}

TEST_F(GridEditTest, F2OpensWithTheCellTextAndEscPutsItBack) {
    PressKey(VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "B1");
    TypeText("zz");
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cell(1, 1), "B1");
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
    // Enter on the grid opens it again; Down in the editor moves and closes it.
    PressKey(VK_RETURN);
    EXPECT_TRUE(EditorShown());
    PressKey(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditTest, TheEditorKeepsEnterAndEscAndLetsTabMoveOnTheForm) {
    int clicks = 0;
    auto* ok = new TButton(form);
    ok->SetBounds(420, 10, 80, 25);
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->OnClick = [&](TObject*) { ++clicks; };
    ok->SetParent(form);
    Pump();
    PressKey(VK_F2);
    TypeText("e");
    PressKey(VK_RETURN);
    EXPECT_EQ(grid->Cell(1, 1), "e");
    PressKey(VK_F2);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(EditorShown());
    // Without goTabs, Tab leaves the grid: the text is written on the way.
    PressKey(VK_F2);
    TypeText("t");
    PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(GetFocus(), ok->WindowHandle());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cell(1, 1), "t");
    EXPECT_EQ(clicks, 0);
    // With it, Tab moves to the next cell.
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    grid->SetFocus();
    Pump();
    PressKey(VK_F2);
    PressKey(VK_TAB);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
}

TEST_F(GridEditTest, ScrollingHidesTheEditorAndKeepsItsText) {
    PressKey(VK_F2);
    TypeText("q");
    Pump();
    ASSERT_TRUE(EditorShown());
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cell(1, 1), "q");
    EXPECT_EQ(grid->TopRow(), 2);
    // With the editor always shown it follows its cell instead.
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    grid->MoveColRow(1, 4, true, true);
    ASSERT_TRUE(EditorShown());
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid->InplaceEditor()->Top(), grid->CellRect(1, 4).top);
}

TEST_F(GridEditTest, AlwaysShownTheEditorHoldsTheFocusWhileTheGridHasIt) {
    auto* other = new TTextGrid(form);
    other->SetBounds(0, 220, 200, 100);
    other->SetParent(form);
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    Pump();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "B1");
    // Enter writes and the editor stays; Esc puts the cell's text back.
    TypeText("k");
    PressKey(VK_RETURN);
    EXPECT_EQ(grid->Cell(1, 1), "k");
    EXPECT_TRUE(EditorShown());
    TypeText("zz");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "k");
    EXPECT_TRUE(EditorShown());
    // Leaving the grid writes what was typed and leaves the editor shown;
    // coming back gives the focus to the editor again.
    TypeText("m");
    other->SetFocus();
    Pump();
    EXPECT_EQ(grid->Cell(1, 1), "m");
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(GetFocus(), other->WindowHandle());
    grid->SetFocus();
    Pump();
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    // It follows the current cell, focus and all.
    PressKey(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "B2");
    EXPECT_EQ(grid->InplaceEditor()->Top(), grid->CellRect(1, 2).top);
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    // Out of view it hides, writing its text, and the grid takes the focus;
    // back in view it shows with the focus again.
    TypeText("w");
    grid->SetTopRow(5);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cell(1, 2), "w");
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
    grid->SetTopRow(1);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "w");
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    // Without editing it hides and the grid has the focus.
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
}

TEST_F(GridTest, AnEditorAlwaysShownFromBeforeTheWindowAndFreedWithTheFocus) {
    auto* g = new TTextGrid(form);
    g->SetOptions(g->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    g->SetBounds(0, 210, 400, 150);
    g->SetParent(form);
    Pump();
    ASSERT_TRUE(g->InplaceEditor());
    EXPECT_TRUE(g->InplaceEditor()->Visible());
    g->SetFocus();
    Pump();
    EXPECT_EQ(GetFocus(), g->InplaceEditor()->WindowHandle());
    // The form is freed with the focus in the editor: the focus that falls
    // back to the grid while it goes must not make it a new editor.
}

TEST_F(GridEditTest, AnAlwaysShownEditorWithARefusedEntryStaysOnItsCell) {
    grid->masks[1] = "00/00;0;_";
    grid->SetCell(1, 1, "0423");
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    Pump();
    TInplaceEdit* e = grid->InplaceEditor();
    ASSERT_TRUE(e && e->Visible());
    e->SelectAll();
    TypeText("1");
    EXPECT_THROW(grid->MoveColRow(2, 1, true, true), EDBEditError);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(e->EditText(), "1_/__");
    // Esc gives the cell's own text back; the move then leaves it untouched.
    PressKey(VK_ESCAPE);
    EXPECT_EQ(e->EditText(), "04/23");
    grid->MoveColRow(2, 1, true, true);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Cell(1, 1), "0423");
    EXPECT_EQ(e->EditText(), "C1");
    EXPECT_EQ(e->Left(), grid->CellRect(2, 1).left);
}

// A grid with an editor of its own kind, as a data grid has.
class TCountingEditor : public TInplaceEdit {
    TV_CLASS(TCountingEditor, TInplaceEdit)
public:
    using TInplaceEdit::TInplaceEdit;
    std::vector<RECT> laidOut;

protected:
    void BoundsChanged() override {
        TInplaceEdit::BoundsChanged();
        laidOut.push_back(BoundsRect());
    }
};

class TOwnEditorGrid : public TTextGrid {
    TV_CLASS(TOwnEditorGrid, TTextGrid)
public:
    using TTextGrid::TTextGrid;

protected:
    TInplaceEdit* CreateEditor() override { return new TCountingEditor(this); }
    bool CanEditAcceptKey(char32_t key) override { return key != 'q'; }
};

TEST_F(GridTest, ADescendantsEditorTakesTheCellsMaskLimitAndPlace) {
    auto* g = new TOwnEditorGrid(form);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetBounds(0, 210, 400, 150);
    g->SetParent(form);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->SetCell(1, 1, "0423");
    g->SetCell(2, 1, "ab");
    g->masks[1] = "00/00;0;_";
    g->limit = 4;
    g->SetFocus();
    Pump();
    PressKey(VK_F2);
    auto* e = dynamic_cast<TCountingEditor*>(g->InplaceEditor());
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->Visible());
    EXPECT_EQ(e->Host(), g);
    EXPECT_EQ(e->EditText(), "04/23");
    ASSERT_FALSE(e->laidOut.empty());
    auto same = [](RECT a, RECT b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(e->laidOut.back(), g->CellRect(1, 1)));
    // An incomplete masked entry is refused with the editor left open.
    e->SelectAll();
    TypeText("1");
    EXPECT_THROW(g->SetEditorMode(false), EDBEditError);
    EXPECT_TRUE(e->Visible());
    EXPECT_EQ(g->Cell(1, 1), "0423");
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(g->Cell(1, 1), "0423");
    // The next cell has no mask and the limit.
    g->MoveColRow(2, 1, true, true);
    PressKey(VK_F2);
    EXPECT_EQ(e->EditMask(), "");
    EXPECT_TRUE(same(e->laidOut.back(), g->CellRect(2, 1)));
    e->SetSelStart(2);
    TypeText("xqyz");  // the cell refuses 'q', the limit stops 'z'
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cell(2, 1), "abxy");
}

TEST_F(GridEditTest, ANewWindowForOtherScrollBarsKeepsTheEditorAndItsFocus) {
    PressKey(VK_F2);
    TypeText("ab");
    grid->SetScrollBars(ssBoth);
    Pump();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(GetFocus(), grid->InplaceEditor()->WindowHandle());
    TypeText("c");
    PressKey(VK_RETURN);
    EXPECT_EQ(grid->Cell(1, 1), "abc");
    grid->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_EQ(GetFocus(), grid->WindowHandle());
}

class GridScrollTest : public GridTest {
protected:
    SCROLLINFO Bar(int bar) {
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        GetScrollInfo(grid->Handle(), bar, &si);
        return si;
    }
};

TEST_F(GridScrollTest, TheBarFollowsTopRowAndItsMessagesMoveIt) {
    grid->SetScrollBars(ssVertical);
    Pump();
    grid->SetTopRow(2);
    SCROLLINFO si = Bar(SB_VERT);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 8);
    EXPECT_EQ(si.nPos, 1);
    EXPECT_EQ(int(si.nPage), grid->VisibleRowCount());
    struct Case {
        WORD code;
        int pos;
        int top;
    } cases[] = {
        {SB_LINEDOWN, 0, 3}, {SB_LINEUP, 0, 2},     {SB_BOTTOM, 0, 3},      {SB_TOP, 0, 1},
        {SB_PAGEDOWN, 0, 3}, {SB_PAGEUP, 0, 1},     {SB_THUMBPOSITION, 2, 3}, {SB_THUMBPOSITION, 0, 1},
        {SB_THUMBTRACK, 2, 1},  // no thumb tracking
        {SB_LINEUP, 0, 1},
    };
    for (const Case& c : cases) {
        SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(c.code, c.pos), 0);
        EXPECT_EQ(grid->TopRow(), c.top) << c.code << " " << c.pos;
        EXPECT_EQ(Bar(SB_VERT).nPos, grid->TopRow() - 1) << c.code;
    }
    grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1), 0);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->Row(), 1);  // scrolling leaves the current cell alone
}

TEST_F(GridScrollTest, DraggingTheThumbMovesTopRow) {
    grid->SetScrollBars(ssVertical);
    Pump();
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &sbi));
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    int y = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
    Drag(x, y, x, sbi.rcScrollBar.bottom + 20);
    EXPECT_EQ(grid->TopRow(), grid->CalcMaxTopLeft({9, 9}, [&] {
        TGridDrawInfo info;
        grid->CalcDrawInfo(info);
        return info;
    }()).Y);
    EXPECT_GT(grid->TopRow(), 1);
}

TEST_F(GridScrollTest, TheWheelMovesTheCurrentRow) {
    POINT p = grid->ClientToScreen({100, 40});
    Wheel(p.x, p.y, -WHEEL_DELTA);
    EXPECT_EQ(grid->Row(), 2);
    Wheel(p.x, p.y, WHEEL_DELTA * 3);
    EXPECT_EQ(grid->Row(), 1);
    bool asked = false;
    grid->OnMouseWheelDown = [&](TObject*, TShiftState, POINT, bool& handled) { asked = handled = true; };
    Wheel(p.x, p.y, -WHEEL_DELTA);
    EXPECT_TRUE(asked);
    EXPECT_EQ(grid->Row(), 1);
}

} // namespace tvtest

namespace tvtest {

using namespace tv;
using namespace tv::win;

namespace {
std::vector<COLORREF> Snapshot(int w, int h, const std::function<COLORREF(int, int)>& px) {
    std::vector<COLORREF> out;
    for (int y = 0; y < h; y += 3)
        for (int x = 0; x < w; x += 3) out.push_back(px(x, y));
    return out;
}
} // namespace

class GridScrollPixelsTest : public GridTest {
protected:
    std::vector<COLORREF> Pixels() {
        return Snapshot(400, 200, [this](int x, int y) { return PixelAt(x, y); });
    }
};

// What ScrollWindowEx moved plus what it left to repaint must equal a full repaint.
TEST_F(GridScrollPixelsTest, ScrolledPixelsMatchAFullRepaint) {
    struct Case {
        UINT msg;
        WORD code;
    } cases[] = {{WM_VSCROLL, SB_LINEDOWN}, {WM_HSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEUP},
                 {WM_HSCROLL, SB_PAGEDOWN}};
    for (const Case& c : cases) {
        Pump();
        SendMessage(grid->Handle(), c.msg, c.code, 0);
        Pump();
        auto scrolled = Pixels();
        grid->Invalidate();
        Pump();
        EXPECT_EQ(scrolled, Pixels()) << c.msg << " " << c.code;
    }
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->LeftCol(), 5);  // the page stops where column 9 is the last whole one
}

TEST_F(GridTest, DialogCodeFollowsTheOptions) {
    struct Case {
        TGridOptions add;
        LRESULT want;
    } cases[] = {
        {{}, DLGC_WANTARROWS},
        {{goTabs}, DLGC_WANTARROWS | DLGC_WANTTAB},
        {{goEditing}, DLGC_WANTARROWS | DLGC_WANTCHARS},
    };
    TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        grid->SetOptions(base + c.add);
        EXPECT_EQ(SendMessage(grid->Handle(), WM_GETDLGCODE, 0, 0), c.want);
    }
}

TEST_F(GridTest, LeavingTheGridWritesAndHidesTheEditor) {
    auto* other = new TTextGrid(form);
    other->SetBounds(0, 220, 200, 100);
    other->SetParent(form);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    Pump();
    TypeText("n");
    Pump();
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    other->SetFocus();
    Pump();
    EXPECT_FALSE(grid->InplaceEditor()->Visible());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cell(1, 1), "n");
    EXPECT_EQ(GetFocus(), other->WindowHandle());
}

} // namespace tvtest
