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
#include "framework/data/provider.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdmcja* fdmcja = nullptr;

Tfdmcja::Tfdmcja(TComponent* owner) : TDataModule(owner) {
    fdmcja = this;
}

Tfdmcja::~Tfdmcja() {
    DestroyComponents();
    if (fdmcja == this) fdmcja = nullptr;
}

void Tfdmcja::Publish(TPublisher& p) {
    p.Field("QSaldoef", &Tfdmcja::QSaldoef);
    p.Field("PSaldoef", &Tfdmcja::PSaldoef);
    p.Field("CSaldoef", &Tfdmcja::CSaldoef);
    p.Field("QDocencaja", &Tfdmcja::QDocencaja);
    p.Field("PDocencaja", &Tfdmcja::PDocencaja);
    p.Field("CDocencaja", &Tfdmcja::CDocencaja);
    p.Field("QBorrar", &Tfdmcja::QBorrar);
    p.Field("PBorrar", &Tfdmcja::PBorrar);
    p.Field("CBorrar", &Tfdmcja::CBorrar);
    p.Field("QInterfaces", &Tfdmcja::QInterfaces);
    p.Field("PInterfaces", &Tfdmcja::PInterfaces);
    p.Field("CInterfaces", &Tfdmcja::CInterfaces);
    p.Field("DInterfaces", &Tfdmcja::DInterfaces);
    p.Field("QContardc", &Tfdmcja::QContardc);
    p.Field("PContardc", &Tfdmcja::PContardc);
    p.Field("CContardc", &Tfdmcja::CContardc);
    p.Field("QContaegr", &Tfdmcja::QContaegr);
    p.Field("PContaegr", &Tfdmcja::PContaegr);
    p.Field("CContaegr", &Tfdmcja::CContaegr);
    p.Field("QContacons", &Tfdmcja::QContacons);
    p.Field("PContacons", &Tfdmcja::PContacons);
    p.Field("CContacons", &Tfdmcja::CContacons);
    p.Field("QContarprov", &Tfdmcja::QContarprov);
    p.Field("PContarprov", &Tfdmcja::PContarprov);
    p.Field("CContarprov", &Tfdmcja::CContarprov);
    p.Field("QContatrcj", &Tfdmcja::QContatrcj);
    p.Field("PContatrcj", &Tfdmcja::PContatrcj);
    p.Field("CContatrcj", &Tfdmcja::CContatrcj);
    p.Field("QContacaja", &Tfdmcja::QContacaja);
    p.Field("PContacaja", &Tfdmcja::PContacaja);
    p.Field("CContacaja", &Tfdmcja::CContacaja);
    p.Field("TRecibo", &Tfdmcja::TRecibo);
    p.Field("DRecibo", &Tfdmcja::DRecibo);
    p.Field("TRecipago", &Tfdmcja::TRecipago);
    p.Field("TRecidetalle", &Tfdmcja::TRecidetalle);
    p.Field("TRecicrucec", &Tfdmcja::TRecicrucec);
    p.Field("SPIdRecibo", &Tfdmcja::SPIdRecibo);
    p.Field("TEgreso", &Tfdmcja::TEgreso);
    p.Field("DEgreso", &Tfdmcja::DEgreso);
    p.Field("TEgredetalle", &Tfdmcja::TEgredetalle);
    p.Field("TEgrecaja", &Tfdmcja::TEgrecaja);
    p.Field("TEgreconta", &Tfdmcja::TEgreconta);
    p.Field("TEgrebanco", &Tfdmcja::TEgrebanco);
    p.Field("TEgrecrucec", &Tfdmcja::TEgrecrucec);
    p.Field("SPIdEgreso", &Tfdmcja::SPIdEgreso);
    p.Field("TAnticlie", &Tfdmcja::TAnticlie);
    p.Field("DAnticlie", &Tfdmcja::DAnticlie);
    p.Field("SPIdAnticlie", &Tfdmcja::SPIdAnticlie);
    p.Field("TAntiprov", &Tfdmcja::TAntiprov);
    p.Field("DAntiprov", &Tfdmcja::DAntiprov);
    p.Field("SPIdAntiprov", &Tfdmcja::SPIdAntiprov);
    p.Field("TCambiodoc", &Tfdmcja::TCambiodoc);
    p.Field("DCambiodoc", &Tfdmcja::DCambiodoc);
    p.Field("TCambioent", &Tfdmcja::TCambioent);
    p.Field("TCambiosal", &Tfdmcja::TCambiosal);
    p.Field("SPIdCambiodoc", &Tfdmcja::SPIdCambiodoc);
    p.Field("TReciprov", &Tfdmcja::TReciprov);
    p.Field("DReciprov", &Tfdmcja::DReciprov);
    p.Field("TReciprovdet", &Tfdmcja::TReciprovdet);
    p.Field("TReciprovpago", &Tfdmcja::TReciprovpago);
    p.Field("SPIdReciprov", &Tfdmcja::SPIdReciprov);
    p.Field("TTrascaja", &Tfdmcja::TTrascaja);
    p.Field("DTrascaja", &Tfdmcja::DTrascaja);
    p.Field("TTrascajadet", &Tfdmcja::TTrascajadet);
    p.Field("SPIdTrascaja", &Tfdmcja::SPIdTrascaja);
    p.Field("TConsignatar", &Tfdmcja::TConsignatar);
    p.Field("DConsignatar", &Tfdmcja::DConsignatar);
    p.Field("TConsignatardet", &Tfdmcja::TConsignatardet);
    p.Field("SPIdConsignatar", &Tfdmcja::SPIdConsignatar);
    p.Field("TConsolfp", &Tfdmcja::TConsolfp);
    p.Field("DConsolfp", &Tfdmcja::DConsolfp);
    p.Field("SPIdConsolfp", &Tfdmcja::SPIdConsolfp);
    p.Field("TTarjetas", &Tfdmcja::TTarjetas);
    p.Field("TClaseegreso", &Tfdmcja::TClaseegreso);
    p.Field("TCajas", &Tfdmcja::TCajas);
    p.Field("QConsolfp", &Tfdmcja::QConsolfp);
    p.Field("PConsolfp", &Tfdmcja::PConsolfp);
    p.Field("CConsolfp", &Tfdmcja::CConsolfp);
}

void Tfdmcja::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    enlace_consulta(QSaldoef, PSaldoef, CSaldoef, tallyvo);
    enlace_consulta(QDocencaja, PDocencaja, CDocencaja, tallyvo);
    enlace_consulta(QBorrar, PBorrar, CBorrar, tallyvo);
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contardc = enlace_cadena(QContardc, PContardc, CContardc);
    contaegr = enlace_cadena(QContaegr, PContaegr, CContaegr);
    contacons = enlace_cadena(QContacons, PContacons, CContacons);
    contarprov = enlace_cadena(QContarprov, PContarprov, CContarprov);
    contatrcj = enlace_cadena(QContatrcj, PContatrcj, CContatrcj);
    contacaja = enlace_cadena(QContacaja, PContacaja, CContacaja);
    enlace_documentos({
        {TRecibo, DRecibo, "RECIBOS_CAJA", "RECA_ID", {{TRecipago, "RECIBOS_CAJA_PAGO"}, {TRecidetalle, "RECIBOS_CAJA_DETALLE"}, {TRecicrucec, "RECIBOS_CAJA_CRUCEC"}}, SPIdRecibo, "CAMBIE_ID_RECICAJA"},
        {TEgreso, DEgreso, "EGRESOS", "EGRE_ID", {{TEgredetalle, "EGRESOS_DETALLE"}, {TEgrecaja, "EGRESOS_CAJA"}, {TEgreconta, "EGRESOS_CONTABILIDAD"}, {TEgrebanco, "EGRESOS_BANCO"}, {TEgrecrucec, "EGRESOS_CRUCEC"}}, SPIdEgreso, "CAMBIE_ID_EGRESO"},
        {TAnticlie, DAnticlie, "ANTICIPOS_CLIENTE", "ANCL_ID", {}, SPIdAnticlie, "CAMBIE_ID_ANTICLIE"},
        {TAntiprov, DAntiprov, "ANTICIPOS_PROVEEDOR", "ANPR_ID", {}, SPIdAntiprov, "CAMBIE_ID_ANTIPROV"},
        {TCambiodoc, DCambiodoc, "CAMBIO_DOCUMENTOS", "CADO_ID", {{TCambioent, "CAMBIODOC_ENTRADAS"}, {TCambiosal, "CAMBIODOC_SALIDAS"}}, SPIdCambiodoc, "CAMBIE_ID_CAMBDOCU"},
        {TReciprov, DReciprov, "RECIBO_PROVISIONAL", "RCPR_ID", {{TReciprovdet, "RECIBO_PROVISIONAL_DETALLE"}, {TReciprovpago, "RECIBO_PROVISIONAL_PAGO"}}, SPIdReciprov, "CAMBIE_ID_RECIPROV"},
        {TTrascaja, DTrascaja, "TRASLADOS_CAJA", "TRCJ_ID", {{TTrascajadet, "TRASLADOS_CAJA_DET"}}, SPIdTrascaja, "CAMBIE_ID_TRASLACAJA"},
        {TConsignatar, DConsignatar, "CONSIGNA_TARJETAS", "COTJ_ID", {{TConsignatardet, "CONSIGNA_TARJETAS_DET"}}, SPIdConsignatar, "CAMBIE_ID_CONSIGNATAR"},
        {TConsolfp, DConsolfp, "CONSOLIDE_FORMASP", "COFP_ID", {}, SPIdConsolfp, "CAMBIE_ID_CONSOLFP"},
    });
    enlace_tablas({
        {TTarjetas, "SELECT * FROM TARJETAS"},
        {TClaseegreso, "SELECT * FROM CLASE_EGRESO"},
        {TCajas, "SELECT * FROM CAJAS"},
    });
    enlace_consulta(QConsolfp, PConsolfp, CConsolfp, tallyvo, false, "SELECT * FROM CONSOLIDE_FORMASP");
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
