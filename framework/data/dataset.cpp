#include "framework/data/dataset.h"

#include <algorithm>

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/controlsoff.h"
#include "framework/data/datalink.h"
#include "framework/data/datasource.h"
#include "framework/data/dbconsts.h"
#include "framework/data/field.h"
#include "framework/data/filterexpr.h"
#include "framework/data/locatematch.h"

namespace tv {

namespace {
// Names mostly match byte for byte; the case-insensitive comparison decides the rest.
bool SameName(const std::string& a, const std::string& b) { return a == b || SameText(a, b); }
} // namespace

std::vector<std::string> SplitFieldNames(const std::string& names) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= names.size()) {
        std::size_t end = names.find(';', start);
        if (end == std::string::npos) end = names.size();
        std::string n = Trim(names.substr(start, end - start));
        if (!n.empty()) out.push_back(std::move(n));
        start = end + 1;
    }
    return out;
}

TDataSet::TDataSet(TComponent* owner) : TComponent(owner), fields_(this) {}

TDataSet::~TDataSet() {
    // A descendant closes itself in its own destructor, while its cursor is whole.
    Destroying();
    state_ = dsInactive;
    const std::vector<TDataSource*> sources = dataSources_;
    for (TDataSource* ds : sources) ds->SetDataSet(nullptr);
    // Persistent fields belong to their form and live on unbound; default
    // fields go with the dataset (as owned components).
    for (TField* f : fields_) f->dataSet_ = nullptr;
    fields_.Clear();
}

// --- opening --------------------------------------------------------------------------

void TDataSet::CheckActive() const {
    if (!Active()) DatabaseError(dbconsts::SDataSetClosed, this);
}

void TDataSet::CheckInactive() const {
    if (Active()) DatabaseError(dbconsts::SDataSetOpen, this);
}

void TDataSet::SetActive(bool value) {
    if (ComponentState().Contains(csLoading)) {
        streamedActive_ = value;
        return;
    }
    if (value == Active()) return;
    if (value) {
        Fire(BeforeOpen);
        OpenCursor();
        SetState(dsBrowse);
        Fire(AfterOpen);
    } else {
        if (!ComponentState().Contains(csDestroying)) Fire(BeforeClose);
        SetState(dsInactive);
        CloseCursor();
        if (!ComponentState().Contains(csDestroying)) Fire(AfterClose);
    }
}

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (streamedActive_) {
        streamedActive_ = false;
        SetActive(true);
    }
}

void TDataSet::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TField* f : fields_)
        if (f->Owner() == root) proc(f);
}

void TDataSet::OpenCursor() {
    state_ = dsOpening;
    try {
        InternalOpen();
        if (fieldDefs_.Count() == 0) InternalInitFieldDefs();
        CreateFields();
        BindFields();
        BindFilter();
        OpenCursorCompleted();
        int wanted = 1;
        for (TDataSource* ds : dataSources_)
            for (TDataLink* l : ds->DataLinks()) wanted = std::max(wanted, l->BufferCount());
        buffers_.clear();
        bufferCount_ = 0;
        SetBufListSize(wanted);
        ClearBuffers();
        InternalFirst();
        GetNextRecords();
        bof_ = true;
        eof_ = recordCount_ == 0;
    } catch (...) {
        state_ = dsInactive;
        try {
            InternalClose();
        } catch (...) {
        }
        buffers_.clear();
        bufferCount_ = 0;
        DestroyDefaultFields();
        throw;
    }
}

bool TDataSet::CanReadWithoutFields() const {
    if (state_ != dsInactive || fields_.Count() > 0 || !dataSources_.empty() || filtered_ || !ReadsWithoutFields() ||
        BeforeOpen || AfterOpen || BeforeScroll || AfterScroll || BeforeClose || AfterClose)
        return false;
    // Each definition's value stands in its own slot, in the definitions' order.
    for (int i = 0; i < fieldDefs_.Count(); ++i)
        if (fieldDefs_[i].FieldNo() != i + 1) return false;
    return true;
}

void TDataSet::ReadWithoutFields(const std::function<void(std::vector<Variant>& values)>& take) {
    const int n = fieldDefs_.Count();
    state_ = dsOpening;
    slotCount_ = n;
    calcFieldCount_ = 0;
    try {
        InternalOpen();
        InternalFirst();
        TRecordBuffer buffer;
        while (GetRecord(buffer, gmNext) == grOK) {
            buffer.values.resize(static_cast<std::size_t>(n));
            take(buffer.values);
        }
        InternalClose();
    } catch (...) {
        state_ = dsInactive;
        try {
            InternalClose();
        } catch (...) {
        }
        throw;
    }
    state_ = dsInactive;
}

void TDataSet::CloseCursor() {
    try {
        InternalClose();
    } catch (...) {
        buffers_.clear();
        bufferCount_ = recordCount_ = activeRecord_ = 0;
        DestroyDefaultFields();
        throw;
    }
    buffers_.clear();
    bufferCount_ = recordCount_ = activeRecord_ = 0;
    currentRecord_ = -1;
    bof_ = eof_ = true;
    editOriginal_.clear();
    DestroyDefaultFields();
}

void TDataSet::CreateFields() {
    if (fields_.Count() > 0) {
        defaultFields_ = false;
        return;
    }
    defaultFields_ = true;
    std::vector<TComponent*> created;
    created.reserve(static_cast<std::size_t>(fieldDefs_.Count()));
    for (int i = 0; i < fieldDefs_.Count(); ++i) {
        const TFieldDef& d = fieldDefs_[i];
        TField* f = CreateDefaultField(d.DataType(), nullptr);
        created.push_back(f);
        f->SetFieldName(d.Name());
        if (IsStringType(d.DataType()) || d.DataType() == ftBCD || d.DataType() == ftFMTBcd ||
            d.DataType() == ftBytes || d.DataType() == ftVarBytes) {
            if (!IsBlobType(d.DataType())) f->SetSize(d.Size());
        }
        if (d.Precision() > 0) f->SetPrecision(d.Precision());
        f->SetRequired(d.Required());
        f->SetReadOnly(d.ReadOnly());
        if (!d.DisplayLabel().empty()) f->SetDisplayLabel(d.DisplayLabel());
        f->SetProviderFlags(d.ProviderFlags());
        f->SetOrigin(d.Origin());
        f->SetDefaultField(true);
        f->dataSet_ = this;
        fields_.AddUnique(f);
    }
    // Owned together: each field would otherwise hear of every sibling's insertion.
    InsertComponents(created);
}

void TDataSet::BindFields() {
    const int n = fieldDefs_.Count();
    int calc = 0;
    int at = 0;
    for (TField* f : fields_) {
        if (f->FieldKind() == fkData || f->FieldKind() == fkInternalCalc) {
            // Fields mostly stand in their definitions' order: that one is tried first.
            const TFieldDef* d = at < n && SameName(fieldDefs_[at].Name(), f->FieldName()) ? &fieldDefs_[at]
                                                                                         : fieldDefs_.Find(f->FieldName());
            ++at;
            if (!d) DatabaseError(Format(dbconsts::SFieldNotFound, f->FieldName()), this);
            const bool stringLike = IsStringType(d->DataType()) == IsStringType(f->DataType());
            const bool numberLike = IsNumericType(d->DataType()) == IsNumericType(f->DataType());
            const bool dateLike = IsDateTimeType(d->DataType()) == IsDateTimeType(f->DataType());
            if (!stringLike || !numberLike || !dateLike)
                DatabaseError(Format(dbconsts::SFieldTypeMismatch, f->FieldName(), FieldTypeName(f->DataType()),
                                     FieldTypeName(d->DataType())),
                              this);
            f->Bind(d->FieldNo(), d->FieldNo() - 1);
        } else {
            f->Bind(0, n + calc);
            ++calc;
        }
    }
    slotCount_ = n + calc;
    calcFieldCount_ = calc;
}

void TDataSet::DestroyDefaultFields() {
    if (!defaultFields_) return;
    defaultFields_ = false;
    const std::vector<TField*> copy = fields_.Items();
    std::vector<TComponent*> owned;
    owned.reserve(copy.size());
    for (TField* f : copy) {
        if (!f->IsDefaultField()) continue;
        fields_.Remove(f);
        f->dataSet_ = nullptr;
        if (f->Owner() == this)
            owned.push_back(f);
        else
            delete f;
    }
    // Freed together: each field would otherwise hear of every sibling's removal.
    DestroyComponents(owned);
}

void TDataSet::FieldListChanged() {
    if (Active()) DataEvent(deFieldListChange, 0);
}

void TDataSet::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
}

// --- fields -----------------------------------------------------------------------------

TField* TDataSet::FieldByName(const std::string& name) const { return fields_.FieldByName(name); }

std::vector<TField*> TDataSet::GetFieldList(const std::string& names) const {
    std::vector<TField*> out;
    for (const std::string& n : SplitFieldNames(names)) out.push_back(FieldByName(n));
    return out;
}

Variant TDataSet::FieldValues(const std::string& names) const {
    const std::vector<TField*> list = GetFieldList(names);
    if (list.size() == 1) return list[0]->AsVariant();
    std::vector<Variant> values;
    for (TField* f : list) values.push_back(f->AsVariant());
    return VarArrayOf(values);
}

void TDataSet::SetFieldValues(const std::string& names, const Variant& value) {
    const std::vector<TField*> list = GetFieldList(names);
    if (list.size() == 1) {
        list[0]->SetAsVariant(value);
        return;
    }
    if (!value.IsArray()) DatabaseError(dbconsts::SFieldCountMismatch, this);
    const int lo = VarArrayLowBound(value, 1), hi = VarArrayHighBound(value, 1);
    if (hi - lo + 1 != static_cast<int>(list.size())) DatabaseError(dbconsts::SFieldCountMismatch, this);
    for (std::size_t i = 0; i < list.size(); ++i) list[i]->SetAsVariant(value[lo + static_cast<int>(i)]);
}

void TDataSet::ClearFields() {
    if (state_ != dsEdit && state_ != dsInsert) DatabaseError(dbconsts::SNotEditing, this);
    for (TField* f : fields_)
        if (f->FieldKind() == fkData) f->Clear();
}

TRecordBuffer* TDataSet::ActiveBuffer() const {
    if (buffers_.empty() || recordCount_ == 0) return nullptr;
    return buffers_[static_cast<std::size_t>(activeRecord_)].get();
}

TRecordBuffer* TDataSet::CurrentBuffer() const {
    switch (state_) {
    case dsCalcFields:
    case dsInternalCalc:
    case dsFilter:
    case dsNewValue:
    case dsOldValue:
    case dsCurValue:
        return tempBuffer_;
    default:
        return ActiveBuffer();
    }
}

bool TDataSet::GetFieldData(const TField* field, Variant& value) const {
    TRecordBuffer* b = CurrentBuffer();
    const int slot = field->Slot();
    if (!b || slot < 0 || slot >= static_cast<int>(b->values.size())) return false;
    value = b->values[static_cast<std::size_t>(slot)];
    return true;
}

void TDataSet::TakeRecordData(const std::vector<TField*>& fields, std::vector<Variant>& values) {
    TRecordBuffer* b = CurrentBuffer();
    const int n = b ? static_cast<int>(b->values.size()) : 0;
    values.reserve(values.size() + fields.size());
    for (const TField* f : fields) {
        const int slot = f->Slot();
        if (slot < 0 || slot >= n) values.push_back(Null());
        else values.push_back(std::move(b->values[static_cast<std::size_t>(slot)]));
    }
}

void TDataSet::SetFieldData(TField* field, const Variant& value) {
    const bool calcState = state_ == dsCalcFields || state_ == dsInternalCalc || state_ == dsFilter;
    if (!(state_ == dsEdit || state_ == dsInsert || state_ == dsSetKey || state_ == dsNewValue || calcState))
        DatabaseError(dbconsts::SNotEditing, this);
    if (!calcState) {
        if (field->ReadOnly() || field->FieldKind() == fkCalculated)
            DatabaseError(Format(dbconsts::SFieldReadOnly, field->DisplayName()), this);
        field->Validate(value);
    }
    TRecordBuffer* b = CurrentBuffer();
    const int slot = field->Slot();
    if (!b || slot < 0 || slot >= static_cast<int>(b->values.size())) DatabaseError(dbconsts::SNotEditing, this);
    b->values[static_cast<std::size_t>(slot)] = value;
    if (!calcState) DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(field));
}

Variant TDataSet::GetFieldOldValue(const TField* field) const {
    const int slot = field->Slot();
    if (state_ == dsEdit && slot >= 0 && slot < static_cast<int>(editOriginal_.size()))
        return editOriginal_[static_cast<std::size_t>(slot)];
    if (state_ == dsInsert) return Null();
    Variant v;
    return GetFieldData(field, v) ? v : Null();
}

// --- the window -----------------------------------------------------------------------------

void TDataSet::ClearBuffers() {
    recordCount_ = 0;
    activeRecord_ = 0;
    currentRecord_ = -1;
    bof_ = eof_ = true;
}

void TDataSet::ActivateBuffers() {
    recordCount_ = 1;
    activeRecord_ = 0;
    currentRecord_ = 0;
    bof_ = eof_ = false;
}

void TDataSet::SetBufListSize(int count) {
    if (count < 1) count = 1;
    if (count == bufferCount_) return;
    if (count < bufferCount_ && recordCount_ > 0) {
        // Drop records from the top so that the active record stays shown.
        const int drop = std::max(0, activeRecord_ - (count - 1));
        for (int i = 0; i < drop; ++i) MoveBuffer(0, bufferCount_);
        activeRecord_ -= drop;
        recordCount_ = std::min(recordCount_ - drop, count);
        CursorPosChanged();
        for (TDataSource* ds : dataSources_)
            for (TDataLink* l : ds->DataLinks())
                if (l->Active()) l->firstRecord_ = std::max(0, l->firstRecord_ - drop);
    }
    const bool grew = count > bufferCount_;
    buffers_.resize(static_cast<std::size_t>(count) + 1);
    for (auto& b : buffers_)
        if (!b) b = std::make_unique<TRecordBuffer>();
    bufferCount_ = count;
    if (grew && Active() && state_ == dsBrowse && recordCount_ > 0) {
        GetNextRecords();
        const int added = GetPriorRecords();
        for (TDataSource* ds : dataSources_)
            for (TDataLink* l : ds->DataLinks())
                if (l->Active()) l->firstRecord_ += added;
    }
}

void TDataSet::UpdateBufferCount() {
    if (!Active() && state_ != dsOpening) return;
    int wanted = 1;
    for (TDataSource* ds : dataSources_)
        for (TDataLink* l : ds->DataLinks())
            if (l->Active() || l->DataSource()->State() != dsInactive) wanted = std::max(wanted, l->BufferCount());
    SetBufListSize(wanted);
    for (TDataSource* ds : dataSources_)
        for (TDataLink* l : ds->DataLinks())
            if (l->Active()) l->UpdateRange();
}

void TDataSet::SetWindowActiveRecord(int index) {
    if (recordCount_ == 0) return;
    activeRecord_ = std::clamp(index, 0, recordCount_ - 1);
}

void TDataSet::MoveBuffer(int from, int to) {
    if (from == to) return;
    auto b = std::move(buffers_[static_cast<std::size_t>(from)]);
    if (from < to)
        for (int i = from; i < to; ++i) buffers_[static_cast<std::size_t>(i)] = std::move(buffers_[static_cast<std::size_t>(i) + 1]);
    else
        for (int i = from; i > to; --i) buffers_[static_cast<std::size_t>(i)] = std::move(buffers_[static_cast<std::size_t>(i) - 1]);
    buffers_[static_cast<std::size_t>(to)] = std::move(b);
}

void TDataSet::SetCurrentRecord(int index) {
    if (currentRecord_ == index) return;
    const TRecordBuffer& b = *buffers_[static_cast<std::size_t>(index)];
    switch (b.flag) {
    case bfCurrent:
    case bfInserted: InternalSetToRecord(b); break;
    case bfBOF: InternalFirst(); break;
    case bfEOF: InternalLast(); break;
    }
    currentRecord_ = index;
}

void TDataSet::UpdateCursorPos() {
    if (recordCount_ == 0) return;
    currentRecord_ = -1;
    SetCurrentRecord(activeRecord_);
}

TGetResult TDataSet::FetchRecord(TRecordBuffer& buffer, TGetMode mode) {
    buffer.values.resize(static_cast<std::size_t>(slotCount_));
    const TGetResult r = GetRecord(buffer, mode);
    if (r == grOK) {
        buffer.flag = bfCurrent;
        if (calcFieldCount_ > 0) CalculateFields(buffer);
    }
    return r;
}

bool TDataSet::GetNextRecord() {
    if (recordCount_ > 0) SetCurrentRecord(recordCount_ - 1);
    const bool ok = FetchRecord(*buffers_[static_cast<std::size_t>(recordCount_)], gmNext) == grOK;
    if (ok) {
        if (recordCount_ == 0)
            ActivateBuffers();
        else if (recordCount_ < bufferCount_)
            ++recordCount_;
        else
            MoveBuffer(0, recordCount_);
        currentRecord_ = recordCount_ - 1;
    } else {
        CursorPosChanged();
    }
    return ok;
}

bool TDataSet::GetPriorRecord() {
    if (recordCount_ > 0) SetCurrentRecord(0);
    const bool ok = FetchRecord(*buffers_[static_cast<std::size_t>(recordCount_)], gmPrior) == grOK;
    if (ok) {
        if (recordCount_ == 0) {
            ActivateBuffers();
        } else {
            MoveBuffer(recordCount_, 0);
            if (recordCount_ < bufferCount_) {
                ++recordCount_;
                ++activeRecord_;
            }
        }
        currentRecord_ = 0;
    } else {
        CursorPosChanged();
    }
    return ok;
}

int TDataSet::GetNextRecords() {
    int n = 0;
    while (recordCount_ < bufferCount_ && GetNextRecord()) ++n;
    return n;
}

int TDataSet::GetPriorRecords() {
    int n = 0;
    while (recordCount_ < bufferCount_ && GetPriorRecord()) ++n;
    return n;
}

void TDataSet::Resync(TResyncMode mode) {
    TRecordBuffer& spare = *buffers_[static_cast<std::size_t>(recordCount_)];
    if (mode.Contains(rmExact)) {
        CursorPosChanged();
        if (FetchRecord(spare, gmCurrent) != grOK) DatabaseError(dbconsts::SRecordNotFound, this);
    } else if (FetchRecord(spare, gmCurrent) != grOK && FetchRecord(spare, gmNext) != grOK &&
               FetchRecord(spare, gmPrior) != grOK) {
        ClearBuffers();
        DataEvent(deDataSetChange, 0);
        return;
    }
    int count = mode.Contains(rmCenter) ? (bufferCount_ - 1) / 2 : activeRecord_;
    MoveBuffer(recordCount_, 0);
    ActivateBuffers();
    try {
        while (count > 0 && GetPriorRecord()) --count;
        GetNextRecords();
        GetPriorRecords();
    } catch (...) {
        DataEvent(deDataSetChange, 0);
        throw;
    }
    DataEvent(deDataSetChange, 0);
}

// --- moving -----------------------------------------------------------------------------

void TDataSet::First() {
    CheckBrowseMode();
    Fire(BeforeScroll);
    ClearBuffers();
    try {
        InternalFirst();
        GetNextRecord();
        GetNextRecords();
    } catch (...) {
        bof_ = true;
        DataEvent(deDataSetChange, 0);
        throw;
    }
    bof_ = true;
    DataEvent(deDataSetChange, 0);
    Fire(AfterScroll);
}

void TDataSet::Last() {
    CheckBrowseMode();
    Fire(BeforeScroll);
    ClearBuffers();
    try {
        InternalLast();
        GetPriorRecord();
        GetPriorRecords();
    } catch (...) {
        eof_ = true;
        DataEvent(deDataSetChange, 0);
        throw;
    }
    eof_ = true;
    DataEvent(deDataSetChange, 0);
    Fire(AfterScroll);
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    int result = 0;
    Fire(BeforeScroll);
    if ((distance > 0 && !eof_) || (distance < 0 && !bof_)) {
        bof_ = eof_ = false;
        int scroll = 0;
        try {
            while (distance > 0) {
                if (activeRecord_ < recordCount_ - 1) {
                    ++activeRecord_;
                } else {
                    const bool full = recordCount_ >= bufferCount_;
                    if (!GetNextRecord()) {
                        eof_ = true;
                        break;
                    }
                    if (full) ++scroll;
                    activeRecord_ = recordCount_ - 1;
                }
                --distance;
                ++result;
            }
            while (distance < 0) {
                if (activeRecord_ > 0) {
                    --activeRecord_;
                } else {
                    const bool had = recordCount_ > 0;
                    if (!GetPriorRecord()) {
                        bof_ = true;
                        break;
                    }
                    if (had) --scroll;
                    activeRecord_ = 0;
                }
                ++distance;
                --result;
            }
        } catch (...) {
            DataEvent(deDataSetScroll, scroll);
            throw;
        }
        DataEvent(deDataSetScroll, scroll);
    }
    Fire(AfterScroll);
    return result;
}

// --- bookmarks -----------------------------------------------------------------------------

TBookmark TDataSet::Bookmark() const {
    if (!Active() || recordCount_ == 0 || state_ == dsInsert) return {};
    return ActiveBuffer()->bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& b) {
    if (b.empty()) return;
    CheckBrowseMode();
    Fire(BeforeScroll);
    InternalGotoBookmark(b);
    Resync({rmExact, rmCenter});
    Fire(AfterScroll);
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1);
    return a < b ? -1 : (b < a ? 1 : 0);
}

// --- controls -----------------------------------------------------------------------------

void TDataSet::DisableControls() {
    if (disableCount_ == 0) {
        disableState_ = state_;
        enableEvent_ = deDataSetChange;
        NotifySources(deDisabledStateChange, 0);
    }
    ++disableCount_;
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    if (disableState_ != state_) DataEvent(deUpdateState, 0);
    if (disableState_ != dsInactive && state_ != dsInactive) DataEvent(enableEvent_, 0);
    DataEvent(deDisabledStateChange, 1);
}

void TDataSet::AddDataSource(TDataSource* ds) {
    dataSources_.push_back(ds);
    UpdateBufferCount();
}

void TDataSet::RemoveDataSource(TDataSource* ds) {
    dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), ds), dataSources_.end());
    if (!ComponentState().Contains(csDestroying)) UpdateBufferCount();
}

void TDataSet::NotifySources(TDataEvent event, std::intptr_t info) {
    const std::vector<TDataSource*> copy = dataSources_;
    for (TDataSource* ds : copy)
        if (std::find(dataSources_.begin(), dataSources_.end(), ds) != dataSources_.end()) ds->DataEvent(event, info);
}

void TDataSet::DataEvent(TDataEvent event, std::intptr_t info) {
    TField* changed = nullptr;
    if (event == deFieldChange) {
        changed = reinterpret_cast<TField*>(info);
        if (changed->FieldKind() == fkData || changed->FieldKind() == fkInternalCalc) modified_ = true;
        if (autoCalcFields_ && calcFieldCount_ > 0 && state_ != dsSetKey && ActiveBuffer())
            CalculateFields(*ActiveBuffer());
    }
    if (disableCount_ == 0) {
        NotifySources(event, info);
    } else if ((event == deUpdateState && state_ == dsInactive) || event == deLayoutChange) {
        enableEvent_ = deLayoutChange;
    }
    if (changed) changed->Change();
}

void TDataSet::RecordChanged(TField* field) { DataEvent(deRecordChange, reinterpret_cast<std::intptr_t>(field)); }

// --- states -----------------------------------------------------------------------------

void TDataSet::SetState(TDataSetState value) {
    if (state_ == value) return;
    state_ = value;
    modified_ = false;
    DataEvent(deUpdateState, 0);
}

void TDataSet::SetTempState(TDataSetState value, TRecordBuffer* buffer) {
    state_ = value;
    tempBuffer_ = buffer;
}

void TDataSet::RestoreState(TDataSetState old, TRecordBuffer* oldBuffer) {
    state_ = old;
    tempBuffer_ = oldBuffer;
}

void TDataSet::CalculateFields(TRecordBuffer& buffer) {
    if (calcFieldCount_ == 0) return;
    const TDataSetState oldState = state_;
    TRecordBuffer* oldBuffer = tempBuffer_;
    SetTempState(dsCalcFields, &buffer);
    struct Restore {
        TDataSet* ds;
        TDataSetState s;
        TRecordBuffer* b;
        ~Restore() { ds->RestoreState(s, b); }
    } restore{this, oldState, oldBuffer};
    for (TField* f : fields_) {
        if (f->FieldKind() != fkCalculated && f->FieldKind() != fkLookup) continue;
        Variant v = Null();
        TDataSet* lookup = f->LookupDataSet();
        if (f->FieldKind() == fkLookup && lookup && lookup->Active() && !f->KeyFields().empty() &&
            !f->LookupKeyFields().empty() && !f->LookupResultField().empty()) {
            const Variant key = FieldValues(f->KeyFields());
            const bool keyNull = key.IsArray() ? false : (key.IsNull() || key.IsEmpty());
            if (!keyNull) v = lookup->Lookup(f->LookupKeyFields(), key, f->LookupResultField());
        }
        buffer.values[static_cast<std::size_t>(f->Slot())] = v;
    }
    Fire(OnCalcFields);
}

// --- editing -----------------------------------------------------------------------------

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    switch (state_) {
    case dsEdit:
    case dsInsert:
        UpdateRecord();
        if (modified_)
            Post();
        else
            Cancel();
        break;
    case dsSetKey:
        Post();
        break;
    default:
        break;
    }
}

void TDataSet::CheckCanModify() {
    if (!CanModify()) DatabaseError(dbconsts::SDataSetReadOnly, this);
}

void TDataSet::CheckOperation(const std::function<void()>& op, const TDataSetErrorEvent& onError) {
    for (;;) {
        try {
            op();
            return;
        } catch (EDatabaseError& e) {
            TDataAction action = daFail;
            if (onError) onError(this, e, action);
            if (action == daFail) throw;
            if (action == daAbort) Abort();
        }
    }
}

void TDataSet::UpdateRecord() {
    if (state_ != dsEdit && state_ != dsInsert && state_ != dsSetKey) DatabaseError(dbconsts::SNotEditing, this);
    DataEvent(deUpdateRecord, 0);
}

void TDataSet::Edit() {
    if (state_ == dsEdit || state_ == dsInsert) return;
    if (recordCount_ == 0) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    Fire(BeforeEdit);
    CheckOperation([this] { UpdateCursorPos(); InternalEdit(); }, OnEditError);
    editOriginal_ = ActiveBuffer()->values;
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    Fire(AfterEdit);
}

void TDataSet::BeginInsertAppend() {
    CheckBrowseMode();
    CheckCanModify();
    Fire(BeforeInsert);
    Fire(BeforeScroll);
    insertFrom_ = Bookmark();
    insertFromRow_ = activeRecord_;
}

void TDataSet::InitRecord(TRecordBuffer& buffer) {
    buffer.values.assign(static_cast<std::size_t>(slotCount_), Null());
    buffer.bookmark.clear();
    buffer.flag = bfInserted;
    InternalInitRecord(buffer);
}

void TDataSet::InternalInitRecord(TRecordBuffer&) {}

void TDataSet::Insert() {
    BeginInsertAppend();
    const TBookmark oldCurrent = recordCount_ > 0 ? ActiveBuffer()->bookmark : TBookmark();
    MoveBuffer(recordCount_, activeRecord_);
    CursorPosChanged();
    TRecordBuffer& b = *buffers_[static_cast<std::size_t>(activeRecord_)];
    InitRecord(b);
    if (recordCount_ == 0) {
        b.flag = bfBOF;
    } else {
        b.flag = bfInserted;
        b.bookmark = oldCurrent;
    }
    if (recordCount_ < bufferCount_) ++recordCount_;
    InternalInsert();
    EndInsertAppend();
}

void TDataSet::Append() {
    BeginInsertAppend();
    ClearBuffers();
    TRecordBuffer& b = *buffers_[0];
    InitRecord(b);
    b.flag = bfEOF;
    recordCount_ = 1;
    activeRecord_ = 0;
    bof_ = eof_ = false;
    GetPriorRecords();
    InternalInsert();
    EndInsertAppend();
}

void TDataSet::EndInsertAppend() {
    editOriginal_.clear();
    SetState(dsInsert);
    try {
        DoOnNewRecord();
    } catch (...) {
        // The new record goes away and the window shows what it showed.
        SetState(dsBrowse);
        if (insertFrom_.empty()) {
            ClearBuffers();
            InternalFirst();
        } else {
            InternalGotoBookmark(insertFrom_);
            activeRecord_ = std::min(insertFromRow_, std::max(0, recordCount_ - 1));
        }
        Resync({});
        throw;
    }
    modified_ = false;
    DataEvent(deDataSetChange, 0);
    Fire(AfterInsert);
    Fire(AfterScroll);
}

void TDataSet::DoOnNewRecord() { Fire(OnNewRecord); }

void TDataSet::CheckRequiredFields() {
    for (TField* f : fields_)
        if (f->Required() && !f->ReadOnly() && f->FieldKind() == fkData && f->IsNull()) {
            f->FocusControl();
            DatabaseError(Format(dbconsts::SFieldRequired, f->DisplayName()));
        }
}

void TDataSet::InternalPost() { CheckRequiredFields(); }

void TDataSet::Post() {
    if (state_ != dsEdit && state_ != dsInsert) {
        if (state_ == dsSetKey) SetState(dsBrowse);
        return;
    }
    UpdateRecord();
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforePost);
    CheckOperation([this] { UpdateCursorPos(); InternalPost(); }, OnPostError);
    editOriginal_.clear();
    SetState(dsBrowse);
    Resync({});
    Fire(AfterPost);
}

void TDataSet::Cancel() {
    if (state_ != dsEdit && state_ != dsInsert) {
        if (state_ == dsSetKey) SetState(dsBrowse);
        return;
    }
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforeCancel);
    UpdateCursorPos();
    InternalCancel();
    editOriginal_.clear();
    SetState(dsBrowse);
    Resync({});
    Fire(AfterCancel);
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert || state_ == dsSetKey) {
        Cancel();
        return;
    }
    if (recordCount_ == 0) DatabaseError(dbconsts::SDataSetEmpty, this);
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforeDelete);
    Fire(BeforeScroll);
    CheckOperation([this] { CheckCanModify(); UpdateCursorPos(); InternalDelete(); }, OnDeleteError);
    editOriginal_.clear();
    SetState(dsBrowse);
    Resync({});
    Fire(AfterDelete);
    Fire(AfterScroll);
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    Fire(BeforeRefresh);
    UpdateCursorPos();
    InternalRefresh();
    Resync({});
    Fire(AfterRefresh);
}

// --- searching -------------------------------------------------------------------------------

bool TDataSet::Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    const std::vector<Variant> keys = PrepareLocateKeys(fields, keyValues);
    const TBookmark saved = Bookmark();
    TControlsOff off(this);
    bool found = false;
    First();
    while (!Eof()) {
        std::vector<Variant> have;
        for (TField* f : fields) have.push_back(f->AsVariant());
        std::vector<const Variant*> refs;
        for (const Variant& v : have) refs.push_back(&v);
        if (LocateKeyMatches(fields, refs, keys, options)) {
            found = true;
            break;
        }
        Next();
    }
    if (!found && !saved.empty()) GotoBookmark(saved);
    return found;
}

Variant TDataSet::Lookup(const std::string& keyFields, const Variant& keyValues, const std::string& resultFields) {
    CheckBrowseMode();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    const std::vector<Variant> keys = PrepareLocateKeys(fields, keyValues);
    const TBookmark saved = Bookmark();
    TControlsOff off(this);
    Variant result = Null();
    First();
    while (!Eof()) {
        std::vector<Variant> have;
        for (TField* f : fields) have.push_back(f->AsVariant());
        std::vector<const Variant*> refs;
        for (const Variant& v : have) refs.push_back(&v);
        if (LocateKeyMatches(fields, refs, keys, {})) {
            result = FieldValues(resultFields);
            break;
        }
        Next();
    }
    if (!saved.empty()) GotoBookmark(saved);
    return result;
}

// --- filtering -------------------------------------------------------------------------------

void TDataSet::BindFilter() {
    filterExpr_.reset();
    if (Trim(filterText_).empty()) return;
    auto expr = std::make_unique<TFilterExpression>(filterText_);
    expr->Bind([this](const std::string& name) -> std::optional<TFilterExpression::FieldBinding> {
        TField* f = FindField(name);
        if (!f) return std::nullopt;
        return TFilterExpression::FieldBinding{f->Slot(), f->DataType()};
    });
    filterExpr_ = std::move(expr);
}

void TDataSet::SetFilter(const std::string& text) {
    if (text == filterText_) return;
    // Parse and bind first: a bad text leaves the old filter in force.
    TFilterExpression probe(text);
    if (Active() && !probe.Empty()) {
        probe.Bind([this](const std::string& name) -> std::optional<TFilterExpression::FieldBinding> {
            TField* f = FindField(name);
            if (!f) return std::nullopt;
            return TFilterExpression::FieldBinding{f->Slot(), f->DataType()};
        });
    }
    if (Active() && filtered_) CheckBrowseMode();
    filterText_ = text;
    if (Active()) {
        filterExpr_ = probe.Empty() ? nullptr : std::make_unique<TFilterExpression>(std::move(probe));
        if (filtered_) {
            FilterChanged();
            First();
        }
    }
}

void TDataSet::SetFiltered(bool value) {
    if (value == filtered_) return;
    if (Active()) {
        CheckBrowseMode();
        filtered_ = value;
        FilterChanged();
        First();
    } else {
        filtered_ = value;
    }
}

bool TDataSet::HasFilter() const { return filtered_ && ((filterExpr_ && !filterExpr_->Empty()) || OnFilterRecord); }

bool TDataSet::FilterAccepts(TRecordBuffer& buffer) {
    if (!filtered_) return true;
    if (filterExpr_ && !filterExpr_->Evaluate(buffer.values)) return false;
    if (OnFilterRecord) {
        const TDataSetState oldState = state_;
        TRecordBuffer* oldBuffer = tempBuffer_;
        SetTempState(dsFilter, &buffer);
        struct Restore {
            TDataSet* ds;
            TDataSetState s;
            TRecordBuffer* b;
            ~Restore() { ds->RestoreState(s, b); }
        } restore{this, oldState, oldBuffer};
        bool accept = true;
        OnFilterRecord(this, accept);
        return accept;
    }
    return true;
}

// --- provider support -------------------------------------------------------------------------

void TDataSet::PSReset() {
    if (Active()) First();
}

std::vector<std::string> TDataSet::PSGetKeyFields() {
    std::vector<std::string> out;
    for (TField* f : fields_)
        if (f->ProviderFlags().Contains(pfInKey)) out.push_back(f->FieldName());
    return out;
}

} // namespace tv
