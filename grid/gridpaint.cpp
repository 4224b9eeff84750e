// The grid's own painting: the lines region by region in the style's
// colours (fixed part, frozen columns, data, footer band), the cells region
// by region, the row-select focus frame and the flat border.
#include <algorithm>

#include "grid/dbgrideh.h"
#include "grid/gridstyle.h"
#include "grid/gridunit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objectguards.h"
#include "platform/gdi/raster.h"
#include "platform/picture/bitmap.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/window.h"

namespace tv {

namespace {

// Lines of one region: every cell from `colFrom` (`rowFrom`) adds its extent
// and a line until the region ends. A line whose option is off takes the
// region's background, so the room stays but nothing shows.
void PaintRegionLines(TCanvas* c, const TGridDrawInfo& info, int colFrom, int x0, int xEnd, int rowFrom, int y0,
                      int yEnd, bool vertOn, bool horzOn, TColor line, TColor back) {
    if (x0 >= xEnd || y0 >= yEnd) return;
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    auto vertical = [&] {
        if (h.EffectiveLineWidth <= 0) return;
        c->Brush()->SetColor(vertOn ? line : back);
        int x = x0;
        for (int i = colFrom; i < h.GridCellCount && x < xEnd; ++i) {
            int w = h.GetExtent(i);
            if (w < 0) continue;
            x += w;
            if (x >= xEnd) break;
            c->FillRect({x, y0, std::min(x + h.EffectiveLineWidth, xEnd), yEnd});
            x += h.EffectiveLineWidth;
        }
    };
    auto horizontal = [&] {
        if (v.EffectiveLineWidth <= 0) return;
        c->Brush()->SetColor(horzOn ? line : back);
        int y = y0;
        for (int i = rowFrom; i < v.GridCellCount && y < yEnd; ++i) {
            int hh = v.GetExtent(i);
            if (hh < 0) continue;
            y += hh;
            if (y >= yEnd) break;
            c->FillRect({x0, y, xEnd, std::min(y + v.EffectiveLineWidth, yEnd)});
            y += v.EffectiveLineWidth;
        }
    };
    // Where lines cross, the ones drawn last show.
    if (horzOn) {
        vertical();
        horizontal();
    } else {
        horizontal();
        vertical();
    }
}

} // namespace

void TCustomDBGridEh::Paint() {
    if (paintLocked_) return;
    TCanvas* c = Canvas();
    // Right to left the whole grid is drawn through a mirrored mapping; what
    // must read the right way round converts back (TUnmirroredScope).
    bool mirrored = UseRightToLeftAlignment();
    if (mirrored) SetCanvasRightToLeft(true);
    struct TRestoreMapping {
        TCustomDBGridEh* grid;
        bool on;
        ~TRestoreMapping() {
            if (on) grid->SetCanvasRightToLeft(false);
        }
    } restore{this, mirrored};
    TGridDrawInfo info;
    int footerExtent = 0, frozenExtent = 0;
    ComputeDrawInfo(info, footerExtent, frozenExtent);
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsSolid);
    PaintGridLines(info, footerExtent, frozenExtent);
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    PaintCells(info, 0, 0, 0, 0, h.FixedBoundary, v.FixedBoundary, true);
    PaintCells(info, LeftCol(), 0, h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary, true);
    PaintCells(info, 0, TopRow(), 0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary, true);
    PaintCells(info, LeftCol(), TopRow(), h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary, false);

    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    if (h.GridBoundary < h.GridExtent) c->FillRect({h.GridBoundary, 0, h.GridExtent, v.GridExtent});
    if (v.GridBoundary < v.GridExtent) c->FillRect({0, v.GridBoundary, h.GridBoundary, v.GridExtent});

    if (useMultiTitle_ && options_.Contains(dgTitles))
        for (THeadTreeNode* leaf : leafNodes_)
            for (THeadTreeNode* n = leaf; n; n = n->Parent) n->Painted = false;

    if (RowSelectFocused() && style_ && style_->DrawFocusFrame) {
        TGridRect sel = TCustomGrid::Selection();
        win::RECT r = LogicalRect(BoxRect(std::max(0, sel.Left - frozenCols_), Row(), sel.Right, Row()));
        if (r.right > r.left) {
            c->Font()->SetColor(clWindowText);
            c->Brush()->SetColor(clWindow);
            c->DrawFocusRect(r);
        }
    }
}

bool TCustomDBGridEh::PaintBufferedEh(Message& msg) {
    if (!paintBuffered_ && !DBGridEhNoBufferedPaint && DrawThemedOrTreeLines()) paintBuffered_ = true;
    if (!paintBuffered_ || msg.WParam || !HandleAllocated()) return false;
    win::HWND wnd = WindowHandle();
    win::RECT client = ClientRect();
    int w = std::max(1, int(client.right)), h = std::max(1, int(client.bottom));
    win::PAINTSTRUCT ps;
    win::HDC screen = win::BeginPaint(wnd, &ps);
    struct TEndPaint {
        win::HWND wnd;
        win::PAINTSTRUCT* ps;
        ~TEndPaint() { win::EndPaint(wnd, ps); }
    } end{wnd, &ps};
    win::OwnedGdiObject<win::BitmapObject> bitmap(win::CreateCompatibleBitmap(screen, w, h));
    win::OwnedDc memory(win::CreateCompatibleDC(screen));
    win::SelectedObject selected(memory.get(), bitmap.get());
    Message erase{win::WM_ERASEBKGND, reinterpret_cast<win::WPARAM>(memory.get()), 0, 0};
    Dispatch(erase);
    win::IntersectClipRect(memory.get(), ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
    PaintWindow(memory.get());
    PaintControls(memory.get(), nullptr);
    win::BitBlt(screen, 0, 0, w, h, memory.get(), 0, 0, win::SRCCOPY);
    msg.Result = 0;
    return true;
}

void TCustomDBGridEh::PaintGridLines(const TGridDrawInfo& info, int footerExtent, int frozenExtent) {
    TCanvas* c = Canvas();
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    if (h.EffectiveLineWidth <= 0 && v.EffectiveLineWidth <= 0) return;
    TGridOptions o = TCustomGrid::Options();
    bool fv = o.Contains(goFixedVertLine), fh = o.Contains(goFixedHorzLine);
    bool dv = o.Contains(goVertLine), dh = o.Contains(goHorzLine);
    TColor fixedLine = flat_ || IsFixedThemed() ? TColor(clBtnShadow) : TColor(clBlack);
    TColor dataLine = Color() == clSilver ? TColor(clGray) : TColor(clSilver);
    PaintRegionLines(c, info, 0, 0, h.FixedBoundary, 0, 0, v.FixedBoundary, fv, fh, fixedLine, FixedColor());
    PaintRegionLines(c, info, LeftCol(), h.FixedBoundary, h.GridBoundary, 0, 0, v.FixedBoundary, fv, fh, fixedLine,
                     FixedColor());
    PaintRegionLines(c, info, 0, 0, h.FixedBoundary, TopRow(), v.FixedBoundary, v.GridBoundary, fv, fh, fixedLine,
                     FixedColor());
    bool footerBandShown = optionsEh_.Contains(dghFooter3D) || footerColor_ == clBtnFace;
    int footerBand = footerBandShown ? footerExtent : 0;
    int frozenLeft = h.FixedBoundary - frozenExtent;
    int firstFrozen = std::max(indicatorOffset_, FixedCols() - frozenCols_);
    // Frozen columns read as data: data colours, without their boundary line.
    if (frozenCols_ > 0 && !optionsEh_.Contains(dghFrozen3D))
        PaintRegionLines(c, info, firstFrozen, frozenLeft, h.FixedBoundary - h.EffectiveLineWidth, TopRow(),
                         v.FixedBoundary, v.GridBoundary - footerBand, fv, fh, dataLine, Color());
    PaintRegionLines(c, info, LeftCol(), h.FixedBoundary, h.GridBoundary, TopRow(), v.FixedBoundary, v.GridBoundary,
                     dv, dh, dataLine, Color());
    if (footerBand > 0) {
        int top = v.GridBoundary - footerBand;
        int firstFooter = RowCount() - footerRowCount_;
        if (frozenExtent > 0)
            PaintRegionLines(c, info, firstFrozen, frozenLeft, h.FixedBoundary, firstFooter, top, v.GridBoundary, dv,
                             dh, fixedLine, FixedColor());
        PaintRegionLines(c, info, LeftCol(), h.FixedBoundary, h.GridBoundary, firstFooter, top, v.GridBoundary, dv,
                         dh, fixedLine, FixedColor());
        if (dh && v.EffectiveLineWidth > 0) {
            c->Brush()->SetColor(fixedLine);
            c->FillRect({frozenLeft, top - v.EffectiveLineWidth, h.GridBoundary, top});
        }
    }
}

void TCustomDBGridEh::PaintCells(const TGridDrawInfo& info, int colFrom, int rowFrom, int x0, int y0, int xEnd,
                                 int yEnd, bool fixed) {
    TCanvas* c = Canvas();
    win::HDC dc = c->Handle();
    bool active = IsActiveControl();
    bool editing = TCustomGrid::Options().Contains(goEditing) && EditorMode() && InplaceEditorVisible() &&
                   !GridDesigning();
    TGridRect sel = TCustomGrid::Selection();
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    int y = y0;
    for (int row = rowFrom; row < RowCount() && y < yEnd; ++row) {
        int rh = v.GetExtent(row);
        if (rh < 0) continue;
        int x = x0;
        for (int col = colFrom; col < ColCount() && x < xEnd; ++col) {
            int cw = h.GetExtent(col);
            if (cw < 0) continue;
            win::RECT r{x, y, x + cw, y + rh};
            x += cw + h.EffectiveLineWidth;
            win::RECT probe{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
            if (!win::RectVisible(dc, &probe)) continue;
            TGridDrawState state;
            if (fixed) state.Include(gdFixed);
            bool current = col == Col() && row == Row();
            if (current && active) state.Include(gdFocused);
            if (sel.Contains(col, row)) state.Include(gdSelected);
            if (current && editing) continue;
            if (GridDesigning()) {
                bool highlight = state.Contains(gdSelected) &&
                                 (!state.Contains(gdFocused) || options_.Contains(dgRowSelect));
                c->Brush()->SetColor(highlight ? TColor(clHighlight) : fixed ? FixedColor() : Color());
                c->FillRect(r);
            }
            DrawCell(col, row, r, state);
        }
        y += rh + v.EffectiveLineWidth;
    }
}

bool TCustomDBGridEh::RowSelectFocused() {
    return !GridDesigning() && options_.Contains(dgRowSelect) && defaultDrawingEh_ && Focused();
}

// The desktop has no visual themes: fixed cells keep their own edges.
bool TCustomDBGridEh::IsFixedThemed() const { return false; }

void TCustomDBGridEh::FillFixedBackground(const win::RECT& rect, bool, bool, const win::RECT&) {
    Canvas()->FillRect(rect);
}

void TCustomDBGridEh::DrawFlatBorder() {
    if (!flat_ || BorderStyle() != bsSingle || !Ctl3D() || !HandleAllocated()) return;
    win::HWND wnd = WindowHandle();
    win::RECT r{};
    win::GetWindowRect(wnd, &r);
    win::OffsetRect(&r, -r.left, -r.top);
    win::HDC dc = win::GetWindowDC(wnd);
    win::DrawEdge(dc, &r, win::BDR_SUNKENOUTER, win::BF_RECT);
    win::ReleaseDC(wnd, dc);
}

} // namespace tv
