#include <gtest/gtest.h>

#include <memory>

#include "platform/region.h"

using namespace tv::win;

namespace {

using Rgn = std::unique_ptr<RegionObject>;
Rgn R(int l, int t, int r, int b) { return Rgn(CreateRectRgn(l, t, r, b)); }

// Counts the pixels of a region inside a box, to compare areas.
int Area(HRGN rgn) {
    int a = 0;
    for (auto& r : RegionRects(rgn)) a += r.Width() * r.Height();
    return a;
}

} // namespace

TEST(Region, CombineModesAndTheirResults) {
    struct Case {
        int mode;
        int expect;
        int area;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, 25},       // overlap 5x5
        {RGN_OR, COMPLEXREGION, 175},      // 100 + 100 - 25
        {RGN_XOR, COMPLEXREGION, 150},
        {RGN_DIFF, COMPLEXREGION, 75},
        {RGN_COPY, SIMPLEREGION, 100},
    };
    for (auto& c : cases) {
        Rgn a = R(0, 0, 10, 10), b = R(5, 5, 15, 15), d = R(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), c.mode), c.expect) << c.mode;
        EXPECT_EQ(Area(d.get()), c.area) << c.mode;
    }
    Rgn a = R(0, 0, 10, 10), b = R(20, 20, 30, 30), d = R(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(d.get(), a.get(), nullptr, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), 99), ERROR);
    // The destination may be one of the sources.
    EXPECT_EQ(CombineRgn(a.get(), a.get(), b.get(), RGN_OR), COMPLEXREGION);
    EXPECT_EQ(Area(a.get()), 200);
}

TEST(Region, EqualAreasHaveEqualBandsWhateverTheirHistory) {
    // An L shape built two ways.
    Rgn one = R(0, 0, 10, 20), two = R(10, 10, 20, 20);
    CombineRgn(one.get(), one.get(), two.get(), RGN_OR);
    Rgn other = R(0, 0, 20, 20), cut = R(10, 0, 20, 10);
    CombineRgn(other.get(), other.get(), cut.get(), RGN_DIFF);
    EXPECT_TRUE(EqualRgn(one.get(), other.get()));
    EXPECT_EQ(RegionRects(one.get()).size(), 2u);
    // Merging adjacent rectangles back gives one rectangle.
    Rgn left = R(0, 0, 5, 10), right = R(5, 0, 10, 10);
    EXPECT_EQ(CombineRgn(left.get(), left.get(), right.get(), RGN_OR), SIMPLEREGION);
}

TEST(Region, PointsRectanglesBoxOffsetAndReset) {
    Rgn a = R(10, 10, 20, 20);
    EXPECT_TRUE(PtInRegion(a.get(), 10, 10));
    EXPECT_FALSE(PtInRegion(a.get(), 20, 10)); // right and bottom edges are outside
    RECT in{15, 15, 30, 30}, out{20, 20, 30, 30};
    EXPECT_TRUE(RectInRegion(a.get(), &in));
    EXPECT_FALSE(RectInRegion(a.get(), &out));
    EXPECT_EQ(OffsetRgn(a.get(), -10, 5), SIMPLEREGION);
    RECT box;
    EXPECT_EQ(GetRgnBox(a.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 15);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(box.bottom, 25);
    EXPECT_TRUE(SetRectRgn(a.get(), 5, 5, 5, 50));
    EXPECT_EQ(GetRgnBox(a.get(), &box), NULLREGION);
    // Reversed corners are put in order.
    Rgn rev = R(10, 10, 0, 0);
    EXPECT_EQ(Area(rev.get()), 100);
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
    EXPECT_EQ(GetRgnBox(nullptr, &box), ERROR);
}

TEST(Region, EllipseAndRoundRect) {
    Rgn e(CreateEllipticRgn(0, 0, 100, 50));
    EXPECT_TRUE(PtInRegion(e.get(), 50, 25));
    EXPECT_TRUE(PtInRegion(e.get(), 1, 25));
    EXPECT_FALSE(PtInRegion(e.get(), 2, 2));
    EXPECT_FALSE(PtInRegion(e.get(), 97, 47));
    RECT box;
    GetRgnBox(e.get(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 100);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.bottom, 50);
    Rgn rr(CreateRoundRectRgn(0, 0, 100, 100, 20, 20));
    EXPECT_FALSE(PtInRegion(rr.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(rr.get(), 10, 0));
    EXPECT_TRUE(PtInRegion(rr.get(), 0, 50));
    EXPECT_TRUE(PtInRegion(rr.get(), 50, 50));
}

TEST(Region, PolygonFillModes) {
    // A five-pointed star drawn in one stroke: its centre is enclosed twice,
    // so ALTERNATE leaves it out and WINDING fills it.
    POINT star[] = {{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    Rgn alt(CreatePolygonRgn(star, 5, ALTERNATE));
    Rgn wind(CreatePolygonRgn(star, 5, WINDING));
    EXPECT_FALSE(PtInRegion(alt.get(), 50, 50));
    EXPECT_TRUE(PtInRegion(wind.get(), 50, 50));
    EXPECT_TRUE(PtInRegion(alt.get(), 50, 10));
    EXPECT_TRUE(PtInRegion(wind.get(), 50, 10));
    EXPECT_GT(Area(wind.get()), Area(alt.get()));
    // A triangle: both modes agree.
    POINT tri[] = {{0, 0}, {40, 0}, {0, 40}};
    Rgn t1(CreatePolygonRgn(tri, 3, ALTERNATE)), t2(CreatePolygonRgn(tri, 3, WINDING));
    EXPECT_TRUE(EqualRgn(t1.get(), t2.get()));
    EXPECT_NEAR(Area(t1.get()), 800, 40);
    // Too few points give an empty region, not a failure.
    Rgn none(CreatePolygonRgn(tri, 2, ALTERNATE));
    EXPECT_EQ(none->Complexity(), NULLREGION);
}

TEST(Region, RectangleHelpers) {
    RECT a{0, 0, 10, 10}, b{5, 5, 20, 20}, d;
    EXPECT_TRUE(IntersectRect(&d, &a, &b));
    EXPECT_TRUE((d.left == 5 && d.bottom == 10));
    RECT far{30, 30, 40, 40};
    EXPECT_FALSE(IntersectRect(&d, &a, &far));
    EXPECT_TRUE(IsRectEmpty(&d));
    EXPECT_TRUE(UnionRect(&d, &a, &far));
    EXPECT_EQ(d.right, 40);
    RECT top{0, 0, 10, 4};
    EXPECT_TRUE(SubtractRect(&d, &a, &top));
    EXPECT_EQ(d.top, 4);
    EXPECT_TRUE(PtInRect(&a, {0, 9}));
    EXPECT_FALSE(PtInRect(&a, {10, 9}));
}

namespace {

// The banded form every region keeps: bands sorted and apart, spans sorted,
// apart and non-empty, and no two touching bands with the same spans.
::testing::AssertionResult WellBanded(HRGN rgn) {
    const auto& rs = RegionRects(rgn);
    std::size_t prevBegin = 0, prevEnd = 0;
    for (std::size_t i = 0; i < rs.size();) {
        std::size_t end = i;
        while (end < rs.size() && rs[end].top == rs[i].top) ++end;
        for (std::size_t k = i; k < end; ++k) {
            if (rs[k].bottom != rs[i].bottom || rs[k].left >= rs[k].right || rs[k].top >= rs[k].bottom)
                return ::testing::AssertionFailure() << "bad rectangle " << k;
            if (k > i && rs[k].left <= rs[k - 1].right) return ::testing::AssertionFailure() << "spans touch " << k;
        }
        if (prevEnd > prevBegin) {
            if (rs[i].top < rs[prevBegin].bottom) return ::testing::AssertionFailure() << "bands overlap " << i;
            bool same = end - i == prevEnd - prevBegin && rs[i].top == rs[prevBegin].bottom;
            for (std::size_t k = 0; same && k < end - i; ++k)
                same = rs[i + k].left == rs[prevBegin + k].left && rs[i + k].right == rs[prevBegin + k].right;
            if (same) return ::testing::AssertionFailure() << "unmerged bands at " << i;
        }
        prevBegin = i, prevEnd = end, i = end;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Region, EveryModeKeepsEachPixelsMembershipAndTheBandedForm) {
    // Rectangles, touching and nested ones, an empty region and shapes of many bands.
    std::vector<Rgn> shapes;
    shapes.push_back(R(0, 0, 0, 0));
    shapes.push_back(R(2, 2, 12, 9));
    shapes.push_back(R(4, 3, 8, 6));   // inside the one above
    shapes.push_back(R(12, 2, 20, 9)); // beside it, same band
    shapes.push_back(R(2, 9, 12, 15)); // under it, same sides
    shapes.push_back(R(30, 30, 40, 40));
    shapes.push_back(Rgn(CreateEllipticRgn(0, 0, 24, 18)));
    POINT star[] = {{12, 0}, {19, 22}, {1, 8}, {23, 8}, {5, 22}};
    shapes.push_back(Rgn(CreatePolygonRgn(star, 5, ALTERNATE)));
    RECT scattered[] = {{0, 0, 3, 3}, {6, 0, 9, 3}, {3, 3, 6, 6}, {0, 10, 20, 12}, {8, 5, 30, 11}};
    shapes.push_back(Rgn(CreateRgnFromRects(scattered, 5)));
    const struct {
        int mode;
        bool (*keep)(bool, bool);
    } modes[] = {{RGN_AND, [](bool x, bool y) { return x && y; }},
                 {RGN_OR, [](bool x, bool y) { return x || y; }},
                 {RGN_XOR, [](bool x, bool y) { return x != y; }},
                 {RGN_DIFF, [](bool x, bool y) { return x && !y; }}};
    for (std::size_t i = 0; i < shapes.size(); ++i)
        for (std::size_t j = 0; j < shapes.size(); ++j)
            for (const auto& m : modes) {
                Rgn d = R(0, 0, 0, 0);
                const int got = CombineRgn(d.get(), shapes[i].get(), shapes[j].get(), m.mode);
                ASSERT_TRUE(WellBanded(d.get())) << i << " " << j << " mode " << m.mode;
                EXPECT_EQ(got, d->Complexity());
                int wrong = 0;
                for (int y = -1; y < 42; ++y)
                    for (int x = -1; x < 42; ++x)
                        wrong += m.keep(PtInRegion(shapes[i].get(), x, y), PtInRegion(shapes[j].get(), x, y)) !=
                                 (PtInRegion(d.get(), x, y) != FALSE);
                EXPECT_EQ(wrong, 0) << i << " " << j << " mode " << m.mode;
                // Into one of its own sources, as the window system combines.
                Rgn self(new RegionObject(*shapes[i]));
                CombineRgn(self.get(), self.get(), shapes[j].get(), m.mode);
                EXPECT_TRUE(EqualRgn(self.get(), d.get())) << i << " " << j << " mode " << m.mode;
            }
}
