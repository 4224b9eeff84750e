// The driver's error texts come from real failures, in the shapes the central
// error handler reads.
#include <gtest/gtest.h>

#include <ibase.h>
#include <iberror.h>

#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/fb_statement.h"
#include "tests/support/firebird_fixture.h"

using namespace tv;
using namespace tv::fb;

namespace {

std::string ConnectError(const std::string& database, const ConnectOptions& options = {}) {
    FbDatabase db;
    try {
        db.Open(database, options);
    } catch (const EFirebirdError& e) {
        return e.Message();
    }
    ADD_FAILURE() << "connected to " << database;
    return {};
}

// The text between the first two double quotes, as the central handler takes it.
std::string Quoted(const std::string& m) {
    size_t a = m.find('"');
    if (a == std::string::npos)
        return {};
    size_t b = m.find('"', a + 1);
    return m.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
}

} // namespace

TEST(DriverErrors, FailuresToConnect) {
    tvtest::TempDir dir;
    std::string missing = dir.file("datos/999/tallyvo.fdb");

    std::string m = ConnectError(missing);
    EXPECT_EQ(m.rfind("dbExpress", 0), 0u) << m;
    EXPECT_NE(m.find("I/O error for file"), std::string::npos) << m;
    EXPECT_EQ(Quoted(m), missing);

    m = ConnectError("servidor-que-no-existe.invalid:" + missing);
    EXPECT_EQ(m.rfind("dbExpress", 0), 0u) << m;
    EXPECT_NE(m.find("Unable to complete network request"), std::string::npos) << m;
    EXPECT_EQ(Quoted(m), "servidor-que-no-existe.invalid");

    // A host that answers but has no server on the port.
    m = ConnectError("127.0.0.1/1:" + missing);
    EXPECT_EQ(m.rfind("dbExpress", 0), 0u) << m;
    EXPECT_NE(m.find("Connection failed"), std::string::npos) << m;
    EXPECT_EQ(m.find("Unable to complete network request"), std::string::npos) << m;
}

TEST(DriverErrors, KeyViolationsStandAtPositions19To38) {
    tvtest::FirebirdDatabases dbs;
    FbDatabase db;
    db.Open(dbs.CompanyPath(), {});
    struct Case { const char* sql; const char* words; };
    const Case cases[] = {
        {"INSERT INTO GRUPO (GRUP_COD, GRUP_NOM) VALUES ('01', 'Repetido')", "violation of PRIMARY"},
        {"INSERT INTO SUBGRUPO (GRUP_COD, SUBG_COD) VALUES ('ZZ', '001')", "violation of FOREIGN"},
        // a master row that details still use
        {"DELETE FROM GRUPO WHERE GRUP_COD = '01'", "violation of FOREIGN"},
    };
    for (const Case& c : cases) {
        FbStatement q(db);
        q.Prepare(c.sql);
        try {
            q.Execute();
            ADD_FAILURE() << c.sql;
        } catch (const EFirebirdError& e) {
            ASSERT_GE(e.Message().size(), 38u);
            EXPECT_EQ(e.Message().substr(18, 20), c.words) << e.Message();
        }
    }
    // Nothing of the refused statements stays behind.
    FbStatement count(db);
    count.Prepare("SELECT COUNT(*) FROM GRUPO WHERE GRUP_NOM = 'Repetido'");
    count.Open();
    ASSERT_TRUE(count.Fetch());
    EXPECT_EQ(count.AsInt64(0), 0);
    count.Close();
}

TEST(DriverErrors, OtherStatementErrorsCarryTheServersText) {
    tvtest::TempDir dir;
    FbDatabase db;
    db.Create(dir.file("x.fdb"), {});
    FbStatement q(db);
    try {
        q.Prepare("SELECT * FROM TABLA_QUE_NO_EXISTE");
        FAIL();
    } catch (const EFirebirdError& e) {
        EXPECT_EQ(e.Message().rfind(kStatementPrefix, 0), 0u);
        EXPECT_NE(e.Message().find("TABLA_QUE_NO_EXISTE"), std::string::npos) << e.Message();
        EXPECT_EQ(e.ErrorCode(), isc_dsql_error);
    }
}
