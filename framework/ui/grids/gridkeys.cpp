// TCustomGrid and the keyboard: moving the current cell, paging, tabs, and
// the keys that open and close the cell editor.
#include <algorithm>

#include "framework/ui/grids/grid.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

// The next column in `step`'s direction that takes room, or -1 at the edge.
int TCustomGrid::NextVisibleCol(int from, int step) const {
    for (int i = from + step; i >= fixedCols_ && i < colCount_; i += step)
        if (colWidths_[size_t(i)] > 0) return i;
    return -1;
}

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
    auto alive = Alive();
    TCustomControl::KeyDown(key, shift);
    if (!*alive || key == 0) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    bool rowSelect = options_.Contains(goRowSelect);
    int pageH = std::max(1, info.Vert.LastFullVisibleCell - topLeft_.Y + 1);
    int pageW = std::max(1, info.Horz.LastFullVisibleCell - topLeft_.X + 1);
    TGridCoord cur = current_, tl = topLeft_;
    bool moveAnchor = !shift.Contains(ssShift);
    int firstCol = NextVisibleCol(fixedCols_ - 1, 1), lastCol = NextVisibleCol(colCount_, -1);
    auto stepCol = [&](int n, int dir) {
        for (int k = 0; k < n; ++k) {
            int c = NextVisibleCol(cur.X, dir);
            if (c < 0) break;
            cur.X = c;
        }
    };
    if (shift.Contains(ssCtrl)) {
        switch (key) {
        case VK_UP: --tl.Y; break;
        case VK_DOWN: ++tl.Y; break;
        case VK_LEFT:
            if (!rowSelect) stepCol(pageW, -1);
            tl.X -= pageW;
            break;
        case VK_RIGHT:
            if (!rowSelect) stepCol(pageW, 1);
            tl.X += pageW;
            break;
        case VK_PRIOR: cur.Y = topLeft_.Y; break;
        case VK_NEXT: cur.Y = info.Vert.LastFullVisibleCell; break;
        case VK_HOME:
            if (firstCol >= 0) cur.X = firstCol;
            cur.Y = fixedRows_;
            break;
        case VK_END:
            if (lastCol >= 0) cur.X = lastCol;
            cur.Y = rowCount_ - 1;
            break;
        default: return;
        }
    } else {
        switch (key) {
        case VK_UP: --cur.Y; break;
        case VK_DOWN: ++cur.Y; break;
        case VK_LEFT:
            if (rowSelect) --tl.X;
            else stepCol(1, -1);
            break;
        case VK_RIGHT:
            if (rowSelect) ++tl.X;
            else stepCol(1, 1);
            break;
        case VK_NEXT:
            cur.Y += pageH;
            tl.Y += pageH;
            break;
        case VK_PRIOR:
            cur.Y -= pageH;
            tl.Y -= pageH;
            break;
        case VK_HOME:
            if (rowSelect) cur.Y = fixedRows_;
            else if (firstCol >= 0) cur.X = firstCol;
            break;
        case VK_END:
            if (rowSelect) cur.Y = rowCount_ - 1;
            else if (lastCol >= 0) cur.X = lastCol;
            break;
        case VK_TAB: {
            if (!options_.Contains(goTabs) || shift.Contains(ssAlt)) return;
            bool back = shift.Contains(ssShift);
            TGridCoord start = cur;
            do {
                if (back) {
                    if (--cur.X < fixedCols_) {
                        cur.X = colCount_ - 1;
                        if (--cur.Y < fixedRows_) cur.Y = rowCount_ - 1;
                    }
                } else if (++cur.X >= colCount_) {
                    cur.X = fixedCols_;
                    if (++cur.Y >= rowCount_) cur.Y = fixedRows_;
                }
            } while (!(cur == start) && !(tabStops_[size_t(cur.X)] && colWidths_[size_t(cur.X)] > 0));
            moveAnchor = true;
            break;
        }
        case VK_F2:
            SetEditorMode(true);
            return;
        case VK_ESCAPE:
            if (gridState_ != gsNormal) CancelMouseState();
            return;
        default: return;
        }
    }
    TGridCoord max = CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info);
    tl.X = std::clamp(tl.X, fixedCols_, std::max(fixedCols_, max.X));
    tl.Y = std::clamp(tl.Y, fixedRows_, std::max(fixedRows_, max.Y));
    if (!(tl == topLeft_)) {
        MoveTopLeft(tl.X, tl.Y);
        if (!*alive) return;
    }
    cur.X = std::clamp(cur.X, fixedCols_, colCount_ - 1);
    cur.Y = std::clamp(cur.Y, fixedRows_, rowCount_ - 1);
    if (!(cur == current_)) FocusCell(cur.X, cur.Y, moveAnchor);
}

void TCustomGrid::KeyPress(char32_t& key) {
    auto alive = Alive();
    TCustomControl::KeyPress(key);
    if (!*alive || key != 13) return;
    if (!options_.Contains(goAlwaysShowEditor)) {
        if (editorMode_) HideEditor();
        else ShowEditor();
        key = 0;
    } else if (inplaceEdit_ && inplaceEdit_->Visible()) {
        // The editor stays: Enter writes what it holds.
        UpdateText();
    }
}

void TCustomGrid::DoExit() {
    auto alive = Alive();
    TCustomControl::DoExit();
    if (!*alive) return;
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    else if (inplaceEdit_ && inplaceEdit_->Visible()) UpdateText();
}

} // namespace tv
