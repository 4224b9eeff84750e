// Logging in is connecting: through the suite's own server on the loopback
// address (scripts/services/firebird.sh) the user and password are checked;
// the embedded engine checks none.
#include <gtest/gtest.h>

#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/fb_statement.h"
#include "tests/support/firebird_fixture.h"
#include "tests/support/suite_server.h"

using namespace tv;
using namespace tv::fb;

namespace {

std::string CurrentUser(FbDatabase& db) {
    FbStatement q(db);
    q.Prepare("SELECT CURRENT_USER FROM RDB$DATABASE");
    q.Open();
    EXPECT_TRUE(q.Fetch());
    std::string user = q.AsString(0);
    q.Close();
    return user;
}

} // namespace

TEST(Login, TheServerChecksUserAndPassword) {
    tvtest::SuiteServer server;
    std::string why;
    ASSERT_TRUE(tvtest::FindSuiteServer(server, why)) << why;
    tvtest::FirebirdDatabases dbs;
    std::string entry = server.Entry(dbs.GeneralPath());

    FbDatabase db;
    db.Open(entry, {"cajero", "cajero", ""});
    EXPECT_EQ(CurrentUser(db), "CAJERO");
    db.Close();

    try {
        db.Open(entry, {"cajero", "equivocada", ""});
        FAIL() << "a wrong password connected";
    } catch (const EFirebirdError& e) {
        EXPECT_EQ(e.Message().rfind("dbExpress", 0), 0u) << e.Message();
        EXPECT_NE(e.Message().find("Your user name and password are not defined"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(db.Connected());

    try {
        db.Open(entry, {"nadie", "cajero", ""});
        FAIL() << "an unknown user connected";
    } catch (const EFirebirdError& e) {
        EXPECT_NE(e.Message().find("Your user name and password are not defined"), std::string::npos) << e.Message();
    }
}

TEST(Login, TheEmbeddedEngineTakesAnyPassword) {
    tvtest::FirebirdDatabases dbs;
    FbDatabase db;
    db.Open(dbs.GeneralPath(), {"cajero", "cualquiera", ""});
    EXPECT_EQ(CurrentUser(db), "CAJERO");
}
