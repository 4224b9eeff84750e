#include "framework/ui/splitter.h"

#include <algorithm>

namespace tv {

using namespace tv::win;

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::Publish(TPublisher& p) {
    p.Enum("Align", &TSplitter::Align, &TSplitter::SetAlign, TAlignInfo).Default(alLeft);
    p.Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    p.Event("OnMoved", &TSplitter::OnMoved);
}

TControl* TSplitter::FindControl() const {
    if (!parent_) return nullptr;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* c = parent_->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        switch (Align()) {
        case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
        case alRight: if (c->Left() == Left() + Width()) return c; break;
        case alTop: if (c->Top() + c->Height() == Top()) return c; break;
        case alBottom: if (c->Top() == Top() + Height()) return c; break;
        default: break;
        }
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    TGraphicControl::MouseDown(b, s, x, y);
    if (b != mbLeft) return;
    target_ = FindControl();
    if (!target_) return;
    bool horizontal = Align() == alLeft || Align() == alRight;
    POINT p = ClientToScreen({x, y});
    downPos_ = horizontal ? p.x : p.y;
    startSize_ = horizontal ? target_->Width() : target_->Height();
}

void TSplitter::MouseMove(TShiftState s, int x, int y) {
    TGraphicControl::MouseMove(s, x, y);
    if (!target_ || !controlState_.Contains(csLButtonDown)) return;
    bool horizontal = Align() == alLeft || Align() == alRight;
    POINT p = ClientToScreen({x, y});
    int delta = (horizontal ? p.x : p.y) - downPos_;
    if (Align() == alRight || Align() == alBottom) delta = -delta;
    // The control keeps its minimum; the others keep theirs too.
    int room = horizontal ? parent_->ClientWidth() : parent_->ClientHeight();
    int size = std::clamp(startSize_ + delta, minSize_, std::max(minSize_, room - minSize_ - (horizontal ? Width() : Height())));
    if (OnCanResize) {
        bool accept = true;
        std::shared_ptr<bool> alive = Alive();
        OnCanResize(this, size, accept);
        if (!*alive || !accept || !target_) return;
    }
    if (horizontal) target_->SetWidth(size);
    else target_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    bool moved = target_ != nullptr;
    target_ = nullptr;
    TGraphicControl::MouseUp(b, s, x, y);
    if (moved && OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
}

} // namespace tv
