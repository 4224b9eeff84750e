#include "editors/lookupdropdownbox.h"

#include "editors/dropdowngridhost.h"
#include "editors/popupdatagrid.h"
#include "framework/core/properties.h"
#include "framework/data/datasource.h"

namespace tv {

TLookupComboboxDropDownBoxEh::TLookupComboboxDropDownBoxEh(TPersistent* owner)
    : owner_(owner), specRow_(std::make_unique<TSpecRowEh>(owner)) {}

TLookupComboboxDropDownBoxEh::~TLookupComboboxDropDownBoxEh() = default;

void TLookupComboboxDropDownBoxEh::Publish(TPublisher& p) {
    using B = TLookupComboboxDropDownBoxEh;
    p.Enum("Align", &B::Align, &B::SetAlign, TDropDownAlignInfo).Default(daLeft);
    p.Boolean("AutoDrop", &B::AutoDrop, &B::SetAutoDrop).Default(false);
    p.Boolean("AutoFitColWidths", &B::AutoFitColWidths, &B::SetAutoFitColWidths).Default(true);
    p.Component("ListSource", &B::ListSource, &B::SetListSource);
    p.Set("Options", &B::Options, &B::SetOptions, TDBLookupGridEhOptionInfo);
    p.Integer("Rows", &B::Rows, &B::SetRows).Default(7);
    p.Boolean("ShowTitles", &B::ShowTitles, &B::SetShowTitles).Default(false);
    p.Boolean("Sizable", &B::Sizable, &B::SetSizable).Default(false);
    p.Object("SpecRow", &B::SpecRow, &B::SetSpecRow);
    p.Boolean("UseMultiTitle", &B::UseMultiTitle, &B::SetUseMultiTitle).Default(false);
    p.Integer("Width", &B::Width, &B::SetWidth).Default(0);
}

IDropDownGridHostEh* TLookupComboboxDropDownBoxEh::Host() const { return dynamic_cast<IDropDownGridHostEh*>(owner_); }

void TLookupComboboxDropDownBoxEh::SetListSource(TDataSource* v) {
    if (v == listSource_) return;
    listSource_ = v;
    if (IDropDownGridHostEh* h = Host()) h->RegisterFreeNotification(v);
}

TDBGridColumnsEh* TLookupComboboxDropDownBoxEh::Columns() const {
    IDropDownGridHostEh* h = Host();
    return h && h->DropDownGrid() ? h->DropDownGrid()->Columns() : nullptr;
}

void TLookupComboboxDropDownBoxEh::SetColumns(TDBGridColumnsEh* v) {
    if (TDBGridColumnsEh* c = Columns()) c->Assign(v);
}

TColumnDefValuesEh* TLookupComboboxDropDownBoxEh::ColumnDefValues() const {
    IDropDownGridHostEh* h = Host();
    return h && h->DropDownGrid() ? h->DropDownGrid()->ColumnDefValues() : nullptr;
}

void TLookupComboboxDropDownBoxEh::SetColumnDefValues(TColumnDefValuesEh* v) {
    if (TColumnDefValuesEh* d = ColumnDefValues()) d->Assign(v);
}

TDBLookupGridEhOptions TLookupComboboxDropDownBoxEh::Options() const {
    IDropDownGridHostEh* h = Host();
    return h ? h->GetGridOptions() : TDBLookupGridEhOptions{};
}

void TLookupComboboxDropDownBoxEh::SetOptions(TDBLookupGridEhOptions v) {
    if (IDropDownGridHostEh* h = Host()) h->SetGridOptions(v);
}

void TLookupComboboxDropDownBoxEh::Assign(TPersistent* source) {
    auto* b = dynamic_cast<TLookupComboboxDropDownBoxEh*>(source);
    if (!b) {
        TPersistent::Assign(source);
        return;
    }
    align_ = b->align_;
    autoDrop_ = b->autoDrop_;
    autoFitColWidths_ = b->autoFitColWidths_;
    if (TDBGridColumnsEh* c = b->Columns(); c && c->GetState() == csCustomized) {
        SetColumns(c);
    } else if (TDBGridColumnsEh* mine = Columns()) {
        mine->Clear();
    }
    SetOptions(b->Options());
    rows_ = b->rows_;
    width_ = b->width_;
    sizable_ = b->sizable_;
    showTitles_ = b->showTitles_;
    useMultiTitle_ = b->useMultiTitle_;
    specRow_->Assign(b->specRow_.get());
    SetListSource(b->listSource_);
}

} // namespace tv
