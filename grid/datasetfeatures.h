#pragma once
// Dataset features: how a kind of dataset sorts, filters and reorders its
// records for a grid. A process-wide registry maps dataset classes to
// strategies; the grid asks it for the strategy nearest to its dataset's class.
#include <string>
#include <vector>

#include "core/object.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TDataSet;

class TDatasetFeaturesEh : public TObject {
    TV_CLASS(TDatasetFeaturesEh, TObject)
public:
    TDatasetFeaturesEh() = default;
    // The dataset class the strategy was registered for.
    TClass DataSetClass() const { return dataSetClass_; }
    void SetDataSetClass(TClass c) { dataSetClass_ = c; }

    // Moves the records of `bookmarks` to stand before record `targetRecNo`
    // (1-based; at or past the count appends). Answers whether the grid's
    // dataset can be modified; with checkOnly nothing moves.
    virtual bool MoveRecords(TObject* sender, const std::vector<TBookmark>& bookmarks, int targetRecNo,
                             bool checkOnly);
    // `ownDataSet` is true for the grid's own dataset, false for a provider's.
    virtual void ApplySorting(TObject* sender, TDataSet* dataSet, bool ownDataSet);
    virtual void ApplyFilter(TObject* sender, TDataSet* dataSet, bool ownDataSet);

private:
    TClass dataSetClass_ = nullptr;
};

// Registers a new instance of `featuresClass` for `dataSetClass`, replacing
// (and freeing) the one registered for a class of that name.
void AddDatasetFeaturesClass(TClass featuresClass, TClass dataSetClass);
TDatasetFeaturesEh* FindDatasetFeatures(const TDataSet* dataSet);
TDatasetFeaturesEh* FindDatasetFeaturesForClass(TClass dataSetClass);
// Parent steps from `dataSetClass` up to the class named `className`
// (ignoring case); the largest int when none is so named.
int FeaturesClassDistance(TClass dataSetClass, const std::string& className);

// The registry's start-up and shutdown (the unit list runs them; tests may too).
void InitializeDatasetFeatures();
void ReleaseDatasetFeatures();

} // namespace tv
