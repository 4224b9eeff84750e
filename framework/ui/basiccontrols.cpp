#include "framework/ui/basiccontrols.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/ui/application.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/region.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TBevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

namespace {
UINT AlignmentFormat(TAlignment a) { return a == taCenter ? DT_CENTER : a == taRightJustify ? DT_RIGHT : DT_LEFT; }
}

// --- TLabel -----------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = TControlStyle{csReplicatable};
    SetBounds(0, 0, 65, 17);
}

void TLabel::Publish(TPublisher& p) {
    p.Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    p.Component("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    p.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    p.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

void TLabel::Dispatch(Message& msg) {
    if (msg.Msg == CM_TEXTCHANGED || msg.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
        return;
    }
    if (msg.Msg == CM_DIALOGCHAR) {
        if (focusControl_ && IsAccel(char32_t(msg.WParam), Caption()) && focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            msg.Result = 1;
        }
        return;
    }
    TGraphicControl::Dispatch(msg);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || ComponentState().Contains(csLoading)) return;
    HDC dc = CreateCompatibleDC(nullptr);
    TCanvas c;
    c.SetHandle(dc);
    c.Font()->Assign(Font());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    c.DrawText(Caption().empty() ? " " : Caption(), r, DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    c.SetHandle(nullptr);
    DeleteDC(dc);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

void TLabel::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    if (!transparent_) {
        c->Brush()->SetColor(Color());
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(r);
    }
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->DrawText(Caption(), r, DrawTextBiDiModeFlags(AlignmentFormat(alignment_) | (wordWrap_ ? DT_WORDBREAK : 0)));
}

// --- TButton ----------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButton::Publish(TPublisher& p) {
    p.Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    p.Boolean("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    p.Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Idents(ModalResultIdents()).Default(0);
    p.Boolean("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
}

void TButton::Click() {
    auto alive = Alive();
    // The form's result first: a handler may still change or clear it.
    if (TCustomForm* f = GetParentForm(this); f && modalResult_ != mrNone) f->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case CM_DIALOGKEY:
        if (((msg.WParam == WPARAM(VK_RETURN) && default_) || (msg.WParam == WPARAM(VK_ESCAPE) && cancel_)) &&
            KeyboardShiftState().Empty() && Enabled() && Showing()) {
            Click();
            msg.Result = 1;
        }
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(msg.WParam), Caption()) && CanFocus()) {
            Click();
            msg.Result = 1;
        }
        return;
    case WM_GETDLGCODE:
        msg.Result = 0;
        return;
    case WM_KEYDOWN:
        if (msg.WParam == WPARAM(VK_SPACE)) {
            pressed_ = true;
            Invalidate();
        }
        break;
    case WM_KEYUP:
        if (msg.WParam == WPARAM(VK_SPACE) && pressed_) {
            pressed_ = false;
            Invalidate();
            Click();
            return;
        }
        break;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        if (CanFocus()) SetFocus();
        pressed_ = true;
        Invalidate();
        break;
    case WM_LBUTTONUP:
        pressed_ = false;
        Invalidate();
        break;
    case WM_SETFOCUS: case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(msg);
}

void TButton::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    if (default_ || Focused()) {
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        InflateRect(&r, -1, -1);
    }
    DrawEdge(c->Handle(), &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    if (pressed_) OffsetRect(&r, 1, 1);
    c->DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DrawTextBiDiModeFlagsReadingOnly());
    if (Focused()) {
        RECT f = r;
        InflateRect(&f, -2, -2);
        c->DrawFocusRect(f);
    }
}

// --- TPanel -----------------------------------------------------------------------------

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::Publish(TPublisher& p) {
    p.Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, TAlignmentInfo).Default(taCenter);
    p.Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, TBevelCutInfo).Default(bvNone);
    p.Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, TBevelCutInfo).Default(bvRaised);
    p.Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    p.Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
}

void TPanel::AdjustClientRect(RECT& r) {
    int b = borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    InflateRect(&r, -b, -b);
}

void TPanel::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        for (int i = 0; i < bevelWidth_ && r.right > r.left && r.bottom > r.top; ++i)
            DrawEdge(c->Handle(), &r, cut == bvLowered ? BDR_SUNKENOUTER : cut == bvRaised ? BDR_RAISEDINNER : 0,
                     BF_RECT | BF_ADJUST);
    };
    bevel(bevelOuter_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    bevel(bevelInner_);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    InflateRect(&r, -2, 0);
    c->DrawText(Caption(), r, DrawTextBiDiModeFlags(AlignmentFormat(Alignment()) | DT_VCENTER | DT_SINGLELINE));
}

// --- TStatusBar -------------------------------------------------------------------------

void TStatusPanel::Publish(TPublisher& p) {
    p.Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, TBevelCutInfo).Default(bvLowered);
    p.String("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    p.Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).NoDefault();
}

TPersistent* TStatusPanels::GetOwner() const { return bar_; }

void TStatusPanels::Update(TCollectionItem*) {
    if (bar_) bar_->Invalidate();
}

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner), panels_(std::make_unique<TStatusPanels>(this)) {
    controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::Publish(TPublisher& p) {
    p.Collection("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    p.Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
    p.String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    p.Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
    p.Enum("Align", &TStatusBar::Align, &TStatusBar::SetAlign, TAlignInfo).Default(alBottom);
}

RECT TStatusBar::PanelRect(int index) {
    RECT c = ClientRect();
    int x = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        int w = panels_->Items(i)->Width();
        // The last panel takes what is left.
        int right = i == panels_->Count() - 1 ? c.right : x + w;
        if (i == index) return {x, c.top + 2, right, c.bottom};
        x += w;
    }
    return {};
}

void TStatusBar::Paint() {
    TCanvas* cv = Canvas();
    RECT c = ClientRect();
    cv->Brush()->SetColor(Color());
    cv->Brush()->SetStyle(bsSolid);
    cv->FillRect(c);
    cv->Font()->Assign(Font());
    auto text = [&](RECT r, const std::string& s, TAlignment a) {
        InflateRect(&r, -3, 0);
        cv->Brush()->SetStyle(bsClear);
        // A panel is one line: the lines of a message stay apart by a space.
        std::string line = StringReplace(StringReplace(s, "\r\n", " ", rfReplaceAll), "\n", " ", rfReplaceAll);
        line = StringReplace(line, "\r", " ", rfReplaceAll);
        cv->DrawText(line, r, AlignmentFormat(a) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    };
    if (simplePanel_) {
        text(c, simpleText_, taLeftJustify);
        return;
    }
    for (int i = 0; i < panels_->Count(); ++i) {
        RECT r = PanelRect(i);
        TStatusPanel* p = panels_->Items(i);
        RECT e = r;
        if (p->Bevel() != bvNone)
            DrawEdge(cv->Handle(), &e, p->Bevel() == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        text(e, p->Text(), p->Alignment());
    }
}

// --- TTimer -----------------------------------------------------------------------------

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (id_) KillTimer(nullptr, id_);
}

void TTimer::Publish(TPublisher& p) {
    p.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    p.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    p.Event("OnTimer", &TTimer::OnTimer);
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(int v) {
    if (v == interval_) return;
    interval_ = v;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (id_) KillTimer(nullptr, id_);
    id_ = 0;
    if (!enabled_ || interval_ <= 0 || ComponentState().Contains(csLoading)) return;
    auto alive = token_.Watch();
    id_ = SetTimer(nullptr, 0, UINT(interval_), [this, alive](HWND, UINT, UINT_PTR, DWORD) {
        if (!*alive || !OnTimer) return;
        try {
            OnTimer(this);
        } catch (...) {
            if (Application) Application->HandleException(*alive ? this : nullptr);
        }
    });
}

} // namespace tv
