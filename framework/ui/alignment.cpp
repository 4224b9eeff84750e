// Alignment: the children of a windowed control take their places in the
// order top, bottom, left, right, client; controls without alignment keep
// their distances to the anchored sides when the parent changes size.
#include <algorithm>

#include "framework/ui/controls.h"

namespace tv {

using namespace tv::win;

void TWinControl::EnableAlign() {
    if (alignLevel_ > 0) --alignLevel_;
    if (alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
    if (alignLevel_ > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        alignPending_ = true;
        return;
    }
    ++alignLevel_;
    try {
        RECT r = ClientRect();
        AdjustClientRect(r);
        AlignControls(nullptr, r);
    } catch (...) {
        --alignLevel_;
        throw;
    }
    --alignLevel_;
    alignPending_ = false;
}

void TWinControl::RealignAfterResize() {
    RECT r = ClientRect();
    if (lastClientW_ >= 0 && (r.right != lastClientW_ || r.bottom != lastClientH_))
        AnchorChildren(r.right - lastClientW_, r.bottom - lastClientH_);
    lastClientW_ = r.right;
    lastClientH_ = r.bottom;
    Realign();
}

void TWinControl::AnchorChildren(int dw, int dh) {
    DisableAlign();
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) w += dw;
            else l += dw;
        } else if (!a.Contains(akLeft)) {
            l += dw / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) h += dh;
            else t += dh;
        } else if (!a.Contains(akTop)) {
            t += dh / 2;
        }
        c->SetBounds(l, t, w, h);
    }
    --alignLevel_;
}

void TWinControl::AlignControls(TControl* /*control*/, RECT& rect) {
    static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign a : order) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == a && c->Visible()) list.push_back(c);
        // Within one alignment the controls keep their order on the screen.
        std::stable_sort(list.begin(), list.end(), [a](TControl* x, TControl* y) {
            switch (a) {
            case alTop: return x->Top() < y->Top();
            case alBottom: return x->Top() + x->Height() > y->Top() + y->Height();
            case alLeft: return x->Left() < y->Left();
            case alRight: return x->Left() + x->Width() > y->Left() + y->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            int w = rect.right - rect.left, h = rect.bottom - rect.top;
            switch (a) {
            case alTop:
                c->SetBounds(rect.left, rect.top, w, c->Height());
                rect.top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
                rect.bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, c->Width(), h);
                rect.left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
                rect.right -= c->Width();
                break;
            case alClient:
                c->SetBounds(rect.left, rect.top, w, h);
                break;
            default:
                break;
            }
        }
    }
}

} // namespace tv
