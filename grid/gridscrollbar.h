#pragma once
// Scroll-bar settings of the grid: visibility mode, thumb tracking and an
// optional external scroll bar.
#include "core/persistent.h"
#include "grid/gridtypes.h"
#include "platform/window/scrollbar.h"

namespace tv {

class TScrollBar;

class TDBGridEhScrollBar : public TPersistent {
    TV_CLASS(TDBGridEhScrollBar, TPersistent)
public:
    TDBGridEhScrollBar(TCustomDBGridEh* grid = nullptr, int kind = 0) : grid_(grid), kind_(kind) {}
    ~TDBGridEhScrollBar() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    TCustomDBGridEh* Grid() const { return grid_; }
    int Kind() const { return kind_; }
    bool Tracking() const { return tracking_; }
    void SetTracking(bool v) { tracking_ = v; }
    TScrollBarVisibleModeEh VisibleMode() const { return visibleMode_; }
    void SetVisibleMode(TScrollBarVisibleModeEh v);
    bool Visible() const { return visibleMode_ != sbNeverShowEh; }
    void SetVisible(bool v) { SetVisibleMode(v ? sbAutoShowEh : sbNeverShowEh); }
    TScrollBar* ExtScrollBar() const { return extScrollBar_; }
    // The bar's scroll requests reach the grid too; a bar serves one grid only.
    void SetExtScrollBar(TScrollBar* v);
    // The external bar is being freed: drop it without touching it.
    void ForgetExtScrollBar();
    bool IsScrollBarVisible() const;
    bool GetScrollInfo(win::SCROLLINFO& info) const;

private:
    void Detach();
    TCustomDBGridEh* grid_;
    int kind_;
    bool tracking_ = false;
    TScrollBarVisibleModeEh visibleMode_ = sbAutoShowEh;
    TScrollBar* extScrollBar_ = nullptr;
};

class TVertDBGridEhScrollBar : public TDBGridEhScrollBar {
    TV_CLASS(TVertDBGridEhScrollBar, TDBGridEhScrollBar)
public:
    explicit TVertDBGridEhScrollBar(TCustomDBGridEh* grid = nullptr) : TDBGridEhScrollBar(grid, 1) {}
    static void Publish(TPublisher& p);
};

} // namespace tv
