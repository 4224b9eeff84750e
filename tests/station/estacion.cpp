#include "estacion.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/data/archivos.h"
#include "app/data/avisos.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "core/formatsettings.h"
#include "core/registry.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/application.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/timer.h"

namespace estacion {

using namespace tv;
using namespace tv::app;

namespace {
void Ejecute(const std::string& base, const std::string& usuario, const std::string& clave,
             std::initializer_list<std::string> sentencias) {
    TSQLConnection c;
    c.Params().SetText("User_Name=" + usuario + "\nPassword=" + clave + "\n");
    c.Params().SetValues("Database", base);
    c.Open();
    for (const std::string& s : sentencias) c.ExecuteDirect(s);
}

} // namespace

void EstacionTest::SetUp() {
    aplicacion = std::make_unique<apptest::DirectorioAplicacion>();
    dbs = std::make_unique<tvtest::FirebirdDatabases>();
    servidor = dbs->ServerEntry();
    std::ofstream(aplicacion->Ruta("SERVIDORES.cfg")) << servidor << "\n";

    win::ResetDesktop();
    win::ClearScript();
    reloj = std::make_shared<win::FakeClock>(100000);
    win::SetClock(reloj);
    registre_unidades();
    registre_ventanas();
    InitializeUI();
    SetMessageHook([this](const TMessageRequest& r) {
        dichos.push_back(r);
        return r.buttons.Contains(mbYes) ? mrNo : mrOk;
    });
    SetBeepHook([] {});

    // As the program starts.
    Application->SetTitle("POS - Tallyvo 2009");
    cree_modulos_centrales(Application);
    conecte_aplicacion();
    Application->CreateForm(fprincipal);
    Application->CreateForm(fconsprecios);
    cree_modulos_negocio(Application);
}

void EstacionTest::TearDown() {
    FinalizeUI();
    instale_presentador_avisos(nullptr);
    SetMessageHook({});
    SetBeepHook({});
    win::ClearScript();
    win::ResetDesktop();
    ResetFormatSettings();
    dbs.reset();
    aplicacion.reset();
}

std::string EstacionTest::Valor(const std::string& sql) {
    TSQLConnection c;
    c.Params().SetText("User_Name=SYSDBA\nPassword=x\n");
    c.Params().SetValues("Database", dbs->CompanyPath());
    return apptest::PrimeraFila(&c, sql);
}

void EstacionTest::Sql(const std::string& sql) { Ejecute(dbs->CompanyPath(), "SYSDBA", "x", {sql}); }

std::string EstacionTest::ArchivoAplicacion(const std::string& nombre) const { return aplicacion->Ruta(nombre); }

std::string EstacionTest::Lea(const std::string& nombre) const {
    std::ifstream f(aplicacion->Ruta(nombre));
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> EstacionTest::Dichos() const {
    std::vector<std::string> t;
    for (const auto& d : dichos) t.push_back(d.text);
    return t;
}

} // namespace estacion
