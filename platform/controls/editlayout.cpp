#include "platform/controls/editlayout.h"

#include "core/strutils.h"
#include "platform/controls/editbuffer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"

namespace tv::win {

EditMeasure::EditMeasure(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    old_ = SelectObject(dc_, font);
    TEXTMETRIC tm;
    GetTextMetrics(dc_, &tm);
    lineHeight_ = tm.tmHeight + tm.tmExternalLeading;
    if (lineHeight_ <= 0) lineHeight_ = 13;
    aveChar_ = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 6;
}

EditMeasure::~EditMeasure() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
}

int EditMeasure::Width(std::u32string_view text) const {
    if (text.empty()) return 0;
    SIZE sz;
    GetTextExtentPoint32(dc_, Utf32ToUtf8(text), &sz);
    return sz.cx;
}

std::vector<EditLine> LayoutEditLines(const std::u32string& text, const EditMeasure& m, int wrapWidth) {
    std::vector<EditLine> lines;
    const int n = int(text.size());
    int pos = 0;
    while (true) {
        int hardEnd = pos;
        while (hardEnd < n && !IsLineBreakChar(text[size_t(hardEnd)])) ++hardEnd;
        int s = pos;
        if (wrapWidth > 0) {
            while (s < hardEnd && m.Width(std::u32string_view(text).substr(size_t(s), size_t(hardEnd - s))) > wrapWidth) {
                // The longest piece that fits, ended after a blank when there is one.
                int fit = s + 1, lastBlank = -1;
                for (int i = s + 1; i <= hardEnd; ++i) {
                    if (m.Width(std::u32string_view(text).substr(size_t(s), size_t(i - s))) > wrapWidth) break;
                    fit = i;
                    if (text[size_t(i - 1)] == U' ') lastBlank = i;
                }
                int e = (lastBlank > s && fit < hardEnd) ? lastBlank : fit;
                lines.push_back({s, e});
                s = e;
            }
        }
        lines.push_back({s, hardEnd});
        if (hardEnd >= n) break;
        pos = hardEnd;
        if (text[size_t(pos)] == U'\r' && pos + 1 < n && text[size_t(pos + 1)] == U'\n') pos += 2;
        else ++pos;
    }
    return lines;
}

int EditLineOf(const std::vector<EditLine>& lines, int pos) {
    for (int i = int(lines.size()) - 1; i >= 0; --i)
        if (pos >= lines[size_t(i)].start) return i;
    return 0;
}

int EditCharAtX(std::u32string_view line, const EditMeasure& m, int x) {
    if (x <= 0) return 0;
    int prev = 0;
    for (size_t i = 1; i <= line.size(); ++i) {
        int w = m.Width(line.substr(0, i));
        if (x < w) return (x - prev < w - x) ? int(i - 1) : int(i);
        prev = w;
    }
    return int(line.size());
}

} // namespace tv::win
