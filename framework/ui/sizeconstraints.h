#pragma once
// Limits of a control's size, applied whenever the control is sized; 0 means
// none. A minimum wins over a smaller maximum.
#include <functional>

#include "core/persistent.h"
#include "core/properties.h"

namespace tv {

class TSizeConstraints : public TPersistent {
    TV_CLASS(TSizeConstraints, TPersistent)
public:
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    int MinWidth() const { return minW_; }
    int MinHeight() const { return minH_; }
    int MaxWidth() const { return maxW_; }
    int MaxHeight() const { return maxH_; }
    void SetMinWidth(int v) { Change(minW_, v); }
    void SetMinHeight(int v) { Change(minH_, v); }
    void SetMaxWidth(int v) { Change(maxW_, v); }
    void SetMaxHeight(int v) { Change(maxH_, v); }
    void Apply(int& w, int& h) const;
    // The owner sizes itself again when a limit changes.
    std::function<void()> OnChange;

private:
    void Change(int& field, int v);
    int minW_ = 0, minH_ = 0, maxW_ = 0, maxH_ = 0;
};

} // namespace tv
