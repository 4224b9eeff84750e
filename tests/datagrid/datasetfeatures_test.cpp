// The dataset-features registry and the client-dataset strategy: lookups by
// nearest class, replacement, sorting through an index and local filtering.
#include <gtest/gtest.h>

#include <climits>

#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "grid/cdsfeatures.h"
#include "grid/columntitle.h"
#include "grid/datasetfeatures.h"
#include "grid/griddataservice.h"
#include "gridfixture.h"

namespace tvtest {

using namespace tv;

class TArticulosDataSet : public TClientDataSet {
    TV_CLASS(TArticulosDataSet, TClientDataSet)
public:
    using TClientDataSet::TClientDataSet;
};

int gFreed = 0;

class TCountedFeatures : public TDatasetFeaturesEh {
    TV_CLASS(TCountedFeatures, TDatasetFeaturesEh)
public:
    ~TCountedFeatures() override { ++gFreed; }
};

class TOtherFeatures : public TDatasetFeaturesEh {
    TV_CLASS(TOtherFeatures, TDatasetFeaturesEh)
};

class FeaturesRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseDatasetFeatures();
        InitializeDatasetFeatures();
        InitializeClientDataSetFeatures();
    }
    void TearDown() override { ReleaseDatasetFeatures(); }
};

TEST_F(FeaturesRegistryTest, FindsTheStrategyOfTheNearestRegisteredClass) {
    TArticulosDataSet articulos;
    TDatasetFeaturesEh* cds = FindDatasetFeatures(&articulos);
    ASSERT_NE(cds, nullptr);
    EXPECT_EQ(cds->ClassName(), "TCDSDatasetFeaturesEh");
    EXPECT_EQ(FindDatasetFeaturesForClass(TDataSet::StaticClass()), nullptr);
    EXPECT_EQ(FindDatasetFeatures(nullptr), nullptr);
    EXPECT_EQ(FeaturesClassDistance(TArticulosDataSet::StaticClass(), "tcustomclientdataset"), 2);
    EXPECT_EQ(FeaturesClassDistance(TArticulosDataSet::StaticClass(), "TArticulosDataSet"), 0);
    EXPECT_EQ(FeaturesClassDistance(TArticulosDataSet::StaticClass(), "TForm"), INT_MAX);

    // A strategy for a nearer class wins; one registered again replaces and frees the old.
    AddDatasetFeaturesClass(TCountedFeatures::StaticClass(), TClientDataSet::StaticClass());
    EXPECT_EQ(FindDatasetFeatures(&articulos)->ClassName(), "TCountedFeatures");
    gFreed = 0;
    AddDatasetFeaturesClass(TOtherFeatures::StaticClass(), TClientDataSet::StaticClass());
    EXPECT_EQ(gFreed, 1);
    EXPECT_EQ(FindDatasetFeatures(&articulos)->ClassName(), "TOtherFeatures");
    EXPECT_EQ(FindDatasetFeaturesForClass(TCustomClientDataSet::StaticClass())->ClassName(), "TCDSDatasetFeaturesEh");
    AddDatasetFeaturesClass(TOtherFeatures::StaticClass(), nullptr);
    EXPECT_THROW(AddDatasetFeaturesClass(TDataSet::StaticClass(), TClientDataSet::StaticClass()), Exception);
}

class SortingTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        InitializeDatasetFeatures();
        InitializeClientDataSetFeatures();
        Fill(5);
        grid->SetDataSource(source);
    }
    void TearDown() override {
        ReleaseDatasetFeatures();
        DataGridTest::TearDown();
    }
    std::vector<int> Codes() {
        std::vector<int> out;
        data->First();
        for (; !data->Eof(); data->Next()) out.push_back(data->FieldByName("CODIGO")->AsInteger());
        data->First();
        return out;
    }
};

TEST_F(SortingTest, SortMarkersOrderTheClientDatasetThroughItsIndex) {
    grid->SetSortLocal(true);
    Col(2)->Title()->SetSortMarker(smUpEh);
    grid->DataServiceApplySorting();
    EXPECT_EQ(data->IndexName(), "SortIndexEh");
    EXPECT_EQ(Codes(), (std::vector<int>{5, 4, 3, 2, 1})) << "up marker sorts descending";
    data->Last();
    // Sorting again drops the index and makes it anew, and starts at the first record.
    Col(2)->Title()->SetSortMarker(smDownEh);
    grid->DataServiceApplySorting();
    EXPECT_EQ(data->RecNo(), 1);
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(data->IndexDefs().Count(), 1);
    Col(1)->Title()->SetSortMarker(smDownEh);
    grid->DataServiceApplySorting();
    EXPECT_EQ(Codes(), (std::vector<int>{4, 1, 2, 3, 5})) << "Aceite, Arroz, Café, Panela, Sal";
    Col(1)->Title()->SetSortMarker(smNoneEh);
    grid->DataServiceApplySorting();
    EXPECT_EQ(data->IndexName(), "");
    EXPECT_EQ(data->IndexDefs().Count(), 0);
}

TEST_F(SortingTest, WithoutSortLocalOnlyAProviderSorts) {
    Col(2)->Title()->SetSortMarker(smUpEh);
    grid->DataServiceApplySorting();
    EXPECT_EQ(data->IndexName(), "");
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2, 3, 4, 5}));
    grid->DataServiceApplyFilter();
    EXPECT_FALSE(data->Filtered());
}

TEST_F(SortingTest, TheServicesOwnHandlersComeFirst) {
    int sorts = 0;
    DBGridEhDataService()->OnApplySorting = [&](TCustomDBGridEh* g) { sorts += g == grid; };
    grid->SetSortLocal(true);
    Col(2)->Title()->SetSortMarker(smUpEh);
    grid->DataServiceApplySorting();
    DBGridEhDataService()->OnApplySorting = nullptr;
    EXPECT_EQ(sorts, 1);
    EXPECT_EQ(data->IndexName(), "");
}

} // namespace tvtest

namespace tvtest {

TEST_F(SortingTest, MovingRecordsKeepsTheirOrderAndValues) {
    TDatasetFeaturesEh base;
    auto mark = [&](int recNo) {
        data->SetRecNo(recNo);
        return data->Bookmark();
    };
    EXPECT_TRUE(base.MoveRecords(grid, {mark(4), mark(5)}, 2, true));
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2, 3, 4, 5})) << "a check moves nothing";
    EXPECT_FALSE(base.MoveRecords(form, {mark(1)}, 2, false)) << "only a grid's records move";

    EXPECT_TRUE(base.MoveRecords(grid, {mark(4), mark(5)}, 2, false));
    EXPECT_EQ(Codes(), (std::vector<int>{1, 4, 5, 2, 3}));
    // Records ahead of the target, the first among them too, move it back.
    EXPECT_TRUE(base.MoveRecords(grid, {mark(1), mark(2)}, 4, false));
    EXPECT_EQ(Codes(), (std::vector<int>{5, 1, 4, 2, 3}));
    EXPECT_TRUE(base.MoveRecords(grid, {mark(1), mark(2)}, 5, false));
    EXPECT_EQ(Codes(), (std::vector<int>{4, 2, 5, 1, 3})) << "a target at the count goes before the last record";
    EXPECT_TRUE(base.MoveRecords(grid, {mark(3), mark(4)}, 6, false));
    EXPECT_EQ(Codes(), (std::vector<int>{4, 2, 3, 5, 1})) << "a target past the count appends";
    data->SetRecNo(4);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Sal");
    EXPECT_DOUBLE_EQ(data->FieldByName("PRECIO")->AsFloat(), 5000.5);
    EXPECT_FALSE(data->ControlsDisabled());

    data->SetReadOnly(true);
    EXPECT_FALSE(base.MoveRecords(grid, {mark(1)}, 3, false));
}

TEST_F(SortingTest, ThroughAProviderTheClientFetchesAgainUnlessChangesWouldBeLost) {
    auto* provider = new TDataSetProvider(form);
    provider->SetName("prvArticulos");
    provider->SetDataSet(data);
    auto* client = new TClientDataSet(form);
    client->SetProviderName("prvArticulos");
    client->Open();
    source->SetDataSet(client);
    client->SetRecNo(3);
    grid->DataServiceApplyFilter();
    EXPECT_EQ(client->RecNo(), 1) << "fetched again";

    client->SetRecNo(2);
    client->Edit();
    client->FieldByName("NOMBRE")->SetAsString("Café molido");
    client->Post();
    EXPECT_THROW(grid->DataServiceApplyFilter(), EDatabaseError);
    EXPECT_THROW(grid->DataServiceApplySorting(), EDatabaseError);
    EXPECT_TRUE(client->Active());
    EXPECT_EQ(client->ChangeCount(), 1);
    EXPECT_EQ(client->RecNo(), 2);
    EXPECT_EQ(client->FieldByName("NOMBRE")->AsString(), "Café molido");
}

} // namespace tvtest
