#include "app/data/contabilizacion_documentos.h"

#include <iterator>
#include <string>
#include <vector>

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "framework/data/datasource.h"
#include "framework/data/params.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

namespace {

struct TLineaDocumento {
    const char* componente;
    const char* tabla;
};

struct TDocumentoModulo {
    const char* encabezado;  // header query
    const char* fuente;      // data source on the header
    const char* tabla;
    const char* clave;
    std::vector<TLineaDocumento> lineas;
    const char* nuevo_id;  // new-id procedure component, or null
    const char* procedimiento;
    const char* defecto;   // default value of :ID
    bool sin_tipo;         // :ID declared without a type
};

struct TProcedimientoModulo {
    const char* componente;
    const char* procedimiento;
};

struct TModuloDocumentos {
    const char* clase;
    const TDocumentoModulo* documentos;
    std::size_t n_documentos;
    const TProcedimientoModulo* procedimientos;
    std::size_t n_procedimientos;
};

const TDocumentoModulo kTfdmInv[] = {
    {"TEntrada", "DEntrada", "ENTRADAS", "ENTR_ID", {{"TEntdetalle", "ENTRADAS_DETALLE"}}, "SPIdEntrada", "CAMBIE_ID_ENTRADA", "0", false},
    {"TSalida", "DSalida", "SALIDAS", "SALI_ID", {{"TSaldetalle", "SALIDAS_DETALLE"}}, "SPIdSalida", "CAMBIE_ID_SALIDA", "0", false},
    {"TTraslado", "DTraslado", "TRASFERENCIAS", "TRAN_ID", {{"TTrasdetalle", "TRASFERENCIAS_DETALLE"}}, "SPIdTraslado", "CAMBIE_ID_TRANSFER", "0", false},
    {"TEnsamble", "DEnsamble", "ENSAMBLES", "ENSA_ID", {{"TEnsdetalle", "ENSAMBLES_DETALLE"}}, "SPIdEnsamble", "CAMBIE_ID_ENSAMBLE", "0", false},
    {"TDesensamble", "DDesensamble", "DESENSAMBLES", "DESE_ID", {{"TDesdetalle", "DESENSAMBLES_DETALLE"}}, "SPIdDesensamble", "CAMBIE_ID_DESENSAMBLE", "0", false},
    {"TAjuste", "DAjuste", "AJUSTES", "AJUS_ID", {{"TAjudetalle", "AJUSTES_DETALLE"}}, "SPIdAjuste", "CAMBIE_ID_AJUSTEINV", "0", false},
    {"TReserva", "DReserva", "RESERVAS", "RESE_ID", {{"TResdetalle", "RESERVAS_DETALLE"}}, "SPIdReserva", "CAMBIE_ID_RESERVA", "0", false},
    {"TOrdeninv", "DOrdeninv", "ORDENES_INVENTARIO", "ORIN_ID", {{"TOrdinvdetalle", "ORDENINVENTARIO_DETALLE"}}, "SPIdOrdeninv", "CAMBIE_ID_ORDENMCIA", "0", false},
};
const TProcedimientoModulo kTfdmInvProc[] = {{"SActualicecosto", "ACTUALICE_COSTO"}};
const TDocumentoModulo kTfdmcmp[] = {
    {"TFactcomp", "DFactcomp", "FACTURAS_COMPRA", "FACO_ID", {{"TFactcompdet", "FACTURAS_COMPRAS_DETALLE"}}, "SPIdFactcomp", "CAMBIE_ID_COMPRAS", "0", false},
    {"TRemiprov", "DRemiprov", "REMISION_PROVEEDOR", "REPR_ID", {{"TRemiprovdet", "REMISION_PROVEEDOR_DET"}}, "SPIdRemiprov", "CAMBIE_ID_REMIPROV", "0", false},
    {"TOrdencomp", "DOrdencomp", "ORDENES_COMPRA", "ORDC_ID", {{"TOrdencompdet", "ORDENES_COMPRA_DETALLE"}}, "SPIdOrdencomp", "CAMBIE_ID_ORDENCOMP", "0", false},
    {"TDevolprov", "DDevolprov", "DEVOLUCIONES_COMPRAS", "DVCO_ID", {{"TDevolprovdet", "DEVOLUCIONES_COMPRAS_DET"}}, "SPIdDevolprov", "CAMBIE_ID_DEVOLPROV", "0", false},
    {"TCoticomp", "DCoticomp", "COTIZACION_PROVEEDOR", "COPR_ID", {{"TCoticompdet", "COTIZACIONES_PROVEEDOR_DET"}}, "SPIdCoticomp", "CAMBIE_ID_COTICOMP", "0", false},
};
const TProcedimientoModulo kTfdmcmpProc[] = {{nullptr, nullptr}};
const TDocumentoModulo kTfdmfact[] = {
    {"TFactura", "DFactura", "FACTURAS", "FACT_ID", {{"TFactdetalle", "FACTURAS_DETALLE"}}, "SPIdFactura", "CAMBIE_ID_FACTURA", "0", false},
    {"TRemision", "DRemision", "REMISIONES_VENTA", "REVT_ID", {{"TRemidetalle", "REMISIONES_VENTA_DETALLE"}}, "SPIdRemision", "CAMBIE_ID_REMICLIE", "0", false},
    {"TPedido", "DPedido", "PEDIDOS", "PEDI_ID", {{"TPedidetalle", "PEDIDOS_DETALLE"}}, "SPIdPedido", "CAMBIE_ID_PEDIDO", "0", false},
    {"TCotizacion", "DCotizacion", "COTIZACIONES", "COTI_ID", {{"TCotidetalle", "COTIZACIONES_DETALLE"}}, "SPIdCotizacion", "CAMBIE_ID_COTIZACI", "0", false},
    {"TDevolucion", "DDevolucion", "DEVOLUCIONES_VENTAS", "DEVT_ID", {{"TDevodetalle", "DEVOLUCIONES_VENTAS_DETALLE"}, {"TDevodocrela", "DEVOLUCIONES_VENTAS_DOCRELA"}}, "SPIdDevolucion", "CAMBIE_ID_DEVOLCLIE", "0", false},
    {"TFactcont", "DFactcont", "FACTURAS_CONTADO", "FCNT_ID", {{"TFactcontdet", "FACTURAS_CONTADO_DETALLE"}, {"TFactcontpago", "FACTURAS_CONTADO_PAGO"}}, "SPIdFactcont", "CAMBIE_ID_FACTCONT", "0", false},
    {"TFactConc", "DFactConc", "FACTURA_CONCEPTO", "FACC_ID", {{"TFactconcdet", "FACTURA_CONCEPTO_ITEMS"}}, "SPIdFactConc", "CAMBIE_ID_FACTPER", "0", true},
    {"TConcperiod", "DConcperiod", "FACTURA_CONCEPTO", "FACC_ID", {{"TConcperdet", "FACTURA_CONCEPTO_ITEMS"}}, nullptr, nullptr, "0", false},
    {"TRutero", "DRutero", "RUTERO", "RUTE_ID", {{"TRutedetalle", "RUTERO_DETALLE"}}, "SPIdRutero", "CAMBIE_ID_RUTERO", "0", false},
};
const TProcedimientoModulo kTfdmfactProc[] = {{"SCambioprecios", "CAMBIO_PRECIOS"}, {"SCopialista", "COPIA_LISTA_PRECIOS"}, {"SFormulaprecios", "FORMULA_PRECIOS"}, {"SFacturarconceptos", "FACTURAR_CONCEPTOS"}};
const TDocumentoModulo kTfdmcar[] = {
    {"TNotadbcl", "DNotadbcl", "NOTAS_DEBITO_CLIENTES", "NDCL_ID", {}, "SPIdNotadbcl", "CAMBIE_ID_NOTADBCLIE", "0", false},
    {"TNotacrcl", "DNotacrcl", "NOTAS_CREDITO_CLIENTES", "NCCL_ID", {}, "SPIdNotacrcl", "CAMBIE_ID_NOTACRCLIE", "0", false},
    {"TAnticlie", "DAnticlie", "ANTICIPOS_CLIENTE", "ANCL_ID", {}, "SPIdAnticlie", "CAMBIE_ID_ANTICLIE", "0", false},
    {"TAplicl", "DAplicl", "APLICACION_CLIENTE", "APCL_ID", {{"TApcldetalle", "APLICACION_CLIENTE_DETALLE"}}, "SPIdAplicl", "CAMBIE_ID_APLICLIE", "0", false},
};
const TProcedimientoModulo kTfdmcarProc[] = {{"SPIdPagoclie", "CAMBIE_ID_PAGOCLIE"}, {"SImprpagoclie", "IMPR_PAGOCLIE"}, {"SImpraplicl", "IMPR_APLICLIE"}, {"SBuscaiddoc", "BUSCA_ID_DOC_CARTERA"}};
const TDocumentoModulo kTfdmcxp[] = {
    {"TNotadbpr", "DNotadbpr", "NOTAS_DEBITO_PROVEEDOR", "NDPR_ID", {}, "SPIdNotadbpr", "CAMBIE_ID_NOTADBPROV", "0", false},
    {"TNotacrpr", "DNotacrpr", "NOTAS_CREDITO_PROVEEDOR", "NCPR_ID", {}, "SPIdNotacrpr", "CAMBIE_ID_NOTACRPROV", "0", false},
    {"TAntiprov", "DAntiprov", "ANTICIPOS_PROVEEDOR", "ANPR_ID", {}, nullptr, nullptr, "0", false},
    {"TApliprov", "DApliprov", "APLICACION_PROVEDOR", "APPR_ID", {{"TApprdetalle", "APLICACION_PROVEEDOR_DETALLE"}}, "SPIdApliprov", "CAMBIE_ID_APLIPROV", "4", false},
};
const TProcedimientoModulo kTfdmcxpProc[] = {{"SContanotacr", "CONTABIL_NOTACRPR"}};
const TDocumentoModulo kTfdmcja[] = {
    {"TRecibo", "DRecibo", "RECIBOS_CAJA", "RECA_ID", {{"TRecipago", "RECIBOS_CAJA_PAGO"}, {"TRecidetalle", "RECIBOS_CAJA_DETALLE"}, {"TRecicrucec", "RECIBOS_CAJA_CRUCEC"}}, "SPIdRecibo", "CAMBIE_ID_RECICAJA", "0", false},
    {"TEgreso", "DEgreso", "EGRESOS", "EGRE_ID", {{"TEgredetalle", "EGRESOS_DETALLE"}, {"TEgrecaja", "EGRESOS_CAJA"}, {"TEgreconta", "EGRESOS_CONTABILIDAD"}, {"TEgrebanco", "EGRESOS_BANCO"}, {"TEgrecrucec", "EGRESOS_CRUCEC"}}, "SPIdEgreso", "CAMBIE_ID_EGRESO", "0", false},
    {"TAnticlie", "DAnticlie", "ANTICIPOS_CLIENTE", "ANCL_ID", {}, "SPIdAnticlie", "CAMBIE_ID_ANTICLIE", "0", false},
    {"TAntiprov", "DAntiprov", "ANTICIPOS_PROVEEDOR", "ANPR_ID", {}, "SPIdAntiprov", "CAMBIE_ID_ANTIPROV", "0", false},
    {"TCambiodoc", "DCambiodoc", "CAMBIO_DOCUMENTOS", "CADO_ID", {{"TCambioent", "CAMBIODOC_ENTRADAS"}, {"TCambiosal", "CAMBIODOC_SALIDAS"}}, "SPIdCambiodoc", "CAMBIE_ID_CAMBDOCU", "0", false},
    {"TReciprov", "DReciprov", "RECIBO_PROVISIONAL", "RCPR_ID", {{"TReciprovdet", "RECIBO_PROVISIONAL_DETALLE"}, {"TReciprovpago", "RECIBO_PROVISIONAL_PAGO"}}, "SPIdReciprov", "CAMBIE_ID_RECIPROV", "0", false},
    {"TTrascaja", "DTrascaja", "TRASLADOS_CAJA", "TRCJ_ID", {{"TTrascajadet", "TRASLADOS_CAJA_DET"}}, "SPIdTrascaja", "CAMBIE_ID_TRASLACAJA", "0", false},
    {"TConsignatar", "DConsignatar", "CONSIGNA_TARJETAS", "COTJ_ID", {{"TConsignatardet", "CONSIGNA_TARJETAS_DET"}}, "SPIdConsignatar", "CAMBIE_ID_CONSIGNATAR", "0", false},
    {"TConsolfp", "DConsolfp", "CONSOLIDE_FORMASP", "COFP_ID", {}, "SPIdConsolfp", "CAMBIE_ID_CONSOLFP", "0", false},
};
const TProcedimientoModulo kTfdmcjaProc[] = {{nullptr, nullptr}};
const TDocumentoModulo kTfdmbnc[] = {
    {"TConsigna", "DConsigna", "CONSIGNA", "CONS_ID", {{"TConsdetalle", "CONSIGNA_DETALLE"}}, "SPIdConsigna", "CAMBIE_ID_CONSIGNA", "0", false},
    {"TCheque", "DCheque", "CHEQUES", "CHEQ_ID", {}, "SPIdCheque", "CAMBIE_ID_CHEQUE", "0", false},
    {"TRetiro", "DRetiro", "RETIROS", "RETI_ID", {}, "SPIdRetiro", "CAMBIE_ID_RETIRO", "0", false},
    {"TNotadb", "DNotadb", "NOTAS_DEBITO", "NDBC_ID", {}, "SPIdNotadb", "CAMBIE_ID_NOTA_DB_BANCO", "0", false},
    {"TNotacr", "DNotacr", "NOTAS_CREDITO", "NCBC_ID", {}, "SPIdNotacr", "CAMBIE_ID_NOTA_CR_BANCO", "0", false},
    {"TTraslado", "DTraslado", "TRASLADOS", "TRAS_ID", {}, "SPIdTraslado", "CAMBIE_ID_TRASLADO", "0", false},
    {"TDevcheque", "DDevcheque", "DEVOLUCION_CHEQUES", "DVCH_ID", {}, "SPIdDevcheque", "CAMBIE_ID_DEV_CHEQUES", "0", false},
    {"TConciliacion", "DConciliacion", "CONCILIACION_ENCABEZADO", "COBN_ID", {{"TConcilbanco", "CONCILIACION_BANCARIA"}}, "SPIdConciliacion", "CAMBIE_ID_CONCILIAB", "0", false},
};
const TProcedimientoModulo kTfdmbncProc[] = {{"SPIdCuentabanco", "CAMBIE_ID_CUENTA_BANCO"}, {"SContaretiro", "CONTABIL_RETIRO"}, {"SContatrascuenta", "CONTABIL_TRASCUENTA"}, {"SConciliabanco", "CONCILIA_BANCO"}};

const TDocumentoModulo kTfdmcnt[] = {
    {"TComprobantes", "DComprobantes", "COMPROBANTE_ENCABEZADO", "ENCO_CONSEC", {{"TComprDetalle", "COMPROBANTE_DETALLE"}}, "SIdComproba", "CAMBIE_ID_COMPROBA", "0", false},
};
const TProcedimientoModulo kTfdmcntProc[] = {{"SIdPlantilla", "CAMBIE_ID_PLANTILLA"}, {"SIdajusteinf", "CAMBIE_ID_AJUSTESINF"}, {"SIdcierreanual", "CAMBIE_ID_CIERANUAL"}, {"Sidciertercero", "CAMBIE_ID_CIERTERC"}, {"SSaldocta", "SALDO_CUENTA"}, {"SInsertasaldoini", "INSERTE_SALDO_INICIAL"}, {"SMM", "MM_1001"}};

const TModuloDocumentos kModulos[] = {
    {"Tfdmcnt", kTfdmcnt, std::size(kTfdmcnt), kTfdmcntProc, std::size(kTfdmcntProc)},
    {"TfdmInv", kTfdmInv, std::size(kTfdmInv), kTfdmInvProc, std::size(kTfdmInvProc)},
    {"Tfdmcmp", kTfdmcmp, std::size(kTfdmcmp), kTfdmcmpProc, std::size(kTfdmcmpProc)},
    {"Tfdmfact", kTfdmfact, std::size(kTfdmfact), kTfdmfactProc, std::size(kTfdmfactProc)},
    {"Tfdmcar", kTfdmcar, std::size(kTfdmcar), kTfdmcarProc, std::size(kTfdmcarProc)},
    {"Tfdmcxp", kTfdmcxp, std::size(kTfdmcxp), kTfdmcxpProc, std::size(kTfdmcxpProc)},
    {"Tfdmcja", kTfdmcja, std::size(kTfdmcja), kTfdmcjaProc, std::size(kTfdmcjaProc)},
    {"Tfdmbnc", kTfdmbnc, std::size(kTfdmbnc), kTfdmbncProc, std::size(kTfdmbncProc)},
};

// Tables the modules read whole, for windows of the suite; a detail names its master's data source.
struct TTablaModulo {
    const char* clase;
    const char* componente;
    const char* sql;
    const char* maestra;
};

const TTablaModulo kTablas[] = {
    {"Tfdmcnt", "TEstructura", "SELECT * FROM ESTRUCTURA", nullptr},
    {"Tfdmcnt", "TUsuarios", "SELECT * FROM USUARIO", nullptr},
    {"Tfdmcnt", "TPlantilla", "SELECT * FROM PLANTILLA_ENCABEZADO", nullptr},
    {"Tfdmcnt", "TPlantilladetalle", "SELECT * FROM PLANTILLA_DETALLE WHERE PLAN_ID = :PLAN_ID", "DPlantilla"},
    {"Tfdmcnt", "TAjustesinf", "SELECT * FROM AJUSTES_INFLACION", nullptr},
    {"Tfdmcnt", "TCierterc", "SELECT * FROM CIERRE_TERCEROS", nullptr},
    {"Tfdmcnt", "TCieranual", "SELECT * FROM CIERRE_ANUAL", nullptr},
    {"Tfdmcnt", "TImportacion", "SELECT * FROM IMPORTACION_INVENTARIO", nullptr},
    {"Tfdmcnt", "TConceptoconta", "SELECT * FROM CONCEPTO_CONTABLE", nullptr},
    {"Tfdmcnt", "TPresupuesto", "SELECT * FROM PRESUPUESTO", nullptr},
    {"Tfdmcnt", "TCambiosit", "SELECT * FROM CAMBIO_SITUACION", nullptr},
    {"Tfdmcnt", "TFlujoefe", "SELECT * FROM FLUJO_EFECTIVO", nullptr},
    {"Tfdmcnt", "TCtasexport", "SELECT * FROM CUENTAS_EXPORTACION", nullptr},
    {"Tfdmcnt", "TPrefexport", "SELECT * FROM PREFIJOS_EXPORTACION", nullptr},
    {"Tfdmcnt", "Tbuscconc", "SELECT * FROM CONCEPTOS", nullptr},
    {"Tfdmcnt", "TFtomediosm", "SELECT * FROM MEDIOSMAG_ARCHIVOS", nullptr},
    {"TfdmInv", "TImportacion", "SELECT * FROM IMPORTACION_INVENTARIO", nullptr},
    {"TfdmInv", "TMaquinas", "SELECT * FROM ENSAMBLE_MAQUINA", nullptr},
    {"TfdmInv", "TOperarios", "SELECT * FROM ENSAMBLE_OPERARIO", nullptr},
    {"Tfdmfact", "TAutorizaciones", "SELECT * FROM AUTORIZACIONES", nullptr},
    {"Tfdmfact", "TPresupuesto", "SELECT * FROM PRESUPUESTO_VENTAS", nullptr},
    {"Tfdmfact", "THistorico", "SELECT * FROM HISTORICO_VENTAS", nullptr},
    {"Tfdmfact", "TTrasportadores", "SELECT * FROM TRASPORTADORES", nullptr},
    {"Tfdmfact", "TPuntoequilibrio", "SELECT * FROM PUNTO_EQUILIBRIO", nullptr},
    {"Tfdmfact", "TRutas", "SELECT * FROM RUTAS_ENTREGA", nullptr},
    {"Tfdmcar", "TGrupocartera", "SELECT * FROM GRUPO_CARTERA", nullptr},
    {"Tfdmcar", "TComisiones", "SELECT * FROM COMISIONES_PUNTOS", nullptr},
    {"Tfdmcja", "TTarjetas", "SELECT * FROM TARJETAS", nullptr},
    {"Tfdmcja", "TClaseegreso", "SELECT * FROM CLASE_EGRESO", nullptr},
    {"Tfdmcja", "TCajas", "SELECT * FROM CAJAS", nullptr},
    {"Tfdmbnc", "TBancos", "SELECT * FROM BANCOS", nullptr},
    {"Tfdmbnc", "TTipodoc", "SELECT * FROM TIPO_DOCUMENTO", nullptr},
    {"Tfdmbnc", "TPrefbancos", "SELECT * FROM PREFIJOS_BANCOS WHERE TIDO_COD = :TIDO_COD", "DTipodoc"},
    {"Tfdmbnc", "TOperaciones", "SELECT * FROM CONCILIACION_OPERACIONES", nullptr},
    {"Tfdmbnc", "TCuentasbanco", "SELECT * FROM CUENTAS_BANCO ORDER BY CUBA_CODCTA", nullptr},
};

void Procedimiento(TComponent* modulo, const char* componente_nombre, const char* nombre) {
    auto* sp = componente<TSQLStoredProc>(modulo, componente_nombre);
    sp->SetSQLConnection(fdm->Tallyvo);
    sp->SetStoredProcName(nombre);
}

} // namespace

void enlace_documentos(TComponent* modulo) {
    TSQLConnection* tallyvo = fdm->Tallyvo;
    for (const TModuloDocumentos& m : kModulos) {
        if (modulo->ClassName() != m.clase) continue;
        for (std::size_t i = 0; i < m.n_documentos; ++i) {
            const TDocumentoModulo& d = m.documentos[i];
            auto* encabezado = componente<TSQLQuery>(modulo, d.encabezado);
            encabezado->SetSQLConnection(tallyvo);
            encabezado->SQL().SetText(std::string("SELECT * FROM ") + d.tabla + " WHERE " + d.clave + " = :ID");
            TParam& id = encabezado->Params().ParamByName("ID");
            id.SetDataType(d.sin_tipo ? ftUnknown : ftString);
            id.SetParamType(ptInput);
            id.SetAsString(d.defecto);
            auto* fuente = componente<TDataSource>(modulo, d.fuente);
            fuente->SetDataSet(encabezado);
            for (const TLineaDocumento& l : d.lineas) {
                auto* lineas = componente<TSQLQuery>(modulo, l.componente);
                lineas->SetSQLConnection(tallyvo);
                lineas->SQL().SetText(std::string("SELECT * FROM ") + l.tabla + " WHERE " + d.clave + " = :" +
                                      d.clave);
                lineas->Params().ParamByName(d.clave).SetDataType(ftInteger);
                lineas->SetDataSource(fuente);
            }
            if (d.nuevo_id) Procedimiento(modulo, d.nuevo_id, d.procedimiento);
        }
        for (std::size_t i = 0; i < m.n_procedimientos; ++i)
            if (m.procedimientos[i].componente)
                Procedimiento(modulo, m.procedimientos[i].componente, m.procedimientos[i].procedimiento);
    }
    for (const TTablaModulo& t : kTablas) {
        if (modulo->ClassName() != t.clase) continue;
        auto* q = componente<TSQLQuery>(modulo, t.componente);
        q->SetSQLConnection(tallyvo);
        q->SQL().SetText(t.sql);
        if (t.maestra) q->SetDataSource(componente<TDataSource>(modulo, t.maestra));
    }
}

} // namespace tv::app
