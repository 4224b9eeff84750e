// The framework's printer: real PDF jobs read back with pdfinfo and
// pdftotext, the job's state rules, and the printer set-up action.
#include <cstdio>
#include <filesystem>

#include "core/exceptions.h"
#include "framework/ui/actions.h"
#include "framework/ui/printers.h"
#include "platform/gdi/dc.h"
#include "support/tempdir.h"
#include "uifixture.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

std::string Shell(const std::string& command, int* rc = nullptr) {
    std::string out;
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int status = ::pclose(p);
    if (rc) *rc = status;
    return out;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PrinterTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        printer.SetPrinterIndex(printer.Printers()->IndexOf(kPdfPrinterName));
        printer.SetOutputFile(pdf);
    }
    TempDir tmp;
    std::string pdf = tmp.file("impresión.pdf");
    TPrinter printer;
};

TEST_F(PrinterTest, TwoPagesOfAnA4JobReachThePdf) {
    ASSERT_GE(printer.PrinterIndex(), 0);
    EXPECT_EQ(printer.Printers()->Strings(0), kPdfPrinterName);
    EXPECT_TRUE(printer.Capabilities().Contains(pcOrientation));
    EXPECT_GT(printer.Fonts()->Count(), 0);
    printer.SetTitle("Lista de precios");
    printer.Canvas()->Font()->SetName("DejaVu Sans");
    printer.Canvas()->Font()->SetSize(12);

    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 1);
    // 12 points stay 12 points at the printer's resolution: 100 device pixels.
    EXPECT_EQ(printer.Canvas()->Font()->Size(), 12);
    EXPECT_NEAR(printer.Canvas()->TextHeight("Ág"), 100 * 1.2, 30);
    printer.Canvas()->TextOut(0, 0, "Primera página del café");
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.Canvas()->TextOut(100, printer.PageHeight() - 200, "Segunda página");
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(printer.Aborted());

    int rc = 0;
    std::string info = Shell("pdfinfo '" + pdf + "'", &rc);
    ASSERT_EQ(rc, 0) << info;
    EXPECT_TRUE(Has(info, "Pages:           2")) << info;
    EXPECT_TRUE(Has(info, "Page size:       595.2")) << info;
    EXPECT_TRUE(Has(info, "Title:           Lista de precios")) << info;
    std::string text = Shell("pdftotext -layout '" + pdf + "' -");
    size_t first = text.find("Primera página del café"), second = text.find("Segunda página");
    ASSERT_NE(first, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_NE(text.find('\f'), std::string::npos);
    EXPECT_LT(text.find('\f'), second); // on the second page
}

TEST_F(PrinterTest, LandscapeTurnsThePageAndTheDeviceCaps) {
    int portraitWidth = printer.PageWidth(), portraitHeight = printer.PageHeight();
    HDC dc = printer.Handle();
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), portraitWidth + 2 * GetDeviceCaps(dc, PHYSICALOFFSETX));
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), portraitHeight + 2 * GetDeviceCaps(dc, PHYSICALOFFSETY));

    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
    std::string device, driver, port;
    DEVMODE* mode = nullptr;
    printer.GetPrinter(device, driver, port, mode);
    EXPECT_EQ(device, kPdfPrinterName);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->dmOrientation, DMORIENT_LANDSCAPE);

    printer.BeginDoc();
    printer.Canvas()->TextOut(0, 0, "Apaisado");
    printer.EndDoc();
    std::string info = Shell("pdfinfo '" + pdf + "'");
    EXPECT_TRUE(Has(info, "Page size:       841.8")) << info;

    // Settings given back through SetPrinter, as a set-up dialog does.
    DEVMODE portrait = *mode;
    portrait.dmOrientation = DMORIENT_PORTRAIT;
    printer.SetPrinter(device, driver, port, &portrait);
    EXPECT_EQ(printer.Orientation(), poPortrait);
    EXPECT_EQ(printer.PageWidth(), portraitWidth);
    EXPECT_THROW(printer.SetPrinter("No hay tal impresora", "", "", nullptr), EPrinter);
}

TEST_F(PrinterTest, JobStateIsGuarded) {
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
    EXPECT_THROW(printer.Abort(), EPrinter);
    EXPECT_THROW(printer.SetPrinterIndex(printer.Printers()->Count()), EPrinter);
    EXPECT_THROW(printer.SetCopies(0), EPrinter);

    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    EXPECT_THROW(printer.SetPrinterIndex(-1), EPrinter);
    printer.Canvas()->TextOut(0, 0, "Se cancela");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(std::filesystem::exists(pdf)); // nothing half written is left

    // The next job starts clean.
    printer.BeginDoc();
    EXPECT_FALSE(printer.Aborted());
    printer.EndDoc();
    EXPECT_TRUE(std::filesystem::exists(pdf));

    // A folder that does not exist: the job does not start.
    printer.SetOutputFile(tmp.file("no/existe/impresión.pdf"));
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

TEST_F(PrinterTest, TheProcessPrinterCanBeExchanged) {
    TPrinter* own = Printer();
    EXPECT_EQ(Printer(), own);
    EXPECT_EQ(SetPrinter(&printer), own);
    EXPECT_EQ(Printer(), &printer);
    EXPECT_EQ(SetPrinter(own), &printer);
    EXPECT_EQ(Printer(), own);
}

TEST_F(PrinterTest, PrinterSetupActionShowsTheDialogOnTheProcessPrinter) {
    TPrinter* old = SetPrinter(&printer);
    TFilePrintSetup action;
    EXPECT_EQ(action.Caption(), "&Configurar impresora");
    std::string shown;
    ScriptStep([&] {
        if (Screen->ActiveForm()) shown = Screen->ActiveForm()->Caption();
        PressKey(VK_END); // the last printer of the list
        PressKey(VK_RETURN);
    });
    action.ExecuteTarget(nullptr);
    EXPECT_EQ(shown, "Configurar impresora");
    EXPECT_EQ(printer.PrinterIndex(), printer.Printers()->Count() - 1);

    // Cancelled: the printer stays.
    printer.SetPrinterIndex(0);
    ScriptStep([] {
        PressKey(VK_END);
        PressKey(VK_ESCAPE);
    });
    action.ExecuteTarget(nullptr);
    EXPECT_EQ(printer.PrinterIndex(), 0);
    SetPrinter(old);
}

} // namespace
} // namespace tvtest
