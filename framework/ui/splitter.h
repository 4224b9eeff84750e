#pragma once
// TSplitter: a bar between aligned controls that the mouse drags to share the
// room between them.
#include "framework/ui/controls.h"

namespace tv {

class TSplitter : public TGraphicControl {
    TV_CLASS(TSplitter, TGraphicControl)
public:
    explicit TSplitter(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    int MinSize() const { return minSize_; }
    void SetMinSize(int v) { minSize_ = v; }
    // The control the splitter sizes: the one aligned to the same side just before it.
    TControl* FindControl() const;
    TNotifyEvent OnMoved;
    // Asked before each new size; it may change the size or refuse it.
    std::function<void(TObject* sender, int& newSize, bool& accept)> OnCanResize;

protected:
    void Paint() override;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override;
    void MouseMove(TShiftState s, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override;

private:
    int minSize_ = 30;
    TControl* target_ = nullptr;
    int downPos_ = 0, startSize_ = 0;
};

} // namespace tv
