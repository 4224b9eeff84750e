#include "app/data/dmbnc.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdmbnc* fdmbnc = nullptr;

namespace {

struct TDocumentoBanco {
    int tipo;
    const char* tabla;
    const char* id;
    const char* numero;
    std::string Tfdmbnc::*hallado;
};

const TDocumentoBanco kDocumentos[] = {
    {71, "consigna", "cons_id", "cons_numero", &Tfdmbnc::id_cons},
    {72, "cheques", "cheq_id", "cheq_numero", &Tfdmbnc::id_cheq},
    {73, "retiros", "reti_id", "reti_numero", &Tfdmbnc::id_reti},
    {74, "notas_debito", "ndbc_id", "ndbc_numero", &Tfdmbnc::id_ndbc},
    {75, "notas_credito", "ncbc_id", "ncbc_numero", &Tfdmbnc::id_ncbc},
    {76, "traslados", "tras_id", "tras_numero", &Tfdmbnc::id_tras},
    {77, "devolucion_cheques", "dvch_id", "dvch_numdoc", &Tfdmbnc::id_dvch},
};

const TDocumentoBanco* Documento(int tipo) {
    for (const TDocumentoBanco& d : kDocumentos)
        if (d.tipo == tipo) return &d;
    return nullptr;
}

void Ejecute(TSQLQuery* q, const std::string& sql) {
    q->Close();
    q->SQL().SetText(sql);
    q->ExecSQL();
}

} // namespace

Tfdmbnc::Tfdmbnc(TComponent* owner) : TDataModule(owner) {
    fdmbnc = this;
}

Tfdmbnc::~Tfdmbnc() {
    DestroyComponents();
    if (fdmbnc == this) fdmbnc = nullptr;
}

void Tfdmbnc::Publish(TPublisher& p) {
    p.Field("qborrar", &Tfdmbnc::qborrar);
    p.Field("PBorrar", &Tfdmbnc::PBorrar);
    p.Field("CBorrar", &Tfdmbnc::CBorrar);
    p.Field("QValida", &Tfdmbnc::QValida);
    p.Field("QInterfaces", &Tfdmbnc::QInterfaces);
    p.Field("PInterfaces", &Tfdmbnc::PInterfaces);
    p.Field("CInterfaces", &Tfdmbnc::CInterfaces);
    p.Field("DInterfaces", &Tfdmbnc::DInterfaces);
    p.Field("SContaBanco", &Tfdmbnc::SContaBanco);
    p.Field("PContabanco", &Tfdmbnc::PContabanco);
    p.Field("Ccontabanco", &Tfdmbnc::Ccontabanco);
    p.Field("TConsigna", &Tfdmbnc::TConsigna);
    p.Field("DConsigna", &Tfdmbnc::DConsigna);
    p.Field("TConsdetalle", &Tfdmbnc::TConsdetalle);
    p.Field("SPIdConsigna", &Tfdmbnc::SPIdConsigna);
    p.Field("TCheque", &Tfdmbnc::TCheque);
    p.Field("DCheque", &Tfdmbnc::DCheque);
    p.Field("SPIdCheque", &Tfdmbnc::SPIdCheque);
    p.Field("TRetiro", &Tfdmbnc::TRetiro);
    p.Field("DRetiro", &Tfdmbnc::DRetiro);
    p.Field("SPIdRetiro", &Tfdmbnc::SPIdRetiro);
    p.Field("TNotadb", &Tfdmbnc::TNotadb);
    p.Field("DNotadb", &Tfdmbnc::DNotadb);
    p.Field("SPIdNotadb", &Tfdmbnc::SPIdNotadb);
    p.Field("TNotacr", &Tfdmbnc::TNotacr);
    p.Field("DNotacr", &Tfdmbnc::DNotacr);
    p.Field("SPIdNotacr", &Tfdmbnc::SPIdNotacr);
    p.Field("TTraslado", &Tfdmbnc::TTraslado);
    p.Field("DTraslado", &Tfdmbnc::DTraslado);
    p.Field("SPIdTraslado", &Tfdmbnc::SPIdTraslado);
    p.Field("TDevcheque", &Tfdmbnc::TDevcheque);
    p.Field("DDevcheque", &Tfdmbnc::DDevcheque);
    p.Field("SPIdDevcheque", &Tfdmbnc::SPIdDevcheque);
    p.Field("TConciliacion", &Tfdmbnc::TConciliacion);
    p.Field("DConciliacion", &Tfdmbnc::DConciliacion);
    p.Field("TConcilbanco", &Tfdmbnc::TConcilbanco);
    p.Field("SPIdConciliacion", &Tfdmbnc::SPIdConciliacion);
    p.Field("SPIdCuentabanco", &Tfdmbnc::SPIdCuentabanco);
    p.Field("SContaretiro", &Tfdmbnc::SContaretiro);
    p.Field("SContatrascuenta", &Tfdmbnc::SContatrascuenta);
    p.Field("SConciliabanco", &Tfdmbnc::SConciliabanco);
    p.Field("TBancos", &Tfdmbnc::TBancos);
    p.Field("TTipodoc", &Tfdmbnc::TTipodoc);
    p.Field("DTipodoc", &Tfdmbnc::DTipodoc);
    p.Field("TPrefbancos", &Tfdmbnc::TPrefbancos);
    p.Field("TOperaciones", &Tfdmbnc::TOperaciones);
    p.Field("TCuentasbanco", &Tfdmbnc::TCuentasbanco);
}

void Tfdmbnc::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    qborrar->SetSQLConnection(tallyvo);
    QValida->SetSQLConnection(tallyvo);
    enlace_cadena(qborrar, PBorrar, CBorrar);
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contabanco = enlace_cadena(SContaBanco, PContabanco, Ccontabanco);
    enlace_documentos({
        {TConsigna, DConsigna, "CONSIGNA", "CONS_ID", {{TConsdetalle, "CONSIGNA_DETALLE"}}, SPIdConsigna, "CAMBIE_ID_CONSIGNA"},
        {TCheque, DCheque, "CHEQUES", "CHEQ_ID", {}, SPIdCheque, "CAMBIE_ID_CHEQUE"},
        {TRetiro, DRetiro, "RETIROS", "RETI_ID", {}, SPIdRetiro, "CAMBIE_ID_RETIRO"},
        {TNotadb, DNotadb, "NOTAS_DEBITO", "NDBC_ID", {}, SPIdNotadb, "CAMBIE_ID_NOTA_DB_BANCO"},
        {TNotacr, DNotacr, "NOTAS_CREDITO", "NCBC_ID", {}, SPIdNotacr, "CAMBIE_ID_NOTA_CR_BANCO"},
        {TTraslado, DTraslado, "TRASLADOS", "TRAS_ID", {}, SPIdTraslado, "CAMBIE_ID_TRASLADO"},
        {TDevcheque, DDevcheque, "DEVOLUCION_CHEQUES", "DVCH_ID", {}, SPIdDevcheque, "CAMBIE_ID_DEV_CHEQUES"},
        {TConciliacion, DConciliacion, "CONCILIACION_ENCABEZADO", "COBN_ID", {{TConcilbanco, "CONCILIACION_BANCARIA"}}, SPIdConciliacion, "CAMBIE_ID_CONCILIAB"},
    });
    enlace_procedimientos({
        {SPIdCuentabanco, "CAMBIE_ID_CUENTA_BANCO"},
        {SContaretiro, "CONTABIL_RETIRO"},
        {SContatrascuenta, "CONTABIL_TRASCUENTA"},
        {SConciliabanco, "CONCILIA_BANCO"},
    });
    enlace_tablas({
        {TBancos, "SELECT * FROM BANCOS"},
        {TTipodoc, "SELECT * FROM TIPO_DOCUMENTO"},
        {TPrefbancos, "SELECT * FROM PREFIJOS_BANCOS WHERE TIDO_COD = :TIDO_COD", DTipodoc},
        {TOperaciones, "SELECT * FROM CONCILIACION_OPERACIONES"},
        {TCuentasbanco, "SELECT * FROM CUENTAS_BANCO ORDER BY CUBA_CODCTA"},
    });
}

bool Tfdmbnc::DevolucionesPorCuenta() {
    return fdm->configuracion("BANCOS", "DEVOLUCIONES", "CONSECUTIVOS POR CUENTA") == "SI";
}

void Tfdmbnc::VacieHallados() {
    for (const TDocumentoBanco& d : kDocumentos) (this->*d.hallado).clear();
}

void Tfdmbnc::registre_prefijoBnco(int tipo, int cuenta) {
    if (tipo == 77 && !DevolucionesPorCuenta()) {
        fdm->registre_prefijo(tipo);
        return;
    }
    // The row is created once: the numbering of an account keeps its consecutive.
    std::string clave = "tido_cod = " + IntToStr(tipo) + " and cuba_cod = " + IntToStr(cuenta) +
                        " and prba_pref = '0000'";
    qborrar->Close();
    qborrar->SQL().SetText("select prba_numero from prefijos_bancos where " + clave);
    qborrar->Open();
    bool hay = !qborrar->IsEmpty();
    qborrar->Close();
    if (!hay)
        Ejecute(qborrar, "insert into prefijos_bancos (tido_cod, cuba_cod, prba_pref, prba_auto, prba_numero) values (" +
                             IntToStr(tipo) + "," + IntToStr(cuenta) + ", '0000', 'N', '000001')");
}

bool Tfdmbnc::existe_numerobco(int tipo, const std::string& cuenta, const std::string& prefijo,
                               const std::string& numero) {
    if (numero.empty()) return false;
    const TDocumentoBanco* d = Documento(tipo);
    int codigo_cuenta = 0;
    // An account that is no number names no bank account and goes into no SQL.
    if (!d || !TryStrToInt(Trim(cuenta), codigo_cuenta)) return false;
    std::string completo;
    fdm->complete_numero(numero, completo);
    qborrar->Close();
    qborrar->SQL().SetText(std::string("select ") + d->id + " from " + d->tabla + " where cuba_cod = " +
                           IntToStr(codigo_cuenta) + " and prba_pref = " + sql_texto(prefijo) + " and " + d->numero +
                           " = " + sql_texto(completo));
    qborrar->Open();
    bool existe = !qborrar->IsEmpty();
    this->*d->hallado = existe ? qborrar->Fields()[0]->AsString() : std::string();
    qborrar->Close();
    return existe;
}

bool Tfdmbnc::valide_numerobnco(int tipo, const std::string& cuenta, const std::string& prefijo, TField* campo,
                                const std::string& propuesto) {
    std::string tecleado = campo->AsString();
    if (tecleado.empty()) return true;
    VacieHallados();
    if (!existe_numerobco(tipo, cuenta, prefijo, tecleado)) return true;
    if (tecleado != propuesto) {
        if (confirme("Documento " + tecleado + " previamente registrado. Consultar?")) return true;
        VacieHallados();
        return false;
    }
    std::string siguiente = propuesto;
    do {
        fdm->complete_numero(IntToStr(StrToInt64(siguiente) + 1), siguiente);
        Ejecute(QValida, "update prefijos_bancos set prba_numero = " + sql_texto(siguiente) +
                             " where tido_cod = " + IntToStr(tipo) + " and cuba_cod = " + IntToStr(StrToInt(Trim(cuenta))) +
                             " and prba_pref = " + sql_texto(prefijo));
    } while (existe_numerobco(tipo, cuenta, prefijo, siguiente));
    campo->SetAsString(siguiente);
    return true;
}

int Tfdmbnc::abre_interfaz(int tipo, int cuenta, const std::string& prefijo, bool preguntar) {
    std::string sql = consulta_interfaces("INTERFAZ_BANCOS", "INBA", tipo);
    if (tipo != 77 || DevolucionesPorCuenta()) sql += " and cuba_cod = " + IntToStr(cuenta);
    return escoja_interfaz(this, CInterfaces, DInterfaces, sql + " and pref_pre = " + sql_texto(prefijo), preguntar);
}

int Tfdmbnc::contabilice_consigna(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_CONSIGNA", 71, id, interfaz);
}
int Tfdmbnc::contabilice_cheque(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "contabil_cheque", 72, id, interfaz);
}
int Tfdmbnc::contabilice_retiro(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_RETIRO", 73, id, interfaz);
}
int Tfdmbnc::contabilice_notadebito(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_NOTADBBC", 74, id, interfaz);
}
int Tfdmbnc::contabilice_notacredito(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_NOTACRBC", 75, id, interfaz);
}
int Tfdmbnc::contabilice_traslacuenta(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_TRASCUENTA", 76, id, interfaz);
}
int Tfdmbnc::contabilice_devolcheq(int id, int interfaz) {
    return contabilice_documento(contabanco, CBorrar, "CONTABIL_DEVOLCHEQ", 77, id, interfaz);
}

} // namespace tv::app
