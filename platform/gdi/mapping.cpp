#include "platform/gdi/mapping.h"

#include <cmath>
#include <cstdlib>

#include "platform/gdi/devicecontext.h"
#include "platform/gdi/recorder.h"

namespace tv::win {

// Shrinks the larger viewport scale so both axes map alike, keeping signs.
static void FixIsotropic(DeviceContext* dc) {
    DCState& s = dc->st;
    if (s.mapMode != MM_ISOTROPIC) return;
    double sx = std::abs(s.viewportExt.cx / double(s.windowExt.cx));
    double sy = std::abs(s.viewportExt.cy / double(s.windowExt.cy));
    if (sx < sy) {
        LONG v = LONG(std::lround(std::abs(double(s.windowExt.cy)) * sx));
        s.viewportExt.cy = (s.viewportExt.cy < 0 ? -1 : 1) * (v == 0 ? 1 : v);
    } else if (sy < sx) {
        LONG v = LONG(std::lround(std::abs(double(s.windowExt.cx)) * sy));
        s.viewportExt.cx = (s.viewportExt.cx < 0 ? -1 : 1) * (v == 0 ? 1 : v);
    }
}

int SetMapMode(HDC hdc, int mode) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    CallScope scope(dc, "SetMapMode", Args(mode), [mode](HDC t) { SetMapMode(t, mode); });
    DCState& s = dc->st;
    int old = s.mapMode;
    s.mapMode = mode;
    // Fixed modes: window units per inch against device pixels per inch, y up.
    auto fixed = [&](int unitsPerInch) {
        s.windowExt = {unitsPerInch, unitsPerInch};
        s.viewportExt = {dc->dpiX, -dc->dpiY};
    };
    switch (mode) {
    case MM_TEXT: s.windowExt = s.viewportExt = {1, 1}; break;
    case MM_LOMETRIC: fixed(254); break;
    case MM_HIMETRIC: fixed(2540); break;
    case MM_LOENGLISH: fixed(100); break;
    case MM_HIENGLISH: fixed(1000); break;
    case MM_TWIPS: fixed(1440); break;
    case MM_ISOTROPIC:
        if (old != MM_ANISOTROPIC) s.windowExt = s.viewportExt = {1, 1};
        FixIsotropic(dc);
        break;
    case MM_ANISOTROPIC:
        if (old == MM_TEXT) s.windowExt = s.viewportExt = {1, 1};
        break;
    }
    return old;
}

int GetMapMode(HDC dc) { return Dc(dc) ? Dc(dc)->st.mapMode : 0; }

static BOOL SetPoint(HDC hdc, const char* name, POINT DCState::*field, int x, int y, POINT* old, bool offset,
                     BOOL (*self)(HDC, int, int, POINT*)) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, name, Args(x, y), [self, x, y](HDC t) { self(t, x, y, nullptr); });
    POINT& p = dc->st.*field;
    if (old) *old = p;
    if (offset) {
        p.x += x;
        p.y += y;
    } else {
        p = {x, y};
    }
    return TRUE;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* old) {
    return SetPoint(dc, "SetWindowOrgEx", &DCState::windowOrg, x, y, old, false, SetWindowOrgEx);
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
    return SetPoint(dc, "SetViewportOrgEx", &DCState::viewportOrg, x, y, old, false, SetViewportOrgEx);
}
BOOL OffsetWindowOrgEx(HDC dc, int x, int y, POINT* old) {
    return SetPoint(dc, "OffsetWindowOrgEx", &DCState::windowOrg, x, y, old, true, OffsetWindowOrgEx);
}
BOOL OffsetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
    return SetPoint(dc, "OffsetViewportOrgEx", &DCState::viewportOrg, x, y, old, true, OffsetViewportOrgEx);
}
BOOL GetWindowOrgEx(HDC dc, POINT* pt) {
    if (!Dc(dc) || !pt) return FALSE;
    *pt = Dc(dc)->st.windowOrg;
    return TRUE;
}
BOOL GetViewportOrgEx(HDC dc, POINT* pt) {
    if (!Dc(dc) || !pt) return FALSE;
    *pt = Dc(dc)->st.viewportOrg;
    return TRUE;
}

static BOOL SetExt(HDC hdc, const char* name, SIZE DCState::*field, int cx, int cy, SIZE* old,
                   BOOL (*self)(HDC, int, int, SIZE*)) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return FALSE;
    CallScope scope(dc, name, Args(cx, cy), [self, cx, cy](HDC t) { self(t, cx, cy, nullptr); });
    SIZE& s = dc->st.*field;
    if (old) *old = s;
    int mode = dc->st.mapMode;
    if (mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return TRUE;
    if (cx == 0 || cy == 0) return FALSE;
    s = {cx, cy};
    FixIsotropic(dc);
    return TRUE;
}

BOOL SetWindowExtEx(HDC dc, int cx, int cy, SIZE* old) {
    return SetExt(dc, "SetWindowExtEx", &DCState::windowExt, cx, cy, old, SetWindowExtEx);
}
BOOL SetViewportExtEx(HDC dc, int cx, int cy, SIZE* old) {
    return SetExt(dc, "SetViewportExtEx", &DCState::viewportExt, cx, cy, old, SetViewportExtEx);
}
BOOL GetWindowExtEx(HDC dc, SIZE* size) {
    if (!Dc(dc) || !size) return FALSE;
    *size = Dc(dc)->st.windowExt;
    return TRUE;
}
BOOL GetViewportExtEx(HDC dc, SIZE* size) {
    if (!Dc(dc) || !size) return FALSE;
    *size = Dc(dc)->st.viewportExt;
    return TRUE;
}

BOOL LPtoDP(HDC hdc, POINT* pts, int count) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || (!pts && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i) {
        double x = pts[i].x, y = pts[i].y;
        LogicalToDevice(dc, x, y);
        pts[i] = {LONG(std::lround(x)), LONG(std::lround(y))};
    }
    return TRUE;
}

BOOL DPtoLP(HDC hdc, POINT* pts, int count) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || (!pts && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i) {
        double x = pts[i].x, y = pts[i].y;
        DeviceToLogical(dc, x, y);
        pts[i] = {LONG(std::lround(x)), LONG(std::lround(y))};
    }
    return TRUE;
}

} // namespace tv::win
