#pragma once
// The drop-down of a lookup column's cell: the editors' pop-up data grid over
// the field's lookup dataset, opened by Alt+Down in the cell editor. Choosing
// a row writes its key into the lookup field's key fields.
#include <memory>

#include "framework/core/variant.h"
#include "platform/wintypes.h"

namespace tv {

class TColumnEh;
class TDataSource;
class TDBGridInplaceEdit;
class TPopupDataGridEh;

class TLookupCellDropDownEh {
public:
    explicit TLookupCellDropDownEh(TDBGridInplaceEdit* editor);
    ~TLookupCellDropDownEh();

    // Opens the list for the column's lookup field; false when it has none.
    bool DropDown(TColumnEh* column);
    void CloseUp(bool accept);
    bool Visible() const { return visible_; }
    TPopupDataGridEh* DataList() const { return list_; }
    // The open list moves to the record of a key the editor found itself.
    void Follow(const Variant& key);
    // The moving keys go to the open list; true when one did.
    bool RouteKey(win::WORD key);

private:
    TDBGridInplaceEdit* editor_;
    TColumnEh* column_ = nullptr;
    TPopupDataGridEh* list_ = nullptr;
    std::unique_ptr<TDataSource> source_;
    bool visible_ = false;
};

} // namespace tv
