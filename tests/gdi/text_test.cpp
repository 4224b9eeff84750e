// DrawText and friends, checked against widths measured with the same font.
#include <gtest/gtest.h>

#include <algorithm>

#include "gdi/canvas.h"
#include "platform/gdi/text.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

HFONT MakeFont(const std::string& face, int height, int weight = FW_NORMAL, bool italic = false, int escapement = 0) {
    return CreateFont(height, 0, escapement, escapement, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

// A canvas with an Arial 14-pixel font selected, black text, transparent background.
struct TextCanvas : Canvas {
    HFONT font;
    HGDIOBJ old;
    explicit TextCanvas(int w = 300, int h = 120, const std::string& face = "Arial", int height = -14)
        : Canvas(w, h), font(MakeFont(face, height)) {
        old = SelectObject(dc(), font);
        SetBkMode(dc(), TRANSPARENT);
        SetTextColor(dc(), RGB(0, 0, 0));
    }
    ~TextCanvas() {
        SelectObject(dc(), old);
        DeleteObject(font);
    }
    int Width(const std::string& s) {
        SIZE sz;
        GetTextExtentPoint32(dc(), s, &sz);
        return sz.cx;
    }
    TEXTMETRIC Metrics() {
        TEXTMETRIC tm;
        GetTextMetrics(dc(), &tm);
        return tm;
    }
    // Bounding box of everything that is not white.
    RECT Ink() const {
        RECT r{width(), height(), -1, -1};
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (Pixel(x, y) != RGB(255, 255, 255)) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r;
    }
};

} // namespace

TEST(DrawText, WordBreakBreaksAtBlanksWhereTheMeasuredWidthRunsOut) {
    TextCanvas c;
    TEXTMETRIC tm = c.Metrics();
    const std::string text = "uno dos tres cuatro cinco";
    int limit = c.Width("uno dos tres") + 2;
    ASSERT_LT(limit, c.Width("uno dos tres cuatro"));
    int lines = c.Width("cuatro cinco") <= limit ? 2 : 3;
    RECT r{0, 0, limit, 0};
    int h = DrawText(c.dc(), text, &r, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(h, lines * tm.tmHeight);
    EXPECT_EQ(r.bottom, lines * tm.tmHeight);
    EXPECT_EQ(r.right, limit) << "word breaking keeps the width";

    // Drawn: ink in the first `lines` rows of text and none below.
    RECT draw{0, 0, limit, 100};
    DrawText(c.dc(), text, &draw, DT_WORDBREAK | DT_NOPREFIX);
    RECT ink = c.Ink();
    EXPECT_LE(ink.bottom, lines * tm.tmHeight);
    EXPECT_GT(ink.bottom, (lines - 1) * tm.tmHeight);
    EXPECT_LE(ink.right, limit);
}

TEST(DrawText, AWordWiderThanTheLineStaysWholeAndWidensTheCalculatedRect) {
    TextCanvas c;
    RECT r{0, 0, 20, 0};
    DrawText(c.dc(), "Supercalifragilistico ok", &r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r.right, c.Width("Supercalifragilistico"));
    EXPECT_EQ(r.bottom, 2 * c.Metrics().tmHeight);
}

TEST(DrawText, CalculatedRectOfSeveralLinesIsTheWidestLineByTheLineCount) {
    TextCanvas c;
    for (const char* text : {"a\nbbbb\ncc", "a\r\nbbbb\r\ncc", "a\rbbbb\rcc"}) {
        RECT r{5, 7, 6, 8};
        int h = DrawText(c.dc(), text, &r, DT_CALCRECT);
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.right - r.left, c.Width("bbbb")) << text;
        EXPECT_EQ(h, 3 * c.Metrics().tmHeight) << text;
        EXPECT_EQ(r.bottom, 7 + h);
    }
    RECT single{0, 0, 1, 1};
    DrawText(c.dc(), "a\nbbbb", &single, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(single.bottom, c.Metrics().tmHeight);
    EXPECT_EQ(single.right, c.Width("abbbb"));
}

TEST(DrawText, ExpandTabsGoesToStopsOfEightAverageCharacters) {
    TextCanvas c;
    TEXTMETRIC tm = c.Metrics();
    int stop = 8 * tm.tmAveCharWidth;
    ASSERT_LT(c.Width("ab"), stop);
    RECT r{0, 0, 1, 1};
    DrawText(c.dc(), "ab\tcd", &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_NEAR(r.right, stop + c.Width("cd"), 1);
    r = RECT{0, 0, 1, 1};
    DrawText(c.dc(), "ab\tcd\tx", &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_NEAR(r.right, 2 * stop + c.Width("x"), 1);

    // DRAWTEXTPARAMS sets the tab length in average characters.
    DRAWTEXTPARAMS p;
    p.iTabLength = 4;
    r = RECT{0, 0, 1, 1};
    DrawTextEx(c.dc(), "ab\tcd", &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS, &p);
    EXPECT_NEAR(r.right, 4 * tm.tmAveCharWidth + c.Width("cd"), 1);

    // Drawn: the text after the tab starts at the stop.
    RECT d{0, 0, 300, 40};
    DrawText(c.dc(), "\tX", &d, DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_GE(c.Ink().left, stop - 1);
}

TEST(DrawText, EndEllipsisDrawsTheLongestPrefixThatFitsWithDots) {
    const std::string text = "Descripcion del articulo";
    TextCanvas a, b;
    int limit = a.Width("Descripcion d...") + 1;
    ASSERT_LT(limit, a.Width("Descripcion de..."));
    RECT r{0, 0, limit, 40};
    DrawText(a.dc(), text, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    TextOut(b.dc(), 0, 0, "Descripcion d...");
    EXPECT_EQ(a.Pixels(), b.Pixels());
    EXPECT_LE(a.Ink().right, limit);

    RECT calc{0, 0, limit, 0};
    DrawText(a.dc(), text, &calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(calc.right, a.Width("Descripcion d..."));

    // Text that fits is left alone.
    RECT wide{0, 0, 1000, 0};
    DrawText(a.dc(), text, &wide, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(wide.right, a.Width(text));
}

TEST(DrawText, PathEllipsisKeepsTheFileName) {
    const std::string path = "/srv/tallyvo/datos/empresa01/tallyvo.fdb";
    TextCanvas a, b;
    int limit = a.Width("/srv/tal.../tallyvo.fdb") + 1;
    ASSERT_LT(limit, a.Width("/srv/tall.../tallyvo.fdb"));
    RECT r{0, 0, limit, 40};
    DrawText(a.dc(), path, &r, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOCLIP);
    TextOut(b.dc(), 0, 0, "/srv/tal.../tallyvo.fdb");
    EXPECT_EQ(a.Pixels(), b.Pixels());
}

TEST(DrawText, AmpersandPrefixUnderlinesOrHidesOrStays) {
    TextCanvas plain, prefixed, hidden;
    RECT r{0, 0, 200, 40};
    DrawText(plain.dc(), "Guardar", &r, DT_SINGLELINE);
    DrawText(prefixed.dc(), "&Guardar", &r, DT_SINGLELINE);
    DrawText(hidden.dc(), "&Guardar", &r, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(hidden.Pixels(), plain.Pixels());
    EXPECT_NE(prefixed.Pixels(), plain.Pixels()) << "the G is underlined";
    // The underline sits under the first letter only.
    int gWidth = plain.Width("G");
    RECT rest{gWidth + 1, 0, 200, 40};
    EXPECT_EQ(prefixed.Count(RGB(255, 255, 255), rest), plain.Count(RGB(255, 255, 255), rest));

    RECT calc{0, 0, 1, 1};
    DrawText(plain.dc(), "Cut && paste", &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right, plain.Width("Cut & paste"));
    calc = RECT{0, 0, 1, 1};
    DrawText(plain.dc(), "Cut && paste", &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(calc.right, plain.Width("Cut && paste"));
}

TEST(DrawText, AlignmentPlacesTheTextInTheRectangle) {
    struct Case {
        UINT format;
        bool right, centre, vcentre, bottom;
    };
    for (Case k : {Case{DT_LEFT, false, false, false, false}, Case{DT_RIGHT, true, false, false, false},
                   Case{DT_CENTER | DT_VCENTER, false, true, true, false}, Case{DT_BOTTOM, false, false, false, true}}) {
        TextCanvas c(200, 100);
        RECT r{20, 10, 180, 90};
        int w = c.Width("Total");
        int h = DrawText(c.dc(), "Total", &r, k.format | DT_SINGLELINE);
        RECT ink = c.Ink();
        ASSERT_GT(ink.right, ink.left);
        if (k.right) {
            EXPECT_NEAR(ink.right, 180, 2);
        } else if (k.centre) {
            EXPECT_NEAR((ink.left + ink.right) / 2, 100, 3);
        } else {
            EXPECT_NEAR(ink.left, 20, 2);
        }
        int th = c.Metrics().tmHeight;
        if (k.vcentre) {
            EXPECT_NEAR((ink.top + ink.bottom) / 2, 50, th / 2);
        }
        if (k.bottom) {
            EXPECT_LE(ink.bottom, 90);
            EXPECT_GT(ink.top, 90 - th);
            EXPECT_EQ(h, 80);
        }
        EXPECT_LE(ink.right - ink.left, w + 1);
    }
}

TEST(DrawText, MarginsOfDrawTextParamsNarrowTheLine) {
    TextCanvas c;
    DRAWTEXTPARAMS p;
    p.iLeftMargin = 10;
    p.iRightMargin = 7;
    RECT r{0, 0, 100, 30};
    DrawTextEx(c.dc(), "Precio", &r, DT_RIGHT | DT_SINGLELINE, &p);
    EXPECT_NEAR(c.Ink().right, 93, 2);
    DRAWTEXTPARAMS copy = p;
    RECT r2{0, 0, 100, 30};
    DrawTextEx(c.dc(), "Precio", &r2, DT_LEFT | DT_SINGLELINE, &copy);
    EXPECT_EQ(copy.uiLengthDrawn, 6u);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
    TextCanvas clipped, free;
    RECT r{0, 0, 15, 30};
    DrawText(clipped.dc(), "Mercancia", &r, DT_SINGLELINE);
    DrawText(free.dc(), "Mercancia", &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LE(clipped.Ink().right, 15);
    EXPECT_GT(free.Ink().right, 15);
}

TEST(TextMetrics, HeightsFollowTheLogicalFontHeight) {
    for (const char* face : {"Arial", "Arial Narrow", "MS Sans Serif", "Tahoma", "Default"}) {
        TextCanvas neg(10, 10, face, -20), pos(10, 10, face, 20);
        TEXTMETRIC a = neg.Metrics(), b = pos.Metrics();
        EXPECT_EQ(a.tmHeight, a.tmAscent + a.tmDescent) << face;
        EXPECT_NEAR(a.tmHeight - a.tmInternalLeading, 20, 1) << face << ": character height";
        EXPECT_NEAR(b.tmHeight, 20, 1) << face << ": cell height";
        EXPECT_GE(a.tmInternalLeading, 0);
        EXPECT_GE(a.tmExternalLeading, 0);
        EXPECT_EQ(a.tmOverhang, 0);
        EXPECT_GT(a.tmAveCharWidth, 0);
        EXPECT_GE(a.tmMaxCharWidth, a.tmAveCharWidth);
    }
}

TEST(Fonts, WindowsNamesResolveToInstalledMetricCompatibleFamilies) {
    EXPECT_EQ(ResolveFontFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("arial"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("Arial Narrow"), "Liberation Sans Narrow");
    EXPECT_EQ(ResolveFontFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("Default"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("Tahoma"), "DejaVu Sans");
    std::vector<std::string> families = InstalledFontFamilies();
    EXPECT_TRUE(std::binary_search(families.begin(), families.end(), "Liberation Sans"));
    EXPECT_TRUE(std::binary_search(families.begin(), families.end(), "DejaVu Sans"));
    TextCanvas arial(10, 10, "Arial"), narrow(10, 10, "Arial Narrow");
    EXPECT_LT(narrow.Width("Cantidad disponible"), arial.Width("Cantidad disponible"));
}

TEST(Fonts, AnUnknownFaceFallsBackToTheDefaultFamilyAndStillDraws) {
    std::string family = ResolveFontFamily("Fuente Que No Existe 123");
    EXPECT_FALSE(family.empty());
    TextCanvas c(100, 30, "Fuente Que No Existe 123");
    EXPECT_GT(c.Width("abc"), 0);
    TextOut(c.dc(), 2, 2, "abc");
    EXPECT_GT(c.Ink().right, 2);
    EXPECT_EQ(GetTextFace(c.dc()), family);
}

TEST(Fonts, EscapementRotatesTheTextCounterClockwise) {
    Canvas c(100, 100);
    HFONT f = MakeFont("Arial", -14, FW_NORMAL, false, 900);
    HGDIOBJ old = SelectObject(c.dc(), f);
    SetBkMode(c.dc(), TRANSPARENT);
    TextOut(c.dc(), 20, 90, "Vertical");
    SelectObject(c.dc(), old);
    DeleteObject(f);
    RECT ink{100, 100, -1, -1};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (c.Pixel(x, y) != RGB(255, 255, 255)) {
                ink.left = std::min<LONG>(ink.left, x), ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1), ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left)) << "the run goes upwards";
    EXPECT_LE(ink.bottom, 91);
}

TEST(Fonts, OutlineMetricsGiveTheItalicSlope) {
    TextCanvas upright;
    Canvas c(10, 10);
    HFONT f = MakeFont("Arial", -14, FW_NORMAL, true);
    HGDIOBJ old = SelectObject(c.dc(), f);
    OUTLINETEXTMETRIC italic, normal;
    ASSERT_EQ(GetOutlineTextMetrics(c.dc(), sizeof italic, &italic), sizeof italic);
    ASSERT_EQ(GetOutlineTextMetrics(upright.dc(), sizeof normal, &normal), sizeof normal);
    EXPECT_GT(italic.otmsCharSlopeRun, 0);
    EXPECT_GT(italic.otmsCharSlopeRise, italic.otmsCharSlopeRun);
    EXPECT_EQ(normal.otmsCharSlopeRun, 0);
    EXPECT_EQ(normal.otmTextMetrics.tmHeight, upright.Metrics().tmHeight);
    SelectObject(c.dc(), old);
    DeleteObject(f);
}

TEST(ExtTextOut, OpaqueFillsTheRectangleAndClippedKeepsTheTextInside) {
    TextCanvas c(120, 40);
    SetBkColor(c.dc(), RGB(0, 0, 255));
    RECT r{10, 5, 40, 30};
    ExtTextOut(c.dc(), 12, 8, ETO_OPAQUE | ETO_CLIPPED, &r, "Cantidad total");
    EXPECT_EQ(c.Pixel(10, 5), RGB(0, 0, 255));
    EXPECT_EQ(c.Pixel(39, 29), RGB(0, 0, 255));
    EXPECT_EQ(c.Pixel(40, 15), RGB(255, 255, 255));
    RECT outside{40, 0, 120, 40};
    EXPECT_EQ(c.Count(RGB(255, 255, 255), outside), 80 * 40);
    EXPECT_GT(c.Count(RGB(0, 0, 0), r), 0);
}

TEST(TextOut, OpaqueModePaintsTheTextCellAndAlignmentMovesTheReference) {
    TextCanvas c(200, 40);
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), RGB(255, 0, 0));
    int w = c.Width("Saldo");
    int h = c.Metrics().tmHeight;
    SetTextAlign(c.dc(), TA_RIGHT | TA_TOP);
    TextOut(c.dc(), 150, 5, "Saldo");
    EXPECT_EQ(c.Count(RGB(255, 0, 0), RECT{150, 0, 200, 40}), 0);
    EXPECT_EQ(c.Pixel(150 - w, 5), RGB(255, 0, 0));
    EXPECT_EQ(c.Pixel(149, 5 + h - 1), RGB(255, 0, 0));
    EXPECT_EQ(c.Pixel(149, 5 + h), RGB(255, 255, 255));
}

TEST(DrawText, EllipsisOfAVeryLongLineIsQuickAndBrokenUtf8StillDraws) {
    TextCanvas c;
    std::string longText(6000, 'x');
    RECT r{0, 0, 120, 0};
    DrawText(c.dc(), longText, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(r.right, 120);
    EXPECT_GT(r.right, 120 - c.Width("x...") - 1);

    // A Latin-1 "ñ" on its own is not UTF-8: it is shown as the letter it stands for.
    SIZE broken, good;
    GetTextExtentPoint32(c.dc(), "Espa\xF1" "a", &broken);
    GetTextExtentPoint32(c.dc(), "España", &good);
    EXPECT_EQ(broken.cx, good.cx);
}

TEST(DrawText, RightToLeftReadingMovesTheNeutralCharacters) {
    TextCanvas ltr, rtl, plainL, plainR;
    RECT r{0, 0, 200, 30};
    DrawText(ltr.dc(), "Total:", &r, DT_SINGLELINE);
    DrawText(rtl.dc(), "Total:", &r, DT_SINGLELINE | DT_RTLREADING);
    EXPECT_NE(ltr.Pixels(), rtl.Pixels()) << "the colon goes to the left";
    DrawText(plainL.dc(), "Total", &r, DT_SINGLELINE);
    DrawText(plainR.dc(), "Total", &r, DT_SINGLELINE | DT_RTLREADING);
    EXPECT_EQ(plainL.Pixels(), plainR.Pixels());
}
