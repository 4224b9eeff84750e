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

void Tfdmbnc::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    qborrar = componente<TSQLQuery>(this, "qborrar");
    qborrar->SetSQLConnection(tallyvo);
    QValida = componente<TSQLQuery>(this, "QValida");
    QValida->SetSQLConnection(tallyvo);
    CBorrar = enlace_cadena(this, "qborrar", "PBorrar", "CBorrar").resultado;
    CInterfaces = enlace_consulta(this, "Interfaces", tallyvo);
    DInterfaces = componente<TDataSource>(this, "DInterfaces");
    DInterfaces->SetDataSet(CInterfaces);
    contabanco = enlace_cadena(this, "SContaBanco", "PContabanco", "Ccontabanco");
    enlace_documentos(this);
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
