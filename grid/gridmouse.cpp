// TCustomDBGridEh under the mouse: presses, moves and releases over the
// titles, the indicator, data cells, check boxes and sizing borders; title
// buttons and sort marking; sizing of frozen columns; selecting by dragging
// with the auto-scroll timer; and the grid's cursors.
#include <algorithm>
#include <cstdlib>

#include "core/scopeguards.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/screen.h"
#include "grid/dbgrideh.h"
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
constexpr TColor kMovingLineColor = 0x00C0C0C0;

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
    bool repaintTitle = titlePressed_;
    titlePressed_ = false;
    pressedTitleCol_ = -1;
    mouse_.MouseTracking = false;
    mouse_.RowSelecting = false;
    mouse_.RectSelecting = false;
    mouse_.MouseMode = gmmNone;
    CancelMouseState();
    if (repaintTitle && HandleAllocated()) InvalidateRow(0);
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

void TCustomDBGridEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    auto alive = Alive();
    if (button == mbLeft && HandleAllocated() && !GridHasCapture()) SetCapture(WindowHandle());
    mouse_.CheckCellCol = mouse_.CheckCellRow = -1;
    mouse_.PressPoint = {x, y};
    if (!CanFocusGrid()) {
        // A grid that cannot take the focus does not keep the mouse either.
        if (*alive && GridHasCapture()) ReleaseCapture();
        return;
    }
    if (!*alive) return;

    TGridCoord cell = MouseCoord(x, y);
    TGridRect box = GetDataBoxRect();
    bool inDataBox = cell.X >= box.Left && cell.X <= box.Right && cell.Y >= box.Top && cell.Y <= box.Bottom;

    // A double click: fit a column to its contents, or step a check cell.
    if (button == mbLeft && shift.Contains(ssDouble)) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state;
        int index = -1, pos, ofs;
        TCustomGrid::CalcSizingState(x, y, state, index, pos, ofs, info);
        bool colSizing = state == gsColSizing;
        if (!colSizing) {
            int frozenState;
            CalcFrozenSizingState(x, y, ofs, pos, index, frozenState);
            colSizing = frozenState == gmmSizeFrozenCol;
        }
        bool optimized = false;
        if (colSizing && optionsEh_.Contains(dghDblClickOptimizeColWidth)) {
            if (TColumnEh* c = ColumnAtGridCol(index)) {
                FitSelectedColumnsToContents(c);
                optimized = true;
            }
        } else if (inDataBox) {
            TColumnEh* c = ColumnAtGridCol(cell.X);
            if (IsCheckKind(c) && c->DblClickNextVal() && c->CanModify(false))
                c->StepValue(shift.Contains(ssShift) ? -1 : 1);
        }
        if (!*alive) return;
        if (!optimized) DblClick();
        if (!*alive) return;
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }

    // A frozen column's border.
    if (button == mbLeft) {
        int ofs, pos, index, state;
        CalcFrozenSizingState(x, y, ofs, pos, index, state);
        if (state == gmmSizeFrozenCol) {
            PostPendingEdit();
            if (!*alive) return;
            mouse_.MouseMode = gmmSizeFrozenCol;
            mouse_.SizingPos = pos;
            mouse_.SizingOffset = ofs;
            mouse_.SizingIndex = index;
            if (!optionsEh_.Contains(dghTraceColSizing)) {
                Update();
                DrawSizingLine(ClientWidth(), ClientHeight());
            }
            return;
        }
    }

    // A border of the base grid.
    {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(x, y, state, index, pos, ofs, info);
        if (state != gsNormal) {
            PostPendingEdit();
            if (!*alive) return;
            if (optionsEh_.Contains(dghTraceColSizing) && button == mbLeft && state == gsColSizing) {
                SetGridState(gsColSizing);
                SetSizingIndex(index);
                SetSizingPos(pos);
                SetSizingOfs(ofs);
                TCustomControl::MouseDown(button, shift, x, y);
            } else {
                TCustomGrid::MouseDown(button, shift, x, y);
            }
            return;
        }
    }

    TColumnEh* column = ColumnAtGridCol(cell.X);
    bool titleRow = options_.Contains(dgTitles) && cell.Y == 0 && cell.X >= 0;
    bool leafBand = true;
    if (titleRow && column && useMultiTitle_) {
        if (THeadTreeNode* leaf = LeafFieldNode(cell.X - indicatorOffset_)) {
            win::RECT r = CellRect(cell.X, cell.Y);
            leafBand = y >= r.bottom - leaf->Height + 1;
        }
    }

    // Column selection over the titles.
    if (column && CursorKindAt(x, y) == kDownCursor) {
        InvalidateGridColumn(cell.X);
        mouse_.MouseMode = gmmSelectColumns;
        StartTimer(60);
        TDBGridEhSelectionCols& cols = selection_->Columns();
        if (shift.Contains(ssShift)) {
            cols.SelectShift(column);
        } else if (shift.Contains(ssCtrl)) {
            cols.InvertColumn(column);
        } else {
            Invalidate();
            cols.SelectColumn(column, false);
        }
        return;
    }

    // Title buttons.
    if (titleRow && column && !GridDesigning() && leafBand) {
        if (button == mbRight && options_.Contains(dgColumnResize)) {
            button = mbLeft;
            mouse_.RightTitlePress = true;
            if (HandleAllocated() && !GridHasCapture()) SetCapture(WindowHandle());
        }
        if (button == mbLeft) {
            bool enabled = column->Title()->TitleButton();
            CheckTitleButton(cell.X - indicatorOffset_, enabled);
            if (!*alive) return;
            if (enabled && GridHasCapture()) {
                mouse_.MouseTracking = true;
                pressedTitleCol_ = cell.X;
                UpdateTitlePressState(x, y);
                return;
            }
        }
    }

    // The titles move and size columns.
    if (cell.Y >= 0 && cell.Y < titleRowCount_ && (GridDesigning() || options_.Contains(dgColumnResize))) {
        if (cell.X >= 0 && cell.X < indicatorOffset_ && options_.Contains(dgMultiSelect) && dataLink_->Active() &&
            SelectionKindAllowed(gstAll)) {
            if (selection_->SelectionType() == gstAll) selection_->Clear();
            else selection_->SelectAll();
            InvalidateEditor();
        }
        PostPendingEdit();
        if (!*alive) return;
        Canvas()->Pen()->SetColor(kMovingLineColor);
        TCustomGrid::MouseDown(button, shift, x, y);
        return;
    }

    // The footers.
    int footerStart = footerRowCount_ > 0 ? RowCount() - footerRowCount_ : RowCount();
    if (cell.Y >= footerStart) {
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }

    if (!dataLink_->Active()) {
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }
    if (StartRecordMoving(x, y, false) || TreeMouseDown(x, y, false)) return;
    if (!*alive) return;

    TDataSet* ds = DataSet();
    bool ctrl = shift.Contains(ssCtrl), shiftDown = shift.Contains(ssShift);
    bool multi = options_.Contains(dgMultiSelect), rowSelect = options_.Contains(dgRowSelect);
    bool indicator = cell.X >= 0 && cell.X < indicatorOffset_;
    bool dataRow = cell.Y >= box.Top && cell.Y <= box.Bottom;
    int oldCol = Col(), oldRow = Row();
    TBookmark oldBookmark = ds->Bookmark();
    {
        TLayoutLockGuard lock(this);
        PostPendingEdit();
        if (!*alive) return;
        HideEditor();
        if (!*alive) return;
        if (dataRow && cell.Y != Row() && (!(shiftDown && multi) || (!rowSelect && !indicator))) {
            TFlagGuard reset(mouse_.MovingByMouse);
            dataLink_->MoveBy(cell.Y - Row());
            if (!*alive) return;
        }
        if (column) SelectGridColumn(cell.X, 0, false);
        if (!*alive) return;
    }
    bool sameCell = cell.X == oldCol && cell.Y == oldRow;
    bool captured = GridHasCapture();
    ctrlSelect_ = ctrl || !optionsEh_.Contains(dghClearSelection);

    // Under automatic dragging a press on a selected cell keeps the selection:
    // the next move drags it.
    if (mouse_.AutoDragPending && !shiftDown && button == mbLeft && column &&
        selection_->DataCellSelected(cell.X - indicatorOffset_, ds->Bookmark())) {
        mouse_.PendingDrag = true;
    } else {
        if (inDataBox && (!multi || !rowSelect)) {
            if (captured) {
                mouse_.MouseTracking = true;
                mouse_.RectSelecting = true;
            }
            if (!ctrl && !shiftDown && optionsEh_.Contains(dghClearSelection)) {
                // A right press keeps a selection it falls in, for its context menu.
                if (button == mbLeft || !selection_->DataCellSelected(cell.X - indicatorOffset_, ds->Bookmark()))
                    ClearSelectionOnMove();
            }
            if (column && SelectionKindAllowed(gstRectangle) && button == mbLeft && !ds->IsEmpty()) {
                TDBGridEhSelectionRect& rect = selection_->Rect();
                int dataCol = cell.X - indicatorOffset_;
                if (shiftDown && selection_->SelectionType() == gstRectangle) {
                    rect.Select(dataCol, ds->Bookmark(), true);
                } else if (shiftDown) {
                    rect.Select(oldCol - indicatorOffset_, oldBookmark, false);
                    rect.Select(dataCol, ds->Bookmark(), true);
                } else {
                    rect.Select(dataCol, ds->Bookmark(), false);
                }
                mouse_.MouseMode = gmmSelectRectangle;
            }
        }
        if (SelectionKindAllowed(gstRecordBookmarks) &&
            (rowSelect || indicator || !SelectionKindAllowed(gstRectangle)) && dataRow) {
            TBookmarkListEh& rows = SelectedBookmarks();
            bool wasSelected = rows.CurrentRowSelected();
            if (shiftDown && cell.Y != oldRow) {
                MoveRecordBy(true, cell.Y - Row(), true, false);
                if (!*alive) return;
            } else if (button == mbLeft) {
                if (ctrlSelect_) {
                    rows.SetCurrentRowSelected(!wasSelected);
                } else {
                    selection_->Clear();
                    rows.SetCurrentRowSelected(true);
                }
                Invalidate();
            }
            if (rowSelect || !SelectionKindAllowed(gstRectangle) || indicator) {
                mouse_.RowSelecting = true;
                if (captured && !shiftDown) {
                    // The drag selects (or, from a selected record with Ctrl, unselects)
                    // from the pressed record on.
                    mouse_.MouseTracking = true;
                    shiftSelecting_ = true;
                    shiftAnchor_ = ds->Bookmark();
                    shiftAnchorSelected_ = wasSelected;
                    mouse_.MouseMode = gmmSelectRecords;
                }
            }
        }
    }

    if (button == mbLeft && AlwaysShowEditorActive() && (sameCell || options_.Contains(dgAlwaysShowEditor)))
        ShowEditorEh();
    if (!*alive) return;
    if (button == mbRight || indicator) {
        InvalidateEditor();
    } else if (column && dataRow) {
        win::RECT r = CellRect(cell.X, cell.Y);
        int band = column->AlwaysShowEditButton() ? column->EditButtonsWidth() : 0;
        int bandLeft = column->UseRightToLeftAlignment() ? r.left : r.right - band;
        bool inBand = band > 0 && x >= bandLeft && x < bandLeft + band;
        if (options_.Contains(dgAlwaysShowEditor) || inBand || sameCell) ShowEditorEh();
        if (!*alive) return;
        if (inBand && InplaceEditorVisible()) {
            // The press belongs to the editor's buttons.
            CancelRowSizing();
            POINT screen = ClientToScreen({x, y});
            HWND target = WindowFromPoint(screen);
            if (target && target != WindowHandle()) {
                POINT p = screen;
                win::ScreenToClient(target, &p);
                win::SendMessage(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
                if (!*alive) return;
            }
        }
    }
    if (inDataBox && IsCheckKind(column)) {
        mouse_.CheckCellCol = cell.X;
        mouse_.CheckCellRow = cell.Y;
    }
    TCustomControl::MouseDown(button, shift, x, y);
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

    if (mouse_.MouseTracking && pressedTitleCol_ >= 0) {
        UpdateTitlePressState(x, y);
        if (std::abs(x - mouse_.PressPoint.x) > 3 && options_.Contains(dgColumnResize)) {
            // Far enough sideways, the title press becomes a column move.
            POINT press = mouse_.PressPoint;
            CancelRowSizing();
            if (HandleAllocated()) SetCapture(WindowHandle());
            Canvas()->Pen()->SetColor(kMovingLineColor);
            TCustomGrid::MouseDown(mbLeft, {}, press.x, press.y);
            if (!*alive) return;
        }
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

    // The title button.
    if (mouse_.MouseTracking && pressedTitleCol_ >= 0) {
        int col = pressedTitleCol_;
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
            if (!*alive) return;
            bool ctrl = shift.Contains(ssCtrl);
            mouse_.SortMarkingPending = ctrl;
            if (optionsEh_.Contains(dghAutoSortMarking)) {
                column->Title()->ToggleSortMarker(ctrl && optionsEh_.Contains(dghMultiSortMarking));
                if (!ctrl) SortMarkingChanged();
                if (!*alive) return;
            }
        }
    }
    if (mouse_.RightTitlePress) {
        mouse_.RightTitlePress = false;
        if (GridHasCapture()) ReleaseCapture();
        button = mbLeft;
    }
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

void TCustomDBGridEh::KeyUp(WORD& key, TShiftState shift) {
    if (key == VK_CONTROL && mouse_.SortMarkingPending) {
        mouse_.SortMarkingPending = false;
        SortMarkingChanged();
    }
    TCustomGrid::KeyUp(key, shift);
}

void TCustomDBGridEh::SortMarkingChanged() {
    if (!optionsEh_.Contains(dghAutoSortMarking)) return;
    if (OnSortMarkingChanged) OnSortMarkingChanged(this);
    else DataServiceApplySorting();
}

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
        mouse_.RightTitlePress = false;
        if (GridHasCapture()) ReleaseCapture();
        return true;
    }
    default:
        return false;
    }
}

} // namespace tv
