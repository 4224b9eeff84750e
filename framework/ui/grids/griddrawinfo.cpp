// TCustomGrid geometry: the drawing information per axis, cell rectangles and
// the cell under a point.
#include <algorithm>

#include "framework/ui/grids/grid.h"

namespace tv {

using namespace tv::win;

void TCustomGrid::CalcFixedInfo(TGridDrawInfo& info) {
    auto fixed = [](TGridAxisDrawInfo& a, bool lines, int lineWidth, int fixedCount, int first, int count,
                    std::function<int(int)> extent) {
        a.EffectiveLineWidth = lines ? lineWidth : 0;
        a.FixedCellCount = fixedCount;
        a.FirstGridCell = first;
        a.GridCellCount = count;
        a.GetExtent = std::move(extent);
        a.FixedBoundary = 0;
        for (int i = 0; i < fixedCount; ++i) a.FixedBoundary += a.Span(i);
    };
    fixed(info.Horz, options_.Contains(goFixedVertLine) || options_.Contains(goVertLine), gridLineWidth_,
          fixedCols_, topLeft_.X, colCount_, [this](int i) { return colWidths_[size_t(i)]; });
    fixed(info.Vert, options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine), gridLineWidth_,
          fixedRows_, topLeft_.Y, rowCount_, [this](int i) { return rowHeights_[size_t(i)]; });
    RECT r = ClientRect();
    info.Horz.GridExtent = r.right;
    info.Vert.GridExtent = r.bottom;
}

void TCustomGrid::CalcAxis(TGridAxisDrawInfo& a, int extent) const {
    a.GridExtent = extent;
    a.GridBoundary = a.FixedBoundary;
    a.FullVisBoundary = a.FixedBoundary;
    a.LastFullVisibleCell = a.FirstGridCell;
    for (int i = a.FirstGridCell; i < a.GridCellCount; ++i) {
        a.GridBoundary += a.Span(i);
        if (a.GridBoundary > a.GridExtent + a.EffectiveLineWidth) {
            a.GridBoundary = a.GridExtent;
            break;
        }
        a.LastFullVisibleCell = i;
        a.FullVisBoundary = a.GridBoundary;
    }
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& info) {
    CalcFixedInfo(info);
    CalcAxis(info.Horz, info.Horz.GridExtent);
    CalcAxis(info.Vert, info.Vert.GridExtent);
}

int TCustomGrid::CellStart(const TGridAxisDrawInfo& a, int cell) const {
    if (cell < a.FixedCellCount) {
        int s = 0;
        for (int i = 0; i < cell; ++i) s += a.Span(i);
        return s;
    }
    if (cell < a.FirstGridCell) return -1;
    int s = a.FixedBoundary;
    for (int i = a.FirstGridCell; i < cell; ++i) s += a.Span(i);
    return s;
}

// The pixel range [start, end) of cells first..last on one axis; start == end
// when none of them shows.
void TCustomGrid::RowColRange(const TGridAxisDrawInfo& a, int first, int last, int& start, int& end) const {
    start = end = 0;
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, a.GridCellCount - 1);
    if (first > last) return;
    int s;
    if (first < a.FixedCellCount) {
        s = CellStart(a, first);
    } else if (first < a.FirstGridCell) {
        if (last < a.FirstGridCell) return;
        s = a.FixedBoundary;
    } else {
        s = CellStart(a, first);
    }
    if (s >= a.GridBoundary) return;
    int e;
    if (last < a.FixedCellCount) {
        e = CellStart(a, last) + std::max(a.GetExtent(last), 0);
    } else if (last < a.FirstGridCell) {
        e = a.FixedBoundary - a.EffectiveLineWidth;
    } else {
        int p = CellStart(a, last);
        e = p >= a.GridBoundary ? a.GridBoundary : std::min(p + std::max(a.GetExtent(last), 0), a.GridBoundary);
    }
    if (e <= s) return;
    start = s;
    end = e;
}

RECT TCustomGrid::BoxRect(int left, int top, int right, int bottom) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    RECT r;
    int x0, x1, y0, y1;
    RowColRange(info.Horz, left, right, x0, x1);
    RowColRange(info.Vert, top, bottom, y0, y1);
    if (x0 == x1 || y0 == y1) return r;
    return LogicalRect({x0, y0, x1, y1});
}

int TCustomGrid::LogicalX(int x) { return UseRightToLeftAlignment() ? ClientWidth() - 1 - x : x; }

RECT TCustomGrid::LogicalRect(const RECT& r) {
    if (!UseRightToLeftAlignment()) return r;
    int w = ClientWidth();
    return {w - r.right, r.top, w - r.left, r.bottom};
}

int TCustomGrid::CellAt(const TGridAxisDrawInfo& a, int pos) const {
    if (pos < 0) return -1;
    if (pos < a.FixedBoundary) {
        int s = 0;
        for (int i = 0; i < a.FixedCellCount; ++i) {
            s += a.Span(i);
            if (pos < s) return i;
        }
        return -1;
    }
    if (pos >= a.GridBoundary) return -1;
    int s = a.FixedBoundary;
    for (int i = a.FirstGridCell; i < a.GridCellCount; ++i) {
        s += a.Span(i);
        if (pos < s) return i;
    }
    return -1;
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridCoord c{CellAt(info.Horz, LogicalX(x)), CellAt(info.Vert, y)};
    if (c.X < 0 || c.Y < 0) return {-1, -1};
    return c;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) {
    TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

int TCustomGrid::VisibleColCount() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Horz.LastFullVisibleCell - topLeft_.X + 1;
}

int TCustomGrid::VisibleRowCount() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Vert.LastFullVisibleCell - topLeft_.Y + 1;
}

int TCustomGrid::GridWidth() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Horz.GridBoundary;
}

int TCustomGrid::GridHeight() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Vert.GridBoundary;
}

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridCoord& cell, const TGridDrawInfo& info) {
    auto axis = [](const TGridAxisDrawInfo& a, int last) {
        int room = a.GridExtent - a.FixedBoundary + a.EffectiveLineWidth;
        int result = std::max(last, a.FixedCellCount);
        int sum = 0;
        for (int i = last; i >= a.FixedCellCount; --i) {
            sum += a.Span(i);
            if (sum > room) break;
            result = i;
        }
        return result;
    };
    return {axis(info.Horz, cell.X), axis(info.Vert, cell.Y)};
}

void TCustomGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                  TGridDrawInfo& info) {
    state = gsNormal;
    index = -1;
    x = LogicalX(x);
    // A border answers within three pixels either side of its line.
    auto axis = [&](const TGridAxisDrawInfo& a, int pos, TGridState s) {
        int line = a.FixedBoundary;
        for (int i = a.FirstGridCell; i < a.GridCellCount; ++i) {
            int e = a.GetExtent(i);
            if (e < 0) continue;
            line += e;
            if (line > a.GridBoundary) break;
            if (pos >= line - 3 && pos <= line + a.EffectiveLineWidth + 2) {
                state = s;
                index = i;
                sizingPos = line;
                sizingOfs = line - pos;
                return;
            }
            line += a.EffectiveLineWidth;
        }
    };
    if (options_.Contains(goColSizing) && y < info.Vert.FixedBoundary && x > info.Horz.FixedBoundary)
        axis(info.Horz, x, gsColSizing);
    else if (options_.Contains(goRowSizing) && x < info.Horz.FixedBoundary && y > info.Vert.FixedBoundary)
        axis(info.Vert, y, gsRowSizing);
}

} // namespace tv
