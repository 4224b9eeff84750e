#include "framework/ui/checkcontrols.h"

#include "platform/gdi/edges.h"
#include "platform/gdi/text.h"
#include "platform/region.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TCheckBoxStateInfo{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

// --- TGroupBox ----------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                  csReplicatable};
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::AdjustClientRect(RECT& r) {
    r.top += Font()->Height() < 0 ? -Font()->Height() : Font()->Height();
    InflateRect(&r, -2, -2);
}

void TGroupBox::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
    c->Font()->Assign(Font());
    int h = c->TextHeight("0");
    RECT frame{r.left, r.top + h / 2, r.right, r.bottom};
    DrawEdge(c->Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (!Caption().empty()) {
        RECT t{8, 0, 0, h};
        c->DrawText(Caption(), t, DT_CALCRECT | DT_SINGLELINE);
        c->Brush()->SetColor(Color());
        c->DrawText(Caption(), t, DT_SINGLELINE);
    }
}

// --- TButtonControl -----------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TButtonControl::Publish(TPublisher& p) {
    p.Enum("Alignment", &TButtonControl::Alignment, &TButtonControl::SetAlignment, TAlignmentInfo)
        .Default(taRightJustify);
    p.Boolean("Checked", &TButtonControl::Checked, &TButtonControl::SetChecked).Default(false);
    p.Boolean("TabStop", &TButtonControl::TabStop, &TButtonControl::SetTabStop).Default(true);
}

void TButtonControl::SetChecked(bool v) {
    TCheckBoxState s = v ? cbChecked : cbUnchecked;
    if (s == state_) return;
    state_ = s;
    StateChanged();
}

void TButtonControl::StateChanged() {
    Invalidate();
    if (!ComponentState().Contains(csLoading)) Click();
}

void TButtonControl::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
        if (CanFocus()) SetFocus();
        break;
    case WM_LBUTTONUP: {
        RECT r = ClientRect();
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        bool inside = controlState_.Contains(csLButtonDown) && PtInRect(&r, p);
        controlState_.Exclude(csClicked); // the state change clicks
        TCustomControl::Dispatch(msg);
        if (inside) Toggle();
        return;
    }
    case WM_KEYUP:
        if (msg.WParam == WPARAM(VK_SPACE)) Toggle();
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(msg.WParam), Caption()) && CanFocus()) {
            SetFocus();
            Toggle();
            msg.Result = 1;
        }
        return;
    case WM_SETFOCUS: case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(msg);
}

void TButtonControl::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
    int box = 13;
    int top = (r.Height() - box) / 2;
    bool left = alignment_ == taRightJustify;
    RECT b{left ? 0 : r.right - box, top, left ? box : r.right, top + box};
    UINT state = IsRadio() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (state_ == cbChecked) state |= DFCS_CHECKED;
    if (state_ == cbGrayed) state |= DFCS_CHECKED | DFCS_INACTIVE;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(c->Handle(), &b, DFC_BUTTON, state);
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    RECT t{left ? box + 4 : 0, 0, left ? r.right : r.right - box - 4, r.bottom};
    c->DrawText(Caption(), t, DT_SINGLELINE | DT_VCENTER | (left ? DT_LEFT : DT_RIGHT));
    if (Focused()) {
        RECT f = t;
        c->DrawText(Caption(), f, DT_SINGLELINE | DT_CALCRECT);
        OffsetRect(&f, 0, (r.Height() - f.Height()) / 2);
        InflateRect(&f, 1, 0);
        c->DrawFocusRect(f);
    }
}

// --- TCheckBox / TRadioButton --------------------------------------------------------------

void TCheckBox::Publish(TPublisher& p) {
    p.Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    p.Enum("State", &TCheckBox::State, &TCheckBox::SetState, TCheckBoxStateInfo).Default(cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState v) {
    if (v == state_) return;
    state_ = v;
    StateChanged();
}

void TCheckBox::Toggle() {
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TRadioButton::SetChecked(bool v) {
    if (v == Checked()) return;
    state_ = v ? cbChecked : cbUnchecked;
    if (v && parent_) {
        for (int i = 0; i < parent_->ControlCount(); ++i)
            if (auto* r = dynamic_cast<TRadioButton*>(parent_->Controls(i)); r && r != this && r->Checked()) {
                r->state_ = cbUnchecked;
                r->Invalidate();
            }
    }
    StateChanged();
}

} // namespace tv
