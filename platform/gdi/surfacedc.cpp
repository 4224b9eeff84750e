#include "platform/gdi/surfacedc.h"

#include "platform/gdi/devicecontext.h"
#include "platform/region.h"

namespace tv::win {

HDC CreateSurfaceDC(cairo_surface_t* surface, int originX, int originY, HRGN deviceClip) {
    auto* dc = new DeviceContext(DCKind::Surface);
    dc->surface = surface;
    dc->cr = cairo_create(surface);
    dc->originX = originX;
    dc->originY = originY;
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE) {
        dc->width = cairo_image_surface_get_width(surface) - originX;
        dc->height = cairo_image_surface_get_height(surface) - originY;
    }
    if (deviceClip) {
        dc->deviceClip = std::make_shared<std::vector<RECT>>(RegionRects(deviceClip));
        RECT box = deviceClip->Box();
        dc->width = box.right - originX;
        dc->height = box.bottom - originY;
    }
    return dc;
}

void DeleteSurfaceDC(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (dc && dc->kind == DCKind::Surface) delete dc;
}

void SetDCWindow(HDC hdc, HWND wnd) {
    if (DeviceContext* dc = Dc(hdc)) dc->wnd = wnd;
}

HWND WindowFromDC(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    return dc ? dc->wnd : nullptr;
}

} // namespace tv::win
