#include "grid/cdsfeatures.h"

#include "core/exceptions.h"
#include "core/properties.h"
#include "core/resourcestrings.h"
#include "core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "grid/column.h"
#include "grid/columntitle.h"
#include "grid/dbgrideh.h"
#include "grid/filterexpression.h"
#include "grid/stfilter.h"

namespace tv {

namespace {

TV_RESOURCESTRING(SPendingChangesEh,
                  "Hay cambios sin guardar en los datos: guárdelos o cancélelos antes de ordenar o filtrar")

// The provider's dataset sorts or filters itself; the client then fetches again.
// Fetching again would throw away the client's changes not yet applied, so
// they stop it; without a strategy for the provider's dataset nothing changed
// there, and nothing is fetched.
template <class Apply>
void ThroughProvider(TCDSDatasetFeaturesEh* self, TDataSet* dataSet, Apply apply) {
    auto* cds = dynamic_cast<TCustomClientDataSet*>(dataSet);
    if (!cds) return;
    TDataSet* inner = self->ProviderDataSet(cds);
    if (!inner) return;
    TDatasetFeaturesEh* features = FindDatasetFeatures(inner);
    if (!features) return;
    if (cds->Active()) {
        cds->CheckBrowseMode();
        if (cds->ChangeCount() > 0) throw EDatabaseError(LoadResString(SPendingChangesEh));
    }
    apply(features, inner);
    cds->Close();
    cds->Open();
}

} // namespace

TDataSet* TCDSDatasetFeaturesEh::ProviderDataSet(TCustomClientDataSet* dataSet) {
    if (!dataSet || dataSet->ProviderName().empty() || !dataSet->Owner()) return nullptr;
    auto* provider = dynamic_cast<TCustomProvider*>(dataSet->Owner()->FindComponent(dataSet->ProviderName()));
    if (!provider || !GetPropInfo(provider, "DataSet")) return nullptr;
    return dynamic_cast<TDataSet*>(GetObjectProp(provider, "DataSet"));
}

void TCDSDatasetFeaturesEh::ApplySorting(TObject* sender, TDataSet* dataSet, bool) {
    auto* grid = dynamic_cast<TCustomDBGridEh*>(sender);
    if (!grid) return;
    if (!grid->SortLocal()) {
        ThroughProvider(this, dataSet, [&](TDatasetFeaturesEh* f, TDataSet* inner) { f->ApplySorting(sender, inner, false); });
        return;
    }
    std::string fields, descending;
    for (TColumnEh* c : grid->SortMarkedColumns()) {
        fields += (fields.empty() ? "" : ";") + c->FieldName();
        if (c->Title()->SortMarker() == smUpEh) descending += (descending.empty() ? "" : ";") + c->FieldName();
    }
    auto* cds = dynamic_cast<TCustomClientDataSet*>(dataSet);
    if (!cds) return;
    cds->IndexDefs().Update();
    if (cds->IndexDefs().Find(kSortIndexName)) {
        // The dataset cannot drop the index it is ordered by.
        if (cds->IndexName() == kSortIndexName) cds->SetIndexName(std::string());
        cds->DeleteIndex(kSortIndexName);
    }
    if (!fields.empty()) {
        cds->AddIndex(kSortIndexName, fields, {}, descending, std::string(), 0);
        cds->IndexDefs().Update();
        cds->SetIndexName(kSortIndexName);
    } else {
        cds->SetIndexName(std::string());
    }
    if (cds->Active()) cds->First();
}

void TCDSDatasetFeaturesEh::ApplyFilter(TObject* sender, TDataSet* dataSet, bool) {
    auto* grid = dynamic_cast<TCustomDBGridEh*>(sender);
    if (!grid) return;
    if (grid->STFilter()->Local()) {
        std::string text;
        BuildGridFilterText(grid, &BuildConditionText, nullptr, text, true, false);
        TDataSet* own = grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
        if (!own) return;
        own->SetFilter(text);
        if (own->Filter().empty()) own->SetFilter("1=1");
        own->SetFiltered(true);
        return;
    }
    ThroughProvider(this, dataSet, [&](TDatasetFeaturesEh* f, TDataSet* inner) { f->ApplyFilter(sender, inner, false); });
}

void InitializeClientDataSetFeatures() {
    AddDatasetFeaturesClass(TCDSDatasetFeaturesEh::StaticClass(), TCustomClientDataSet::StaticClass());
}

TV_UNIT(CDSFeaturesEh, urGrid - 1, &InitializeClientDataSetFeatures, nullptr)

} // namespace tv
