#include "editors/lookupdropdownbox.h"

#include "core/properties.h"

namespace tv {

void TLookupComboboxDropDownBoxEh::Publish(TPublisher& p) {
    using B = TLookupComboboxDropDownBoxEh;
    p.Enum("Align", &B::Align, &B::SetAlign, TDropDownAlignInfo).Default(daLeft);
    p.Boolean("AutoDrop", &B::AutoDrop, &B::SetAutoDrop).Default(false);
    p.Integer("Rows", &B::Rows, &B::SetRows).Default(7);
    p.Boolean("ShowTitles", &B::ShowTitles, &B::SetShowTitles).Default(false);
    p.Boolean("Sizable", &B::Sizable, &B::SetSizable).Default(false);
    p.Object("SpecRow", &B::SpecRow, &B::SetSpecRow);
    p.Integer("Width", &B::Width, &B::SetWidth).Default(0);
}

} // namespace tv
