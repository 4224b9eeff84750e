#include "grid/griddataservice.h"

namespace tv {

namespace {
TDBGridEhDataService* gService = nullptr;
} // namespace

TDBGridEhDataService* DBGridEhDataService() { return gService; }
void SetDBGridEhDataService(TDBGridEhDataService* service) { gService = service; }

void TDBGridEhDataService::ApplyFilter(TCustomDBGridEh* grid) {
    if (OnApplyFilter)
        OnApplyFilter(grid);
    else if (DefaultApplyFilter)
        DefaultApplyFilter(grid);
}

void TDBGridEhDataService::ApplySorting(TCustomDBGridEh* grid) {
    if (OnApplySorting)
        OnApplySorting(grid);
    else if (DefaultApplySorting)
        DefaultApplySorting(grid);
}

void TDBGridEhDataService::MoveRecords(TCustomDBGridEh* grid, int moveTo, bool& handled) {
    if (OnMoveRecords) OnMoveRecords(grid, moveTo, handled);
}

} // namespace tv
