#include "app/data/dmcmp.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/fielddefs.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdmcmp* fdmcmp = nullptr;

Tfdmcmp::Tfdmcmp(TComponent* owner) : TDataModule(owner) {
    fdmcmp = this;
}

Tfdmcmp::~Tfdmcmp() {
    DestroyComponents();
    if (fdmcmp == this) fdmcmp = nullptr;
}

void Tfdmcmp::Publish(TPublisher& p) {
    p.Field("QInterfaces", &Tfdmcmp::QInterfaces);
    p.Field("PInterfaces", &Tfdmcmp::PInterfaces);
    p.Field("CInterfaces", &Tfdmcmp::CInterfaces);
    p.Field("DInterfaces", &Tfdmcmp::DInterfaces);
    p.Field("SContacmp", &Tfdmcmp::SContacmp);
    p.Field("PContacmp", &Tfdmcmp::PContacmp);
    p.Field("CContacmp", &Tfdmcmp::CContacmp);
    p.Field("TFactcomp", &Tfdmcmp::TFactcomp);
    p.Field("DFactcomp", &Tfdmcmp::DFactcomp);
    p.Field("TFactcompdet", &Tfdmcmp::TFactcompdet);
    p.Field("SPIdFactcomp", &Tfdmcmp::SPIdFactcomp);
    p.Field("TRemiprov", &Tfdmcmp::TRemiprov);
    p.Field("DRemiprov", &Tfdmcmp::DRemiprov);
    p.Field("TRemiprovdet", &Tfdmcmp::TRemiprovdet);
    p.Field("SPIdRemiprov", &Tfdmcmp::SPIdRemiprov);
    p.Field("TOrdencomp", &Tfdmcmp::TOrdencomp);
    p.Field("DOrdencomp", &Tfdmcmp::DOrdencomp);
    p.Field("TOrdencompdet", &Tfdmcmp::TOrdencompdet);
    p.Field("SPIdOrdencomp", &Tfdmcmp::SPIdOrdencomp);
    p.Field("TDevolprov", &Tfdmcmp::TDevolprov);
    p.Field("DDevolprov", &Tfdmcmp::DDevolprov);
    p.Field("TDevolprovdet", &Tfdmcmp::TDevolprovdet);
    p.Field("SPIdDevolprov", &Tfdmcmp::SPIdDevolprov);
    p.Field("TCoticomp", &Tfdmcmp::TCoticomp);
    p.Field("DCoticomp", &Tfdmcmp::DCoticomp);
    p.Field("TCoticompdet", &Tfdmcmp::TCoticompdet);
    p.Field("SPIdCoticomp", &Tfdmcmp::SPIdCoticomp);
    p.Field("Csugerido", &Tfdmcmp::Csugerido);
}

void Tfdmcmp::Loaded() {
    TDataModule::Loaded();
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, fdm->Tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contacmp = enlace_cadena(SContacmp, PContacmp, CContacmp, true);
    enlace_documentos({
        {TFactcomp, DFactcomp, "FACTURAS_COMPRA", "FACO_ID", {{TFactcompdet, "FACTURAS_COMPRAS_DETALLE"}}, SPIdFactcomp, "CAMBIE_ID_COMPRAS"},
        {TRemiprov, DRemiprov, "REMISION_PROVEEDOR", "REPR_ID", {{TRemiprovdet, "REMISION_PROVEEDOR_DET"}}, SPIdRemiprov, "CAMBIE_ID_REMIPROV"},
        {TOrdencomp, DOrdencomp, "ORDENES_COMPRA", "ORDC_ID", {{TOrdencompdet, "ORDENES_COMPRA_DETALLE"}}, SPIdOrdencomp, "CAMBIE_ID_ORDENCOMP"},
        {TDevolprov, DDevolprov, "DEVOLUCIONES_COMPRAS", "DVCO_ID", {{TDevolprovdet, "DEVOLUCIONES_COMPRAS_DET"}}, SPIdDevolprov, "CAMBIE_ID_DEVOLPROV"},
        {TCoticomp, DCoticomp, "COTIZACION_PROVEEDOR", "COPR_ID", {{TCoticompdet, "COTIZACIONES_PROVEEDOR_DET"}}, SPIdCoticomp, "CAMBIE_ID_COTICOMP"},
    });
    // Suggested purchases, kept in memory by the windows that fill them.
    Csugerido->FieldDefs().Add("Articulo", ftString, 15, false);
    Csugerido->FieldDefs().Add("Bodega", ftString, 2, false);
    Csugerido->FieldDefs().Add("Sugerido", ftFMTBcd, 4, false);
    Csugerido->FieldDefs()[2].SetPrecision(15);
    Csugerido->FieldDefs().Add("Unidad", ftString, 8, false);
}

int Tfdmcmp::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    bool escogida = false;
    int id = escoja_interfaz(this, CInterfaces, DInterfaces,
                             consulta_interfaces("INTERFAZ_COMPRAS", "INCO", tipo) + " and pref_pre = " +
                                 sql_texto(prefijo),
                             preguntar, &escogida);
    if (escogida && id == 0) muestre_mensaje("La interfaz contable para este documento es incorrecta (ID=0).");
    return id;
}

int Tfdmcmp::contabilice_facturac(int id, int interfaz) {
    return contabilice_documento(contacmp, fdm->CBorrar, "contabil_factcomp", 21, id, interfaz);
}
int Tfdmcmp::contabilice_devolucionc(int id, int interfaz) {
    return contabilice_documento(contacmp, fdm->CBorrar, "contabil_devolcomp", 24, id, interfaz);
}

} // namespace tv::app
