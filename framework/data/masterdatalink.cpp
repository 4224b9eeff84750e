#include "framework/data/masterdatalink.h"

#include <algorithm>

#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

void TMasterDataLink::SetFieldNames(const std::string& names) {
    fieldNames_ = names;
    ResolveFields();
}

void TMasterDataLink::ResolveFields() {
    fields_.clear();
    if (Active() && DataSet() && !fieldNames_.empty()) fields_ = DataSet()->GetFieldList(fieldNames_);
}

void TMasterDataLink::ActiveChanged() {
    fields_.clear();
    if (Active()) {
        ResolveFields();
        if (OnMasterChange) OnMasterChange();
    } else if (OnMasterDisable) {
        OnMasterDisable();
    }
}

void TMasterDataLink::CheckBrowseMode() {}

void TMasterDataLink::LayoutChanged() {
    ResolveFields();
    if (OnMasterChange) OnMasterChange();
}

void TMasterDataLink::RecordChanged(TField* field) {
    if (!OnMasterChange) return;
    // A change inside the master record matters only for the master fields;
    // a new current record (no field) always does.
    if (field && std::find(fields_.begin(), fields_.end(), field) == fields_.end()) return;
    if (DataSource() && DataSource()->State() != dsSetKey) OnMasterChange();
}

} // namespace tv
