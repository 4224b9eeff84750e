#pragma once
// TDBGridInplaceEdit: the data grid's cell editor. It takes the text of the
// current column's field through the grid, and the column's font, colour,
// alignment and read-only state; Ctrl+Enter on a cell with a button fires the
// grid's OnEditButtonClick.
#include "framework/ui/stdctrls/inplaceedit.h"
#include "grid/gridtypes.h"

namespace tv {

class TCustomDBGridEh;
class TColumnEh;

// How a column's cell is edited: the kind decides the button at its right.
enum TDBGridEditKindEh : unsigned char {
    ekPlainEh, ekEllipsisEh, ekPickListEh, ekLookupListEh, ekCalendarEh, ekUpDownEh, ekDropDownEh
};

// The edit kind of a column's cells (also used to draw always-shown buttons).
TDBGridEditKindEh ColumnEditKind(TColumnEh* column);

class TDBGridInplaceEdit : public TInplaceEdit {
    TV_CLASS(TDBGridInplaceEdit, TInplaceEdit)
public:
    explicit TDBGridInplaceEdit(TComponent* owner = nullptr);
    TCustomDBGridEh* Grid() const;
    // The grid's column at its selected index, or none.
    TColumnEh* Column() const;
    TDBGridEditKindEh EditKind() const { return editKind_; }
    TAlignment Alignment() const { return alignment_; }
    void UpdateContents() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;

private:
    TDBGridEditKindEh editKind_ = ekPlainEh;
    TAlignment alignment_ = taLeftJustify;
};

} // namespace tv
