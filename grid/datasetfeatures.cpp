#include "grid/datasetfeatures.h"

#include <climits>
#include <memory>
#include <utility>

#include "core/strutils.h"
#include "core/unitinit.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/dbgrideh.h"

namespace tv {

namespace {

struct TFeaturesEntry {
    std::string className;
    std::unique_ptr<TDatasetFeaturesEh> features;
};

// Null until start-up and after shutdown.
std::unique_ptr<std::vector<TFeaturesEntry>> gRegistry;

} // namespace

void InitializeDatasetFeatures() {
    if (!gRegistry) gRegistry = std::make_unique<std::vector<TFeaturesEntry>>();
}

void ReleaseDatasetFeatures() { gRegistry.reset(); }

void AddDatasetFeaturesClass(TClass featuresClass, TClass dataSetClass) {
    if (!dataSetClass || !featuresClass) return;
    InitializeDatasetFeatures();
    std::unique_ptr<TObject> obj(featuresClass->Create());
    auto* raw = dynamic_cast<TDatasetFeaturesEh*>(obj.get());
    if (!raw) throw EInvalidOperation("Class " + featuresClass->ClassName() + " is not a dataset features class");
    obj.release();
    std::unique_ptr<TDatasetFeaturesEh> features(raw);
    features->SetDataSetClass(dataSetClass);
    std::string name = dataSetClass->ClassName();
    for (TFeaturesEntry& e : *gRegistry)
        if (e.className == name) {
            e.features = std::move(features);
            return;
        }
    gRegistry->push_back({name, std::move(features)});
}

int FeaturesClassDistance(TClass dataSetClass, const std::string& className) {
    int d = 0;
    for (TClass c = dataSetClass; c; c = c->ClassParent(), ++d)
        if (SameText(c->ClassName(), className)) return d;
    return INT_MAX;
}

TDatasetFeaturesEh* FindDatasetFeaturesForClass(TClass dataSetClass) {
    if (!gRegistry || !dataSetClass) return nullptr;
    TDatasetFeaturesEh* best = nullptr;
    int bestDistance = INT_MAX;
    for (TFeaturesEntry& e : *gRegistry) {
        if (!dataSetClass->InheritsFrom(e.features->DataSetClass())) continue;
        int d = FeaturesClassDistance(dataSetClass, e.className);
        if (d < bestDistance) {
            best = e.features.get();
            bestDistance = d;
        }
    }
    return best;
}

TDatasetFeaturesEh* FindDatasetFeatures(const TDataSet* dataSet) {
    return dataSet ? FindDatasetFeaturesForClass(dataSet->ClassType()) : nullptr;
}

void TDatasetFeaturesEh::ApplySorting(TObject*, TDataSet*, bool) {}
void TDatasetFeaturesEh::ApplyFilter(TObject*, TDataSet*, bool) {}

bool TDatasetFeaturesEh::MoveRecords(TObject* sender, const std::vector<TBookmark>& bookmarks, int targetRecNo,
                                     bool checkOnly) {
    auto* grid = dynamic_cast<TDBGridEh*>(sender);
    if (!grid) return false;
    TDataSet* ds = grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    bool canModify = ds && ds->CanModify();
    if (checkOnly || !canModify || bookmarks.empty()) return canModify;
    std::vector<TBookmark> marks = bookmarks;
    TControlsOff off(ds);
    std::vector<std::vector<Variant>> copies;
    std::vector<bool> selected;
    TBookmarkListEh& rows = grid->SelectedBookmarks();
    int shift = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        ds->GotoBookmark(marks[i]);
        std::vector<Variant> values;
        for (int k = 0; k < ds->FieldCount(); ++k) values.push_back(ds->Fields()[k]->Value());
        copies.push_back(std::move(values));
        // Every moved record ahead of the target, the first too, shifts it.
        if (ds->RecNo() < targetRecNo) --shift;
        // A moved record stays selected: the mark goes with it to its new place.
        selected.push_back(rows.LinkIsActive() && rows.CurrentRowSelected());
        if (selected.back()) rows.SetCurrentRowSelected(false);
    }
    targetRecNo += shift;
    for (const TBookmark& b : marks) {
        ds->GotoBookmark(b);
        ds->Delete();
    }
    // Only a target past the last record that is left appends: one
    // before the last record goes before it.
    bool append = targetRecNo > ds->RecordCount();
    // Appended in order, or inserted at the target from the last copy to
    // the first: either way the moved records keep their order.
    for (std::size_t n = 0; n < copies.size(); ++n) {
        const std::vector<Variant>& copy = append ? copies[n] : copies[copies.size() - 1 - n];
        if (append) {
            ds->Append();
        } else {
            ds->SetRecNo(targetRecNo);
            ds->Insert();
        }
        for (int k = 0; k < ds->FieldCount(); ++k) {
            TField* f = ds->Fields()[k];
            if (f->CanModify()) f->SetValue(copy[static_cast<std::size_t>(k)]);
        }
        ds->Post();
        if (selected[append ? n : copies.size() - 1 - n]) rows.SetCurrentRowSelected(true);
    }
    off.Release();
    return true;
}

TV_UNIT(DbUtilsEh, urGrid - 2, &InitializeDatasetFeatures, &ReleaseDatasetFeatures)

} // namespace tv
