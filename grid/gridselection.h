#pragma once
// The grid's selection: one kind at a time, of selected records (bookmarks
// kept in dataset order), a rectangle of data cells, a set of columns or
// everything. The grid owns one TDBGridEhSelection.
#include <string>
#include <vector>

#include "core/resourcestrings.h"
#include "framework/data/dbtypes.h"
#include "framework/ui/grids/gridtypes.h"
#include "grid/columnslist.h"
#include "grid/gridtypes.h"

namespace tv {

class TDBGridEhSelection;

TV_RESOURCESTRING_ID(SDataSetClosedEh, 65197, "No es posible realizar ésta operación en un Dataset cerrado")

// The selected records, in the dataset's order, searched by halves with the
// last answer kept.
class TBookmarkListEh {
public:
    explicit TBookmarkListEh(TCustomDBGridEh* grid) : grid_(grid) {}
    // A list of its own, outside the grid's selection (the records of one drag).
    TBookmarkListEh(TCustomDBGridEh* grid, std::vector<TBookmark> items) : grid_(grid), items_(std::move(items)) {}
    const std::vector<TBookmark>& Items() const { return items_; }
    TCustomDBGridEh* Grid() const { return grid_; }
    int SelectedCount() const { return static_cast<int>(items_.size()); }
    const TBookmark& GetItem(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;
    // The current record's bookmark; EInvalidGridOperation on a closed dataset.
    TBookmark CurrentRow() const;
    // Where the bookmark is or would be inserted.
    bool Find(const TBookmark& bookmark, int& index) const;
    int PositionOf(const TBookmark& bookmark) const;
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool value);
    void Clear();
    // Deletes every selected record from the dataset.
    void Delete();
    void DataLinkChanged(bool active);
    void ListChanged();
    bool LinkIsActive() const { return linkIsActive_; }
    int LastIndex() const { return lastIndex_; }
    // Grid cells of the first and last visible selected rows; (-1,-1,-1,-1) for none.
    TGridRect GridRectOfSelection();
    // The dataset may show its records in another order now (another index):
    // the list follows, so that searching by halves stays right.
    void DataSetChanged();

private:
    TDBGridEhSelection& Selection() const;

    TCustomDBGridEh* grid_;
    std::vector<TBookmark> items_;
    bool linkIsActive_ = false;
    mutable TBookmark lastSearched_;
    mutable int lastIndex_ = -1;
    mutable bool lastFound_ = false;
};

// A rectangle of data cells between the cell where it began (anchor) and the
// cell it was extended to (shift); columns are data-column indexes.
class TDBGridEhSelectionRect {
public:
    explicit TDBGridEhSelectionRect(TCustomDBGridEh* grid) : grid_(grid) {}
    int AnchorCol() const { return anchorCol_; }
    const TBookmark& AnchorBookmark() const { return anchorBookmark_; }
    int ShiftCol() const { return shiftCol_; }
    const TBookmark& ShiftBookmark() const { return shiftBookmark_; }
    void Select(int dataCol, const TBookmark& bookmark, bool extend);
    bool CellSelected(int dataCol, const TBookmark& bookmark) const;
    // The corners in dataset and column order; EInvalidGridOperation on an inactive grid.
    TBookmark GetTopRow() const;
    TBookmark GetBottomRow() const;
    int GetLeftCol() const;
    int GetRightCol() const;
    void Clear();
    TGridRect GridRectOfSelection();

private:
    void CheckActive(const char* error) const;
    win::RECT CellRangeToRect(int col1, TBookmark bookmark1, TBookmark bookmark2, int col2);

    TCustomDBGridEh* grid_;
    int anchorCol_ = -1, shiftCol_ = -1;
    TBookmark anchorBookmark_, shiftBookmark_;
};

// The selected columns, in ascending order of their index.
class TDBGridEhSelectionCols : public TColumnsEhList {
public:
    explicit TDBGridEhSelectionCols(TCustomDBGridEh* grid) : grid_(grid) {}
    TColumnEh* AnchorColumn() const { return anchor_; }
    TColumnEh* LastShiftColumn() const { return lastShift_; }
    TColumnsEhList& ShiftChangedColumns() { return shiftChanged_; }
    void InsertInOrder(TColumnEh* column);
    void Clear();
    void InvertColumn(TColumnEh* column);
    void SelectColumn(TColumnEh* column, bool keepOthers);
    void SelectShift(TColumnEh* column);
    // Drops columns the grid no longer has and sorts the rest.
    void Refresh();
    // A column is being freed: it leaves the selection and the gesture.
    void ColumnDestroyed(TColumnEh* column);
    TGridRect GridRectOfSelection();

private:
    void RepaintColumn(TColumnEh* column);

    TCustomDBGridEh* grid_;
    TColumnEh* anchor_ = nullptr;
    TColumnEh* lastShift_ = nullptr;
    TColumnsEhList shiftChanged_;
};

class TDBGridEhSelection {
public:
    explicit TDBGridEhSelection(TCustomDBGridEh* grid);
    virtual ~TDBGridEhSelection() = default;
    TCustomDBGridEh* Grid() const { return grid_; }
    TDBGridEhSelectionType SelectionType() const { return kind_; }
    TBookmarkListEh& GetRows() { return rows_; }
    TDBGridEhSelectionRect& Rect() { return rect_; }
    TDBGridEhSelectionCols& Columns() { return columns_; }
    void Clear();
    void SelectAll();
    void ChangeSelectionType(TDBGridEhSelectionType kind);
    // An empty record or column selection falls back to no selection.
    void DropEmptySelection();
    void DataLinkChanged(bool active);
    bool DataCellSelected(int dataCol, const TBookmark& bookmark);
    TGridRect GridRectOfSelection();
    // Fires the grid's OnSelectionChanged.
    virtual void NotifyChanged();

private:
    friend class TBookmarkListEh;
    TCustomDBGridEh* grid_;
    TDBGridEhSelectionType kind_ = gstNon;
    TBookmarkListEh rows_;
    TDBGridEhSelectionRect rect_;
    TDBGridEhSelectionCols columns_;
};

// Four rectangles that cover where a and b differ (empty ones unused).
void RectDifferenceBands(const win::RECT& a, const win::RECT& b, win::RECT bands[4]);

// Where a grid cell lies: the area (title row, filter row, data, the row
// between data and footers, footers), the row within it, and the data column.
enum TCellAreaEh { caTitleEh, caFilterEh, caDataEh, caSeparatorEh, caFooterEh };
struct TCellTypeEh {
    bool DataColumn = false;
    TCellAreaEh Area = caTitleEh;
};

} // namespace tv
