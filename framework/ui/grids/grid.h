#pragma once
// TCustomGrid: the framework's base grid. It keeps the cells' geometry, the
// current cell and the selection, scrolls, sizes and moves columns and rows
// with the mouse, moves with the keys and places the cell editor; what a cell
// shows is left to DrawCell and the edit-text hooks of a descendant.
// docs/base-grid.md is its contract.
#include <functional>
#include <string>
#include <vector>

#include "framework/ui/controls.h"
#include "framework/ui/grids/gridtypes.h"
#include "framework/ui/stdctrls/inplaceedit.h"
#include "framework/ui/stdctrls/memo.h" // TScrollStyle

namespace tv {

using TMovedEvent = std::function<void(TObject* sender, int fromIndex, int toIndex)>;
using TSelectCellEvent = std::function<void(TObject* sender, int col, int row, bool& canSelect)>;

class TCustomGrid : public TCustomControl, public TInplaceEditHost {
    TV_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* owner = nullptr);
    ~TCustomGrid() override;

    // --- state ---
    int ColCount() const { return colCount_; }
    void SetColCount(int v);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int v);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int v);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int v);
    int ColWidths(int index) const;
    void SetColWidths(int index, int v);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int v);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int v);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int v);
    bool TabStops(int index) const;
    void SetTabStops(int index, bool v);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor v);

    int Col() const { return current_.X; }
    void SetCol(int v);
    int Row() const { return current_.Y; }
    void SetRow(int v);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& v);
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int v);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int v);
    int VisibleColCount();
    int VisibleRowCount();
    int GridWidth();
    int GridHeight();

    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool v);
    TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }
    TGridState GridState() const { return gridState_; }

    // --- geometry ---
    // Right to left (UseRightToLeftAlignment) the columns run from the right
    // edge: the geometry is laid out left to right as always, the cells are
    // painted through a mirrored mapping of the canvas, and what comes from
    // or goes to the window (points, rectangles, scrolling) is mirrored
    // against the client width.
    void CalcDrawInfo(TGridDrawInfo& info);
    void CalcFixedInfo(TGridDrawInfo& info);
    // In the window's coordinates.
    win::RECT BoxRect(int left, int top, int right, int bottom);
    win::RECT CellRect(int col, int row) { return BoxRect(col, row, col, row); }
    TGridCoord MouseCoord(int x, int y);
    bool IsActiveControl();

    // --- moving ---
    void MoveColRow(int col, int row, bool moveAnchor, bool show);
    void MouseToCell(int x, int y, int& col, int& row);

    // --- invalidation ---
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateCol(int col);
    void InvalidateRect(const TGridRect& r);
    void InvalidateGrid() { Invalidate(); }
    void InvalidateEditor();

    void Dispatch(Message& msg) override;
    void WndProc(Message& msg) override;
    void DefaultHandler(Message& msg) override;
    void Loaded() override;
    // Sizes of the cells follow the bounds and the font.
    void ChangeScale(int m, int d) override;

    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;

protected:
    // --- mirroring ---
    // A pixel column of the window as laid out (and back): mirrored right to left.
    int LogicalX(int x);
    // A rectangle of the window as laid out (and back).
    win::RECT LogicalRect(const win::RECT& r);
    // Maps the canvas so that x runs leftwards from the right edge, or back.
    void SetCanvasMirrored(bool mirrored);

    // --- drawing ---
    void Paint() override;
    virtual void DrawCell(int col, int row, const win::RECT& rect, TGridDrawState state) {}
    void DrawSizingLine(const TGridDrawInfo& info);
    void DrawMove();

    // --- current cell ---
    virtual bool SelectCell(int col, int row);
    // False when SelectCell refused the cell.
    bool MoveCurrent(int col, int row, bool moveAnchor, bool show);
    void FocusCell(int col, int row, bool moveAnchor);
    // Moves the current cell keeping the anchor (with goRangeSelect): the selection grows.
    void ExtendSelectionTo(const TGridCoord& to);
    void SetCurrentDirect(int col, int row);
    const TGridCoord& Anchor() const { return anchor_; }

    // --- scrolling ---
    void MoveTopLeft(int left, int top);
    void ClampInView(const TGridCoord& cell);
    TGridCoord CalcMaxTopLeft(const TGridCoord& cell, const TGridDrawInfo& info);
    virtual void TopLeftChanged();
    virtual void TimedScroll(TGridScrollDirection direction);
    void UpdateScrollRange();
    void ModifyScrollBar(int bar, int code, int pos);
    // Unhandled by the events, a notch moves the current row.
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;

    // --- sizing and moving ---
    virtual void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                 TGridDrawInfo& fixedInfo);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int from, int to) {}
    virtual void RowMoved(int from, int to) {}
    virtual bool BeginColumnDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    virtual bool CheckColumnDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    virtual bool EndColumnDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    virtual bool BeginRowDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    virtual bool CheckRowDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    virtual bool EndRowDrag(int& origin, int& destination, win::POINT mousePt) { return true; }
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    void SetGridState(TGridState v) { gridState_ = v; }
    int SizingIndex() const { return sizingIndex_; }
    void SetSizingIndex(int v) { sizingIndex_ = v; }
    int SizingPos() const { return sizingPos_; }
    void SetSizingPos(int v) { sizingPos_ = v; }
    int SizingOfs() const { return sizingOfs_; }
    void SetSizingOfs(int v) { sizingOfs_ = v; }

    // --- mouse and keys ---
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    // Ends a drag of the mouse without its effect (cancel mode, Esc).
    void CancelMouseState();

    // --- editing ---
    // The editor, made the first time it shows; the grid becomes its host
    // and its parent.
    virtual TInplaceEdit* CreateEditor();
    void ShowEditor();
    void HideEditor();
    void ShowEditorChar(char32_t ch);
    void UpdateEdit();
    void UpdateText();
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual bool CanEditAcceptKey(char32_t key) { return true; }
    virtual std::string GetEditText(int col, int row) { return {}; }
    virtual void SetEditText(int col, int row, const std::string& value) {}
    virtual std::string GetEditMask(int col, int row) { return {}; }
    virtual int GetEditLimit() { return 0; }
    virtual void EditorKeyDown(win::WORD& key, TShiftState shift);

    // --- the editor's host ---
    std::string InplaceEditText() override { return GetEditText(current_.X, current_.Y); }
    std::string InplaceEditMask() override { return GetEditMask(current_.X, current_.Y); }
    int InplaceEditLimit() override { return GetEditLimit(); }
    bool InplaceCanModify() override { return CanEditModify(); }
    bool InplaceWantTab() override { return options_.Contains(goTabs); }
    void InplaceKeyDown(win::WORD& key, TShiftState shift) override { EditorKeyDown(key, shift); }
    void InplaceKeyPress(char32_t& key) override;
    TWinControl* InplaceHostControl() override { return this; }

    // --- window ---
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;


private:
    void ChangeSize(int newColCount, int newRowCount);
    void RecreateKeepingFocus();
    void CalcAxis(TGridAxisDrawInfo& axis, int extent) const;
    void RowColRange(const TGridAxisDrawInfo& axis, int first, int last, int& start, int& end) const;
    int CellAt(const TGridAxisDrawInfo& axis, int pos) const;
    void SelectionMoved(const TGridRect& old);
    void ScrollData(const TGridCoord& oldTopLeft);
    void HandleScroll(int bar, Message& msg);
    void HandleTimer();
    bool HandleSetCursor(Message& msg);
    int CellStart(const TGridAxisDrawInfo& axis, int cell) const;
    int NextVisibleCol(int from, int step) const;
    void PaintLines(const TGridDrawInfo& info);
    void PaintRegion(const TGridDrawInfo& info, int colFrom, int colTo, int rowFrom, int rowTo, int x0, int y0,
                     bool fixed);
    void ReleaseCanvas();

    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    std::vector<int> colWidths_, rowHeights_;
    std::vector<bool> tabStops_;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24, gridLineWidth_ = 1;
    TGridCoord current_{1, 1}, anchor_{1, 1}, topLeft_{1, 1};
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsSingle;
    bool defaultDrawing_ = true;
    TColor fixedColor_ = clBtnFace;
    bool editorMode_ = false;
    TInplaceEdit* inplaceEdit_ = nullptr;
    TGridCoord editCell_{-1, -1};
    TGridState gridState_ = gsNormal;
    int sizingIndex_ = 0, sizingPos_ = 0, sizingOfs_ = 0;
    int moveIndex_ = 0, movePos_ = 0;
    bool timerOn_ = false;
    bool showingEditor_ = false;
    bool hidingEditor_ = false;
    bool updatingScrollRange_ = false;
};

} // namespace tv
