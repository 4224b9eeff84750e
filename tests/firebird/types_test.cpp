// Every column type the station uses goes into the database and comes back exactly.
#include <gtest/gtest.h>

#include <ibase.h>

#include <functional>

#include "framework/data/sql/fb_statement.h"
#include "tests/support/firebird_fixture.h"

using namespace tv;
using namespace tv::fb;

namespace {

class TypesTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_.Create(dir_.file("tipos.fdb"), {});
        db_.ExecuteImmediate(
            "CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, C CHAR(3), V VARCHAR(60), S SMALLINT, "
            "B BIGINT, N2 NUMERIC(15,2), N4 NUMERIC(15,4), D4 DECIMAL(9,4), F DOUBLE PRECISION, "
            "FD DATE, FT TIME, FS TIMESTAMP, M BLOB SUB_TYPE TEXT, BB BLOB SUB_TYPE BINARY)");
    }
    std::unique_ptr<FbStatement> Row(int id) {
        auto q = std::make_unique<FbStatement>(db_);
        q->Prepare("SELECT * FROM T WHERE ID = ?");
        q->Params().SetInt64(0, id);
        q->Open();
        EXPECT_TRUE(q->Fetch());
        return q;
    }
    tvtest::TempDir dir_;
    FbDatabase db_;
};

} // namespace

TEST_F(TypesTest, ExactDecimalsKeepEveryDigitAndTheirDeclaredShape) {
    FbStatement ins(db_);
    ins.Prepare("INSERT INTO T (ID, N2, N4, D4) VALUES (?, ?, ?, ?)");
    struct Case { std::int64_t n2; std::int64_t n4; std::int64_t d4; };
    const Case cases[] = {
        {1999999999999LL, 99999999999LL * 10000 + 9999, 99999999},  // the largest values the columns hold
        {-10, -1, -1},                                               // -0.10, -0.0001
        {1, 3, 12345},                                               // 0.01 + 0.0003: no float in between
    };
    int id = 1;
    for (const Case& c : cases) {
        ins.Params().SetInt64(0, id++);
        ins.Params().SetBcd(1, TBcd(c.n2, 2));
        ins.Params().SetBcd(2, TBcd(c.n4, 4));
        ins.Params().SetBcd(3, TBcd(c.d4, 4));
        ins.Execute();
    }
    id = 1;
    for (const Case& c : cases) {
        auto q = Row(id++);
        int n2 = q->ColumnIndex("N2"), n4 = q->ColumnIndex("N4"), d4 = q->ColumnIndex("D4");
        EXPECT_EQ(q->AsBcd(n2), TBcd(c.n2, 2));
        EXPECT_EQ(q->AsBcd(n4), TBcd(c.n4, 4));
        EXPECT_EQ(q->AsBcd(d4), TBcd(c.d4, 4));
        EXPECT_EQ(q->Column(n2).precision, 15);
        EXPECT_EQ(q->Column(n2).scale, -2);
        EXPECT_EQ(q->Column(n4).scale, -4);
        EXPECT_EQ(q->Column(d4).precision, 9);
        q->Close();
    }
    // Sums made by the server stay exact too.
    FbStatement sum(db_);
    sum.Prepare("SELECT SUM(N2) + 0.01, CAST(SUM(N4) AS NUMERIC(18,4)) FROM T WHERE ID > 1");
    sum.Open();
    ASSERT_TRUE(sum.Fetch());
    EXPECT_EQ(sum.AsBcd(0), TBcd(-8, 2));
    EXPECT_EQ(sum.AsString(1), "0.0002");
    sum.Close();
}

TEST_F(TypesTest, TextDatesAndNumbersRoundTrip) {
    FbStatement ins(db_);
    ins.Prepare("INSERT INTO T (ID, C, V, S, B, F, FD, FT, FS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    ins.Params().SetInt64(0, 1);
    ins.Params().SetString(1, "S");
    ins.Params().SetString(2, "Café con leche, año nuevo, ñandú ÁÉÍÓÚ");
    ins.Params().SetInt64(3, -32768);
    ins.Params().SetInt64(4, 9223372036854775807LL);
    ins.Params().SetDouble(5, 0.1);
    ins.Params().SetDate(6, EncodeDate(2024, 2, 29));
    ins.Params().SetTime(7, EncodeTime(23, 59, 58, 125));
    ins.Params().SetTimestamp(8, EncodeDateTime(1899, 12, 29, 6, 0, 0, 0));
    EXPECT_EQ(ins.Execute(), 1);

    auto q = Row(1);
    EXPECT_EQ(q->AsString(q->ColumnIndex("C")), "S");
    EXPECT_EQ(q->AsString(q->ColumnIndex("C"), false), "S  ");  // CHAR(3) keeps its length untrimmed
    EXPECT_EQ(q->Column(q->ColumnIndex("C")).charLength, 3u);
    EXPECT_EQ(q->AsString(q->ColumnIndex("V")), "Café con leche, año nuevo, ñandú ÁÉÍÓÚ");
    EXPECT_EQ(q->Column(q->ColumnIndex("V")).charLength, 60u);
    EXPECT_EQ(q->AsInt64(q->ColumnIndex("S")), -32768);
    EXPECT_EQ(q->AsInt64(q->ColumnIndex("B")), 9223372036854775807LL);
    EXPECT_EQ(q->AsDouble(q->ColumnIndex("F")), 0.1);
    EXPECT_EQ(q->AsDateTime(q->ColumnIndex("FD")).Value(), EncodeDate(2024, 2, 29).Value());
    EXPECT_EQ(q->AsString(q->ColumnIndex("FD")), "2024/02/29");
    EXPECT_DOUBLE_EQ(q->AsDateTime(q->ColumnIndex("FT")).Value(), EncodeTime(23, 59, 58, 125).Value());
    EXPECT_DOUBLE_EQ(q->AsDateTime(q->ColumnIndex("FS")).Value(), -1.25);
    EXPECT_TRUE(q->IsNull(q->ColumnIndex("N2")));
    q->Close();
}

TEST_F(TypesTest, TextValuesFeedTypedColumnsThroughTheServer) {
    // The SQL the application composes writes dates as 'yyyy/mm/dd' and numbers with ".".
    FbStatement ins(db_);
    ins.Prepare("INSERT INTO T (ID, N2, FD) VALUES (?, ?, ?)");
    ins.Params().SetInt64(0, 1);
    ins.Params().SetString(1, "1234.56");
    ins.Params().SetString(2, "2025/01/31");
    ins.Execute();
    auto q = Row(1);
    EXPECT_EQ(q->AsBcd(q->ColumnIndex("N2")), TBcd(123456, 2));
    EXPECT_EQ(q->AsString(q->ColumnIndex("FD")), "2025/01/31");
    q->Close();
}

TEST_F(TypesTest, BlobsOfSeveralMegabytesRoundTrip) {
    std::string text;
    while (text.size() < 3 * 1024 * 1024)
        text += "Línea de observaciones número " + std::to_string(text.size()) + " con tildes: áéíóú.\n";
    std::string bytes(5 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);

    FbStatement ins(db_);
    ins.Prepare("INSERT INTO T (ID, M, BB) VALUES (?, ?, ?)");
    ins.Params().SetInt64(0, 1);
    ins.Params().SetString(1, text);
    ins.Params().SetBytes(2, bytes);
    ins.Execute();

    auto q = Row(1);
    int m = q->ColumnIndex("M"), bb = q->ColumnIndex("BB");
    EXPECT_EQ(q->Column(m).subType, 1);
    EXPECT_EQ(q->Column(bb).subType, 0);
    EXPECT_TRUE(q->AsBlob(m) == text);
    EXPECT_TRUE(q->AsBlob(bb) == bytes);
    q->Close();
}

TEST_F(TypesTest, OnePreparedStatementTakesValuesOfAnotherKindOrLengthAtEachRun) {
    FbStatement q(db_);
    q.Prepare("SELECT CAST(? AS VARCHAR(20)), CAST(? AS NUMERIC(15,2)) FROM RDB$DATABASE");
    struct Case {
        std::function<void(FbParams&)> bind;
        const char* text;  // null: NULL
        double number;
    };
    const Case cases[] = {
        {[](FbParams& p) { p.SetString(0, "7701"), p.SetInt64(1, 1250, -2); }, "7701", 12.5},
        {[](FbParams& p) { p.SetString(0, "7701234567890"), p.SetInt64(1, 3); }, "7701234567890", 3},
        {[](FbParams& p) { p.SetString(0, "ab"), p.SetInt64(1, 7); }, "ab", 7},  // shorter again: no trailing bytes
        {[](FbParams& p) { p.SetNull(0), p.SetDouble(1, 0.25); }, nullptr, 0.25},
        {[](FbParams& p) { p.SetString(0, "ñandú"), p.SetString(1, "4.5"); }, "ñandú", 4.5},
    };
    for (const Case& c : cases) {
        c.bind(q.Params());
        q.Open();
        ASSERT_TRUE(q.Fetch());
        if (c.text)
            EXPECT_EQ(q.AsString(0), c.text);
        else
            EXPECT_TRUE(q.IsNull(0));
        EXPECT_DOUBLE_EQ(q.AsDouble(1), c.number);
        q.Close();
    }
}
