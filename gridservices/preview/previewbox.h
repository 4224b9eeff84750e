#pragma once
// TPreviewBox: the scrolling view of a previewed job, one page at a time on
// a white page panel (TDrawPanel) with a shadow, zoomed, panned with the
// mouse and paged with the keys and the wheel.
#include <memory>

#include "framework/ui/basiccontrols.h"
#include "framework/ui/scrollbox.h"
#include "gridservices/preview/printerpreview.h"

namespace tv {

class TPreviewBox;

// Zoom modes: 0..7 are 500, 200, 150, 100, 75, 50, 25 and 10 per cent.
constexpr int kZoomPageWidth = 8, kZoomWholePage = 9;

// The page panel; it paints the box's current page and turns mouse drags
// into scrolling and clicks into zooming.
class TDrawPanel : public TPanel {
    TV_CLASS(TDrawPanel, TPanel)
public:
    explicit TDrawPanel(TComponent* owner = nullptr);
    void Dispatch(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TPreviewBox* Box() const;
    bool hand_ = false, down_ = false;
    int downX_ = 0, downY_ = 0;
};

class TPreviewBox : public TScrollBox {
    TV_CLASS(TPreviewBox, TScrollBox)
public:
    explicit TPreviewBox(TComponent* owner = nullptr);
    ~TPreviewBox() override;
    static void Publish(TPublisher& p);
    void Dispatch(Message& msg) override;

    TPrinterPreview* Printer() const { return preview_.get(); }
    int PageCount() const { return pageCount_; }
    void SetPageCount(int v) { pageCount_ = v; }
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int v) { currentPage_ = v; }
    int ZoomMode() const { return zoomMode_; }
    int ZoomPercent() const { return zoomPercent_; }
    TComponent* PrintComponent() const { return printComponent_; }
    void SetPrintComponent(TComponent* component);
    TNotifyEvent PrinterSetupHandler;
    TNotifyEvent AfterSetupHandler;

    void GoToPage(int n);
    void ChangeZoomMode(int mode);
    void UpdatePageLayout();
    // Prints pages chosen in the print dialog on the preview's printer.
    void RunPrintDialog();
    // The set-up handler, or the printer set-up dialog.
    void RunPrinterSetup();
    void InvalidatePage();

    // Scrolling, in pixels.
    int HorzRange() const { return hrange_; }
    int VertRange() const { return vrange_; }
    int HorzPos() const { return hpos_; }
    int VertPos() const { return vpos_; }
    void SetHorzPos(int v) { ScrollTo(true, v); }
    void SetVertPos(int v) { ScrollTo(false, v); }
    int Increment() const { return 8; }
    TDrawPanel* PagePanel() const { return page_; }
    TPanel* ShadowPanel() const { return shadow_; }

    TNotifyEvent OnOpenPreviewer;
    TNotifyEvent OnPrinterPreviewChanged;

protected:
    void CreateParams(TCreateParams& params) override;
    void AlignControls(TControl* control, win::RECT& rect) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TPrinterPreview;
    friend class TDrawPanel;
    void PreviewChanged(TObject* sender);
    void OpenPreviewer(TObject* sender);
    void ScrollTo(bool horz, int pos);
    void UpdateScrollBars();
    void MouseWheel(Message& msg);

    std::unique_ptr<TPrinterPreview> preview_;
    TDrawPanel* page_;
    TPanel* shadow_;
    int pageCount_ = 0, currentPage_ = 1, zoomMode_ = kZoomWholePage, zoomPercent_ = 100;
    TComponent* printComponent_ = nullptr;
    int hrange_ = 0, vrange_ = 0, hpos_ = 0, vpos_ = 0;
    bool laying_ = false;
};

} // namespace tv
