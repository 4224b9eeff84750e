#pragma once
// The pen, brush and font objects behind their handles.
#include <memory>
#include <vector>

#include "platform/gdi/objects.h"

namespace tv::win {

struct PenObject : GdiObject {
    PenObject() : GdiObject(GdiKind::Pen) {}
    int style = PS_SOLID; // PS_SOLID .. PS_INSIDEFRAME
    int width = 1;        // logical units; 0 and 1 are one device pixel
    COLORREF color = 0;
    bool geometric = false;
    DWORD endCap = PS_ENDCAP_ROUND;
    DWORD join = PS_JOIN_ROUND;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(GdiKind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    HBITMAP pattern = nullptr; // owned copy for BS_PATTERN
    ~BrushObject() override;
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(GdiKind::Font) {}
    LOGFONT lf;
};

// A copy of a pen, brush, font or bitmap, for keeping in a metafile.
std::shared_ptr<GdiObject> CloneObject(HGDIOBJ obj);

} // namespace tv::win
