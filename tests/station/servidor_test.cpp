// Logging in through the login window against the suite's own Firebird server
// on the loopback address (scripts/services/firebird.sh): the server checks the
// password, so a wrong one is refused in Spanish and the window stays for
// another try.
#include "estacion.h"

#include <fstream>

#include "app/data/dm.h"
#include "app/windows/acceso.h"
#include "app/windows/principal.h"
#include "framework/ui/application.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "tests/support/suite_server.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class Servidor : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        tvtest::SuiteServer suite;
        std::string why;
        ASSERT_TRUE(tvtest::FindSuiteServer(suite, why)) << why;
        remoto = suite.Entry(servidor);
        std::ofstream(ArchivoAplicacion("SERVIDORES.cfg")) << remoto << "\n";
    }
    std::string remoto;
};

TEST_F(Servidor, AWrongPasswordIsRefusedAndTheWindowStaysForAnotherTry) {
    Tfacceso* f = NewForm<Tfacceso>(fprincipal);
    f->Show();
    Application->ProcessMessages();
    EXPECT_EQ(f->Servidor->Text(), remoto);
    f->TUsuario->SetFocus();
    Application->ProcessMessages();
    TypeText("CAJERO");
    PressKey(VK_RETURN);
    TypeText("equivocada");
    PressKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(Dichos(), std::vector<std::string>{"El nombre de Usuario o la clave son incorrectas."});
    EXPECT_EQ(f->TNomUsr->Text(), "");
    EXPECT_FALSE(f->BitBtn1->Enabled());
    EXPECT_NE(Lea("ERRORES.TXT").find("Your user name and password are not defined"), std::string::npos);

    dichos.clear();
    f->TClave->SetText("cajero");
    f->TClaveExit(f->TClave);
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(f->TNomUsr->Text(), "Juan Pérez Cajero");
    f->Hide();
    Application->ProcessMessages();
    f->Free();
}

} // namespace
