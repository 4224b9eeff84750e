#include "gridservices/print/virtualprinter.h"

#include "core/unitinit.h"
#include "platform/gdi/dc.h"

namespace tv {

bool TVirtualPrinter::GetAborted() { return Printer()->Aborted(); }
TCanvas* TVirtualPrinter::GetCanvas() { return Printer()->Canvas(); }
TPrinterCapabilities TVirtualPrinter::GetCapabilities() { return Printer()->Capabilities(); }
TStrings* TVirtualPrinter::GetFonts() { return Printer()->Fonts(); }
win::HDC TVirtualPrinter::GetHandle() { return Printer()->Handle(); }
int TVirtualPrinter::GetNumCopies() { return Printer()->Copies(); }
TPrinterOrientation TVirtualPrinter::GetOrientation() { return Printer()->Orientation(); }
int TVirtualPrinter::GetPageHeight() { return Printer()->PageHeight(); }
int TVirtualPrinter::GetPageWidth() { return Printer()->PageWidth(); }
int TVirtualPrinter::GetPageNumber() { return Printer()->PageNumber(); }
bool TVirtualPrinter::GetPrinting() { return Printer()->Printing(); }
std::string TVirtualPrinter::GetTitle() { return Printer()->Title(); }

int TVirtualPrinter::GetFullPageWidth() {
    return Printer()->PageWidth() + 2 * win::GetDeviceCaps(Printer()->Handle(), win::PHYSICALOFFSETX);
}

int TVirtualPrinter::GetFullPageHeight() {
    return Printer()->PageHeight() + 2 * win::GetDeviceCaps(Printer()->Handle(), win::PHYSICALOFFSETY);
}

int TVirtualPrinter::GetPrinterIndex() { return Printer()->PrinterIndex(); }
TStrings* TVirtualPrinter::GetPrinters() { return Printer()->Printers(); }
int TVirtualPrinter::GetPixelsPerInchX() { return win::GetDeviceCaps(Printer()->Handle(), win::LOGPIXELSX); }
int TVirtualPrinter::GetPixelsPerInchY() { return win::GetDeviceCaps(Printer()->Handle(), win::LOGPIXELSY); }
void TVirtualPrinter::SetPrinterIndex(int index) { Printer()->SetPrinterIndex(index); }
void TVirtualPrinter::SetNumCopies(int copies) { Printer()->SetCopies(copies); }
void TVirtualPrinter::SetOrientation(TPrinterOrientation o) { Printer()->SetOrientation(o); }
void TVirtualPrinter::SetTitle(const std::string& title) { Printer()->SetTitle(title); }
void TVirtualPrinter::Abort() { Printer()->Abort(); }
void TVirtualPrinter::BeginDoc() { Printer()->BeginDoc(); }
void TVirtualPrinter::EndDoc() { Printer()->EndDoc(); }
void TVirtualPrinter::NewPage() { Printer()->NewPage(); }

void TVirtualPrinter::GetPrinter(std::string& device, std::string& driver, std::string& port,
                                 win::DEVMODE*& mode) {
    Printer()->GetPrinter(device, driver, port, mode);
}

void TVirtualPrinter::SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                                 const win::DEVMODE* mode) {
    Printer()->SetPrinter(device, driver, port, mode);
}

TVirtualPrinter* VirtualPrinter = nullptr;

namespace {
int startCount = 0;
}

void StartVirtualPrinterUnit() {
    if (startCount++ == 0) VirtualPrinter = new TVirtualPrinter;
}

void EndVirtualPrinterUnit() {
    if (startCount == 0) return;
    if (--startCount == 0) {
        delete VirtualPrinter;
        VirtualPrinter = nullptr;
    }
}

TV_UNIT(grid_printing, urGrid + 20, &StartVirtualPrinterUnit, &EndVirtualPrinterUnit)

} // namespace tv
