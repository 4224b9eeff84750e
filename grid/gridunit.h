#pragma once
// The grid unit's process-wide objects: made at start-up, freed at shutdown.
#include <functional>
#include <string>
#include <vector>

#include "framework/ui/graphics.h"
#include "framework/ui/imagelist.h"
#include "grid/colcellparams.h"
#include "platform/window/cursor.h"

namespace tv {

// Font of the sort-index digits beside the sort markers.
TFont* SortIndexFontEh();
// Indicator images: arrow, edit, insert, multi-dot, multi-arrow, arrow on
// white, and the arrow over the highlight background.
TCustomImageList* DBGridEhIndicators();
// Sort markers: down, up.
TCustomImageList* DBGridEhSortMarkers();
// Cursors of column moving and row selection: down, right, left.
win::HCURSOR DBGridEhCursor(int index);
TColCellParamsEh* DBGridEhScratchCellParams();

// The indicator image drawn over the highlight background; re-made when the
// background colour changes.
void SetDBGridEhHighlightBackground(TColor color);
TColor DBGridEhHighlightBackground();

// Shortcuts of the keyboard handling, in order: incremental search, its next
// and previous steps, copying the previous record's value and the find
// dialog; and the search pause, which a program may set for all its grids.
struct TDBGridEhShortcuts {
    int IncSearch, IncSearchNext, IncSearchPrior, CopyPreviousValue, FindDialog;
};
const TDBGridEhShortcuts& DBGridEhShortcuts();
inline int DBGridEhIncSearchPause = 1500;

class TCustomDBGridEh;
// The find dialog the grid opens with its find key when dghDialogFind is set:
// grid, initial text, a second text and a list of column fields (both unused
// by the dialog), modal. Filled in by the grid services at start-up.
using TDBGridEhFindDialogProc = std::function<void(TCustomDBGridEh* grid, const std::string& text,
                                                   const std::string& second, const std::vector<std::string>& fields,
                                                   bool modal)>;
extern TDBGridEhFindDialogProc DBGridEhFindDialogProc;
// Forbids the grids' painting through a bitmap (off: grids with themed cells
// or tree lines paint buffered).
inline bool DBGridEhNoBufferedPaint = false;
// Resets the process-wide flag the tree area reads.
extern bool DBGridEhInTitleFilterListboxVisible;

// Runs the unit's start-up and shutdown (also registered with the program's units).
void InitializeGridUnit();
void FinalizeGridUnit();

} // namespace tv
