#include "platform/gdi/dc.h"

#include <cmath>

#include "platform/gdi/devicecontext.h"
#include "platform/gdi/recorder.h"

namespace tv::win {

void SelectDefaultBitmap(DeviceContext* dc);
void ReleaseBitmap(DeviceContext* dc);
void DeletePrinterJob(DeviceContext* dc);

static int g_screenDpi = 96;
int ScreenPixelsPerInch() { return g_screenDpi; }
void SetScreenPixelsPerInch(int dpi) {
    if (dpi > 0) g_screenDpi = dpi;
}

HDC CreateCompatibleDC(HDC reference) {
    auto* dc = new DeviceContext(DCKind::Memory);
    if (DeviceContext* ref = Dc(reference)) {
        dc->dpiX = ref->dpiX;
        dc->dpiY = ref->dpiY;
    }
    SelectDefaultBitmap(dc);
    return dc;
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    if (dc->kind == DCKind::Memory) ReleaseBitmap(dc);
    if (dc->kind == DCKind::Printer) DeletePrinterJob(dc);
    if (dc->kind == DCKind::Recording && dc->surface) {
        cairo_surface_t* s = dc->surface;
        delete dc;
        cairo_surface_destroy(s);
        return TRUE;
    }
    delete dc;
    return TRUE;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return 0;
    CallScope scope(dc, "SaveDC", "", [](HDC t) { SaveDC(t); });
    dc->saved.push_back(dc->st);
    return int(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int level) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "RestoreDC", Args(level), [level](HDC t) { RestoreDC(t, level); });
    int count = int(dc->saved.size());
    int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count) return FALSE;
    dc->st = dc->saved[std::size_t(index)];
    dc->saved.resize(std::size_t(index));
    dc->clipDirty = true;
    return TRUE;
}

#define TV_SETTER(Name, Field, Type)                                                                                   \
    Type Name(HDC hdc, Type value) {                                                                                   \
        DeviceContext* dc = Dc(hdc);                                                                                   \
        if (!dc) return Type{};                                                                                        \
        CallScope scope(dc, #Name, [&] { return CallRecord{Args(value), [value](HDC t) { Name(t, value); }}; });       \
        Type old = dc->st.Field;                                                                                       \
        dc->st.Field = value;                                                                                          \
        return old;                                                                                                    \
    }

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return CLR_INVALID;
    CallScope scope(dc, "SetTextColor", [&] {
        return CallRecord{FormatColor(color), [color](HDC t) { SetTextColor(t, color); }};
    });
    COLORREF old = dc->st.textColor;
    dc->st.textColor = color & 0xFFFFFF;
    return old;
}
COLORREF GetTextColor(HDC dc) { return Dc(dc) ? Dc(dc)->st.textColor : CLR_INVALID; }

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return CLR_INVALID;
    CallScope scope(dc, "SetBkColor", [&] {
        return CallRecord{FormatColor(color), [color](HDC t) { SetBkColor(t, color); }};
    });
    COLORREF old = dc->st.bkColor;
    dc->st.bkColor = color & 0xFFFFFF;
    return old;
}
COLORREF GetBkColor(HDC dc) { return Dc(dc) ? Dc(dc)->st.bkColor : CLR_INVALID; }

TV_SETTER(SetBkMode, bkMode, int)
int GetBkMode(HDC dc) { return Dc(dc) ? Dc(dc)->st.bkMode : 0; }
TV_SETTER(SetROP2, rop2, int)
int GetROP2(HDC dc) { return Dc(dc) ? Dc(dc)->st.rop2 : 0; }
TV_SETTER(SetPolyFillMode, polyFillMode, int)
int GetPolyFillMode(HDC dc) { return Dc(dc) ? Dc(dc)->st.polyFillMode : 0; }
TV_SETTER(SetStretchBltMode, stretchMode, int)
int GetStretchBltMode(HDC dc) { return Dc(dc) ? Dc(dc)->st.stretchMode : 0; }

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* old) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, "SetBrushOrgEx", Args(x, y), [x, y](HDC t) { SetBrushOrgEx(t, x, y, nullptr); });
    if (old) *old = dc->st.brushOrg;
    dc->st.brushOrg = {x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* pt) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !pt) return FALSE;
    *pt = dc->st.pos;
    return TRUE;
}

COLORREF GetNearestColor(HDC, COLORREF color) { return color & 0xFFFFFF; }

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return 0;
    auto mm = [](int px, int dpi) { return int(std::lround(px * 25.4 / dpi)); };
    bool printer = dc->kind == DCKind::Printer || dc->technology == DT_RASPRINTER;
    switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return dc->technology;
    case HORZSIZE: return mm(dc->width, dc->dpiX);
    case VERTSIZE: return mm(dc->height, dc->dpiY);
    case HORZRES: return dc->width;
    case VERTRES: return dc->height;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case NUMBRUSHES:
    case NUMPENS: return -1;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case LOGPIXELSX: return dc->dpiX;
    case LOGPIXELSY: return dc->dpiY;
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case PHYSICALWIDTH: return printer ? dc->physWidth : 0;
    case PHYSICALHEIGHT: return printer ? dc->physHeight : 0;
    case PHYSICALOFFSETX: return printer ? dc->offsetX : 0;
    case PHYSICALOFFSETY: return printer ? dc->offsetY : 0;
    default: return 0;
    }
}

} // namespace tv::win
