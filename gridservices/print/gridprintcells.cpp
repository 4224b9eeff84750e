// The drawing half of a grid print job: cells of data and footer rows, the
// column titles (simple or multi-level) and the title block over them.
#include <algorithm>
#include <cmath>

#include "core/formatsettings.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/celltext.h"
#include "grid/dbgrideh.h"
#include "grid/headtreenode.h"
#include "gridservices/print/gridprintjob.h"
#include "gridservices/print/printcelltext.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/picture.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/text.h"

namespace tv {

using namespace win;
using gridprint::DrawCellText;

namespace {

// The system's check box: 13 pixels square on the screen.
constexpr int kCheckBoxWidth = 13, kCheckBoxHeight = 13;

bool IsNumericField(const TField* field) { return field && IsNumericType(field->DataType()); }

} // namespace

// An amount wider than its cell is printed in type small enough to fit: cut
// at the cell's edge it would lose its leading digits and read as another
// number. Its line moves down to keep the baseline of the type it replaces.
void TGridPrintJob::ShrinkToFit(RECT& box, TTextLayout layout, const std::string& text) {
    const int width = box.right - box.left;
    if (width <= 0 || text.empty()) return;
    TFont* font = canvas_->Font();
    int need = gridprint::TextPixelWidth(canvas_, text);
    if (need <= width) return;
    TEXTMETRIC before;
    GetTextMetrics(canvas_->Handle(), &before);
    while (need > width) {
        const int height = std::abs(font->Height());
        if (height <= 1) break;
        int smaller = int(std::floor(double(height) * width / need));
        smaller = std::clamp(smaller, 1, height - 1);
        font->SetHeight(font->Height() < 0 ? -smaller : smaller);
        need = gridprint::TextPixelWidth(canvas_, text);
    }
    TEXTMETRIC after;
    GetTextMetrics(canvas_->Handle(), &after);
    if (layout == tlTop) box.top = std::min(box.bottom, box.top + before.tmAscent - after.tmAscent);
}

void TGridPrintJob::DrawCheckBox(RECT box, TCheckBoxState state) {
    UINT flags = state == cbChecked ? DFCS_BUTTONCHECK | DFCS_CHECKED
                 : state == cbGrayed ? DFCS_BUTTON3STATE | DFCS_CHECKED
                                     : DFCS_BUTTONCHECK;
    int w = int(kCheckBoxWidth * scaleX_), h = int(kCheckBoxHeight * scaleY_);
    RECT r;
    r.left = box.right - box.left < w ? box.left : box.left + (box.right - box.left - w) / 2;
    r.top = box.bottom - box.top < h ? box.top : box.top + (box.bottom - box.top - h) / 2;
    r.right = std::min(r.left + w, box.right);
    r.bottom = std::min(r.top + h, box.bottom);
    DrawFrameControl(canvas_->Handle(), &r, DFC_BUTTON, flags);
}

void TGridPrintJob::DrawImage(TCustomImageList* images, RECT box, TAlignment alignment, int index) {
    if (counting_ || !images || index < 0 || index >= images->Count()) return;
    int w = int(images->Width() * scaleX_), h = int(images->Height() * scaleY_);
    RECT r;
    r.top = box.top + (box.bottom - box.top - h) / 2;
    r.left = alignment == taLeftJustify    ? box.left
             : alignment == taRightJustify ? box.right - w
                                           : box.left + (box.right - box.left - w) / 2;
    r.right = r.left + w;
    r.bottom = r.top + h;
    // The picture over the cell's colour, stretched to the printer's scale.
    TBitmap picture;
    picture.SetSize(images->Width(), images->Height());
    picture.Canvas()->Brush()->SetColor(canvas_->Brush()->Color());
    picture.Canvas()->FillRect({0, 0, images->Width(), images->Height()});
    images->Draw(picture.Canvas(), 0, 0, index);
    HDC dc = canvas_->Handle();
    bool clip = r.left < box.left || r.top < box.top || r.right > box.right || r.bottom > box.bottom;
    int saved = clip ? SaveDC(dc) : 0;
    if (clip) IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    canvas_->StretchDraw(r, &picture);
    if (clip) RestoreDC(dc, saved);
}

int TGridPrintJob::Cell(RECT box, int colIndex, const TPrintRowCursor& row, int rowInBand, bool measure) {
    TColumnEh* col = columns_.GetColumn(colIndex);
    bool colored = owner_->Options().Contains(pghColored);
    bool wrap = measure ? owner_->Options().Contains(pghRowAutoStretch) : wrap_;
    bool draw = !measure && !counting_;
    RECT text{box.left + padding_, box.top + cellInset_, box.right - padding_, box.bottom - cellInset_};
    TColCellParamsEh* params = owner_->CellParams();
    bool rtl = grid_->IsRightToLeft();
    if (row.DataRow) {
        TColor background = colored ? col->Color() : clWhite;
        canvas_->Font()->Assign(col->Font());
        ApplyPrintFont(canvas_->Font());
        col->FillColCellParams(params);
        params->SetFont(canvas_->Font());
        params->Background = background;
        if (grid_->OnGetCellParams)
            grid_->OnGetCellParams(grid_, col, canvas_->Font(), params->Background, params->State);
        params->SetFont(canvas_->Font());
        col->GetColCellParams(false, params);
        canvas_->Font()->Assign(params->Font());
        background = params->Background;
        canvas_->Brush()->SetColor(background);
        if (!measure && col->HideDuplicates()) {
            std::string kept = params->Text;
            int index = -1;
            for (int i = 0; i < prevCellTexts_->Count(); ++i)
                if (prevCellTexts_->Objects(i) == col) index = i;
            if (rowInBand > 0 && index >= 0 && prevCellTexts_->Strings(index) == kept) {
                params->Text.clear();
                params->ImageIndex = -1;
            }
            if (index >= 0)
                prevCellTexts_->SetStrings(index, kept);
            else
                prevCellTexts_->AddObject(kept, col);
        }
        if (draw && background != clWhite) {
            canvas_->Brush()->SetStyle(bsSolid);
            canvas_->Pen()->SetColor(background);
            canvas_->Rectangle(box);
            canvas_->Pen()->SetColor(clBlack);
        }
        int kind = col->GetColumnType();
        int imageHeight = 0;
        if (kind != 4 && col->ImageList() && col->ShowImageAndText()) {
            RECT area{text.left, text.top, int(col->ImageList()->Width() * scaleY_ + text.left + 4 * scaleY_),
                      text.bottom};
            imageHeight = int(col->ImageList()->Height() * scaleY_ + 4 * scaleY_);
            if (draw) {
                TColor saved = canvas_->Brush()->Color();
                if (colored) canvas_->Brush()->SetColor(col->Color());
                DrawImage(col->ImageList(), area, taCenter, params->ImageIndex);
                canvas_->Brush()->SetColor(saved);
            }
            text.left = int(area.right + scaleY_);
        }
        if (kind == 5 && !measure) {
            if (draw) DrawCheckBox(text, params->CheckboxState);
            return 0;
        }
        if (kind == 4 && !measure) {
            if (draw) DrawImage(col->ImageList(), box, taCenter, params->ImageIndex);
            return 0;
        }
        if (measure)
            return std::max(imageHeight, DrawCellText(canvas_, text, false, rtl, rtl, true, 0, 0, col->EndEllipsis(),
                                                       wrap, col->Layout(), params->Alignment, params->Text, 0, 0) +
                                             2 * cellInset_);
        if (draw) {
            const bool amount = kind == 0 && IsNumericField(col->Field());
            if (amount) ShrinkToFit(text, col->Layout(), params->Text);
            DrawCellText(canvas_, text, false, rtl, rtl, false, 0, 0, col->EndEllipsis(), wrap && !amount,
                         col->Layout(), params->Alignment, params->Text, 0, 0);
        }
        return 0;
    }
    int footerRow = std::stoi(row.Position);
    TColumnFooterEh* footer = col->FooterForRow(footerRow);
    TAlignment alignment = footer ? footer->Alignment() : taLeftJustify;
    std::string value;
    if (footer && (footer->ValueType() == fvtSum || footer->ValueType() == fvtCount))
        value = FooterSumText(footerRow, colIndex);
    else
        value = grid_->GetFooterValue(footerRow, col);
    TColor background = colored && footer ? footer->Color() : clWhite;
    canvas_->Font()->Assign(footer ? footer->Font() : grid_->FooterFont());
    ApplyPrintFont(canvas_->Font());
    if (grid_->OnGetFooterParams)
        grid_->OnGetFooterParams(grid_, col->Index(), footerRow, col, canvas_->Font(), background, alignment,
                                 TGridDrawState(), value);
    canvas_->Brush()->SetColor(background);
    if (draw && background != clWhite) {
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Pen()->SetColor(background);
        canvas_->Rectangle(box);
        canvas_->Pen()->SetColor(clBlack);
    }
    bool ellipsis = footer && footer->EndEllipsis();
    if (measure)
        return DrawCellText(canvas_, text, false, rtl, rtl, true, 0, 0, ellipsis, wrap, col->Layout(), alignment,
                            value, 0, 0) +
               2 * cellInset_;
    if (draw) {
        const TFooterValueType type = footer ? footer->ValueType() : fvtNon;
        const std::string name = footer && !footer->FieldName().empty() ? footer->FieldName() : col->FieldName();
        const bool amount = type == fvtSum || type == fvtAvg || type == fvtCount ||
                            (type == fvtFieldValue && IsNumericField(data_->FindField(name)));
        if (amount) ShrinkToFit(text, col->Layout(), value);
        DrawCellText(canvas_, text, false, rtl, rtl, false, 0, 0, ellipsis, wrap && !amount, col->Layout(), alignment,
                     value, 0, 0);
    }
    return 0;
}

std::string TGridPrintJob::FooterSumText(int footerRow, int colIndex) {
    TColumnEh* col = columns_.GetColumn(colIndex);
    TColumnFooterEh* footer = col->FooterForRow(footerRow);
    Currency value = footerValues_[std::size_t(footerRow)][std::size_t(colIndex)];
    const std::string& format = footer->DisplayFormat();
    if (footer->ValueType() == fvtCount)
        return format.empty() ? FloatToStr(value.ToDouble()) : FormatFloat(format, value.ToDouble());
    std::string name = footer->FieldName().empty() ? col->FieldName() : footer->FieldName();
    TField* field = name.empty() ? nullptr : data_->FindField(name);
    if (!field) return "";
    switch (field->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
        if (!format.empty()) return FormatFloat(format, value.ToDouble());
        if (!field->DisplayFormat().empty()) return FormatFloat(field->DisplayFormat(), value.ToDouble());
        return std::to_string(std::llround(value.ToDouble()));
    case ftFloat:
    case ftCurrency:
        if (!format.empty()) return FormatFloat(format, value.ToDouble());
        if (!field->DisplayFormat().empty()) return FormatFloat(field->DisplayFormat(), value.ToDouble());
        return field->Currency() ? FloatToStrF(value.ToDouble(), ffCurrency, field->Precision(),
                                               FormatSettings.CurrencyDecimals)
                                 : FloatToStrF(value.ToDouble(), ffGeneral, field->Precision(), 0);
    case ftBCD:
    case ftFMTBcd:
        if (!format.empty()) return FormatFloat(format, value.ToDouble());
        if (!field->DisplayFormat().empty()) return FormatCurr(field->DisplayFormat(), value);
        return field->Currency() ? CurrToStrF(value, ffCurrency, FormatSettings.CurrencyDecimals)
                                 : CurrToStrF(value, ffGeneral, 0);
    default:
        return "";
    }
}

void TGridPrintJob::DrawTitles(int firstCol, int lastCol, int rowsTop) {
    if (grid_->UseMultiTitle() && grid_->HeadTree())
        DrawMultiTitles(firstCol, lastCol, rowsTop);
    else
        DrawSimpleTitles(firstCol, lastCol, rowsTop);
    DrawTitleBlock(firstCol, lastCol, rowsTop - titlesHeight_);
}

void TGridPrintJob::DrawSimpleTitles(int firstCol, int lastCol, int rowsTop) {
    bool colored = owner_->Options().Contains(pghColored);
    bool draw = !counting_;
    int x = left_;
    int top = rowsTop - titlesHeight_;
    for (int i = firstCol; i <= lastCol; ++i) {
        TColumnEh* col = columns_.GetColumn(i);
        TColumnTitleEh* title = col->Title();
        RECT box = Mirror({x, top, x + widths_[std::size_t(i)], rowsTop});
        canvas_->Font()->Assign(title->Font());
        ApplyPrintFont(canvas_->Font());
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Brush()->SetColor(colored ? grid_->FixedColor() : clWhite);
        bool image = grid_->TitleImages() && title->ImageIndex() != -1;
        std::string caption = image ? "" : title->Caption();
        if (draw) {
            if (title->Orientation() == tohVertical)
                DrawVerticalCellText(canvas_, box, colored, false, false, tlBottom, title->Alignment(), caption,
                                     2 * cellInset_, padding_);
            else
                DrawCellText(canvas_, box, colored, grid_->IsRightToLeft(), grid_->IsRightToLeft(), false, 0, 0,
                             title->EndEllipsis(), false, tlTop, title->Alignment(), caption, cellInset_, padding_);
        }
        if (image) DrawImage(grid_->TitleImages(), box, title->Alignment(), title->ImageIndex());
        AddLine({{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}});
        x += widths_[std::size_t(i)];
    }
    AddLine({{left_, rowsTop}, {left_, top}, {x, top}});
    canvas_->Brush()->SetStyle(bsClear);
}

void TGridPrintJob::DrawMultiTitles(int firstCol, int lastCol, int rowsTop) {
    bool colored = owner_->Options().Contains(pghColored);
    bool draw = !counting_;
    int groupLeft = left_, groupRight = left_;
    for (int i = firstCol; i <= lastCol; ++i) groupRight += widths_[std::size_t(i)];
    int x = left_;
    auto fill = [&](TFont* font) {
        canvas_->Font()->Assign(font);
        ApplyPrintFont(canvas_->Font());
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Brush()->SetColor(colored ? grid_->FixedColor() : clWhite);
    };
    for (int i = firstCol; i <= lastCol; ++i) {
        TColumnEh* col = columns_.GetColumn(i);
        THeadTreeNode* leaf = grid_->LeafFieldNode(col->Index());
        int w = widths_[std::size_t(i)];
        int h = leaf ? leaf->Height : titlesHeight_;
        RECT box = Mirror({x, rowsTop - h, x + w, rowsTop});
        fill(col->Title()->Font());
        bool image = grid_->TitleImages() && col->Title()->ImageIndex() != -1;
        std::string caption = image ? "" : (leaf ? leaf->Text() : col->Title()->Caption());
        if (draw) {
            if (col->Title()->Orientation() == tohVertical)
                DrawVerticalCellText(canvas_, box, true, false, false, tlCenter, taCenter, caption,
                                     titleInset_ + cellInset_, 0);
            else
                DrawCellText(canvas_, box, true, grid_->IsRightToLeft(), grid_->IsRightToLeft(), false, padding_,
                             padding_, false, true, tlCenter, taCenter, caption, titleInset_, 0);
        }
        if (image) DrawImage(grid_->TitleImages(), box, taCenter, col->Title()->ImageIndex());
        AddLine({{box.left, box.top}, {box.left, box.bottom}, {box.right, box.bottom}});
        // The parents above this column, as far as they start here.
        THeadTreeNode* node = leaf;
        int childLeft = x, childTop = rowsTop - h;
        while (node && node->Parent && !node->Parent->IsRoot() &&
               (i == firstCol || node->Parent->FirstChild == node)) {
            THeadTreeNode* parent = node->Parent;
            int before = 0;
            for (THeadTreeNode* s = parent->FirstChild; s && s != node; s = s->NextSibling) before += s->Width;
            int start = childLeft - before;
            int d = std::max(0, groupLeft - start);
            int boxLeft = std::max(start, groupLeft);
            int boxRight = start + parent->Width;
            int e = std::max(0, boxRight - groupRight);
            boxRight = std::min(boxRight, groupRight);
            RECT pbox = Mirror({boxLeft, childTop - parent->Height, boxRight, childTop});
            fill(grid_->TitleFont());
            if (draw)
                DrawCellText(canvas_, pbox, true, grid_->IsRightToLeft(), grid_->IsRightToLeft(), false,
                             padding_ - e, padding_ - d, false, true, tlCenter, taCenter, parent->Text(), titleInset_,
                             0);
            AddLine({{pbox.left, pbox.top}, {pbox.left, pbox.bottom}, {pbox.right, pbox.bottom}});
            childLeft = start;
            childTop -= parent->Height;
            node = parent;
        }
        x += w;
    }
    int top = rowsTop - titlesHeight_;
    AddLine({{groupLeft, top}, {groupRight, top}, {groupRight, rowsTop}});
    canvas_->Brush()->SetStyle(bsClear);
}

int TGridPrintJob::MeasureTitleBlock() {
    if (owner_->Title()->Count() == 0) return 0;
    int width = 0;
    for (int w : widths_) width += w;
    canvas_->Font()->Assign(grid_->TitleFont());
    ApplyPrintFont(canvas_->Font());
    int inset = grid_->UseMultiTitle() ? int(std::lround(grid_->VTitleMargin() * scaleY_ / 2)) : cellInset_;
    int h = DrawCellText(canvas_, RECT{0, 0, std::max(1, width), 0}, false, false, false, true, padding_, padding_,
                         false, true, tlTop, taCenter, gridprint::JoinedLines(owner_->Title()), inset, 0);
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    return h;
}

void TGridPrintJob::DrawTitleBlock(int firstCol, int lastCol, int blockBottom) {
    if (titleBlockHeight_ == 0) return;
    bool colored = owner_->Options().Contains(pghColored);
    int before = 0, inside = 0, after = 0;
    for (int i = 0; i < int(widths_.size()); ++i)
        (i < firstCol ? before : i > lastCol ? after : inside) += widths_[std::size_t(i)];
    RECT box = Mirror({left_, blockBottom - titleBlockHeight_, left_ + inside, blockBottom});
    canvas_->Font()->Assign(grid_->TitleFont());
    ApplyPrintFont(canvas_->Font());
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->Brush()->SetColor(colored ? grid_->FixedColor() : clWhite);
    int inset = grid_->UseMultiTitle() ? int(std::lround(grid_->VTitleMargin() * scaleY_ / 2)) : cellInset_;
    if (!counting_)
        DrawCellText(canvas_, box, colored, false, false, false, padding_ - after, padding_ - before, false, true,
                     tlTop, taCenter, gridprint::JoinedLines(owner_->Title()), inset, 0);
    AddLine({{box.left, box.bottom}, {box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}});
    canvas_->Brush()->SetStyle(bsClear);
}

} // namespace tv
