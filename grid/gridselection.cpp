#include "grid/gridselection.h"

#include <algorithm>

#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"
#include "grid/platformwrappers.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"

namespace tv {

namespace {

void InvalidateNoErase(TCustomDBGridEh* grid, const win::RECT& r) {
    if (r.left < r.right && r.top < r.bottom) win::InvalidateRect(grid->WindowHandle(), &r, false);
}

bool LinkUsable(const TCustomDBGridEh* grid) {
    return grid && grid->DataSet() && grid->DataLink()->Active();
}

} // namespace

// --- TBookmarkListEh ---

TDBGridEhSelection& TBookmarkListEh::Selection() const { return grid_->Selection(); }

int TBookmarkListEh::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    TDataSet* ds = grid_->DataSet();
    return ds ? CompareDataSetBookmarks(ds, a, b) : a.compare(b);
}

TBookmark TBookmarkListEh::CurrentRow() const {
    if (!linkIsActive_) throw EInvalidGridOperation(LoadResString(SDataSetClosedEh));
    return grid_->DataSet()->Bookmark();
}

bool TBookmarkListEh::Find(const TBookmark& bookmark, int& index) const {
    if (lastIndex_ >= 0 && bookmark == lastSearched_) {
        index = lastIndex_;
        return lastFound_;
    }
    int low = 0, high = SelectedCount() - 1;
    bool found = false;
    while (low <= high) {
        int i = (low + high) / 2;
        int c = CompareBookmarks(items_[static_cast<std::size_t>(i)], bookmark);
        if (c < 0) {
            low = i + 1;
        } else {
            high = i - 1;
            if (c == 0) {
                found = true;
                low = i;
            }
        }
    }
    index = low;
    lastSearched_ = bookmark;
    lastIndex_ = low;
    lastFound_ = found;
    return found;
}

int TBookmarkListEh::PositionOf(const TBookmark& bookmark) const {
    int i = -1;
    return Find(bookmark, i) ? i : -1;
}

bool TBookmarkListEh::CurrentRowSelected() const {
    int i = 0;
    return Find(CurrentRow(), i);
}

void TBookmarkListEh::SetCurrentRowSelected(bool value) {
    TBookmark b = CurrentRow();
    // A record being inserted has no bookmark yet.
    if (b.empty()) return;
    int index = 0;
    if (Find(b, index) == value) return;
    if (value)
        items_.insert(items_.begin() + index, b);
    else
        items_.erase(items_.begin() + index);
    ListChanged();
    grid_->InvalidateGridRow(grid_->Row());
    TDBGridEhSelection& selection = Selection();
    if (selection.kind_ != gstRecordBookmarks && !items_.empty()) {
        selection.Clear();
        selection.kind_ = gstRecordBookmarks;
    }
    selection.DropEmptySelection();
    selection.NotifyChanged();
}

void TBookmarkListEh::Clear() {
    if (items_.empty()) return;
    items_.clear();
    ListChanged();
    Selection().DropEmptySelection();
    grid_->Invalidate();
    Selection().NotifyChanged();
}

void TBookmarkListEh::Delete() {
    TDataSet* ds = grid_->DataSet();
    if (!ds) return;
    try {
        TControlsOff off(ds);
        for (int i = SelectedCount() - 1; i >= 0; --i) {
            ds->GotoBookmark(items_[static_cast<std::size_t>(i)]);
            ds->Delete();
            items_.erase(items_.begin() + i);
            ListChanged();
        }
        off.Release();
    } catch (...) {
        Selection().DropEmptySelection();
        throw;
    }
    Selection().DropEmptySelection();
}

void TBookmarkListEh::DataLinkChanged(bool active) {
    Clear();
    Selection().DropEmptySelection();
    linkIsActive_ = active;
}

void TBookmarkListEh::ListChanged() {
    lastSearched_.clear();
    lastIndex_ = -1;
}

void TBookmarkListEh::DataSetChanged() {
    if (!linkIsActive_ || items_.size() < 2 || !grid_->DataSet()) return;
    auto less = [this](const TBookmark& a, const TBookmark& b) { return CompareBookmarks(a, b) < 0; };
    if (std::is_sorted(items_.begin(), items_.end(), less)) return;
    // Stable: bookmarks of records that are gone may not order consistently.
    std::stable_sort(items_.begin(), items_.end(), less);
    ListChanged();
}

TGridRect TBookmarkListEh::GridRectOfSelection() {
    TGridRect r{-1, -1, -1, -1};
    if (!LinkUsable(grid_)) return r;
    TDataSet* ds = grid_->DataSet();
    int first = -1, last = -1;
    int to = std::min(grid_->LastShownDataRow(), grid_->ShownRecordCount() - 1);
    for (int i = std::max(0, grid_->FirstShownDataRow()); i <= to; ++i) {
        TGridActiveRowGuard row(*grid_, i);
        if (PositionOf(ds->Bookmark()) >= 0) {
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first < 0) return r;
    return {0, first + grid_->TitleRowCount(), grid_->ColCount() - 1, last + grid_->TitleRowCount()};
}

// --- TDBGridEhSelectionRect ---

void TDBGridEhSelectionRect::CheckActive(const char* error) const {
    if (!LinkUsable(grid_)) throw EInvalidGridOperation(error);
}

TBookmark TDBGridEhSelectionRect::GetTopRow() const {
    CheckActive("Error in TDBGridEhSelectionRect.GetBottomRow");
    return grid_->SelectedBookmarks().CompareBookmarks(anchorBookmark_, shiftBookmark_) <= 0 ? anchorBookmark_
                                                                                             : shiftBookmark_;
}

TBookmark TDBGridEhSelectionRect::GetBottomRow() const {
    CheckActive("Error in TDBGridEhSelectionRect.GetBottomRow");
    return grid_->SelectedBookmarks().CompareBookmarks(anchorBookmark_, shiftBookmark_) < 0 ? shiftBookmark_
                                                                                            : anchorBookmark_;
}

int TDBGridEhSelectionRect::GetLeftCol() const {
    CheckActive("Error in TDBGridEhSelectionRect.GetBottomRow");
    return std::min(anchorCol_, shiftCol_);
}

int TDBGridEhSelectionRect::GetRightCol() const {
    CheckActive("Error in TDBGridEhSelectionRect.GetBottomRow");
    return std::max(anchorCol_, shiftCol_);
}

bool TDBGridEhSelectionRect::CellSelected(int dataCol, const TBookmark& bookmark) const {
    CheckActive("Error in function TDBGridEhSelectionRect.CellSelected");
    const TBookmarkListEh& rows = grid_->SelectedBookmarks();
    if (rows.CompareBookmarks(GetTopRow(), bookmark) > 0 || rows.CompareBookmarks(GetBottomRow(), bookmark) < 0)
        return false;
    return dataCol >= GetLeftCol() && dataCol <= GetRightCol();
}

void TDBGridEhSelectionRect::Clear() {
    anchorCol_ = shiftCol_ = -1;
    anchorBookmark_.clear();
    shiftBookmark_.clear();
    grid_->Invalidate();
    grid_->Selection().NotifyChanged();
}

void TDBGridEhSelectionRect::Select(int dataCol, const TBookmark& bookmark, bool extend) {
    TDBGridEhSelection& selection = grid_->Selection();
    if (selection.SelectionType() != gstRectangle) selection.Clear();
    int oldAnchorCol = anchorCol_, oldShiftCol = shiftCol_;
    TBookmark oldAnchor = anchorBookmark_, oldShift = shiftBookmark_;
    if (anchorCol_ == -1 || !extend) {
        anchorCol_ = dataCol;
        anchorBookmark_ = bookmark;
    }
    shiftCol_ = dataCol;
    shiftBookmark_ = bookmark;
    if (anchorCol_ == shiftCol_) {
        if (grid_->SelectedBookmarks().CompareBookmarks(anchorBookmark_, shiftBookmark_) != 0)
            selection.ChangeSelectionType(gstRectangle);
        else if (selection.SelectionType() == gstRectangle)
            selection.ChangeSelectionType(gstNon);
    } else {
        selection.ChangeSelectionType(gstRectangle);
    }
    if (!grid_->HandleAllocated()) return;
    win::RECT before{}, after{};
    if (oldAnchorCol >= 0 && oldShiftCol >= 0) before = CellRangeToRect(oldAnchorCol, oldAnchor, oldShift, oldShiftCol);
    after = CellRangeToRect(anchorCol_, anchorBookmark_, shiftBookmark_, shiftCol_);
    if (selection.SelectionType() != gstRectangle) {
        // Back to one unselected cell: the cells both shapes share change too.
        win::RECT both{};
        win::UnionRect(&both, &before, &after);
        InvalidateNoErase(grid_, both);
    } else {
        win::RECT bands[4];
        RectDifferenceBands(before, after, bands);
        for (const win::RECT& b : bands) InvalidateNoErase(grid_, b);
    }
    selection.NotifyChanged();
}

win::RECT TDBGridEhSelectionRect::CellRangeToRect(int col1, TBookmark bookmark1, TBookmark bookmark2, int col2) {
    if (col1 > col2) std::swap(col1, col2);
    const TBookmarkListEh& rows = grid_->SelectedBookmarks();
    if (rows.CompareBookmarks(bookmark1, bookmark2) > 0) std::swap(bookmark1, bookmark2);
    if (!LinkUsable(grid_)) return {};
    int top = -1, bottom = -1;
    if (grid_->MemTableRowMode()) {
        // Every record has its row.
        top = grid_->MemTableRowOfBookmark(bookmark1);
        bottom = grid_->MemTableRowOfBookmark(bookmark2);
        if (top < 0 || bottom < 0) return {};
    } else {
        TGridDataLinkEh& link = *grid_->DataLink();
        TDataSet* ds = grid_->DataSet();
        int count = link.RecordCount();
        if (count == 0) return {};
        top = count;
        TActiveRecordGuard guard(link);
        link.SetActiveRecord(0);
        if (rows.CompareBookmarks(bookmark1, ds->Bookmark()) < 0) {
            top = 0;
        } else {
            for (int i = 0; i < count; ++i) {
                link.SetActiveRecord(i);
                if (rows.CompareBookmarks(ds->Bookmark(), bookmark1) == 0) {
                    top = i;
                    break;
                }
            }
        }
        link.SetActiveRecord(count - 1);
        if (rows.CompareBookmarks(bookmark2, ds->Bookmark()) <= 0) {
            for (int i = 0; i < count; ++i) {
                link.SetActiveRecord(i);
                if (rows.CompareBookmarks(ds->Bookmark(), bookmark2) == 0) {
                    bottom = i;
                    break;
                }
            }
        } else {
            bottom = grid_->VisibleDataRowCount();
        }
    }
    if (bottom < top) return {};
    int above = grid_->TitleRowCount(), offset = grid_->IndicatorOffset();
    return grid_->BoxRect(col1 + offset, top + above, col2 + offset, bottom + above);
}

TGridRect TDBGridEhSelectionRect::GridRectOfSelection() {
    TGridRect r{-1, -1, -1, -1};
    if (!LinkUsable(grid_) || anchorCol_ < 0) return r;
    int left = GetLeftCol() + grid_->IndicatorOffset(), right = GetRightCol() + grid_->IndicatorOffset();
    TBookmark topRow = GetTopRow(), bottomRow = GetBottomRow();
    const TBookmarkListEh& rows = grid_->SelectedBookmarks();
    int top = -1, bottom = -1;
    if (grid_->MemTableRowMode()) {
        top = grid_->MemTableRowOfBookmark(topRow);
        bottom = grid_->MemTableRowOfBookmark(bottomRow);
    } else {
        TGridDataLinkEh& link = *grid_->DataLink();
        TDataSet* ds = grid_->DataSet();
        TActiveRecordGuard guard(link);
        for (int i = 0; i < link.RecordCount(); ++i) {
            link.SetActiveRecord(i);
            TBookmark b = ds->Bookmark();
            if (top < 0 && rows.CompareBookmarks(b, topRow) >= 0) top = i;
            if (rows.CompareBookmarks(b, bottomRow) <= 0) bottom = i;
        }
    }
    if (top < 0 || bottom < 0) return r;
    return {left, top + grid_->TitleRowCount(), right, bottom + grid_->TitleRowCount()};
}

// --- TDBGridEhSelectionCols ---

void TDBGridEhSelectionCols::RepaintColumn(TColumnEh* column) {
    grid_->InvalidateGridColumn(column->Index() + grid_->IndicatorOffset());
}

void TDBGridEhSelectionCols::InsertInOrder(TColumnEh* column) {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Index() > column->Index()) {
            Insert(i, column);
            return;
        }
    Add(column);
}

void TDBGridEhSelectionCols::Clear() {
    for (TColumnEh* c : *this) RepaintColumn(c);
    TColumnsEhList::Clear();
    anchor_ = nullptr;
    grid_->Selection().NotifyChanged();
}

void TDBGridEhSelectionCols::InvertColumn(TColumnEh* column) {
    TDBGridEhSelection& selection = grid_->Selection();
    if (selection.SelectionType() != gstColumns) selection.Clear();
    if (IndexOf(column) >= 0)
        Remove(column);
    else
        InsertInOrder(column);
    anchor_ = lastShift_ = column;
    selection.ChangeSelectionType(Count() > 0 ? gstColumns : gstNon);
    shiftChanged_.Clear();
    RepaintColumn(column);
    selection.NotifyChanged();
}

void TDBGridEhSelectionCols::SelectColumn(TColumnEh* column, bool keepOthers) {
    TDBGridEhSelection& selection = grid_->Selection();
    if (selection.SelectionType() != gstColumns) selection.Clear();
    if (!keepOthers) Clear();
    bool added = IndexOf(column) < 0;
    if (added) InsertInOrder(column);
    anchor_ = lastShift_ = column;
    selection.ChangeSelectionType(gstColumns);
    shiftChanged_.Clear();
    if (added) {
        RepaintColumn(column);
        selection.NotifyChanged();
    }
}

void TDBGridEhSelectionCols::SelectShift(TColumnEh* column) {
    TDBGridEhSelection& selection = grid_->Selection();
    if (selection.SelectionType() != gstColumns) selection.Clear();
    if (!anchor_) {
        SelectColumn(column, true);
        anchor_ = column;
    } else {
        const int a = anchor_->Index();
        const int p = lastShift_ ? lastShift_->Index() : a;
        const int n = column->Index();
        int from = p, to = n, step = 1, turn = -1;
        bool grow = true;
        if (a < p && p < n) {
            step = 1;
        } else if (a < p && n < p) {
            grow = false;
            step = -1;
            if (n < a) turn = a;
            else to = n + 1;
        } else if (p < a && n < p) {
            step = -1;
        } else if (p < a && p < n) {
            grow = false;
            step = 1;
            if (a < n) turn = a;
            else to = n - 1;
        } else if (p == a) {
            from = a;
            step = n < a ? -1 : 1;
        } else {
            from = to = n;
        }
        const bool anchorSelected = IndexOf(anchor_) >= 0;
        TDBGridColumnsEh* columns = grid_->Columns();
        for (int k = from; step > 0 ? k <= to : k >= to; k += step) {
            if (k == turn) grow = true;
            if (k >= 0 && k < columns->Count()) {
                TColumnEh* c = columns->Items(k);
                bool selected = IndexOf(c) >= 0;
                bool changed = false;
                if (anchorSelected && grow) {
                    if (c->Visible() && !selected) {
                        InsertInOrder(c);
                        shiftChanged_.Add(c);
                        changed = true;
                    }
                } else if (anchorSelected) {
                    if (selected && c != anchor_) {
                        if (shiftChanged_.Remove(c) >= 0) Remove(c);
                        changed = true;
                    }
                } else if (grow) {
                    if (selected && c != anchor_) {
                        Remove(c);
                        shiftChanged_.Add(c);
                        changed = true;
                    }
                } else if (c->Visible() && !selected) {
                    if (shiftChanged_.Remove(c) >= 0) InsertInOrder(c);
                    changed = true;
                }
                if (changed) {
                    RepaintColumn(c);
                    selection.NotifyChanged();
                }
            }
        }
    }
    lastShift_ = column;
    selection.ChangeSelectionType(Count() > 0 ? gstColumns : gstNon);
}

void TDBGridEhSelectionCols::Refresh() {
    TDBGridColumnsEh* columns = grid_->Columns();
    auto present = [columns](TColumnEh* c) {
        for (int j = 0; j < columns->Count(); ++j)
            if (columns->Items(j) == c) return true;
        return false;
    };
    for (int i = Count() - 1; i >= 0; --i)
        if (!present(Items(i))) Delete(i);
    std::vector<TColumnEh*> sorted(begin(), end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](TColumnEh* a, TColumnEh* b) { return a->Index() < b->Index(); });
    for (int i = 0; i < Count(); ++i) SetItems(i, sorted[static_cast<std::size_t>(i)]);
    // A gesture's columns that are gone are forgotten too.
    if (anchor_ && !present(anchor_)) anchor_ = nullptr;
    if (lastShift_ && !present(lastShift_)) lastShift_ = nullptr;
    for (int i = shiftChanged_.Count() - 1; i >= 0; --i)
        if (!present(shiftChanged_.Items(i))) shiftChanged_.Delete(i);
}

void TDBGridEhSelectionCols::ColumnDestroyed(TColumnEh* column) {
    Remove(column);
    shiftChanged_.Remove(column);
    if (anchor_ == column) anchor_ = nullptr;
    if (lastShift_ == column) lastShift_ = nullptr;
}

TGridRect TDBGridEhSelectionCols::GridRectOfSelection() {
    int low = -1, high = -1;
    for (TColumnEh* c : *this) {
        if (low < 0 || c->Index() < low) low = c->Index();
        if (high < 0 || c->Index() > high) high = c->Index();
    }
    int offset = grid_->IndicatorOffset();
    return {low + offset, 0, high + offset, grid_->RowCount() - 1};
}

// --- TDBGridEhSelection ---

TDBGridEhSelection::TDBGridEhSelection(TCustomDBGridEh* grid) : grid_(grid), rows_(grid), rect_(grid), columns_(grid) {}

void TDBGridEhSelection::Clear() {
    auto finish = [this] {
        kind_ = gstNon;
        if (grid_->Options().Contains(dgAlwaysShowEditor) && grid_->AlwaysShowEditorActive()) grid_->ShowEditorEh();
    };
    try {
        switch (kind_) {
        case gstRecordBookmarks: rows_.Clear(); break;
        case gstRectangle: rect_.Clear(); break;
        case gstColumns: columns_.Clear(); break;
        case gstAll: grid_->Invalidate(); break;
        case gstNon: break;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TDBGridEhSelection::SelectAll() {
    if (kind_ == gstAll) return;
    if (kind_ != gstNon) Clear();
    kind_ = gstAll;
    grid_->Invalidate();
}

void TDBGridEhSelection::ChangeSelectionType(TDBGridEhSelectionType kind) {
    if (kind == kind_) return;
    kind_ = kind;
    grid_->InvalidateEditor();
}

void TDBGridEhSelection::DropEmptySelection() {
    if ((kind_ == gstRecordBookmarks && rows_.SelectedCount() == 0) || (kind_ == gstColumns && columns_.Count() == 0)) {
        kind_ = gstNon;
        grid_->Invalidate();
    }
}

void TDBGridEhSelection::DataLinkChanged(bool active) {
    rows_.DataLinkChanged(active);
    Clear();
}

bool TDBGridEhSelection::DataCellSelected(int dataCol, const TBookmark& bookmark) {
    switch (kind_) {
    case gstRecordBookmarks: return rows_.PositionOf(bookmark) >= 0;
    case gstRectangle: return dataCol >= 0 && rect_.CellSelected(dataCol, bookmark);
    case gstColumns:
        return dataCol >= 0 && dataCol < grid_->Columns()->Count() &&
               columns_.IndexOf(grid_->Columns()->Items(dataCol)) >= 0;
    case gstAll: return true;
    case gstNon: return false;
    }
    return false;
}

TGridRect TDBGridEhSelection::GridRectOfSelection() {
    switch (kind_) {
    case gstRecordBookmarks: return rows_.GridRectOfSelection();
    case gstRectangle: return rect_.GridRectOfSelection();
    case gstColumns: return columns_.GridRectOfSelection();
    default: return {-1, -1, -1, -1};
    }
}

void TDBGridEhSelection::NotifyChanged() {
    if (grid_->OnSelectionChanged) grid_->OnSelectionChanged(grid_);
}

// --- the bands two rectangles differ in ---

void RectDifferenceBands(const win::RECT& a, const win::RECT& b, win::RECT bands[4]) {
    for (int i = 0; i < 4; ++i) bands[i] = {};
    win::RECT inter{};
    if (!win::IntersectRect(&inter, &a, &b)) {
        bands[0] = a;
        bands[1] = b;
        return;
    }
    // Only one of the two reaches past the common part on each side.
    const win::RECT& left = a.left < b.left ? a : b;
    const win::RECT& right = a.right > b.right ? a : b;
    const win::RECT& top = a.top < b.top ? a : b;
    const win::RECT& bottom = a.bottom > b.bottom ? a : b;
    if (left.left < inter.left) bands[0] = {left.left, left.top, inter.left, left.bottom};
    if (top.top < inter.top) bands[1] = {inter.left, top.top, inter.right, inter.top};
    if (right.right > inter.right) bands[2] = {inter.right, right.top, right.right, right.bottom};
    if (bottom.bottom > inter.bottom) bands[3] = {inter.left, inter.bottom, inter.right, bottom.bottom};
}

// --- the grid's side ---

bool TCustomDBGridEh::CellSelected(int col, int row, const TBookmark& bookmark, int dataCol) {
    TDBGridEhSelectionType kind = selection_->SelectionType();
    if (kind == gstAll) return true;
    TGridRect box = GetDataBoxRect();
    if (col < box.Left)
        return row >= box.Top && row <= box.Bottom && kind == gstRecordBookmarks &&
               SelectedBookmarks().PositionOf(bookmark) >= 0;
    if (row < box.Top || row > box.Bottom)
        return kind == gstColumns && dataCol >= 0 && dataCol < columns_->Count() &&
               selection_->Columns().IndexOf(columns_->Items(dataCol)) >= 0;
    return selection_->DataCellSelected(dataCol, bookmark);
}

bool TCustomDBGridEh::IsSelectionActive() {
    win::HWND focus = win::GetFocus();
    if (!focus) return false;
    if (HandleAllocated() && focus == WindowHandle()) return true;
    TInplaceEdit* editor = InplaceEditor();
    return editor && editor->HandleAllocated() && focus == editor->WindowHandle();
}

void TCustomDBGridEh::SelectionChanged() {
    switch (selection_->SelectionType()) {
    case gstAll: Invalidate(); break;
    case gstNon: break;
    default: RepaintGridRect(selection_->GridRectOfSelection());
    }
    if (HandleAllocated() && Row() < RowCount()) InvalidateGridRow(Row());
    selectionActive_ = IsSelectionActive();
}

void TCustomDBGridEh::RepaintGridRect(const TGridRect& r) {
    if (!HandleAllocated() || r.Left < 0 || r.Top < 0) return;
    InvalidateNoErase(this, BoxRect(r.Left, r.Top, r.Right, r.Bottom));
}

TCellTypeEh TCustomDBGridEh::GetCellType(int col, int row, int& dataCol, int& areaRow) {
    TGridRect box = GetDataBoxRect();
    TCellTypeEh t;
    t.DataColumn = col >= box.Left;
    dataCol = t.DataColumn ? col - indicatorOffset_ : col;
    int titles = TitlesVisible();
    if (row < titles) {
        t.Area = caTitleEh;
        areaRow = row;
    } else if (row < titles + FilterRowVisible()) {
        t.Area = caFilterEh;
        areaRow = row - titles;
    } else if (row >= box.Top && row <= box.Bottom) {
        t.Area = caDataEh;
        areaRow = row - titleRowCount_;
    } else if (row == box.Bottom + 1) {
        t.Area = caSeparatorEh;
        areaRow = 0;
    } else if (row > box.Bottom + 1) {
        t.Area = caFooterEh;
        areaRow = row - (box.Bottom + 1);
    } else {
        throw Exception("Algorithm error in TCustomDBGridEh.GetCellType");
    }
    return t;
}

} // namespace tv
