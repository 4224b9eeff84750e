#include "editors/dbedit.h"

#include "editors/fielddatalink.h"
#include "editors/editimage.h"
#include "editors/mrulist.h"
#include "framework/data/datasource.h"
#include "framework/ui/imagelist.h"

namespace tv {

namespace {

// Only an unbound editor keeps its text in a stored form.
bool TextStored(const TDBEditEh* e) {
    auto* self = const_cast<TDBEditEh*>(e);
    return self->IsDataIndependent() && !self->Text().empty();
}

} // namespace

void TDBEditEh::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBEditEh::DataSource, &TDBEditEh::SetDataSource);
    p.String("DataField", &TDBEditEh::DataField, &TDBEditEh::SetDataField);
    p.String("Text", &TDBEditEh::Text, &TDBEditEh::SetText).Stored(&TDBEditEh::IsTextStored);
    p.String("EditMask", &TDBEditEh::EditMask, &TDBEditEh::SetEditMask).Stored(&TDBEditEh::EditMaskAssigned);
    p.Boolean("ReadOnly", &TDBEditEh::ReadOnly, &TDBEditEh::SetReadOnly).Default(false);
    p.Boolean("HighlightRequired", &TDBEditEh::HighlightRequired, &TDBEditEh::SetHighlightRequired).Default(false);
    p.Boolean("Tooltips", &TDBEditEh::Tooltips, &TDBEditEh::SetTooltips).Default(false);
    p.Boolean("ShowHint", &TDBEditEh::ShowHint, &TDBEditEh::SetShowHint).Default(false);
    p.Enum("Alignment", &TDBEditEh::Alignment, &TDBEditEh::SetAlignment, TAlignmentInfo)
        .Stored(&TDBEditEh::AlignmentAssigned);
    p.Boolean("Flat", &TDBEditEh::Flat, &TDBEditEh::SetFlat).Default(false);
    p.Object("EditButton", &TDBEditEh::EditButton, &TDBEditEh::SetEditButton);
    p.Collection("EditButtons", &TDBEditEh::EditButtons, &TDBEditEh::SetEditButtons);
    p.Object("EditImage", &TDBEditEh::EditImage);
    p.Component("Images", &TDBEditEh::Images, &TDBEditEh::SetImages);
    p.Object("MRUList", &TDBEditEh::MRUList, &TDBEditEh::SetMRUList);
    p.Event("OnUpdateData", &TDBEditEh::OnUpdateData);
    p.Event("OnButtonClick", &TDBEditEh::OnButtonClick);
    p.Event("OnButtonDown", &TDBEditEh::OnButtonDown);
    p.Event("OnCheckDrawRequiredState", &TDBEditEh::OnCheckDrawRequiredState);
    p.Event("OnGetImageIndex", &TDBEditEh::OnGetImageIndex);
    p.Event("OnChange", &TDBEditEh::OnChange);
}

bool TDBEditEh::IsTextStored() const { return TextStored(this); }

} // namespace tv
