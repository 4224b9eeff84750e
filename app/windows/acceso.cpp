#include "app/windows/acceso.h"

#include "app/data/archivos.h"
#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/sqltexto.h"
#include "app/windows/configuracion.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "editors/dbdatetimeedit.h"
#include "editors/dblookupcombobox.h"
#include "editors/variantutils.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqltable.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "platform/window/input.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "skin/skinpanel.h"

namespace tv::app {

Tfacceso::Tfacceso(TComponent* owner) : TForm(owner) {}
Tfacceso::~Tfacceso() = default;

void Tfacceso::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfacceso::FormCreate);
    p.Method("FormActivate", &Tfacceso::FormActivate);
    p.Method("FormClose", &Tfacceso::FormClose);
    p.Method("FormKeyDown", &Tfacceso::FormKeyDown);
    p.Method("Enteratab", &Tfacceso::Enteratab);
    p.Method("TClaveExit", &Tfacceso::TClaveExit);
    p.Method("TCiaExit", &Tfacceso::TCiaExit);
    p.Method("BitBtn1Click", &Tfacceso::BitBtn1Click);
    p.Method("BitBtn2Click", &Tfacceso::BitBtn2Click);
    p.Method("BitBtn3Click", &Tfacceso::BitBtn3Click);
    p.Field("Panel1", &Tfacceso::Panel1);
    p.Field("Label9", &Tfacceso::Label9);
    p.Field("Label10", &Tfacceso::Label10);
    p.Field("Image1", &Tfacceso::Image1);
    p.Field("Image2", &Tfacceso::Image2);
    p.Field("Panel2", &Tfacceso::Panel2);
    p.Field("Label1", &Tfacceso::Label1);
    p.Field("Label2", &Tfacceso::Label2);
    p.Field("Label3", &Tfacceso::Label3);
    p.Field("Label4", &Tfacceso::Label4);
    p.Field("Label5", &Tfacceso::Label5);
    p.Field("Label6", &Tfacceso::Label6);
    p.Field("Servidor", &Tfacceso::Servidor);
    p.Field("TUsuario", &Tfacceso::TUsuario);
    p.Field("TNomUsr", &Tfacceso::TNomUsr);
    p.Field("TClave", &Tfacceso::TClave);
    p.Field("TCia", &Tfacceso::TCia);
    p.Field("TNomcia", &Tfacceso::TNomcia);
    p.Field("LLista", &Tfacceso::LLista);
    p.Field("Fecha", &Tfacceso::Fecha);
    p.Field("BitBtn1", &Tfacceso::BitBtn1);
    p.Field("BitBtn2", &Tfacceso::BitBtn2);
    p.Field("BitBtn3", &Tfacceso::BitBtn3);
    p.Field("Aviso", &Tfacceso::Aviso);
    p.Field("PListapre", &Tfacceso::PListapre);
    p.Field("CListapre", &Tfacceso::CListapre);
    p.Field("DListapre", &Tfacceso::DListapre);
    p.Field("QValusuario", &Tfacceso::QValusuario);
    p.Field("Qnomcompania", &Tfacceso::Qnomcompania);
    p.Field("Pnomcia", &Tfacceso::Pnomcia);
    p.Field("Cnomcia", &Tfacceso::Cnomcia);
    p.Field("Pusuario", &Tfacceso::Pusuario);
    p.Field("CUsuario", &Tfacceso::CUsuario);
    p.Field("CUsuarioUSER_COD", &Tfacceso::CUsuarioUSER_COD);
    p.Field("CUsuarioUSER_ANOCNT", &Tfacceso::CUsuarioUSER_ANOCNT);
    p.Field("CUsuarioUSER_PERCNT", &Tfacceso::CUsuarioUSER_PERCNT);
    p.Field("CUsuarioSUCU_ID", &Tfacceso::CUsuarioSUCU_ID);
    p.Field("PBorrar", &Tfacceso::PBorrar);
    p.Field("CBorrar", &Tfacceso::CBorrar);
    p.Field("PValideusr", &Tfacceso::PValideusr);
    p.Field("CValideusr", &Tfacceso::CValideusr);
}

void Tfacceso::EnlaceComponentes() {
    PListapre->SetDataSet(fdmArt->TListprecios);
    CListapre->SetProviderName(PListapre->Name());
    QValusuario->SetSQLConnection(fdm->ConGeneral);
    Qnomcompania->SetSQLConnection(fdm->ConGeneral);
    Pusuario->SetDataSet(fdm->TUsracceso);
    PBorrar->SetDataSet(fdm->QBorrar);
    PValideusr->SetDataSet(fdm->QValiduser);
}

void Tfacceso::FormCreate(TObject*) {
    EnlaceComponentes();
    servidores = lea_servidores(archivo_aplicacion("SERVIDORES.cfg"));
    Servidor->Items()->Clear();
    for (const std::string& s : servidores) Servidor->Items()->Add(s);
    Servidor->SetItemIndex(servidores.empty() ? -1 : 0);
    Fecha->SetValue(Variant(Date()));
    auto olvide = [this](TObject* s) { OlvideUsuario(s); };
    TUsuario->OnChange = olvide;
    TClave->OnChange = olvide;
    Servidor->OnChange = olvide;
    TCia->OnChange = [this](TObject*) { OlvideCompania(); };
}

void Tfacceso::FormActivate(TObject*) { TUsuario->SetFocus(); }

void Tfacceso::FormClose(TObject*, TCloseAction&) {
    CValideusr->Close();
    Cnomcia->Close();
    CListapre->Close();
    servidores.clear();
}

void Tfacceso::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    if (key == win::VK_F2) {
        key = 0;
        if (BitBtn1->Enabled()) BitBtn1Click(BitBtn1);
    } else if (key == win::VK_F9) {
        key = 0;
        if (BitBtn3->Enabled()) BitBtn3Click(BitBtn3);
    } else if (key == win::VK_ESCAPE) {
        key = 0;
        BitBtn2Click(BitBtn2);
    }
}

void Tfacceso::Enteratab(TObject* sender, char32_t& key) {
    if (key != U'\r') return;
    key = 0;
    SelectNext(dynamic_cast<TWinControl*>(sender), true, true);
}

// A new user, password or server: the name, the administrator's F9 and a
// company accepted for the previous user no longer hold.
void Tfacceso::OlvideUsuario(TObject*) {
    TNomUsr->SetText("");
    BitBtn3->SetEnabled(false);
    if (fprincipal) fprincipal->administrador = false;
    OlvideCompania();
}

void Tfacceso::OlvideCompania() { BitBtn1->SetEnabled(false); }

void Tfacceso::TClaveExit(TObject*) {
    if (TUsuario->Text().empty()) {
        muestre_mensaje("Debe indicar antes el código del usuario.");
        TUsuario->SetFocus();
        return;
    }
    if (TClave->Text().empty()) {
        muestre_mensaje("La clave no puede ser vacía.");
        TClave->SetFocus();
        return;
    }
    OlvideUsuario(this);
    fdm->conecte_general(Servidor->Text(), TUsuario->Text(), TClave->Text());
    QValusuario->Close();
    QValusuario->SQL().SetText("select usua_nombre, usua_admin from usuario where usua_cod = " +
                               sql_texto(AnsiUpperCase(TUsuario->Text())));
    QValusuario->Open();
    if (!QValusuario->IsEmpty()) {
        TNomUsr->SetText(QValusuario->FieldByName("USUA_NOMBRE")->AsString());
        if (QValusuario->FieldByName("USUA_ADMIN")->AsString() == "S") {
            BitBtn3->SetEnabled(true);
            if (fprincipal) fprincipal->administrador = true;
        }
    }
    QValusuario->Close();
}

bool Tfacceso::VuelveAtras() const {
    TWinControl* destino = ActiveControl();
    return destino && (destino == Servidor || destino == TUsuario || destino == TClave);
}

void Tfacceso::TCiaExit(TObject*) {
    const std::string compania = TCia->Text();
    if (compania.empty()) {
        // Going back to mend the server, the user or the password needs no company.
        if (VuelveAtras()) return;
        muestre_mensaje("Debe indicar antes el código de la compañía.");
        TCia->SetFocus();
        return;
    }
    OlvideCompania();
    abra(Cnomcia, "select com_nombre from compania where comp_cod = " + sql_texto(compania));
    const std::string nombre = Cnomcia->IsEmpty() ? std::string() : Cnomcia->FieldByName("COM_NOMBRE")->AsString();
    if (nombre.empty()) {
        muestre_mensaje("Compañía no encontrada.");
        TCia->SetText("");
        TCia->SetFocus();
        return;
    }
    TNomcia->SetText(nombre);
    Aviso->SetCaption("Conectando a la base de datos " + nombre + " ...");
    Aviso->Show();
    Repaint();
    try {
        fdm->conecte_compania(Servidor->Text(), compania, TUsuario->Text(), TClave->Text());
    } catch (...) {
        Aviso->Hide();
        throw;
    }
    if (fprincipal) fprincipal->clave = TClave->Text();
    Aviso->Hide();
    Repaint();

    // The company knows its users by the upper-case code, as the general
    // database and the user context do.
    abra(CUsuario, "select * from usuario where user_cod = " + sql_texto(AnsiUpperCase(TUsuario->Text())));
    if (CUsuario->IsEmpty()) {
        CUsuario->Close();
        muestre_error("El usuario no esta registrado en la compañia");
        TCia->SetText("");
        TCia->SetFocus();
        return;
    }
    const int sucursal = CUsuario->FieldByName("SUCU_ID")->AsInteger();
    CUsuario->Close();
    fdm->sucursal = sucursal;
    Fecha->SetReadOnly(fdm->configuracion("FACTURACION", "DOCUMENTOS", "INHABILITAR FECHA EN DOCUMENTOS") == "SI");
    BitBtn1->SetEnabled(true);
    CargueListas(sucursal);
}

void Tfacceso::CargueListas(int sucursal) {
    CListapre->Close();
    CListapre->SetFiltered(false);
    if (sucursal != 0) {
        CListapre->SetFilter("SUCU_ID = " + IntToStr(sucursal));
        CListapre->SetFiltered(true);
    }
    CListapre->Open();
    int listas = 0;
    for (CListapre->First(); !CListapre->Eof(); CListapre->Next()) ++listas;
    // The first list of the branch is chosen; a branch with a single list keeps it.
    CListapre->First();
    LLista->SetValue(listas == 0 ? Null() : CListapre->FieldByName("LIPR_COD")->AsVariant());
    LLista->SetReadOnly(listas == 1);
}

std::string Tfacceso::lista_elegida() { return VariantToTextSafe(LLista->Value()); }

void Tfacceso::BitBtn1Click(TObject*) {
    Variant valor = Fecha->Value();
    if (valor.IsNull() || valor.IsEmpty()) throw EConvertError("'" + Fecha->Text() + "' no es una fecha válida");
    TDateTime fecha = valor.AsDateTime();
    // Without a price list no scan could be priced.
    if (lista_elegida().empty()) {
        muestre_mensaje("La sucursal del usuario no tiene listas de precios.");
        return;
    }
    if (fprincipal) {
        fprincipal->servidor = Servidor->Text();
        fprincipal->lista_precios = lista_elegida();
    }
    fdm->nombre_usuario = TNomUsr->Text();
    fdm->usuario = AnsiUpperCase(TUsuario->Text());
    fdm->fecha = DateToStr(fecha);
    ejecute(CBorrar, "INSERT INTO AUDITORIA(TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD) VALUES (131, 0, 'I', " +
                         sql_texto(fdm->usuario) + ")");
    // Set only now: a date that is no date must not close the window.
    SetModalResult(mrOk);
}

void Tfacceso::BitBtn2Click(TObject*) { SetModalResult(mrCancel); }

void Tfacceso::BitBtn3Click(TObject*) {
    Tfconfigura* configura = NewForm<Tfconfigura>(this);
    configura->ShowModal();
}

} // namespace tv::app
