// The company database's procedures as the client reads them: selectable ones by
// name and by position, writes of selectable procedures kept, the posting
// contract, and SQL composed as text with quoted literals.
#include <gtest/gtest.h>

#include "core/strutils.h"
#include "framework/data/sql/fb_statement.h"
#include "tests/support/firebird_fixture.h"

using namespace tv;
using namespace tv::fb;

namespace {

class ProceduresTest : public ::testing::Test {
protected:
    void SetUp() override { db_.Open(dbs_.CompanyPath(), {}); }

    std::int64_t Count(const std::string& sql) {
        FbStatement q(db_);
        q.Prepare(sql);
        q.Open();
        EXPECT_TRUE(q.Fetch());
        std::int64_t n = q.AsInt64(0);
        q.Close();
        return n;
    }

    tvtest::FirebirdDatabases dbs_;
    FbDatabase db_;
};

} // namespace

TEST_F(ProceduresTest, PriceQueryReadByNameAndByPosition) {
    FbStatement q(db_);
    // Article 000001: bar code 7700000000019, VAT 5 %, list 1 holds prices with VAT included.
    q.Prepare("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(" + QuotedStr("7700000000019") + ",1)");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    EXPECT_EQ(q.AsString(q.ColumnIndex("ARTICULO")), "000001");
    EXPECT_EQ(q.AsString(1), q.AsString(q.ColumnIndex("DES")));
    EXPECT_EQ(q.AsString(q.ColumnIndex("GRUPO")), "Abarrotes");
    EXPECT_EQ(q.AsBcd(q.ColumnIndex("IVA")), TBcd(5));
    TBcd total = q.AsBcd(q.ColumnIndex("PRECIO")) + q.AsBcd(q.ColumnIndex("IVAMONTO")) + q.AsBcd(q.ColumnIndex("CONSUMO"));
    EXPECT_EQ(q.AsBcd(16), total);
    EXPECT_EQ(q.Column(13).name, "FOTO");
    EXPECT_EQ(q.Column(12).subType, 1); // OBSERVACIONES is a memo
    EXPECT_FALSE(q.Fetch());
    q.Close();

    // A box bar code prices twelve units at the box's price factor.
    q.Prepare("SELECT UNIDAD, TOTAL FROM CONSULTA_ARTICULOS_PRECIOS('17700000000101', 1)");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    EXPECT_EQ(q.AsString(0), "CAJA");
    q.Close();
}

TEST_F(ProceduresTest, AQuoteInABarCodeStaysOneLiteral) {
    const std::string code = "X' OR '1'='1";
    std::int64_t articles = Count("SELECT COUNT(*) FROM ARTICULO");
    std::int64_t named = Count("SELECT COUNT(*) FROM ARTICULO WHERE ARTI_DES = 'cambiado'");

    FbStatement q(db_);
    q.Prepare("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(" + QuotedStr(code) + ",1)");
    q.Open();
    EXPECT_FALSE(q.Fetch());
    q.Close();

    q.Prepare("select * from articulo a join barras_articulo b on b.arti_cod = a.arti_cod where b.coba_cod = " +
              QuotedStr(code));
    q.Open();
    EXPECT_FALSE(q.Fetch());
    q.Close();

    q.Prepare("update articulo set arti_des = 'cambiado' where arti_cod = " + QuotedStr(code));
    EXPECT_EQ(q.Execute(), 0);
    q.Prepare("delete from articulo where arti_cod = " + QuotedStr(code));
    EXPECT_EQ(q.Execute(), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ARTICULO"), articles);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ARTICULO WHERE ARTI_DES = 'cambiado'"), named);
}

// A NUL inside a bar code stays inside its literal: the code is simply not found,
// instead of the text being cut and failing as a syntax error.
TEST_F(ProceduresTest, ANulInABarCodeStaysInsideTheLiteral) {
    const std::string code("77000000\0" "00019", 14);
    FbStatement q(db_);
    q.Prepare("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(" + QuotedStr(code) + ",1)");
    q.Open();
    EXPECT_FALSE(q.Fetch());
    q.Close();
    EXPECT_EQ(Count("SELECT CHAR_LENGTH(" + QuotedStr(code) + ") FROM RDB$DATABASE"), 14);
}

TEST_F(ProceduresTest, WritesOfSelectableProceduresAreKept) {
    FbStatement id(db_);
    id.Prepare("select * from CAMBIE_ID_ENTRADA");
    id.Open();
    ASSERT_TRUE(id.Fetch());
    std::int64_t first = id.AsInt64(0);
    id.Close();
    id.Prepare("EXECUTE PROCEDURE CAMBIE_ID_ENTRADA");
    id.Execute();
    ASSERT_TRUE(id.HasRow());
    EXPECT_EQ(id.AsInt64(id.ColumnIndex("ID")), first + 1);

    // Posting the demo's credit sale with its interface writes a voucher that
    // another statement sees afterwards.
    FbStatement post(db_);
    post.Prepare("select * from contabil_factura(1,2)");
    post.Open();
    ASSERT_TRUE(post.Fetch());
    EXPECT_EQ(post.AsInt64(0), 0);
    EXPECT_EQ(post.AsString(1), "S");
    std::int64_t voucher = post.AsInt64(2);
    EXPECT_GT(voucher, 0);
    post.Close();
    EXPECT_EQ(Count("select count(*) from comprobante_detalle where enco_consec = " + std::to_string(voucher)), 3);
    EXPECT_EQ(Count("select sum(deco_debito) - sum(deco_credito) from comprobante_detalle where enco_consec = " +
                    std::to_string(voucher)),
              0);
}

TEST_F(ProceduresTest, PostingReportsItsErrorsAndClearsTheOldOnes) {
    FbStatement post(db_);
    // Interface 1 of the cash module belongs to type 61, not to sales.
    post.Prepare("select * from contabil_factura(1,99)");
    post.Open();
    ASSERT_TRUE(post.Fetch());
    EXPECT_EQ(post.AsInt64(0), 1);
    EXPECT_EQ(post.AsString(1), "N");
    EXPECT_EQ(post.AsInt64(2), 0);
    post.Close();
    EXPECT_EQ(Count("select count(*) from errores where erro_tipodoc = 31 and erro_iddoc = 1"), 1);

    // A document that does not exist; the next good posting clears the rows.
    post.Prepare("select * from contabil_factura(77777,1)");
    post.Open();
    ASSERT_TRUE(post.Fetch());
    EXPECT_EQ(post.AsInt64(0), 1);
    post.Close();
    post.Prepare("select * from contabil_factura(1,1)");
    post.Open();
    ASSERT_TRUE(post.Fetch());
    EXPECT_EQ(post.AsString(1), "S");
    post.Close();
    EXPECT_EQ(Count("select count(*) from errores where erro_tipodoc = 31 and erro_iddoc = 1"), 0);
}

TEST_F(ProceduresTest, ArticleAndBalanceProceduresAnswerFromTheTables) {
    FbStatement q(db_);
    q.Prepare("select * from valide_articulo('7700000000101')");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    EXPECT_EQ(q.AsString(q.ColumnIndex("TIPO")), "2");
    EXPECT_EQ(q.AsString(q.ColumnIndex("ID")), "000010");
    q.Close();

    q.Prepare("SELECT * FROM EXISTENCIAS_UNIDAD('000010','2025/12/31','CAJA') where bodega = '01'");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    // 34 units are 2.8333 boxes of twelve
    EXPECT_EQ(q.AsBcd(q.ColumnIndex("EXISTENCIA")), TBcd(28333, 4));
    q.Close();

    q.Prepare("select * from busca_id_doc_cartera(31, '0000','000001', '52345678', '2025/01/20')");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    EXPECT_EQ(q.AsInt64(q.ColumnIndex("ERROR")), 0);
    EXPECT_EQ(q.AsBcd(q.ColumnIndex("SALDO")), TBcd(119000));
    q.Close();
    q.Prepare("select * from busca_id_doc_cartera(31, '0000','000001', '900555111', '2025/01/20')");
    q.Open();
    ASSERT_TRUE(q.Fetch());
    EXPECT_EQ(q.AsInt64(q.ColumnIndex("ERROR")), 2);
    q.Close();
}

TEST_F(ProceduresTest, PriceListsRuleByWeekdayAndHour) {
    // Article 000003 is priced in the Saturday-afternoon list 3; 2025/06/07 is a Saturday.
    struct Case { const char* date; const char* hour; bool saturdayList; };
    const Case cases[] = {
        {"2025/06/07", "15:00:00", true},
        {"2025/06/07", "19:00:00", false},
        {"2025/06/06", "15:00:00", false},
    };
    for (const Case& c : cases) {
        FbStatement q(db_);
        q.Prepare(std::string("select codlista from listas_articulo('000003', '") + c.date + "', 0, 'S', '" + c.hour +
                  "', 0) order by codlista");
        q.Open();
        bool found = false;
        while (q.Fetch())
            found = found || q.AsInt64(0) == 3;
        q.Close();
        EXPECT_EQ(found, c.saturdayList) << c.date << " " << c.hour;
    }

    // List 2 holds prices without VAT: the tax is added on top.
    FbStatement p(db_);
    p.Prepare("select precio, ivamonto, total from consulta_articulos_precios('000003', 2)");
    p.Open();
    ASSERT_TRUE(p.Fetch());
    TBcd precio = p.AsBcd(0);
    EXPECT_EQ(p.AsBcd(1), (precio * TBcd(5) * TBcd(1, 2)).Rounded(2));
    EXPECT_EQ(p.AsBcd(2), precio + p.AsBcd(1));
    p.Close();
}
