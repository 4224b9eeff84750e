#pragma once
// TScrollBox: a container whose children may reach past its client area;
// its scroll bars move them into view.
#include "framework/ui/controls.h"

namespace tv {

class TScrollBox : public TCustomControl {
    TV_CLASS(TScrollBox, TCustomControl)
public:
    explicit TScrollBox(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; UpdateScrollBars(); }
    // Moves the children by dx, dy pixels.
    void ScrollBy(int dx, int dy);
    // Scrolls until the control is wholly in view.
    void ScrollInView(TControl* control);
    int HorzPosition() const { return hpos_; }
    int VertPosition() const { return vpos_; }
    void SetHorzPosition(int v);
    void SetVertPosition(int v);
    void Dispatch(Message& msg) override;
    void DefaultHandler(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AlignControls(TControl* control, win::RECT& rect) override;

private:
    void UpdateScrollBars();
    win::SIZE ContentSize();
    bool autoScroll_ = true;
    int hpos_ = 0, vpos_ = 0;
    bool updating_ = false;
};

} // namespace tv
