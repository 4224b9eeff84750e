// TCustomDBGridEh and its hints: a title's own hint, and tool tips that show
// the whole text of a cut-off title, data or footer cell over the cell.
#include <algorithm>

#include "editors/tooltipswindow.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/hintwindow.h"
#include "grid/dbgrideh.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

namespace {
bool IsCheckOrImageKind(TColumnEh* c) {
    return c->GetColumnType() == ctCheckboxes || c->GetColumnType() == ctKeyImageList;
}
} // namespace

TFont* TCustomDBGridEh::HintFont() {
    if (!hintFont_) hintFont_ = std::make_unique<TFont>();
    return hintFont_.get();
}

std::string TCustomDBGridEh::HintCellText(TColumnEh* column) {
    if (IsCheckOrImageKind(column)) {
        TStrings* pick = column->PickList();
        TField* f = column->Field();
        int i = -1;
        if (column->GetColumnType() == ctKeyImageList) {
            TStrings* keys = column->KeyList();
            if (keys && f) i = keys->IndexOf(f->Text());
        } else {
            i = static_cast<int>(column->GetCheckboxState());
        }
        return pick && i >= 0 && i < pick->Count() ? pick->Strings(i) : std::string();
    }
    return column->Field() ? column->DisplayText() : std::string();
}

// Where tool tips apply: a footer cell with its footer's, a data cell with
// its column's, a title without a hint of its own with its title's.
bool TCustomDBGridEh::ToolTipsApplyAt(int x, int y) {
    TGridCoord cell = MouseCoord(x, y);
    TColumnEh* column = ColumnAtGridCol(cell.X);
    if (!column || cell.Y < 0) return false;
    int dataCol, areaRow;
    TCellTypeEh type = GetCellType(cell.X, cell.Y, dataCol, areaRow);
    switch (type.Area) {
    case caFooterEh: return column->FooterForRow(areaRow - 1)->ToolTips();
    case caDataEh: return dataLink_->Active() && column->ToolTips();
    case caTitleEh: return options_.Contains(dgTitles) && column->Title()->ToolTips() && column->Title()->Hint().empty();
    default: return false;
    }
}

void TCustomDBGridEh::HintShowPause(Message& msg) {
    auto* pause = reinterpret_cast<int*>(msg.LParam);
    if (!pause || !HandleAllocated()) return;
    POINT p;
    GetCursorPos(&p);
    win::ScreenToClient(WindowHandle(), &p);
    *pause = ToolTipsApplyAt(p.x, p.y) ? 0 : (Application ? Application->HintPause() : *pause);
}

void TCustomDBGridEh::HintShow(Message& msg) {
    auto* info = reinterpret_cast<THintInfo*>(msg.LParam);
    TCustomGrid::Dispatch(msg);
    if (!info || msg.Result != 0) return;
    POINT at = info->CursorPos;
    TGridCoord cell = MouseCoord(at.x, at.y);
    TColumnEh* column = ColumnAtGridCol(cell.X);
    if (!column || cell.Y < 0) return;
    int dataCol, areaRow;
    TCellTypeEh type = GetCellType(cell.X, cell.Y, dataCol, areaRow);
    bool title = type.Area == caTitleEh && options_.Contains(dgTitles);
    RECT cellRect = CellRect(cell.X, cell.Y);
    if (title && !column->Title()->Hint().empty()) {
        info->HintStr = GetShortHint(column->Title()->Hint());
        info->CursorRect = cellRect;
        return;
    }
    bool applies = (title && column->Title()->ToolTips()) ||
                   (type.Area == caDataEh && dataLink_->Active() && column->ToolTips()) ||
                   (type.Area == caFooterEh && column->FooterForRow(areaRow - 1)->ToolTips());
    if (!applies || GridHasCapture() || GetKeyState(VK_CONTROL) < 0) return;

    // Worked out as laid out (right to left the cell is mirrored back), and
    // the hint mirrored at the end.
    RECT rect = LogicalRect(cellRect);
    int atX = LogicalX(at.x);
    int textRight = rect.left + column->Width();
    std::string text;
    bool wrap = false, vertical = false, noText = false, show = false;
    TAlignment alignment = taLeftJustify;
    TFont* font = Font();
    if (title) {
        TColumnTitleEh* t = column->Title();
        int marker = t->SortMarkerWidth();
        if (marker > 2) {
            rect.right -= marker - 2;
            textRight -= marker - 2;
        }
        if (useMultiTitle_) {
            THeadTreeNode* leaf = LeafFieldNode(cell.X - indicatorOffset_);
            text = leaf ? leaf->Caption : t->Caption();
            if (leaf) rect.top = rect.bottom - leaf->Height;
            if (at.y < rect.top) noText = true;
        } else {
            text = t->Caption();
        }
        wrap = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;
        alignment = t->Alignment();
        font = t->Font();
        vertical = t->Orientation() == tohVertical;
    } else if (type.Area == caDataEh) {
        TGridActiveRowGuard entered(*this, areaRow);
        text = HintCellText(column);
        if (column->AlwaysShowEditButton()) {
            int buttons = column->EditButtonsWidth();
            textRight = rect.left + column->Width() - buttons;
            rect.right = std::min(rect.right, textRight);
            if (atX >= textRight) noText = true;
        }
        if (column->ImageList()) rect.left += column->ImageList()->Width() + 5;
        if (atX < rect.left) noText = true;
        alignment = IsCheckOrImageKind(column) ? taLeftJustify : column->Alignment();
        wrap = column->WordWrap() && multiLineRows_;
        font = column->Font();
        // The cell's events may change the text and its alignment, as when drawing.
        TColCellParamsEh* p = colCellParams_.get();
        column->FillColCellParams(p);
        p->Background = Canvas()->Brush()->Color();
        p->SetFont(HintFont());
        p->State = {};
        p->Alignment = alignment;
        p->Text = text;
        p->Col = cell.X;
        p->Row = cell.Y;
        if (OnGetCellParams) OnGetCellParams(this, column, p->Font(), p->Background, p->State);
        column->GetColCellParams(false, p);
        text = p->Text;
        alignment = p->Alignment;
        show = IsCheckOrImageKind(column);
    } else {
        TColumnFooterEh* footer = column->FooterForRow(areaRow - 1);
        font = footer->Font();
        wrap = footer->WordWrap();
        alignment = footer->Alignment();
        text = GetFooterValue(areaRow - 1, column);
    }
    if (noText) {
        info->HintStr.clear();
        return;
    }
    if (vertical) {
        OverturnUpRect(rect);
        wrap = false;
    }
    TFont* hint = HintFont();
    hint->Assign(font);
    hint->SetColor(clInfoText);
    TCanvas* c = Canvas();
    TFont saved;
    saved.Assign(c->Font());
    c->Font()->Assign(hint);
    int textWidth = 0, textHeight = 0;
    UINT reading = column->UseRightToLeftReading() ? UINT(DT_RTLREADING) : 0;
    if (!show)
        show = CheckHintTextRect(reading, c, TitleInnerMargin(), wrap, rect, text, 1, textWidth, textHeight);
    else
        CheckHintTextRect(reading, c, TitleInnerMargin(), wrap, rect, text, 1, textWidth, textHeight);
    c->Font()->Assign(&saved);
    if (!show && !(alignment == taRightJustify && rect.right < textRight - 2)) {
        info->HintStr.clear();
        return;
    }
    info->HintStr = text;
    info->CursorRect = cellRect;
    int x;
    switch (alignment) {
    case taRightJustify: x = textRight - textWidth - 6; break;
    case taCenter: x = textRight - textWidth / 2 - (textRight - rect.left - 4) / 2 - 5; break;
    default: x = rect.left - 1; break;
    }
    int y = rect.top - (flat_ ? 2 : 1);
    // Mirrored, the hint's box lies over the mirrored text: its right edge where its left one would be.
    if (UseRightToLeftAlignment()) x = ClientWidth() - x - (textWidth + 6);
    info->HintPos = ClientToScreen({x, y});
    info->HintWindowClass = TToolTipsWindow::StaticClass();
    info->HintData = hint;
    if (wrap) info->HintMaxWidth = rect.right - rect.left - 4;
}

} // namespace tv
