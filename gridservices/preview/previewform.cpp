#include "gridservices/preview/previewform.h"

#include "core/resources.h"
#include "core/sysformat.h"
#include "framework/ui/application.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

TPreviewFormEh*& Instance() {
    static TPreviewFormEh* form = nullptr;
    return form;
}

// The instance goes with its form, whoever frees it.
class TInstanceWatch : public TComponent {
public:
    using TComponent::TComponent;
    ~TInstanceWatch() override { Instance() = nullptr; }
};

} // namespace

TPreviewFormEh::TPreviewFormEh(TComponent* owner) : TForm(owner) {
    SetName("PreviewFormEh");
    SetCaption("Preview");
    SetClientSize(688, 453);
    SetKeyPreview(true);
    SetScaled(false);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);

    imlMain = new TImageList(this);
    imlMain->SetName("imlMain");
    imlMain->SetWidth(32);
    imlMain->SetHeight(32);
    if (auto strip = FindResource("previewtoolbar.png")) {
        TBitmap pictures;
        pictures.LoadFromBytes(std::string(*strip));
        imlMain->AddMasked(&pictures, TColor(0xFF00FF));
    }

    pmnScale = new TPopupMenu(this);
    pmnScale->SetName("pmnScale");
    mni500 = AddZoomItem("mni500", "500%");
    mni200 = AddZoomItem("mni200", "200%");
    mni150 = AddZoomItem("mni150", "150%");
    mni100 = AddZoomItem("mni100", "100%");
    mni75 = AddZoomItem("mni75", "75%");
    mni50 = AddZoomItem("mni50", "50%");
    mni25 = AddZoomItem("mni25", "25%");
    mni10 = AddZoomItem("mni10", "10%");
    mniWidth = AddZoomItem("mniWidth", "Page Width");
    mniFull = AddZoomItem("mniFull", "Whole Page");
    mniFull->SetChecked(true);

    tbrMain = new TToolBar(this);
    tbrMain->SetName("tbrMain");
    tbrMain->SetParent(this);
    tbrMain->SetFlat(true);
    tbrMain->SetShowCaptions(true);
    tbrMain->SetShowHint(true);
    tbrMain->SetButtonWidth(66);
    tbrMain->SetButtonHeight(21);
    tbtPrint = AddButton("tbtPrint", "Print", "Print", 0);
    tbtPrint->OnClick = [this](TObject* s) { tbtPrintClick(s); };
    tbtPrinterSetupDialog = AddButton("tbtPrinterSetupDialog", "Printer setup", "Printer setup", 2);
    tbtPrinterSetupDialog->OnClick = [this](TObject* s) { tbtPrinterSetupDialogClick(s); };
    tbtScale = AddButton("tbtScale", "Scale", "Scale", 3);
    tbtScale->SetStyle(tbsDropDown);
    tbtScale->SetDropdownMenu(pmnScale);
    tbtScale->OnClick = [this](TObject* s) { tbtScaleClick(s); };
    tbtPrevPage = AddButton("tbtPrevPage", "Previous", "Previous page", 4);
    tbtPrevPage->OnClick = [this](TObject* s) { tbtPrevPageClick(s); };
    tbtPrevPage->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        tbtPrevPageMouseDown(s, b, sh, x, y);
    };
    tbtPrevPage->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        tbtPrevPageMouseUp(s, b, sh, x, y);
    };
    tbtNextPage = AddButton("tbtNextPage", "Next", "Next page", 5);
    tbtNextPage->OnClick = [this](TObject* s) { tbtNextPageClick(s); };
    tbtNextPage->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        tbtNextPageMouseDown(s, b, sh, x, y);
    };
    tbtNextPage->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        tbtNextPageMouseUp(s, b, sh, x, y);
    };
    tbStop = AddButton("tbStop", "Stop", "", 7);
    tbStop->OnClick = [this](TObject* s) { tbStopClick(s); };
    tbClose = AddButton("tbClose", "Close", "Close preview", 8);
    tbClose->OnClick = [this](TObject* s) { tbCloseClick(s); };
    FitToolBar();

    Splitter = new TSplitter(this);
    Splitter->SetName("Splitter");
    Splitter->SetAlign(alTop);
    Splitter->SetParent(this);
    Splitter->SetBounds(0, tbrMain->Height(), ClientWidth(), 3);
    Splitter->SetMinSize(1);
    Splitter->SetCursor(crVSplit);

    stbMain = new TStatusBar(this);
    stbMain->SetName("stbMain");
    stbMain->SetParent(this);
    stbMain->SetAlign(alBottom);
    stbMain->SetSimplePanel(true);

    PreviewEh1 = new TPreviewBox(this);
    PreviewEh1->SetName("PreviewEh1");
    PreviewEh1->SetParent(this);
    PreviewEh1->SetAlign(alClient);
    PreviewEh1->OnPrinterPreviewChanged = [this](TObject* s) { PreviewEh1PrinterPreviewChanged(s); };
    PreviewEh1->OnOpenPreviewer = [this](TObject* s) { PreviewEh1OpenPreviewer(s); };

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };

    OnKeyDown = [this](TObject* s, WORD& key, TShiftState shift) { FormKeyDown(s, key, shift); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    SetWindowState(wsMaximized);
    FormCreate(this);
}

TToolButton* TPreviewFormEh::AddButton(const char* name, const char* caption, const char* hint, int image) {
    auto* b = new TToolButton(this);
    b->SetName(name);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetImageIndex(image);
    b->SetLeft(tbrMain->ButtonCount() * 100);
    b->SetParent(tbrMain);
    return b;
}

TMenuItem* TPreviewFormEh::AddZoomItem(const char* name, const char* caption) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [this](TObject* s) { mniScaleClick(s); };
    pmnScale->Items()->Add(item);
    return item;
}

void TPreviewFormEh::FormCreate(TObject*) {
    Splitter->OnCanResize = [this](TObject* s, int& n, bool& accept) { SplitterCanResize(s, n, accept); };
    for (int i = 0; i < pmnScale->Items()->Count(); ++i) pmnScale->Items()->Items(i)->SetTag(i);
}

void TPreviewFormEh::FitToolBar() {
    // The toolbar keeps the height of its buttons.
    int h = tbrMain->ButtonHeight();
    for (int i = 0; i < tbrMain->ButtonCount(); ++i) h = std::max(h, tbrMain->Buttons(i)->Height());
    if (tbrMain->Images()) h = std::max(h, tbrMain->Images()->Height() + 7 + (tbrMain->ShowCaptions() ? 16 : 0));
    tbrMain->SetHeight(h + 6);
}

void TPreviewFormEh::SetLook(TToolLook look) {
    if (look == look_) return;
    look_ = look;
    switch (look) {
    case tlCaptions:
        tbrMain->SetImages(nullptr);
        tbrMain->SetShowCaptions(true);
        tbrMain->SetButtonWidth(66);
        tbrMain->SetButtonHeight(21);
        break;
    case tlImages:
        tbrMain->SetImages(imlMain);
        tbrMain->SetShowCaptions(false);
        tbrMain->SetButtonWidth(39);
        tbrMain->SetButtonHeight(38);
        break;
    case tlImagesAndCaptions:
        tbrMain->SetImages(imlMain);
        tbrMain->SetShowCaptions(true);
        // Our toolbar does not widen its buttons to their captions.
        tbrMain->SetButtonWidth(66);
        break;
    }
    FitToolBar();
}

void TPreviewFormEh::SplitterCanResize(TObject*, int& n, bool& accept) {
    switch (look_) {
    case tlCaptions:
        if (n > 40) SetLook(tlImages);
        break;
    case tlImages:
        if (n > 54) SetLook(tlImagesAndCaptions);
        else if (n <= 24) SetLook(tlCaptions);
        break;
    case tlImagesAndCaptions:
        if (n <= 41) SetLook(tlImages);
        break;
    }
    // The toolbar sizes itself to its buttons.
    accept = false;
}

void TPreviewFormEh::tbtPrintClick(TObject*) { PreviewEh1->RunPrintDialog(); }
void TPreviewFormEh::tbtPrintDialogClick(TObject*) { PreviewEh1->RunPrintDialog(); }
void TPreviewFormEh::tbtPrinterSetupDialogClick(TObject*) { PreviewEh1->RunPrinterSetup(); }

void TPreviewFormEh::tbtScaleClick(TObject*) {
    POINT p = tbtScale->ClientToScreen({0, tbtScale->Height()});
    pmnScale->SetPopupComponent(tbtScale);
    pmnScale->Popup(p.x, p.y);
}

void TPreviewFormEh::mniScaleClick(TObject* sender) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    item->SetChecked(true);
    PreviewEh1->ChangeZoomMode(int(item->Tag()));
    PreviewEh1->UpdatePageLayout();
}

void TPreviewFormEh::tbtPrevPageClick(TObject* sender) {
    // After auto-repeat the release of the button must not turn one more page.
    if (Timer1->Interval() == 100 && sender == tbtPrevPage) return;
    PreviewEh1->GoToPage(PreviewEh1->CurrentPage() - 1);
}

void TPreviewFormEh::tbtNextPageClick(TObject* sender) {
    if (Timer1->Interval() == 100 && sender == tbtNextPage) return;
    PreviewEh1->GoToPage(PreviewEh1->CurrentPage() + 1);
}

void TPreviewFormEh::StartRepeat(TToolButton* button) {
    Timer1->SetInterval(400);
    Timer1->SetEnabled(true);
    repeating_ = button;
}

void TPreviewFormEh::StopRepeat() {
    Timer1->SetEnabled(false);
    repeating_ = nullptr;
}

void TPreviewFormEh::tbtPrevPageMouseDown(TObject*, TMouseButton, TShiftState, int, int) { StartRepeat(tbtPrevPage); }
void TPreviewFormEh::tbtNextPageMouseDown(TObject*, TMouseButton, TShiftState, int, int) { StartRepeat(tbtNextPage); }
void TPreviewFormEh::tbtPrevPageMouseUp(TObject*, TMouseButton, TShiftState, int, int) { StopRepeat(); }
void TPreviewFormEh::tbtNextPageMouseUp(TObject*, TMouseButton, TShiftState, int, int) { StopRepeat(); }

void TPreviewFormEh::Timer1Timer(TObject*) {
    Timer1->SetInterval(100);
    if (!repeating_ || !repeating_->ControlState().Contains(csLButtonDown)) return;
    try {
        if (repeating_ == tbtPrevPage) tbtPrevPageClick(nullptr);
        else tbtNextPageClick(nullptr);
    } catch (...) {
        // A failing repeat stops repeating; the window carries on.
        Timer1->SetEnabled(false);
    }
}

void TPreviewFormEh::tbStopClick(TObject*) { PreviewEh1->Printer()->Abort(); }
void TPreviewFormEh::tbCloseClick(TObject*) { Close(); }

void TPreviewFormEh::FormKeyDown(TObject*, WORD& key, TShiftState) {
    if (key != VK_ESCAPE) return;
    if (PreviewEh1->Printer()->GetPrinting()) PreviewEh1->Printer()->Abort();
    else Close();
}

void TPreviewFormEh::FormClose(TObject*, TCloseAction& action) {
    if (!PreviewEh1->Printer()->GetPrinting()) return;
    // The job ends first; the window closes when it has.
    PreviewEh1->Printer()->Abort();
    closePending_ = true;
    action = caNone;
}

void TPreviewFormEh::PreviewEh1PrinterPreviewChanged(TObject*) {
    TPrinterPreview* preview = PreviewEh1->Printer();
    bool printing = preview->GetPrinting();
    if (!printing && closePending_) {
        closePending_ = false;
        Close();
    }
    tbStop->SetEnabled(printing);
    tbClose->SetEnabled(!printing);
    tbtPrint->SetEnabled(!printing && preview->GetPrinters()->Count() > 0);
    tbtPrinterSetupDialog->SetEnabled(!printing &&
                                      (PreviewEh1->PrinterSetupHandler || PreviewEh1->AfterSetupHandler) &&
                                      PreviewEh1->PrintComponent());
    tbtPrevPage->SetEnabled(PreviewEh1->CurrentPage() > 1);
    tbtNextPage->SetEnabled(PreviewEh1->CurrentPage() < PreviewEh1->PageCount());
    stbMain->SetSimpleText(Format("Page %d of %d", PreviewEh1->CurrentPage(), PreviewEh1->PageCount()));
    int mode = PreviewEh1->ZoomMode();
    if (mode >= 0 && mode < pmnScale->Items()->Count()) pmnScale->Items()->Items(mode)->SetChecked(true);
    SetCaption("Preview - " + preview->GetTitle());
}

void TPreviewFormEh::PreviewEh1OpenPreviewer(TObject*) {
    if (WindowState() == wsMinimized) SetWindowState(wsNormal);
    BringToFront();
    if (!Visible()) Show();
}

TPrinterPreview* PrinterPreviewInstance() {
    TPreviewFormEh*& form = Instance();
    if (!form) {
        form = new TPreviewFormEh(Application);
        new TInstanceWatch(form);
    }
    return form->PreviewEh1->Printer();
}

TPreviewFormEh* PreviewForm() { return Instance(); }

} // namespace tv
