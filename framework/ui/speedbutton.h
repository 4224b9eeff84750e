#pragma once
// TSpeedButton: a button painted by its parent, often on a tool bar, that can
// stay down and work in groups where one is down at a time.
#include <memory>

#include "framework/ui/bitbtn.h"
#include "framework/ui/controls.h"

namespace tv {

class TSpeedButton : public TGraphicControl {
    TV_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner = nullptr);
    ~TSpeedButton() override;
    static void Publish(TPublisher& p);

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); Invalidate(); }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { layout_ = v; Invalidate(); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { spacing_ = v; Invalidate(); }
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = v; Invalidate(); }
    void Click() override;
    void Dispatch(Message& msg) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override;
    // Held down by the mouse: drawn pressed, and clicks when released over it.
    bool Pressing() const { return pressing_; }
    void SetPressing(bool v) {
        if (pressing_ == v) return;
        pressing_ = v;
        Invalidate();
    }

private:
    void UpdateGroup();
    std::unique_ptr<TBitmap> glyph_;
    int groupIndex_ = 0;
    bool down_ = false, allowAllUp_ = false, flat_ = false, transparent_ = true;
    bool pressing_ = false, hot_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4, margin_ = -1;
};

} // namespace tv
