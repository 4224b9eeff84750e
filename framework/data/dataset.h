#pragma once
// TDataSet: the framework's record-set model. The dataset keeps a window of
// record buffers around its current record (docs/dataset-buffers.md) and tells
// its data sources, and through them every data link, what changed. A
// descendant supplies the records through the Internal... operations.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/variant.h"
#include "framework/data/dbtypes.h"
#include "framework/data/dberror.h"
#include "framework/data/fielddefs.h"
#include "framework/data/fields.h"
#include "framework/data/providersupport.h"

namespace tv {

class TDataSource;
class TDataLink;
class TFilterExpression;

using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;
using TDataSetErrorEvent = std::function<void(TDataSet* dataSet, EDatabaseError& e, TDataAction& action)>;
using TFilterRecordEvent = std::function<void(TDataSet* dataSet, bool& accept)>;

// One record in the window: the values of its fields by slot, the
// descendant's bookmark of it and where it stands.
struct TRecordBuffer {
    std::vector<Variant> values;
    TBookmark bookmark;
    TBookmarkFlag flag = bfCurrent;
};

enum TResyncModeFlag { rmExact, rmCenter };
using TResyncMode = TSet<TResyncModeFlag>;

class TDataSet : public TComponent, public IProviderSupport {
    TV_CLASS(TDataSet, TComponent)
public:
    static void Publish(TPublisher& p);
    explicit TDataSet(TComponent* owner = nullptr);
    ~TDataSet() override;

    // --- opening and state -----------------------------------------------------
    bool Active() const { return state_ != dsInactive && state_ != dsOpening; }
    void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return state_; }
    void CheckActive() const;
    void CheckInactive() const;
    void CheckBrowseMode();
    // Re-reads the records from the source, keeping the current one.
    void Refresh();
    // A dataset read from a stored definition opens once every component is read.
    void Loaded() override;
    // Persistent fields of `root` are written inside their dataset.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    // --- fields ------------------------------------------------------------------
    TFields& Fields() { return fields_; }
    const TFields& Fields() const { return fields_; }
    int FieldCount() const { return fields_.Count(); }
    TFieldDefs& FieldDefs() { return fieldDefs_; }
    // True when the dataset made its fields itself from the field definitions.
    bool DefaultFields() const { return defaultFields_; }
    TField* FindField(const std::string& name) const { return fields_.FindField(name); }
    // Raises EDatabaseError "<dataset>: Field 'x' not found".
    TField* FieldByName(const std::string& name) const;
    // Fields of a ";"-separated list, in its order; raises for an unknown name.
    std::vector<TField*> GetFieldList(const std::string& names) const;
    // One name gives the field's value, several a variant array.
    Variant FieldValues(const std::string& names) const;
    void SetFieldValues(const std::string& names, const Variant& value);
    void ClearFields();

    // --- moving ------------------------------------------------------------------
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Returns the number of records moved (negative backwards).
    int MoveBy(int distance);
    // True after trying to move before the first or past the last record.
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return Active() && recordCount_ == 0 && state_ != dsInsert; }
    // 1-based number of the current record in the current order and filter.
    virtual int RecNo() const { return -1; }
    virtual void SetRecNo(int value) { (void)value; }
    virtual int RecordCount() const { return -1; }
    virtual bool IsSequenced() const { return false; }

    // --- bookmarks -----------------------------------------------------------------
    TBookmark Bookmark() const;
    void SetBookmark(const TBookmark& b) { GotoBookmark(b); }
    TBookmark GetBookmark() const { return Bookmark(); }
    void GotoBookmark(const TBookmark& b);
    virtual bool BookmarkValid(const TBookmark& b) const { (void)b; return false; }
    // Negative, 0, positive as `a` comes before, with or after `b` in the
    // current order; an empty bookmark comes first.
    virtual int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;

    // --- controls ------------------------------------------------------------------
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // --- editing -------------------------------------------------------------------
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    bool CanModify() const { return Active() && GetCanModify(); }
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }
    // Asks the links to write pending control values into the fields.
    void UpdateRecord();
    bool AutoCalcFields() const { return autoCalcFields_; }
    void SetAutoCalcFields(bool v) { autoCalcFields_ = v; }

    // --- searching -----------------------------------------------------------------
    // keyFields ";"-separated; keyValues one value or a variant array.
    virtual bool Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options);
    virtual Variant Lookup(const std::string& keyFields, const Variant& keyValues, const std::string& resultFields);

    // --- filtering -----------------------------------------------------------------
    const std::string& Filter() const { return filterText_; }
    // Raises EDatabaseError for a malformed text; the old filter then stays.
    void SetFilter(const std::string& text);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool value);
    // Whether the current buffer passes Filter and OnFilterRecord.
    bool FilterAccepts(TRecordBuffer& buffer);
    bool HasFilter() const;

    // --- links -----------------------------------------------------------------
    int BufferCount() const { return bufferCount_; }
    // The buffer the fields read in the present state (null when none).
    TRecordBuffer* CurrentBuffer() const;
    TRecordBuffer* ActiveBuffer() const;
    const std::vector<TDataSource*>& DataSources() const { return dataSources_; }
    virtual void DataEvent(TDataEvent event, std::intptr_t info);
    // The buffer window of a link (docs/dataset-buffers.md).
    int WindowRecordCount() const { return recordCount_; }
    int WindowActiveRecord() const { return activeRecord_; }
    void SetWindowActiveRecord(int index);
    void UpdateBufferCount();
    void Resync(TResyncMode mode);
    // Tells the links that the current record's value changed.
    void RecordChanged(TField* field);

    // --- events ------------------------------------------------------------------
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeInsert, AfterInsert,
        BeforeEdit, AfterEdit, BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete,
        BeforeScroll, AfterScroll, BeforeRefresh, AfterRefresh, OnNewRecord, OnCalcFields;
    TDataSetErrorEvent OnEditError, OnPostError, OnDeleteError;
    TFilterRecordEvent OnFilterRecord;

    // --- fields and sources register themselves ----------------------------------------
    virtual bool GetFieldData(const TField* field, Variant& value) const;
    // The fields' values moved out of the current record's buffer and appended
    // to values, for a reader that takes each row once and closes the dataset
    // after the last.
    virtual void TakeRecordData(const std::vector<TField*>& fields, std::vector<Variant>& values);
    virtual void SetFieldData(TField* field, const Variant& value);
    virtual Variant GetFieldOldValue(const TField* field) const;
    void AddDataSource(TDataSource* ds);
    void RemoveDataSource(TDataSource* ds);
    void FieldListChanged();
    // Slots of a record buffer: one per field definition, then the calculated fields.
    int BufferSlotCount() const { return slotCount_; }
    // The data source whose dataset drives this one (master and detail).
    virtual TDataSource* MasterDataSource() const { return nullptr; }
    // Whether the field is a field of the current index.
    virtual bool FieldIsIndexed(const TField* field) const { (void)field; return false; }

    // A reader that takes every record once and closes the dataset after the
    // last (a provider reading its source through) may do without fields when
    // nothing could see them: the dataset is closed and has no fields of its
    // own, no data sources, no filter and no handler that opening, moving or
    // closing would call, its kind reads records without fields, and its field
    // definitions, if it knows them yet, stand in their slots' order.
    bool CanReadWithoutFields() const;
    // Opens, hands each record's values to `take` in the field definitions'
    // order (they may be moved from) and closes again, without making fields;
    // the definitions must be known and CanReadWithoutFields true.
    void ReadWithoutFields(const std::function<void(std::vector<Variant>& values)>& take);

    // IProviderSupport defaults for a dataset of rows.
    void PSReset() override;
    std::vector<std::string> PSGetKeyFields() override;

protected:
    // --- what a descendant supplies ---------------------------------------------------
    virtual void InternalInitFieldDefs() = 0;
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual bool IsCursorOpen() const = 0;
    // Reads the record the cursor stands on (gmCurrent), or moves the cursor
    // one record and reads it; values, bookmark and flag go into `buffer`.
    virtual TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode) = 0;
    // Put the cursor on the crack before the first / after the last record.
    virtual void InternalFirst() = 0;
    virtual void InternalLast() = 0;
    virtual void InternalGotoBookmark(const TBookmark& b) { (void)b; }
    virtual void InternalSetToRecord(const TRecordBuffer& buffer) { InternalGotoBookmark(buffer.bookmark); }
    virtual void InternalInitRecord(TRecordBuffer& buffer);
    virtual void InternalEdit() {}
    virtual void InternalInsert() {}
    virtual void InternalCancel() {}
    // Writes the active buffer (edit or insert); the base checks required fields.
    virtual void InternalPost();
    virtual void InternalDelete() {}
    virtual void InternalRefresh() {}
    virtual bool GetCanModify() const { return true; }
    // Whether GetRecord fills a buffer by the field definitions alone.
    virtual bool ReadsWithoutFields() const { return false; }
    // A filter of the descendant's own (the client dataset filters in its engine).
    virtual void FilterChanged() {}
    // Called after the fields were bound and before the buffers are filled.
    virtual void OpenCursorCompleted() {}
    virtual void DoOnNewRecord();
    void CheckRequiredFields();
    // The filter expression bound to this dataset's fields, or null.
    const TFilterExpression* FilterExpression() const { return filterExpr_.get(); }

    // --- window operations for descendants ---------------------------------------------------
    void ClearBuffers();
    void CursorPosChanged() { currentRecord_ = -1; }
    void UpdateCursorPos();
    void SetState(TDataSetState value);
    void SetTempState(TDataSetState value, TRecordBuffer* buffer);
    void RestoreState(TDataSetState old, TRecordBuffer* oldBuffer);
    void CalculateFields(TRecordBuffer& buffer);
    bool HasCalcFields() const { return calcFieldCount_ > 0; }
    void Notification(TComponent* component, TOperation operation) override;
    // Sets the size of the window, keeping the active record in it.
    void SetBufListSize(int count);
    // Reads one record through GetRecord and calculates its calculated fields.
    TGetResult FetchRecord(TRecordBuffer& buffer, TGetMode mode);

private:
    friend class TDataLink;
    void OpenCursor();
    void CloseCursor();
    void CreateFields();
    void BindFields();
    void DestroyDefaultFields();
    void ActivateBuffers();
    bool GetNextRecord();
    bool GetPriorRecord();
    int GetNextRecords();
    int GetPriorRecords();
    void SetCurrentRecord(int index);
    void MoveBuffer(int from, int to);
    void InitRecord(TRecordBuffer& buffer);
    void CheckCanModify();
    void CheckOperation(const std::function<void()>& op, const TDataSetErrorEvent& onError);
    void BeginInsertAppend();
    void EndInsertAppend();
    void NotifySources(TDataEvent event, std::intptr_t info);
    void BindFilter();
    void Fire(const TDataSetNotifyEvent& e) { if (e) e(this); }

    TDataSetState state_ = dsInactive;
    TFields fields_;
    TFieldDefs fieldDefs_;
    bool defaultFields_ = false;
    std::vector<std::unique_ptr<TRecordBuffer>> buffers_;
    int bufferCount_ = 0, recordCount_ = 0, activeRecord_ = 0, currentRecord_ = -1;
    bool bof_ = true, eof_ = true, modified_ = false, autoCalcFields_ = true;
    int disableCount_ = 0;
    TDataSetState disableState_ = dsInactive;
    TDataEvent enableEvent_ = deDataSetChange;
    std::vector<TDataSource*> dataSources_;
    TRecordBuffer* tempBuffer_ = nullptr;
    int slotCount_ = 0, calcFieldCount_ = 0;
    std::string filterText_;
    bool filtered_ = false;
    std::unique_ptr<TFilterExpression> filterExpr_;
    std::vector<Variant> editOriginal_;
    TBookmark insertFrom_;
    bool streamedActive_ = false;
    int insertFromRow_ = 0;
};

// Splits a ";"-separated field list into trimmed names (empty names dropped).
std::vector<std::string> SplitFieldNames(const std::string& names);

} // namespace tv
