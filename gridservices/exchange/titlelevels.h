#pragma once
// The levels of a multi-level title as the exporters write them: level 0
// holds each exported column's leaf, each level above the nodes its columns
// reach going up; cells that an upper block spans are marked covered.
#include <vector>

#include "grid/columnslist.h"
#include "grid/headtreenode.h"

namespace tv {

class TCustomDBGridEh;

class TTitleLevels {
public:
    // False when the grid has no title node for some column.
    bool Build(TCustomDBGridEh* grid, const TColumnsEhList& columns);
    int LevelCount() const { return static_cast<int>(nodes_.size()); }
    int ColumnCount() const { return nodes_.empty() ? 0 : static_cast<int>(nodes_[0].size()); }
    THeadTreeNode* Node(int level, int col) const { return nodes_[level][col]; }
    bool Covered(int level, int col) const { return covered_[level][col]; }
    // Spans of the cell and marks the cells of its block covered; false when
    // the cell itself is covered.
    bool Span(int level, int col, int& rowSpan, int& colSpan);
    // Levels in writing order: from the top down to 1, then 0.
    std::vector<int> WritingOrder() const;

private:
    std::vector<std::vector<THeadTreeNode*>> nodes_;
    std::vector<std::vector<bool>> covered_;
};

} // namespace tv
