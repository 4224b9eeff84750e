#include <gtest/gtest.h>

#include "framework/data/sql/sql_script.h"

using tv::fb::SplitSqlScript;

TEST(SqlScript, SplitsOnTheTerminatorInForce) {
    struct Case {
        const char* script;
        std::vector<std::string> statements;
    };
    const Case cases[] = {
        {"CREATE TABLE A (X INT);\nINSERT INTO A VALUES (1);", {"CREATE TABLE A (X INT)", "INSERT INTO A VALUES (1)"}},
        {"-- a comment; with a semicolon\nSELECT 1 FROM RDB$DATABASE;", {"SELECT 1 FROM RDB$DATABASE"}},
        {"INSERT INTO A VALUES ('a;b'' ; c');", {"INSERT INTO A VALUES ('a;b'' ; c')"}},
        {"/* block; comment */ COMMIT; SET SQL DIALECT 3;", {}},
        {"SET TERM ^ ;\nCREATE PROCEDURE P AS BEGIN EXIT; END^\nSET TERM ; ^\nSELECT 2 FROM RDB$DATABASE;",
         {"CREATE PROCEDURE P AS BEGIN EXIT; END", "SELECT 2 FROM RDB$DATABASE"}},
        {"SELECT 3 FROM RDB$DATABASE", {"SELECT 3 FROM RDB$DATABASE"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitSqlScript(c.script), c.statements) << c.script;
}
