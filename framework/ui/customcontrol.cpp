// Controls that paint themselves: TGraphicControl on the parent's window,
// TCustomControl on its own; both through a TControlCanvas.
#include "framework/ui/controls.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/window/paint.h"

namespace tv {

using namespace tv::win;

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* c) {
    if (c == control_) return;
    FreeHandle();
    control_ = c;
}

void TControlCanvas::CreateHandle() {
    if (!control_) return;
    auto* w = dynamic_cast<TWinControl*>(control_);
    HWND wnd = w ? w->Handle() : control_->Parent() ? control_->Parent()->Handle() : nullptr;
    if (!wnd) return;
    HDC dc = GetDCEx(wnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!w) {
        SetViewportOrgEx(dc, control_->Left(), control_->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
    }
    dcWindow_ = wnd;
    SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
    if (!dcWindow_) return;
    HDC dc = dc_;
    SetHandle(nullptr);
    ReleaseDC(dcWindow_, dc);
    dcWindow_ = nullptr;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(Message& msg) {
    if (msg.Msg == WM_PAINT && msg.WParam) {
        canvas_->Lock();
        HDC saved = canvas_->HandleAllocated() ? canvas_->Handle() : nullptr;
        canvas_->FreeHandle();
        canvas_->SetHandle(reinterpret_cast<HDC>(msg.WParam));
        try {
            Paint();
        } catch (...) {
            canvas_->SetHandle(nullptr);
            canvas_->Unlock();
            throw;
        }
        canvas_->SetHandle(nullptr);
        (void)saved;
        canvas_->Unlock();
        return;
    }
    TControl::Dispatch(msg);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() { canvas_->FreeHandle(); }

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->Lock();
    canvas_->FreeHandle();
    canvas_->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        canvas_->Unlock();
        throw;
    }
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}

} // namespace tv
