// The rich-edit window procedure.
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/strutils.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/richedit.h"
#include "platform/controls/richeditdoc.h"
#include "platform/controls/richeditlayout.h"
#include "platform/controls/richeditrtf.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

constexpr int kMarginX = 2, kMarginY = 1;

struct ShownLine {
    int start = 0, end = 0; // end excludes the paragraph break
};

struct RichState {
    RichDocument doc;
    int anchor = 0, caret = 0;
    std::optional<RichCharFormat> pending; // what typing at an empty selection takes
    HFONT font = nullptr;
    int limit = RICHEDIT_DEFAULT_LIMIT;
    DWORD eventMask = ENM_NONE;
    bool modified = false, focused = false, tracking = false;
    bool sysBackground = true;
    COLORREF background = 0xFFFFFF;
    int scrollY = 0;
    double goalX = -1; // kept while moving up and down
    // Paragraphs laid out for showing.
    std::vector<std::unique_ptr<RichParagraphLayout>> layouts;
    std::vector<double> tops;
    double totalHeight = 0;
    int layoutWidth = -1;
    bool dirty = true;
    CHARRANGE lastSel{-1, -1};
};

const WindowStateProp<RichState> kState{"TvRichEditState"};
RichState* State(HWND wnd) { return kState.Get(wnd); }
DWORD Style(HWND wnd) { return DWORD(GetWindowLong(wnd, GWL_STYLE)); }
bool Wraps(HWND wnd) { return !(Style(wnd) & ES_AUTOHSCROLL) && !(Style(wnd) & WS_HSCROLL); }
bool ReadOnly(HWND wnd) { return Style(wnd) & ES_READONLY; }
int SelStart(const RichState& s) { return std::min(s.anchor, s.caret); }
int SelEnd(const RichState& s) { return std::max(s.anchor, s.caret); }

RECT FormatRect(HWND wnd) {
    RECT r;
    GetClientRect(wnd, &r);
    r.left += kMarginX;
    r.top += kMarginY;
    r.right = std::max(r.left, r.right - kMarginX);
    return r;
}

void Invalidate(RichState& s) {
    s.dirty = true;
    s.layouts.clear();
}

void EnsureLayout(HWND wnd, RichState& s) {
    int width = FormatRect(wnd).Width();
    if (!s.dirty && width == s.layoutWidth) return;
    s.layouts.clear();
    s.tops.clear();
    double y = 0;
    for (int p = 0; p < s.doc.ParagraphCount(); ++p) {
        s.layouts.push_back(std::make_unique<RichParagraphLayout>(s.doc, p, ScreenPixelsPerInch(), width, Wraps(wnd)));
        s.tops.push_back(y);
        y += s.layouts.back()->Height();
    }
    s.totalHeight = y;
    s.layoutWidth = width;
    s.dirty = false;
}

// The shown lines: paragraphs, or their rows when the window wraps.
std::vector<ShownLine> Lines(HWND wnd, RichState& s) {
    std::vector<ShownLine> out;
    if (!Wraps(wnd)) {
        for (int p = 0; p < s.doc.ParagraphCount(); ++p) out.push_back({s.doc.ParagraphStart(p), s.doc.ParagraphEnd(p)});
        return out;
    }
    EnsureLayout(wnd, s);
    for (const auto& l : s.layouts) {
        const auto& rows = l->Lines();
        for (size_t i = 0; i < rows.size(); ++i)
            out.push_back({rows[i].start, i + 1 < rows.size() ? rows[i + 1].start : l->End()});
    }
    return out;
}

int LineOfChar(const std::vector<ShownLine>& lines, int pos) {
    int found = 0;
    for (int i = 0; i < int(lines.size()); ++i)
        if (pos >= lines[size_t(i)].start) found = i;
    return found;
}

void NotifyCommand(HWND wnd, WORD code) {
    if (HWND parent = GetParent(wnd))
        SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), code), reinterpret_cast<LPARAM>(wnd));
}

void NotifySelection(HWND wnd, RichState& s) {
    CHARRANGE now{SelStart(s), SelEnd(s)};
    if (now.cpMin == s.lastSel.cpMin && now.cpMax == s.lastSel.cpMax) return;
    s.lastSel = now;
    if (!(s.eventMask & ENM_SELCHANGE)) return;
    HWND parent = GetParent(wnd);
    if (!parent) return;
    SELCHANGE sc;
    sc.hwndFrom = wnd;
    sc.idFrom = UINT_PTR(GetDlgCtrlID(wnd));
    sc.code = EN_SELCHANGE;
    sc.chrg = now;
    sc.seltyp = now.cpMin == now.cpMax ? 0 : 1;
    SendMessage(parent, WM_NOTIFY, WPARAM(sc.idFrom), reinterpret_cast<LPARAM>(&sc));
}

// The caret's line box in client coordinates.
RECT CaretBox(HWND wnd, RichState& s) {
    EnsureLayout(wnd, s);
    RECT r = FormatRect(wnd);
    int p = s.doc.ParagraphOf(s.caret);
    const RichParagraphLayout& l = *s.layouts[size_t(p)];
    const RichLayoutLine& line = l.Lines()[size_t(l.LineOf(s.caret))];
    double x = r.left + l.CaretX(s.caret);
    double top = r.top - s.scrollY + s.tops[size_t(p)] + line.top;
    return RECT{LONG(std::lround(x)), LONG(std::lround(top)), LONG(std::lround(x)) + 1,
                LONG(std::lround(top + line.height))};
}

void UpdateScrollBar(HWND wnd, RichState& s) {
    if (!(Style(wnd) & WS_VSCROLL)) return;
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = int(std::ceil(s.totalHeight));
    si.nPage = UINT(FormatRect(wnd).Height());
    si.nPos = s.scrollY;
    SetScrollInfo(wnd, SB_VERT, &si, TRUE);
}

void ScrollTo(HWND wnd, RichState& s, int y) {
    EnsureLayout(wnd, s);
    int most = std::max(0, int(std::ceil(s.totalHeight)) - FormatRect(wnd).Height());
    y = std::clamp(y, 0, most);
    if (y == s.scrollY) return;
    s.scrollY = y;
    UpdateScrollBar(wnd, s);
    InvalidateRect(wnd, nullptr, TRUE);
}

void ScrollCaret(HWND wnd, RichState& s) {
    if (!IsWindowVisible(wnd)) return; // a hidden window lays nothing out
    RECT c = CaretBox(wnd, s), r = FormatRect(wnd);
    if (c.top < r.top) ScrollTo(wnd, s, s.scrollY - (r.top - c.top));
    else if (c.bottom > r.bottom) ScrollTo(wnd, s, s.scrollY + (c.bottom - r.bottom));
}

void SelectionMoved(HWND wnd, RichState& s) {
    s.pending.reset();
    ScrollCaret(wnd, s);
    InvalidateRect(wnd, nullptr, TRUE);
    NotifySelection(wnd, s);
}

void Changed(HWND wnd, RichState& s) {
    Invalidate(s);
    s.modified = true;
    s.goalX = -1;
    if (IsWindowVisible(wnd)) {
        EnsureLayout(wnd, s);
        UpdateScrollBar(wnd, s);
        ScrollCaret(wnd, s);
    }
    InvalidateRect(wnd, nullptr, TRUE);
    if (s.eventMask & ENM_CHANGE) NotifyCommand(wnd, EN_CHANGE);
    NotifySelection(wnd, s);
}

void SetSelection(RichState& s, int anchor, int caret) {
    int n = s.doc.Length();
    s.anchor = std::clamp(anchor, 0, n);
    s.caret = std::clamp(caret, 0, n);
}

// The format new text takes in place of the selection.
RichCharFormat TypingFormat(const RichState& s) {
    if (s.anchor != s.caret) return s.doc.CharFormat(SelStart(s));
    if (s.pending) return *s.pending;
    return s.doc.InsertFormat(s.caret);
}

// Replaces the selection by as much of the text as the limit lets in; the
// caret goes after it.
bool ReplaceSelection(HWND wnd, RichState& s, std::u32string_view raw) {
    std::u32string text = NormalizeRichText(raw);
    int a = SelStart(s), b = SelEnd(s);
    int room = std::max(0, s.limit - (s.doc.Length() - (b - a)));
    if (int(text.size()) > room) {
        text.resize(size_t(room));
        NotifyCommand(wnd, EN_MAXTEXT);
    }
    if (text.empty() && a == b) return false;
    RichCharFormat f = TypingFormat(s);
    s.doc.Replace(a, b, text, f);
    SetSelection(s, a + int(text.size()), a + int(text.size()));
    s.pending.reset();
    Changed(wnd, s);
    return true;
}

void ReplaceSelectionRich(HWND wnd, RichState& s, const RichDocument& piece) {
    int a = SelStart(s), b = SelEnd(s);
    s.doc.Replace(a, b, piece);
    SetSelection(s, a + piece.Length(), a + piece.Length());
    s.pending.reset();
    Changed(wnd, s);
}

UINT RtfFormat() { return RegisterClipboardFormat("Rich Text Format"); }

void Copy(HWND wnd, RichState& s) {
    int a = SelStart(s), b = SelEnd(s);
    if (a == b || !OpenClipboard(wnd)) return;
    EmptyClipboard();
    std::string rtf = WriteRtf(s.doc, a, b);
    SetClipboardData(RtfFormat(), std::vector<BYTE>(rtf.begin(), rtf.end()));
    SetClipboardText(s.doc.Utf8(a, b));
    CloseClipboard();
}

void Paste(HWND wnd, RichState& s) {
    if (ReadOnly(wnd) || !OpenClipboard(wnd)) return;
    std::vector<BYTE> rtf;
    std::string text;
    bool rich = GetClipboardData(RtfFormat(), rtf);
    bool plain = !rich && GetClipboardText(text);
    CloseClipboard();
    if (rich) {
        std::optional<RichDocument> piece =
            ReadRtf(std::string_view(reinterpret_cast<const char*>(rtf.data()), rtf.size()), TypingFormat(s));
        if (piece) {
            int room = std::max(0, s.limit - (s.doc.Length() - (SelEnd(s) - SelStart(s))));
            if (piece->Length() > room) *piece = piece->Slice(0, room);
            ReplaceSelectionRich(wnd, s, *piece);
            return;
        }
    }
    if (plain) ReplaceSelection(wnd, s, Utf8ToUtf32(text));
}

void DeleteSelection(HWND wnd, RichState& s) {
    if (s.anchor == s.caret) return;
    ReplaceSelection(wnd, s, U"");
}

bool WordChar(char32_t c) { return IsLetter(c) || IsDigit(c) || c == U'_'; }

int PrevWord(const RichState& s, int pos) {
    const std::u32string& t = s.doc.Text();
    while (pos > 0 && !WordChar(t[size_t(pos - 1)])) --pos;
    while (pos > 0 && WordChar(t[size_t(pos - 1)])) --pos;
    return pos;
}

int NextWord(const RichState& s, int pos) {
    const std::u32string& t = s.doc.Text();
    int n = int(t.size());
    while (pos < n && WordChar(t[size_t(pos)])) ++pos;
    while (pos < n && !WordChar(t[size_t(pos)])) ++pos;
    return pos;
}

// The paragraph and row under a y of the format rectangle.
std::pair<int, int> RowAt(HWND wnd, RichState& s, double y) {
    EnsureLayout(wnd, s);
    double docY = y - FormatRect(wnd).top + s.scrollY;
    int p = 0;
    while (p + 1 < int(s.layouts.size()) && docY >= s.tops[size_t(p + 1)]) ++p;
    const auto& rows = s.layouts[size_t(p)]->Lines();
    double inPara = docY - s.tops[size_t(p)];
    int row = 0;
    while (row + 1 < int(rows.size()) && inPara >= rows[size_t(row + 1)].top) ++row;
    return {p, row};
}

int CharFromPoint(HWND wnd, RichState& s, POINT pt) {
    auto [p, row] = RowAt(wnd, s, pt.y);
    return s.layouts[size_t(p)]->CharAt(row, pt.x - FormatRect(wnd).left);
}

void MoveVertically(HWND wnd, RichState& s, int rows, bool extend) {
    EnsureLayout(wnd, s);
    int p = s.doc.ParagraphOf(s.caret);
    int row = s.layouts[size_t(p)]->LineOf(s.caret);
    if (s.goalX < 0) s.goalX = s.layouts[size_t(p)]->CaretX(s.caret);
    double goal = s.goalX;
    while (rows != 0) {
        if (rows < 0) {
            if (row > 0) --row;
            else if (p > 0) row = int(s.layouts[size_t(--p)]->Lines().size()) - 1;
            else break;
            ++rows;
        } else {
            if (row + 1 < int(s.layouts[size_t(p)]->Lines().size())) ++row;
            else if (p + 1 < int(s.layouts.size())) p++, row = 0;
            else break;
            --rows;
        }
    }
    int pos = s.layouts[size_t(p)]->CharAt(row, goal);
    SetSelection(s, extend ? s.anchor : pos, pos);
    SelectionMoved(wnd, s);
    s.goalX = goal;
}

void KeyDown(HWND wnd, RichState& s, int vk) {
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int a = SelStart(s), b = SelEnd(s), n = s.doc.Length();
    auto moveTo = [&](int pos) {
        SetSelection(s, shift ? s.anchor : pos, pos);
        SelectionMoved(wnd, s);
    };
    switch (vk) {
    case VK_LEFT:
        if (a != b && !shift) moveTo(a);
        else moveTo(ctrl ? PrevWord(s, s.caret) : std::max(0, s.caret - 1));
        return;
    case VK_RIGHT:
        if (a != b && !shift) moveTo(b);
        else moveTo(ctrl ? NextWord(s, s.caret) : std::min(n, s.caret + 1));
        return;
    case VK_UP: case VK_DOWN:
        MoveVertically(wnd, s, vk == VK_UP ? -1 : 1, shift);
        return;
    case VK_PRIOR: case VK_NEXT: {
        EnsureLayout(wnd, s);
        int p = s.doc.ParagraphOf(s.caret);
        double rowHeight = std::max(1.0, s.layouts[size_t(p)]->Lines()[0].height);
        int page = std::max(1, int(FormatRect(wnd).Height() / rowHeight));
        MoveVertically(wnd, s, vk == VK_PRIOR ? -page : page, shift);
        return;
    }
    case VK_HOME: case VK_END: {
        if (ctrl) {
            moveTo(vk == VK_HOME ? 0 : n);
            return;
        }
        std::vector<ShownLine> lines = Lines(wnd, s);
        const ShownLine& l = lines[size_t(LineOfChar(lines, s.caret))];
        int end = l.end;
        // A wrapped row ends where the next begins: stop before it.
        if (end < s.doc.Length() && s.doc.Text()[size_t(end)] != U'\r' && end > l.start) --end;
        moveTo(vk == VK_HOME ? l.start : end);
        return;
    }
    case VK_DELETE:
        if (shift) {
            Copy(wnd, s);
            if (!ReadOnly(wnd)) DeleteSelection(wnd, s);
            return;
        }
        if (ReadOnly(wnd)) return;
        if (a == b) {
            if (a >= n) return;
            SetSelection(s, a, ctrl ? NextWord(s, a) : a + 1);
        }
        DeleteSelection(wnd, s);
        return;
    case VK_INSERT:
        if (ctrl) Copy(wnd, s);
        else if (shift) Paste(wnd, s);
        return;
    default:
        return;
    }
}

void Char(HWND wnd, RichState& s, char32_t c) {
    switch (c) {
    case 1: // Ctrl+A
        SetSelection(s, 0, s.doc.Length());
        SelectionMoved(wnd, s);
        return;
    case 3: Copy(wnd, s); return;
    case 22: Paste(wnd, s); return;
    case 24:
        Copy(wnd, s);
        if (!ReadOnly(wnd)) DeleteSelection(wnd, s);
        return;
    case 8: case 0x7F: {
        if (ReadOnly(wnd)) return;
        if (s.anchor == s.caret) {
            if (s.caret == 0) return;
            SetSelection(s, c == 0x7F ? PrevWord(s, s.caret) : s.caret - 1, s.caret);
        }
        DeleteSelection(wnd, s);
        return;
    }
    case 13: case 10:
        if (!ReadOnly(wnd)) ReplaceSelection(wnd, s, U"\r");
        return;
    default:
        break;
    }
    if (ReadOnly(wnd) || (c < 0x20 && c != U'\t') || c == 0x7F) return;
    ReplaceSelection(wnd, s, std::u32string(1, c));
}

COLORREF Background(RichState& s) { return s.sysBackground ? GetSysColor(COLOR_WINDOW) : s.background; }

void Paint(HWND wnd, RichState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(wnd, &ps);
    EnsureLayout(wnd, s);
    RECT client;
    GetClientRect(wnd, &client);
    HBRUSH bg = CreateSolidBrush(IsWindowEnabled(wnd) ? Background(s) : GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &client, bg);
    DeleteObject(bg);
    RECT r = FormatRect(wnd);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    COLORREF text = GetSysColor(IsWindowEnabled(wnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    bool showSel = s.anchor != s.caret && (s.focused || (Style(wnd) & ES_NOHIDESEL));
    int a = SelStart(s), b = SelEnd(s);
    auto lines = std::make_shared<std::vector<RichDrawnLine>>();
    std::vector<std::pair<RECT, RichDrawnLine>> selected;
    for (size_t p = 0; p < s.layouts.size(); ++p) {
        const RichParagraphLayout& l = *s.layouts[p];
        double top = r.top - s.scrollY + s.tops[p];
        if (top + l.Height() < r.top) continue;
        if (top > r.bottom) break;
        for (int row = 0; row < int(l.Lines().size()); ++row) {
            const RichLayoutLine& line = l.Lines()[size_t(row)];
            RichDrawnLine drawn = l.Drawn(row, r.left, top);
            lines->push_back(drawn);
            int rowEnd = row + 1 < int(l.Lines().size()) ? l.Lines()[size_t(row + 1)].start : l.End();
            if (!showSel || b <= line.start || a > rowEnd) continue;
            int from = std::max(a, line.start), to = std::min(b, rowEnd);
            auto ranges = l.Ranges(row, from, to);
            // A selected paragraph break shows as a little room after the line.
            if (b > l.End() && to == l.End() && row + 1 == int(l.Lines().size())) {
                double x = ranges.empty() ? l.CaretX(l.End()) : ranges.back().second;
                ranges.push_back({x, x + 4});
            }
            for (auto [x0, x1] : ranges) {
                RECT box{LONG(std::lround(r.left + x0)), LONG(std::lround(top + line.top)),
                         LONG(std::lround(r.left + x1)), LONG(std::lround(top + line.top + line.height))};
                selected.push_back({box, drawn});
            }
        }
    }
    HBRUSH hl = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    for (auto& sel : selected) FillRect(dc, &sel.first, hl);
    DeleteObject(hl);
    DrawRichLines(dc, lines, text);
    for (auto& sel : selected) {
        int inner = SaveDC(dc);
        IntersectClipRect(dc, sel.first.left, sel.first.top, sel.first.right, sel.first.bottom);
        DrawRichLines(dc, std::make_shared<std::vector<RichDrawnLine>>(1, sel.second), text,
                      GetSysColor(COLOR_HIGHLIGHTTEXT));
        RestoreDC(dc, inner);
    }
    if (s.focused) {
        RECT c = CaretBox(wnd, s);
        HBRUSH cb = CreateSolidBrush(text);
        FillRect(dc, &c, cb);
        DeleteObject(cb);
    }
    RestoreDC(dc, saved);
    if (!given) EndPaint(wnd, &ps);
}

// --- streams ---

std::string ReadAll(EDITSTREAM& es, bool& failed) {
    std::string data;
    failed = false;
    if (!es.pfnCallback) {
        failed = true;
        return data;
    }
    BYTE buf[4096];
    for (;;) {
        LONG got = 0;
        DWORD rc = es.pfnCallback(es.dwCookie, buf, LONG(sizeof buf), &got);
        if (rc != 0) {
            es.dwError = rc;
            failed = true;
            return data;
        }
        if (got <= 0) return data;
        data.append(reinterpret_cast<const char*>(buf), size_t(std::min<LONG>(got, LONG(sizeof buf))));
    }
}

LRESULT StreamIn(HWND wnd, RichState& s, WPARAM format, EDITSTREAM* es) {
    if (!es) return 0;
    es->dwError = 0;
    bool failed = false;
    std::string data = ReadAll(*es, failed);
    if (failed) return 0;
    bool selection = format & SFF_SELECTION;
    RichCharFormat defaults = selection ? TypingFormat(s) : s.doc.DefaultFormat();
    std::optional<RichDocument> read;
    if (format & SF_RTF) {
        read = ReadRtf(data, defaults);
        if (!read) {
            es->dwError = RICHEDIT_BAD_RTF;
            return 0;
        }
    } else {
        read = ReadPlainText(data, defaults);
    }
    if (selection) {
        ReplaceSelectionRich(wnd, s, *read);
    } else {
        read->SetDefaultFormat(s.doc.DefaultFormat());
        s.doc = std::move(*read);
        SetSelection(s, 0, 0);
        s.pending.reset();
        s.scrollY = 0;
        Changed(wnd, s);
        s.modified = false;
    }
    return read->Length();
}

LRESULT StreamOut(RichState& s, WPARAM format, EDITSTREAM* es) {
    if (!es || !es->pfnCallback) return 0;
    es->dwError = 0;
    int a = 0, b = s.doc.Length();
    if (format & SFF_SELECTION) a = SelStart(s), b = SelEnd(s);
    std::string out = (format & SF_RTF) ? WriteRtf(s.doc, a, b) : s.doc.Utf8(a, b);
    size_t done = 0;
    while (done < out.size()) {
        LONG chunk = LONG(std::min<size_t>(out.size() - done, 4096)), wrote = 0;
        DWORD rc = es->pfnCallback(es->dwCookie, reinterpret_cast<BYTE*>(out.data() + done), chunk, &wrote);
        if (rc != 0 || wrote <= 0) {
            es->dwError = rc != 0 ? rc : DWORD(-1);
            break;
        }
        done += size_t(std::min(wrote, chunk));
    }
    return LRESULT(done);
}

// --- format range ---

LRESULT FormatRange(RichState& s, bool render, FORMATRANGE* fr) {
    if (!fr) return 0; // nothing is kept between requests
    HDC dc = fr->hdc ? fr->hdc : fr->hdcTarget;
    int ppiX = GetDeviceCaps(dc, LOGPIXELSX), ppiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (ppiX <= 0 || ppiY <= 0) return fr->chrg.cpMin;
    auto toX = [ppiX](LONG tw) { return double(tw) * ppiX / 1440.0; };
    auto toY = [ppiY](LONG tw) { return double(tw) * ppiY / 1440.0; };
    double left = toX(fr->rc.left), right = toX(fr->rc.right), top = toY(fr->rc.top), bottom = toY(fr->rc.bottom);
    bool pageTop = fr->rc.top <= fr->rcPage.top;
    int n = s.doc.Length();
    int start = std::clamp(int(fr->chrg.cpMin), 0, n);
    int end = fr->chrg.cpMax < 0 ? n : std::clamp(int(fr->chrg.cpMax), start, n);
    auto lines = std::make_shared<std::vector<RichDrawnLine>>();
    double y = top;
    int next = end;
    for (int p = s.doc.ParagraphOf(start); p < s.doc.ParagraphCount(); ++p) {
        int pStart = s.doc.ParagraphStart(p);
        if (pStart >= end && pStart > start) break;
        // The empty paragraph after a closing break prints nothing.
        if (p > 0 && p + 1 == s.doc.ParagraphCount() && pStart == n) break;
        RichParagraphLayout l(s.doc, p, ppiY, right - left, true);
        bool stop = false;
        for (int row = 0; row < int(l.Lines().size()); ++row) {
            const RichLayoutLine& line = l.Lines()[size_t(row)];
            int rowEnd = row + 1 < int(l.Lines().size()) ? l.Lines()[size_t(row + 1)].start : l.End() + 1;
            if (rowEnd <= start) continue;
            if (line.start >= end) break;
            if (y + line.height > bottom + 1e-6 && (!lines->empty() || !pageTop)) {
                next = std::max(line.start, start);
                stop = true;
                break;
            }
            lines->push_back(l.Drawn(row, left, y - line.top));
            y += line.height;
        }
        if (stop) break;
    }
    fr->rc.bottom = LONG(std::lround(y * 1440.0 / ppiY));
    if (render && fr->hdc) DrawRichLines(fr->hdc, lines, 0x000000);
    return next;
}

// --- formats ---

RichCharFormat FromCharFormat(const CHARFORMAT& cf, const RichCharFormat& base) {
    RichCharFormat f = base;
    f.face = cf.szFaceName;
    f.halfPoints = std::clamp(int(cf.yHeight / 10), 1, 3276);
    f.bold = cf.dwEffects & CFE_BOLD;
    f.italic = cf.dwEffects & CFE_ITALIC;
    f.underline = cf.dwEffects & CFE_UNDERLINE;
    f.strike = cf.dwEffects & CFE_STRIKEOUT;
    f.autoColor = cf.dwEffects & CFE_AUTOCOLOR;
    f.color = f.autoColor ? 0 : cf.crTextColor;
    return f;
}

void ToCharFormat(const RichCharFormat& f, CHARFORMAT& cf) {
    cf.szFaceName = f.face;
    cf.yHeight = f.halfPoints * 10;
    cf.dwEffects = (f.bold ? CFE_BOLD : 0) | (f.italic ? CFE_ITALIC : 0) | (f.underline ? CFE_UNDERLINE : 0) |
                   (f.strike ? CFE_STRIKEOUT : 0) | (f.autoColor ? CFE_AUTOCOLOR : 0);
    cf.crTextColor = f.color;
}

// The fields that are the same over [a, b).
DWORD SameFields(const RichDocument& d, int a, int b) {
    DWORD mask = CFM_ALL;
    if (b <= a) return mask;
    const RichCharFormat& f = d.CharFormat(a);
    for (int i = a + 1; i < b; ++i) {
        const RichCharFormat& g = d.CharFormat(i);
        if (g.face != f.face) mask &= ~CFM_FACE;
        if (g.halfPoints != f.halfPoints) mask &= ~CFM_SIZE;
        if (g.bold != f.bold) mask &= ~CFM_BOLD;
        if (g.italic != f.italic) mask &= ~CFM_ITALIC;
        if (g.underline != f.underline) mask &= ~CFM_UNDERLINE;
        if (g.strike != f.strike) mask &= ~CFM_STRIKEOUT;
        if (g.autoColor != f.autoColor || g.color != f.color) mask &= ~CFM_COLOR;
    }
    return mask;
}

RichCharFormat FromFont(HFONT font) {
    RichCharFormat f;
    LOGFONT lf;
    if (!font || GetObject(font, sizeof lf, &lf) == 0) return f;
    f.face = lf.lfFaceName.empty() ? f.face : lf.lfFaceName;
    int ppi = ScreenPixelsPerInch();
    if (lf.lfHeight < 0) f.halfPoints = std::max(1, int(std::lround(-lf.lfHeight * 144.0 / ppi)));
    else if (lf.lfHeight > 0) f.halfPoints = std::max(1, int(std::lround(lf.lfHeight * 0.85 * 144.0 / ppi)));
    f.bold = lf.lfWeight >= 600;
    f.italic = lf.lfItalic;
    f.underline = lf.lfUnderline;
    f.strike = lf.lfStrikeOut;
    return f;
}

void SetAllText(HWND wnd, RichState& s, const char* text) {
    s.doc.Replace(0, s.doc.Length(), Utf8ToUtf32(text ? text : ""), s.doc.DefaultFormat());
    s.doc.SetParaFormat(0, s.doc.ParagraphCount() - 1, RichParaFormat{});
    SetSelection(s, 0, 0);
    s.pending.reset();
    s.scrollY = 0;
    Changed(wnd, s);
    s.modified = false;
}

// --- what the window procedure delegates to ---

// A click puts the caret (Shift extends the selection) and starts tracking
// the mouse; a double click selects the word.
void ClickAt(HWND wnd, RichState& s, POINT p, bool doubleClick, bool extend) {
    if (GetFocus() != wnd) SetFocus(wnd);
    s.goalX = -1;
    int pos = CharFromPoint(wnd, s, p);
    if (doubleClick) {
        const std::u32string& t = s.doc.Text();
        int a = pos, b = pos;
        while (a > 0 && WordChar(t[size_t(a - 1)])) --a;
        while (b < int(t.size()) && WordChar(t[size_t(b)])) ++b;
        SetSelection(s, a, b);
    } else {
        SetSelection(s, extend ? s.anchor : pos, pos);
        s.tracking = true;
        SetCapture(wnd);
    }
    SelectionMoved(wnd, s);
}

// Lines as high as the first shown line.
void ScrollByLines(HWND wnd, RichState& s, double lines) {
    EnsureLayout(wnd, s);
    double row = s.layouts.empty() || s.layouts[0]->Lines().empty() ? 16 : s.layouts[0]->Lines()[0].height;
    ScrollTo(wnd, s, s.scrollY + int(std::lround(lines * row)));
}

void ScrollByCode(HWND wnd, RichState& s, WORD code, int thumb) {
    EnsureLayout(wnd, s);
    int page = FormatRect(wnd).Height(), line = 16;
    switch (code) {
    case SB_LINEUP: ScrollTo(wnd, s, s.scrollY - line); break;
    case SB_LINEDOWN: ScrollTo(wnd, s, s.scrollY + line); break;
    case SB_PAGEUP: ScrollTo(wnd, s, s.scrollY - page); break;
    case SB_PAGEDOWN: ScrollTo(wnd, s, s.scrollY + page); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: ScrollTo(wnd, s, thumb); break;
    case SB_TOP: ScrollTo(wnd, s, 0); break;
    case SB_BOTTOM: ScrollTo(wnd, s, int(s.totalHeight)); break;
    default: break;
    }
}

// A negative start drops the selection; an end past the text selects to its end.
LRESULT SelectRange(HWND wnd, RichState& s, long long a, long long b) {
    int n = s.doc.Length();
    if (a < 0) SetSelection(s, s.caret, s.caret);
    else if (b < 0 || b > n) SetSelection(s, int(std::min<long long>(a, n)), n);
    else SetSelection(s, int(std::min<long long>(a, n)), int(b));
    SelectionMoved(wnd, s);
    return SelEnd(s);
}

LRESULT CopyTextRange(RichState& s, TEXTRANGE* tr) {
    if (!tr || !tr->lpstrText) return 0;
    int a = std::clamp(int(tr->chrg.cpMin), 0, s.doc.Length());
    int b = tr->chrg.cpMax < 0 ? s.doc.Length() : std::clamp(int(tr->chrg.cpMax), a, s.doc.Length());
    *tr->lpstrText = s.doc.Utf8(a, b);
    return b - a;
}

LRESULT CopyLine(HWND wnd, RichState& s, int li, std::string* out) {
    auto lines = Lines(wnd, s);
    if (li < 0 || li >= int(lines.size()) || !out) return 0;
    const ShownLine& l = lines[size_t(li)];
    *out = s.doc.Utf8(l.start, l.end);
    return l.end - l.start;
}

// Without wrapping a paragraph is one line.
LRESULT FirstVisibleLine(HWND wnd, RichState& s) {
    if (!Wraps(wnd)) {
        auto [p, row] = RowAt(wnd, s, FormatRect(wnd).top);
        return p;
    }
    auto [p, row] = RowAt(wnd, s, FormatRect(wnd).top);
    int li = 0;
    for (int q = 0; q < p; ++q) li += int(s.layouts[size_t(q)]->Lines().size());
    return li + row;
}

// Where the caret would stand before the character.
void PointOfChar(HWND wnd, RichState& s, int pos, POINT* pt) {
    if (!pt || pos < 0 || pos > s.doc.Length()) return;
    int keep = s.caret;
    s.caret = pos;
    RECT c = CaretBox(wnd, s);
    s.caret = keep;
    *pt = {c.left, c.top};
}

// To all the text (and the default), to the selection (at an empty one, to
// what is typed next), or to the default only.
LRESULT ApplyCharFormat(HWND wnd, RichState& s, WPARAM scope, const CHARFORMAT* cf) {
    if (!cf) return 0;
    if (scope & SCF_ALL) {
        RichCharFormat def = s.doc.DefaultFormat();
        MergeCharFormat(def, cf->dwMask, FromCharFormat(*cf, def));
        s.doc.SetDefaultFormat(def);
        s.doc.SetCharFormat(0, s.doc.Length(), cf->dwMask, FromCharFormat(*cf, def));
    } else if (scope & SCF_SELECTION) {
        if (s.anchor == s.caret) {
            RichCharFormat f = TypingFormat(s);
            MergeCharFormat(f, cf->dwMask, FromCharFormat(*cf, f));
            s.pending = f;
            return TRUE;
        }
        s.doc.SetCharFormat(SelStart(s), SelEnd(s), cf->dwMask, FromCharFormat(*cf, s.doc.DefaultFormat()));
    } else {
        RichCharFormat def = s.doc.DefaultFormat();
        MergeCharFormat(def, cf->dwMask, FromCharFormat(*cf, def));
        s.doc.SetDefaultFormat(def);
        if (s.doc.Empty()) s.pending.reset();
        return TRUE;
    }
    Changed(wnd, s);
    return TRUE;
}

// The selection's format masks out what differs across it.
LRESULT DescribeCharFormat(RichState& s, WPARAM scope, CHARFORMAT* cf) {
    if (!cf) return 0;
    if (scope & SCF_SELECTION) {
        ToCharFormat(TypingFormat(s), *cf);
        cf->dwMask = SameFields(s.doc, SelStart(s), SelEnd(s));
    } else {
        ToCharFormat(s.doc.DefaultFormat(), *cf);
        cf->dwMask = CFM_ALL;
    }
    return cf->dwMask;
}

// Alignment is the one paragraph format; it goes to the selected paragraphs.
LRESULT ApplyAlignment(HWND wnd, RichState& s, const PARAFORMAT* pf) {
    if (!pf) return FALSE;
    if (pf->dwMask & PFM_ALIGNMENT) {
        RichParaFormat f;
        f.alignment = pf->wAlignment >= PFA_LEFT && pf->wAlignment <= PFA_JUSTIFY ? pf->wAlignment : PFA_LEFT;
        s.doc.SetParaFormat(s.doc.ParagraphOf(SelStart(s)), s.doc.ParagraphOf(SelEnd(s)), f);
        Changed(wnd, s);
    }
    return TRUE;
}

LRESULT FindTextInRange(RichState& s, WPARAM flags, FINDTEXTEX* ft, bool reportRange) {
    if (!ft) return -1;
    std::u32string needle = NormalizeRichText(Utf8ToUtf32(ft->lpstrText));
    bool down = flags & FR_DOWN;
    int to = ft->chrg.cpMax < 0 ? (down ? s.doc.Length() : 0) : int(ft->chrg.cpMax);
    int at = s.doc.Find(needle, int(ft->chrg.cpMin), to, down, flags & FR_MATCHCASE, flags & FR_WHOLEWORD);
    if (reportRange) ft->chrgText = at < 0 ? CHARRANGE{-1, -1} : CHARRANGE{at, at + int(needle.size())};
    return at;
}

LRESULT RichEditProc(HWND wnd, RichState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        if (auto* cs = reinterpret_cast<CREATESTRUCT*>(lp); cs && !cs->lpszName.empty())
            s.doc.Replace(0, 0, Utf8ToUtf32(cs->lpszName), s.doc.DefaultFormat());
        return DefWindowProc(wnd, msg, wp, lp);
    case WM_GETTEXT: {
        std::string t = s.doc.Utf8(0, s.doc.Length());
        if (auto* out = reinterpret_cast<std::string*>(lp)) *out = t;
        return LRESULT(t.size());
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(s.doc.Utf8(0, s.doc.Length()).size());
    case WM_SETTEXT:
        SetAllText(wnd, s, reinterpret_cast<const char*>(lp));
        return TRUE;
    case WM_SETFONT: {
        s.font = reinterpret_cast<HFONT>(wp);
        RichCharFormat f = FromFont(s.font);
        s.doc.SetDefaultFormat(f);
        if (s.doc.Empty()) s.pending.reset();
        Invalidate(s);
        if (LOWORD(lp)) InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_SIZE:
        Invalidate(s);
        return DefWindowProc(wnd, msg, wp, lp);
    case WM_STYLECHANGED:
        Invalidate(s);
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: case WM_PRINTCLIENT:
        Paint(wnd, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_SETFOCUS:
        s.focused = true;
        InvalidateRect(wnd, nullptr, TRUE);
        NotifyCommand(wnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        InvalidateRect(wnd, nullptr, TRUE);
        NotifyCommand(wnd, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateRect(wnd, nullptr, TRUE);
        return 0;
    case WM_KEYDOWN:
        if (wp != VK_UP && wp != VK_DOWN && wp != VK_PRIOR && wp != VK_NEXT && wp != VK_SHIFT) s.goalX = -1;
        KeyDown(wnd, s, int(wp));
        return 0;
    case WM_CHAR:
        Char(wnd, s, char32_t(wp));
        return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        ClickAt(wnd, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, msg == WM_LBUTTONDBLCLK, wp & MK_SHIFT);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking && GetCapture() == wnd) {
            SetSelection(s, s.anchor, CharFromPoint(wnd, s, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}));
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
        ScrollByLines(wnd, s, -std::int16_t(HIWORD(wp)) / WHEEL_DELTA * 3);
        return 0;
    case WM_VSCROLL:
        ScrollByCode(wnd, s, LOWORD(wp), std::int16_t(HIWORD(wp)));
        return 0;
    case WM_CUT:
        Copy(wnd, s);
        if (!ReadOnly(wnd)) DeleteSelection(wnd, s);
        return 0;
    case WM_COPY: Copy(wnd, s); return 0;
    case WM_PASTE: Paste(wnd, s); return 0;
    case WM_CLEAR:
        if (!ReadOnly(wnd)) DeleteSelection(wnd, s);
        return 0;
    case WM_UNDO: case EM_UNDO: case EM_CANUNDO:
        return FALSE;
    case EM_EMPTYUNDOBUFFER:
        return 0;
    case EM_GETSEL: {
        if (auto* a = reinterpret_cast<DWORD*>(wp)) *a = DWORD(SelStart(s));
        if (auto* e = reinterpret_cast<DWORD*>(lp)) *e = DWORD(SelEnd(s));
        return LRESULT(MAKELPARAM(std::min(SelStart(s), 0xFFFF), std::min(SelEnd(s), 0xFFFF)));
    }
    case EM_EXGETSEL:
        if (auto* cr = reinterpret_cast<CHARRANGE*>(lp)) *cr = {SelStart(s), SelEnd(s)};
        return 0;
    case EM_SETSEL:
        return SelectRange(wnd, s, (long long)(std::int32_t)(std::intptr_t)wp, (long long)(std::int32_t)lp);
    case EM_EXSETSEL: {
        auto* cr = reinterpret_cast<CHARRANGE*>(lp);
        if (!cr) return SelEnd(s);
        return SelectRange(wnd, s, cr->cpMin, cr->cpMax);
    }
    case EM_REPLACESEL:
        ReplaceSelection(wnd, s, Utf8ToUtf32(lp ? reinterpret_cast<const char*>(lp) : ""));
        return 0;
    case EM_GETSELTEXT: {
        std::string t = s.doc.Utf8(SelStart(s), SelEnd(s));
        if (auto* out = reinterpret_cast<std::string*>(lp)) *out = t;
        return LRESULT(SelEnd(s) - SelStart(s));
    }
    case EM_GETTEXTRANGE: return CopyTextRange(s, reinterpret_cast<TEXTRANGE*>(lp));
    case EM_GETTEXTLENGTHEX: {
        auto* g = reinterpret_cast<GETTEXTLENGTHEX*>(wp);
        int n = s.doc.Length();
        if (g && (g->flags & GTL_USECRLF)) n += s.doc.ParagraphCount() - 1;
        return n;
    }
    case EM_GETLINECOUNT:
        return LRESULT(Lines(wnd, s).size());
    case EM_LINEINDEX: {
        auto lines = Lines(wnd, s);
        int li = int(std::intptr_t(wp));
        if (li == -1) li = LineOfChar(lines, s.caret);
        if (li < 0 || li >= int(lines.size())) return -1;
        return lines[size_t(li)].start;
    }
    case EM_LINEFROMCHAR: case EM_EXLINEFROMCHAR: {
        auto lines = Lines(wnd, s);
        int pos = int(msg == EM_LINEFROMCHAR ? std::intptr_t(wp) : lp);
        if (pos < 0) pos = s.caret;
        return LineOfChar(lines, std::min(pos, s.doc.Length()));
    }
    case EM_LINELENGTH: {
        auto lines = Lines(wnd, s);
        int pos = int(std::intptr_t(wp));
        if (pos < 0) pos = s.caret;
        const ShownLine& l = lines[size_t(LineOfChar(lines, std::min(pos, s.doc.Length())))];
        return l.end - l.start;
    }
    case EM_GETLINE: return CopyLine(wnd, s, int(wp), reinterpret_cast<std::string*>(lp));
    case EM_LIMITTEXT: case EM_EXLIMITTEXT: {
        long long v = msg == EM_LIMITTEXT ? (long long)wp : (long long)lp;
        s.limit = v <= 0 ? RICHEDIT_DEFAULT_LIMIT : int(std::min<long long>(v, EDIT_MAX_LIMIT));
        return 0;
    }
    case EM_GETLIMITTEXT:
        return s.limit;
    case EM_GETMODIFY:
        return s.modified;
    case EM_SETMODIFY:
        s.modified = wp != 0;
        return 0;
    case EM_SETREADONLY:
        SetWindowLong(wnd, GWL_STYLE, wp ? (Style(wnd) | ES_READONLY) : (Style(wnd) & ~ES_READONLY));
        InvalidateRect(wnd, nullptr, TRUE);
        return TRUE;
    case EM_SETPASSWORDCHAR:
        return 0;
    case EM_GETRECT:
        if (auto* r = reinterpret_cast<RECT*>(lp)) *r = FormatRect(wnd);
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret(wnd, s);
        return TRUE;
    case EM_GETFIRSTVISIBLELINE: return FirstVisibleLine(wnd, s);
    case EM_LINESCROLL:
        ScrollByLines(wnd, s, double(lp));
        return TRUE;
    case EM_POSFROMCHAR:
        PointOfChar(wnd, s, int(lp), reinterpret_cast<POINT*>(wp));
        return 0;
    case EM_CHARFROMPOS: {
        auto* pt = reinterpret_cast<const POINT*>(lp);
        return pt ? CharFromPoint(wnd, s, *pt) : 0;
    }
    case EM_SETEVENTMASK: {
        DWORD old = s.eventMask;
        s.eventMask = DWORD(lp);
        return old;
    }
    case EM_GETEVENTMASK:
        return s.eventMask;
    case EM_SETBKGNDCOLOR: {
        COLORREF old = Background(s);
        s.sysBackground = wp != 0;
        if (!wp) s.background = COLORREF(lp);
        InvalidateRect(wnd, nullptr, TRUE);
        return old;
    }
    case EM_SETCHARFORMAT: return ApplyCharFormat(wnd, s, wp, reinterpret_cast<const CHARFORMAT*>(lp));
    case EM_GETCHARFORMAT: return DescribeCharFormat(s, wp, reinterpret_cast<CHARFORMAT*>(lp));
    case EM_SETPARAFORMAT: return ApplyAlignment(wnd, s, reinterpret_cast<const PARAFORMAT*>(lp));
    case EM_GETPARAFORMAT: {
        auto* pf = reinterpret_cast<PARAFORMAT*>(lp);
        if (!pf) return 0;
        pf->dwMask = PFM_ALIGNMENT;
        pf->wAlignment = s.doc.ParaFormat(s.doc.ParagraphOf(SelStart(s))).alignment;
        return pf->dwMask;
    }
    case EM_STREAMIN:
        return StreamIn(wnd, s, wp, reinterpret_cast<EDITSTREAM*>(lp));
    case EM_STREAMOUT:
        return StreamOut(s, wp, reinterpret_cast<EDITSTREAM*>(lp));
    case EM_FORMATRANGE:
        return FormatRange(s, wp != 0, reinterpret_cast<FORMATRANGE*>(lp));
    case EM_FINDTEXT: case EM_FINDTEXTEX:
        return FindTextInRange(s, wp, reinterpret_cast<FINDTEXTEX*>(lp), msg == EM_FINDTEXTEX);
    default:
        return DefWindowProc(wnd, msg, wp, lp);
    }
}

} // namespace

void RegisterRichEditClass() {
    RegisterControlClass(WC_RICHEDIT, CS_DBLCLKS, IDC_IBEAM, kState.Procedure(RichEditProc));
}

} // namespace tv::win
