#include "framework/data/datasource.h"

#include <algorithm>

#include "framework/data/datalink.h"
#include "framework/data/dataset.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    // Links outlive a freed data source as unbound links.
    while (!links_.empty()) links_.back()->SetDataSource(nullptr);
    if (dataSet_) dataSet_->RemoveDataSource(this);
}

void TDataSource::SetDataSet(TDataSet* ds) {
    if (ds == dataSet_) return;
    if (IsLinkedTo(ds)) DatabaseError(dbconsts::SCircularDataLink, this);
    if (dataSet_) {
        dataSet_->RemoveDataSource(this);
        dataSet_->RemoveFreeNotification(this);
        // The links let go of the old dataset before they meet the new one,
        // also when both are open: each then looks its fields up again.
        dataSet_ = nullptr;
        UpdateState();
    }
    dataSet_ = ds;
    if (ds) {
        ds->AddDataSource(this);
        ds->FreeNotification(this);
    }
    UpdateState();
}

void TDataSource::SetEnabled(bool v) {
    enabled_ = v;
    UpdateState();
}

void TDataSource::Edit() {
    if (autoEdit_ && state_ == dsBrowse && dataSet_) dataSet_->Edit();
}

bool TDataSource::IsLinkedTo(const TDataSet* ds) const {
    // Walks the master chain of `ds`: a source may not feed its own master.
    const TDataSet* cur = ds;
    for (int guard = 0; cur && guard < 64; ++guard) {
        TDataSource* master = cur->MasterDataSource();
        if (!master) return false;
        if (master == this) return true;
        cur = master->DataSet();
    }
    return false;
}

void TDataSource::UpdateState() {
    const TDataSetState s = (enabled_ && dataSet_) ? dataSet_->State() : dsInactive;
    if (s == state_) return;
    state_ = s;
    NotifyLinks(deUpdateState, 0);
    if (OnStateChange) OnStateChange(this);
}

void TDataSource::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState) {
        UpdateState();
        return;
    }
    if (state_ == dsInactive) return;
    NotifyLinks(event, info);
    switch (event) {
    case deFieldChange:
        if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(info));
        break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
        if (OnDataChange) OnDataChange(this, nullptr);
        break;
    case deUpdateRecord:
        if (OnUpdateData) OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::NotifyLinks(TDataEvent event, std::intptr_t info) {
    // A link may leave or join while it is told; walk a copy and skip the gone.
    const std::vector<TDataLink*> copy = links_;
    for (TDataLink* l : copy)
        if (std::find(links_.begin(), links_.end(), l) != links_.end()) l->DataEvent(event, info);
}

void TDataSource::AddDataLink(TDataLink* link) {
    links_.push_back(link);
    if (dataSet_) dataSet_->UpdateBufferCount();
}

void TDataSource::RemoveDataLink(TDataLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
    if (dataSet_ && !dataSet_->ComponentState().Contains(csDestroying)) dataSet_->UpdateBufferCount();
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) {
        dataSet_ = nullptr;
        UpdateState();
    }
}

} // namespace tv
