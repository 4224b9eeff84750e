#include "editors/dropdownbox.h"

#include "core/properties.h"

namespace tv {

const TEnumInfo TDropDownAlignInfo{"TDropDownAlign", {"daLeft", "daRight", "daCenter"}};

void TDropDownBoxEh::Publish(TPublisher& p) {
    p.Enum("Align", &TDropDownBoxEh::Align, &TDropDownBoxEh::SetAlign, TDropDownAlignInfo).Default(daLeft);
    p.Boolean("AutoDrop", &TDropDownBoxEh::AutoDrop, &TDropDownBoxEh::SetAutoDrop).Default(false);
    p.Integer("Rows", &TDropDownBoxEh::Rows, &TDropDownBoxEh::SetRows).Default(7);
    p.Boolean("Sizable", &TDropDownBoxEh::Sizable, &TDropDownBoxEh::SetSizable).Default(false);
    p.Integer("Width", &TDropDownBoxEh::Width, &TDropDownBoxEh::SetWidth).Default(0);
}

void TDropDownBoxEh::Assign(TPersistent* source) {
    auto* b = dynamic_cast<TDropDownBoxEh*>(source);
    if (!b) {
        TPersistent::Assign(source);
        return;
    }
    align_ = b->align_;
    autoDrop_ = b->autoDrop_;
    rows_ = b->rows_;
    width_ = b->width_;
    sizable_ = b->sizable_;
}

} // namespace tv
