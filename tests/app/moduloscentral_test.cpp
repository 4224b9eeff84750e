// The central data module: what its creation does, the providers it hooks,
// the settings store and the entry points of the login and the price query.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/dmter.h"
#include "app/data/dminv.h"
#include "core/formatsettings.h"
#include "core/sysformat.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {
class ModuloCentral : public apptest::ModulosTest {};
} // namespace

TEST_F(ModuloCentral, CreationSetsPeriodsDateFormatAndPacketSize) {
    EXPECT_EQ(fdm->nombre_mes[0], "Enero");
    EXPECT_EQ(fdm->nombre_mes[8], "Septiembre");
    EXPECT_EQ(fdm->nombre_mes[12], "Ajustes");
    EXPECT_EQ(fdm->nombre_mes[13], "Cierre");
    EXPECT_EQ(FormatSettings.ShortDateFormat, "yyyy/mm/dd");
    EXPECT_EQ(DateToStr(EncodeDate(2026, 1, 9)), "2026/01/09");
    EXPECT_EQ(fdm->tamano_paquete, 1000);
    EXPECT_EQ(fdm->usuario, "");
    // Its handler is the application's for what nobody handles.
    ASSERT_TRUE(static_cast<bool>(aplicacion_.OnException));
    EConvertError e("sin manejar");
    aplicacion_.OnException(nullptr, e);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Se presento el siguiente error: sin manejar"});
}

TEST_F(ModuloCentral, ModulesComeFromTheirStoredDefinitionsInStartUpOrder) {
    ASSERT_EQ(aplicacion_.ComponentCount(), 11);
    const char* orden[] = {"fdm", "fdmArt", "fdmbnc", "fdmcar", "fdmcja", "fdmcmp",
                           "fdmcnt", "fdmcxp", "fdmfact", "fdmInv", "fdmter"};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(aplicacion_.Components(i)->Name(), orden[i]);
    EXPECT_EQ(fdm->Tallyvo->Owner(), fdm);
    EXPECT_EQ(fdm->ConGeneral->Params().Values("Trim Char"), "False");
    EXPECT_EQ(fdm->ConReplica->Connected(), false);
    EXPECT_EQ(fdmArt->Compania2->Params().Values("Trim Char"), "False");
    EXPECT_NE(fdmter, nullptr);
}

TEST_F(ModuloCentral, ConfigurarProvidersHooksAtAnyDepth) {
    TComponent ventana;
    auto* p = new TDataSetProvider(&ventana);
    p->SetName("PUno");
    TComponent* panel = new TComponent(&ventana);
    auto* c = new TClientDataSet(panel);
    // A client dataset that owns components is descended into and not hooked itself.
    auto* padre = new TClientDataSet(&ventana);
    auto* hijo = new TClientDataSet(padre);
    fdm->ConfigurarProviders(&ventana);
    EXPECT_TRUE(static_cast<bool>(p->OnUpdateError));
    EXPECT_EQ(c->PacketRecords(), 1000);
    EXPECT_TRUE(static_cast<bool>(c->BeforeGetRecords) && static_cast<bool>(c->AfterGetRecords));
    EXPECT_TRUE(static_cast<bool>(c->OnPostError) && static_cast<bool>(c->OnEditError) &&
                static_cast<bool>(c->OnDeleteError));
    EXPECT_EQ(padre->PacketRecords(), -1);
    EXPECT_FALSE(static_cast<bool>(padre->OnPostError));
    EXPECT_EQ(hijo->PacketRecords(), 1000);
}

TEST_F(ModuloCentral, SettingsAreFoundOnlyByTheirExactKey) {
    EXPECT_EQ(fdm->configuracion("GENERAL", "GENERAL", "NOMBRE COMPAÑIA"), "Supermercado La Economía");
    EXPECT_TRUE(avisos_.mostrados.empty());
    EXPECT_EQ(fdm->configuracion("GENERAL", "GENERAL", "nombre compañia"), "");
    EXPECT_EQ(fdm->configuracion("general", "GENERAL", "NOMBRE COMPAÑIA"), "");
    EXPECT_EQ(avisos_.Textos(), (std::vector<std::string>{"No se encontró la configuración nombre compañia",
                                                          "No se encontró la configuración NOMBRE COMPAÑIA"}));
    EXPECT_EQ(fdm->duracion_busquedas, 2000);
}

TEST_F(ModuloCentral, ASecondCompanyChoiceReadsItsOwnSettings) {
    Sql("update configuracion set conf_valor = '7' where conf_propiedad = 'DURACION DE LAS BUSQUEDAS'");
    fdm->conecte_compania(dbs_->ServerEntry(), "001", "SYSDBA", "x");
    EXPECT_EQ(fdm->duracion_busquedas, 7000);
    EXPECT_EQ(fdm->configuracion("GENERAL", "GENERAL", "DURACION DE LAS BUSQUEDAS"), "7");
    // A code typed with a trailing blank is company 001, in its own folder.
    EXPECT_EQ(fdm->nombre_compania("001 "), fdm->nombre_compania("001"));
    fdm->conecte_compania(dbs_->ServerEntry(), "001 ", "SYSDBA", "x");
    EXPECT_TRUE(fdm->Tallyvo->Connected());
    EXPECT_EQ(fdm->Tallyvo->Params().Values("Database"), dbs_->ServerEntry() + "/datos/001/tallyvo.fdb");
    EXPECT_EQ(fdm->CCompania->FieldByName("COMP_COD")->AsString().substr(0, 3), "001");
}

TEST_F(ModuloCentral, LoginEntryPointsAndTheAuditRow) {
    std::string nombre;
    bool admin = true;
    ASSERT_TRUE(fdm->busque_usuario("cajero", nombre, admin));
    EXPECT_EQ(nombre, "Juan Pérez Cajero");
    EXPECT_FALSE(admin);
    EXPECT_FALSE(fdm->busque_usuario("o'brien", nombre, admin));
    EXPECT_EQ(fdm->nombre_compania("001"), "Supermercado La Economía");
    EXPECT_EQ(fdm->nombre_compania("9'9"), "");
    EXPECT_EQ(fdm->CCompania->FieldByName("COMP_COD")->AsString(), "001");

    int sucursal = -1;
    ASSERT_TRUE(fdm->busque_usuario_compania("CAJERO", sucursal));
    EXPECT_EQ(sucursal, 1);
    EXPECT_FALSE(fdm->busque_usuario_compania("NADIE", sucursal));

    fdm->registre_ingreso("cajero", "Juan Pérez Cajero", EncodeDate(2026, 2, 14));
    EXPECT_EQ(fdm->usuario, "CAJERO");
    EXPECT_EQ(fdm->nombre_usuario, "Juan Pérez Cajero");
    EXPECT_EQ(fdm->fecha, "2026/02/14");
    EXPECT_EQ(Valor("select count(*) from auditoria where tido_cod = 131 and audi_iddoc = 0 and audi_oper = 'I' "
                    "and audi_cod = 'CAJERO'"),
              "1");
    EXPECT_FALSE(fdm->usuario_administrador());
    fdm->registre_ingreso("admin", "Administradora del sistema", EncodeDate(2026, 2, 14));
    EXPECT_TRUE(fdm->usuario_administrador());
}

TEST_F(ModuloCentral, StockCompanyOpensTheSecondConnection) {
    EXPECT_FALSE(fdmArt->Compania2->Connected());
    Configure("INVENTARIO", "EXISTENCIAS", "CODIGO COMPAÑIA CONSULTA EXISTENCIAS", "001");
    fdm->conecte_compania(dbs_->ServerEntry(), "001", "SYSDBA", "x");
    EXPECT_TRUE(fdmArt->Compania2->Connected());
}

TEST_F(ModuloCentral, PriceQueryThroughQArticulos) {
    TComponent ventana;
    auto* p = new TDataSetProvider(&ventana);
    p->SetName("PArticulos");
    p->SetDataSet(fdmArt->QArticulos);
    TProviderOptions o;
    o.Include(poAllowCommandText);
    p->SetOptions(o);
    auto* c = new TClientDataSet(&ventana);
    c->SetProviderName("PArticulos");

    std::string barras = Valor("select first 1 coba_cod from barras_articulo where arti_cod = '000001'");
    c->SetCommandText(fdmArt->texto_consulta_precios(barras, "1"));
    c->Open();
    ASSERT_FALSE(c->IsEmpty());
    EXPECT_EQ(c->FieldByName("ARTICULO")->AsString(), "000001");
    EXPECT_EQ(c->FieldByName("TOTAL")->AsCurrency() > Currency(0), true);
    c->Close();

    // A quote in the code is one literal; an unknown code gives no row.
    c->SetCommandText(fdmArt->texto_consulta_precios("77' or '1'='1", "1"));
    c->Open();
    EXPECT_TRUE(c->IsEmpty());
    c->Close();
    EXPECT_THROW(fdmArt->texto_consulta_precios("x", "1) union select"), EConvertError);
}
