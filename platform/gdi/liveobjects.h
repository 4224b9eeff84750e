#pragma once
// Drawing-object handles are checked against the objects in existence, as
// window handles are: a deleted or foreign handle is refused, never read.
#include "platform/wintypes.h"

namespace tv::win {

bool IsGdiObject(const GdiObject* obj);

// The handle when it names a live object, otherwise null.
template <class T>
T* LiveObject(T* obj) {
    return IsGdiObject(obj) ? obj : nullptr;
}

} // namespace tv::win
