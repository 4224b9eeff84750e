// TCustomGrid scrolling: the top-left cell, the scroll bars, the auto-scroll
// timer and the wheel.
#include <algorithm>
#include <cstdlib>

#include "core/scopeguards.h"
#include "framework/ui/grids/grid.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/scrollbar.h"
#include "platform/window/timer.h"

namespace tv {

using namespace tv::win;

void TCustomGrid::SetLeftCol(int v) { MoveTopLeft(v, topLeft_.Y); }
void TCustomGrid::SetTopRow(int v) { MoveTopLeft(topLeft_.X, v); }

void TCustomGrid::MoveTopLeft(int left, int top) {
    left = std::clamp(left, fixedCols_, colCount_ - 1);
    top = std::clamp(top, fixedRows_, rowCount_ - 1);
    if (left == topLeft_.X && top == topLeft_.Y) return;
    // The editor does not travel with the pixels: it hides, or with
    // goAlwaysShowEditor moves to its cell afterwards.
    if (editorMode_ && !options_.Contains(goAlwaysShowEditor)) HideEditor();
    TGridCoord old = topLeft_;
    topLeft_ = {left, top};
    ScrollData(old);
    TopLeftChanged();
    UpdateScrollRange();
    if (editorMode_) UpdateEdit();
}

void TCustomGrid::ScrollData(const TGridCoord& old) {
    if (!HandleAllocated()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    auto distance = [](const TGridAxisDrawInfo& a, int from, int to) {
        int d = 0;
        for (int i = std::min(from, to); i < std::max(from, to); ++i) d += a.Span(i);
        return to > from ? d : -d;
    };
    int dx = distance(info.Horz, old.X, topLeft_.X);
    int dy = distance(info.Vert, old.Y, topLeft_.Y);
    int w = info.Horz.GridExtent - info.Horz.FixedBoundary;
    int h = info.Vert.GridExtent - info.Vert.FixedBoundary;
    if ((dx != 0 && dy != 0) || std::abs(dx) >= w || std::abs(dy) >= h) {
        InvalidateGrid();
        return;
    }
    RECT area;
    if (dx != 0) area = {info.Horz.FixedBoundary, 0, info.Horz.GridExtent, info.Vert.GridExtent};
    else area = {0, info.Vert.FixedBoundary, info.Horz.GridExtent, info.Vert.GridExtent};
    area = LogicalRect(area);
    if (UseRightToLeftAlignment()) dx = -dx;
    ScrollWindowEx(WindowHandle(), -dx, -dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
}

void TCustomGrid::ClampInView(const TGridCoord& cell) {
    if (!HandleAllocated()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridCoord tl = topLeft_;
    TGridCoord max = CalcMaxTopLeft(cell, info);
    if (cell.X >= fixedCols_) {
        if (cell.X < tl.X) tl.X = cell.X;
        else if (cell.X > info.Horz.LastFullVisibleCell) tl.X = std::max(max.X, tl.X);
    }
    if (cell.Y >= fixedRows_) {
        if (cell.Y < tl.Y) tl.Y = cell.Y;
        else if (cell.Y > info.Vert.LastFullVisibleCell) tl.Y = std::max(max.Y, tl.Y);
    }
    if (!(tl == topLeft_)) MoveTopLeft(tl.X, tl.Y);
}

void TCustomGrid::TopLeftChanged() {
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::UpdateScrollRange() {
    if (!HandleAllocated() || updatingScrollRange_) return;
    TFlagGuard reset(updatingScrollRange_);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    auto setBar = [&](int bar, const TGridAxisDrawInfo& a, int first, int lastFull) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = std::max(0, a.GridCellCount - a.FixedCellCount - 1);
        si.nPage = UINT(std::max(1, lastFull - first + 1));
        si.nPos = first - a.FixedCellCount;
        SetScrollInfo(WindowHandle(), bar, &si, TRUE);
    };
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        setBar(SB_VERT, info.Vert, topLeft_.Y, info.Vert.LastFullVisibleCell);
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        setBar(SB_HORZ, info.Horz, topLeft_.X, info.Horz.LastFullVisibleCell);
}

void TCustomGrid::HandleScroll(int bar, Message& msg) {
    int code = LOWORD(msg.WParam);
    int pos = HIWORD(msg.WParam);
    ModifyScrollBar(bar, code, pos);
    msg.Result = 0;
}

void TCustomGrid::ModifyScrollBar(int bar, int code, int pos) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    bool vert = bar == SB_VERT;
    const TGridAxisDrawInfo& a = vert ? info.Vert : info.Horz;
    int maxFirst = vert ? CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info).Y
                        : CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info).X;
    int first = a.FirstGridCell;
    int page = std::max(1, a.LastFullVisibleCell - first + 1);
    int next = first;
    auto step = [&](int dir) {
        int i = first + dir;
        // Hidden columns take no room: one line step passes them.
        while (!vert && i > a.FixedCellCount && i < a.GridCellCount - 1 && a.GetExtent(i) < 0) i += dir;
        return i;
    };
    switch (code) {
    case SB_LINEUP: next = step(-1); break;
    case SB_LINEDOWN: next = step(1); break;
    case SB_PAGEUP: next = first - page; break;
    case SB_PAGEDOWN: next = first + page; break;
    case SB_THUMBPOSITION: next = a.FixedCellCount + pos; break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking)) return;
        next = a.FixedCellCount + pos;
        break;
    case SB_TOP: next = a.FixedCellCount; break;
    case SB_BOTTOM: next = maxFirst; break;
    default: return;
    }
    next = std::clamp(next, a.FixedCellCount, std::max(a.FixedCellCount, maxFirst));
    if (vert) MoveTopLeft(topLeft_.X, next);
    else MoveTopLeft(next, topLeft_.Y);
    UpdateScrollRange();
}

void TCustomGrid::TimedScroll(TGridScrollDirection direction) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridCoord max = CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info);
    TGridCoord tl = topLeft_;
    if (direction.Contains(sdLeft) && tl.X > fixedCols_) --tl.X;
    if (direction.Contains(sdRight) && tl.X < max.X) ++tl.X;
    if (direction.Contains(sdUp) && tl.Y > fixedRows_) --tl.Y;
    if (direction.Contains(sdDown) && tl.Y < max.Y) ++tl.Y;
    if (tl == topLeft_) return;
    MoveTopLeft(tl.X, tl.Y);
    if (gridState_ != gsSelecting) return;
    CalcDrawInfo(info);
    TGridCoord cell = current_;
    if (direction.Contains(sdLeft)) cell.X = topLeft_.X;
    if (direction.Contains(sdRight)) cell.X = info.Horz.LastFullVisibleCell;
    if (direction.Contains(sdUp)) cell.Y = topLeft_.Y;
    if (direction.Contains(sdDown)) cell.Y = info.Vert.LastFullVisibleCell;
    ExtendSelectionTo(cell);
}

void TCustomGrid::HandleTimer() {
    if (gridState_ != gsSelecting && gridState_ != gsColMoving && gridState_ != gsRowMoving) return;
    POINT p;
    GetCursorPos(&p);
    win::ScreenToClient(WindowHandle(), &p);
    p.x = LogicalX(p.x);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridScrollDirection dir;
    if (gridState_ != gsRowMoving) {
        if (p.x < info.Horz.FixedBoundary) dir.Include(sdLeft);
        else if (p.x >= info.Horz.GridBoundary) dir.Include(sdRight);
    }
    if (gridState_ != gsColMoving) {
        if (p.y < info.Vert.FixedBoundary) dir.Include(sdUp);
        else if (p.y >= info.Vert.GridBoundary) dir.Include(sdDown);
    }
    if (dir.Bits() == 0) return;
    // The XOR moving line must not travel with the scrolled pixels.
    bool moving = gridState_ == gsColMoving || gridState_ == gsRowMoving;
    if (moving) DrawMove();
    TimedScroll(dir);
    if (moving) {
        // The drop place follows to the cell that came into view at the edge.
        CalcDrawInfo(info);
        if (dir.Contains(sdLeft)) movePos_ = topLeft_.X;
        if (dir.Contains(sdRight)) movePos_ = info.Horz.LastFullVisibleCell;
        if (dir.Contains(sdUp)) movePos_ = topLeft_.Y;
        if (dir.Contains(sdDown)) movePos_ = info.Vert.LastFullVisibleCell;
        Update();
        DrawMove();
    }
}

bool TCustomGrid::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    auto alive = Alive();
    if (TCustomControl::DoMouseWheelDown(shift, mousePos) || !*alive) return true;
    if (current_.Y < rowCount_ - 1) SetRow(current_.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    auto alive = Alive();
    if (TCustomControl::DoMouseWheelUp(shift, mousePos) || !*alive) return true;
    if (current_.Y > fixedRows_) SetRow(current_.Y - 1);
    return true;
}

} // namespace tv
