#include "app/data/dmfact.h"

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

Tfdmfact* fdmfact = nullptr;

Tfdmfact::Tfdmfact(TComponent* owner) : TDataModule(owner) {
    fdmfact = this;
}

Tfdmfact::~Tfdmfact() {
    DestroyComponents();
    if (fdmfact == this) fdmfact = nullptr;
}

void Tfdmfact::Publish(TPublisher& p) {
    p.Field("QNrocopia", &Tfdmfact::QNrocopia);
    p.Field("QInterfaces", &Tfdmfact::QInterfaces);
    p.Field("PInterfaces", &Tfdmfact::PInterfaces);
    p.Field("CInterfaces", &Tfdmfact::CInterfaces);
    p.Field("DInterfaces", &Tfdmfact::DInterfaces);
    p.Field("QContafactura", &Tfdmfact::QContafactura);
    p.Field("PContafactura", &Tfdmfact::PContafactura);
    p.Field("CContafactura", &Tfdmfact::CContafactura);
    p.Field("TFactura", &Tfdmfact::TFactura);
    p.Field("DFactura", &Tfdmfact::DFactura);
    p.Field("TFactdetalle", &Tfdmfact::TFactdetalle);
    p.Field("SPIdFactura", &Tfdmfact::SPIdFactura);
    p.Field("TRemision", &Tfdmfact::TRemision);
    p.Field("DRemision", &Tfdmfact::DRemision);
    p.Field("TRemidetalle", &Tfdmfact::TRemidetalle);
    p.Field("SPIdRemision", &Tfdmfact::SPIdRemision);
    p.Field("TPedido", &Tfdmfact::TPedido);
    p.Field("DPedido", &Tfdmfact::DPedido);
    p.Field("TPedidetalle", &Tfdmfact::TPedidetalle);
    p.Field("SPIdPedido", &Tfdmfact::SPIdPedido);
    p.Field("TCotizacion", &Tfdmfact::TCotizacion);
    p.Field("DCotizacion", &Tfdmfact::DCotizacion);
    p.Field("TCotidetalle", &Tfdmfact::TCotidetalle);
    p.Field("SPIdCotizacion", &Tfdmfact::SPIdCotizacion);
    p.Field("TDevolucion", &Tfdmfact::TDevolucion);
    p.Field("DDevolucion", &Tfdmfact::DDevolucion);
    p.Field("TDevodetalle", &Tfdmfact::TDevodetalle);
    p.Field("TDevodocrela", &Tfdmfact::TDevodocrela);
    p.Field("SPIdDevolucion", &Tfdmfact::SPIdDevolucion);
    p.Field("TFactcont", &Tfdmfact::TFactcont);
    p.Field("DFactcont", &Tfdmfact::DFactcont);
    p.Field("TFactcontdet", &Tfdmfact::TFactcontdet);
    p.Field("TFactcontpago", &Tfdmfact::TFactcontpago);
    p.Field("SPIdFactcont", &Tfdmfact::SPIdFactcont);
    p.Field("TFactConc", &Tfdmfact::TFactConc);
    p.Field("DFactConc", &Tfdmfact::DFactConc);
    p.Field("TFactconcdet", &Tfdmfact::TFactconcdet);
    p.Field("SPIdFactConc", &Tfdmfact::SPIdFactConc);
    p.Field("TConcperiod", &Tfdmfact::TConcperiod);
    p.Field("DConcperiod", &Tfdmfact::DConcperiod);
    p.Field("TConcperdet", &Tfdmfact::TConcperdet);
    p.Field("TRutero", &Tfdmfact::TRutero);
    p.Field("DRutero", &Tfdmfact::DRutero);
    p.Field("TRutedetalle", &Tfdmfact::TRutedetalle);
    p.Field("SPIdRutero", &Tfdmfact::SPIdRutero);
    p.Field("SCambioprecios", &Tfdmfact::SCambioprecios);
    p.Field("SCopialista", &Tfdmfact::SCopialista);
    p.Field("SFormulaprecios", &Tfdmfact::SFormulaprecios);
    p.Field("SFacturarconceptos", &Tfdmfact::SFacturarconceptos);
    p.Field("TAutorizaciones", &Tfdmfact::TAutorizaciones);
    p.Field("TPresupuesto", &Tfdmfact::TPresupuesto);
    p.Field("THistorico", &Tfdmfact::THistorico);
    p.Field("TTrasportadores", &Tfdmfact::TTrasportadores);
    p.Field("TPuntoequilibrio", &Tfdmfact::TPuntoequilibrio);
    p.Field("TRutas", &Tfdmfact::TRutas);
}

void Tfdmfact::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    QNrocopia->SetSQLConnection(tallyvo);
    enlace_consulta(QInterfaces, PInterfaces, CInterfaces, tallyvo);
    DInterfaces->SetDataSet(CInterfaces);
    contafactura = enlace_cadena(QContafactura, PContafactura, CContafactura, true);
    enlace_documentos({
        {TFactura, DFactura, "FACTURAS", "FACT_ID", {{TFactdetalle, "FACTURAS_DETALLE"}}, SPIdFactura, "CAMBIE_ID_FACTURA"},
        {TRemision, DRemision, "REMISIONES_VENTA", "REVT_ID", {{TRemidetalle, "REMISIONES_VENTA_DETALLE"}}, SPIdRemision, "CAMBIE_ID_REMICLIE"},
        {TPedido, DPedido, "PEDIDOS", "PEDI_ID", {{TPedidetalle, "PEDIDOS_DETALLE"}}, SPIdPedido, "CAMBIE_ID_PEDIDO"},
        {TCotizacion, DCotizacion, "COTIZACIONES", "COTI_ID", {{TCotidetalle, "COTIZACIONES_DETALLE"}}, SPIdCotizacion, "CAMBIE_ID_COTIZACI"},
        {TDevolucion, DDevolucion, "DEVOLUCIONES_VENTAS", "DEVT_ID", {{TDevodetalle, "DEVOLUCIONES_VENTAS_DETALLE"}, {TDevodocrela, "DEVOLUCIONES_VENTAS_DOCRELA"}}, SPIdDevolucion, "CAMBIE_ID_DEVOLCLIE"},
        {TFactcont, DFactcont, "FACTURAS_CONTADO", "FCNT_ID", {{TFactcontdet, "FACTURAS_CONTADO_DETALLE"}, {TFactcontpago, "FACTURAS_CONTADO_PAGO"}}, SPIdFactcont, "CAMBIE_ID_FACTCONT"},
        {TFactConc, DFactConc, "FACTURA_CONCEPTO", "FACC_ID", {{TFactconcdet, "FACTURA_CONCEPTO_ITEMS"}}, SPIdFactConc, "CAMBIE_ID_FACTPER", "0", true},
        {TConcperiod, DConcperiod, "FACTURA_CONCEPTO", "FACC_ID", {{TConcperdet, "FACTURA_CONCEPTO_ITEMS"}}, nullptr, nullptr},
        {TRutero, DRutero, "RUTERO", "RUTE_ID", {{TRutedetalle, "RUTERO_DETALLE"}}, SPIdRutero, "CAMBIE_ID_RUTERO"},
    });
    enlace_procedimientos({
        {SCambioprecios, "CAMBIO_PRECIOS"},
        {SCopialista, "COPIA_LISTA_PRECIOS"},
        {SFormulaprecios, "FORMULA_PRECIOS"},
        {SFacturarconceptos, "FACTURAR_CONCEPTOS"},
    });
    enlace_tablas({
        {TAutorizaciones, "SELECT * FROM AUTORIZACIONES"},
        {TPresupuesto, "SELECT * FROM PRESUPUESTO_VENTAS"},
        {THistorico, "SELECT * FROM HISTORICO_VENTAS"},
        {TTrasportadores, "SELECT * FROM TRASPORTADORES"},
        {TPuntoequilibrio, "SELECT * FROM PUNTO_EQUILIBRIO"},
        {TRutas, "SELECT * FROM RUTAS_ENTREGA"},
    });
}

std::string Tfdmfact::nombre_copia(int, int copia) {
    QNrocopia->Close();
    QNrocopia->SQL().SetText("SELECT * FROM NRO_COPIA(31, " + IntToStr(copia) + ")");
    QNrocopia->Open();
    std::string nombre = QNrocopia->IsEmpty() ? std::string() : QNrocopia->Fields()[0]->AsString();
    QNrocopia->Close();
    return nombre;
}

int Tfdmfact::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_VENTAS", "INVE", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int Tfdmfact::contabilice_factura(int id, int interfaz) {
    return contabilice_documento(contafactura, fdm->CBorrar, "contabil_factura", 31, id, interfaz);
}
int Tfdmfact::contabilice_devolucion(int id, int interfaz) {
    return contabilice_documento(contafactura, fdm->CBorrar, "contabil_devolcli", 33, id, interfaz);
}

} // namespace tv::app
