// The grid's sum list over a real client dataset: full scans, incremental
// updates on insert, edit, delete and cancel, the dataset's own handlers, and
// the footer texts.
#include <gtest/gtest.h>

#include <memory>

#include "core/formatsettings.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/columnfooter.h"
#include "grid/sumlist.h"
#include "gridfixture.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

namespace {

using namespace tv;

class SumListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFormatSettings();
        data = std::make_unique<TClientDataSet>();
        data->FieldDefs().Add("CANT", ftInteger);
        data->FieldDefs().Add("PRECIO", ftFloat);
        data->FieldDefs().Add("VALOR", ftCurrency);
        data->FieldDefs().Add("IVA", ftBCD, 4);
        data->CreateDataSet();
        list = std::make_unique<TDBGridEhSumList>();
        Add(goSum, "CANT");
        Add(goSum, "PRECIO");
        Add(goSum, "VALOR");
        Add(goSum, "IVA");
        Add(goAvg, "PRECIO");
        Add(goCount, "");
        Add(goCount, "PRECIO");
    }
    void TearDown() override {
        list.reset();
        data.reset();
    }
    void Add(TGroupOperation op, const char* field) {
        TDBSum* s = list->SumCollection()->Add();
        s->SetGroupOperation(op);
        s->SetFieldName(field);
    }
    // Null values stay null.
    void Row(Variant cant, Variant precio, Variant valor, Variant iva) {
        data->Append();
        data->FieldByName("CANT")->SetValue(cant);
        data->FieldByName("PRECIO")->SetValue(precio);
        data->FieldByName("VALOR")->SetValue(valor);
        data->FieldByName("IVA")->SetValue(iva);
        data->Post();
    }
    double Sum(TGroupOperation op, const char* field) {
        TDBSum* s = list->SumCollection()->FindByOperationAndField(op, field);
        EXPECT_NE(s, nullptr);
        return s ? s->Value() : -1;
    }
    // An in-memory dataset opens again from its own rows.
    void Reopen() {
        TDataPacket rows = data->Data();
        data->Close();
        data->SetData(rows);
    }
    struct Snapshot {
        std::vector<std::int64_t> v;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() {
        Snapshot s;
        for (int i = 0; i < list->SumCollection()->Count(); ++i) s.v.push_back(list->SumCollection()->Items(i)->SumValue);
        return s;
    }
    // The incrementally kept sums equal those of a fresh scan.
    void ExpectSameAsFullScan() {
        Snapshot kept = Take();
        TBookmark here = data->Bookmark();
        list->Recalculate();
        EXPECT_EQ(kept.v, Take().v);
        data->GotoBookmark(here);
    }
    std::unique_ptr<TClientDataSet> data;
    std::unique_ptr<TDBGridEhSumList> list;
};

TEST_F(SumListTest, FullScanSumsAveragesAndCountsEveryFieldKind) {
    Row(2, 10.25, Currency(1500), 19.5);
    Row(Null(), Null(), Null(), Null());
    Row(3, 20.0, Currency(2500.5), 0.5);
    data->Last();
    list->SetDataSet(data.get());
    list->SetActive(true);
    EXPECT_EQ(Sum(goSum, "CANT"), 5);
    EXPECT_DOUBLE_EQ(Sum(goSum, "PRECIO"), 30.25);
    EXPECT_DOUBLE_EQ(Sum(goSum, "VALOR"), 4000.5);
    EXPECT_DOUBLE_EQ(Sum(goSum, "IVA"), 20);
    // The null price is not averaged: (10.25 + 20) / 2.
    EXPECT_DOUBLE_EQ(Sum(goAvg, "PRECIO"), 15.125);
    EXPECT_EQ(Sum(goCount, ""), 3);
    EXPECT_EQ(Sum(goCount, "PRECIO"), 2);
    EXPECT_EQ(data->RecNo(), 1) << "a scan leaves the dataset on its first record";
}

TEST_F(SumListTest, EmptyDatasetGivesZeros) {
    list->SetDataSet(data.get());
    list->SetVirtualRecords(true);
    list->SetActive(true);
    EXPECT_EQ(Sum(goSum, "PRECIO"), 0);
    EXPECT_EQ(Sum(goAvg, "PRECIO"), 0);
    EXPECT_EQ(Sum(goCount, ""), 0);
    EXPECT_TRUE(list->IsNumbered());
}

TEST_F(SumListTest, InsertsEditsDeletesAndCancelsKeepTheSumsRight) {
    Row(1, 10.0, Currency(100), 1.0);
    Row(2, Null(), Currency(200), 2.0);
    Row(3, 20.0, Currency(300), 3.0);
    list->SetDataSet(data.get());
    list->SetActive(true);
    EXPECT_DOUBLE_EQ(Sum(goAvg, "PRECIO"), 15);

    // Null to 5 counts one more in the average; 5 back to null one less.
    data->First();
    data->Next();
    data->Edit();
    data->FieldByName("PRECIO")->SetAsFloat(5);
    data->Post();
    EXPECT_NEAR(Sum(goAvg, "PRECIO"), 35.0 / 3, 1e-4);
    EXPECT_EQ(Sum(goCount, "PRECIO"), 3);
    ExpectSameAsFullScan();
    data->Edit();
    data->FieldByName("PRECIO")->Clear();
    data->Post();
    EXPECT_DOUBLE_EQ(Sum(goAvg, "PRECIO"), 15);
    EXPECT_EQ(Sum(goCount, "PRECIO"), 2);
    ExpectSameAsFullScan();

    Row(4, 40.0, Currency(400.25), 4.5);
    EXPECT_EQ(Sum(goCount, ""), 4);
    EXPECT_DOUBLE_EQ(Sum(goSum, "VALOR"), 1000.25);
    ExpectSameAsFullScan();

    // Cancelled insert and edit change nothing.
    auto before = Take();
    data->Insert();
    data->FieldByName("CANT")->SetAsInteger(99);
    data->Cancel();
    data->First();
    data->Edit();
    data->FieldByName("VALOR")->SetAsFloat(1e6);
    data->Cancel();
    EXPECT_EQ(before.v, Take().v);

    // Deleting a record being edited takes away what was stored, not what was typed.
    data->Edit();
    data->FieldByName("CANT")->SetAsInteger(500);
    data->Delete();
    EXPECT_EQ(Sum(goSum, "CANT"), 9);
    EXPECT_EQ(Sum(goCount, ""), 3);
    ExpectSameAsFullScan();
    data->Last();
    data->Delete();
    EXPECT_DOUBLE_EQ(Sum(goSum, "IVA"), 5);
    ExpectSameAsFullScan();
}

TEST_F(SumListTest, KeepsCallsAndPutsBackTheDatasetsHandlers) {
    int posts = 0, scrolls = 0, deletes = 0, opens = 0;
    data->AfterPost = [&](TDataSet*) { ++posts; };
    data->AfterScroll = [&](TDataSet*) { ++scrolls; };
    data->BeforeDelete = [&](TDataSet*) { ++deletes; };
    data->AfterOpen = [&](TDataSet*) { ++opens; };
    list->SetDataSet(data.get());
    list->SetActive(true);
    EXPECT_TRUE(list->EventsHooked());
    Row(1, 1.0, Currency(1), 1.0);
    data->Delete();
    Reopen();
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(deletes, 1);
    EXPECT_EQ(opens, 1);
    EXPECT_GT(scrolls, 0);

    // Inactive: the handlers are the dataset's own again and still work.
    list->SetActive(false);
    EXPECT_FALSE(list->EventsHooked());
    Row(2, 2.0, Currency(2), 2.0);
    EXPECT_EQ(posts, 2);
    EXPECT_EQ(Sum(goSum, "CANT"), 0);

    // Letting go of the dataset (and destroying the list) restores them too.
    list->SetActive(true);
    EXPECT_EQ(Sum(goSum, "CANT"), 2);
    list->SetDataSet(nullptr);
    Row(3, 3.0, Currency(3), 3.0);
    EXPECT_EQ(posts, 3);
    list->SetDataSet(data.get());
    list.reset();
    Row(4, 4.0, Currency(4), 4.0);
    EXPECT_EQ(posts, 4);
}

TEST_F(SumListTest, FilterChangeSeenAtTheNextScrollRecalculates) {
    Row(1, 1.0, Currency(1), 1.0);
    Row(2, 2.0, Currency(2), 2.0);
    Row(3, 3.0, Currency(3), 3.0);
    list->SetDataSet(data.get());
    list->SetActive(true);
    int recalcs = 0, after = 0, changes = 0;
    list->OnRecalcAll = [&](TObject*) { ++recalcs; };
    list->OnAfterRecalcAll = [&](TObject*) { ++after; };
    list->OnSumListChanged = [&](TObject*) { ++changes; };
    data->SetFilter("CANT >= 2");
    data->SetFiltered(true);
    data->First();
    EXPECT_EQ(Sum(goSum, "CANT"), 5);
    data->SetFilter("CANT = 3");
    data->First();
    data->Next();
    EXPECT_EQ(Sum(goSum, "CANT"), 3);
    EXPECT_EQ(recalcs, 2);
    EXPECT_EQ(after, 2);
    EXPECT_GT(changes, 0);
    // Closing clears the sums; opening scans again.
    TDataPacket rows = data->Data();
    data->Close();
    EXPECT_EQ(Sum(goSum, "CANT"), 0);
    data->SetData(rows);
    EXPECT_EQ(Sum(goSum, "CANT"), 3);
}

TEST_F(SumListTest, ExternalRecalcLeavesTheValuesToTheHandler) {
    Row(1, 1.0, Currency(1), 1.0);
    list->SetDataSet(data.get());
    list->OnRecalcAll = [&](TObject*) { list->SumCollection()->Items(0)->SumValue = 420000; };
    list->SetExternalRecalc(true);
    list->SetActive(true);
    EXPECT_EQ(Sum(goSum, "CANT"), 42);
}

TEST_F(SumListTest, AMissingFieldRaisesTheDatasetsError) {
    Row(1, 1.0, Currency(1), 1.0);
    Add(goSum, "NO_EXISTE");
    list->SetDataSet(data.get());
    EXPECT_THROW(list->SetActive(true), EDatabaseError);
    EXPECT_FALSE(data->ControlsDisabled());
}

// --- footers of a grid ------------------------------------------------------------------

using FooterTest = tvtest::DataGridTest;

TEST_F(FooterTest, SumAverageAndCountFootersShowFormattedValues) {
    Fill(3);
    grid->SetDataSource(source);
    grid->SetFooterRowCount(1);
    TColumnEh* codigo = Col(0);
    TColumnEh* precio = Col(2);
    codigo->Footer()->SetValueType(fvtCount);
    precio->Footer()->SetValueType(fvtSum);
    precio->Footers()->Add()->SetValueType(fvtAvg);
    TColumnFooterEh* avg = precio->Footers()->Items(0);
    TColumnFooterEh* named = Col(1)->Footer();
    named->SetValueType(fvtSum);
    named->SetFieldName("CODIGO");
    TDBGridEhSumList* sums = grid->SumList();
    sums->SyncFooterSums();
    sums->SetActive(true);
    // Prices 1000.5, 2000.5, 3000.5: general format with the field's precision.
    EXPECT_EQ(sums->FooterValueText(precio->Footer(), precio), "6001,5");
    EXPECT_EQ(sums->FooterValueText(avg, precio), "2000,5");
    EXPECT_EQ(sums->FooterValueText(codigo->Footer(), codigo), "3");
    EXPECT_EQ(sums->FooterValueText(named, Col(1)), "6");
    precio->Footer()->SetDisplayFormat("#,##0.00");
    EXPECT_EQ(sums->FooterValueText(precio->Footer(), precio), "6.001,50");

    // A sum no footer needs any more goes; the rest stay.
    named->SetValueType(fvtNon);
    sums->SyncFooterSums();
    EXPECT_EQ(sums->SumCollection()->FindByOperationAndField(goSum, "CODIGO"), nullptr);
    EXPECT_NE(sums->SumCollection()->FindByOperationAndField(goSum, "PRECIO"), nullptr);
    named->SetValueType(fvtSum);
    EXPECT_EQ(sums->FooterValueText(named, Col(1)), "0") << "a footer without its sum shows 0";

    data->Append();
    data->FieldByName("CODIGO")->SetAsInteger(4);
    data->FieldByName("PRECIO")->SetAsFloat(0.5);
    data->Post();
    EXPECT_EQ(sums->FooterValueText(codigo->Footer(), codigo), "4");
    EXPECT_EQ(sums->FooterValueText(avg, precio), "1500,5");
}

TEST_F(FooterTest, TheGridsFootersShowTheSumsItsLayoutAsksFor) {
    Fill(3);
    grid->SetDataSource(source);
    grid->SetFooterRowCount(1);
    grid->SumList()->SetActive(true);
    TColumnEh* precio = Col(2);
    precio->Footer()->SetValueType(fvtSum);
    precio->Footer()->SetDisplayFormat("#,##0.00");
    Col(0)->Footer()->SetValueType(fvtCount);
    grid->LayoutChanged(); // the layout brings the sum list in line with the footers
    EXPECT_EQ(grid->GetFooterValue(0, precio), "6.001,50");
    EXPECT_EQ(grid->GetFooterValue(0, Col(0)), "3");
    data->First();
    data->Edit();
    data->FieldByName("PRECIO")->SetAsFloat(10);
    data->Post();
    EXPECT_EQ(grid->GetFooterValue(0, precio), "5.011,00");
}

// Balances whose total lies beyond a currency's range show no number at all;
// correcting the balance that took it there through the grid brings it back.
TEST_F(FooterTest, ATotalBeyondACurrencysRangeReadsAsSuchUntilABalanceIsCorrected) {
    using namespace tv::win;
    for (double saldo : {600e12, 400e12}) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(data->RecordCount() + 1);
        data->FieldByName("PRECIO")->SetAsFloat(saldo);
        data->Post();
    }
    data->First();
    grid->SetDataSource(source);
    grid->SetFooterRowCount(2);
    grid->SumList()->SetActive(true);
    TColumnEh* saldo = Col(2);
    saldo->Footers()->Add()->SetValueType(fvtSum);
    saldo->Footers()->Add()->SetValueType(fvtAvg);
    form->SetActiveControl(grid);
    grid->LayoutChanged();
    Pump();
    EXPECT_EQ(grid->GetFooterValue(0, saldo), "Fuera de rango");
    EXPECT_EQ(grid->GetFooterValue(1, saldo), "500000000000000") << "the average is in range";
    grid->SetSelectedIndex(2);
    PressKey(VK_F2);
    TypeText("1000");
    PressKey(VK_DOWN); // posts the record
    Pump();
    ASSERT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(grid->GetFooterValue(0, saldo), "400000000001000");
    EXPECT_EQ(grid->GetFooterValue(1, saldo), "200000000000500");
}

} // namespace

namespace {

// A dataset that does not number its records: the sum list numbers them.
class TUnnumberedDataSet : public TClientDataSet {
    TV_CLASS(TUnnumberedDataSet, TClientDataSet)
public:
    using TClientDataSet::TClientDataSet;
    bool IsSequenced() const override { return false; }
};

TEST(VirtualRecords, NumberRecordsThroughInsertsAndDeletes) {
    TUnnumberedDataSet data;
    data.FieldDefs().Add("CODIGO", ftInteger);
    data.CreateDataSet();
    data.AddIndex("PorCodigo", "CODIGO", {});
    data.SetIndexName("PorCodigo");
    auto add = [&](int code) {
        data.Append();
        data.FieldByName("CODIGO")->SetAsInteger(code);
        data.Post();
    };
    for (int code : {10, 20, 30, 40}) add(code);
    TDBGridEhSumList list;
    list.SetDataSet(&data);
    list.SetVirtualRecords(true);
    EXPECT_FALSE(list.IsNumbered()) << "inactive";
    list.SetActive(true);
    EXPECT_TRUE(list.IsNumbered());
    EXPECT_EQ(list.NumberedRecordCount(), 4);
    list.GoToRecordNumber(3);
    EXPECT_EQ(data.FieldByName("CODIGO")->AsInteger(), 30);
    EXPECT_EQ(list.CurrentRecordNumber(), 3);

    add(25);
    EXPECT_EQ(list.NumberedRecordCount(), 5);
    EXPECT_EQ(list.CurrentRecordNumber(), 3) << "25 stands between 20 and 30";
    list.GoToRecordNumber(5);
    EXPECT_EQ(data.FieldByName("CODIGO")->AsInteger(), 40);
    data.Delete();
    EXPECT_EQ(list.NumberedRecordCount(), 4);
    data.First();
    data.Delete();
    data.Last();
    EXPECT_EQ(list.CurrentRecordNumber(), 3);
    EXPECT_EQ(data.FieldByName("CODIGO")->AsInteger(), 30);
}

} // namespace
