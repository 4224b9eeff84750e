// TCustomGrid: the counts, sizes, options and the current cell.
#include "framework/ui/grids/grid.h"

#include <algorithm>

#include "framework/ui/forms.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/scrollbar.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TGridOptionInfo{
    "TGridOption",
    {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect", "goDrawFocusSelected",
     "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing", "goTabs", "goRowSelect",
     "goAlwaysShowEditor", "goThumbTracking"}};

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
    // The grid fires its own Click and DblClick (after moving the current cell).
    controlStyle_ = TControlStyle{csCaptureMouse, csOpaque};
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    colWidths_.assign(size_t(colCount_), defaultColWidth_);
    rowHeights_.assign(size_t(rowCount_), defaultRowHeight_);
    tabStops_.assign(size_t(colCount_), true);
}

TCustomGrid::~TCustomGrid() {
    // The editor calls back into the grid while it goes: free it first. The
    // focus it had comes back to the grid, which must not make a new one.
    Destroying();
    TInplaceEdit* e = inplaceEdit_;
    inplaceEdit_ = nullptr;
    delete e;
}

// --- counts -----------------------------------------------------------------------------

void TCustomGrid::ChangeSize(int newCols, int newRows) {
    colWidths_.resize(size_t(newCols), defaultColWidth_);
    rowHeights_.resize(size_t(newRows), defaultRowHeight_);
    tabStops_.resize(size_t(newCols), true);
    colCount_ = newCols;
    rowCount_ = newRows;
    fixedCols_ = std::min(fixedCols_, newCols - 1);
    fixedRows_ = std::min(fixedRows_, newRows - 1);
    auto clampCell = [&](TGridCoord& c) {
        c.X = std::clamp(c.X, fixedCols_, colCount_ - 1);
        c.Y = std::clamp(c.Y, fixedRows_, rowCount_ - 1);
    };
    TGridCoord before = current_;
    clampCell(current_);
    clampCell(anchor_);
    clampCell(topLeft_);
    if (!(before == current_) && editorMode_) HideEditor();
    InvalidateGrid();
    UpdateScrollRange();
}

void TCustomGrid::SetColCount(int v) {
    v = std::max(v, 1);
    if (v == colCount_) return;
    ChangeSize(v, rowCount_);
}

void TCustomGrid::SetRowCount(int v) {
    v = std::max(v, 1);
    if (v == rowCount_) return;
    ChangeSize(colCount_, v);
}

void TCustomGrid::SetFixedCols(int v) {
    if (v < 0) throw EInvalidGridOperation(SGridIndexOutOfRange);
    if (v >= colCount_) throw EInvalidGridOperation(SFixedColTooBig);
    if (v == fixedCols_) return;
    fixedCols_ = v;
    current_.X = std::max(current_.X, v);
    anchor_.X = std::max(anchor_.X, v);
    topLeft_.X = v;
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::SetFixedRows(int v) {
    if (v < 0) throw EInvalidGridOperation(SGridIndexOutOfRange);
    if (v >= rowCount_) throw EInvalidGridOperation(SFixedRowTooBig);
    if (v == fixedRows_) return;
    fixedRows_ = v;
    current_.Y = std::max(current_.Y, v);
    anchor_.Y = std::max(anchor_.Y, v);
    topLeft_.Y = v;
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

// --- sizes ----------------------------------------------------------------------------

int TCustomGrid::ColWidths(int index) const {
    if (index < 0 || index >= colCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    return colWidths_[size_t(index)];
}

void TCustomGrid::SetColWidths(int index, int v) {
    if (index < 0 || index >= colCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    if (colWidths_[size_t(index)] == v) return;
    colWidths_[size_t(index)] = v;
    InvalidateGrid();
    ColWidthsChanged();
}

int TCustomGrid::RowHeights(int index) const {
    if (index < 0 || index >= rowCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    return rowHeights_[size_t(index)];
}

void TCustomGrid::SetRowHeights(int index, int v) {
    if (index < 0 || index >= rowCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    if (rowHeights_[size_t(index)] == v) return;
    rowHeights_[size_t(index)] = v;
    InvalidateGrid();
    RowHeightsChanged();
}

void TCustomGrid::SetDefaultColWidth(int v) {
    defaultColWidth_ = v;
    std::fill(colWidths_.begin(), colWidths_.end(), v);
    InvalidateGrid();
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
    defaultRowHeight_ = v;
    std::fill(rowHeights_.begin(), rowHeights_.end(), v);
    InvalidateGrid();
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int v) {
    v = std::max(v, 0);
    if (v == gridLineWidth_) return;
    gridLineWidth_ = v;
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::ColWidthsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

bool TCustomGrid::TabStops(int index) const {
    if (index < 0 || index >= colCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    return tabStops_[size_t(index)];
}

void TCustomGrid::SetTabStops(int index, bool v) {
    if (index < 0 || index >= colCount_) throw EInvalidGridOperation(SGridIndexOutOfRange);
    tabStops_[size_t(index)] = v;
}

// --- options ------------------------------------------------------------------------

void TCustomGrid::SetOptions(TGridOptions v) {
    if (v.Contains(goRowSelect)) v.Exclude(goAlwaysShowEditor);
    if (v == options_) return;
    options_ = v;
    if (!v.Contains(goEditing) || v.Contains(goRowSelect)) HideEditor();
    else if (!editorMode_ && v.Contains(goAlwaysShowEditor)) ShowEditor();
    else if (!editorMode_) HideEditor();
    if (v.Contains(goRowSelect)) anchor_.Y = current_.Y;
    InvalidateGrid();
    UpdateScrollRange();
}

void TCustomGrid::SetScrollBars(TScrollStyle v) {
    if (v == scrollBars_) return;
    scrollBars_ = v;
    RecreateKeepingFocus();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateKeepingFocus();
}

// The form still names the grid or its editor as its active control while
// the new window is made, so the window focus is given back here directly.
void TCustomGrid::RecreateKeepingFocus() {
    auto alive = Alive();
    bool editorFocused = inplaceEdit_ && inplaceEdit_->Focused();
    bool gridFocused = Focused();
    int selStart = editorFocused ? inplaceEdit_->SelStart() : 0;
    int selLength = editorFocused ? inplaceEdit_->SelLength() : 0;
    RecreateWnd();
    if (!*alive || !HandleAllocated()) return;
    if (editorFocused && inplaceEdit_ && inplaceEdit_->Visible()) {
        win::SetFocus(inplaceEdit_->Handle());
        inplaceEdit_->SetSelStart(selStart);
        inplaceEdit_->SetSelLength(selLength);
    } else if ((editorFocused || gridFocused) && GetFocus() != WindowHandle()) win::SetFocus(WindowHandle());
}

void TCustomGrid::SetDefaultDrawing(bool v) {
    if (v == defaultDrawing_) return;
    defaultDrawing_ = v;
    InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor v) {
    if (v == fixedColor_) return;
    fixedColor_ = v;
    InvalidateGrid();
}

// --- the current cell -------------------------------------------------------------------

TGridRect TCustomGrid::Selection() const {
    if (options_.Contains(goRowSelect))
        return {fixedCols_, std::min(anchor_.Y, current_.Y), colCount_ - 1, std::max(anchor_.Y, current_.Y)};
    return {std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
            std::max(anchor_.Y, current_.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& v) {
    TGridRect old = Selection();
    current_ = {std::clamp(v.Left, 0, colCount_ - 1), std::clamp(v.Top, 0, rowCount_ - 1)};
    anchor_ = {std::clamp(v.Right, 0, colCount_ - 1), std::clamp(v.Bottom, 0, rowCount_ - 1)};
    SelectionMoved(old);
}

void TCustomGrid::SetCol(int v) {
    if (v == current_.X) return;
    FocusCell(v, current_.Y, true);
}

void TCustomGrid::SetRow(int v) {
    if (v == current_.Y) return;
    FocusCell(current_.X, v, true);
}

bool TCustomGrid::SelectCell(int col, int row) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, col, row, can);
    return can;
}

bool TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        throw EInvalidGridOperation(SGridIndexOutOfRange);
    if (!SelectCell(col, row)) return false;
    TGridRect old = Selection();
    TGridCoord oldCur = current_;
    if (editorMode_ && !(oldCur == TGridCoord{col, row})) {
        // The text goes to its cell before the move: a refused entry stops it.
        if (!options_.Contains(goAlwaysShowEditor)) {
            HideEditor();
        } else if (inplaceEdit_ && inplaceEdit_->Visible()) {
            UpdateText();
            editCell_ = {-1, -1};
        }
    }
    current_ = {col, row};
    if (moveAnchor || !options_.Contains(goRangeSelect)) anchor_ = current_;
    if (show) ClampInView(current_);
    SelectionMoved(old);
    InvalidateCell(oldCur.X, oldCur.Y);
    InvalidateCell(col, row);
    if (editorMode_ && options_.Contains(goAlwaysShowEditor)) UpdateEdit();
    return true;
}

void TCustomGrid::MoveColRow(int col, int row, bool moveAnchor, bool show) {
    auto alive = Alive();
    if (!MoveCurrent(col, row, moveAnchor, show) || !*alive) return;
    UpdateEdit();
    Click();
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) { MoveColRow(col, row, moveAnchor, true); }

void TCustomGrid::ExtendSelectionTo(const TGridCoord& to) {
    bool range = options_.Contains(goRangeSelect) && !options_.Contains(goEditing);
    MoveCurrent(to.X, to.Y, !range, true);
}

void TCustomGrid::SetCurrentDirect(int col, int row) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        throw EInvalidGridOperation(SGridIndexOutOfRange);
    TGridRect old = Selection();
    InvalidateCell(current_.X, current_.Y);
    current_ = anchor_ = {col, row};
    SelectionMoved(old);
    InvalidateCell(col, row);
}

void TCustomGrid::SelectionMoved(const TGridRect& old) {
    TGridRect now = Selection();
    if (now == old) return;
    InvalidateRect(old);
    InvalidateRect(now);
}

bool TCustomGrid::IsActiveControl() {
    if (TCustomForm* f = GetParentForm(this)) {
        TWinControl* ac = f->ActiveControl();
        return ac == this || (ac && ac == inplaceEdit_);
    }
    if (!HandleAllocated()) return false;
    for (HWND h = GetFocus(); h; h = GetParent(h))
        if (h == WindowHandle()) return true;
    return false;
}

// --- invalidation ---------------------------------------------------------------------

void TCustomGrid::InvalidateRect(const TGridRect& r) {
    if (!HandleAllocated()) return;
    RECT box = BoxRect(r.Left, r.Top, r.Right, r.Bottom);
    // The line after the cells belongs to them when they are drawn.
    if (UseRightToLeftAlignment())
        box.left -= gridLineWidth_;
    else
        box.right += gridLineWidth_;
    box.bottom += gridLineWidth_;
    if (box.right > box.left && box.bottom > box.top) win::InvalidateRect(WindowHandle(), &box, FALSE);
}

void TCustomGrid::InvalidateCell(int col, int row) { InvalidateRect({col, row, col, row}); }
void TCustomGrid::InvalidateRow(int row) { InvalidateRect({0, row, colCount_ - 1, row}); }
void TCustomGrid::InvalidateCol(int col) { InvalidateRect({col, 0, col, rowCount_ - 1}); }

// --- the window ----------------------------------------------------------------------

void TCustomGrid::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style |= WS_TABSTOP;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
    if (borderStyle_ == bsSingle) {
        if (Ctl3D()) p.ExStyle |= WS_EX_CLIENTEDGE;
        else p.Style |= WS_BORDER;
    }
    p.WindowClass.style |= CS_DBLCLKS;
}

void TCustomGrid::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

void TCustomGrid::Loaded() {
    TCustomControl::Loaded();
    UpdateScrollRange();
}

void TCustomGrid::ChangeScale(int m, int d) {
    TCustomControl::ChangeScale(m, d);
    if (m == d || m <= 0 || d <= 0) return;
    auto scale = [&](int v) { return v < 0 ? v : int(((long long)v * m + d / 2) / d); };
    defaultColWidth_ = scale(defaultColWidth_);
    defaultRowHeight_ = scale(defaultRowHeight_);
    for (int& w : colWidths_) w = scale(w);
    for (int& h : rowHeights_) h = scale(h);
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == inplaceEdit_) {
        inplaceEdit_ = nullptr;
        editCell_ = {-1, -1};
    }
}

void TCustomGrid::WndProc(Message& msg) { TCustomControl::WndProc(msg); }
void TCustomGrid::DefaultHandler(Message& msg) { TCustomControl::DefaultHandler(msg); }

void TCustomGrid::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS;
        if (options_.Contains(goTabs)) msg.Result |= DLGC_WANTTAB;
        if (options_.Contains(goEditing)) msg.Result |= DLGC_WANTCHARS;
        return;
    case WM_CHAR: {
        auto ch = char32_t(msg.WParam);
        if (options_.Contains(goEditing) && !options_.Contains(goRowSelect) && (ch == 8 || ch >= 32)) {
            ShowEditorChar(ch);
            msg.Result = 0;
            return;
        }
        break;
    }
    case WM_HSCROLL: case WM_VSCROLL:
        if (msg.LParam == 0) {
            HandleScroll(msg.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, msg);
            return;
        }
        break;
    case WM_TIMER:
        if (msg.WParam == 1) {
            HandleTimer();
            return;
        }
        break;
    case WM_SETCURSOR:
        if (HandleSetCursor(msg)) return;
        break;
    case WM_CANCELMODE: case CM_CANCELMODE:
        CancelMouseState();
        break;
    case WM_SIZE:
        TCustomControl::Dispatch(msg);
        UpdateScrollRange();
        UpdateEdit();
        return;
    case WM_SETFOCUS: {
        auto alive = Alive();
        TCustomControl::Dispatch(msg);
        if (!*alive) return;
        InvalidateRect(Selection());
        // The focus passes on to the editor when it shows, or when it
        // always shows (unless it is just handing the focus back).
        if (options_.Contains(goAlwaysShowEditor) && !hidingEditor_) ShowEditor();
        else if (editorMode_) UpdateEdit();
        return;
    }
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(msg);
        InvalidateRect(Selection());
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(msg);
}

} // namespace tv
