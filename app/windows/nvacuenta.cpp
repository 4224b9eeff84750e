#include "app/windows/nvacuenta.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmcnt.h"
#include "app/data/sqltexto.h"
#include "app/windows/articulos.h"
#include "app/windows/puc.h"
#include "app/windows/ventanas.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "framework/ui/application.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbcheckbox.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/dbradiogroup.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "framework/ui/basiccontrols.h"

namespace tv::app {

Tfnvacuenta* fnvacuenta = nullptr;

Tfnvacuenta::Tfnvacuenta(TComponent* owner) : TForm(owner) {}

Tfnvacuenta::~Tfnvacuenta() {
    if (fnvacuenta == this) fnvacuenta = nullptr;
}

void Tfnvacuenta::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfnvacuenta::FormCreate);
    p.Method("FormClose", &Tfnvacuenta::FormClose);
    p.Method("FormKeyDown", &Tfnvacuenta::FormKeyDown);
    p.Method("SBGrabarClick", &Tfnvacuenta::SBGrabarClick);
    p.Method("SBCancelarClick", &Tfnvacuenta::SBCancelarClick);
    p.Method("BitBtn1Click", &Tfnvacuenta::BitBtn1Click);
    p.Method("SpeedButton1Click", &Tfnvacuenta::SpeedButton1Click);
    p.Method("CkRetencionesClick", &Tfnvacuenta::CkRetencionesClick);
    p.Method("CkAjustableClick", &Tfnvacuenta::CkAjustableClick);
    p.Method("CCuentasAfterInsert", &Tfnvacuenta::CCuentasAfterInsert);
    p.Method("CCuentasCUEN_CODChange", &Tfnvacuenta::CCuentasCUEN_CODChange);
    p.Method("CCuentasCUEN_CTAJUSTEChange", &Tfnvacuenta::CCuentasCUEN_CTAJUSTEChange);
    p.Method("CCuentasCUEN_CTACORRECIONChange", &Tfnvacuenta::CCuentasCUEN_CTACORRECIONChange);
    p.Method("Enteratab", &Tfnvacuenta::Enteratab);
    p.Field("Label1", &Tfnvacuenta::Label1);
    p.Field("ECod", &Tfnvacuenta::ECod);
    p.Field("Label2", &Tfnvacuenta::Label2);
    p.Field("ENom", &Tfnvacuenta::ENom);
    p.Field("DBRadioGroup2", &Tfnvacuenta::DBRadioGroup2);
    p.Field("GroupBox1", &Tfnvacuenta::GroupBox1);
    p.Field("CkTerceros", &Tfnvacuenta::CkTerceros);
    p.Field("CkCentros", &Tfnvacuenta::CkCentros);
    p.Field("GroupBox2", &Tfnvacuenta::GroupBox2);
    p.Field("CkRetenciones", &Tfnvacuenta::CkRetenciones);
    p.Field("Label3", &Tfnvacuenta::Label3);
    p.Field("EPorc", &Tfnvacuenta::EPorc);
    p.Field("Label4", &Tfnvacuenta::Label4);
    p.Field("EBase", &Tfnvacuenta::EBase);
    p.Field("GroupBox3", &Tfnvacuenta::GroupBox3);
    p.Field("CkAjustable", &Tfnvacuenta::CkAjustable);
    p.Field("Label5", &Tfnvacuenta::Label5);
    p.Field("ECtaAjus", &Tfnvacuenta::ECtaAjus);
    p.Field("Label6", &Tfnvacuenta::Label6);
    p.Field("ECtaCorr", &Tfnvacuenta::ECtaCorr);
    p.Field("DBRadioGroup1", &Tfnvacuenta::DBRadioGroup1);
    p.Field("BitBtn1", &Tfnvacuenta::BitBtn1);
    p.Field("SpeedButton1", &Tfnvacuenta::SpeedButton1);
    p.Field("SBGrabar", &Tfnvacuenta::SBGrabar);
    p.Field("SBCancelar", &Tfnvacuenta::SBCancelar);
    p.Field("PCuentas", &Tfnvacuenta::PCuentas);
    p.Field("CCuentas", &Tfnvacuenta::CCuentas);
    p.Field("CCuentasCUEN_COD", &Tfnvacuenta::CCuentasCUEN_COD);
    p.Field("CCuentasCUEN_NOM", &Tfnvacuenta::CCuentasCUEN_NOM);
    p.Field("CCuentasCUEN_TERCERO", &Tfnvacuenta::CCuentasCUEN_TERCERO);
    p.Field("CCuentasCUEN_CENTRO", &Tfnvacuenta::CCuentasCUEN_CENTRO);
    p.Field("CCuentasCUEN_RETENCION", &Tfnvacuenta::CCuentasCUEN_RETENCION);
    p.Field("CCuentasCUEN_CTAJUSTE", &Tfnvacuenta::CCuentasCUEN_CTAJUSTE);
    p.Field("CCuentasCUEN_CTACORRECION", &Tfnvacuenta::CCuentasCUEN_CTACORRECION);
    p.Field("CCuentasCUEN_BASEMIN", &Tfnvacuenta::CCuentasCUEN_BASEMIN);
    p.Field("CCuentasCUEN_AJUSDB", &Tfnvacuenta::CCuentasCUEN_AJUSDB);
    p.Field("CCuentasCUEN_PORC", &Tfnvacuenta::CCuentasCUEN_PORC);
    p.Field("CCuentasCUEN_TIPO", &Tfnvacuenta::CCuentasCUEN_TIPO);
    p.Field("DSCuentas", &Tfnvacuenta::DSCuentas);
    p.Field("PBorrar", &Tfnvacuenta::PBorrar);
    p.Field("CBorrar", &Tfnvacuenta::CBorrar);
    p.Field("sSkinProvider1", &Tfnvacuenta::sSkinProvider1);
}

void Tfnvacuenta::FormCreate(TObject*) {
    fnvacuenta = this;
    PCuentas->SetDataSet(fdm->TCuentas);
    PBorrar->SetDataSet(fdm->QBorrar);

    fdm->ConfigurarProviders(this);
    const std::string cuenta = fdmcnt ? fdmcnt->cuenta_nueva : std::string();
    if (fdmcnt) fdmcnt->cuenta_nueva.clear();
    SetHeight(403);
    SetWidth(384);
    // A user without accounting sees nothing of the chart, not even whether the code exists.
    if (!fdm->valide_acceso("CONTABILIDAD", 0)) {
        permitida_ = false;
        muestre_mensaje("Acceso no permitido. comuníquese con el administrador del sistema.");
        cierre_al_crear(this);
        return;
    }
    CCuentas->Open();
    CCuentas->Insert();
    if (!cuenta.empty()) CCuentas->FieldByName("CUEN_COD")->SetAsString(cuenta);
}

void Tfnvacuenta::FormClose(TObject*, TCloseAction& action) {
    CCuentas->Cancel();
    CCuentas->Close();
    action = caFree;
}

void Tfnvacuenta::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    TControl* boton = nullptr;
    switch (key) {
    case win::VK_F2: boton = SBGrabar; break;
    case win::VK_ESCAPE: boton = SBCancelar; break;
    case win::VK_F5: boton = BitBtn1; break;
    case win::VK_F11: boton = SpeedButton1; break;
    default: return;
    }
    key = 0;
    boton->Click();
}

void Tfnvacuenta::NuevaFila() {
    CCuentas->Cancel();
    // A row a failed save left pending would otherwise go with the next one.
    CCuentas->CancelUpdates();
    CCuentas->Insert();
}

void Tfnvacuenta::SBGrabarClick(TObject*) {
    if (ECod->Text().empty()) {
        muestre_mensaje("Falta ingresar el código de la cuenta.");
        return;
    }
    if (ENom->Text().empty()) {
        muestre_mensaje("Falta ingresar el nombre de la cuenta.");
        return;
    }
    if (ECtaAjus->Text().empty() != ECtaCorr->Text().empty()) {
        muestre_mensaje("Debe ingresar tanto la cuenta de ajuste como la de corrección.");
        return;
    }
    DBRadioGroup1->SetEnabled(false);
    DBRadioGroup2->SetEnabled(false);
    bool grabada = false;
    try {
        CCuentas->Post();
        grabada = CCuentas->ApplyUpdates(-1) == 0;
    } catch (...) {
        DBRadioGroup1->SetEnabled(CkAjustable->Checked());
        DBRadioGroup2->SetEnabled(true);
        throw;
    }
    if (grabada) {
        CCuentas->Insert();
        DBRadioGroup1->SetEnabled(true);
    } else {
        // The central handler told why; the account stays as typed for the user to mend.
        CCuentas->Edit();
        DBRadioGroup1->SetEnabled(CkAjustable->Checked());
    }
    DBRadioGroup2->SetEnabled(true);
    ECod->SetFocus();
}

void Tfnvacuenta::SBCancelarClick(TObject*) {
    CCuentas->Cancel();
    Close();
}

void Tfnvacuenta::BitBtn1Click(TObject*) {
    Tfpuc* plan = NewForm<Tfpuc>(this);
    struct Libere {
        Tfpuc* f;
        ~Libere() { f->Free(); }
    } libere{plan};
    if (plan->ShowModal() != mrOk) return;
    TClientDataSet* puc = plan->CPuc;
    NuevaFila();
    const auto copie = [&](const char* destino, const char* origen) {
        CCuentas->FieldByName(destino)->SetAsString(puc->FieldByName(origen)->AsString());
    };
    copie("CUEN_COD", "PUC_COD");
    copie("CUEN_NOM", "PUC_NOM");
    copie("CUEN_TERCERO", "PUC_TERC");
    copie("CUEN_RETENCION", "PUC_RETEN");
    CCuentas->FieldByName("CUEN_CENTRO")->SetAsString("N");
    CCuentas->FieldByName("CUEN_TIPO")->SetAsString("N");
    copie("CUEN_CTAJUSTE", "PUC_CTAAJUS");
    copie("CUEN_CTACORRECION", "PUC_CTACORR");
    copie("CUEN_AJUSDB", "PUC_AJDB");
    puc->Close();
    HabiliteRetencion();
}

void Tfnvacuenta::SpeedButton1Click(TObject*) { NewForm<Tfarticulos>(this); }

void Tfnvacuenta::HabiliteRetencion() {
    const bool con = CkRetenciones->Checked();
    EPorc->SetEnabled(con);
    EBase->SetEnabled(con);
}

void Tfnvacuenta::CkRetencionesClick(TObject*) {
    if (CkRetenciones->Checked()) {
        if (CCuentas->State() == dsInsert) CCuentas->FieldByName("CUEN_TERCERO")->SetAsString("S");
    } else if (CCuentas->Active() && CCuentas->State() != dsBrowse) {
        CCuentas->FieldByName("CUEN_PORC")->Clear();
        CCuentas->FieldByName("CUEN_BASEMIN")->Clear();
    }
    HabiliteRetencion();
}

void Tfnvacuenta::CkAjustableClick(TObject*) {
    const bool ajustable = CkAjustable->Checked();
    ECtaAjus->SetEnabled(ajustable);
    ECtaCorr->SetEnabled(ajustable);
    DBRadioGroup1->SetEnabled(ajustable);
}

void Tfnvacuenta::CCuentasAfterInsert(TDataSet*) {
    CCuentas->FieldByName("CUEN_TIPO")->SetAsString("N");
    CCuentas->FieldByName("CUEN_TERCERO")->SetAsString("N");
    CCuentas->FieldByName("CUEN_CENTRO")->SetAsString("N");
    CCuentas->FieldByName("CUEN_RETENCION")->SetAsString("N");
    CCuentas->FieldByName("CUEN_CTAJUSTE")->SetAsString("");
    CCuentas->FieldByName("CUEN_CTACORRECION")->SetAsString("");
    CCuentas->FieldByName("CUEN_BASEMIN")->SetAsInteger(0);
    CCuentas->FieldByName("CUEN_PORC")->SetAsInteger(0);
    CCuentas->FieldByName("CUEN_AJUSDB")->SetAsString("S");
    CkAjustable->SetChecked(false);
    ECtaAjus->SetEnabled(false);
    ECtaCorr->SetEnabled(false);
    HabiliteRetencion();
}

void Tfnvacuenta::CCuentasCUEN_CODChange(TField* campo) {
    if (CCuentas->State() != dsInsert) return;
    const std::string codigo = campo->AsString();
    if (codigo.empty()) return;
    abra(CBorrar, "select cuen_nom from cuentas where cuen_cod = " + sql_texto(codigo));
    const bool existe = !CBorrar->IsEmpty();
    CBorrar->Close();
    if (existe) {
        muestre_mensaje("La cuenta " + codigo + " ya existe.");
        campo->SetAsString("");
        return;
    }
    TSQLStoredProc* padre = fdm->SPCtaPadre;
    parametro(padre->Params(), "CUENTA").SetAsString(codigo);
    padre->ExecProc();
    const std::string cuenta_padre = padre->Params().ParamByName("PADRE").AsString();
    abra(CBorrar, "select cuen_tercero, cuen_centro, cuen_retencion from cuentas where cuen_cod = " +
                      sql_texto(cuenta_padre));
    if (!CBorrar->IsEmpty())
        for (const char* bandera : {"CUEN_TERCERO", "CUEN_CENTRO", "CUEN_RETENCION"})
            CCuentas->FieldByName(bandera)->SetAsString(CBorrar->FieldByName(bandera)->AsString());
    CBorrar->Close();
    HabiliteRetencion();
}

void Tfnvacuenta::ValideAjuste(TField* campo) {
    const std::string cuenta = campo->AsString();
    if (!cuenta.empty() && !fdmcnt->valide_cuenta(cuenta)) campo->SetAsString("");
}

void Tfnvacuenta::CCuentasCUEN_CTAJUSTEChange(TField* campo) { ValideAjuste(campo); }
void Tfnvacuenta::CCuentasCUEN_CTACORRECIONChange(TField* campo) { ValideAjuste(campo); }

void Tfnvacuenta::Enteratab(TObject* sender, char32_t& key) { enter_a_tab(this, sender, key); }

bool abra_cuenta_nueva() {
    if (fnvacuenta) {
        fnvacuenta->BringToFront();
        muestre_mensaje("Ya está abierta la ventana de cuenta nueva; termine esa cuenta primero.");
        return false;
    }
    Tfnvacuenta* ventana = NewForm<Tfnvacuenta>(Application);
    return ventana->Permitida();
}

} // namespace tv::app
