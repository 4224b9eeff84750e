#pragma once
// TScrollBar: a scroll bar as a control, over the platform's scroll-bar
// window class. The bar tells its parent, which hands the request back to
// it (CN_HSCROLL, CN_VSCROLL).
#include "framework/ui/controls.h"

namespace tv {

enum TScrollBarKind { sbHorizontal, sbVertical };
extern const TEnumInfo TScrollBarKindInfo;
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& pos)>;

class TScrollBar : public TWinControl {
    TV_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind v);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(pos_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(pos_, min_, v); }
    int Position() const { return pos_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    int PageSize() const { return page_; }
    void SetPageSize(int v);
    int SmallChange() const { return small_; }
    void SetSmallChange(int v) { small_ = v; }
    int LargeChange() const { return large_; }
    void SetLargeChange(int v) { large_ = v; }
    // Position clamped to [min, max - page + 1]; raises EInvalidOperation
    // when max is below min.
    void SetParams(int position, int min, int max);

    void Dispatch(Message& msg) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& pos);

private:
    void Apply();
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, pos_ = 0, page_ = 0, small_ = 1, large_ = 1;
};

} // namespace tv
