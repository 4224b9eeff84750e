#include "app/data/dmcar.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/dmcar_documentos.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdmcar* fdmcar = nullptr;

namespace {
const char* const kAnticipo = "select reca_id from anticipos_cliente where ancl_id = ";
}

Tfdmcar::Tfdmcar(TComponent* owner) : TDataModule(owner) {
    fdmcar = this;
}

Tfdmcar::~Tfdmcar() {
    DestroyComponents();
    if (fdmcar == this) fdmcar = nullptr;
}

void Tfdmcar::Publish(TPublisher& p) {
    p.Field("QValidedoccar", &Tfdmcar::QValidedoccar);
    p.Field("PValidedoccar", &Tfdmcar::PValidedoccar);
    p.Field("CValidedoccar", &Tfdmcar::CValidedoccar);
    p.Field("QSaldodoc", &Tfdmcar::QSaldodoc);
    p.Field("PSaldodoc", &Tfdmcar::PSaldodoc);
    p.Field("CSaldodoc", &Tfdmcar::CSaldodoc);
    p.Field("QBorrar", &Tfdmcar::QBorrar);
    p.Field("PBorrar", &Tfdmcar::PBorrar);
    p.Field("CBorrar", &Tfdmcar::CBorrar);
    p.Field("QInterfaces", &Tfdmcar::QInterfaces);
    p.Field("PInterfaces", &Tfdmcar::PInterfaces);
    p.Field("CInterfaces", &Tfdmcar::CInterfaces);
    p.Field("DInterfaces", &Tfdmcar::DInterfaces);
    p.Field("QContand", &Tfdmcar::QContand);
    p.Field("PContand", &Tfdmcar::PContand);
    p.Field("CContand", &Tfdmcar::CContand);
    p.Field("QContanc", &Tfdmcar::QContanc);
    p.Field("PContanc", &Tfdmcar::PContanc);
    p.Field("CContanc", &Tfdmcar::CContanc);
    p.Field("QContaapl", &Tfdmcar::QContaapl);
    p.Field("PContaapl", &Tfdmcar::PContaapl);
    p.Field("CContaapl", &Tfdmcar::CContaapl);
    p.Field("TNotadbcl", &Tfdmcar::TNotadbcl);
    p.Field("DNotadbcl", &Tfdmcar::DNotadbcl);
    p.Field("SPIdNotadbcl", &Tfdmcar::SPIdNotadbcl);
    p.Field("TNotacrcl", &Tfdmcar::TNotacrcl);
    p.Field("DNotacrcl", &Tfdmcar::DNotacrcl);
    p.Field("SPIdNotacrcl", &Tfdmcar::SPIdNotacrcl);
    p.Field("TAnticlie", &Tfdmcar::TAnticlie);
    p.Field("DAnticlie", &Tfdmcar::DAnticlie);
    p.Field("SPIdAnticlie", &Tfdmcar::SPIdAnticlie);
    p.Field("TAplicl", &Tfdmcar::TAplicl);
    p.Field("DAplicl", &Tfdmcar::DAplicl);
    p.Field("TApcldetalle", &Tfdmcar::TApcldetalle);
    p.Field("SPIdAplicl", &Tfdmcar::SPIdAplicl);
    p.Field("SPIdPagoclie", &Tfdmcar::SPIdPagoclie);
    p.Field("SImprpagoclie", &Tfdmcar::SImprpagoclie);
    p.Field("SImpraplicl", &Tfdmcar::SImpraplicl);
    p.Field("SBuscaiddoc", &Tfdmcar::SBuscaiddoc);
    p.Field("TGrupocartera", &Tfdmcar::TGrupocartera);
    p.Field("TComisiones", &Tfdmcar::TComisiones);
}

void Tfdmcar::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    enlace_consulta(QValidedoccar, PValidedoccar, CValidedoccar, tallyvo);
    enlace_consulta(QSaldodoc, PSaldodoc, CSaldodoc, tallyvo);
    enlace_consulta(QBorrar, PBorrar, CBorrar, tallyvo);
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contand = enlace_cadena(QContand, PContand, CContand);
    contanc = enlace_cadena(QContanc, PContanc, CContanc);
    contaapl = enlace_cadena(QContaapl, PContaapl, CContaapl);
    fdm->ConfigurarProviders(this);
    enlace_documentos({
        {TNotadbcl, DNotadbcl, "NOTAS_DEBITO_CLIENTES", "NDCL_ID", {}, SPIdNotadbcl, "CAMBIE_ID_NOTADBCLIE"},
        {TNotacrcl, DNotacrcl, "NOTAS_CREDITO_CLIENTES", "NCCL_ID", {}, SPIdNotacrcl, "CAMBIE_ID_NOTACRCLIE"},
        {TAnticlie, DAnticlie, "ANTICIPOS_CLIENTE", "ANCL_ID", {}, SPIdAnticlie, "CAMBIE_ID_ANTICLIE"},
        {TAplicl, DAplicl, "APLICACION_CLIENTE", "APCL_ID", {{TApcldetalle, "APLICACION_CLIENTE_DETALLE"}}, SPIdAplicl, "CAMBIE_ID_APLICLIE"},
    });
    enlace_procedimientos({
        {SPIdPagoclie, "CAMBIE_ID_PAGOCLIE"},
        {SImprpagoclie, "IMPR_PAGOCLIE"},
        {SImpraplicl, "IMPR_APLICLIE"},
        {SBuscaiddoc, "BUSCA_ID_DOC_CARTERA"},
    });
    enlace_tablas({{TGrupocartera, "SELECT * FROM GRUPO_CARTERA"}, {TComisiones, "SELECT * FROM COMISIONES_PUNTOS"}});
}

int Tfdmcar::id_doc(int tipo, const std::string& prefijo, const std::string& numero, const std::string& nit,
                    TDateTime fecha) {
    return busque_documento(CValidedoccar, "busca_id_doc_cartera", tipo, prefijo, numero, nit, fecha, false)
        .tome(saldo_doc, rtfte_doc, rtiva_doc, rtica_doc);
}

bool Tfdmcar::valide_doc_cartera(const std::string& nit, int tipo, const std::string& prefijo,
                                 const std::string& numero, TDateTime fecha, TField* campo_id, TField* campo_rtfte,
                                 TField* campo_rtiva, TField* campo_rtica, TField* campo_dtof, TField* campo_saldo,
                                 TField* campo_texto) {
    TDocumentoHallado d =
        busque_documento(CValidedoccar, "busca_id_doc_cartera", tipo, prefijo, numero, nit, fecha, false);
    if (!d.valido()) {
        d.rechace(campo_id, {campo_rtfte, campo_rtiva, campo_rtica, campo_dtof, campo_saldo});
        return false;
    }
    campo_id->SetAsInteger(d.id);
    if (tipo == 45) {
        // An advance that came from no cash receipt carries its amounts reversed.
        bool al_reves =
            origen_anticipo(CBorrar, kAnticipo + IntToStr(d.id)) == TOrigenAnticipo::oaSinDocumento;
        auto monto = [al_reves](Currency v) { return al_reves ? -v : v; };
        campo_rtfte->SetAsCurrency(monto(d.rtfte));
        campo_rtiva->SetAsCurrency(monto(d.rtiva));
        campo_rtica->SetAsCurrency(monto(d.rtica));
        campo_dtof->SetAsCurrency(monto(d.dtof));
        campo_saldo->SetAsCurrency(monto(d.saldo));
    } else {
        campo_saldo->SetAsCurrency(d.saldo);
        campo_dtof->SetAsCurrency(d.dtof);
        campo_rtfte->SetAsCurrency(d.rtfte);
        campo_rtiva->SetAsCurrency(d.rtiva);
        campo_rtica->SetAsCurrency(d.rtica);
    }
    abra(CBorrar, "select mvcl_sucursal from movimiento_clientes where mvcl_tiporef = " + IntToStr(tipo) +
                      " and mvcl_idref = " + IntToStr(d.id));
    if (!CBorrar->IsEmpty()) campo_texto->SetAsString(CBorrar->Fields()[0]->AsString());
    CBorrar->Close();
    return true;
}

Currency Tfdmcar::saldo_doc_cartera(int tipo, int id, TDateTime fecha) {
    return saldo_documento(CSaldodoc, CBorrar, "saldo_doc_cartera", tipo, id, fecha, 45, kAnticipo);
}

int Tfdmcar::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_CARTERA", "INCA", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int Tfdmcar::contabilice_notadb(int id, int interfaz) {
    return contabilice_documento(contand, fdm->CBorrar, "contabil_notadbcl", 41, id, interfaz);
}
int Tfdmcar::contabilice_notacr(int id, int interfaz) {
    return contabilice_documento(contanc, fdm->CBorrar, "contabil_notacrcl", 42, id, interfaz);
}
int Tfdmcar::contabilice_aplica(int id, int interfaz) {
    return contabilice_documento(contaapl, fdm->CBorrar, "contabil_aplicacl", 43, id, interfaz);
}

} // namespace tv::app
