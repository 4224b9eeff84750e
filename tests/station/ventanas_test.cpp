// The small windows: the serial-device configuration (F4 cash drawer, F7
// scale), the closing and returns password, the about box and where child
// windows place themselves.
#include "estacion.h"

#include <filesystem>

#include "app/data/dm.h"
#include "app/windows/acercade.h"
#include "app/windows/clave.h"
#include "app/windows/configuracion.h"
#include "app/windows/principal.h"
#include "core/exceptions.h"
#include "core/resources.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/window/timer.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"
#include "serial/comport.h"
#include "serial/comcombobox.h"
#include "serial/comsetup.h"
#include "serial/comsetupform.h"
#include "framework/ui/screen.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class Ventanas : public estacion::EstacionTest {
protected:
    void TearDown() override {
        TComSetupData::OnShowModal = nullptr;
        SetComSetupViewFactory(nullptr);
        EstacionTest::TearDown();
    }
    Tfconfigura* AbraConfiguracion() {
        Tfconfigura* f = NewForm<Tfconfigura>(fprincipal);
        f->Show();
        Application->ProcessMessages();
        return f;
    }
    bool Existe(const std::string& archivo) const { return std::filesystem::exists(ArchivoAplicacion(archivo)); }

    int abiertos = 0;
};

TEST_F(Ventanas, F4AndF7StoreThePortSettingsOnlyWhenConfirmed) {
    Tfconfigura* f = AbraConfiguracion();
    TComSetupData::OnShowModal = [this](TComSetupData& d) {
        ++abiertos;
        d.Combo(2).SetText("19200");
        d.Combo(2).Change();
        return false;  // Cancel
    };
    PressKey(VK_F4);
    EXPECT_EQ(abiertos, 1);
    EXPECT_FALSE(Existe("cnfptocaj.ini"));
    EXPECT_EQ(f->ComPort1->BaudRate(), br9600);

    TComSetupData::OnShowModal = [this](TComSetupData& d) {
        ++abiertos;
        d.Combo(2).SetText("19200");
        d.Combo(2).Change();
        return true;
    };
    PressKey(VK_F4);
    ASSERT_TRUE(Existe("cnfptocaj.ini"));
    EXPECT_NE(Lea("cnfptocaj.ini").find("19200"), std::string::npos) << Lea("cnfptocaj.ini");
    EXPECT_FALSE(Existe("cnfptobal.ini"));

    // The scale's dialog starts from what the cash drawer's chose.
    std::string inicial;
    TComSetupData::OnShowModal = [&](TComSetupData& d) {
        inicial = d.Combo(2).Text();
        return true;
    };
    PressKey(VK_F7);
    EXPECT_EQ(inicial, "19200");
    EXPECT_TRUE(Existe("cnfptobal.ini"));
    f->Close();
    Application->ProcessMessages();
}

TEST_F(Ventanas, ThePortSetupStoresThePortItsBoxShows) {
    SetComSetupViewFactory(&NewComSetupView);
    Tfconfigura* f = AbraConfiguracion();
    struct Caso {
        std::string puerto;
        bool presente;
    };
    // The window's own "COM1", shown under the device it names when the
    // machine has it; a port the machine lacks.
    for (const Caso& c : {Caso{"COM1", true}, Caso{"/dev/tallyvo-ausente", false}}) {
        SCOPED_TRACE(c.puerto);
        f->ComPort1->SetPort(c.puerto);
        std::string mostrado = "?";
        ScriptStep([&] {
            TComSetupFrm* setup = nullptr;
            for (int i = 0; i < Screen->FormCount() && !setup; ++i)
                if (auto* s = dynamic_cast<TComSetupFrm*>(Screen->Forms(i)); s && s->Visible()) setup = s;
            ASSERT_NE(setup, nullptr);
            mostrado = setup->Combo(1)->Text();
            TComComboBox* velocidad = setup->Combo(2);
            velocidad->SetFocus();
            Application->ProcessMessages();
            while (velocidad->Text() != "19200") PressKey(VK_DOWN);
            PressKey(VK_RETURN);  // "Aceptar", the default button
        });
        PressKey(VK_F4);
        EXPECT_EQ(PendingScriptSteps(), 0u);
        if (!c.presente) EXPECT_EQ(mostrado, "");
        const std::string ini = Lea("cnfptocaj.ini");
        EXPECT_NE(ini.find("BaudRate=19200"), std::string::npos) << ini;
        EXPECT_NE(ini.find("Port=" + mostrado + "\n"), std::string::npos) << ini;
        EXPECT_EQ(f->ComPort1->Port(), mostrado);
    }
    f->Close();
    Application->ProcessMessages();
}

TEST_F(Ventanas, FunctionKeysWithAModifierDoNothing) {
    AbraConfiguracion();
    TComSetupData::OnShowModal = [this](TComSetupData&) {
        ++abiertos;
        return true;
    };
    PressKey(VK_F4, true);
    PressKey(VK_F7, false, true);
    PressKey(VK_F4, false, false, true);
    EXPECT_EQ(abiertos, 0);
    EXPECT_FALSE(Existe("cnfptocaj.ini"));
}

TEST_F(Ventanas, ChildWindowsPlaceThemselvesOverTheMainWindow) {
    fprincipal->SetBounds(0, 0, 1000, 700);
    const int ch = fprincipal->ClientHeight(), cw = fprincipal->ClientWidth();
    Tfacercade* a = NewForm<Tfacercade>(fprincipal);
    EXPECT_EQ(a->Height(), 205);
    EXPECT_EQ(a->Width(), 296);
    EXPECT_EQ(a->Top(), (ch - 205 - 120 + 1) / 2);
    EXPECT_EQ(a->Left(), (cw - 296 - 125 + 1) / 2);
    a->Show();
    a->Close();
    Application->ProcessMessages();

    Tfconfigura* c = NewForm<Tfconfigura>(fprincipal);
    EXPECT_EQ(c->Height(), 110);
    EXPECT_EQ(c->Width(), 213);
    c->Free();
}

TEST_F(Ventanas, TheMainWindowAndTheAboutBoxShowTheirPictures) {
    Tfacercade* a = NewForm<Tfacercade>(fprincipal);
    std::vector<TImage*> imagenes{fprincipal->Image1};
    for (const char* n : {"Image1", "Image2"}) imagenes.push_back(dynamic_cast<TImage*>(a->FindComponent(n)));
    for (TImage* i : imagenes) {
        ASSERT_NE(i, nullptr);
        SCOPED_TRACE(i->Owner()->Name() + "." + i->Name());
        ASSERT_NE(i->Picture()->Graphic(), nullptr);
        EXPECT_FALSE(i->Picture()->Graphic()->Empty());
        EXPECT_EQ(i->Picture()->Width(), i->Width());
        EXPECT_EQ(i->Picture()->Height(), i->Height());
    }
    a->Free();
}

struct CasoClave {
    bool cierre;
    std::string guardada, tecleada;
    bool autoriza;
    std::string mensaje;
};

TEST_F(Ventanas, TheClosingAndReturnsPasswords) {
    fdm->conecte_general(servidor, "SYSDBA", "x");
    fdm->conecte_compania(servidor, "001", "SYSDBA", "x");
    const std::string cierre = "CLAVE ADMINISTRADOR PARA GENERAR EL CIERRE FACTURACION DEL POS";
    const std::string devol = "CLAVE ADMINISTRADOR PARA AUTORIZAR DEVOLUCIONES EN EL POS";
    const std::string mal_cierre = "La clave de cierre proporcionada es incorrecta. Consulte son su administrador.";
    const std::string mal_devol = "La clave de devoluciones es incorrecta. Consulte son su administrador.";
    const CasoClave casos[] = {
        {true, "cierre", "cierre", true, ""},
        {true, "cierre", "CIERRE", false, mal_cierre},
        {false, "devolucion", "devolucion", true, ""},
        {false, "devolucion", "cierre", false, mal_devol},
        // An empty setting authorises nothing, not even an empty password.
        {true, "", "", false, mal_cierre},
    };
    for (const CasoClave& c : casos) {
        SCOPED_TRACE(c.tecleada + (c.cierre ? " (cierre)" : " (devoluciones)"));
        Sql("update configuracion set conf_valor = '" + c.guardada + "' where conf_propiedad = '" +
            (c.cierre ? cierre : devol) + "'");
        fdm->cargue_configuracion();
        fprincipal->modo_cierre = c.cierre;
        dichos.clear();
        bool autorizado = false;
        ScriptStep([&] {
            TypeText(c.tecleada);
            PressKey(VK_F2);
        });
        if (!c.autoriza) ScriptStep([] { PressKey(VK_ESCAPE); });
        autorizado = fprincipal->autorizacion_cierre();
        EXPECT_EQ(autorizado, c.autoriza);
        if (c.mensaje.empty()) EXPECT_EQ(Dichos(), std::vector<std::string>{});
        else EXPECT_EQ(Dichos(), std::vector<std::string>{c.mensaje});
    }
}

TEST_F(Ventanas, AStoredFormWithARenamedComponentIsNotRead) {
    // The password box's definition as it would stand after renaming its edit.
    static const std::string original(*FindResource("Tfclave.dfm"));
    static std::string renombrada = original;
    renombrada.replace(renombrada.find("object TClave: TEdit"), 20, "object TClave2: TEdit");
    RegisterResource("Tfclave.dfm", renombrada.data(), renombrada.size());
    std::string mensaje;
    try {
        delete NewForm<Tfclave>(fprincipal);
    } catch (const EReadError& e) {
        mensaje = e.Message();
    }
    RegisterResource("Tfclave.dfm", original.data(), original.size());
    EXPECT_EQ(mensaje, "Class Tfclave has no field TClave2 on line 28");
    // The definition as shipped reads again, its edit in its field.
    auto* clave = NewForm<Tfclave>(fprincipal);
    EXPECT_EQ(clave->TClave, clave->FindComponent("TClave"));
    delete clave;
}

TEST_F(Ventanas, TheMainWindowsStatusBarShowsAndClearsWarnings) {
    fdm->mostrar_advertencia("sin existencias");
    EXPECT_EQ(fprincipal->TextoBarra(), "Advertencia: sin existencias");
    EXPECT_EQ(fprincipal->StatusBar1->Color(), clRed);
    reloj->Advance(60000);
    Application->ProcessMessages();
    EXPECT_EQ(fprincipal->TextoBarra(), "");
    EXPECT_EQ(fprincipal->StatusBar1->Color(), clBtnFace);
    EXPECT_FALSE(fprincipal->Timer2->Enabled());
}

} // namespace
