#pragma once
// TPrinterPreview: the virtual printer that keeps a job's pages as metafiles
// for the preview window instead of printing them. It measures with a
// printer object of its own (an A4 page at 600 dpi when no printer exists).
#include <memory>
#include <vector>

#include "framework/ui/controls.h"
#include "framework/ui/metafile.h"
#include "gridservices/print/virtualprinter.h"

namespace tv {

class TPreviewBox;

class TPrinterPreview : public TVirtualPrinter {
    TV_CLASS(TPrinterPreview, TVirtualPrinter)
public:
    explicit TPrinterPreview(TPreviewBox* box = nullptr);
    ~TPrinterPreview() override;

    bool GetAborted() override { return aborted_; }
    TCanvas* GetCanvas() override;
    TPrinterCapabilities GetCapabilities() override;
    TStrings* GetFonts() override;
    win::HDC GetHandle() override;
    int GetNumCopies() override;
    TPrinterOrientation GetOrientation() override;
    int GetPageHeight() override;
    int GetPageWidth() override;
    int GetPageNumber() override { return pageNumber_; }
    bool GetPrinting() override { return printing_; }
    std::string GetTitle() override;
    int GetFullPageWidth() override;
    int GetFullPageHeight() override;
    int GetPrinterIndex() override;
    TStrings* GetPrinters() override;
    int GetPixelsPerInchX() override;
    int GetPixelsPerInchY() override;
    void SetPrinterIndex(int index) override;
    void SetNumCopies(int copies) override;
    void SetOrientation(TPrinterOrientation orientation) override;
    void SetTitle(const std::string& title) override;
    void Abort() override { aborted_ = true; }
    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    void GetPrinter(std::string& device, std::string& driver, std::string& port, win::DEVMODE*& mode) override;
    void SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                    const win::DEVMODE* mode) override;
    // A hook for descendants; nothing to do here.
    virtual void PreviewChanged() {}

    // Draws page n (from 1) at (0, 0) of the canvas, at the size it was recorded.
    void DrawPage(TCanvas* canvas, int n);
    int PageCount() const { return int(pages_.size()); }

    // Handed to the box when the job ends.
    void SetPrinterSetupHandler(TNotifyEvent handler) { setupHandler_ = std::move(handler); }
    void SetAfterSetupHandler(TNotifyEvent handler) { afterSetupHandler_ = std::move(handler); }
    void SetPrintComponent(TComponent* component) { printComponent_ = component; }

    TPreviewBox* PreviewBox() const { return box_; }
    // The printer the preview measures with and the pages print on.
    TPrinter* OwnPrinter() const { return printer_.get(); }
    bool HasPrinter() const;
    // The printer's resolution for fonts: the smaller of its two.
    int FontResolution();
    // The unprintable border of the paper, in device pixels.
    int PhysicalOffsetX();
    int PhysicalOffsetY();
    // The printable area in millimetres.
    int PageWidthMM();
    int PageHeightMM();

private:
    void StartCanvas();
    void Changed();
    void OpenPreviewer();

    TPreviewBox* box_;
    std::unique_ptr<TPrinter> printer_;
    std::vector<std::unique_ptr<TMetafile>> pages_;
    std::unique_ptr<TMetafileCanvas> canvas_;
    bool aborted_ = false, printing_ = false;
    int pageNumber_ = 0;
    TNotifyEvent setupHandler_, afterSetupHandler_;
    TComponent* printComponent_ = nullptr;
};

} // namespace tv
