#pragma once
// How drop-down box settings reach the live drop-down grid of their owner (a
// lookup combo box or a lookup column of the data grid).
#include "editors/lookupgrid.h"

namespace tv {

class TComponent;
class TPopupDataGridEh;

class IDropDownGridHostEh {
public:
    virtual ~IDropDownGridHostEh() = default;
    virtual void RegisterFreeNotification(TComponent* component) = 0;
    virtual TPopupDataGridEh* DropDownGrid() = 0;
    virtual TDBLookupGridEhOptions GetGridOptions() = 0;
    virtual void SetGridOptions(TDBLookupGridEhOptions options) = 0;
};

} // namespace tv
