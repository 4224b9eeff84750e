#pragma once
// One press of the mouse as the zones of the grid's MouseDown see it: where
// it fell, what an earlier step found for a later one, and the one place
// that stops the steps once the press ended or an event handler freed the
// grid (closing its form).
#include <memory>
#include <type_traits>

#include "grid/dbgrideh.h"

namespace tv {

// The pen of the base grid's line while a column is moved.
inline constexpr TColor kMovingLineColorEh = 0x00C0C0C0;

struct TCustomDBGridEh::TGridPressEh {
    TGridPressEh(TCustomDBGridEh* grid, TMouseButton button, TShiftState shift, int x, int y);

    // Runs `step` unless the press is over; a step that returns true ends the press.
    template <class F>
    void Then(F&& step) {
        if (Over()) return;
        if constexpr (std::is_same_v<std::invoke_result_t<F>, bool>)
            ended = step();
        else
            step();
    }
    bool Over() const { return ended || !*alive; }

    TMouseButton button; // a right press on a title goes on as a left one
    TShiftState shift;
    int x, y;
    TGridCoord cell;
    TGridRect box; // the data box, in grid coordinates
    bool inDataBox = false;
    TColumnEh* column = nullptr; // the data column pressed, or none
    // The top title row, and within it the leaf caption's band (all of it without multi-level titles).
    bool titleRow = false, leafBand = true;

    // Found by the press on a record for its later steps.
    bool dataRow = false, indicator = false;
    int oldCol = 0, oldRow = 0;
    TBookmark oldBookmark;
    bool sameCell = false, captured = false;
    bool pendingDrag = false;
    bool wasSelected = false;
    bool inButtons = false; // within the band of always-shown edit buttons

private:
    std::shared_ptr<bool> alive;
    bool ended = false;
};

} // namespace tv
