// Painting skinned elements: background layers by state over the parent,
// the border on top, and the text writers.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/ui/picture.h"
#include "platform/gdi/text.h"
#include "skin/blending.h"
#include "skin/elementpaint.h"
#include "skin/skinpaint_fixture.h"

using namespace tv;
using skintest::Px;
using skintest::Solid;

namespace {

constexpr TColor R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, W = 0xFFFFFF;
TColor Grey(int v) { return TColor(v | (v << 8) | (v << 16)); }

class ElementPaint : public ::testing::Test, public skintest::PaintSkin {
protected:
    ~ElementPaint() override { ParentBackColor = MaskFillColor = clSkinKey; }
    void Background(TBitmap* bmp, int section, const TCacheInfo& ci, int state = 0, win::POINT pt = {0, 0}) {
        PaintItemBackground(section, sm.gd[std::size_t(section)].ClassName, ci, clSkinKey, -1, -1, &sm, bmp, pt,
                            {0, 0, bmp->Width(), bmp->Height()}, state);
    }
};

TEST_F(ElementPaint, PlainSectionColourAndHotColour) {
    int s = AddSection("PANEL", Grey(200));
    Section(s).HotColor = R;
    auto b = Solid(3, 3, W);
    Background(b.get(), s, EmptyCacheInfo());
    EXPECT_EQ(Px(b.get(), 2, 2), Grey(200));
    Background(b.get(), s, EmptyCacheInfo(), 2);
    EXPECT_EQ(Px(b.get(), 0, 0), R) << "pressed takes the hot values";
}

TEST_F(ElementPaint, TransparencyOverTheParentsCache) {
    int s = AddSection("PANEL", Grey(200));
    auto parent = skintest::FromRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}});
    Section(s).Transparency = 100;
    auto b = Solid(2, 2, W);
    Background(b.get(), s, FillCacheInfo(parent.get(), 1, 0), 0, {1, 1});
    EXPECT_EQ(Px(b.get(), 0, 0), 7) << "cache at X + point X, Y + point Y";
    EXPECT_EQ(Px(b.get(), 1, 1), 12);

    Section(s).Transparency = 50;
    auto grey = Solid(4, 4, Grey(100));
    auto c = Solid(2, 2, W);
    Background(c.get(), s, FillCacheInfo(grey.get(), 0, 0));
    EXPECT_EQ(Px(c.get(), 1, 1), Grey((100 * 127 + 200 * 128 + 127) >> 8));

    Section(s).Transparency = 40;
    auto direct = Solid(2, 2, W);
    Background(direct.get(), s, EmptyCacheInfo());
    EXPECT_EQ(Px(direct.get(), 0, 0), Grey(200)) << "without a cache the layers are painted straight";
}

TEST_F(ElementPaint, TexturePercentAndDrawModeLeftovers) {
    SetMaster({{G, G}, {G, G}});
    int s = AddSection("PANEL", Grey(100));
    int t = AddImage("PANEL", "PATTERN", {0, 0, 2, 1}, 1, 0, itisaTexture);
    Section(s).ImagePercent = 30;
    auto b = Solid(4, 4, W);
    Background(b.get(), s, EmptyCacheInfo());
    TColor expected = TColor(70 | (std::lround(0.3 * 255 + 0.7 * 100) << 8) | (70 << 16));
    EXPECT_EQ(Px(b.get(), 3, 3), expected) << "30 % texture, 70 % colour";

    Section(s).ImagePercent = 100;
    Image(t).DrawMode = 2;
    auto top = Solid(4, 4, W);
    Background(top.get(), s, EmptyCacheInfo());
    EXPECT_EQ(Px(top.get(), 1, 0), G);
    EXPECT_EQ(Px(top.get(), 1, 1), Grey(100)) << "rows under the texture row take the colour";
}

TEST_F(ElementPaint, GradientAndBorder) {
    int s = AddSection("BUTTON", Grey(100));
    Section(s).GradientPercent = 100;
    Section(s).GradientArray = ParseGradientData("255;255;100;0;0");
    SetMaster({{B, B, B}, {B, G, B}, {B, B, B}});
    int border = AddImage("BUTTON", "BORDERSMASK", {0, 0, 3, 3}, 1, 0);
    Image(border).WL = Image(border).WT = Image(border).WR = Image(border).WB = 1;
    Image(border).BorderWidth = 1;
    auto b = Solid(5, 5, W);
    PaintSkinItem(s, "BUTTON", EmptyCacheInfo(), -1, -1, &sm, b.get(), {0, 0}, {0, 0, 5, 5}, 0, true);
    EXPECT_EQ(Px(b.get(), 0, 0), B);
    EXPECT_EQ(Px(b.get(), 4, 2), B);
    EXPECT_EQ(Px(b.get(), 2, 2), R) << "the gradient inside the border";
}

TEST_F(ElementPaint, NothingForAnInvalidSectionOrARectangleOutside) {
    int s = AddSection("PANEL", R);
    auto b = Solid(3, 3, W);
    PaintItemBackground(7, "PANEL", EmptyCacheInfo(), clSkinKey, -1, -1, &sm, b.get(), {0, 0}, {0, 0, 3, 3}, 0);
    PaintItemBackground(s, "PANEL", EmptyCacheInfo(), clSkinKey, -1, -1, &sm, b.get(), {0, 0}, {0, 0, 4, 3}, 0);
    EXPECT_EQ(Px(b.get(), 1, 1), W);
    PaintItemBackgroundFast(s, -1, -1, &sm, b.get(), {0, 0}, {1, 1, 3, 3}, 0, EmptyCacheInfo(), "PANEL");
    EXPECT_EQ(Px(b.get(), 0, 0), W);
    EXPECT_EQ(Px(b.get(), 1, 1), R);
}

TEST_F(ElementPaint, BevelFramesAndFills) {
    auto b = Solid(12, 12, W);
    win::HDC dc = b->Canvas()->Handle();
    win::RECT r{0, 0, 10, 10};
    int count = 2;
    DrawBevelRect(dc, r, R, count, B);
    FillDCRect(dc, {10, 10, 12, 12}, G);
    EXPECT_EQ(count, 0);
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{2, 2, 8, 8}));
    EXPECT_EQ(Px(b.get(), 0, 0), R);
    EXPECT_EQ(Px(b.get(), 9, 0), B) << "first frame is (0, 0, 9, 9)";
    EXPECT_EQ(Px(b.get(), 1, 1), R);
    EXPECT_EQ(Px(b.get(), 8, 8), B) << "second frame is (1, 1, 8, 8)";
    EXPECT_EQ(Px(b.get(), 2, 2), W);
    EXPECT_EQ(Px(b.get(), 10, 0), W);
    EXPECT_EQ(Px(b.get(), 11, 11), G);
}

TEST_F(ElementPaint, TextCutAndContours) {
    auto b = Solid(200, 40, W);
    TCanvas* c = b->Canvas();
    EXPECT_EQ(CutTextToWidth(c, "Caja registradora", 0), "");
    EXPECT_EQ(CutTextToWidth(c, "Caja", 500), "Caja");
    std::string cut = CutTextToWidth(c, "Caja registradora número 1", c->TextWidth("Caja reg..."));
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(c->TextWidth(cut), c->TextWidth("Caja reg..."));
    EXPECT_EQ(CutTextToWidth(c, "Caja", 1), "");

    int s = AddSection("LABEL", W);
    auto topmostDark = [&](int contour) {
        auto t = Solid(200, 40, W);
        Section(s).FontColor = {W, -1, -1, -1, -1};
        Section(s).FontColor[std::size_t(contour)] = 0;
        win::RECT r{0, 0, 200, 40};
        WriteSkinnedText(t->Canvas(), "Total", true, &sm, false, s, win::DT_CENTER | win::DT_SINGLELINE, r);
        EXPECT_GT(r.left, 0);
        EXPECT_LT(r.right, 200);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x)
                if (Px(t.get(), x, y) != W) return y;
        return -1;
    };
    int up = topmostDark(2), down = topmostDark(4);
    ASSERT_GE(up, 0) << "the top contour alone is drawn";
    EXPECT_EQ(down - up, 2);
}

} // namespace

namespace {

TEST_F(ElementPaint, ComposedOffScreenAndCopiedToADeviceContext) {
    int s = AddSection("PANEL", G);
    auto target = Solid(8, 8, W);
    win::HDC dc = target->Canvas()->Handle();
    PaintSkinItemToDC(s, "PANEL", EmptyCacheInfo(), &sm, dc, {0, 0, 4, 4}, {2, 2, 6, 6}, 0, true);
    PaintSkinItemToDC(s, "PANEL", EmptyCacheInfo(), &sm, dc, {0, 0, 4, 4}, {-1, 0, 3, 3}, 0, true);
    EXPECT_EQ(Px(target.get(), 2, 2), G);
    EXPECT_EQ(Px(target.get(), 5, 5), G);
    EXPECT_EQ(Px(target.get(), 6, 6), W);
    EXPECT_EQ(Px(target.get(), 0, 0), W) << "a target with a negative left paints nothing";

    auto source = Solid(6, 6, R);
    auto framed = Solid(6, 6, W);
    CopyFrame(framed->Canvas()->Handle(), 0, 0, 1, 0, 0, source->Canvas()->Handle(), 6, 6);
    EXPECT_EQ(Px(framed.get(), 0, 0), R);
    EXPECT_EQ(Px(framed.get(), 5, 3), R);
    EXPECT_EQ(Px(framed.get(), 3, 5), R);
    EXPECT_EQ(Px(framed.get(), 2, 2), W) << "the inside is left alone";
}

TEST_F(ElementPaint, FastBackgroundTakesTheCacheForTransparency) {
    int s = AddSection("PANEL", Grey(200));
    Section(s).Transparency = 100;
    auto parent = Solid(4, 4, Grey(10));
    auto b = Solid(2, 2, W);
    ParentBackColor = R; // not used by the fast painter
    PaintItemBackgroundFast(s, -1, -1, &sm, b.get(), {0, 0}, {0, 0, 2, 2}, 0, FillCacheInfo(parent.get(), 1, 1),
                            "PANEL");
    EXPECT_EQ(Px(b.get(), 1, 1), Grey(10));
    Section(s).Transparency = 30;
    PaintItemBackgroundFast(s, -1, -1, &sm, b.get(), {0, 0}, {0, 0, 2, 2}, 0, EmptyCacheInfo(), "PANEL");
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(200)) << "no cache: the layers alone";
}

} // namespace
