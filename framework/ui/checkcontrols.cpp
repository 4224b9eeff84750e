#include "framework/ui/checkcontrols.h"

#include <algorithm>

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
    if (!Enabled()) c->Font()->SetColor(clGrayText);
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
    // The box on the other side, and the caption next to it, when read right to left.
    bool left = (alignment_ == taRightJustify) != UseRightToLeftAlignment();
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
    c->DrawText(Caption(), t,
                DT_SINGLELINE | DT_VCENTER | (left ? DT_LEFT : DT_RIGHT) | DrawTextBiDiModeFlagsReadingOnly());
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

// --- TRadioGroup ------------------------------------------------------------------------

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) {
        if (!ComponentState().Contains(csLoading)) UpdateButtons();
    };
}

TRadioGroup::~TRadioGroup() {
    for (TRadioButton* b : buttons_) delete b;
}

void TRadioGroup::Publish(TPublisher& p) {
    p.Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
    p.Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
    p.Strings("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
}

void TRadioGroup::Loaded() {
    TGroupBox::Loaded();
    UpdateButtons();
}

void TRadioGroup::UpdateButtons() {
    updating_ = true;
    while (int(buttons_.size()) > items_->Count()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (int(buttons_.size()) < items_->Count()) {
        auto* b = new TRadioButton(nullptr);
        b->SetEnabled(Enabled());
        b->SetParent(this);
        int index = int(buttons_.size());
        b->OnClick = [this, index](TObject*) {
            if (updating_ || !buttons_[size_t(index)]->Checked()) return;
            itemIndex_ = index;
            Click();
        };
        buttons_.push_back(b);
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetCaption(items_->Strings(int(i)));
        buttons_[i]->SetChecked(int(i) == itemIndex_);
    }
    updating_ = false;
    Realign();
}

// The group's buttons are its own: they follow its enabled state.
void TRadioGroup::SetEnabled(bool v) {
    TGroupBox::SetEnabled(v);
    for (TRadioButton* b : buttons_) b->SetEnabled(v);
}

void TRadioGroup::SetItemIndex(int v) {
    if (ComponentState().Contains(csLoading)) {
        itemIndex_ = v;
        return;
    }
    if (v < -1 || v >= items_->Count()) v = -1;
    if (v == itemIndex_) return;
    itemIndex_ = v;
    updating_ = true;
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(int(i) == v);
    updating_ = false;
}

void TRadioGroup::SetColumns(int v) {
    columns_ = std::max(1, std::min(16, v));
    Realign();
}

void TRadioGroup::AlignControls(TControl* control, RECT& rect) {
    if (!buttons_.empty()) {
        int rows = (int(buttons_.size()) + columns_ - 1) / columns_;
        int colWidth = (rect.right - rect.left) / columns_;
        int rowHeight = std::max(1, (rect.bottom - rect.top) / rows);
        for (size_t i = 0; i < buttons_.size(); ++i) {
            int col = int(i) / rows, row = int(i) % rows;
            buttons_[i]->SetBounds(rect.left + col * colWidth + 4, rect.top + row * rowHeight, colWidth - 8,
                                   std::min(rowHeight, 20));
        }
    }
    TGroupBox::AlignControls(control, rect);
}

} // namespace tv
