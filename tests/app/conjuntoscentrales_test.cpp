// The shared datasets of the central module against the company schema:
// every query with a text of its own opens, the master-detail chains follow
// their masters, the client datasets are fed through their providers and
// the stored procedures exist and run.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {

class ConjuntosCentrales : public apptest::ModulosTest {
protected:
    // The replication target is another company database; here the same one.
    void ConecteReplica() {
        fdm->ConReplica->Params().SetValues("Database", dbs_->CompanyPath());
        fdm->ConReplica->Params().SetValues("User_Name", "SYSDBA");
        fdm->ConReplica->Params().SetValues("Password", "x");
        fdm->ConReplica->Open();
    }
};

TEST_F(ConjuntosCentrales, EveryQueryWithItsOwnTextOpensOnTheSchema) {
    ConecteReplica();
    int abiertas = 0;
    for (int i = 0; i < fdm->ComponentCount(); ++i) {
        auto* q = dynamic_cast<TSQLQuery*>(fdm->Components(i));
        if (!q || q->SQL().Text().empty() || q->SQL().Text().find(':') != std::string::npos) continue;
        SCOPED_TRACE(q->Name());
        EXPECT_NO_THROW(q->Open());
        q->Close();
        ++abiertas;
    }
    EXPECT_GE(abiertas, 20);
    EXPECT_EQ(fdm->TCuentas->SQL().Text().find("CUENTAS") != std::string::npos, true);
    EXPECT_TRUE(fdm->QPuc->SQL().Text().empty());
}

TEST_F(ConjuntosCentrales, DetailsFollowTheirMastersAndClientsTheirProviders) {
    auto* tipos = static_cast<TSQLQuery*>(fdm->FindComponent("TTipocomp"));
    auto* prefijos = static_cast<TSQLQuery*>(fdm->FindComponent("TPrefconta"));
    tipos->Open();
    ASSERT_FALSE(tipos->IsEmpty());
    prefijos->Open();
    std::string tipo = tipos->FieldByName("TICO_COD")->AsString();
    int n = 0;
    for (prefijos->First(); !prefijos->Eof(); prefijos->Next(), ++n)
        EXPECT_EQ(prefijos->FieldByName("TICO_COD")->AsString(), tipo);
    EXPECT_EQ(std::to_string(n), Valor("select count(*) from prefijos_conta where tico_cod = " + tipo));

    auto* opciones = static_cast<TSQLQuery*>(fdm->FindComponent("TOpcion"));
    static_cast<TSQLQuery*>(fdm->FindComponent("TPrograma"))->Open();
    static_cast<TSQLQuery*>(fdm->FindComponent("TModulo"))->Open();
    EXPECT_NO_THROW(opciones->Open());

    auto* cuentas = static_cast<TClientDataSet*>(fdm->FindComponent("CCuentaconta"));
    cuentas->Open();
    EXPECT_EQ(std::to_string(cuentas->RecordCount()), Valor("select count(*) from cuentas"));
    auto* consolidado = static_cast<TClientDataSet*>(fdm->FindComponent("CConsolidado"));
    EXPECT_NO_THROW(consolidado->Open());
    EXPECT_NE(consolidado->FindField("LOTE_VENCE"), nullptr);
}

TEST_F(ConjuntosCentrales, TheStoredProceduresExistAndTheParentOfAnAccountIsFound) {
    for (int i = 0; i < fdm->ComponentCount(); ++i) {
        auto* sp = dynamic_cast<TSQLStoredProc*>(fdm->Components(i));
        if (!sp) continue;
        EXPECT_EQ(Valor("select count(*) from rdb$procedures where rdb$procedure_name = '" + sp->StoredProcName() +
                        "'"),
                  "1")
            << sp->Name();
    }
    TSQLStoredProc* padre = fdm->SPCtaPadre;
    padre->Params().Add("CUENTA").SetAsString("110505");
    padre->ExecProc();
    EXPECT_EQ(padre->Params().ParamByName("PADRE").AsString(), "1105");
}

} // namespace
