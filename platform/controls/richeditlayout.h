#pragma once
// Paragraphs of a rich-edit document laid out by Pango (attributed layouts,
// Pango's own line breaking), in the units of the device they are shown or
// printed on; and the drawing of laid-out lines on a device context, which
// metafiles record and play back at any scale.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/richeditdoc.h"
#include "platform/wintypes.h"

typedef struct _PangoLayout PangoLayout;

namespace tv::win {

// A run of one format in a line's text (byte offsets into it).
struct RichSpan {
    int from = 0, to = 0;
    RichCharFormat format;
};

// A line ready to be drawn: its text and spans, where its baseline starts
// (logical units of the device context) and the size of an em per half
// point. A justified line is spread over `justifyWidth`.
struct RichDrawnLine {
    std::string text;
    std::vector<RichSpan> spans;
    double x = 0, baseline = 0;
    double unitsPerHalfPoint = 1;
    double justifyWidth = 0;
};

// Draws the lines; automatic colour takes `autoColor`, and `force` (when
// given) colours every character. Recorded by metafiles as one call.
void DrawRichLines(HDC dc, std::shared_ptr<const std::vector<RichDrawnLine>> lines, COLORREF autoColor,
                   std::optional<COLORREF> force = std::nullopt);

struct RichLayoutLine {
    int start = 0, end = 0; // characters of the document; end is past the last shown one
    double top = 0, height = 0, baseline = 0; // within the paragraph
    double x = 0, width = 0;                  // the line's ink start and width after alignment
};

class RichParagraphLayout {
public:
    // `unitsPerInch`: the resolution of the layout's units. With `wrap` the
    // lines break at `width`; alignment is always within `width`.
    RichParagraphLayout(const RichDocument& doc, int para, double unitsPerInch, double width, bool wrap);
    ~RichParagraphLayout();
    RichParagraphLayout(const RichParagraphLayout&) = delete;
    RichParagraphLayout& operator=(const RichParagraphLayout&) = delete;

    int Paragraph() const { return para_; }
    int Start() const { return start_; }
    int End() const { return end_; }
    double Height() const { return height_; }
    const std::vector<RichLayoutLine>& Lines() const { return lines_; }
    // The line holding the position (the later one where a line wraps).
    int LineOf(int pos) const;
    // The caret's x for a position in the paragraph.
    double CaretX(int pos) const;
    // The position nearest to x on a line.
    int CharAt(int line, double x) const;
    // The x ranges of [from, to) on a line.
    std::vector<std::pair<double, double>> Ranges(int line, int from, int to) const;
    // The line as it is drawn with its top-left corner at (left, top).
    RichDrawnLine Drawn(int line, double left, double top) const;

private:
    int ByteOf(int pos) const;
    int CharOfByte(int byte) const;

    const RichDocument& doc_;
    int para_, start_, end_;
    double unitsPerHalfPoint_;
    double width_;
    bool justify_ = false;
    double shift_ = 0; // alignment Pango does not do (lines that do not wrap)
    std::string text_;
    std::vector<int> byteOfChar_;
    PangoLayout* layout_ = nullptr;
    std::vector<RichLayoutLine> lines_;
    double height_ = 0;
};

} // namespace tv::win
