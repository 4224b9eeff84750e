#pragma once
// TPrinter: the installed printers (the PDF printer, then the CUPS
// destinations), the chosen one's settings, and print jobs drawn on a canvas
// in the printer's device pixels. Printer() is the process-wide printer.
#include <memory>
#include <string>

#include "core/object.h"
#include "core/sets.h"
#include "core/stringlist.h"
#include "framework/ui/graphics.h"
#include "platform/printer/printers.h"

namespace tv {

enum TPrinterOrientation { poPortrait, poLandscape };
enum TPrinterCapability { pcCopies, pcOrientation, pcCollation };
using TPrinterCapabilities = TSet<TPrinterCapability>;

class TPrinter : public TObject {
    TV_CLASS(TPrinter, TObject)
public:
    TPrinter();
    ~TPrinter() override;

    // Names of the installed printers, read once (Refresh reads them again).
    TStrings* Printers();
    void Refresh();
    // The chosen printer in Printers(); setting -1 chooses the default one.
    int PrinterIndex();
    void SetPrinterIndex(int index);

    const std::string& Title() const { return title_; }
    // While printing, the open job takes the new name too.
    void SetTitle(const std::string& v);
    TPrinterOrientation Orientation();
    void SetOrientation(TPrinterOrientation v);
    int Copies();
    void SetCopies(int v);
    TPrinterCapabilities Capabilities();
    // The font families a printer can print.
    TStrings* Fonts();
    // Where the PDF printer writes; empty: the title as a file name in the
    // working folder. CUPS printers ignore it.
    const std::string& OutputFile() const { return outputFile_; }
    void SetOutputFile(const std::string& v) { outputFile_ = v; }

    win::HDC Handle();
    TCanvas* Canvas();
    // The printable area, in device pixels.
    int PageWidth();
    int PageHeight();

    void BeginDoc();
    void EndDoc();
    void NewPage();
    void Abort();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

    // The chosen printer and its settings; the settings pointer stays the
    // printer's own until the next change of printer.
    void GetPrinter(std::string& device, std::string& driver, std::string& port, win::DEVMODE*& mode);
    // Chooses a printer by name; `mode` (may be null: the defaults) is copied.
    void SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                    const win::DEVMODE* mode);

private:
    void CheckNotPrinting(const char* what);
    void CheckPrinting();
    void SetState(bool printing);
    void FreeDC();
    void Choose(int index, const win::DEVMODE* mode);
    win::DEVMODE& Mode();

    std::unique_ptr<TStringList> printers_, fonts_;
    std::vector<win::PrinterInfo> infos_;
    int index_ = -2; // -2: not chosen yet
    win::DEVMODE mode_;
    win::HDC dc_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    std::string title_, outputFile_;
    bool printing_ = false, aborted_ = false;
    int pageNumber_ = 0;
};

// The process-wide printer, made on first use.
TPrinter* Printer();
// Puts another printer in its place and returns the one that was there (not
// freed). Null brings back the process's own.
TPrinter* SetPrinter(TPrinter* printer);

} // namespace tv
