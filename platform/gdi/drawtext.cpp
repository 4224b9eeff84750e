// DrawText: lines, word breaking, tab stops, the "&" prefix and ellipses,
// laid out in device pixels with the measured widths of the selected font.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/recorder.h"
#include "platform/gdi/text.h"

namespace tv::win {

namespace {

struct Line {
    std::string text;
    int underline = -1; // byte offset of the prefixed character in `text`
    int underlineLen = 0;
};

class Layouter {
public:
    Layouter(const DeviceFont& font, UINT format, double tabWidth) : font_(font), format_(format), tab_(tabWidth) {}

    // Width of a line, tabs going to the next stop when they are expanded.
    double Width(std::string_view s) const {
        if (!(format_ & DT_EXPANDTABS) || s.find('\t') == std::string_view::npos) return TextWidth(font_, s);
        double x = 0;
        std::size_t start = 0;
        while (true) {
            std::size_t tab = s.find('\t', start);
            x += TextWidth(font_, s.substr(start, tab == std::string_view::npos ? s.npos : tab - start));
            if (tab == std::string_view::npos) return x;
            x = (std::floor(x / tab_) + 1) * tab_;
            start = tab + 1;
        }
    }

    // Draws the segments between tabs; (x, y) is the cell's top-left corner.
    void Draw(DeviceContext* dc, double x, double y, const Line& line, bool rtl) const {
        const std::string& s = line.text;
        if (!(format_ & DT_EXPANDTABS) || s.find('\t') == std::string::npos) {
            DrawTextAt(dc, font_, x, y, s, rtl, line.underline, line.underline + line.underlineLen);
            return;
        }
        double at = 0;
        std::size_t start = 0;
        while (true) {
            std::size_t tab = s.find('\t', start);
            std::string seg = s.substr(start, tab == std::string::npos ? s.npos : tab - start);
            int ul = -1;
            if (line.underline >= int(start) && line.underline < int(start + seg.size())) ul = line.underline - int(start);
            DrawTextAt(dc, font_, std::round(x + at), y, seg, rtl, ul, ul < 0 ? -1 : ul + line.underlineLen);
            at += TextWidth(font_, seg);
            if (tab == std::string::npos) return;
            at = (std::floor(at / tab_) + 1) * tab_;
            start = tab + 1;
        }
    }

private:
    const DeviceFont& font_;
    UINT format_;
    double tab_;
};

std::size_t CharLen(const std::string& s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, s.size() - i);
}

// Removes the "&" prefixes: "&&" gives "&", "&x" underlines x.
Line StripPrefix(const std::string& s, UINT format) {
    Line out;
    if (format & DT_NOPREFIX) {
        out.text = s;
        return out;
    }
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') {
                out.text += '&';
                i += 2;
                continue;
            }
            if (i + 1 >= s.size()) break;
            std::size_t n = CharLen(s, i + 1);
            if (!(format & DT_HIDEPREFIX) && out.underline < 0) {
                out.underline = int(out.text.size());
                out.underlineLen = int(n);
            }
            out.text.append(s, i + 1, n);
            i += 1 + n;
            continue;
        }
        out.text += s[i++];
    }
    return out;
}

std::vector<std::string> SplitParagraphs(const std::string& text, UINT format) {
    std::vector<std::string> out;
    if (format & DT_SINGLELINE) {
        std::string s;
        for (char c : text)
            if (c != '\r' && c != '\n') s += c;
        out.push_back(s);
        return out;
    }
    std::string cur;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            out.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

// Greedy breaking at blanks; a word wider than the line stays whole.
std::vector<Line> BreakWords(const Line& para, const Layouter& lay, double limit) {
    std::vector<Line> lines;
    const std::string& s = para.text;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = start, lastFit = std::string::npos;
        while (true) {
            std::size_t wordEnd = end;
            while (wordEnd < s.size() && s[wordEnd] == ' ') ++wordEnd;
            while (wordEnd < s.size() && s[wordEnd] != ' ') ++wordEnd;
            if (wordEnd == end) break;
            if (lay.Width(std::string_view(s).substr(start, wordEnd - start)) <= limit + 1e-6 ||
                lastFit == std::string::npos) {
                lastFit = wordEnd;
                end = wordEnd;
                if (end >= s.size()) break;
            } else {
                break;
            }
        }
        if (lastFit == std::string::npos) lastFit = s.size();
        Line l;
        l.text = s.substr(start, lastFit - start);
        while (!l.text.empty() && l.text.back() == ' ') l.text.pop_back();
        if (para.underline >= int(start) && para.underline < int(lastFit)) {
            l.underline = para.underline - int(start);
            l.underlineLen = para.underlineLen;
        }
        lines.push_back(l);
        start = lastFit;
        while (start < s.size() && s[start] == ' ') ++start;
        if (start >= s.size()) break;
    }
    if (lines.empty()) lines.push_back(Line{});
    return lines;
}

// The longest start of `s` (cut at a character boundary) for which
// `fits(prefix)` holds; widths grow with the prefix, so a binary search will do.
template <class Fits>
std::string LongestFitting(const std::string& s, Fits fits) {
    std::vector<std::size_t> cuts{0};
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) cuts.push_back(i + CharLen(s, i));
    std::size_t lo = 0, hi = cuts.size() - 1;
    while (lo < hi) {
        std::size_t mid = (lo + hi + 1) / 2;
        if (fits(s.substr(0, cuts[mid]))) lo = mid;
        else hi = mid - 1;
    }
    return s.substr(0, cuts[lo]);
}

void EndEllipsis(Line& line, const Layouter& lay, double limit) {
    if (lay.Width(line.text) <= limit + 1e-6) return;
    std::string s = LongestFitting(line.text, [&](const std::string& p) { return lay.Width(p + "...") <= limit + 1e-6; });
    line.text = s + "...";
    if (line.underline >= int(s.size())) line.underline = -1;
}

void PathEllipsis(Line& line, const Layouter& lay, double limit) {
    if (lay.Width(line.text) <= limit + 1e-6) return;
    std::size_t sep = line.text.find_last_of("\\/");
    if (sep == std::string::npos) {
        EndEllipsis(line, lay, limit);
        return;
    }
    std::string tail = line.text.substr(sep);
    std::string head = LongestFitting(line.text.substr(0, sep),
                                      [&](const std::string& p) { return lay.Width(p + "..." + tail) <= limit + 1e-6; });
    line.text = head + "..." + tail;
    line.underline = -1;
    if (lay.Width(line.text) > limit + 1e-6) EndEllipsis(line, lay, limit);
}

} // namespace

int DrawTextEx(HDC hdc, const std::string& text, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return 0;
    DRAWTEXTPARAMS p = params ? *params : DRAWTEXTPARAMS{};
    RECT rc = *rect;
    bool hasParams = params != nullptr;
    // Measuring draws nothing: it is not kept in a metafile.
    bool measuring = (format & DT_CALCRECT) != 0;
    CallScope scope(dc, "DrawTextEx", [&] {
        return CallRecord{Args(text, rc, format), measuring ? std::function<void(HDC)>() : [=](HDC t) {
                              RECT r = rc;
                              DRAWTEXTPARAMS q = p;
                              DrawTextEx(t, text, &r, format, hasParams ? &q : nullptr);
                          }};
    });

    DeviceFont font = CurrentDeviceFont(dc);
    double sx = std::abs(ScaleX(dc));
    double tabWidth = (p.iTabLength > 0 ? p.iTabLength : 8) * double(font.aveCharWidth);
    if ((format & DT_TABSTOP) && (format >> 8 & 0xFF)) tabWidth = double(format >> 8 & 0xFF) * font.aveCharWidth;
    UINT fmt = (format & DT_TABSTOP) ? (format & ~0xFF00u) : format;
    Layouter lay(font, fmt, std::max(1.0, tabWidth));

    RECT dr = RectToDevice(dc, rc);
    double left = dr.left + p.iLeftMargin * sx, right = dr.right - p.iRightMargin * sx;
    double limit = std::max(0.0, right - left);
    int lineHeight = font.height + ((fmt & DT_EXTERNALLEADING) ? font.externalLeading : 0);

    std::vector<Line> lines;
    for (const std::string& para : SplitParagraphs(text, fmt)) {
        Line stripped = StripPrefix(para, fmt);
        if ((fmt & DT_WORDBREAK) && !(fmt & DT_SINGLELINE)) {
            for (Line& l : BreakWords(stripped, lay, limit)) lines.push_back(l);
        } else {
            lines.push_back(stripped);
        }
    }
    if (fmt & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
        for (Line& l : lines) {
            if (fmt & DT_PATH_ELLIPSIS) PathEllipsis(l, lay, limit);
            else EndEllipsis(l, lay, limit);
        }
    }
    double total = double(lineHeight) * double(lines.size());
    if (params) params->uiLengthDrawn = UINT(text.size());

    double sy = std::abs(ScaleY(dc));
    LONG heightLogical = LONG(std::ceil(total / sy - 1e-6));
    if (fmt & DT_CALCRECT) {
        double widest = 0;
        for (const Line& l : lines) widest = std::max(widest, lay.Width(l.text));
        // With word breaking the width stays unless a word is wider.
        double needed = std::ceil(widest - 1e-6) / sx + p.iLeftMargin + p.iRightMargin;
        LONG width = LONG(std::ceil(needed - 1e-6));
        if (!(fmt & DT_WORDBREAK) || width > rect->right - rect->left) rect->right = rect->left + width;
        rect->bottom = rect->top + heightLogical;
        return heightLogical;
    }
    if (scope.Captured()) return heightLogical;

    double top = dr.top;
    double offset = 0;
    if (fmt & DT_SINGLELINE) {
        if (fmt & DT_VCENTER) offset = std::floor((dr.bottom - dr.top - total) / 2);
        else if (fmt & DT_BOTTOM) offset = dr.bottom - dr.top - total;
    }
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return heightLogical;
    bool clip = !(fmt & DT_NOCLIP);
    if (clip) {
        cairo_save(cr);
        cairo_rectangle(cr, dr.left, dr.top, dr.right - dr.left, dr.bottom - dr.top);
        cairo_clip(cr);
    }
    bool rtl = (fmt & DT_RTLREADING) != 0;
    double y = top + offset;
    const bool opaque = dc->st.bkMode == OPAQUE;
    for (const Line& l : lines) {
        // One layout measures the line (only when its place or background needs
        // the width) and draws it; a right-to-left line is measured as written.
        std::shared_ptr<PangoLayout> layout;
        const bool tabs = (fmt & DT_EXPANDTABS) && l.text.find('\t') != std::string::npos;
        if (!tabs && !l.text.empty())
            layout = MakeLayout(font, l.text, rtl, l.underline, l.underline + l.underlineLen);
        double w = 0;
        if ((fmt & (DT_CENTER | DT_RIGHT)) || (opaque && !l.text.empty()))
            w = layout && !rtl ? LayoutWidth(layout.get()) : lay.Width(l.text);
        double x = left;
        if (fmt & DT_CENTER) x = left + std::floor((limit - w) / 2);
        else if (fmt & DT_RIGHT) x = right - std::ceil(w);
        x = std::round(x);
        if (opaque && !l.text.empty())
            FillDeviceRect(dc, RECT{LONG(x), LONG(y), LONG(x + std::ceil(w)), LONG(y + lineHeight)}, dc->st.bkColor);
        if (layout)
            DrawLayoutAt(dc, font, x, y, layout.get());
        else
            lay.Draw(dc, x, y, l, rtl);
        y += lineHeight;
    }
    if (clip) cairo_restore(dc->cr);
    LONG offsetLogical = LONG(std::lround(offset / sy));
    return offsetLogical + heightLogical;
}

int DrawText(HDC dc, const std::string& text, RECT* rect, UINT format) {
    return DrawTextEx(dc, text, rect, format, nullptr);
}

} // namespace tv::win
