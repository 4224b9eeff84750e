#include "framework/ui/stdctrls/dbtext.h"

#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

TDBText::TDBText(TComponent* owner) : TLabel(owner), link_(std::make_unique<TFieldDataLink>()) {
    SetAutoSize(false);
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
}

TDBText::~TDBText() {
    link_->OnDataChange = link_->OnActiveChange = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBText::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBText::DataSource, &TDBText::SetDataSource);
    p.String("DataField", &TDBText::DataField, &TDBText::SetDataField);
}

void TDBText::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBText::Notification(TComponent* component, TOperation operation) {
    TLabel::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBText::DataChange() {
    TField* f = link_->Field();
    SetCaption(f ? f->DisplayText() : std::string());
}

} // namespace tv
