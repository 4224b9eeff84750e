// The virtual printer passes everything to the process-wide printer.
#include "core/exceptions.h"
#include "gridservices/print/virtualprinter.h"
#include "platform/gdi/dc.h"
#include "previewfixture.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class VirtualPrinterTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        printer.SetPrinterIndex(printer.Printers()->IndexOf(kPdfPrinterName));
        printer.SetOutputFile(pdf);
        old = tv::SetPrinter(&printer);
    }
    void TearDown() override {
        tv::SetPrinter(old);
        PreviewTest::TearDown();
    }
    std::string pdf = tmp.file("directo.pdf");
    TPrinter printer;
    TPrinter* old = nullptr;
    TVirtualPrinter target;
};

TEST_F(VirtualPrinterTest, PrintsOnTheProcessPrinter) {
    target.SetTitle("Catálogo de cuentas");
    EXPECT_EQ(target.GetTitle(), "Catálogo de cuentas");
    EXPECT_EQ(printer.Title(), "Catálogo de cuentas");
    EXPECT_EQ(target.GetPrinters(), printer.Printers());
    EXPECT_EQ(target.GetPrinterIndex(), printer.PrinterIndex());
    EXPECT_EQ(target.GetPixelsPerInchX(), 600);
    EXPECT_EQ(target.GetPixelsPerInchY(), 600);
    // The paper is the printable page and its border on both sides.
    HDC dc = target.GetHandle();
    EXPECT_EQ(target.GetFullPageWidth(), target.GetPageWidth() + 2 * GetDeviceCaps(dc, PHYSICALOFFSETX));
    EXPECT_EQ(target.GetFullPageHeight(), target.GetPageHeight() + 2 * GetDeviceCaps(dc, PHYSICALOFFSETY));
    EXPECT_EQ(target.GetFullPageWidth(), GetDeviceCaps(dc, PHYSICALWIDTH));
    target.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_GT(target.GetPageWidth(), target.GetPageHeight());
    target.SetNumCopies(2);
    EXPECT_EQ(printer.Copies(), 2);

    target.BeginDoc();
    EXPECT_TRUE(target.GetPrinting());
    EXPECT_EQ(target.GetPageNumber(), 1);
    target.GetCanvas()->TextOut(0, 0, "Caja y bancos");
    target.NewPage();
    target.GetCanvas()->TextOut(0, 0, "Inventarios");
    target.EndDoc();
    EXPECT_FALSE(target.GetPrinting());
    std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Caja y bancos"), std::string::npos) << text;
    EXPECT_NE(text.find("Inventarios"), std::string::npos) << text;
}

TEST_F(VirtualPrinterTest, ThePrintersErrorsPassThrough) {
    EXPECT_THROW(target.EndDoc(), EPrinter);
    target.BeginDoc();
    target.Abort();
    EXPECT_TRUE(target.GetAborted());
    EXPECT_FALSE(target.GetPrinting());
}

TEST(VirtualPrinterUnit, TheFirstStartMakesItAndTheLastEndFreesIt) {
    // The program's unit list may have started it already.
    bool started = VirtualPrinter != nullptr;
    StartVirtualPrinterUnit();
    TVirtualPrinter* made = VirtualPrinter;
    ASSERT_NE(made, nullptr);
    StartVirtualPrinterUnit();
    EXPECT_EQ(VirtualPrinter, made);
    EndVirtualPrinterUnit();
    EXPECT_EQ(VirtualPrinter, made);
    EndVirtualPrinterUnit();
    EXPECT_EQ(VirtualPrinter != nullptr, started);
}

} // namespace
} // namespace tvtest
