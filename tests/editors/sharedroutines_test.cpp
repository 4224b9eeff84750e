// Drop-down placement, tree-outline glyphs and image drawing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editorfixture.h"
#include "editors/dropdownplacement.h"
#include "editors/paintutils.h"
#include "editors/treelineglyph.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/picture.h"
#include "platform/gdi/gdi.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class TPlacedPanel : public TPanel {
    TV_CLASS(TPlacedPanel, TPanel)
public:
    using TPanel::TPanel;
    void Dispatch(Message& msg) override {
        if (msg.Msg == WM_DROPDOWNPLACED_EH) placed.push_back(int(msg.WParam));
        TPanel::Dispatch(msg);
    }
    std::vector<int> placed;
};

class SharedRoutines : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
        drop = new TPlacedPanel(form);
        drop->SetBounds(0, 0, 120, 200);
    }
    RECT work;
    TPlacedPanel* drop = nullptr;
};

TEST_F(SharedRoutines, ADropDownOpensBelowItsOwnerWhenItFits) {
    RECT owner{100, 100, 180, 121};
    POINT p = CalcDropDownRect(owner, drop, ddaLeftEh);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 121);
    EXPECT_EQ(drop->placed, (std::vector<int>{3, 1}));
    drop->placed.clear();
    p = CalcDropDownRect(owner, drop, ddaRightEh);
    EXPECT_EQ(p.x, 180 - 120);
    EXPECT_EQ(drop->placed, (std::vector<int>{3, 0}));
    p = CalcDropDownRect(owner, drop, ddaCenterEh);
    EXPECT_EQ(p.x, 100 - (120 - 80) / 2);
    EXPECT_EQ(drop->Height(), 200);
}

TEST_F(SharedRoutines, ADropDownOpensAboveOrOnTheRoomierSideCutToIt) {
    // No room below, room above.
    RECT low{100, work.bottom - 30, 180, work.bottom - 9};
    POINT p = CalcDropDownRect(low, drop, ddaLeftEh);
    EXPECT_EQ(p.y, low.top - 200);
    EXPECT_EQ(drop->placed.front(), 2);
    // Room on neither side: the roomier side, and the height cut to it.
    drop->SetBounds(0, 0, 120, work.Height());
    drop->placed.clear();
    int top = work.top + work.Height() / 3;
    RECT mid{100, top, 180, top + 20};
    p = CalcDropDownRect(mid, drop, ddaLeftEh);
    EXPECT_EQ(p.y, mid.bottom);
    EXPECT_EQ(drop->Height(), work.bottom - mid.bottom);
    EXPECT_EQ(drop->placed.front(), 3);
    drop->SetBounds(0, 0, 120, work.Height());
    int top2 = work.top + 2 * work.Height() / 3;
    RECT mid2{100, top2, 180, top2 + 20};
    p = CalcDropDownRect(mid2, drop, ddaLeftEh);
    EXPECT_EQ(drop->Height(), top2 - work.top);
    EXPECT_EQ(p.y, work.top);
}

TEST_F(SharedRoutines, ADropDownStaysInsideTheWorkAreaSideways) {
    RECT right{work.right - 50, 100, work.right - 10, 121};
    drop->placed.clear();
    POINT p = CalcDropDownRect(right, drop, ddaLeftEh);
    EXPECT_EQ(p.x, work.right - 120);
    EXPECT_EQ(drop->placed.back(), 0);
    drop->placed.clear();
    RECT left{work.left + 5, 100, work.left + 45, 121};
    p = CalcDropDownRect(left, drop, ddaRightEh);
    EXPECT_EQ(p.x, work.left);
    EXPECT_EQ(drop->placed.back(), 1);
    drop->SetBounds(0, 0, work.Width() + 50, 100);
    p = CalcDropDownRect(left, drop, ddaLeftEh);
    EXPECT_EQ(drop->Width(), work.Width());
}

TEST_F(SharedRoutines, PlacingForAControlUsesItsScreenBounds) {
    auto* edit = new TPanel(form);
    edit->SetParent(form);
    edit->SetBounds(30, 40, 100, 21);
    POINT p = PlaceDropDownWindow(edit, drop, ddaLeftEh);
    POINT tl = form->ClientToScreen({30, 40});
    EXPECT_EQ(p.x, tl.x);
    EXPECT_EQ(p.y, tl.y + 21);
}

TEST_F(SharedRoutines, TreeGlyphsDrawBoxesAndDottedLines) {
    TBitmap b;
    b.SetSize(20, 20);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(RECT{0, 0, 20, 20});
    DrawTreeLineGlyph(c, RECT{0, 0, 20, 20}, 3, 1, 1, false);
    HDC dc = c->Handle();
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), text = GetSysColor(COLOR_WINDOWTEXT);
    // A 9 x 9 box around the centre (10, 10), a plus inside it.
    EXPECT_EQ(PixelAt(dc, 6, 10), shadow);
    EXPECT_EQ(PixelAt(dc, 14, 10), shadow);
    EXPECT_EQ(PixelAt(dc, 10, 6), shadow);
    EXPECT_EQ(PixelAt(dc, 10, 14), shadow);
    EXPECT_EQ(PixelAt(dc, 10, 10), text);
    EXPECT_EQ(PixelAt(dc, 8, 10), text);
    EXPECT_EQ(PixelAt(dc, 10, 8), text);
    EXPECT_EQ(PixelAt(dc, 7, 7), GetSysColor(COLOR_WINDOW));
    // Dotted lines: up, down and to the right, every other pixel.
    int up = 0, right = 0, down = 0;
    for (int y = 0; y < 6; ++y) up += PixelAt(dc, 10, y) == shadow;
    for (int x = 15; x < 20; ++x) right += PixelAt(dc, x, 10) == shadow;
    for (int y = 15; y < 20; ++y) down += PixelAt(dc, 10, y) == shadow;
    EXPECT_EQ(up, 3);
    EXPECT_GE(right, 2);
    EXPECT_GE(down, 2);
    EXPECT_NE(PixelAt(dc, 10, 0), PixelAt(dc, 10, 1));

    // A minus has no vertical stroke; element 1 has no line down.
    c->FillRect(RECT{0, 0, 20, 20});
    DrawTreeLineGlyph(c, RECT{0, 0, 20, 20}, 1, 1, 1, false);
    EXPECT_NE(PixelAt(dc, 10, 8), text);
    EXPECT_EQ(PixelAt(dc, 8, 10), text);
    for (int y = 15; y < 20; ++y) EXPECT_EQ(PixelAt(dc, 10, y), COLORREF(clWhite));

    // The dot phase moves the dots by one pixel.
    c->FillRect(RECT{0, 0, 20, 20});
    DrawTreeLineGlyph(c, RECT{0, 0, 20, 20}, 9, 1, 1, false);
    COLORREF first = PixelAt(dc, 10, 0), second = PixelAt(dc, 10, 1);
    c->FillRect(RECT{0, 0, 20, 20});
    DrawTreeLineGlyph(c, RECT{0, 0, 20, 20}, 9, 1, 1, true);
    EXPECT_EQ(PixelAt(dc, 10, 0), second);
    EXPECT_EQ(PixelAt(dc, 10, 1), first);
}

TEST_F(SharedRoutines, ImagesAreCentredAndClippedToTheirRectangle) {
    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap red;
    red.SetSize(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(RECT{0, 0, 8, 8});
    images.Add(&red, nullptr);
    TBitmap b;
    b.SetSize(40, 20);
    HDC dc = b.Canvas()->Handle();
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(RECT{0, 0, 40, 20});
    PaintImageListImage(dc, RECT{0, 0, 20, 20}, &images, 0, false);
    EXPECT_EQ(PixelAt(dc, 6, 6), COLORREF(clRed));
    EXPECT_EQ(PixelAt(dc, 13, 13), COLORREF(clRed));
    EXPECT_EQ(PixelAt(dc, 5, 5), COLORREF(clWhite));
    EXPECT_EQ(PixelAt(dc, 14, 14), COLORREF(clWhite));
    // A rectangle smaller than the image: nothing outside it is touched.
    PaintImageListImage(dc, RECT{24, 8, 28, 12}, &images, 0, false);
    EXPECT_EQ(PixelAt(dc, 24, 8), COLORREF(clRed));
    EXPECT_EQ(PixelAt(dc, 27, 11), COLORREF(clRed));
    EXPECT_EQ(PixelAt(dc, 23, 8), COLORREF(clWhite));
    EXPECT_EQ(PixelAt(dc, 28, 11), COLORREF(clWhite));
    EXPECT_EQ(PixelAt(dc, 25, 12), COLORREF(clWhite));
    PaintImageListImage(dc, RECT{0, 0, 20, 20}, nullptr, 0, false); // no list: nothing
}

TEST_F(SharedRoutines, FontTextHeightFollowsTheFont) {
    auto* p = new TPanel(form);
    p->SetParentFont(false);
    p->Font()->SetHeight(-11);
    int small = GetFontTextHeight(p);
    p->Font()->SetHeight(-24);
    int big = GetFontTextHeight(p);
    EXPECT_GT(small, 8);
    EXPECT_GT(big, small + 8);
}

} // namespace
} // namespace tvtest
