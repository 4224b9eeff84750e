// Logging in through the suite's own Firebird server on the loopback address
// (scripts/services/firebird.sh): the server checks the password, the central
// handler words its refusal, and a confirmed login leaves its audit row.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/data/archivos.h"
#include "app/data/dm.h"
#include "core/exceptions.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "tests/support/app/modulos.h"
#include "tests/support/private_server.h"
#include "tests/support/suite_server.h"

using namespace tv;
using namespace tv::app;

namespace {

class IngresoServidor : public apptest::AplicacionTest {
protected:
    void SetUp() override {
        AplicacionTest::SetUp();
        std::string why;
        ASSERT_TRUE(tvtest::FindSuiteServer(servidor_suite_, why)) << why;
        servidor_ = servidor_suite_.Entry(dbs_->ServerEntry());
    }
    // What escapes goes to the application's handler, as the message loop does.
    template <class F>
    bool ComoElBucle(F accion) {
        try {
            accion();
            return true;
        } catch (Exception& e) {
            fdm->ENoManejada(nullptr, e);
            return false;
        }
    }

    tvtest::SuiteServer servidor_suite_;
    std::string servidor_;
};

} // namespace

TEST_F(IngresoServidor, AWrongPasswordIsRefusedInSpanish) {
    EXPECT_FALSE(ComoElBucle([&] { fdm->conecte_general(servidor_, "cajero", "equivocada"); }));
    EXPECT_FALSE(fdm->ConGeneral->Connected());
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"El nombre de Usuario o la clave son incorrectas."});
    std::ifstream f(dir_->Ruta("ERRORES.TXT"));
    std::stringstream log;
    log << f.rdbuf();
    EXPECT_NE(log.str().find(",,dbExpress Error: Your user name and password are not defined"), std::string::npos)
        << log.str();

    avisos_.mostrados.clear();
    EXPECT_FALSE(ComoElBucle([&] { fdm->conecte_general(servidor_suite_.Entry("/no/existe"), "cajero", "cajero"); }));
    ASSERT_EQ(avisos_.mostrados.size(), 1u);
    EXPECT_EQ(avisos_.mostrados[0].second.rfind("No se encontró el archivo o la ruta ", 0), 0u)
        << avisos_.mostrados[0].second;
}

TEST_F(IngresoServidor, AConfirmedLoginSetsTheContextAndWritesTheAuditRow) {
    ASSERT_TRUE(ComoElBucle([&] { fdm->conecte_general(servidor_, "cajero", "cajero"); }));
    std::string nombre;
    bool admin = true;
    ASSERT_TRUE(fdm->busque_usuario("cajero", nombre, admin));
    EXPECT_EQ(nombre, "Juan Pérez Cajero");
    EXPECT_FALSE(admin);
    ASSERT_TRUE(ComoElBucle([&] { fdm->conecte_compania(servidor_, "001", "cajero", "cajero"); }))
        << (avisos_.mostrados.empty() ? "" : avisos_.mostrados.back().second);
    EXPECT_EQ(fdm->configuracion("GENERAL", "GENERAL", "NOMBRE COMPAÑIA"), "Supermercado La Economía");
    int sucursal = -1;
    ASSERT_TRUE(fdm->busque_usuario_compania("CAJERO", sucursal));
    EXPECT_EQ(sucursal, 1);
    ASSERT_TRUE(ComoElBucle([&] { fdm->registre_ingreso("cajero", nombre, EncodeDate(2026, 5, 4)); }))
        << (avisos_.mostrados.empty() ? "" : avisos_.mostrados.back().second);
    EXPECT_EQ(fdm->usuario, "CAJERO");
    EXPECT_EQ(fdm->fecha, "2026/05/04");
    TSQLConnection c;
    c.Params().SetText("User_Name=SYSDBA\nPassword=" + servidor_suite_.sysdba + "\n");
    c.Params().SetValues("Database", servidor_ + "/datos/001/tallyvo.fdb");
    c.Open();
    TSQLQuery q;
    q.SetSQLConnection(&c);
    q.SQL().SetText("select tido_cod, audi_iddoc, audi_oper, audi_cod from auditoria");
    q.Open();
    ASSERT_FALSE(q.IsEmpty());
    EXPECT_EQ(q.Fields()[0]->AsInteger(), 131);
    EXPECT_EQ(q.Fields()[1]->AsInteger(), 0);
    EXPECT_EQ(q.Fields()[2]->AsString(), "I");
    EXPECT_EQ(q.Fields()[3]->AsString(), "CAJERO");
}

TEST_F(IngresoServidor, AFileTheServerMayNotOpenIsToldAsARefusal) {
    // A server under the packaged server's account, and databases a user made
    // for themselves (run by anyone but root, the server is theirs: the file
    // is then closed to everyone).
    tvtest::PrivateFirebirdServer servidor("firebird");
    ASSERT_TRUE(servidor.Start()) << servidor.Why();
    if (geteuid() != 0) std::filesystem::permissions(dbs_->GeneralPath(), std::filesystem::perms::none);
    EXPECT_FALSE(ComoElBucle([&] { fdm->conecte_general(servidor.Entry(dbs_->ServerEntry()), "cajero", "cajero"); }));
    EXPECT_EQ(avisos_.Textos(),
              std::vector<std::string>{"No hay permiso para abrir el archivo " + dbs_->GeneralPath() +
                                       ". Verifique el dueño y los permisos del archivo y de sus carpetas: con un "
                                       "servidor, los debe poder leer y escribir la cuenta del servidor (firebird)."});
    std::ifstream f(dir_->Ruta("ERRORES.TXT"));
    std::stringstream log;
    log << f.rdbuf();
    EXPECT_NE(log.str().find("Permission denied"), std::string::npos) << log.str();
}
