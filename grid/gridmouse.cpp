// TCustomDBGridEh under the mouse: presses, moves and releases over the
// titles, the indicator, data cells, check boxes and sizing borders; title
// buttons and sort marking; sizing of frozen columns; selecting by dragging
// with the auto-scroll timer; and the grid's cursors.
#include <algorithm>
#include <cstdlib>

#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/screen.h"
#include "grid/dbgrideh.h"
#include "grid/gridpress.h"
#include "grid/gridunit.h"
#include "platform/window/cursor.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr UINT_PTR kScrollTimer = 1;

// Cursor indexes of the grid unit.
enum { kDownCursor = 0, kRightCursor = 1, kLeftCursor = 2 };

bool IsCheckKind(TColumnEh* c) {
    return c && (c->GetColumnType() == ctCheckboxes || c->GetColumnType() == ctKeyImageList);
}

// Restores a layout lock taken for an operation, also when it fails, unless
// an event handler freed the grid meanwhile.
struct TLayoutLockGuard {
    TCustomDBGridEh* grid;
    std::shared_ptr<bool> alive;
    explicit TLayoutLockGuard(TCustomDBGridEh* g) : grid(g), alive(g->Alive()) { grid->LockLayout(); }
    ~TLayoutLockGuard() {
        if (*alive) grid->UnlockLayout();
    }
};

// Raises one of the grid's flags for a scope and gives it back its old value,
// unless an event handler freed the grid meanwhile.
class TGridFlagGuard {
public:
    TGridFlagGuard(TCustomDBGridEh* grid, bool& flag) : flag_(flag), old_(flag), alive_(grid->Alive()) { flag_ = true; }
    ~TGridFlagGuard() {
        if (*alive_) flag_ = old_;
    }
    TGridFlagGuard(const TGridFlagGuard&) = delete;
    TGridFlagGuard& operator=(const TGridFlagGuard&) = delete;

private:
    bool& flag_;
    bool old_;
    std::shared_ptr<bool> alive_;
};

} // namespace

// --- helpers ---

bool TCustomDBGridEh::GridHasCapture() const { return HandleAllocated() && GetCapture() == WindowHandle(); }

void TCustomDBGridEh::PostPendingEdit() {
    if (!dataLink_->Active()) return;
    if (InplaceEditorVisible()) UpdateText();
    dataLink_->UpdateRecord();
}

TColumnEh* TCustomDBGridEh::ColumnAtGridCol(int col) const {
    int i = col - indicatorOffset_;
    return col >= 0 && i >= 0 && i < columns_->Count() ? columns_->Items(i) : nullptr;
}

win::RECT TCustomDBGridEh::DataBoxPixelRect() {
    TGridRect box = GetDataBoxRect();
    return BoxRect(box.Left, box.Top, box.Right, box.Bottom);
}

void TCustomDBGridEh::StartTimer(int interval) {
    if (!HandleAllocated()) return;
    if (mouse_.TimerActive && mouse_.TimerInterval == interval) return;
    SetTimer(WindowHandle(), kScrollTimer, static_cast<UINT>(std::max(0, interval)));
    mouse_.TimerActive = true;
    mouse_.TimerInterval = interval;
}

void TCustomDBGridEh::StopTimer() {
    if (mouse_.TimerActive && HandleAllocated()) KillTimer(WindowHandle(), kScrollTimer);
    mouse_.TimerActive = false;
    mouse_.TimerInterval = -1;
}

void TCustomDBGridEh::CancelRowSizing() {
    if (!GridHasCapture()) return;
    EndMouseTracking();
    ReleaseCapture();
}

void TCustomDBGridEh::EndMouseTracking() {
    if (mouse_.MouseMode == gmmMoveRecords) EndRowMoving(mouse_.LastMousePoint.x, mouse_.LastMousePoint.y, false);
    StopTimer();
    EndTitlePress();
    mouse_.MouseTracking = false;
    mouse_.RowSelecting = false;
    mouse_.RectSelecting = false;
    mouse_.MouseMode = gmmNone;
    CancelMouseState();
}

// --- sizing ---

void TCustomDBGridEh::CalcFrozenSizingState(int x, int y, int& offset, int& pos, int& index, int& state) {
    state = gmmNone;
    index = -1;
    offset = pos = 0;
    if (!TCustomGrid::Options().Contains(goColSizing)) return;
    TGridCoord cell = MouseCoord(x, y);
    if (cell.Y < 0 || cell.Y >= titleRowCount_) return;
    x = LogicalX(x);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int lw = info.Horz.EffectiveLineWidth;
    int d = lw <= 6 ? (7 - lw) / 2 : 0;
    int total = 0;
    for (int c = 0; c < indicatorOffset_ && c < ColCount(); ++c) total += std::max(0, ColWidths(c)) + lw;
    int client = ClientWidth();
    bool beyond = false;
    for (int c = indicatorOffset_; c < FixedCols(); ++c) {
        int w = ColWidths(c);
        if (w < 0) continue;
        total += w;
        if (total > client) {
            index = c;
            beyond = true;
            break;
        }
        if (x >= total - d && x <= total + std::max(lw, 7) - d) {
            state = gmmSizeFrozenCol;
            pos = total;
            offset = total - x;
            index = c;
            return;
        }
        total += lw;
    }
    if (beyond && info.Horz.GridBoundary >= client && x >= client - d && x <= client) {
        state = gmmSizeFrozenCol;
        pos = client;
        offset = client - x;
    }
}

bool TCustomDBGridEh::SizingHitTest(int x, int y) {
    if (mouse_.MouseMode != gmmNone) return true;
    int ofs, pos, index, state;
    CalcFrozenSizingState(x, y, ofs, pos, index, state);
    return state != gmmNone;
}

void TCustomDBGridEh::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                      TGridDrawInfo& info) {
    TCustomGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs, info);
    if (state == gsColSizing) {
        if (index >= ColCount()) index = ColCount() - 1;
        // One scrolled column wider than the room left: the border sizes it.
        int room = info.Horz.GridExtent - info.Horz.FixedBoundary;
        if (info.Horz.LastFullVisibleCell == LeftCol() && ColWidths(LeftCol()) > room && index > LeftCol())
            index = LeftCol();
    } else if (state == gsRowSizing) {
        int end = 0;
        for (int c = 0; c < indicatorOffset_ && c < ColCount(); ++c)
            end += std::max(0, ColWidths(c)) + info.Horz.EffectiveLineWidth;
        if (LogicalX(x) >= end) state = gsNormal;
    }
}

int TCustomDBGridEh::CalcSizingColWidth() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int lw = info.Horz.EffectiveLineWidth;
    bool frozen = mouse_.MouseMode == gmmSizeFrozenCol;
    int index = frozen ? mouse_.SizingIndex : SizingIndex();
    int pos = frozen ? mouse_.SizingPos : SizingPos();
    int left = 0;
    if (index < FixedCols()) {
        for (int c = 0; c < index; ++c)
            if (ColWidths(c) >= 0) left += ColWidths(c) + lw;
    } else {
        left = info.Horz.FixedBoundary;
        for (int c = LeftCol(); c < index; ++c)
            if (ColWidths(c) >= 0) left += ColWidths(c) + lw;
    }
    return pos - left;
}

void TCustomDBGridEh::DrawSizingLine(int width, int height) {
    if (!HandleAllocated()) return;
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clWhite);
    int pos = mouse_.MouseMode == gmmSizeFrozenCol ? mouse_.SizingPos : SizingPos();
    if (GridState() == gsRowSizing) {
        c->MoveTo(0, pos);
        c->LineTo(width, pos);
    } else {
        c->MoveTo(LogicalX(pos), 0);
        c->LineTo(LogicalX(pos), height);
    }
    c->Pen()->Assign(&saved);
    if (auto* cc = dynamic_cast<TControlCanvas*>(c)) cc->FreeHandle();
}

// A traced sizing applies the width as the mouse moves.
void TCustomDBGridEh::TraceColSizing(int x) {
    bool frozen = mouse_.MouseMode == gmmSizeFrozenCol;
    int pos = LogicalX(x) + (frozen ? mouse_.SizingOffset : SizingOfs());
    int index = frozen ? mouse_.SizingIndex : SizingIndex();
    if (index < 0 || index >= ColCount()) return;
    if (frozen) mouse_.SizingPos = pos;
    else SetSizingPos(pos);
    int width = CalcSizingColWidth();
    if (autoFitColWidths_ && !GridDesigning()) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        int n = ColCount();
        int limit = info.Horz.GridBoundary + index - n - (n - index) * info.Horz.EffectiveLineWidth;
        if (pos >= limit) return;
    }
    width = std::max(width, 1);
    if (ColWidths(index) != width) SetColWidths(index, width);
}

// --- automatic dragging ---

void TCustomDBGridEh::WndProc(Message& msg) {
    bool press = msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK;
    if (!press || DragMode() != dmAutomatic || !options_.Contains(dgMultiSelect) || GridDesigning()) {
        TCustomGrid::WndProc(msg);
        return;
    }
    auto alive = Alive();
    struct TRestoreDrag {
        TCustomDBGridEh* grid;
        std::shared_ptr<bool> alive;
        ~TRestoreDrag() {
            if (!*alive) return;
            grid->mouse_.AutoDragPending = false;
            grid->SetDragMode(dmAutomatic);
        }
    } restore{this, alive};
    SetDragMode(dmManual);
    mouse_.AutoDragPending = true;
    TCustomGrid::WndProc(msg);
}

// --- the press ---

TCustomDBGridEh::TGridPressEh::TGridPressEh(TCustomDBGridEh* grid, TMouseButton b, TShiftState s, int px, int py)
    : button(b), shift(s), x(px), y(py), alive(grid->Alive()) {
    cell = grid->MouseCoord(x, y);
    box = grid->GetDataBoxRect();
    inDataBox = cell.X >= box.Left && cell.X <= box.Right && cell.Y >= box.Top && cell.Y <= box.Bottom;
    column = grid->ColumnAtGridCol(cell.X);
    titleRow = grid->options_.Contains(dgTitles) && cell.Y == 0 && cell.X >= 0;
    if (titleRow && column && grid->useMultiTitle_)
        if (THeadTreeNode* leaf = grid->LeafFieldNode(cell.X - grid->indicatorOffset_))
            leafBand = y >= grid->CellRect(cell.X, cell.Y).bottom - leaf->Height + 1;
}

// The zones in turn: the first that takes the press ends it.
void TCustomDBGridEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && HandleAllocated() && !GridHasCapture()) SetCapture(WindowHandle());
    mouse_.CheckCellCol = mouse_.CheckCellRow = -1;
    mouse_.PressPoint = {x, y};
    TGridPressEh p(this, button, shift, x, y);
    p.Then([&] { return PressWithoutFocus(); });
    p.Then([&] { return PressDoubleClick(p); });
    p.Then([&] { return PressFrozenColBorder(p); });
    p.Then([&] { return PressSizingBorder(p); });
    p.Then([&] { return PressColumnSelection(p); });
    p.Then([&] { return PressTitleButton(p); });
    p.Then([&] { return PressTitleRows(p); });
    p.Then([&] { return PressOutsideRecords(p); });
    p.Then([&] { return PressRecord(p); });
}

// A grid that cannot take the focus does not keep the mouse either.
bool TCustomDBGridEh::PressWithoutFocus() {
    if (CanFocusGrid()) return false;
    if (GridHasCapture()) ReleaseCapture();
    return true;
}

// A double click fits a column to its contents or steps a check cell.
bool TCustomDBGridEh::PressDoubleClick(TGridPressEh& p) {
    if (p.button != mbLeft || !p.shift.Contains(ssDouble)) return false;
    bool fitted = false;
    p.Then([&] { fitted = FitOrStepOnDoubleClick(p); });
    p.Then([&] {
        if (!fitted) DblClick();
    });
    p.Then([&] { TCustomControl::MouseDown(p.button, p.shift, p.x, p.y); });
    return true;
}

bool TCustomDBGridEh::FitOrStepOnDoubleClick(TGridPressEh& p) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState state;
    int index = -1, pos, ofs;
    TCustomGrid::CalcSizingState(p.x, p.y, state, index, pos, ofs, info);
    bool colSizing = state == gsColSizing;
    if (!colSizing) {
        int frozenState;
        CalcFrozenSizingState(p.x, p.y, ofs, pos, index, frozenState);
        colSizing = frozenState == gmmSizeFrozenCol;
    }
    if (colSizing && optionsEh_.Contains(dghDblClickOptimizeColWidth)) {
        TColumnEh* c = ColumnAtGridCol(index);
        if (c) FitSelectedColumnsToContents(c);
        return c != nullptr;
    }
    if (p.inDataBox && IsCheckKind(p.column) && p.column->DblClickNextVal() && p.column->CanModify(false))
        p.column->StepValue(p.shift.Contains(ssShift) ? -1 : 1);
    return false;
}

// A frozen column's border starts sizing it.
bool TCustomDBGridEh::PressFrozenColBorder(TGridPressEh& p) {
    if (p.button != mbLeft) return false;
    int ofs, pos, index, state;
    CalcFrozenSizingState(p.x, p.y, ofs, pos, index, state);
    if (state != gmmSizeFrozenCol) return false;
    p.Then([&] { PostPendingEdit(); });
    p.Then([&] {
        mouse_.MouseMode = gmmSizeFrozenCol;
        mouse_.SizingPos = pos;
        mouse_.SizingOffset = ofs;
        mouse_.SizingIndex = index;
        if (!optionsEh_.Contains(dghTraceColSizing)) {
            Update();
            DrawSizingLine(ClientWidth(), ClientHeight());
        }
    });
    return true;
}

// A border of the base grid sizes its column or row.
bool TCustomDBGridEh::PressSizingBorder(TGridPressEh& p) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState state;
    int index = -1, pos = 0, ofs = 0;
    CalcSizingState(p.x, p.y, state, index, pos, ofs, info);
    if (state == gsNormal) return false;
    p.Then([&] { PostPendingEdit(); });
    p.Then([&] {
        if (optionsEh_.Contains(dghTraceColSizing) && p.button == mbLeft && state == gsColSizing) {
            SetGridState(gsColSizing);
            SetSizingIndex(index);
            SetSizingPos(pos);
            SetSizingOfs(ofs);
            TCustomControl::MouseDown(p.button, p.shift, p.x, p.y);
        } else {
            TCustomGrid::MouseDown(p.button, p.shift, p.x, p.y);
        }
    });
    return true;
}

// The bottom of a title under the column-selection cursor selects columns.
bool TCustomDBGridEh::PressColumnSelection(TGridPressEh& p) {
    if (!p.column || CursorKindAt(p.x, p.y) != kDownCursor) return false;
    InvalidateGridColumn(p.cell.X);
    mouse_.MouseMode = gmmSelectColumns;
    StartTimer(60);
    TDBGridEhSelectionCols& cols = selection_->Columns();
    if (p.shift.Contains(ssShift)) {
        cols.SelectShift(p.column);
    } else if (p.shift.Contains(ssCtrl)) {
        cols.InvertColumn(p.column);
    } else {
        Invalidate();
        cols.SelectColumn(p.column, false);
    }
    return true;
}

// The title rows move and size columns (and the indicator's title selects all).
bool TCustomDBGridEh::PressTitleRows(TGridPressEh& p) {
    if (p.cell.Y < 0 || p.cell.Y >= titleRowCount_ || !(GridDesigning() || options_.Contains(dgColumnResize)))
        return false;
    bool selectsAll = p.cell.X >= 0 && p.cell.X < indicatorOffset_ && options_.Contains(dgMultiSelect) &&
                      dataLink_->Active() && SelectionKindAllowed(gstAll);
    p.Then([&] {
        if (!selectsAll) return;
        if (selection_->SelectionType() == gstAll)
            selection_->Clear();
        else
            selection_->SelectAll();
        InvalidateEditor();
    });
    p.Then([&] { PostPendingEdit(); });
    p.Then([&] {
        Canvas()->Pen()->SetColor(kMovingLineColorEh);
        TCustomGrid::MouseDown(p.button, p.shift, p.x, p.y);
    });
    return true;
}

// The footers, and a grid without active data, only tell OnMouseDown.
bool TCustomDBGridEh::PressOutsideRecords(TGridPressEh& p) {
    int footerStart = footerRowCount_ > 0 ? RowCount() - footerRowCount_ : RowCount();
    if (p.cell.Y < footerStart && dataLink_->Active()) return false;
    TCustomControl::MouseDown(p.button, p.shift, p.x, p.y);
    return true;
}

// A press on the records: a drag of records or a node's button, else the
// dataset goes to the pressed record, the press selects, and the editor
// opens on the cell.
bool TCustomDBGridEh::PressRecord(TGridPressEh& p) {
    p.Then([&] { return StartRecordMoving(p.x, p.y, false) || TreeMouseDown(p.x, p.y, false); });
    p.Then([&] { GoToPressedCell(p); });
    p.Then([&] { SelectCellsByPress(p); });
    p.Then([&] { SelectRecordsByPress(p); });
    p.Then([&] { StartRecordDrag(p); });
    p.Then([&] {
        if (p.button == mbLeft && AlwaysShowEditorActive() && (p.sameCell || options_.Contains(dgAlwaysShowEditor)))
            ShowEditorEh();
    });
    p.Then([&] { OpenEditorByPress(p); });
    p.Then([&] { PassPressToEditButtons(p); });
    p.Then([&] {
        if (p.inDataBox && IsCheckKind(p.column)) {
            mouse_.CheckCellCol = p.cell.X;
            mouse_.CheckCellRow = p.cell.Y;
        }
        TCustomControl::MouseDown(p.button, p.shift, p.x, p.y);
    });
    return true;
}

// Under a layout lock: pending edits posted, the editor hidden, the dataset
// on the pressed record and the pressed column current.
void TCustomDBGridEh::GoToPressedCell(TGridPressEh& p) {
    TDataSet* ds = DataSet();
    p.dataRow = p.cell.Y >= p.box.Top && p.cell.Y <= p.box.Bottom;
    p.indicator = p.cell.X >= 0 && p.cell.X < indicatorOffset_;
    p.oldCol = Col();
    p.oldRow = Row();
    p.oldBookmark = ds->Bookmark();
    bool multi = options_.Contains(dgMultiSelect), rowSelect = options_.Contains(dgRowSelect);
    {
        TLayoutLockGuard lock(this);
        p.Then([&] { PostPendingEdit(); });
        p.Then([&] { HideEditor(); });
        p.Then([&] {
            // With Shift a multi-selecting press moves only over cells, to extend their rectangle.
            if (!p.dataRow || p.cell.Y == Row() || (p.shift.Contains(ssShift) && multi && (rowSelect || p.indicator)))
                return;
            TGridFlagGuard byMouse(this, mouse_.MovingByMouse);
            dataLink_->MoveBy(p.cell.Y - Row());
        });
        p.Then([&] {
            if (p.column) SelectGridColumn(p.cell.X, 0, false);
        });
    }
    p.Then([&] {
        p.sameCell = p.cell.X == p.oldCol && p.cell.Y == p.oldRow;
        p.captured = GridHasCapture();
        ctrlSelect_ = p.shift.Contains(ssCtrl) || !optionsEh_.Contains(dghClearSelection);
    });
}

// Under automatic dragging a press on a selected cell keeps the selection:
// the next move drags it. Else a press in the data box starts a cell drag and
// a rectangle of cells.
void TCustomDBGridEh::SelectCellsByPress(TGridPressEh& p) {
    TDataSet* ds = DataSet();
    bool ctrl = p.shift.Contains(ssCtrl), shiftDown = p.shift.Contains(ssShift);
    if (mouse_.AutoDragPending && !shiftDown && p.button == mbLeft && p.column &&
        selection_->DataCellSelected(p.cell.X - indicatorOffset_, ds->Bookmark())) {
        mouse_.PendingDrag = p.pendingDrag = true;
        return;
    }
    if (!p.inDataBox || (options_.Contains(dgMultiSelect) && options_.Contains(dgRowSelect))) return;
    if (p.captured) {
        mouse_.MouseTracking = true;
        mouse_.RectSelecting = true;
    }
    if (!ctrl && !shiftDown && optionsEh_.Contains(dghClearSelection)) {
        // A right press keeps a selection it falls in, for its context menu.
        if (p.button == mbLeft || !selection_->DataCellSelected(p.cell.X - indicatorOffset_, ds->Bookmark()))
            ClearSelectionOnMove();
    }
    if (p.column && SelectionKindAllowed(gstRectangle) && p.button == mbLeft && !ds->IsEmpty()) {
        TDBGridEhSelectionRect& rect = selection_->Rect();
        int dataCol = p.cell.X - indicatorOffset_;
        if (shiftDown && selection_->SelectionType() == gstRectangle) {
            rect.Select(dataCol, ds->Bookmark(), true);
        } else if (shiftDown) {
            rect.Select(p.oldCol - indicatorOffset_, p.oldBookmark, false);
            rect.Select(dataCol, ds->Bookmark(), true);
        } else {
            rect.Select(dataCol, ds->Bookmark(), false);
        }
        mouse_.MouseMode = gmmSelectRectangle;
    }
}

// Whether the press selects records: by row selection, in the indicator, or
// where no rectangle may be selected.
bool TCustomDBGridEh::PressSelectsRecords(const TGridPressEh& p) const {
    return !p.pendingDrag && SelectionKindAllowed(gstRecordBookmarks) &&
           (options_.Contains(dgRowSelect) || p.indicator || !SelectionKindAllowed(gstRectangle)) && p.dataRow;
}

// Shift extends the record selection to the pressed record; a left press
// toggles it with Ctrl, else selects it alone.
void TCustomDBGridEh::SelectRecordsByPress(TGridPressEh& p) {
    if (!PressSelectsRecords(p)) return;
    TBookmarkListEh& rows = SelectedBookmarks();
    p.wasSelected = rows.CurrentRowSelected();
    if (p.shift.Contains(ssShift) && p.cell.Y != p.oldRow) {
        MoveRecordBy(true, p.cell.Y - Row(), true, false);
    } else if (p.button == mbLeft) {
        if (ctrlSelect_) {
            rows.SetCurrentRowSelected(!p.wasSelected);
        } else {
            selection_->Clear();
            rows.SetCurrentRowSelected(true);
        }
        Invalidate();
    }
}

// The drag selects (or, from a selected record with Ctrl, unselects) from
// the pressed record on.
void TCustomDBGridEh::StartRecordDrag(TGridPressEh& p) {
    if (!PressSelectsRecords(p)) return;
    if (!options_.Contains(dgRowSelect) && SelectionKindAllowed(gstRectangle) && !p.indicator) return;
    mouse_.RowSelecting = true;
    if (!p.captured || p.shift.Contains(ssShift)) return;
    mouse_.MouseTracking = true;
    shiftSelecting_ = true;
    shiftAnchor_ = DataSet()->Bookmark();
    shiftAnchorSelected_ = p.wasSelected;
    mouse_.MouseMode = gmmSelectRecords;
}

// A press on a data cell opens the editor when the editor is always shown,
// the cell was current already, or the press fell on its always-shown buttons.
void TCustomDBGridEh::OpenEditorByPress(TGridPressEh& p) {
    if (p.button == mbRight || p.indicator) {
        InvalidateEditor();
        return;
    }
    if (!p.column || !p.dataRow) return;
    win::RECT r = CellRect(p.cell.X, p.cell.Y);
    int band = p.column->AlwaysShowEditButton() ? p.column->EditButtonsWidth() : 0;
    int bandLeft = p.column->UseRightToLeftAlignment() ? r.left : r.right - band;
    p.inButtons = band > 0 && p.x >= bandLeft && p.x < bandLeft + band;
    if (options_.Contains(dgAlwaysShowEditor) || p.inButtons || p.sameCell) ShowEditorEh();
}

// The press belongs to the editor's buttons under it.
void TCustomDBGridEh::PassPressToEditButtons(TGridPressEh& p) {
    if (!p.inButtons || !InplaceEditorVisible()) return;
    CancelRowSizing();
    POINT screen = ClientToScreen({p.x, p.y});
    HWND target = WindowFromPoint(screen);
    if (!target || target == WindowHandle()) return;
    POINT at = screen;
    win::ScreenToClient(target, &at);
    win::SendMessage(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

// --- moving ---

void TCustomDBGridEh::MouseMove(TShiftState shift, int x, int y) {
    auto alive = Alive();
    POINT previous = mouse_.LastMousePoint;
    mouse_.LastMousePoint = {x, y};
    TGridCoord cell = MouseCoord(x, y);
    bool leftDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0 || shift.Contains(ssLeft);
    if (mouse_.PendingDrag) {
        mouse_.PendingDrag = false;
        BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold());
        return;
    }

    if (TitlePressTracked()) {
        MoveTitlePress(x, y);
        if (!*alive) return;
    } else if (mouse_.RowSelecting || mouse_.RectSelecting || mouse_.MouseMode == gmmSelectRectangle) {
        bool moved = x != previous.x || y != previous.y;
        x = std::clamp(x, 0, std::max(0, Width() - 1));
        y = std::clamp(y, 0, std::max(0, Height() - 1));
        win::RECT box = DataBoxPixelRect();
        if (y > box.top && y < box.bottom) {
            TGridCoord at = MouseCoord(x, y);
            if (at.Y >= titleRowCount_ && at.Y != Row()) {
                MoveRecordBy(leftDown && moved, at.Y - Row(), mouse_.MouseMode != gmmSelectRectangle, false);
                if (!*alive) return;
            }
            if (mouse_.RectSelecting && x > box.left && x < box.right && at.X >= indicatorOffset_ && at.X != Col()) {
                SelectGridColumn(at.X, at.X > Col() ? 1 : -1, false);
                if (!*alive) return;
                if (mouse_.MouseMode == gmmSelectRectangle && DataSet())
                    selection_->Rect().Select(Col() - indicatorOffset_, DataSet()->Bookmark(), true);
            }
        }
        mouse_.PressPoint = {x, y};
        mouse_.LastMouseShift = shift;
        // A move report without a move leaves the scrolling to the timer.
        if (moved) TimerScroll();
        if (!*alive) return;
    } else if (mouse_.MouseMode == gmmSelectColumns) {
        win::RECT box = DataBoxPixelRect();
        TColumnEh* column = ColumnAtGridCol(cell.X);
        if (x < box.left || x >= box.right || !column) TimerScroll();
        else selection_->Columns().SelectShift(column);
        if (!*alive) return;
    } else if (mouse_.MouseMode == gmmMoveRecords) {
        TGridRect box = GetDataBoxRect();
        if (cell.Y >= box.Top && cell.Y <= box.Bottom) CalcMoveTargetRow(y);
    }

    bool traced = optionsEh_.Contains(dghTraceColSizing) &&
                  (GridState() == gsColSizing || mouse_.MouseMode == gmmSizeFrozenCol);
    if (traced) {
        TraceColSizing(x);
        if (!*alive) return;
        if (GridState() == gsColSizing) return;
    } else if (mouse_.MouseMode == gmmSizeFrozenCol) {
        DrawSizingLine(ClientWidth(), ClientHeight());
        mouse_.SizingPos = LogicalX(x) + mouse_.SizingOffset;
        DrawSizingLine(ClientWidth(), ClientHeight());
    }
    TCustomGrid::MouseMove(shift, x, y);
}

// --- the release ---

void TCustomDBGridEh::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    auto alive = Alive();
    if (mouse_.MouseMode == gmmSizeFrozenCol && !optionsEh_.Contains(dghTraceColSizing)) {
        DrawSizingLine(ClientWidth(), ClientHeight());
        TGridDrawInfo info;
        CalcDrawInfo(info);
        int left = 0;
        for (int c = 0; c < mouse_.SizingIndex; ++c)
            if (ColWidths(c) >= 0) left += ColWidths(c) + info.Horz.EffectiveLineWidth;
        int width = mouse_.SizingPos - left;
        if (width > 1 && mouse_.SizingIndex >= 0 && mouse_.SizingIndex < ColCount())
            SetColWidths(mouse_.SizingIndex, width);
        if (!*alive) return;
    } else if (mouse_.MouseMode == gmmMoveRecords) {
        EndRowMoving(x, y, true);
        if (!*alive) return;
    }
    if (mouse_.PendingDrag) {
        // A press on a selected cell that never moved: a click on the selection.
        mouse_.PendingDrag = false;
        if (shift.Contains(ssCtrl) && options_.Contains(dgRowSelect)) {
            SelectedBookmarks().SetCurrentRowSelected(!SelectedBookmarks().CurrentRowSelected());
            Invalidate();
        } else if (optionsEh_.Contains(dghClearSelection)) {
            ClearSelectionOnMove();
        }
        if (!*alive) return;
    } else if (optionsEh_.Contains(dghTraceColSizing) && GridState() == gsColSizing) {
        // A traced sizing already applied its widths.
        SetGridState(gsNormal);
        mouse_.MouseMode = gmmNone;
        return;
    }
    int oldMode = mouse_.MouseMode;
    mouse_.MouseMode = gmmNone;
    bool wasRowSelecting = mouse_.RowSelecting, wasRectSelecting = mouse_.RectSelecting;
    mouse_.UserRowSizing = GridState() == gsRowSizing;

    if (!ReleaseTitlePress(button, shift, x, y)) return;
    // A press that dragged nothing leaves no anchor behind: Shift then extends from the current record.
    if (wasRowSelecting && DataSet() && DataSet()->Bookmark() == shiftAnchor_) shiftSelecting_ = false;
    if (wasRowSelecting || wasRectSelecting) {
        EndMouseTracking();
        if (GridHasCapture()) ReleaseCapture();
    }
    if (oldMode != gmmNone) StopTimer();

    TGridState baseState = GridState();
    TCustomGrid::MouseUp(button, shift, x, y);
    if (!*alive) return;
    mouse_.UserRowSizing = false;
    if (baseState == gsColSizing || baseState == gsRowSizing) return;
    if (InplaceEditorVisible()) {
        win::RECT r = InplaceEditor()->BoundsRect();
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return;
    }

    TGridCoord cell = MouseCoord(x, y);
    TColumnEh* column = ColumnAtGridCol(cell.X);
    if (button == mbLeft && column) {
        TGridRect box = GetDataBoxRect();
        if (cell.Y >= 0 && cell.Y < titleRowCount_) {
            TitleClick(column);
        } else if (cell.Y >= box.Top && cell.Y <= box.Bottom &&
                   cell.Y - titleRowCount_ < std::max(1, ShownRecordCount())) {
            CellClick(column);
        }
        if (!*alive) return;
    }
    if (cell.X == mouse_.CheckCellCol && cell.Y == mouse_.CheckCellRow && column && !column->DblClickNextVal() &&
        !shift.Contains(ssDouble) && column->CanModify(false))
        column->StepValue(shift.Contains(ssShift) ? -1 : 1);
    mouse_.CheckCellCol = mouse_.CheckCellRow = -1;
}

// --- the auto-scroll timer ---

void TCustomDBGridEh::TimerScroll() {
    if (!HandleAllocated()) return;
    POINT p;
    GetCursorPos(&p);
    win::ScreenToClient(WindowHandle(), &p);
    // Compared as laid out: right to left the columns go on at the left.
    p.x = LogicalX(p.x);
    win::RECT box = LogicalRect(DataBoxPixelRect());

    if (mouse_.MouseMode == gmmSelectColumns) {
        int columns = ColCount();
        int visible = VisibleColCount();
        TDBGridEhSelectionCols& cols = selection_->Columns();
        auto extendTo = [&](int gridCol) {
            if (TColumnEh* c = ColumnAtGridCol(std::clamp(gridCol, 0, columns - 1))) cols.SelectShift(c);
        };
        if (p.x >= box.right) {
            if (LeftCol() + visible < columns) {
                SetLeftCol(LeftCol() + 1);
                int to = LeftCol() + VisibleColCount() + FixedCols();
                extendTo(to < columns ? to : LeftCol() + VisibleColCount() - 1);
            } else {
                extendTo(LeftCol() + visible - 1);
            }
            StartTimer(std::max(0, 200 - 10 * (p.x - box.right + 1)));
        } else if (p.x < box.left) {
            if (LeftCol() > FixedCols()) {
                SetLeftCol(LeftCol() - 1);
                extendTo(LeftCol() > FixedCols() ? LeftCol() - 1 : LeftCol());
            } else {
                extendTo(LeftCol());
            }
            StartTimer(std::max(0, 200 - 10 * (box.left - p.x)));
        }
        return;
    }

    int vert = 0, horz = 0, vDistance = 0, hDistance = 0;
    if (p.y < box.top) {
        vert = -1;
        vDistance = box.top - p.y;
    } else if (p.y >= box.bottom) {
        vert = 1;
        vDistance = p.y - box.bottom + 1;
    }
    if (p.x < box.left) {
        horz = -1;
        hDistance = box.left - p.x;
    } else if (p.x >= box.right) {
        horz = 1;
        hDistance = p.x - box.right + 1;
    }
    int distance = std::max(vDistance, hDistance);
    if (vert == 0 && horz == 0) {
        StopTimer();
        return;
    }
    auto alive = Alive();
    bool leftDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    int step = std::min(8, distance / 6);
    {
        TLayoutLockGuard lock(this);
        if (vert != 0 && mouse_.MouseMode != gmmSelectRectangle) {
            MoveRecordBy(leftDown, vert * step, mouse_.MouseMode != gmmSelectRectangle, false);
            if (!*alive) return;
        }
        if (mouse_.RectSelecting && horz != 0) {
            if (horz < 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            else if (horz > 0 && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
            if (mouse_.MouseMode != gmmSelectRecords) {
                SelectGridColumn(Col() + horz, horz, false);
                if (!*alive) return;
            }
        }
        if (mouse_.MouseMode == gmmSelectRectangle && DataSet()) {
            if (vert != 0) dataLink_->MoveBy(vert * step);
            if (!*alive) return;
            int dataCol = LeftCol() <= FixedCols() && horz < 0 ? 0 : Col() - indicatorOffset_;
            selection_->Rect().Select(dataCol, DataSet()->Bookmark(), true);
        }
    }
    if (layoutLock_ == 0) Update();
    StartTimer(std::max(0, 200 - 15 * distance));
}

// --- keys, cursors and the other mouse messages ---

bool TCustomDBGridEh::DefaultColumnsShown() const {
    return !dataLink_->Active() || (columns_->GetState() != csCustomized && dataLink_->DefaultFields()) ||
           !dataLink_->DataSource();
}

int TCustomDBGridEh::CursorKindAt(int x, int y) {
    if (GridDesigning() || !dataLink_->Active() || !options_.Contains(dgMultiSelect)) return -1;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState state;
    int index, pos, ofs;
    CalcSizingState(x, y, state, index, pos, ofs, info);
    if (state != gsNormal || StartRecordMoving(x, y, true)) return -1;
    TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0) return -1;
    TGridRect box = GetDataBoxRect();
    if (cell.X < indicatorOffset_ && cell.Y >= box.Top && cell.Y <= box.Bottom && !DataSet()->IsEmpty() &&
        SelectionKindAllowed(gstRecordBookmarks))
        return UseRightToLeftAlignment() ? kLeftCursor : kRightCursor;
    if (cell.Y == 0 && ColumnAtGridCol(cell.X) && options_.Contains(dgTitles) && !options_.Contains(dgRowSelect) &&
        SelectionKindAllowed(gstColumns)) {
        win::RECT r = CellRect(cell.X, 0);
        if (r.bottom - r.top < 7 || y >= r.bottom - 7) return kDownCursor;
    }
    return -1;
}

bool TCustomDBGridEh::DispatchMouseMessage(Message& msg) {
    switch (msg.Msg) {
    case WM_TIMER:
        if (msg.WParam != kScrollTimer) return false;
        TCustomGrid::Dispatch(msg);
        if (mouse_.MouseMode == gmmMoveRecords) {
            POINT p;
            GetCursorPos(&p);
            win::ScreenToClient(WindowHandle(), &p);
            CalcMoveTargetRow(p.y);
        } else if (mouse_.RowSelecting || mouse_.RectSelecting || mouse_.MouseMode == gmmSelectColumns ||
                   mouse_.MouseMode == gmmSelectRectangle) {
            TimerScroll();
        }
        return true;
    case WM_SETCURSOR: {
        if (reinterpret_cast<HWND>(msg.WParam) != WindowHandle() || LOWORD(msg.LParam) != HTCLIENT) return false;
        if (GridDesigning() && DefaultColumnsShown()) {
            win::SetCursor(LoadCursor(IDC_ARROW));
            msg.Result = 1;
            return true;
        }
        POINT p;
        GetCursorPos(&p);
        win::ScreenToClient(WindowHandle(), &p);
        int mode = mouse_.MouseMode;
        if (mode == gmmNone) {
            int ofs, pos, index;
            CalcFrozenSizingState(p.x, p.y, ofs, pos, index, mode);
        }
        if (mode == gmmSizeFrozenCol) {
            win::SetCursor(Screen->Cursors(crHSplit));
            msg.Result = 1;
            return true;
        }
        int kind = CursorKindAt(p.x, p.y);
        if (kind >= 0 && DBGridEhCursor(kind)) {
            win::SetCursor(DBGridEhCursor(kind));
            msg.Result = 1;
            return true;
        }
        return false;
    }
    case CM_DESIGNHITTEST: {
        TCustomGrid::Dispatch(msg);
        if (msg.Result == 0) {
            msg.Result = SizingHitTest(GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)) ? 1 : 0;
        } else if (DefaultColumnsShown()) {
            msg.Result = 0;
        }
        return true;
    }
    case WM_CANCELMODE: case CM_CANCELMODE: {
        int mode = mouse_.MouseMode;
        TCustomGrid::Dispatch(msg);
        if (mode == gmmSizeFrozenCol && !optionsEh_.Contains(dghTraceColSizing))
            DrawSizingLine(ClientWidth(), ClientHeight());
        if (mode == gmmMoveRecords) EndRowMoving(mouse_.LastMousePoint.x, mouse_.LastMousePoint.y, false);
        // Whatever the press was following ends here, captured or not.
        EndMouseTracking();
        titlePress_.RightTitlePress = false;
        if (GridHasCapture()) ReleaseCapture();
        return true;
    }
    default:
        return false;
    }
}

} // namespace tv
