#include "skin/ctrladapter.h"

#include "framework/ui/forms.h"
#include "framework/ui/grids/grid.h"
#include "framework/ui/listview.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/listbox.h"
#include "framework/ui/treeview.h"
#include "platform/window/queue.h"
#include "skin/commondata.h"
#include "skin/scrolladapters.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"
#include "skin/viewadapters.h"

namespace tv {

using namespace win;

namespace {

// One walk of the components at a time: adapting may create windows, and a
// new window reports itself to the form again.
bool g_walking = false;

struct Walking {
    Walking() { g_walking = true; }
    ~Walking() { g_walking = false; }
};

bool GridLike(TComponent* c) { return dynamic_cast<TCustomControl*>(c) && HasPublishedProperty(c, "OptionsEh"); }

// List views and tree views have window adapters of their own kind.
bool View(TComponent* c) { return dynamic_cast<TCustomListView*>(c) || dynamic_cast<TCustomTreeView*>(c); }

} // namespace

TacAdapterItem::TacAdapterItem(TacCtrlAdapter* adapter, TWinControl* control)
    : Ctrl(control), SkinData(std::make_unique<TsCommonData>(control, true)), Adapter(adapter) {
    SkinData->COC = 227;
}

TacAdapterItem::~TacAdapterItem() {
    ScrollWnd.reset();
    SkinData.reset();
}

void TacAdapterItem::AdaptControl(TWinControl* control) {
    if (control->Parent() && ControlIsSkinned(control)) return;
    SkinData->OwnerControl = control;
    SkinData->OwnerObject = control;
    if (SkinData->SkinSection().empty()) SkinData->SetSkinSection(Adapter->DefaultSection);
    SkinData->UpdateSectionIndexes();
    // A control whose window is not made yet is adapted when it reports its
    // window to the form.
    if (!control->Parent() || !control->HandleAllocated()) return;
    TsSkinManager* sm = SkinData->GetSkinManager();
    HWND wnd = control->Handle();
    if (dynamic_cast<TCustomGrid*>(control)) ScrollWnd = std::make_unique<TacGridWnd>(wnd, true, sm, SkinData.get());
    else if (dynamic_cast<TCustomComboBox*>(control)) return;
    else if (dynamic_cast<TCustomEdit*>(control) || dynamic_cast<TCustomListBox*>(control))
        ScrollWnd = std::make_unique<TacEditWnd>(wnd, true, sm, SkinData.get());
    else if (dynamic_cast<TCustomListView*>(control))
        ScrollWnd = std::make_unique<TacListViewWnd>(wnd, true, sm, SkinData.get());
    else if (dynamic_cast<TCustomTreeView*>(control))
        ScrollWnd = std::make_unique<TacTreeViewWnd>(wnd, true, sm, SkinData.get());
    else if (GridLike(control)) ScrollWnd = std::make_unique<TacGridEhWnd>(wnd, true, sm, SkinData.get());
}

TacCtrlAdapter::TacCtrlAdapter(TsSkinProvider* provider) : Provider(provider) {}

TacCtrlAdapter::~TacCtrlAdapter() {
    CleanItems();
    RemoveAllItems();
}

bool TacCtrlAdapter::IsControlSupported(TComponent* component) {
    auto* c = dynamic_cast<TControl*>(component);
    if (!c || !c->Parent()) return false;
    if (dynamic_cast<TCustomGrid*>(c)) return true;
    if (dynamic_cast<TCustomComboBox*>(c)) return false;
    if (dynamic_cast<TCustomEdit*>(c) || dynamic_cast<TCustomListBox*>(c) || View(c)) return true;
    return GridLike(c);
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index) {
    return index >= 0 && index < Count() ? items_[std::size_t(index)].get() : nullptr;
}

int TacCtrlAdapter::IndexOf(const TControl* control) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Ctrl == control) return int(i);
    return -1;
}

void TacCtrlAdapter::AddNewItem(TWinControl* control) { AddNewItem(control, DefaultSection); }

void TacCtrlAdapter::AddNewItem(TWinControl* control, const std::string& section) {
    if (!control || (control->Parent() && ControlIsSkinned(control))) return;
    int i = IndexOf(control);
    bool fresh = i < 0;
    if (fresh) {
        items_.push_back(std::make_unique<TacAdapterItem>(this, control));
        i = Count() - 1;
    }
    TacAdapterItem* item = items_[std::size_t(i)].get();
    item->SkinData->SetSkinSection(section);
    if (!fresh) {
        if (item->ScrollWnd && item->ScrollWnd->Detached) {
            item->ScrollWnd.reset();
            if (control->Parent()) item->AdaptControl(control);
        }
        return;
    }
    if (control->Parent()) item->AdaptControl(control);
    if (!item->ScrollWnd) {
        int at = IndexOf(control);
        if (at >= 0) items_.erase(items_.begin() + at);
    }
}

void TacCtrlAdapter::AddAllControls(TComponent* component) {
    if (g_walking) return;
    Walking walking;
    TComponent* root = component ? component : Provider ? static_cast<TComponent*>(Provider->Form()) : nullptr;
    if (!root) return;
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        if (!IsControlSupported(c)) continue;
        bool canBeAdded = true;
        std::string section = "EDIT";
        if (Provider && Provider->OnSkinItem) Provider->OnSkinItem(c, canBeAdded, section);
        if (canBeAdded) AddNewItem(static_cast<TWinControl*>(c), section);
    }
}

void TacCtrlAdapter::RemoveItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

void TacCtrlAdapter::CleanItems() {
    for (std::size_t i = items_.size(); i-- > 0;)
        if (!items_[i]->ScrollWnd || items_[i]->ScrollWnd->Detached) items_.erase(items_.begin() + std::ptrdiff_t(i));
}

void TacCtrlAdapter::RemoveAllItems() {
    if (g_walking) return;
    Walking walking;
    while (!items_.empty()) items_.pop_back();
}

void TacCtrlAdapter::SendToItems(Message& msg) {
    try {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            TacAdapterItem* item = items_[i].get();
            if (!item->ScrollWnd || item->ScrollWnd->Detached || !item->Ctrl->Parent() || !item->Ctrl->HandleAllocated())
                continue;
            SendMessage(item->Ctrl->Handle(), msg.Msg, msg.WParam, msg.LParam);
        }
    } catch (...) {
    }
}

// --- the form's own scroll bars ---------------------------------------------------

void TsSkinProvider::AdaptFormScrollBars() {
    if (Loading() || Destroying() || !form_->HandleAllocated() || !form_->AutoScroll()) return;
    if (!skinData_->Skinned()) {
        formScrollWnd_.reset();
        return;
    }
    if (formScrollWnd_ && formScrollWnd_->Detached) formScrollWnd_.reset();
    if (formScrollWnd_) return;
    formScrollWnd_ = std::make_unique<TacScrollWnd>(form_->Handle(), false, skinData_->GetSkinManager(), skinData_.get(),
                                                   false);
    if (formScrollWnd_->HBar->Visible || formScrollWnd_->VBar->Visible) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
}

} // namespace tv
