#pragma once
// THeadTreeNode: a node of the multi-level title tree. Each node owns its
// children; Parent, FirstChild and NextSibling are links kept from them, and
// the siblings read as a ring (the last one's NextSibling is the parent's
// FirstChild).
#include <memory>
#include <string>
#include <vector>

#include "core/object.h"

namespace tv {

class TColumnEh;

class THeadTreeNode {
public:
    THeadTreeNode() = default;
    THeadTreeNode(const std::string& caption, int width, int height) : Caption(caption), Width(width), Height(height) {}
    THeadTreeNode(const THeadTreeNode&) = delete;
    THeadTreeNode& operator=(const THeadTreeNode&) = delete;

    bool Painted = false;
    THeadTreeNode* Parent = nullptr;
    THeadTreeNode* FirstChild = nullptr;
    THeadTreeNode* NextSibling = this;
    std::string Caption;
    int Width = 0, Height = 0, LeftIndent = 0, LineWidth = 0;
    TColumnEh* Column = nullptr;
    const std::string& Text() const { return Caption; }

    bool IsRoot() const { return Parent == nullptr; }
    // Appends a child (a ring of one becomes part of the children's ring).
    THeadTreeNode* AddChild(const std::string& caption, int width, int height);
    void FreeChildren();
    // Unites the sibling run from..to under a new node with the caption;
    // raises "Node not in Tree" / "ATo not in level" on misuse.
    THeadTreeNode* Union(THeadTreeNode* from, THeadTreeNode* to, const std::string& caption, int height);
    int ChildCount() const;
    // The leaf of the run whose siblings' last one this is.
    THeadTreeNode* LastSibling();
    // How many levels below this node (0 for a leaf).
    int Depth() const;
    int Level() const;

private:
    // Sets the children's Parent and ring links and FirstChild.
    void Relink();

    std::vector<std::unique_ptr<THeadTreeNode>> children_;
};

} // namespace tv
