// TCustomDBGridEh's title buttons: the press that holds a title down, its
// pressed look while the mouse stays over it, the release over it that clicks
// it and toggles its sort marker, and the sort a Ctrl click leaves pending
// until Ctrl is let go or the focus leaves.
#include <cstdlib>

#include "grid/dbgrideh.h"
#include "grid/gridpress.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"

namespace tv {

using namespace tv::win;

bool TCustomDBGridEh::PressTitleButton(TGridPressEh& p) {
    if (!p.titleRow || !p.column || GridDesigning() || !p.leafBand) return false;
    if (p.button == mbRight && options_.Contains(dgColumnResize)) {
        // Goes on as a left press, also into moving or sizing the column.
        p.button = mbLeft;
        titlePress_.RightTitlePress = true;
        if (HandleAllocated() && !GridHasCapture()) SetCapture(WindowHandle());
    }
    if (p.button != mbLeft) return false;
    bool enabled = p.column->Title()->TitleButton();
    bool held = false;
    p.Then([&] { CheckTitleButton(p.cell.X - indicatorOffset_, enabled); });
    p.Then([&] {
        if (!enabled || !GridHasCapture()) return;
        mouse_.MouseTracking = true;
        titlePress_.PressedTitleCol = p.cell.X;
        UpdateTitlePressState(p.x, p.y);
        held = true;
    });
    return held;
}

bool TCustomDBGridEh::TitlePressTracked() const { return mouse_.MouseTracking && titlePress_.PressedTitleCol >= 0; }

void TCustomDBGridEh::UpdateTitlePressState(int x, int y) {
    int col = titlePress_.PressedTitleCol;
    if (col < 0) return;
    win::RECT r = CellRect(col, 0);
    win::RECT client = ClientRect();
    bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom && x >= 0 && y >= 0 && x < client.right &&
                  y < client.bottom;
    if (useMultiTitle_ && inside) {
        THeadTreeNode* leaf = LeafFieldNode(col - indicatorOffset_);
        if (leaf) inside = y >= r.bottom - leaf->Height;
    }
    if (inside != titlePress_.TitlePressedLook) {
        titlePress_.TitlePressedLook = inside;
        InvalidateRow(0);
    }
}

void TCustomDBGridEh::MoveTitlePress(int x, int y) {
    UpdateTitlePressState(x, y);
    if (std::abs(x - mouse_.PressPoint.x) <= 3 || !options_.Contains(dgColumnResize)) return;
    // Far enough sideways, the title press becomes a column move.
    POINT press = mouse_.PressPoint;
    CancelRowSizing();
    if (HandleAllocated()) SetCapture(WindowHandle());
    Canvas()->Pen()->SetColor(kMovingLineColorEh);
    TCustomGrid::MouseDown(mbLeft, {}, press.x, press.y);
}

bool TCustomDBGridEh::ReleaseTitlePress(TMouseButton& button, TShiftState shift, int x, int y) {
    auto alive = Alive();
    if (TitlePressTracked()) {
        int col = titlePress_.PressedTitleCol;
        win::RECT client = ClientRect();
        TGridCoord cell = MouseCoord(x, y);
        bool clicked = x >= 0 && y >= 0 && x < client.right && y < client.bottom && cell.Y == 0 && cell.X == col;
        if (clicked && useMultiTitle_)
            if (THeadTreeNode* leaf = LeafFieldNode(col - indicatorOffset_))
                clicked = y >= CellRect(col, 0).bottom - leaf->Height + 1;
        EndMouseTracking();
        int dataCol = col - indicatorOffset_;
        if (clicked && dataCol >= 0 && dataCol < columns_->Count()) {
            TColumnEh* column = columns_->Items(dataCol);
            TitleBtnClick(dataCol, column);
            if (!*alive) return false;
            bool ctrl = shift.Contains(ssCtrl);
            titlePress_.SortMarkingPending = ctrl;
            if (optionsEh_.Contains(dghAutoSortMarking)) {
                column->Title()->ToggleSortMarker(ctrl && optionsEh_.Contains(dghMultiSortMarking));
                if (!ctrl) SortMarkingChanged();
                if (!*alive) return false;
            }
        }
    }
    if (titlePress_.RightTitlePress) {
        titlePress_.RightTitlePress = false;
        if (GridHasCapture()) ReleaseCapture();
        button = mbLeft;
    }
    return true;
}

void TCustomDBGridEh::EndTitlePress() {
    bool repaint = titlePress_.TitlePressedLook;
    titlePress_.TitlePressedLook = false;
    titlePress_.PressedTitleCol = -1;
    if (repaint && HandleAllocated()) InvalidateRow(0);
}

void TCustomDBGridEh::ApplyPendingSortMarking() {
    if (!titlePress_.SortMarkingPending) return;
    titlePress_.SortMarkingPending = false;
    SortMarkingChanged();
}

void TCustomDBGridEh::KeyUp(WORD& key, TShiftState shift) {
    auto alive = Alive();
    if (key == VK_CONTROL) ApplyPendingSortMarking();
    if (*alive) TCustomGrid::KeyUp(key, shift);
}

void TCustomDBGridEh::SortMarkingChanged() {
    if (!optionsEh_.Contains(dghAutoSortMarking)) return;
    if (OnSortMarkingChanged)
        OnSortMarkingChanged(this);
    else
        DataServiceApplySorting();
}

} // namespace tv
