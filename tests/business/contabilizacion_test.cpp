// Posting documents to accounting and choosing their interfaces.
#include <gtest/gtest.h>

#include <functional>

#include "app/data/contabilizacion.h"
#include "app/data/dm.h"
#include "app/data/dmbnc.h"
#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcmp.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "tests/business/negocio.h"

using namespace tv;
using namespace tv::app;

namespace {

const char* const kEncabezado = "Se presentaron los siguientes errores en la contabilización: ";

class Contabilizacion : public negociotest::NegocioTest {
protected:
    void TearDown() override {
        instale_pregunta_interfaz(nullptr);
        NegocioTest::TearDown();
    }
};

} // namespace

TEST_F(Contabilizacion, APostedInvoiceWritesItsVoucher) {
    // The demo's credit sale with the credit-sale interface.
    fdm->contabilizado = false;
    int idc = fdmfact->contabilice_factura(1, 2);
    EXPECT_GT(idc, 0);
    EXPECT_TRUE(fdm->contabilizado);
    EXPECT_TRUE(avisos_.mostrados.empty());
    std::string c = std::to_string(idc);
    EXPECT_EQ(Valor("select enco_tiporef || '/' || enco_idref from comprobante_encabezado where enco_consec = " + c),
              "31/1");
    EXPECT_EQ(Valor("select case when sum(deco_debito) = 119000 and sum(deco_credito) = 119000 then 'cuadra' end "
                    "from comprobante_detalle where enco_consec = " + c),
              "cuadra");
}

TEST_F(Contabilizacion, AFailedPostingListsTheServerErrorsOnce) {
    Sql("insert into interfaz_ventas values (9, 'Mal configurada', 31, '0000')");
    Sql("insert into interfaz_ventas_ctas values (9, 1, '999901', 'TOTAL', 'D')");
    Sql("insert into interfaz_ventas_ctas values (9, 2, '999902', 'SUBTOTAL', 'C')");
    const std::string lista = std::string(kEncabezado) + "3:La cuenta 999901 no existe 3:La cuenta 999902 no existe ";
    fdm->contabilizado = true;
    EXPECT_EQ(fdmfact->contabilice_factura(1, 9), 0);
    EXPECT_FALSE(fdm->contabilizado);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{lista});
    // Posting again shows this posting's errors, not the earlier ones as well.
    avisos_.mostrados.clear();
    EXPECT_EQ(fdmfact->contabilice_factura(1, 9), 0);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{lista});
    // Rows left in ERRORES are not shown when the posting reports no error.
    avisos_.mostrados.clear();
    EXPECT_GT(fdmfact->contabilice_factura(1, 2), 0);
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Contabilizacion, APostingThatFailsOnTheServerLeavesTheFlagFalse) {
    ASSERT_GT(fdmfact->contabilice_factura(1, 2), 0);
    ASSERT_TRUE(fdm->contabilizado);
    Sql("update tipo_documento set tido_tabla = 'NO_EXISTE' where tido_cod = 31");
    EXPECT_ANY_THROW(fdmfact->contabilice_factura(1, 2));
    EXPECT_FALSE(fdm->contabilizado);
}

TEST_F(Contabilizacion, EveryPostingCallsItsProcedureAndListsItsOwnErrors) {
    using P = std::function<int(int, int)>;
    struct Caso {
        const char* nombre;
        P contabilice;
    } casos[] = {
        {"entrada", [](int d, int i) { return fdmInv->contabilice_entrada(d, i); }},
        {"salida", [](int d, int i) { return fdmInv->contabilice_salida(d, i); }},
        {"traslado", [](int d, int i) { return fdmInv->contabilice_traslado(d, i); }},
        {"ajuste", [](int d, int i) { return fdmInv->contabilice_ajuste(d, i); }},
        {"ensamble", [](int d, int i) { return fdmInv->contabilice_ensamble(d, i); }},
        {"desensamble", [](int d, int i) { return fdmInv->contabilice_desensamble(d, i); }},
        {"facturac", [](int d, int i) { return fdmcmp->contabilice_facturac(d, i); }},
        {"devolucionc", [](int d, int i) { return fdmcmp->contabilice_devolucionc(d, i); }},
        {"factura", [](int d, int i) { return fdmfact->contabilice_factura(d, i); }},
        {"devolucion", [](int d, int i) { return fdmfact->contabilice_devolucion(d, i); }},
        {"notadb cartera", [](int d, int i) { return fdmcar->contabilice_notadb(d, i); }},
        {"notacr cartera", [](int d, int i) { return fdmcar->contabilice_notacr(d, i); }},
        {"aplica", [](int d, int i) { return fdmcar->contabilice_aplica(d, i); }},
        {"notadb cxp", [](int d, int i) { return fdmcxp->contabilice_notadb(d, i); }},
        {"notacr cxp", [](int d, int i) { return fdmcxp->contabilice_notacr(d, i); }},
        {"aplicapr", [](int d, int i) { return fdmcxp->contabilice_aplicapr(d, i); }},
        {"recibo", [](int d, int i) { return fdmcja->contabilice_recibo(d, i); }},
        {"egreso", [](int d, int i) { return fdmcja->contabilice_egreso(d, i); }},
        {"consignatj", [](int d, int i) { return fdmcja->contabilice_consignatj(d, i); }},
        {"reciprov", [](int d, int i) { return fdmcja->contabilice_reciprov(d, i); }},
        {"trascaja", [](int d, int i) { return fdmcja->contabilice_trascaja(d, i); }},
        {"consigna", [](int d, int i) { return fdmbnc->contabilice_consigna(d, i); }},
        {"cheque", [](int d, int i) { return fdmbnc->contabilice_cheque(d, i); }},
        {"retiro", [](int d, int i) { return fdmbnc->contabilice_retiro(d, i); }},
        {"notadebito", [](int d, int i) { return fdmbnc->contabilice_notadebito(d, i); }},
        {"notacredito", [](int d, int i) { return fdmbnc->contabilice_notacredito(d, i); }},
        {"traslacuenta", [](int d, int i) { return fdmbnc->contabilice_traslacuenta(d, i); }},
        {"devolcheq", [](int d, int i) { return fdmbnc->contabilice_devolcheq(d, i); }},
    };
    // Errors of the same id under another type must not reach the list.
    Sql("insert into errores values (99, -5, 1, 8, 'de otro tipo')");
    for (const Caso& c : casos) {
        avisos_.mostrados.clear();
        fdm->contabilizado = true;
        EXPECT_EQ(c.contabilice(-5, 1), 0) << c.nombre;
        EXPECT_FALSE(fdm->contabilizado) << c.nombre;
        EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{std::string(kEncabezado) + "1:No se encontró el documento -5 "})
            << c.nombre;
    }
}

TEST_F(Contabilizacion, CashReceiptsFindTheirInterfaceByPrefix) {
    Sql("insert into recibos_caja (reca_id, pref_pre, reca_numero, reca_fecha, terc_nit, reca_subtotal, reca_total) "
        "values (41, '0000', '000001', '2025/02/01', '52345678', 20000, 20000)");
    int idc = fdmcja->contabilice_recicaja(41, "0000");
    EXPECT_GT(idc, 0);
    EXPECT_TRUE(fdm->contabilizado);
    EXPECT_EQ(Valor("select enco_idref from comprobante_encabezado where enco_consec = " + std::to_string(idc)), "41");

    EXPECT_EQ(fdmcja->contabilice_recicaja(41, "00'0"), 0);
    EXPECT_FALSE(fdm->contabilizado);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Interfaz de recibo no encontrada. No se contabilizará el recibo."});

    // The server's errors are shown here as for every other posting.
    avisos_.mostrados.clear();
    EXPECT_EQ(fdmcja->contabilice_recicaja(42, "0000"), 0);
    EXPECT_FALSE(fdm->contabilizado);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{std::string(kEncabezado) + "1:No se encontró el documento 42 "});
}

TEST_F(Contabilizacion, ChoosingAnInterface) {
    // The demo has one inventory-entry interface and two sale interfaces.
    EXPECT_EQ(fdmInv->abre_interfaz(11, "0000", true), 1);
    EXPECT_EQ(fdmInv->abre_interfaz(11, "0000", false), 0);
    EXPECT_TRUE(avisos_.mostrados.empty());
    // Several and nobody to ask: none is taken.
    EXPECT_EQ(fdmfact->abre_interfaz(31, "0000", true), 0);
    std::string vistas;
    instale_pregunta_interfaz([&](TComponent* modulo, TDataSource* fuente) {
        EXPECT_EQ(modulo, fdmfact);
        for (fuente->DataSet()->First(); !fuente->DataSet()->Eof(); fuente->DataSet()->Next())
            vistas += fuente->DataSet()->FieldByName("NOMBRE")->AsString() + ";";
        fuente->DataSet()->Locate("ID", Variant(2), {});
        return true;
    });
    EXPECT_EQ(fdmfact->abre_interfaz(31, "0000", true), 2);
    EXPECT_EQ(vistas, "Venta de contado;Venta a crédito;");
    instale_pregunta_interfaz([](TComponent*, TDataSource*) { return false; });
    EXPECT_EQ(fdmfact->abre_interfaz(31, "0000", true), 0);
    EXPECT_TRUE(avisos_.mostrados.empty());

    EXPECT_EQ(fdmcar->abre_interfaz(41, "A'B", true), 0);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{
                            "No se han definido interfaces para el documento. No podrá grabar hasta no definirla."});
    avisos_.mostrados.clear();
    Sql("insert into interfaz_compras values (0, 'Sin id', 21, '0000')");
    EXPECT_EQ(fdmcmp->abre_interfaz(21, "0000", true), 0);
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"La interfaz contable para este documento es incorrecta (ID=0)."});
    Sql("insert into interfaz_cxpagar values (7, 'Nota débito', 51, '0000')");
    EXPECT_EQ(fdmcxp->abre_interfaz(51, "0000", true), 7);
    Sql("insert into interfaz_caja values (8, 'Egreso', 62, '0000')");
    EXPECT_EQ(fdmcja->abre_interfaz(62, "0000", true), 8);
}
