#include "tests/support/app/modulos.h"

#include <cstdlib>

#include "app/data/archivos.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "core/formatsettings.h"
#include "core/registry.h"
#include "framework/data/field.h"
#include "framework/data/fielddefs.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace apptest {

using namespace tv;
using namespace tv::app;

AvisosGuionados::AvisosGuionados() : pitidos_antes_(pitidos()) {
    instale_presentador_avisos([this](TTipoAviso tipo, const std::string& texto) {
        mostrados.emplace_back(tipo, texto);
        if (tipo != TTipoAviso::taConfirmacion) return true;
        if (respuestas.empty()) {
            ADD_FAILURE() << "pregunta sin respuesta: " << texto;
            return false;
        }
        bool r = respuestas.front();
        respuestas.pop_front();
        return r;
    });
}

AvisosGuionados::~AvisosGuionados() { instale_presentador_avisos(nullptr); }

std::vector<std::string> AvisosGuionados::Textos() const {
    std::vector<std::string> t;
    for (const auto& m : mostrados) t.push_back(m.second);
    return t;
}

DirectorioAplicacion::DirectorioAplicacion() {
    carpeta_ = dir_.path().string();
    TRegistry r;
    r.SetRootKey(HKEY_LOCAL_MACHINE);
    r.OpenKey(kClaveAplicacion, true);
    r.WriteString(kValorDirectorio, carpeta_);
}

std::string PrimeraFila(TSQLConnection* conexion, const std::string& sql) {
    TSQLQuery q;
    q.SetSQLConnection(conexion);
    q.SQL().SetText(sql);
    q.Open();
    std::string v = q.IsEmpty() ? "<sin filas>" : q.Fields()[0]->AsString();
    for (int i = 1; !q.IsEmpty() && i < q.FieldCount(); ++i) v += "|" + q.Fields()[i]->AsString();
    q.Close();
    return v;
}

void AplicacionTest::SetUpTestSuite() { registre_unidades(); }

void AplicacionTest::SetUp() {
    dbs_ = std::make_unique<tvtest::FirebirdDatabases>();
    dir_ = std::make_unique<DirectorioAplicacion>();
    Application = &aplicacion_;
    cree_modulos_centrales(&aplicacion_);
    cree_modulos_negocio(&aplicacion_);
    fdm->principal = &barra_;
}

void AplicacionTest::TearDown() {
    aplicacion_.DestroyComponents();
    Application = nullptr;
    ResetFormatSettings();
    dir_.reset();
    dbs_.reset();
}

void ModulosTest::SetUp() {
    AplicacionTest::SetUp();
    fdm->conecte_general(dbs_->ServerEntry(), "SYSDBA", "cualquiera");
    fdm->conecte_compania(dbs_->ServerEntry(), "001", "SYSDBA", "cualquiera");
}

void ModulosTest::TearDown() {
    registros_.clear();
    AplicacionTest::TearDown();
}

void ModulosTest::Sql(const std::string& sql) { fdm->Tallyvo->ExecuteDirect(sql); }

std::string ModulosTest::Valor(const std::string& sql) { return PrimeraFila(fdm->Tallyvo, sql); }

void ModulosTest::Configure(const std::string& modulo, const std::string& categoria, const std::string& propiedad,
                            const std::string& valor) {
    Sql("update configuracion set conf_valor = '" + valor + "' where conf_modulo = '" + modulo +
        "' and conf_categoria = '" + categoria + "' and conf_propiedad = '" + propiedad + "'");
    fdm->cargue_configuracion();
}

TClientDataSet* ModulosTest::Registro(const std::vector<std::string>& campos) {
    auto c = std::make_unique<TClientDataSet>();
    for (const std::string& d : campos) {
        auto dos = d.find(':');
        std::string nombre = d.substr(0, dos);
        char tipo = d[dos + 1];
        TFieldType ft = tipo == 's' ? ftString : tipo == 'c' ? ftFMTBcd : tipo == 'i' ? ftInteger
                      : tipo == 'd' ? ftDate : ftFloat;
        c->FieldDefs().Add(nombre, ft, tipo == 's' ? 60 : 0, false);
        if (tipo == 'c') {
            c->FieldDefs()[c->FieldDefs().Count() - 1].SetPrecision(15);
            c->FieldDefs()[c->FieldDefs().Count() - 1].SetSize(4);
        }
    }
    c->CreateDataSet();
    c->Append();
    registros_.push_back(std::move(c));
    return registros_.back().get();
}

} // namespace apptest
