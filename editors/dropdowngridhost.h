#pragma once
// How drop-down box settings reach the live drop-down grid of their owner (a
// lookup combo box or a lookup column of the data grid).
#include "editors/lookupgridoptions.h"

namespace tv {

class TComponent;
class TPopupDataGridEh;

class IDropDownGridHostEh {
public:
    virtual ~IDropDownGridHostEh() = default;
    virtual void RegisterFreeNotification(TComponent* component) = 0;
    // The live grid, created on first use.
    virtual TPopupDataGridEh* DropDownGrid() = 0;
    // Whether the grid exists yet: storing the settings does not create it.
    virtual bool DropDownGridCreated() { return true; }
    virtual TDBLookupGridEhOptions GetGridOptions() = 0;
    virtual void SetGridOptions(TDBLookupGridEhOptions options) = 0;
};

} // namespace tv
