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
const TCuentasTerceros::TReglas kCartera{"busca_id_doc_cartera", false, "saldo_doc_cartera", 45,
                                         "select reca_id from anticipos_cliente where ancl_id = ",
                                         "INTERFAZ_CARTERA", "INCA", "contabil_notadbcl", "contabil_notacrcl",
                                         "contabil_aplicacl", 41};
}

Tfdmcar::Tfdmcar(TComponent* owner) : TCuentasTerceros(owner) {
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
    EnlaceLibro(kCartera, {QValidedoccar, PValidedoccar, CValidedoccar}, {QSaldodoc, PSaldodoc, CSaldodoc},
                {QBorrar, PBorrar, CBorrar}, {QInterfaces, PInterfaces, CInterfaces}, DInterfaces, fdm->CBorrar,
                {QContand, PContand, CContand}, {QContanc, PContanc, CContanc}, {QContaapl, PContaapl, CContaapl});
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

bool Tfdmcar::valide_doc_cartera(const std::string& nit, int tipo, const std::string& prefijo,
                                 const std::string& numero, TDateTime fecha, TField* campo_id, TField* campo_rtfte,
                                 TField* campo_rtiva, TField* campo_rtica, TField* campo_dtof, TField* campo_saldo,
                                 TField* campo_texto) {
    TDocumentoHallado d = valide_documento(nit, tipo, prefijo, numero, fecha, campo_id, campo_rtfte, campo_rtiva,
                                           campo_rtica, campo_dtof, campo_saldo);
    if (!d.valido()) return false;
    abra(CBorrar, "select mvcl_sucursal from movimiento_clientes where mvcl_tiporef = " + IntToStr(tipo) +
                      " and mvcl_idref = " + IntToStr(d.id));
    if (!CBorrar->IsEmpty()) campo_texto->SetAsString(CBorrar->Fields()[0]->AsString());
    CBorrar->Close();
    return true;
}

Currency Tfdmcar::saldo_doc_cartera(int tipo, int id, TDateTime fecha) { return saldo_libro(tipo, id, fecha); }

int Tfdmcar::contabilice_aplica(int id, int interfaz) { return contabilice_aplicacion(id, interfaz); }

} // namespace tv::app
