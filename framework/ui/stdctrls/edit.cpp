#include "framework/ui/stdctrls/edit.h"

#include "core/strutils.h"
#include "framework/ui/forms.h"
#include "platform/controls/edit.h"
#include "platform/controls/standardclasses.h"
#include "platform/gdi/dc.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TEditCharCaseInfo{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner), brush_(std::make_unique<TBrush>()) {
    controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::Publish(TPublisher& p) {
    p.Boolean("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    p.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, TBorderStyleInfo).Default(bsSingle);
    p.Enum("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, TEditCharCaseInfo).Default(ecNormal);
    p.Boolean("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
    p.Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    p.Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    p.Event("OnChange", &TCustomEdit::OnChange);
}

void TCustomEdit::UseEditClass(TCreateParams& p) {
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_EDIT, &wc)) {
        defProc_ = wc.lpfnWndProc;
        p.WindowClass.hCursor = wc.hCursor;
    }
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    UseEditClass(p);
    p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (readOnly_) p.Style |= ES_READONLY;
    if (!hideSelection_) p.Style |= ES_NOHIDESEL;
    if (charCase_ == ecUpperCase) p.Style |= ES_UPPERCASE;
    if (charCase_ == ecLowerCase) p.Style |= ES_LOWERCASE;
    if (passwordChar_) p.Style |= ES_PASSWORD;
    if (borderStyle_ == bsSingle) {
        if (Ctl3D()) p.ExStyle |= WS_EX_CLIENTEDGE;
        else p.Style |= WS_BORDER;
    }
}

void TCustomEdit::InitializeWindow() {
    SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    SendMessage(handle_, EM_LIMITTEXT, WPARAM(maxLength_), 0);
    SendMessage(handle_, EM_SETPASSWORDCHAR, WPARAM(passwordChar_), 0);
    SendMessage(handle_, EM_SETMODIFY, modified_, 0);
    // The window was made with the text; it is no user's edit.
    if (GetWindowText(handle_) != text_) {
        creatingWnd_ = true;
        SetWindowText(handle_, text_);
        creatingWnd_ = false;
    }
}

void TCustomEdit::DestroyWnd() {
    if (handle_) modified_ = SendMessage(handle_, EM_GETMODIFY, 0, 0) != 0;
    TWinControl::DestroyWnd();
}

std::string TCustomEdit::GetText() {
    if (handle_) return GetWindowText(handle_);
    return TWinControl::GetText();
}

void TCustomEdit::SetMaxLength(int v) {
    if (v < 0) v = 0;
    maxLength_ = v;
    if (handle_) SendMessage(handle_, EM_LIMITTEXT, WPARAM(v), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (handle_) SendMessage(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetPasswordChar(char32_t v) {
    if (v == passwordChar_) return;
    passwordChar_ = v;
    if (handle_) {
        SendMessage(handle_, EM_SETPASSWORDCHAR, WPARAM(v), 0);
        Invalidate();
    }
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (v == charCase_) return;
    charCase_ = v;
    std::string t = Text();
    if (v == ecUpperCase) SetText(AnsiUpperCase(t));
    else if (v == ecLowerCase) SetText(AnsiLowerCase(t));
    RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool v) {
    if (v == hideSelection_) return;
    hideSelection_ = v;
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

bool TCustomEdit::Modified() { return handle_ ? SendMessage(handle_, EM_GETMODIFY, 0, 0) != 0 : modified_; }

void TCustomEdit::SetModified(bool v) {
    modified_ = v;
    if (handle_) SendMessage(handle_, EM_SETMODIFY, v, 0);
}

int TCustomEdit::SelStart() {
    DWORD a = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&a), 0);
    return int(a);
}

void TCustomEdit::SetSelStart(int v) { SendMessage(Handle(), EM_SETSEL, WPARAM(v), LPARAM(v)); }

int TCustomEdit::SelLength() {
    DWORD a = 0, b = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return int(b - a);
}

void TCustomEdit::SetSelLength(int v) {
    int start = SelStart();
    SendMessage(Handle(), EM_SETSEL, WPARAM(start), LPARAM(std::int64_t(start) + v > 0x7FFFFFFF ? -1 : start + v));
}

std::string TCustomEdit::SelText() {
    std::u32string t = Utf8ToUtf32(Text());
    int a = SelStart(), n = SelLength();
    if (a > int(t.size())) return {};
    return Utf32ToUtf8(t.substr(size_t(a), size_t(n)));
}

void TCustomEdit::SetSelText(const std::string& v) {
    SendMessage(Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(v.c_str()));
}

void TCustomEdit::SelectAll() {
    if (handle_) SendMessage(handle_, EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() { SendMessage(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessage(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessage(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessage(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessage(Handle(), WM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return handle_ && SendMessage(handle_, EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::ClearUndo() {
    if (handle_) SendMessage(handle_, EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::DoEnter() {
    if (autoSelect_ && !controlState_.Contains(csLButtonDown) && handle_ &&
        !(GetWindowLong(handle_, GWL_STYLE) & ES_MULTILINE))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == EN_CHANGE && !creatingWnd_) Change();
        msg.Result = 0;
        return;
    case CM_TEXTCHANGED:
        // Text written by the program changes the text as much as typing does.
        if (!creatingWnd_) Change();
        TWinControl::Dispatch(msg);
        return;
    case CN_CTLCOLOREDIT: case CN_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        brush_->SetColor(Color());
        msg.Result = reinterpret_cast<LRESULT>(brush_->Handle());
        return;
    }
    case CM_FONTCHANGED:
        if (handle_) SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
        break;
    default:
        break;
    }
    TWinControl::Dispatch(msg);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

void TEdit::Publish(TPublisher& p) {
    p.String("Text", &TEdit::Text, &TEdit::SetText);
    p.Char("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar).Default(0);
    p.Event("OnChange", &TEdit::OnChange);
}

} // namespace tv
