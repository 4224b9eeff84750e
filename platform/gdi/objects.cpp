#include "platform/gdi/objects.h"

#include <cstring>

#include "core/exceptions.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/liveobjects.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/recorder.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/region.h"

namespace tv::win {

BrushObject::~BrushObject() { delete pattern; }

static HPEN NewPen(int style, int width, COLORREF color) {
    auto* p = new PenObject;
    p->style = (style < PS_SOLID || style > PS_INSIDEFRAME) ? PS_SOLID : style;
    p->width = width < 0 ? 0 : width;
    p->color = color & 0xFFFFFF;
    return p;
}

HPEN CreatePen(int style, int width, COLORREF color) { return NewPen(style & 0xF, width, color); }

HPEN CreatePenIndirect(const LOGPEN& lp) { return NewPen(int(lp.lopnStyle), lp.lopnWidth.x, lp.lopnColor); }

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& brush, DWORD, const DWORD*) {
    PenObject* p = NewPen(int(style & PS_STYLE_MASK), int(width), brush.lbStyle == BS_NULL ? 0 : brush.lbColor);
    if (brush.lbStyle == BS_NULL) p->style = PS_NULL;
    p->geometric = (style & PS_GEOMETRIC) != 0;
    if (p->geometric) {
        p->endCap = style & PS_ENDCAP_MASK;
        p->join = style & PS_JOIN_MASK;
    } else {
        p->width = 1;
    }
    return p;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto* b = new BrushObject;
    b->color = color & 0xFFFFFF;
    return b;
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    auto* b = new BrushObject;
    b->style = BS_HATCHED;
    b->hatch = hatch;
    b->color = color & 0xFFFFFF;
    return b;
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    if (!LiveObject(bitmap)) return nullptr;
    auto* b = new BrushObject;
    b->style = BS_PATTERN;
    b->pattern = CopyBitmap(bitmap);
    return b;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& lb) {
    switch (lb.lbStyle) {
    case BS_NULL: {
        auto* b = new BrushObject;
        b->style = BS_NULL;
        return b;
    }
    case BS_HATCHED: return CreateHatchBrush(int(lb.lbHatch), lb.lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb.lbHatch));
    default: return CreateSolidBrush(lb.lbColor);
    }
}

HFONT CreateFontIndirect(const LOGFONT& lf) {
    auto* f = new FontObject;
    f->lf = lf;
    return f;
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charset, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const std::string& face) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic != 0);
    lf.lfUnderline = BYTE(underline != 0);
    lf.lfStrikeOut = BYTE(strikeOut != 0);
    lf.lfCharSet = BYTE(charset);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    lf.lfFaceName = face;
    return CreateFontIndirect(lf);
}

namespace {

HFONT StockFont(const char* face, int height, int weight, BYTE pitch) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfPitchAndFamily = pitch;
    lf.lfFaceName = face;
    return CreateFontIndirect(lf);
}

struct StockObjects {
    HGDIOBJ items[20] = {};
    StockObjects() {
        auto brush = [](COLORREF c) { return static_cast<HGDIOBJ>(CreateSolidBrush(c)); };
        items[WHITE_BRUSH] = brush(0xFFFFFF);
        items[LTGRAY_BRUSH] = brush(0xC0C0C0);
        items[GRAY_BRUSH] = brush(0x808080);
        items[DKGRAY_BRUSH] = brush(0x404040);
        items[BLACK_BRUSH] = brush(0x000000);
        LOGBRUSH nb;
        nb.lbStyle = BS_NULL;
        items[NULL_BRUSH] = CreateBrushIndirect(nb);
        items[WHITE_PEN] = CreatePen(PS_SOLID, 1, 0xFFFFFF);
        items[BLACK_PEN] = CreatePen(PS_SOLID, 1, 0);
        items[NULL_PEN] = CreatePen(PS_NULL, 1, 0);
        items[OEM_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL, FIXED_PITCH);
        items[ANSI_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL, FIXED_PITCH);
        items[ANSI_VAR_FONT] = StockFont("MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH);
        items[SYSTEM_FONT] = StockFont("Default", -13, FW_BOLD, VARIABLE_PITCH);
        items[DEVICE_DEFAULT_FONT] = StockFont("Default", -13, FW_NORMAL, VARIABLE_PITCH);
        items[SYSTEM_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL, FIXED_PITCH);
        items[DEFAULT_GUI_FONT] = StockFont("MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH);
        items[DC_BRUSH] = brush(0xFFFFFF);
        items[DC_PEN] = CreatePen(PS_SOLID, 1, 0);
        for (HGDIOBJ o : items)
            if (o) o->stock = true;
    }
};

StockObjects& Stock() {
    static StockObjects* s = new StockObjects; // lives for the whole process
    return *s;
}

HBITMAP DefaultBitmap() {
    static HBITMAP b = [] {
        HBITMAP bmp = CreateDIBitmap(1, 1, 32);
        bmp->stock = true;
        return bmp;
    }();
    return b;
}

void AttachBitmap(DeviceContext* dc, HBITMAP bmp) {
    auto* b = static_cast<BitmapObject*>(bmp);
    if (dc->bitmap) static_cast<BitmapObject*>(dc->bitmap)->selectedIn--;
    dc->bitmap = bmp;
    b->selectedIn++;
    if (dc->cr) cairo_destroy(dc->cr);
    dc->cr = cairo_create(b->SurfaceForWriting());
    dc->surface = cairo_get_target(dc->cr);
    dc->width = b->width;
    dc->height = b->height;
    dc->clipDirty = true;
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= 20) return nullptr;
    return Stock().items[index];
}

// A pen, brush or font deleted while a device context (or one of its saved
// states) still holds it is replaced there by the stock default, so nothing
// draws with freed memory.
static void Unselect(HGDIOBJ obj) {
    auto fix = [obj](DCState& s) {
        if (s.pen == obj) s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
        if (s.brush == obj) s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        if (s.font == obj) s.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    };
    for (DeviceContext* dc : LiveDeviceContexts()) {
        fix(dc->st);
        for (DCState& s : dc->saved) fix(s);
    }
}

BOOL DeleteObject(HGDIOBJ obj) {
    if (!LiveObject(obj) || obj->stock) return FALSE;
    // A bitmap selected into a memory device context stays, as in Windows.
    if (obj->kind == GdiKind::Bitmap && static_cast<BitmapObject*>(obj)->selectedIn > 0) return FALSE;
    if (obj->kind != GdiKind::Bitmap && obj->kind != GdiKind::Region) Unselect(obj);
    delete obj;
    return TRUE;
}

// Memory device contexts start on the default bitmap.
void SelectDefaultBitmap(DeviceContext* dc) { AttachBitmap(dc, DefaultBitmap()); }
void ReleaseBitmap(DeviceContext* dc) {
    if (dc->bitmap) static_cast<BitmapObject*>(dc->bitmap)->selectedIn--;
    dc->bitmap = nullptr;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !LiveObject(obj)) return nullptr;
    if (obj->kind == GdiKind::Region) {
        return reinterpret_cast<HGDIOBJ>(std::intptr_t(SelectClipRgn(hdc, static_cast<HRGN>(obj))));
    }
    // A metafile replays the selection later: it keeps a copy, as the caller may change or free the object.
    CallScope scope(dc, "SelectObject", [&] {
        std::shared_ptr<GdiObject> kept = obj->stock ? nullptr : CloneObject(obj);
        HGDIOBJ replay = obj->stock ? obj : kept.get();
        return CallRecord{DescribeObject(obj), [kept, replay](HDC t) { SelectObject(t, replay); }};
    });
    HGDIOBJ old = nullptr;
    switch (obj->kind) {
    case GdiKind::Pen:
    case GdiKind::ExtPen:
        old = dc->st.pen;
        dc->st.pen = static_cast<HPEN>(obj);
        break;
    case GdiKind::Brush:
        old = dc->st.brush;
        dc->st.brush = static_cast<HBRUSH>(obj);
        break;
    case GdiKind::Font:
        old = dc->st.font;
        dc->st.font = static_cast<HFONT>(obj);
        break;
    case GdiKind::Bitmap:
        if (dc->kind != DCKind::Memory) return nullptr;
        if (static_cast<BitmapObject*>(obj)->selectedIn > 0 && dc->bitmap != obj) return nullptr;
        old = dc->bitmap;
        AttachBitmap(dc, static_cast<HBITMAP>(obj));
        break;
    default: return nullptr;
    }
    return old;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->st.pen;
    case OBJ_BRUSH: return dc->st.brush;
    case OBJ_FONT: return dc->st.font;
    case OBJ_BITMAP: return dc->bitmap;
    default: return nullptr;
    }
}

UINT GetObjectType(HGDIOBJ obj) {
    if (!LiveObject(obj)) return 0;
    switch (obj->kind) {
    case GdiKind::Pen: return OBJ_PEN;
    case GdiKind::ExtPen: return OBJ_EXTPEN;
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Bitmap: return OBJ_BITMAP;
    case GdiKind::Region: return OBJ_REGION;
    case GdiKind::Palette: return OBJ_PAL;
    }
    return 0;
}

template <class T>
static int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer) return int(sizeof(T));
    if (size < int(sizeof(T))) return 0;
    std::memcpy(buffer, &value, sizeof(T));
    return int(sizeof(T));
}

int GetObject(HGDIOBJ obj, int size, void* buffer) {
    if (!LiveObject(obj)) return 0;
    switch (obj->kind) {
    case GdiKind::Pen:
    case GdiKind::ExtPen: {
        auto* p = static_cast<PenObject*>(obj);
        if (p->geometric && size >= int(sizeof(EXTLOGPEN))) {
            EXTLOGPEN e;
            e.elpPenStyle = DWORD(p->style) | PS_GEOMETRIC | p->endCap | p->join;
            e.elpWidth = DWORD(p->width);
            e.elpColor = p->color;
            return CopyOut(e, size, buffer);
        }
        LOGPEN lp;
        lp.lopnStyle = UINT(p->style);
        lp.lopnWidth.x = p->width;
        lp.lopnColor = p->color;
        return CopyOut(lp, size, buffer);
    }
    case GdiKind::Brush: {
        auto* b = static_cast<BrushObject*>(obj);
        LOGBRUSH lb;
        lb.lbStyle = b->style;
        lb.lbColor = b->color;
        lb.lbHatch = b->style == BS_PATTERN ? reinterpret_cast<std::uintptr_t>(b->pattern) : std::uintptr_t(b->hatch);
        return CopyOut(lb, size, buffer);
    }
    case GdiKind::Font:
        // LOGFONT holds a string: assigned, never copied bytewise.
        if (!buffer) return int(sizeof(LOGFONT));
        if (size < int(sizeof(LOGFONT))) return 0;
        *static_cast<LOGFONT*>(buffer) = static_cast<FontObject*>(obj)->lf;
        return int(sizeof(LOGFONT));
    case GdiKind::Bitmap: {
        auto* b = static_cast<BitmapObject*>(obj);
        BITMAP bm;
        bm.bmWidth = b->width;
        bm.bmHeight = b->height;
        bm.bmWidthBytes = b->stride;
        bm.bmBitsPixel = WORD(b->bpp);
        bm.bmBits = b->Empty() ? nullptr : b->Bits(true);
        return CopyOut(bm, size, buffer);
    }
    default: return 0;
    }
}

std::shared_ptr<GdiObject> CloneObject(HGDIOBJ obj) {
    if (!LiveObject(obj)) return nullptr;
    switch (obj->kind) {
    case GdiKind::Pen:
    case GdiKind::ExtPen: return std::make_shared<PenObject>(*static_cast<PenObject*>(obj));
    case GdiKind::Brush: {
        auto* src = static_cast<BrushObject*>(obj);
        auto b = std::make_shared<BrushObject>();
        b->style = src->style;
        b->color = src->color;
        b->hatch = src->hatch;
        b->pattern = src->pattern ? CopyBitmap(src->pattern) : nullptr;
        return b;
    }
    case GdiKind::Font: return std::make_shared<FontObject>(*static_cast<FontObject*>(obj));
    case GdiKind::Bitmap: return std::shared_ptr<GdiObject>(CopyBitmap(static_cast<HBITMAP>(obj)));
    default: return nullptr;
    }
}

} // namespace tv::win
