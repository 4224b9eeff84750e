// Limits of a control's size.
#include "framework/ui/sizeconstraints.h"

#include <algorithm>

namespace tv {

void TSizeConstraints::Publish(TPublisher& p) {
    p.Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    p.Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    p.Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    p.Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::Assign(TPersistent* source) {
    if (auto* c = dynamic_cast<TSizeConstraints*>(source)) {
        minW_ = c->minW_;
        minH_ = c->minH_;
        maxW_ = c->maxW_;
        maxH_ = c->maxH_;
        if (OnChange) OnChange();
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Change(int& field, int v) {
    v = std::max(v, 0);
    if (field == v) return;
    field = v;
    if (OnChange) OnChange();
}

void TSizeConstraints::Apply(int& w, int& h) const {
    if (maxW_ > 0 && w > maxW_) w = maxW_;
    if (maxH_ > 0 && h > maxH_) h = maxH_;
    if (w < minW_) w = minW_;
    if (h < minH_) h = minH_;
}

} // namespace tv
