#include "grid/griddataservice.h"

#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "grid/datasetfeatures.h"
#include "grid/dbgrideh.h"

namespace tv {

namespace {
TDBGridEhDataService* gService = nullptr;

TDataSet* GridDataSet(TCustomDBGridEh* grid) {
    return grid && grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
}
} // namespace

TDBGridEhDataService* DBGridEhDataService() { return gService; }
void SetDBGridEhDataService(TDBGridEhDataService* service) { gService = service; }

void TDBGridEhDataService::ApplyFilter(TCustomDBGridEh* grid) {
    if (OnApplyFilter)
        OnApplyFilter(grid);
    else if (TDataSet* ds = GridDataSet(grid)) {
        if (TDatasetFeaturesEh* f = FindDatasetFeatures(ds)) f->ApplyFilter(grid, ds, true);
    }
}

void TDBGridEhDataService::ApplySorting(TCustomDBGridEh* grid) {
    if (OnApplySorting)
        OnApplySorting(grid);
    else if (TDataSet* ds = GridDataSet(grid)) {
        if (TDatasetFeaturesEh* f = FindDatasetFeatures(ds)) f->ApplySorting(grid, ds, true);
    }
}

bool TDBGridEhDataService::MoveRecords(TCustomDBGridEh* grid, TBookmarkListEh& bookmarks, int target,
                                       bool checkOnly) {
    if (OnMoveRecords) return OnMoveRecords(grid, bookmarks, target, checkOnly);
    TDataSet* ds = GridDataSet(grid);
    TDatasetFeaturesEh* f = ds ? FindDatasetFeatures(ds) : nullptr;
    return f && f->MoveRecords(grid, bookmarks.Items(), target, checkOnly);
}

} // namespace tv
