// Reading without a transaction of its own: which statements are known to only
// read (and so run in the attachment's kept read-only transaction), and a
// procedure called with literals prepared once for every call, as the price
// query calls it for each bar code.
#include <gtest/gtest.h>

#include "core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_reads.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqltokens.h"
#include "tests/support/firebird_fixture.h"

using namespace tv;

namespace {

class ReadsTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_.Open(dbs_.CompanyPath(), {});
        db_.ExecuteImmediate("CREATE TABLE NOTAS (TEXTO VARCHAR(40))");
        db_.ExecuteImmediate("CREATE PROCEDURE ANOTA RETURNS (N INTEGER) AS BEGIN "
                             "INSERT INTO NOTAS VALUES ('leída'); N = 1; SUSPEND; END");
        db_.ExecuteImmediate("CREATE PROCEDURE LLAMA_ANOTA RETURNS (N INTEGER) AS BEGIN "
                             "SELECT N FROM ANOTA INTO :N; SUSPEND; END");
        db_.ExecuteImmediate("CREATE PROCEDURE ECO (T VARCHAR(20), N INTEGER) RETURNS (T2 VARCHAR(20), N2 INTEGER) "
                             "AS BEGIN T2 = T; N2 = N; SUSPEND; END");
        // Two rows, then a failure half way through the reading.
        db_.ExecuteImmediate("CREATE PROCEDURE FALLA RETURNS (T2 VARCHAR(20), N2 INTEGER) AS BEGIN "
                             "T2 = 'a'; N2 = 1; SUSPEND; N2 = 2; SUSPEND; N2 = 1 / (N2 - 2); SUSPEND; END");
        conn_ = new TSQLConnection(&owner_);
        conn_->SetLoginPrompt(false);
        conn_->Params().SetValues("Database", dbs_.CompanyPath());
        conn_->Params().SetValues("User_Name", "sysdba");
    }

    std::string Scalar(TSQLQuery& q, const std::string& sql) {
        q.SQL().SetText(sql);
        q.Open();
        std::string v = q.Fields()[0]->AsString();
        q.Close();
        return v;
    }

    tvtest::FirebirdDatabases dbs_;
    fb::FbDatabase db_;
    TComponent owner_;
    TSQLConnection* conn_ = nullptr;
};

} // namespace

TEST_F(ReadsTest, StatementsThatOnlyReadAreToldFromTheirWordsAndTheCatalogue) {
    const struct {
        const char* sql;
        bool reads;
    } cases[] = {
        {"SELECT * FROM ARTICULO", true},
        {"select count(*), max(arti_precio) from articulo where arti_des like 'UPDATE%'", true},
        {"/* delete */ SELECT 1 FROM RDB$DATABASE -- insert", true},
        {"WITH A AS (SELECT ARTI_COD FROM ARTICULO) SELECT * FROM A", true},
        // The price query's procedure reads, and so does the one it calls.
        {"SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('7701', 1)", true},
        {"SELECT * FROM ANOTA", false},
        {"SELECT * FROM LLAMA_ANOTA", false},
        {"SELECT * FROM \"ANOTA\"", false},
        {"SELECT ARTI_COD FROM ARTICULO WITH LOCK", false},
        {"SELECT ARTI_COD FROM ARTICULO FOR UPDATE", false},
        {"SELECT NEXT VALUE FOR G FROM RDB$DATABASE", false},
        {"SELECT GEN_ID(G, 1) FROM RDB$DATABASE", false},
        {"SELECT RDB$SET_CONTEXT('USER_SESSION', 'A', 1) FROM RDB$DATABASE", false},
        {"UPDATE ARTICULO SET ARTI_PESO = 1", false},
        {"EXECUTE PROCEDURE ANOTA", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fb::StatementOnlyReads(db_, c.sql), c.reads) << c.sql;

    // A procedure changed to read only is judged again.
    db_.ExecuteImmediate("ALTER PROCEDURE ANOTA RETURNS (N INTEGER) AS BEGIN N = 1; SUSPEND; END");
    EXPECT_TRUE(fb::StatementOnlyReads(db_, "SELECT * FROM LLAMA_ANOTA"));
}

TEST_F(ReadsTest, ReadsShareTheKeptTransactionAndAWritingProcedureKeepsItsWrites) {
    TSQLQuery q(&owner_);
    q.SetSQLConnection(conn_);
    const std::string tx = "SELECT CURRENT_TRANSACTION FROM RDB$DATABASE";
    const std::string first = Scalar(q, tx);
    EXPECT_EQ(Scalar(q, tx), first);
    // What another attachment commits is seen by the next read.
    db_.ExecuteImmediate("INSERT INTO NOTAS VALUES ('de otra estación')");
    EXPECT_EQ(Scalar(q, "SELECT COUNT(*) FROM NOTAS"), "1");

    EXPECT_EQ(Scalar(q, "SELECT N FROM LLAMA_ANOTA"), "1");
    EXPECT_EQ(Scalar(q, "SELECT N FROM ANOTA"), "1");
    EXPECT_EQ(Scalar(q, "SELECT COUNT(*) FROM NOTAS"), "3");
}

TEST_F(ReadsTest, ProcedureCallsWithLiteralsShareOneShape) {
    const struct {
        const char* sql;
        const char* shape; // nullptr: not a call of literals
        std::vector<std::string> values;
    } cases[] = {
        {"SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('7701', 1)", "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(?, ?)",
         {"7701", "1"}},
        {"select t2 , n2 from eco('it''s', -3)", "SELECT T2 , N2 FROM ECO(?, ?)", {"it's", "-3"}},
        {"SELECT /* ( */ \"T2\" FROM ECO('(', 0)", "SELECT \"T2\" FROM ECO(?, ?)", {"(", "0"}},
        {"SELECT * FROM ECO(_UTF8'x', 1)", nullptr, {}},
        {"SELECT * FROM ECO('x', 1.5)", nullptr, {}},
        {"SELECT * FROM ECO('x', ?)", nullptr, {}},
        {"SELECT * FROM ECO('x', 1) WHERE N2 = 1", nullptr, {}},
        {"SELECT FIRST 1 * FROM ECO('x', 1)", nullptr, {}},
        {"SELECT UPPER(T2) FROM ECO('x', 1)", nullptr, {}},
        {"SELECT * FROM ARTICULO", nullptr, {}},
    };
    for (const auto& c : cases) {
        std::string shape;
        std::vector<std::string> values;
        const bool matched = ProcedureCallShape(c.sql, shape, values);
        EXPECT_EQ(matched, c.shape != nullptr) << c.sql;
        if (matched && c.shape) {
            EXPECT_EQ(shape, c.shape);
            EXPECT_EQ(values, c.values) << c.sql;
        }
    }
}

TEST_F(ReadsTest, AProcedureCalledAgainWithOtherLiteralsIsNotPreparedAgain) {
    TSQLQuery q(&owner_);
    q.SetSQLConnection(conn_);
    auto call = [&](const std::string& args) {
        q.SQL().SetText("SELECT T2, N2 FROM ECO(" + args + ")");
        const bool kept = q.Prepared();
        q.Open();
        std::string v = q.Fields()[0]->AsString() + "|" + q.Fields()[1]->AsString();
        q.Close();
        return std::make_pair(kept, v);
    };
    EXPECT_EQ(call("'uno', 1"), std::make_pair(false, std::string("uno|1")));
    // A quote in the code stays inside one literal; a NUL does not cut it.
    EXPECT_EQ(call("'o''neil', -2"), std::make_pair(true, std::string("o'neil|-2")));
    EXPECT_EQ(call(std::string("'a\0b', 3", 8)), std::make_pair(true, std::string("a\0b|3", 5)));
    EXPECT_EQ(call("'', 0"), std::make_pair(true, std::string("|0")));
    // Another shape is prepared anew; so is the same one after a new connection.
    q.SQL().SetText("SELECT N FROM ANOTA");
    EXPECT_FALSE(q.Prepared());
    EXPECT_EQ(call("'dos', 2"), std::make_pair(false, std::string("dos|2")));
    conn_->Close();
    EXPECT_EQ(call("'tres', 3"), std::make_pair(false, std::string("tres|3")));
    // A code too long for the parameter fails as the literal did.
    EXPECT_ANY_THROW(call("'" + std::string(30, '9') + "', 1"));
    q.Close();

    // The station's way: the client dataset's command text through a provider.
    auto* p = new TDataSetProvider(&owner_);
    p->SetName("PEco");
    p->SetOptions({poAllowCommandText});
    p->SetDataSet(&q);
    auto* cds = new TClientDataSet(&owner_);
    cds->SetProviderName("PEco");
    for (const char* code : {"7701", "77'02", "7703"}) {
        cds->Close();
        cds->SetCommandText(std::string("SELECT * FROM ECO('") + (code == std::string("77'02") ? "77''02" : code) +
                            "', 1)");
        cds->Open();
        ASSERT_EQ(cds->RecordCount(), 1);
        EXPECT_EQ(cds->FieldByName("T2")->AsString(), code);
    }
}

TEST_F(ReadsTest, AClientDatasetFollowsTheShapeOfEachReadAndRecoversFromAFailedOne) {
    TSQLQuery q(&owner_);
    q.SetSQLConnection(conn_);
    auto* p = new TDataSetProvider(&owner_);
    p->SetName("PEco");
    p->SetOptions({poAllowCommandText});
    p->SetDataSet(&q);
    auto* cds = new TClientDataSet(&owner_);
    cds->SetProviderName("PEco");
    auto read = [&](const std::string& sql) {
        cds->Close();
        cds->SetCommandText(sql);
        cds->Open();
        std::string out;
        for (TField* f : cds->Fields()) out += f->FieldName() + "=" + f->AsString() + (f->DataType() == ftInteger ? "#" : "") + " ";
        return out;
    };
    EXPECT_EQ(read("SELECT T2, N2 FROM ECO('uno', 1)"), "T2=uno N2=1# ");
    EXPECT_EQ(read("SELECT T2, N2 FROM ECO('dos', 2)"), "T2=dos N2=2# ");
    // The same names with other types, then other names: the fields follow.
    EXPECT_EQ(read("SELECT N2 AS T2, T2 AS N2 FROM ECO('tres', 3)"), "T2=3# N2=tres ");
    EXPECT_EQ(read("SELECT N2 AS UNO FROM ECO('x', 4)"), "UNO=4# ");
    // A read that fails half way leaves nothing open; the next one reads anew.
    cds->Close();
    cds->SetCommandText("SELECT T2, N2 FROM FALLA");
    EXPECT_ANY_THROW(cds->Open());
    EXPECT_FALSE(cds->Active());
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(read("SELECT T2, N2 FROM ECO('cinco', 5)"), "T2=cinco N2=5# ");
}
