#pragma once
// The small speed button that shows one edit button of an editor: painted as
// a drop-down arrow, ellipsis, up/down pair, plus or minus (or its own glyph),
// it tells which half of an up/down pair is held and repeats its down event
// while such a button is held.
#include <functional>

#include "editors/buttonsizes.h"
#include "framework/ui/speedbutton.h"

namespace tv {

class TTimer;

using TButtonClickEventEh = std::function<void(TObject* sender, bool& handled)>;
using TButtonDownEventEh = std::function<void(TObject* sender, bool topButton, bool& autoRepeat, bool& handled)>;

extern const TEnumInfo TEditButtonStyleEhInfo;

class TEditButtonControlEh : public TSpeedButton {
    TV_CLASS(TEditButtonControlEh, TSpeedButton)
public:
    explicit TEditButtonControlEh(TComponent* owner = nullptr);
    ~TEditButtonControlEh() override;

    TEditButtonStyleEh Style() const { return style_; }
    void SetStyle(TEditButtonStyleEh v);
    bool Active() const { return active_; }
    void SetActive(bool v);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { numGlyphs_ = v < 1 ? 1 : v > 4 ? 4 : v; }
    // Holds the button pressed while the editor's drop-down is open.
    void SetAlwaysDown(bool v);
    bool AlwaysDown() const { return alwaysDown_; }
    // TButtonPressedPartEh: nothing, the button or upper half, the lower half.
    int PressedPart() const { return pressedPart_; }
    void FireOnDown(bool topButton, bool& autoRepeat, bool& handled);
    void Click() override;

    TButtonDownEventEh OnDown;

protected:
    void Paint() override;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override;
    void MouseMove(TShiftState s, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override;

private:
    bool IsDown() const { return Pressing() || Down(); }
    void UpdatePressedPart(int y);
    void StartRepeat(int interval);
    void StopRepeat();
    void RepeatTick();

    TEditButtonStyleEh style_ = ebsDropDownEh;
    bool active_ = false;
    bool alwaysDown_ = false;
    int pressedPart_ = bppNoneEh;
    int numGlyphs_ = 1;
    bool noClick_ = false;
    TTimer* timer_ = nullptr;
};

// The edit button as a control of its own on a form.
class TSpeedButtonEh : public TEditButtonControlEh {
    TV_CLASS(TSpeedButtonEh, TEditButtonControlEh)
public:
    using TEditButtonControlEh::TEditButtonControlEh;
    static void Publish(TPublisher& p);
};

} // namespace tv
