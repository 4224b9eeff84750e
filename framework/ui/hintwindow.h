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

// What CM_HINTSHOW carries (LParam): a control may change any of it, or
// answer non-zero to show no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    win::POINT HintPos;           // screen point of the hint's top-left corner
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    win::RECT CursorRect;         // the hint stays while the mouse is in it (control coordinates)
    win::POINT CursorPos;         // the mouse in control coordinates
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    std::string HintStr;
    void* HintData = nullptr;
};

// The part of a hint before "|" (what the hint window shows) and after it.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

} // namespace tv
