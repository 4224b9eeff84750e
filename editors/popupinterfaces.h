#pragma once
// How a drop-down talks to the control that owns it, and how an owner drives
// a drop-down that edits a value.
#include "core/variant.h"
#include "platform/wintypes.h"

namespace tv {

// Drop-downs never take the focus: they ask their owner to close them.
class IPopupOwnerEh {
public:
    virtual ~IPopupOwnerEh() = default;
    virtual void CloseDropDown(bool accept) = 0;
};

class IPopupValueEditEh {
public:
    virtual ~IPopupValueEditEh() = default;
    virtual bool GetEnterCanClose() = 0;
    virtual bool GetFlat() = 0;
    virtual Variant GetValue() = 0;
    virtual void SetFlat(bool flat) = 0;
    virtual void SetValue(const Variant& value) = 0;
};

// Tells a drop-down to close without accepting (and an editor that its image
// settings changed).
constexpr win::UINT WM_POPUPCLOSE_EH = 0x0400 + 101;

} // namespace tv
