// Raster operations, lines and shapes on memory bitmaps.
#include <gtest/gtest.h>

#include <cstring>

#include "core/exceptions.h"
#include "gdi/canvas.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = 0, kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A canvas with a varied background, so XOR results are not trivial.
void Stripes(Canvas& c) {
    for (int y = 0; y < c.height(); ++y) {
        BYTE* p = ScanLine(c.bitmap(), y);
        for (int x = 0; x < c.width(); ++x, p += 3) {
            p[0] = BYTE(x * 5);
            p[1] = BYTE(y * 7);
            p[2] = BYTE((x + y) * 3);
        }
    }
}

} // namespace

TEST(Raster, XorLinesDrawnTwiceLeaveTheSurfaceAsItWas) {
    for (int rop : {R2_XORPEN, R2_NOT, R2_NOTXORPEN}) {
        Canvas c(64, 48);
        Stripes(c);
        std::vector<COLORREF> before = c.Pixels();
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 30, 90));
        HGDIOBJ old = SelectObject(c.dc(), pen);
        SetROP2(c.dc(), rop);
        POINT pts[] = {{2, 3}, {50, 40}, {60, 5}, {2, 3}};
        auto draw = [&] {
            MoveToEx(c.dc(), 0, 20, nullptr);
            LineTo(c.dc(), 63, 20);
            MoveToEx(c.dc(), 30, 0, nullptr);
            LineTo(c.dc(), 30, 47);
            Polyline(c.dc(), pts, 4);
        };
        draw();
        EXPECT_NE(c.Pixels(), before) << rop;
        draw();
        EXPECT_EQ(c.Pixels(), before) << rop;
        SelectObject(c.dc(), old);
        DeleteObject(pen);
    }
    Canvas f(40, 30);
    Stripes(f);
    std::vector<COLORREF> before = f.Pixels();
    RECT r{3, 4, 30, 25};
    DrawFocusRect(f.dc(), &r);
    EXPECT_NE(f.Pixels(), before);
    DrawFocusRect(f.dc(), &r);
    EXPECT_EQ(f.Pixels(), before);
}

// A raster operation inside a clip rectangle of a moved origin changes the
// clipped pixels as it would without the clip, and no others.
TEST(Raster, XorInsideAClipChangesWhatTheClipLetsThroughAndNothingElse) {
    auto draw = [](Canvas& c, bool clipped) {
        SetViewportOrgEx(c.dc(), 5, 3, nullptr);
        if (clipped) IntersectClipRect(c.dc(), 10, 8, 37, 29);
        SetROP2(c.dc(), R2_XORPEN);
        HPEN pen = CreatePen(PS_SOLID, 3, RGB(200, 30, 90));
        HGDIOBJ old = SelectObject(c.dc(), pen);
        MoveToEx(c.dc(), -5, 0, nullptr);
        LineTo(c.dc(), 58, 44);
        RECT r{2, 12, 50, 20};
        DrawFocusRect(c.dc(), &r);
        SelectObject(c.dc(), old);
        DeleteObject(pen);
    };
    Canvas free(64, 48), clipped(64, 48);
    Stripes(free);
    Stripes(clipped);
    const std::vector<COLORREF> before = clipped.Pixels();
    draw(free, false);
    draw(clipped, true);
    int changed = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 15 && x < 42 && y >= 11 && y < 32;
            const COLORREF want = inside ? free.Pixel(x, y) : before[static_cast<std::size_t>(y) * 64 + x];
            EXPECT_EQ(clipped.Pixel(x, y), want) << x << "," << y;
            changed += clipped.Pixel(x, y) != before[static_cast<std::size_t>(y) * 64 + x];
        }
    EXPECT_GT(changed, 20);
}

TEST(Raster, LinesLeaveTheirLastPixelOut) {
    Canvas c(20, 20);
    MoveToEx(c.dc(), 2, 5, nullptr);
    LineTo(c.dc(), 12, 5);
    EXPECT_EQ(c.Count(kBlack, RECT{2, 5, 12, 6}), 10);
    EXPECT_EQ(c.Pixel(12, 5), kWhite);
    EXPECT_EQ(c.Count(kBlack), 10);
    POINT pos;
    GetCurrentPositionEx(c.dc(), &pos);
    EXPECT_EQ(pos.x, 12);
    LineTo(c.dc(), 12, 15);
    EXPECT_EQ(c.Count(kBlack, RECT{12, 5, 13, 15}), 10);
    EXPECT_EQ(c.Pixel(12, 15), kWhite);
}

TEST(Raster, PolyPolylineDrawsEachRunOnItsOwn) {
    Canvas c(20, 20);
    POINT pts[] = {{0, 2}, {10, 2}, {0, 8}, {10, 8}, {5, 10}, {5, 19}};
    DWORD counts[] = {2, 2, 2};
    ASSERT_TRUE(PolyPolyline(c.dc(), pts, counts, 3));
    EXPECT_EQ(c.Count(kBlack), 10 + 10 + 9);
    EXPECT_EQ(c.Pixel(5, 5), kWhite) << "runs are not joined";
}

TEST(Raster, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Canvas c(12, 12);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(c.dc(), red);
    Rectangle(c.dc(), 2, 2, 9, 8);
    EXPECT_EQ(c.Pixel(2, 2), kBlack);
    EXPECT_EQ(c.Pixel(8, 7), kBlack);
    EXPECT_EQ(c.Pixel(9, 8), kWhite);
    EXPECT_EQ(c.Count(kRed), 5 * 4);
    EXPECT_EQ(c.Count(kBlack), 7 * 6 - 5 * 4);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    c.Fill(kWhite);
    Rectangle(c.dc(), 2, 2, 9, 8);
    EXPECT_EQ(c.Count(kRed), 6 * 5) << "with no pen the fill is one pixel smaller";
    SelectObject(c.dc(), old);
    DeleteObject(red);
}

TEST(Raster, FillFrameAndInvertRect) {
    Canvas c(10, 10);
    HBRUSH blue = CreateSolidBrush(kBlue);
    RECT r{1, 1, 9, 9};
    FillRect(c.dc(), &r, blue);
    EXPECT_EQ(c.Count(kBlue), 64);
    RECT f{0, 0, 10, 10};
    FrameRect(c.dc(), &f, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Count(kBlack), 36);
    RECT inv{0, 0, 5, 10};
    InvertRect(c.dc(), &inv);
    EXPECT_EQ(c.Pixel(0, 0), kWhite);
    EXPECT_EQ(c.Pixel(2, 2), RGB(255, 255, 0));
    DeleteObject(blue);
}

TEST(Raster, BitBltRasterOperations) {
    const COLORREF S = RGB(0xF0, 0x0F, 0x55), D = RGB(0x3C, 0xA5, 0x0F), P = RGB(0x11, 0x22, 0x33);
    auto inv = [](COLORREF c) { return ~c & 0xFFFFFF; };
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, S},        {SRCPAINT, S | D},    {SRCAND, S & D},     {SRCINVERT, S ^ D},
        {SRCERASE, S & inv(D)}, {NOTSRCCOPY, inv(S)}, {NOTSRCERASE, inv(S | D)}, {MERGEPAINT, inv(S) | D},
        {DSTINVERT, inv(D)}, {PATCOPY, P},         {PATINVERT, P ^ D},  {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF}, {MERGECOPY, P & S},
    };
    Canvas src(4, 4, S);
    for (const Case& k : cases) {
        Canvas dst(6, 6, D);
        HBRUSH brush = CreateSolidBrush(P);
        HGDIOBJ old = SelectObject(dst.dc(), brush);
        ASSERT_TRUE(BitBlt(dst.dc(), 1, 1, 4, 4, src.dc(), 0, 0, k.rop)) << std::hex << k.rop;
        EXPECT_EQ(dst.Pixel(2, 2), k.expected) << std::hex << k.rop;
        EXPECT_EQ(dst.Pixel(0, 0), D) << "outside the block";
        EXPECT_EQ(dst.Pixel(5, 5), D);
        SelectObject(dst.dc(), old);
        DeleteObject(brush);
    }
    Canvas pat(4, 4, D);
    HBRUSH brush = CreateSolidBrush(P);
    SelectObject(pat.dc(), brush);
    ASSERT_TRUE(PatBlt(pat.dc(), 0, 0, 2, 4, PATINVERT));
    EXPECT_EQ(pat.Pixel(1, 1), P ^ D);
    EXPECT_EQ(pat.Pixel(2, 1), D);
    EXPECT_FALSE(PatBlt(pat.dc(), 0, 0, 2, 2, SRCCOPY)) << "a source operation needs a source";
    SelectObject(pat.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST(Raster, StretchBltScalesAndMirrors) {
    Canvas src(2, 1);
    SetPixel(src.dc(), 0, 0, kRed);
    SetPixel(src.dc(), 1, 0, kBlue);
    Canvas dst(4, 2);
    StretchBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.Pixel(0, 0), kRed);
    EXPECT_EQ(dst.Pixel(1, 0), kRed);
    EXPECT_EQ(dst.Pixel(2, 0), kBlue);
    EXPECT_EQ(dst.Pixel(3, 0), kBlue);
    StretchBlt(dst.dc(), 4, 1, -4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.Pixel(0, 1), kBlue);
    EXPECT_EQ(dst.Pixel(3, 1), kRed);
}

TEST(Raster, TransparentBltLeavesTheKeyColourOut) {
    const COLORREF magenta = RGB(255, 0, 255);
    Canvas src(3, 1, magenta);
    SetPixel(src.dc(), 1, 0, kBlue);
    Canvas dst(3, 1, kRed);
    TransparentBlt(dst.dc(), 0, 0, 3, 1, src.dc(), 0, 0, 3, 1, magenta);
    EXPECT_EQ(dst.Pixel(0, 0), kRed);
    EXPECT_EQ(dst.Pixel(1, 0), kBlue);
    EXPECT_EQ(dst.Pixel(2, 0), kRed);
}

TEST(Raster, StretchDIBitsReadsBottomUpRows) {
    // Two rows of 24-bit pixels, padded to 4 bytes, bottom row first.
    std::vector<BYTE> bits = {0, 0, 255, 0, 0, 255, 0, 0, // bottom: red red
                              255, 0, 0, 255, 0, 0, 0, 0}; // top: blue blue
    BITMAPINFO info;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biBitCount = 24;
    Canvas dst(4, 4);
    EXPECT_EQ(StretchDIBits(dst.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(dst.Pixel(1, 0), kBlue);
    EXPECT_EQ(dst.Pixel(1, 3), kRed);
    info.bmiHeader.biBitCount = 16;
    EXPECT_EQ(StretchDIBits(dst.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY), 0);
}

TEST(Bitmaps, RowsAreBottomUpInMemoryAndStayInStepWithDrawing) {
    Canvas c(5, 4);
    EXPECT_EQ(ScanLine(c.bitmap(), 1) - ScanLine(c.bitmap(), 0), -BytesPerRow(c.bitmap()));
    EXPECT_EQ(BytesPerRow(c.bitmap()), 16);
    // Drawn through the device context, read through the rows...
    SetPixel(c.dc(), 3, 0, kRed);
    const BYTE* row = ScanLine(c.bitmap(), 0);
    EXPECT_EQ(row[9], 0);
    EXPECT_EQ(row[11], 255);
    // ...written through the rows, read through the device context.
    BYTE* last = ScanLine(c.bitmap(), 3);
    last[0] = 255, last[1] = 0, last[2] = 0;
    EXPECT_EQ(GetPixel(c.dc(), 0, 3), kBlue);
    BITMAP bm;
    ASSERT_EQ(GetObject(c.bitmap(), sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmBitsPixel, 24);
}

TEST(Bitmaps, ZeroSizedBitmapsDrawNothingAndBadSizesAreRefused) {
    HBITMAP empty = CreateDIBitmap(0, 0, 24);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, empty);
    ASSERT_NE(old, nullptr);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    Canvas dst(4, 4);
    EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Count(kWhite), 16);
    EXPECT_THROW(ScanLine(empty, 0), tv::EInvalidGraphic);
    EXPECT_FALSE(DeleteObject(empty)) << "still selected";
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(empty));
    DeleteDC(dc);
    EXPECT_THROW(CreateDIBitmap(-1, 5, 24), tv::EInvalidGraphic);
    EXPECT_THROW(CreateDIBitmap(4, 4, 16), tv::EInvalidGraphic);
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
}

TEST(Objects, DeletingASelectedPenLeavesTheDefaultInItsPlace) {
    Canvas c(10, 10);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(c.dc(), red);
    SaveDC(c.dc());
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 5, 0);
    EXPECT_EQ(c.Pixel(1, 0), kBlack);
    RestoreDC(c.dc(), -1);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN)) << "saved states too";
    LOGPEN lp;
    HPEN blue = CreatePen(PS_DASH, 3, kBlue);
    ASSERT_EQ(GetObject(blue, sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, kBlue);
    EXPECT_EQ(GetObject(blue, 2, &lp), 0) << "buffer too small";
    EXPECT_EQ(GetObjectType(blue), OBJ_PEN);
    DeleteObject(blue);
}

TEST(Shapes, EllipsePolygonAndGradient) {
    Canvas c(40, 40);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(c.dc(), red);
    Ellipse(c.dc(), 0, 0, 40, 40);
    EXPECT_EQ(c.Pixel(20, 20), kRed);
    EXPECT_EQ(c.Pixel(1, 1), kWhite);
    EXPECT_EQ(c.Pixel(20, 0), kBlack);
    c.Fill(kWhite);
    // A pentagram: the centre is inside with winding, outside with alternate.
    POINT star[] = {{20, 0}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    SetPolyFillMode(c.dc(), ALTERNATE);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.Pixel(20, 22), kWhite);
    SetPolyFillMode(c.dc(), WINDING);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.Pixel(20, 22), kRed);
    SelectObject(c.dc(), old);
    DeleteObject(red);

    Canvas g(256, 4);
    TRIVERTEX v[2];
    v[0].x = 0, v[0].y = 0, v[0].Red = v[0].Green = v[0].Blue = 0;
    v[1].x = 256, v[1].y = 4, v[1].Red = v[1].Green = v[1].Blue = 0xFF00;
    GRADIENT_RECT gr{0, 1};
    ASSERT_TRUE(GradientFill(g.dc(), v, 2, &gr, 1, GRADIENT_FILL_RECT_H));
    EXPECT_LE(GetRValue(g.Pixel(0, 1)), 2);
    EXPECT_GE(GetRValue(g.Pixel(255, 1)), 253);
    for (int x = 1; x < 256; ++x) EXPECT_GE(GetRValue(g.Pixel(x, 1)), GetRValue(g.Pixel(x - 1, 1)));
    GRADIENT_RECT bad{0, 5};
    EXPECT_FALSE(GradientFill(g.dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(Brushes, PatternAndHatchBrushesTile) {
    Canvas checker(2, 2, kWhite);
    SetPixel(checker.dc(), 0, 0, kRed);
    SetPixel(checker.dc(), 1, 1, kRed);
    HBRUSH pattern = CreatePatternBrush(checker.bitmap());
    Canvas c(6, 4);
    RECT r{0, 0, 6, 4};
    FillRect(c.dc(), &r, pattern);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(c.Pixel(x, y), (x + y) % 2 ? kWhite : kRed) << x << "," << y;
    DeleteObject(pattern);

    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, kBlue);
    Canvas h(8, 16);
    SetBkMode(h.dc(), TRANSPARENT);
    RECT hr{0, 0, 8, 16};
    FillRect(h.dc(), &hr, hatch);
    EXPECT_EQ(h.Count(kBlue), 16) << "one line in every eight rows";
    EXPECT_EQ(h.Count(kBlue, RECT{0, 0, 8, 1}) + h.Count(kBlue, RECT{0, 7, 8, 8}), 8);
    DeleteObject(hatch);
}

TEST(Pens, GeometricPensWithFlatEndsStopAtTheirPoints) {
    LOGBRUSH lb;
    lb.lbColor = kBlue;
    HPEN flat = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, 5, lb);
    HPEN round = CreatePen(PS_SOLID, 5, kBlue);
    Canvas a(40, 20), b(40, 20);
    SelectObject(a.dc(), flat);
    SelectObject(b.dc(), round);
    for (HDC dc : {a.dc(), b.dc()}) {
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, 30, 10);
    }
    EXPECT_EQ(a.Count(kBlue, RECT{10, 0, 30, 20}), 20 * 5);
    EXPECT_EQ(a.Count(kBlue), 20 * 5) << "nothing past the ends";
    EXPECT_GT(b.Count(kBlue), 20 * 5) << "round ends reach past them";
    EXTLOGPEN info;
    ASSERT_GT(GetObject(flat, sizeof info, &info), 0);
    EXPECT_EQ(info.elpPenStyle & PS_ENDCAP_MASK, PS_ENDCAP_FLAT);
    SelectObject(a.dc(), GetStockObject(BLACK_PEN));
    SelectObject(b.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(flat);
    DeleteObject(round);
}

TEST(Raster, OverlappingCopyWithinOneSurfaceScrolls) {
    Canvas c(10, 1);
    for (int x = 0; x < 10; ++x) SetPixel(c.dc(), x, 0, RGB(x * 20, 0, 0));
    BitBlt(c.dc(), 2, 0, 8, 1, c.dc(), 0, 0, SRCCOPY);
    for (int x = 2; x < 10; ++x) EXPECT_EQ(c.Pixel(x, 0), RGB((x - 2) * 20, 0, 0)) << x;
    EXPECT_EQ(c.Pixel(1, 0), RGB(20, 0, 0));
}
