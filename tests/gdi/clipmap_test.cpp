// Clip regions, saved states and mapping modes.
#include <gtest/gtest.h>

#include "gdi/canvas.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"

using namespace tv::win;
using gditest::Canvas;

namespace {
const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

void FillAll(HDC dc, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    RECT r{-1000, -1000, 1000, 1000};
    FillRect(dc, &r, b);
    DeleteObject(b);
}
} // namespace

TEST(Clipping, CombinedClipsAreRestoredByRestoreDC) {
    Canvas c(40, 40);
    EXPECT_EQ(IntersectClipRect(c.dc(), 10, 10, 30, 30), SIMPLEREGION);
    int saved = SaveDC(c.dc());
    EXPECT_EQ(ExcludeClipRect(c.dc(), 15, 15, 20, 20), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(GetClipBox(c.dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 30);
    RECT hole{16, 16, 19, 19}, ring{10, 10, 12, 12};
    EXPECT_FALSE(RectVisible(c.dc(), &hole));
    EXPECT_TRUE(RectVisible(c.dc(), &ring));
    FillAll(c.dc(), kRed);
    EXPECT_EQ(c.Count(kRed), 20 * 20 - 5 * 5);
    EXPECT_EQ(c.Pixel(17, 17), kWhite);

    ASSERT_TRUE(RestoreDC(c.dc(), saved));
    FillAll(c.dc(), kBlue);
    EXPECT_EQ(c.Count(kBlue), 20 * 20) << "the hole is gone, the intersection stays";
    EXPECT_EQ(c.Pixel(9, 9), kWhite);
    EXPECT_FALSE(RestoreDC(c.dc(), saved)) << "that state was used up";

    SelectClipRgn(c.dc(), nullptr);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c.dc(), probe), 0);
    FillAll(c.dc(), kRed);
    EXPECT_EQ(c.Count(kRed), 40 * 40);
    DeleteObject(probe);
}

TEST(Clipping, ExtSelectClipRgnCombinesInEveryMode) {
    struct Case {
        int mode;
        int count;
    };
    // Current clip: 0..20 x 0..10 (200 px); region: 10..30 x 0..10 (200 px), overlap 100.
    for (Case k : {Case{RGN_AND, 100}, Case{RGN_OR, 300}, Case{RGN_XOR, 200}, Case{RGN_DIFF, 100},
                   Case{RGN_COPY, 200}}) {
        Canvas c(40, 10);
        IntersectClipRect(c.dc(), 0, 0, 20, 10);
        HRGN rgn = CreateRectRgn(10, 0, 30, 10);
        ExtSelectClipRgn(c.dc(), rgn, k.mode);
        DeleteObject(rgn); // the device context keeps its own copy
        FillAll(c.dc(), kRed);
        EXPECT_EQ(c.Count(kRed), k.count) << k.mode;
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(c.dc(), copy), 1);
        EXPECT_EQ(PtInRegion(copy, 15, 5), k.mode == RGN_AND || k.mode == RGN_OR || k.mode == RGN_COPY);
        DeleteObject(copy);
    }
}

TEST(Clipping, ClipRegionsAreInDeviceCoordinatesAndRectanglesInLogical) {
    Canvas c(40, 40);
    SetViewportOrgEx(c.dc(), 10, 10, nullptr);
    IntersectClipRect(c.dc(), 0, 0, 5, 5); // device 10..15
    RECT box;
    GetClipBox(c.dc(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 5);
    FillAll(c.dc(), kRed);
    EXPECT_EQ(c.Count(kRed, RECT{10, 10, 15, 15}), 25);
    EXPECT_EQ(c.Count(kRed), 25);
}

TEST(Mapping, AnisotropicMappingMirroredInX) {
    Canvas c(100, 50);
    EXPECT_EQ(SetMapMode(c.dc(), MM_ANISOTROPIC), MM_TEXT);
    SetWindowExtEx(c.dc(), 100, 50, nullptr);
    SetViewportExtEx(c.dc(), -100, 50, nullptr);
    SetViewportOrgEx(c.dc(), 100, 0, nullptr);
    POINT p[2] = {{10, 5}, {30, 20}};
    LPtoDP(c.dc(), p, 2);
    EXPECT_EQ(p[0].x, 90);
    EXPECT_EQ(p[1].x, 70);
    EXPECT_EQ(p[1].y, 20);
    DPtoLP(c.dc(), p, 2);
    EXPECT_EQ(p[0].x, 10);
    EXPECT_EQ(p[1].x, 30);

    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{10, 5, 30, 20};
    FillRect(c.dc(), &r, red);
    EXPECT_EQ(c.Count(kRed), 20 * 15);
    EXPECT_EQ(c.Pixel(75, 10), kRed);
    EXPECT_EQ(c.Pixel(15, 10), kWhite);
    DeleteObject(red);

    // A line from left to right runs from right to left on the device.
    MoveToEx(c.dc(), 0, 30, nullptr);
    LineTo(c.dc(), 40, 30);
    EXPECT_EQ(c.Pixel(99, 30), RGB(0, 0, 0));
    EXPECT_EQ(c.Pixel(65, 30), RGB(0, 0, 0));
    EXPECT_EQ(c.Pixel(30, 30), kWhite);

    // Text is still readable: drawn left to right inside the mirrored rectangle.
    SetBkMode(c.dc(), TRANSPARENT);
    RECT t{0, 35, 50, 50};
    DrawText(c.dc(), "Hola", &t, DT_LEFT | DT_SINGLELINE);
    EXPECT_LT(c.Count(kWhite, RECT{50, 35, 100, 50}), 50 * 15);
    EXPECT_EQ(c.Count(kWhite, RECT{0, 35, 50, 50}), 50 * 15);
}

TEST(Mapping, ScaledModesScalePensFontsAndExtents) {
    Canvas c(100, 100);
    SetMapMode(c.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(c.dc(), 10, 10, nullptr);
    SetViewportExtEx(c.dc(), 20, 20, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(c.dc(), pen);
    MoveToEx(c.dc(), 0, 10, nullptr);
    LineTo(c.dc(), 40, 10);
    int thick = 0;
    for (int y = 15; y < 26; ++y) thick += c.Pixel(40, y) == RGB(0, 0, 0);
    EXPECT_EQ(thick, 4) << "a 2-unit pen is 4 pixels at twice the scale";
    SelectObject(c.dc(), old);
    DeleteObject(pen);

    Canvas plain(10, 10);
    HFONT f = CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(plain.dc(), f);
    SelectObject(c.dc(), f);
    SIZE a, b;
    GetTextExtentPoint32(plain.dc(), "Inventario", &a);
    GetTextExtentPoint32(c.dc(), "Inventario", &b);
    EXPECT_NEAR(b.cx, a.cx, 1) << "extents come back in logical units";
    SelectObject(plain.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(c.dc(), GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(f);

    EXPECT_FALSE(SetWindowExtEx(c.dc(), 0, 5, nullptr));
    EXPECT_EQ(SetMapMode(c.dc(), 99), 0);
}

TEST(Mapping, IsotropicKeepsTheAspect) {
    Canvas c(10, 10);
    SetMapMode(c.dc(), MM_ISOTROPIC);
    SetWindowExtEx(c.dc(), 100, 100, nullptr);
    SetViewportExtEx(c.dc(), 400, 200, nullptr);
    SIZE v;
    GetViewportExtEx(c.dc(), &v);
    EXPECT_EQ(v.cx, 200);
    EXPECT_EQ(v.cy, 200);
    EXPECT_EQ(GetDeviceCaps(c.dc(), LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(c.dc(), HORZRES), 10);
    EXPECT_EQ(GetDeviceCaps(c.dc(), PHYSICALOFFSETX), 0);
}

#include "platform/gdi/surfacedc.h"

TEST(SurfaceDC, DrawsAtItsOriginInsideTheDeviceClip) {
    cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 60, 40);
    HRGN visible = CreateRectRgn(10, 5, 40, 25);
    HDC dc = CreateSurfaceDC(screen, 10, 5, visible);
    DeleteObject(visible); // copied
    HWND wnd = reinterpret_cast<HWND>(0x1234);
    SetDCWindow(dc, wnd);
    EXPECT_EQ(WindowFromDC(dc), wnd);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
    RECT outside{31, 0, 40, 10};
    EXPECT_FALSE(RectVisible(dc, &outside));
    FillAll(dc, kRed);
    // A clip region of the caller narrows it further, in its own coordinates.
    IntersectClipRect(dc, 0, 0, 5, 5);
    FillAll(dc, kBlue);
    cairo_surface_flush(screen);
    auto px = [&](int x, int y) {
        return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(screen) +
                                                       y * cairo_image_surface_get_stride(screen))[x] &
               0xFFFFFF;
    };
    EXPECT_EQ(px(9, 5), 0u);
    EXPECT_EQ(px(10, 5), 0x0000FFu) << "blue in the caller's clip";
    EXPECT_EQ(px(15, 10), 0xFF0000u);
    EXPECT_EQ(px(39, 24), 0xFF0000u);
    EXPECT_EQ(px(40, 24), 0u);
    EXPECT_EQ(px(39, 25), 0u);
    DeleteSurfaceDC(dc);
    cairo_surface_destroy(screen);
}
