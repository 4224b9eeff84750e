// Master and detail, and rows fetched in packets.
#include <gtest/gtest.h>

#include "data/fixture.h"

using namespace tv;
using namespace tvtest;

namespace {

struct MasterDetailTest : ::testing::Test {
    ArticleModule m;
    TClientDataSet* lineas = nullptr;
    void SetUp() override {
        m.Fill(Articulos());
        m.OpenClient();
        lineas = new TClientDataSet(&m);
        lineas->SetName("CLineas");
        lineas->FieldDefs().Add("ARTICULO", ftInteger, 0, true);
        lineas->FieldDefs().Add("CANTIDAD", ftInteger);
        lineas->CreateDataSet();
        const int rows[][2] = {{7, 1}, {3, 2}, {7, 3}, {9, 4}, {7, 5}};
        for (const auto& r : rows) {
            lineas->Append();
            lineas->FieldByName("ARTICULO")->SetAsInteger(r[0]);
            lineas->FieldByName("CANTIDAD")->SetAsInteger(r[1]);
            lineas->Post();
        }
        lineas->SetIndexFieldNames("ARTICULO");
        lineas->SetMasterFields("CODIGO");
        lineas->SetMasterSource(m.source);
    }
};

} // namespace

TEST_F(MasterDetailTest, TheDetailShowsTheLinesOfTheMastersRecord) {
    EXPECT_EQ(lineas->RecordCount(), 3);
    m.cds->Next(); // article 3
    EXPECT_EQ(lineas->RecordCount(), 1);
    EXPECT_EQ(lineas->FieldByName("CANTIDAD")->AsInteger(), 2);
    m.cds->Next(); // article 9
    EXPECT_EQ(lineas->FieldByName("CANTIDAD")->AsInteger(), 4);
    m.cds->Next(); // article 1: no lines
    EXPECT_TRUE(lineas->IsEmpty());

    lineas->Append();
    EXPECT_EQ(lineas->FieldByName("ARTICULO")->AsInteger(), 1) << "a new line takes the master's key";
    lineas->FieldByName("CANTIDAD")->SetAsInteger(9);
    lineas->Post();
    EXPECT_EQ(lineas->RecordCount(), 1);
    m.cds->First();
    EXPECT_EQ(lineas->RecordCount(), 3);

    // Changing the master's key field follows at once.
    m.cds->Edit();
    m.cds->FieldByName("CODIGO")->SetAsInteger(9);
    EXPECT_EQ(lineas->RecordCount(), 1);
    m.cds->Cancel();
    EXPECT_EQ(lineas->RecordCount(), 3);

    EXPECT_THROW(m.cds->SetMasterSource(m.source), EDatabaseError) << "a dataset cannot be its own master";
    TDataSource detailSource(&m);
    detailSource.SetDataSet(lineas);
    EXPECT_THROW(m.cds->SetMasterSource(&detailSource), EDatabaseError) << "nor its detail's detail";
}

TEST(Packets, RowsComeInPacketsAsTheUserMovesOn) {
    ArticleModule m;
    m.Fill(Articulos());
    int before = 0, after = 0;
    m.cds->SetPacketRecords(4);
    m.cds->BeforeGetRecords = [&](TObject* sender, Variant&) {
        EXPECT_EQ(sender, m.cds);
        ++before;
    };
    m.cds->AfterGetRecords = [&](TObject*, Variant&) { ++after; };
    m.OpenClient();
    EXPECT_EQ(m.cds->RecordCount(), 4);
    EXPECT_FALSE(m.cds->AllFetched());
    EXPECT_EQ(before, 1);
    m.cds->MoveBy(5);
    EXPECT_EQ(m.cds->FieldByName("CODIGO")->AsInteger(), 2);
    EXPECT_EQ(m.cds->RecordCount(), 8) << "one more packet, no more";
    EXPECT_EQ(before, after);
    m.cds->Last();
    EXPECT_EQ(m.cds->RecordCount(), 10);
    EXPECT_TRUE(m.cds->AllFetched());
    EXPECT_EQ(before, 3);
    EXPECT_EQ(after, 3);

    m.cds->Close();
    m.cds->SetPacketRecords(-1);
    m.cds->Open();
    EXPECT_EQ(m.cds->RecordCount(), 10);
    EXPECT_EQ(before, 4);
}

TEST(Packets, CommandTextNeedsAProviderThatAllowsIt) {
    ArticleModule m;
    m.Fill(Articulos());
    m.cds->SetCommandText("SELECT * FROM ARTICULOS");
    try {
        m.cds->Open();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "PArticulos: Provider does not allow command text");
    }
    EXPECT_FALSE(m.cds->Active());
    EXPECT_THROW(m.cds->Execute(), EDatabaseError);
    m.cds->SetCommandText("");
    m.cds->Open();
    EXPECT_EQ(m.cds->RecordCount(), 10);
}

TEST(Packets, RefreshReadsTheSourceAgainOnceTheLogIsEmpty) {
    ArticleModule m;
    m.Fill(Articulos());
    m.OpenClient();
    m.cds->MoveBy(3);
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 1, {}));
    m.tabla->Edit();
    m.tabla->FieldByName("NOMBRE")->SetAsString("Arroz integral");
    m.tabla->Post();
    m.cds->Refresh();
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "Arroz integral");
    m.cds->Edit();
    m.cds->FieldByName("NOMBRE")->SetAsString("otro");
    m.cds->Post();
    EXPECT_THROW(m.cds->Refresh(), EDatabaseError);
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "otro");
}
