#pragma once
// TacCtrlAdapter: gives the standard controls of a skinned form (edits,
// list boxes, list and tree views, grids) a window adapter that skins
// their frame and scroll bars, one item per adapted control.
#include <memory>
#include <string>
#include <vector>

#include "core/persistent.h"
#include "platform/window/messages.h"

namespace tv {

class TComponent;
class TControl;
class TWinControl;
class TacCtrlAdapter;
class TacScrollWnd;
class TsCommonData;
class TsSkinProvider;

class TacAdapterItem : public TPersistent {
    TV_CLASS(TacAdapterItem, TPersistent)
public:
    TacAdapterItem(TacCtrlAdapter* adapter, TWinControl* control);
    ~TacAdapterItem() override;
    // Gives the control the window adapter of its kind.
    virtual void AdaptControl(TWinControl* control);

    TWinControl* Ctrl;
    std::unique_ptr<TsCommonData> SkinData;
    int OldFontColor = -1;
    TacCtrlAdapter* Adapter;
    std::unique_ptr<TacScrollWnd> ScrollWnd;
};

class TacCtrlAdapter : public TPersistent {
    TV_CLASS(TacCtrlAdapter, TPersistent)
public:
    explicit TacCtrlAdapter(TsSkinProvider* provider);
    ~TacCtrlAdapter() override;

    virtual bool IsControlSupported(TComponent* control);
    virtual TacAdapterItem* GetItem(int index);
    virtual void AddNewItem(TWinControl* control);
    virtual void AddNewItem(TWinControl* control, const std::string& section);
    virtual void RemoveItem(int index);

    // Every supported control among the components of `component` (the
    // provider's form when none).
    void AddAllControls(TComponent* component);
    void RemoveAllItems();
    // Drops the items whose window is gone.
    void CleanItems();
    void SendToItems(win::Message& msg);
    int Count() const { return int(items_.size()); }
    int IndexOf(const TControl* control) const;

    std::string DefaultSection;
    TsSkinProvider* Provider;

private:
    std::vector<std::unique_ptr<TacAdapterItem>> items_;
};

} // namespace tv
