#pragma once
// The item list of a list box or combo box: kept in the window while it
// exists, in a string list while it does not (before the window is made,
// and while it is made again), so items are never lost.
#include <memory>

#include "core/stringlist.h"
#include "platform/wintypes.h"

namespace tv {

class TWinControl;

struct TItemMessages {
    win::UINT add, insert, remove, reset, getText, getCount, getData, setData, findExact;
};
extern const TItemMessages ListBoxItemMessages;
extern const TItemMessages ComboBoxItemMessages;

// A control id no other owner-drawn control of the process uses.
int NextControlId();

class TWindowItems : public TStrings {
    TV_CLASS(TWindowItems, TStrings)
public:
    TWindowItems() = default;
    TWindowItems(TWinControl* owner, const TItemMessages& msgs);
    int Count() const override;
    std::string Strings(int index) const override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* obj) override;
    void Insert(int index, const std::string& s) override;
    int Add(const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(std::string_view s) const override;

    // The window was made: it takes the kept items. It goes: they are kept.
    void WindowCreated();
    void WindowDestroying();

private:
    win::HWND Wnd() const;
    void CheckIndex(int index) const;
    TWinControl* owner_ = nullptr;
    const TItemMessages* msgs_ = nullptr;
    TStringList kept_;
};

} // namespace tv
