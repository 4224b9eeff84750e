#include "framework/ui/stdctrls/richedit.h"

#include <algorithm>

#include "core/exceptions.h"
#include "core/streams.h"
#include "core/strutils.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/richedit.h"
#include "platform/controls/richeditdoc.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr const char* kLoadFail = "Fallo al Cargar Flujo";
constexpr const char* kSaveFail = "Fallo al Guardar Flujo";
constexpr const char* kInsertFail = "Error de inserción de línea en RichEdit";
constexpr int kMaxLine = 4095;

// Reading a stream into the window: each CR, LF or CR LF of the stream
// arrives as one CR LF.
struct InCookie {
    TStream* stream;
    bool lastCR = false;
};

DWORD ReadCallback(UINT_PTR cookie, BYTE* buffer, LONG cb, LONG* pcb) {
    auto* c = reinterpret_cast<InCookie*>(cookie);
    *pcb = 0;
    std::string chunk(size_t(std::max<LONG>(cb / 2, 1)), '\0');
    std::int64_t got;
    try {
        got = c->stream->Read(chunk.data(), std::int64_t(chunk.size()));
    } catch (...) {
        return 1;
    }
    LONG out = 0;
    for (std::int64_t i = 0; i < got; ++i) {
        char b = chunk[size_t(i)];
        if (b == '\n' && c->lastCR) {
            c->lastCR = false;
            continue;
        }
        c->lastCR = b == '\r';
        if (b == '\r' || b == '\n') {
            buffer[out++] = '\r';
            buffer[out++] = '\n';
        } else {
            buffer[out++] = BYTE(b);
        }
    }
    *pcb = out;
    return 0;
}

DWORD WriteCallback(UINT_PTR cookie, BYTE* buffer, LONG cb, LONG* pcb) {
    try {
        *pcb = LONG(reinterpret_cast<TStream*>(cookie)->Write(buffer, cb));
    } catch (...) {
        *pcb = 0;
        return 1;
    }
    return *pcb == cb ? 0 : 1;
}

// Puts an event of the edit aside for a while.
template <class E>
struct EventOff {
    EventOff(E& e) : event(e), kept(std::move(e)) { event = nullptr; }
    ~EventOff() { event = std::move(kept); }
    E& event;
    E kept;
};

int CharCount(const std::string& s) { return int(NormalizeRichText(Utf8ToUtf32(s)).size()); }

} // namespace

// --- text attributes ---

struct TTextAttributes::Format {
    CHARFORMAT cf;
};

TTextAttributes::Format TTextAttributes::Get() const {
    Format f;
    SendMessage(edit_->Handle(), EM_GETCHARFORMAT, type_ == atSelected ? SCF_SELECTION : SCF_DEFAULT,
                reinterpret_cast<LPARAM>(&f.cf));
    return f;
}

void TTextAttributes::Set(DWORD mask, const Format& f) {
    CHARFORMAT cf = f.cf;
    cf.dwMask = mask;
    SendMessage(edit_->Handle(), EM_SETCHARFORMAT, type_ == atSelected ? SCF_SELECTION : SCF_DEFAULT,
                reinterpret_cast<LPARAM>(&cf));
}

std::string TTextAttributes::Name() const { return Get().cf.szFaceName; }

void TTextAttributes::SetName(const std::string& v) {
    Format f = Get();
    f.cf.szFaceName = v;
    Set(CFM_FACE, f);
}

int TTextAttributes::Size() const { return Get().cf.yHeight / 20; }

void TTextAttributes::SetSize(int v) {
    Format f = Get();
    f.cf.yHeight = v * 20;
    Set(CFM_SIZE, f);
}

TFontStyles TTextAttributes::Style() const {
    DWORD e = Get().cf.dwEffects;
    TFontStyles s;
    if (e & CFE_BOLD) s.Include(fsBold);
    if (e & CFE_ITALIC) s.Include(fsItalic);
    if (e & CFE_UNDERLINE) s.Include(fsUnderline);
    if (e & CFE_STRIKEOUT) s.Include(fsStrikeOut);
    return s;
}

void TTextAttributes::SetStyle(TFontStyles v) {
    Format f = Get();
    f.cf.dwEffects = (f.cf.dwEffects & CFE_AUTOCOLOR) | (v.Contains(fsBold) ? CFE_BOLD : 0) |
                     (v.Contains(fsItalic) ? CFE_ITALIC : 0) | (v.Contains(fsUnderline) ? CFE_UNDERLINE : 0) |
                     (v.Contains(fsStrikeOut) ? CFE_STRIKEOUT : 0);
    Set(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT, f);
}

TColor TTextAttributes::Color() const {
    Format f = Get();
    return (f.cf.dwEffects & CFE_AUTOCOLOR) ? clWindowText : TColor(f.cf.crTextColor);
}

void TTextAttributes::SetColor(TColor v) {
    Format f = Get();
    if (v == clWindowText) {
        f.cf.dwEffects |= CFE_AUTOCOLOR;
    } else {
        f.cf.dwEffects &= ~CFE_AUTOCOLOR;
        f.cf.crTextColor = ColorToRGB(v);
    }
    Set(CFM_COLOR, f);
}

void TTextAttributes::Assign(TPersistent* source) {
    auto* font = dynamic_cast<TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    Format f = Get();
    f.cf.szFaceName = font->Name();
    f.cf.yHeight = font->Size() * 20;
    TFontStyles s = font->Style();
    f.cf.dwEffects = (s.Contains(fsBold) ? CFE_BOLD : 0) | (s.Contains(fsItalic) ? CFE_ITALIC : 0) |
                     (s.Contains(fsUnderline) ? CFE_UNDERLINE : 0) | (s.Contains(fsStrikeOut) ? CFE_STRIKEOUT : 0);
    if (font->Color() == clWindowText) f.cf.dwEffects |= CFE_AUTOCOLOR;
    else f.cf.crTextColor = ColorToRGB(font->Color());
    Set(CFM_ALL, f);
}

TAlignment TParaAttributes::Alignment() const {
    PARAFORMAT pf;
    SendMessage(edit_->Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf.wAlignment == PFA_CENTER ? taCenter : pf.wAlignment == PFA_RIGHT ? taRightJustify : taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment v) {
    PARAFORMAT pf;
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = v == taCenter ? PFA_CENTER : v == taRightJustify ? PFA_RIGHT : PFA_LEFT;
    SendMessage(edit_->Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

// --- lines ---

int TRichEditStrings::Count() const {
    HWND h = edit_->Handle();
    int n = int(SendMessage(h, EM_GETLINECOUNT, 0, 0));
    if (n > 0 && SendMessage(h, EM_LINELENGTH, WPARAM(SendMessage(h, EM_LINEINDEX, WPARAM(n - 1), 0)), 0) == 0) --n;
    return n;
}

std::string TRichEditStrings::Strings(int index) const {
    std::string line;
    SendMessage(edit_->Handle(), EM_GETLINE, WPARAM(index), reinterpret_cast<LPARAM>(&line));
    std::u32string chars = Utf8ToUtf32(line);
    if (chars.size() > size_t(kMaxLine)) line = Utf32ToUtf8(chars.substr(0, size_t(kMaxLine)));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

void TRichEditStrings::SetStrings(int index, const std::string& s) {
    if (index < 0) return;
    HWND h = edit_->Handle();
    LRESULT start = SendMessage(h, EM_LINEINDEX, WPARAM(index), 0);
    if (start < 0) return;
    LRESULT length = SendMessage(h, EM_LINELENGTH, WPARAM(start), 0);
    SendMessage(h, EM_SETSEL, WPARAM(start), LPARAM(start + length));
    SendMessage(h, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void TRichEditStrings::Insert(int index, const std::string& s) {
    if (index < 0) return;
    HWND h = edit_->Handle();
    std::string text;
    LRESULT at = SendMessage(h, EM_LINEINDEX, WPARAM(index), 0);
    if (at >= 0) {
        text = s + "\r\n";
    } else {
        at = SendMessage(h, EM_LINEINDEX, WPARAM(index - 1), 0);
        if (at < 0) return;
        LRESULT length = SendMessage(h, EM_LINELENGTH, WPARAM(at), 0);
        if (length == 0) return;
        at += length;
        text = "\r\n" + s;
    }
    SendMessage(h, EM_SETSEL, WPARAM(at), LPARAM(at));
    SendMessage(h, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (edit_->SelStart() != at + CharCount(text)) throw EOutOfResources(kInsertFail);
}

void TRichEditStrings::Delete(int index) {
    if (index < 0) return;
    HWND h = edit_->Handle();
    LRESULT start = SendMessage(h, EM_LINEINDEX, WPARAM(index), 0);
    if (start < 0) return;
    LRESULT next = SendMessage(h, EM_LINEINDEX, WPARAM(index + 1), 0);
    if (next < 0) next = start + SendMessage(h, EM_LINELENGTH, WPARAM(start), 0);
    SendMessage(h, EM_SETSEL, WPARAM(start), LPARAM(next));
    SendMessage(h, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(""));
}

void TRichEditStrings::Clear() { edit_->SetText(""); }

void TRichEditStrings::AddStrings(const TStrings* strings) {
    EventOff<TNotifyEvent> off(edit_->OnSelectionChange);
    TStrings::AddStrings(strings);
}

void TRichEditStrings::SetText(std::string_view text) {
    HWND h = edit_->Handle();
    LRESULT mask = SendMessage(h, EM_GETEVENTMASK, 0, 0);
    SendMessage(h, EM_SETEVENTMASK, 0, mask & ~LRESULT(ENM_CHANGE));
    std::string t(text);
    SendMessage(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.c_str()));
    SendMessage(h, EM_SETEVENTMASK, 0, mask);
}

void TRichEditStrings::SetUpdateState(bool updating) {
    if (!edit_->Showing()) return;
    SendMessage(edit_->Handle(), WM_SETREDRAW, updating ? FALSE : TRUE, 0);
    if (!updating) {
        edit_->Refresh();
        edit_->Perform(CM_TEXTCHANGED, 0, 0);
    }
}

void TRichEditStrings::LoadFromStream(TStream& stream) {
    HWND h = edit_->Handle();
    std::int64_t position = stream.Position();
    InCookie cookie{&stream};
    EDITSTREAM es;
    es.dwCookie = reinterpret_cast<UINT_PTR>(&cookie);
    es.pfnCallback = &ReadCallback;
    WPARAM format = edit_->PlainText() ? SF_TEXT : SF_RTF;
    SendMessage(h, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
    if (format == SF_RTF && es.dwError != 0) {
        // Not rich text: the same bytes as plain text.
        try {
            stream.SetPosition(position);
        } catch (...) {
            throw EOutOfResources(kLoadFail);
        }
        cookie = InCookie{&stream};
        es.dwError = 0;
        SendMessage(h, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&es));
        if (es.dwError != 0) throw EOutOfResources(kLoadFail);
    } else if (es.dwError != 0) {
        throw EOutOfResources(kLoadFail);
    }
}

void TRichEditStrings::SaveToStream(TStream& stream) const {
    EDITSTREAM es;
    es.dwCookie = reinterpret_cast<UINT_PTR>(&stream);
    es.pfnCallback = &WriteCallback;
    SendMessage(edit_->Handle(), EM_STREAMOUT, edit_->PlainText() ? SF_TEXT : SF_RTF, reinterpret_cast<LPARAM>(&es));
    if (es.dwError != 0) throw EOutOfResources(kSaveFail);
}

// --- the edit ---

TCustomRichEdit::TCustomRichEdit(TComponent* owner)
    : TCustomMemo(owner), lines_(std::make_unique<TRichEditStrings>(this)),
      selAttributes_(std::make_unique<TTextAttributes>(this, atSelected)),
      defAttributes_(std::make_unique<TTextAttributes>(this, atDefaultText)),
      paragraph_(std::make_unique<TParaAttributes>(this)) {}

TCustomRichEdit::~TCustomRichEdit() = default;

void TCustomRichEdit::Publish(TPublisher& p) {
    using C = TCustomRichEdit;
    p.Object("Lines", &C::Lines, &C::SetLines);
    p.Boolean("PlainText", &C::PlainText, &C::SetPlainText).Default(false);
    p.Event("OnSelectionChange", &C::OnSelectionChange);
}

void TRichEdit::Publish(TPublisher&) {}

void TCustomRichEdit::CreateParams(TCreateParams& p) {
    TCustomMemo::CreateParams(p);
    RegisterRichEditClass();
    WNDCLASS wc;
    if (GetClassInfo(WC_RICHEDIT, &wc)) {
        defProc_ = wc.lpfnWndProc;
        p.WindowClass.hCursor = wc.hCursor;
    }
    if (!p.WndParent && parentWindow_) p.WndParent = parentWindow_;
}

void TCustomRichEdit::InitializeWindow() {
    TCustomMemo::InitializeWindow();
    if (!keptRtf_.empty()) {
        TStringStream s(std::move(keptRtf_));
        keptRtf_.clear();
        bool plain = plainText_;
        plainText_ = false;
        lines_->LoadFromStream(s);
        plainText_ = plain;
    }
    SendMessage(handle_, EM_SETEVENTMASK, 0, LPARAM(ENM_CHANGE | ENM_SELCHANGE));
    SendMessage(handle_, EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(Color())));
}

void TCustomRichEdit::DestroyWnd() {
    if (handle_ && !ComponentState().Contains(csDestroying)) {
        // The window takes its formatting with it: keep it as rich text.
        TStringStream s;
        bool plain = plainText_;
        plainText_ = false;
        lines_->SaveToStream(s);
        plainText_ = plain;
        keptRtf_ = s.DataString();
    }
    TCustomMemo::DestroyWnd();
}

int TCustomRichEdit::FindText(const std::string& text, int start, int length, TSearchTypes options) {
    FINDTEXTEX ft;
    ft.chrg = {start, length < 0 ? -1 : start + length};
    ft.lpstrText = text;
    WPARAM flags = FR_DOWN;
    if (options.Contains(stWholeWord)) flags |= FR_WHOLEWORD;
    if (options.Contains(stMatchCase)) flags |= FR_MATCHCASE;
    return int(SendMessage(Handle(), EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&ft)));
}

std::string TCustomRichEdit::SelText() {
    std::string t;
    SendMessage(Handle(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

void TCustomRichEdit::SelectionChange() {
    if (OnSelectionChange) OnSelectionChange(this);
}

void TCustomRichEdit::Dispatch(Message& msg) {
    if (msg.Msg == CN_NOTIFY) {
        auto* sc = reinterpret_cast<SELCHANGE*>(msg.LParam);
        if (sc && sc->code == EN_SELCHANGE) SelectionChange();
        msg.Result = 0;
        return;
    }
    if (msg.Msg == CM_COLORCHANGED && handle_) SendMessage(handle_, EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(Color())));
    TCustomMemo::Dispatch(msg);
}

} // namespace tv
