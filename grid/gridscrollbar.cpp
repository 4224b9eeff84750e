#include "grid/gridscrollbar.h"

#include "framework/ui/stdctrls/scrollbar.h"
#include "grid/dbgrideh.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

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
    // The external bar's messages reach the grid through the bar's own
    // notifications; the core keeps the reference and the visibility.
    if (v == extScrollBar_) return;
    extScrollBar_ = v;
    if (v && grid_) v->FreeNotification(grid_);
    if (v) v->SetVisible(Visible());
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
