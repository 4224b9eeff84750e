#pragma once
// Lines of an edit window as they are shown: hard lines broken at CR LF and,
// when wrapping, at the last blank that fits the width. Widths are measured
// with the window's font through the drawing layer.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct EditLine {
    int start = 0; // first character
    int end = 0;   // one past the last shown character (line break excluded)
};

class EditMeasure {
public:
    explicit EditMeasure(HFONT font);
    ~EditMeasure();
    EditMeasure(const EditMeasure&) = delete;
    EditMeasure& operator=(const EditMeasure&) = delete;
    int Width(std::u32string_view text) const;
    int LineHeight() const { return lineHeight_; }
    int AveCharWidth() const { return aveChar_; }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
    int lineHeight_ = 0, aveChar_ = 0;
};

// Breaks `text` into shown lines; `wrapWidth` <= 0 breaks only at line breaks.
std::vector<EditLine> LayoutEditLines(const std::u32string& text, const EditMeasure& m, int wrapWidth);
// The shown line that holds the position (the later one at a wrap).
int EditLineOf(const std::vector<EditLine>& lines, int pos);
// The character of a line nearest to x (relative to the line's start).
int EditCharAtX(std::u32string_view line, const EditMeasure& m, int x);

} // namespace tv::win
