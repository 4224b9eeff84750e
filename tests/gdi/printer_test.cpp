// The PDF printer, checked with pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/exceptions.h"
#include "gdi/canvas.h"
#include "platform/gdi/text.h"
#include "platform/printer/printers.h"
#include "support/tempdir.h"

using namespace tv::win;

TEST(Printers, ThePdfPrinterIsAlwaysThere) {
    std::vector<PrinterInfo> list = EnumPrinters();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].name, kPdfPrinterName);
    EXPECT_THROW(CreatePrinterDC("No hay tal impresora"), tv::EPrinter);
}

TEST(Printers, DeviceCapsOfAnA4PageAt600Dpi) {
    HDC dc = CreatePrinterDC(kPdfPrinterName);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 4961);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 7016);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 130);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 150);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4961 - 260);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 7016 - 300);
    EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 199);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(dc);

    DEVMODE dm = DefaultDevMode(kPdfPrinterName);
    dm.dmOrientation = DMORIENT_LANDSCAPE;
    dm.dmPrintQuality = 300;
    HDC land = CreatePrinterDC(kPdfPrinterName, &dm);
    EXPECT_EQ(GetDeviceCaps(land, PHYSICALWIDTH), 3508);
    EXPECT_EQ(GetDeviceCaps(land, PHYSICALHEIGHT), 2480);
    EXPECT_EQ(GetDeviceCaps(land, PHYSICALOFFSETX), 65);
    DeleteDC(land);
}

TEST(Printers, TwoPagePdfReadByPopplersTools) {
    tvtest::TempDir tmp;
    std::string file = tmp.file("lista de precios.pdf");
    HDC dc = CreatePrinterDC(kPdfPrinterName);
    HFONT font = CreateFont(-100, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(dc, font);
    DOCINFO info;
    info.lpszDocName = "Lista de precios";
    info.lpszOutput = file;
    ASSERT_GT(StartDoc(dc, info), 0);
    EXPECT_THROW(StartDoc(dc, info), tv::EPrinter);
    StartPage(dc);
    TextOut(dc, 0, 0, "Primera página");
    RECT r{0, 300, 3000, 600};
    DrawText(dc, "Artículo 001\tCafé", &r, DT_SINGLELINE | DT_EXPANDTABS);
    EndPage(dc);
    StartPage(dc);
    TextOut(dc, 100, 100, "Segunda página");
    EndPage(dc);
    ASSERT_GT(EndDoc(dc), 0);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(font);
    DeleteDC(dc);

    int rc = -1;
    std::string pdfinfo = gditest::Run("pdfinfo '" + file + "'", &rc);
    ASSERT_EQ(rc, 0) << pdfinfo;
    EXPECT_NE(pdfinfo.find("Pages:           2"), std::string::npos) << pdfinfo;
    EXPECT_NE(pdfinfo.find("Page size:       595.2"), std::string::npos) << pdfinfo;
    EXPECT_NE(pdfinfo.find("x 841.89 pts (A4)"), std::string::npos) << pdfinfo;
    EXPECT_NE(pdfinfo.find("Lista de precios"), std::string::npos) << pdfinfo;
    std::string text = gditest::Run("pdftotext -layout '" + file + "' -", &rc);
    ASSERT_EQ(rc, 0);
    auto first = text.find("Primera página"), ff = text.find('\f'), second = text.find("Segunda página");
    ASSERT_NE(first, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_LT(first, ff);
    EXPECT_GT(second, ff) << "the second text is on the second page";
    EXPECT_NE(text.find("Artículo 001"), std::string::npos);
    EXPECT_NE(text.find("Café"), std::string::npos);
}

TEST(Printers, AbortDropsTheDocumentAndBadPathsFail) {
    tvtest::TempDir tmp;
    HDC dc = CreatePrinterDC(kPdfPrinterName);
    DOCINFO info;
    info.lpszOutput = tmp.file("abortado.pdf");
    EXPECT_EQ(EndDoc(dc), 0) << "no document yet";
    ASSERT_GT(StartDoc(dc, info), 0);
    StartPage(dc);
    TextOut(dc, 0, 0, "nada");
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_FALSE(std::filesystem::exists(info.lpszOutput));

    info.lpszOutput = tmp.file("no/existe/la/carpeta.pdf");
    EXPECT_THROW(StartDoc(dc, info), tv::EPrinter);
    DeleteDC(dc);

    // Deleting a printer context in the middle of a document drops it too.
    HDC open = CreatePrinterDC(kPdfPrinterName);
    info.lpszOutput = tmp.file("abierto.pdf");
    StartDoc(open, info);
    DeleteDC(open);
    EXPECT_FALSE(std::filesystem::exists(info.lpszOutput));
}

#include "platform/gdi/metafile.h"

TEST(Printers, PreviewPagesPlayedOntoThePrinterKeepTheirText) {
    tvtest::TempDir tmp;
    HDC printer = CreatePrinterDC(kPdfPrinterName);
    int w = GetDeviceCaps(printer, HORZRES), h = GetDeviceCaps(printer, VERTRES);
    std::vector<HENHMETAFILE> pages;
    for (const char* text : {"Página uno del informe", "Página dos del informe"}) {
        HDC mf = CreateEnhMetaFile(printer, w, h);
        HFONT font = CreateFont(-120, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        SelectObject(mf, font);
        TextOut(mf, 200, 200, text);
        SelectObject(mf, GetStockObject(DEFAULT_GUI_FONT));
        DeleteObject(font);
        pages.push_back(CloseEnhMetaFile(mf));
    }
    DOCINFO info;
    info.lpszOutput = tmp.file("informe.pdf");
    StartDoc(printer, info);
    for (HENHMETAFILE page : pages) {
        StartPage(printer);
        RECT all{0, 0, w, h};
        PlayEnhMetaFile(printer, page, &all);
        EndPage(printer);
        DeleteEnhMetaFile(page);
    }
    EndDoc(printer);
    DeleteDC(printer);
    int rc = -1;
    std::string text = gditest::Run("pdftotext '" + info.lpszOutput + "' -", &rc);
    ASSERT_EQ(rc, 0);
    auto one = text.find("Página uno del informe"), two = text.find("Página dos del informe");
    ASSERT_NE(one, std::string::npos) << text;
    ASSERT_NE(two, std::string::npos) << text;
    EXPECT_LT(one, text.find('\f'));
    EXPECT_GT(two, text.find('\f'));
}
