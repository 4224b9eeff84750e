#include "framework/data/provider.h"

#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/dataset.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/params.h"
#include "framework/data/resolver.h"

namespace tv {

namespace {
constexpr const char* SNoInserts = "Inserts not allowed";
constexpr const char* SNoEdits = "Modifications not allowed";
constexpr const char* SNoDeletes = "Deletes not allowed";
} // namespace

TDataSetProvider::TDataSetProvider(TComponent* owner) : TCustomProvider(owner) {}

TDataSetProvider::~TDataSetProvider() {
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
}

void TDataSetProvider::SetDataSet(TDataSet* ds) {
    if (ds == dataSet_) return;
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
    dataSet_ = ds;
    openedSource_ = false;
    if (ds) ds->FreeNotification(this);
}

void TDataSetProvider::Notification(TComponent* component, TOperation operation) {
    TCustomProvider::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) {
        dataSet_ = nullptr;
        openedSource_ = false;
    }
}

TDataSet* TDataSetProvider::RequireDataSet() const {
    if (!dataSet_) DatabaseError(dbconsts::SNoDataSet, this);
    return dataSet_;
}

void TDataSetProvider::DescribeFields(TDataPacket& packet, std::vector<TField*>& fields,
                                      std::vector<std::string>& keys) const {
    TDataSet* ds = dataSet_;
    bool anyKey = false;
    for (TField* f : ds->Fields()) {
        if (f->FieldKind() != fkData) continue;
        fields.push_back(f);
        TPacketField pf;
        pf.name = f->FieldName();
        pf.type = f->DataType();
        pf.size = f->Size();
        pf.precision = f->Precision();
        pf.required = f->Required();
        pf.readOnly = f->ReadOnly();
        pf.providerFlags = f->ProviderFlags();
        pf.origin = f->Origin();
        if (options_.Contains(poIncFieldProps) && f->DisplayLabel() != f->FieldName()) pf.displayLabel = f->DisplayLabel();
        anyKey = anyKey || pf.providerFlags.Contains(pfInKey);
        packet.fields.push_back(std::move(pf));
    }
    // Without key flags on the fields, the source's own key marks them.
    if (anyKey) return;
    keys = ds->PSGetKeyFields();
    for (const std::string& k : keys) {
        const int i = packet.FieldIndex(k);
        if (i >= 0) packet.fields.Edit(static_cast<std::size_t>(i)).providerFlags.Include(pfInKey);
    }
}

void TDataSetProvider::ApplyCommand(const std::string& commandText, const TParams& params) {
    TDataSet* ds = dataSet_;
    if (!commandText.empty()) {
        if (!options_.Contains(poAllowCommandText)) DatabaseError(dbconsts::SNoCommandText, this);
        ds->Close();
        ds->PSSetCommandText(commandText);
    }
    if (params.Count() > 0) {
        ds->Close();
        ds->PSSetParams(params);
    }
}

bool TDataSetProvider::ReadKnownShape(TDataPacket& packet) {
    TDataSet* ds = dataSet_;
    const TDefaultDescription* d = described_.get();
    if (!d || d->options != options_) return false;
    const TFieldDefs& defs = ds->FieldDefs();
    if (defs.Count() == 0 || defs.Count() != static_cast<int>(d->defs.size())) return false;
    for (int i = 0; i < defs.Count(); ++i)
        if (!(defs[i] == d->defs[static_cast<std::size_t>(i)])) return false;
    if (ds->PSGetKeyFields() != d->keys) return false;
    packet.fields = d->fields;
    ds->ReadWithoutFields([&](std::vector<Variant>& values) { packet.rows.emplace_back().values = std::move(values); });
    packet.eof = true;
    return true;
}

TDataPacket TDataSetProvider::GetRecords(int count, bool reset, const std::string& commandText, const TParams& params,
                                         Variant& ownerData) {
    if (BeforeGetRecords) BeforeGetRecords(this, ownerData);
    TDataSet* ds = RequireDataSet();
    TDataPacket packet;
    // A source nobody else watches, read through from its start, needs no
    // fields once its default fields were described for the same definitions.
    bool unseen = false;
    if (reset) {
        ApplyCommand(commandText, params);
        unseen = count < 0 && ds->CanReadWithoutFields();
        if (unseen && ReadKnownShape(packet)) {
            openedSource_ = false;
            if (AfterGetRecords) AfterGetRecords(this, ownerData);
            return packet;
        }
        if (!ds->Active()) {
            ds->Open();
            openedSource_ = true;
        } else {
            ds->PSReset();
        }
    }
    if (!ds->Active()) {
        packet.eof = true;
        if (AfterGetRecords) AfterGetRecords(this, ownerData);
        return packet;
    }
    std::vector<TField*> fields;
    std::vector<std::string> keys;
    DescribeFields(packet, fields, keys);
    if (unseen && ds->DefaultFields()) {
        auto d = std::make_unique<TDefaultDescription>();
        for (int i = 0; i < ds->FieldDefs().Count(); ++i) d->defs.push_back(ds->FieldDefs()[i]);
        d->options = options_;
        d->keys = std::move(keys);
        d->fields = packet.fields;
        described_ = std::move(d);
    }
    // A source opened here and read through is closed at its end: its values
    // move into the packet instead of being copied.
    const bool take = openedSource_ && count < 0;
    ds->DisableControls();
    try {
        int n = 0;
        while (count != 0 && !ds->Eof() && (count < 0 || n < count)) {
            TPacketRow& row = packet.rows.emplace_back();
            if (take) {
                ds->TakeRecordData(fields, row.values);
            } else {
                row.values.reserve(fields.size());
                for (TField* f : fields) row.values.push_back(f->AsVariant());
            }
            ds->Next();
            ++n;
        }
    } catch (...) {
        // Rows taken from are not left to be read.
        if (take) {
            try {
                ds->Close();
            } catch (...) {
            }
            openedSource_ = false;
        }
        ds->EnableControls();
        throw;
    }
    ds->EnableControls();
    packet.eof = ds->Eof();
    // A source opened only to be read is closed once it is read through.
    if (packet.eof && openedSource_ && count != 0) {
        ds->Close();
        openedSource_ = false;
    }
    if (AfterGetRecords) AfterGetRecords(this, ownerData);
    return packet;
}

TApplyResult TDataSetProvider::ApplyUpdates(const TDataPacket& delta, int maxErrors, Variant& ownerData) {
    if (BeforeApplyUpdates) BeforeApplyUpdates(this, ownerData);
    TDataSet* src = RequireDataSet();
    TApplyResult result;
    result.applied.assign(delta.rows.size(), false);
    if (options_.Contains(poPropogateChanges)) result.propagated.resize(delta.rows.size());

    // The delta as a dataset, so that handlers and the resolver read each
    // change's old and new values through fields.
    TClientDataSet deltaDS;
    deltaDS.SetData(delta);

    src->PSStartTransaction();
    bool abort = false;
    auto tooMany = [&] { return maxErrors >= 0 && result.errorCount > maxErrors; };
    for (std::size_t i = 0; i < delta.rows.size(); ++i) {
        // Each change is read from its own row, wherever a handler left the delta.
        deltaDS.SetRecNo(static_cast<int>(i) + 1);
        const TUpdateStatus st = delta.rows[i].status;
        const TUpdateKind kind = st == usInserted ? ukInsert : (st == usDeleted ? ukDelete : ukModify);
        auto attempt = [&] {
            if (options_.Contains(poReadOnly)) DatabaseError(dbconsts::SDataSetReadOnly, this);
            if (kind == ukInsert && options_.Contains(poDisableInserts)) DatabaseError(SNoInserts, this);
            if (kind == ukModify && options_.Contains(poDisableEdits)) DatabaseError(SNoEdits, this);
            if (kind == ukDelete && options_.Contains(poDisableDeletes)) DatabaseError(SNoDeletes, this);
            bool applied = false;
            if (BeforeUpdateRecord) BeforeUpdateRecord(this, src, &deltaDS, kind, applied);
            if (!applied) applied = src->PSUpdateRecord(kind, &deltaDS);
            if (!applied) ResolveRecord(kind, deltaDS, *src, updateMode_, options_);
            if (AfterUpdateRecord) AfterUpdateRecord(this, src, &deltaDS, kind);
        };
        try {
            attempt();
            result.applied[i] = true;
        } catch (const EAbort&) {
            throw;
        } catch (const Exception& e) {
            const auto* ue0 = dynamic_cast<const EUpdateError*>(&e);
            EUpdateError ue(e.Message(), ue0 ? ue0->ErrorCode() : 0, ue0 ? ue0->Context() : std::string());
            TResolverResponse response = rrSkip;
            if (OnUpdateError) OnUpdateError(this, src, ue, kind, response);
            bool failed = true;
            if (response == rrMerge) {
                failed = false;
            } else if (response == rrApply) {
                try {
                    attempt();
                    failed = false;
                } catch (const Exception& again) {
                    ue.SetMessage(again.Message());
                }
            }
            if (failed) {
                result.errors.push_back(TUpdateErrorInfo{static_cast<int>(i), kind, ue.Message(), ue.ErrorCode()});
                ++result.errorCount;
                if (response == rrAbort) abort = true;
            } else {
                result.applied[i] = true;
            }
        }
        if (result.applied[i] && !result.propagated.empty() && kind != ukDelete) {
            std::vector<Variant> values;
            for (TField* f : deltaDS.Fields())
                if (f->FieldKind() == fkData) values.push_back(f->AsVariant());
            result.propagated[i] = std::move(values);
        }
        if (abort || tooMany()) break;
    }
    const bool commit = !abort && !tooMany();
    src->PSEndTransaction(commit);
    // Only a transaction can take changes back; a plain dataset keeps what it took.
    if (!commit && src->PSIsSQLBased()) {
        result.rolledBack = true;
        result.applied.assign(delta.rows.size(), false);
    }
    if (AfterApplyUpdates) AfterApplyUpdates(this, ownerData);
    return result;
}

void TDataSetProvider::Execute(const std::string& commandText, const TParams& params, Variant& ownerData) {
    if (BeforeExecute) BeforeExecute(this, ownerData);
    TDataSet* ds = RequireDataSet();
    if (!commandText.empty()) {
        if (!options_.Contains(poAllowCommandText)) DatabaseError(dbconsts::SNoCommandText, this);
        ds->PSSetCommandText(commandText);
    }
    if (params.Count() > 0) ds->PSSetParams(params);
    ds->PSExecute();
    if (AfterExecute) AfterExecute(this, ownerData);
}

} // namespace tv
