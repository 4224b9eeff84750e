#include "framework/ui/stdctrls/dbedit.h"

#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/dialogs.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

TDBEdit::TDBEdit(TComponent* owner) : TCustomMaskEdit(owner), link_(std::make_unique<TFieldDataLink>()) {
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnEditingChange = [this](TObject*) { EditingChange(); };
    link_->OnUpdateData = [this](TObject*) { UpdateData(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
    TCustomEdit::SetReadOnly(true);
}

TDBEdit::~TDBEdit() {
    link_->OnDataChange = link_->OnEditingChange = link_->OnUpdateData = link_->OnActiveChange = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBEdit::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBEdit::DataSource, &TDBEdit::SetDataSource);
    p.String("DataField", &TDBEdit::DataField, &TDBEdit::SetDataField);
    p.Boolean("ReadOnly", &TDBEdit::ReadOnly, &TDBEdit::SetReadOnly).Default(false);
}

TDataSource* TDBEdit::DataSource() const { return link_->DataSource(); }

void TDBEdit::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBEdit::Notification(TComponent* component, TOperation operation) {
    TCustomMaskEdit::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBEdit::SetReadOnly(bool v) {
    link_->SetReadOnly(v);
    EditingChange();
}

void TDBEdit::SetFocused(bool v) {
    if (focused_ == v) return;
    focused_ = v;
    DataChange();
}

void TDBEdit::DataChange() {
    TField* f = link_->Field();
    if (f) {
        if (EditMask() != f->EditMask()) {
            try {
                SetEditMask(f->EditMask());
            } catch (const EDBEditError&) {
                SetEditMask(""); // a field's broken mask leaves the edit unmasked
            }
        }
        if (f->DataType() == ftString || f->DataType() == ftWideString) SetMaxLength(IsMasked() ? Mask().Count() : f->Size());
        std::string t = (focused_ && link_->CanModify()) ? f->Text() : f->DisplayText();
        // Unchanged text is left alone, so the caret and selection stay
        // when the record turns editable under the user's typing.
        if (t != Text() || (IsMasked() && EditText() != Utf32ToUtf8(Mask().Format(Utf8ToUtf32(t))))) {
            loading_ = true;
            SetTextBuf(t);
            loading_ = false;
        }
    } else {
        if (IsMasked()) SetEditMask("");
        if (!Text().empty()) {
            loading_ = true;
            TCustomEdit::SetTextBuf("");
            text_.clear();
            loading_ = false;
        }
    }
    SetModified(false);
    EditingChange();
}

void TDBEdit::EditingChange() { TCustomEdit::SetReadOnly(!link_->Editing()); }

bool TDBEdit::EditCanModify() { return !link_->ReadOnly() && link_->Edit(); }

void TDBEdit::Reset() {
    link_->Reset();
    SelectAll();
}

void TDBEdit::Change() {
    if (loading_) return;
    link_->Modified();
    TCustomMaskEdit::Change();
}

void TDBEdit::UpdateData() {
    ValidateEdit();
    if (TField* f = link_->Field()) f->SetText(Text());
}

void TDBEdit::KeyDown(WORD& key, TShiftState shift) {
    TCustomMaskEdit::KeyDown(key, shift);
    if ((key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) && !EditCanModify()) key = 0;
}

void TDBEdit::KeyPress(char32_t& key) {
    // Typing first makes the record editable, so the window takes the key.
    if (key >= 32 && link_->Field() && !link_->Field()->IsValidChar(key)) {
        Beep();
        key = 0;
        return;
    }
    if (key == 27) {
        if (link_->IsModified()) {
            Reset();
            key = 0;
        }
        return;
    }
    if ((key >= 32 || key == 8 || key == 22 || key == 24) && !EditCanModify()) {
        key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(key);
}

void TDBEdit::DoEnter() {
    SetFocused(true);
    TCustomMaskEdit::DoEnter();
}

void TDBEdit::DoExit() {
    try {
        link_->UpdateRecord();
    } catch (...) {
        SelectAll();
        if (CanFocus()) SetFocus();
        throw;
    }
    SetFocused(false);
    CheckCursor();
    TCustomEdit::DoExit();
}

void TDBEdit::Dispatch(Message& msg) {
    if (msg.Msg == CM_GETDATALINK) {
        msg.Result = reinterpret_cast<LRESULT>(link_.get());
        return;
    }
    if ((msg.Msg == WM_CUT || msg.Msg == WM_PASTE || msg.Msg == WM_UNDO || msg.Msg == WM_CLEAR) && !EditCanModify()) return;
    TCustomMaskEdit::Dispatch(msg);
}

} // namespace tv
