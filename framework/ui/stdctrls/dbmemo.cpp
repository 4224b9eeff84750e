#include "framework/ui/stdctrls/dbmemo.h"

#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

TDBMemo::TDBMemo(TComponent* owner) : TCustomMemo(owner), link_(std::make_unique<TFieldDataLink>()) {
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
    link_->OnEditingChange = [this](TObject*) { TCustomEdit::SetReadOnly(!link_->Editing()); };
    link_->OnUpdateData = [this](TObject*) {
        if (TField* f = link_->Field()) f->SetAsString(Text());
    };
    TCustomEdit::SetReadOnly(true);
}

TDBMemo::~TDBMemo() {
    link_->OnDataChange = link_->OnActiveChange = link_->OnEditingChange = link_->OnUpdateData = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBMemo::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBMemo::DataSource, &TDBMemo::SetDataSource);
    p.String("DataField", &TDBMemo::DataField, &TDBMemo::SetDataField);
    p.Boolean("ReadOnly", &TDBMemo::ReadOnly, &TDBMemo::SetReadOnly).Default(false);
}

void TDBMemo::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBMemo::Notification(TComponent* component, TOperation operation) {
    TCustomMemo::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBMemo::SetReadOnly(bool v) {
    link_->SetReadOnly(v);
    TCustomEdit::SetReadOnly(!link_->Editing());
}

void TDBMemo::DataChange() {
    TField* f = link_->Field();
    std::string t;
    if (f) t = f->IsBlob() ? f->AsString() : f->DisplayText();
    if (t != Text()) {
        loading_ = true;
        TCustomEdit::SetTextBuf(t);
        text_ = t;
        loading_ = false;
    }
    SetModified(false);
    TCustomEdit::SetReadOnly(!link_->Editing());
}

void TDBMemo::Change() {
    if (loading_) return;
    link_->Modified();
    TCustomMemo::Change();
}

void TDBMemo::KeyDown(WORD& key, TShiftState shift) {
    TCustomMemo::KeyDown(key, shift);
    if ((key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) && !EditCanModify()) key = 0;
}

void TDBMemo::KeyPress(char32_t& key) {
    TCustomMemo::KeyPress(key);
    if (key == 27) {
        link_->Reset();
        key = 0;
        return;
    }
    if ((key >= 32 || key == 8 || key == 13 || key == 22 || key == 24) && !EditCanModify()) key = 0;
}

void TDBMemo::DoExit() {
    try {
        link_->UpdateRecord();
    } catch (...) {
        if (CanFocus()) SetFocus();
        throw;
    }
    TCustomMemo::DoExit();
}

void TDBMemo::Dispatch(Message& msg) {
    if (msg.Msg == CM_GETDATALINK) {
        msg.Result = reinterpret_cast<LRESULT>(link_.get());
        return;
    }
    if ((msg.Msg == WM_CUT || msg.Msg == WM_PASTE || msg.Msg == WM_UNDO || msg.Msg == WM_CLEAR) && !EditCanModify()) return;
    TCustomMemo::Dispatch(msg);
}

} // namespace tv
