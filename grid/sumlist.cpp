#include "grid/sumlist.h"

#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"

namespace tv {

void TDBGridEhSumList::Publish(TPublisher& p) {
    p.Boolean("Active", &TDBGridEhSumList::Active, &TDBGridEhSumList::SetActive).Default(false);
    p.Boolean("VirtualRecords", &TDBGridEhSumList::VirtualRecords, &TDBGridEhSumList::SetVirtualRecords)
        .Default(false);
}

TPersistent* TDBGridEhSumList::GetOwner() const { return grid_; }

bool TDBGridEhSumList::IsSequenced() const { return dataSet_ && dataSet_->Active() && dataSet_->IsSequenced(); }

int TDBGridEhSumList::RecNo() const { return dataSet_ && dataSet_->Active() ? dataSet_->RecNo() : 0; }

} // namespace tv
