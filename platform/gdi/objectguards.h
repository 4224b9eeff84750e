#pragma once
// Scope owners for drawing objects and device contexts, and a selection that
// is undone when the scope ends, so a painting routine frees what it made
// also when it returns early or an exception passes.
#include <memory>

#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"

namespace tv::win {

struct GdiObjectDeleter {
    void operator()(GdiObject* obj) const { DeleteObject(obj); }
};
// A pen, brush, font, bitmap or region freed with DeleteObject.
template <class T>
using OwnedGdiObject = std::unique_ptr<T, GdiObjectDeleter>;

struct DcDeleter {
    void operator()(DeviceContext* dc) const { DeleteDC(dc); }
};
// A memory device context freed with DeleteDC.
using OwnedDc = std::unique_ptr<DeviceContext, DcDeleter>;

// Selects a pen, brush, font or bitmap (not a region, whose selection is a
// copy) into a device context and selects the previous one back
// when the scope ends. Declared after the owner of the object, so the object
// is out of the device context before it is freed.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectedObject() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace tv::win
