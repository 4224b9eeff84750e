#pragma once
// The form's read-property interceptor, registered at the grid services' start-up.
#include "core/propertyinterceptor.h"
#include "framework/ui/forms.h"

namespace tv {

// Position, size, state and active control of a form, applied scaled to the
// screen's pixels per inch.
class TFormStoragePropertyInterceptor : public TStoragePropertyInterceptor {
    TV_CLASS(TFormStoragePropertyInterceptor, TStoragePropertyInterceptor)
public:
    TFormStoragePropertyInterceptor() = default;
    static void Publish(TPublisher& p);
    void Create(TPersistent* target) override;
    void AfterPropertiesRead() override;

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* v) { activeControl_ = v; }
    // The readers give the target form's normal bounds as they are now (0
    // without a form); the writers keep what is written for AfterPropertiesRead.
    int Height() const;
    void SetHeight(int v) { height_ = v; }
    int Left() const;
    void SetLeft(int v) { left_ = v; posWritten_ = true; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    int Top() const;
    void SetTop(int v) { top_ = v; posWritten_ = true; }
    int Width() const;
    void SetWidth(int v) { width_ = v; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState v) { windowState_ = v; }

private:
    TWinControl* activeControl_ = nullptr;
    int height_ = 0, left_ = 0, top_ = 0, width_ = 0, pixelsPerInch_ = 96;
    TWindowState windowState_ = wsNormal;
    bool posWritten_ = false;
};

// The form's bounds when it is shown normally.
win::RECT FormNormalBounds(TCustomForm* form);

} // namespace tv
