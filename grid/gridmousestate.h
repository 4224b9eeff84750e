#pragma once
// What the data grid remembers between a press, the moves and the release
// of the mouse, and of its auto-scroll timer.
#include "framework/data/dbtypes.h"
#include "framework/ui/controls.h"

namespace tv {

// Mouse modes of the grid.
enum TGridMouseModeEh {
    gmmNone = 0,
    gmmSelectRecords = 1,   // dragging a record selection
    gmmSelectColumns = 2,   // dragging over the titles
    gmmSelectRectangle = 3, // dragging a rectangle of cells
    gmmSizeFrozenCol = 6,   // sizing a frozen column
    gmmMoveRecords = 7      // moving records
};

// A title button held down, and the sort a Ctrl click on it leaves pending.
struct TTitlePressEh {
    int PressedTitleCol = -1;      // the grid column of the title held down, -1 none
    bool TitlePressedLook = false; // it looks pressed: the mouse is over it
    bool RightTitlePress = false;  // a right press that goes on as a left one
    // Ctrl-clicked titles are sorted when Ctrl is let go or the focus leaves.
    bool SortMarkingPending = false;
};

struct TGridMouseStateEh {
    int MouseMode = gmmNone;
    win::POINT PressPoint{0, 0};
    win::POINT LastMousePoint{0, 0};
    TShiftState LastMouseShift;
    // A press is being followed: a title button, a cell drag or a record drag.
    bool MouseTracking = false;
    bool RowSelecting = false, RectSelecting = false;
    // The checkbox or image cell pressed, toggled at the release.
    int CheckCellCol = -1, CheckCellRow = -1;
    // Sizing of a frozen column: the line's place, the press's distance from the border, the column.
    int SizingPos = 0, SizingOffset = 0, SizingIndex = -1;
    // The release ended a sizing of rows by the base grid.
    bool UserRowSizing = false;
    // The dataset moves because of the mouse.
    bool MovingByMouse = false;
    // Automatic dragging: a left press is being handled (AutoDragPending),
    // and a press on a selected cell starts the drag at the next move.
    bool AutoDragPending = false;
    bool PendingDrag = false;
    // Timer 1: running, and its last interval (-1 when stopped).
    bool TimerActive = false;
    int TimerInterval = -1;
    // A thumb-track move was made: the thumb-position message after it is skipped.
    bool VTracked = false;
    // The left column is the first scrollable one.
    bool FirstColShown = true;
    // A resize came under a layout lock: relayout when the lock ends.
    bool LayoutPending = false;
};

} // namespace tv
