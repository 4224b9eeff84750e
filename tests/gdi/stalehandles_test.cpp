// Handles to device contexts and drawing objects that no longer exist (or
// never did) are refused with a failure result, the way window handles are.
#include <gtest/gtest.h>

#include "gdi/canvas.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/surfacedc.h"
#include "platform/gdi/text.h"
#include "platform/region.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

const RECT kBox{2, 2, 10, 10};

// Every call a caller could make with a device context that is gone.
void ExpectRefusedDc(HDC dc, HDC live) {
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_EQ(GetBkMode(dc), 0);
    EXPECT_EQ(SaveDC(dc), 0);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), nullptr);
    EXPECT_FALSE(FillRect(dc, &kBox, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_FALSE(MoveToEx(dc, 1, 1, nullptr));
    EXPECT_FALSE(TextOut(dc, 0, 0, "x"));
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 5, 5), ERROR);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 4, 4, live, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(live, 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(WindowFromDC(dc), nullptr);
    EXPECT_FALSE(DeleteDC(dc));
}

} // namespace

TEST(StaleHandles, ReleasedDeletedAndForeignDeviceContextsFailWithoutTouchingMemory) {
    Canvas target(16, 16);

    HDC memory = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(memory));
    ExpectRefusedDc(memory, target.dc());

    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(ReleaseDC(nullptr, screen), 1);
    ExpectRefusedDc(screen, target.dc());
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);

    long notADc = 0;
    ExpectRefusedDc(reinterpret_cast<HDC>(&notADc), target.dc());

    // The live one was never disturbed.
    EXPECT_EQ(target.Count(RGB(255, 255, 255)), 16 * 16);
    EXPECT_TRUE(FillRect(target.dc(), &kBox, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(target.Pixel(3, 3), RGB(0, 0, 0));
}

TEST(StaleHandles, DeletedPensBrushesBitmapsAndRegionsFailAndLeaveTheSelectionAlone) {
    Canvas c(16, 16);
    HGDIOBJ stockPen = GetCurrentObject(c.dc(), OBJ_PEN);

    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HBITMAP bitmap = CreateCompatibleBitmap(c.dc(), 4, 4);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    for (HGDIOBJ o : {HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(bitmap), HGDIOBJ(region)}) ASSERT_TRUE(DeleteObject(o));

    long notAnObject = 0;
    auto* foreign = reinterpret_cast<HGDIOBJ>(&notAnObject);
    for (HGDIOBJ o : {HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(bitmap), HGDIOBJ(region), foreign}) {
        EXPECT_FALSE(DeleteObject(o));
        EXPECT_EQ(SelectObject(c.dc(), o), nullptr);
        EXPECT_EQ(GetObjectType(o), 0u);
        EXPECT_EQ(GetObject(o, 0, nullptr), 0);
    }
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), stockPen);

    EXPECT_FALSE(FillRect(c.dc(), &kBox, brush));
    EXPECT_FALSE(FrameRect(c.dc(), &kBox, brush));
    EXPECT_FALSE(FillRect(c.dc(), &kBox, reinterpret_cast<HBRUSH>(foreign)));
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 16 * 16);
    EXPECT_EQ(CreatePatternBrush(bitmap), nullptr);
    EXPECT_EQ(BitmapWidth(bitmap), 0);

    HRGN live = CreateRectRgn(0, 0, 8, 8);
    EXPECT_EQ(CombineRgn(live, live, region, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(region, live, nullptr, RGN_COPY), ERROR);
    EXPECT_EQ(SelectClipRgn(c.dc(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 1, 1));
    EXPECT_TRUE(RegionRects(region).empty());
    DeleteObject(live);

    // A system colour brush is a number, not an object, and still paints.
    EXPECT_TRUE(FillRect(c.dc(), &kBox, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOWTEXT + 1))));
    EXPECT_EQ(c.Pixel(3, 3), GetSysColor(COLOR_WINDOWTEXT));
}
