#pragma once
// TDBGridEhDataService: the one object that sorts and filters a grid's
// dataset: through its handlers when set, else through the dataset features
// registered for the grid's dataset.
#include <functional>

#include "core/persistent.h"

namespace tv {

class TCustomDBGridEh;
class TBookmarkListEh;

class TDBGridEhDataService : public TPersistent {
    TV_CLASS(TDBGridEhDataService, TPersistent)
public:
    static void Publish(TPublisher&) {}
    using TGridHandler = std::function<void(TCustomDBGridEh* grid)>;
    using TMoveRecordsHandler =
        std::function<bool(TCustomDBGridEh* grid, TBookmarkListEh& bookmarks, int target, bool checkOnly)>;

    void ApplyFilter(TCustomDBGridEh* grid);
    void ApplySorting(TCustomDBGridEh* grid);
    // False without a dataset or a strategy for it.
    bool MoveRecords(TCustomDBGridEh* grid, TBookmarkListEh& bookmarks, int target, bool checkOnly);

    TGridHandler OnApplyFilter;
    TGridHandler OnApplySorting;
    TMoveRecordsHandler OnMoveRecords;
};

TDBGridEhDataService* DBGridEhDataService();
void SetDBGridEhDataService(TDBGridEhDataService* service);

} // namespace tv
