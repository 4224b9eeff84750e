// TCustomGrid and the mouse: selecting, sizing columns and rows with the XOR
// sizing line, moving them with the moving line, and the cursors on borders.
#include <algorithm>

#include "framework/ui/grids/grid.h"
#include "framework/ui/screen.h"
#include "platform/window/cursor.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"

namespace tv {

using namespace tv::win;

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollInterval = 60;
} // namespace

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    auto alive = Alive();
    if (!ComponentState().Contains(csDesigning) && CanFocus() && !IsActiveControl()) {
        SetFocus();
        if (!*alive) return;
        if (!IsActiveControl()) {
            if (HandleAllocated() && GetCapture() == WindowHandle()) ReleaseCapture();
            return;
        }
    }
    if (button == mbLeft && shift.Contains(ssDouble)) {
        DblClick();
        if (!*alive) return;
    } else if (button == mbLeft) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state;
        int index, pos, ofs;
        CalcSizingState(x, y, state, index, pos, ofs, info);
        if (state != gsNormal) {
            gridState_ = state;
            sizingIndex_ = index;
            sizingPos_ = pos;
            sizingOfs_ = ofs;
            Update();
            DrawSizingLine(info);
        } else if (TGridCoord cell = MouseCoord(x, y); cell.X >= 0) {
            POINT pt{x, y};
            if (options_.Contains(goColMoving) && cell.Y < fixedRows_ && cell.X >= fixedCols_) {
                moveIndex_ = movePos_ = cell.X;
                if (BeginColumnDrag(moveIndex_, movePos_, pt)) {
                    gridState_ = gsColMoving;
                    Update();
                    DrawMove();
                    SetTimer(WindowHandle(), kScrollTimer, kScrollInterval);
                    timerOn_ = true;
                }
            } else if (options_.Contains(goRowMoving) && cell.X < fixedCols_ && cell.Y >= fixedRows_) {
                moveIndex_ = movePos_ = cell.Y;
                if (BeginRowDrag(moveIndex_, movePos_, pt)) {
                    gridState_ = gsRowMoving;
                    Update();
                    DrawMove();
                    SetTimer(WindowHandle(), kScrollTimer, kScrollInterval);
                    timerOn_ = true;
                }
            } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                if (options_.Contains(goEditing)) {
                    if (cell == current_ && !shift.Contains(ssShift)) {
                        ShowEditor();
                    } else {
                        MoveCurrent(cell.X, cell.Y, !shift.Contains(ssShift), true);
                        if (!*alive) return;
                        UpdateEdit();
                    }
                    if (!*alive) return;
                    Click();
                } else {
                    gridState_ = gsSelecting;
                    SetTimer(WindowHandle(), kScrollTimer, kScrollInterval);
                    timerOn_ = true;
                    if (shift.Contains(ssShift)) ExtendSelectionTo(cell);
                    else MoveCurrent(cell.X, cell.Y, true, true);
                }
            }
        }
    }
    if (!*alive) return;
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    switch (gridState_) {
    case gsSelecting: {
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && !(cell == current_)) ExtendSelectionTo(cell);
        break;
    }
    case gsColSizing: case gsRowSizing:
        DrawSizingLine(info);
        sizingPos_ = (gridState_ == gsColSizing ? LogicalX(x) : y) + sizingOfs_;
        DrawSizingLine(info);
        break;
    case gsColMoving: case gsRowMoving: {
        bool cols = gridState_ == gsColMoving;
        int cell = CellAt(cols ? info.Horz : info.Vert, cols ? LogicalX(x) : y);
        int fixed = cols ? fixedCols_ : fixedRows_;
        if (cell >= fixed && cell != movePos_) {
            int origin = moveIndex_, dest = cell;
            POINT pt{x, y};
            bool ok = cols ? CheckColumnDrag(origin, dest, pt) : CheckRowDrag(origin, dest, pt);
            if (ok) {
                DrawMove();
                movePos_ = dest;
                DrawMove();
            }
        }
        break;
    }
    default:
        break;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    auto alive = Alive();
    TGridState state = gridState_;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    switch (state) {
    case gsSelecting:
        MouseMove(shift, x, y);
        if (!*alive) return;
        gridState_ = gsNormal;
        if (timerOn_) KillTimer(WindowHandle(), kScrollTimer);
        timerOn_ = false;
        UpdateEdit();
        Click();
        break;
    case gsColSizing: case gsRowSizing: {
        DrawSizingLine(info);
        gridState_ = gsNormal;
        bool cols = state == gsColSizing;
        int start = CellStart(cols ? info.Horz : info.Vert, sizingIndex_);
        int size = sizingPos_ - start;
        if (start >= 0 && size > 1) {
            if (cols) SetColWidths(sizingIndex_, size);
            else SetRowHeights(sizingIndex_, size);
        }
        break;
    }
    case gsColMoving: case gsRowMoving: {
        DrawMove();
        gridState_ = gsNormal;
        if (timerOn_) KillTimer(WindowHandle(), kScrollTimer);
        timerOn_ = false;
        POINT pt{x, y};
        int origin = moveIndex_, dest = movePos_;
        bool ok = state == gsColMoving ? EndColumnDrag(origin, dest, pt) : EndRowDrag(origin, dest, pt);
        if (!*alive) return;
        if (ok && origin != dest) {
            if (state == gsColMoving) MoveColumn(origin, dest);
            else MoveRow(origin, dest);
        }
        break;
    }
    default:
        break;
    }
    gridState_ = gsNormal;
    if (!*alive) return;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::CancelMouseState() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    switch (gridState_) {
    case gsColSizing: case gsRowSizing:
        DrawSizingLine(info);
        break;
    case gsColMoving: case gsRowMoving:
        DrawMove();
        break;
    default:
        break;
    }
    if (timerOn_ && HandleAllocated()) KillTimer(WindowHandle(), kScrollTimer);
    timerOn_ = false;
    bool tracking = gridState_ != gsNormal;
    gridState_ = gsNormal;
    if (tracking && HandleAllocated() && GetCapture() == WindowHandle()) ReleaseCapture();
}

bool TCustomGrid::HandleSetCursor(Message& msg) {
    if (reinterpret_cast<HWND>(msg.WParam) != WindowHandle() || LOWORD(msg.LParam) != HTCLIENT) return false;
    TGridState state = gridState_;
    if (state == gsNormal) {
        POINT p;
        GetCursorPos(&p);
        win::ScreenToClient(WindowHandle(), &p);
        TGridDrawInfo info;
        CalcDrawInfo(info);
        int index, pos, ofs;
        CalcSizingState(p.x, p.y, state, index, pos, ofs, info);
    }
    if (state != gsColSizing && state != gsRowSizing) return false;
    win::SetCursor(Screen->Cursors(state == gsColSizing ? crHSplit : crVSplit));
    msg.Result = 1;
    return true;
}

// --- moving columns and rows ---------------------------------------------------------------

namespace {
template <class V>
void MoveItem(V& v, int from, int to) {
    auto item = v[size_t(from)];
    v.erase(v.begin() + from);
    v.insert(v.begin() + to, item);
}

// Where an index lands when the item at `from` moves to `to`.
int Follow(int index, int from, int to) {
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (to < from && index >= to && index < from) return index + 1;
    return index;
}
} // namespace

void TCustomGrid::MoveColumn(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= colCount_ || to >= colCount_) return;
    HideEditor();
    MoveItem(colWidths_, from, to);
    std::vector<bool> stops(tabStops_.begin(), tabStops_.end());
    MoveItem(stops, from, to);
    tabStops_ = stops;
    current_.X = Follow(current_.X, from, to);
    anchor_.X = Follow(anchor_.X, from, to);
    ColumnMoved(from, to);
    InvalidateGrid();
}

void TCustomGrid::MoveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= rowCount_ || to >= rowCount_) return;
    HideEditor();
    MoveItem(rowHeights_, from, to);
    current_.Y = Follow(current_.Y, from, to);
    anchor_.Y = Follow(anchor_.Y, from, to);
    RowMoved(from, to);
    InvalidateGrid();
}

} // namespace tv
