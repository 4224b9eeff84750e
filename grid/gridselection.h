#pragma once
// The grid's selection: selected records (bookmarks kept in dataset order),
// a rectangle, columns or everything. The core keeps the kinds and clearing.
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"
#include "grid/columnslist.h"
#include "grid/gridtypes.h"

namespace tv {

class TBookmarkListEh {
public:
    explicit TBookmarkListEh(TCustomDBGridEh* grid) : grid_(grid) {}
    int SelectedCount() const { return static_cast<int>(items_.size()); }
    const TBookmark& GetItem(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    bool Find(const TBookmark& b, int& index) const;
    void Add(const TBookmark& b);
    void Clear() { items_.clear(); }
    // The dataset's current record in the list; selecting one makes the
    // grid's selection a record selection, unselecting the last ends it.
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool selected);

private:
    TCustomDBGridEh* grid_;
    std::vector<TBookmark> items_;
};

class TDBGridEhSelectionRect {
public:
    TBookmark TopRow, BottomRow;
    int LeftCol = 0, RightCol = 0;
    const TBookmark& GetTopRow() const { return TopRow; }
    const TBookmark& GetBottomRow() const { return BottomRow; }
    int GetLeftCol() const { return LeftCol; }
    int GetRightCol() const { return RightCol; }
};

class TDBGridEhSelection {
public:
    explicit TDBGridEhSelection(TCustomDBGridEh* grid) : grid_(grid), rows_(grid) {}
    TDBGridEhSelectionType SelectionType() const { return type_; }
    void SetSelectionType(TDBGridEhSelectionType t) { type_ = t; }
    void Clear();
    TBookmarkListEh& GetRows() { return rows_; }
    TDBGridEhSelectionRect& Rect() { return rect_; }
    TColumnsEhList& Columns() { return columns_; }
    // The data link became active or inactive.
    void LinkActive(bool active);

private:
    TCustomDBGridEh* grid_;
    TDBGridEhSelectionType type_ = gstNon;
    TBookmarkListEh rows_;
    TDBGridEhSelectionRect rect_;
    TColumnsEhList columns_;
};

} // namespace tv
