#pragma once
// TCustomTreeView and TTreeView over the platform's tree view window: nodes
// under nodes, their expansion and the selection. The nodes are kept by the
// control, so they and their expansion live on while its window is made
// again.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/controls.h"
#include "platform/controls/treeview.h"

namespace tv {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
    TV_CLASS(TTreeNode, TPersistent)
public:
    TTreeNode(TTreeNodes* owner = nullptr, TTreeNode* parent = nullptr);
    ~TTreeNode() override;

    TTreeNodes* Owner() const { return owner_; }
    TTreeNode* Parent() const { return parent_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v);
    void* Data() const { return data_; }
    void SetData(void* v) { data_ = v; }
    int Level() const;
    int Count() const { return int(kids_.size()); }
    // Raises EListError for an index out of range.
    TTreeNode* Item(int index) const;
    bool HasChildren() const { return !kids_.empty(); }
    // The place among its siblings.
    int Index() const;
    TTreeNode* GetFirstChild() const { return kids_.empty() ? nullptr : kids_.front().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in the order of the whole tree (children first).
    TTreeNode* GetNext() const;
    bool Expanded() const;
    void SetExpanded(bool v);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool v);
    // Opens the parents and scrolls the node into view.
    void MakeVisible();
    win::RECT DisplayRect(bool textOnly) const;
    void Delete();
    win::HTREEITEM ItemId() const { return id_; }

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    TCustomTreeView* View() const;
    std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> kids_;
    std::string text_;
    void* data_ = nullptr;
    bool expanded_ = false; // kept while there is no window
    win::HTREEITEM id_ = nullptr;
};

class TTreeNodes : public TPersistent {
    TV_CLASS(TTreeNodes, TPersistent)
public:
    explicit TTreeNodes(TCustomTreeView* owner = nullptr) : owner_(owner) {}
    ~TTreeNodes() override;
    TPersistent* GetOwner() const override;

    // A node after the last sibling of `sibling` (a top-level one when none).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    // A node after the last child of `parent` (a top-level one when none).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();
    // Every node, counted in the order of the whole tree.
    int Count() const;
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    TCustomTreeView* Owner() const { return owner_; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TCustomTreeView* owner_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TCustomTreeView : public TWinControl {
    TV_CLASS(TCustomTreeView, TWinControl)
public:
    explicit TCustomTreeView(TComponent* owner = nullptr);
    ~TCustomTreeView() override;
    static void Publish(TPublisher& p);

    TTreeNodes* Items() const { return items_.get(); }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    int Indent() const { return indent_; }
    void SetIndent(int v);

    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    TTreeNode* GetNodeAt(int x, int y) const;

    void Dispatch(Message& msg) override;

    TTVChangedEvent OnChange;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    virtual void Change(TTreeNode* node);
    virtual void Expanded(TTreeNode* node);
    virtual void Collapsed(TTreeNode* node);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    win::HWND Wnd() const { return handle_; }
    void Insert(TTreeNode* node);
    void SendStyle();
    void SendColors();
    void Notify(Message& msg);
    TTreeNode* NodeOf(win::HTREEITEM item) const;
    std::unique_ptr<TTreeNodes> items_;
    bool showButtons_ = true, showLines_ = true, showRoot_ = true, hideSelection_ = true;
    int indent_ = 19;
    TTreeNode* selected_ = nullptr; // kept while there is no window
    bool filling_ = false;
};

class TTreeView : public TCustomTreeView {
    TV_CLASS(TTreeView, TCustomTreeView)
public:
    using TCustomTreeView::TCustomTreeView;
    static void Publish(TPublisher&) {}
};

} // namespace tv
