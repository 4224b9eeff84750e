// The grid's cells: indicator, titles, data, footers and the filter row, and
// the colour decisions of highlighted cells.
#include <algorithm>

#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/celltext.h"
#include "grid/dbgrideh.h"
#include "grid/gridstyle.h"
#include "grid/gridunit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/region.h"
#include "platform/window/input.h"

namespace tv {

void TCustomDBGridEh::Paint() {
    if (paintLocked_) return;
    TCustomGrid::Paint();
    if (useMultiTitle_ && options_.Contains(dgTitles))
        for (THeadTreeNode* leaf : leafNodes_)
            for (THeadTreeNode* p = leaf; p; p = p->Parent) p->Painted = false;
}

void TCustomDBGridEh::DrawCell(int col, int row, const win::RECT& given, TGridDrawState state) {
    colCellParams_->Col = col;
    colCellParams_->Row = row;
    if (given.left >= given.right) return;
    TCanvas* c = Canvas();
    if (GridLoading()) {
        c->Brush()->SetColor(Color());
        c->FillRect(given);
        return;
    }
    int dataCol = col - indicatorOffset_;
    int dataRow = row - titleRowCount_;
    if (state.Contains(gdFixed) && dataCol < 0) {
        DrawIndicatorCell(row, given, state);
        return;
    }
    if (dataCol >= columns_->Count()) {
        c->Brush()->SetColor(Color());
        c->FillRect(given);
        return;
    }
    if (dataRow < 0) {
        if (options_.Contains(dgTitles) && row == 0)
            DrawTitleCell(col, row, given, state);
        else
            DrawSubTitleCell(col, row, given, state);
        return;
    }
    if (!dataLink_->Active()) {
        c->Brush()->SetColor(columns_->Items(dataCol)->Color());
        c->FillRect(given);
        return;
    }
    if (dataRow < dataLink_->RecordCount()) {
        DrawDataCell(col, row, given, state);
    } else if (footerRowCount_ > 0 && row >= RowCount() - footerRowCount_) {
        DrawFooterCell(col, row, given, state);
    } else {
        TColor bk = Color();
        TFont dummy;
        GetTitleParams(dataCol, row, bk, &dummy, state);
        c->Brush()->SetColor(bk);
        c->FillRect(given);
    }
}

void TCustomDBGridEh::DrawIndicatorCell(int row, win::RECT rect, TGridDrawState state) {
    TCanvas* c = Canvas();
    bool raised = IsCellRaised(0, row, state);
    int dataRow = row - titleRowCount_;
    int separator = footerRowCount_ > 0 ? RowCount() - footerRowCount_ - 1 : -1;
    c->Brush()->SetColor(row == separator && !optionsEh_.Contains(dghFrozen3D) ? Color() : FixedColor());
    c->FillRect(rect);
    if (dataLink_->Active() && dataRow >= 0 && dataRow < dataLink_->RecordCount()) {
        bool current = dataRow == dataLink_->ActiveRecord();
        TDataSet* ds = DataSet();
        int image = -1;
        if (current) {
            switch (ds->State()) {
            case dsBrowse: image = 0; break;
            case dsEdit: image = 1; break;
            case dsInsert: image = 2; break;
            default: image = 0;
            }
            indicatorRow_ = row;
        }
        TCustomImageList* images = DBGridEhIndicators();
        if (image >= 0 && images && image < images->Count()) {
            int margin = raised ? 1 : 2;
            images->Draw(c, rect.right - images->Width() - margin, (rect.top + rect.bottom - images->Height()) / 2,
                         image, true);
        }
    }
    if (raised) DrawEdgeEh(c, rect, true, true, false, false);
}

void TCustomDBGridEh::DrawTitleCell(int col, int row, win::RECT rect, TGridDrawState state) {
    TCanvas* c = Canvas();
    int dataCol = col - indicatorOffset_;
    TColumnEh* column = columns_->Items(dataCol);
    TColumnTitleEh* title = column->Title();
    bool raised = IsCellRaised(col, row, state);
    bool pressed = col == pressedTitleCol_ && titlePressed_;
    win::RECT cell = rect;
    if (raised) cell = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    int margin = raised ? 1 : 2;
    int vmargin = flat_ ? margin - 1 : margin;
    c->Font()->Assign(title->Font());
    TColor bk = title->Color();
    std::string caption = title->Caption();
    win::RECT textRect = cell;
    THeadTreeNode* leaf = useMultiTitle_ ? LeafFieldNode(dataCol) : nullptr;
    if (leaf) {
        caption = leaf->Caption;
        textRect.top = std::max(cell.top, cell.bottom - leaf->Height + 3);
    }
    int imageWidth = 0;
    if (titleImages_ && title->ImageIndex() != -1) {
        caption.clear();
        imageWidth = titleImages_->Width();
    }
    TSortMarkerEh marker = title->SortMarker();
    if (column->Field() && OnGetBtnParams) OnGetBtnParams(this, column, c->Font(), bk, marker, pressed);
    int pressOfs = pressed ? 1 : 0;
    int numberWidth = 0;
    bool drawMarker = marker != smNoneEh;
    if (drawMarker) {
        textRect.right -= 16;
        if (sortMarkedColumns_.Count() >= 2 && SortIndexFontEh()) {
            TFont saved;
            saved.Assign(c->Font());
            c->Font()->Assign(SortIndexFontEh());
            numberWidth = c->TextWidth(std::to_string(title->SortIndex()));
            c->Font()->Assign(&saved);
            textRect.right -= numberWidth;
        }
        if (textRect.right < textRect.left + imageWidth) {
            drawMarker = false;
            textRect.right = cell.right - numberWidth - 2;
            if (textRect.right < textRect.left + imageWidth) {
                numberWidth = 0;
                textRect.right = cell.right;
            }
        }
    }
    GetTitleParams(dataCol, row, bk, c->Font(), state);
    c->Brush()->SetColor(bk);
    if (textRect.right < cell.right) c->FillRect({textRect.right, cell.top, cell.right, cell.bottom});
    if (leaf) c->FillRect({cell.left, cell.top, cell.right, textRect.top});
    if (useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0) {
        TAlignment a = useMultiTitle_ ? taCenter : title->Alignment();
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, textRect, true, false, false, tlBottom, taCenter, caption, vmargin + 2, margin);
        else
            DrawCellText(c, textRect, true, margin, vmargin, caption, a, tlCenter, true, title->EndEllipsis(),
                         pressOfs * 2, -pressOfs * 2);
    } else {
        win::RECT r = textRect;
        win::OffsetRect(&r, pressOfs, pressOfs);
        c->FillRect(textRect);
        if (title->Orientation() == tohVertical)
            DrawVerticalCellText(c, r, false, false, false, tlBottom, title->Alignment(), caption, vmargin + 2, margin);
        else
            DrawCellText(c, r, false, margin, vmargin, caption, title->Alignment(), tlTop, false, title->EndEllipsis(),
                         0, 0);
    }
    if (titleImages_ && title->ImageIndex() != -1)
        DrawGraphicClipped(titleImages_, c, textRect, useMultiTitle_ ? taCenter : title->Alignment(), pressOfs,
                           title->ImageIndex());
    if (drawMarker) {
        TCustomImageList* markers = DBGridEhSortMarkers();
        int image = marker == smDownEh ? 0 : 1;
        if (markers && image < markers->Count()) {
            int x = cell.right + pressOfs - markers->Width() - numberWidth - 2;
            int top = leaf ? textRect.top : cell.top;
            int y = (top + cell.bottom - markers->Height()) / 2 + pressOfs;
            markers->Draw(c, x, y, image, true);
            if (numberWidth > 0 && SortIndexFontEh()) {
                TFont saved;
                saved.Assign(c->Font());
                c->Font()->Assign(SortIndexFontEh());
                TBrushStyle bs = c->Brush()->Style();
                c->Brush()->SetStyle(bsClear);
                c->TextOut(cell.right + pressOfs - numberWidth - 2, y - 1, std::to_string(title->SortIndex()));
                c->Brush()->SetStyle(bs);
                c->Font()->Assign(&saved);
            }
        }
    }
    if (raised) DrawEdgeEh(c, rect, true, true, pressed, pressed);
    if (leaf && leaf->Parent && leaf->Parent->Parent) {
        c->Font()->Assign(titleFont_.get());
        c->Brush()->SetColor(FixedColor());
        win::RECT band = rect;
        band.top = std::max(rect.top, rect.bottom - leaf->Height + 1);
        DrawHeadNode(leaf, band, rect, title->EndEllipsis(), state);
    }
}

void TCustomDBGridEh::DrawHeadNode(THeadTreeNode* node, const win::RECT& band, const win::RECT& cell,
                                   bool endEllipsis, TGridDrawState state) {
    THeadTreeNode* p = node->Parent;
    if (!p || !p->Parent) return;
    TCanvas* c = Canvas();
    int line = options_.Contains(dgColLines) ? 1 : 0;
    win::RECT span;
    span.bottom = band.top - (options_.Contains(dgRowLines) ? 1 : 0);
    span.top = span.bottom - p->Height;
    span.left = band.left;
    for (THeadTreeNode* s = p->FirstChild; s != node; s = s->NextSibling) span.left -= s->Width + line;
    span.right = span.left + p->Width;
    // Each title cell draws its own share of the span, so the caption stands
    // centred over the whole span.
    win::RECT visible{cell.left, std::max(cell.top, span.top), cell.right, span.bottom};
    if (span.right > cell.right) visible.right += line;
    if (visible.bottom > visible.top) {
        win::HDC dc = c->Handle();
        win::SaveDC(dc);
        win::IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
        c->FillRect(visible);
        bool raised = state.Contains(gdFixed) && optionsEh_.Contains(dghFixed3D);
        win::RECT text = span;
        if (raised) text = {span.left + 1, span.top + 1, span.right - 1, span.bottom - 1};
        DrawCellText(c, text, false, 2, flat_ ? 0 : 1, p->Caption, taCenter, tlCenter, true, endEllipsis, 0, 0);
        if (raised) DrawEdgeEh(c, span, true, true, false, false);
        if (options_.Contains(dgRowLines)) {
            c->Brush()->SetColor(flat_ ? clGray : clBlack);
            c->FillRect({visible.left, span.bottom, visible.right, span.bottom + 1});
            c->Brush()->SetColor(FixedColor());
        }
        win::RestoreDC(dc, -1);
    }
    p->Painted = true;
    DrawHeadNode(p, span, cell, endEllipsis, state);
}

void TCustomDBGridEh::DrawCheckBoxInCell(const win::RECT& rect, TCheckBoxState state, TColor background) {
    // Placeholder until the editors' button-face painter is used here: the
    // platform's check-box frame control, centred, 13 pixels square.
    const int size = 13;
    TCanvas* c = Canvas();
    c->Brush()->SetColor(background);
    c->FillRect(rect);
    int w = std::min(size, rect.right - rect.left), h = std::min(size, rect.bottom - rect.top);
    win::RECT box{(rect.left + rect.right - w) / 2, (rect.top + rect.bottom - h) / 2, 0, 0};
    box.right = box.left + w;
    box.bottom = box.top + h;
    win::UINT st = win::DFCS_BUTTONCHECK;
    if (state == cbChecked) st |= win::DFCS_CHECKED;
    if (state == cbGrayed) st |= win::DFCS_CHECKED | win::DFCS_INACTIVE;
    if (flat_) st |= win::DFCS_FLAT;
    win::DrawFrameControl(c->Handle(), &box, win::DFC_BUTTON, st);
}

void TCustomDBGridEh::DrawDataCell(int col, int row, win::RECT rect, TGridDrawState state) {
    TCanvas* c = Canvas();
    int dataCol = col - indicatorOffset_;
    int dataRow = row - titleRowCount_;
    TColumnEh* column = columns_->Items(dataCol);
    bool raised = IsCellRaised(col, row, state);
    win::RECT cell = rect;
    int margin = 2;
    if (raised) {
        cell = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        margin = 1;
    }
    int vmargin = flat_ ? margin - 1 : margin;
    bool currentRecord = dataRow == dataLink_->ActiveRecord();
    TActiveRecordGuard guard(*dataLink_);
    dataLink_->SetActiveRecord(dataRow);
    c->Font()->Assign(column->Font());
    TColor bk = column->Color();
    if (bk == Color() && (sumList_->IsSequenced() || (sumList_->Active() && sumList_->VirtualRecords()))) {
        int n = DataSet()->RecNo();
        bk = n % 2 == 1 ? OddRowColor() : EvenRowColor();
    }
    TColCellParamsEh* p = colCellParams_.get();
    p->Text = column->DisplayText();
    p->State = state;
    p->SetFont(c->Font());
    p->Alignment = column->Alignment();
    p->Background = bk;
    p->ImageIndex = column->GetImageIndex();
    p->CheckboxState = column->GetCheckboxState();
    if (OnGetCellParams) OnGetCellParams(this, column, p->Font(), p->Background, state);
    column->GetColCellParams(false, p);
    c->Font()->Assign(p->Font());
    bk = p->Background;
    if (GetCellParamsEh(column, c->Font(), bk, state)) state.Include(gdSelected);
    c->Brush()->SetColor(bk);
    bool duplicate = false;
    if (column->HideDuplicates() && SameAsPriorRecord(column, p->Text)) {
        p->Text.clear();
        p->ImageIndex = -1;
        duplicate = true;
    }
    c->Brush()->SetStyle(bsSolid);
    if (defaultDrawingEh_) {
        int kind = column->GetColumnType();
        if (kind == ctKeyImageList) {
            c->FillRect(cell);
            DrawGraphicClipped(column->ImageList(), c, cell, taCenter, 0, p->ImageIndex);
        } else if (kind == ctCheckboxes) {
            DrawCheckBoxInCell(cell, p->CheckboxState, bk);
        } else {
            win::RECT textRect = cell;
            if (column->ImageList() && column->ShowImageAndText()) {
                int strip = column->ImageList()->Width() + 4;
                c->Brush()->SetColor(column->Color());
                c->FillRect({cell.left, cell.top, std::min(cell.right, cell.left + strip), cell.bottom});
                DrawGraphicClipped(column->ImageList(), c, {cell.left, cell.top, cell.left + strip, cell.bottom},
                                   taCenter, 0, p->ImageIndex);
                c->Brush()->SetColor(bk);
                textRect.left = std::min(cell.right, cell.left + strip + 1);
            }
            DrawCellText(c, textRect, true, margin, vmargin, p->Text, p->Alignment, column->Layout(),
                         column->WordWrap() && multiLineRows_, column->EndEllipsis(), 0, 0);
        }
    }
    DrawRequiredMark(column, p->Text, cell, currentRecord);
    if (columns_->GetState() != csCustomized && OnDrawDataCell) OnDrawDataCell(this, rect, column->Field(), state);
    DrawColumnCell(rect, dataCol, column, state);
    // Repeated values read as one block: the line above takes the cell's colour.
    if (duplicate && options_.Contains(dgRowLines)) {
        c->Brush()->SetColor(column->Color());
        c->FillRect({rect.left, rect.top - 1, rect.right, rect.top});
    }
    if (raised) DrawEdgeEh(c, rect, true, true, false, false);
    if (defaultDrawingEh_ && state.Contains(gdFocused) && Focused() && !options_.Contains(dgRowSelect) &&
        layoutLock_ == 0 && (!style_ || style_->DrawFocusFrame))
        c->DrawFocusRect(cell);
}

void TCustomDBGridEh::DrawColumnCell(const win::RECT& rect, int dataCol, TColumnEh* column, TGridDrawState state) {
    if (OnDrawColumnCell) OnDrawColumnCell(this, rect, dataCol, column, state);
}

void TCustomDBGridEh::DefaultDrawColumnCell(const win::RECT& rect, int dataCol, TColumnEh* column,
                                            TGridDrawState state) {
    (void)dataCol;
    (void)state;
    TCanvas* c = Canvas();
    win::RECT r = rect;
    int dx = 2;
    if (optionsEh_.Contains(dghFooter3D)) {
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        dx = 1;
    }
    int dy = flat_ ? dx - 1 : dx;
    int kind = column->GetColumnType();
    if (kind == ctKeyImageList) {
        c->FillRect(r);
        DrawGraphicClipped(column->ImageList(), c, r, taCenter, 0, column->GetImageIndex());
    } else if (kind == ctCheckboxes) {
        DrawCheckBoxInCell(r, column->GetCheckboxState(), c->Brush()->Color());
    } else {
        DrawCellText(c, r, true, dx, dy, column->DisplayText(), column->Alignment(), column->Layout(),
                     column->WordWrap() && multiLineRows_, column->EndEllipsis(), 0, 0,
                     column->UseRightToLeftReading());
    }
}

void TCustomDBGridEh::DrawFooterCell(int col, int row, win::RECT rect, TGridDrawState state) {
    TCanvas* c = Canvas();
    int dataCol = col - indicatorOffset_;
    int n = row - (RowCount() - footerRowCount_);
    TColumnEh* column = columns_->Items(dataCol);
    TColumnFooterEh* footer = column->FooterForRow(n);
    bool raised = IsCellRaised(col, row, state);
    win::RECT cell = raised ? win::RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1} : rect;
    int margin = raised ? 1 : 2;
    int vmargin = flat_ ? margin - 1 : margin;
    c->Font()->Assign(footer->Font());
    TColor bk = footer->Color();
    if (defaultDrawingEh_) {
        TAlignment a = footer->Alignment();
        std::string text = GetFooterValue(n, column);
        if (OnGetFooterParams) OnGetFooterParams(this, dataCol, n, column, c->Font(), bk, a, state, text);
        GetTitleParams(dataCol, row, bk, c->Font(), state);
        c->Brush()->SetColor(bk);
        DrawCellText(c, cell, true, margin, vmargin, text, a, column->Layout(), footer->WordWrap() && multiLineRows_,
                     footer->EndEllipsis(), 0, 0);
    }
    if (OnDrawFooterCell) OnDrawFooterCell(this, dataCol, n, column, rect, state);
    if (raised) DrawEdgeEh(c, rect, true, true, false, false);
}

bool TCustomDBGridEh::GetCellParamsEh(TColumnEh* column, TFont* font, TColor& background, TGridDrawState state) {
    bool focusHighlight = Focused() && optionsEh_.Contains(dghHighlightFocus);
    bool currentRow = colCellParams_->Row == Row();
    bool selected = (state.Contains(gdSelected) || (currentRow && options_.Contains(dgRowSelect))) &&
                    (options_.Contains(dgAlwaysShowSelection) || focusHighlight);
    if (layoutLock_ != 0 && !options_.Contains(dgRowSelect)) selected = false;
    (void)column;
    if (!selected) return false;
    bool focused = Focused() || (InplaceEditor() && InplaceEditor()->Focused());
    if (focused) {
        background = clHighlight;
        font->SetColor(clHighlightText);
    } else {
        background = clBtnShadow;
        font->SetColor(clHighlightText);
    }
    return true;
}

void TCustomDBGridEh::GetTitleParams(int dataCol, int row, TColor& background, TFont* font, TGridDrawState state) {
    (void)dataCol;
    (void)row;
    (void)state;
    (void)background;
    (void)font;
    // Highlighted fixed cells belong to selections, which this grid does not draw yet.
}

void TCustomDBGridEh::DrawFlatBorder() {}

} // namespace tv
