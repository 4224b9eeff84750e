#include "app/data/tiposdocumento.h"

#include <array>

#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"

namespace tv::app {

namespace {

#define TV_HUECO(modulo, campo) [] { return modulo ? &modulo->campo : static_cast<std::string*>(nullptr); }

const std::array<TTipoDocumento, 34> kTipos{{
    {11, "entradas", "entr", TV_HUECO(fdmInv, id_entr)},
    {12, "salidas", "sali", TV_HUECO(fdmInv, id_sali)},
    {13, "trasferencias", "tran", TV_HUECO(fdmInv, id_tran)},
    {14, "ajustes", "ajus", TV_HUECO(fdmInv, id_ajus)},
    {15, "ensambles", "ensa", TV_HUECO(fdmInv, id_ensa)},
    {16, "desensambles", "dese", TV_HUECO(fdmInv, id_dese)},
    {17, "reservas", "rese", TV_HUECO(fdmInv, id_rese)},
    {18, "ordenes_inventario", "orin", TV_HUECO(fdmInv, id_orin)},
    {21, "facturas_compra", "faco", TV_HUECO(fdmfact, id_factura)},
    {22, "remision_proveedor", "repr", TV_HUECO(fdmfact, id_remision)},
    {23, "ordenes_compra", "ordc", TV_HUECO(fdmfact, id_pedido)},
    {24, "devoluciones_compras", "dvco", TV_HUECO(fdmfact, id_devolucion)},
    {25, "cotizacion_proveedor", "copr", TV_HUECO(fdmfact, id_cotizacion)},
    {31, "facturas", "fact", TV_HUECO(fdmfact, id_factura)},
    {32, "remisiones_venta", "revt", TV_HUECO(fdmfact, id_remision)},
    {33, "devoluciones_ventas", "devt", TV_HUECO(fdmfact, id_devolucion)},
    {34, "pedidos", "pedi", TV_HUECO(fdmfact, id_pedido)},
    {35, "cotizaciones", "coti", TV_HUECO(fdmfact, id_cotizacion)},
    {41, "notas_debito_clientes", "ndcl", TV_HUECO(fdmcar, id_ndcl)},
    {42, "notas_credito_clientes", "nccl", TV_HUECO(fdmcar, id_nccl)},
    {43, "aplicacion_cliente", "apcl", TV_HUECO(fdmcar, id_apcl)},
    {44, "pagos_clientes", "pacl", TV_HUECO(fdmcar, id_pacl)},
    {45, "anticipos_cliente", "ancl", TV_HUECO(fdmcja, id_ancl)},
    {51, "notas_debito_proveedor", "ndpr", TV_HUECO(fdmcxp, id_ndpr)},
    {52, "notas_credito_proveedor", "ncpr", TV_HUECO(fdmcxp, id_ncpr)},
    {53, "aplicacion_provedor", "appr", TV_HUECO(fdmcxp, id_appr)},
    {54, "pagos_proveedor", "papr", TV_HUECO(fdmcja, id_egreso)},
    {55, "anticipos_proveedor", "anpr", TV_HUECO(fdmcja, id_anpr)},
    {61, "RECIBOS_CAJA", "reca", TV_HUECO(fdmcja, id_reca)},
    {62, "egresos", "egre", TV_HUECO(fdmcja, id_egreso)},
    {63, "cambio_documentos", "cado", TV_HUECO(fdmcja, id_cado)},
    {64, "consigna_tarjetas", "cotj", TV_HUECO(fdmcja, id_cotj)},
    {65, "recibo_provisional", "rcpr", TV_HUECO(fdmcja, id_rcpr)},
    {66, "traslados_caja", "trcj", TV_HUECO(fdmcja, id_trcj)},
}};

#undef TV_HUECO

} // namespace

const TTipoDocumento* tipo_documento(int codigo) {
    for (const TTipoDocumento& t : kTipos)
        if (t.codigo == codigo) return &t;
    return nullptr;
}

void vacie_huecos() {
    for (const TTipoDocumento& t : kTipos)
        if (std::string* h = t.hueco()) h->clear();
}

} // namespace tv::app
