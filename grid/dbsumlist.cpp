#include "grid/dbsumlist.h"

#include <algorithm>
#include <cmath>

#include "core/strutils.h"
#include "framework/data/controlsoff.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

const TEnumInfo TGroupOperationInfo{"TGroupOperation", {"goSum", "goAvg", "goCount"}};

namespace {

using Exact = __int128;

// Amounts past 2^100 ten-thousandths are not run with: adding up a dataset's
// worth of them stays far inside the running type.
constexpr double kRunLimit = 1267650600228229401496703205376.0;

// The field's amount in ten-thousandths, rounded to the nearest; 0 for a null
// value, and false for one too large to run with.
bool Amount(TField* f, Exact& out) {
    out = 0;
    if (f->IsNull()) return true;
    double scaled = std::round(f->AsFloat() * 10000.0);
    if (!(std::fabs(scaled) < kRunLimit)) return false;
    out = static_cast<Exact>(scaled);
    return true;
}

// running / count rounded to the nearest, halves away from zero.
Exact Average(Exact running, std::int64_t count) {
    if (count == 0) return 0;
    Exact q = running / count, r = running % count;
    if (2 * (r < 0 ? -r : r) >= count) q += running < 0 ? -1 : 1;
    return q;
}

constexpr Exact kCurrencyMax = INT64_MAX;

} // namespace

// --- TDBSum -------------------------------------------------------------------------

void TDBSum::Publish(TPublisher& p) {
    p.String("FieldName", &TDBSum::FieldName, &TDBSum::SetFieldName);
    p.Enum("GroupOperation", &TDBSum::GroupOperation, &TDBSum::SetGroupOperation, TGroupOperationInfo)
        .Default(goSum);
}

void TDBSum::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TDBSum*>(source);
    if (!s) return TCollectionItem::Assign(source);
    groupOperation_ = s->groupOperation_;
    fieldName_ = s->fieldName_;
    previous_ = s->previous_;
    SumValue = s->SumValue;
    count_ = s->count_;
    running_ = s->running_;
    lost_ = s->lost_;
    outOfRange_ = s->outOfRange_;
    FooterSum = s->FooterSum;
    Changed(false);
}

void TDBSum::SetFieldName(const std::string& v) {
    if (v == fieldName_) return;
    fieldName_ = v;
    Changed(false);
}

void TDBSum::SetGroupOperation(TGroupOperation v) {
    if (v == groupOperation_) return;
    groupOperation_ = v;
    Changed(false);
}

void TDBSum::Add(Exact amount) {
    if (!lost_ && __builtin_add_overflow(running_, amount, &running_)) lost_ = true;
}

void TDBSum::Settle() {
    Exact v = groupOperation_ == goAvg ? Average(running_, count_) : running_;
    outOfRange_ = lost_ || v > kCurrencyMax || v < -kCurrencyMax;
    SumValue = outOfRange_ ? 0 : static_cast<std::int64_t>(v);
}

void TDBSum::Adjust(Exact removed, Exact added) {
    // A sum that an external recount set goes on from there.
    if (groupOperation_ == goSum && !outOfRange_) running_ = SumValue;
    Add(-removed);
    Add(added);
    Settle();
}

// --- TDBSumCollection -------------------------------------------------------------------

TPersistent* TDBSumCollection::GetOwner() const { return owner_; }

TDBSum* TDBSumCollection::FindByOperationAndField(TGroupOperation op, const std::string& fieldName) const {
    for (int i = 0; i < Count(); ++i) {
        TDBSum* s = Items(i);
        if (s->GroupOperation() == op && AnsiSameText(s->FieldName(), fieldName)) return s;
    }
    return nullptr;
}

void TDBSumCollection::Update(TCollectionItem*) {
    if (owner_) owner_->SumsChanged();
}

// --- TDBSumListProducer -------------------------------------------------------------------

TDBSumListProducer::TDBSumListProducer(TComponent* owner)
    : owner_(owner), sums_(std::make_unique<TDBSumCollection>(this)) {}

TDBSumListProducer::~TDBSumListProducer() {
    // Destruction lets go of the dataset first, so its own handlers come back.
    if (hooked_) {
        active_ = false;
        RestoreDataSetEvents();
    }
}

void TDBSumListProducer::Publish(TPublisher& p) {
    using C = TDBSumListProducer;
    p.Boolean("Active", &C::Active, &C::SetActive).Default(false);
    p.Boolean("ExternalRecalc", &C::ExternalRecalc, &C::SetExternalRecalc).Default(false);
    p.Object("SumCollection", &C::SumCollection, &C::SetSumCollection);
    p.Boolean("VirtualRecords", &C::VirtualRecords, &C::SetVirtualRecords).Default(false);
}

void TDBSumListProducer::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TDBSumListProducer*>(source);
    if (!s) return TPersistent::Assign(source);
    SetActive(s->Active());
    RebindDataSet(s->DataSet());
    SetExternalRecalc(s->ExternalRecalc());
    sums_->Assign(s->sums_.get());
    SumListChanged = s->SumListChanged;
    SetVirtualRecords(s->VirtualRecords());
    OnAfterRecalcAll = s->OnAfterRecalcAll;
    OnRecalcAll = s->OnRecalcAll;
}

bool TDBSumListProducer::Deferred() const {
    if (!owner_) return false;
    TComponentState st = owner_->ComponentState();
    return st.Contains(csLoading) || (st.Contains(csDesigning) && !designTimeWork_);
}

void TDBSumListProducer::SwitchActive(bool on) {
    active_ = on;
    if (Deferred()) return;
    if (on) {
        HookDataSetEvents();
        Recalculate();
    } else {
        RestoreDataSetEvents();
        ResetSums();
    }
}

void TDBSumListProducer::SetActive(bool v) {
    if (v == active_) return;
    SwitchActive(v);
}

void TDBSumListProducer::RebindDataSet(TDataSet* ds) {
    if (ds == dataSet_) {
        if (ds && ds->ComponentState().Contains(csDestroying)) {
            RestoreDataSetEvents();
            dataSet_ = nullptr;
            ResetSums();
        }
        return;
    }
    if (Deferred()) {
        dataSet_ = ds;
        return;
    }
    bool wasActive = active_;
    SwitchActive(false);
    dataSet_ = ds;
    if (wasActive) SwitchActive(true);
}

void TDBSumListProducer::OwnerLoaded() {
    if (dataSet_ && active_) SwitchActive(true);
}

void TDBSumListProducer::SetExternalRecalc(bool v) {
    if (v == externalRecalc_) return;
    externalRecalc_ = v;
    Recalculate();
}

void TDBSumListProducer::SetVirtualRecords(bool v) {
    if (v == virtualRecords_) return;
    virtualRecords_ = v;
    if (v) Recalculate();
}

void TDBSumListProducer::SumsChanged() {
    if (owner_ && owner_->ComponentState().Contains(csLoading)) return;
    if (owner_ && owner_->ComponentState().Contains(csDestroying)) return;
    Recalculate();
}

bool TDBSumListProducer::UsesVirtualRecords() const {
    return dataSet_ && !dataSet_->IsSequenced() && virtualRecords_;
}

// --- hooking ---------------------------------------------------------------------------------

void TDBSumListProducer::HookDataSetEvents() {
    if (!dataSet_ || hooked_) return;
    TDataSource* ms = dataSet_->MasterDataSource();
    master_ = ms ? ms->DataSet() : nullptr;
    TDataSet* ds = dataSet_;
    savedAfterEdit_ = ds->AfterEdit;
    savedAfterInsert_ = ds->AfterInsert;
    savedAfterOpen_ = ds->AfterOpen;
    savedAfterPost_ = ds->AfterPost;
    savedAfterScroll_ = ds->AfterScroll;
    savedBeforeDelete_ = ds->BeforeDelete;
    savedAfterClose_ = ds->AfterClose;
    savedAfterCancel_ = ds->AfterCancel;
    ds->AfterEdit = [this](TDataSet* d) { HandleAfterEdit(d); };
    ds->AfterInsert = [this](TDataSet* d) { HandleAfterInsert(d); };
    ds->AfterOpen = [this](TDataSet* d) { HandleAfterOpen(d); };
    ds->AfterPost = [this](TDataSet* d) { HandleAfterPost(d); };
    ds->AfterScroll = [this](TDataSet* d) { HandleAfterScroll(d); };
    ds->BeforeDelete = [this](TDataSet* d) { HandleBeforeDelete(d); };
    ds->AfterClose = [this](TDataSet* d) { HandleAfterClose(d); };
    ds->AfterCancel = [this](TDataSet* d) { HandleAfterCancel(d); };
    if (master_) {
        savedMasterAfterScroll_ = master_->AfterScroll;
        master_->AfterScroll = [this](TDataSet* d) { HandleMasterAfterScroll(d); };
    }
    hooked_ = true;
}

void TDBSumListProducer::RestoreDataSetEvents() {
    if (!hooked_) return;
    // A dataset already being torn down keeps nothing worth restoring.
    if (dataSet_ && !dataSet_->ComponentState().Contains(csDestroying)) {
        TDataSet* ds = dataSet_;
        ds->AfterEdit = std::move(savedAfterEdit_);
        ds->AfterInsert = std::move(savedAfterInsert_);
        ds->AfterOpen = std::move(savedAfterOpen_);
        ds->AfterPost = std::move(savedAfterPost_);
        ds->AfterScroll = std::move(savedAfterScroll_);
        ds->BeforeDelete = std::move(savedBeforeDelete_);
        ds->AfterClose = std::move(savedAfterClose_);
        ds->AfterCancel = std::move(savedAfterCancel_);
    }
    if (master_ && !master_->ComponentState().Contains(csDestroying))
        master_->AfterScroll = std::move(savedMasterAfterScroll_);
    savedAfterEdit_ = savedAfterInsert_ = savedAfterOpen_ = savedAfterPost_ = nullptr;
    savedAfterScroll_ = savedBeforeDelete_ = savedAfterClose_ = savedAfterCancel_ = nullptr;
    savedMasterAfterScroll_ = nullptr;
    master_ = nullptr;
    hooked_ = false;
    virtualRecs_.clear();
}

// --- full recalculation ---------------------------------------------------------------------

void TDBSumListProducer::ResetSums() {
    for (int i = 0; i < sums_->Count(); ++i) {
        TDBSum* s = sums_->Items(i);
        s->SumValue = s->count_ = 0;
        s->previous_ = s->running_ = 0;
        s->lost_ = s->outOfRange_ = false;
        s->previousValue_ = Variant();
    }
    FireChanged();
}

void TDBSumListProducer::SnapshotFilter() {
    snapFiltered_ = dataSet_->Filtered();
    snapFilter_ = dataSet_->Filter();
}

void TDBSumListProducer::Recalculate() {
    if (!designTimeWork_ && owner_ && owner_->ComponentState().Contains(csDesigning)) return;
    if (owner_ && owner_->ComponentState().Contains(csLoading)) return;
    if (!active_ || !dataSet_ || !dataSet_->Active() || !hooked_) return;
    ResetSums();
    cachedPos_ = -1;
    if (OnRecalcAll) OnRecalcAll(this);
    if (!externalRecalc_) {
        bool scan = UsesVirtualRecords();
        for (int i = 0; i < sums_->Count() && !scan; ++i) scan = Used(sums_->Items(i));
        if (scan) {
            TDataSet* ds = dataSet_;
            try {
                TControlsOff off(ds);
                virtualRecs_.clear();
                changing_ = true;
                std::vector<std::pair<TDBSum*, TField*>> used;
                for (int i = 0; i < sums_->Count(); ++i) {
                    TDBSum* s = sums_->Items(i);
                    if (!Used(s)) continue;
                    used.emplace_back(s, s->fieldName_.empty() ? nullptr : ds->FieldByName(s->fieldName_));
                }
                ds->First();
                while (!ds->Eof()) {
                    for (auto& [s, f] : used) {
                        switch (s->groupOperation_) {
                        case goSum:
                        case goAvg:
                            if (f && !f->IsNull()) {
                                Exact amount;
                                if (!Amount(f, amount)) s->lost_ = true;
                                if (s->groupOperation_ == goAvg) ++s->count_;
                                s->Add(amount);
                            }
                            break;
                        case goCount:
                            if (!f || !f->IsNull()) s->SumValue += 10000;
                            break;
                        }
                    }
                    if (UsesVirtualRecords()) virtualRecs_.push_back(ds->Bookmark());
                    ds->Next();
                }
                ds->First();
                for (auto& [s, f] : used)
                    if (s->groupOperation_ != goCount) s->Settle();
                off.Release();
            } catch (...) {
                SnapshotFilter();
                changing_ = false;
                FireChanged();
                throw;
            }
        }
        if (OnAfterRecalcAll) OnAfterRecalcAll(this);
    }
    SnapshotFilter();
    changing_ = false;
    FireChanged();
}

// --- incremental updates ---------------------------------------------------------------------

void TDBSumListProducer::HandleAfterEdit(TDataSet* ds) {
    if (savedAfterEdit_) savedAfterEdit_(ds);
    if (!active_) return;
    for (int i = 0; i < sums_->Count(); ++i) {
        TDBSum* s = sums_->Items(i);
        if (!Used(s)) continue;
        TField* f = s->fieldName_.empty() ? nullptr : ds->FieldByName(s->fieldName_);
        if (s->groupOperation_ == goCount) {
            s->previous_ = f && f->IsNull() ? 0 : 10000;
        } else if (f) {
            if (!Amount(f, s->previous_)) s->lost_ = true;
            s->previousValue_ = f->Value();
        }
    }
}

void TDBSumListProducer::HandleAfterInsert(TDataSet* ds) {
    if (savedAfterInsert_) savedAfterInsert_(ds);
    if (!active_) return;
    for (int i = 0; i < sums_->Count(); ++i) {
        TDBSum* s = sums_->Items(i);
        if (!Used(s)) continue;
        if (s->groupOperation_ == goCount) {
            // Not counted yet: the record joins the count when it is posted.
            s->previous_ = 0;
        } else {
            s->previous_ = 0;
            s->previousValue_ = Null();
        }
    }
    if (UsesVirtualRecords()) {
        TBookmark b = ds->Bookmark();
        if (b.empty()) {
            pendingInsert_ = true;
        } else {
            virtualRecs_.push_back(b);
            insertedBookmark_ = b;
        }
    }
}

void TDBSumListProducer::HandleAfterPost(TDataSet* ds) {
    if (savedAfterPost_) savedAfterPost_(ds);
    if (!active_) return;
    for (int i = 0; i < sums_->Count(); ++i) {
        TDBSum* s = sums_->Items(i);
        if (!Used(s)) continue;
        TField* f = s->fieldName_.empty() ? nullptr : ds->FieldByName(s->fieldName_);
        Exact amount = 0;
        switch (s->groupOperation_) {
        case goSum:
        case goAvg:
            if (f) {
                if (!Amount(f, amount)) s->lost_ = true;
                if (s->groupOperation_ == goAvg) {
                    bool isNull = f->IsNull();
                    bool wasNull = s->previousValue_.IsNull() || s->previousValue_.IsEmpty();
                    if (!isNull && wasNull) ++s->count_;
                    if (isNull && !wasNull) --s->count_;
                }
                s->Adjust(s->previous_, amount);
            }
            break;
        case goCount:
            amount = f && f->IsNull() ? 0 : 10000;
            s->SumValue += static_cast<std::int64_t>(amount - s->previous_);
            break;
        }
        // A second post without a new edit must not count the same change twice.
        s->previous_ = amount;
        if (f) s->previousValue_ = f->Value();
    }
    if (UsesVirtualRecords() && pendingInsert_) {
        TBookmark b = ds->Bookmark();
        int n = static_cast<int>(virtualRecs_.size());
        int i = cachedPos_ < 0 || cachedPos_ >= n ? 0 : cachedPos_;
        while (i < n && ds->CompareBookmarks(virtualRecs_[i], b) < 0) ++i;
        while (i > 0 && ds->CompareBookmarks(virtualRecs_[i - 1], b) > 0) --i;
        virtualRecs_.insert(virtualRecs_.begin() + i, b);
        pendingInsert_ = false;
    }
    insertedBookmark_.clear();
    FireChanged();
}

void TDBSumListProducer::HandleBeforeDelete(TDataSet* ds) {
    if (savedBeforeDelete_) savedBeforeDelete_(ds);
    if (!active_) return;
    // A record being edited is summed with its stored value, not the typed one.
    bool editing = ds->State() == dsEdit;
    for (int i = 0; i < sums_->Count(); ++i) {
        TDBSum* s = sums_->Items(i);
        if (!Used(s)) continue;
        TField* f = s->fieldName_.empty() ? nullptr : ds->FieldByName(s->fieldName_);
        Exact amount = editing ? s->previous_ : 0;
        if (!editing && f && s->groupOperation_ != goCount && !Amount(f, amount)) s->lost_ = true;
        bool isNull = editing ? (s->groupOperation_ == goCount ? s->previous_ == 0
                                                               : s->previousValue_.IsNull() || s->previousValue_.IsEmpty())
                              : (f && f->IsNull());
        switch (s->groupOperation_) {
        case goSum:
        case goAvg:
            if (s->groupOperation_ == goAvg && !isNull) --s->count_;
            s->Adjust(amount, 0);
            break;
        case goCount:
            if (!isNull) s->SumValue -= 10000;
            break;
        }
    }
    if (UsesVirtualRecords()) {
        int k = IndexOfRecordBookmark(ds->Bookmark());
        if (k >= 0) virtualRecs_.erase(virtualRecs_.begin() + k);
    }
    FireChanged();
}

void TDBSumListProducer::HandleAfterOpen(TDataSet* ds) {
    if (savedAfterOpen_) savedAfterOpen_(ds);
    if (active_) Recalculate();
}

void TDBSumListProducer::HandleAfterClose(TDataSet* ds) {
    if (savedAfterClose_) savedAfterClose_(ds);
    if (active_) {
        ResetSums();
        FireChanged();
        changing_ = false;
    }
    virtualRecs_.clear();
}

void TDBSumListProducer::HandleAfterCancel(TDataSet* ds) {
    if (savedAfterCancel_) savedAfterCancel_(ds);
    pendingInsert_ = false;
    // A cancelled insert leaves no record behind to number.
    if (!insertedBookmark_.empty()) {
        auto it = std::find(virtualRecs_.begin(), virtualRecs_.end(), insertedBookmark_);
        if (it != virtualRecs_.end()) virtualRecs_.erase(it);
        insertedBookmark_.clear();
    }
}

void TDBSumListProducer::HandleAfterScroll(TDataSet* ds) {
    if (savedAfterScroll_) savedAfterScroll_(ds);
    if (!active_ || changing_) return;
    if (ds->Filtered() != snapFiltered_ || (ds->Filtered() && ds->Filter() != snapFilter_)) Recalculate();
}

void TDBSumListProducer::HandleMasterAfterScroll(TDataSet* ds) {
    if (savedMasterAfterScroll_) savedMasterAfterScroll_(ds);
    if (active_ && !changing_) Recalculate();
}

// --- record numbering --------------------------------------------------------------------------

bool TDBSumListProducer::IsNumbered() {
    if (!dataSet_) return false;
    if (dataSet_->IsSequenced()) return true;
    if (!virtualRecords_ || !active_) return false;
    return !virtualRecs_.empty() || (dataSet_->Bof() && dataSet_->Eof());
}

int TDBSumListProducer::IndexOfRecordBookmark(const TBookmark& bookmark) {
    int n = static_cast<int>(virtualRecs_.size());
    if (n == 0 || !dataSet_) return -1;
    int i = cachedPos_ < 0 || cachedPos_ >= n ? 0 : cachedPos_;
    int c = dataSet_->CompareBookmarks(virtualRecs_[i], bookmark);
    int step = c > 0 ? -1 : 1;
    while (i >= 0 && i < n) {
        c = dataSet_->CompareBookmarks(virtualRecs_[i], bookmark);
        if (c == 0) return cachedPos_ = i;
        if ((c > 0) != (step < 0)) return -1;
        i += step;
    }
    return -1;
}

int TDBSumListProducer::CurrentRecordNumber() {
    if (!dataSet_ || !dataSet_->Active()) return 0;
    if (UsesVirtualRecords() && active_) return IndexOfRecordBookmark(dataSet_->Bookmark()) + 1;
    return dataSet_->RecNo();
}

void TDBSumListProducer::GoToRecordNumber(int n) {
    if (!dataSet_) return;
    if (UsesVirtualRecords() && active_) {
        if (n >= 1 && n <= static_cast<int>(virtualRecs_.size())) dataSet_->GotoBookmark(virtualRecs_[n - 1]);
    } else {
        dataSet_->SetRecNo(n);
    }
}

int TDBSumListProducer::NumberedRecordCount() {
    if (!dataSet_) return 0;
    if (UsesVirtualRecords() && active_) return static_cast<int>(virtualRecs_.size());
    return dataSet_->RecordCount();
}

} // namespace tv
