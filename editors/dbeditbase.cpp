#include "editors/dbeditbase.h"

#include <climits>
#include <cmath>

#include "editors/buttonfaces.h"
#include "editors/buttonsizes.h"
#include "editors/editimage.h"
#include "editors/editoractions.h"
#include "editors/fielddatalink.h"
#include "editors/mrulist.h"
#include "editors/paintutils.h"
#include "editors/popuplistbox.h"
#include "editors/tooltipswindow.h"
#include "editors/variantutils.h"
#include "core/exceptions.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/fields_blob.h"
#include "framework/ui/actions.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/menus.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"
#include "framework/ui/imagelist.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/paint.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "framework/ui/uimessages.h"

namespace tv {

using namespace tv::win;

namespace {

bool IsStringField(const TField* f) {
    return f && (f->DataType() == ftString || f->DataType() == ftWideString);
}

} // namespace

TCustomDBEditEh::TCustomDBEditEh(TComponent* owner) : TCustomMaskEdit(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csCaptureMouse, csReplicatable});
    RenewDataLink();
    RenewEditButton();
    editButtons_ = NewEditButtons();
    editButtons_->OnChanged = [this](TCollectionItem*) { ButtonsChanged(); };
    image_ = NewEditImage();
    mruList_ = std::make_unique<TMRUListEh>(this);
    mruList_->OnDropDown = [this](TObject*) { MRUDropDown(); };
    mruList_->OnCloseUp = [this](TObject*, bool accept) { MRUCloseUp(accept); };
    RefreshReadOnly();
    RefreshImageIndex();
}

TCustomDBEditEh::~TCustomDBEditEh() {
    link_->OnDataChange = link_->OnEditingChange = link_->OnUpdateData = link_->OnActiveChange = nullptr;
    link_->AssignDataSource(nullptr);
    editButton_->OnChanged = nullptr;
    editButtons_->OnChanged = nullptr;
    mruList_->OnDropDown = nullptr;
    mruList_->OnCloseUp = nullptr;
}

std::unique_ptr<TFieldDataLinkEh> TCustomDBEditEh::NewDataLink() { return std::make_unique<TFieldDataLinkEh>(); }
std::unique_ptr<TEditButtonEh> TCustomDBEditEh::NewEditButton() { return std::make_unique<TEditButtonEh>(this); }
std::unique_ptr<TEditButtonsEh> TCustomDBEditEh::NewEditButtons() { return std::make_unique<TEditButtonsEh>(this); }
std::unique_ptr<TEditImageEh> TCustomDBEditEh::NewEditImage() { return std::make_unique<TEditImageEh>(this); }

void TCustomDBEditEh::RenewDataLink() {
    if (link_) {
        link_->OnDataChange = link_->OnEditingChange = link_->OnUpdateData = link_->OnActiveChange = nullptr;
        link_->AssignDataSource(nullptr);
    }
    link_ = NewDataLink();
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) {
        FieldDataChanged();
        RefreshButtons();
    };
    link_->OnEditingChange = [this](TObject*) { EditStateChanged(); };
    link_->OnUpdateData = [this](TObject*) { CommitText(); };
    link_->OnActiveChange = [this](TObject*) { DataActiveChanged(); };
}

void TCustomDBEditEh::RenewEditButton() {
    editButton_ = NewEditButton();
    editButton_->OnChanged = [this](TObject*) { ButtonsChanged(); };
    if (HandleAllocated()) ButtonsChanged();
}

TEditButtonControlEh* TCustomDBEditEh::NewEditButtonControl() {
    return editButton_->CreateEditButtonControl();
}

TField* TCustomDBEditEh::Field() const { return link_->FirstField(); }
bool TCustomDBEditEh::IsDataIndependent() const { return link_->DataIndependent(); }
bool TCustomDBEditEh::ButtonsUsable() { return Enabled() && link_->IsLinkActive(); }

TAlignment TCustomDBEditEh::FieldAlignment() {
    TField* f = Field();
    return f ? f->Alignment() : taLeftJustify;
}

std::string TCustomDBEditEh::FieldEditMask() {
    TField* f = Field();
    return f ? f->EditMask() : std::string();
}

// --- binding ----------------------------------------------------------------

TDataSource* TCustomDBEditEh::DataSource() const { return link_->DataSource(); }
const std::string& TCustomDBEditEh::DataField() const { return link_->FieldName(); }

void TCustomDBEditEh::SetDataSource(TDataSource* v) {
    if (!(ComponentState().Contains(csLoading) && link_->DataSourceFixed())) link_->AssignDataSource(v);
    if (v) v->FreeNotification(this);
    Reload();
    Invalidate();
}

void TCustomDBEditEh::SetDataField(const std::string& v) {
    if (!ComponentState().Contains(csDesigning)) ClearFieldMaxLength();
    link_->AssignFieldName(v);
    RefreshButtons();
    Invalidate();
}

void TCustomDBEditEh::Reload() {
    FieldDataChanged();
    RefreshButtons();
}

void TCustomDBEditEh::Loaded() {
    TCustomMaskEdit::Loaded();
    ClearFieldMaxLength();
    if (ComponentState().Contains(csDesigning)) Reload();
    RefreshBorder();
}

void TCustomDBEditEh::Notification(TComponent* component, TOperation operation) {
    TCustomMaskEdit::Notification(component, operation);
    if (operation != opRemove || !link_) return;
    if (component == link_->DataSource()) SetDataSource(nullptr);
    if (image_ && component == image_->Images()) image_->SetImages(nullptr);
    if (editButton_ && component == editButton_->DropdownMenu()) editButton_->SetDropdownMenu(nullptr);
    if (editButtons_)
        for (int i = 0; i < editButtons_->Count(); ++i)
            if (component == editButtons_->ButtonAt(i)->DropdownMenu()) editButtons_->ButtonAt(i)->SetDropdownMenu(nullptr);
}

// A field's own size limits the text; that limit goes when the field does.
void TCustomDBEditEh::ClearFieldMaxLength() {
    if (MaxLength() <= 0 || !DataSource() || !DataSource()->DataSet()) return;
    TField* f = DataSource()->DataSet()->FindField(DataField());
    if (IsStringField(f) && f->Size() == MaxLength()) SetMaxLength(0);
}

void TCustomDBEditEh::DataActiveChanged() {
    ClearFieldMaxLength();
    RefreshButtons();
}

// --- field into control -----------------------------------------------------

void TCustomDBEditEh::FieldDataChanged() {
    if (TField* f = Field()) {
        if (alignmentAssigned_ && f->Alignment() != alignment_) Invalidate();
        if (!maskAssigned_) {
            try {
                TCustomMaskEdit::SetEditMask(f->EditMask());
            } catch (const Exception&) {
                TCustomMaskEdit::SetEditMask(""); // a field's broken mask leaves the editor unmasked
            }
        }
        if (!ComponentState().Contains(csDesigning) && IsStringField(f) && MaxLength() == 0) SetMaxLength(f->Size());
        bool memo = dynamic_cast<TMemoField*>(f) != nullptr;
        if (focused_ && link_->CanModify()) {
            SetTextSilently(memo ? f->AsString() : f->Text());
        } else {
            SetEditText(memo ? f->AsString() : f->DisplayText());
        }
    } else {
        if (!maskAssigned_) TCustomMaskEdit::SetEditMask("");
        SetEditText(link_->DataIndependent() ? VariantToTextSafe(link_->UnboundValue()) : std::string());
    }
    RefreshReadOnly();
    SetModified(false);
}

void TCustomDBEditEh::SetFocused(bool v) {
    if (focused_ == v) return;
    focused_ = v;
    if (Alignment() != taLeftJustify && !IsMasked()) Invalidate();
    link_->ReloadControl();
}

// --- control into field -----------------------------------------------------

void TCustomDBEditEh::Change() {
    link_->MarkModified();
    SetModified(true);
    TCustomMaskEdit::Change();
    RefreshImageIndex();
}

bool TCustomDBEditEh::RunUpdateData() {
    dataPosting_ = true;
    bool handled = false;
    try {
        if (OnUpdateData) OnUpdateData(this, handled);
    } catch (...) {
        dataPosting_ = false;
        throw;
    }
    dataPosting_ = false;
    return handled;
}

void TCustomDBEditEh::CommitText() {
    if (focused_) ValidateEdit();
    if (!RunUpdateData()) PostToField();
    SetModified(false);
    if (mruList_->Active() && mruList_->AutoAdd() && Showing()) mruList_->AddText(Text());
}

void TCustomDBEditEh::PostToField() {
    if (link_->DataIndependent()) {
        link_->SetText(EditText());
    } else {
        link_->SetText(Text());
    }
}

void TCustomDBEditEh::SetTextSilently(const std::string& text) { TControl::SetText(text); }

void TCustomDBEditEh::SetValueSilently(const Variant& value) { SetTextSilently(VariantToTextSafe(value)); }

Variant TCustomDBEditEh::CurrentValue() { return Variant(Text()); }

void TCustomDBEditEh::PutDataSetInEditState() {
    if (IsDataIndependent()) return;
    TDataSource* s = DataSource();
    if (!s || !s->DataSet()) throw Exception("El editor no está enlazado a un conjunto de datos: no se puede escribir el valor.");
    s->DataSet()->Edit();
}

void TCustomDBEditEh::SetText(const std::string& v) {
    if (ComponentState().Contains(csDesigning) && !IsDataIndependent()) return;
    PutDataSetInEditState();
    SetTextSilently(v);
    CommitWritten();
}

void TCustomDBEditEh::AssignValue(const Variant& value) {
    if (ComponentState().Contains(csDesigning) && !IsDataIndependent()) return;
    PutDataSetInEditState();
    SetValueSilently(value);
    CommitWritten();
}

void TCustomDBEditEh::CommitWritten() {
    if (dataPosting_) return;
    try {
        CommitText();
    } catch (...) {
        link_->ReloadControl();
        throw;
    }
}

void TCustomDBEditEh::SetEditMask(const std::string& v) {
    if (maskAssigned_ && v == EditMask()) return;
    bool loading = ComponentState().Contains(csLoading);
    std::string kept;
    if (loading && IsDataIndependent()) kept = Text();
    TCustomMaskEdit::SetEditMask(v);
    maskAssigned_ = true;
    if (loading && !kept.empty()) SetTextSilently(kept);
    if (IsDataIndependent()) {
        PostToField();
    } else {
        Reload();
    }
}

void TCustomDBEditEh::SetAlignment(TAlignment v) {
    if (alignmentAssigned_ && alignment_ == v) return;
    alignment_ = v;
    alignmentAssigned_ = true;
    // A wrapping window aligns its lines itself.
    if (wordWrap_) RecreateWnd();
    else Invalidate();
}

void TCustomDBEditEh::SetWordWrap(bool v) {
    if (wordWrap_ == v) return;
    wordWrap_ = v;
    RecreateWnd();
}

void TCustomDBEditEh::CreateParams(TCreateParams& params) {
    TCustomMaskEdit::CreateParams(params);
    // A password never shows on several lines: the multi-line window would
    // show the characters themselves.
    if (wordWrap_ && PasswordChar() == 0) {
        params.Style &= ~(ES_AUTOHSCROLL | ES_LEFT | ES_CENTER | ES_RIGHT);
        params.Style |= ES_MULTILINE;
    } else {
        params.Style &= ~(ES_LEFT | ES_CENTER | ES_RIGHT);
    }
    TAlignment a = WindowAlignment();
    if (a == taRightJustify) params.Style |= ES_RIGHT;
    else if (a == taCenter) params.Style |= ES_CENTER;
}

bool TCustomDBEditEh::UseRightToLeftAlignment() const { return DBUseRightToLeftAlignment(this, Field()); }

TAlignment TCustomDBEditEh::ShownAlignment() {
    TAlignment a = Alignment();
    return UseRightToLeftAlignment() ? ChangeBiDiModeAlignment(a) : a;
}

// Without word wrap the window aligns by the reading order alone (the editor
// draws other alignments itself while it is not edited); with it, the window
// shows the alignment, mirrored when reading right to left.
TAlignment TCustomDBEditEh::WindowAlignment() {
    bool rtl = UseRightToLeftReading();
    if (!wordWrap_ || PasswordChar() != 0) return rtl ? taRightJustify : taLeftJustify;
    return ShownAlignment();
}

void TCustomDBEditEh::MatchReadingStyles() {
    if (!SysLocale().MiddleEast || !HandleAllocated()) return;
    DWORD ex = DWORD(GetWindowLong(Handle(), GWL_EXSTYLE));
    DWORD want = ex & ~(WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    if (UseRightToLeftReading()) want |= WS_EX_RTLREADING;
    if (UseRightToLeftScrollBar()) want |= WS_EX_LEFTSCROLLBAR;
    if (UseRightToLeftAlignment() && GetControlsAlignment() == taLeftJustify) want |= WS_EX_RIGHT;
    if (want != ex) SetWindowLong(Handle(), GWL_EXSTYLE, LONG(want));
}

// --- read-only --------------------------------------------------------------

void TCustomDBEditEh::SetReadOnly(bool v) {
    readOnly_ = v;
    EditStateChanged();
}

void TCustomDBEditEh::EditStateChanged() { RefreshReadOnly(); }

void TCustomDBEditEh::RefreshReadOnly() {
    bool ro = readOnly_ || (!link_->Editing() && !OnUpdateData);
    if (!ro && inplaceMode_ && holderIntf_ && !holderIntf_->EditorCanModify(this)) ro = true;
    TCustomEdit::SetReadOnly(ro);
}

bool TCustomDBEditEh::EditCanModify() {
    if (readOnly_) return false;
    if (inplaceMode_ && holderIntf_ && !holderIntf_->EditorCanModify(this)) return false;
    return link_->BeginFieldEdit();
}

void TCustomDBEditEh::Reset() {
    link_->ReloadControl();
    SelectAll();
}

bool TCustomDBEditEh::CharAllowed(char32_t c) {
    TField* f = Field();
    return !f || f->IsValidChar(c);
}

// --- keys -------------------------------------------------------------------

void TCustomDBEditEh::KeyDown(WORD& key, TShiftState shift) {
    if (inplaceMode_ && holderIntf_) {
        holderIntf_->FilterEditorKeyDown(this, key, shift);
        if (key == 0) return;
    }
    TCustomMaskEdit::KeyDown(key, shift);
    if (key == 0) return;
    TShortCut sc = ShortCut(key, shift);
    int count = 1 + editButtons_->Count();
    for (int i = 0; i < count && i < int(buttons_.size()); ++i) {
        TEditButtonEh* b = ButtonOfControl(i);
        if (!b || b->ShortCut() == scNone || b->ShortCut() != sc) continue;
        TEditButtonControlEh* c = buttons_[size_t(i)].control;
        if (!c) continue;
        bool autoRepeat = false, handled = false;
        auto alive = Alive();
        c->FireOnDown(false, autoRepeat, handled);
        if (!*alive) return;
        c->Click();
        key = 0;
        return;
    }
    if (key == 'A' && shift == TShiftState{ssCtrl}) {
        SelectAll();
        return;
    }
    if ((key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) && !readOnly_) EditCanModify();
}

void TCustomDBEditEh::KeyUp(WORD& key, TShiftState shift) {
    if (inplaceMode_ && holderIntf_) holderIntf_->FilterEditorKeyUp(this, key, shift);
    if (key != 0) TCustomMaskEdit::KeyUp(key, shift);
}

void TCustomDBEditEh::KeyPress(char32_t& key) {
    if (inplaceMode_ && holderIntf_) {
        holderIntf_->FilterEditorKeyPress(this, key);
        if (key == 0) return;
    }
    if (key == 27) {
        // The field's value comes back; the masked edit would only restore
        // the text of the moment the editor took the focus.
        if (OnKeyPress) OnKeyPress(this, key);
        if (key == 0) return;
        link_->ReloadControl();
        SelectAll();
        key = 0;
        return;
    }
    if (key > 31 && !IsDataIndependent() && Field() && !CharAllowed(key)) {
        Beep();
        key = 0;
        return;
    }
    if (key == 8 || key == 22 || key == 24 || key >= 32) {
        if (!readOnly_) EditCanModify();
    }
    bool backspace = key == 8;
    TCustomMaskEdit::KeyPress(key);
    if (backspace && mruList_->Active() && Showing() && !droppedDown_ && Text().empty()) mruList_->DropDown();
}

// --- focus ------------------------------------------------------------------

void TCustomDBEditEh::DoEnter() {
    SetFocused(true);
    TCustomMaskEdit::DoEnter();
    if (AutoSelect() && !ControlState().Contains(csLButtonDown)) SelectAll();
}

void TCustomDBEditEh::DoExit() {
    if (mruList_->DroppedDown()) MRUCloseUp(false);
    TCustomMaskEdit::DoExit(); // the mask's check, then OnExit
    try {
        link_->UpdateRecord();
    } catch (...) {
        SelectAll();
        if (CanFocus()) SetFocus();
        throw;
    }
    SetFocused(false);
    CheckCursor();
}

// --- in-place ---------------------------------------------------------------

void TCustomDBEditEh::SetInplaceEditHolder(TWinControl* holder) {
    if (holder == holder_) return;
    holder_ = holder;
    if (!holder) {
        holderIntf_ = nullptr;
        inplaceMode_ = false;
        return;
    }
    auto* intf = dynamic_cast<IInplaceEditHolderEh*>(holder);
    if (!intf) throw Exception("InplaceEditHolder have to support IInplaceEditHolderEh interface");
    holderIntf_ = intf;
    inplaceMode_ = true;
    // In a cell the editor is visible exactly while its window shows.
    SetVisibleFlag(HandleAllocated() && IsWindowVisible(WindowHandle()));
}

void TCustomDBEditEh::PlaceInCell(const RECT& r) {
    if (inplaceMode_) {
        ShowInCell(r, true);
    } else {
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

void TCustomDBEditEh::ShowInCell(const RECT& r, bool redraw) {
    if (r.right <= r.left || r.bottom <= r.top) {
        HideFromCell();
        return;
    }
    HandleNeeded();
    if (!IsWindowVisible(Handle())) redraw = true;
    Invalidate();
    Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(holder_));
    SetWindowPos(Handle(), HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOREDRAW);
    SetVisibleFlag(true);
    if (redraw) Invalidate();
    if (holder_ && holder_->Focused()) ::tv::win::SetFocus(Handle());
}

void TCustomDBEditEh::HideFromCell() {
    if (!inplaceMode_) {
        SetVisible(false);
        return;
    }
    SetVisibleFlag(false);
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    bool hadFocus = GetFocus() == Handle();
    Invalidate();
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW);
    if (hadFocus && holder_ && holder_->HandleAllocated()) ::tv::win::SetFocus(holder_->Handle());
}

void TCustomDBEditEh::SetFocus() {
    if (!inplaceMode_) {
        TCustomMaskEdit::SetFocus();
        return;
    }
    if (HandleAllocated() && IsWindowVisible(Handle())) ::tv::win::SetFocus(Handle());
}

void TCustomDBEditEh::SetVisible(bool v) {
    if (inplaceMode_ && !v) {
        HideFromCell();
        return;
    }
    TCustomMaskEdit::SetVisible(v);
}

bool TCustomDBEditEh::ExecuteAction(TBasicAction* action) { return ExecuteEditorAction(action, this, DataSource()); }

bool TCustomDBEditEh::UpdateAction(TBasicAction* action) { return UpdateEditorAction(action, this, DataSource()); }

// What a holder's cell changes in the way messages reach the editor: the
// holder stays the form's focused control, and a press close to the holder's
// last one completes a double click. True when the message is done with.
bool TCustomDBEditEh::InplaceWndProc(Message& msg) {
    holderIntf_->FilterEditorMessage(this, msg);
    if (msg.Result != 0) return true;
    if (msg.Msg == WM_SETFOCUS) {
        TCustomForm* form = GetParentForm(this);
        if (form && !form->SetFocusedControl(holder_)) return true;
        holderFocusing_ = true;
        try {
            Dispatch(msg);
        } catch (...) {
            holderFocusing_ = false;
            throw;
        }
        holderFocusing_ = false;
        return true;
    }
    if (msg.Msg == WM_LBUTTONDOWN) {
        POINT last{};
        DWORD lastTime = 0;
        holderIntf_->GetLastMouseDown(last, lastTime);
        POINT here = ClientToScreen({GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)});
        if (lastTime != 0 && DetectDoubleClick(last, here, long(DWORD(GetMessageTime()) - lastTime)))
            msg.Msg = WM_LBUTTONDBLCLK;
    }
    return false;
}

void TCustomDBEditEh::WndProc(Message& msg) {
    if (inplaceMode_ && holderIntf_ && InplaceWndProc(msg)) return;
    if (msg.Msg == WM_CHAR && swallowChar_ != 0) {
        bool same = msg.WParam == swallowChar_;
        swallowChar_ = 0;
        if (same) return;
    }
    if (mruList_->DroppedDown() && (msg.Msg == WM_KEYDOWN || msg.Msg == WM_SYSKEYDOWN) && RouteKeyToMRUList(int(msg.WParam)))
        return;
    TCustomMaskEdit::WndProc(msg);
}

// --- window -----------------------------------------------------------------

void TCustomDBEditEh::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    ApplyAutoSizeStyle();
    bool wasActive = borderActive_;
    borderActive_ = false;
    if (wasActive || Focused()) RefreshBorder();
    LayoutButtons();
    RefreshButtons();
    imageAreaWidth_ = 0;
    if (image_->Visible() && image_->Images())
        imageAreaWidth_ = (image_->Width() > 0 ? image_->Width() : image_->Images()->Width()) + 4;
    RefreshImageIndex();
    ApplyEditRect();
}

void TCustomDBEditEh::DefaultHandler(Message& msg) {
    if (msg.Msg == WM_CHAR) {
        auto c = msg.WParam;
        if (c == 13 || c == 9 || c == 10) return;
    }
    if (msg.Msg >= WM_LBUTTONDOWN && msg.Msg <= 0x0209 && GetCapture() != Handle()) {
        POINT p{short(LOWORD(msg.LParam)), short(HIWORD(msg.LParam))};
        if (InButtonArea(p)) return;
    }
    TCustomMaskEdit::DefaultHandler(msg);
    if (textChangedByUser_) {
        textChangedByUser_ = false;
        UserTextChanged();
    }
}

void TCustomDBEditEh::Dispatch(Message& msg) {
    // An open drop-down closes when the focus goes elsewhere or another control
    // cancels the mouse mode; Enter and Esc are the editor's while it is open,
    // before the form's.
    if (TWinControl* drop = DropDownWindow()) {
        if (msg.Msg == WM_KILLFOCUS) {
            HWND to = reinterpret_cast<HWND>(msg.WParam);
            bool toDrop = drop->HandleAllocated() && to && (to == drop->Handle() || IsChild(drop->Handle(), to));
            if (!toDrop) CloseDropDown(false);
        } else if (msg.Msg == CM_CANCELMODE) {
            auto* sender = reinterpret_cast<TControl*>(msg.LParam);
            if (sender != this && !ContainsControl(sender) && sender != drop && !drop->ContainsControl(sender))
                CloseDropDown(false);
        } else if (msg.Msg == CM_WANTSPECIALKEY && (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE)) {
            msg.Result = 1;
            return;
        } else if (msg.Msg == WM_KEYDOWN && (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE)) {
            // The character that follows closes the drop-down. The key itself
            // must not reach a form's key preview first: one that leaves on Esc
            // would close the whole window for a closed list.
            return;
        }
    }
    switch (msg.Msg) {
    case CM_GETDATALINK:
        msg.Result = reinterpret_cast<LRESULT>(link_.get());
        return;
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == EN_CHANGE) textChangedByUser_ = true;
        break;
    case WM_CUT: case WM_PASTE: case WM_UNDO: case WM_CLEAR:
        if (!EditCanModify()) return;
        break;
    case WM_SIZE:
        TCustomMaskEdit::Dispatch(msg);
        LayoutButtons();
        ApplyEditRect();
        return;
    case CM_WANTSPECIALKEY:
        if ((msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE) && mruList_->DroppedDown() && mruBox_ &&
            mruBox_->ItemIndex() >= 0) {
            msg.Result = 1;
            return;
        }
        TCustomMaskEdit::Dispatch(msg);
        if (msg.WParam == VK_ESCAPE && Modified()) msg.Result = 1;
        return;
    case CM_HINTSHOW: {
        auto* info = reinterpret_cast<THintInfo*>(msg.LParam);
        if (tooltips_ && !TextFits()) {
            info->HintStr = Text();
            info->HintWindowClass = TToolTipsWindow::StaticClass();
            info->HintPos = Parent() ? Parent()->ClientToScreen({Left(), Top() + Height()}) : ClientToScreen({0, Height()});
            info->HintData = Font();
            msg.Result = 0;
            return;
        }
        if (!ownShowHint_) {
            msg.Result = 1;
            return;
        }
        break;
    }
    case CM_CANCELMODE: {
        auto* sender = reinterpret_cast<TControl*>(msg.LParam);
        ReleaseButtonCapture();
        if (mruList_->DroppedDown() && sender != this && !ContainsControl(sender) && sender != mruBox_ &&
            !(mruBox_ && mruBox_->ContainsControl(sender)))
            MRUCloseUp(false);
        TCustomMaskEdit::Dispatch(msg);
        return;
    }
    case WM_MOUSEWHEEL:
        if (mruList_->DroppedDown() && mruBox_ && mruBox_->HandleAllocated()) {
            if (SendMessage(mruBox_->Handle(), WM_MOUSEWHEEL, msg.WParam, msg.LParam) != 0) {
                msg.Result = 1;
                return;
            }
        }
        break;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS;
        if (inplaceMode_ && holder_ && holder_->HandleAllocated() &&
            (holder_->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB))
            code |= DLGC_WANTTAB;
        msg.Result = code;
        return;
    }
    case CM_MOUSEENTER: case CM_MOUSELEAVE:
        mouseAbove_ = msg.Msg == CM_MOUSEENTER;
        TCustomMaskEdit::Dispatch(msg);
        RefreshBorder();
        return;
    case WM_SETFOCUS: case WM_KILLFOCUS: {
        bool gaining = msg.Msg == WM_SETFOCUS;
        if (!gaining) ReleaseButtonCapture();
        if (gaining && holderFocusing_) {
            // The holder is the form's focused control: only the window takes the focus.
            DefaultHandler(msg);
        } else {
            TCustomMaskEdit::Dispatch(msg);
        }
        RefreshBorder(gaining ? 1 : 0);
        return;
    }
    case WM_SYSCOLORCHANGE: case CM_SYSCOLORCHANGE:
        TCustomMaskEdit::Dispatch(msg);
        ResetButtonBitmapCache();
        return;
    case CM_PARENTSHOWHINTCHANGED:
        // The own ShowHint follows the parent's, and the framework's flag follows it.
        if (ParentShowHint() && Parent() && !parentHintFollowing_) {
            parentHintFollowing_ = true;
            ownShowHint_ = Parent()->ShowHint();
            RefreshShowHint();
            SetParentShowHint(true);
            parentHintFollowing_ = false;
        }
        return;
    case WM_NCPAINT:
        if (flat_ && Ctl3D() && BorderStyle() == bsSingle) {
            PaintFlatBorder();
            return;
        }
        break;
    case WM_EDITIMAGECHANGED_EH:
        if (HandleAllocated()) RecreateWnd();
        return;
    case CM_FONTCHANGED:
        TCustomMaskEdit::Dispatch(msg);
        if (ControlStyle().Contains(csFixedHeight) && !ComponentState().Contains(csLoading)) {
            FitHeightToFont();
            ApplyEditRect();
        }
        return;
    case CM_ENABLEDCHANGED:
        TCustomMaskEdit::Dispatch(msg);
        RefreshButtons();
        return;
    default:
        break;
    }
    TCustomMaskEdit::Dispatch(msg);
}

// --- buttons ----------------------------------------------------------------

void TCustomDBEditEh::SetEditButton(TEditButtonEh* v) { editButton_->Assign(v); }
void TCustomDBEditEh::SetEditButtons(TEditButtonsEh* v) { editButtons_->Assign(v); }
void TCustomDBEditEh::SetMRUList(TMRUListEh* v) { mruList_->Assign(v); }

void TCustomDBEditEh::SetFlat(bool v) {
    if (flat_ == v) return;
    flat_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBEditEh::SetAlwaysShowBorder(bool v) {
    if (alwaysShowBorder_ == v) return;
    alwaysShowBorder_ = v;
    RefreshBorder();
}

void TCustomDBEditEh::RefreshBorder(int focus) {
    if (ComponentState().Contains(csLoading)) return;
    bool hasFocus = focus >= 0 ? focus == 1 : HandleAllocated() && GetFocus() == Handle();
    bool active = ComponentState().Contains(csDesigning) || hasFocus || mouseAbove_ || alwaysShowBorder_;
    if (active == borderActive_) return;
    borderActive_ = active;
    if (flat_ && Ctl3D() && BorderStyle() == bsSingle && HandleAllocated()) PaintFlatBorder();
    RefreshButtons();
}

void TCustomDBEditEh::PaintFlatBorder() {
    if (!HandleAllocated()) return;
    HDC dc = GetWindowDC(Handle());
    RECT r{0, 0, Width(), Height()};
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    if (borderActive_) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else {
        FrameRect(dc, &r, face);
    }
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    FrameRect(dc, &inner, face);
    DeleteObject(face);
    ReleaseDC(Handle(), dc);
}

TEditButtonEh* TCustomDBEditEh::ButtonOfControl(int index) const {
    if (index == 0) return editButton_.get();
    if (index - 1 < editButtons_->Count()) return editButtons_->ButtonAt(index - 1);
    return nullptr;
}

TEditButtonControlEh* TCustomDBEditEh::ButtonControl(int index) const {
    if (index < 0 || index >= int(buttons_.size())) return nullptr;
    return buttons_[size_t(index)].control;
}

void TCustomDBEditEh::ButtonsChanged() {
    if (!HandleAllocated()) return;
    LayoutButtons();
    RefreshButtons();
    ApplyEditRect();
    Invalidate();
}

void TCustomDBEditEh::LayoutButtons() {
    size_t count = size_t(1 + editButtons_->Count());
    while (buttons_.size() > count) {
        delete buttons_.back().control;
        delete buttons_.back().separator;
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        ButtonPair p;
        p.control = NewEditButtonControl();
        p.control->SetParent(this);
        p.separator = new TShape(this);
        p.separator->SetParent(this);
        buttons_.push_back(p);
    }
    RECT client = ClientRect();
    int clientH = client.bottom - client.top;
    int buttonHeight = INT_MAX;
    std::vector<int> widths(count, 0), heights(count, 0);
    for (size_t i = 0; i < count; ++i) {
        TEditButtonEh* b = ButtonOfControl(int(i));
        ButtonPair& p = buttons_[i];
        TEditButtonControlEh* c = p.control;
        c->SetVisible(b->Visible());
        c->SetStyle(b->Style());
        if (b->Style() == ebsGlyphEh) c->SetGlyph(b->Glyph());
        c->SetNumGlyphs(b->NumGlyphs());
        c->SetHint(b->Hint());
        c->SetFlat(flat_);
        c->SetTag(std::intptr_t(i));
        if (b->Visible()) {
            int w = b->Width() > 0 ? b->Width() : flat_ ? FlatButtonDefaultWidth() : GetSystemMetrics(SM_CXVSCROLL);
            int h = clientH;
            if (std::lround(w * 1.5) < clientH) h = EditButtonDefaultHeight(w, flat_);
            widths[i] = w;
            heights[i] = h;
            buttonHeight = std::min(buttonHeight, h);
        }
        p.separator->SetVisible(flat_ && b->Visible());
        c->OnDown = [this](TObject* s, bool top, bool& autoRepeat, bool& handled) {
            ButtonControlMouseDown(s, top, autoRepeat, handled);
        };
        c->OnClick = [this](TObject* s) { ButtonControlClick(s); };
        c->OnMouseMove = [this](TObject* s, TShiftState shift, int x, int y) { ButtonControlMouseMove(s, shift, x, y); };
        c->OnMouseUp = [this](TObject* s, TMouseButton, TShiftState, int x, int y) {
            auto* bc = static_cast<TControl*>(s);
            if (x < 0 || y < 0 || x >= bc->Width() || y >= bc->Height()) noClickCloseUp_ = false;
        };
    }
    if (buttonHeight == INT_MAX) buttonHeight = clientH;
    // From the edge (the left one when reading right to left) towards the
    // text: the last button first, each separator on its text side.
    bool rtl = UseRightToLeftReading();
    int used = 0;
    for (size_t i = count; i-- > 0;) {
        ButtonPair& p = buttons_[i];
        int sep = p.separator->Visible() ? 1 : 0;
        if (rtl) {
            p.control->SetBounds(client.left + used, client.top, widths[i], buttonHeight);
            p.separator->SetBounds(client.left + used + widths[i], client.top, sep, buttonHeight);
        } else {
            p.control->SetBounds(client.right - used - widths[i], client.top, widths[i], buttonHeight);
            p.separator->SetBounds(client.right - used - widths[i] - sep, client.top, sep, buttonHeight);
        }
        used += widths[i] + sep;
    }
    buttonWidth_ = used;
}

void TCustomDBEditEh::RefreshButtons() {
    bool usable = ButtonsUsable();
    for (ButtonPair& p : buttons_) {
        p.control->SetEnabled(usable);
        p.control->SetActive(borderActive_);
        p.separator->Pen()->SetColor(borderActive_ ? clBtnFace : Color());
    }
}

void TCustomDBEditEh::TextAreaRect(RECT& r) {
    bool image = image_->Visible() && image_->Images();
    if (UseRightToLeftReading()) {
        r.left += buttonWidth_;
        if (image) r.right -= imageAreaWidth_;
    } else {
        r.right -= buttonWidth_;
        if (image) r.left += imageAreaWidth_;
    }
}

void TCustomDBEditEh::ApplyEditRect() {
    if (!HandleAllocated()) return;
    RECT r = ClientRect();
    TextAreaRect(r);
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    SendMessage(Handle(), EM_SCROLLCARET, 0, 0);
}

bool TCustomDBEditEh::InButtonArea(POINT p) {
    RECT client = ClientRect();
    if (p.y < client.top || p.y >= client.bottom) return false;
    int buttonsLeft = UseRightToLeftReading() ? client.left : client.right - buttonWidth_;
    if (buttonWidth_ > 0 && p.x >= buttonsLeft && p.x < buttonsLeft + buttonWidth_) return true;
    RECT image = ImageArea();
    return imageAreaWidth_ > 0 && image_->Visible() && p.x >= image.left && p.x < image.right;
}

RECT TCustomDBEditEh::ImageArea() {
    RECT client = ClientRect();
    if (UseRightToLeftReading()) return {client.right - imageAreaWidth_, client.top, client.right, client.bottom};
    return {client.left, client.top, client.left + imageAreaWidth_, client.bottom};
}

void TCustomDBEditEh::ButtonControlMouseDown(TObject* sender, bool topButton, bool& autoRepeat, bool& handled) {
    if (CanFocus() && !Focused()) SetFocus();
    handled = false;
    auto* c = static_cast<TEditButtonControlEh*>(sender);
    if (PressOnlyClosedMenu(c)) return;
    int index = int(c->Tag());
    if (index == 0) {
        if (OnButtonDown) OnButtonDown(c, topButton, autoRepeat, handled);
        if (handled) return;
        if (TPopupMenu* menu = editButton_->DropdownMenu()) {
            PopupButtonMenu(c, menu);
        } else {
            EditButtonDown(false);
        }
        return;
    }
    TEditButtonEh* b = ButtonOfControl(index);
    if (!b) return;
    if (b->OnDown) b->OnDown(c, topButton, autoRepeat, handled);
    if (handled) return;
    if (TPopupMenu* menu = b->DropdownMenu()) PopupButtonMenu(c, menu);
}

// A button that holds the mouse lets it go when the editor loses the focus.
void TCustomDBEditEh::ReleaseButtonCapture() {
    HWND captured = GetCapture();
    if (!captured || captured != Handle()) return;
    for (ButtonPair& p : buttons_)
        if (p.control->ControlState().Contains(csLButtonDown)) {
            p.control->Perform(WM_CANCELMODE, 0, 0);
            ReleaseCapture();
            return;
        }
}

bool TCustomDBEditEh::PressOnlyClosedMenu(TEditButtonControlEh* control) {
    if (menuClosedTag_ < 0) return false;
    bool closing = menuClosedTag_ == int(control->Tag()) && DWORD(GetMessageTime()) <= menuClosedTime_;
    menuClosedTag_ = -1;
    return closing;
}

void TCustomDBEditEh::PopupButtonMenu(TEditButtonControlEh* control, TPopupMenu* menu) {
    int x = menu->Alignment() == paRight ? control->Width() : 0;
    POINT p = control->ClientToScreen({x, control->Height()});
    auto alive = Alive();
    menu->Popup(p.x, p.y);
    if (!*alive) return;
    menuClosedTag_ = int(control->Tag());
    menuClosedTime_ = GetTickCount();
    control->Perform(WM_LBUTTONUP, 0, 0);
}

void TCustomDBEditEh::EditButtonDown(bool) {
    if (editButton_->Style() == ebsUpDownEh || droppedDown_) return;
    OpenDropDown();
    noClickCloseUp_ = true;
    // The base editor has no drop-down of its own: nothing opened, so the
    // button must not stay held down.
    if (!droppedDown_) {
        if (TEditButtonControlEh* c = ButtonControl(0)) c->SetAlwaysDown(false);
        noClickCloseUp_ = false;
    }
}

void TCustomDBEditEh::OpenDropDown() {
    if (mruList_->DroppedDown()) MRUCloseUp(false);
    if (TEditButtonControlEh* c = ButtonControl(0)) c->SetAlwaysDown(true);
}

void TCustomDBEditEh::CloseDropDown(bool) {
    if (TEditButtonControlEh* c = ButtonControl(0)) c->SetAlwaysDown(false);
}

void TCustomDBEditEh::ButtonControlClick(TObject* sender) {
    auto* c = static_cast<TEditButtonControlEh*>(sender);
    int index = int(c->Tag());
    bool handled = false;
    if (index == 0) {
        if (OnButtonClick) OnButtonClick(c, handled);
    } else if (TEditButtonEh* b = ButtonOfControl(index)) {
        if (b->OnClick) b->OnClick(c, handled);
    }
    if (!handled && droppedDown_ && !noClickCloseUp_ && index == 0) CloseDropDown(false);
    noClickCloseUp_ = false;
}

// --- height -----------------------------------------------------------------

void TCustomDBEditEh::SetAutoSize(bool v) {
    if (autoSize_ == v) return;
    autoSize_ = v;
    ApplyAutoSizeStyle();
}

void TCustomDBEditEh::ApplyAutoSizeStyle() {
    if (autoSize_ && BorderStyle() == bsSingle) {
        SetControlStyle(ControlStyle() + TControlStyle{csFixedHeight});
        FitHeightToFont();
    } else {
        SetControlStyle(ControlStyle() - TControlStyle{csFixedHeight});
    }
}

void TCustomDBEditEh::FitHeightToFont() {
    int border = GetSystemMetrics(SM_CYBORDER) * (Ctl3D() ? 8 : 6) - (flat_ ? 2 : 0);
    int text = GetFontTextHeight(this);
    if (image_->Visible() && image_->Images() && image_->UseImageHeight())
        text = std::max(text, image_->Images()->Height());
    SetHeight(border + text);
}

// --- image ------------------------------------------------------------------

TCustomImageList* TCustomDBEditEh::Images() const { return image_->Images(); }

void TCustomDBEditEh::SetImages(TCustomImageList* v) {
    image_->SetImages(v);
    image_->SetVisible(true);
    if (v) v->FreeNotification(this);
}

void TCustomDBEditEh::RefreshImageIndex() {
    if (!image_ || !image_->Visible() || !image_->Images()) return;
    int index = BaseImageIndex();
    Variant v = Value();
    if (VarIsNumeric(v)) index = int(std::lround(v.AsDouble()));
    if (OnGetImageIndex) OnGetImageIndex(this, index);
    image_->SetImageIndex(index);
}

} // namespace tv
