// Failures reach the central handler: the log line, the status bar and the
// Spanish text in an error box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/data/archivos.h"
#include "app/data/dm.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {

class Errores : public apptest::ModulosTest {
protected:
    std::string Bitacora() {
        std::ifstream f(diraplicacion() + "/ERRORES.TXT", std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // Runs `accion`; what escapes goes to the application's handler, as the message loop does.
    template <class F>
    void ComoElBucle(F accion) {
        try {
            accion();
        } catch (Exception& e) {
            fdm->ENoManejada(nullptr, e);
        }
    }
};

} // namespace

TEST_F(Errores, AStoredProcedureFailureIsLoggedAndShown) {
    fdm->registre_ingreso("cajero", "Juan Pérez Cajero", Date());
    int antes = avisos_.Pitidos();
    ComoElBucle([&] {
        TComponent ventana;
        auto* p = new TDataSetProvider(&ventana);
        p->SetName("PArticulos");
        p->SetDataSet(fdm->QBorrar);
        TProviderOptions o;
        o.Include(poAllowCommandText);
        p->SetOptions(o);
        auto* c = new TClientDataSet(&ventana);
        c->SetProviderName("PArticulos");
        c->SetCommandText("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('1', 'no es lista')");
        c->Open();
    });
    std::string linea = Bitacora();
    ASSERT_FALSE(linea.empty());
    EXPECT_EQ(linea.back(), '\n');
    EXPECT_EQ(std::count(linea.begin(), linea.end(), '\n'), 1);
    // date, time, user, message
    auto campos = linea.substr(0, linea.size() - 1);
    EXPECT_EQ(campos.substr(0, 11), DateToStr(Date()) + ",");
    EXPECT_NE(campos.find(",CAJERO,SQL Server Error: "), std::string::npos) << campos;
    ASSERT_EQ(avisos_.mostrados.size(), 1u);
    EXPECT_EQ(avisos_.mostrados[0].first, TTipoAviso::taError);
    EXPECT_EQ(avisos_.mostrados[0].second.rfind("Se presento el siguiente error: SQL Server Error: ", 0), 0u);
    EXPECT_EQ(barra_.texto.rfind("SQL Server Error: ", 0), 0u);
    EXPECT_EQ(avisos_.Pitidos(), antes + 1);
}

TEST_F(Errores, BeforeLoginTheUserColumnIsEmptyAndNoMainWindowIsNeeded) {
    fdm->principal = nullptr;
    ComoElBucle([] { throw EConvertError("'x' is not a valid integer value"); });
    EXPECT_NE(Bitacora().find(",,'x' is not a valid integer value\n"), std::string::npos);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Se presento el siguiente error: 'x' is not a valid integer value"});
}

TEST_F(Errores, AnUnwritableLogDoesNotHideTheError) {
    std::filesystem::create_directory(diraplicacion() + "/ERRORES.TXT");  // a folder in its place
    ComoElBucle([] { throw EDatabaseError("falla real"); });
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Se presento el siguiente error: falla real\n\nNo se pudo "
                                                         "escribir el registro de errores " +
                                                         diraplicacion() + "/ERRORES.TXT: en su lugar hay una carpeta."});
}

TEST_F(Errores, ProviderKeyViolationNamesTheTable) {
    TComponent ventana;
    auto* q = new TSQLQuery(&ventana);
    q->SetName("QBodega");
    q->SetSQLConnection(fdm->Tallyvo);
    q->SQL().SetText("select * from bodega");
    auto* p = new TDataSetProvider(&ventana);
    p->SetName("PBodega");
    p->SetDataSet(q);
    auto* c = new TClientDataSet(&ventana);
    c->SetName("CBodega");
    c->SetProviderName("PBodega");
    fdm->ConfigurarProviders(&ventana);
    c->Open();
    Sql("insert into bodega values ('09', 'Llegó primero', 1)");  // another station's row
    c->Append();
    c->FieldByName("BODE_COD")->SetAsString("09");
    c->FieldByName("BODE_NOMBRE")->SetAsString("Repetida");
    c->Post();
    try {
        c->ApplyUpdates(0);
    } catch (const EAbort&) {  // the handler aborts the apply, silently
    }
    ASSERT_FALSE(avisos_.mostrados.empty());
    EXPECT_EQ(avisos_.mostrados.back().second, "Ya existe el registro en la tabla Bodega");
    EXPECT_EQ(Valor("select bode_nombre from bodega where bode_cod = '09'"), "Llegó primero");

    // The same key twice in the client dataset is refused before it reaches the server.
    c->Append();
    c->FieldByName("BODE_COD")->SetAsString("01");
    EXPECT_THROW(c->Post(), EAbort);
    EXPECT_EQ(avisos_.mostrados.back().second, "Ya existe un registro con el mismo BODE_COD ");
}

TEST_F(Errores, ClientDatasetRequiredFieldsListTheirDisplayNames) {
    Sql("insert into nombres_campos values ('BODE_NOMBRE', 'Nombre de la bodega')");
    TClientDataSet c;
    c.SetName("CBodegas");
    c.FieldDefs().Add("BODE_COD", ftString, 2, true);
    c.FieldDefs().Add("BODE_NOMBRE", ftString, 40, true);
    c.FieldDefs().Add("SUCU_ID", ftInteger, 0, false);
    c.CreateDataSet();
    TComponent ventana;
    fdm->ConfigurarProviders(&ventana);
    c.OnPostError = [](TDataSet* ds, EDatabaseError& e, TDataAction& a) { fdm->ManejarClientError(ds, e, a); };
    c.Append();
    c.FieldByName("BODE_COD")->SetAsString("09");
    EXPECT_ANY_THROW(c.Post());
    ASSERT_FALSE(avisos_.mostrados.empty());
    EXPECT_EQ(avisos_.mostrados.back().second, "Los campos Nombre de la bodega,  son obligatorios.");
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abAdvertencia);
    EXPECT_EQ(barra_.texto.rfind("Advertencia: CBodegas: Fie", 0), 0u) << barra_.texto;
}

TEST_F(Errores, StatusBarStates) {
    fdm->mostrar_alerta("revise el stand");
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abRecordatorio);
    EXPECT_EQ(barra_.texto, "RECORDAR: revise el stand");
    EXPECT_EQ(barra_.intervalo, 5000);  // "DURACION DE LAS ADVERTENCIAS" 50 tenths
    fdm->mostrar_advertencia("cuidado");
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abAdvertencia);
    EXPECT_EQ(barra_.texto, "Advertencia: cuidado");
    int pitidos = avisos_.Pitidos();
    fdm->mostrar_alerta("se pierde");  // a reminder over a warning is dropped, its beep still sounds
    EXPECT_EQ(barra_.texto, "Advertencia: cuidado");
    EXPECT_EQ(avisos_.Pitidos(), pitidos + 1);
    Variant nada;
    fdm->mostrar_mensaje(nullptr, nada);  // only from idle
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abAdvertencia);
    barra_.Tic();
    fdm->mostrar_mensaje(nullptr, nada);
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abSolicitando);
    EXPECT_EQ(barra_.texto, "Solicitando información. Espere un momento...");
    fdm->quitar_mensaje(nullptr, nada);
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abNinguno);
    EXPECT_EQ(barra_.texto, "");
}

TEST_F(Errores, AMissingWarningDurationDoesNotThrowInsideTheHandler) {
    Configure("GENERAL", "GENERAL", "DURACION DE LAS ADVERTENCIAS", "pronto");
    fdm->mostrar_advertencia("sin duración");
    EXPECT_EQ(barra_.intervalo, 2500);
    Sql("delete from configuracion where conf_propiedad = 'DURACION DE LAS ADVERTENCIAS'");
    fdm->cargue_configuracion();
    fdm->mostrar_advertencia("otra vez");
    EXPECT_EQ(barra_.intervalo, 2500);
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Errores, HookedFetchesShowTheFetchMessage) {
    TComponent ventana;
    auto* q = new TSQLQuery(&ventana);
    q->SetSQLConnection(fdm->Tallyvo);
    q->SQL().SetText("select arti_cod from articulo");
    auto* p = new TDataSetProvider(&ventana);
    p->SetName("PArt");
    p->SetDataSet(q);
    auto* c = new TClientDataSet(&ventana);
    c->SetProviderName("PArt");
    fdm->ConfigurarProviders(&ventana);
    c->Open();
    EXPECT_EQ(c->PacketRecords(), 1000);
    EXPECT_GE(barra_.repintados, 2);
    EXPECT_EQ(barra_.aviso, TAvisoBarra::abNinguno);
}
