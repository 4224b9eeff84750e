#include "framework/ui/treeview.h"

#include <algorithm>

#include "core/exceptions.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

namespace {

void OutOfRange(int index) { throw EListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")"); }

} // namespace

// --- nodes ------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::View() const { return owner_ ? owner_->Owner() : nullptr; }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
    return parent_ ? parent_->kids_ : owner_->roots_;
}

void TTreeNode::SetText(const std::string& v) {
    text_ = v;
    TCustomTreeView* view = View();
    if (!view || !view->Wnd() || !id_) return;
    TVITEM it;
    it.mask = TVIF_TEXT;
    it.hItem = id_;
    it.pszText = v;
    SendMessage(view->Wnd(), TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&it));
}

int TTreeNode::Level() const {
    int l = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_) ++l;
    return l;
}

TTreeNode* TTreeNode::Item(int index) const {
    if (index < 0 || index >= Count()) OutOfRange(index);
    return kids_[size_t(index)].get();
}

int TTreeNode::Index() const {
    auto& list = Siblings();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this) return int(i);
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
    auto& list = Siblings();
    int i = Index();
    return i >= 0 && i + 1 < int(list.size()) ? list[size_t(i + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    int i = Index();
    return i > 0 ? Siblings()[size_t(i - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!kids_.empty()) return kids_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

bool TTreeNode::Expanded() const {
    TCustomTreeView* view = View();
    if (!view || !view->Wnd() || !id_) return expanded_;
    TVITEM it;
    it.mask = TVIF_STATE;
    it.hItem = id_;
    it.stateMask = TVIS_EXPANDED;
    SendMessage(view->Wnd(), TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it));
    return it.state & TVIS_EXPANDED;
}

// The program's own expansion: the window tells nobody, the control does.
void TTreeNode::SetExpanded(bool v) {
    if (v == Expanded() || (v && kids_.empty())) return;
    expanded_ = v;
    TCustomTreeView* view = View();
    if (view && view->Wnd() && id_)
        SendMessage(view->Wnd(), TVM_EXPAND, v ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(id_));
    if (!view) return;
    if (v)
        view->Expanded(this);
    else
        view->Collapsed(this);
}

void TTreeNode::Expand(bool recurse) {
    SetExpanded(true);
    if (!recurse) return;
    for (auto& k : kids_) k->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    if (recurse)
        for (auto& k : kids_) k->Collapse(true);
    SetExpanded(false);
}

bool TTreeNode::Selected() const {
    TCustomTreeView* view = View();
    return view && view->Selected() == this;
}

void TTreeNode::SetSelected(bool v) {
    TCustomTreeView* view = View();
    if (!view) return;
    if (v)
        view->SetSelected(this);
    else if (Selected())
        view->SetSelected(nullptr);
}

void TTreeNode::MakeVisible() {
    TCustomTreeView* view = View();
    if (view) view->HandleNeeded();
    if (view && id_) SendMessage(view->Wnd(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(id_));
}

RECT TTreeNode::DisplayRect(bool textOnly) const {
    TCustomTreeView* view = View();
    if (!view || !view->Wnd() || !id_) return {};
    TVITEMRECT r;
    r.hItem = id_;
    if (!SendMessage(view->Wnd(), TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r))) return {};
    return r.rc;
}

void TTreeNode::Delete() {
    if (owner_) owner_->Delete(this);
}

// --- the node list ------------------------------------------------------------------

TTreeNodes::~TTreeNodes() = default;

TPersistent* TTreeNodes::GetOwner() const { return owner_; }

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    return AddChild(sibling ? sibling->parent_ : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    auto& list = parent ? parent->kids_ : roots_;
    list.push_back(std::make_unique<TTreeNode>(this, parent));
    TTreeNode* node = list.back().get();
    node->text_ = text;
    if (owner_) owner_->Insert(node);
    return node;
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node || node->owner_ != this) return;
    TCustomTreeView* view = owner_;
    // The window lets go first; it may move the selection meanwhile.
    if (view && view->Wnd() && node->id_)
        SendMessage(view->Wnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->id_));
    if (view && view->selected_)
        for (TTreeNode* p = view->selected_; p; p = p->parent_)
            if (p == node) view->selected_ = nullptr;
    auto& list = node->Siblings();
    int i = node->Index();
    if (i < 0) return;
    std::unique_ptr<TTreeNode> gone = std::move(list[size_t(i)]);
    list.erase(list.begin() + i);
}

void TTreeNodes::Clear() {
    if (owner_ && owner_->Wnd()) SendMessage(owner_->Wnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    if (owner_) owner_->selected_ = nullptr;
    roots_.clear();
}

int TTreeNodes::Count() const {
    int n = 0;
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int index) const {
    if (index < 0) OutOfRange(index);
    int i = 0;
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext(), ++i)
        if (i == index) return node;
    OutOfRange(index);
    return nullptr;
}

// --- the control ----------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)) {
    // Clicks come from the tree's notifications, once per click.
    controlStyle_ = TControlStyle{csCaptureMouse};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomTreeView::~TCustomTreeView() { DestroyHandle(); }

void TCustomTreeView::Publish(TPublisher& p) {
    p.Boolean("HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection).Default(true);
    p.Integer("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent).Default(19);
    p.Boolean("ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons).Default(true);
    p.Boolean("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines).Default(true);
    p.Boolean("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot).Default(true);
    p.Event("OnChange", &TCustomTreeView::OnChange);
    p.Event("OnCollapsed", &TCustomTreeView::OnCollapsed);
    p.Event("OnExpanded", &TCustomTreeView::OnExpanded);
}

namespace {

DWORD TreeStyle(bool buttons, bool lines, bool root, bool hide) {
    return (buttons ? TVS_HASBUTTONS : 0) | (lines ? TVS_HASLINES : 0) | (root ? TVS_LINESATROOT : 0) |
           (hide ? 0 : TVS_SHOWSELALWAYS);
}

constexpr DWORD kTreeStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

} // namespace

void TCustomTreeView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_TREEVIEW, &wc)) defProc_ = wc.lpfnWndProc;
    p.Style |= TreeStyle(showButtons_, showLines_, showRoot_, hideSelection_);
    if (Ctl3D())
        p.ExStyle |= WS_EX_CLIENTEDGE;
    else
        p.Style |= WS_BORDER;
}

void TCustomTreeView::Insert(TTreeNode* node) {
    if (!handle_) return;
    TVINSERTSTRUCT is;
    is.hParent = node->parent_ ? node->parent_->id_ : TVI_ROOT;
    is.hInsertAfter = TVI_LAST;
    is.item.mask = TVIF_TEXT | TVIF_PARAM;
    is.item.pszText = node->text_;
    is.item.lParam = reinterpret_cast<LPARAM>(node);
    node->id_ = reinterpret_cast<HTREEITEM>(SendMessage(handle_, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&is)));
}

void TCustomTreeView::InitializeWindow() {
    filling_ = true;
    SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    SendMessage(handle_, TVM_SETINDENT, WPARAM(indent_), 0);
    SendColors();
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNext()) Insert(n);
    // Parents open after their children are in.
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNext())
        if (n->expanded_ && n->id_) SendMessage(handle_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(n->id_));
    if (selected_ && selected_->id_)
        SendMessage(handle_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->id_));
    filling_ = false;
}

void TCustomTreeView::DestroyWnd() {
    if (handle_) {
        selected_ = Selected();
        for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNext()) n->expanded_ = n->Expanded();
        for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNext()) n->id_ = nullptr;
    }
    TWinControl::DestroyWnd();
}

void TCustomTreeView::SendStyle() {
    if (!handle_) return;
    DWORD style = DWORD(GetWindowLong(handle_, GWL_STYLE)) & ~kTreeStyles;
    SetWindowLong(handle_, GWL_STYLE, style | TreeStyle(showButtons_, showLines_, showRoot_, hideSelection_));
}

void TCustomTreeView::SendColors() {
    if (!handle_) return;
    SendMessage(handle_, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    SendMessage(handle_, TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(Font()->Color())));
}

void TCustomTreeView::SetShowButtons(bool v) {
    showButtons_ = v;
    SendStyle();
}

void TCustomTreeView::SetShowLines(bool v) {
    showLines_ = v;
    SendStyle();
}

void TCustomTreeView::SetShowRoot(bool v) {
    showRoot_ = v;
    SendStyle();
}

void TCustomTreeView::SetHideSelection(bool v) {
    hideSelection_ = v;
    SendStyle();
}

void TCustomTreeView::SetIndent(int v) {
    indent_ = std::max(0, v);
    if (handle_) SendMessage(handle_, TVM_SETINDENT, WPARAM(indent_), 0);
}

TTreeNode* TCustomTreeView::NodeOf(HTREEITEM item) const {
    if (!item || !handle_) return nullptr;
    TVITEM it;
    it.mask = TVIF_PARAM;
    it.hItem = item;
    if (!SendMessage(handle_, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it))) return nullptr;
    return reinterpret_cast<TTreeNode*>(it.lParam);
}

TTreeNode* TCustomTreeView::Selected() const {
    if (!handle_) return selected_;
    return NodeOf(reinterpret_cast<HTREEITEM>(SendMessage(handle_, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
    if (node && node->owner_ != items_.get()) return;
    selected_ = node;
    if (handle_) SendMessage(handle_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->id_ : nullptr));
}

TTreeNode* TCustomTreeView::TopItem() const {
    if (!handle_) return items_->GetFirstNode();
    return NodeOf(reinterpret_cast<HTREEITEM>(SendMessage(handle_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const {
    if (!handle_) return nullptr;
    TVHITTESTINFO h;
    h.pt = {x, y};
    SendMessage(handle_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&h));
    return (h.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON)) ? NodeOf(h.hItem) : nullptr;
}

void TCustomTreeView::Change(TTreeNode* node) {
    if (OnChange && !filling_) OnChange(this, node);
}

void TCustomTreeView::Expanded(TTreeNode* node) {
    if (OnExpanded && !filling_) OnExpanded(this, node);
}

void TCustomTreeView::Collapsed(TTreeNode* node) {
    if (OnCollapsed && !filling_) OnCollapsed(this, node);
}

void TCustomTreeView::Notify(Message& msg) {
    auto* hdr = reinterpret_cast<NMHDR*>(msg.LParam);
    msg.Result = 0;
    switch (hdr->code) {
    case TVN_SELCHANGED: {
        auto* n = reinterpret_cast<NMTREEVIEW*>(msg.LParam);
        auto* node = reinterpret_cast<TTreeNode*>(n->itemNew.lParam);
        selected_ = node;
        Change(node);
        break;
    }
    case TVN_ITEMEXPANDED: {
        auto* n = reinterpret_cast<NMTREEVIEW*>(msg.LParam);
        auto* node = reinterpret_cast<TTreeNode*>(n->itemNew.lParam);
        if (!node) break;
        node->expanded_ = n->action == TVE_EXPAND;
        if (node->expanded_)
            Expanded(node);
        else
            Collapsed(node);
        break;
    }
    case NM_CLICK: Click(); break;
    case NM_DBLCLK: DblClick(); break;
    default: break;
    }
}

void TCustomTreeView::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case CN_NOTIFY: Notify(msg); return;
    case CM_COLORCHANGED: SendColors(); break;
    case CM_FONTCHANGED:
        if (handle_) {
            SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
            SendColors();
        }
        break;
    default: break;
    }
    TWinControl::Dispatch(msg);
}

} // namespace tv
