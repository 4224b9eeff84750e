// Default button sizes, check-box placement and double-click detection.
#include <gtest/gtest.h>

#include "editors/buttonsizes.h"
#include "platform/window/input.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST(ButtonSizes, FlatWidthIsOddAndNeverWiderThanAScrollBar) {
    int w = FlatButtonDefaultWidth();
    EXPECT_GT(w, 0);
    EXPECT_LE(w, GetSystemMetrics(SM_CXVSCROLL));
    if (w < GetSystemMetrics(SM_CXVSCROLL)) {
        EXPECT_EQ(w % 2, 1);
    }
    EXPECT_EQ(w, CalcFlatButtonDefaultWidth());
}

TEST(ButtonSizes, DefaultHeightRoundsHalvesToEven) {
    struct Case { int width; bool flat; int height; } cases[] = {
        {10, true, 15}, {11, true, 16}, {13, true, 20}, {15, true, 22}, {1, true, 2}, {3, true, 4},
        {0, true, 0},   {13, false, 13}, {16, false, 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditButtonDefaultHeight(c.width, c.flat), c.height) << c.width << " flat " << c.flat;
}

TEST(ButtonSizes, FaceKindOfEveryStyle) {
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsDropDownEh), 0);
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsEllipsisEh), 1);
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsGlyphEh), -1);
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsUpDownEh), 2);
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsPlusEh), 4);
    EXPECT_EQ(ButtonFaceKindOfStyle(ebsMinusEh), 5);
}

TEST(ButtonSizes, CheckBoxRectPlacedInTheCell) {
    int gw = DefaultCheckBoxWidth(), gh = DefaultCheckBoxHeight();
    ASSERT_GT(gw, 0);
    RECT cell{10, 20, 110, 60};
    RECT r = CalcCheckBoxRect(cell, taCenter, clCenterEh);
    EXPECT_EQ(r.left, 10 + 50 - gw / 2);
    EXPECT_EQ(r.top, 20 + 20 - gh / 2);
    EXPECT_EQ(r.Width(), gw);
    EXPECT_EQ(r.Height(), gh);
    r = CalcCheckBoxRect(cell, taRightJustify, clBottomEh);
    EXPECT_EQ(r.right, 110);
    EXPECT_EQ(r.bottom, 60);
    r = CalcCheckBoxRect(cell, taLeftJustify, clTopEh);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    // A cell smaller than the glyph gives the whole cell.
    RECT small{5, 5, 5 + gw - 3, 5 + gh - 4};
    r = CalcCheckBoxRect(small, taCenter, clCenterEh);
    EXPECT_EQ(r.left, small.left);
    EXPECT_EQ(r.top, small.top);
    EXPECT_EQ(r.right, small.right);
    EXPECT_EQ(r.bottom, small.bottom);
}

TEST(ButtonSizes, DoubleClickNeedsNearnessInPlaceAndTime) {
    int dx = GetSystemMetrics(SM_CXDOUBLECLK), dy = GetSystemMetrics(SM_CYDOUBLECLK);
    long t = long(GetDoubleClickTime());
    POINT a{100, 100};
    EXPECT_TRUE(DetectDoubleClick(a, POINT{100 + dx, 100 - dy}, t));
    EXPECT_FALSE(DetectDoubleClick(a, POINT{100 + dx + 1, 100}, 10));
    EXPECT_FALSE(DetectDoubleClick(a, POINT{100, 100 + dy + 1}, 10));
    EXPECT_FALSE(DetectDoubleClick(a, a, t + 1));
}

} // namespace
} // namespace tvtest
