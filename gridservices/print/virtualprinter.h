#pragma once
// TVirtualPrinter: what the grid print engine draws through. Every operation
// is virtual and, here, passes to the process-wide printer, so a job goes to
// the printer or, through a descendant, into the print preview.
#include <string>

#include "core/object.h"
#include "framework/ui/printers.h"

namespace tv {

class TVirtualPrinter : public TObject {
    TV_CLASS(TVirtualPrinter, TObject)
public:
    TVirtualPrinter() = default;

    virtual bool GetAborted();
    virtual TCanvas* GetCanvas();
    virtual TPrinterCapabilities GetCapabilities();
    virtual TStrings* GetFonts();
    virtual win::HDC GetHandle();
    virtual int GetNumCopies();
    virtual TPrinterOrientation GetOrientation();
    virtual int GetPageHeight();
    virtual int GetPageWidth();
    virtual int GetPageNumber();
    virtual bool GetPrinting();
    virtual std::string GetTitle();
    // The paper: the page plus the unprintable border on both sides.
    virtual int GetFullPageWidth();
    virtual int GetFullPageHeight();
    virtual int GetPrinterIndex();
    virtual TStrings* GetPrinters();
    virtual int GetPixelsPerInchX();
    virtual int GetPixelsPerInchY();
    virtual void SetPrinterIndex(int index);
    virtual void SetNumCopies(int copies);
    virtual void SetOrientation(TPrinterOrientation orientation);
    virtual void SetTitle(const std::string& title);
    virtual void Abort();
    virtual void BeginDoc();
    virtual void EndDoc();
    virtual void NewPage();
    virtual void GetPrinter(std::string& device, std::string& driver, std::string& port, win::DEVMODE*& mode);
    virtual void SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                            const win::DEVMODE* mode);
};

// The instance that prints straight to the printer, alive while the grid
// services' unit is started (see StartVirtualPrinterUnit).
extern TVirtualPrinter* VirtualPrinter;

// The unit's start and end, counted: the first start makes VirtualPrinter and
// the matching last end frees it.
void StartVirtualPrinterUnit();
void EndVirtualPrinterUnit();

} // namespace tv
