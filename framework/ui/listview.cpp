#include "framework/ui/listview.h"

#include <algorithm>

#include "core/exceptions.h"
#include "platform/controls/commonnotify.h"
#include "platform/controls/header.h"
#include "platform/controls/listview.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

namespace {

int FormatOf(TAlignment a, bool image) {
    int f = a == taRightJustify ? LVCFMT_RIGHT : a == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
    return image ? f | LVCFMT_IMAGE : f;
}

LVCOLUMN ColumnRecord(const TListColumn* c, int index) {
    LVCOLUMN col;
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM | LVCF_IMAGE;
    col.fmt = FormatOf(c->Alignment(), c->ImageIndex() >= 0);
    col.cx = c->Width();
    col.pszText = c->Caption();
    col.iSubItem = index;
    col.iImage = c->ImageIndex();
    return col;
}

void OutOfRange(int index) { throw EListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")"); }

} // namespace

// --- columns ------------------------------------------------------------------------

void TListColumn::Publish(TPublisher& p) {
    p.Enum("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.String("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    p.Integer("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex).Default(-1);
    p.Integer("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
}

void TListColumn::Assign(TPersistent* source) {
    if (auto* c = dynamic_cast<TListColumn*>(source)) {
        caption_ = c->caption_;
        width_ = c->width_;
        alignment_ = c->alignment_;
        imageIndex_ = c->imageIndex_;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

TCustomListView* TListColumn::View() const {
    auto* cols = dynamic_cast<TListColumns*>(Collection());
    return cols ? cols->Owner() : nullptr;
}

void TListColumn::SetCaption(const std::string& v) {
    caption_ = v;
    Changed(false);
}

void TListColumn::SetWidth(int v) {
    width_ = std::max(0, v);
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment v) {
    alignment_ = v;
    Changed(false);
}

void TListColumn::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed(false);
}

TPersistent* TListColumns::GetOwner() const { return owner_; }

void TListColumns::Update(TCollectionItem* item) {
    if (!owner_) return;
    if (item)
        owner_->ColumnChanged(item->Index());
    else
        owner_->ColumnsChanged();
}

// --- items --------------------------------------------------------------------------

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(std::make_unique<TStringList>()) {
    subItems_->OnChange = [this](TObject*) { SubItemsChanged(); };
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::View() const { return owner_ ? owner_->Owner() : nullptr; }

int TListItem::Index() const { return owner_ ? owner_->IndexOf(this) : -1; }

void TListItem::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    if (TCustomListView* lv = View()) lv->ItemTextChanged(Index());
}

void TListItem::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    if (TCustomListView* lv = View(); lv && lv->Wnd()) {
        LVITEM it;
        it.mask = LVIF_IMAGE;
        it.iItem = Index();
        it.iImage = v;
        SendMessage(lv->Wnd(), LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&it));
        lv->Change(this, ctImage);
    }
}

void TListItem::SubItemsChanged() {
    if (TCustomListView* lv = View()) lv->ItemTextChanged(Index());
}

bool TListItem::Selected() const {
    TCustomListView* lv = View();
    if (lv && lv->Wnd()) return SendMessage(lv->Wnd(), LVM_GETITEMSTATE, WPARAM(Index()), LVIS_SELECTED) != 0;
    return state_ & LVIS_SELECTED;
}

void TListItem::SetSelected(bool v) {
    state_ = v ? state_ | LVIS_SELECTED : state_ & ~LVIS_SELECTED;
    TCustomListView* lv = View();
    if (!lv || !lv->Wnd()) return;
    LVITEM it;
    it.stateMask = LVIS_SELECTED;
    it.state = v ? LVIS_SELECTED : 0;
    SendMessage(lv->Wnd(), LVM_SETITEMSTATE, WPARAM(Index()), reinterpret_cast<LPARAM>(&it));
}

bool TListItem::Focused() const {
    TCustomListView* lv = View();
    if (lv && lv->Wnd()) return SendMessage(lv->Wnd(), LVM_GETITEMSTATE, WPARAM(Index()), LVIS_FOCUSED) != 0;
    return state_ & LVIS_FOCUSED;
}

void TListItem::SetFocused(bool v) {
    TCustomListView* lv = View();
    if (lv && !lv->Wnd() && v)
        for (auto& other : owner_->items_) other->state_ &= ~LVIS_FOCUSED;
    state_ = v ? state_ | LVIS_FOCUSED : state_ & ~LVIS_FOCUSED;
    if (!lv || !lv->Wnd()) return;
    LVITEM it;
    it.stateMask = LVIS_FOCUSED;
    it.state = v ? LVIS_FOCUSED : 0;
    SendMessage(lv->Wnd(), LVM_SETITEMSTATE, WPARAM(Index()), reinterpret_cast<LPARAM>(&it));
}

void TListItem::MakeVisible(bool partialOk) {
    if (TCustomListView* lv = View()) SendMessage(lv->Handle(), LVM_ENSUREVISIBLE, WPARAM(Index()), partialOk ? 1 : 0);
}

RECT TListItem::DisplayRect(int code) const {
    RECT r{};
    r.left = code;
    if (TCustomListView* lv = View())
        SendMessage(lv->Handle(), LVM_GETITEMRECT, WPARAM(Index()), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TListItem::Delete() {
    if (owner_) owner_->Delete(Index());
}

TListItems::~TListItems() = default;

TPersistent* TListItems::GetOwner() const { return owner_; }

TListItem* TListItems::Item(int index) const {
    if (index < 0 || index >= Count()) OutOfRange(index);
    return items_[size_t(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return int(i);
    return -1;
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
    if (index < 0 || index > Count()) OutOfRange(index);
    items_.insert(items_.begin() + index, std::make_unique<TListItem>(this));
    if (owner_) owner_->ItemInserted(index);
    return items_[size_t(index)].get();
}

void TListItems::Delete(int index) {
    if (index < 0 || index >= Count()) OutOfRange(index);
    // The window lets go of the item before the item goes.
    if (owner_) owner_->ItemDeleted(index);
    items_.erase(items_.begin() + index);
}

void TListItems::Clear() {
    if (owner_ && owner_->Wnd()) SendMessage(owner_->Wnd(), LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

// --- the control ----------------------------------------------------------------------

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>(this)), items_(std::make_unique<TListItems>(this)) {
    // Clicks come from the list's notifications, once per click.
    controlStyle_ = TControlStyle{csCaptureMouse};
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
    imageLink_.OnChange = [this](TObject*) { SendImages(); };
}

TCustomListView::~TCustomListView() {
    if (smallImages_) smallImages_->UnRegisterChanges(&imageLink_);
    DestroyHandle();
}

void TCustomListView::Publish(TPublisher& p) {
    p.Boolean("ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick).Default(true);
    p.Collection("Columns", &TCustomListView::Columns, &TCustomListView::SetColumns);
    p.Boolean("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection).Default(true);
    p.Boolean("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect).Default(false);
    p.Boolean("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders)
        .Default(true);
    p.Component("SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages);
    p.Enum("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle, TViewStyleInfo).Default(vsIcon);
    p.Event("OnChange", &TCustomListView::OnChange);
    p.Event("OnColumnClick", &TCustomListView::OnColumnClick);
}

void TCustomListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_LISTVIEW, &wc)) defProc_ = wc.lpfnWndProc;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[viewStyle_];
    if (!multiSelect_) p.Style |= LVS_SINGLESEL;
    if (!columnClick_) p.Style |= LVS_NOSORTHEADER;
    if (!showColumnHeaders_) p.Style |= LVS_NOCOLUMNHEADER;
    if (!hideSelection_) p.Style |= LVS_SHOWSELALWAYS;
    if (Ctl3D())
        p.ExStyle |= WS_EX_CLIENTEDGE;
    else
        p.Style |= WS_BORDER;
}

void TCustomListView::InitializeWindow() {
    filling_ = true;
    SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    SendColors();
    SendImages();
    for (int i = 0; i < columns_->Count(); ++i) {
        LVCOLUMN col = ColumnRecord(columns_->Items(i), i);
        SendMessage(handle_, LVM_INSERTCOLUMN, WPARAM(i), reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < items_->Count(); ++i) ItemInserted(i);
    // A range chosen with Shift goes on from the focused item.
    if (TListItem* f = ItemFocused()) SendMessage(handle_, LVM_SETSELECTIONMARK, 0, LPARAM(f->Index()));
    filling_ = false;
}

void TCustomListView::DestroyWnd() {
    if (handle_)
        for (auto& it : items_->items_)
            it->state_ = (it->Selected() ? LVIS_SELECTED : 0) | (it->Focused() ? LVIS_FOCUSED : 0);
    TWinControl::DestroyWnd();
}

void TCustomListView::SendColors() {
    if (!handle_) return;
    SendMessage(handle_, LVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    SendMessage(handle_, LVM_SETTEXTBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    SendMessage(handle_, LVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(Font()->Color())));
}

void TCustomListView::SendImages() {
    if (!handle_) return;
    HIMAGELIST list = smallImages_ ? smallImages_->Handle() : nullptr;
    SendMessage(handle_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list));
}

void TCustomListView::ColumnsChanged() {
    if (!handle_) return;
    while (SendMessage(handle_, LVM_DELETECOLUMN, 0, 0)) {}
    for (int i = 0; i < columns_->Count(); ++i) {
        LVCOLUMN col = ColumnRecord(columns_->Items(i), i);
        SendMessage(handle_, LVM_INSERTCOLUMN, WPARAM(i), reinterpret_cast<LPARAM>(&col));
    }
}

void TCustomListView::ColumnChanged(int index) {
    if (!handle_) return;
    LVCOLUMN col = ColumnRecord(columns_->Items(index), index);
    SendMessage(handle_, LVM_SETCOLUMN, WPARAM(index), reinterpret_cast<LPARAM>(&col));
}

void TCustomListView::ItemInserted(int index) {
    if (!handle_) return;
    TListItem* item = items_->items_[size_t(index)].get();
    LVITEM it;
    it.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    it.iItem = index;
    it.pszText = item->caption_;
    it.iImage = item->imageIndex_;
    it.lParam = reinterpret_cast<LPARAM>(item);
    it.state = item->state_;
    it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(handle_, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&it));
    for (int k = 0; k < item->subItems_->Count(); ++k) {
        LVITEM sub;
        sub.iSubItem = k + 1;
        sub.pszText = item->subItems_->Strings(k);
        SendMessage(handle_, LVM_SETITEMTEXT, WPARAM(index), reinterpret_cast<LPARAM>(&sub));
    }
}

void TCustomListView::ItemDeleted(int index) {
    if (handle_) SendMessage(handle_, LVM_DELETEITEM, WPARAM(index), 0);
}

void TCustomListView::ItemTextChanged(int index) {
    if (!handle_ || index < 0) return;
    TListItem* item = items_->items_[size_t(index)].get();
    int columns = std::max(columns_->Count(), item->subItems_->Count() + 1);
    for (int k = 0; k < columns; ++k) {
        LVITEM it;
        it.iSubItem = k;
        it.pszText = k == 0 ? item->caption_ : k - 1 < item->subItems_->Count() ? item->subItems_->Strings(k - 1) : "";
        SendMessage(handle_, LVM_SETITEMTEXT, WPARAM(index), reinterpret_cast<LPARAM>(&it));
    }
    Change(item, ctText);
}

void TCustomListView::SetViewStyle(TViewStyle v) {
    if (v == viewStyle_) return;
    viewStyle_ = v;
    if (!handle_) return;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    SetWindowLong(handle_, GWL_STYLE, (GetWindowLong(handle_, GWL_STYLE) & ~LVS_TYPEMASK) | views[v]);
}

void TCustomListView::SetMultiSelect(bool v) {
    if (v == multiSelect_) return;
    multiSelect_ = v;
    RecreateWnd();
}

void TCustomListView::SetColumnClick(bool v) {
    if (v == columnClick_) return;
    columnClick_ = v;
    RecreateWnd();
}

void TCustomListView::SetShowColumnHeaders(bool v) {
    if (v == showColumnHeaders_) return;
    showColumnHeaders_ = v;
    RecreateWnd();
}

void TCustomListView::SetHideSelection(bool v) {
    if (v == hideSelection_) return;
    hideSelection_ = v;
    RecreateWnd();
}

void TCustomListView::SetSmallImages(TCustomImageList* v) {
    if (v == smallImages_) return;
    if (smallImages_) smallImages_->UnRegisterChanges(&imageLink_);
    smallImages_ = v;
    if (v) {
        v->RegisterChanges(&imageLink_);
        v->FreeNotification(this);
    }
    SendImages();
}

void TCustomListView::Notification(TComponent* c, TOperation op) {
    TWinControl::Notification(c, op);
    if (op == opRemove && c == smallImages_) {
        smallImages_ = nullptr;
        SendImages();
    }
}

TListItem* TCustomListView::Selected() const {
    if (!handle_) {
        for (auto& it : items_->items_)
            if (it->state_ & LVIS_SELECTED) return it.get();
        return nullptr;
    }
    int i = int(SendMessage(handle_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    return i >= 0 && i < items_->Count() ? items_->items_[size_t(i)].get() : nullptr;
}

void TCustomListView::SetSelected(TListItem* item) {
    for (auto& it : items_->items_)
        if (it.get() != item && it->Selected()) it->SetSelected(false);
    if (item) {
        item->SetSelected(true);
        item->SetFocused(true);
    }
}

TListItem* TCustomListView::ItemFocused() const {
    for (auto& it : items_->items_)
        if (it->Focused()) return it.get();
    return nullptr;
}

void TCustomListView::SetItemFocused(TListItem* item) {
    if (item)
        item->SetFocused(true);
    else if (TListItem* f = ItemFocused())
        f->SetFocused(false);
}

int TCustomListView::ItemIndex() const {
    TListItem* s = Selected();
    return s ? s->Index() : -1;
}

void TCustomListView::SetItemIndex(int v) { SetSelected(v >= 0 && v < items_->Count() ? items_->Item(v) : nullptr); }

int TCustomListView::SelCount() const {
    if (handle_) return int(SendMessage(handle_, LVM_GETSELECTEDCOUNT, 0, 0));
    return int(std::count_if(items_->items_.begin(), items_->items_.end(),
                             [](const auto& it) { return it->state_ & LVIS_SELECTED; }));
}

TListItem* TCustomListView::TopItem() const {
    if (!handle_ || viewStyle_ == vsIcon || viewStyle_ == vsSmallIcon) return nullptr;
    int i = int(SendMessage(handle_, LVM_GETTOPINDEX, 0, 0));
    return i >= 0 && i < items_->Count() ? items_->items_[size_t(i)].get() : nullptr;
}

int TCustomListView::VisibleRowCount() const {
    return handle_ ? int(SendMessage(handle_, LVM_GETCOUNTPERPAGE, 0, 0)) : 0;
}

TListItem* TCustomListView::GetItemAt(int x, int y) const {
    if (!handle_) return nullptr;
    LVHITTESTINFO h;
    h.pt = {x, y};
    int i = int(SendMessage(handle_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&h)));
    return i >= 0 && i < items_->Count() ? items_->items_[size_t(i)].get() : nullptr;
}

void TCustomListView::Scroll(int dx, int dy) { SendMessage(Handle(), LVM_SCROLL, WPARAM(dx), LPARAM(dy)); }

void TCustomListView::Change(TListItem* item, TItemChange change) {
    if (OnChange && !filling_) OnChange(this, item, change);
}

void TCustomListView::ColClick(TListColumn* column) {
    if (OnColumnClick) OnColumnClick(this, column);
}

void TCustomListView::Notify(Message& msg) {
    auto* hdr = reinterpret_cast<NMHDR*>(msg.LParam);
    msg.Result = 0;
    switch (hdr->code) {
    case LVN_ITEMCHANGED: {
        auto* n = reinterpret_cast<NMLISTVIEW*>(msg.LParam);
        auto* item = reinterpret_cast<TListItem*>(n->lParam);
        if ((n->uChanged & LVIF_STATE) && items_->IndexOf(item) >= 0) Change(item, ctState);
        break;
    }
    case LVN_COLUMNCLICK: {
        int c = reinterpret_cast<NMLISTVIEW*>(msg.LParam)->iSubItem;
        if (c >= 0 && c < columns_->Count()) ColClick(columns_->Items(c));
        break;
    }
    case NM_CLICK: Click(); break;
    case NM_DBLCLK: DblClick(); break;
    default: break;
    }
}

// The user sizes a column on the header; its width is kept here as it goes.
void TCustomListView::HeaderNotice(const Message& msg) {
    auto* n = reinterpret_cast<const NMHEADER*>(msg.LParam);
    HWND header = handle_ ? reinterpret_cast<HWND>(SendMessage(handle_, LVM_GETHEADER, 0, 0)) : nullptr;
    if (!n || !header || n->hdr.hwndFrom != header || n->hdr.code != HDN_ITEMCHANGED || !n->pitem) return;
    if ((n->pitem->mask & HDI_WIDTH) && n->iItem >= 0 && n->iItem < columns_->Count())
        columns_->Items(n->iItem)->width_ = std::max(0, n->pitem->cxy);
}

void TCustomListView::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case CN_NOTIFY: Notify(msg); return;
    case WM_NOTIFY: HeaderNotice(msg); break;
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
