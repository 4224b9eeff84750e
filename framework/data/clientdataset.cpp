#include "framework/data/clientdataset.h"

#include <algorithm>

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/datasource.h"
#include "framework/data/dbconsts.h"
#include "framework/data/field.h"
#include "framework/data/filterexpr.h"
#include "framework/data/locatematch.h"
#include "framework/data/masterdatalink.h"
#include "framework/data/provider.h"
#include "framework/data/valuecompare.h"

namespace tv {

namespace {
constexpr std::int64_t SeqStep = 1024;
constexpr const char* SApplyBeforeRefresh = "Must apply updates before refreshing data";
} // namespace

TCustomClientDataSet::TCustomClientDataSet(TComponent* owner) : TDataSet(owner) {}

TCustomClientDataSet::~TCustomClientDataSet() {
    Destroying();
    if (Active()) {
        try {
            Close();
        } catch (...) {
        }
    }
    masterLink_.reset();
}

// --- the provider -------------------------------------------------------------------------

void TCustomClientDataSet::SetProviderName(const std::string& name) { providerName_ = name; }

TCustomProvider* TCustomClientDataSet::Provider() const {
    if (providerName_.empty() || !Owner()) return nullptr;
    // Names are unique in an owner: the one found last stands while it keeps its owner and name.
    if (provider_ && provider_->Owner() == Owner() &&
        (provider_->Name() == providerName_ || SameText(provider_->Name(), providerName_)))
        return provider_;
    auto* p = dynamic_cast<TCustomProvider*>(Owner()->FindComponent(providerName_));
    if (p && p != provider_) p->FreeNotification(const_cast<TCustomClientDataSet*>(this));
    provider_ = p;
    return p;
}

TCustomProvider* TCustomClientDataSet::RequireProvider() const {
    TCustomProvider* p = Provider();
    if (!p) {
        if (providerName_.empty()) DatabaseError(dbconsts::SNoDataProvider, this);
        DatabaseError(Format(dbconsts::SProviderNotFound, providerName_), this);
    }
    return p;
}

void TCustomClientDataSet::FetchPacket(bool reset) {
    TCustomProvider* p = RequireProvider();
    Variant ownerData;
    if (BeforeGetRecords) BeforeGetRecords(this, ownerData);
    TDataPacket packet;
    try {
        const int count = reset ? packetRecords_ : (packetRecords_ > 0 ? packetRecords_ : -1);
        packet = p->GetRecords(count, reset, commandText_, params_, ownerData);
    } catch (...) {
        // Whatever announced the fetch is told that it ended, also on failure.
        if (AfterGetRecords) AfterGetRecords(this, ownerData);
        throw;
    }
    if (reset) DescribeFrom(packet);
    LoadPacketRows(packet, false);
    // A provider that sends nothing more has nothing more, whatever it says.
    allFetched_ = packet.eof || (!reset && packet.rows.empty());
    if (AfterGetRecords) AfterGetRecords(this, ownerData);
}

namespace {
bool Describes(const TFieldDef& d, const TPacketField& pf) {
    return d.Name() == pf.name && d.DataType() == pf.type && d.Size() == pf.size && d.Precision() == pf.precision &&
           d.Required() == pf.required && d.ReadOnly() == pf.readOnly && d.ProviderFlags() == pf.providerFlags &&
           d.Origin() == pf.origin && d.DisplayLabel() == pf.displayLabel;
}
} // namespace

void TCustomClientDataSet::DescribeFrom(const TDataPacket& packet) {
    // A packet of the same shape as the last (the same query again) keeps the definitions.
    const int n = static_cast<int>(packet.fields.size());
    bool same = FieldDefs().Count() == n;
    for (int i = 0; same && i < n; ++i) same = Describes(FieldDefs()[i], packet.fields[static_cast<std::size_t>(i)]);
    if (same) return;
    FieldDefs().Clear();
    for (const TPacketField& pf : packet.fields) {
        TFieldDef& d = FieldDefs().Add(pf.name, pf.type, pf.size, pf.required);
        d.SetPrecision(pf.precision);
        d.SetReadOnly(pf.readOnly);
        d.SetProviderFlags(pf.providerFlags);
        d.SetOrigin(pf.origin);
        d.SetDisplayLabel(pf.displayLabel);
    }
}

void TCustomClientDataSet::LoadPacketRows(TDataPacket& packet, bool keepStatus) {
    keysDirty_ = true;
    const std::size_t n = static_cast<std::size_t>(FieldDefs().Count());
    rows_.reserve(rows_.size() + packet.rows.size());
    base_.reserve(base_.size() + packet.rows.size());
    for (TPacketRow& pr : packet.rows) {
        TClientRow* r = NewRow();
        r->values = std::move(pr.values);
        r->values.resize(n, Null());
        if (keepStatus) {
            r->status = pr.status;
            r->original = std::move(pr.original);
            if (!r->original.empty()) r->original.resize(n, Null());
        }
        r->seq = (lastSeq_ += SeqStep);
        base_.push_back(r);
    }
}

int TCustomClientDataSet::GetNextPacket() {
    CheckActive();
    if (allFetched_) return 0;
    CheckBrowseMode();
    const std::size_t before = view_.size();
    TClientRow* current = RowOf(Bookmark());
    FetchPacket(false);
    RebuildView();
    if (current)
        PlaceCursorOn(current);
    else
        InternalFirst();
    Resync({});
    return static_cast<int>(view_.size() - before);
}

void TCustomClientDataSet::FetchMore() {
    // The cursor keeps its row across the new rows.
    TClientRow* at = (onRecord_ && cursor_ >= 0 && cursor_ < static_cast<int>(view_.size())) ? view_[static_cast<std::size_t>(cursor_)] : nullptr;
    const bool atEnd = !onRecord_ && cursor_ >= static_cast<int>(view_.size());
    FetchPacket(false);
    RebuildView();
    if (at)
        PlaceCursorOn(at);
    else if (atEnd)
        cursor_ = static_cast<int>(view_.size());
}

void TCustomClientDataSet::FetchAll() {
    while (!allFetched_ && Provider()) FetchMore();
}

void TCustomClientDataSet::Execute() {
    TCustomProvider* p = RequireProvider();
    Variant ownerData;
    if (BeforeExecute) BeforeExecute(this, ownerData);
    p->Execute(commandText_, params_, ownerData);
    if (AfterExecute) AfterExecute(this, ownerData);
}

void TCustomClientDataSet::CreateDataSet() {
    CheckInactive();
    if (FieldDefs().Count() == 0)
        for (TField* f : Fields())
            if (f->FieldKind() == fkData) {
                TFieldDef& d = FieldDefs().Add(f->FieldName(), f->DataType(), f->Size(), f->Required());
                d.SetPrecision(f->Precision());
                d.SetProviderFlags(f->ProviderFlags());
            }
    if (FieldDefs().Count() == 0) DatabaseError(dbconsts::SNoFieldDefs, this);
    inMemory_ = true;
    deltaMode_ = false;
    Open();
}

void TCustomClientDataSet::EmptyDataSet() {
    CheckActive();
    CheckBrowseMode();
    keysDirty_ = true;
    constraints_.clear();
    rows_.clear();
    base_.clear();
    view_.clear();
    InternalFirst();
    Resync({});
}

TDataPacket TCustomClientDataSet::Data() const {
    TDataPacket p;
    for (int i = 0; i < const_cast<TCustomClientDataSet*>(this)->FieldDefs().Count(); ++i) {
        const TFieldDef& d = const_cast<TCustomClientDataSet*>(this)->FieldDefs()[i];
        TPacketField pf;
        pf.name = d.Name();
        pf.type = d.DataType();
        pf.size = d.Size();
        pf.precision = d.Precision();
        pf.required = d.Required();
        pf.readOnly = d.ReadOnly();
        pf.providerFlags = d.ProviderFlags();
        pf.origin = d.Origin();
        pf.displayLabel = d.DisplayLabel();
        p.fields.push_back(std::move(pf));
    }
    for (const TClientRow* r : base_)
        if (!r->deleted) p.rows.push_back(TPacketRow{r->values, {}, usUnmodified});
    return p;
}

void TCustomClientDataSet::SetData(const TDataPacket& packet) {
    Close();
    DescribeFrom(packet);
    inMemory_ = true;
    bool hasStatus = false;
    for (const TPacketRow& r : packet.rows) hasStatus = hasStatus || r.status != usUnmodified;
    TDataPacket copy = packet;
    LoadPacketRows(copy, hasStatus);
    deltaMode_ = hasStatus;
    Open();
}

// --- opening ---------------------------------------------------------------------------

void TCustomClientDataSet::InternalInitFieldDefs() {
    if (FieldDefs().Count() > 0 || inMemory_) return;
    TCustomProvider* p = RequireProvider();
    Variant ownerData;
    DescribeFrom(p->GetRecords(0, true, commandText_, params_, ownerData));
}

void TCustomClientDataSet::InternalOpen() {
    if (!inMemory_) {
        rows_.clear();
        base_.clear();
        view_.clear();
        lastSeq_ = 0;
        FetchPacket(true);
    }
    allFetched_ = inMemory_ ? true : allFetched_;
    open_ = true;
}

void TCustomClientDataSet::InternalClose() {
    constraints_.clear();
    keysDirty_ = true;
    rows_.clear();
    base_.clear();
    view_.clear();
    keySlots_.clear();
    cursor_ = 0;
    onRecord_ = false;
    lastSeq_ = 0;
    open_ = false;
    inMemory_ = false;
    deltaMode_ = false;
    allFetched_ = true;
}

void TCustomClientDataSet::OpenCursorCompleted() {
    keysDirty_ = true;
    keySlots_.clear();
    for (int i = 0; i < FieldDefs().Count(); ++i)
        if (FieldDefs()[i].ProviderFlags().Contains(pfInKey)) keySlots_.push_back(i);
    BuildIndex();
    RebuildView();
    InternalFirst();
}

void TCustomClientDataSet::Notification(TComponent* component, TOperation operation) {
    TDataSet::Notification(component, operation);
    if (operation == opRemove && component == provider_) provider_ = nullptr;
    if (operation == opRemove && masterLink_ && component == masterLink_->DataSource())
        masterLink_->SetDataSource(nullptr);
}

// --- rows and the view ----------------------------------------------------------------------

TBookmark TCustomClientDataSet::BookmarkOf(const TClientRow* row) {
    TBookmark b(4, '\0');
    for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(i)] = static_cast<char>((row->id >> (8 * i)) & 0xFF);
    return b;
}

TClientRow* TCustomClientDataSet::RowOf(const TBookmark& b) const {
    if (b.size() != 4) return nullptr;
    std::uint32_t id = 0;
    for (int i = 0; i < 4; ++i) id |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[static_cast<std::size_t>(i)])) << (8 * i);
    if (id == 0 || id > rows_.size()) return nullptr;
    return rows_[id - 1].get();
}

TClientRow* TCustomClientDataSet::NewRow() {
    rows_.push_back(std::make_unique<TClientRow>());
    TClientRow* r = rows_.back().get();
    r->id = static_cast<std::uint32_t>(rows_.size());
    return r;
}

void TCustomClientDataSet::InsertIntoBase(TClientRow* row, const TClientRow* before) {
    auto bySeq = [](const TClientRow* a, std::int64_t s) { return a->seq < s; };
    if (!before) {
        row->seq = (lastSeq_ += SeqStep);
        base_.push_back(row);
        return;
    }
    auto it = std::lower_bound(base_.begin(), base_.end(), before->seq, bySeq);
    std::int64_t prev = it == base_.begin() ? before->seq - 2 * SeqStep : (*(it - 1))->seq;
    if (before->seq - prev < 2) {
        // No room left between the neighbours: number the default order afresh.
        for (std::size_t i = 0; i < base_.size(); ++i) base_[i]->seq = static_cast<std::int64_t>(i + 1) * SeqStep;
        lastSeq_ = static_cast<std::int64_t>(base_.size()) * SeqStep;
        it = std::lower_bound(base_.begin(), base_.end(), before->seq, bySeq);
        prev = it == base_.begin() ? before->seq - 2 * SeqStep : (*(it - 1))->seq;
    }
    row->seq = prev + (before->seq - prev) / 2;
    base_.insert(it, row);
}

void TCustomClientDataSet::RemoveRow(TClientRow* row) {
    ForgetKeys(row);
    auto it = std::lower_bound(base_.begin(), base_.end(), row->seq,
                               [](const TClientRow* a, std::int64_t s) { return a->seq < s; });
    if (it != base_.end() && *it == row) base_.erase(it);
    const int p = index_.Find(view_, row);
    if (p >= 0) view_.erase(view_.begin() + p);
    rows_[row->id - 1].reset();
}

bool TCustomClientDataSet::RowVisible(const TClientRow* row) {
    if (row->deleted) return false;
    if (masterLink_ && masterLink_->Active() && !masterFields_.empty()) {
        const std::vector<TField*>& masters = masterLink_->Fields();
        std::vector<TField*> details = IndexFields();
        if (details.size() < masters.size()) details = GetFieldList(masterFields_);
        for (std::size_t i = 0; i < masters.size() && i < details.size(); ++i) {
            const Variant mv = masters[i]->AsVariant();
            if (mv.IsNull() || mv.IsEmpty()) return false;
            const int slot = details[i]->Slot();
            if (slot < 0 || slot >= static_cast<int>(row->values.size())) return false;
            if (CompareFieldValues(row->values[static_cast<std::size_t>(slot)], mv) != 0) return false;
        }
    }
    if (!HasFilter()) return true;
    if (!OnFilterRecord && !HasCalcFields()) return !FilterExpression() || FilterExpression()->Evaluate(row->values);
    TRecordBuffer tmp;
    tmp.values = row->values;
    tmp.values.resize(static_cast<std::size_t>(BufferSlotCount()), Null());
    tmp.bookmark = BookmarkOf(row);
    CalculateFields(tmp);
    return FilterAccepts(tmp);
}

void TCustomClientDataSet::BuildIndex() {
    std::vector<TIndexKeyField> keys;
    std::vector<TField*> fields;
    std::vector<std::string> desc, ci;
    bool allDesc = false, allCi = false;
    if (!indexFieldNames_.empty()) {
        fields = GetFieldList(indexFieldNames_);
    } else if (!indexName_.empty()) {
        const TIndexDef* def = indexDefs_.Find(indexName_);
        if (!def) DatabaseError(Format(dbconsts::SIndexNotFound, indexName_), this);
        fields = GetFieldList(def->Fields());
        desc = SplitFieldNames(def->DescFields());
        ci = SplitFieldNames(def->CaseInsFields());
        allDesc = def->Options().Contains(ixDescending);
        allCi = def->Options().Contains(ixCaseInsensitive);
    }
    auto listed = [](const std::vector<std::string>& names, const TField* f) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameText(n, f->FieldName()); });
    };
    for (TField* f : fields) {
        if (f->FieldKind() != fkData) DatabaseError(Format(dbconsts::SFieldIsCalculated, f->FieldName()), this);
        keys.push_back(TIndexKeyField{f->Slot(), allDesc || listed(desc, f), allCi || listed(ci, f)});
    }
    index_ = TRecordIndex(std::move(keys));
}

void TCustomClientDataSet::RebuildView() {
    view_.clear();
    view_.reserve(base_.size());
    for (TClientRow* r : base_)
        if (RowVisible(r)) view_.push_back(r);
    if (!index_.Empty()) index_.Sort(view_);
}

int TCustomClientDataSet::PositionOf(const TClientRow* row) const { return index_.Find(view_, row); }

bool TCustomClientDataSet::ReadRecordAt(int position, TRecordBuffer& buffer) {
    if (!Active() || position < 0 || position >= static_cast<int>(view_.size())) return false;
    const TClientRow* row = view_[static_cast<std::size_t>(position)];
    buffer.values.assign(static_cast<std::size_t>(BufferSlotCount()), Null());
    std::copy(row->values.begin(), row->values.end(), buffer.values.begin());
    buffer.bookmark = BookmarkOf(row);
    buffer.flag = bfCurrent;
    if (HasCalcFields()) CalculateFields(buffer);
    return true;
}

void TCustomClientDataSet::PlaceCursorOn(const TClientRow* row) {
    int at = 0;
    const int p = index_.Find(view_, row, &at);
    if (p >= 0) {
        cursor_ = p;
        onRecord_ = true;
    } else {
        cursor_ = at;
        onRecord_ = false;
    }
}

// --- the cursor -------------------------------------------------------------------------------

TGetResult TCustomClientDataSet::GetRecord(TRecordBuffer& buffer, TGetMode mode) {
    for (;;) {
        const int size = static_cast<int>(view_.size());
        if (mode == gmCurrent) {
            if (!onRecord_ || cursor_ < 0 || cursor_ >= size) return cursor_ <= 0 ? grBOF : grEOF;
        } else if (mode == gmNext) {
            const int np = onRecord_ ? cursor_ + 1 : cursor_;
            if (np >= size) {
                if (!allFetched_ && fetchOnDemand_ && Provider()) {
                    const std::size_t had = view_.size();
                    FetchMore();
                    if (view_.size() > had || !allFetched_) continue;
                }
                cursor_ = size;
                onRecord_ = false;
                return grEOF;
            }
            cursor_ = np;
            onRecord_ = true;
        } else {
            const int np = cursor_ - 1;
            if (np < 0) {
                cursor_ = 0;
                onRecord_ = false;
                return grBOF;
            }
            cursor_ = np;
            onRecord_ = true;
        }
        const TClientRow* row = view_[static_cast<std::size_t>(cursor_)];
        std::copy(row->values.begin(), row->values.end(), buffer.values.begin());
        buffer.bookmark = BookmarkOf(row);
        return grOK;
    }
}

void TCustomClientDataSet::InternalFirst() {
    cursor_ = 0;
    onRecord_ = false;
}

void TCustomClientDataSet::InternalLast() {
    if (fetchOnDemand_) FetchAll();
    cursor_ = static_cast<int>(view_.size());
    onRecord_ = false;
}

void TCustomClientDataSet::InternalGotoBookmark(const TBookmark& b) {
    const TClientRow* row = RowOf(b);
    if (!row || row->deleted) DatabaseError(dbconsts::SRecordNotFound, this);
    PlaceCursorOn(row);
}

int TCustomClientDataSet::RecNo() const {
    if (!Active()) return -1;
    const TRecordBuffer* b = ActiveBuffer();
    if (!b) return 0;
    const TClientRow* row = RowOf(b->bookmark);
    if (!row) return 0;
    const int p = PositionOf(row);
    return p < 0 ? 0 : p + 1;
}

void TCustomClientDataSet::SetRecNo(int value) {
    CheckBrowseMode();
    if (view_.empty()) return;
    value = std::clamp(value, 1, static_cast<int>(view_.size()));
    if (value == RecNo()) return;
    if (BeforeScroll) BeforeScroll(this);
    cursor_ = value - 1;
    onRecord_ = true;
    Resync({rmCenter});
    if (AfterScroll) AfterScroll(this);
}

int TCustomClientDataSet::RecordCount() const { return Active() ? static_cast<int>(view_.size()) : 0; }

bool TCustomClientDataSet::BookmarkValid(const TBookmark& b) const {
    const TClientRow* row = RowOf(b);
    return row && !row->deleted && PositionOf(row) >= 0;
}

int TCustomClientDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    const TClientRow* ra = RowOf(a);
    const TClientRow* rb = RowOf(b);
    if (!ra || !rb) return TDataSet::CompareBookmarks(a, b);
    const int c = index_.Compare(*ra, *rb);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// --- editing -----------------------------------------------------------------------------------

void TCustomClientDataSet::EnsureConstraints() {
    if (!keysDirty_) return;
    constraints_.clear();
    if (!keySlots_.empty()) {
        std::vector<TIndexKeyField> k;
        for (int slot : keySlots_) k.push_back(TIndexKeyField{slot, false, false});
        constraints_.emplace_back(std::move(k));
    }
    for (int i = 0; i < indexDefs_.Count(); ++i) {
        const TIndexDef& d = indexDefs_[i];
        if (!d.Options().Contains(ixUnique) && !d.Options().Contains(ixPrimary)) continue;
        std::vector<TIndexKeyField> k;
        const std::vector<std::string> ci = SplitFieldNames(d.CaseInsFields());
        for (TField* f : GetFieldList(d.Fields())) {
            const bool fci = d.Options().Contains(ixCaseInsensitive) ||
                             std::any_of(ci.begin(), ci.end(), [&](const std::string& n) { return SameText(n, f->FieldName()); });
            k.push_back(TIndexKeyField{f->Slot(), false, fci});
        }
        constraints_.emplace_back(std::move(k));
    }
    for (TKeyConstraint& c : constraints_)
        for (TClientRow* r : base_) c.Add(r);
    keysDirty_ = false;
}

void TCustomClientDataSet::ForgetKeys(const TClientRow* row) {
    if (keysDirty_) return;
    for (TKeyConstraint& c : constraints_) c.Remove(row);
}

void TCustomClientDataSet::FileKeys(TClientRow* row) {
    if (keysDirty_) return;
    for (TKeyConstraint& c : constraints_) c.Add(row);
}

void TCustomClientDataSet::CheckKeyViolation(const std::vector<Variant>& values, const TClientRow* self) {
    EnsureConstraints();
    for (const TKeyConstraint& c : constraints_)
        // Begins with "key": the central error handler recognises it so.
        if (c.Conflicts(values, self)) throw EDatabaseError(dbconsts::SKeyViolation);
}

void TCustomClientDataSet::InternalPost() {
    TDataSet::InternalPost();
    TRecordBuffer& b = *ActiveBuffer();
    const std::size_t n = static_cast<std::size_t>(FieldDefs().Count());
    std::vector<Variant> values(b.values.begin(), b.values.begin() + static_cast<std::ptrdiff_t>(n));
    if (State() == dsEdit) {
        TClientRow* row = RowOf(b.bookmark);
        if (!row) DatabaseError(dbconsts::SRecordNotFound, this);
        CheckKeyViolation(values, row);
        const int p = index_.Find(view_, row);
        if (p >= 0) view_.erase(view_.begin() + p);
        if (row->status == usUnmodified) {
            row->original = row->values;
            row->status = usModified;
        }
        ForgetKeys(row);
        row->values = std::move(values);
        FileKeys(row);
        if (RowVisible(row)) {
            int at = 0;
            index_.Find(view_, row, &at);
            view_.insert(view_.begin() + at, row);
        }
        PlaceCursorOn(row);
    } else {
        CheckKeyViolation(values, nullptr);
        const TClientRow* before = b.flag == bfInserted ? RowOf(b.bookmark) : nullptr;
        TClientRow* row = NewRow();
        row->values = std::move(values);
        row->status = usInserted;
        InsertIntoBase(row, before);
        FileKeys(row);
        if (RowVisible(row)) {
            int at = 0;
            index_.Find(view_, row, &at);
            view_.insert(view_.begin() + at, row);
        }
        PlaceCursorOn(row);
    }
}

void TCustomClientDataSet::InternalDelete() {
    TClientRow* row = RowOf(ActiveBuffer()->bookmark);
    if (!row) DatabaseError(dbconsts::SRecordNotFound, this);
    int at = 0;
    const int p = index_.Find(view_, row, &at);
    if (p >= 0) view_.erase(view_.begin() + p);
    if (row->status == usInserted) {
        RemoveRow(row);
    } else {
        if (row->status == usUnmodified) row->original = row->values;
        row->status = usDeleted;
        row->deleted = true;
    }
    cursor_ = p >= 0 ? p : at;
    onRecord_ = false;
}

void TCustomClientDataSet::InternalRefresh() {
    if (ChangeCount() > 0) DatabaseError(SApplyBeforeRefresh, this);
    if (inMemory_) return;
    const int recNo = RecNo();
    constraints_.clear();
    keysDirty_ = true;
    rows_.clear();
    base_.clear();
    view_.clear();
    lastSeq_ = 0;
    FetchPacket(true);
    RebuildView();
    if (view_.empty()) {
        InternalFirst();
    } else {
        cursor_ = std::clamp(recNo, 1, static_cast<int>(view_.size())) - 1;
        onRecord_ = true;
    }
}

void TCustomClientDataSet::DoOnNewRecord() {
    // A detail record starts with its master's key.
    if (masterLink_ && masterLink_->Active() && !masterFields_.empty()) {
        const std::vector<TField*>& masters = masterLink_->Fields();
        std::vector<TField*> details = IndexFields();
        if (details.size() < masters.size()) details = GetFieldList(masterFields_);
        for (std::size_t i = 0; i < masters.size() && i < details.size(); ++i)
            details[i]->SetAsVariant(masters[i]->AsVariant());
    }
    TDataSet::DoOnNewRecord();
}

void TCustomClientDataSet::FilterChanged() {
    if (!Active()) return;
    RebuildView();
    InternalFirst();
}

// --- indexes ---------------------------------------------------------------------------------

void TCustomClientDataSet::AddIndex(const std::string& name, const std::string& fields, TIndexOptions options,
                                    const std::string& descFields, const std::string& caseInsFields,
                                    int groupingLevel) {
    if (SplitFieldNames(fields).empty()) DatabaseError(Format(dbconsts::SNoIndexFields, name), this);
    if (Active()) {
        GetFieldList(fields);
        GetFieldList(descFields);
        GetFieldList(caseInsFields);
    }
    indexDefs_.Add(TIndexDef(name, fields, options, descFields, caseInsFields, groupingLevel));
    keysDirty_ = true;
}

void TCustomClientDataSet::DeleteIndex(const std::string& name) {
    if (indexDefs_.IndexOf(name) < 0) DatabaseError(Format(dbconsts::SIndexNotFound, name), this);
    if (SameText(indexName_, name)) SwitchIndex([this] { indexName_.clear(); });
    indexDefs_.Remove(name);
    keysDirty_ = true;
}

void TCustomClientDataSet::SetIndexName(const std::string& name) {
    if (!name.empty() && indexDefs_.IndexOf(name) < 0) DatabaseError(Format(dbconsts::SIndexNotFound, name), this);
    SwitchIndex([&] {
        indexName_ = name;
        indexFieldNames_.clear();
    });
}

void TCustomClientDataSet::SetIndexFieldNames(const std::string& names) {
    if (Active()) GetFieldList(names);
    SwitchIndex([&] {
        indexFieldNames_ = names;
        indexName_.clear();
    });
}

void TCustomClientDataSet::SwitchIndex(const std::function<void()>& change) {
    if (!Active()) {
        change();
        return;
    }
    CheckBrowseMode();
    const std::string oldName = indexName_, oldFields = indexFieldNames_;
    TClientRow* current = RowOf(Bookmark());
    change();
    try {
        BuildIndex();
    } catch (...) {
        indexName_ = oldName;
        indexFieldNames_ = oldFields;
        BuildIndex();
        throw;
    }
    RebuildView();
    // The current record stays current in the new order.
    if (current)
        PlaceCursorOn(current);
    else
        InternalFirst();
    Resync({});
}

std::vector<TField*> TCustomClientDataSet::IndexFields() const {
    std::vector<TField*> out;
    if (!Active() && State() != dsOpening) return out;
    if (!indexFieldNames_.empty()) return GetFieldList(indexFieldNames_);
    if (!indexName_.empty()) {
        if (const TIndexDef* d = indexDefs_.Find(indexName_)) return GetFieldList(d->Fields());
        return out;
    }
    for (int s : keySlots_)
        for (TField* f : Fields())
            if (f->FieldKind() == fkData && f->Slot() == s) out.push_back(f);
    return out;
}

bool TCustomClientDataSet::FieldIsIndexed(const TField* field) const {
    const std::vector<TField*> list = IndexFields();
    return std::find(list.begin(), list.end(), field) != list.end();
}

// --- master and detail -------------------------------------------------------------------------

TDataSource* TCustomClientDataSet::MasterSource() const { return masterLink_ ? masterLink_->DataSource() : nullptr; }

void TCustomClientDataSet::SetMasterSource(TDataSource* source) {
    if (source == MasterSource()) return;
    // The new master may not be this dataset nor follow it, however far down.
    int depth = 0;
    for (TDataSet* d = source ? source->DataSet() : nullptr; d && depth < 64; ++depth) {
        if (d == this) DatabaseError(dbconsts::SCircularDataLink, this);
        TDataSource* up = d->MasterDataSource();
        d = up ? up->DataSet() : nullptr;
    }
    if (!masterLink_) {
        masterLink_ = std::make_unique<TMasterDataLink>();
        masterLink_->OnMasterChange = [this] { MasterChanged(); };
        masterLink_->OnMasterDisable = [this] { MasterDisabled(); };
    }
    if (TDataSource* old = masterLink_->DataSource()) old->RemoveFreeNotification(this);
    masterLink_->SetFieldNames(masterFields_);
    masterLink_->SetDataSource(source);
    if (source) source->FreeNotification(this);
    MasterChanged();
}

void TCustomClientDataSet::SetMasterFields(const std::string& names) {
    masterFields_ = names;
    if (masterLink_) masterLink_->SetFieldNames(names);
    MasterChanged();
}

void TCustomClientDataSet::MasterChanged() {
    if (!Active()) return;
    CheckBrowseMode();
    RebuildView();
    First();
}

void TCustomClientDataSet::MasterDisabled() { MasterChanged(); }

// --- searching -----------------------------------------------------------------------------------

bool TCustomClientDataSet::Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    if (std::any_of(fields.begin(), fields.end(), [](TField* f) { return f->FieldKind() != fkData; }))
        return TDataSet::Locate(keyFields, keyValues, options);
    const std::vector<Variant> keys = PrepareLocateKeys(fields, keyValues);
    if (fetchOnDemand_) FetchAll();
    std::vector<const Variant*> have(fields.size());
    for (std::size_t i = 0; i < view_.size(); ++i) {
        const TClientRow* row = view_[i];
        for (std::size_t k = 0; k < fields.size(); ++k) have[k] = &row->values[static_cast<std::size_t>(fields[k]->Slot())];
        if (!LocateKeyMatches(fields, have, keys, options)) continue;
        if (BeforeScroll) BeforeScroll(this);
        cursor_ = static_cast<int>(i);
        onRecord_ = true;
        Resync({rmExact, rmCenter});
        if (AfterScroll) AfterScroll(this);
        return true;
    }
    return false;
}

Variant TCustomClientDataSet::Lookup(const std::string& keyFields, const Variant& keyValues,
                                     const std::string& resultFields) {
    CheckActive();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    const std::vector<TField*> results = GetFieldList(resultFields);
    auto dataOnly = [](const std::vector<TField*>& l) {
        return std::all_of(l.begin(), l.end(), [](TField* f) { return f->FieldKind() == fkData; });
    };
    if (!dataOnly(fields) || !dataOnly(results)) return TDataSet::Lookup(keyFields, keyValues, resultFields);
    const std::vector<Variant> keys = PrepareLocateKeys(fields, keyValues);
    if (fetchOnDemand_) FetchAll();
    std::vector<const Variant*> have(fields.size());
    for (const TClientRow* row : view_) {
        for (std::size_t k = 0; k < fields.size(); ++k) have[k] = &row->values[static_cast<std::size_t>(fields[k]->Slot())];
        if (!LocateKeyMatches(fields, have, keys, {})) continue;
        if (results.size() == 1) return row->values[static_cast<std::size_t>(results[0]->Slot())];
        std::vector<Variant> out;
        for (TField* f : results) out.push_back(row->values[static_cast<std::size_t>(f->Slot())]);
        return VarArrayOf(out);
    }
    return Null();
}

// --- change log -----------------------------------------------------------------------------------

Variant TCustomClientDataSet::GetFieldOldValue(const TField* field) const {
    const TRecordBuffer* b = ActiveBuffer();
    const TClientRow* row = b ? RowOf(b->bookmark) : nullptr;
    const int slot = field->Slot();
    if (row && State() != dsInsert && (row->status == usModified || row->status == usDeleted) && slot >= 0 &&
        slot < static_cast<int>(row->original.size()))
        return row->original[static_cast<std::size_t>(slot)];
    if (row && row->status == usInserted && State() != dsEdit) return Null();
    if (row && State() == dsEdit && slot >= 0 && slot < static_cast<int>(row->values.size()))
        return row->values[static_cast<std::size_t>(slot)];
    return TDataSet::GetFieldOldValue(field);
}

int TCustomClientDataSet::ChangeCount() const {
    int n = 0;
    for (const TClientRow* r : base_)
        if (r->status != usUnmodified) ++n;
    return n;
}

TUpdateStatus TCustomClientDataSet::UpdateStatus() const {
    if (State() == dsInsert) return usInserted;
    const TRecordBuffer* b = ActiveBuffer();
    const TClientRow* row = b ? RowOf(b->bookmark) : nullptr;
    return row ? row->status : usUnmodified;
}

TDataPacket TCustomClientDataSet::Delta() const {
    TDataPacket d = Data();
    d.rows.clear();
    for (const TClientRow* r : base_)
        if (r->status != usUnmodified) d.rows.push_back(TPacketRow{r->values, r->original, r->status});
    return d;
}

void TCustomClientDataSet::CommitRow(TClientRow* row) {
    if (row->deleted) {
        RemoveRow(row);
        return;
    }
    row->status = usUnmodified;
    row->original.clear();
}

void TCustomClientDataSet::RevertRow(TClientRow* row) {
    keysDirty_ = true;
    switch (row->status) {
    case usInserted:
        RemoveRow(row);
        return;
    case usModified:
    case usDeleted:
        row->values = row->original;
        break;
    default:
        break;
    }
    row->deleted = false;
    row->status = usUnmodified;
    row->original.clear();
}

int TCustomClientDataSet::ApplyUpdates(int maxErrors) {
    CheckBrowseMode();
    if (ChangeCount() == 0) return 0;
    TCustomProvider* p = RequireProvider();
    Variant ownerData;
    if (BeforeApplyUpdates) BeforeApplyUpdates(this, ownerData);
    const TDataPacket delta = Delta();
    std::vector<std::uint32_t> ids;
    for (const TClientRow* r : base_)
        if (r->status != usUnmodified) ids.push_back(r->id);
    const TApplyResult result = p->ApplyUpdates(delta, maxErrors, ownerData);
    if (AfterApplyUpdates) AfterApplyUpdates(this, ownerData);

    const TRecordBuffer* cb = ActiveBuffer();
    const std::uint32_t currentId = cb && cb->bookmark.size() == 4 && RowOf(cb->bookmark) ? RowOf(cb->bookmark)->id : 0;
    auto byId = [this](std::uint32_t id) { return id && id <= rows_.size() ? rows_[id - 1].get() : nullptr; };
    std::vector<bool> failed(ids.size(), false);
    for (const TUpdateErrorInfo& e : result.errors)
        if (e.row >= 0 && e.row < static_cast<int>(ids.size())) failed[static_cast<std::size_t>(e.row)] = true;
    // What the source took is now part of the data; after a rollback nothing was taken.
    if (!result.rolledBack)
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (failed[i] || i >= result.applied.size() || !result.applied[i]) continue;
            TClientRow* row = byId(ids[i]);
            if (!row) continue;
            if (i < result.propagated.size() && !result.propagated[i].empty() && !row->deleted) {
                keysDirty_ = true;
                row->values = result.propagated[i];
                row->values.resize(static_cast<std::size_t>(FieldDefs().Count()), Null());
            }
            CommitRow(row);
        }
    RebuildView();
    bool aborted = false;
    for (const TUpdateErrorInfo& e : result.errors) {
        if (aborted || !OnReconcileError) break;
        TClientRow* row = (e.row >= 0 && e.row < static_cast<int>(ids.size())) ? byId(ids[static_cast<std::size_t>(e.row)]) : nullptr;
        if (!row) continue;
        if (!row->deleted && PositionOf(row) >= 0) {
            PlaceCursorOn(row);
            Resync({});
        }
        EReconcileError ex(e.message, e.errorCode);
        TReconcileAction action = raSkip;
        OnReconcileError(this, ex, e.kind, action);
        switch (action) {
        case raAbort: aborted = true; break;
        case raMerge:
        case raCorrect: CommitRow(row); break;
        case raCancel:
        case raRefresh: RevertRow(row); break;
        default: break;
        }
        RebuildView();
    }
    TClientRow* current = byId(currentId);
    if (current && !current->deleted)
        PlaceCursorOn(current);
    else
        InternalFirst();
    Resync({});
    return result.errorCount;
}

void TCustomClientDataSet::CancelUpdates() {
    CheckBrowseMode();
    const TRecordBuffer* cb = ActiveBuffer();
    const TClientRow* cur = cb ? RowOf(cb->bookmark) : nullptr;
    const std::uint32_t currentId = cur ? cur->id : 0;
    const std::vector<TClientRow*> all = base_;
    for (TClientRow* r : all)
        if (r->status != usUnmodified) RevertRow(r);
    RebuildView();
    TClientRow* current = currentId && currentId <= rows_.size() ? rows_[currentId - 1].get() : nullptr;
    if (current)
        PlaceCursorOn(current);
    else
        InternalFirst();
    Resync({});
}

void TCustomClientDataSet::RevertRecord() {
    if (State() == dsEdit || State() == dsInsert) Cancel();
    CheckActive();
    const TRecordBuffer* cb = ActiveBuffer();
    TClientRow* row = cb ? RowOf(cb->bookmark) : nullptr;
    if (!row || row->status == usUnmodified) return;
    const int p = PositionOf(row);
    const bool dropped = row->status == usInserted;
    RevertRow(row);
    RebuildView();
    if (!dropped) {
        PlaceCursorOn(row);
    } else {
        cursor_ = std::max(0, p);
        onRecord_ = false;
    }
    Resync({});
}

void TCustomClientDataSet::MergeChangeLog() {
    CheckBrowseMode();
    const std::vector<TClientRow*> all = base_;
    for (TClientRow* r : all)
        if (r->status != usUnmodified) CommitRow(r);
}

bool TCustomClientDataSet::PSUpdateRecord(TUpdateKind, TDataSet*) { return false; }

} // namespace tv
