#include "gridservices/preview/previewbox.h"

#include <algorithm>

#include "framework/ui/forms.h"
#include "framework/ui/screen.h"
#include "framework/ui/stdctrls/printdialog.h"
#include "framework/ui/stdctrls/printersetupdialog.h"
#include "gridservices/preview/previewcursors.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/window/input.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr int kZoomPercents[] = {500, 200, 150, 100, 75, 50, 25, 10};

// For the duration of a dialog or a print the preview's printer is the
// process-wide one; the previous one comes back whatever happens.
class TPrinterExchange {
public:
    explicit TPrinterExchange(TPrinter* p) : old_(tv::SetPrinter(p)) {}
    ~TPrinterExchange() { tv::SetPrinter(old_); }

private:
    TPrinter* old_;
};

} // namespace

// --- TDrawPanel -------------------------------------------------------------------------------

TDrawPanel::TDrawPanel(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvNone);
    SetColor(clWhite);
    SetCtl3D(false);
    SetCursor(MagnifierCursor());
}

TPreviewBox* TDrawPanel::Box() const { return dynamic_cast<TPreviewBox*>(Parent()); }

void TDrawPanel::CreateParams(TCreateParams& params) {
    TPanel::CreateParams(params);
    params.Style |= WS_BORDER;
    params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TDrawPanel::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clWhite);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(ClientRect());
    TPreviewBox* box = Box();
    if (!box || Width() <= 0 || Height() <= 0) return;
    TPrinterPreview* preview = box->Printer();
    int fullWidth = preview->GetFullPageWidth(), fullHeight = preview->GetFullPageHeight();
    if (fullWidth <= 0 || fullHeight <= 0) return;
    HDC dc = c->Handle();
    int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin); // not 0 when drawn as part of a parent's picture
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, fullWidth, fullHeight, nullptr);
    SetViewportExtEx(dc, Width(), Height(), nullptr);
    SetViewportOrgEx(dc, origin.x + int(double(preview->PhysicalOffsetX()) * Width() / fullWidth),
                     origin.y + int(double(preview->PhysicalOffsetY()) * Height() / fullHeight), nullptr);
    TFont* font = c->Font();
    int size = font->Size();
    font->SetPixelsPerInch(preview->FontResolution());
    font->SetSize(size);
    if (box->PageCount() > 0) preview->DrawPage(c, box->CurrentPage());
    RestoreDC(dc, saved);
}

void TDrawPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPreviewBox* box = Box();
    if (box && box->CanFocus()) box->SetFocus();
    TPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    down_ = true;
    downX_ = x;
    downY_ = y;
}

void TDrawPanel::MouseMove(TShiftState shift, int x, int y) {
    TPanel::MouseMove(shift, x, y);
    TPreviewBox* box = Box();
    if (!box || !down_ || !controlState_.Contains(csLButtonDown)) return;
    if (!hand_ && x == downX_ && y == downY_) return;
    if (!hand_) {
        hand_ = true;
        SetCursor(HandCursor());
    }
    // The page follows the mouse; at the end of an axis the grip moves instead.
    int v = box->VertPos(), h = box->HorzPos();
    box->SetVertPos(v + downY_ - y);
    box->SetHorzPos(h + downX_ - x);
    if (box->VertPos() == v) downY_ = y;
    if (box->HorzPos() == h) downX_ = x;
}

void TDrawPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool pressed = down_ && button == mbLeft;
    if (button == mbLeft) down_ = false;
    TPanel::MouseUp(button, shift, x, y);
    TPreviewBox* box = Box();
    if (!box || button != mbLeft) return;
    if (hand_) {
        hand_ = false;
        SetCursor(MagnifierCursor());
        return;
    }
    if (!pressed) return;
    if (box->ZoomMode() == kZoomWholePage) {
        int oldWidth = std::max(1, Width()), oldHeight = std::max(1, Height()), oldLeft = Left(), oldTop = Top();
        box->ChangeZoomMode(2);
        // The clicked point stays in view.
        box->SetVertPos(y * Height() / oldHeight - oldTop - y + 16);
        box->SetHorzPos(x * Width() / oldWidth - oldLeft - x + 16);
    } else {
        box->ChangeZoomMode(kZoomWholePage);
    }
}

void TDrawPanel::Dispatch(Message& msg) {
    if (msg.Msg == WM_CANCELMODE) {
        down_ = false;
        if (hand_) {
            hand_ = false;
            SetCursor(MagnifierCursor());
        }
    }
    TPanel::Dispatch(msg);
}

// --- TPreviewBox ------------------------------------------------------------------------------

TPreviewBox::TPreviewBox(TComponent* owner) : TScrollBox(owner) {
    controlStyle_.Exclude(csAcceptsControls);
    SetAutoScroll(false);
    SetTabStop(true);
    shadow_ = new TPanel(this);
    shadow_->SetBevelOuter(bvNone);
    shadow_->SetColor(TColor(0x404040));
    shadow_->SetEnabled(false);
    shadow_->SetParent(this);
    page_ = new TDrawPanel(this);
    page_->SetParent(this);
    page_->SetBounds(8, 8, page_->Width(), page_->Height());
    shadow_->SetBounds(12, 12, page_->Width(), page_->Height());
    preview_ = std::make_unique<TPrinterPreview>(this);
}

TPreviewBox::~TPreviewBox() = default;

void TPreviewBox::Publish(TPublisher& p) {
    p.Event("OnOpenPreviewer", &TPreviewBox::OnOpenPreviewer);
    p.Event("OnPrinterPreviewChanged", &TPreviewBox::OnPrinterPreviewChanged);
}

void TPreviewBox::CreateParams(TCreateParams& params) {
    TScrollBox::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TPreviewBox::AlignControls(TControl* control, RECT& rect) {
    // The page is placed by the layout, not by the scroll box's own rules.
    TCustomControl::AlignControls(control, rect);
}

void TPreviewBox::Notification(TComponent* component, TOperation operation) {
    TScrollBox::Notification(component, operation);
    if (operation == opRemove && component == printComponent_) printComponent_ = nullptr;
}

void TPreviewBox::PreviewChanged(TObject* sender) {
    if (OnPrinterPreviewChanged) OnPrinterPreviewChanged(sender);
}

void TPreviewBox::OpenPreviewer(TObject* sender) {
    if (OnOpenPreviewer) OnOpenPreviewer(sender);
}

void TPreviewBox::SetPrintComponent(TComponent* component) {
    if (component == printComponent_) return;
    if (printComponent_) printComponent_->RemoveFreeNotification(this);
    printComponent_ = component;
    if (component) component->FreeNotification(this);
    PreviewChanged(this);
}

void TPreviewBox::InvalidatePage() { page_->Invalidate(); }

void TPreviewBox::GoToPage(int n) {
    n = std::clamp(n, 1, std::max(1, pageCount_));
    if (n == currentPage_) return;
    currentPage_ = n;
    InvalidatePage();
    PreviewChanged(this);
}

void TPreviewBox::ChangeZoomMode(int mode) {
    mode = std::clamp(mode, 0, kZoomWholePage);
    if (mode != zoomMode_) {
        zoomMode_ = mode;
        UpdatePageLayout();
    }
    PreviewChanged(this);
}

void TPreviewBox::UpdatePageLayout() {
    if (laying_) return;
    laying_ = true;
    int P = preview_->GetPageWidth();
    TCustomForm* form = GetParentForm(this);
    int F = form ? form->PixelsPerInch() : ScreenPixelsPerInch();
    int R = std::max(1, preview_->GetPixelsPerInchX());
    int H = std::max(1, preview_->PageWidthMM()), V = std::max(1, preview_->PageHeightMM());
    int pagePixels = std::max(1, P * F / R);
    int w = 0, h = 0, left = 8, top = 8;
    // The page goes back to the top left before it is placed again.
    ScrollTo(true, 0);
    ScrollTo(false, 0);
    if (zoomMode_ < kZoomPageWidth) {
        int a = kZoomPercents[zoomMode_];
        w = a * P * F / R / 100;
        h = w * V / H;
        vrange_ = h + 16;
        hrange_ = w + 16;
        UpdateScrollBars();
        left = w + 16 < ClientWidth() ? (ClientWidth() - w) / 2 : 8;
        top = h + 16 < ClientHeight() ? (ClientHeight() - h) / 2 : 8;
        zoomPercent_ = a;
    } else if (zoomMode_ == kZoomPageWidth) {
        w = std::max(0, Width() - GetSystemMetrics(SM_CXVSCROLL) - 20);
        h = w * V / H;
        zoomPercent_ = w * 100 / pagePixels;
        vrange_ = h + 16;
        hrange_ = 0;
        UpdateScrollBars();
    } else {
        hrange_ = vrange_ = 0;
        UpdateScrollBars();
        h = std::max(0, ClientHeight() - 16);
        w = h * H / V;
        if (ClientWidth() - 16 < w) {
            w = std::max(0, ClientWidth() - 16);
            h = w * V / H;
        }
        zoomPercent_ = 100;
        left = (ClientWidth() - w) / 2;
        top = (ClientHeight() - h) / 2;
    }
    page_->Invalidate();
    page_->SetBounds(left, top, w, h);
    shadow_->SetBounds(left + 4, top + 4, w, h);
    laying_ = false;
}

void TPreviewBox::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    auto bar = [&](int which, int range, int client, int pos) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = range > client ? range - 1 : 0;
        si.nPage = UINT(range > client ? client : 0);
        si.nPos = pos;
        SetScrollInfo(WindowHandle(), which, &si, TRUE);
        ShowScrollBar(WindowHandle(), which, range > client);
    };
    // A bar that appears narrows the room of the other one: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        bar(SB_VERT, vrange_, ClientHeight(), vpos_);
        bar(SB_HORZ, hrange_, ClientWidth(), hpos_);
    }
    ScrollTo(true, hpos_);
    ScrollTo(false, vpos_);
}

void TPreviewBox::ScrollTo(bool horz, int pos) {
    int range = horz ? hrange_ : vrange_;
    int client = horz ? ClientWidth() : ClientHeight();
    pos = std::clamp(pos, 0, std::max(0, range - client));
    int& current = horz ? hpos_ : vpos_;
    int delta = current - pos;
    if (delta == 0) return;
    current = pos;
    for (TControl* c : {static_cast<TControl*>(shadow_), static_cast<TControl*>(page_)}) {
        if (horz) c->SetBounds(c->Left() + delta, c->Top(), c->Width(), c->Height());
        else c->SetBounds(c->Left(), c->Top() + delta, c->Width(), c->Height());
    }
    if (HandleAllocated()) SetScrollPos(WindowHandle(), horz ? SB_HORZ : SB_VERT, pos, TRUE);
    Invalidate();
}

void TPreviewBox::KeyDown(WORD& key, TShiftState shift) {
    TScrollBox::KeyDown(key, shift);
    bool ctrl = shift.Contains(ssCtrl);
    int vpage = ClientHeight() - Increment(), hpage = ClientWidth() - Increment();
    switch (key) {
    case VK_PRIOR: SetVertPos(ctrl ? 0 : vpos_ - vpage); break;
    case VK_NEXT: SetVertPos(ctrl ? vrange_ : vpos_ + vpage); break;
    case VK_UP: SetVertPos(vpos_ - (ctrl ? vpage : Increment())); break;
    case VK_DOWN: SetVertPos(vpos_ + (ctrl ? vpage : Increment())); break;
    case VK_HOME:
        SetHorzPos(0);
        if (ctrl) SetVertPos(0);
        break;
    case VK_END:
        SetHorzPos(hrange_);
        if (ctrl) SetVertPos(vrange_);
        break;
    case VK_LEFT: SetHorzPos(hpos_ - (ctrl ? hpage : Increment())); break;
    case VK_RIGHT: SetHorzPos(hpos_ + (ctrl ? hpage : Increment())); break;
    default: return;
    }
}

void TPreviewBox::MouseWheel(Message& msg) {
    int delta = std::int16_t(HIWORD(msg.WParam));
    if (vrange_ < ClientHeight()) {
        GoToPage(currentPage_ + (delta < 0 ? 1 : -1));
    } else {
        UINT lines = 3;
        SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        int step = Increment() * int(lines) * zoomPercent_ / 100;
        SetVertPos(vpos_ + (delta < 0 ? step : -step));
    }
    msg.Result = 1;
}

void TPreviewBox::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS;
        return;
    case CM_MOUSEWHEEL:
        MouseWheel(msg);
        return;
    case WM_LBUTTONDOWN:
        if (CanFocus()) SetFocus();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        bool horz = msg.Msg == WM_HSCROLL;
        int pos = horz ? hpos_ : vpos_;
        int page = (horz ? ClientWidth() : ClientHeight()) - Increment();
        switch (LOWORD(msg.WParam)) {
        case SB_LINEUP: pos -= Increment(); break;
        case SB_LINEDOWN: pos += Increment(); break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = int(std::int16_t(HIWORD(msg.WParam))); break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = horz ? hrange_ : vrange_; break;
        default: break;
        }
        ScrollTo(horz, pos);
        msg.Result = 0;
        return;
    }
    case WM_SIZE: {
        TScrollBox::Dispatch(msg);
        if (laying_) return;
        bool covers = page_->Width() + 16 >= ClientWidth() && page_->Height() + 16 >= ClientHeight();
        if (zoomMode_ < kZoomPageWidth && covers) UpdateScrollBars();
        else UpdatePageLayout();
        return;
    }
    default: break;
    }
    TScrollBox::Dispatch(msg);
}

void TPreviewBox::RunPrintDialog() {
    TPrinterExchange exchange(preview_->OwnPrinter());
    TPrintDialog dialog(Owner());
    dialog.SetOptions(TPrintDialogOptions{poPageNums});
    dialog.SetMinPage(1);
    dialog.SetMaxPage(pageCount_);
    dialog.SetFromPage(1);
    dialog.SetToPage(pageCount_);
    if (!dialog.Execute() || pageCount_ <= 0) return;
    int from = 1, to = pageCount_;
    if (dialog.PrintRange() == prPageNums) {
        from = std::clamp(dialog.FromPage(), 1, pageCount_);
        to = std::clamp(dialog.ToPage(), from, pageCount_);
    }
    TPrinter* printer = tv::Printer();
    if (dialog.Copies() >= 1) printer->SetCopies(dialog.Copies());
    printer->BeginDoc();
    try {
        for (int i = from; i <= to; ++i) {
            if (i > from) printer->NewPage();
            preview_->DrawPage(printer->Canvas(), i);
        }
    } catch (...) {
        // A half-printed document is not sent.
        if (printer->Printing()) printer->Abort();
        throw;
    }
    printer->EndDoc();
}

void TPreviewBox::RunPrinterSetup() {
    TPrinterExchange exchange(preview_->OwnPrinter());
    if (PrinterSetupHandler) {
        PrinterSetupHandler(this);
        return;
    }
    TPrinter* printer = tv::Printer();
    TPrinterSetupDialog dialog(Owner());
    dialog.SetPrinterName(printer->Printers()->Strings(printer->PrinterIndex()));
    if (!dialog.Execute()) return;
    int chosen = printer->Printers()->IndexOf(dialog.PrinterName());
    if (chosen >= 0 && chosen != printer->PrinterIndex()) printer->SetPrinterIndex(chosen);
    UpdatePageLayout();
    if (AfterSetupHandler) AfterSetupHandler(this);
}

} // namespace tv
