// The grid over a memory table (IMemTableEh) without footers: one grid row
// per record. The grid keeps its own top row and vertical scroll bar, the
// current cell follows the table's current row, and a row's record is read
// by its index (EnterBufferRow) instead of through the data link's buffer.
// Elsewhere the same operations go through the data link's buffer.
#include <algorithm>

#include "core/scopeguards.h"
#include "editors/memtable.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "grid/dbgrideh.h"
#include "platform/window/input.h"
#include "platform/window/scrollbar.h"

namespace tv {

using namespace tv::win;

void TCustomDBGridEh::UpdateMemTableLink() {
    TDataSet* ds = DataSet();
    IMemTableEh* link = ds ? dynamic_cast<IMemTableEh*>(ds) : nullptr;
    if (link == memTableLink_) return;
    memTableLink_ = link;
    memTableDataSet_ = link ? ds : nullptr;
    if (memTableDataSet_) memTableDataSet_->FreeNotification(this);
    if (!ComponentState().Contains(csDestroying)) LayoutChanged();
}

// --- the record of a row ---

void TCustomDBGridEh::SetActiveRow(int dataRow) {
    if (MemTableRowMode()) {
        memTableLink_->EnterBufferRow(dataRow);
        return;
    }
    savedActiveRecords_.push_back(dataLink_->ActiveRecord());
    dataLink_->SetActiveRecord(dataRow);
}

void TCustomDBGridEh::RestoreActiveRow() {
    if (MemTableRowMode()) {
        memTableLink_->LeaveBufferRow();
        return;
    }
    if (savedActiveRecords_.empty()) return;
    int saved = savedActiveRecords_.back();
    savedActiveRecords_.pop_back();
    dataLink_->SetActiveRecord(saved);
}

bool TCustomDBGridEh::IsActiveRow(int dataRow) { return dataRow == ActiveDataRow(); }

int TCustomDBGridEh::ActiveDataRow() {
    if (MemTableRowMode()) return dataLink_->Active() ? memTableLink_->CurrentRowIndex() : -1;
    return savedActiveRecords_.empty() ? dataLink_->ActiveRecord() : savedActiveRecords_.front();
}

int TCustomDBGridEh::ShownRecordCount() {
    if (!dataLink_->Active()) return 0;
    return MemTableRowMode() ? memTableLink_->MemRowCount() : dataLink_->RecordCount();
}

int TCustomDBGridEh::FirstShownDataRow() { return MemTableRowMode() ? TopRow() - titleRowCount_ : 0; }

int TCustomDBGridEh::LastShownDataRow() {
    if (!MemTableRowMode()) return dataLink_->BufferCount() - 1;
    return std::min(TopRow() + VisibleRowCount() - 1, RowCount() - 1) - titleRowCount_;
}

int TCustomDBGridEh::MemTableRowOfBookmark(const TBookmark& bookmark) {
    TDataSet* ds = DataSet();
    if (!MemTableRowMode() || !ds || bookmark.empty()) return -1;
    int low = 0, high = ShownRecordCount() - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c;
        {
            TGridActiveRowGuard row(*this, mid);
            c = ds->CompareBookmarks(ds->Bookmark(), bookmark);
        }
        if (c == 0) return mid;
        if (c < 0)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return -1;
}

// --- rows and the current row ---

// True when the count changed.
bool TCustomDBGridEh::MemTableSetRowCount() {
    int rows = dataLink_->Active() ? memTableLink_->MemRowCount() : 0;
    int count = std::max(1, rows) + titleRowCount_;
    if (count == RowCount()) return false;
    SetRowCountKeepingCurrent(count);
    return true;
}

// The current cell goes to the memory table's current row (the first data
// row when it has none), in view; true when it moved.
bool TCustomDBGridEh::MemTableFollowCurrent() {
    int index = dataLink_->Active() ? memTableLink_->CurrentRowIndex() : -1;
    int row = std::min(index < 0 ? titleRowCount_ : index + titleRowCount_, RowCount() - 1);
    if (row == Row() || row < FixedRows()) return false;
    auto alive = Alive();
    if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
    if (!*alive) return false;
    InvalidateGridRow(Row());
    MoveCurrent(Col(), row, false, true);
    if (!*alive) return false;
    InvalidateGridRow(row);
    return true;
}

void TCustomDBGridEh::MemTableUpdateRowCount() {
    MemTableSetRowCount();
    if (!HandleAllocated()) return;
    MemTableFixTopRow();
    MemTableFollowCurrent();
    RequestMemTableRows();
    Invalidate();
}

void TCustomDBGridEh::MemTableUpdateActive() {
    bool countChanged = MemTableSetRowCount();
    if (dataLink_->Active() && HandleAllocated()) {
        InvalidateGridRow(Row());
        if (!GridLoading()) {
            if (countChanged) MemTableFixTopRow();
            if (MemTableFollowCurrent()) InvalidateEditor();
            if (countChanged) {
                RequestMemTableRows();
                Invalidate();
            }
            if (TField* f = SelectedField())
                if (InplaceEditorVisible() && f->Text() != editText_) InvalidateEditor();
        }
    }
    UpdateScrollBar();
}

// The dataset scrolled: its current record may stand in another row.
void TCustomDBGridEh::MemTableScrolled() {
    int oldRow = Row();
    UpdateActive();
    InvalidateGridRow(oldRow);
    InvalidateGridRow(Row());
    if (layoutLock_ == 0) Update();
}

void TCustomDBGridEh::MemTableShowCurrent() {
    if (HandleAllocated() && Row() >= FixedRows() && Row() < RowCount()) ClampInView({Col(), Row()});
}

void TCustomDBGridEh::MemTableTopLeftChanged() {
    RequestMemTableRows();
    UpdateScrollBar();
}

// How far the grid could show more rows than the memory table gave it: a
// table that fetches as it goes fetches that many more.
void TCustomDBGridEh::RequestMemTableRows() {
    if (requestingRows_ || !memTableLink_ || !HandleAllocated() || !dataLink_->Active()) return;
    TFlagGuard guard(requestingRows_);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int free = info.Vert.GridExtent - info.Vert.GridBoundary;
    if (free > 0 && DefaultRowHeight() > 0)
        memTableLink_->SetViewRowCount(free / DefaultRowHeight() + 1);
    else if (info.Vert.LastFullVisibleCell >= RowCount() - 1)
        memTableLink_->SetViewRowCount(1);
}

void TCustomDBGridEh::MemTableFixTopRow() {
    int maxTop = std::max(FixedRows(), MaxTopLeft({ColCount() - 1, RowCount() - 1}).Y);
    if (TopRow() > maxTop) SetTopRow(maxTop);
}

void TCustomDBGridEh::SetTopRowClamped(int row) {
    int maxTop = std::max(FixedRows(), RowCount() - 1);
    row = std::clamp(row, FixedRows(), maxTop);
    // No further down than the top row that still fills the grid.
    row = std::min(row, std::max(FixedRows(), MaxTopLeft({ColCount() - 1, RowCount() - 1}).Y));
    SetTopRow(row);
    UpdateScrollBar();
}

// --- the vertical scroll bar and the wheel ---

void TCustomDBGridEh::MemTableUpdateScrollBar() {
    if (!HandleAllocated()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TScrollBarVisibleModeEh mode = vertScrollBar_->VisibleMode();
    SCROLLINFO si{};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 1;
    si.nMax = std::max(1, RowCount() - FixedRows());
    si.nPage = static_cast<UINT>(std::max(0, info.Vert.LastFullVisibleCell - TopRow() + 1));
    si.nPos = TopRow() - FixedRows() + 1;
    TScrollBar* ext = vertScrollBar_->ExtScrollBar();
    SCROLLINFO own = si;
    if (!vertScrollBar_->Visible() || ext) {
        own.nMax = own.nMin;
        own.nPage = 0;
        own.nPos = own.nMin;
    }
    SCROLLINFO old{};
    old.fMask = SIF_ALL;
    GetScrollInfo(WindowHandle(), SB_VERT, &old);
    bool modeChanged = lastVertVisibleMode_ != mode;
    bool differs = old.nMin != own.nMin || old.nMax != own.nMax || old.nPage != own.nPage || old.nPos != own.nPos;
    if (differs || modeChanged) {
        bool nothing = own.nMin >= own.nMax || static_cast<int>(own.nPage) > own.nMax - own.nMin;
        if (mode == sbAlwaysShowEh && !ext) {
            own.fMask |= SIF_DISABLENOSCROLL;
            SetScrollInfo(WindowHandle(), SB_VERT, &own, true);
            ShowScrollBar(WindowHandle(), SB_VERT, true);
            EnableScrollBar(WindowHandle(), SB_VERT, nothing ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        } else {
            if (modeChanged && nothing) {
                EnableScrollBar(WindowHandle(), SB_VERT, ESB_ENABLE_BOTH);
                ShowScrollBar(WindowHandle(), SB_VERT, false);
            }
            SetScrollInfo(WindowHandle(), SB_VERT, &own, true);
        }
        lastVertVisibleMode_ = mode;
    }
    if (ext && ext->HandleAllocated()) {
        ext->SetPageSize(0);
        ext->SetParams(si.nPos, si.nMin, std::max(si.nMin, si.nMax));
        ext->SetPageSize(static_cast<int>(si.nPage));
    }
}

// A scroll bar request moves the rows in view; the current record stays.
void TCustomDBGridEh::MemTableScroll(int code) {
    if (!dataLink_->Active()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int top = TopRow();
    switch (code) {
    case SB_LINEUP: top -= 1; break;
    case SB_LINEDOWN: top += 1; break;
    case SB_PAGEUP: {
        // The present top row comes to the bottom.
        int above = top - std::max(FixedRows(), MaxTopLeft({Col(), top}).Y);
        top -= std::max(1, above);
        break;
    }
    case SB_PAGEDOWN: top += std::max(1, info.Vert.LastFullVisibleCell - top); break;
    case SB_TOP: top = FixedRows(); break;
    case SB_BOTTOM: top = RowCount(); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        if (code == SB_THUMBTRACK && !vertScrollBar_->Tracking()) {
            MemTableUpdateScrollBar();
            return;
        }
        SCROLLINFO si{};
        si.fMask = SIF_ALL;
        vertScrollBar_->GetScrollInfo(si);
        top = FixedRows() + si.nTrackPos - 1;
        break;
    }
    default: return;
    }
    SetTopRowClamped(top);
    MemTableUpdateScrollBar();
}

// The wheel moves the rows in view, or with Shift the current record.
bool TCustomDBGridEh::MemTableWheel(TShiftState shift, bool down) {
    if (!dataLink_->Active()) return false;
    int dir = down ? 1 : -1;
    bool shiftDown = shift.Contains(ssShift), ctrl = shift.Contains(ssCtrl);
    int page = std::max(1, VisibleDataRowCount());
    if (shiftDown) {
        MoveDataSetBy(dir * (ctrl ? page : 1));
    } else if (ctrl) {
        // A table that fetches as it goes is asked for the rows of the next page first.
        int wanted = TopRow() + 2 * page - RowCount();
        if (down && wanted > 0) memTableLink_->SetViewRowCount(wanted);
        SetTopRowClamped(TopRow() + dir * page);
    } else {
        SetTopRowClamped(TopRow() + dir);
    }
    return true;
}

} // namespace tv
