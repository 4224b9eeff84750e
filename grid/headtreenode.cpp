#include "grid/headtreenode.h"

#include <algorithm>
#include <iterator>

#include "core/exceptions.h"

namespace tv {

void THeadTreeNode::Relink() {
    FirstChild = children_.empty() ? nullptr : children_.front().get();
    for (std::size_t i = 0; i < children_.size(); ++i) {
        children_[i]->Parent = this;
        children_[i]->NextSibling = children_[(i + 1) % children_.size()].get();
    }
}

void THeadTreeNode::FreeChildren() {
    children_.clear();
    FirstChild = nullptr;
}

THeadTreeNode* THeadTreeNode::AddChild(const std::string& caption, int width, int height) {
    children_.push_back(std::make_unique<THeadTreeNode>(caption, width, height));
    Relink();
    return children_.back().get();
}

int THeadTreeNode::ChildCount() const { return static_cast<int>(children_.size()); }

int THeadTreeNode::Level() const {
    int n = 0;
    for (const THeadTreeNode* p = Parent; p; p = p->Parent) ++n;
    return n;
}

int THeadTreeNode::Depth() const {
    int d = 0;
    for (const auto& c : children_) d = std::max(d, c->Depth() + 1);
    return d;
}

THeadTreeNode* THeadTreeNode::LastSibling() { return Parent ? Parent->children_.back().get() : this; }

THeadTreeNode* THeadTreeNode::Union(THeadTreeNode* from, THeadTreeNode* to, const std::string& caption,
                                    int height) {
    if (!from || !to || !from->Parent) throw Exception("Node not in Tree");
    THeadTreeNode* parent = from->Parent;
    if (to->Parent != parent) throw Exception("ATo not in level");
    auto& siblings = parent->children_;
    auto at = [&](const THeadTreeNode* n) {
        return std::find_if(siblings.begin(), siblings.end(), [n](const auto& c) { return c.get() == n; });
    };
    auto first = at(from), last = at(to);
    // The run goes from `from` to `to` without wrapping round the ring.
    if (last < first) throw Exception("ATo not in level");
    ++last;

    auto node = std::make_unique<THeadTreeNode>(caption, 0, height);
    node->LineWidth = from->LineWidth;
    int width = 0;
    for (auto it = first; it != last; ++it) {
        (*it)->Height -= height;
        width += (*it)->Width + (*it)->LineWidth;
    }
    if (node->LineWidth >= 1) width -= node->LineWidth;
    node->Width = width;
    node->children_.assign(std::make_move_iterator(first), std::make_move_iterator(last));
    node->Relink();
    THeadTreeNode* result = node.get();
    // The new node takes the run's place.
    *first = std::move(node);
    siblings.erase(std::next(first), last);
    parent->Relink();
    return result;
}

} // namespace tv
