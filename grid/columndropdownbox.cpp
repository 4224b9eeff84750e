#include "grid/columndropdownbox.h"

#include "editors/dropdowngridhost.h"
#include "editors/popupdatagrid.h"
#include "core/properties.h"
#include "framework/data/datasource.h"
#include "grid/column.h"

namespace tv {

TColumnDropDownBoxEh::TColumnDropDownBoxEh(TPersistent* owner)
    : owner_(owner), specRow_(std::make_unique<TSpecRowEh>(owner)) {}

TColumnDropDownBoxEh::~TColumnDropDownBoxEh() = default;

void TColumnDropDownBoxEh::Publish(TPublisher& p) {
    using B = TColumnDropDownBoxEh;
    // Columns, their default values and options live on the drop-down grid:
    // a box whose grid was never made has nothing of them to store.
    p.Boolean("AutoFitColWidths", &B::AutoFitColWidths, &B::SetAutoFitColWidths).Default(true);
    p.Object("ColumnDefValues", &B::ColumnDefValues, &B::SetColumnDefValues)
        .StoredIf([](TObject* o) { return static_cast<B*>(o)->GridCreated(); });
    p.Collection("Columns", &B::Columns, &B::SetColumns)
        .StoredIf([](TObject* o) { return static_cast<B*>(o)->ColumnsCustomized(); });
    p.Component("ListSource", &B::ListSource, &B::SetListSource);
    p.Set("Options", &B::Options, &B::SetOptions, TDBLookupGridEhOptionInfo)
        .StoredIf([](TObject* o) {
            auto* b = static_cast<B*>(o);
            return b->GridCreated() && b->Options() != TDBLookupGridEhOptions{dlgColLinesEh};
        });
    p.Boolean("UseMultiTitle", &B::UseMultiTitle, &B::SetUseMultiTitle).Default(false);
}

IDropDownGridHostEh* TColumnDropDownBoxEh::Host() const { return dynamic_cast<IDropDownGridHostEh*>(owner_); }

bool TColumnDropDownBoxEh::GridCreated() const {
    IDropDownGridHostEh* h = Host();
    return h && h->DropDownGridCreated();
}

bool TColumnDropDownBoxEh::ColumnsCustomized() const {
    TDBGridColumnsEh* c = GridCreated() ? Columns() : nullptr;
    return c && c->GetState() == csCustomized;
}

void TColumnDropDownBoxEh::SetListSource(TDataSource* v) {
    if (v == listSource_) return;
    listSource_ = v;
    if (IDropDownGridHostEh* h = Host()) h->RegisterFreeNotification(v);
}

TDBGridColumnsEh* TColumnDropDownBoxEh::Columns() const {
    IDropDownGridHostEh* h = Host();
    return h && h->DropDownGrid() ? h->DropDownGrid()->Columns() : nullptr;
}

void TColumnDropDownBoxEh::SetColumns(TDBGridColumnsEh* v) {
    if (TDBGridColumnsEh* c = Columns()) c->Assign(v);
}

TColumnDefValuesEh* TColumnDropDownBoxEh::ColumnDefValues() const {
    IDropDownGridHostEh* h = Host();
    return h && h->DropDownGrid() ? h->DropDownGrid()->ColumnDefValues() : nullptr;
}

void TColumnDropDownBoxEh::SetColumnDefValues(TColumnDefValuesEh* v) {
    if (TColumnDefValuesEh* d = ColumnDefValues()) d->Assign(v);
}

TDBLookupGridEhOptions TColumnDropDownBoxEh::Options() const {
    IDropDownGridHostEh* h = Host();
    return h ? h->GetGridOptions() : TDBLookupGridEhOptions{};
}

void TColumnDropDownBoxEh::SetOptions(TDBLookupGridEhOptions v) {
    if (IDropDownGridHostEh* h = Host()) h->SetGridOptions(v);
}

void TColumnDropDownBoxEh::Assign(TPersistent* source) {
    auto* b = dynamic_cast<TColumnDropDownBoxEh*>(source);
    if (!b) {
        TPersistent::Assign(source);
        return;
    }
    align_ = b->align_;
    autoDrop_ = b->autoDrop_;
    autoFitColWidths_ = b->autoFitColWidths_;
    if (b->GridCreated()) SetColumnDefValues(b->ColumnDefValues());
    if (b->ColumnsCustomized()) {
        SetColumns(b->Columns());
    } else if (TDBGridColumnsEh* mine = GridCreated() ? Columns() : nullptr) {
        mine->Clear();
    }
    if (b->GridCreated() || GridCreated()) SetOptions(b->Options());
    rows_ = b->rows_;
    width_ = b->width_;
    sizable_ = b->sizable_;
    showTitles_ = b->showTitles_;
    useMultiTitle_ = b->useMultiTitle_;
    specRow_->Assign(b->specRow_.get());
    SetListSource(b->listSource_);
}

} // namespace tv
