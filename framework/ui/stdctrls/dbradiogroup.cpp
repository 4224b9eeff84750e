#include "framework/ui/stdctrls/dbradiogroup.h"

#include "core/strutils.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

TDBRadioGroup::TDBRadioGroup(TComponent* owner)
    : TGroupBox(owner), link_(std::make_unique<TFieldDataLink>()), items_(std::make_unique<TStringList>()),
      values_(std::make_unique<TStringList>()) {
    SetBounds(0, 0, 185, 105);
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
    link_->OnUpdateData = [this](TObject*) {
        if (TField* f = link_->Field()) f->SetText(Value());
    };
    items_->OnChange = [this](TObject*) { Rebuild(); };
}

TDBRadioGroup::~TDBRadioGroup() {
    // The buttons go while they still have their parent, so the form forgets
    // a focused one.
    for (TRadioButton* b : buttons_) delete b;
    buttons_.clear();
    items_->OnChange = nullptr;
    link_->OnDataChange = link_->OnActiveChange = link_->OnUpdateData = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBRadioGroup::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBRadioGroup::DataSource, &TDBRadioGroup::SetDataSource);
    p.String("DataField", &TDBRadioGroup::DataField, &TDBRadioGroup::SetDataField);
    p.Object("Items", &TDBRadioGroup::Items, &TDBRadioGroup::SetItems);
    p.Object("Values", &TDBRadioGroup::Values, &TDBRadioGroup::SetValues);
    p.Boolean("ReadOnly", &TDBRadioGroup::ReadOnly, &TDBRadioGroup::SetReadOnly).Default(false);
}

void TDBRadioGroup::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBRadioGroup::Notification(TComponent* component, TOperation operation) {
    TGroupBox::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBRadioGroup::SetItems(TStrings* v) { items_->Assign(v); }

void TDBRadioGroup::Rebuild() {
    for (TRadioButton* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < items_->Count(); ++i) {
        auto* b = new TRadioButton(this);
        b->SetCaption(items_->Strings(i));
        b->SetParent(this);
        b->OnClick = [this, i](TObject*) {
            if (!updating_) Picked(i);
        };
        buttons_.push_back(b);
    }
    Layout();
    DataChange();
}

void TDBRadioGroup::Resize() {
    TGroupBox::Resize();
    Layout();
}

void TDBRadioGroup::Layout() {
    if (buttons_.empty()) return;
    int top = 18, h = std::max(16, (Height() - top - 4) / int(buttons_.size()));
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetBounds(8, top + int(i) * h, Width() - 16, std::min(h, 20));
}

std::string TDBRadioGroup::ValueOf(int i) const {
    if (i < 0) return {};
    return i < values_->Count() ? values_->Strings(i) : items_->Strings(i);
}

std::string TDBRadioGroup::Value() const { return ValueOf(index_); }

void TDBRadioGroup::SetIndex(int i) {
    index_ = i;
    updating_ = true;
    for (size_t k = 0; k < buttons_.size(); ++k) buttons_[k]->SetChecked(int(k) == i);
    updating_ = false;
}

void TDBRadioGroup::DataChange() {
    TField* f = link_->Field();
    int found = -1;
    if (f && !f->IsNull()) {
        std::string v = f->Text();
        for (int i = 0; i < items_->Count() && found < 0; ++i)
            if (AnsiSameText(ValueOf(i), v)) found = i;
    }
    SetIndex(found);
}

void TDBRadioGroup::Picked(int i) {
    if (i == index_) return;
    if (link_->ReadOnly() || !link_->Edit()) {
        SetIndex(index_); // the field may not change: the old choice stays checked
        return;
    }
    SetIndex(i);
    link_->Modified();
}

void TDBRadioGroup::Dispatch(Message& msg) {
    if (msg.Msg == CM_GETDATALINK) {
        msg.Result = reinterpret_cast<win::LRESULT>(link_.get());
        return;
    }
    if (msg.Msg == CM_EXIT) link_->UpdateRecord();
    TGroupBox::Dispatch(msg);
}

} // namespace tv
