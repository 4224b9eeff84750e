// The database server stops in the middle of a session and comes back: the
// scan that meets the dead connection reports it in Spanish through the
// central handler, the connection then says it is closed, and the next scan
// connects again by itself, without restarting the station.
#include "estacion.h"

#include "app/data/dm.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/ui/application.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "tests/support/private_server.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

const char* const kConexionPerdida =
    "Se perdió la conexión con el servidor de la base de datos. Verifique que el servidor esté funcionando y "
    "repita la operación.";

class Reconexion : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        // Read with the embedded engine before the server takes the files.
        lista = Valor("select min(lipr_cod) from lista_precios");
        for (const char* codigo : {"000001", "000002"})
            descripcion[codigo] = Valor(std::string("select des from consulta_articulos_precios('") + codigo +
                                        "', " + lista + ")");
        ASSERT_TRUE(servidor_propio.Start()) << servidor_propio.Why();
        remoto = servidor_propio.Entry(servidor);
        fdm->conecte_general(remoto, "SYSDBA", servidor_propio.Sysdba());
        ASSERT_TRUE(fdm->ConGeneral->Connected()) << "SYSDBA no entra al servidor propio";
        fdm->conecte_compania(remoto, "001", "SYSDBA", servidor_propio.Sysdba());
        fprincipal->lista_precios = lista;
        q = NewForm<Tfconsprecios>(fprincipal);
        q->Show();
        Application->ProcessMessages();
        q->Edit1->SetFocus();
        Application->ProcessMessages();
    }
    void TearDown() override {
        EstacionTest::TearDown();
        servidor_propio.Stop();
    }
    void Escanee(const std::string& codigo) {
        TypeText(codigo);
        PressKey(VK_RETURN);
        Application->ProcessMessages();
    }
    std::string Mostrado(const std::string& columna) { return q->Etiqueta(columna)->Caption(); }

    tvtest::PrivateFirebirdServer servidor_propio;
    std::string remoto, lista;
    std::map<std::string, std::string> descripcion;
    Tfconsprecios* q = nullptr;
};

TEST_F(Reconexion, AScanAfterTheServerComesBackConnectsAgain) {
    Escanee("000001");
    ASSERT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), descripcion["000001"]);
    ASSERT_TRUE(fdm->Tallyvo->Connected());

    servidor_propio.Stop();
    fdm->usuario = "CAJERO";
    Escanee("000002");
    EXPECT_EQ(Dichos(), std::vector<std::string>{kConexionPerdida});
    EXPECT_FALSE(fdm->Tallyvo->Connected()) << "a lost connection reports itself closed";
    EXPECT_NE(Lea("ERRORES.TXT").find(",CAJERO,"), std::string::npos) << Lea("ERRORES.TXT");
    // The window stays with the code typed, ready to try again.
    EXPECT_TRUE(q->Visible());
    EXPECT_TRUE(q->Edit1->Focused());
    EXPECT_EQ(q->Edit1->Text(), "000002");

    ASSERT_TRUE(servidor_propio.Start()) << servidor_propio.Why();
    dichos.clear();
    Escanee("000002");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_TRUE(fdm->Tallyvo->Connected());
    EXPECT_EQ(Mostrado("DES"), descripcion["000002"]);
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), descripcion["000001"]);
}

} // namespace
