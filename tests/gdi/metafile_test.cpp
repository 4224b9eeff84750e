// Metafiles recorded for a 600 dpi printer and played back on the screen.
#include <gtest/gtest.h>

#include "gdi/canvas.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/printer/printers.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A 1200 x 800 pixel picture at 600 dpi: the left half red, a blue box at
// (800, 200)-(1000, 400), and a line of text.
HENHMETAFILE RecordPage() {
    HDC printer = CreatePrinterDC(kPdfPrinterName);
    HDC mf = CreateEnhMetaFile(printer, 1200, 800);
    EXPECT_EQ(GetDeviceCaps(mf, LOGPIXELSX), 600);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT left{0, 0, 600, 800};
    FillRect(mf, &left, red);
    DeleteObject(red); // the metafile keeps its own copy
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(mf, blue);
    SelectObject(mf, GetStockObject(NULL_PEN));
    Rectangle(mf, 800, 200, 1001, 401);
    SelectObject(mf, old);
    DeleteObject(blue);
    HFONT font = CreateFont(-100, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(mf, font);
    SetBkMode(mf, TRANSPARENT);
    SIZE sz;
    GetTextExtentPoint32(mf, "Total", &sz);
    RECT measured{0, 0, 1, 1};
    DrawText(mf, "Total", &measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measured.right, sz.cx) << "measuring works and is not recorded";
    EXPECT_GT(sz.cx, 150) << "measured in the printer's pixels";
    TextOut(mf, 700, 600, "Total");
    SelectObject(mf, GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(font);
    HENHMETAFILE result = CloseEnhMetaFile(mf);
    DeleteDC(printer);
    return result;
}

} // namespace

TEST(Metafile, RecordedAtPrinterResolutionPlaysBackScaled) {
    HENHMETAFILE mf = RecordPage();
    ASSERT_NE(mf, nullptr);
    EXPECT_EQ(GetEnhMetaFileSize(mf).cx, 1200);
    EXPECT_EQ(GetEnhMetaFileResolution(mf).cx, 600);

    for (int scale : {4, 2}) {
        int w = 1200 / scale, h = 800 / scale;
        Canvas c(w + 20, h + 20);
        RECT frame{10, 10, 10 + w, 10 + h};
        ASSERT_TRUE(PlayEnhMetaFile(c.dc(), mf, &frame));
        EXPECT_EQ(c.Pixel(10, 10), kRed) << scale;
        EXPECT_EQ(c.Pixel(10 + 600 / scale - 1, 10 + h - 1), kRed);
        EXPECT_EQ(c.Pixel(10 + 600 / scale, 10 + 1), kWhite);
        EXPECT_EQ(c.Pixel(9, 9), kWhite);
        EXPECT_EQ(c.Count(kBlue), (200 / scale) * (200 / scale)) << scale;
        EXPECT_EQ(c.Pixel(10 + 800 / scale, 10 + 200 / scale), kBlue);
        // The text scales with the page: its ink is about 100 / scale pixels high.
        RECT textArea{10 + 700 / scale - 2, 10 + 580 / scale, 10 + w, 10 + h};
        int top = -1, bottom = -1;
        for (int y = textArea.top; y < textArea.bottom; ++y)
            for (int x = textArea.left; x < textArea.right; ++x)
                if (c.Pixel(x, y) != kWhite) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        ASSERT_GE(top, 0) << "text drawn";
        EXPECT_NEAR(bottom - top + 1, 72 / scale, 30 / scale + 2) << "cap height of a 100-pixel font";
        // The device context is as it was after playback.
        EXPECT_EQ(GetMapMode(c.dc()), MM_TEXT);
        EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    }
    DeleteEnhMetaFile(mf);
}

TEST(Metafile, TestsCanReadWhatItHolds) {
    HENHMETAFILE mf = RecordPage();
    std::vector<std::string> records = GetEnhMetaFileRecords(mf);
    ASSERT_GE(records.size(), 6u);
    EXPECT_EQ(records[0].rfind("FillRect({0, 0, 600, 800}", 0), 0u) << records[0];
    bool rect = false, text = false;
    for (const std::string& r : records) {
        rect |= r == "Rectangle(800, 200, 1001, 401)";
        text |= r == "TextOut(700, 600, \"Total\")";
    }
    EXPECT_TRUE(rect);
    EXPECT_TRUE(text);
    HENHMETAFILE copy = CopyEnhMetaFile(mf);
    DeleteEnhMetaFile(mf);
    EXPECT_EQ(GetEnhMetaFileRecords(copy).size(), records.size());
    Canvas c(300, 200);
    RECT frame{0, 0, 300, 200};
    EXPECT_TRUE(PlayEnhMetaFile(c.dc(), copy, &frame)) << "the copy keeps its objects";
    EXPECT_EQ(c.Pixel(5, 5), kRed);
    DeleteEnhMetaFile(copy);
}

TEST(Metafile, ItsOwnMappingComposesWithThePlayback) {
    // The preview's way: the page drawn in a mapping of its own.
    HDC mf = CreateEnhMetaFile(nullptr, 100, 100);
    SetMapMode(mf, MM_ANISOTROPIC);
    SetWindowExtEx(mf, 1000, 1000, nullptr);
    SetViewportExtEx(mf, 100, 100, nullptr);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{500, 0, 1000, 500};
    FillRect(mf, &r, red);
    DeleteObject(red);
    HENHMETAFILE pic = CloseEnhMetaFile(mf);
    Canvas c(50, 50);
    RECT frame{0, 0, 50, 50};
    PlayEnhMetaFile(c.dc(), pic, &frame);
    EXPECT_EQ(c.Count(kRed), 25 * 25);
    EXPECT_EQ(c.Pixel(25, 0), kRed);
    EXPECT_EQ(c.Pixel(24, 0), kWhite);
    DeleteEnhMetaFile(pic);
}
