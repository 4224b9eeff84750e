#pragma once
// The device context behind HDC: its target, its state and the stack of saved
// states. Shared by the files of the drawing layer only.
#include <cairo.h>

#include <functional>
#include <memory>
#include <unordered_set>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct PrinterJob;
struct Recorder;

enum class DCKind { Surface, Memory, Printer, Metafile, Recording };

// An axis-aligned affine map: what PlayEnhMetaFile puts after the mapping mode.
struct Scale2D {
    double sx = 1, sy = 1, tx = 0, ty = 0;
    bool Identity() const { return sx == 1 && sy == 1 && tx == 0 && ty == 0; }
};

struct DCState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2; // OPAQUE
    int rop2 = 13;  // R2_COPYPEN
    int polyFillMode = 1;
    int stretchMode = 1;
    UINT textAlign = 0;
    POINT pos;
    POINT brushOrg;
    int mapMode = 1; // MM_TEXT
    POINT windowOrg, viewportOrg;
    SIZE windowExt{1, 1}, viewportExt{1, 1};
    Scale2D world;
    std::shared_ptr<std::vector<RECT>> clip; // device coordinates; null: no clip region
};

struct DeviceContext {
    explicit DeviceContext(DCKind k);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    DCKind kind;
    DCState st;
    std::vector<DCState> saved;

    // Target. Surface DCs borrow it; memory DCs take it from the selected bitmap.
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    double deviceScale = 1; // printer: points per device pixel
    int originX = 0, originY = 0;
    std::shared_ptr<std::vector<RECT>> deviceClip; // surface pixels; null: whole surface
    HBITMAP bitmap = nullptr;                       // memory DCs
    HWND wnd = nullptr;

    // What GetDeviceCaps tells.
    int dpiX = 96, dpiY = 96;
    int width = 0, height = 0;         // drawable area in device pixels
    int physWidth = 0, physHeight = 0; // paper, printers only
    int offsetX = 0, offsetY = 0;      // unprintable margin, printers only
    int technology = 1;                // DT_RASDISPLAY

    std::unique_ptr<Recorder> recorder;
    int callDepth = 0;
    PrinterJob* job = nullptr;
    std::vector<std::shared_ptr<GdiObject>> keep; // objects owned while playing a metafile

    bool clipDirty = true;
};

// Every device context in existence, so a deleted object can be taken out of them.
std::unordered_set<DeviceContext*>& LiveDeviceContexts();

// Checks a handle; raises nothing, returns null for a released, deleted or
// foreign one.
DeviceContext* Dc(HDC dc);

// The Cairo context ready for drawing in device pixels (origin and clip
// applied), or null when the device context has nothing to draw on.
cairo_t* BeginDraw(DeviceContext* dc);

// Logical to device coordinates (double precision, before rounding).
void LogicalToDevice(const DeviceContext* dc, double& x, double& y);
void DeviceToLogical(const DeviceContext* dc, double& x, double& y);
// Device pixels per logical unit along each axis (signed).
double ScaleX(const DeviceContext* dc);
double ScaleY(const DeviceContext* dc);
// A logical rectangle as a normalised device rectangle.
RECT RectToDevice(const DeviceContext* dc, const RECT& r);

// Drawing on a device context's pixels under a raster mode: `paint` builds
// and fills a shape on the Cairo context it is given; with a copying mode it
// paints straight on the target in `color`, otherwise it paints a mask and the
// mode is applied to the covered pixels.
void PaintWithRop(DeviceContext* dc, int rop2, COLORREF color, const std::function<void(cairo_t*)>& paint);

// The clip in effect, in surface pixels (device clip and clip region); null
// for none. Used by pixel loops.
std::shared_ptr<std::vector<RECT>> EffectiveClip(DeviceContext* dc);

void SetSourceColor(cairo_t* cr, COLORREF c);

} // namespace tv::win
