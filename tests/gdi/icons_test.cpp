// Icon resources and image lists.
#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "gdi/canvas.h"
#include "platform/gdi/shapes.h"
#include "platform/picture/icon.h"
#include "platform/picture/imagelist.h"
#include "platform/window/cursor.h"
#include "platform/window/sysmetrics.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

IconImage Solid(int size, std::uint32_t argb, int hot = 0) {
    IconImage img;
    img.width = img.height = size;
    img.hotX = img.hotY = hot;
    img.argb.assign(std::size_t(size) * size, argb);
    img.argb[0] = 0; // one transparent corner
    return img;
}

} // namespace

TEST(Icons, ResourceRoundTripAndNearestSize) {
    std::vector<BYTE> res = WriteIconResource({Solid(16, 0xFFFF0000), Solid(32, 0xFF0000FF, 5)});
    std::vector<IconImage> back = ReadIconResource(res.data(), res.size());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].hotX, 5);
    EXPECT_EQ(back[1].argb[1], 0xFF0000FFu);

    HICON big = LoadIconResource(res.data(), res.size(), 30, "test");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->width, 32);
    Canvas c(40, 40);
    ASSERT_TRUE(DrawIconEx(c.dc(), 4, 4, big, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.Pixel(4, 4), RGB(255, 255, 255)) << "the transparent corner";
    EXPECT_EQ(c.Pixel(5, 4), RGB(0, 0, 255));
    EXPECT_EQ(c.Pixel(35, 35), RGB(0, 0, 255));
    EXPECT_EQ(c.Pixel(36, 36), RGB(255, 255, 255));
    DestroyCursor(big);

    std::vector<BYTE> cut(res.begin(), res.begin() + long(res.size() - 10));
    EXPECT_THROW(ReadIconResource(cut.data(), cut.size()), tv::EInvalidGraphic);
    std::vector<BYTE> junk = {'T', 'V', 'I', 'C', 1, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_THROW(ReadIconResource(junk.data(), junk.size()), tv::EInvalidGraphic);
}

TEST(ImageLists, DrawStatesWithMasksAndBlends) {
    const COLORREF magenta = RGB(255, 0, 255), red = RGB(255, 0, 0), bg = RGB(0, 255, 0);
    // Two 4 x 4 images side by side; the left column of each is transparent.
    Canvas strip(8, 4, red);
    for (int y = 0; y < 4; ++y) {
        SetPixel(strip.dc(), 0, y, magenta);
        SetPixel(strip.dc(), 4, y, magenta);
    }
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
    ASSERT_EQ(ImageList_AddMasked(list, strip.bitmap(), magenta), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    Canvas normal(6, 6, bg);
    ASSERT_TRUE(ImageList_Draw(list, 1, normal.dc(), 1, 1, ILD_NORMAL));
    EXPECT_EQ(normal.Pixel(1, 1), bg) << "CLR_NONE background: transparent";
    EXPECT_EQ(normal.Pixel(2, 1), red);

    ImageList_SetBkColor(list, RGB(0, 0, 255));
    Canvas withBk(6, 6, bg);
    ImageList_Draw(list, 0, withBk.dc(), 1, 1, ILD_NORMAL);
    EXPECT_EQ(withBk.Pixel(1, 1), RGB(0, 0, 255));
    Canvas transparent(6, 6, bg);
    ImageList_Draw(list, 0, transparent.dc(), 1, 1, ILD_TRANSPARENT);
    EXPECT_EQ(transparent.Pixel(1, 1), bg);

    Canvas mask(6, 6, bg);
    ImageList_Draw(list, 0, mask.dc(), 1, 1, ILD_MASK);
    EXPECT_EQ(mask.Pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(mask.Pixel(2, 2), RGB(0, 0, 0));

    Canvas selected(6, 6, bg);
    ImageList_DrawEx(list, 0, selected.dc(), 1, 1, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_SELECTED);
    COLORREF hl = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF mixed = selected.Pixel(2, 2);
    EXPECT_NEAR(GetRValue(mixed), (255 + GetRValue(hl)) / 2, 2);
    EXPECT_NEAR(GetBValue(mixed), GetBValue(hl) / 2, 2);
    EXPECT_EQ(selected.Pixel(1, 1), bg);

    Canvas ghost(6, 6, bg);
    ImageList_DrawEx(list, 0, ghost.dc(), 1, 1, 0, 0, CLR_NONE, CLR_NONE, ILD_BLEND50);
    EXPECT_NEAR(GetRValue(ghost.Pixel(2, 2)), 128, 2);
    EXPECT_NEAR(GetGValue(ghost.Pixel(2, 2)), 127, 2);

    EXPECT_FALSE(ImageList_Draw(list, 2, normal.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    ImageList_Destroy(list);
}
