#pragma once
// TClientDataSet: the in-memory dataset engine. It takes its rows from a
// provider in packets (or from its own field definitions with
// CreateDataSet), keeps them in memory with indexes and filters, logs every
// change, and sends the changes back through the provider (ApplyUpdates),
// reconciling the ones that fail.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/data/clientrow.h"
#include "framework/data/datapacket.h"
#include "framework/data/dataset.h"
#include "framework/data/indexdefs.h"
#include "framework/data/keyconstraint.h"
#include "framework/data/params.h"
#include "framework/data/recordindex.h"

namespace tv {

class TCustomProvider;
class TMasterDataLink;
class EReconcileError;
class TCustomClientDataSet;

using TRemoteEvent = std::function<void(TObject* sender, Variant& ownerData)>;
using TReconcileErrorEvent =
    std::function<void(TCustomClientDataSet* dataSet, EReconcileError& e, TUpdateKind updateKind, TReconcileAction& action)>;

class TCustomClientDataSet : public TDataSet {
    TV_CLASS(TCustomClientDataSet, TDataSet)
public:
    static void Publish(TPublisher& p);
    explicit TCustomClientDataSet(TComponent* owner = nullptr);
    ~TCustomClientDataSet() override;

    // --- the provider --------------------------------------------------------------
    // The provider is the owner's component of this name.
    const std::string& ProviderName() const { return providerName_; }
    void SetProviderName(const std::string& name);
    // The provider found by name (null when none); raises nothing.
    TCustomProvider* Provider() const;
    // Rows per packet: -1 all at once, 0 descriptions only.
    int PacketRecords() const { return packetRecords_; }
    void SetPacketRecords(int n) { packetRecords_ = n < -1 ? -1 : n; }
    bool FetchOnDemand() const { return fetchOnDemand_; }
    void SetFetchOnDemand(bool v) { fetchOnDemand_ = v; }
    // SQL text sent to a provider that allows command text.
    const std::string& CommandText() const { return commandText_; }
    void SetCommandText(const std::string& text) { commandText_ = text; }
    TParams& Params() { return params_; }
    // Fetches the next packet; returns the number of rows received.
    int GetNextPacket();
    bool AllFetched() const { return allFetched_; }
    // Runs the command text (or the provider's dataset's own command) without a result set.
    void Execute();
    // Creates an empty dataset from FieldDefs, without a provider.
    void CreateDataSet();
    // Removes every row (and the change log).
    void EmptyDataSet();
    // The rows as a packet, and loading one.
    TDataPacket Data() const;
    void SetData(const TDataPacket& packet);

    // --- indexes -------------------------------------------------------------------
    TIndexDefs& IndexDefs() { return indexDefs_; }
    void AddIndex(const std::string& name, const std::string& fields, TIndexOptions options,
                  const std::string& descFields = {}, const std::string& caseInsFields = {}, int groupingLevel = 0);
    void DeleteIndex(const std::string& name);
    const std::string& IndexName() const { return indexName_; }
    // Raises EDatabaseError "Index 'x' not found"; the order then stays.
    void SetIndexName(const std::string& name);
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const std::string& names);
    // Fields of the current index, in order.
    std::vector<TField*> IndexFields() const;
    bool FieldIsIndexed(const TField* field) const override;

    // --- master and detail ------------------------------------------------------------
    TDataSource* MasterSource() const;
    void SetMasterSource(TDataSource* source);
    const std::string& MasterFields() const { return masterFields_; }
    void SetMasterFields(const std::string& names);
    TDataSource* MasterDataSource() const override { return MasterSource(); }

    // --- change log -------------------------------------------------------------------
    int ChangeCount() const;
    TUpdateStatus UpdateStatus() const;
    // Sends the changes to the provider; returns the number of errors. With
    // MaxErrors -1 every error is tolerated; otherwise more errors than
    // MaxErrors undo the whole apply and every change stays in the log.
    int ApplyUpdates(int maxErrors);
    // Undoes every change not yet applied.
    void CancelUpdates();
    // Undoes the changes of the current record.
    void RevertRecord();
    // Makes every change part of the data, as if applied.
    void MergeChangeLog();
    // The changed rows, as sent to the provider.
    TDataPacket Delta() const;

    // --- the dataset -------------------------------------------------------------------
    int RecNo() const override;
    void SetRecNo(int value) override;
    int RecordCount() const override;
    bool IsSequenced() const override { return true; }
    bool BookmarkValid(const TBookmark& b) const override;
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const override;
    bool Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options) override;
    Variant Lookup(const std::string& keyFields, const Variant& keyValues, const std::string& resultFields) override;
    Variant GetFieldOldValue(const TField* field) const override;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }

    TRemoteEvent BeforeGetRecords, AfterGetRecords, BeforeExecute, AfterExecute, BeforeApplyUpdates, AfterApplyUpdates;
    TReconcileErrorEvent OnReconcileError;

    // IProviderSupport: a client dataset can feed another provider.
    bool PSUpdateRecord(TUpdateKind kind, TDataSet* delta) override;

protected:
    void InternalInitFieldDefs() override;
    void InternalOpen() override;
    void InternalClose() override;
    bool IsCursorOpen() const override { return open_; }
    TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode) override;
    void InternalFirst() override;
    void InternalLast() override;
    void InternalGotoBookmark(const TBookmark& b) override;
    void InternalPost() override;
    void InternalDelete() override;
    void InternalRefresh() override;
    void DoOnNewRecord() override;
    bool GetCanModify() const override { return !readOnly_; }
    void FilterChanged() override;
    void OpenCursorCompleted() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The record at a 0-based position of the present order and filter, read
    // into `buffer` with its calculated fields; neither the cursor nor the
    // current record moves, and no link hears of it. False outside the records.
    bool ReadRecordAt(int position, TRecordBuffer& buffer);

private:
    friend class TDataSetProvider;
    TCustomProvider* RequireProvider() const;
    void FetchPacket(bool reset);
    void LoadPacketRows(TDataPacket& packet, bool keepStatus);
    void DescribeFrom(const TDataPacket& packet);
    TClientRow* RowOf(const TBookmark& b) const;
    static TBookmark BookmarkOf(const TClientRow* row);
    TClientRow* NewRow();
    void InsertIntoBase(TClientRow* row, const TClientRow* before);
    void RemoveRow(TClientRow* row);
    bool RowVisible(const TClientRow* row);
    void BuildIndex();
    void RebuildView();
    void PlaceCursorOn(const TClientRow* row);
    void CheckKeyViolation(const std::vector<Variant>& values, const TClientRow* self);
    void EnsureConstraints();
    void ForgetKeys(const TClientRow* row);
    void FileKeys(TClientRow* row);
    void MasterChanged();
    void MasterDisabled();
    void SwitchIndex(const std::function<void()>& change);
    void RevertRow(TClientRow* row);
    void CommitRow(TClientRow* row);
    void FetchAll();
    void FetchMore();
    int PositionOf(const TClientRow* row) const;

    std::string providerName_, commandText_, indexName_, indexFieldNames_, masterFields_;
    mutable TCustomProvider* provider_ = nullptr; // the last one found by name
    int packetRecords_ = -1;
    bool fetchOnDemand_ = true, allFetched_ = true, open_ = false, readOnly_ = false, inMemory_ = false;
    TParams params_;
    TIndexDefs indexDefs_;
    TRecordIndex index_;
    std::vector<std::unique_ptr<TClientRow>> rows_; // by id - 1; null once dropped
    std::vector<TClientRow*> base_;                 // every kept row, default order
    std::vector<TClientRow*> view_;                 // visible rows, index order
    int cursor_ = 0;
    bool onRecord_ = false;
    std::int64_t lastSeq_ = 0;
    std::unique_ptr<TMasterDataLink> masterLink_;
    std::vector<int> keySlots_; // the packet's key (pfInKey)
    std::vector<TKeyConstraint> constraints_;
    bool keysDirty_ = true;     // constraints_ are rebuilt before their next use
    bool deltaMode_ = false;    // rows carry their status as loaded (a delta)
    TDataPacket storedDefs_;    // descriptions of the last packet, kept for re-opening
};

class TClientDataSet : public TCustomClientDataSet {
    TV_CLASS(TClientDataSet, TCustomClientDataSet)
public:
    using TCustomClientDataSet::TCustomClientDataSet;
};

} // namespace tv
