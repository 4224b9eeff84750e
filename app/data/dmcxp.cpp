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
const char* const kAnticipo = "select egre_id from anticipos_proveedor where anpr_id = ";
}

Tfdmcxp::Tfdmcxp(TComponent* owner) : TDataModule(owner) {
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
    TSQLConnection* tallyvo = fdm->Tallyvo;
    enlace_consulta(QValidedoccxp, PValidedoccxp, CValidedoccxp, tallyvo);
    enlace_consulta(QSaldodocx, PSaldodocx, CSaldodocx, tallyvo);
    enlace_consulta(QBorrar, PBorrar, CBorrar, tallyvo);
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contanotdb = enlace_cadena(QContanotdb, PContanotdb, CContanotdb);
    contanotcr = enlace_cadena(QContanotcr, PContanotcr, CContanotcr);
    contaaplica = enlace_cadena(QContaaplica, PContaaplica, CContaaplica);
    enlace_documentos({
        {TNotadbpr, DNotadbpr, "NOTAS_DEBITO_PROVEEDOR", "NDPR_ID", {}, SPIdNotadbpr, "CAMBIE_ID_NOTADBPROV"},
        {TNotacrpr, DNotacrpr, "NOTAS_CREDITO_PROVEEDOR", "NCPR_ID", {}, SPIdNotacrpr, "CAMBIE_ID_NOTACRPROV"},
        {TAntiprov, DAntiprov, "ANTICIPOS_PROVEEDOR", "ANPR_ID", {}, nullptr, nullptr},
        {TApliprov, DApliprov, "APLICACION_PROVEDOR", "APPR_ID", {{TApprdetalle, "APLICACION_PROVEEDOR_DETALLE"}}, SPIdApliprov, "CAMBIE_ID_APLIPROV", "4"},
    });
    enlace_procedimientos({{SContanotacr, "CONTABIL_NOTACRPR"}});
}

int Tfdmcxp::id_doc(int tipo, const std::string& prefijo, const std::string& numero, const std::string& nit,
                    TDateTime fecha) {
    return busque_documento(CValidedoccxp, "busca_id_doc_cxpagar", tipo, prefijo, numero, nit, fecha, true)
        .tome(saldo_doc, rtfte_doc, rtiva_doc, rtica_doc);
}

bool Tfdmcxp::valide_doc_cxpagar(const std::string& nit, int tipo, const std::string& prefijo,
                                 const std::string& numero, TDateTime fecha, TField* campo_id, TField* campo_rtfte,
                                 TField* campo_rtiva, TField* campo_rtica, TField* campo_dtof, TField* campo_saldo,
                                 TField* campo_texto) {
    TDocumentoHallado d =
        busque_documento(CValidedoccxp, "busca_id_doc_cxpagar", tipo, prefijo, numero, nit, fecha, true);
    if (!d.valido()) {
        d.rechace(campo_id, {campo_rtfte, campo_rtiva, campo_rtica, campo_dtof, campo_saldo});
        campo_texto->SetAsString("");
        return false;
    }
    // An advance that came from no cash document carries its amounts reversed.
    bool al_reves = tipo == 55 && origen_anticipo(CBorrar, kAnticipo + IntToStr(d.id)) ==
                                      TOrigenAnticipo::oaSinDocumento;
    auto monto = [al_reves](Currency v) { return al_reves ? -v : v; };
    campo_rtfte->SetAsCurrency(monto(d.rtfte));
    campo_rtiva->SetAsCurrency(monto(d.rtiva));
    campo_rtica->SetAsCurrency(monto(d.rtica));
    campo_dtof->SetAsCurrency(monto(d.dtof));
    campo_saldo->SetAsCurrency(monto(d.saldo));
    campo_texto->SetAsString(d.numprov);
    campo_id->SetAsInteger(d.id);
    return true;
}

Currency Tfdmcxp::saldo_doc_cxpagar(int tipo, int id, TDateTime fecha) {
    return saldo_documento(CSaldodocx, CBorrar, "saldo_doc_cxpagar", tipo, id, fecha, 55, kAnticipo);
}

int Tfdmcxp::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_CXPAGAR", "INCP", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int Tfdmcxp::contabilice_notadb(int id, int interfaz) {
    return contabilice_documento(contanotdb, CBorrar, "contabil_notadbpr", 51, id, interfaz);
}
int Tfdmcxp::contabilice_notacr(int id, int interfaz) {
    return contabilice_documento(contanotcr, CBorrar, "contabil_notacrpr", 52, id, interfaz);
}
int Tfdmcxp::contabilice_aplicapr(int id, int interfaz) {
    return contabilice_documento(contaaplica, CBorrar, "contabil_aplicapr", 53, id, interfaz);
}

} // namespace tv::app
