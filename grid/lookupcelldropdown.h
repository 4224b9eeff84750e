#pragma once
// The drop-down of a lookup column's cell: the column's own pop-up data grid
// over its list dataset, borrowed by the cell editor while it shows. Choosing
// a row writes its key into the lookup field's key fields.
#include <memory>

#include "core/variant.h"
#include "platform/wintypes.h"

namespace tv {

class TColumnEh;
class TComponent;
class TDataSource;
class TDBGridInplaceEdit;
class TPopupDataGridEh;

class TLookupCellDropDownEh {
public:
    explicit TLookupCellDropDownEh(TDBGridInplaceEdit* editor);
    ~TLookupCellDropDownEh();

    // Opens the column's list; false when the column has no list dataset.
    bool DropDown(TColumnEh* column);
    void CloseUp(bool accept);
    bool Visible() const { return visible_; }
    // The grid last borrowed from a column, while it exists.
    TPopupDataGridEh* DataList() const { return list_; }
    // The open list moves to the record of a key the editor found itself.
    void Follow(const Variant& key);
    // The moving keys go to the open list; true when one did.
    bool RouteKey(win::WORD key);
    // A released Ctrl goes to the open list (it ends a sort marking there).
    void RouteKeyUp(win::WORD key);
    // The editor was told that `component` goes; true when it was the list.
    bool ListFreed(TComponent* component);

private:
    void Borrow(TPopupDataGridEh* list);

    TDBGridInplaceEdit* editor_;
    TColumnEh* column_ = nullptr;
    TPopupDataGridEh* list_ = nullptr;
    std::unique_ptr<TDataSource> source_;
    bool visible_ = false;
    bool columnsMoved_ = false;
};

} // namespace tv
