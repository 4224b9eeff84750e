#include "grid/stfilter.h"

#include "grid/dbgrideh.h"

namespace tv {

void TSTDBGridEhFilter::Publish(TPublisher& p) {
    using C = TSTDBGridEhFilter;
    p.Boolean("InstantApply", &C::InstantApply, &C::SetInstantApply).Default(false);
    p.Boolean("Local", &C::Local, &C::SetLocal).Default(false);
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(false);
}

TPersistent* TSTDBGridEhFilter::GetOwner() const { return grid_; }

void TSTDBGridEhFilter::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (grid_) grid_->LayoutChanged();
}

void TSTDBGridEhFilter::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TSTDBGridEhFilter*>(source);
    if (!s) return TPersistent::Assign(source);
    SetInstantApply(s->InstantApply());
    SetLocal(s->Local());
    SetVisible(s->Visible());
}

void TSTColumnFilterEh::Publish(TPublisher& p) {
    using C = TSTColumnFilterEh;
    p.String("DataField", &C::DataField, &C::SetDataField);
    p.String("KeyField", &C::KeyField, &C::SetKeyField);
    p.String("ListField", &C::ListField, &C::SetListField);
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(true);
}

TPersistent* TSTColumnFilterEh::GetOwner() const { return column_; }

void TSTColumnFilterEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TSTColumnFilterEh*>(source);
    if (!s) return TPersistent::Assign(source);
    dataField_ = s->dataField_;
    keyField_ = s->keyField_;
    listField_ = s->listField_;
    visible_ = s->visible_;
}

} // namespace tv
