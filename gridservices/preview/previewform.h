#pragma once
// TPreviewFormEh: the print preview window, with its toolbar (print, printer
// set-up, scale, previous and next page that repeat while held, stop,
// close), the page view and a status line. One per process, made by
// PrinterPreviewInstance; closing it only hides it.
#include "framework/ui/basiccontrols.h"
#include "framework/ui/forms.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/menus.h"
#include "framework/ui/splitter.h"
#include "framework/ui/toolbar.h"
#include "gridservices/preview/previewbox.h"

namespace tv {

class TPreviewFormEh : public TForm {
    TV_CLASS(TPreviewFormEh, TForm)
public:
    explicit TPreviewFormEh(TComponent* owner = nullptr);

    TToolBar* tbrMain;
    TToolButton* tbtPrint;
    TToolButton* tbtPrinterSetupDialog;
    TToolButton* tbtScale;
    TToolButton* tbtPrevPage;
    TToolButton* tbtNextPage;
    TToolButton* tbStop;
    TToolButton* tbClose;
    TSplitter* Splitter;
    TPreviewBox* PreviewEh1;
    TStatusBar* stbMain;
    TImageList* imlMain;
    TPopupMenu* pmnScale;
    TMenuItem *mni500, *mni200, *mni150, *mni100, *mni75, *mni50, *mni25, *mni10, *mniWidth, *mniFull;
    TTimer* Timer1;

    void FormCreate(TObject* sender);
    void SplitterCanResize(TObject* sender, int& newSize, bool& accept);
    void tbtPrintClick(TObject* sender);
    void tbtPrintDialogClick(TObject* sender);
    void tbtPrinterSetupDialogClick(TObject* sender);
    void tbtScaleClick(TObject* sender);
    void mniScaleClick(TObject* sender);
    void tbtPrevPageClick(TObject* sender);
    void tbtNextPageClick(TObject* sender);
    void tbtPrevPageMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void tbtNextPageMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void tbtPrevPageMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void tbtNextPageMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Timer1Timer(TObject* sender);
    void tbStopClick(TObject* sender);
    void tbCloseClick(TObject* sender);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void FormClose(TObject* sender, TCloseAction& action);
    void PreviewEh1PrinterPreviewChanged(TObject* sender);
    void PreviewEh1OpenPreviewer(TObject* sender);

    // The toolbar's three looks.
    enum TToolLook { tlCaptions, tlImages, tlImagesAndCaptions };
    TToolLook ToolLook() const { return look_; }

private:
    TToolButton* AddButton(const char* name, const char* caption, const char* hint, int image);
    TMenuItem* AddZoomItem(const char* name, const char* caption);
    void SetLook(TToolLook look);
    void FitToolBar();
    void StartRepeat(TToolButton* button);
    void StopRepeat();

    TToolLook look_ = tlCaptions;
    TToolButton* repeating_ = nullptr;
    bool closePending_ = false;
};

// The preview of the process's preview window, made with it on first use.
TPrinterPreview* PrinterPreviewInstance();
// The window itself (null until PrinterPreviewInstance made it).
TPreviewFormEh* PreviewForm();

} // namespace tv
