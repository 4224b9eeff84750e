#include "grid/gridselection.h"

#include <algorithm>

#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"

namespace tv {

bool TBookmarkListEh::Find(const TBookmark& b, int& index) const {
    TDataSet* ds = grid_ ? grid_->DataSet() : nullptr;
    int lo = 0, hi = SelectedCount() - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = ds ? ds->CompareBookmarks(items_[static_cast<std::size_t>(mid)], b)
                   : items_[static_cast<std::size_t>(mid)].compare(b);
        if (c == 0) {
            index = mid;
            return true;
        }
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    index = lo;
    return false;
}

void TBookmarkListEh::Add(const TBookmark& b) {
    int i = 0;
    if (!Find(b, i)) items_.insert(items_.begin() + i, b);
}

bool TBookmarkListEh::CurrentRowSelected() const {
    TDataSet* ds = grid_ ? grid_->DataSet() : nullptr;
    int i = 0;
    return ds && ds->Active() && !ds->IsEmpty() && Find(ds->Bookmark(), i);
}

void TBookmarkListEh::SetCurrentRowSelected(bool selected) {
    TDataSet* ds = grid_ ? grid_->DataSet() : nullptr;
    if (!ds || !ds->Active() || ds->IsEmpty()) return;
    TBookmark b = ds->Bookmark();
    int i = 0;
    bool found = Find(b, i);
    if (selected == found) return;
    TDBGridEhSelection& selection = grid_->Selection();
    if (selected) {
        if (selection.SelectionType() != gstRecordBookmarks) {
            selection.Clear();
            selection.SetSelectionType(gstRecordBookmarks);
        }
        items_.insert(items_.begin() + i, b);
    } else {
        items_.erase(items_.begin() + i);
        if (items_.empty()) selection.SetSelectionType(gstNon);
    }
    grid_->InvalidateGridRow(grid_->Row());
    grid_->SelectionChanged();
}

void TDBGridEhSelection::Clear() {
    if (type_ == gstNon) return;
    rows_.Clear();
    columns_.Clear();
    rect_ = {};
    type_ = gstNon;
    if (grid_) {
        grid_->Invalidate();
        grid_->SelectionChanged();
    }
}

void TDBGridEhSelection::LinkActive(bool active) {
    if (!active) Clear();
}

} // namespace tv
