#pragma once
// The published properties and events every data-aware text editor shares;
// each published editor adds its own.
#include "editors/dbeditbase.h"
#include "editors/editimage.h"
#include "editors/mrulist.h"
#include "core/properties.h"
#include "framework/data/datasource.h"
#include "framework/ui/imagelist.h"

namespace tv {

template <class C>
void PublishEditorCommon(TPublisher& p) {
    p.Component("DataSource", &C::DataSource, &C::SetDataSource);
    p.String("DataField", &C::DataField, &C::SetDataField);
    p.Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Boolean("AlwaysShowBorder", &C::AlwaysShowBorder, &C::SetAlwaysShowBorder).Default(false);
    p.Boolean("HighlightRequired", &C::HighlightRequired, &C::SetHighlightRequired).Default(false);
    p.Boolean("Tooltips", &C::Tooltips, &C::SetTooltips).Default(false);
    p.Boolean("ShowHint", &C::ShowHint, &C::SetShowHint).Default(false);
    p.Enum("Alignment", &C::Alignment, &C::SetAlignment, TAlignmentInfo).Stored(&C::AlignmentAssigned);
    p.Boolean("Flat", &C::Flat, &C::SetFlat).Default(false);
    p.Enum("ImeMode", &C::ImeMode, &C::SetImeMode, TImeModeInfo).Default(imDontCare);
    p.String("ImeName", &C::ImeName, &C::SetImeName);
    p.Object("EditButton", &C::EditButton, &C::SetEditButton);
    p.Collection("EditButtons", &C::EditButtons, &C::SetEditButtons);
    p.Object("EditImage", &C::EditImage);
    p.Component("Images", &C::Images, &C::SetImages);
    p.Object("MRUList", &C::MRUList, &C::SetMRUList);
    p.Event("OnUpdateData", &C::OnUpdateData);
    p.Event("OnButtonClick", &C::OnButtonClick);
    p.Event("OnButtonDown", &C::OnButtonDown);
    p.Event("OnCheckDrawRequiredState", &C::OnCheckDrawRequiredState);
    p.Event("OnGetImageIndex", &C::OnGetImageIndex);
    p.Event("OnChange", &C::OnChange);
}

} // namespace tv
