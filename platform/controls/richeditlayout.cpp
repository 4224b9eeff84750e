#include "platform/controls/richeditlayout.h"

// The platform types first: glib defines TRUE and FALSE as macros.
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/recorder.h"
#include "platform/gdi/text.h"

#include <algorithm>
#include <cmath>

#include "core/strutils.h"
#include "platform/controls/richedit.h"

namespace tv::win {

namespace {

constexpr char kLineSeparator[] = "\u2028";

PangoFontDescription* Describe(const RichCharFormat& f, double em) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, ResolveFontFamily(f.face).c_str());
    pango_font_description_set_weight(d, f.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, f.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d, std::max(em, 0.5) * PANGO_SCALE);
    return d;
}

void Insert(PangoAttrList* list, PangoAttribute* a, int from, int to) {
    a->start_index = guint(from);
    a->end_index = guint(to);
    pango_attr_list_insert(list, a);
}

// The attributes of one run; `force` replaces every colour.
void AddSpan(PangoAttrList* list, const RichSpan& s, double unitsPerHalfPoint, COLORREF autoColor,
             std::optional<COLORREF> force) {
    PangoFontDescription* d = Describe(s.format, s.format.halfPoints * unitsPerHalfPoint);
    Insert(list, pango_attr_font_desc_new(d), s.from, s.to);
    pango_font_description_free(d);
    if (s.format.underline) Insert(list, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), s.from, s.to);
    if (s.format.strike) Insert(list, pango_attr_strikethrough_new(TRUE), s.from, s.to);
    COLORREF c = force ? *force : s.format.autoColor ? autoColor : s.format.color;
    Insert(list, pango_attr_foreground_new(guint16((c & 0xFF) * 257), guint16(((c >> 8) & 0xFF) * 257),
                                           guint16(((c >> 16) & 0xFF) * 257)),
           s.from, s.to);
}

std::string Describe(const std::vector<RichDrawnLine>& lines) {
    std::string text;
    for (const RichDrawnLine& l : lines) text += (text.empty() ? "" : "\n") + l.text;
    return text;
}

} // namespace

void DrawRichLines(HDC hdc, std::shared_ptr<const std::vector<RichDrawnLine>> lines, COLORREF autoColor,
                   std::optional<COLORREF> force) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !lines || lines->empty()) return;
    const RichDrawnLine& first = lines->front();
    CallScope scope(dc, "DrawRichText",
                    Args(int(std::lround(first.x)), int(std::lround(first.baseline)), Describe(*lines)),
                    [lines, autoColor, force](HDC target) { DrawRichLines(target, lines, autoColor, force); });
    if (scope.Captured()) return;
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return;
    double sx = std::abs(ScaleX(dc)), sy = std::abs(ScaleY(dc));
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    for (const RichDrawnLine& line : *lines) {
        if (line.text.empty()) continue;
        PangoLayout* layout = pango_layout_new(TextContext());
        pango_layout_set_text(layout, line.text.data(), int(line.text.size()));
        PangoAttrList* attrs = pango_attr_list_new();
        for (const RichSpan& s : line.spans) AddSpan(attrs, s, line.unitsPerHalfPoint * sy, autoColor, force);
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
        if (line.justifyWidth > 0) {
            pango_layout_set_width(layout, int(line.justifyWidth * sx * PANGO_SCALE));
            pango_layout_set_justify(layout, TRUE);
            pango_layout_set_justify_last_line(layout, TRUE);
        }
        double x = line.x, y = line.baseline;
        LogicalToDevice(dc, x, y);
        cairo_move_to(cr, x, y - pango_layout_get_baseline(layout) / double(PANGO_SCALE));
        pango_cairo_show_layout(cr, layout);
        g_object_unref(layout);
    }
    cairo_restore(cr);
}

RichParagraphLayout::RichParagraphLayout(const RichDocument& doc, int para, double unitsPerInch, double width,
                                         bool wrap)
    : doc_(doc), para_(para), start_(doc.ParagraphStart(para)), end_(doc.ParagraphEnd(para)),
      unitsPerHalfPoint_(unitsPerInch / 144.0), width_(width) {
    for (int i = start_; i < end_; ++i) {
        byteOfChar_.push_back(int(text_.size()));
        char32_t c = doc.Text()[size_t(i)];
        if (c == U'\v') text_ += kLineSeparator;
        else Utf8Append(text_, c);
    }
    byteOfChar_.push_back(int(text_.size()));

    layout_ = pango_layout_new(TextContext());
    pango_layout_set_text(layout_, text_.data(), int(text_.size()));
    RichCharFormat mark = doc.ParagraphMarkFormat(para);
    PangoFontDescription* base = Describe(mark, mark.halfPoints * unitsPerHalfPoint_);
    pango_layout_set_font_description(layout_, base);
    pango_font_description_free(base);
    PangoAttrList* attrs = pango_attr_list_new();
    for (int i = start_; i < end_;) {
        int j = i + 1;
        while (j < end_ && doc.CharFormat(j) == doc.CharFormat(i)) ++j;
        AddSpan(attrs, RichSpan{ByteOf(i), ByteOf(j), doc.CharFormat(i)}, unitsPerHalfPoint_, 0, std::nullopt);
        i = j;
    }
    pango_layout_set_attributes(layout_, attrs);
    pango_attr_list_unref(attrs);

    WORD align = doc.ParaFormat(para).alignment;
    if (wrap && width > 0) {
        pango_layout_set_width(layout_, int(width * PANGO_SCALE));
        pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_alignment(layout_, align == PFA_CENTER  ? PANGO_ALIGN_CENTER
                                            : align == PFA_RIGHT ? PANGO_ALIGN_RIGHT
                                                                 : PANGO_ALIGN_LEFT);
        justify_ = align == PFA_JUSTIFY;
        pango_layout_set_justify(layout_, justify_);
    }

    PangoLayoutIter* it = pango_layout_get_iter(layout_);
    do {
        PangoLayoutLine* line = pango_layout_iter_get_line_readonly(it);
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        RichLayoutLine l;
        l.start = start_ + CharOfByte(line->start_index);
        l.end = start_ + CharOfByte(line->start_index + line->length);
        l.top = logical.y / double(PANGO_SCALE);
        l.height = logical.height / double(PANGO_SCALE);
        l.baseline = pango_layout_iter_get_baseline(it) / double(PANGO_SCALE) - l.top;
        l.x = logical.x / double(PANGO_SCALE);
        l.width = logical.width / double(PANGO_SCALE);
        lines_.push_back(l);
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    // A line ends before the blanks and the line break it wraps at.
    for (RichLayoutLine& l : lines_)
        while (l.end > l.start && (doc.Text()[size_t(l.end - 1)] == U' ' || doc.Text()[size_t(l.end - 1)] == U'\v'))
            --l.end;
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    height_ = logical.height / double(PANGO_SCALE);
    if (!(wrap && width > 0) && align != PFA_LEFT && align != PFA_JUSTIFY) {
        double w = logical.width / double(PANGO_SCALE);
        shift_ = std::max(0.0, align == PFA_CENTER ? (width - w) / 2 : width - w);
        // Pango aligns each line within the widest one.
        for (RichLayoutLine& l : lines_) l.x += shift_;
    }
}

RichParagraphLayout::~RichParagraphLayout() {
    if (layout_) g_object_unref(layout_);
}

int RichParagraphLayout::ByteOf(int pos) const {
    return byteOfChar_[size_t(std::clamp(pos - start_, 0, int(byteOfChar_.size()) - 1))];
}

int RichParagraphLayout::CharOfByte(int byte) const {
    auto it = std::lower_bound(byteOfChar_.begin(), byteOfChar_.end(), byte);
    return int(it - byteOfChar_.begin());
}

int RichParagraphLayout::LineOf(int pos) const {
    int found = 0;
    for (int i = 0; i < int(lines_.size()); ++i)
        if (pos >= lines_[size_t(i)].start) found = i;
    return found;
}

double RichParagraphLayout::CaretX(int pos) const {
    PangoRectangle strong;
    pango_layout_get_cursor_pos(layout_, ByteOf(pos), &strong, nullptr);
    return strong.x / double(PANGO_SCALE) + shift_;
}

int RichParagraphLayout::CharAt(int line, double x) const {
    line = std::clamp(line, 0, int(lines_.size()) - 1);
    PangoLayoutLine* l = pango_layout_get_line_readonly(layout_, line);
    int index = 0, trailing = 0;
    pango_layout_line_x_to_index(l, int((x - shift_) * PANGO_SCALE), &index, &trailing);
    int pos = start_ + CharOfByte(index) + trailing;
    const RichLayoutLine& rl = lines_[size_t(line)];
    // Past a wrapped line's end the caret stays on that line.
    int last = line + 1 < int(lines_.size()) ? std::max(rl.start, lines_[size_t(line + 1)].start - 1) : end_;
    return std::clamp(pos, rl.start, last);
}

std::vector<std::pair<double, double>> RichParagraphLayout::Ranges(int line, int from, int to) const {
    std::vector<std::pair<double, double>> out;
    PangoLayoutLine* l = pango_layout_get_line_readonly(layout_, line);
    int* ranges = nullptr;
    int n = 0;
    pango_layout_line_get_x_ranges(l, ByteOf(from), ByteOf(to), &ranges, &n);
    for (int i = 0; i < n; ++i)
        out.push_back({ranges[2 * i] / double(PANGO_SCALE) + shift_, ranges[2 * i + 1] / double(PANGO_SCALE) + shift_});
    g_free(ranges);
    return out;
}

RichDrawnLine RichParagraphLayout::Drawn(int line, double left, double top) const {
    const RichLayoutLine& l = lines_[size_t(line)];
    RichDrawnLine d;
    d.unitsPerHalfPoint = unitsPerHalfPoint_;
    d.x = left + l.x;
    d.baseline = top + l.top + l.baseline;
    int from = ByteOf(l.start);
    for (int i = l.start; i < l.end;) {
        int j = i + 1;
        while (j < l.end && doc_.CharFormat(j) == doc_.CharFormat(i)) ++j;
        d.spans.push_back(RichSpan{ByteOf(i) - from, ByteOf(j) - from, doc_.CharFormat(i)});
        i = j;
    }
    d.text = text_.substr(size_t(from), size_t(ByteOf(l.end) - from));
    if (justify_ && line + 1 < int(lines_.size())) {
        d.justifyWidth = width_;
        d.x = left;
    }
    return d;
}

} // namespace tv::win
