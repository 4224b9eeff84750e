#include "editors/editbuttoncontrol.h"

#include "editors/buttonfaces.h"
#include "framework/ui/basiccontrols.h"
#include "platform/gdi/gdi.h"

namespace tv {

using namespace win;

const TEnumInfo TEditButtonStyleEhInfo{
    "TEditButtonStyleEh", {"ebsDropDownEh", "ebsEllipsisEh", "ebsGlyphEh", "ebsUpDownEh", "ebsPlusEh", "ebsMinusEh"}};

namespace {
constexpr int kFirstRepeat = 400, kNextRepeat = 100;
} // namespace

TEditButtonControlEh::TEditButtonControlEh(TComponent* owner) : TSpeedButton(owner) {}

TEditButtonControlEh::~TEditButtonControlEh() = default;

void TEditButtonControlEh::SetStyle(TEditButtonStyleEh v) {
    if (style_ == v) return;
    style_ = v;
    Invalidate();
}

void TEditButtonControlEh::SetActive(bool v) {
    if (active_ == v) return;
    active_ = v;
    Invalidate();
}

void TEditButtonControlEh::SetAlwaysDown(bool v) {
    if (alwaysDown_ == v) return;
    alwaysDown_ = v;
    if (v) {
        SetGroupIndex(1);
        SetDown(true);
        SetAllowAllUp(false);
        pressedPart_ = bppButtonEh;
    } else {
        SetAllowAllUp(true);
        SetDown(false);
        SetGroupIndex(0);
        pressedPart_ = bppNoneEh;
    }
    Invalidate();
}

void TEditButtonControlEh::FireOnDown(bool topButton, bool& autoRepeat, bool& handled) {
    if (OnDown) OnDown(this, topButton, autoRepeat, handled);
}

void TEditButtonControlEh::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
    if (style_ != ebsGlyphEh) {
        DrawEditButtonFace(c->Handle(), r, parentColor, cbUnchecked, true, active_, Flat(),
                           IsDown() ? pressedPart_ : bppNoneEh, ButtonFaceKindOfStyle(style_));
        return;
    }
    if (!Flat()) {
        TSpeedButton::Paint();
        return;
    }
    HDC dc = c->Handle();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    TSpeedButton::Paint();
    RestoreDC(dc, saved);
    if (active_) {
        RECT e = r;
        DrawEdge(dc, &e, IsDown() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    } else {
        HBRUSH b = CreateSolidBrush(ColorToRGB(parentColor));
        FrameRect(dc, &r, b);
        DeleteObject(b);
    }
}

void TEditButtonControlEh::UpdatePressedPart(int y) {
    int old = pressedPart_;
    if (!IsDown()) {
        pressedPart_ = bppNoneEh;
    } else if (style_ == ebsUpDownEh) {
        int h = Height();
        pressedPart_ = y < h / 2 ? bppButtonEh : y > h - h / 2 ? bppLowerEh : bppNoneEh;
    } else {
        pressedPart_ = bppButtonEh;
    }
    if (pressedPart_ != old) Invalidate();
}

void TEditButtonControlEh::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    bool autoRepeat = style_ == ebsUpDownEh;
    auto alive = Alive();
    TSpeedButton::MouseDown(b, s, x, y);
    if (!*alive || b != mbLeft) return;
    UpdatePressedPart(y);
    if (pressedPart_ == bppButtonEh || pressedPart_ == bppLowerEh) {
        bool handled = false;
        FireOnDown(pressedPart_ == bppButtonEh, autoRepeat, handled);
        if (!*alive) return;
    }
    if (autoRepeat) StartRepeat(kFirstRepeat);
}

void TEditButtonControlEh::MouseMove(TShiftState s, int x, int y) {
    TSpeedButton::MouseMove(s, x, y);
    if (!ControlState().Contains(csLButtonDown) || style_ != ebsUpDownEh || !Pressing()) return;
    int h = Height();
    if ((pressedPart_ == bppLowerEh && y < h / 2) || (pressedPart_ == bppButtonEh && y > h - h / 2))
        SetPressing(false);
}

void TEditButtonControlEh::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    auto alive = Alive();
    noClick_ = style_ == ebsUpDownEh && !Pressing();
    try {
        TSpeedButton::MouseUp(b, s, x, y);
    } catch (...) {
        if (*alive) noClick_ = false;
        throw;
    }
    if (!*alive) return;
    noClick_ = false;
    UpdatePressedPart(y);
    StopRepeat();
}

void TEditButtonControlEh::Click() {
    if (noClick_) return;
    TSpeedButton::Click();
}

void TEditButtonControlEh::StartRepeat(int interval) {
    if (!timer_) {
        timer_ = new TTimer(this);
        timer_->SetEnabled(false);
        timer_->OnTimer = [this](TObject*) { RepeatTick(); };
    }
    if (timer_->Enabled() && timer_->Interval() == interval) return;
    timer_->SetEnabled(false);
    timer_->SetInterval(interval);
    timer_->SetEnabled(true);
}

void TEditButtonControlEh::StopRepeat() {
    if (timer_) timer_->SetEnabled(false);
}

void TEditButtonControlEh::RepeatTick() {
    bool autoRepeat = style_ == ebsUpDownEh;
    if (!Pressing()) return;
    if (timer_->Interval() == kFirstRepeat) StartRepeat(kNextRepeat);
    bool handled = false;
    auto alive = Alive();
    FireOnDown(pressedPart_ == bppButtonEh, autoRepeat, handled);
    if (*alive && !autoRepeat) StopRepeat();
}

void TSpeedButtonEh::Publish(TPublisher& p) {
    p.Boolean("Active", &TSpeedButtonEh::Active, &TSpeedButtonEh::SetActive).Default(false);
    p.Enum("Style", &TSpeedButtonEh::Style, &TSpeedButtonEh::SetStyle, TEditButtonStyleEhInfo).Default(ebsDropDownEh);
}

} // namespace tv
