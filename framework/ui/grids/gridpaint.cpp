// TCustomGrid painting: the lines, the cells region by region, and the XOR
// lines of sizing and moving.
#include <algorithm>

#include "framework/ui/grids/grid.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/mapping.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

void TCustomGrid::ReleaseCanvas() {
    if (auto* c = dynamic_cast<TControlCanvas*>(Canvas())) c->FreeHandle();
}

void TCustomGrid::PaintLines(const TGridDrawInfo& info) {
    TCanvas* c = Canvas();
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    // An axis whose option is off still has the room of its lines (the other
    // option of that axis is on): that room takes the region's background.
    auto region = [&](int colFrom, int colTo, int x0, int xEnd, int rowFrom, int rowTo, int y0, int yEnd,
                      bool vertOn, bool horzOn, TColor line, TColor back) {
        if (h.EffectiveLineWidth > 0) {
            c->Brush()->SetColor(vertOn ? line : back);
            int x = x0;
            for (int i = colFrom; i <= colTo && x < xEnd; ++i) {
                int w = h.GetExtent(i);
                if (w < 0) continue;
                x += w;
                if (x >= xEnd) break;
                c->FillRect({x, y0, std::min(x + h.EffectiveLineWidth, xEnd), yEnd});
                x += h.EffectiveLineWidth;
            }
        }
        if (v.EffectiveLineWidth > 0) {
            c->Brush()->SetColor(horzOn ? line : back);
            int y = y0;
            for (int i = rowFrom; i <= rowTo && y < yEnd; ++i) {
                int hh = v.GetExtent(i);
                if (hh < 0) continue;
                y += hh;
                if (y >= yEnd) break;
                c->FillRect({x0, y, xEnd, std::min(y + v.EffectiveLineWidth, yEnd)});
                y += v.EffectiveLineWidth;
            }
        }
    };
    bool fv = options_.Contains(goFixedVertLine), fh = options_.Contains(goFixedHorzLine);
    bool dv = options_.Contains(goVertLine), dh = options_.Contains(goHorzLine);
    TColor fixedLine = clBlack, dataLine = Color() == clSilver ? clGray : clSilver;
    region(0, fixedCols_ - 1, 0, h.FixedBoundary, 0, fixedRows_ - 1, 0, v.FixedBoundary, fv, fh, fixedLine,
           fixedColor_);
    region(topLeft_.X, colCount_ - 1, h.FixedBoundary, h.GridBoundary, 0, fixedRows_ - 1, 0, v.FixedBoundary, fv, fh,
           fixedLine, fixedColor_);
    region(0, fixedCols_ - 1, 0, h.FixedBoundary, topLeft_.Y, rowCount_ - 1, v.FixedBoundary, v.GridBoundary, fv, fh,
           fixedLine, fixedColor_);
    region(topLeft_.X, colCount_ - 1, h.FixedBoundary, h.GridBoundary, topLeft_.Y, rowCount_ - 1, v.FixedBoundary,
           v.GridBoundary, dv, dh, dataLine, Color());
}

void TCustomGrid::PaintRegion(const TGridDrawInfo& info, int colFrom, int colTo, int rowFrom, int rowTo, int x0,
                              int y0, bool fixed) {
    TCanvas* c = Canvas();
    HDC dc = c->Handle();
    bool active = IsActiveControl();
    bool focused = HandleAllocated() && GetFocus() == WindowHandle();
    bool editing = editorMode_ && inplaceEdit_ && inplaceEdit_->Visible() && options_.Contains(goEditing) &&
                   !ComponentState().Contains(csDesigning);
    TGridRect sel = Selection();
    int y = y0;
    for (int row = rowFrom; row <= rowTo && y < info.Vert.GridBoundary; ++row) {
        int rh = rowHeights_[size_t(row)];
        if (rh < 0) continue;
        int x = x0;
        for (int col = colFrom; col <= colTo && x < info.Horz.GridBoundary; ++col) {
            int cw = colWidths_[size_t(col)];
            if (cw < 0) continue;
            RECT r{x, y, x + cw, y + rh};
            x += cw + info.Horz.EffectiveLineWidth;
            RECT probe{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
            if (!RectVisible(dc, &probe)) continue;
            TGridDrawState state;
            if (fixed) {
                state.Include(gdFixed);
            } else {
                bool current = col == current_.X && row == current_.Y;
                if (current && active) state.Include(gdFocused);
                if (sel.Contains(col, row)) state.Include(gdSelected);
                if (current && editing) continue;
            }
            if (defaultDrawing_) {
                bool highlight = state.Contains(gdSelected) &&
                                 (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                                  options_.Contains(goRowSelect));
                c->Brush()->SetColor(fixed ? fixedColor_ : highlight ? clHighlight : Color());
                c->Brush()->SetStyle(bsSolid);
                c->Font()->Assign(Font());
                if (highlight) c->Font()->SetColor(clHighlightText);
                c->FillRect(r);
            }
            DrawCell(col, row, r, state);
            if (defaultDrawing_ && fixed && Ctl3D()) {
                RECT e = r;
                DrawEdge(c->Handle(), &e, BDR_RAISEDINNER, BF_RECT);
            }
            if (defaultDrawing_ && state.Contains(gdFocused) && focused && !options_.Contains(goRowSelect))
                c->DrawFocusRect(r);
        }
        y += rh + info.Vert.EffectiveLineWidth;
    }
}

void TCustomGrid::SetCanvasMirrored(bool mirrored) {
    HDC dc = Canvas()->Handle();
    int w = ClientWidth(), h = ClientHeight();
    if (mirrored) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, w, 0, nullptr);
        SetWindowExtEx(dc, -w, h, nullptr);
        SetViewportExtEx(dc, w, h, nullptr);
    } else {
        SetMapMode(dc, MM_TEXT);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetWindowExtEx(dc, w, h, nullptr);
        SetViewportExtEx(dc, w, h, nullptr);
    }
}

void TCustomGrid::Paint() {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TCanvas* c = Canvas();
    bool mirrored = UseRightToLeftAlignment();
    if (mirrored) SetCanvasMirrored(true);
    struct Restore {
        TCustomGrid* grid;
        bool on;
        ~Restore() {
            if (on) grid->SetCanvasMirrored(false);
        }
    } restore{this, mirrored};
    c->Font()->Assign(Font());
    PaintLines(info);
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    PaintRegion(info, 0, fixedCols_ - 1, 0, fixedRows_ - 1, 0, 0, true);
    PaintRegion(info, topLeft_.X, colCount_ - 1, 0, fixedRows_ - 1, h.FixedBoundary, 0, true);
    PaintRegion(info, 0, fixedCols_ - 1, topLeft_.Y, rowCount_ - 1, 0, v.FixedBoundary, true);
    PaintRegion(info, topLeft_.X, colCount_ - 1, topLeft_.Y, rowCount_ - 1, h.FixedBoundary, v.FixedBoundary, false);
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    if (h.GridBoundary < h.GridExtent) c->FillRect({h.GridBoundary, 0, h.GridExtent, v.GridExtent});
    if (v.GridBoundary < v.GridExtent) c->FillRect({0, v.GridBoundary, h.GridBoundary, v.GridExtent});
}

// A dotted line drawn with XOR: drawing it again at the same place removes it.
void TCustomGrid::DrawSizingLine(const TGridDrawInfo& info) {
    if (!HandleAllocated() || (gridState_ != gsColSizing && gridState_ != gsRowSizing)) return;
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clWhite);
    if (gridState_ == gsRowSizing) {
        RECT span = LogicalRect({0, 0, info.Horz.GridBoundary, 1});
        c->MoveTo(span.left, sizingPos_);
        c->LineTo(span.right, sizingPos_);
    } else {
        int x = LogicalX(sizingPos_);
        c->MoveTo(x, 0);
        c->LineTo(x, info.Vert.GridBoundary);
    }
    c->Pen()->Assign(&saved);
    ReleaseCanvas();
}

// The edge a moved column or row would land on, five pixels wide in the
// canvas pen's colour under XOR (white for black, which XOR would not show).
void TCustomGrid::DrawMove() {
    if (!HandleAllocated() || (gridState_ != gsColMoving && gridState_ != gsRowMoving)) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    bool cols = gridState_ == gsColMoving;
    const TGridAxisDrawInfo& a = cols ? info.Horz : info.Vert;
    int start = CellStart(a, movePos_);
    if (start < 0 || start >= a.GridBoundary) return;
    int pos = movePos_ > moveIndex_ ? start + std::max(a.GetExtent(movePos_), 0) : start;
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    if (c->Pen()->Color() == clBlack) c->Pen()->SetColor(clWhite);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(5);
    if (cols) {
        int x = UseRightToLeftAlignment() ? ClientWidth() - pos : pos;
        c->MoveTo(x, 0);
        c->LineTo(x, info.Vert.GridBoundary);
    } else {
        RECT span = LogicalRect({0, 0, info.Horz.GridBoundary, 1});
        c->MoveTo(span.left, pos);
        c->LineTo(span.right, pos);
    }
    c->Pen()->Assign(&saved);
    ReleaseCanvas();
}

} // namespace tv
