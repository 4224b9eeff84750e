#include "framework/ui/stdctrls/maskedit.h"

#include "core/strutils.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::Publish(TPublisher& p) {
    p.String("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
}

void TMaskEdit::Publish(TPublisher& p) {
    p.String("Text", &TMaskEdit::Text, &TMaskEdit::SetText);
    p.Char("PasswordChar", &TMaskEdit::PasswordChar, &TMaskEdit::SetPasswordChar).Default(0);
    p.Event("OnChange", &TMaskEdit::OnChange);
}

void TCustomMaskEdit::SetEditMask(const std::string& v) {
    if (v == mask_.Source()) return;
    TEditMask parsed(v); // raises before anything changes
    std::string value = Text();
    mask_ = std::move(parsed);
    SetMaxLength(IsMasked() ? mask_.Count() : 0);
    SetTextBuf(value);
}

std::string TCustomMaskEdit::EditText() { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const std::string& v) {
    std::string shown = IsMasked() ? Utf32ToUtf8(mask_.Normalize(Utf8ToUtf32(v))) : v;
    if (shown == EditText()) return;
    TCustomEdit::SetTextBuf(shown);
    text_ = shown;
    Change();
}

std::string TCustomMaskEdit::GetText() {
    std::string shown = TCustomEdit::GetText();
    if (!IsMasked()) return shown;
    return Utf32ToUtf8(mask_.Strip(mask_.Normalize(Utf8ToUtf32(shown))));
}

void TCustomMaskEdit::SetTextBuf(const std::string& v) {
    if (!IsMasked()) {
        TCustomEdit::SetTextBuf(v);
        text_ = v;
        return;
    }
    std::string shown = Utf32ToUtf8(mask_.Format(Utf8ToUtf32(v)));
    TCustomEdit::SetTextBuf(shown);
    text_ = shown;
}

void TCustomMaskEdit::GetSel(int& a, int& b) {
    DWORD x = 0, y = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&x), reinterpret_cast<LPARAM>(&y));
    a = int(x);
    b = int(y);
}

void TCustomMaskEdit::SetCursor(int pos) {
    if (!handle_) return;
    pos = std::clamp(pos, 0, IsMasked() ? mask_.Count() : pos);
    SendMessage(handle_, EM_SETSEL, WPARAM(pos), LPARAM(pos));
}

void TCustomMaskEdit::CheckCursor() {
    if (!handle_ || !IsMasked()) return;
    int a, b;
    GetSel(a, b);
    if (a != b) return;
    int p = mask_.EditableAtOrAfter(a);
    if (p != a) SetCursor(p);
}

void TCustomMaskEdit::Apply(std::u32string text, int selStart, int selEnd, bool changed) {
    if (changed) {
        TCustomEdit::SetTextBuf(Utf32ToUtf8(text));
        text_ = Utf32ToUtf8(text);
        SendMessage(handle_, EM_SETMODIFY, TRUE, 0);
    }
    SendMessage(handle_, EM_SETSEL, WPARAM(selStart), LPARAM(selEnd));
    if (changed) Change();
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked()) return;
    std::u32string shown = Utf8ToUtf32(EditText());
    int missing = mask_.FirstMissing(shown);
    if (missing < 0) return;
    if (handle_ && CanFocus() && !Focused()) SetFocus();
    SetCursor(missing);
    throw EDBEditError(SMaskEditErr);
}

void TCustomMaskEdit::Reset() {
    if (IsMasked()) SetTextBuf(oldValue_);
    else TCustomEdit::SetTextBuf(oldValue_);
    SetModified(false);
}

void TCustomMaskEdit::DoEnter() {
    oldValue_ = Text();
    TCustomEdit::DoEnter();
    if (IsMasked() && SelLength() == 0) CheckCursor();
}

void TCustomMaskEdit::DoExit() {
    if (IsMasked()) {
        ValidateEdit();
        CheckCursor();
    }
    TCustomEdit::DoExit();
}

void TCustomMaskEdit::KeyDown(WORD& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (!IsMasked() || key == 0) return;
    if (key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) {
        bool paste = key == VK_INSERT;
        key = 0;
        if (!EditCanModify()) return;
        if (paste) {
            char32_t c = 22;
            KeyPress(c);
            return;
        }
        if (shift.Contains(ssShift)) CopyToClipboard();
        std::u32string t = mask_.Normalize(Utf8ToUtf32(EditText()));
        int a, b;
        GetSel(a, b);
        bool changed = mask_.DeleteForward(t, a, b);
        Apply(std::move(t), a, b, changed);
    }
}

void TCustomMaskEdit::KeyPress(char32_t& key) {
    TCustomEdit::KeyPress(key);
    if (!IsMasked() || key == 0) return;
    char32_t c = key;
    if (c == 27) {
        if (Modified()) {
            Reset();
            SelectAll();
            key = 0;
        }
        return;
    }
    if (c == 3 || c == 1 || c == 13 || c == 9 || c == 10) return; // copy, select all, dialog keys
    key = 0;
    if (!EditCanModify()) return;
    std::u32string t = mask_.Normalize(Utf8ToUtf32(EditText()));
    int a, b;
    GetSel(a, b);
    bool changed = false;
    if (c == 8) {
        changed = mask_.Backspace(t, a, b);
    } else if (c == 22 || c == 24) {
        if (c == 24) CopyToClipboard();
        std::string clip;
        if (c == 22 && OpenClipboard(handle_)) {
            GetClipboardText(clip);
            CloseClipboard();
            changed = mask_.Paste(t, a, b, Utf8ToUtf32(clip));
        } else {
            changed = mask_.Backspace(t, a, b);
        }
    } else if (c >= 0x20) {
        changed = mask_.TypeChar(t, a, b, c);
    } else {
        return;
    }
    Apply(std::move(t), a, b, changed);
}

void TCustomMaskEdit::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONUP:
        TCustomEdit::Dispatch(msg);
        CheckCursor();
        return;
    case WM_KEYDOWN: {
        TCustomEdit::Dispatch(msg);
        int vk = int(msg.WParam);
        if (IsMasked() && (vk == VK_LEFT || vk == VK_HOME) && GetKeyState(VK_SHIFT) >= 0) {
            int a, b;
            GetSel(a, b);
            if (a == b && a < mask_.Count() && mask_.IsLiteral(a)) {
                int p = mask_.EditableBefore(a);
                SetCursor(p >= 0 ? p : mask_.EditableAtOrAfter(a));
            }
        } else if (IsMasked() && GetKeyState(VK_SHIFT) >= 0) {
            CheckCursor();
        }
        return;
    }
    case WM_PASTE: case WM_CUT: case WM_CLEAR:
        if (IsMasked()) {
            char32_t c = msg.Msg == WM_PASTE ? 22 : 24;
            if (msg.Msg == WM_CLEAR) c = 8;
            KeyPress(c);
            return;
        }
        break;
    default:
        break;
    }
    TCustomEdit::Dispatch(msg);
}

} // namespace tv
