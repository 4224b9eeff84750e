// Moving records by dragging them in the indicator column: where a drag may
// start, the drop marker that follows the mouse, and the move itself through
// the application, the memory table or the dataset's features.
#include <algorithm>

#include "editors/memtable.h"
#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"
#include "grid/griddataservice.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"

namespace tv {

bool TCustomDBGridEh::CanEditorShowFirst(int, int, win::POINT) { return true; }

bool TCustomDBGridEh::StartRecordMoving(int x, int y, bool checkOnly) {
    if (!dataLink_->Active() || !optionsEh_.Contains(dghRecordMoving)) return false;
    TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.X >= indicatorOffset_ || cell.Y < titleRowCount_) return false;
    TDataSet* ds = DataSet();
    if (!ds || (ds->Bof() && ds->Eof()) || ds->IsEmpty()) return false;
    int dataRow = cell.Y - titleRowCount_;
    if (dataRow >= ShownRecordCount()) return false;
    TBookmark bookmark;
    int level = -1;
    {
        TGridActiveRowGuard entered(*this, dataRow);
        bookmark = ds->Bookmark();
        if (memTableLink_) level = memTableLink_->TreeNodeLevel();
    }
    if (SelectionKindAllowed(gstRecordBookmarks)) {
        bool modifiers = win::GetKeyState(win::VK_SHIFT) < 0 || win::GetKeyState(win::VK_CONTROL) < 0 ||
                         win::GetKeyState(win::VK_MENU) < 0;
        if (modifiers || SelectedBookmarks().PositionOf(bookmark) < 0) return false;
    }
    if (checkOnly) return true;
    moveStartRow_ = moveTargetRow_ = cell.Y;
    moveStartBookmark_ = bookmark;
    moveStartLevel_ = moveTargetLevel_ = level;
    if (!CanEditorShowFirst(moveStartRow_, moveTargetRow_, {x, y})) return false;
    mouse_.MouseMode = gmmMoveRecords;
    mouse_.MouseTracking = true;
    if (HandleAllocated()) win::UpdateWindow(WindowHandle());
    int dropLevel = level;
    moveMarkerX_ = GetTreeButtonRect(moveTargetRow_, {x, y}, dropLevel);
    DrawMoveMarker();
    StartTimer(60);
    if (HandleAllocated() && !GridHasCapture()) win::SetCapture(WindowHandle());
    return true;
}

int TCustomDBGridEh::GetTreeButtonRect(int row, win::POINT point, int& level) {
    level = -1;
    if (!memTableLink_ || !memTableLink_->TreeViewActive()) return 0;
    int count = ShownRecordCount();
    if (count <= 0) return 0;
    int dataRow = std::clamp(row - titleRowCount_, 0, count - 1);
    int nodeLevel, maxLevel, minLevel;
    {
        TGridActiveRowGuard entered(*this, dataRow);
        nodeLevel = memTableLink_->TreeNodeLevel();
        maxLevel = memTableLink_->TreeNodeMaxDropLevel();
        minLevel = std::max(1, memTableLink_->TreeNodeNextLevel());
    }
    // Levels count from the tree's side of the cell: taken as laid out, mirrored right to left.
    int left = LogicalRect(BoxRect(indicatorOffset_, 0, indicatorOffset_, 0)).left;
    point.x = LogicalX(point.x);
    level = nodeLevel;
    int x = left + nodeLevel * kTreeLevelWidthEh;
    int compared = x;
    if (row >= moveStartRow_) compared = left + minLevel * kTreeLevelWidthEh;
    if (row > moveStartRow_) {
        maxLevel = nodeLevel;
        level = minLevel;
        x = left + minLevel * kTreeLevelWidthEh;
    }
    if (point.x > compared) {
        level = std::min((point.x - left) / kTreeLevelWidthEh, maxLevel + 1);
        x = left + level * kTreeLevelWidthEh;
    }
    return x;
}

void TCustomDBGridEh::DrawMoveMarker() {
    if (!HandleAllocated() || moveTargetRow_ < 0 || moveTargetRow_ >= RowCount()) return;
    win::RECT r = CellRect(0, moveTargetRow_);
    bool bottom = moveTargetRow_ > moveStartRow_ ||
                  (moveTargetRow_ == moveStartRow_ && moveTargetLevel_ < moveStartLevel_);
    int y = bottom ? r.bottom : r.top;
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(5);
    // The marker's x is laid out: right to left it runs to the left edge.
    bool mirrored = UseRightToLeftAlignment();
    if (mirrored) SetCanvasRightToLeft(true);
    c->MoveTo(moveMarkerX_, y);
    c->LineTo(ClientWidth(), y);
    if (mirrored) SetCanvasRightToLeft(false);
    c->Pen()->Assign(&saved);
}

int TCustomDBGridEh::CalcMoveTargetRow(int y) {
    if (mouse_.MouseMode != gmmMoveRecords || !dataLink_->Active()) return moveMarkerX_;
    win::POINT point{0, y};
    win::GetCursorPos(&point);
    if (HandleAllocated()) point = ScreenToClient(point);
    point.y = y;
    win::RECT box = DataBoxPixelRect();
    int row = MouseCoord(box.left + 1, y).Y;
    int target = row;
    int level = moveTargetLevel_;
    int x = GetTreeButtonRect(row < 0 ? moveTargetRow_ : row, point, level);
    if (MemTableRowMode()) {
        // The grid's own rows scroll under the marker, one at a time.
        if (x == moveMarkerX_ && (row == moveTargetRow_ || (moveTargetRow_ == titleRowCount_ && y < box.top) ||
                                  (moveTargetRow_ == RowCount() - 1 && y >= box.bottom)))
            return moveMarkerX_;
        if (y < box.top || (row >= 0 && row < titleRowCount_)) {
            DrawMoveMarker();
            if (moveTargetRow_ > titleRowCount_) SetTopRowClamped(TopRow() - 1);
            if (HandleAllocated()) win::UpdateWindow(WindowHandle());
            DrawMoveMarker();
            target = TopRow();
        } else if (y >= box.bottom) {
            DrawMoveMarker();
            SetTopRowClamped(TopRow() + 1);
            if (HandleAllocated()) win::UpdateWindow(WindowHandle());
            DrawMoveMarker();
            target = titleRowCount_ + LastShownDataRow();
        } else if (row < 0) {
            target = moveTargetRow_;
        }
    } else {
        int lastDataRow = titleRowCount_ + dataLink_->RecordCount() - 1;
        if (row == moveTargetRow_ && y >= box.top && y < box.bottom && x == moveMarkerX_) return moveMarkerX_;
        if (y >= box.bottom || row > lastDataRow) {
            // Below the records: the view scrolls on by one.
            DrawMoveMarker();
            dataLink_->MoveBy(dataLink_->BufferCount() - dataLink_->ActiveRecord());
            dataLink_->MoveBy(1);
            target = titleRowCount_ + dataLink_->RecordCount() - 1;
            if (HandleAllocated()) win::UpdateWindow(WindowHandle());
            DrawMoveMarker();
        } else if (y < box.top || row < titleRowCount_) {
            DrawMoveMarker();
            dataLink_->MoveBy(-dataLink_->ActiveRecord());
            dataLink_->MoveBy(-1);
            target = titleRowCount_;
            if (HandleAllocated()) win::UpdateWindow(WindowHandle());
            DrawMoveMarker();
        }
    }
    x = GetTreeButtonRect(target, point, level);
    if (MoveSelectedRecords(target - titleRowCount_, level, true)) {
        DrawMoveMarker();
        moveTargetRow_ = target;
        moveTargetLevel_ = level;
        moveMarkerX_ = x;
        DrawMoveMarker();
    }
    return moveMarkerX_;
}

void TCustomDBGridEh::EndRowMoving(int x, int y, bool accept) {
    StopTimer();
    DrawMoveMarker();
    mouse_.MouseMode = gmmNone;
    int origin = moveStartRow_, destination = moveTargetRow_;
    bool moved = moveTargetRow_ != moveStartRow_ || moveTargetLevel_ != moveStartLevel_;
    if (accept && moved && EndRowDrag(origin, destination, {x, y}))
        MoveSelectedRecords(moveTargetRow_ - titleRowCount_, moveTargetLevel_, false);
    moveStartRow_ = moveTargetRow_ = -1;
    moveStartBookmark_.clear();
    moveStartLevel_ = moveTargetLevel_ = -1;
    moveMarkerX_ = 0;
    Invalidate();
}

bool TCustomDBGridEh::MoveSelectedRecords(int row, int level, bool checkOnly) {
    if (SelectedBookmarks().SelectedCount() > 0) return MoveRecords(SelectedBookmarks(), row, level, checkOnly);
    TBookmarkListEh single(this, {moveStartBookmark_});
    return MoveRecords(single, row, level, checkOnly);
}

bool TCustomDBGridEh::MoveRecords(TBookmarkListEh& bookmarks, int row, int level, bool checkOnly) {
    if (!dataLink_->Active() || ShownRecordCount() == 0) return false;
    int dataRow = std::clamp(row, 0, ShownRecordCount() - 1);
    int target = RecNoOfRow(dataRow);
    // Dropped below the start the marker stands under the row: the records go after it.
    if (dataRow + titleRowCount_ > moveStartRow_ && moveStartRow_ >= 0) ++target;
    if (OnMoveRecords) return OnMoveRecords(this, &bookmarks, target, level, checkOnly);
    return DoMoveRecords(bookmarks, target, level, checkOnly);
}

bool TCustomDBGridEh::DoMoveRecords(TBookmarkListEh& bookmarks, int target, int level, bool checkOnly) {
    if (memTableLink_) return memTableLink_->MoveRecords(&bookmarks, target, level, checkOnly);
    TDataSet* ds = DataSet();
    TDBGridEhDataService* service = DBGridEhDataService();
    if (!ds || !service) return false;
    if (checkOnly) return service->MoveRecords(this, bookmarks, target, true);
    // The rows around the current one stay where they were on the screen.
    int active = dataLink_->ActiveRecord();
    int topRecNo = RecNoOfRow(0);
    bool result = service->MoveRecords(this, bookmarks, target, false);
    if (topRecNo >= 1 && ds->IsSequenced()) {
        ds->SetRecNo(std::min(topRecNo, ds->RecordCount()));
        dataLink_->MoveBy(-dataLink_->ActiveRecord());
        dataLink_->MoveBy(active);
    }
    return result;
}

} // namespace tv
