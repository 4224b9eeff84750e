// The edit window procedure.
#include <algorithm>
#include <memory>

#include "core/strutils.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/edit.h"
#include "platform/controls/editbuffer.h"
#include "platform/controls/editlayout.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

struct EditState {
    EditBuffer buf;
    HFONT font = nullptr;
    int limit = EDIT_DEFAULT_LIMIT;
    char32_t passwordChar = 0;
    bool modified = false;
    bool focused = false;
    bool tracking = false;
    int leftMargin = 1, rightMargin = 1;
    bool rectSet = false;
    RECT rect;          // the formatting rectangle, client coordinates
    int scrollX = 0;    // pixels scrolled off the left
    int firstLine = 0;  // first shown line (several lines)
    std::vector<EditLine> lines;
    bool layoutDirty = true;
};

const WindowStateProp<EditState> kState{"TvEditState"};
EditState* State(HWND wnd) { return kState.Get(wnd); }
DWORD Style(HWND wnd) { return DWORD(GetWindowLong(wnd, GWL_STYLE)); }
bool Multi(HWND wnd) { return Style(wnd) & ES_MULTILINE; }
bool Wraps(HWND wnd) { return Multi(wnd) && !(Style(wnd) & ES_AUTOHSCROLL) && !(Style(wnd) & WS_HSCROLL); }
bool ReadOnly(HWND wnd) { return Style(wnd) & ES_READONLY; }

RECT FormatRect(HWND wnd, EditState& s) {
    if (s.rectSet) return s.rect;
    RECT r;
    GetClientRect(wnd, &r);
    r.left += s.leftMargin;
    r.right -= s.rightMargin;
    if (r.right < r.left) r.right = r.left;
    return r;
}

// What the window shows in place of the text: the password character, and
// on one line a blank for each character of a line break.
std::u32string Shown(HWND wnd, EditState& s) {
    if (Multi(wnd)) return s.buf.Text();
    if (s.passwordChar) return std::u32string(s.buf.Text().size(), s.passwordChar);
    std::u32string t = s.buf.Text();
    for (char32_t& c : t)
        if (IsLineBreakChar(c)) c = U' ';
    return t;
}

void Layout(HWND wnd, EditState& s, const EditMeasure& m) {
    if (!s.layoutDirty) return;
    if (!Multi(wnd)) s.lines = {{0, s.buf.Length()}};
    else s.lines = LayoutEditLines(s.buf.Text(), m, Wraps(wnd) ? FormatRect(wnd, s).Width() : 0);
    s.layoutDirty = false;
}

int VisibleLines(HWND wnd, EditState& s, const EditMeasure& m) {
    return std::max(1, FormatRect(wnd, s).Height() / m.LineHeight());
}

// x of the line's start inside the formatting rectangle, by alignment.
int LineOffset(HWND wnd, EditState& s, const EditMeasure& m, const std::u32string& shown, const EditLine& l) {
    RECT r = FormatRect(wnd, s);
    int w = m.Width(std::u32string_view(shown).substr(size_t(l.start), size_t(l.end - l.start)));
    DWORD align = Style(wnd) & (ES_CENTER | ES_RIGHT);
    // A window of a right-to-left control is right aligned unless it says otherwise.
    if (align == 0 && (GetWindowLong(wnd, GWL_EXSTYLE) & WS_EX_RIGHT)) align = ES_RIGHT;
    if (align == ES_RIGHT) return std::max(0, r.Width() - w - 1);
    if (align == ES_CENTER) return std::max(0, (r.Width() - w) / 2);
    return 0;
}

POINT PosFromChar(HWND wnd, EditState& s, const EditMeasure& m, int pos) {
    Layout(wnd, s, m);
    std::u32string shown = Shown(wnd, s);
    int li = EditLineOf(s.lines, pos);
    const EditLine& l = s.lines[size_t(li)];
    int p = std::min(pos, l.end);
    RECT r = FormatRect(wnd, s);
    int x = r.left + LineOffset(wnd, s, m, shown, l) - s.scrollX +
            m.Width(std::u32string_view(shown).substr(size_t(l.start), size_t(p - l.start)));
    int y = r.top + (li - s.firstLine) * m.LineHeight();
    return {x, y};
}

// A wrapped line ends where the next begins: a position at its end would
// show on the next line, so it stops before the line's closing blank.
int KeepOnLine(const std::vector<EditLine>& lines, int li, int pos) {
    const EditLine& l = lines[size_t(li)];
    if (pos == l.end && pos > l.start && size_t(li) + 1 < lines.size() && lines[size_t(li) + 1].start == pos) return pos - 1;
    return pos;
}

int CharFromPos(HWND wnd, EditState& s, const EditMeasure& m, POINT pt) {
    Layout(wnd, s, m);
    std::u32string shown = Shown(wnd, s);
    RECT r = FormatRect(wnd, s);
    int li = s.firstLine + (pt.y - r.top) / m.LineHeight();
    if (pt.y < r.top) li = s.firstLine - 1;
    li = std::clamp(li, 0, int(s.lines.size()) - 1);
    const EditLine& l = s.lines[size_t(li)];
    int x = pt.x - r.left - LineOffset(wnd, s, m, shown, l) + s.scrollX;
    return KeepOnLine(s.lines, li,
                      l.start + EditCharAtX(std::u32string_view(shown).substr(size_t(l.start), size_t(l.end - l.start)), m, x));
}

void Notify(HWND wnd, WORD code) {
    HWND parent = GetParent(wnd);
    if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), code), reinterpret_cast<LPARAM>(wnd));
}

void ScrollCaret(HWND wnd, EditState& s) {
    EditMeasure m(s.font);
    Layout(wnd, s, m);
    RECT r = FormatRect(wnd, s);
    if (Multi(wnd)) {
        int li = EditLineOf(s.lines, s.buf.Caret());
        int vis = VisibleLines(wnd, s, m);
        int first = s.firstLine;
        if (li < first) first = li;
        else if (li >= first + vis) first = li - vis + 1;
        first = std::clamp(first, 0, std::max(0, int(s.lines.size()) - 1));
        if (first != s.firstLine) {
            s.firstLine = first;
            Notify(wnd, EN_VSCROLL);
        }
        if (Wraps(wnd)) {
            s.scrollX = 0;
            return;
        }
    }
    std::u32string shown = Shown(wnd, s);
    const EditLine& l = s.lines[size_t(EditLineOf(s.lines, s.buf.Caret()))];
    int lineW = m.Width(std::u32string_view(shown).substr(size_t(l.start), size_t(l.end - l.start)));
    int caretX = m.Width(std::u32string_view(shown).substr(size_t(l.start), size_t(s.buf.Caret() - l.start)));
    int w = std::max(1, r.Width() - 1);
    int sx = s.scrollX;
    if (caretX < sx) sx = std::max(0, caretX - w / 4);
    else if (caretX > sx + w) sx = caretX - w + w / 4;
    if (lineW <= w) sx = 0;
    if (sx != s.scrollX) {
        s.scrollX = sx;
        Notify(wnd, EN_HSCROLL);
    }
}

void Changed(HWND wnd, EditState& s, bool notify) {
    s.layoutDirty = true;
    s.modified = true;
    ScrollCaret(wnd, s);
    InvalidateRect(wnd, nullptr, TRUE);
    if (notify) {
        Notify(wnd, EN_UPDATE);
        Notify(wnd, EN_CHANGE);
    }
}

void SelectionMoved(HWND wnd, EditState& s) {
    ScrollCaret(wnd, s);
    InvalidateRect(wnd, nullptr, TRUE);
}

// Text arriving from the keyboard or the clipboard: characters the window
// cannot hold are dropped, case and digits follow the style.
std::u32string Admit(HWND wnd, std::u32string_view in, bool* refused) {
    DWORD st = Style(wnd);
    bool multi = st & ES_MULTILINE;
    std::u32string out;
    for (size_t i = 0; i < in.size(); ++i) {
        char32_t c = in[i];
        if (c == U'\r' || c == U'\n') {
            if (!multi) break; // one line only: the rest of a pasted text is left out
            if (c == U'\r' && i + 1 < in.size() && in[i + 1] == U'\n') ++i;
            out += U"\r\n";
            continue;
        }
        if (c == U'\t' && multi) {
            out += c;
            continue;
        }
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0xFFFD || (c >= 0xD800 && c <= 0xDFFF)) continue;
        if ((st & ES_NUMBER) && !(c >= U'0' && c <= U'9')) {
            if (refused) *refused = true;
            continue;
        }
        if (st & ES_UPPERCASE) c = CharUpper(c);
        else if (st & ES_LOWERCASE) c = CharLower(c);
        out += c;
    }
    return out;
}

bool InsertText(HWND wnd, EditState& s, std::u32string text, bool typing, bool notify) {
    bool clipped = false;
    EditBuffer before = s.buf;
    s.buf.SaveUndo(typing);
    if (!s.buf.ReplaceSelection(std::move(text), s.limit, &clipped)) {
        s.buf = before;
        if (clipped) Notify(wnd, EN_MAXTEXT);
        return false;
    }
    Changed(wnd, s, notify);
    if (clipped) Notify(wnd, EN_MAXTEXT);
    return true;
}

void Copy(HWND wnd, EditState& s) {
    if (!s.buf.HasSelection() || (s.passwordChar && !Multi(wnd))) return;
    if (!OpenClipboard(wnd)) return;
    EmptyClipboard();
    SetClipboardText(Utf32ToUtf8(s.buf.Selected()));
    CloseClipboard();
}

void Paste(HWND wnd, EditState& s) {
    if (ReadOnly(wnd)) return;
    std::string text;
    if (!OpenClipboard(wnd)) return;
    bool got = GetClipboardText(text);
    CloseClipboard();
    if (!got) return;
    InsertText(wnd, s, Admit(wnd, Utf8ToUtf32(text), nullptr), false, true);
}

void Cut(HWND wnd, EditState& s) {
    if (ReadOnly(wnd) || !s.buf.HasSelection()) return;
    Copy(wnd, s);
    if (s.passwordChar && !Multi(wnd)) return;
    s.buf.SaveUndo(false);
    s.buf.DeleteBack(false);
    Changed(wnd, s, true);
}

void Clear(HWND wnd, EditState& s) {
    if (ReadOnly(wnd) || !s.buf.HasSelection()) return;
    s.buf.SaveUndo(false);
    s.buf.DeleteBack(false);
    Changed(wnd, s, true);
}

void MoveVertically(HWND wnd, EditState& s, int lines, bool extend) {
    EditMeasure m(s.font);
    Layout(wnd, s, m);
    POINT p = PosFromChar(wnd, s, m, s.buf.Caret());
    int li = EditLineOf(s.lines, s.buf.Caret()) + lines;
    li = std::clamp(li, 0, int(s.lines.size()) - 1);
    RECT r = FormatRect(wnd, s);
    // Aimed at the wanted line directly: it may be out of view.
    const EditLine& l = s.lines[size_t(li)];
    std::u32string shown = Shown(wnd, s);
    int x = p.x - r.left - LineOffset(wnd, s, m, shown, l) + s.scrollX;
    int pos = l.start + EditCharAtX(std::u32string_view(shown).substr(size_t(l.start), size_t(l.end - l.start)), m, x);
    s.buf.MoveTo(KeepOnLine(s.lines, li, pos), extend);
}

void KeyDown(HWND wnd, EditState& s, int vk) {
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    bool multi = Multi(wnd);
    const EditBuffer& b = s.buf;
    switch (vk) {
    case VK_LEFT:
        if (b.HasSelection() && !shift) s.buf.MoveTo(b.SelStart(), false);
        else s.buf.MoveTo(ctrl ? b.PrevWordStart(b.Caret()) : b.CharLeft(b.Caret()), shift);
        break;
    case VK_RIGHT:
        if (b.HasSelection() && !shift) s.buf.MoveTo(b.SelEnd(), false);
        else s.buf.MoveTo(ctrl ? b.NextWordStart(b.Caret()) : b.CharRight(b.Caret()), shift);
        break;
    case VK_UP: case VK_DOWN:
        if (!multi) {
            KeyDown(wnd, s, vk == VK_UP ? VK_LEFT : VK_RIGHT);
            return;
        }
        MoveVertically(wnd, s, vk == VK_UP ? -1 : 1, shift);
        break;
    case VK_PRIOR: case VK_NEXT: {
        if (!multi) return;
        EditMeasure m(s.font);
        int page = VisibleLines(wnd, s, m);
        MoveVertically(wnd, s, vk == VK_PRIOR ? -page : page, shift);
        break;
    }
    case VK_HOME: {
        int pos = 0;
        if (multi && !ctrl) {
            EditMeasure m(s.font);
            Layout(wnd, s, m);
            pos = s.lines[size_t(EditLineOf(s.lines, b.Caret()))].start;
        }
        s.buf.MoveTo(pos, shift);
        break;
    }
    case VK_END: {
        int pos = b.Length();
        if (multi && !ctrl) {
            EditMeasure m(s.font);
            Layout(wnd, s, m);
            int li = EditLineOf(s.lines, b.Caret());
            pos = KeepOnLine(s.lines, li, s.lines[size_t(li)].end);
        }
        s.buf.MoveTo(pos, shift);
        break;
    }
    case VK_DELETE:
        if (shift) {
            Cut(wnd, s);
            return;
        }
        if (ReadOnly(wnd)) return;
        s.buf.SaveUndo(false);
        if (s.buf.DeleteForward(ctrl)) Changed(wnd, s, true);
        return;
    case VK_INSERT:
        if (ctrl) Copy(wnd, s);
        else if (shift) Paste(wnd, s);
        return;
    default:
        return;
    }
    SelectionMoved(wnd, s);
}

void Char(HWND wnd, EditState& s, char32_t c) {
    switch (c) {
    case 1: // Ctrl+A
        s.buf.SetSel(0, -1);
        SelectionMoved(wnd, s);
        return;
    case 3: Copy(wnd, s); return;
    case 22: Paste(wnd, s); return;
    case 24: Cut(wnd, s); return;
    case 26:
        SendMessage(wnd, WM_UNDO, 0, 0);
        return;
    case 8: case 0x7F:
        if (ReadOnly(wnd)) return;
        s.buf.SaveUndo(false);
        if (s.buf.DeleteBack(c == 0x7F)) Changed(wnd, s, true);
        return;
    case 13: case 10:
        if (!Multi(wnd) || ReadOnly(wnd)) return;
        InsertText(wnd, s, U"\r\n", false, true);
        return;
    default:
        break;
    }
    if (ReadOnly(wnd)) return;
    bool refused = false;
    std::u32string t = Admit(wnd, std::u32string(1, c), &refused);
    if (t.empty()) return;
    InsertText(wnd, s, t, true, true);
}

void Paint(HWND wnd, EditState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(wnd, &ps);
    EditMeasure m(s.font);
    Layout(wnd, s, m);
    RECT client;
    GetClientRect(wnd, &client);
    bool enabled = IsWindowEnabled(wnd);
    bool ro = ReadOnly(wnd);
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(ro || !enabled ? COLOR_BTNFACE : COLOR_WINDOW));
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(wnd))
        brush = reinterpret_cast<HBRUSH>(SendMessage(parent, (ro || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(wnd)));
    if (brush) {
        FillRect(dc, &client, brush);
    } else {
        HBRUSH b = CreateSolidBrush(GetBkColor(dc));
        FillRect(dc, &client, b);
        DeleteObject(b);
    }
    // A disabled edit shows grey text whatever colour its parent asked for.
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    COLORREF text = GetTextColor(dc);
    RECT r = FormatRect(wnd, s);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetBkMode(dc, TRANSPARENT);
    std::u32string shown = Shown(wnd, s);
    bool showSel = s.buf.HasSelection() && (s.focused || (Style(wnd) & ES_NOHIDESEL));
    int vis = VisibleLines(wnd, s, m) + 1;
    for (int li = s.firstLine; li < int(s.lines.size()) && li < s.firstLine + vis; ++li) {
        const EditLine& l = s.lines[size_t(li)];
        std::u32string_view line = std::u32string_view(shown).substr(size_t(l.start), size_t(l.end - l.start));
        int x0 = r.left + LineOffset(wnd, s, m, shown, l) - s.scrollX;
        int y = r.top + (li - s.firstLine) * m.LineHeight();
        SetTextColor(dc, text);
        TextOut(dc, x0, y, Utf32ToUtf8(line));
        if (showSel) {
            int a = std::clamp(s.buf.SelStart(), l.start, l.end), e = std::clamp(s.buf.SelEnd(), l.start, l.end);
            if (a < e) {
                int xa = x0 + m.Width(line.substr(0, size_t(a - l.start)));
                int xe = x0 + m.Width(line.substr(0, size_t(e - l.start)));
                RECT sr{xa, y, xe, y + m.LineHeight()};
                HBRUSH hb = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
                FillRect(dc, &sr, hb);
                DeleteObject(hb);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
                TextOut(dc, xa, y, Utf32ToUtf8(line.substr(size_t(a - l.start), size_t(e - a))));
            }
        }
    }
    if (s.focused) {
        POINT p = PosFromChar(wnd, s, m, s.buf.Caret());
        RECT cr{p.x, p.y, p.x + 1, p.y + m.LineHeight()};
        HBRUSH cb = CreateSolidBrush(text);
        FillRect(dc, &cr, cb);
        DeleteObject(cb);
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
    if (!given) EndPaint(wnd, &ps);
}

void SetTextFrom(HWND wnd, EditState& s, const char* text) {
    // One line keeps a text's line breaks too (shown as blanks): a text
    // edited there comes back whole.
    s.buf.SetText(Utf8ToUtf32(text ? text : ""));
    s.modified = false;
    s.scrollX = 0;
    s.firstLine = 0;
    s.layoutDirty = true;
    ScrollCaret(wnd, s);
    InvalidateRect(wnd, nullptr, TRUE);
}

LRESULT EditProc(HWND wnd, EditState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        if (auto* cs = reinterpret_cast<CREATESTRUCT*>(lp)) {
            if (!(cs->style & ES_MULTILINE) && (cs->style & ES_PASSWORD)) s.passwordChar = U'*';
            SetTextFrom(wnd, s, cs->lpszName.c_str());
        }
        return DefWindowProc(wnd, msg, wp, lp);
    case WM_GETTEXT: {
        std::string t = s.buf.Utf8();
        if (auto* out = reinterpret_cast<std::string*>(lp)) *out = t;
        return LRESULT(t.size());
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(s.buf.Utf8().size());
    case WM_SETTEXT:
        SetTextFrom(wnd, s, reinterpret_cast<const char*>(lp));
        return TRUE;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        s.layoutDirty = true;
        if (LOWORD(lp)) InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_SIZE:
        s.layoutDirty = true;
        ScrollCaret(wnd, s);
        return DefWindowProc(wnd, msg, wp, lp);
    case WM_STYLECHANGED:
        s.layoutDirty = true;
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (Multi(wnd)) code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(wnd, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_PRINTCLIENT:
        Paint(wnd, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_SETFOCUS:
        s.focused = true;
        InvalidateRect(wnd, nullptr, TRUE);
        Notify(wnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        s.buf.EndTyping();
        InvalidateRect(wnd, nullptr, TRUE);
        Notify(wnd, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case WM_KEYDOWN:
        KeyDown(wnd, s, int(wp));
        return 0;
    case WM_CHAR:
        Char(wnd, s, char32_t(wp));
        return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: {
        if (GetFocus() != wnd) SetFocus(wnd);
        EditMeasure m(s.font);
        int pos = CharFromPos(wnd, s, m, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (msg == WM_LBUTTONDBLCLK) {
            int a, e;
            s.buf.WordAt(pos, &a, &e);
            s.buf.SetSel(a, e);
        } else {
            s.buf.MoveTo(pos, (wp & MK_SHIFT) != 0);
            s.tracking = true;
            SetCapture(wnd);
        }
        SelectionMoved(wnd, s);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s.tracking && GetCapture() == wnd) {
            EditMeasure m(s.font);
            s.buf.MoveTo(CharFromPos(wnd, s, m, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}), true);
            SelectionMoved(wnd, s);
        }
        return 0;
    case WM_LBUTTONUP:
        if (s.tracking) {
            s.tracking = false;
            if (GetCapture() == wnd) ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        s.tracking = false;
        return 0;
    case WM_MOUSEWHEEL:
        if (Multi(wnd)) {
            int lines = -std::int16_t(HIWORD(wp)) / WHEEL_DELTA * 3;
            SendMessage(wnd, EM_LINESCROLL, 0, lines);
            return 0;
        }
        return DefWindowProc(wnd, msg, wp, lp);
    case WM_CUT: Cut(wnd, s); return 0;
    case WM_COPY: Copy(wnd, s); return 0;
    case WM_PASTE: Paste(wnd, s); return 0;
    case WM_CLEAR: Clear(wnd, s); return 0;
    case WM_UNDO: case EM_UNDO:
        if (ReadOnly(wnd) || !s.buf.Undo()) return FALSE;
        Changed(wnd, s, true);
        return TRUE;
    case EM_CANUNDO:
        return s.buf.CanUndo();
    case EM_EMPTYUNDOBUFFER:
        s.buf.EmptyUndo();
        return 0;
    case EM_GETSEL: {
        if (auto* a = reinterpret_cast<DWORD*>(wp)) *a = DWORD(s.buf.SelStart());
        if (auto* e = reinterpret_cast<DWORD*>(lp)) *e = DWORD(s.buf.SelEnd());
        return LRESULT(MAKELPARAM(std::min(s.buf.SelStart(), 0xFFFF), std::min(s.buf.SelEnd(), 0xFFFF)));
    }
    case EM_SETSEL:
        s.buf.SetSel((long long)(std::int32_t)(std::intptr_t)wp, (long long)(std::int32_t)lp);
        SelectionMoved(wnd, s);
        return 0;
    case EM_REPLACESEL: {
        std::u32string t = Admit(wnd, Utf8ToUtf32(lp ? reinterpret_cast<const char*>(lp) : ""), nullptr);
        if (wp) InsertText(wnd, s, std::move(t), false, true);
        else {
            bool clipped = false;
            if (s.buf.ReplaceSelection(std::move(t), s.limit, &clipped)) Changed(wnd, s, true);
            if (clipped) Notify(wnd, EN_MAXTEXT);
        }
        return 0;
    }
    case EM_GETRECT:
        if (auto* r = reinterpret_cast<RECT*>(lp)) *r = FormatRect(wnd, s);
        return 0;
    case EM_SETRECT: case EM_SETRECTNP:
        if (auto* r = reinterpret_cast<const RECT*>(lp)) {
            s.rect = *r;
            s.rectSet = true;
        } else s.rectSet = false;
        s.layoutDirty = true;
        if (msg == EM_SETRECT) InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret(wnd, s);
        InvalidateRect(wnd, nullptr, TRUE);
        return TRUE;
    case EM_LINESCROLL: {
        if (!Multi(wnd)) return FALSE;
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        s.firstLine = std::clamp(s.firstLine + int(lp), 0, std::max(0, int(s.lines.size()) - 1));
        InvalidateRect(wnd, nullptr, TRUE);
        return TRUE;
    }
    case EM_SCROLL: {
        if (!Multi(wnd)) return 0;
        EditMeasure m(s.font);
        int page = VisibleLines(wnd, s, m), d = 0;
        switch (LOWORD(wp)) {
        case SB_LINEUP: d = -1; break;
        case SB_LINEDOWN: d = 1; break;
        case SB_PAGEUP: d = -page; break;
        case SB_PAGEDOWN: d = page; break;
        }
        int before = s.firstLine;
        SendMessage(wnd, EM_LINESCROLL, 0, d);
        return MAKELPARAM(s.firstLine - before, TRUE);
    }
    case EM_GETFIRSTVISIBLELINE:
        return Multi(wnd) ? s.firstLine : 0;
    case EM_GETMODIFY:
        return s.modified;
    case EM_SETMODIFY:
        s.modified = wp != 0;
        return 0;
    case EM_GETLINECOUNT: {
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        return LRESULT(s.lines.size());
    }
    case EM_LINEINDEX: {
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        int li = int(std::intptr_t(wp));
        if (li == -1) li = EditLineOf(s.lines, s.buf.Caret());
        if (li < 0 || li >= int(s.lines.size())) return -1;
        return s.lines[size_t(li)].start;
    }
    case EM_LINEFROMCHAR: {
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        int pos = int(std::intptr_t(wp));
        if (pos < 0) pos = s.buf.Caret();
        return EditLineOf(s.lines, std::min(pos, s.buf.Length()));
    }
    case EM_LINELENGTH: {
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        int pos = int(std::intptr_t(wp));
        if (pos < 0) pos = s.buf.Caret();
        const EditLine& l = s.lines[size_t(EditLineOf(s.lines, std::min(pos, s.buf.Length())))];
        return l.end - l.start;
    }
    case EM_GETLINE: {
        EditMeasure m(s.font);
        Layout(wnd, s, m);
        int li = int(wp);
        auto* out = reinterpret_cast<std::string*>(lp);
        if (li < 0 || li >= int(s.lines.size()) || !out) return 0;
        const EditLine& l = s.lines[size_t(li)];
        *out = Utf32ToUtf8(s.buf.Text().substr(size_t(l.start), size_t(l.end - l.start)));
        return l.end - l.start;
    }
    case EM_LIMITTEXT: {
        long long v = (long long)wp;
        s.limit = (v <= 0 || v > EDIT_MAX_LIMIT) ? EDIT_MAX_LIMIT : int(v);
        return 0;
    }
    case EM_GETLIMITTEXT:
        return s.limit;
    case EM_SETPASSWORDCHAR:
        if (Multi(wnd)) return 0;
        s.passwordChar = char32_t(wp);
        SetWindowLong(wnd, GWL_STYLE, wp ? (Style(wnd) | ES_PASSWORD) : (Style(wnd) & ~ES_PASSWORD));
        s.layoutDirty = true;
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case EM_GETPASSWORDCHAR:
        return LRESULT(s.passwordChar);
    case EM_SETREADONLY:
        SetWindowLong(wnd, GWL_STYLE, wp ? (Style(wnd) | ES_READONLY) : (Style(wnd) & ~ES_READONLY));
        InvalidateRect(wnd, nullptr, TRUE);
        return TRUE;
    case EM_SETMARGINS: {
        if (wp & EC_LEFTMARGIN) s.leftMargin = LOWORD(lp) == EC_USEFONTINFO ? 1 : LOWORD(lp);
        if (wp & EC_RIGHTMARGIN) s.rightMargin = HIWORD(lp) == EC_USEFONTINFO ? 1 : HIWORD(lp);
        s.layoutDirty = true;
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    }
    case EM_GETMARGINS:
        return MAKELPARAM(s.leftMargin, s.rightMargin);
    case EM_POSFROMCHAR: {
        EditMeasure m(s.font);
        if (int(wp) > s.buf.Length() || std::intptr_t(wp) < 0) return -1;
        POINT p = PosFromChar(wnd, s, m, int(wp));
        return MAKELPARAM(p.x, p.y);
    }
    case EM_CHARFROMPOS: {
        EditMeasure m(s.font);
        int pos = CharFromPos(wnd, s, m, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return MAKELPARAM(pos, EditLineOf(s.lines, pos));
    }
    default:
        return DefWindowProc(wnd, msg, wp, lp);
    }
}

} // namespace

void RegisterEditClass() {
    RegisterControlClass(WC_EDIT, CS_DBLCLKS, IDC_IBEAM, kState.Procedure(EditProc));
}

} // namespace tv::win
