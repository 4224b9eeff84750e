#include "app/data/dmcxp.h"

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

Tfdmcxp* fdmcxp = nullptr;

namespace {
const TCuentasTerceros::TReglas kCuentasPorPagar{"busca_id_doc_cxpagar", true, "saldo_doc_cxpagar", 55,
                                                 "select egre_id from anticipos_proveedor where anpr_id = ",
                                                 "INTERFAZ_CXPAGAR", "INCP", "contabil_notadbpr",
                                                 "contabil_notacrpr", "contabil_aplicapr", 51};
}

Tfdmcxp::Tfdmcxp(TComponent* owner) : TCuentasTerceros(owner) {
    fdmcxp = this;
}

Tfdmcxp::~Tfdmcxp() {
    DestroyComponents();
    if (fdmcxp == this) fdmcxp = nullptr;
}

void Tfdmcxp::Publish(TPublisher& p) {
    p.Field("QValidedoccxp", &Tfdmcxp::QValidedoccxp);
    p.Field("PValidedoccxp", &Tfdmcxp::PValidedoccxp);
    p.Field("CValidedoccxp", &Tfdmcxp::CValidedoccxp);
    p.Field("QSaldodocx", &Tfdmcxp::QSaldodocx);
    p.Field("PSaldodocx", &Tfdmcxp::PSaldodocx);
    p.Field("CSaldodocx", &Tfdmcxp::CSaldodocx);
    p.Field("QBorrar", &Tfdmcxp::QBorrar);
    p.Field("PBorrar", &Tfdmcxp::PBorrar);
    p.Field("CBorrar", &Tfdmcxp::CBorrar);
    p.Field("QInterfaces", &Tfdmcxp::QInterfaces);
    p.Field("PInterfaces", &Tfdmcxp::PInterfaces);
    p.Field("CInterfaces", &Tfdmcxp::CInterfaces);
    p.Field("DInterfaces", &Tfdmcxp::DInterfaces);
    p.Field("QContanotdb", &Tfdmcxp::QContanotdb);
    p.Field("PContanotdb", &Tfdmcxp::PContanotdb);
    p.Field("CContanotdb", &Tfdmcxp::CContanotdb);
    p.Field("QContanotcr", &Tfdmcxp::QContanotcr);
    p.Field("PContanotcr", &Tfdmcxp::PContanotcr);
    p.Field("CContanotcr", &Tfdmcxp::CContanotcr);
    p.Field("QContaaplica", &Tfdmcxp::QContaaplica);
    p.Field("PContaaplica", &Tfdmcxp::PContaaplica);
    p.Field("CContaaplica", &Tfdmcxp::CContaaplica);
    p.Field("TNotadbpr", &Tfdmcxp::TNotadbpr);
    p.Field("DNotadbpr", &Tfdmcxp::DNotadbpr);
    p.Field("SPIdNotadbpr", &Tfdmcxp::SPIdNotadbpr);
    p.Field("TNotacrpr", &Tfdmcxp::TNotacrpr);
    p.Field("DNotacrpr", &Tfdmcxp::DNotacrpr);
    p.Field("SPIdNotacrpr", &Tfdmcxp::SPIdNotacrpr);
    p.Field("TAntiprov", &Tfdmcxp::TAntiprov);
    p.Field("DAntiprov", &Tfdmcxp::DAntiprov);
    p.Field("TApliprov", &Tfdmcxp::TApliprov);
    p.Field("DApliprov", &Tfdmcxp::DApliprov);
    p.Field("TApprdetalle", &Tfdmcxp::TApprdetalle);
    p.Field("SPIdApliprov", &Tfdmcxp::SPIdApliprov);
    p.Field("SContanotacr", &Tfdmcxp::SContanotacr);
}

void Tfdmcxp::Loaded() {
    TDataModule::Loaded();
    EnlaceLibro(kCuentasPorPagar, {QValidedoccxp, PValidedoccxp, CValidedoccxp}, {QSaldodocx, PSaldodocx, CSaldodocx},
                {QBorrar, PBorrar, CBorrar}, {QInterfaces, PInterfaces, CInterfaces}, DInterfaces, CBorrar,
                {QContanotdb, PContanotdb, CContanotdb}, {QContanotcr, PContanotcr, CContanotcr},
                {QContaaplica, PContaaplica, CContaaplica});
    enlace_documentos({
        {TNotadbpr, DNotadbpr, "NOTAS_DEBITO_PROVEEDOR", "NDPR_ID", {}, SPIdNotadbpr, "CAMBIE_ID_NOTADBPROV"},
        {TNotacrpr, DNotacrpr, "NOTAS_CREDITO_PROVEEDOR", "NCPR_ID", {}, SPIdNotacrpr, "CAMBIE_ID_NOTACRPROV"},
        {TAntiprov, DAntiprov, "ANTICIPOS_PROVEEDOR", "ANPR_ID", {}, nullptr, nullptr},
        {TApliprov, DApliprov, "APLICACION_PROVEDOR", "APPR_ID", {{TApprdetalle, "APLICACION_PROVEEDOR_DETALLE"}}, SPIdApliprov, "CAMBIE_ID_APLIPROV", "4"},
    });
    enlace_procedimientos({{SContanotacr, "CONTABIL_NOTACRPR"}});
}

bool Tfdmcxp::valide_doc_cxpagar(const std::string& nit, int tipo, const std::string& prefijo,
                                 const std::string& numero, TDateTime fecha, TField* campo_id, TField* campo_rtfte,
                                 TField* campo_rtiva, TField* campo_rtica, TField* campo_dtof, TField* campo_saldo,
                                 TField* campo_texto) {
    TDocumentoHallado d = valide_documento(nit, tipo, prefijo, numero, fecha, campo_id, campo_rtfte, campo_rtiva,
                                           campo_rtica, campo_dtof, campo_saldo);
    campo_texto->SetAsString(d.valido() ? d.numprov : std::string());
    return d.valido();
}

Currency Tfdmcxp::saldo_doc_cxpagar(int tipo, int id, TDateTime fecha) { return saldo_libro(tipo, id, fecha); }

int Tfdmcxp::contabilice_aplicapr(int id, int interfaz) { return contabilice_aplicacion(id, interfaz); }

} // namespace tv::app
