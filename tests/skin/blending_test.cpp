// The pixel layer: blends, keyed copies, effects and the colour operations,
// checked on tiny bitmaps against values worked out by hand.
#include <gtest/gtest.h>

#include <memory>

#include "framework/ui/picture.h"
#include "skin/blending.h"
#include "skin/skintestutils.h"

using namespace tv;
using skintest::FromRows;
using skintest::Px;
using skintest::Solid;

namespace {

constexpr TColor M = clSkinKey;
TColor Grey(int v) { return TColor(v | (v << 8) | (v << 16)); }

struct ResetFillColors {
    ~ResetFillColors() { ParentBackColor = MaskFillColor = clSkinKey; }
};

TEST(Fast24, RefusesBitmapsUnderTwoPixels) {
    TacFast24 f;
    auto line = Solid(5, 1, 0);
    EXPECT_FALSE(f.Attach(line.get()));
    EXPECT_EQ(f.Width(), 0);
    auto ok = FromRows({{0x112233, 0x445566}, {0x778899, 0xAABBCC}});
    ASSERT_TRUE(f.Attach(ok.get()));
    EXPECT_EQ(f.Pixel(1, 1), 0xAABBCC);
    f.SetPixel(0, 1, 0x010203);
    EXPECT_EQ(Px(ok.get(), 0, 1), 0x010203);
    std::unique_ptr<TBitmap> b32(CreateBmp32(4, 4));
    EXPECT_FALSE(f.Attach(b32.get())) << "only 24-bit bitmaps";
}

TEST(BlendBitmapsAt, AlphaIsTheWeightOfWhatIsThere) {
    auto src = Solid(3, 3, Grey(100));
    struct Case {
        int alpha, expected;
    } cases[] = {{255, 199}, {0, 100}, {128, 150}};
    for (auto c : cases) {
        auto dst = Solid(3, 3, Grey(200));
        BlendBitmapsAt(dst.get(), src.get(), win::BYTE(c.alpha), {0, 0}, {0, 0, 3, 3});
        EXPECT_EQ(Px(dst.get(), 2, 2), Grey(c.expected)) << c.alpha;
    }
}

TEST(BlendBitmapsAt, NegativePointMovesTheSourceAndTheEdgeCuts) {
    auto src = FromRows({{0x000001, 0x000002, 0x000003}, {0x000004, 0x000005, 0x000006}, {0x000007, 0x000008, 0x000009}});
    auto dst = Solid(3, 3, 0xFFFFFF);
    BlendBitmapsAt(dst.get(), src.get(), 0, {-1, -1}, {0, 0, 3, 3});
    EXPECT_EQ(Px(dst.get(), 0, 0), 0x000005);
    EXPECT_EQ(Px(dst.get(), 1, 1), 0x000009);
    EXPECT_EQ(Px(dst.get(), 2, 2), 0xFFFFFF) << "outside the moved source";
    auto dst2 = Solid(3, 3, 0xFFFFFF);
    BlendBitmapsAt(dst2.get(), src.get(), 0, {2, 1}, {0, 0, 3, 3});
    EXPECT_EQ(Px(dst2.get(), 2, 1), 0x000001);
    EXPECT_EQ(Px(dst2.get(), 2, 2), 0x000004);
    EXPECT_EQ(Px(dst2.get(), 1, 1), 0xFFFFFF);
}

TEST(BlendColorRect, PercentOfTheOldColourStaysOverAnInclusiveRectangle) {
    auto b = Solid(3, 3, Grey(200));
    BlendColorRect(b.get(), {0, 0, 1, 0}, 25, 0);
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(50));
    EXPECT_EQ(Px(b.get(), 1, 0), Grey(50)) << "right pixel included";
    EXPECT_EQ(Px(b.get(), 2, 0), Grey(200));
    EXPECT_EQ(Px(b.get(), 0, 1), Grey(200));
    BlendColorRect(b.get(), {0, 1, 99, 99}, 100, 0x0000FF);
    EXPECT_EQ(Px(b.get(), 2, 2), Grey(200)) << "100 % keeps the bitmap; the rectangle is clamped";
    BlendColorRect(b.get(), {0, 1, 99, 99}, 0, 0x0000FF);
    EXPECT_EQ(Px(b.get(), 2, 2), 0x0000FF);
}

TEST(BlendBitmapRect, KeyPixelsAreLeftOutUnlessTheKeyIsNoColour) {
    auto src = FromRows({{M, Grey(100)}, {Grey(100), Grey(100)}});
    auto dst = Solid(2, 2, Grey(0));
    BlendBitmapRect(dst.get(), 0, 0, M, 0.4, {0, 0, 1, 1}, src.get());
    EXPECT_EQ(Px(dst.get(), 0, 0), Grey(0));
    EXPECT_EQ(Px(dst.get(), 1, 0), Grey(60)) << "60 % source, 40 % destination";
    auto all = Solid(2, 2, Grey(0));
    BlendBitmapRect(all.get(), 0, 0, TColor(0xFFFFFFFF), 0.5, {0, 0, 1, 1}, src.get());
    EXPECT_EQ(Px(all.get(), 0, 0), 0x800080);
}

TEST(BlendColorThroughMask, MaskWeightsTheColour) {
    auto b = FromRows({{Grey(200), Grey(200)}, {Grey(200), Grey(200)}});
    auto mask = FromRows({{Grey(255), Grey(0)}, {Grey(128), 0x0000FF}});
    BlendColorThroughMask(b.get(), mask.get(), 0);
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(199));
    EXPECT_EQ(Px(b.get(), 1, 0), Grey(0));
    EXPECT_EQ(Px(b.get(), 0, 1), Grey(100));
    EXPECT_EQ(Px(b.get(), 1, 1), 0x0000C7) << "each channel by its own mask channel";
    auto other = Solid(3, 2, Grey(255));
    BlendColorThroughMask(b.get(), other.get(), 0x123456);
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(199)) << "sizes differ: nothing";
}

TEST(BlendColorRoundRect, WithoutBlurTheWholeRectangleTakesTheLevel) {
    auto b = Solid(8, 8, Grey(200));
    BlendColorRoundRect(b.get(), {1, 1, 7, 7}, 50, 0, 0, 0);
    EXPECT_EQ(Px(b.get(), 4, 4), Grey(99)) << "127 / 256 of 200";
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(200)) << "outside the rectangle";
}

TEST(CrossFadeBitmaps, MixesIntoA32BitTarget) {
    auto a = Solid(2, 2, Grey(200)), b = Solid(2, 2, Grey(100));
    std::unique_ptr<TBitmap> t(CreateBmp32(2, 2));
    CrossFadeBitmaps(t.get(), a.get(), b.get(), 128);
    const win::BYTE* p = t->ScanLine(1) + 4;
    EXPECT_EQ(p[0], 150);
    EXPECT_EQ(p[2], 150);
    auto w = FromRows({{0x0000FF, 0}, {0, 0}});
    CrossFadeBitmaps(t.get(), a.get(), b.get(), 0, w.get());
    p = t->ScanLine(0);
    EXPECT_EQ(p[2], 199) << "red weighted by the weight bitmap's red";
    EXPECT_EQ(p[0], 100);
}

TEST(Effects, GreyAndFade) {
    auto b = FromRows({{0x5A3C1E, 0x5A3C1E}, {0, 0xFFFFFF}});
    GrayscaleBitmap(b.get());
    EXPECT_EQ(Px(b.get(), 0, 0), Grey(60));

    ResetFillColors reset;
    auto parent = Solid(4, 4, Grey(100));
    auto c = Solid(2, 2, Grey(200));
    ApplyBitmapEffects(c.get(), BE_FADE, nullptr, {1, 1}, FillCacheInfo(parent.get(), 1, 1));
    EXPECT_EQ(Px(c.get(), 1, 1), Grey(140)) << "60 % parent, 40 % control";
    auto d = Solid(2, 2, 0x0000C8);
    ParentBackColor = Grey(0);
    ApplyBitmapEffects(d.get(), BE_FADE | BE_GRAY, nullptr, {0, 0}, EmptyCacheInfo());
    EXPECT_EQ(Px(d.get(), 1, 1), Grey(33)) << "grey 66, then halfway to black";
}

TEST(KeyedCopies, KeyPixelsSkippedOrTakenFromTheCache) {
    auto src = FromRows({{M, 0x111111}, {0x222222, M}});
    auto dst = Solid(3, 3, Grey(9));
    CopyRectKeyed(dst.get(), src.get(), 1, M, {0, 0, 1, 1}, 1);
    EXPECT_EQ(Px(dst.get(), 1, 1), Grey(9));
    EXPECT_EQ(Px(dst.get(), 2, 1), 0x111111);
    EXPECT_EQ(Px(dst.get(), 1, 2), 0x222222);

    auto cache = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    auto dst2 = Solid(2, 2, Grey(9));
    CopyRectKeyedFromCache(dst2.get(), src.get(), 0, true, FillCacheInfo(cache.get(), 1, 0), M, {0, 0, 1, 1}, 0);
    EXPECT_EQ(Px(dst2.get(), 0, 0), 2) << "cache pixel at (X + x, Y + y)";
    EXPECT_EQ(Px(dst2.get(), 1, 1), 6);
    auto dst3 = Solid(2, 2, Grey(9));
    CopyRectKeyedFromCache(dst3.get(), src.get(), 0, true, FillCacheInfo(cache.get(), 2, 2), M, {0, 0, 1, 1}, 0);
    EXPECT_EQ(Px(dst3.get(), 0, 0), 9);
    EXPECT_EQ(Px(dst3.get(), 1, 1), Grey(9)) << "outside the cache: left alone";
    CopyBitmapKeyed(dst3.get(), src.get(), 1, M, 1);
    EXPECT_EQ(Px(dst3.get(), 1, 1), Grey(9)) << "a key pixel at the corner";
}

TEST(Colours, ChannelAverageAndHue) {
    EXPECT_EQ(ChannelAverageLimited(0x0000FF, 50), TColor(0x2B2BAA));
    EXPECT_EQ(ChannelAverageLimited(0x0000FF, -50), TColor(0x0000FF)) << "clamped";
    EXPECT_EQ(ChannelAverageLimited(0x404080, -50), TColor(0x353595));
    EXPECT_EQ(ShiftHue(120, 0x0000FF), 0x00FF00);
    EXPECT_EQ(ShiftHue(240, 0x0000FF), 0xFF0000);
    EXPECT_EQ(ShiftHue(480, 0x0000FF), 0x00FF00) << "modulo 360";
    EXPECT_EQ(ShiftHue(60, 0x0000FF), 0x00FFFF);
    EXPECT_EQ(ShiftHue(90, Grey(77)), Grey(77));
    EXPECT_EQ(ShiftHue(0, 0x336699), 0x336699);
}

TEST(MaskedCopies, TheMaskBandWeightsEachPixel) {
    ResetFillColors reset;
    // A 2 x 1 image over its mask: black shows the image, white what lies beneath.
    auto src = FromRows({{0x0000C8, M}, {Grey(0), Grey(255)}});
    auto dst = Solid(2, 1, Grey(100));
    MixThroughMask(dst.get(), 0, 0, src.get(), {0, 0, 2, 1}, 1, TKeyRule::Skip, EmptyCacheInfo());
    EXPECT_EQ(Px(dst.get(), 0, 0), 0x0000C8);
    EXPECT_EQ(Px(dst.get(), 1, 0), Grey(100));
    auto faded = Solid(2, 1, Grey(100));
    MixThroughMask(faded.get(), 0, 0, src.get(), {0, 0, 2, 1}, 1, TKeyRule::Skip, EmptyCacheInfo(), 100);
    EXPECT_EQ(Px(faded.get(), 0, 0), TColor(0x2727A0)) << "mask 0 + 100";
    auto corner = Solid(2, 1, Grey(100));
    MaskFillColor = 0x00FF00;
    MixThroughMask(corner.get(), 0, 0, src.get(), {0, 0, 2, 1}, 1, TKeyRule::Corner, EmptyCacheInfo());
    EXPECT_EQ(Px(corner.get(), 1, 0), 0x00FF00);
}

} // namespace
