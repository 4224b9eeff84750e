#pragma once
// TCDSDatasetFeaturesEh: sorts a client dataset through a temporary index and
// filters it through its filter text; without SortLocal or STFilter.Local it
// hands the work to the provider's dataset and fetches the rows again.
#include "grid/datasetfeatures.h"

namespace tv {

class TCustomClientDataSet;

class TCDSDatasetFeaturesEh : public TDatasetFeaturesEh {
    TV_CLASS(TCDSDatasetFeaturesEh, TDatasetFeaturesEh)
public:
    void ApplySorting(TObject* sender, TDataSet* dataSet, bool ownDataSet) override;
    void ApplyFilter(TObject* sender, TDataSet* dataSet, bool ownDataSet) override;
    // The dataset behind the client dataset's provider, or null.
    virtual TDataSet* ProviderDataSet(TCustomClientDataSet* dataSet);
};

// The name of the index that sorting creates on a client dataset.
inline constexpr const char* kSortIndexName = "SortIndexEh";

void InitializeClientDataSetFeatures();

} // namespace tv
