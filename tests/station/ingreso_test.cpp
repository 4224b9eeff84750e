// The login window and the road of one login on the embedded demo databases:
// the general database when the password is left, the company when its code
// is left, F2 confirms with the audit row and the user context, the price
// query shows maximised, closing it ends the program.
#include "estacion.h"

#include <fstream>

#include "app/data/dm.h"
#include "app/windows/acceso.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "editors/dbdatetimeedit.h"
#include "editors/dblookupcombobox.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/screen.h"
#include "core/exceptions.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "platform/backend/headless.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/controls/combobox.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"
#include "platform/controls/listbox.h"
#include "platform/window/paint.h"
#include "skin/skinmanager.h"
#include "skin/skinpanel.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class Ingreso : public estacion::EstacionTest {
protected:
    // The login window shown (not modally) over the main window.
    Tfacceso* Abra() {
        Tfacceso* f = NewForm<Tfacceso>(fprincipal);
        f->Show();
        Application->ProcessMessages();
        f->FormActivate(f);
        Application->ProcessMessages();
        return f;
    }
    static void Libere(Tfacceso* f) {
        f->Hide();
        Application->ProcessMessages();
        f->Free();
    }
    // Types into the focused box and leaves it with Enter.
    static void Escriba(const std::string& texto) {
        TypeText(texto);
        PressKey(VK_RETURN);
        Application->ProcessMessages();
    }
    void Ingrese(Tfacceso* f, const std::string& usuario, const std::string& clave, const std::string& cia) {
        f->TUsuario->SetFocus();
        Application->ProcessMessages();
        Escriba(usuario);
        Escriba(clave);
        Escriba(cia);
    }
};

TEST_F(Ingreso, TheRoadOfOneLoginEndsWhenThePriceQueryCloses) {
    Tfconsprecios* inicial = fconsprecios;
    bool vista = false, maximizada = false;
    std::string descripcion;
    ScriptStep([] { TypeText("CAJERO"); });
    ScriptStep([] { PressKey(VK_RETURN); });
    ScriptStep([] { TypeText("cajero"); PressKey(VK_RETURN); });
    ScriptStep([] { TypeText("001"); PressKey(VK_RETURN); });
    ScriptStep([] { PressKey(VK_F2); });
    ScriptStep([&] {
        vista = fconsprecios && fconsprecios != inicial && fconsprecios->Visible();
        maximizada = fconsprecios && fconsprecios->WindowState() == wsMaximized;
        TypeText("000001");
        PressKey(VK_RETURN);
    });
    ScriptStep([&] {
        descripcion = fconsprecios->Etiqueta("DES")->Caption();
        fconsprecios->Close();
    });
    Application->Run();

    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_TRUE(vista);
    EXPECT_TRUE(maximizada);
    EXPECT_FALSE(descripcion.empty());
    EXPECT_FALSE(inicial->Visible());  // the one created at start stays hidden
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(fdm->usuario, "CAJERO");
    EXPECT_EQ(fdm->nombre_usuario, "Juan Pérez Cajero");
    EXPECT_EQ(fdm->fecha.size(), 10u);
    EXPECT_EQ(fprincipal->servidor, servidor);
    EXPECT_EQ(fprincipal->clave, "cajero");
    EXPECT_FALSE(fprincipal->lista_precios.empty());
    EXPECT_FALSE(fprincipal->administrador);
    EXPECT_FALSE(fprincipal->primera_activacion);
    EXPECT_EQ(fprincipal->EUsuario->Text(), "Juan Pérez Cajero");
    EXPECT_EQ(fprincipal->ECompania->Text(), "Supermercado La Economía");
    EXPECT_TRUE(fdm->ConGeneral->Connected());
    EXPECT_EQ(Valor("select tido_cod, audi_iddoc, audi_oper, audi_cod from auditoria"), "131|0|I|CAJERO");
}

TEST_F(Ingreso, EscapeAtTheLoginEndsTheProgram) {
    ScriptStep([] { PressKey(VK_ESCAPE); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(fdm->usuario.empty());
    EXPECT_TRUE(fprincipal->primera_activacion);
}

TEST_F(Ingreso, TheServerListComesFromTheApplicationDirectory) {
    std::ofstream(ArchivoAplicacion("SERVIDORES.cfg")) << "uno\r\ndos\nlocalhost:/srv/tres";
    Tfacceso* f = Abra();
    ASSERT_EQ(f->Servidor->Items()->Count(), 3);
    EXPECT_EQ(f->Servidor->Items()->Strings(1), "dos");
    EXPECT_EQ(f->Servidor->Items()->Strings(2), "localhost:/srv/tres");
    EXPECT_EQ(f->Servidor->Style(), csDropDownList);
    EXPECT_EQ(f->Servidor->Text(), "uno");
    f->Servidor->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(f->Servidor->Text(), "dos");
    Libere(f);

    // A line with a NUL is left out, and the cashier is told.
    std::ofstream(ArchivoAplicacion("SERVIDORES.cfg"), std::ios::binary)
        << std::string("loc\0al:/srv/a\r\n", 15) << servidor << "\r\n";
    f = Abra();
    ASSERT_EQ(f->Servidor->Items()->Count(), 1);
    EXPECT_EQ(f->Servidor->Text(), servidor);
    ASSERT_EQ(Dichos().size(), 1u);
    EXPECT_EQ(Dichos()[0].rfind("Se omitió la línea 1 del archivo ", 0), 0u) << Dichos()[0];
    Libere(f);
    dichos.clear();

    // The open list is as tall as its entries, one entry included.
    for (const char* servidores : {"uno\r\n", "uno\r\ndos\r\ntres\r\n"}) {
        std::ofstream(ArchivoAplicacion("SERVIDORES.cfg")) << servidores;
        f = Abra();
        f->Servidor->SetFocus();
        PressKey(VK_F4);
        COMBOBOXINFO ci{};
        SendMessage(f->Servidor->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&ci));
        RECT lista{};
        GetClientRect(ci.hwndList, &lista);
        const int filas = f->Servidor->Items()->Count();
        EXPECT_EQ(lista.bottom - lista.top, filas * int(SendMessage(ci.hwndList, LB_GETITEMHEIGHT, 0, 0)))
            << servidores;
        PressKey(VK_ESCAPE);
        Libere(f);
    }
}

TEST_F(Ingreso, EmptyUserPasswordOrCompanyAreAskedFor) {
    Tfacceso* f = Abra();
    f->TClave->SetFocus();
    Application->ProcessMessages();
    PressKey(VK_RETURN);
    EXPECT_EQ(Dichos(), std::vector<std::string>{"Debe indicar antes el código del usuario."});
    EXPECT_TRUE(f->TUsuario->Focused());
    dichos.clear();
    Escriba("CAJERO");
    PressKey(VK_RETURN);  // an empty password
    EXPECT_EQ(Dichos(), std::vector<std::string>{"La clave no puede ser vacía."});
    EXPECT_TRUE(f->TClave->Focused());
    dichos.clear();
    Escriba("cajero");
    PressKey(VK_RETURN);  // an empty company
    EXPECT_EQ(Dichos(), std::vector<std::string>{"Debe indicar antes el código de la compañía."});
    EXPECT_FALSE(f->BitBtn1->Enabled());
    Libere(f);
}

TEST_F(Ingreso, AnUnknownCompanyOrAUserNotRegisteredInItIsRefused) {
    Sql("delete from acceso_usuario where user_cod = 'CAJERO'");
    Sql("delete from usuario where user_cod = 'CAJERO'");
    Tfacceso* f = Abra();
    Ingrese(f, "CAJERO", "cajero", "999");
    EXPECT_EQ(Dichos(), std::vector<std::string>{"Compañía no encontrada."});
    EXPECT_EQ(f->TCia->Text(), "");
    dichos.clear();
    Escriba("001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{"El usuario no esta registrado en la compañia"});
    EXPECT_EQ(dichos.at(0).type, mtError);
    EXPECT_EQ(f->TCia->Text(), "");
    EXPECT_TRUE(f->TCia->Focused());
    EXPECT_FALSE(f->BitBtn1->Enabled());
    PressKey(VK_F2);  // refused: no company accepted
    EXPECT_EQ(f->ModalResult(), mrNone);
    EXPECT_EQ(Valor("select count(*) from auditoria"), "0");
    Libere(f);
}

TEST_F(Ingreso, AfterARefusedUserTheBoxesBeforeTheCompanyAreReachableAndTheCompanyKnowsTheUserInUpperCase) {
    Tfacceso* f = Abra();
    Ingrese(f, "PEDRO", "pedro", "001");  // no user of the company
    EXPECT_EQ(Dichos(), std::vector<std::string>{"El usuario no esta registrado en la compañia"});
    ASSERT_TRUE(f->TCia->Focused());
    dichos.clear();

    // Back from the emptied company box, by Shift+Tab and by a click.
    PressKey(VK_TAB, true);
    EXPECT_TRUE(f->TClave->Focused());
    PressKey(VK_RETURN);  // the same password again: on to the company box
    ASSERT_TRUE(f->TCia->Focused());
    POINT p = f->TUsuario->ClientToScreen({f->TUsuario->Width() / 2, f->TUsuario->Height() / 2});
    Click(p.x, p.y);
    Application->ProcessMessages();
    EXPECT_TRUE(f->TUsuario->Focused());
    EXPECT_EQ(Dichos(), std::vector<std::string>{});

    // Going on from an empty company box is still refused.
    f->TCia->SetFocus();
    Application->ProcessMessages();
    PressKey(VK_RETURN);
    EXPECT_EQ(Dichos(), std::vector<std::string>{"Debe indicar antes el código de la compañía."});
    EXPECT_TRUE(f->TCia->Focused());
    dichos.clear();

    // Another user, typed in lower case, is the company's CAJERO.
    Click(p.x, p.y);
    Application->ProcessMessages();
    PressKey(VK_END);
    for (int i = 0; i < 5; ++i) PressKey(VK_BACK);
    Escriba("cajero");
    Escriba("cajero");
    Escriba("001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_TRUE(f->BitBtn1->Enabled());
    EXPECT_EQ(fdm->sucursal, 1);
    PressKey(VK_F2);
    EXPECT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(fdm->usuario, "CAJERO");
    EXPECT_EQ(Valor("select audi_cod from auditoria"), "CAJERO");
    Libere(f);
}

TEST_F(Ingreso, TheWindowLooksUpThroughItsOwnDatasetsAndClosesThemWhenItCloses) {
    Tfacceso* f = Abra();
    EXPECT_EQ(f->QValusuario->SQLConnection(), fdm->ConGeneral);
    EXPECT_EQ(f->Qnomcompania->SQLConnection(), fdm->ConGeneral);
    const std::pair<TDataSetProvider*, TDataSet*> feeds[] = {{f->Pnomcia, f->Qnomcompania},
                                                               {f->Pusuario, fdm->TUsracceso},
                                                               {f->PBorrar, fdm->QBorrar},
                                                               {f->PValideusr, fdm->QValiduser}};
    for (auto [provider, dataset] : feeds) EXPECT_EQ(provider->DataSet(), dataset) << provider->Name();
    EXPECT_EQ(f->CUsuario->FieldByName("USER_ANOCNT")->Size(), 4);
    Ingrese(f, "ADMIN", "admin", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled()) << ::testing::PrintToString(Dichos());
    EXPECT_EQ(f->TNomcia->Text(), "Supermercado La Economía");
    EXPECT_TRUE(f->Cnomcia->Active());
    f->CValideusr->SetCommandText("select usua_cod from usuario");
    f->CValideusr->Open();
    PressKey(VK_F2);
    EXPECT_EQ(Valor("select audi_cod from auditoria"), "ADMIN");
    f->Close();
    EXPECT_FALSE(f->Cnomcia->Active());
    EXPECT_FALSE(f->CValideusr->Active());
    Libere(f);
}

TEST_F(Ingreso, TheAdministratorGetsF9AndANewUserLosesIt) {
    Tfacceso* f = Abra();
    f->TUsuario->SetFocus();
    Application->ProcessMessages();
    Escriba("ADMIN");
    Escriba("admin");
    EXPECT_EQ(f->TNomUsr->Text(), "Administradora del sistema");
    EXPECT_TRUE(f->BitBtn3->Enabled());
    EXPECT_TRUE(fprincipal->administrador);

    // Another user typed over the administrator: the old name and F9 go.
    f->TUsuario->SetText("CAJERO");
    EXPECT_FALSE(f->BitBtn3->Enabled());
    EXPECT_EQ(f->TNomUsr->Text(), "");
    EXPECT_FALSE(fprincipal->administrador);
    PressKey(VK_F9);
    EXPECT_EQ(Screen->FormCount(), 3);  // no configuration window
    f->TClave->SetText("cajero");
    f->TClaveExit(f->TClave);
    EXPECT_EQ(f->TNomUsr->Text(), "Juan Pérez Cajero");
    EXPECT_FALSE(f->BitBtn3->Enabled());
    Libere(f);
}

TEST_F(Ingreso, ChangingUserOrPasswordAfterTheCompanyWasAcceptedTakesF2Away) {
    Tfacceso* f = Abra();
    Ingrese(f, "CAJERO", "cajero", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled()) << ::testing::PrintToString(Dichos());
    EXPECT_FALSE(f->LLista->Text().empty());
    f->TClave->SetText("otra");
    EXPECT_FALSE(f->BitBtn1->Enabled());
    PressKey(VK_F2);
    EXPECT_EQ(f->ModalResult(), mrNone);
    EXPECT_EQ(Valor("select count(*) from auditoria"), "0");
    Libere(f);
}

TEST_F(Ingreso, F2WithAModifierOrABadDateConfirmsNothing) {
    Tfacceso* f = Abra();
    Ingrese(f, "CAJERO", "cajero", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled());
    PressKey(VK_F2, true);
    PressKey(VK_F2, false, true);
    PressKey(VK_F2, false, false, true);
    EXPECT_EQ(f->ModalResult(), mrNone);

    // A date typed through the mask that is no date: F2 reports it.
    f->Fecha->SetFocus();
    Application->ProcessMessages();
    PressKey(VK_HOME);
    TypeText("20261345");
    EXPECT_TRUE(f->Fecha->Value().IsNull());
    PressKey(VK_F2);
    Application->ProcessMessages();
    EXPECT_EQ(f->ModalResult(), mrNone);
    EXPECT_TRUE(fdm->usuario.empty());
    EXPECT_EQ(Valor("select count(*) from auditoria"), "0");
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_NE(Lea("ERRORES.TXT").find("2026/13/45"), std::string::npos) << Lea("ERRORES.TXT");

    f->Fecha->SetText("2026/12/09");
    PressKey(VK_F2);
    EXPECT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(fdm->fecha, "2026/12/09");
    EXPECT_EQ(fdm->usuario, "CAJERO");
    Libere(f);
}

TEST_F(Ingreso, ABranchWithOneListFixesIt) {
    Sql("update lista_precios set sucu_id = 7 where lipr_cod = (select min(lipr_cod) from lista_precios)");
    Sql("update usuario set sucu_id = 7 where user_cod = 'CAJERO'");
    Tfacceso* f = Abra();
    Ingrese(f, "CAJERO", "cajero", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled());
    EXPECT_EQ(fdm->sucursal, 7);
    EXPECT_TRUE(f->LLista->ReadOnly());
    const std::string nombre = f->LLista->Text();
    EXPECT_EQ(nombre, Valor("select lipr_nom from lista_precios where sucu_id = 7"));
    // Read-only, not disabled: Enter on the company brought the focus to it,
    // and neither its arrow, a key, typing nor the wheel opens or changes it.
    EXPECT_TRUE(f->LLista->Enabled());
    EXPECT_TRUE(f->LLista->Focused());
    POINT flecha = f->LLista->ClientToScreen({f->LLista->Width() - 6, f->LLista->Height() / 2});
    QueueClick(flecha.x, flecha.y);
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN, false, false, true);
    QueueText("z");
    QueueWheel(flecha.x, flecha.y, -WHEEL_DELTA);
    Application->ProcessMessages();
    EXPECT_FALSE(f->LLista->ListVisible());
    EXPECT_EQ(f->LLista->Text(), nombre);
    EXPECT_TRUE(f->LLista->Focused());
    // Enter goes on to the date, which takes what is typed.
    QueueKey(VK_RETURN);
    QueueKey(VK_HOME);
    QueueText("2026/02/03");
    Application->ProcessMessages();
    EXPECT_TRUE(f->Fecha->Focused());
    EXPECT_EQ(f->Fecha->Text(), "2026/02/03");
    EXPECT_EQ(f->lista_elegida(), Valor("select min(lipr_cod) from lista_precios"));
    Libere(f);
}

TEST_F(Ingreso, ABranchWithoutListsConfirmsNothing) {
    Sql("update usuario set sucu_id = 9 where user_cod = 'CAJERO'");
    Tfacceso* f = Abra();
    Ingrese(f, "CAJERO", "cajero", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled());
    EXPECT_TRUE(f->LLista->Value().IsNull());
    EXPECT_EQ(f->LLista->Text(), "");
    PressKey(VK_F2);
    EXPECT_EQ(Dichos(), std::vector<std::string>{"La sucursal del usuario no tiene listas de precios."});
    EXPECT_EQ(f->ModalResult(), mrNone);
    EXPECT_TRUE(fdm->usuario.empty());
    EXPECT_EQ(Valor("select count(*) from auditoria"), "0");
    Libere(f);
}

TEST_F(Ingreso, BranchZeroSeesEveryListAndTheChosenOneIsKept) {
    Tfacceso* f = Abra();
    Ingrese(f, "ADMIN", "admin", "001");
    ASSERT_TRUE(f->BitBtn1->Enabled()) << ::testing::PrintToString(Dichos());
    EXPECT_EQ(f->CListapre->RecordCount(), std::stoi(Valor("select count(*) from lista_precios")));
    EXPECT_FALSE(f->LLista->ReadOnly());
    EXPECT_EQ(f->lista_elegida(), Valor("select min(lipr_cod) from lista_precios"));
    f->LLista->SetFocus();
    Application->ProcessMessages();
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    const std::string nombre = f->LLista->Text();
    const std::string codigo = Valor("select lipr_cod from lista_precios where lipr_nom = '" + nombre + "'");
    EXPECT_EQ(codigo, Valor("select lipr_cod from lista_precios order by lipr_cod rows 3 to 3"));
    EXPECT_EQ(f->lista_elegida(), codigo);
    PressKey(VK_F2);
    EXPECT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(fprincipal->lista_precios, codigo);
    Libere(f);
}

TEST_F(Ingreso, TheSecondPriceListAndATypedDateReachThePriceOfAScan) {
    std::string elegida, precio, esperado, primera;
    ScriptStep([] { TypeText("ADMIN"); });
    ScriptStep([] { PressKey(VK_RETURN); });
    ScriptStep([] { TypeText("admin"); PressKey(VK_RETURN); });
    ScriptStep([] { TypeText("001"); PressKey(VK_RETURN); });
    // The price list: its grid dropped down, one row down, Enter.
    ScriptStep([] { PressKey(VK_DOWN, false, false, true); });
    ScriptStep([] { PressKey(VK_DOWN); });
    ScriptStep([] { PressKey(VK_RETURN); });
    ScriptStep([] { PressKey(VK_RETURN); });
    // The work date, typed through the date edit's mask.
    ScriptStep([] { PressKey(VK_HOME); TypeText("20260315"); });
    ScriptStep([] { PressKey(VK_F2); });
    ScriptStep([&] {
        elegida = fprincipal->lista_precios;
        TypeText("000001");
        PressKey(VK_RETURN);
    });
    ScriptStep([&] {
        precio = fconsprecios->Etiqueta("PRECIO")->Caption();
        esperado = fconsprecios->CArticulos->FieldByName("PRECIO")->DisplayText();
        fconsprecios->Close();
    });
    Application->Run();

    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    const std::string segunda = Valor("select lipr_cod from lista_precios order by lipr_cod rows 2 to 2");
    EXPECT_EQ(elegida, segunda);
    EXPECT_EQ(fdm->fecha, "2026/03/15");
    EXPECT_FALSE(precio.empty());
    EXPECT_EQ(precio, esperado);
    const std::string deLaSegunda =
        Valor("select precio from consulta_articulos_precios('000001', " + segunda + ")");
    const std::string deLaPrimera = Valor("select precio from consulta_articulos_precios('000001', 1)");
    EXPECT_NE(deLaSegunda, deLaPrimera);
    EXPECT_EQ(fconsprecios->CArticulos->FieldByName("PRECIO")->AsString(), deLaSegunda);
}

TEST_F(Ingreso, TheLoginWindowShowsItsPictures) {
    Tfacceso* f = Abra();
    for (TImage* i : {f->Image1, f->Image2}) {
        SCOPED_TRACE(i->Name());
        ASSERT_NE(i->Picture()->Graphic(), nullptr);
        EXPECT_EQ(i->Picture()->Width(), i->Width());
        EXPECT_EQ(i->Picture()->Height(), i->Height());
        EXPECT_EQ(i->Parent(), f->FindComponent("Panel1"));
    }
    Libere(f);
}

TEST_F(Ingreso, TheLoginAndTheMainWindowShowTheSelectedSkin) {
    Tfacceso* f = Abra();
    struct Caso {
        TComponent* raiz;
        const char* panel;
        const char* seccion;
    };
    for (Caso c : {Caso{f, "Panel1", "MAINMENU"}, Caso{f, "Panel2", "PANEL"}, Caso{fprincipal, "Panel1", "PANEL"}}) {
        SCOPED_TRACE(c.panel);
        auto* p = dynamic_cast<TsPanel*>(c.raiz->FindComponent(c.panel));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->SkinData()->SkinSection(), c.seccion);
        EXPECT_TRUE(p->SkinData()->Skinned(true)) << "Sereno has the section";
    }
    // The left panel shows the section's colour behind its labels.
    TsSkinManager* piel = fdm->sSkinManager1;
    auto* izquierdo = static_cast<TsPanel*>(f->FindComponent("Panel1"));
    UpdateAllWindows();
    POINT p = izquierdo->ClientToScreen({izquierdo->Width() / 2, izquierdo->Height() - 20});
    HDC dc = GetDC(nullptr);
    COLORREF visto = GetPixel(dc, p.x, p.y);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(visto, ColorToRGB(piel->gd[std::size_t(piel->GetSectionIndex("MAINMENU"))].Color));
    Libere(f);
}

TEST_F(Ingreso, TheHandlerBeforeTheMainWindowExistsOnlyLogs) {
    fdm->principal = nullptr;
    Exception e("falla temprana");
    fdm->ENoManejada(nullptr, e);
    EXPECT_EQ(Dichos(), std::vector<std::string>{"Se presento el siguiente error: falla temprana"});
    EXPECT_NE(Lea("ERRORES.TXT").find(",,falla temprana"), std::string::npos);
}

} // namespace
