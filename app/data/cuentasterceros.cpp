#include "app/data/cuentasterceros.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmcar_documentos.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv::app {

void TCuentasTerceros::EnlaceLibro(const TReglas& reglas, const TTerna& valida, const TTerna& saldos,
                                   const TTerna& borrar, const TTerna& interfaces, TDataSource* fuente_interfaces,
                                   TClientDataSet* errores, const TTerna& notadb, const TTerna& notacr,
                                   const TTerna& aplicacion) {
    TSQLConnection* tallyvo = fdm->Tallyvo;
    reglas_ = &reglas;
    valida_ = enlace_consulta(valida.consulta, valida.proveedor, valida.cliente, tallyvo);
    saldos_ = enlace_consulta(saldos.consulta, saldos.proveedor, saldos.cliente, tallyvo);
    borrar_ = enlace_consulta(borrar.consulta, borrar.proveedor, borrar.cliente, tallyvo);
    interfaces_ = enlace_consulta(interfaces.consulta, interfaces.proveedor, interfaces.cliente, tallyvo);
    fuente_interfaces_ = fuente_interfaces;
    fuente_interfaces_->SetDataSet(interfaces_);
    errores_ = errores;
    notadb_ = enlace_cadena(notadb.consulta, notadb.proveedor, notadb.cliente);
    notacr_ = enlace_cadena(notacr.consulta, notacr.proveedor, notacr.cliente);
    aplicacion_ = enlace_cadena(aplicacion.consulta, aplicacion.proveedor, aplicacion.cliente);
}

int TCuentasTerceros::id_doc(int tipo, const std::string& prefijo, const std::string& numero, const std::string& nit,
                             TDateTime fecha) {
    return busque_documento(valida_, reglas_->busca_id, tipo, prefijo, numero, nit, fecha, reglas_->con_numprov)
        .tome(saldo_doc, rtfte_doc, rtiva_doc, rtica_doc);
}

TDocumentoHallado TCuentasTerceros::valide_documento(const std::string& nit, int tipo, const std::string& prefijo,
                                                     const std::string& numero, TDateTime fecha, TField* campo_id,
                                                     TField* campo_rtfte, TField* campo_rtiva, TField* campo_rtica,
                                                     TField* campo_dtof, TField* campo_saldo) {
    TDocumentoHallado d =
        busque_documento(valida_, reglas_->busca_id, tipo, prefijo, numero, nit, fecha, reglas_->con_numprov);
    if (!d.valido()) {
        d.rechace(campo_id, {campo_rtfte, campo_rtiva, campo_rtica, campo_dtof, campo_saldo});
        return d;
    }
    campo_id->SetAsInteger(d.id);
    // An advance that came from no cash document carries its amounts reversed.
    bool al_reves = tipo == reglas_->tipo_anticipo && origen_anticipo(borrar_, reglas_->anticipo + IntToStr(d.id)) ==
                                                        TOrigenAnticipo::oaSinDocumento;
    auto monto = [al_reves](Currency v) { return al_reves ? -v : v; };
    campo_rtfte->SetAsCurrency(monto(d.rtfte));
    campo_rtiva->SetAsCurrency(monto(d.rtiva));
    campo_rtica->SetAsCurrency(monto(d.rtica));
    campo_dtof->SetAsCurrency(monto(d.dtof));
    campo_saldo->SetAsCurrency(monto(d.saldo));
    return d;
}

Currency TCuentasTerceros::saldo_libro(int tipo, int id, TDateTime fecha) {
    return saldo_documento(saldos_, borrar_, reglas_->saldo, tipo, id, fecha, reglas_->tipo_anticipo,
                           reglas_->anticipo);
}

int TCuentasTerceros::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, interfaces_, fuente_interfaces_,
                           consulta_interfaces(reglas_->tabla_interfaz, reglas_->prefijo_interfaz, tipo) +
                               " and pref_pre = " + sql_texto(prefijo),
                           preguntar);
}

int TCuentasTerceros::contabilice_notadb(int id, int interfaz) {
    return contabilice_documento(notadb_, errores_, reglas_->contabil_notadb, reglas_->tipo_notadb, id,
                                 interfaz);
}
int TCuentasTerceros::contabilice_notacr(int id, int interfaz) {
    return contabilice_documento(notacr_, errores_, reglas_->contabil_notacr, reglas_->tipo_notadb + 1, id,
                                 interfaz);
}
int TCuentasTerceros::contabilice_aplicacion(int id, int interfaz) {
    return contabilice_documento(aplicacion_, errores_, reglas_->contabil_aplicacion,
                                 reglas_->tipo_notadb + 2, id, interfaz);
}

} // namespace tv::app
