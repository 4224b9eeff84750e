#pragma once
// TPrinterSetupDialog: chooses one of the installed printers (the PDF
// printer and the CUPS destinations) in a modal window.
#include <string>

#include "core/component.h"

namespace tv {

class TPrinterSetupDialog : public TComponent {
    TV_CLASS(TPrinterSetupDialog, TComponent)
public:
    explicit TPrinterSetupDialog(TComponent* owner = nullptr);
    static void Publish(TPublisher&) {}

    // The printer chosen; the default printer until one is.
    const std::string& PrinterName() const { return printer_; }
    void SetPrinterName(const std::string& v) { printer_ = v; }

    bool Execute();

private:
    std::string printer_;
};

} // namespace tv
