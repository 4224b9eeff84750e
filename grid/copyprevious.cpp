// Copying the value the record above shows in the current column into the
// current record (a shortcut of the keyboard).
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/dbgrideh.h"

namespace tv {

void TCustomDBGridEh::CopyPreviousRecordValue() {
    if (!dataLink_->Active() || ActiveDataRow() <= 0) return;
    TColumnEh* column = CurrentColumn();
    if (!column || !column->Field() || !column->CanModify(false)) return;
    TField* field = column->Field();
    TDataSet* ds = DataSet();
    Variant value;
    {
        TGridActiveRowGuard previous(*this, ActiveDataRow() - 1);
        value = field->Lookup() ? ds->FieldValues(field->KeyFields()) : field->Value();
    }
    selection_->Clear();
    if (!column->CanModify(true)) return;
    if (field->Lookup())
        ds->SetFieldValues(field->KeyFields(), value);
    else
        field->SetValue(value);
    ShowEditorEh();
    if (InplaceEditorVisible()) InplaceEditor()->SelectAll();
}

} // namespace tv
