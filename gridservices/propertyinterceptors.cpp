#include "gridservices/propertyinterceptors.h"

#include <cmath>

#include "core/unitinit.h"
#include "framework/ui/screen.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

namespace {
int MulDivRound(int a, int b, int c) {
    return c == 0 ? a : static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
} // namespace

// --- the form interceptor ---

void TFormStoragePropertyInterceptor::Publish(TPublisher& p) {
    using C = TFormStoragePropertyInterceptor;
    p.Component("ActiveControl", &C::ActiveControl, &C::SetActiveControl);
    p.Integer("Height", &C::Height, &C::SetHeight);
    p.Integer("Left", &C::Left, &C::SetLeft);
    p.Integer("PixelsPerInch", nullptr, &C::SetPixelsPerInch);
    p.Integer("Top", &C::Top, &C::SetTop);
    p.Integer("Width", &C::Width, &C::SetWidth);
    p.Enum("WindowState", nullptr, &C::SetWindowState, TWindowStateInfo);
}

win::RECT FormNormalBounds(TCustomForm* form) {
    if (form->WindowState() != wsNormal && form->HandleAllocated()) {
        win::WINDOWPLACEMENT wp;
        if (win::GetWindowPlacement(form->WindowHandle(), &wp)) return wp.rcNormalPosition;
    }
    return form->BoundsRect();
}

namespace {
win::RECT TargetBounds(TPersistent* target) {
    auto* form = dynamic_cast<TCustomForm*>(target);
    return form ? FormNormalBounds(form) : win::RECT{0, 0, 0, 0};
}
} // namespace

int TFormStoragePropertyInterceptor::Height() const { return TargetBounds(target_).Height(); }
int TFormStoragePropertyInterceptor::Left() const { return TargetBounds(target_).left; }
int TFormStoragePropertyInterceptor::Top() const { return TargetBounds(target_).top; }
int TFormStoragePropertyInterceptor::Width() const { return TargetBounds(target_).Width(); }

void TFormStoragePropertyInterceptor::Create(TPersistent* target) {
    TStoragePropertyInterceptor::Create(target);
    auto* form = dynamic_cast<TCustomForm*>(target);
    if (!form) return;
    win::RECT r = FormNormalBounds(form);
    top_ = r.top;
    left_ = r.left;
    height_ = r.bottom - r.top;
    width_ = r.right - r.left;
    pixelsPerInch_ = form->PixelsPerInch();
    windowState_ = form->WindowState();
    activeControl_ = form->ActiveControl();
}

void TFormStoragePropertyInterceptor::AfterPropertiesRead() {
    int screenPpi = Screen ? Screen->PixelsPerInch() : 96;
    height_ = MulDivRound(height_, screenPpi, pixelsPerInch_);
    left_ = MulDivRound(left_, screenPpi, pixelsPerInch_);
    top_ = MulDivRound(top_, screenPpi, pixelsPerInch_);
    width_ = MulDivRound(width_, screenPpi, pixelsPerInch_);
    auto* form = dynamic_cast<TCustomForm*>(target_);
    if (!form) return;
    form->SetWindowState(windowState_);
    form->SetActiveControl(activeControl_);
    if (windowState_ != wsNormal && form->HandleAllocated()) {
        win::WINDOWPLACEMENT wp;
        win::GetWindowPlacement(form->WindowHandle(), &wp);
        wp.rcNormalPosition = {left_, top_, left_ + width_, top_ + height_};
        win::SetWindowPlacement(form->WindowHandle(), &wp);
    } else {
        form->SetBounds(left_, top_, width_, height_);
    }
    if ((form->Position() == poScreenCenter || form->Position() == poDesktopCenter) &&
        !form->ComponentState().Contains(csDesigning) && posWritten_)
        form->SetPosition(poDesigned);
}

namespace {
void InitInterceptors() {
    AddReadPropertyInterceptor(TCustomForm::StaticClass(), TFormStoragePropertyInterceptor::StaticClass());
}
void DoneInterceptors() { FreeReadPropertyInterceptors(); }
} // namespace

TV_UNIT(PropertyInterceptors, urGrid - 1, &InitInterceptors, &DoneInterceptors)

} // namespace tv
