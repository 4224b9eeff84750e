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

// What a cell's tool tip is worked out from, step by step.
struct TCustomDBGridEh::TCellToolTipEh {
    TColumnEh* column = nullptr;
    TGridCoord cell;
    TCellTypeEh type;
    int areaRow = 0;
    bool title = false;
    RECT cellRect{}; // the cell in the window
    // As laid out (right to left the cell is mirrored back): the cell less
    // what holds no text, the right end of the column's text, the mouse's x.
    RECT rect{};
    int textRight = 0;
    int atX = 0;
    std::string text;
    TFont* font = nullptr;
    TAlignment alignment = taLeftJustify;
    bool wrap = false, vertical = false;
    bool noText = false; // the mouse is off the text: no tip
    bool show = false;   // shown whether the text fits or not
    int textWidth = 0;
};

void TCustomDBGridEh::HintShow(Message& msg) {
    auto* info = reinterpret_cast<THintInfo*>(msg.LParam);
    TCustomGrid::Dispatch(msg);
    if (!info || msg.Result != 0) return;
    TCellToolTipEh t;
    t.cell = MouseCoord(info->CursorPos.x, info->CursorPos.y);
    t.column = ColumnAtGridCol(t.cell.X);
    if (!t.column || t.cell.Y < 0) return;
    int dataCol;
    t.type = GetCellType(t.cell.X, t.cell.Y, dataCol, t.areaRow);
    t.title = t.type.Area == caTitleEh && options_.Contains(dgTitles);
    t.cellRect = CellRect(t.cell.X, t.cell.Y);
    if (t.title && !t.column->Title()->Hint().empty()) {
        info->HintStr = GetShortHint(t.column->Title()->Hint());
        info->CursorRect = t.cellRect;
        return;
    }
    bool applies = (t.title && t.column->Title()->ToolTips()) ||
                   (t.type.Area == caDataEh && dataLink_->Active() && t.column->ToolTips()) ||
                   (t.type.Area == caFooterEh && t.column->FooterForRow(t.areaRow - 1)->ToolTips());
    if (!applies || GridHasCapture() || GetKeyState(VK_CONTROL) < 0) return;

    // Worked out as laid out, and the hint mirrored at the end.
    t.rect = LogicalRect(t.cellRect);
    t.atX = LogicalX(info->CursorPos.x);
    t.textRight = t.rect.left + t.column->Width();
    t.font = Font();
    if (t.title)
        TitleToolTip(t, info->CursorPos.y);
    else if (t.type.Area == caDataEh)
        DataCellToolTip(t);
    else
        FooterToolTip(t);
    if (t.noText || !ToolTipWanted(t)) {
        info->HintStr.clear();
        return;
    }
    PlaceToolTip(*info, t);
}

// A title's caption, the leaf's in its band of a multi-level title, beside
// the sort marker.
void TCustomDBGridEh::TitleToolTip(TCellToolTipEh& t, int atY) {
    TColumnTitleEh* title = t.column->Title();
    int marker = title->SortMarkerWidth();
    if (marker > 2) {
        t.rect.right -= marker - 2;
        t.textRight -= marker - 2;
    }
    if (useMultiTitle_) {
        THeadTreeNode* leaf = LeafFieldNode(t.cell.X - indicatorOffset_);
        t.text = leaf ? leaf->Caption : title->Caption();
        if (leaf) t.rect.top = t.rect.bottom - leaf->Height;
        if (atY < t.rect.top) t.noText = true;
    } else {
        t.text = title->Caption();
    }
    t.wrap = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;
    t.alignment = title->Alignment();
    t.font = title->Font();
    t.vertical = title->Orientation() == tohVertical;
}

// A record's text as the cell shows it, the cell's events having their say,
// between its image and its always-shown buttons.
void TCustomDBGridEh::DataCellToolTip(TCellToolTipEh& t) {
    TColumnEh* column = t.column;
    TGridActiveRowGuard entered(*this, t.areaRow);
    t.text = HintCellText(column);
    if (column->AlwaysShowEditButton()) {
        int buttons = column->EditButtonsWidth();
        t.textRight = t.rect.left + column->Width() - buttons;
        t.rect.right = std::min(t.rect.right, t.textRight);
        if (t.atX >= t.textRight) t.noText = true;
    }
    // The tree's indent in the first column holds no text.
    if (visibleColumns_.Count() > 0 && column == visibleColumns_.Items(0)) t.rect.left += GetTreeIndent();
    if (column->ImageList()) t.rect.left += column->ImageList()->Width() + 5;
    if (t.atX < t.rect.left) t.noText = true;
    t.alignment = IsCheckOrImageKind(column) ? taLeftJustify : column->Alignment();
    t.wrap = column->WordWrap() && multiLineRows_;
    t.font = column->Font();
    // The cell's events may change the text and its alignment, as when drawing.
    TColCellParamsEh* p = colCellParams_.get();
    column->FillColCellParams(p);
    p->Background = Canvas()->Brush()->Color();
    p->SetFont(HintFont());
    p->State = {};
    p->Alignment = t.alignment;
    p->Text = t.text;
    p->Col = t.cell.X;
    p->Row = t.cell.Y;
    if (OnGetCellParams) OnGetCellParams(this, column, p->Font(), p->Background, p->State);
    column->GetColCellParams(false, p);
    t.text = p->Text;
    t.alignment = p->Alignment;
    t.show = IsCheckOrImageKind(column);
}

void TCustomDBGridEh::FooterToolTip(TCellToolTipEh& t) {
    TColumnFooterEh* footer = t.column->FooterForRow(t.areaRow - 1);
    t.font = footer->Font();
    t.wrap = footer->WordWrap();
    t.alignment = footer->Alignment();
    t.text = GetFooterValue(t.areaRow - 1, t.column);
}

// Measured in the hint font: a tip for a text that does not fit its cell,
// and for a right-aligned one cut by the grid's edge.
bool TCustomDBGridEh::ToolTipWanted(TCellToolTipEh& t) {
    if (t.vertical) {
        OverturnUpRect(t.rect);
        t.wrap = false;
    }
    TFont* hint = HintFont();
    hint->Assign(t.font);
    hint->SetColor(clInfoText);
    TCanvas* c = Canvas();
    TFont saved;
    saved.Assign(c->Font());
    c->Font()->Assign(hint);
    int textHeight = 0;
    UINT reading = t.column->UseRightToLeftReading() ? UINT(DT_RTLREADING) : 0;
    bool cutOff = CheckHintTextRect(reading, c, TitleInnerMargin(), t.wrap, t.rect, t.text, 1, t.textWidth, textHeight);
    c->Font()->Assign(&saved);
    t.show = t.show || cutOff;
    return t.show || (t.alignment == taRightJustify && t.rect.right < t.textRight - 2);
}

// The tip lies over the cell's text: its left edge, or its right end when
// right-aligned, or centred.
void TCustomDBGridEh::PlaceToolTip(THintInfo& info, const TCellToolTipEh& t) {
    info.HintStr = t.text;
    info.CursorRect = t.cellRect;
    int x;
    switch (t.alignment) {
    case taRightJustify: x = t.textRight - t.textWidth - 6; break;
    case taCenter: x = t.textRight - t.textWidth / 2 - (t.textRight - t.rect.left - 4) / 2 - 5; break;
    default: x = t.rect.left - 1; break;
    }
    int y = t.rect.top - (flat_ ? 2 : 1);
    // Mirrored, the hint's box lies over the mirrored text: its right edge where its left one would be.
    if (UseRightToLeftAlignment()) x = ClientWidth() - x - (t.textWidth + 6);
    info.HintPos = ClientToScreen({x, y});
    info.HintWindowClass = TToolTipsWindow::StaticClass();
    info.HintData = HintFont();
    if (t.wrap) info.HintMaxWidth = t.rect.right - t.rect.left - 4;
}

} // namespace tv
