#include "grid/griddatalink.h"

#include <algorithm>

#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/dbgrideh.h"

namespace tv {

int TGridDataLinkEh::MaxMapSize = 0x0FFFFFFF;

TGridDataLinkEh::TGridDataLinkEh(TCustomDBGridEh* grid) : grid_(grid) { SetVisualControl(true); }

bool TGridDataLinkEh::AddMapping(const std::string& fieldName) {
    if (static_cast<int>(map_.size()) >= MaxMapSize) RaiseGridError(SGridTooManyColumnsEh);
    TField* field = nullptr;
    if (TDataSet* ds = DataSet()) {
        if (tolerate_)
            field = ds->FindField(fieldName);
        else
            field = ds->FieldByName(fieldName);
    }
    if (map_.size() == map_.capacity()) {
        std::size_t grow = map_.empty() ? 8 : map_.capacity() * 2;
        grow = std::max(grow, map_.size() + 1);
        grow = std::min(grow, static_cast<std::size_t>(MaxMapSize));
        map_.reserve(grow);
    }
    if (field) {
        map_.push_back(field->Index());
        if (grid_) field->FreeNotification(grid_);
    } else {
        map_.push_back(-1);
    }
    return true;
}

void TGridDataLinkEh::ClearMapping() { map_.clear(); }

TField* TGridDataLinkEh::Fields(int index) const {
    if (index < 0 || index >= static_cast<int>(map_.size())) return nullptr;
    int f = map_[static_cast<std::size_t>(index)];
    TDataSet* ds = DataSet();
    if (f < 0 || !ds || f >= ds->FieldCount()) return nullptr;
    return ds->Fields()[f];
}

bool TGridDataLinkEh::DefaultFields() const {
    TDataSet* ds = DataSet();
    bool result = ds ? ds->DefaultFields() : true;
    if (tolerate_ && std::find(map_.begin(), map_.end(), -1) != map_.end()) result = false;
    return result;
}

int TGridDataLinkEh::MoveBy(int distance) {
    TDataSet* ds = DataSet();
    if (Active() && grid_ && grid_->MemTableRowMode() && std::abs(distance) > 1 && ds->State() == dsBrowse) {
        int target = ds->RecNo() + distance;
        if (target >= 1 && target <= ds->RecordCount()) {
            ds->SetRecNo(target);
            return distance;
        }
    }
    return TDataLink::MoveBy(distance);
}

void TGridDataLinkEh::ActiveChanged() {
    if (grid_) grid_->LinkActive(Active());
    modified_ = false;
}

void TGridDataLinkEh::DataSetChanged() {
    if (grid_) {
        grid_->DataChanged();
        grid_->UpdateSumListAfterCreate();
    }
    modified_ = false;
}

void TGridDataLinkEh::DataSetScrolled(int distance) {
    if (grid_) grid_->Scroll(distance);
}

void TGridDataLinkEh::LayoutChanged() {
    bool saved = inLayoutChange_;
    inLayoutChange_ = true;
    try {
        if (grid_) grid_->LayoutChanged();
    } catch (...) {
        inLayoutChange_ = saved;
        throw;
    }
    inLayoutChange_ = saved;
    TDataLink::LayoutChanged();
}

void TGridDataLinkEh::FocusControl(TField*& field) {
    if (!grid_ || !field) return;
    for (int i = 0; i < grid_->Columns()->Count(); ++i) {
        TColumnEh* c = grid_->Columns()->Items(i);
        if (c->Field() != field) continue;
        grid_->SetSelectedIndex(i);
        if (grid_->SelectedField() == field && grid_->CanFocusGrid()) {
            field = nullptr;
            grid_->ShowEditorEh();
        }
        return;
    }
}

void TGridDataLinkEh::EditingChanged() {
    if (grid_) grid_->EditingChanged();
}

void TGridDataLinkEh::RecordChanged(TField* field) {
    if (grid_) grid_->RecordChanged(field);
    modified_ = false;
}

void TGridDataLinkEh::UpdateData() {
    if (inUpdateData_) return;
    inUpdateData_ = true;
    try {
        if (modified_ && grid_) grid_->UpdateData();
    } catch (...) {
        // The editor keeps its text and the link its mark: nothing typed is lost.
        inUpdateData_ = false;
        throw;
    }
    modified_ = false;
    inUpdateData_ = false;
}

void TGridDataLinkEh::Reset() {
    if (modified_)
        RecordChanged(nullptr);
    else if (TDataSet* ds = DataSet())
        ds->Cancel();
}

} // namespace tv
