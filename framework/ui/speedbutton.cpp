#include "framework/ui/speedbutton.h"

#include "platform/gdi/edges.h"
#include "platform/gdi/text.h"
#include "platform/region.h"

namespace tv {

using namespace tv::win;

namespace {
// Tells the buttons of a group that one of them went down.
constexpr win::UINT CM_GROUPDOWN = CM_BUTTONPRESSED;
} // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 23, 22);
    controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks};
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::Publish(TPublisher& p) {
    p.Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    p.Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    p.Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    p.Object("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    p.Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    p.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, TButtonLayoutInfo).Default(blGlyphLeft);
    p.Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    p.Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    p.Boolean("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true);
}

void TSpeedButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    // The last button down of a group without AllowAllUp stays down.
    if (down_ && !v && !allowAllUp_) return;
    down_ = v;
    Invalidate();
    if (v) UpdateGroup();
}

void TSpeedButton::SetAllowAllUp(bool v) {
    allowAllUp_ = v;
    if (!parent_ || groupIndex_ == 0) return;
    for (int i = 0; i < parent_->ControlCount(); ++i)
        if (auto* s = dynamic_cast<TSpeedButton*>(parent_->Controls(i)); s && s->groupIndex_ == groupIndex_)
            s->allowAllUp_ = v;
}

void TSpeedButton::UpdateGroup() {
    if (!parent_ || groupIndex_ == 0) return;
    for (int i = 0; i < parent_->ControlCount(); ++i)
        if (TControl* c = parent_->Controls(i); c != this)
            c->Perform(CM_GROUPDOWN, WPARAM(groupIndex_), reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::Dispatch(Message& msg) {
    if (msg.Msg == CM_GROUPDOWN) {
        auto* sender = reinterpret_cast<TSpeedButton*>(msg.LParam);
        if (sender != this && int(msg.WParam) == groupIndex_ && down_ && sender->down_) {
            down_ = false;
            Invalidate();
        }
        return;
    }
    if (msg.Msg == CM_MOUSEENTER || msg.Msg == CM_MOUSELEAVE) {
        hot_ = msg.Msg == CM_MOUSEENTER;
        if (flat_) Invalidate();
    }
    TGraphicControl::Dispatch(msg);
}

void TSpeedButton::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    if (b == mbLeft && Enabled()) {
        pressing_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(b, s, x, y);
}

void TSpeedButton::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    bool was = pressing_;
    pressing_ = false;
    Invalidate();
    TGraphicControl::MouseUp(b, s, x, y);
    RECT r = ClientRect();
    POINT p{x, y};
    if (was && b == mbLeft && PtInRect(&r, p) && Enabled()) Click();
}

void TSpeedButton::Click() {
    auto alive = Alive();
    if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
    if (!*alive) return;
    TGraphicControl::Click();
}

void TSpeedButton::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    if (!transparent_ || !flat_) {
        c->Brush()->SetColor(clBtnFace);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(r);
    }
    bool sunken = pressing_ || down_;
    if (!flat_ || hot_ || sunken) DrawEdge(c->Handle(), &r, sunken ? (flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN)
                                                                   : (flat_ ? BDR_RAISEDINNER : EDGE_RAISED),
                                           BF_RECT | BF_ADJUST);
    if (sunken) OffsetRect(&r, 1, 1);
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    std::string caption = Caption();
    RECT tr{0, 0, 0, 0};
    if (!caption.empty()) c->DrawText(caption, tr, DT_CALCRECT | DT_SINGLELINE);
    int gw = glyph_->Empty() ? 0 : glyph_->Width(), gh = glyph_->Empty() ? 0 : glyph_->Height();
    int space = (gw && tr.right) ? spacing_ : 0;
    int total = gw + space + tr.right;
    int x = margin_ < 0 ? r.left + (r.Width() - total) / 2 : r.left + margin_;
    if (gw) {
        glyph_->SetTransparent(true);
        c->Draw(layout_ == blGlyphRight ? x + tr.right + space : x, r.top + (r.Height() - gh) / 2, glyph_.get());
    }
    if (tr.right) {
        int tx = layout_ == blGlyphRight ? x : x + gw + space;
        RECT t{tx, r.top + (r.Height() - tr.bottom) / 2, tx + tr.right, r.top + (r.Height() + tr.bottom) / 2};
        c->DrawText(caption, t, DT_SINGLELINE);
    }
}

} // namespace tv
