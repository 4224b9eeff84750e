#pragma once
// THintWindow: the small window that shows a hint; controls with hints of
// their own derive from it and measure with CalcHintRect.
#include <string>

#include "framework/ui/controls.h"

namespace tv {

class THintWindow : public TCustomControl {
    TV_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* owner = nullptr);
    // The rectangle (at 0, 0) that shows the hint, its lines broken at maxWidth.
    virtual win::RECT CalcHintRect(int maxWidth, const std::string& hint, void* data);
    // Shows the hint at a screen rectangle without taking the activation.
    virtual void ActivateHint(win::RECT rect, const std::string& hint);
    virtual void ActivateHintData(win::RECT rect, const std::string& hint, void* data) { ActivateHint(rect, hint); }
    void ReleaseHandle() { DestroyHandle(); }
    void Dispatch(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

using THintWindowClass = TClass;

} // namespace tv
