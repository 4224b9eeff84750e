#include "gridservices/preview/printerpreview.h"

#include "gridservices/preview/previewbox.h"
#include "platform/gdi/dc.h"

namespace tv {

namespace {
// An A4 page at 600 dpi, for when no printer exists.
constexpr int kPageWidth = 4676, kPageHeight = 6744, kOffsetX = 130, kOffsetY = 150, kDpi = 600;
constexpr int kWidthMM = 198, kHeightMM = 285;
} // namespace

TPrinterPreview::TPrinterPreview(TPreviewBox* box) : box_(box), printer_(std::make_unique<TPrinter>()) {}

TPrinterPreview::~TPrinterPreview() {
    canvas_.reset();
    pages_.clear();
}

bool TPrinterPreview::HasPrinter() const { return printer_->Printers()->Count() > 0; }

TCanvas* TPrinterPreview::GetCanvas() { return canvas_.get(); }
TPrinterCapabilities TPrinterPreview::GetCapabilities() { return printer_->Capabilities(); }
TStrings* TPrinterPreview::GetFonts() { return printer_->Fonts(); }
win::HDC TPrinterPreview::GetHandle() { return printer_->Handle(); }
int TPrinterPreview::GetNumCopies() { return printer_->Copies(); }
TPrinterOrientation TPrinterPreview::GetOrientation() { return printer_->Orientation(); }
std::string TPrinterPreview::GetTitle() { return printer_->Title(); }
int TPrinterPreview::GetPrinterIndex() { return printer_->PrinterIndex(); }
TStrings* TPrinterPreview::GetPrinters() { return printer_->Printers(); }
void TPrinterPreview::SetPrinterIndex(int index) { printer_->SetPrinterIndex(index); }
void TPrinterPreview::SetNumCopies(int copies) { printer_->SetCopies(copies); }
void TPrinterPreview::SetOrientation(TPrinterOrientation o) { printer_->SetOrientation(o); }
void TPrinterPreview::SetTitle(const std::string& title) { printer_->SetTitle(title); }

void TPrinterPreview::GetPrinter(std::string& device, std::string& driver, std::string& port, win::DEVMODE*& mode) {
    printer_->GetPrinter(device, driver, port, mode);
}

void TPrinterPreview::SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                                 const win::DEVMODE* mode) {
    printer_->SetPrinter(device, driver, port, mode);
}

int TPrinterPreview::GetPageHeight() { return HasPrinter() ? printer_->PageHeight() : kPageHeight; }
int TPrinterPreview::GetPageWidth() { return HasPrinter() ? printer_->PageWidth() : kPageWidth; }

int TPrinterPreview::PhysicalOffsetX() {
    return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::PHYSICALOFFSETX) : kOffsetX;
}

int TPrinterPreview::PhysicalOffsetY() {
    return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::PHYSICALOFFSETY) : kOffsetY;
}

int TPrinterPreview::GetFullPageWidth() { return GetPageWidth() + 2 * PhysicalOffsetX(); }
int TPrinterPreview::GetFullPageHeight() { return GetPageHeight() + 2 * PhysicalOffsetY(); }

int TPrinterPreview::GetPixelsPerInchX() {
    return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::LOGPIXELSX) : kDpi;
}

int TPrinterPreview::GetPixelsPerInchY() {
    return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::LOGPIXELSY) : kDpi;
}

int TPrinterPreview::FontResolution() { return std::min(GetPixelsPerInchX(), GetPixelsPerInchY()); }

int TPrinterPreview::PageWidthMM() { return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::HORZSIZE) : kWidthMM; }
int TPrinterPreview::PageHeightMM() { return HasPrinter() ? win::GetDeviceCaps(printer_->Handle(), win::VERTSIZE) : kHeightMM; }

void TPrinterPreview::StartCanvas() {
    canvas_ = std::make_unique<TMetafileCanvas>(pages_.back().get(), HasPrinter() ? printer_->Handle() : nullptr);
    TFont* font = canvas_->Font();
    int size = font->Size();
    font->SetPixelsPerInch(FontResolution());
    font->SetSize(size);
}

void TPrinterPreview::Changed() {
    if (box_) box_->PreviewChanged(this);
}

void TPrinterPreview::OpenPreviewer() {
    if (box_) box_->OpenPreviewer(this);
}

void TPrinterPreview::BeginDoc() {
    canvas_.reset();
    pages_.clear();
    pages_.push_back(std::make_unique<TMetafile>());
    StartCanvas();
    pageNumber_ = 1;
    aborted_ = false;
    printing_ = true;
    if (box_) {
        box_->SetPageCount(1);
        box_->SetCurrentPage(1);
    }
    Changed();
}

void TPrinterPreview::NewPage() {
    if (!printing_) return;
    pages_.push_back(std::make_unique<TMetafile>());
    canvas_.reset(); // the previous page is done
    if (pages_.size() == 2 && box_) box_->UpdatePageLayout();
    StartCanvas();
    ++pageNumber_;
    if (box_) box_->SetPageCount(int(pages_.size()) - 1);
    OpenPreviewer();
    Changed();
}

void TPrinterPreview::EndDoc() {
    if (!printing_) return;
    canvas_.reset();
    if (box_) {
        box_->SetPageCount(int(pages_.size()));
        if (pages_.size() == 1) box_->UpdatePageLayout();
    }
    pageNumber_ = -1;
    printing_ = false;
    if (box_) {
        box_->PrinterSetupHandler = std::move(setupHandler_);
        box_->AfterSetupHandler = std::move(afterSetupHandler_);
        setupHandler_ = nullptr;
        afterSetupHandler_ = nullptr;
        box_->SetPrintComponent(printComponent_);
        printComponent_ = nullptr;
    }
    OpenPreviewer();
    Changed();
}

void TPrinterPreview::DrawPage(TCanvas* canvas, int n) {
    if (n < 1 || n > int(pages_.size()) || !canvas) return;
    canvas->Draw(0, 0, pages_[size_t(n - 1)].get());
}

} // namespace tv
