// The grid's cells: indicator, data, footer and filter-row cells, the rows
// between, buttons and check boxes in cells, the incremental-search text, and
// the colours of highlighted cells.
#include <algorithm>

#include "core/strutils.h"
#include "editors/buttonfaces.h"
#include "editors/memtable.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/picture.h"
#include "grid/cellpaint.h"
#include "grid/celltext.h"
#include "grid/gridinplaceedit.h"
#include "grid/gridstyle.h"
#include "grid/gridunit.h"
#include "grid/platformwrappers.h"
#include "grid/unmirroredscope.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/text.h"
#include "platform/window/sysmetrics.h"

namespace tv {

namespace {

// The incremental search shows its prefix on yellow in black.
constexpr TColor kIncSearchBackground = 0x00FFFF;

win::UINT AlignmentDrawFlags(TAlignment a) {
    switch (a) {
    case taRightJustify: return win::DT_RIGHT | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    case taCenter: return win::DT_CENTER | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    default: return win::DT_LEFT | win::DT_EXPANDTABS | win::DT_NOPREFIX;
    }
}

TAlignment Mirrored(TAlignment a) {
    return a == taLeftJustify ? taRightJustify : a == taRightJustify ? taLeftJustify : a;
}

// The first `chars` characters of a UTF-8 text.
std::string CharPrefix(const std::string& text, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < chars; ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(0, i);
}

} // namespace

// --- the pipeline ---

void TCustomDBGridEh::DrawCell(int col, int row, const win::RECT& given, TGridDrawState state) {
    colCellParams_->Col = col;
    colCellParams_->Row = row;
    if (given.left >= given.right) return;
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    if (GridLoading()) {
        c->Brush()->SetColor(Color());
        c->FillRect(given);
        return;
    }
    TCellPaintEh p;
    p.col = col;
    p.row = row;
    p.given = p.rect = given;
    p.state = state;
    p.raised = IsCellRaised(col, row, state);
    p.type = GetCellType(col, row, p.areaCol, p.areaRow);
    p.dataRow = row - titleRowCount_;
    p.dataCol = col - indicatorOffset_;
    if (p.raised) {
        p.rect = {given.left + 1, given.top + 1, given.right - 1, given.bottom - 1};
        p.margin = 1;
    }
    p.vmargin = flat_ ? p.margin - 1 : p.margin;

    if (state.Contains(gdFixed) && p.dataCol < 0) {
        PaintIndicatorCell(p);
    } else if (p.dataCol >= columns_->Count()) {
        c->Brush()->SetColor(Color());
        c->FillRect(given);
        return;
    } else {
        TColumnEh* column = columns_->Items(p.dataCol);
        if (!state.Contains(gdFixed) || p.dataRow >= 0) {
            c->Font()->Assign(column->Font());
            c->Brush()->SetColor(column->Color());
        } else {
            c->Font()->Assign(column->Title()->Font());
            c->Brush()->SetColor(column->Title()->Color());
        }
        if (p.dataRow < 0 && row == 0 && options_.Contains(dgTitles)) {
            PaintTopTitleCell(p, column);
            return;
        }
        if (p.dataRow < 0) {
            p.highlighted = CellSelected(col, row, {}, p.dataCol);
            if (p.raised && IsFixedThemed()) FillFixedBackground(p.rect, false, p.highlighted, {});
            DrawTitleCell(col, row, p.highlighted, state, p.rect, p.type, p.areaCol, p.areaRow);
        } else if (!dataLink_->Active()) {
            c->FillRect(p.rect);
        } else if (p.dataRow < ShownRecordCount()) {
            PaintDataCell(p, column);
        } else if (footerRowCount_ > 0 && p.type.Area == caFooterEh) {
            PaintFooterCell(p, column);
        } else {
            TColor background = c->Brush()->Color();
            p.highlighted = GetTitleParams(col, row, c->Font(), background, CellSelected(col, row, {}, p.dataCol),
                                           state, p.type, p.areaCol, p.areaRow);
            c->Brush()->SetColor(background);
            if (p.raised && IsFixedThemed()) FillFixedBackground(p.rect, false, p.highlighted, {});
            else c->FillRect(p.rect);
        }
    }
    if (p.raised && !IsFixedThemed()) DrawEdgeEh(c, given, true, true, false, false);
}

void TCustomDBGridEh::PaintIndicatorCell(TCellPaintEh& p) {
    TCanvas* c = Canvas();
    bool separator = footerRowCount_ > 0 && p.type.Area == caSeparatorEh;
    c->Brush()->SetColor(separator && !optionsEh_.Contains(dghFrozen3D) ? Color() : FixedColor());
    c->Font()->Assign(Font());
    bool selected = false, current = false;
    if (dataLink_->Active()) {
        selected = selection_->SelectionType() == gstAll;
        if (p.dataRow >= 0 && p.dataRow < ShownRecordCount()) {
            current = IsActiveRow(p.dataRow);
            TGridActiveRowGuard entered(*this, p.dataRow);
            selected = options_.Contains(dgMultiSelect) &&
                       selection_->DataCellSelected(p.dataCol, DataSet()->Bookmark());
        }
        if (selected) {
            TColor background = c->Brush()->Color();
            p.highlighted = GetTitleParams(p.col, p.row, c->Font(), background, true, p.state, p.type, p.areaCol,
                                           p.areaRow);
            c->Brush()->SetColor(background);
        }
    }
    if (p.raised && IsFixedThemed()) FillFixedBackground(p.rect, false, selected, {});
    else c->FillRect(p.rect);
    TDataSet* ds = DataSet();
    if (!ds || !(current || selected)) return;
    // Only the current record shows the dataset's state: a selected record
    // that is not current is not being edited.
    int image = -1;
    if (current) {
        switch (ds->State()) {
        case dsBrowse: image = selected ? 5 : incSearchActive_ ? 6 : 0; break;
        case dsEdit: image = 1; break;
        case dsInsert: image = 2; break;
        default: image = 0;
        }
        indicatorRow_ = titleRowCount_ + p.dataRow;
    }
    TCustomImageList* images = DBGridEhIndicators();
    if (image >= 0 && images && image < images->Count())
        images->Draw(c, p.rect.right - images->Width() - p.margin,
                     (p.rect.top + p.rect.bottom - images->Height()) / 2, image, true);
}

void TCustomDBGridEh::PaintDataCell(TCellPaintEh& p, TColumnEh* column) {
    TCanvas* c = Canvas();
    TGridDrawState state = p.state;
    bool currentRecord = IsActiveRow(p.dataRow);
    TGridActiveRowGuard entered(*this, p.dataRow);
    TDataSet* ds = DataSet();

    TColor background = c->Brush()->Color();
    if (column->Color() == Color() &&
        (ds->IsSequenced() || (sumList_->Active() && sumList_->VirtualRecords()))) {
        int n = sumList_->CurrentRecordNumber();
        background = n % 2 == 1 ? OddRowColor() : EvenRowColor();
    }
    win::RECT textRect = p.rect;
    if (memTableLink_ && memTableLink_->TreeViewActive() && visibleColumns_.Count() > 0 &&
        column == visibleColumns_.Items(0)) {
        c->Brush()->SetColor(background);
        int right = std::min(textRect.right, textRect.left + GetTreeIndent());
        DrawTreeArea(column, p.row, {textRect.left, textRect.top, right, textRect.bottom}, state);
        textRect.left = right;
    }
    if (column->AlwaysShowEditButton())
        textRect.right = std::max(textRect.left, textRect.right - column->EditButtonsWidth());

    TColCellParamsEh* params = colCellParams_.get();
    params->Text = column->DisplayText();
    params->State = state;
    params->SetFont(c->Font());
    params->Alignment = column->Alignment();
    params->Background = background;
    params->ImageIndex = column->GetImageIndex();
    params->CheckboxState = column->GetCheckboxState();
    GetCellParams(column, params->Font(), params->Background, state);
    column->GetColCellParams(false, params);
    c->Font()->Assign(params->Font());
    background = params->Background;
    if (GetCellParamsEh(p.dataCol, p.dataRow, c->Font(), background, state, params->Text)) state.Include(gdSelected);
    p.highlighted = state.Contains(gdSelected);
    c->Brush()->SetColor(background);

    bool duplicate = false;
    if (column->HideDuplicates() && SameAsPriorRecord(column, params->Text)) {
        params->Text.clear();
        params->ImageIndex = -1;
        duplicate = true;
    }
    bool wrap = column->WordWrap() && multiLineRows_;
    if (defaultDrawingEh_ && p.rect.left < p.rect.right && p.rect.top < p.rect.bottom) {
        if (p.raised && IsFixedThemed()) FillFixedBackground(p.rect, false, p.highlighted, {});
        if (column->ImageList() && column->ShowImageAndText()) {
            int strip = column->ImageList()->Width() + 4;
            win::RECT stripRect{textRect.left, textRect.top, std::min(textRect.right, textRect.left + strip),
                                textRect.bottom};
            c->Brush()->SetColor(column->Color());
            c->FillRect(stripRect);
            DrawGraphicClipped(column->ImageList(), c, stripRect, taCenter, 0, params->ImageIndex);
            c->Brush()->SetColor(background);
            textRect.left = std::min(textRect.right, stripRect.right + 1);
        }
        switch (column->GetColumnType()) {
        case ctKeyImageList:
            c->FillRect(textRect);
            DrawGraphicClipped(column->ImageList(), c, textRect, taCenter, 0, params->ImageIndex);
            break;
        case ctCheckboxes:
            c->FillRect(textRect);
            DrawCheckBoxInCell(textRect, params->CheckboxState);
            break;
        default:
            WriteCellText(column, c, textRect, true, p.margin, p.vmargin, params->Text, params->Alignment,
                          column->Layout(), wrap, column->EndEllipsis(), 0, 0);
        }
    }
    if (column->AlwaysShowEditButton()) DrawAlwaysShownButtons(p, column, textRect, background);
    DrawRequiredMark(column, params->Text, p.rect, currentRecord);
    if (columns_->GetState() != csCustomized) DrawDataCell(p.rect, column->Field(), state);
    DrawColumnCell(p.rect, p.dataCol, column, state);
    if (incSearchActive_ && state.Contains(gdSelected) && currentRecord && p.col == Col() &&
        (options_.Contains(dgAlwaysShowSelection) || Focused()) && !GridDesigning() && layoutLock_ == 0 &&
        IsActiveControl())
        DrawIncSearchText(column, textRect, p.margin, p.vmargin, params->Text, wrap);
    // Repeated values read as one block: the line above takes the cell's colour.
    if (duplicate && options_.Contains(dgRowLines)) {
        c->Brush()->SetColor(column->Color());
        c->FillRect({p.given.left, p.given.top - 1, p.given.right, p.given.top});
    }
    if (defaultDrawingEh_ && state.Contains(gdFocused) && Focused() && !GridDesigning() &&
        !options_.Contains(dgRowSelect) && layoutLock_ == 0 && IsActiveControl() && style_ && style_->DrawFocusFrame)
        c->DrawFocusRect(p.rect);
}

void TCustomDBGridEh::DrawAlwaysShownButtons(TCellPaintEh& p, TColumnEh* column, const win::RECT& textRect,
                                             TColor background) {
    TCanvas* c = Canvas();
    int x = textRect.right;
    int top = p.rect.top;
    auto draw = [&](int width, TGraphic* glyph, TEditButtonStyleEh style) {
        win::RECT button{x, top, x + width, top + editButtonHeight_};
        if (p.raised) win::OffsetRect(&button, 1, -1);
        if (flat_ && p.raised) {
            c->Brush()->SetColor(background);
            c->FillRect({button.left - 1, button.top, button.left, p.rect.bottom});
        }
        DrawCellButton(column, c, glyph, background, dataLink_->Active(), flat_, p.rect, button, style);
        x += width;
    };
    TDBGridEditKindEh kind = ColumnEditKind(column);
    if (kind != ekPlainEh) {
        TEditButtonStyleEh style = kind == ekEllipsisEh ? ebsEllipsisEh : kind == ekUpDownEh ? ebsUpDownEh
                                                                                              : ebsDropDownEh;
        draw(editButtonWidth_ + (flat_ ? 1 : 0), nullptr, style);
    }
    TEditButtonsEh* buttons = column->EditButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TEditButtonEh* b = buttons->ButtonAt(i);
        if (!b->Visible()) continue;
        int width = b->Width() < 1 ? editButtonWidth_ + (flat_ ? 1 : 0) : b->Width() + (flat_ ? 2 : 0);
        draw(width, b->Style() == ebsGlyphEh ? b->GetGlyph() : nullptr, b->Style());
    }
    if (editButtonHeight_ < DefaultRowHeight() && x > textRect.right) {
        c->Brush()->SetColor(background);
        c->FillRect({textRect.right, top + editButtonHeight_, x, p.rect.bottom});
    }
}

void TCustomDBGridEh::PaintFooterCell(TCellPaintEh& p, TColumnEh* column) {
    TCanvas* c = Canvas();
    int n = p.areaRow - 1;
    TColumnFooterEh* footer = column->FooterForRow(n);
    c->Font()->Assign(footer->Font());
    c->Brush()->SetColor(footer->Color());
    if (defaultDrawingEh_) {
        TColor background = c->Brush()->Color();
        TAlignment alignment = footer->Alignment();
        std::string text = GetFooterValue(n, column);
        GetFooterParams(p.dataCol, n, column, c->Font(), background, alignment, p.state, text);
        p.highlighted = GetTitleParams(p.col, p.row, c->Font(), background, CellSelected(p.col, p.row, {}, p.dataCol),
                                       p.state, p.type, p.areaCol, p.areaRow);
        c->Brush()->SetColor(background);
        if (p.raised && IsFixedThemed()) FillFixedBackground(p.rect, false, p.highlighted, {});
        bool fill = !(p.raised && background == clBtnFace && IsFixedThemed());
        WriteCellText(column, c, p.rect, fill, p.margin, p.vmargin, text, alignment, column->Layout(),
                      footer->WordWrap() && multiLineRows_, footer->EndEllipsis(), 0, 0);
    }
    if (OnDrawFooterCell) OnDrawFooterCell(this, p.dataCol, n, column, p.rect, p.state);
}

void TCustomDBGridEh::DrawTitleCell(int col, int row, bool& highlighted, TGridDrawState state, win::RECT rect,
                                    const TCellTypeEh& cellType, int areaCol, int areaRow) {
    TCanvas* c = Canvas();
    int dataCol = col - indicatorOffset_;
    TColumnEh* column = dataCol >= 0 && dataCol < columns_->Count() ? columns_->Items(dataCol) : nullptr;
    bool filterCell = FilterRowVisible() && row == titleRowCount_ - 1 && column && column->Visible() &&
                      column->STFilter()->Visible();
    if (!filterCell) {
        TColor background = cellType.DataColumn && column ? column->Title()->Color() : FixedColor();
        highlighted = GetTitleParams(col, row, c->Font(), background, highlighted, state, cellType, areaCol, areaRow);
        c->Brush()->SetColor(background);
        if (!IsFixedThemed()) c->FillRect(rect);
        return;
    }
    TSTColumnFilterEh* filter = column->STFilter();
    bool button = filter->HasDropDownButton();
    int buttonWidth = 0;
    if (button) buttonWidth = flat_ ? FlatButtonDefaultWidth() + 1 : win::GetSystemMetrics(win::SM_CXVSCROLL);
    win::RECT textRect = rect;
    textRect.right = std::max(textRect.left, textRect.right - buttonWidth);
    c->Pen()->SetColor(clBlack);
    c->Font()->Assign(Font());
    c->Font()->SetColor(clBlue);
    TColor background = BrightenColor(FixedColor(), 8);
    highlighted = GetTitleParams(col, row, c->Font(), background, highlighted, state, cellType, areaCol, areaRow);
    c->Brush()->SetColor(background);
    std::string text = column->FieldName().empty() ? std::string() : filter->ExpressionText();
    {
        win::RECT box = textRect;
        TUnmirroredScope scope(c->Handle(), ClientWidth(), ClientHeight(), box);
        DrawCellText(c, box, true, 1, 1, text, column->UseRightToLeftAlignment() ? taRightJustify : taLeftJustify,
                     column->Layout(), false, false, 0, 0, column->UseRightToLeftReading());
    }
    c->Pen()->SetColor(background);
    if (!button) return;
    win::RECT b{textRect.right, rect.top, rect.right, rect.top + editButtonHeight_};
    if (flat_) {
        c->Brush()->SetColor(background);
        c->FillRect({b.left, rect.top, b.left + 1, rect.bottom});
    }
    DrawCellButton(column, c, nullptr, background, dataLink_->Active(), flat_, rect, b, ebsDropDownEh);
    if (editButtonHeight_ < DefaultRowHeight()) {
        c->Brush()->SetColor(background);
        c->FillRect({b.left, b.bottom, rect.right, rect.bottom});
    }
}

// --- colours ---

bool TCustomDBGridEh::GetCellParamsEh(int dataCol, int dataRow, TFont* font, TColor& background,
                                      TGridDrawState state, const std::string&) {
    bool currentRow = dataRow == Row() - titleRowCount_;
    bool currentCell = currentRow && (dataCol + indicatorOffset_ == Col() || options_.Contains(dgRowSelect));
    bool selected = dataLink_->Active() && selection_->DataCellSelected(dataCol, DataSet()->Bookmark());
    bool focusHighlight = false;
    if (!selected) {
        focusHighlight = Focused() && optionsEh_.Contains(dghHighlightFocus);
        if (optionsEh_.Contains(dghRowHighlight) && currentRow && dataCol + indicatorOffset_ != Col() &&
            selection_->SelectionType() == gstNon) {
            focusHighlight = true;
            state.Include(gdSelected);
        }
        selected = (state.Contains(gdSelected) || (currentRow && options_.Contains(dgRowSelect))) &&
                   (options_.Contains(dgAlwaysShowSelection) || focusHighlight);
        if (layoutLock_ != 0 && !options_.Contains(dgRowSelect)) selected = false;
    }
    if (!selected) return false;
    bool active = IsSelectionActive();
    bool currentShown = currentCell && (active || focusHighlight || options_.Contains(dgAlwaysShowSelection));
    if (style_) {
        style_->GetDataCellColors(this, currentShown, active, background, font);
    } else if (active) {
        background = clHighlight;
        font->SetColor(clHighlightText);
    } else if (currentShown) {
        background = clBtnShadow;
        font->SetColor(clHighlightText);
    } else {
        background = clBtnFace;
    }
    return true;
}

bool TCustomDBGridEh::GetTitleParams(int, int, TFont* font, TColor& background, bool highlighted, TGridDrawState,
                                     const TCellTypeEh& cellType, int, int) {
    if (!highlighted) return false;
    bool indicator = !cellType.DataColumn && indicatorOffset_ > 0;
    bool titleArea = cellType.Area == caTitleEh || cellType.Area == caFilterEh;
    if ((indicator && cellType.Area != caSeparatorEh) || (titleArea && cellType.DataColumn)) {
        background = win::RGB(64, 64, 64);
        font->SetColor(clWhite);
        return true;
    }
    bool active = IsSelectionActive();
    if (style_) {
        style_->GetTitleCellColors(this, active, background, font);
    } else if (active) {
        background = clHighlight;
        font->SetColor(clHighlightText);
    } else {
        background = clBtnFace;
    }
    return true;
}

// --- event hooks ---

void TCustomDBGridEh::DrawDataCell(const win::RECT& rect, TField* field, TGridDrawState state) {
    if (OnDrawDataCell) OnDrawDataCell(this, rect, field, state);
}

void TCustomDBGridEh::DrawColumnCell(const win::RECT& rect, int dataCol, TColumnEh* column, TGridDrawState state) {
    if (OnDrawColumnCell) OnDrawColumnCell(this, rect, dataCol, column, state);
}

void TCustomDBGridEh::GetCellParams(TColumnEh* column, TFont* font, TColor& background, TGridDrawState state) {
    if (OnGetCellParams) OnGetCellParams(this, column, font, background, state);
}

void TCustomDBGridEh::GetFooterParams(int dataCol, int row, TColumnEh* column, TFont* font, TColor& background,
                                      TAlignment& alignment, TGridDrawState state, std::string& text) {
    if (OnGetFooterParams) OnGetFooterParams(this, dataCol, row, column, font, background, alignment, state, text);
}

// --- pieces of cells ---

void TCustomDBGridEh::WriteCellText(TColumnEh* column, TCanvas* canvas, win::RECT rect, bool fillRect, int dx,
                                    int dy, const std::string& text, TAlignment alignment, TTextLayout layout,
                                    bool wordWrap, bool endEllipsis, int leftMargin, int rightMargin) {
    bool rtl = column && column->UseRightToLeftAlignment();
    // The cell lies where the mirrored mapping puts it; its text is not mirrored.
    TUnmirroredScope scope(canvas->Handle(), ClientWidth(), ClientHeight(), rect);
    if (rtl) {
        alignment = Mirrored(alignment);
        std::swap(leftMargin, rightMargin);
    }
    DrawCellText(canvas, rect, fillRect, dx, dy, text, alignment, layout, wordWrap, endEllipsis, leftMargin,
                 rightMargin, column && column->UseRightToLeftReading());
}

void TCustomDBGridEh::DrawCellButton(TColumnEh* column, TCanvas* canvas, TGraphic* glyph, TColor background,
                                     bool enabled, bool flat, const win::RECT& cellRect, win::RECT buttonRect,
                                     TEditButtonStyleEh style) {
    win::HDC dc = canvas->Handle();
    bool clipped = buttonRect.left < cellRect.left;
    if (clipped) {
        win::SaveDC(dc);
        win::IntersectClipRect(dc, cellRect.left, cellRect.top, cellRect.right, cellRect.bottom);
    }
    try {
        if (flat) {
            canvas->Brush()->SetColor(background);
            canvas->FillRect({buttonRect.left, buttonRect.top, buttonRect.left + 1, buttonRect.bottom});
            buttonRect.left += 1;
        }
        TUnmirroredScope scope(dc, ClientWidth(), ClientHeight(), buttonRect);
        if (style == ebsGlyphEh) {
            if (flat) {
                canvas->Brush()->SetColor(background);
                canvas->FrameRect(buttonRect);
                canvas->Brush()->SetColor(clBtnFace);
                canvas->FillRect({buttonRect.left + 1, buttonRect.top + 1, buttonRect.right - 1, buttonRect.bottom - 1});
            } else {
                win::RECT r = buttonRect;
                win::DrawEdge(dc, &r, win::EDGE_RAISED, win::BF_RECT | win::BF_MIDDLE);
            }
            win::RECT inner{buttonRect.left + 2, buttonRect.top + 2, buttonRect.right - 2, buttonRect.bottom - 2};
            DrawGraphicClipped(glyph, canvas, inner, taCenter, 0);
        } else {
            DrawEditButtonFace(dc, buttonRect, background, cbUnchecked, enabled, false, flat, bppNoneEh,
                               ButtonFaceKindOfStyle(style));
        }
    } catch (...) {
        if (clipped) win::RestoreDC(dc, -1);
        throw;
    }
    if (clipped) win::RestoreDC(dc, -1);
}

void TCustomDBGridEh::DrawButtonMirrored(win::HDC dc, win::RECT rect, TCheckBoxState state, bool flat, int kind,
                                         TColor background) {
    TUnmirroredScope scope(dc, ClientWidth(), ClientHeight(), rect);
    DrawEditButtonFace(dc, rect, background, state, true, false, flat, bppNoneEh, kind);
}

void TCustomDBGridEh::DrawCheckBoxInCell(const win::RECT& rect, TCheckBoxState state) {
    int w = std::min(DefaultCheckBoxWidth(), static_cast<int>(rect.right - rect.left));
    int h = std::min(DefaultCheckBoxHeight(), static_cast<int>(rect.bottom - rect.top));
    win::RECT box{(rect.left + rect.right - w) / 2, (rect.top + rect.bottom - h) / 2, 0, 0};
    box.right = box.left + w;
    box.bottom = box.top + h;
    DrawButtonMirrored(Canvas()->Handle(), box, state, flat_, bfkCheckBoxEh, Canvas()->Brush()->Color());
}

void TCustomDBGridEh::DrawIncSearchText(TColumnEh* column, const win::RECT& rect, int dx, int dy,
                                        const std::string& text, bool wordWrap) {
    TCanvas* c = Canvas();
    std::string prefix = CharPrefix(text, Utf8Length(incSearchText_));
    if (prefix.empty()) return;
    TAlignment alignment = column->Alignment();
    if (column->UseRightToLeftAlignment()) alignment = Mirrored(alignment);
    win::UINT flags = AlignmentDrawFlags(alignment);
    if (wordWrap) {
        flags |= win::DT_WORDBREAK;
        if (column->UseRightToLeftReading()) flags |= win::DT_RTLREADING;
    }
    win::RECT r{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
    if (dx != 0) r.bottom += 1;
    TUnmirroredScope scope(c->Handle(), ClientWidth(), ClientHeight(), r);
    win::DRAWTEXTPARAMS params;
    // Right and centred text: the rest of the text as the right margin puts
    // the prefix where it stands in the whole text.
    if (alignment != taLeftJustify) params.iRightMargin = c->TextWidth(text.substr(prefix.size()));
    TColor savedBrush = c->Brush()->Color(), savedFont = c->Font()->Color();
    c->Brush()->SetColor(kIncSearchBackground);
    c->Font()->SetColor(clBlack);
    win::HDC dc = c->Handle();
    win::SetBkMode(dc, win::OPAQUE);
    win::SetBkColor(dc, ColorToRGB(kIncSearchBackground));
    win::SetTextColor(dc, ColorToRGB(clBlack));
    PlatformDrawTextInRect(dc, prefix, -1, &r, flags, params);
    c->Brush()->SetColor(savedBrush);
    c->Font()->SetColor(savedFont);
}

void TCustomDBGridEh::InvalidateIndicator() {
    if (options_.Contains(dgIndicator) && HandleAllocated() && indicatorRow_ >= 0 && indicatorRow_ < RowCount())
        InvalidateCell(0, indicatorRow_);
}

void TCustomDBGridEh::DefaultDrawColumnCell(const win::RECT& rect, int, TColumnEh* column, TGridDrawState) {
    TCanvas* c = Canvas();
    win::RECT r = rect;
    int dx = 2;
    if (optionsEh_.Contains(dghFooter3D)) {
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        dx = 1;
    }
    int dy = flat_ ? dx - 1 : dx;
    switch (column->GetColumnType()) {
    case ctKeyImageList: {
        c->FillRect(r);
        int i = -1;
        if (TField* f = column->Field(); f && column->KeyList()) i = column->KeyList()->IndexOf(f->Text());
        if (i < 0) i = column->NotInKeyListIndex();
        DrawGraphicClipped(column->ImageList(), c, r, taCenter, 0, i);
        break;
    }
    case ctCheckboxes:
        c->FillRect(r);
        DrawCheckBoxInCell(r, column->GetCheckboxState());
        break;
    default:
        WriteCellText(column, c, r, true, dx, dy, column->DisplayText(), column->Alignment(), column->Layout(),
                      column->WordWrap() && multiLineRows_, column->EndEllipsis(), 0, 0);
    }
}

} // namespace tv
