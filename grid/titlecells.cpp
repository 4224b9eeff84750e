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

void TCustomDBGridEh::PaintTopTitleCell(TCellPaintEh& p, TColumnEh* column) {
    TCanvas* c = Canvas();
    TColumnTitleEh* title = column->Title();
    const win::RECT& cell = p.rect;
    p.pressed = p.col == titlePress_.PressedTitleCol && titlePress_.TitlePressedLook;
    bool multiLine = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;

    std::string caption = title->Caption();
    win::RECT textRect = cell;
    THeadTreeNode* leaf = useMultiTitle_ ? LeafFieldNode(p.dataCol) : nullptr;
    if (leaf) {
        caption = leaf->Caption;
        textRect.top = std::max(cell.top, cell.bottom - leaf->Height + 3);
    }
    int imageWidth = 0;
    bool titleImage = titleImages_ && title->ImageIndex() != -1;
    if (titleImage) {
        caption.clear();
        imageWidth = titleImages_->Width();
    }
    TColor background = c->Brush()->Color();
    TSortMarkerEh marker = title->SortMarker();
    if (column->Field() && OnGetBtnParams) OnGetBtnParams(this, column, c->Font(), background, marker, p.pressed);

    int leftMargin = 0, rightMargin = 0, pressOfs = 0;
    if (p.pressed) {
        pressOfs = multiLine ? 2 : 1;
        leftMargin = pressOfs;
        rightMargin = -pressOfs;
        textRect.top += pressOfs;
    }

    TCustomImageList* markers = DBGridEhSortMarkers();
    bool drawMarker = marker != smNoneEh && markers;
    int numberWidth = 0;
    if (drawMarker) {
        textRect.right -= 16;
        if (sortMarkedColumns_.Count() >= 2 && SortIndexFontEh()) {
            TFont saved;
            saved.Assign(c->Font());
            c->Font()->Assign(SortIndexFontEh());
            numberWidth = c->TextWidth(std::to_string(title->SortIndex()));
            c->Font()->Assign(&saved);
        }
        // A narrow title gives up the marker first, then the number.
        if (textRect.right < textRect.left + imageWidth) {
            drawMarker = false;
            textRect.right = cell.right - numberWidth - 2;
            if (textRect.right < textRect.left + imageWidth) {
                numberWidth = 0;
                textRect.right = cell.right;
            }
        }
    }

    c->Font()->Assign(title->Font());
    if (column->Field() && OnGetBtnParams) {
        TColor ignoredColor = background;
        TSortMarkerEh ignoredMarker = marker;
        OnGetBtnParams(this, column, c->Font(), ignoredColor, ignoredMarker, p.pressed);
    }
    p.highlighted = GetTitleParams(p.col, p.row, c->Font(), background, CellSelected(p.col, p.row, {}, p.dataCol),
                                   p.state, p.type, p.areaCol, p.areaRow);
    c->Brush()->SetColor(background);
    bool themed = IsFixedThemed();
    if (themed) {
        FillFixedBackground(cell, p.pressed, p.highlighted, {});
    } else {
        if (textRect.right < cell.right) c->FillRect({textRect.right, cell.top, cell.right, cell.bottom});
        if (textRect.top > cell.top) c->FillRect({cell.left, cell.top, textRect.right, textRect.top});
    }

    if (multiLine) {
        TAlignment a = useMultiTitle_ ? taCenter : title->Alignment();
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, textRect, !themed, false, false, tlBottom, taCenter, caption, p.vmargin + 2,
                                 p.margin);
        else
            WriteCellText(column, c, textRect, !themed, p.margin, p.vmargin, caption, a, tlCenter, true,
                          title->EndEllipsis(), leftMargin, rightMargin);
    } else {
        win::RECT r = textRect;
        win::OffsetRect(&r, pressOfs, 0);
        if (!themed) c->FillRect(textRect);
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, r, false, false, false, tlBottom, title->Alignment(), caption, p.vmargin + 2,
                                 p.margin);
        else
            WriteCellText(column, c, r, false, p.margin, p.vmargin, caption, title->Alignment(), tlTop, false,
                          title->EndEllipsis(), 0, 0);
    }
    if (titleImage)
        DrawGraphicClipped(titleImages_, c, textRect, useMultiTitle_ ? taCenter : title->Alignment(), pressOfs,
                           title->ImageIndex());

    if (drawMarker) {
        int image = marker == smDownEh ? 0 : 1;
        if (image < markers->Count()) {
            int x = cell.right + pressOfs - markers->Width() - numberWidth - 2;
            int top = leaf ? textRect.top : cell.top;
            int y = (top + cell.bottom - markers->Height()) / 2 + pressOfs;
            markers->Draw(c, x, y, image, true);
            if (numberWidth > 0) {
                c->Font()->Assign(SortIndexFontEh());
                if (p.highlighted) c->Font()->SetColor(clWhite);
                TBrushStyle bs = c->Brush()->Style();
                c->Brush()->SetStyle(bsClear);
                int nx = cell.right + pressOfs - numberWidth - 2;
                win::RECT box{nx, y - 1, nx + numberWidth, y - 1 + markers->Height()};
                TUnmirroredScope scope(c->Handle(), ClientWidth(), ClientHeight(), box);
                c->TextOut(box.left, box.top, std::to_string(title->SortIndex()));
                c->Brush()->SetStyle(bs);
            }
        }
    }
    c->Font()->Assign(titleFont_.get());
    if (p.highlighted) c->Font()->SetColor(clWhite);

    if (p.raised && !themed) DrawEdgeEh(c, p.given, true, true, p.pressed, p.pressed);
    if (leaf && leaf->Parent && leaf->Parent->Parent) {
        c->Font()->Assign(titleFont_.get());
        c->Brush()->SetColor(p.highlighted ? background : FixedColor());
        win::RECT band = p.given;
        band.top = std::max(p.given.top, p.given.bottom - leaf->Height + 1);
        DrawHeadNode(leaf, band, p.given, p.col, title->EndEllipsis(), p.state);
    }
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
