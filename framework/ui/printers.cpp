#include "framework/ui/printers.h"

#include "core/exceptions.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"

namespace tv {

namespace {

// Draws on the printer's device context, made when first drawn on; fonts
// are measured at the printer's resolution.
class TPrinterCanvas : public TCanvas {
public:
    explicit TPrinterCanvas(TPrinter* printer) : printer_(printer) {}
    void Reset() { SetHandle(nullptr); }

protected:
    void CreateHandle() override {
        win::HDC dc = printer_->Handle();
        int size = Font()->Size();
        Font()->SetPixelsPerInch(win::GetDeviceCaps(dc, win::LOGPIXELSY));
        Font()->SetSize(size);
        SetHandle(dc);
    }

private:
    TPrinter* printer_;
};

std::unique_ptr<TPrinter>& OwnPrinter() {
    static std::unique_ptr<TPrinter> p;
    return p;
}

TPrinter*& CurrentPrinter() {
    static TPrinter* p = nullptr;
    return p;
}

} // namespace

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() {
    if (printing_ && dc_) win::AbortDoc(dc_);
    FreeDC();
}

TStrings* TPrinter::Printers() {
    if (!printers_) {
        printers_ = std::make_unique<TStringList>();
        infos_ = win::EnumPrinters();
        for (const win::PrinterInfo& p : infos_) printers_->Add(p.name);
    }
    return printers_.get();
}

void TPrinter::Refresh() {
    CheckNotPrinting("cambiar de impresora");
    std::string current = index_ >= 0 && index_ < int(infos_.size()) ? infos_[size_t(index_)].name : "";
    printers_.reset();
    Printers();
    int found = printers_->IndexOf(current);
    if (found != index_) {
        FreeDC();
        index_ = found >= 0 ? found : -2;
    }
}

int TPrinter::PrinterIndex() {
    if (index_ == -2) Choose(-1, nullptr);
    return index_;
}

void TPrinter::SetPrinterIndex(int index) {
    CheckNotPrinting("cambiar de impresora");
    if (index < -1 || index >= Printers()->Count())
        throw EPrinter("No existe la impresora número " + std::to_string(index));
    Choose(index, nullptr);
}

void TPrinter::Choose(int index, const win::DEVMODE* mode) {
    TStrings* names = Printers();
    if (index == -1) {
        index = names->IndexOf(win::DefaultPrinterName());
        if (index < 0) index = 0;
    }
    FreeDC();
    index_ = index;
    mode_ = mode ? *mode : win::DefaultDevMode(names->Strings(index));
    mode_.dmDeviceName = names->Strings(index);
}

win::DEVMODE& TPrinter::Mode() {
    PrinterIndex();
    return mode_;
}

TPrinterOrientation TPrinter::Orientation() {
    return Mode().dmOrientation == win::DMORIENT_LANDSCAPE ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation v) {
    CheckNotPrinting("cambiar la orientación");
    short o = v == poLandscape ? win::DMORIENT_LANDSCAPE : win::DMORIENT_PORTRAIT;
    if (Mode().dmOrientation == o) return;
    mode_.dmOrientation = o;
    FreeDC();
}

int TPrinter::Copies() { return Mode().dmCopies; }

void TPrinter::SetCopies(int v) {
    CheckNotPrinting("cambiar el número de copias");
    if (v < 1) throw EPrinter("El número de copias debe ser al menos 1");
    Mode().dmCopies = short(v);
}

TPrinterCapabilities TPrinter::Capabilities() { return {pcCopies, pcOrientation}; }

TStrings* TPrinter::Fonts() {
    if (!fonts_) {
        fonts_ = std::make_unique<TStringList>();
        for (const std::string& f : win::InstalledFontFamilies()) fonts_->Add(f);
    }
    return fonts_.get();
}

win::HDC TPrinter::Handle() {
    if (!dc_) {
        PrinterIndex();
        dc_ = win::CreatePrinterDC(mode_.dmDeviceName, &mode_);
    }
    return dc_;
}

TCanvas* TPrinter::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TPrinterCanvas>(this);
    return canvas_.get();
}

int TPrinter::PageWidth() { return win::GetDeviceCaps(Handle(), win::HORZRES); }
int TPrinter::PageHeight() { return win::GetDeviceCaps(Handle(), win::VERTRES); }

void TPrinter::FreeDC() {
    if (canvas_) static_cast<TPrinterCanvas*>(canvas_.get())->Reset();
    if (dc_) win::DeleteDC(dc_);
    dc_ = nullptr;
}

void TPrinter::CheckNotPrinting(const char* what) {
    if (printing_) throw EPrinter(std::string("No se puede ") + what + " mientras se imprime");
}

void TPrinter::CheckPrinting() {
    if (!printing_) throw EPrinter("No hay ninguna impresión en curso");
}

void TPrinter::SetTitle(const std::string& v) {
    title_ = v;
    if (printing_ && dc_) win::SetDocName(dc_, v);
}

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("Ya hay una impresión en curso");
    win::HDC dc = Handle();
    win::DOCINFO info;
    info.lpszDocName = title_;
    info.lpszOutput = outputFile_;
    win::StartDoc(dc, info);
    win::StartPage(dc);
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    Canvas()->Handle();
}

void TPrinter::EndDoc() {
    CheckPrinting();
    printing_ = false;
    pageNumber_ = 0;
    // The spooler's refusal surfaces here, after the state is back to idle.
    win::EndPage(dc_);
    win::EndDoc(dc_);
}

void TPrinter::NewPage() {
    CheckPrinting();
    win::EndPage(dc_);
    win::StartPage(dc_);
    ++pageNumber_;
}

void TPrinter::Abort() {
    CheckPrinting();
    win::AbortDoc(dc_);
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

void TPrinter::GetPrinter(std::string& device, std::string& driver, std::string& port, win::DEVMODE*& mode) {
    int i = PrinterIndex();
    device = infos_[size_t(i)].name;
    driver = infos_[size_t(i)].driver;
    port = infos_[size_t(i)].port;
    mode = &mode_;
}

void TPrinter::SetPrinter(const std::string& device, const std::string&, const std::string&,
                          const win::DEVMODE* mode) {
    CheckNotPrinting("cambiar de impresora");
    int i = Printers()->IndexOf(device);
    if (i < 0) {
        Refresh();
        i = Printers()->IndexOf(device);
    }
    if (i < 0) throw EPrinter("La impresora \"" + device + "\" no está instalada");
    Choose(i, mode);
}

TPrinter* Printer() {
    if (!CurrentPrinter()) {
        if (!OwnPrinter()) OwnPrinter() = std::make_unique<TPrinter>();
        CurrentPrinter() = OwnPrinter().get();
    }
    return CurrentPrinter();
}

TPrinter* SetPrinter(TPrinter* printer) {
    TPrinter* old = Printer();
    CurrentPrinter() = printer;
    return old;
}

} // namespace tv
