#pragma once
// TDataLink: how a control follows a dataset through a data source. A link
// sees a slice of the dataset's record buffer window (`BufferCount` rows from
// its first record) and hears the data events (docs/dataset-buffers.md).
#include <cstdint>

#include "core/persistent.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TDataSet;
class TDataSource;
class TField;

class TDataLink : public TPersistent {
    TV_CLASS(TDataLink, TPersistent)
public:
    TDataLink();
    ~TDataLink() override;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* ds);
    TDataSet* DataSet() const;
    bool Active() const { return active_; }
    bool Editing() const { return editing_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // A link whose data source its control may not change.
    bool DataSourceFixed() const { return dataSourceFixed_; }
    void SetDataSourceFixed(bool v) { dataSourceFixed_ = v; }
    bool VisualControl() const { return visualControl_; }
    void SetVisualControl(bool v) { visualControl_ = v; }

    // Row of the current record in the link's slice; setting it makes another
    // row of the slice the dataset's active record (fields read that row).
    int ActiveRecord() const;
    void SetActiveRecord(int value);
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int value);
    // Records in the link's slice.
    int RecordCount() const;
    int FirstRecord() const { return firstRecord_; }
    bool Bof() const;
    bool Eof() const;

    // Puts the dataset into edit mode through the data source; returns Editing.
    bool Edit();
    // Writes the control's pending value (UpdateData) unless already doing so.
    void UpdateRecord();
    virtual int MoveBy(int distance);

    virtual void DataEvent(TDataEvent event, std::intptr_t info);

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance) { (void)distance; DataSetChanged(); }
    virtual void EditingChanged() {}
    virtual void FocusControl(TField*& field) { (void)field; }
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* field) { (void)field; }
    virtual void UpdateData() {}
    bool Updating() const { return updating_; }

private:
    friend class TDataSource;
    friend class TDataSet;
    void SetActive(bool value);
    void UpdateState();
    void UpdateRange();
    void SetEditing(bool value);

    TDataSource* dataSource_ = nullptr;
    bool active_ = false, editing_ = false, readOnly_ = false, updating_ = false;
    bool dataSourceFixed_ = false, visualControl_ = false;
    int bufferCount_ = 1, firstRecord_ = 0;
};

// A guard that restores a link's active record, also when drawing fails.
class TActiveRecordGuard {
public:
    explicit TActiveRecordGuard(TDataLink& link) : link_(link), saved_(link.ActiveRecord()) {}
    ~TActiveRecordGuard() { link_.SetActiveRecord(saved_); }
    TActiveRecordGuard(const TActiveRecordGuard&) = delete;
    TActiveRecordGuard& operator=(const TActiveRecordGuard&) = delete;

private:
    TDataLink& link_;
    int saved_;
};

} // namespace tv
