#pragma once
// TDBGridInplaceEdit: the data grid's cell editor. It takes the text of the
// current column's field through the grid, and the column's font, colour,
// alignment and read-only state; Ctrl+Enter on a cell with a button fires the
// grid's OnEditButtonClick.
#include <memory>

#include "framework/ui/stdctrls/inplaceedit.h"
#include "grid/gridtypes.h"

namespace tv {

class TCustomDBGridEh;
class TColumnEh;
class TLookupCellDropDownEh;

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
    ~TDBGridInplaceEdit() override;
    TCustomDBGridEh* Grid() const;
    // The grid's column at its selected index, or none.
    TColumnEh* Column() const;
    TDBGridEditKindEh EditKind() const { return editKind_; }
    TAlignment Alignment() const { return alignment_; }
    void UpdateContents() override;
    // The pop-up data grid of a lookup cell, once it dropped down.
    TLookupCellDropDownEh* LookupDropDown() const { return lookupDropDown_.get(); }
    void Dispatch(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    std::unique_ptr<TLookupCellDropDownEh> lookupDropDown_;
    char32_t swallowChar_ = 0;
    TDBGridEditKindEh editKind_ = ekPlainEh;
    TAlignment alignment_ = taLeftJustify;
};

} // namespace tv
