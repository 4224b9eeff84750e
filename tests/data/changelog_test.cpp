// The change log: apply, cancel and reconcile through the provider, and the
// errors the central handler recognises by their text.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "framework/data/dberror.h"

using namespace tv;
using namespace tvtest;

namespace {

struct ChangeLogTest : ::testing::Test {
    ArticleModule m;
    void SetUp() override {
        m.Fill(Articulos());
        m.OpenClient();
        m.cds->SetIndexFieldNames("CODIGO");
    }
    void SetName(int code, const std::string& name) {
        ASSERT_TRUE(m.cds->Locate("CODIGO", code, {}));
        m.cds->Edit();
        m.cds->FieldByName("NOMBRE")->SetAsString(name);
        m.cds->Post();
    }
    void AddArticle(int code, const std::string& name) {
        m.cds->Append();
        m.cds->FieldByName("CODIGO")->SetAsInteger(code);
        m.cds->FieldByName("NOMBRE")->SetAsString(name);
        m.cds->Post();
    }
    std::string SourceName(int code) { return VarToStr(m.tabla->Lookup("CODIGO", code, "NOMBRE")); }
};

} // namespace

TEST_F(ChangeLogTest, ApplyWritesEveryKindOfChangeToTheSource) {
    SetName(2, "Azúcar morena");
    AddArticle(11, "Panela");
    ASSERT_TRUE(m.cds->Locate("CODIGO", 5, {}));
    m.cds->Delete();
    EXPECT_EQ(m.cds->ChangeCount(), 3);
    ASSERT_TRUE(m.cds->Locate("CODIGO", 2, {}));
    EXPECT_EQ(m.cds->UpdateStatus(), usModified);
    EXPECT_EQ(VarToStr(m.cds->FieldByName("NOMBRE")->OldValue()), "azúcar");

    EXPECT_EQ(m.cds->ApplyUpdates(0), 0);
    EXPECT_EQ(m.cds->ChangeCount(), 0);
    EXPECT_EQ(SourceName(2), "Azúcar morena");
    EXPECT_EQ(SourceName(11), "Panela");
    EXPECT_TRUE(m.tabla->Lookup("CODIGO", 5, "NOMBRE").IsNull());
    EXPECT_EQ(m.tabla->RecordCount(), 10);
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "Azúcar morena") << "the current record stays";
    EXPECT_EQ(m.cds->UpdateStatus(), usUnmodified);
}

TEST_F(ChangeLogTest, CancelUpdatesPutsEverythingBack) {
    SetName(2, "Otro");
    AddArticle(11, "Panela");
    ASSERT_TRUE(m.cds->Locate("CODIGO", 5, {}));
    m.cds->Delete();
    m.cds->CancelUpdates();
    EXPECT_EQ(m.cds->ChangeCount(), 0);
    EXPECT_EQ(m.cds->RecordCount(), 10);
    EXPECT_EQ(VarToStr(m.cds->Lookup("CODIGO", 2, "NOMBRE")), "azúcar");
    EXPECT_TRUE(m.cds->Lookup("CODIGO", 11, "NOMBRE").IsNull());
    EXPECT_EQ(VarToStr(m.cds->Lookup("CODIGO", 5, "NOMBRE")), "nabo");
    // An inserted record edited again is still one insert.
    AddArticle(12, "Yuca");
    m.cds->Edit();
    m.cds->FieldByName("NOMBRE")->SetAsString("Yuca criolla");
    m.cds->Post();
    EXPECT_EQ(m.cds->ChangeCount(), 1);
    m.cds->RevertRecord();
    EXPECT_EQ(m.cds->ChangeCount(), 0);
    EXPECT_EQ(m.cds->RecordCount(), 10);
}

TEST_F(ChangeLogTest, FailedChangesReachReconcileAndItsActionDecides) {
    // Someone else removes article 3 and changes article 4 at the source.
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 3, {}));
    m.tabla->Delete();
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 4, {}));
    m.tabla->Edit();
    m.tabla->FieldByName("PRECIO")->SetAsFloat(1);
    m.tabla->Post();

    SetName(3, "Pino");
    SetName(4, "Éxito");
    SetName(6, "Café tostado");

    std::vector<std::string> seen;
    m.cds->OnReconcileError = [&](TCustomClientDataSet* ds, EReconcileError& e, TUpdateKind kind, TReconcileAction& action) {
        seen.push_back(std::to_string(ds->FieldByName("CODIGO")->AsInteger()) + " " + e.Message() +
                       (kind == ukModify ? " modify" : " other"));
        action = ds->FieldByName("CODIGO")->AsInteger() == 3 ? raCancel : raSkip;
    };
    EXPECT_EQ(m.cds->ApplyUpdates(-1), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"3 Record not found or changed by another user modify",
                                              "4 Record not found or changed by another user modify"}));
    EXPECT_EQ(SourceName(6), "Café tostado") << "the change that could be applied was";
    EXPECT_EQ(m.cds->ChangeCount(), 1) << "the skipped change stays in the log";
    EXPECT_EQ(VarToStr(m.cds->Lookup("CODIGO", 3, "NOMBRE")), "árbol de Navidad") << "the cancelled change is undone";
    ASSERT_TRUE(m.cds->Locate("CODIGO", 4, {}));
    EXPECT_EQ(m.cds->UpdateStatus(), usModified);
}

TEST_F(ChangeLogTest, TheProviderHandlerSeesTheSourceAndCanAbort) {
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 3, {}));
    m.tabla->Delete();
    SetName(3, "Pino");
    SetName(6, "Café tostado");
    TObject* sender = nullptr;
    TDataSet* dataSet = nullptr;
    m.provider->OnUpdateError = [&](TObject* s, TDataSet* ds, EUpdateError&, TUpdateKind, TResolverResponse& r) {
        sender = s;
        dataSet = ds;
        r = rrAbort;
    };
    int reconciled = 0;
    m.cds->OnReconcileError = [&](TCustomClientDataSet*, EReconcileError&, TUpdateKind, TReconcileAction&) { ++reconciled; };
    EXPECT_EQ(m.cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(sender, m.provider);
    EXPECT_EQ(dataSet, m.tabla);
    EXPECT_EQ(dataSet->Name().substr(1), "Articulos");
    EXPECT_EQ(reconciled, 1);
    EXPECT_EQ(SourceName(6), "Café") << "an abort stops before the next change";
    EXPECT_EQ(m.cds->ChangeCount(), 2);
}

TEST_F(ChangeLogTest, BeforeUpdateRecordMayApplyAChangeItself) {
    SetName(2, "Azúcar");
    SetName(5, "Nabo");
    std::vector<std::string> seen;
    m.provider->BeforeUpdateRecord = [&](TObject*, TDataSet*, TCustomClientDataSet* delta, TUpdateKind kind, bool& applied) {
        EXPECT_EQ(kind, ukModify);
        seen.push_back(VarToStr(delta->FieldByName("NOMBRE")->OldValue()) + " > " + delta->FieldByName("NOMBRE")->AsString());
        delta->Last(); // moving the delta does not skip a change
        applied = true;
    };
    EXPECT_EQ(m.cds->ApplyUpdates(0), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"nabo > Nabo", "azúcar > Azúcar"}));
    EXPECT_EQ(SourceName(2), "azúcar") << "the handler took it; the resolver did nothing";
    EXPECT_EQ(m.cds->ChangeCount(), 0);
}

TEST_F(ChangeLogTest, KeyViolationsAtTheSourceTravelWithTheirText) {
    // The source gains article 11 after the client read its rows.
    m.tabla->Append();
    m.tabla->FieldByName("CODIGO")->SetAsInteger(11);
    m.tabla->FieldByName("NOMBRE")->SetAsString("Panela");
    m.tabla->Post();
    AddArticle(11, "Otra panela");
    std::string message;
    m.cds->OnReconcileError = [&](TCustomClientDataSet*, EReconcileError& e, TUpdateKind kind, TReconcileAction&) {
        EXPECT_EQ(kind, ukInsert);
        message = e.Message();
    };
    EXPECT_EQ(m.cds->ApplyUpdates(0), 1);
    EXPECT_EQ(message.substr(0, 3), "key");
    EXPECT_EQ(SourceName(11), "Panela");
    EXPECT_EQ(m.cds->ChangeCount(), 1);
}

TEST_F(ChangeLogTest, RequiredValuesAndDuplicateKeysAreRefusedAtPost) {
    m.cds->Append();
    m.cds->FieldByName("CODIGO")->SetAsInteger(12);
    try {
        m.cds->Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Field 'NOMBRE' must have a value");
    }
    EXPECT_EQ(m.cds->State(), dsInsert) << "the user can still complete the record";
    m.cds->FieldByName("CODIGO")->SetAsInteger(3);
    m.cds->FieldByName("NOMBRE")->SetAsString("Repetido");
    try {
        m.cds->Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "key violation.");
    }
    EXPECT_TRUE(m.cds->FieldByName("CODIGO")->IsIndexField());
    m.cds->Cancel();
    EXPECT_EQ(m.cds->RecordCount(), 10);
    EXPECT_EQ(m.cds->ChangeCount(), 0);

    // Through OnPostError, as the central handler hooks it: the post is aborted silently.
    int handled = 0;
    m.cds->OnPostError = [&](TDataSet*, EDatabaseError& e, TDataAction& action) {
        EXPECT_EQ(std::string(e.what()).substr(0, 3), "Fie");
        action = daAbort;
        ++handled;
    };
    m.cds->Insert();
    EXPECT_THROW(m.cds->Post(), EAbort);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(m.cds->State(), dsInsert);
    m.cds->Cancel();
    EXPECT_EQ(m.cds->RecordCount(), 10);
}

TEST_F(ChangeLogTest, ApplyWithoutProviderIsAClearError) {
    SetName(2, "x");
    m.cds->SetProviderName("PNada");
    EXPECT_THROW(m.cds->ApplyUpdates(0), EDatabaseError);
    EXPECT_EQ(m.cds->ChangeCount(), 1);
}

TEST_F(ChangeLogTest, MaxErrorsStopsTheApplyAndKeepsWhatWasNotTried) {
    // Changes go in the order the rows were read: 7, 3, 9, 1, 5, 2...
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 2, {}));
    m.tabla->Delete();
    ASSERT_TRUE(m.tabla->Locate("CODIGO", 3, {}));
    m.tabla->Delete();
    SetName(7, "Zanahoria roja"); // applies
    SetName(3, "uno");            // fails
    SetName(1, "Arroz blanco");   // not tried after the first error
    SetName(2, "dos");            // fails
    EXPECT_EQ(m.cds->ApplyUpdates(0), 1) << "the first error ends the apply";
    EXPECT_EQ(SourceName(7), "Zanahoria roja") << "a plain dataset keeps what it took";
    EXPECT_EQ(SourceName(1), "Arroz");
    EXPECT_EQ(m.cds->ChangeCount(), 3) << "the failed change and those not tried stay in the log";

    EXPECT_EQ(m.cds->ApplyUpdates(-1), 2);
    EXPECT_EQ(SourceName(1), "Arroz blanco");
    EXPECT_EQ(m.cds->ChangeCount(), 2);
}

TEST_F(ChangeLogTest, TheKeyFollowsEditsDeletesAndReverts) {
    ASSERT_TRUE(m.cds->Locate("CODIGO", 3, {}));
    m.cds->Delete();
    AddArticle(3, "Pino"); // the key is free once its record is deleted
    SetName(3, "Pino 2");
    SetName(1, "Arroz 2");
    m.cds->Edit();
    m.cds->FieldByName("CODIGO")->SetAsInteger(30);
    m.cds->Post();
    AddArticle(1, "Arroz nuevo"); // 1 moved to 30
    EXPECT_THROW(AddArticle(30, "otro"), EDatabaseError);
    m.cds->Cancel();
    m.cds->CancelUpdates();
    EXPECT_THROW(AddArticle(3, "otra vez"), EDatabaseError) << "the deleted record is back";
    m.cds->Cancel();
    AddArticle(30, "libre");
    EXPECT_EQ(m.cds->RecordCount(), 11);
}

TEST_F(ChangeLogTest, TheClientFindsItsProviderByNameAtEveryOpen) {
    auto reopen = [&] {
        m.cds->Close();
        m.cds->Open();
    };
    // Renamed, the provider is no longer the client's; another of that name is.
    m.provider->SetName("PViejo");
    m.cds->Close();
    EXPECT_THROW(m.cds->Open(), EDatabaseError);
    auto* other = new TDataSetProvider(&m);
    other->SetName("particulos");
    other->SetDataSet(m.tabla);
    reopen();
    EXPECT_EQ(m.cds->Provider(), other);
    // Freed, it is forgotten; the old one found again under the name.
    delete other;
    EXPECT_EQ(m.cds->Provider(), nullptr);
    m.provider->SetName("PArticulos");
    reopen();
    EXPECT_EQ(m.cds->Provider(), m.provider);
    EXPECT_EQ(m.cds->RecordCount(), static_cast<int>(Articulos().size()));
}
