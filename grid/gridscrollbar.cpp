#include "grid/gridscrollbar.h"

#include <map>

#include "framework/ui/stdctrls/scrollbar.h"
#include "framework/ui/uimessages.h"
#include "grid/dbgrideh.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

namespace {
// External bars that serve a grid, with the window procedure they had before.
struct TAttachedBar {
    TDBGridEhScrollBar* owner;
    std::function<void(Message&)> ownProc;
};
std::map<TScrollBar*, TAttachedBar>& AttachedBars() {
    static std::map<TScrollBar*, TAttachedBar> bars;
    return bars;
}
} // namespace

TDBGridEhScrollBar::~TDBGridEhScrollBar() { Detach(); }

void TDBGridEhScrollBar::Publish(TPublisher& p) {
    using C = TDBGridEhScrollBar;
    p.Component("ExtScrollBar", &C::ExtScrollBar, &C::SetExtScrollBar);
    p.Boolean("Tracking", &C::Tracking, &C::SetTracking).Default(false);
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(true);
}

void TVertDBGridEhScrollBar::Publish(TPublisher& p) {
    using C = TVertDBGridEhScrollBar;
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Stored(false);
    p.Enum("VisibleMode", &C::VisibleMode, &C::SetVisibleMode, TScrollBarVisibleModeEhInfo).Default(sbAutoShowEh);
}

TPersistent* TDBGridEhScrollBar::GetOwner() const { return grid_; }

void TDBGridEhScrollBar::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TDBGridEhScrollBar*>(source);
    if (!s) return TPersistent::Assign(source);
    SetVisible(s->Visible());
    SetTracking(s->Tracking());
    SetExtScrollBar(s->ExtScrollBar());
}

void TDBGridEhScrollBar::SetVisibleMode(TScrollBarVisibleModeEh v) {
    if (v == visibleMode_) return;
    visibleMode_ = v;
    if (!grid_) return;
    if (kind_ == 1) grid_->UpdateScrollBar();
    grid_->LayoutChanged();
}

void TDBGridEhScrollBar::SetExtScrollBar(TScrollBar* v) {
    if (v == extScrollBar_) return;
    bool designing = grid_ && grid_->ComponentState().Contains(csDesigning);
    if (v && !designing) {
        auto it = AttachedBars().find(v);
        if (it != AttachedBars().end() && it->second.owner != this)
            throw Exception("Possible " + v->Name() + " already attached to the other control.");
    }
    Detach();
    extScrollBar_ = v;
    if (v && grid_) v->FreeNotification(grid_);
    if (v && !designing) {
        AttachedBars()[v] = {this, v->WindowProc};
        // The bar tells its parent, which hands the request back to it: the
        // grid hears the request on the way.
        win::UINT reflected = kind_ == 0 ? CN_HSCROLL : CN_VSCROLL;
        win::UINT request = kind_ == 0 ? win::WM_HSCROLL : win::WM_VSCROLL;
        TCustomDBGridEh* grid = grid_;
        std::function<void(Message&)> own = v->WindowProc;
        int kind = kind_;
        v->WindowProc = [grid, own, reflected, request, kind](Message& msg) {
            if (!grid || msg.Msg != reflected) return own(msg);
            grid->Perform(request, msg.WParam, msg.LParam);
            own(msg);
            // The bar moved its thumb by its own steps: it shows the grid's place again.
            if (kind == 1) grid->UpdateScrollBar();
            else grid->UpdateHorzExtScrollBar();
        };
    }
    if (v) v->SetVisible(Visible());
    if (!grid_ || grid_->ComponentState().Contains(csDestroying)) return;
    if (kind_ == 1 && grid_->HandleAllocated()) grid_->UpdateScrollBar();
    grid_->LayoutChanged();
}

void TDBGridEhScrollBar::Detach() {
    if (!extScrollBar_) return;
    auto it = AttachedBars().find(extScrollBar_);
    if (it != AttachedBars().end() && it->second.owner == this) {
        extScrollBar_->WindowProc = it->second.ownProc;
        AttachedBars().erase(it);
    }
    if (grid_) extScrollBar_->RemoveFreeNotification(grid_);
    extScrollBar_ = nullptr;
}

void TDBGridEhScrollBar::ForgetExtScrollBar() {
    if (!extScrollBar_) return;
    auto it = AttachedBars().find(extScrollBar_);
    if (it != AttachedBars().end() && it->second.owner == this) AttachedBars().erase(it);
    extScrollBar_ = nullptr;
    if (grid_ && !grid_->ComponentState().Contains(csDestroying)) grid_->LayoutChanged();
}

bool TDBGridEhScrollBar::IsScrollBarVisible() const {
    if (extScrollBar_) return extScrollBar_->Visible();
    if (!Visible() || !grid_ || !grid_->HandleAllocated()) return false;
    win::LONG_PTR style = win::GetWindowLongPtr(grid_->WindowHandle(), win::GWL_STYLE);
    return (style & (kind_ == 0 ? win::WS_HSCROLL : win::WS_VSCROLL)) != 0;
}

bool TDBGridEhScrollBar::GetScrollInfo(win::SCROLLINFO& info) const {
    if (extScrollBar_) {
        if (!extScrollBar_->HandleAllocated()) return false;
        return win::GetScrollInfo(extScrollBar_->WindowHandle(), win::SB_CTL, &info) != 0;
    }
    if (!grid_ || !grid_->HandleAllocated()) return false;
    return win::GetScrollInfo(grid_->WindowHandle(), kind_ == 0 ? win::SB_HORZ : win::SB_VERT, &info) != 0;
}

} // namespace tv
