#include "gridservices/exchange/titlelevels.h"

#include <algorithm>

#include "grid/dbgrideh.h"

namespace tv {

bool TTitleLevels::Build(TCustomDBGridEh* grid, const TColumnsEhList& columns) {
    nodes_.clear();
    covered_.clear();
    std::vector<THeadTreeNode*> current;
    std::vector<int> heights;
    for (TColumnEh* c : columns) {
        THeadTreeNode* leaf = grid->LeafFieldNode(c->Index());
        if (!leaf) return false;
        current.push_back(leaf);
        heights.push_back(leaf->Height);
    }
    if (current.empty()) return false;
    for (;;) {
        std::vector<THeadTreeNode*> level = current;
        int lowest = *std::min_element(heights.begin(), heights.end());
        bool moved = false;
        for (std::size_t c = 0; c < current.size(); ++c)
            if (heights[c] == lowest && current[c]->Parent) {
                current[c] = current[c]->Parent;
                heights[c] += current[c]->Height;
                moved = true;
            }
        if (nodes_.empty() || moved) nodes_.push_back(std::move(level));
        if (!moved) break;
    }
    covered_.assign(nodes_.size(), std::vector<bool>(current.size(), false));
    return true;
}

bool TTitleLevels::Span(int level, int col, int& rowSpan, int& colSpan) {
    if (covered_[level][col]) return false;
    THeadTreeNode* node = nodes_[level][col];
    rowSpan = 1;
    while (level - rowSpan >= 0 && nodes_[level - rowSpan][col] == node) ++rowSpan;
    colSpan = 1;
    while (col + colSpan < ColumnCount() && nodes_[level][col + colSpan] == node) ++colSpan;
    for (int l = level - rowSpan + 1; l <= level; ++l)
        for (int c = col; c < col + colSpan; ++c)
            if (l != level || c != col) covered_[l][c] = true;
    return true;
}

std::vector<int> TTitleLevels::WritingOrder() const {
    std::vector<int> order;
    for (int l = LevelCount() - 1; l >= 1; --l) order.push_back(l);
    order.push_back(0);
    return order;
}

} // namespace tv
