// Cells of the top title row: captions, title images, sort markers with their
// index, the pressed look, and the upper levels of multi-level titles.
#include <algorithm>

#include "grid/cellpaint.h"
#include "grid/celltext.h"
#include "grid/gridunit.h"
#include "grid/unmirroredscope.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"

namespace tv {

// What the drawing of one top title cell works out and hands from step to step.
struct TCustomDBGridEh::TTitleCellEh {
    std::string caption;
    win::RECT textRect{};
    THeadTreeNode* leaf = nullptr; // the leaf of a multi-level title
    bool titleImage = false;
    int imageWidth = 0;
    TColor background = clNone;
    TSortMarkerEh marker = smNoneEh;
    bool multiLine = false;
    int leftMargin = 0, rightMargin = 0, pressOfs = 0;
    bool drawMarker = false;
    int numberWidth = 0;
    bool themed = false;
};

void TCustomDBGridEh::PaintTopTitleCell(TCellPaintEh& p, TColumnEh* column) {
    TTitleCellEh t;
    LayOutTitleCell(p, column, t);
    ReserveSortMarkerRoom(p, column, t);
    FillTitleBackground(p, column, t);
    DrawTitleCaption(p, column, t);
    DrawTitleSortMarker(p, column, t);
    TCanvas* c = Canvas();
    c->Font()->Assign(titleFont_.get());
    if (p.highlighted) c->Font()->SetColor(clWhite);
    if (p.raised && !t.themed) DrawEdgeEh(c, p.given, true, true, p.pressed, p.pressed);
    if (t.leaf && t.leaf->Parent && t.leaf->Parent->Parent) {
        c->Font()->Assign(titleFont_.get());
        c->Brush()->SetColor(p.highlighted ? t.background : FixedColor());
        win::RECT band = p.given;
        band.top = std::max(p.given.top, p.given.bottom - t.leaf->Height + 1);
        DrawHeadNode(t.leaf, band, p.given, p.col, column->Title()->EndEllipsis(), p.state);
    }
}

// The caption (the leaf's in its band of a multi-level title, none beside a
// title image), the button's colour and marker, and the pressed offsets.
void TCustomDBGridEh::LayOutTitleCell(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t) {
    TCanvas* c = Canvas();
    TColumnTitleEh* title = column->Title();
    const win::RECT& cell = p.rect;
    p.pressed = p.col == titlePress_.PressedTitleCol && titlePress_.TitlePressedLook;
    t.multiLine = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;
    t.caption = title->Caption();
    t.textRect = cell;
    t.leaf = useMultiTitle_ ? LeafFieldNode(p.dataCol) : nullptr;
    if (t.leaf) {
        t.caption = t.leaf->Caption;
        t.textRect.top = std::max(cell.top, cell.bottom - t.leaf->Height + 3);
    }
    t.titleImage = titleImages_ && title->ImageIndex() != -1;
    if (t.titleImage) {
        t.caption.clear();
        t.imageWidth = titleImages_->Width();
    }
    t.background = c->Brush()->Color();
    t.marker = title->SortMarker();
    if (column->Field() && OnGetBtnParams) OnGetBtnParams(this, column, c->Font(), t.background, t.marker, p.pressed);
    if (p.pressed) {
        t.pressOfs = t.multiLine ? 2 : 1;
        t.leftMargin = t.pressOfs;
        t.rightMargin = -t.pressOfs;
        t.textRect.top += t.pressOfs;
    }
}

// The marker's 16 pixels and its sort index's width at the right; a narrow
// title gives up the marker first, then the number.
void TCustomDBGridEh::ReserveSortMarkerRoom(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t) {
    t.drawMarker = t.marker != smNoneEh && DBGridEhSortMarkers();
    if (!t.drawMarker) return;
    TCanvas* c = Canvas();
    const win::RECT& cell = p.rect;
    t.textRect.right -= 16;
    if (sortMarkedColumns_.Count() >= 2 && SortIndexFontEh()) {
        TFont saved;
        saved.Assign(c->Font());
        c->Font()->Assign(SortIndexFontEh());
        t.numberWidth = c->TextWidth(std::to_string(column->Title()->SortIndex()));
        c->Font()->Assign(&saved);
    }
    if (t.textRect.right < t.textRect.left + t.imageWidth) {
        t.drawMarker = false;
        t.textRect.right = cell.right - t.numberWidth - 2;
        if (t.textRect.right < t.textRect.left + t.imageWidth) {
            t.numberWidth = 0;
            t.textRect.right = cell.right;
        }
    }
}

// The title's font and colours (highlighted when selected), and the cell's
// background outside the text: themed, or filled.
void TCustomDBGridEh::FillTitleBackground(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t) {
    TCanvas* c = Canvas();
    const win::RECT& cell = p.rect;
    c->Font()->Assign(column->Title()->Font());
    if (column->Field() && OnGetBtnParams) {
        TColor ignoredColor = t.background;
        TSortMarkerEh ignoredMarker = t.marker;
        OnGetBtnParams(this, column, c->Font(), ignoredColor, ignoredMarker, p.pressed);
    }
    p.highlighted = GetTitleParams(p.col, p.row, c->Font(), t.background, CellSelected(p.col, p.row, {}, p.dataCol),
                                   p.state, p.type, p.areaCol, p.areaRow);
    c->Brush()->SetColor(t.background);
    t.themed = IsFixedThemed();
    if (t.themed) {
        FillFixedBackground(cell, p.pressed, p.highlighted, {});
    } else {
        if (t.textRect.right < cell.right) c->FillRect({t.textRect.right, cell.top, cell.right, cell.bottom});
        if (t.textRect.top > cell.top) c->FillRect({cell.left, cell.top, t.textRect.right, t.textRect.top});
    }
}

// The caption, wrapped on titles of several lines, turned on vertical ones;
// then the title image.
void TCustomDBGridEh::DrawTitleCaption(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t) {
    TCanvas* c = Canvas();
    TColumnTitleEh* title = column->Title();
    if (t.multiLine) {
        TAlignment a = useMultiTitle_ ? taCenter : title->Alignment();
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, t.textRect, !t.themed, false, false, tlBottom, taCenter, t.caption, p.vmargin + 2,
                                 p.margin);
        else
            WriteCellText(column, c, t.textRect, !t.themed, p.margin, p.vmargin, t.caption, a, tlCenter, true,
                          title->EndEllipsis(), t.leftMargin, t.rightMargin);
    } else {
        win::RECT r = t.textRect;
        win::OffsetRect(&r, t.pressOfs, 0);
        if (!t.themed) c->FillRect(t.textRect);
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, r, false, false, false, tlBottom, title->Alignment(), t.caption, p.vmargin + 2,
                                 p.margin);
        else
            WriteCellText(column, c, r, false, p.margin, p.vmargin, t.caption, title->Alignment(), tlTop, false,
                          title->EndEllipsis(), 0, 0);
    }
    if (t.titleImage)
        DrawGraphicClipped(titleImages_, c, t.textRect, useMultiTitle_ ? taCenter : title->Alignment(), t.pressOfs,
                           title->ImageIndex());
}

// The sort marker at the cell's right, and beside it the sort index when
// several columns are sorted.
void TCustomDBGridEh::DrawTitleSortMarker(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t) {
    TCustomImageList* markers = DBGridEhSortMarkers();
    int image = t.marker == smDownEh ? 0 : 1;
    if (!t.drawMarker || image >= markers->Count()) return;
    TCanvas* c = Canvas();
    const win::RECT& cell = p.rect;
    int x = cell.right + t.pressOfs - markers->Width() - t.numberWidth - 2;
    int top = t.leaf ? t.textRect.top : cell.top;
    int y = (top + cell.bottom - markers->Height()) / 2 + t.pressOfs;
    markers->Draw(c, x, y, image, true);
    if (t.numberWidth <= 0) return;
    c->Font()->Assign(SortIndexFontEh());
    if (p.highlighted) c->Font()->SetColor(clWhite);
    TBrushStyle bs = c->Brush()->Style();
    c->Brush()->SetStyle(bsClear);
    int nx = cell.right + t.pressOfs - t.numberWidth - 2;
    win::RECT box{nx, y - 1, nx + t.numberWidth, y - 1 + markers->Height()};
    TUnmirroredScope scope(c->Handle(), ClientWidth(), ClientHeight(), box);
    c->TextOut(box.left, box.top, std::to_string(column->Title()->SortIndex()));
    c->Brush()->SetStyle(bs);
}

void TCustomDBGridEh::DrawHeadNode(THeadTreeNode* node, const win::RECT& band, const win::RECT& cell, int col,
                                   bool endEllipsis, TGridDrawState state) {
    THeadTreeNode* parent = node->Parent;
    if (!parent || !parent->Parent) return;
    TCanvas* c = Canvas();
    int line = options_.Contains(dgColLines) ? 1 : 0;
    win::RECT span;
    span.bottom = band.top - (options_.Contains(dgRowLines) ? 1 : 0);
    span.top = span.bottom - parent->Height;
    span.left = band.left;
    for (THeadTreeNode* s = parent->FirstChild; s && s != node; s = s->NextSibling) span.left -= s->Width + line;
    span.right = span.left + parent->Width;
    // Each title cell draws its own share of the span, so the caption stands
    // centred over the whole span.
    win::RECT visible{cell.left, std::max(cell.top, span.top), cell.right, span.bottom};
    bool lastFrozenScrolled = frozenCols_ > 0 && col == FixedCols() - 1 && LeftCol() > FixedCols();
    if (span.right > cell.right && !lastFrozenScrolled) visible.right += line;
    bool raised = state.Contains(gdFixed) && optionsEh_.Contains(dghFixed3D);
    if (raised) {
        ++visible.top;
        --visible.bottom;
    }
    if (visible.bottom > visible.top) {
        win::HDC dc = c->Handle();
        win::SaveDC(dc);
        win::IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
        c->FillRect(visible);
        win::RECT text = span;
        if (raised) text = {span.left + 1, span.top + 1, span.right - 1, span.bottom - 1};
        DrawCellText(c, text, false, 2, flat_ ? 0 : 1, parent->Caption, taCenter, tlCenter, true, endEllipsis, 0, 0);
        win::RestoreDC(dc, -1);
        if (raised) {
            win::SaveDC(dc);
            win::IntersectClipRect(dc, visible.left, visible.top - 1, visible.right, visible.bottom + 1);
            DrawEdgeEh(c, span, true, true, false, false);
            win::RestoreDC(dc, -1);
        }
        if (options_.Contains(dgRowLines)) {
            TColor saved = c->Brush()->Color();
            c->Brush()->SetColor(flat_ ? clGray : clBlack);
            c->FillRect({visible.left, span.bottom, visible.right, span.bottom + 1});
            c->Brush()->SetColor(saved);
        }
    }
    parent->Painted = true;
    DrawHeadNode(parent, span, cell, col, endEllipsis, state);
}

} // namespace tv
