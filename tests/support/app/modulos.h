#pragma once
// What the tests of the station's data modules and windows share: the
// registry pointing the application directory at a temporary folder, a
// person's scripted answers to the message boxes, a stand-in for the main
// window's status bar, and every data module created as start-up creates them
// over a demo company database (embedded engine).
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/data/ventanaprincipal.h"
#include "core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/ui/application.h"
#include "app/data/avisos.h"
#include "tests/support/firebird_fixture.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

namespace tv {
class TSQLConnection;
}

namespace apptest {

// The boxes shown, in order, and the answers a person gives to questions.
class AvisosGuionados {
public:
    AvisosGuionados();
    ~AvisosGuionados();
    std::vector<std::pair<tv::app::TTipoAviso, std::string>> mostrados;
    std::deque<bool> respuestas;  // Yes/No to questions, in order
    std::vector<std::string> Textos() const;
    int Pitidos() const { return tv::app::pitidos() - pitidos_antes_; }

private:
    int pitidos_antes_ = 0;
};

// The main window's status bar as the central data module sees it.
class BarraDePrueba : public tv::app::IVentanaPrincipal {
public:
    std::string texto;
    tv::app::TAvisoBarra aviso = tv::app::TAvisoBarra::abNinguno;
    int intervalo = 0, arranques = 0, repintados = 0;
    bool administrador = false;

    std::string TextoBarra() const override { return texto; }
    void SetTextoBarra(const std::string& t) override { texto = t; }
    tv::app::TAvisoBarra AvisoBarra() const override { return aviso; }
    void SetAvisoBarra(tv::app::TAvisoBarra a) override { aviso = a; }
    void ArranqueTemporizador(int ms) override { intervalo = ms, ++arranques; }
    void Repinte() override { ++repintados; }
    bool Administrador() const override { return administrador; }
    // Timer2's tick.
    void Tic() { aviso = tv::app::TAvisoBarra::abNinguno, texto.clear(); }
};

// The application directory named by the registry, in a temporary folder.
class DirectorioAplicacion {
public:
    DirectorioAplicacion();
    std::string Ruta(const std::string& archivo) const { return dir_.file(archivo); }
    const std::string& Carpeta() const { return carpeta_; }

private:
    tvtest::TempDir registro_, dir_;
    tvtest::ScopedEnv registroEnv_{"TALLYVO_REGISTRY_DIR", registro_.path().c_str()};
    std::string carpeta_;
};

// The first row of a query, its columns joined by "|"; "<sin filas>" without one.
std::string PrimeraFila(tv::TSQLConnection* conexion, const std::string& sql);

// The modules as start-up creates them, before anyone connects: a fixture that
// connects its own way (through the server, say) starts from here.
class AplicacionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<tvtest::FirebirdDatabases> dbs_;
    std::unique_ptr<DirectorioAplicacion> dir_;
    AvisosGuionados avisos_;
    BarraDePrueba barra_;
    tv::TApplication aplicacion_;

public:
    static void SetUpTestSuite();
};

// Every data module created in start-up order, the company database "001"
// connected as SYSDBA through the embedded engine.
class ModulosTest : public AplicacionTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a statement on the company database.
    void Sql(const std::string& sql);
    std::string Valor(const std::string& sql);
    void Configure(const std::string& modulo, const std::string& categoria, const std::string& propiedad,
                   const std::string& valor);

    // A record of loose fields for the services that fill a document's fields:
    // each name "NOMBRE:tipo" with tipo s (text), c (decimal), i (integer), d (date), f (float).
    tv::TClientDataSet* Registro(const std::vector<std::string>& campos);

    std::vector<std::unique_ptr<tv::TClientDataSet>> registros_;
};

} // namespace apptest
