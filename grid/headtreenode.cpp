#include "grid/headtreenode.h"

#include <algorithm>

#include "core/exceptions.h"

namespace tv {

THeadTreeNode::~THeadTreeNode() {
    if (IsRoot()) FreeChildren();
}

namespace {
void FreeRing(THeadTreeNode* first) {
    if (!first) return;
    THeadTreeNode* n = first;
    do {
        THeadTreeNode* next = n->NextSibling;
        FreeRing(n->FirstChild);
        n->FirstChild = nullptr;
        n->Parent = n; // not a root: the destructor leaves the children alone
        delete n;
        n = next;
    } while (n != first);
}
} // namespace

void THeadTreeNode::FreeChildren() {
    THeadTreeNode* first = FirstChild;
    FirstChild = nullptr;
    FreeRing(first);
}

THeadTreeNode* THeadTreeNode::AddChild(const std::string& caption, int width, int height) {
    auto* n = new THeadTreeNode(caption, width, height);
    n->Parent = this;
    if (!FirstChild) {
        FirstChild = n;
    } else {
        THeadTreeNode* last = FirstChild;
        while (last->NextSibling != FirstChild) last = last->NextSibling;
        last->NextSibling = n;
        n->NextSibling = FirstChild;
    }
    return n;
}

int THeadTreeNode::ChildCount() const {
    if (!FirstChild) return 0;
    int n = 0;
    const THeadTreeNode* c = FirstChild;
    do {
        ++n;
        c = c->NextSibling;
    } while (c != FirstChild);
    return n;
}

int THeadTreeNode::Level() const {
    int n = 0;
    for (const THeadTreeNode* p = Parent; p; p = p->Parent) ++n;
    return n;
}

int THeadTreeNode::Depth() const {
    if (!FirstChild) return 0;
    int d = 0;
    const THeadTreeNode* c = FirstChild;
    do {
        d = std::max(d, c->Depth() + 1);
        c = c->NextSibling;
    } while (c != FirstChild);
    return d;
}

THeadTreeNode* THeadTreeNode::LastSibling() {
    THeadTreeNode* n = this;
    while (n->NextSibling != (n->Parent ? n->Parent->FirstChild : this)) n = n->NextSibling;
    return n;
}

THeadTreeNode* THeadTreeNode::Union(THeadTreeNode* from, THeadTreeNode* to, const std::string& caption,
                                    int height) {
    if (!from || !to || !from->Parent) throw Exception("Node not in Tree");
    THeadTreeNode* parent = from->Parent;
    if (to->Parent != parent) throw Exception("ATo not in level");
    // The run must go from `from` to `to` along the ring without wrapping.
    THeadTreeNode* n = from;
    while (n != to) {
        n = n->NextSibling;
        if (n == parent->FirstChild) throw Exception("ATo not in level");
    }
    // The node before the run in the ring.
    THeadTreeNode* before = nullptr;
    if (from != parent->FirstChild) {
        before = parent->FirstChild;
        while (before->NextSibling != from) before = before->NextSibling;
    }
    THeadTreeNode* after = to->NextSibling; // parent's first child when `to` was last
    bool runEnds = after == parent->FirstChild;

    auto* node = new THeadTreeNode(caption, 0, height);
    node->Parent = parent;
    node->LineWidth = from->LineWidth;
    // Children: the run, closed into a ring of its own.
    node->FirstChild = from;
    to->NextSibling = from;
    int width = 0;
    n = from;
    do {
        n->Parent = node;
        n->Height -= height;
        width += n->Width + n->LineWidth;
        n = n->NextSibling;
    } while (n != from);
    if (node->LineWidth >= 1) width -= node->LineWidth;
    node->Width = width;
    // The new node takes the run's place.
    if (!before) {
        // The run began the ring.
        if (runEnds) {
            parent->FirstChild = node;
            node->NextSibling = node;
        } else {
            THeadTreeNode* last = after;
            while (last->NextSibling != from) last = last->NextSibling;
            last->NextSibling = node;
            node->NextSibling = after;
            parent->FirstChild = node;
        }
    } else {
        before->NextSibling = node;
        node->NextSibling = runEnds ? parent->FirstChild : after;
    }
    return node;
}

} // namespace tv
