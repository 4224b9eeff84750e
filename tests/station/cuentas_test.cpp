// The new-account window as the accounting module opens it, and the official
// chart it takes accounts from: creating accounts one after another, their
// parents' flags, the entry checks, the adjustment accounts and the chart's
// searches and "Crear Seleccionadas".
#include "estacion.h"

#include <functional>

#include "app/data/dm.h"
#include "app/data/dmcnt.h"
#include "app/windows/articulos.h"
#include "app/windows/nvacuenta.h"
#include "app/windows/principal.h"
#include "app/windows/puc.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbcheckbox.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/dbradiogroup.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/picture.h"
#include "grid/column.h"
#include "grid/columntitle.h"
#include "grid/dbgrideh.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class Cuentas : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        fdm->conecte_general(servidor, "SYSDBA", "x");
        fdm->conecte_compania(servidor, "001", "SYSDBA", "x");
        fdm->cargue_configuracion();
        fprincipal->administrador = true;
        fprincipal->primera_activacion = false;
        fprincipal->Show();
        SetMessageHook([this](const TMessageRequest& r) {
            dichos.push_back(r);
            return r.buttons.Contains(mbYes) ? respuesta : mrOk;
        });
    }

    // The user agrees to create a missing account where the module checks it.
    Tfnvacuenta* Ofrezca(const std::string& cuenta) {
        respuesta = mrYes;
        EXPECT_TRUE(fdmcnt->valide_cuenta(cuenta));
        Application->ProcessMessages();
        respuesta = mrNo;
        dichos.clear();
        return fnvacuenta;
    }
    static POINT Centro(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
    static void Pulse(TControl* c) {
        POINT p = Centro(c);
        Click(p.x, p.y);
    }
    // Types over what the edit shows.
    static void Teclee(TWinControl* e, const std::string& texto) {
        Pulse(e);
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        if (texto.empty()) PressKey(VK_DELETE);
        else TypeText(texto);
    }
    // The same, leaving the edit with Enter.
    static void Escriba(TWinControl* e, const std::string& texto) {
        Teclee(e, texto);
        PressKey(VK_RETURN);
    }
    // Runs `persona` in the chart window F5 opens from `ventana`.
    void EnElPlan(Tfnvacuenta* ventana, std::function<void(Tfpuc*)> persona) {
        bool abierto = false;
        ScriptStep([&] {
            abierto = true;
            ASSERT_NE(fpuc, nullptr);
            persona(fpuc);
        });
        ventana->SetFocus();
        PressKey(VK_F5);
        Application->ProcessMessages();
        EXPECT_TRUE(abierto);
        EXPECT_EQ(fpuc, nullptr) << "the chart window is freed";
    }
    std::string Cuenta(const std::string& codigo) {
        return Valor("select cuen_nom, cuen_tercero, cuen_centro, cuen_retencion, cuen_tipo from cuentas where cuen_cod = '" +
                     codigo + "'");
    }
    std::string Campo(Tfnvacuenta* v, const char* campo) { return v->CCuentas->FieldByName(campo)->AsString(); }

    TModalResult respuesta = mrNo;
};

TEST_F(Cuentas, AnOfferedAccountIsCreatedWithItsParentsFlagsAndTheWindowStaysForTheNext) {
    Tfnvacuenta* v = Ofrezca("13050599");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Caption(), "Nueva cuenta");
    EXPECT_EQ(v->Height(), 403);
    EXPECT_EQ(v->Width(), 384);
    EXPECT_EQ(fdmcnt->cuenta_nueva, "");
    EXPECT_EQ(v->ECod->Text(), "13050599");
    // Its parent 130505 keeps third parties.
    EXPECT_TRUE(v->CkTerceros->Checked());
    EXPECT_FALSE(v->CkCentros->Checked());
    EXPECT_EQ(Campo(v, "CUEN_TIPO"), "N");
    EXPECT_EQ(Campo(v, "CUEN_AJUSDB"), "S");
    EXPECT_FALSE(v->ECtaAjus->Enabled());
    EXPECT_FALSE(v->DBRadioGroup1->Enabled());

    Escriba(v->ENom, "CLIENTE MOSTRADOR");
    Pulse(v->DBRadioGroup2->Button(2));  // "C&artera"
    PressKey(VK_F2);
    EXPECT_TRUE(Dichos().empty());
    EXPECT_EQ(Cuenta("13050599"), "CLIENTE MOSTRADOR|S|N|N|C");
    // A fresh row for the next account, in the same window.
    EXPECT_EQ(fnvacuenta, v);
    EXPECT_EQ(v->ECod->Text(), "");
    EXPECT_EQ(v->ActiveControl(), v->ECod);
    EXPECT_TRUE(v->DBRadioGroup2->Enabled());
    EXPECT_EQ(Campo(v, "CUEN_TIPO"), "N");

    Escriba(v->ECod, "11050599");
    Escriba(v->ENom, "CAJA AUXILIAR");
    PressKey(VK_F2);
    EXPECT_EQ(Cuenta("11050599"), "CAJA AUXILIAR|N|N|N|N");

    // One window at a time: a second offer brings it forward and is refused.
    respuesta = mrYes;
    EXPECT_FALSE(fdmcnt->valide_cuenta("11051099"));
    EXPECT_EQ(Dichos().back(), "Ya está abierta la ventana de cuenta nueva; termine esa cuenta primero.");
    EXPECT_EQ(fdmcnt->cuenta_nueva, "");
    int ventanas = 0;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        ventanas += dynamic_cast<Tfnvacuenta*>(Application->Components(i)) ? 1 : 0;
    EXPECT_EQ(ventanas, 1);

    // Esc closes it; the next offer opens a new one.
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(fnvacuenta, nullptr);
    EXPECT_EQ(Valor("select count(*) from cuentas where cuen_cod = '11051099'"), "0");
    EXPECT_NE(Ofrezca("11051099"), nullptr);
}

TEST_F(Cuentas, TheEntryChecksSaveNothing) {
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    const std::string antes = Valor("select count(*) from cuentas");
    // An existing code is emptied at once.
    Escriba(v->ECod, "110505");
    EXPECT_EQ(Dichos(), (std::vector<std::string>{"La cuenta 110505 ya existe."}));
    EXPECT_EQ(v->ECod->Text(), "");

    struct Caso {
        const char* como;
        const char* codigo;
        const char* nombre;
        const char* ajuste;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"no code", "", "CAJA", "", "Falta ingresar el código de la cuenta."},
        {"no name", "11050599", "", "", "Falta ingresar el nombre de la cuenta."},
        {"an adjustment account without its correction", "11050599", "CAJA", "110510",
         "Debe ingresar tanto la cuenta de ajuste como la de corrección."},
    };
    Pulse(v->CkAjustable);
    EXPECT_TRUE(v->ECtaAjus->Enabled());
    EXPECT_TRUE(v->DBRadioGroup1->Enabled());
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.como);
        dichos.clear();
        Escriba(v->ECod, c.codigo);
        Escriba(v->ENom, c.nombre);
        Escriba(v->ECtaAjus, c.ajuste);
        PressKey(VK_F2);
        EXPECT_EQ(Dichos(), (std::vector<std::string>{c.mensaje}));
        EXPECT_EQ(Valor("select count(*) from cuentas"), antes);
    }
}

TEST_F(Cuentas, AMissingAdjustmentAccountIsOfferedAndEmptiedOnNo) {
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    Pulse(v->CkAjustable);
    Escriba(v->ECtaAjus, "11051099");
    EXPECT_EQ(Dichos(), (std::vector<std::string>{"La cuenta especificada no existe. Desea Crearla?"}));
    EXPECT_EQ(Campo(v, "CUEN_CTAJUSTE"), "");
    // Yes cannot open a second window over this one: the field is emptied too.
    respuesta = mrYes;
    Escriba(v->ECtaCorr, "11051099");
    EXPECT_EQ(Campo(v, "CUEN_CTACORRECION"), "");
    EXPECT_EQ(fnvacuenta, v);
    // A usable account stays.
    Escriba(v->ECtaCorr, "110510");
    EXPECT_EQ(Campo(v, "CUEN_CTACORRECION"), "110510");
}

TEST_F(Cuentas, AFailedSaveKeepsTheAccountAsTyped) {
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    Escriba(v->ENom, "CAJA AUXILIAR");
    // Someone else creates it meanwhile.
    Sql("insert into cuentas (cuen_cod, cuen_nom, cuen_tipo) values ('11050599', 'OTRA', 'N')");
    PressKey(VK_F2);
    ASSERT_EQ(Dichos().size(), 1u);
    EXPECT_EQ(v->ECod->Text(), "11050599");
    EXPECT_EQ(v->ENom->Text(), "CAJA AUXILIAR");
    // Mended, it saves alone.
    Escriba(v->ECod, "11050598");
    PressKey(VK_F2);
    EXPECT_EQ(Cuenta("11050598"), "CAJA AUXILIAR|N|N|N|N");
    EXPECT_EQ(Cuenta("11050599"), "OTRA|N|N|N|N");
}

TEST_F(Cuentas, TheChartFillsTheAccountAndSearchesByName) {
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom, puc_terc, puc_reten, puc_ctaajus, puc_ctacorr, puc_ajdb) "
        "values (1, '135520', 'RETENCION DE O''BRIEN', 'S', 'S', '', '', 'N')");
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    EnElPlan(v, [&](Tfpuc* f) {
        EXPECT_EQ(f->Caption(), "Plan Unico de Cuentas");
        EXPECT_EQ(f->Height(), 375);
        EXPECT_EQ(f->Width(), 615);
        EXPECT_TRUE(f->SBSelec->Visible());
        // Every column's title fits its column, the check-box ones too.
        TBitmap medida;
        for (int i = 0; i < f->DBGridEh1->Columns()->Count(); ++i) {
            TColumnEh* c = f->DBGridEh1->Columns()->Items(i);
            medida.Canvas()->Font()->Assign(c->Title()->Font());
            EXPECT_LE(medida.Canvas()->TextWidth(c->Title()->Caption()) + 4, c->Width()) << c->Title()->Caption();
        }
        EXPECT_EQ(f->CPuc->FieldByName("PUC_COD")->AsString(), "1");
        // By name from the text on, a range ordered by name.
        Teclee(f->EBuscar, "RETENCION DE O'");
        Pulse(f->sbBuscar);
        std::vector<std::string> nombres;
        for (f->CPuc->First(); !f->CPuc->Eof(); f->CPuc->Next()) nombres.push_back(f->CPuc->FieldByName("PUC_NOM")->AsString());
        ASSERT_FALSE(nombres.empty());
        EXPECT_EQ(nombres.front(), "RETENCION DE O'BRIEN");
        EXPECT_TRUE(std::is_sorted(nombres.begin(), nombres.end()));
        f->CPuc->First();
        PressKey(VK_RETURN);
    });
    EXPECT_TRUE(Dichos().empty()) << Dichos()[0];
    EXPECT_EQ(v->ECod->Text(), "135520");
    EXPECT_EQ(v->ENom->Text(), "RETENCION DE O'BRIEN");
    EXPECT_TRUE(v->CkTerceros->Checked());
    EXPECT_TRUE(v->CkRetenciones->Checked());
    EXPECT_TRUE(v->EPorc->Enabled());
    EXPECT_EQ(Campo(v, "CUEN_AJUSDB"), "N");
    PressKey(VK_F2);
    EXPECT_EQ(Cuenta("135520"), "RETENCION DE O'BRIEN|S|N|S|N");

    // Esc in the chart changes nothing.
    EnElPlan(v, [](Tfpuc*) { PressKey(VK_ESCAPE); });
    EXPECT_EQ(v->ECod->Text(), "");
}

TEST_F(Cuentas, CrearSeleccionadasCreatesTheSelectedChartAccounts) {
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom) values (1, '2412', 'DE INDUSTRIA Y COMERCIO')");
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom) values (1, '241205', 'VIGENCIA FISCAL CORRIENTE')");
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom) values (1, '241210', 'VIGENCIAS FISCALES ANTERIORES')");
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    // None selected: the window closes and nothing is created.
    EnElPlan(v, [](Tfpuc*) { PressKey(VK_F11); });
    EXPECT_EQ(Valor("select count(*) from cuentas where cuen_cod starting with '2412'"), "0");

    EnElPlan(v, [&](Tfpuc* f) {
        Teclee(f->EBuscar, "241205");
        Pulse(f->RBuscar->Buttons(0));
        Pulse(f->sbBuscar);
        // Without "clear selection" each click on a row adds it to the selection.
        for (int fila : {1, 2}) {
            RECT r = f->DBGridEh1->CellRect(2, fila);
            POINT p = f->DBGridEh1->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
            Click(p.x, p.y);
        }
        ASSERT_EQ(f->DBGridEh1->SelectedBookmarks().SelectedCount(), 2);
        PressKey(VK_F11);
    });
    // Each with the parent it lacked.
    EXPECT_EQ(Valor("select list(cuen_cod, ',') from (select cuen_cod from cuentas where cuen_cod starting with "
                    "'2412' order by cuen_cod)"),
              "2412,241205,241210");
    EXPECT_EQ(v->ECod->Text(), "11050599") << "the caller sees Cancel";
}

TEST_F(Cuentas, TheChartTypeComesFromTheSetting) {
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom) values (4, '1', 'ACTIVO SERVICIOS')");
    Sql("insert into puc (tipu_cod, puc_cod, puc_nom) values (5, '1', 'ACTIVO OTROS')");
    struct Caso {
        const char* valor;
        const char* nombre;
    };
    for (const Caso& c : {Caso{"SERVICIOSP", "ACTIVO SERVICIOS"}, Caso{"", "ACTIVO OTROS"}, Caso{"XYZ", "ACTIVO OTROS"}}) {
        SCOPED_TRACE(c.valor);
        Sql(std::string("update configuracion set conf_valor = '") + c.valor +
            "' where conf_modulo = 'CONTABILIDAD' and conf_propiedad = 'TIPO DE PUC A UTILIZAR'");
        fdm->cargue_configuracion();
        // Opened from the main window it has nothing to pick for.
        Tfpuc* f = NewForm<Tfpuc>(fprincipal);
        EXPECT_FALSE(f->SBSelec->Visible());
        EXPECT_EQ(f->CPuc->RecordCount(), 1);
        EXPECT_EQ(f->CPuc->FieldByName("PUC_NOM")->AsString(), c.nombre);
        f->Free();
        EXPECT_EQ(fpuc, nullptr);
    }
}

TEST_F(Cuentas, InventarioOpensTheArticleListAndAUserWithoutAccountingIsTurnedAway) {
    Tfnvacuenta* v = Ofrezca("11050599");
    ASSERT_NE(v, nullptr);
    PressKey(VK_F11);
    Application->ProcessMessages();
    ASSERT_NE(farticulos, nullptr);
    EXPECT_EQ(farticulos->Owner(), v);
    PressKey(VK_ESCAPE);  // closes the list
    Application->ProcessMessages();
    EXPECT_EQ(farticulos, nullptr);
    v->SetFocus();
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    ASSERT_EQ(fnvacuenta, nullptr);

    fprincipal->administrador = false;
    fdm->usuario = "NADIE";
    respuesta = mrYes;
    EXPECT_FALSE(fdmcnt->valide_cuenta("11050599"));
    Application->ProcessMessages();
    EXPECT_EQ(Dichos().back(), "Acceso no permitido. comuníquese con el administrador del sistema.");
    EXPECT_EQ(fnvacuenta, nullptr);
}

} // namespace
