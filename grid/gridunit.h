#pragma once
// The grid unit's process-wide objects: made at start-up, freed at shutdown.
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
// and previous steps, and the two find-dialog keys; and the search pause.
struct TDBGridEhShortcuts {
    int IncSearch, IncSearchNext, IncSearchPrior, FindDialog, FindDialogAlt;
};
const TDBGridEhShortcuts& DBGridEhShortcuts();
inline constexpr int DBGridEhIncSearchPause = 1500;
// Resets the process-wide flag the tree area reads.
extern bool DBGridEhInTitleFilterListboxVisible;

// Runs the unit's start-up and shutdown (also registered with the program's units).
void InitializeGridUnit();
void FinalizeGridUnit();

} // namespace tv
