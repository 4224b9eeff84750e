// Button faces painted through the cache of bitmaps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "editors/buttonfaces.h"
#include "editorfixture.h"
#include "framework/ui/picture.h"
#include "platform/gdi/gdi.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

constexpr COLORREF kBack = RGB(10, 200, 30);
constexpr TColor kParent = TColor(RGB(1, 2, 250));

class ButtonFaces : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        ResetButtonBitmapCache();
        target = std::make_unique<TBitmap>();
        target->SetSize(60, 60);
        dc = target->Canvas()->Handle();
        RECT all{0, 0, 60, 60};
        HBRUSH b = CreateSolidBrush(kBack);
        FillRect(dc, &all, b);
        DeleteObject(b);
    }
    void TearDown() override {
        target.reset();
        EditorTest::TearDown();
    }
    COLORREF Px(int x, int y) { return PixelAt(dc, x, y); }
    std::unique_ptr<TBitmap> target;
    HDC dc = nullptr;
};

TEST_F(ButtonFaces, AnUnknownKindPaintsNothingButIsCached) {
    int before = ButtonsBitmapCache()->Count();
    DrawEditButtonFace(dc, RECT{0, 0, 16, 20}, kParent, cbUnchecked, true, false, false, 0, 7);
    EXPECT_EQ(ButtonsBitmapCache()->Count(), before + 1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(Px(x, y), kBack) << x << "," << y;
}

TEST_F(ButtonFaces, EqualKeysShareOneBitmapUntilTheCacheIsReset) {
    TButtonBitmapKeyEh k;
    k.width = 16;
    k.height = 20;
    k.kind = bfkEllipsisEh;
    TBitmap* a = ButtonsBitmapCache()->GetButtonBitmap(k);
    EXPECT_EQ(ButtonsBitmapCache()->GetButtonBitmap(k), a);
    k.pressed = true;
    EXPECT_NE(ButtonsBitmapCache()->GetButtonBitmap(k), a);
    EXPECT_EQ(ButtonsBitmapCache()->Count(), 2);
    k.width = -5;
    EXPECT_EQ(ButtonsBitmapCache()->GetButtonBitmap(k)->Width(), 0);
    ResetButtonBitmapCache();
    EXPECT_EQ(ButtonsBitmapCache()->Count(), 0);
    // Painting the same button twice paints it once.
    DrawEditButtonFace(dc, RECT{0, 0, 16, 20}, kParent, cbUnchecked, true, false, false, 0, bfkDropDownEh);
    DrawEditButtonFace(dc, RECT{20, 0, 36, 20}, kParent, cbUnchecked, true, false, false, 0, bfkDropDownEh);
    EXPECT_EQ(ButtonsBitmapCache()->Count(), 1);
}

TEST_F(ButtonFaces, AnUpDownPairOfOddHeightLeavesItsMiddleRowInTheParentColour) {
    DrawEditButtonFace(dc, RECT{0, 0, 16, 21}, kParent, cbUnchecked, true, false, false, 2, bfkUpDownEh);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(Px(x, 10), COLORREF(kParent)) << x;
    EXPECT_NE(Px(8, 9), COLORREF(kParent));
    EXPECT_NE(Px(8, 11), COLORREF(kParent));
}

TEST_F(ButtonFaces, FlatButtonsShowAThinEdgeOnlyWhenActive) {
    // Inactive: a frame in the parent colour and the face without a 3-D border.
    DrawEditButtonFace(dc, RECT{0, 0, 16, 20}, kParent, cbUnchecked, true, false, true, 0, bfkEllipsisEh);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(Px(x, 0), COLORREF(kParent));
        EXPECT_EQ(Px(x, 19), COLORREF(kParent));
    }
    EXPECT_EQ(Px(1, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Px(14, 18), GetSysColor(COLOR_BTNFACE));

    // Active: a one-pixel raised edge, sunken when pressed.
    auto edgeCorners = [](UINT edge) {
        TBitmap b;
        b.SetSize(16, 20);
        RECT r{0, 0, 16, 20};
        DrawEdge(b.Canvas()->Handle(), &r, edge, BF_RECT);
        return std::pair{PixelAt(b.Canvas()->Handle(), 0, 0), PixelAt(b.Canvas()->Handle(), 15, 19)};
    };
    DrawEditButtonFace(dc, RECT{20, 0, 36, 20}, kParent, cbUnchecked, true, true, true, 0, bfkEllipsisEh);
    auto raised = edgeCorners(BDR_RAISEDINNER);
    EXPECT_EQ(Px(20, 0), raised.first);
    EXPECT_EQ(Px(35, 19), raised.second);
    EXPECT_EQ(Px(21, 1), GetSysColor(COLOR_BTNFACE));
    DrawEditButtonFace(dc, RECT{40, 0, 56, 20}, kParent, cbUnchecked, true, true, true, 1, bfkEllipsisEh);
    auto sunken = edgeCorners(BDR_SUNKENOUTER);
    EXPECT_EQ(Px(40, 0), sunken.first);
    EXPECT_EQ(Px(55, 19), sunken.second);
    EXPECT_NE(raised.first, sunken.first);
}

TEST_F(ButtonFaces, EllipsisDotsSitAtTheCentreAndEmbossWhenDisabled) {
    // 16 x 20 with a raised edge: inner 12 x 16, dots of 2 with gaps of 2.
    DrawEditButtonFace(dc, RECT{0, 0, 16, 20}, kParent, cbUnchecked, true, false, false, 0, bfkEllipsisEh);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    for (int dx : {-4, 0, 4}) {
        EXPECT_EQ(Px(7 + dx, 9), text) << dx;
        EXPECT_EQ(Px(8 + dx, 10), text) << dx;
    }
    EXPECT_NE(Px(9, 9), text);
    // Pressed: one pixel right and down.
    DrawEditButtonFace(dc, RECT{20, 0, 36, 20}, kParent, cbUnchecked, true, false, false, 1, bfkEllipsisEh);
    EXPECT_EQ(Px(28, 10), text);
    EXPECT_NE(Px(27, 9), text);
    DrawEditButtonFace(dc, RECT{40, 0, 56, 20}, kParent, cbUnchecked, false, false, false, 0, bfkEllipsisEh);
    EXPECT_EQ(Px(47, 9), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Px(49, 11), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(ButtonFaces, PlusHasAVerticalBarThatMinusLacks) {
    DrawEditButtonFace(dc, RECT{0, 0, 20, 20}, kParent, cbUnchecked, true, false, false, 0, bfkPlusEh);
    DrawEditButtonFace(dc, RECT{30, 0, 50, 20}, kParent, cbUnchecked, true, false, false, 0, bfkMinusEh);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    EXPECT_EQ(Px(10, 10), text);
    EXPECT_EQ(Px(40, 10), text);
    EXPECT_EQ(Px(10, 7), text);
    EXPECT_NE(Px(40, 7), text);
    // A horizontal bar on both; the plus evens its bars out for a centred cross.
    int plusWidth = 0, minusWidth = 0;
    for (int x = 0; x < 20; ++x) {
        plusWidth += Px(x, 10) == text;
        minusWidth += Px(30 + x, 10) == text;
    }
    EXPECT_GT(minusWidth, 3);
    EXPECT_LE(std::abs(plusWidth - minusWidth), 1);
}

TEST_F(ButtonFaces, CheckBoxesAreSquaredAndShowTheirState) {
    // A wide cell: the square is centred, the odd pixel taken from the right,
    // and the sides stay untouched.
    DrawEditButtonFace(dc, RECT{0, 0, 30, 13}, kParent, cbUnchecked, true, false, false, 0, bfkCheckBoxEh);
    DrawEditButtonFace(dc, RECT{0, 20, 30, 33}, kParent, cbChecked, true, false, false, 0, bfkCheckBoxEh);
    DrawEditButtonFace(dc, RECT{0, 40, 30, 53}, kParent, cbGrayed, true, false, false, 0, bfkCheckBoxEh);
    for (int y : {0, 6, 12}) {
        EXPECT_EQ(Px(7, y), kBack);
        EXPECT_EQ(Px(21, y), kBack);
        EXPECT_NE(Px(8, y), kBack);
        EXPECT_NE(Px(20, y), kBack);
    }
    int differUnchecked = 0, differGrey = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 8; x < 21; ++x) {
            differUnchecked += Px(x, y) != Px(x, 20 + y);
            differGrey += Px(x, 40 + y) != Px(x, 20 + y);
        }
    EXPECT_GT(differUnchecked, 5);
    EXPECT_GT(differGrey, 5);
    // Flat and inactive: framed in the parent colour; active: a sunken edge.
    DrawEditButtonFace(dc, RECT{40, 0, 53, 13}, kParent, cbChecked, true, false, true, 0, bfkCheckBoxEh);
    EXPECT_EQ(Px(40, 0), COLORREF(kParent));
    EXPECT_EQ(Px(52, 12), COLORREF(kParent));
    EXPECT_EQ(Px(41, 1), GetSysColor(COLOR_BTNSHADOW));
    DrawEditButtonFace(dc, RECT{40, 20, 53, 33}, kParent, cbChecked, true, true, true, 0, bfkCheckBoxEh);
    EXPECT_NE(Px(40, 20), COLORREF(kParent));
    EXPECT_EQ(Px(41, 21), GetSysColor(COLOR_BTNFACE));
}

} // namespace
} // namespace tvtest
