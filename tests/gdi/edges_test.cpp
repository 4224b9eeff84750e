// Edges and frame controls, pixel by pixel on small bitmaps.
#include <gtest/gtest.h>

#include "gdi/canvas.h"
#include "platform/gdi/edges.h"
#include "platform/window/sysmetrics.h"

using namespace tv::win;
using gditest::Canvas;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
COLORREF Sys(int i) { return GetSysColor(i); }
} // namespace

TEST(DrawEdge, EachBorderKindPutsItsColoursOnBothRings) {
    struct Case {
        UINT edge;
        int outerTL, outerBR, innerTL, innerBR;
    };
    const Case cases[] = {
        {EDGE_RAISED, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW},
        {EDGE_SUNKEN, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {EDGE_ETCHED, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW},
        {EDGE_BUMP, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const Case& k : cases) {
        Canvas c(10, 8);
        RECT r{0, 0, 10, 8};
        ASSERT_TRUE(DrawEdge(c.dc(), &r, k.edge, BF_RECT));
        SCOPED_TRACE(k.edge);
        EXPECT_EQ(c.Pixel(0, 0), Sys(k.outerTL));
        EXPECT_EQ(c.Pixel(5, 0), Sys(k.outerTL));
        EXPECT_EQ(c.Pixel(0, 4), Sys(k.outerTL));
        EXPECT_EQ(c.Pixel(9, 7), Sys(k.outerBR));
        EXPECT_EQ(c.Pixel(9, 0), Sys(k.outerBR)) << "the odd corners take the bottom-right colour";
        EXPECT_EQ(c.Pixel(0, 7), Sys(k.outerBR));
        EXPECT_EQ(c.Pixel(1, 1), Sys(k.innerTL));
        EXPECT_EQ(c.Pixel(8, 6), Sys(k.innerBR));
        EXPECT_EQ(c.Pixel(5, 4), kWhite) << "no middle without BF_MIDDLE";
        EXPECT_EQ(r.left, 0) << "no adjustment without BF_ADJUST";
    }
}

TEST(DrawEdge, SidesMiddleAndAdjust) {
    Canvas c(10, 10);
    RECT r{0, 0, 10, 10};
    DrawEdge(c.dc(), &r, BDR_SUNKENOUTER, BF_LEFT | BF_TOP | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(c.Pixel(0, 5), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(c.Pixel(5, 0), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(c.Pixel(9, 5), Sys(COLOR_3DFACE)) << "no right edge: the middle runs to the side";
    EXPECT_EQ(c.Pixel(5, 9), Sys(COLOR_3DFACE));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 10);
    EXPECT_EQ(r.bottom, 10);

    RECT r2{0, 0, 10, 10};
    DrawEdge(c.dc(), &r2, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r2.left, 2);
    EXPECT_EQ(r2.right, 8);

    Canvas flat(6, 6);
    RECT r3{0, 0, 6, 6};
    DrawEdge(flat.dc(), &r3, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE);
    EXPECT_EQ(flat.Pixel(0, 0), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(flat.Pixel(5, 5), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(flat.Pixel(2, 2), Sys(COLOR_3DFACE));
}

TEST(DrawFrameControl, CheckBoxStates) {
    const COLORREF window = Sys(COLOR_WINDOW), face = Sys(COLOR_3DFACE);
    struct Case {
        UINT state;
        COLORREF inside;
        int markColour; // -1: no mark
    };
    const Case cases[] = {
        {DFCS_BUTTONCHECK, window, -1},
        {DFCS_BUTTONCHECK | DFCS_CHECKED, window, COLOR_WINDOWTEXT},
        {DFCS_BUTTON3STATE | DFCS_CHECKED, face, COLOR_GRAYTEXT},
        {DFCS_BUTTONCHECK | DFCS_INACTIVE, face, -1},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, face, COLOR_GRAYTEXT},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.state);
        Canvas c(13, 13, RGB(1, 2, 3));
        RECT r{0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(c.dc(), &r, DFC_BUTTON, k.state));
        EXPECT_EQ(c.Pixel(0, 0), Sys(COLOR_3DSHADOW));
        EXPECT_EQ(c.Pixel(12, 12), Sys(COLOR_3DHIGHLIGHT));
        EXPECT_EQ(c.Pixel(2, 2), k.inside);
        EXPECT_EQ(c.Count(RGB(1, 2, 3)), 0) << "the box covers the rectangle";
        if (k.markColour < 0) {
            EXPECT_EQ(c.Count(k.inside, RECT{2, 2, 11, 11}), 81);
        } else {
            EXPECT_EQ(c.Count(Sys(k.markColour), RECT{2, 2, 11, 11}), 21) << "a 7 x 3 tick";
        }
    }
}

TEST(DrawFrameControl, TheTickGrowsWithTheBox) {
    // A printed check box at 600 dpi is large; its tick is scaled with it.
    Canvas c(60, 60);
    RECT r{0, 0, 60, 60};
    DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    int unit = (60 - 4) / 9;
    EXPECT_EQ(c.Count(Sys(COLOR_WINDOWTEXT)), 21 * unit * unit);
}

TEST(DrawFrameControl, PushButtonsAndScrollArrows) {
    Canvas up(16, 16), pushed(16, 16), flat(16, 16);
    RECT r{0, 0, 16, 16};
    DrawFrameControl(up.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    DrawFrameControl(pushed.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    DrawFrameControl(flat.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT);
    EXPECT_EQ(up.Pixel(15, 15), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(pushed.Pixel(15, 15), Sys(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(flat.Pixel(15, 15), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(up.Pixel(8, 8), Sys(COLOR_3DFACE));

    // Arrow rows: the widest row is at the base of the triangle.
    auto rows = [](const Canvas& c, COLORREF ink) {
        std::vector<int> widths;
        for (int y = 0; y < c.height(); ++y) {
            int n = c.Count(ink, RECT{0, y, c.width(), y + 1});
            if (n) widths.push_back(n);
        }
        return widths;
    };
    COLORREF text = Sys(COLOR_BTNTEXT);
    for (UINT kind : {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLCOMBOBOX}) {
        Canvas c(17, 17);
        RECT a{0, 0, 17, 17};
        DrawFrameControl(c.dc(), &a, DFC_SCROLL, kind);
        std::vector<int> w = rows(c, text);
        ASSERT_GE(w.size(), 3u) << kind;
        if (kind == DFCS_SCROLLUP) EXPECT_LT(w.front(), w.back());
        else EXPECT_GT(w.front(), w.back());
        EXPECT_EQ(w.front() == 1 || w.back() == 1, true) << "the tip is one pixel";
    }
    Canvas inactive(17, 17);
    DrawFrameControl(inactive.dc(), &r, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
    EXPECT_EQ(inactive.Count(text), 0);
    EXPECT_GT(inactive.Count(Sys(COLOR_GRAYTEXT)), 3);
}

TEST(DrawFrameControl, CaptionButtonsDrawTheirGlyphs) {
    std::vector<std::vector<COLORREF>> seen;
    for (UINT kind : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP}) {
        Canvas c(18, 16);
        RECT r{0, 0, 18, 16};
        ASSERT_TRUE(DrawFrameControl(c.dc(), &r, DFC_CAPTION, kind));
        EXPECT_GT(c.Count(Sys(COLOR_BTNTEXT)), 2) << kind;
        for (const auto& other : seen) EXPECT_NE(other, c.Pixels()) << "each glyph differs";
        seen.push_back(c.Pixels());
    }
}
