#include "editors/fielddatalink.h"

#include "core/sysformat.h"
#include "editors/variantutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/fields_blob.h"
#include "framework/ui/controls.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

TFieldDataLinkEh::TFieldDataLinkEh() {
    SetVisualControl(true);
    unboundValue_ = Null();
}

TField* TFieldDataLinkEh::FieldAt(int index) const {
    if (fields_.empty()) return nullptr;
    return fields_.at(size_t(index));
}

bool TFieldDataLinkEh::FieldFound(const TField* field) const {
    for (TField* f : fields_)
        if (f == field) return true;
    return false;
}

bool TFieldDataLinkEh::IsLinkActive() const { return dataIndependent_ || (Active() && FirstField()); }

bool TFieldDataLinkEh::IsDataSetOpen() const {
    return DataSource() && DataSource()->DataSet() && DataSource()->DataSet()->Active();
}

bool TFieldDataLinkEh::CanModify() const {
    if (TField* f = FirstField()) return f->CanModify();
    return dataIndependent_;
}

void TFieldDataLinkEh::UpdateField() {
    std::vector<TField*> list;
    if (Active() && !fieldName_.empty()) {
        TDataSet* ds = DataSet();
        if (multiFields_ && control_) {
            CollectFieldsByNames(&list, ds, control_, fieldName_);
        } else if (multiFields_) {
            list = ds->GetFieldList(fieldName_);
        } else if (control_) {
            // The error names the editor, not its data set.
            TField* f = ds->FindField(fieldName_);
            if (!f) DatabaseError(Format(dbconsts::SFieldNotFound, fieldName_), control_);
            list.push_back(f);
        } else {
            list.push_back(ds->FieldByName(fieldName_));
        }
    }
    SetFields(list);
}

void TFieldDataLinkEh::SetFields(const std::vector<TField*>& fields) {
    fields_ = fields;
    EditingChanged();
    RecordChanged(nullptr);
    UpdateRightToLeft();
}

// A right-to-left control bound to another field may need its window made
// again: a number keeps its alignment, a text is mirrored.
void TFieldDataLinkEh::UpdateRightToLeft() {
    auto* w = dynamic_cast<TWinControl*>(control_);
    if (!w || !w->IsRightToLeft() || !w->HandleAllocated()) return;
    bool rightAligned = (win::GetWindowLong(w->WindowHandle(), win::GWL_EXSTYLE) & win::WS_EX_RIGHT) != 0;
    if (rightAligned != DBUseRightToLeftAlignment(w, FieldAt(0))) w->Perform(CM_RECREATEWND);
}

void TFieldDataLinkEh::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLinkEh::EditingChanged() { SetEditing(TDataLink::Editing() && CanModify()); }

void TFieldDataLinkEh::SetEditing(bool v) {
    if (editing_ == v) return;
    editing_ = v;
    modified_ = false;
    if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLinkEh::RecordChanged(TField* field) {
    if (field && !FieldFound(field)) return;
    if (OnDataChange) OnDataChange(this);
    modified_ = false;
}

void TFieldDataLinkEh::LayoutChanged() {
    TDataLink::LayoutChanged();
    UpdateField();
}

void TFieldDataLinkEh::DataEvent(TDataEvent event, std::intptr_t info) {
    TDataLink::DataEvent(event, info);
    if (event == deDisabledStateChange) {
        if (info != 0) {
            UpdateField();
        } else {
            fields_.clear();
        }
    }
}

void TFieldDataLinkEh::FocusControl(TField*& field) {
    if (!field || !FieldFound(field)) return;
    auto* c = dynamic_cast<TWinControl*>(control_);
    if (!c || !c->CanFocus()) return;
    field = nullptr;
    c->SetFocus();
}

void TFieldDataLinkEh::AssignDataSource(TDataSource* source) {
    if (source == DataSource()) return;
    SetDataSource(source);
    UpdateDataIndependent();
}

void TFieldDataLinkEh::AssignFieldName(const std::string& name) {
    if (name == fieldName_) return;
    fieldName_ = name;
    UpdateField();
    UpdateDataIndependent();
}

void TFieldDataLinkEh::AllowSeveralFields(bool v) {
    if (multiFields_ == v) return;
    multiFields_ = v;
    UpdateField();
}

void TFieldDataLinkEh::UpdateDataIndependent() {
    bool now = DataSource() == nullptr && fieldName_.empty();
    if (now == dataIndependent_) return;
    dataIndependent_ = now;
    unboundValue_ = Null();
    LayoutChanged();
    if (now) RecordChanged(nullptr);
}

bool TFieldDataLinkEh::BeginFieldEdit() {
    if (dataIndependent_) {
        if (!editing_ && !ReadOnly()) {
            editing_ = true;
            modified_ = false;
            if (OnEditingChange) OnEditingChange(this);
        }
    } else if (CanModify()) {
        Edit();
    }
    return editing_;
}

void TFieldDataLinkEh::SetText(const std::string& text) {
    if (dataIndependent_) {
        unboundValue_ = Variant(text);
        RecordChanged(nullptr);
        return;
    }
    TField* f = FirstField();
    if (!f) return;
    if (dynamic_cast<TMemoField*>(f)) {
        f->SetAsString(text);
    } else {
        f->SetText(text);
    }
}

void TFieldDataLinkEh::SetValue(const Variant& value) {
    if (dataIndependent_) {
        unboundValue_ = value;
        RecordChanged(nullptr);
        return;
    }
    if (fields_.size() > 1) {
        if (VariantsEqual(value, Null())) {
            for (TField* f : fields_) f->Clear();
            return;
        }
        for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->SetAsVariant(value[int(i)]);
        return;
    }
    if (TField* f = FirstField()) f->SetAsVariant(value);
}

void TFieldDataLinkEh::UpdateData() {
    if (dataIndependent_) {
        if (modified_ && OnUpdateData) OnUpdateData(this);
        editing_ = false;
        modified_ = false;
        return;
    }
    if (!modified_) return;
    if (FirstField() && OnUpdateData) OnUpdateData(this);
    modified_ = false;
}

} // namespace tv
