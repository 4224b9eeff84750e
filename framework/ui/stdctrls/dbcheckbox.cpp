#include "framework/ui/stdctrls/dbcheckbox.h"

#include "core/strutils.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

namespace {
// Whether `text` is one of the ';'-separated values.
bool InValues(const std::string& text, const std::string& values) {
    size_t start = 0;
    while (start <= values.size()) {
        size_t end = values.find(';', start);
        if (end == std::string::npos) end = values.size();
        if (AnsiSameText(Trim(values.substr(start, end - start)), Trim(text))) return true;
        start = end + 1;
    }
    return false;
}
std::string FirstValue(const std::string& values) { return values.substr(0, values.find(';')); }
} // namespace

TDBCheckBox::TDBCheckBox(TComponent* owner) : TCheckBox(owner), link_(std::make_unique<TFieldDataLink>()) {
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
    link_->OnUpdateData = [this](TObject*) { UpdateData(); };
    SetState(cbUnchecked);
}

TDBCheckBox::~TDBCheckBox() {
    link_->OnDataChange = link_->OnActiveChange = link_->OnUpdateData = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBCheckBox::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBCheckBox::DataSource, &TDBCheckBox::SetDataSource);
    p.String("DataField", &TDBCheckBox::DataField, &TDBCheckBox::SetDataField);
    p.Boolean("ReadOnly", &TDBCheckBox::ReadOnly, &TDBCheckBox::SetReadOnly).Default(false);
    p.String("ValueChecked", &TDBCheckBox::ValueChecked, &TDBCheckBox::SetValueChecked);
    p.String("ValueUnchecked", &TDBCheckBox::ValueUnchecked, &TDBCheckBox::SetValueUnchecked);
}

void TDBCheckBox::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBCheckBox::Notification(TComponent* component, TOperation operation) {
    TCheckBox::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBCheckBox::SetValueChecked(const std::string& v) {
    valueChecked_ = v;
    DataChange();
}

void TDBCheckBox::SetValueUnchecked(const std::string& v) {
    valueUnchecked_ = v;
    DataChange();
}

void TDBCheckBox::DataChange() {
    TField* f = link_->Field();
    TCheckBoxState s = cbUnchecked;
    if (f) {
        if (f->IsNull()) s = AllowGrayed() ? cbGrayed : cbUnchecked;
        else if (f->DataType() == ftBoolean) s = f->AsBoolean() ? cbChecked : cbUnchecked;
        else if (InValues(f->Text(), valueChecked_)) s = cbChecked;
        else if (InValues(f->Text(), valueUnchecked_)) s = cbUnchecked;
        else s = AllowGrayed() ? cbGrayed : cbUnchecked;
    }
    loading_ = true;
    state_ = s; // no click: the record moved, the user did nothing
    Invalidate();
    loading_ = false;
}

void TDBCheckBox::Toggle() {
    if (link_->ReadOnly() || !link_->Edit()) return;
    TCheckBox::Toggle();
    link_->Modified();
}

void TDBCheckBox::UpdateData() {
    TField* f = link_->Field();
    if (!f) return;
    if (State() == cbGrayed) f->Clear();
    else if (f->DataType() == ftBoolean) f->SetAsBoolean(Checked());
    else f->SetText(FirstValue(Checked() ? valueChecked_ : valueUnchecked_));
}

void TDBCheckBox::Dispatch(Message& msg) {
    if (msg.Msg == CM_GETDATALINK) {
        msg.Result = reinterpret_cast<win::LRESULT>(link_.get());
        return;
    }
    if (msg.Msg == CM_EXIT) {
        try {
            link_->UpdateRecord();
        } catch (...) {
            if (CanFocus()) SetFocus();
            throw;
        }
    }
    TCheckBox::Dispatch(msg);
}

} // namespace tv
