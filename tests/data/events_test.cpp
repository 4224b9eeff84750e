// Event handlers that throw leave the dataset where it was and usable.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "framework/data/fields_string.h"

using namespace tv;
using namespace tvtest;

namespace {

struct EventsTest : ::testing::Test {
    ArticleModule m;
    RecordingLink link;
    void SetUp() override {
        m.Fill(Articulos());
        m.OpenClient();
        link.SetBufferCount(4);
        link.SetDataSource(m.source);
        m.cds->MoveBy(2);
    }
    std::string Current() { return m.cds->FieldByName("NOMBRE")->AsString(); }
};

} // namespace

TEST_F(EventsTest, OnNewRecordThatThrowsRemovesTheNewRecord) {
    m.cds->OnNewRecord = [](TDataSet*) { throw EDatabaseError("sin consecutivo"); };
    EXPECT_THROW(m.cds->Insert(), EDatabaseError);
    EXPECT_EQ(m.cds->State(), dsBrowse);
    EXPECT_EQ(Current(), "Ñame");
    EXPECT_EQ(link.ActiveRecord(), 2);
    EXPECT_EQ(link.RecordCount(), 4);
    EXPECT_EQ(m.cds->RecordCount(), 10);
    EXPECT_THROW(m.cds->Append(), EDatabaseError);
    EXPECT_EQ(Current(), "Ñame");
    m.cds->OnNewRecord = nullptr;
    m.cds->Next();
    EXPECT_EQ(Current(), "Arroz");
}

TEST_F(EventsTest, BeforePostThatThrowsKeepsTheEdit) {
    m.cds->BeforePost = [](TDataSet*) { throw EDatabaseError("no"); };
    m.cds->Edit();
    m.cds->FieldByName("NOMBRE")->SetAsString("Ñame blanco");
    EXPECT_THROW(m.cds->Post(), EDatabaseError);
    EXPECT_EQ(m.cds->State(), dsEdit);
    EXPECT_EQ(Current(), "Ñame blanco");
    m.cds->BeforePost = nullptr;
    m.cds->Post();
    EXPECT_EQ(m.cds->ChangeCount(), 1);
}

TEST_F(EventsTest, AScrollHandlerThatThrowsStillLeavesTheLinksInStep) {
    link.Clear();
    m.cds->AfterScroll = [](TDataSet*) { throw EDatabaseError("pantalla"); };
    EXPECT_THROW(m.cds->MoveBy(3), EDatabaseError);
    EXPECT_EQ(Current(), "azúcar") << "the move itself happened";
    ASSERT_EQ(link.scrolls.size(), 1u) << "and the links heard of it";
    EXPECT_EQ(link.scrolls[0], 2);
    EXPECT_EQ(link.ActiveRecord(), 3);
    m.cds->AfterScroll = nullptr;
    m.cds->Prior();
    EXPECT_EQ(Current(), "nabo");
}

TEST_F(EventsTest, ACalculationThatThrowsDuringASearchEnablesTheControlsAgain) {
    m.cds->Close();
    for (int i = 0; i < m.tabla->FieldCount(); ++i) {
        TField* f = CreateDefaultField(m.tabla->Fields()[i]->DataType(), &m);
        f->SetFieldName(m.tabla->Fields()[i]->FieldName());
        f->SetSize(m.tabla->Fields()[i]->Size());
        f->SetDataSet(m.cds);
    }
    auto* calc = new TStringField(&m);
    calc->SetFieldName("MAYUS");
    calc->SetFieldKind(fkCalculated);
    calc->SetDataSet(m.cds);
    bool fail = false;
    m.cds->OnCalcFields = [&](TDataSet* ds) {
        if (fail && ds->FieldByName("CODIGO")->AsInteger() == 5) throw EDatabaseError("cálculo");
        ds->FieldByName("MAYUS")->SetAsString(ds->FieldByName("NOMBRE")->AsString());
    };
    m.cds->Open();
    m.cds->MoveBy(2);
    fail = true;
    EXPECT_THROW(m.cds->Locate("MAYUS", "Oliva", {}), EDatabaseError);
    EXPECT_FALSE(m.cds->ControlsDisabled());
    fail = false;
    EXPECT_TRUE(m.cds->Locate("MAYUS", "Oliva", {}));
    EXPECT_EQ(Current(), "Oliva");
}

TEST_F(EventsTest, AReadOnlyDatasetRefusesChangesThroughItsErrorEvents) {
    m.cds->SetReadOnly(true);
    EXPECT_THROW(m.cds->Edit(), EDatabaseError);
    EXPECT_THROW(m.cds->Insert(), EDatabaseError);
    EXPECT_THROW(m.cds->Delete(), EDatabaseError);
    int calls = 0;
    m.cds->OnDeleteError = [&](TDataSet*, EDatabaseError& e, TDataAction& action) {
        EXPECT_STREQ(e.what(), "CArticulos: Cannot modify a read-only dataset");
        ++calls;
        action = calls == 1 ? daRetry : daAbort;
        if (calls == 1) m.cds->SetReadOnly(false);
    };
    m.cds->Delete();
    EXPECT_EQ(calls, 1) << "the retry after the handler made it writable succeeded";
    EXPECT_EQ(m.cds->RecordCount(), 9);
    m.cds->SetReadOnly(true);
    EXPECT_THROW(m.cds->Delete(), EAbort);
    EXPECT_EQ(m.cds->RecordCount(), 9);
    EXPECT_EQ(m.cds->State(), dsBrowse);
}
