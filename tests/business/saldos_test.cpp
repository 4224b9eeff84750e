// Document look-ups and balances of receivables, payables and cash.
#include <gtest/gtest.h>

#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "core/datetime.h"
#include "framework/data/field.h"
#include "tests/business/negocio.h"

using namespace tv;
using namespace tv::app;

namespace {

// The amounts a payment takes from the document it refers to.
struct Campos {
    TField *id, *rtfte, *rtiva, *rtica, *dtof, *saldo, *texto;
};

class Saldos : public negociotest::NegocioTest {
protected:
    Campos NuevosCampos() {
        auto* r = Registro({"ID:i", "RTFTE:c", "RTIVA:c", "RTICA:c", "DTOF:c", "SALDO:c", "TEXTO:s"});
        return {r->FieldByName("ID"),   r->FieldByName("RTFTE"), r->FieldByName("RTIVA"), r->FieldByName("RTICA"),
                r->FieldByName("DTOF"), r->FieldByName("SALDO"), r->FieldByName("TEXTO")};
    }
    void MovimientoProveedor(int id, int tipo, int idref, const char* fecha, const char* valor) {
        Sql("insert into movimiento_proveedores values (" + std::to_string(id) + ", '860001234', " +
            std::to_string(tipo) + ", " + std::to_string(idref) + ", 54, 1, '" + fecha + "', null, " + valor + ")");
    }
    void MovimientoCliente(int id, int tipo, int idref, const char* fecha, const char* valor) {
        Sql("insert into movimiento_clientes values (" + std::to_string(id) + ", '52345678', " +
            std::to_string(tipo) + ", " + std::to_string(idref) + ", 44, 1, '" + fecha + "', null, " + valor +
            ", 'Principal')");
    }
    static TDateTime Dia(int a, int m, int d) { return EncodeDate(a, m, d); }
};

} // namespace

TEST_F(Saldos, AReceivableAfterPartialPayments) {
    // The demo's opening credit sale: 119,000 charged on 2025/01/10.
    MovimientoCliente(9001, 31, 1, "2025/01/20", "-40000");
    MovimientoCliente(9002, 31, 1, "2025/02/05", "-30000");
    EXPECT_EQ(fdmcar->saldo_doc_cartera(31, 1, Dia(2025, 1, 31)), Currency(79000));
    EXPECT_EQ(fdmcar->saldo_doc_cartera(31, 1, Dia(2025, 2, 28)), Currency(49000));
    EXPECT_EQ(fdmcar->saldo_doc_cartera(31, 999, Dia(2025, 2, 28)), Currency());

    EXPECT_EQ(fdmcar->id_doc(31, "0000", "000001", "52345678", Dia(2025, 3, 1)), 1);
    EXPECT_EQ(fdmcar->saldo_doc, Currency(49000));

    Campos c = NuevosCampos();
    EXPECT_TRUE(fdmcar->valide_doc_cartera("52345678", 31, "0000", "000001", Dia(2025, 3, 1), c.id, c.rtfte,
                                           c.rtiva, c.rtica, c.dtof, c.saldo, c.texto));
    EXPECT_EQ(c.id->AsInteger(), 1);
    EXPECT_EQ(c.saldo->AsCurrency(), Currency(49000));
    EXPECT_EQ(c.texto->AsString(), "Principal");
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Saldos, RefusedReceivablesClearTheAmountsButNotTheText) {
    struct Caso {
        const char* nit;
        const char* numero;
        int dia;
        const char* mensaje;
    } casos[] = {
        {"52345678", "000099", 1, "No se encontró el documento indicado."},
        {"900555111", "000001", 1, "El documento indicado pertenece a otro Cliente."},
        {"52345678", "000001", -1, "La fecha del abono es anterior al documento."},
        {"52345678'", "000001", 1, "El documento indicado pertenece a otro Cliente."},  // a quote stays a literal
    };
    for (const Caso& k : casos) {
        Campos c = NuevosCampos();
        c.id->SetAsInteger(7);
        c.saldo->SetAsCurrency(Currency(5));
        c.texto->SetAsString("del llamador");
        avisos_.mostrados.clear();
        fdmcar->saldo_doc = Currency(5);
        TDateTime fecha = k.dia > 0 ? Dia(2025, 3, 1) : Dia(2025, 1, 1);
        EXPECT_FALSE(fdmcar->valide_doc_cartera(k.nit, 31, "0000", k.numero, fecha, c.id, c.rtfte, c.rtiva, c.rtica,
                                                c.dtof, c.saldo, c.texto));
        EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{k.mensaje}) << k.mensaje;
        EXPECT_EQ(c.id->AsInteger(), 0);
        EXPECT_EQ(c.saldo->AsCurrency(), Currency());
        EXPECT_EQ(c.texto->AsString(), "del llamador");
        EXPECT_EQ(fdmcar->id_doc(31, "0000", k.numero, k.nit, fecha), 0);
        EXPECT_EQ(fdmcar->saldo_doc, Currency());
    }
    // Paid in full.
    MovimientoCliente(9001, 31, 1, "2025/01/20", "-119000");
    Campos c = NuevosCampos();
    avisos_.mostrados.clear();
    EXPECT_FALSE(fdmcar->valide_doc_cartera("52345678", 31, "0000", "000001", Dia(2025, 3, 1), c.id, c.rtfte,
                                            c.rtiva, c.rtica, c.dtof, c.saldo, c.texto));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Documento totalmente cancelado."});
}

TEST_F(Saldos, APayableAfterPartialPayments) {
    Sql("insert into facturas_compra (faco_id, pref_pre, faco_numero, faco_fecha, terc_nit, faco_rtefte, faco_numprov) "
        "values (301, '0000', '000045', '2025/03/01', '860001234', 2500, 'FV-778')");
    MovimientoProveedor(9001, 21, 301, "2025/03/01", "100000");
    MovimientoProveedor(9002, 21, 301, "2025/03/10", "-25000");
    MovimientoProveedor(9003, 21, 301, "2025/03/20", "-25000.50");
    EXPECT_EQ(fdmcxp->saldo_doc_cxpagar(21, 301, Dia(2025, 3, 15)), Currency(75000));
    EXPECT_EQ(fdmcxp->saldo_doc_cxpagar(21, 301, Dia(2025, 3, 31)), Currency::FromDouble(49999.50));

    EXPECT_EQ(fdmcxp->id_doc(21, "0000", "45", "860001234", Dia(2025, 3, 31)), 0);  // numbers are not padded
    EXPECT_EQ(fdmcxp->id_doc(21, "0000", "000045", "860001234", Dia(2025, 3, 31)), 301);
    EXPECT_EQ(fdmcxp->saldo_doc, Currency::FromDouble(49999.50));
    EXPECT_EQ(fdmcxp->rtfte_doc, Currency(2500));

    Campos c = NuevosCampos();
    EXPECT_TRUE(fdmcxp->valide_doc_cxpagar("860001234", 21, "0000", "000045", Dia(2025, 3, 31), c.id, c.rtfte,
                                           c.rtiva, c.rtica, c.dtof, c.saldo, c.texto));
    EXPECT_EQ(c.id->AsInteger(), 301);
    EXPECT_EQ(c.rtfte->AsCurrency(), Currency(2500));
    EXPECT_EQ(c.texto->AsString(), "FV-778");

    // Refused: the fields, the text among them, are cleared.
    avisos_.mostrados.clear();
    EXPECT_FALSE(fdmcxp->valide_doc_cxpagar("79888777", 21, "0000", "000045", Dia(2025, 3, 31), c.id, c.rtfte,
                                            c.rtiva, c.rtica, c.dtof, c.saldo, c.texto));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"El documento indicado pertenece a otro Cliente."});
    EXPECT_EQ(c.id->AsInteger(), 0);
    EXPECT_EQ(c.texto->AsString(), "");
}

TEST_F(Saldos, SupplierAdvancesWithoutACashDocumentCountReversed) {
    Sql("insert into anticipos_proveedor (anpr_id, pref_pre, anpr_numero, anpr_fecha, terc_nit, egre_id) "
        "values (71, '0000', '000003', '2025/04/01', '860001234', 0)");
    MovimientoProveedor(9001, 55, 71, "2025/04/01", "150");
    EXPECT_EQ(fdmcxp->saldo_doc_cxpagar(55, 71, Dia(2025, 4, 30)), Currency(-150));
    Campos c = NuevosCampos();
    EXPECT_TRUE(fdmcxp->valide_doc_cxpagar("860001234", 55, "0000", "000003", Dia(2025, 4, 30), c.id, c.rtfte,
                                           c.rtiva, c.rtica, c.dtof, c.saldo, c.texto));
    EXPECT_EQ(c.saldo->AsCurrency(), Currency(-150));
    EXPECT_EQ(c.dtof->AsCurrency(), Currency());
    // From a disbursement it counts as it is.
    Sql("update anticipos_proveedor set egre_id = 12 where anpr_id = 71");
    EXPECT_EQ(fdmcxp->saldo_doc_cxpagar(55, 71, Dia(2025, 4, 30)), Currency(150));
    // A client advance without its row has no balance.
    MovimientoCliente(9001, 45, 555, "2025/04/01", "80");
    EXPECT_EQ(fdmcar->saldo_doc_cartera(45, 555, Dia(2025, 4, 30)), Currency());
}

TEST_F(Saldos, TillCashAndPaymentDocuments) {
    // The demo till 1 opened with 500,000 in cash on 2025/01/02.
    EXPECT_EQ(fdmcja->efectivo_caja(1, Currency(100), Dia(2025, 1, 2)), Currency(500000));
    EXPECT_EQ(fdmcja->efectivo_caja(1, Currency(100), Dia(2025, 1, 1)), Currency());
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"El saldo de efectivo es insuficiente."});
    avisos_.mostrados.clear();
    EXPECT_EQ(fdmcja->efectivo_caja(1, Currency(600000), Dia(2025, 1, 2)), Currency(500000));
    EXPECT_EQ(avisos_.mostrados.size(), 1u);
    Configure("CAJA", "EGRESOS", "VALIDAR EFECTIVO EN CAJA", "si");
    avisos_.mostrados.clear();
    fdmcja->efectivo_caja(1, Currency(600000), Dia(2025, 1, 2));
    EXPECT_TRUE(avisos_.mostrados.empty());
    // The balance of a leap day's evening is asked for March 1st.
    Sql("insert into movimiento_caja values (9001, 1, '2024/02/29', 1, 10, 61, 0)");
    EXPECT_EQ(fdmcja->efectivo_caja(1, Currency(), Dia(2024, 2, 29)), Currency(10));

    Sql("insert into documentos_pago_caja values (1, 2, 1, '07', '1234''5', '000777', '2025/05/02', 35000, 61, 4, 0, 0)");
    Sql("insert into documentos_pago_caja values (2, 2, 1, '07', '1234''5', '000778', '2025/05/02', 9000, 61, 5, 62, 8)");
    EXPECT_TRUE(fdmcja->valide_doc_en_caja(1, 2, "07", "1234'5", "000777"));
    EXPECT_FALSE(fdmcja->valide_doc_en_caja(1, 2, "07", "1234'5", "000778"));  // it left the till
    EXPECT_FALSE(fdmcja->valide_doc_en_caja(2, 2, "07", "1234'5", "000777"));
    EXPECT_FALSE(fdmcja->valide_doc_en_caja(1, 1, "07", "1234'5", "000777"));
    EXPECT_FALSE(fdmcja->valide_doc_en_caja(1, 2, "07", "", "000777"));

    auto* r = Registro({"FECHA:d"});
    EXPECT_EQ(fdmcja->monto_doc_en_caja(1, 2, "07", "1234'5", "000777", r->FieldByName("FECHA")), Currency(35000));
    EXPECT_EQ(r->FieldByName("FECHA")->AsDateTime(), Dia(2025, 5, 2));
    EXPECT_EQ(fdmcja->monto_doc_en_caja(1, 2, "07", "1234'5", "000777", nullptr), Currency(35000));
    EXPECT_EQ(fdmcja->monto_doc_en_caja(1, 1, "", "", "", nullptr), Currency());
}

TEST_F(Saldos, CopyNames) {
    EXPECT_EQ(fdmfact->nombre_copia(5, 0), "ORIGINAL");
    EXPECT_EQ(fdmfact->nombre_copia(0, 2), "COPIA CONTABILIDAD");
}
