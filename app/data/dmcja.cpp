#include "app/data/dmcja.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

Tfdmcja* fdmcja = nullptr;

Tfdmcja::Tfdmcja(TComponent* owner) : TDataModule(owner) {
    fdmcja = this;
}

Tfdmcja::~Tfdmcja() {
    DestroyComponents();
    if (fdmcja == this) fdmcja = nullptr;
}

void Tfdmcja::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    CSaldoef = enlace_consulta(this, "Saldoef", tallyvo);
    CDocencaja = enlace_consulta(this, "Docencaja", tallyvo);
    CBorrar = enlace_consulta(this, "Borrar", tallyvo);
    CInterfaces = enlace_consulta(this, "Interfaces", tallyvo);
    DInterfaces = componente<TDataSource>(this, "DInterfaces");
    DInterfaces->SetDataSet(CInterfaces);
    contardc = enlace_cadena(this, "QContardc", "PContardc", "CContardc");
    contaegr = enlace_cadena(this, "QContaegr", "PContaegr", "CContaegr");
    contacons = enlace_cadena(this, "QContacons", "PContacons", "CContacons");
    contarprov = enlace_cadena(this, "QContarprov", "PContarprov", "CContarprov");
    contatrcj = enlace_cadena(this, "QContatrcj", "PContatrcj", "CContatrcj");
    contacaja = enlace_cadena(this, "QContacaja", "PContacaja", "CContacaja");
    enlace_documentos(this);
    enlace_consulta(this, "Consolfp", tallyvo, false, "SELECT * FROM CONSOLIDE_FORMASP");
}

Currency Tfdmcja::efectivo_caja(int caja, Currency monto, TDateTime fecha) {
    // The procedure answers the balance before a date: ask for the day after.
    abra(CSaldoef, "select * from saldo_en_efectivo(" + IntToStr(caja) + "," + sql_fecha(IncDay(fecha, 1)) + ")");
    // Without a row the till holds no cash that can be counted on.
    Currency saldo = CSaldoef->IsEmpty() ? Currency() : CSaldoef->Fields()[0]->AsCurrency();
    CSaldoef->Close();
    if (fdm->configuracion("CAJA", "EGRESOS", "VALIDAR EFECTIVO EN CAJA") == "SI" && saldo < monto)
        muestre_mensaje("El saldo de efectivo es insuficiente.");
    return saldo;
}

void Tfdmcja::AbraDocumentos(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                             const std::string& numero) {
    abra(CDocencaja, "select * from documentos_pago_caja where fopa_id = " + IntToStr(forma_pago) +
                         " and dpca_banco = " + sql_texto(banco) + " and dpca_cuenta = " + sql_texto(cuenta) +
                         " and dpca_numero = " + sql_texto(numero) + " and caja_id = " + IntToStr(caja) +
                         " and dpca_tiposal = 0 and dpca_idsal = 0");
}

bool Tfdmcja::valide_doc_en_caja(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                                 const std::string& numero) {
    // Cash (form 1) and documents without bank, account or number are never held as documents.
    if (forma_pago == 1 || banco.empty() || cuenta.empty() || numero.empty()) return false;
    AbraDocumentos(caja, forma_pago, banco, cuenta, numero);
    bool hay = !CDocencaja->IsEmpty();
    CDocencaja->Close();
    return hay;
}

Currency Tfdmcja::monto_doc_en_caja(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                                    const std::string& numero, TField* campo_fecha) {
    AbraDocumentos(caja, forma_pago, banco, cuenta, numero);
    Currency monto;
    if (!CDocencaja->IsEmpty()) {
        if (campo_fecha) campo_fecha->SetAsDateTime(CDocencaja->FieldByName("DPCA_FECHA")->AsDateTime());
        monto = CDocencaja->FieldByName("DPCA_MONTO")->AsCurrency();
    }
    CDocencaja->Close();
    return monto;
}

int Tfdmcja::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_CAJA", "INCJ", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int Tfdmcja::contabilice_recibo(int id, int interfaz) {
    return contabilice_documento(contardc, CBorrar, "contabil_recicaja", 61, id, interfaz);
}
int Tfdmcja::contabilice_egreso(int id, int interfaz) {
    return contabilice_documento(contaegr, CBorrar, "contabil_egreso", 62, id, interfaz);
}
int Tfdmcja::contabilice_consignatj(int id, int interfaz) {
    return contabilice_documento(contacons, CBorrar, "contabil_consignatar", 64, id, interfaz);
}
int Tfdmcja::contabilice_reciprov(int id, int interfaz) {
    return contabilice_documento(contarprov, CBorrar, "contabil_reciprov", 65, id, interfaz);
}
int Tfdmcja::contabilice_trascaja(int id, int interfaz) {
    return contabilice_documento(contatrcj, CBorrar, "contabil_traslacaja", 66, id, interfaz);
}

int Tfdmcja::contabilice_recicaja(int id, const std::string& prefijo) {
    TClientDataSet* c = contacaja.resultado;
    contacaja.consulta->Close();
    contacaja.consulta->SetPrepared(false);
    abra(c, "select min(incj_id) from interfaz_caja where tido_cod = 61 and pref_pre = " + sql_texto(prefijo));
    int interfaz = c->IsEmpty() ? 0 : c->Fields()[0]->AsInteger();
    c->Close();
    int idc = 0;
    if (interfaz != 0) {
        // Posted as every other document, so that the server's errors are shown too.
        idc = contabilice_documento(contacaja, CBorrar, "contabil_recicaja", 61, id, interfaz);
    } else {
        muestre_mensaje("Interfaz de recibo no encontrada. No se contabilizará el recibo.");
        fdm->contabilizado = false;
    }
    c->Close();
    return idc;
}

} // namespace tv::app
