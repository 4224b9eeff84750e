#include "framework/data/datalink.h"

#include <algorithm>

#include "core/scopeguards.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"

namespace tv {

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* ds) {
    if (ds == dataSource_) return;
    if (dataSource_) {
        dataSource_->RemoveDataLink(this);
        dataSource_ = nullptr;
        SetActive(false);
    }
    dataSource_ = ds;
    if (ds) {
        ds->AddDataLink(this);
        UpdateState();
    }
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

void TDataLink::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    UpdateState();
}

int TDataLink::ActiveRecord() const {
    TDataSet* ds = DataSet();
    if (!active_ || !ds || dataSource_->State() == dsSetKey) return 0;
    return ds->WindowActiveRecord() - firstRecord_;
}

void TDataLink::SetActiveRecord(int value) {
    TDataSet* ds = DataSet();
    if (!active_ || !ds || dataSource_->State() == dsSetKey) return;
    ds->SetWindowActiveRecord(value + firstRecord_);
}

void TDataLink::SetBufferCount(int value) {
    if (value < 1) value = 1;
    if (value == bufferCount_) return;
    bufferCount_ = value;
    if (active_) {
        UpdateRange();
        DataSet()->UpdateBufferCount();
        UpdateRange();
    }
}

int TDataLink::RecordCount() const {
    TDataSet* ds = DataSet();
    if (!active_ || !ds) return 0;
    if (dataSource_->State() == dsSetKey) return 1;
    return std::clamp(ds->WindowRecordCount() - firstRecord_, 0, bufferCount_);
}

bool TDataLink::Bof() const { return active_ && DataSet()->Bof(); }
bool TDataLink::Eof() const { return active_ && DataSet()->Eof(); }

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_) dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    if (updating_) return;
    TFlagGuard updating(updating_);
    UpdateData();
}

int TDataLink::MoveBy(int distance) { return DataSet() ? DataSet()->MoveBy(distance) : 0; }

void TDataLink::UpdateRange() {
    TDataSet* ds = DataSet();
    if (!ds) return;
    const int active = ds->WindowActiveRecord();
    int lo = active - bufferCount_ + 1;
    if (lo < 0) lo = 0;
    int hi = ds->BufferCount() - bufferCount_;
    if (hi > active) hi = active;
    if (hi < 0) hi = 0;
    if (firstRecord_ < lo) firstRecord_ = lo;
    if (firstRecord_ > hi) firstRecord_ = hi;
}

void TDataLink::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value) {
        firstRecord_ = 0;
        DataSet()->UpdateBufferCount();
        UpdateRange();
    } else {
        firstRecord_ = 0;
    }
    ActiveChanged();
}

void TDataLink::SetEditing(bool value) {
    if (value == editing_) return;
    editing_ = value;
    EditingChanged();
}

void TDataLink::UpdateState() {
    const bool nowActive = dataSource_ && dataSource_->Enabled() && dataSource_->State() != dsInactive;
    SetActive(nowActive);
    const TDataSetState s = dataSource_ ? dataSource_->State() : dsInactive;
    SetEditing(active_ && !readOnly_ && (s == dsEdit || s == dsInsert || s == dsSetKey));
}

void TDataLink::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!active_) return;
    switch (event) {
    case deFieldChange:
    case deRecordChange:
        if (!updating_) RecordChanged(reinterpret_cast<TField*>(info));
        break;
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: {
        // The rows this link showed moved `info` places up in the window.
        int distance = 0;
        if (dataSource_->State() != dsSetKey) {
            const int before = firstRecord_ - static_cast<int>(info);
            firstRecord_ = before;
            UpdateRange();
            distance = firstRecord_ - before;
        }
        if (event == deDataSetChange)
            DataSetChanged();
        else if (event == deDataSetScroll)
            DataSetScrolled(distance);
        else
            LayoutChanged();
        break;
    }
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(*reinterpret_cast<TField**>(info));
        break;
    default:
        break;
    }
}

} // namespace tv
