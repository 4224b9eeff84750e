#pragma once
// TCustomDBGridEh: the data-aware grid. It shows the records of a dataset,
// reached through a data source, as rows and a collection of TColumnEh as
// columns. TDBGridEh publishes its properties.
//
// The grid is one class whose operations are spread over the files of grid/:
// docs/data-grid.md lists each file with what it holds, and what is still
// empty.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/grids/grid.h"
#include "framework/ui/imagelist.h"
#include "grid/colcellparams.h"
#include "grid/column.h"
#include "grid/columndefvalues.h"
#include "grid/columnslist.h"
#include "editors/buttonsizes.h"
#include "editors/inplaceinterfaces.h"
#include "grid/griddatalink.h"
#include "grid/gridscrollbar.h"
#include "grid/gridselection.h"
#include "grid/gridtypes.h"
#include "grid/gridmousestate.h"
#include "grid/headtreenode.h"
#include "grid/stfilter.h"
#include "grid/sumlist.h"

namespace tv {

class TDataSource;
class TDataSet;
class TDBGridEhStyle;

class TInplaceFilterEditEh;
struct THintInfo;
class IMemTableEh;

class TCustomDBGridEh : public TCustomGrid, public IInplaceEditHolderEh {
    TV_CLASS(TCustomDBGridEh, TCustomGrid)
public:
    explicit TCustomDBGridEh(TComponent* owner = nullptr);
    ~TCustomDBGridEh() override;
    static void Publish(TPublisher&) {}

    // --- properties ---
    TDBGridEhAllowedOperations AllowedOperations() const { return allowedOperations_; }
    void SetAllowedOperations(TDBGridEhAllowedOperations v) { allowedOperations_ = v; }
    TDBGridEhAllowedSelections AllowedSelections() const { return allowedSelections_; }
    void SetAllowedSelections(TDBGridEhAllowedSelections v);
    bool AutoFitColWidths() const { return autoFitColWidths_; }
    void SetAutoFitColWidths(bool v);
    TColumnDefValuesEh* ColumnDefValues() const { return columnDefValues_.get(); }
    void SetColumnDefValues(TColumnDefValuesEh* v) { columnDefValues_->Assign(v); }
    TDBGridColumnsEh* Columns() const { return columns_.get(); }
    void SetColumns(TDBGridColumnsEh* v) { columns_->Assign(v); }
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    bool DrawMemoText() const { return drawMemoText_; }
    void SetDrawMemoText(bool v);
    // The grid's own default drawing of cell contents (the base grid's is off).
    bool DefaultDrawing() const { return defaultDrawingEh_; }
    void SetDefaultDrawing(bool v) { defaultDrawingEh_ = v; Invalidate(); }
    TGridEhEditActions EditActions() const { return editActions_; }
    void SetEditActions(TGridEhEditActions v) { editActions_ = v; }
    TColor EvenRowColor() const { return evenRowColorAssigned_ ? evenRowColor_ : Color(); }
    void SetEvenRowColor(TColor v);
    TColor OddRowColor() const { return oddRowColorAssigned_ ? oddRowColor_ : Color(); }
    void SetOddRowColor(TColor v);
    bool EvenRowColorAssigned() const { return evenRowColorAssigned_; }
    bool OddRowColorAssigned() const { return oddRowColorAssigned_; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TColor FooterColor() const { return footerColor_; }
    void SetFooterColor(TColor v);
    TFont* FooterFont() const { return footerFont_.get(); }
    void SetFooterFont(TFont* v) { footerFont_->Assign(v); }
    int FooterRowCount() const { return footerRowCount_; }
    void SetFooterRowCount(int v);
    int FrozenCols() const { return frozenCols_; }
    void SetFrozenCols(int v);
    TDBGridEhScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
    void SetHorzScrollBar(TDBGridEhScrollBar* v) { horzScrollBar_->Assign(v); }
    TVertDBGridEhScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
    void SetVertScrollBar(TVertDBGridEhScrollBar* v) { vertScrollBar_->Assign(v); }
    int MinAutoFitWidth() const { return minAutoFitWidth_; }
    void SetMinAutoFitWidth(int v);
    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions v);
    TDBGridEhOptions OptionsEh() const { return optionsEh_; }
    void SetOptionsEh(TDBGridEhOptions v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int v);
    int RowLines() const { return rowLines_; }
    void SetRowLines(int v);
    bool RowSizingAllowed() const { return rowSizingAllowed_; }
    void SetRowSizingAllowed(bool v);
    bool SortLocal() const { return sortLocal_; }
    void SetSortLocal(bool v) { sortLocal_ = v; }
    TSTDBGridEhFilter* STFilter() const { return stFilter_.get(); }
    void SetSTFilter(TSTDBGridEhFilter* v) { stFilter_->Assign(v); }
    TDBGridEhSumList* SumList() const { return sumList_.get(); }
    void SetSumList(TDBGridEhSumList* v) { sumList_->Assign(v); }
    TFont* TitleFont() const { return titleFont_.get(); }
    void SetTitleFont(TFont* v) { titleFont_->Assign(v); }
    int TitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int v);
    int TitleLines() const { return titleLines_; }
    void SetTitleLines(int v);
    TCustomImageList* TitleImages() const { return titleImages_; }
    void SetTitleImages(TCustomImageList* v);
    bool UseMultiTitle() const { return useMultiTitle_; }
    void SetUseMultiTitle(bool v);
    int VTitleMargin() const { return vTitleMargin_; }
    void SetVTitleMargin(int v);
    TDBGridOptions GetOptions() const { return options_; }

    // --- events ---
    TNotifyEvent OnApplyFilter;
    TDBGridEhClickEvent OnCellClick;
    TCheckTitleEhBtnEvent OnCheckButton;
    TNotifyEvent OnColEnter, OnColExit;
    TMovedEvent OnColumnMoved;
    TNotifyEvent OnColWidthsChanged;
    TDrawColumnEhCellEvent OnDrawColumnCell;
    TDrawDataCellEvent OnDrawDataCell;
    TDrawFooterCellEvent OnDrawFooterCell;
    TNotifyEvent OnEditButtonClick;
    TGetBtnParamsEvent OnGetBtnParams;
    TGetCellEhParamsEvent OnGetCellParams;
    TGetFooterParamsEvent OnGetFooterParams;
    TGridMoveRecordsEventEh OnMoveRecords;
    TNotifyEvent OnSelectionChanged;
    TNotifyEvent OnSortMarkingChanged;
    TNotifyEvent OnSumListAfterRecalcAll, OnSumListRecalcAll;
    TTitleEhClickEvent OnTitleBtnClick;
    TDBGridEhClickEvent OnTitleClick;

    // --- state other parts read ---
    TGridDataLinkEh* DataLink() const { return dataLink_.get(); }
    int IndicatorOffset() const { return indicatorOffset_; }
    int TitleRowCount() const { return titleRowCount_; }
    int EditButtonWidth() const { return editButtonWidth_; }
    int EditButtonHeight() const { return editButtonHeight_; }
    int TitleInnerMargin() const { return flat_ ? 2 : 4; }
    bool MultiLineRows() const { return multiLineRows_; }
    TColumnsEhList& VisibleColumns() { return visibleColumns_; }
    TColumnsEhList& SortMarkedColumns() { return sortMarkedColumns_; }
    TDBGridEhSelection& Selection() { return *selection_; }
    TBookmarkListEh& SelectedBookmarks() { return selection_->GetRows(); }
    const TBookmarkListEh& SelectedBookmarks() const { return selection_->GetRows(); }
    // IsSelectionActive as the selection was last repainted.
    bool SelectionWasActive() const { return selectionActive_; }
    TColCellParamsEh* ColCellParams() const { return colCellParams_.get(); }
    THeadTreeNode* HeadTree() const { return headTree_.get(); }
    // Leaf title node of each column, by collection index.
    THeadTreeNode* LeafFieldNode(int i) const;
    TDBGridEhStyle* Style() const { return style_; }
    void SetStyle(TDBGridEhStyle* style);
    // The dataset's memory-table interface, when it offers one.
    IMemTableEh* MemTableLink() const { return memTableLink_; }
    bool HasMemTableLink() const { return memTableLink_ != nullptr; }
    // Without footers a memory table gives the grid one row per record
    // (memtablerows.cpp): the grid scrolls its own rows and reaches a row's
    // record by its index, not through the data link's buffer.
    bool MemTableRowMode() const { return memTableLink_ != nullptr && footerRowCount_ == 0; }
    void UpdateMemTableLink();
    // The record of a data row becomes the one the fields read, until
    // RestoreActiveRow (they nest); IsActiveRow: the row is the current record's.
    void SetActiveRow(int dataRow);
    void RestoreActiveRow();
    bool IsActiveRow(int dataRow);
    // The data row of the current record, and how many data rows hold records.
    int ActiveDataRow();
    int ShownRecordCount();
    // The first and last data rows fully in view.
    int FirstShownDataRow();
    int LastShownDataRow();
    // In the row mode, the data row of a record by its bookmark (the rows
    // stand in bookmark order); -1 when none.
    int MemTableRowOfBookmark(const TBookmark& bookmark);
    int LayoutLockCount() const { return layoutLock_; }
    int LayoutUpdateLevel() const { return layoutUpdate_; }
    bool InLinkLayoutChange() const { return dataLink_ && dataLink_->InLayoutChange(); }
    bool PaintLocked() const { return paintLocked_; }
    bool GridLoading() const { return ComponentState().Contains(csLoading); }
    bool GridDesigning() const { return ComponentState().Contains(csDesigning); }
    // The editor's text the grid keeps for the selected cell.
    const std::string& EditText() const { return editText_; }
    int LayoutCount() const { return layoutCount_; }

    // --- public operations ---
    int DataRowCount() const;
    int VisibleDataRowCount();
    bool IsActiveControlEh();
    bool InplaceEditorVisible() const;
    bool SelectionKindAllowed(TDBGridEhSelectionType kind) const;
    void SetCurrentColumn(int gridCol);
    int RecNoOfRow(int row);
    void InvalidateGridRow(int row);
    void InvalidateGridColumn(int col);
    void DrawEdgeEh(TCanvas* canvas, win::RECT rect, bool rightSide, bool leftSide, bool sunken, bool pressed);
    void SetCanvasRightToLeft(bool rightToLeft);
    void CancelRowSizing();
    void UpdateTitlePressState(int x, int y);
    int SelectedIndex() const;
    int GetSelectedIndex() const { return SelectedIndex(); }
    void SetSelectedIndex(int dataCol);
    TField* SelectedField() const;
    TColumnEh* CurrentColumn() const;
    int GetCol() const { return Col(); }
    TGridRect GetDataBoxRect() const;
    void SetTopRowClamped(int row);
    // Incremental search: typed characters walk the dataset to the first
    // record whose current-column text starts with them (case folded).
    void IncrementalSearch(const std::string& text, int timeout, int direction);
    void ResetIncSearch();
    bool IncSearchActive() const { return incSearchActive_; }
    const std::string& IncSearchText() const { return incSearchText_; }
    int IncSearchTimeout() const { return incSearchTimeout_; }
    // Edit actions and their tests (the windows enable their menus with them).
    bool CanCopySelection();
    bool CanPasteFromClipboard();
    bool CanCutToClipboard();
    bool CanSelectAll();
    bool CanDeleteSelection();
    // The framework's copy, cut and paste actions on the focused grid.
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;
    // Record moves and the keys' cell walk.
    void ClearSelectionOnMove();
    void MoveRecordBy(bool select, int distance, bool byRecords, bool toEnd);
    void MoveUp(bool select);
    void MoveDown(bool select);
    void MoveToNextCell(bool forward);
    // Makes a grid column current; a step skips zero-width columns in its direction.
    void SelectGridColumn(int col, int step, bool extendRect = false);
    // Deletes the current or the selected records, asking first with dgConfirmDelete.
    void DeleteRecords();
    // The editor's text for the current cell, as last given or taken.
    void SetEditorText(const std::string& text) { editText_ = text; }
    // The key that goes with the editor's text in a lookup cell; Null elsewhere.
    const Variant& EditorKeyValue() const { return editorKeyValue_; }
    void SetEditorKeyValue(const Variant& key) { editorKeyValue_ = key; }
    // Whether the lookup dataset holds the current record's key.
    bool LookupKeyFound(TColumnEh* column);
    // The find window with an initial text (dghDialogFind).
    void ExecuteFindDialog(const std::string& text);
    void SaveBookmark();
    void RestoreBookmark();
    void StartTimer(int interval);
    void StopTimer();
    // --- the mouse (gridmouse.cpp) and the window's messages (gridmessages.cpp) ---
    const TGridMouseStateEh& MouseState() const { return mouse_; }
    int MouseMode() const { return mouse_.MouseMode; }
    void SetMouseMode(int mode) { mouse_.MouseMode = mode; }
    win::RECT DataBoxPixelRect();
    // state is gmmSizeFrozenCol on a frozen column's border in the titles.
    void CalcFrozenSizingState(int x, int y, int& offset, int& pos, int& index, int& state);
    bool SizingHitTest(int x, int y);
    int CalcSizingColWidth();
    virtual void SortMarkingChanged();
    bool DataEditAllowed();
    // Tool tips (gridtooltips.cpp): what a data cell's tip shows, in the hint font.
    std::string HintCellText(TColumnEh* column);
    TFont* HintFont();
    // The tree area's width in the first visible column of the current record.
    int GetTreeIndent() const;
    // The tree area of the current record on any canvas (the cell editor's too).
    void DrawTreeAreaOn(TCanvas* canvas, TColumnEh* column, win::RECT rect);
    TDataSet* DataSet() const;
    using TCustomGrid::BoxRect;
    using TCustomGrid::InvalidateEditor;

    // --- the filter row ---
    TInplaceFilterEditEh* FilterEditor() const { return filterEditor_; }
    int FilterColumn() const { return filterCol_; }
    bool FilterEditing() const { return filterEditing_; }
    bool FilterEditorShown() const;
    bool FilterCellEnabled(int dataCol) const;
    std::string FilterCellText(int dataCol) const;
    void ShowFilterEditor(bool show);
    void StartFilterEdit(int dataCol);
    void FinishFilterEdit();
    void FinishPendingFilterEdit();
    void MoveFilterEditor(bool refill);
    void ReapplyFilterEditText();
    void ApplyFilter();
    void ClearFilter();
    // The next or previous filter cell (toEnd: the last or the first).
    void MoveFilterCell(bool forward, bool toEnd);
    // Up on the first record (or with Ctrl) goes into the filter row.
    bool FilterRowTakesUp(TShiftState shift);
    // Numpad *, + and - toggle, expand and collapse the current tree node.
    bool TreeKeyDown(win::WORD key);

    // The filter editor's holder.
    bool EditorCanModify(TWinControl* editor) override;
    bool GetLastMouseDown(win::POINT& pos, win::DWORD& time) override;
    void FilterEditorMessage(TWinControl* editor, Message& msg) override;
    void FilterEditorKeyDown(TWinControl* editor, win::WORD& key, TShiftState shift) override;
    void FilterEditorKeyPress(TWinControl* editor, char32_t& key) override;
    void FilterEditorKeyUp(TWinControl* editor, win::WORD& key, TShiftState shift) override;

    // --- layout ---
    bool AcquireLayoutLock();
    void BeginLayout();
    void EndLayout();
    void EndLayoutNoRelayout();
    void LockLayout() { ++layoutLock_; }
    void UnlockLayout() { if (layoutLock_ > 0) --layoutLock_; }
    void DeferLayout();
    virtual void LayoutChanged();
    virtual void UpdateRowCount();
    virtual void UpdateActive();
    virtual void UpdateScrollBar();
    virtual void UpdateHorzExtScrollBar();
    virtual void UpdateSumListAfterCreate();
    void RebuildSortMarkedList();
    // Widths fitted to the titles, the records and the footers.
    void FitColumnsToContents(TColumnsEhList& columns);
    void FitSelectedColumnsToContents(TColumnEh* column);
    // The previous record's value of the current column into the current record.
    void CopyPreviousRecordValue();
    void RepaintGridRect(const TGridRect& rect);
    TCellTypeEh GetCellType(int col, int row, int& dataCol, int& areaRow);

    // --- operations other parts fill in (each slot names its concern) ---
    virtual bool CanFocusGrid();
    virtual bool CanEditorShowFirst(int startRow, int targetRow, win::POINT point);
    // The drop level for a row under the mouse, and its x position as laid out (mirrored right to left).
    virtual int GetTreeButtonRect(int row, win::POINT point, int& level);
    virtual bool RowSelectFocused();
    virtual bool AlwaysShowEditorActive() const;
    // True while a filter edit is in progress and nothing is selected.
    virtual bool CanStartSelection();
    virtual bool IsCellRaised(int col, int row, TGridDrawState state);
    virtual bool CellSelected(int col, int row, const TBookmark& bookmark, int dataCol);
    virtual bool TreeMouseDown(int x, int y, bool checkOnly);
    virtual bool StartRecordMoving(int x, int y, bool checkOnly);
    virtual void CreateFilterEditor();
    virtual int FilterRowVisible() const { return stFilter_->Visible() ? 1 : 0; }
    virtual int TitlesVisible() const { return options_.Contains(dgTitles) ? 1 : 0; }
    // Colours of a highlighted fixed, footer or separator cell; false when not highlighted.
    virtual bool GetTitleParams(int col, int row, TFont* font, TColor& background, bool highlighted,
                                TGridDrawState state, const TCellTypeEh& cellType, int areaCol, int areaRow);
    // Whether a data cell is drawn highlighted, and in which colours.
    virtual bool GetCellParamsEh(int dataCol, int dataRow, TFont* font, TColor& background, TGridDrawState state,
                                 const std::string& text);
    virtual bool IsSelectionActive();
    virtual bool MoveRecords(TBookmarkListEh& bookmarks, int row, int level, bool checkOnly);
    virtual bool MoveSelectedRecords(int row, int level, bool checkOnly);
    virtual bool DrawThemedOrTreeLines();
    virtual void DefineFieldMap();
    virtual void DeferredLayout();
    virtual void DrawFlatBorder();
    virtual void DrawTreeArea(TColumnEh* column, int row, win::RECT rect, TGridDrawState state);
    // The fixed cells below the top title row: the filter row's cells.
    virtual void DrawTitleCell(int col, int row, bool& highlighted, TGridDrawState state, win::RECT rect,
                               const TCellTypeEh& cellType, int areaCol, int areaRow);
    virtual void EndRowMoving(int x, int y, bool accept);
    virtual void GetDatasetFieldList(std::vector<TField*>& list);
    virtual void LinkActive(bool active);
    // The drop marker follows the mouse; its x position.
    virtual int CalcMoveTargetRow(int y);
    virtual void Scroll(int distance);
    virtual void SelectionChanged();
    virtual void UpdateColumnReadOnly();
    virtual void ApplyFilterEditText(int dataCol);
    virtual void ShowEditorEh();
    virtual void TimerScroll();
    virtual void FillFilterDropDownList(int dataCol);
    virtual bool DoMoveRecords(TBookmarkListEh& bookmarks, int target, int level, bool checkOnly);
    virtual std::string GetFooterValue(int row, TColumnEh* column);
    virtual bool CanShowTitleHint() { return true; }
    virtual void DataServiceApplyFilter();
    virtual void DataServiceApplySorting();
    // Hooks that fire the drawing events.
    virtual void DrawDataCell(const win::RECT& rect, TField* field, TGridDrawState state);
    virtual void DrawColumnCell(const win::RECT& rect, int dataCol, TColumnEh* column, TGridDrawState state);
    virtual void GetCellParams(TColumnEh* column, TFont* font, TColor& background, TGridDrawState state);
    virtual void GetFooterParams(int dataCol, int row, TColumnEh* column, TFont* font, TColor& background,
                                 TAlignment& alignment, TGridDrawState state, std::string& text);
    // Text of a cell of the column, mirrored for right-to-left columns.
    void WriteCellText(TColumnEh* column, TCanvas* canvas, win::RECT rect, bool fillRect, int dx, int dy,
                       const std::string& text, TAlignment alignment, TTextLayout layout, bool wordWrap,
                       bool endEllipsis, int leftMargin, int rightMargin);
    // One edit button inside a cell.
    void DrawCellButton(TColumnEh* column, TCanvas* canvas, TGraphic* glyph, TColor background, bool enabled,
                        bool flat, const win::RECT& cellRect, win::RECT buttonRect, TEditButtonStyleEh style);
    void DrawButtonMirrored(win::HDC dc, win::RECT rect, TCheckBoxState state, bool flat, int kind,
                            TColor background);
    void InvalidateIndicator();
    // Fixed cells drawn through the desktop's visual theme.
    bool IsFixedThemed() const;
    void FillFixedBackground(const win::RECT& rect, bool pressed, bool selected, const win::RECT& clipRect);
    // Whether the record above shows the same text in the column (hidden duplicates).
    bool SameAsPriorRecord(TColumnEh* column, const std::string& text);
    void DrawRequiredMark(TColumnEh* column, const std::string& text, const win::RECT& rect, bool currentRecord);
    void DefaultDrawColumnCell(const win::RECT& rect, int dataCol, TColumnEh* column, TGridDrawState state);

    // Dynamic hooks that fire events.
    virtual void CellClick(TColumnEh* column) { if (OnCellClick) OnCellClick(column); }
    virtual void ColEnter() { if (OnColEnter) OnColEnter(this); }
    virtual void ColExit() { if (OnColExit) OnColExit(this); }
    virtual void TitleClick(TColumnEh* column) { if (OnTitleClick) OnTitleClick(column); }
    virtual void TitleBtnClick(int aCol, TColumnEh* column) { if (OnTitleBtnClick) OnTitleBtnClick(this, aCol, column); }
    virtual bool CheckTitleButton(int aCol, bool& enabled);

    // The grid state behind the record-changed and data-changed reactions of the link.
    void RecordChanged(TField* field);
    void DataChanged();
    void EditingChanged();
    void UpdateData();

    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefaultHandler(Message& msg) override;
    void ChangeScale(int m, int d) override;
    void Dispatch(Message& msg) override;
    // With DragMode dmAutomatic and dgMultiSelect a left press is the grid's
    // own (it may select); a press on a selected cell drags at the next move.
    void WndProc(Message& msg) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;

    // Geometry of the grid's own painting.
    void ComputeDrawInfo(TGridDrawInfo& info, int& footerExtent, int& frozenExtent);
    TGridCoord MaxTopLeft(const TGridCoord& cell);

protected:
    virtual TDBGridColumnsEh* CreateColumns();
    virtual TColumnDefValuesEh* CreateColumnDefValues();
    // A descendant's constructor makes its own column collection and default
    // values (the creation hooks are not yet its own while the base is built).
    void RenewColumns();
    TInplaceEdit* CreateEditor() override;
    void EditorKeyDown(win::WORD& key, TShiftState shift) override;

    void CreateWnd() override;
    void CreateParams(TCreateParams& params) override;
    bool CanEditShow() override;
    bool CanEditModify() override;
    bool CanEditAcceptKey(char32_t key) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    std::string GetEditMask(int col, int row) override;
    int GetEditLimit() override;
    void Paint() override;
    void DrawCell(int col, int row, const win::RECT& rect, TGridDrawState state) override;
    void ColumnMoved(int from, int to) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void TimedScroll(TGridScrollDirection direction) override;
    void FontChanged() override;
    void TopLeftChanged() override;
    bool SelectCell(int col, int row) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                         TGridDrawInfo& info) override;
    void KeyUp(win::WORD& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;
    using TCustomGrid::DrawSizingLine;
    void DrawSizingLine(int width, int height);
    // WM_PAINT without a device context, once buffered painting is on: the
    // background and the cells go to a bitmap of the client size, which is
    // then copied to the window. False when the paint is not buffered.
    bool PaintBufferedEh(Message& msg);

    void InternalLayout();
    void BuildTitleTree();
    void SetTitleRowHeight();
    void UpdateEditButtonSize();
    void RecordInitialWidths();

private:
    friend class TGridDataLinkEh;
    friend class TDBGridColumnsEh;
    void TitleFontChanged(TObject*);
    void FooterFontChanged(TObject*);
    void SumListChanged(TObject*);
    void SumListRecalcAll(TObject*);
    void SumListAfterRecalcAll(TObject*);
    void TitleImagesChanged(TObject*);
    void ClearSelectionIfNotAllowed();
    void SetRowCountKeepingCurrent(int count);
    int TextHeightOf(TFont* font);
    void AutoFitColumns();
    // What InternalLayout delegates to.
    void DropDefaultColumnsAmongStored();
    void MatchColumnsToFieldMap();
    void UpdateVisibleAndFixedColumns();
    int ComputeDefaultRowHeight(int lineHeight, int wgHeight);
    int TitleRowHeightFromFonts();
    void ChooseScrollBars();
    int TitleRowHeightFromSettings(int titleRowHeight);
    void UpdateRowCountKeepingLeftCol();
    struct TCellPaintEh;
    void PaintIndicatorCell(TCellPaintEh& p);
    void PaintTopTitleCell(TCellPaintEh& p, TColumnEh* column);
    // What PaintTopTitleCell delegates to, in its order (titlecells.cpp).
    struct TTitleCellEh;
    void LayOutTitleCell(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t);
    void ReserveSortMarkerRoom(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t);
    void FillTitleBackground(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t);
    void DrawTitleCaption(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t);
    void DrawTitleSortMarker(TCellPaintEh& p, TColumnEh* column, TTitleCellEh& t);
    void PaintDataCell(TCellPaintEh& p, TColumnEh* column);
    void PaintFooterCell(TCellPaintEh& p, TColumnEh* column);
    void DrawAlwaysShownButtons(TCellPaintEh& p, TColumnEh* column, const win::RECT& textRect, TColor background);
    void DrawCheckBoxInCell(const win::RECT& rect, TCheckBoxState state);
    void DrawIncSearchText(TColumnEh* column, const win::RECT& rect, int dx, int dy, const std::string& text,
                           bool wordWrap);
    void DrawHeadNode(THeadTreeNode* node, const win::RECT& band, const win::RECT& cell, int col, bool endEllipsis,
                      TGridDrawState state);
    void PaintGridLines(const TGridDrawInfo& info, int footerExtent, int frozenExtent);
    void PaintCells(const TGridDrawInfo& info, int colFrom, int rowFrom, int x0, int y0, int xEnd, int yEnd,
                    bool fixed);
    bool IncSearchWanted();
    bool SeekIncSearchMatch(TColumnEh* column, std::string& wanted, int direction);
    // What KeyDown delegates to.
    bool SearchShortcutKey(win::WORD& key, TShiftState shift);
    bool IncSearchKeyDown(win::WORD key, TShiftState shift);
    void CtrlKeyDown(win::WORD key, TShiftState shift);
    void PlainKeyDown(win::WORD key, TShiftState shift);
    void EmptyCheckOrImageCell();
    void HandleChar(Message& msg);
    void StartIncSearchTimer();
    void StopIncSearchTimer();
    bool CanAppendOrInsert() const;
    bool DispatchMouseMessage(Message& msg);
    bool DispatchFilterRowMessage(Message& msg);
    bool DispatchIncSearchKey(Message& msg);
    void FillFilterValueList();
    void FilterListChosen(bool& accept);
    void DrawMoveMarker();
    bool DispatchWindowMessage(Message& msg);
    // The press, zone by zone (gridmouse.cpp; the title button in gridtitlepress.cpp).
    // A zone answers whether it took the press.
    struct TGridPressEh;
    bool PressWithoutFocus();
    bool PressDoubleClick(TGridPressEh& p);
    bool FitOrStepOnDoubleClick(TGridPressEh& p);
    bool PressFrozenColBorder(TGridPressEh& p);
    bool PressSizingBorder(TGridPressEh& p);
    bool PressColumnSelection(TGridPressEh& p);
    bool PressTitleButton(TGridPressEh& p);
    bool PressTitleRows(TGridPressEh& p);
    bool PressOutsideRecords(TGridPressEh& p);
    bool PressRecord(TGridPressEh& p);
    void GoToPressedCell(TGridPressEh& p);
    void SelectCellsByPress(TGridPressEh& p);
    bool PressSelectsRecords(const TGridPressEh& p) const;
    void SelectRecordsByPress(TGridPressEh& p);
    void StartRecordDrag(TGridPressEh& p);
    void OpenEditorByPress(TGridPressEh& p);
    void PassPressToEditButtons(TGridPressEh& p);
    // The title held down and the sort marking it leads to (gridtitlepress.cpp).
    bool TitlePressTracked() const;
    void MoveTitlePress(int x, int y);
    // False when an event handler freed the grid.
    bool ReleaseTitlePress(TMouseButton& button, TShiftState shift, int x, int y);
    void EndTitlePress();
    void ApplyPendingSortMarking();
    bool GridHasCapture() const;
    void PostPendingEdit();
    void EndMouseTracking();
    void TraceColSizing(int x);
    TColumnEh* ColumnAtGridCol(int col) const;
    int CursorKindAt(int x, int y);
    bool DefaultColumnsShown() const;
    void Resized();
    void PostDeferredLayout();
    void MoveDataSetBy(int distance);
    void VertScroll(int code, int pos);
    // The memory-table row path (memtablerows.cpp).
    void MemTableUpdateRowCount();
    void MemTableUpdateActive();
    bool MemTableSetRowCount();
    bool MemTableFollowCurrent();
    void RequestMemTableRows();
    void MemTableUpdateScrollBar();
    void MemTableScroll(int code);
    void MemTableFixTopRow();
    void MemTableScrolled();
    void MemTableTopLeftChanged();
    void MemTableShowCurrent();
    bool MemTableWheel(TShiftState shift, bool down);
    bool ToolTipsApplyAt(int x, int y);
    void HintShowPause(Message& msg);
    void HintShow(Message& msg);
    // What HintShow delegates to (gridtooltips.cpp).
    struct TCellToolTipEh;
    void TitleToolTip(TCellToolTipEh& t, int atY);
    void DataCellToolTip(TCellToolTipEh& t);
    void FooterToolTip(TCellToolTipEh& t);
    bool ToolTipWanted(TCellToolTipEh& t);
    void PlaceToolTip(THintInfo& info, const TCellToolTipEh& t);
    void HorzScroll(Message& msg);

    std::unique_ptr<TGridDataLinkEh> dataLink_;
    std::unique_ptr<TDBGridColumnsEh> columns_;
    std::unique_ptr<TColumnDefValuesEh> columnDefValues_;
    TColumnsEhList visibleColumns_, sortMarkedColumns_;
    std::unique_ptr<TFont> titleFont_, footerFont_;
    std::unique_ptr<TDBGridEhSelection> selection_;
    std::unique_ptr<TColCellParamsEh> colCellParams_;
    std::unique_ptr<TDBGridEhSumList> sumList_;
    std::unique_ptr<TDBGridEhScrollBar> horzScrollBar_;
    std::unique_ptr<TVertDBGridEhScrollBar> vertScrollBar_;
    std::unique_ptr<TSTDBGridEhFilter> stFilter_;
    std::unique_ptr<TChangeLink> titleImageChangeLink_;
    std::unique_ptr<THeadTreeNode> headTree_;
    std::vector<THeadTreeNode*> leafNodes_;
    TDBGridEhStyle* style_ = nullptr;

    TDBGridEhAllowedOperations allowedOperations_{alopInsertEh, alopUpdateEh, alopDeleteEh, alopAppendEh};
    TDBGridEhAllowedSelections allowedSelections_{gstRecordBookmarks, gstRectangle, gstColumns, gstAll};
    bool defaultDrawingEh_ = true;
    int indicatorRow_ = -1;
    bool autoFitColWidths_ = false, drawMemoText_ = false, flat_ = false, readOnly_ = false;
    bool rowSizingAllowed_ = false, sortLocal_ = false, useMultiTitle_ = false;
    TGridEhEditActions editActions_;
    TColor evenRowColor_ = clWindow, oddRowColor_ = clWindow;
    bool evenRowColorAssigned_ = false, oddRowColorAssigned_ = false;
    TColor footerColor_ = clWindow;
    int footerRowCount_ = 0, frozenCols_ = 0, minAutoFitWidth_ = 0;
    TDBGridOptions options_{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                            dgConfirmDelete, dgCancelOnExit};
    TDBGridEhOptions optionsEh_{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind};
    int rowHeight_ = 0, rowLines_ = 0, titleHeight_ = 0, titleLines_ = 0, vTitleMargin_ = 10;
    TCustomImageList* titleImages_ = nullptr;

    int indicatorOffset_ = 1, titleRowCount_ = 1;
    int editButtonWidth_ = 0, editButtonHeight_ = 0;
    bool multiLineRows_ = false;
    int layoutLock_ = 0, layoutUpdate_ = 0, layoutCount_ = 0;
    bool selectionActive_ = false;
    bool paintLocked_ = false, flatBorder_ = false, inSumRecalc_ = false, ownFontChange_ = false;
    // Once themed cells or tree lines were drawn the grid paints through a bitmap.
    bool paintBuffered_ = false;
    bool canFocusSwitch_ = true, inEditorText_ = false, inColExit_ = false;
    TScrollBarVisibleModeEh lastVertVisibleMode_ = sbAutoShowEh;
    std::string editText_;
    Variant editorKeyValue_ = Null();
    TBookmark savedBookmark_, savedCurrent_;
    int savedRowOffset_ = 0;
    TGridMouseStateEh mouse_;
    TInplaceFilterEditEh* filterEditor_ = nullptr;
    IMemTableEh* memTableLink_ = nullptr;
    TDataSet* memTableDataSet_ = nullptr; // the dataset behind memTableLink_
    std::vector<int> savedActiveRecords_; // SetActiveRow outside the row mode
    bool requestingRows_ = false;
    int moveStartRow_ = -1, moveTargetRow_ = -1, moveStartLevel_ = -1, moveTargetLevel_ = -1, moveMarkerX_ = 0;
    TBookmark moveStartBookmark_;
    int filterCol_ = -1;
    bool filterEditing_ = false;
    std::vector<int> filterListCodes_;
    win::POINT filterPressPoint_{0, 0};
    win::DWORD filterPressTime_ = 0;
    std::unique_ptr<TFont> hintFont_;
    TTitlePressEh titlePress_;
    bool ctrlSelect_ = false, shiftSelecting_ = false, shiftAnchorSelected_ = false;
    TBookmark shiftAnchor_;
    bool incSearchActive_ = false, incSearchTimerOn_ = false, incSearchWalking_ = false;
    std::string incSearchText_;
    int incSearchTimeout_ = 0;
};

// The record of a data row is the one the fields read while the guard lives.
class TGridActiveRowGuard {
public:
    TGridActiveRowGuard(TCustomDBGridEh& grid, int dataRow) : grid_(grid) { grid_.SetActiveRow(dataRow); }
    ~TGridActiveRowGuard() { grid_.RestoreActiveRow(); }
    TGridActiveRowGuard(const TGridActiveRowGuard&) = delete;
    TGridActiveRowGuard& operator=(const TGridActiveRowGuard&) = delete;

private:
    TCustomDBGridEh& grid_;
};

class TDBGridEh : public TCustomDBGridEh {
    TV_CLASS(TDBGridEh, TCustomDBGridEh)
public:
    using TCustomDBGridEh::TCustomDBGridEh;
    static void Publish(TPublisher& p);
};

// Unit routines.
[[noreturn]] void RaiseGridError(const std::string& msg);
void KillMessage(win::HWND wnd, win::UINT msg);
int GetTextWidth(TCanvas* canvas, const std::string& text);
bool CheckHintTextRect(win::UINT format, TCanvas* canvas, int hMargin, bool wordWrap, const win::RECT& rect,
                       const std::string& text, int vMargin, int& textWidth, int& textHeight);
bool PointInGridRect(int col, int row, const TGridRect& rect);
void OverturnUpRect(win::RECT& rect);
bool FieldsCanModify(const std::vector<TField*>& fields);

inline constexpr const char* SGridTooManyColumnsEh = "Se ha solicitado a la rejilla que despliegue más de 256 columnas";

} // namespace tv
