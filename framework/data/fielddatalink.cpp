#include "framework/data/fielddatalink.h"

#include "framework/data/dataset.h"
#include "framework/data/field.h"

namespace tv {

TFieldDataLink::TFieldDataLink() { SetVisualControl(true); }

void TFieldDataLink::SetFieldName(const std::string& name) {
    if (name == fieldName_) return;
    fieldName_ = name;
    UpdateField();
}

bool TFieldDataLink::CanModify() const { return !ReadOnly() && field_ && field_->CanModify(); }

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

bool TFieldDataLink::Edit() {
    if (CanModify()) TDataLink::Edit();
    return editing_;
}

void TFieldDataLink::UpdateField() {
    TField* f = nullptr;
    if (Active() && !fieldName_.empty()) f = DataSet()->FieldByName(fieldName_);
    if (f != field_) {
        field_ = f;
        EditingChanged();
        RecordChanged(nullptr);
    }
}

void TFieldDataLink::SetEditingState(bool v) {
    if (v == editing_) return;
    editing_ = v;
    modified_ = false;
    if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() { SetEditingState(TDataLink::Editing() && CanModify()); }

void TFieldDataLink::FocusControl(TField*& field) {
    if (field && field == field_ && OnFocusControl) {
        field = nullptr;
        OnFocusControl(this);
    }
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* field) {
    if (field && field != field_) return;
    if (OnDataChange) OnDataChange(this);
    modified_ = false;
}

void TFieldDataLink::UpdateData() {
    if (!modified_) return;
    if (field_ && OnUpdateData) OnUpdateData(this);
    modified_ = false;
}

} // namespace tv
