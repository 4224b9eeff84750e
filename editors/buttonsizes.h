#pragma once
// Sizes and kinds shared by the editors' buttons, the data grid's cell buttons
// and check boxes, and grid printing.
#include <cstdint>

#include "framework/data/dbtypes.h"
#include "platform/wintypes.h"

namespace tv {

// The style of an edit button, as stored in forms.
enum TEditButtonStyleEh : std::uint8_t {
    ebsDropDownEh,
    ebsEllipsisEh,
    ebsGlyphEh,
    ebsUpDownEh,
    ebsPlusEh,
    ebsMinusEh
};

// What DrawEditButtonFace paints. Values outside 0..5 paint nothing.
enum TButtonFaceKindEh : std::uint8_t {
    bfkDropDownEh = 0,
    bfkEllipsisEh = 1,
    bfkUpDownEh = 2,
    bfkCheckBoxEh = 3,
    bfkPlusEh = 4,
    bfkMinusEh = 5
};

// Which part of a button is held down: nothing, the button (or the upper half
// of an up/down pair), or the lower half of the pair.
enum TButtonPressedPartEh : int { bppNoneEh = 0, bppButtonEh = 1, bppLowerEh = 2 };

// The face kind that paints a button of this style; -1 for ebsGlyphEh, which
// paints the button's own glyph.
int ButtonFaceKindOfStyle(TEditButtonStyleEh style);

// Width of a flat edit button: two thirds of the screen font's character
// height, made odd, but never wider than a vertical scroll bar. Computed at
// start-up of the editors' unit (and on first use before that).
int FlatButtonDefaultWidth();
// Computes the width anew, for when the screen font changed.
int CalcFlatButtonDefaultWidth();

// Default height of an edit button of the given width.
int EditButtonDefaultHeight(int width, bool flat);

// Size of a check-box glyph in grids and editors.
int DefaultCheckBoxWidth();
int DefaultCheckBoxHeight();

// Vertical placement inside a cell.
enum TCellLayoutEh : int { clTopEh = 0, clCenterEh = 1, clBottomEh = 2 };

// The rectangle of a check-box glyph in a cell, placed by the alignments;
// a cell smaller than the glyph gives the glyph cut to the cell.
win::RECT CalcCheckBoxRect(const win::RECT& cell, TAlignment horizontal, int layout);

// Tells whether two clicks make a double click.
bool DetectDoubleClick(const win::POINT& first, const win::POINT& second, long elapsedMs);

} // namespace tv
