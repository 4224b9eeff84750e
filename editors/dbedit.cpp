#include "editors/dbedit.h"

#include "editors/fielddatalink.h"
#include "editors/editimage.h"
#include "editors/mrulist.h"
#include "editors/publishedit.h"
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
    PublishEditorCommon<TDBEditEh>(p);
    p.String("Text", &TDBEditEh::Text, &TDBEditEh::SetText).Stored(&TDBEditEh::IsTextStored);
    p.String("EditMask", &TDBEditEh::EditMask, &TDBEditEh::SetEditMask).Stored(&TDBEditEh::EditMaskAssigned);
}

bool TDBEditEh::IsTextStored() const { return TextStored(this); }

} // namespace tv
