#include "editors/dbcheckbox.h"

#include <algorithm>

#include "editors/buttonfaces.h"
#include "editors/buttonsizes.h"
#include "editors/editoractions.h"
#include "editors/fielddatalink.h"
#include "core/resourcestrings.h"
#include "core/scopeguards.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/actions.h"
#include "framework/ui/uimessages.h"
#include "platform/gdi/text.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

TV_RESOURCESTRING(SDBCheckBoxEhTrue, "Verdadero")
TV_RESOURCESTRING(SDBCheckBoxEhFalse, "Falso")

namespace {

// Whether `text` is one of the ";"-separated values of `list`.
bool InValueList(const std::string& list, const std::string& text) {
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(';', pos);
        if (end == std::string::npos) end = list.size();
        if (AnsiCompareText(Trim(list.substr(pos, end - pos)), text) == 0) return true;
        pos = end + 1;
    }
    return false;
}

std::string FirstValue(const std::string& list) { return Trim(list.substr(0, list.find(';'))); }

} // namespace

TCustomDBCheckBoxEh::TCustomDBCheckBoxEh(TComponent* owner) : TButtonControl(owner) {
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks} + TControlStyle{csReplicatable});
    SetBounds(Left(), Top(), 97, 17);
    SetTabStop(true);
    valueChecked_ = LoadResString(SDBCheckBoxEhTrue);
    valueUnchecked_ = LoadResString(SDBCheckBoxEhFalse);
    link_ = std::make_unique<TFieldDataLinkEh>();
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnUpdateData = [this](TObject*) { CommitState(); };
    link_->SetValue(Variant(false));
}

TCustomDBCheckBoxEh::~TCustomDBCheckBoxEh() {
    link_->OnDataChange = link_->OnUpdateData = nullptr;
    link_->AssignDataSource(nullptr);
}

// --- binding ----------------------------------------------------------------------------

TField* TCustomDBCheckBoxEh::Field() const { return link_->FirstField(); }
TDataSource* TCustomDBCheckBoxEh::DataSource() const { return link_->DataSource(); }
const std::string& TCustomDBCheckBoxEh::DataField() const { return link_->FieldName(); }
bool TCustomDBCheckBoxEh::IsDataIndependent() const { return link_->DataIndependent(); }
bool TCustomDBCheckBoxEh::ReadOnly() const { return link_->ReadOnly(); }
void TCustomDBCheckBoxEh::SetReadOnly(bool v) { link_->SetReadOnly(v); }

void TCustomDBCheckBoxEh::SetDataSource(TDataSource* v) {
    if (!(ComponentState().Contains(csLoading) && link_->DataSourceFixed())) link_->AssignDataSource(v);
    if (v) v->FreeNotification(this);
}

void TCustomDBCheckBoxEh::SetDataField(const std::string& v) { link_->AssignFieldName(v); }

void TCustomDBCheckBoxEh::Notification(TComponent* component, TOperation operation) {
    TButtonControl::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TCustomDBCheckBoxEh::SetValueChecked(const std::string& v) {
    valueChecked_ = v;
    DataChange();
}

void TCustomDBCheckBoxEh::SetValueUnchecked(const std::string& v) {
    valueUnchecked_ = v;
    DataChange();
}

void TCustomDBCheckBoxEh::SetFlat(bool v) {
    if (flat_ == v) return;
    flat_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBCheckBoxEh::SetAlwaysShowBorder(bool v) {
    if (alwaysShowBorder_ == v) return;
    alwaysShowBorder_ = v;
    Invalidate();
}

bool TCustomDBCheckBoxEh::ExecuteAction(TBasicAction* action) { return ExecuteEditorAction(action, this, DataSource()); }

bool TCustomDBCheckBoxEh::UpdateAction(TBasicAction* action) { return UpdateEditorAction(action, this, DataSource()); }

// --- state ----------------------------------------------------------------------------------

TCheckBoxState TCustomDBCheckBoxEh::FieldState() const {
    if (IsDataIndependent()) {
        const Variant& v = link_->UnboundValue();
        if (v.VarType() == varBoolean) return v.AsBoolean() ? cbChecked : cbUnchecked;
        return cbGrayed;
    }
    TField* f = Field();
    if (!f) return cbUnchecked;
    if (f->IsNull()) return cbGrayed;
    if (f->DataType() == ftBoolean) return f->AsBoolean() ? cbChecked : cbUnchecked;
    std::string text = f->Text();
    if (InValueList(valueChecked_, text)) return cbChecked;
    if (InValueList(valueUnchecked_, text)) return cbUnchecked;
    return cbGrayed;
}

void TCustomDBCheckBoxEh::DataChange() {
    ApplyState(FieldState());
    modified_ = false;
}

void TCustomDBCheckBoxEh::ApplyState(TCheckBoxState v) {
    if (v == state_) return;
    state_ = v;
    if (!clicksDisabled_) TControl::Click();
    Invalidate();
    modified_ = true;
}

void TCustomDBCheckBoxEh::SetState(TCheckBoxState v) {
    if (ComponentState().Contains(csDesigning) && !IsDataIndependent()) return;
    if (!IsDataIndependent() && DataSource() && DataSource()->DataSet()) DataSource()->DataSet()->Edit();
    ApplyState(v);
    if (dataPosting_) return;
    try {
        CommitState();
    } catch (...) {
        link_->ReloadControl();
        throw;
    }
}

void TCustomDBCheckBoxEh::SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }

void TCustomDBCheckBoxEh::ToggleState() {
    if (!link_->BeginFieldEdit()) return;
    switch (state_) {
    case cbUnchecked: ApplyState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: ApplyState(cbUnchecked); break;
    case cbGrayed: ApplyState(cbChecked); break;
    }
    link_->MarkModified();
    Invalidate();
}

void TCustomDBCheckBoxEh::CommitState() {
    bool handled = false;
    {
        TFlagGuard posting(dataPosting_);
        if (OnUpdateData) OnUpdateData(this, handled);
    }
    if (!handled) PostToField();
}

void TCustomDBCheckBoxEh::PostToField() {
    if (IsDataIndependent()) {
        link_->SetValue(state_ == cbGrayed ? Null() : Variant(state_ == cbChecked));
        return;
    }
    TField* f = Field();
    if (!f) return;
    if (state_ == cbGrayed) {
        f->Clear();
    } else if (f->DataType() == ftBoolean) {
        f->SetAsBoolean(state_ == cbChecked);
    } else {
        f->SetText(FirstValue(state_ == cbChecked ? valueChecked_ : valueUnchecked_));
    }
}

// --- keys, mouse and focus ---------------------------------------------------------------

void TCustomDBCheckBoxEh::Click() {
    ToggleState();
}

void TCustomDBCheckBoxEh::KeyPress(char32_t& key) {
    TButtonControl::KeyPress(key);
    if (key == 8 || key == U' ') {
        link_->BeginFieldEdit();
    } else if (key == 27) {
        link_->ReloadControl();
    }
}

void TCustomDBCheckBoxEh::DoExit() {
    try {
        link_->UpdateRecord();
    } catch (...) {
        if (CanFocus()) SetFocus();
        throw;
    }
    TButtonControl::DoExit();
}

void TCustomDBCheckBoxEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        if (!ComponentState().Contains(csDesigning) && !Focused()) {
            {
                TFlagGuard noClicks(clicksDisabled_);
                if (CanFocus()) SetFocus();
            }
            if (!Focused()) return;
        }
        TCustomControl::Dispatch(msg);
        Invalidate();
        return;
    case WM_LBUTTONUP:
        TCustomControl::Dispatch(msg);
        Invalidate();
        return;
    case WM_COMMAND: case CN_COMMAND:
        if (clicksDisabled_) return;
        break;
    case WM_KEYDOWN:
        if (msg.WParam == WPARAM(VK_SPACE)) {
            spacePressed_ = true;
            Invalidate();
        }
        TCustomControl::Dispatch(msg);
        return;
    case WM_KEYUP:
        if (msg.WParam == WPARAM(VK_SPACE) && spacePressed_) {
            spacePressed_ = false;
            ToggleState();
            Invalidate();
        }
        TCustomControl::Dispatch(msg);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(msg.WParam), Caption()) && CanFocus()) {
            SetFocus();
            if (Focused()) ToggleState();
            msg.Result = 1;
            return;
        }
        msg.Result = 0;
        return;
    case CM_WANTSPECIALKEY:
        TCustomControl::Dispatch(msg);
        if (msg.WParam == VK_ESCAPE && modified_) msg.Result = 1;
        return;
    case CM_GETDATALINK:
        msg.Result = reinterpret_cast<LRESULT>(link_.get());
        return;
    case WM_CANCELMODE: case CM_CANCELMODE: {
        bool leftDown = ControlState().Contains(csLButtonDown);
        TCustomControl::Dispatch(msg);
        if (ControlStyle().Contains(csCaptureMouse) && HandleAllocated()) {
            if (GetCapture() == Handle()) ReleaseCapture();
            if (leftDown) Perform(WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
        }
        spacePressed_ = false;
        Invalidate();
        return;
    }
    case CM_MOUSEENTER: case CM_MOUSELEAVE:
        mouseAbove_ = msg.Msg == CM_MOUSEENTER;
        TCustomControl::Dispatch(msg);
        Invalidate();
        return;
    case WM_SETFOCUS: case WM_KILLFOCUS:
        if (msg.Msg == WM_KILLFOCUS) spacePressed_ = false;
        TCustomControl::Dispatch(msg);
        Invalidate();
        return;
    case WM_SIZE: case CM_ENABLEDCHANGED: case CM_TEXTCHANGED:
        TCustomControl::Dispatch(msg);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(msg);
}

// --- painting -------------------------------------------------------------------------------

void TCustomDBCheckBoxEh::Paint() { PaintControl(); }

TAlignment TCustomDBCheckBoxEh::GetControlsAlignment() const {
    return UseRightToLeftReading() && Alignment() == taRightJustify ? taLeftJustify : taRightJustify;
}

void TCustomDBCheckBoxEh::PaintControl() {
    if (ControlState().Contains(csPaintCopy)) {
        PaintCheckBox(FieldState(), false, false, false);
        return;
    }
    bool pressed = (mouseAbove_ && ControlState().Contains(csClicked)) || spacePressed_;
    PaintCheckBox(state_, Focused(), pressed, mouseAbove_);
}

void TCustomDBCheckBoxEh::PaintCheckBox(TCheckBoxState state, bool focused, bool pressed, bool hot) {
    TCanvas* c = Canvas();
    RECT client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    bool rtl = UseRightToLeftReading();
    bool boxRight = rtl ? Alignment() == taRightJustify : Alignment() == taLeftJustify;
    RECT box = CalcCheckBoxRect(client, boxRight ? taRightJustify : taLeftJustify, clCenterEh);
    RECT caption = client;
    if (boxRight) {
        caption.right = box.left - 5;
    } else {
        caption.left = box.right + 5;
    }
    PaintCaption(caption, focused);
    PaintCheckMark(box, state, pressed, hot, focused);
}

void TCustomDBCheckBoxEh::PaintCheckMark(const RECT& rect, TCheckBoxState state, bool pressed, bool hot, bool focused) {
    bool enabled = Enabled() || ComponentState().Contains(csDesigning);
    bool active = hot || focused || alwaysShowBorder_;
    DrawEditButtonFace(Canvas()->Handle(), rect, Color(), state, enabled, active, flat_, pressed ? 1 : 0,
                       bfkCheckBoxEh);
}

void TCustomDBCheckBoxEh::PaintCaption(const RECT& rect, bool focused) {
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsClear);
    std::string caption = Caption();
    RECT text = rect;
    UINT reading = DrawTextBiDiModeFlagsReadingOnly();
    c->DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE | reading);
    int h = text.bottom - text.top;
    OffsetRect(&text, rect.left - text.left, (rect.top + rect.bottom - h) / 2 - text.top);
    if (!Enabled() && !ComponentState().Contains(csDesigning)) {
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        c->Font()->SetColor(clBtnHighlight);
        c->DrawText(caption, shadow, DT_SINGLELINE | reading);
        c->Font()->SetColor(clGrayText);
    }
    c->DrawText(caption, text, DT_SINGLELINE | reading);
    if (focused) {
        RECT f{text.left - 1, text.top - 1, text.right + 1, text.bottom + 2};
        RECT client = ClientRect();
        IntersectRect(&f, &f, &client);
        c->Brush()->SetStyle(bsSolid);
        c->DrawFocusRect(f);
    }
}

// --- the published check box -------------------------------------------------------------

void TDBCheckBoxEh::Publish(TPublisher& p) {
    p.Boolean("AllowGrayed", &TDBCheckBoxEh::AllowGrayed, &TDBCheckBoxEh::SetAllowGrayed).Default(false);
    p.Boolean("AlwaysShowBorder", &TDBCheckBoxEh::AlwaysShowBorder, &TDBCheckBoxEh::SetAlwaysShowBorder)
        .Default(false);
    p.Component("DataSource", &TDBCheckBoxEh::DataSource, &TDBCheckBoxEh::SetDataSource);
    p.String("DataField", &TDBCheckBoxEh::DataField, &TDBCheckBoxEh::SetDataField);
    p.Boolean("Flat", &TDBCheckBoxEh::Flat, &TDBCheckBoxEh::SetFlat).Default(false);
    p.Boolean("ReadOnly", &TDBCheckBoxEh::ReadOnly, &TDBCheckBoxEh::SetReadOnly).Default(false);
    p.Enum("State", &TDBCheckBoxEh::State, &TDBCheckBoxEh::SetState, TCheckBoxStateInfo)
        .Stored(&TDBCheckBoxEh::IsStateStored);
    p.String("ValueChecked", &TDBCheckBoxEh::ValueChecked, &TDBCheckBoxEh::SetValueChecked);
    p.String("ValueUnchecked", &TDBCheckBoxEh::ValueUnchecked, &TDBCheckBoxEh::SetValueUnchecked);
}

} // namespace tv
