// Painting skin images: borders by nine parts, glyphs, textures by draw
// mode, masks, and the corner runs of window regions.
#include <gtest/gtest.h>

#include "skin/blending.h"
#include "skin/imagepaint.h"
#include "skin/skinpaint_fixture.h"

using namespace tv;
using skintest::Px;
using skintest::Solid;

namespace {

constexpr TColor M = clSkinKey, R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, W = 0xFFFFFF, K = 0;

std::vector<TColor> Row(int n, TColor c) { return std::vector<TColor>(std::size_t(n), c); }
std::vector<TColor> Join(std::vector<TColor> a, const std::vector<TColor>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ImagePaint : public ::testing::Test, public skintest::PaintSkin {
protected:
    ~ImagePaint() override { ParentBackColor = MaskFillColor = clSkinKey; }
};

TEST_F(ImagePaint, NarrowRectangleShrinksBothMarginsAndDropsTheMiddle) {
    auto row = Join(Join(Row(8, R), Row(4, G)), Row(8, B));
    SetMaster(std::vector<std::vector<TColor>>(10, row));
    int i = AddImage("PANEL", "BORDERSMASK", {0, 0, 20, 10}, 1, 0);
    Image(i).WL = Image(i).WR = 8;
    Image(i).DrawMode = 0;
    auto dst = Solid(10, 10, W);
    PaintMaskedBorder(dst.get(), {0, 0, 10, 10}, true, false, 0, Image(i), EmptyCacheInfo());
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Px(dst.get(), x, 5), x < 5 ? R : B) << x;
}

TEST_F(ImagePaint, BorderByNinePartsTilesEdgesAndCentre) {
    // One 3 x 3 state: corners red, edges green, centre blue; key at the top-left.
    SetMaster({{M, G, R}, {G, B, G}, {R, G, R}});
    int i = AddImage("PANEL", "BORDERSMASK", {0, 0, 3, 3}, 1, 0);
    Image(i).WL = Image(i).WT = Image(i).WR = Image(i).WB = 1;
    auto parent = Solid(8, 8, 0x123456);
    auto dst = Solid(5, 4, W);
    PaintMaskedBorder(dst.get(), {0, 0, 5, 4}, true, true, 0, Image(i), FillCacheInfo(parent.get(), 0, 0));
    EXPECT_EQ(Px(dst.get(), 0, 0), 0x123456) << "key pixel of a corner takes the parent's cache";
    EXPECT_EQ(Px(dst.get(), 4, 0), R);
    EXPECT_EQ(Px(dst.get(), 4, 3), R);
    EXPECT_EQ(Px(dst.get(), 2, 0), G);
    EXPECT_EQ(Px(dst.get(), 0, 2), G);
    EXPECT_EQ(Px(dst.get(), 2, 2), B);
    auto noCentre = Solid(5, 4, W);
    Image(i).BorderWidth = 1;
    PaintMaskedBorder(noCentre.get(), {0, 0, 5, 4}, true, false, 0, Image(i), EmptyCacheInfo());
    EXPECT_EQ(Px(noCentre.get(), 2, 2), W) << "a border width leaves the centre";
    EXPECT_EQ(Px(noCentre.get(), 0, 0), W) << "key pixel skipped without the cache";
}

TEST_F(ImagePaint, MaskedBorderWithoutMiddleRow) {
    // 1 state 3 wide, image of 4 rows over a mask of 4 rows (black: opaque).
    std::vector<std::vector<TColor>> rows(4, Row(3, R));
    for (int y = 0; y < 4; ++y) rows.push_back(Row(3, K));
    SetMaster(rows);
    int i = AddImage("PANEL", "BORDERSMASK", {0, 0, 3, 8}, 1, 1);
    Image(i).WL = Image(i).WR = 1;
    Image(i).WT = Image(i).WB = 2;
    auto dst = Solid(6, 8, W);
    PaintMaskedBorder(dst.get(), {0, 0, 6, 8}, false, false, 0, Image(i), EmptyCacheInfo());
    EXPECT_EQ(Px(dst.get(), 0, 1), R);
    EXPECT_EQ(Px(dst.get(), 3, 6), R);
    EXPECT_EQ(Px(dst.get(), 0, 3), W) << "no middle rows to tile";
    EXPECT_EQ(Px(dst.get(), 5, 4), W);
}

TEST_F(ImagePaint, GlyphStatesClampAndNegativePointsCut) {
    SetMaster({{1, 2, 3, R, R, R, B, B, B}, {4, 5, 6, R, R, R, B, B, B}, {7, 8, 9, R, R, R, B, M, B}});
    int i = AddImage("GLOBALINFO", "CHECK", {0, 0, 9, 3}, 3, 0, itisaGlyph);
    auto dst = Solid(4, 4, W);
    PaintMaskedGlyph(dst.get(), {1, 1}, 7, Image(i), 1);
    EXPECT_EQ(Px(dst.get(), 1, 1), B) << "state 7 of 3 paints state 2";
    EXPECT_EQ(Px(dst.get(), 2, 3), W) << "key pixel left out";
    auto cut = Solid(3, 3, W);
    PaintMaskedGlyph(cut.get(), {-1, -2}, 0, Image(i), 1);
    EXPECT_EQ(Px(cut.get(), 0, 0), 8);
    EXPECT_EQ(Px(cut.get(), 1, 0), 9);
    EXPECT_EQ(Px(cut.get(), 0, 1), W);
    auto faded = Solid(3, 3, W);
    PaintMaskedGlyph(faded.get(), {0, 0}, 1, Image(i), 0);
    EXPECT_EQ(Px(faded.get(), 0, 0), TColor(0x8080FF)) << "half strength";
}

TEST_F(ImagePaint, MaskedGlyphMixesWithItsMaskBand) {
    SetMaster({{R, R}, {K, 0x808080}});
    int i = AddImage("GLOBALINFO", "CHECK", {0, 0, 2, 2}, 1, 1, itisaGlyph);
    auto dst = Solid(2, 1, W);
    PaintMaskedGlyph(dst.get(), {0, 0}, 0, Image(i), 1);
    EXPECT_EQ(Px(dst.get(), 0, 0), R);
    EXPECT_EQ(Px(dst.get(), 1, 0), TColor(0x7F7FFF)) << "((255 - 0) * 128 + 0) >> 8 in green and blue";
}

TEST_F(ImagePaint, TexturesByDrawMode) {
    std::vector<std::vector<TColor>> tex(10, Row(16, G));
    tex[0][1] = B;
    SetMaster(tex);
    int i = AddImage("PANEL", "PATTERN", {0, 0, 16, 10}, 1, 0, itisaTexture);
    auto dst = Solid(100, 40, W);
    win::RECT r{0, 0, 100, 40};
    PaintTexture(dst.get(), r, nullptr, 2, Image(i));
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.bottom, 40);
    EXPECT_EQ(r.right, 100);
    EXPECT_EQ(Px(dst.get(), 17, 0), B) << "second tile";
    EXPECT_EQ(Px(dst.get(), 99, 9), G) << "cut tile at the right";
    EXPECT_EQ(Px(dst.get(), 5, 10), W);

    struct Case {
        int mode;
        win::RECT left;
    } cases[] = {{0, {-1, -1, -1, -1}}, {3, {16, 0, 100, 40}}, {6, {0, 0, 100, 30}}, {7, {0, 0, 84, 40}},
                 {10, {-1, -1, -1, -1}}, {8, {0, 0, 100, 40}}};
    for (auto c : cases) {
        win::RECT rr{0, 0, 100, 40};
        PaintTexture(dst.get(), rr, nullptr, c.mode, Image(i));
        EXPECT_EQ((std::vector<int>{rr.left, rr.top, rr.right, rr.bottom}),
                  (std::vector<int>{c.left.left, c.left.top, c.left.right, c.left.bottom}))
            << c.mode;
    }
    auto strip = Solid(16, 25, W);
    win::RECT rr{0, 0, 16, 25};
    PaintTexture(strip.get(), rr, nullptr, 10, Image(i));
    EXPECT_EQ(Px(strip.get(), 3, 19), G);
    EXPECT_EQ(Px(strip.get(), 3, 20), W) << "no tile crosses the bottom";
}

TEST_F(ImagePaint, MaskedTextureTiledFillsTheStripBelow) {
    SetMaster({{R, M}, {R, R}, {K, K}, {K, K}});
    int i = AddImage("PANEL", "PATTERN", {0, 0, 2, 4}, 1, 1, itisaTexture);
    Image(i).DrawMode = 10;
    MaskFillColor = B;
    auto dst = Solid(3, 3, W);
    PaintMaskedTextureTiled(dst.get(), {0, 0, 3, 3}, EmptyCacheInfo(), 10, Image(i));
    EXPECT_EQ(Px(dst.get(), 0, 0), R);
    EXPECT_EQ(Px(dst.get(), 1, 0), B) << "key pixel takes the fill colour";
    EXPECT_EQ(Px(dst.get(), 2, 2), B);
    auto parent = Solid(4, 4, G);
    MaskFillColor = clSkinKey;
    auto cached = Solid(3, 3, W);
    PaintMaskedTextureTiled(cached.get(), {0, 0, 3, 3}, FillCacheInfo(parent.get(), 0, 0), 0, Image(i));
    EXPECT_EQ(Px(cached.get(), 1, 0), G);
    EXPECT_EQ(Px(cached.get(), 1, 2), W) << "draw mode 0 leaves the strip";
}

TEST_F(ImagePaint, CornerRunsForWindowRegions) {
    SetMaster({{M, M, R, R, M}, {M, R, R, R, R}, {R, R, R, R, R}, {R, R, R, R, M}});
    int i = AddImage("FORM", "BORDERSMASK", {0, 0, 5, 4}, 1, 0);
    Image(i).WL = 2, Image(i).WT = 2, Image(i).WR = 1, Image(i).WB = 1;
    std::vector<win::RECT> rects;
    ParseMaskRegion(rects, 100, Image(i), false, 0);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ((std::vector<int>{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom}), (std::vector<int>{0, 0, 2, 1}));
    EXPECT_EQ((std::vector<int>{rects[1].left, rects[1].right}), (std::vector<int>{99, 100}));
    EXPECT_EQ((std::vector<int>{rects[2].left, rects[2].top, rects[2].right}), (std::vector<int>{0, 1, 1}));
    rects.clear();
    ParseMaskRegion(rects, 100, Image(i), true, 50);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 99);
    EXPECT_EQ(rects[0].top, 50);
}

} // namespace
