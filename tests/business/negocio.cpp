#include "tests/business/negocio.h"

#include <cstdlib>

#include "app/data/archivos.h"
#include "app/data/dm.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "framework/core/formatsettings.h"
#include "framework/core/registry.h"
#include "framework/data/field.h"
#include "framework/data/fielddefs.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace negociotest {

using namespace tv;
using namespace tv::app;

void NegocioTest::SetUp() {
    static bool unidades = (registre_unidades(), true);
    (void)unidades;
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
    dbs_ = std::make_unique<tvtest::FirebirdDatabases>();
    setenv("TALLYVO_REGISTRY_DIR", registro_.path().c_str(), 1);
    TRegistry r;
    r.SetRootKey(HKEY_LOCAL_MACHINE);
    r.OpenKey(kClaveAplicacion, true);
    r.WriteString(kValorDirectorio, dir_.path().string());
    Application = &aplicacion_;
    cree_modulos_centrales(&aplicacion_);
    cree_modulos_negocio(&aplicacion_);
    fdm->conecte_general(dbs_->ServerEntry(), "SYSDBA", "cualquiera");
    fdm->conecte_compania(dbs_->ServerEntry(), "001", "SYSDBA", "cualquiera");
    fdm->usuario = "SYSDBA";
}

void NegocioTest::TearDown() {
    registros_.clear();
    aplicacion_.DestroyComponents();
    Application = nullptr;
    ResetFormatSettings();
    dbs_.reset();
    unsetenv("TALLYVO_REGISTRY_DIR");
    instale_presentador_avisos(nullptr);
}

void NegocioTest::Sql(const std::string& sql) { fdm->Tallyvo->ExecuteDirect(sql); }

std::string NegocioTest::Valor(const std::string& sql) {
    TSQLQuery q;
    q.SetSQLConnection(fdm->Tallyvo);
    q.SQL().SetText(sql);
    q.Open();
    std::string v = q.IsEmpty() ? "<sin filas>" : q.Fields()[0]->AsString();
    q.Close();
    return v;
}

void NegocioTest::Configure(const std::string& modulo, const std::string& categoria, const std::string& propiedad,
                            const std::string& valor) {
    Sql("update configuracion set conf_valor = '" + valor + "' where conf_modulo = '" + modulo +
        "' and conf_categoria = '" + categoria + "' and conf_propiedad = '" + propiedad + "'");
    fdm->cargue_configuracion();
}

std::vector<std::string> NegocioTest::Textos() const {
    std::vector<std::string> t;
    for (const auto& m : mostrados) t.push_back(m.second);
    return t;
}

TClientDataSet* NegocioTest::Registro(const std::vector<std::string>& campos) {
    auto c = std::make_unique<TClientDataSet>();
    for (const std::string& d : campos) {
        auto dos = d.find(':');
        char tipo = d[dos + 1];
        TFieldType ft = tipo == 's' ? ftString : tipo == 'c' ? ftFMTBcd : tipo == 'i' ? ftInteger : ftDate;
        c->FieldDefs().Add(d.substr(0, dos), ft, tipo == 's' ? 60 : 0, false);
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

} // namespace negociotest
