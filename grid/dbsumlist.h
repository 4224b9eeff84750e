#pragma once
// TDBSumListProducer: sums, averages and counts over a dataset, kept current
// by taking over the dataset's event handlers (the previous handlers are kept,
// called, and put back when the list lets go). Amounts are fixed point with
// four decimals, as Currency keeps them; a result beyond a currency's range is
// marked, never given as another number.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/properties.h"
#include "core/variant.h"
#include "framework/data/dataset.h"

namespace tv {

enum TGroupOperation { goSum, goAvg, goCount };
extern const TEnumInfo TGroupOperationInfo;

class TDBSumListProducer;

class TDBSum : public TCollectionItem {
    TV_CLASS(TDBSum, TCollectionItem)
public:
    explicit TDBSum(TCollection* collection = nullptr) : TCollectionItem(collection) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& v);
    TGroupOperation GroupOperation() const { return groupOperation_; }
    void SetGroupOperation(TGroupOperation v);
    // Ten-thousandths; Value() gives the amount.
    std::int64_t SumValue = 0;
    double Value() const { return static_cast<double>(SumValue) / 10000.0; }
    // The sum or average lies beyond a currency's range: SumValue holds none.
    bool OutOfRange() const { return outOfRange_; }
    // A sum the grid's footers asked for (the grid drops it when no footer needs it).
    bool FooterSum = false;

private:
    friend class TDBSumListProducer;
    // Sums and averages run wider than their result, so that correcting the
    // record that took a total out of range brings it back.
    using Exact = __int128;
    void Add(Exact amount);
    // SumValue and OutOfRange from the running sum (and count, for an average).
    void Settle();
    // One record's contribution changes from `removed` to `added`.
    void Adjust(Exact removed, Exact added);
    std::string fieldName_;
    TGroupOperation groupOperation_ = goSum;
    std::int64_t count_ = 0;
    Exact previous_ = 0, running_ = 0;
    // An amount too large even to run with: known again at the next full count.
    bool lost_ = false, outOfRange_ = false;
    Variant previousValue_;
};

class TDBSumCollection : public TCollection {
    TV_CLASS(TDBSumCollection, TCollection)
public:
    explicit TDBSumCollection(TDBSumListProducer* owner = nullptr)
        : TCollection(TDBSum::StaticClass()), owner_(owner) {}
    static void Publish(TPublisher&) {}
    TPersistent* GetOwner() const override;
    TDBSum* Items(int i) const { return static_cast<TDBSum*>(TCollection::Items(i)); }
    TDBSum* Add() { return static_cast<TDBSum*>(TCollection::Add()); }
    // The first sum of that operation whose field name matches, ignoring case.
    TDBSum* FindByOperationAndField(TGroupOperation op, const std::string& fieldName) const;

protected:
    void Update(TCollectionItem* item) override;

private:
    TDBSumListProducer* owner_;
};

class TDBSumListProducer : public TPersistent {
    TV_CLASS(TDBSumListProducer, TPersistent)
public:
    explicit TDBSumListProducer(TComponent* owner = nullptr);
    ~TDBSumListProducer() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    bool Active() const { return active_; }
    void SetActive(bool v);
    TDataSet* DataSet() const { return dataSet_; }
    // Takes another dataset: lets go of the present one's events first.
    void RebindDataSet(TDataSet* ds);
    void SetDataSet(TDataSet* ds) { RebindDataSet(ds); }
    bool ExternalRecalc() const { return externalRecalc_; }
    void SetExternalRecalc(bool v);
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool v);
    TDBSumCollection* SumCollection() const { return sums_.get(); }
    void SetSumCollection(TDBSumCollection* v) { sums_->Assign(v); }
    bool EventsHooked() const { return hooked_; }
    // The owner finished loading.
    void OwnerLoaded();

    virtual int CurrentRecordNumber();
    virtual int IndexOfRecordBookmark(const TBookmark& bookmark);
    virtual void GoToRecordNumber(int n);
    virtual bool IsNumbered();
    virtual int NumberedRecordCount();
    virtual void ResetSums();
    virtual void Recalculate();
    const std::vector<TBookmark>& VirtualRecordList() const { return virtualRecs_; }

    std::function<void(TObject*)> OnRecalcAll, OnAfterRecalcAll, SumListChanged;

protected:
    virtual void HandleAfterCancel(TDataSet* ds);
    virtual void HandleAfterClose(TDataSet* ds);
    virtual void HandleAfterEdit(TDataSet* ds);
    virtual void HandleAfterInsert(TDataSet* ds);
    virtual void HandleAfterOpen(TDataSet* ds);
    virtual void HandleAfterPost(TDataSet* ds);
    virtual void HandleAfterScroll(TDataSet* ds);
    virtual void HandleBeforeDelete(TDataSet* ds);
    void HandleMasterAfterScroll(TDataSet* ds);
    virtual void RestoreDataSetEvents();
    virtual void HookDataSetEvents();
    void SetHooked(bool v) { hooked_ = v; }
    // Loading, or designed while design-time work is off: bindings are only stored.
    bool Deferred() const;
    bool designTimeWork_ = false;
    bool active_ = true;

private:
    friend class TDBSumCollection;
    void SumsChanged();
    void SwitchActive(bool on);
    void FireChanged() { if (SumListChanged) SumListChanged(this); }
    bool UsesVirtualRecords() const;
    bool Used(const TDBSum* s) const { return s->groupOperation_ == goCount || !s->fieldName_.empty(); }
    void SnapshotFilter();

    TComponent* owner_;
    TDataSet* dataSet_ = nullptr;
    TDataSet* master_ = nullptr;
    std::unique_ptr<TDBSumCollection> sums_;
    bool externalRecalc_ = false, virtualRecords_ = false, hooked_ = false, changing_ = false;
    bool pendingInsert_ = false;
    // A record inserted with a bookmark already listed: gone again if cancelled.
    TBookmark insertedBookmark_;
    bool snapFiltered_ = false;
    std::string snapFilter_;
    int cachedPos_ = -1;
    std::vector<TBookmark> virtualRecs_;
    TDataSetNotifyEvent savedAfterCancel_, savedAfterClose_, savedAfterEdit_, savedAfterInsert_, savedAfterOpen_,
        savedAfterPost_, savedAfterScroll_, savedBeforeDelete_, savedMasterAfterScroll_;
};

} // namespace tv
