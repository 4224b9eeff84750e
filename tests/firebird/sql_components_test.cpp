// The SQL components on a company database: a connection configured as the
// data modules configure theirs, queries with parameters and master rows,
// stored procedures, tables, and a provider that fetches in packets and writes
// changes back.
#include <gtest/gtest.h>

#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "framework/data/sql/sqltable.h"
#include "tests/support/firebird_fixture.h"

using namespace tv;

namespace {

class SqlComponentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        conn_ = new TSQLConnection(&owner_);
        conn_->SetDriverName("Interbase");
        conn_->SetGetDriverFunc("getSQLDriverINTERBASE");
        conn_->SetLibraryName("dbexpint.dll");
        conn_->SetVendorLib("gds32.dll");
        conn_->SetLoginPrompt(false);
        conn_->Params().SetText("BlobSize=-1\nCommitRetain=False\nSQLDialect=3\n"
                                "Interbase TransIsolation=ReadCommited\nWaitOnLocks=True\nLocaleCode=0000\n"
                                "RoleName=RoleName\nUser_Name=sysdba\nPassword=quillmoss\n");
        conn_->Params().SetValues("database", dbs_.CompanyPath()); // names are case-insensitive
    }

    std::string Scalar(const std::string& sql) {
        TSQLQuery q(&owner_);
        q.SetSQLConnection(conn_);
        q.SQL().SetText(sql);
        q.Open();
        std::string v = q.Fields()[0]->AsString();
        q.Close();
        return v;
    }

    // A provider over a new query of the connection.
    TDataSetProvider* QueryProvider(TSQLQuery*& query, TProviderOptions options = {poAllowCommandText}) {
        query = new TSQLQuery(&owner_);
        query->SetSQLConnection(conn_);
        auto* p = new TDataSetProvider(&owner_);
        p->SetDataSet(query);
        p->SetOptions(options);
        return p;
    }

    tvtest::FirebirdDatabases dbs_;
    TComponent owner_;
    TSQLConnection* conn_ = nullptr;
};

} // namespace

TEST_F(SqlComponentsTest, QueryWithNamedParametersGivesTypedFields) {
    TSQLQuery q(&owner_);
    q.SetSQLConnection(conn_);
    q.SQL().SetText("SELECT * FROM ARTICULO WHERE ARTI_COD = :COD OR ARTI_COD = :OTRO OR ARTI_COD = :COD");
    ASSERT_EQ(q.Params().Count(), 2);
    q.ParamByName("cod").SetAsString("000010");
    q.ParamByName("OTRO").SetAsString("no existe");
    q.Open();
    EXPECT_TRUE(conn_->Connected()); // opening a dataset connects
    ASSERT_FALSE(q.Eof());

    TField* cod = q.FieldByName("ARTI_COD");
    EXPECT_EQ(cod->DataType(), ftString);
    EXPECT_EQ(cod->Size(), 15);
    EXPECT_TRUE(cod->Required());
    EXPECT_EQ(cod->AsString(), "000010");
    TField* precio = q.FieldByName("ARTI_PRECIO");
    EXPECT_EQ(precio->DataType(), ftFMTBcd);
    EXPECT_EQ(precio->Precision(), 15);
    EXPECT_EQ(precio->Size(), 2);
    EXPECT_EQ(q.FieldByName("ARTI_PESO")->Size(), 4);
    EXPECT_EQ(q.FieldByName("ARTI_EXIST")->DataType(), ftFixedChar);
    EXPECT_EQ(q.FieldByName("ARTI_OBS")->DataType(), ftMemo);
    EXPECT_EQ(q.FieldByName("ARTI_FOTO")->DataType(), ftBlob);
    EXPECT_EQ(q.FieldByName("ARTI_FECHA")->DataType(), ftDate);
    EXPECT_EQ(q.FieldByName("TAIV_COD")->DataType(), ftInteger);
    EXPECT_EQ(q.FieldByName("ARTI_OBS")->AsString(), "Consérvese en lugar fresco y seco. Producto colombiano.");
    q.Next();
    EXPECT_TRUE(q.Eof());

    // Closing the connection closes its datasets.
    conn_->Close();
    EXPECT_FALSE(q.Active());
}

TEST_F(SqlComponentsTest, TrimCharDecidesHowCharValuesRead) {
    EXPECT_EQ(Scalar("SELECT CAST('AB' AS CHAR(5)) FROM RDB$DATABASE"), "AB");
    conn_->Close();
    conn_->Params().SetValues("Trim Char", "False");
    EXPECT_EQ(Scalar("SELECT CAST('AB' AS CHAR(5)) FROM RDB$DATABASE"), "AB   ");
}

TEST_F(SqlComponentsTest, ExactDecimalsReadAsCurrencyToTheLastDigit) {
    struct Case { const char* expr; std::int64_t raw; };
    const Case cases[] = {
        {"CAST(12.5 AS NUMERIC(4,1))", 125000},                          // smallint storage
        {"CAST(-1234.567 AS NUMERIC(9,3))", -12345670},                  // integer storage
        {"CAST(1999999999999.99 AS NUMERIC(15,2))", 19999999999999900},  // the station's widest price
        {"CAST(-0.0001 AS NUMERIC(15,4))", -1},
        {"CAST(92233720368.5476 AS NUMERIC(18,4))", 922337203685476},
        {"CAST(92233720368.5477 AS NUMERIC(18,4))", 922337203685477},
        {"CAST(-99999999999.9999 AS NUMERIC(15,4))", -999999999999999},
        {"CAST(-99999999999999.9999 AS NUMERIC(18,4))", -999999999999999999}, // eighteen digits
    };
    std::string sql = "SELECT ";
    for (const Case& c : cases)
        sql += std::string(&c == cases ? "" : ", ") + c.expr + " AS N" + std::to_string(&c - cases);
    TSQLQuery q(&owner_);
    q.SetSQLConnection(conn_);
    q.SQL().SetText(sql + " FROM RDB$DATABASE");
    q.Open();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].expr);
        const Variant v = q.Fields()[static_cast<int>(i)]->AsVariant();
        EXPECT_EQ(VarType(v), varCurrency);
        EXPECT_EQ(v.AsCurrency().Raw(), cases[i].raw);
    }
    q.Close();
}

TEST_F(SqlComponentsTest, MasterRowFeedsTheDetailParameters) {
    auto* types = new TSQLQuery(&owner_);
    types->SetSQLConnection(conn_);
    types->SQL().SetText("SELECT * FROM TIPO_DOCUMENTO WHERE TIDO_COD IN (11, 31, 61) ORDER BY TIDO_COD");
    auto* p = new TDataSetProvider(&owner_);
    p->SetName("PTipodoc");
    p->SetDataSet(types);
    auto* master = new TClientDataSet(&owner_);
    master->SetProviderName("PTipodoc");
    auto* source = new TDataSource(&owner_);
    source->SetDataSet(master);
    master->Open();

    TSQLQuery detail(&owner_);
    detail.SetSQLConnection(conn_);
    detail.SQL().SetText("SELECT * FROM PREFIJOS WHERE TIDO_COD = :TIDO_COD ORDER BY PREF_PRE");
    detail.SetDataSource(source);
    detail.Open();
    EXPECT_EQ(detail.FieldByName("TIDO_COD")->AsInteger(), 11);
    master->Next();
    ASSERT_TRUE(detail.Active());
    EXPECT_EQ(detail.FieldByName("TIDO_COD")->AsInteger(), 31);
    EXPECT_EQ(detail.FieldByName("PREF_ACTUAL")->AsString(), "000002");

    // The same through a table's master fields.
    TSQLTable lines(&owner_);
    lines.SetSQLConnection(conn_);
    lines.SetTableName("PREFIJOS");
    lines.SetMasterFields("TIDO_COD");
    lines.SetMasterSource(source);
    lines.Open();
    EXPECT_EQ(lines.FieldByName("TIDO_COD")->AsInteger(), 31);
    master->Next();
    EXPECT_EQ(lines.FieldByName("TIDO_COD")->AsInteger(), 61);
}

TEST_F(SqlComponentsTest, StoredProceduresByExecProcAndAsRows) {
    TSQLStoredProc id(&owner_);
    id.SetSQLConnection(conn_);
    id.SetStoredProcName("CAMBIE_ID_ENTRADA");
    id.ExecProc();
    int first = id.ParamByName("ID").AsInteger();
    id.ExecProc();
    EXPECT_EQ(id.ParamByName("ID").AsInteger(), first + 1);
    EXPECT_EQ(id.ParamByName("ID").ParamType(), ptOutput);

    TSQLStoredProc padre(&owner_);
    padre.SetSQLConnection(conn_);
    padre.SetStoredProcName("PADRE");
    padre.ExecProc(); // describes the parameters
    padre.ParamByName("CUENTA").SetAsString("130505");
    padre.ExecProc();
    EXPECT_EQ(padre.ParamByName("PADRE").AsString(), "1305");

    TSQLStoredProc valide(&owner_);
    valide.SetSQLConnection(conn_);
    valide.SetStoredProcName("VALIDE_ARTICULO");
    valide.Params().Add("CODIGO").SetAsString("7700000000019");
    valide.Open();
    EXPECT_EQ(valide.FieldByName("TIPO")->AsString(), "2");
    EXPECT_EQ(valide.FieldByName("ID")->AsString(), "000001");
    EXPECT_EQ(valide.Fields()[3]->AsString(), "000001");
}

TEST_F(SqlComponentsTest, ProviderFetchesInPacketsAndAppliesChanges) {
    // An article nothing refers to yet, to be deleted.
    conn_->ExecuteDirect("insert into articulo (arti_cod, arti_des, arti_unidad, taiv_cod) "
                         "values ('ZZBORRAR', 'Para borrar', 'UNIDAD', 0)");
    auto* q = new TSQLQuery(&owner_);
    q->SetSQLConnection(conn_);
    auto* p = new TDataSetProvider(&owner_);
    p->SetName("PArticulos");
    p->SetDataSet(q);
    p->SetOptions({poAllowCommandText});
    std::string error;
    p->OnUpdateError = [&](TObject*, TDataSet*, EUpdateError& e, TUpdateKind, TResolverResponse&) { error += e.Message(); };
    auto* cds = new TClientDataSet(&owner_);
    cds->SetProviderName("PArticulos");
    cds->SetPacketRecords(100);
    // A computed column travels with the rows but is neither written nor matched.
    cds->SetCommandText("select arti_cod, arti_des, arti_precio, arti_unidad, taiv_cod, arti_precio * 2 as doble "
                        "from articulo order by arti_cod");
    cds->Open();
    EXPECT_EQ(cds->RecordCount(), 100);
    EXPECT_FALSE(cds->AllFetched());
    EXPECT_EQ(cds->GetNextPacket(), 100);
    cds->Last();
    EXPECT_TRUE(cds->AllFetched());
    EXPECT_EQ(cds->RecordCount(), 301);

    // Change one row, add one, remove one.
    ASSERT_TRUE(cds->Locate("ARTI_COD", Variant("000002"), {}));
    cds->Edit();
    cds->FieldByName("ARTI_DES")->SetAsString("Azúcar con 'comillas' cambiada");
    cds->FieldByName("ARTI_PRECIO")->SetAsBCD(TBcd(123456, 2));
    cds->Post();
    cds->Append();
    cds->FieldByName("ARTI_COD")->SetAsString("NUEVO1");
    cds->FieldByName("ARTI_DES")->SetAsString("Artículo nuevo");
    cds->FieldByName("ARTI_UNIDAD")->SetAsString("UNIDAD");
    cds->FieldByName("TAIV_COD")->SetAsInteger(3);
    cds->Post();
    ASSERT_TRUE(cds->Locate("ARTI_COD", Variant("ZZBORRAR"), {}));
    cds->Delete();
    EXPECT_EQ(cds->ApplyUpdates(0), 0);
    EXPECT_EQ(error, "");

    EXPECT_EQ(Scalar("select arti_des from articulo where arti_cod = '000002'"), "Azúcar con 'comillas' cambiada");
    EXPECT_EQ(Scalar("select cast(arti_precio * 100 as integer) from articulo where arti_cod = '000002'"), "123456");
    EXPECT_EQ(Scalar("select arti_des from articulo where arti_cod = 'NUEVO1'"), "Artículo nuevo");
    EXPECT_EQ(Scalar("select count(*) from articulo where arti_cod = 'ZZBORRAR'"), "0");
}

TEST_F(SqlComponentsTest, RefusedChangesReachTheErrorHandlerAndLeaveNothingBehind) {
    auto* q = new TSQLQuery(&owner_);
    q->SetSQLConnection(conn_);
    // The client holds only some groups, so the duplicate is the server's to refuse.
    q->SQL().SetText("SELECT * FROM GRUPO WHERE GRUP_COD > '05'");
    auto* p = new TDataSetProvider(&owner_);
    p->SetName("PGrupo");
    p->SetDataSet(q);
    std::string message;
    p->OnUpdateError = [&](TObject*, TDataSet*, EUpdateError& e, TUpdateKind, TResolverResponse& response) {
        message = e.Message();
        response = rrAbort;
    };
    auto* cds = new TClientDataSet(&owner_);
    cds->SetProviderName("PGrupo");
    cds->Open();
    cds->Append();
    cds->FieldByName("GRUP_COD")->SetAsString("90");
    cds->FieldByName("GRUP_NOM")->SetAsString("Primero del lote");
    cds->Post();
    cds->Append();
    cds->FieldByName("GRUP_COD")->SetAsString("01");
    cds->FieldByName("GRUP_NOM")->SetAsString("Repetido");
    cds->Post();
    EXPECT_GT(cds->ApplyUpdates(-1), 0);
    ASSERT_GE(message.size(), 38u);
    EXPECT_EQ(message.substr(18, 20), "violation of PRIMARY") << message;
    // The batch is one transaction: the first insert went back too.
    EXPECT_EQ(Scalar("select count(*) from grupo where grup_cod = '90'"), "0");
}

namespace {

// The same value of the same variant type (Null equals only Null).
bool SameVariant(const Variant& a, const Variant& b) {
    return a.VarType() == b.VarType() && (a.IsNull() || a == b);
}

void ExpectSamePacket(const TDataPacket& got, const TDataPacket& want) {
    ASSERT_EQ(got.fields.size(), want.fields.size());
    for (std::size_t i = 0; i < want.fields.size(); ++i) {
        const TPacketField &g = got.fields[i], &w = want.fields[i];
        EXPECT_TRUE(g.name == w.name && g.type == w.type && g.size == w.size && g.precision == w.precision &&
                    g.required == w.required && g.readOnly == w.readOnly && g.providerFlags == w.providerFlags &&
                    g.origin == w.origin && g.displayLabel == w.displayLabel)
            << "field " << w.name;
    }
    ASSERT_EQ(got.rows.size(), want.rows.size());
    for (std::size_t r = 0; r < want.rows.size(); ++r) {
        ASSERT_EQ(got.rows[r].values.size(), want.rows[r].values.size());
        for (std::size_t i = 0; i < want.rows[r].values.size(); ++i)
            EXPECT_TRUE(SameVariant(got.rows[r].values[i], want.rows[r].values[i]))
                << "row " << r << ", " << want.fields[i].name;
    }
    EXPECT_EQ(got.eof, want.eof);
}

} // namespace

// A provider reading its source through again, as the price query does for
// every code, hands over what a source read with its fields hands over.
TEST_F(SqlComponentsTest, ASourceReadAgainGivesWhatItsFieldsGive) {
    conn_->ExecuteDirect("update articulo set arti_obs = 'Nota de prueba', arti_fecha = '2026-03-04', "
                         "arti_peso = -12.3456 where arti_cod = '000003'");
    const std::vector<std::string> texts = {
        // Texts, fixed characters, dates, exact numerics, blobs, a key, nulls,
        // and computed columns of other types.
        "select first 12 a.*, cast(arti_precio as double precision) * 1.5 as doble, "
        "cast('2026-01-02 03:04:05' as timestamp) as momento, arti_dias + 1 as dias from articulo a "
        "order by arti_cod",
        // A procedure called again with other literals keeps its statement.
        "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('7700000000019',1)",
        "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('17700000000101',1)",
        "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('no existe',1)",
        "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('7700000000019',2)"};
    for (const TProviderOptions options : {TProviderOptions{poAllowCommandText},
                                           TProviderOptions{poAllowCommandText, poIncFieldProps}}) {
        TSQLQuery* q = nullptr;
        TDataSetProvider* p = QueryProvider(q, options);
        for (int round = 0; round < 2; ++round)
            for (const std::string& text : texts) {
                SCOPED_TRACE(text);
                // What a new query and provider read, with the query's fields.
                TSQLQuery* fresh = nullptr;
                TDataSetProvider* reference = QueryProvider(fresh, options);
                Variant ownerData;
                const TDataPacket want = reference->GetRecords(-1, true, text, TParams(), ownerData);
                ASSERT_FALSE(want.fields.empty());
                const TDataPacket got = p->GetRecords(-1, true, text, TParams(), ownerData);
                ExpectSamePacket(got, want);
                delete reference;
                delete fresh;
                EXPECT_FALSE(q->Active());
                EXPECT_EQ(q->FieldCount(), 0);
            }
    }
}

// Whoever could see the source's fields while it is read gets them.
TEST_F(SqlComponentsTest, ASourceSomeoneWatchesIsReadWithItsFields) {
    const std::string text = "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS('7700000000019',1)";
    TSQLQuery* q = nullptr;
    TDataSetProvider* p = QueryProvider(q);
    Variant ownerData;
    const TDataPacket first = p->GetRecords(-1, true, text, TParams(), ownerData);
    int seen = -1;
    const TDataSetNotifyEvent look = [&](TDataSet* ds) { seen = std::max(seen, ds->FieldCount()); };
    const int all = static_cast<int>(first.fields.size());
    // Each handler runs and sees the fields there are at its moment (none after closing).
    const struct {
        const char* name;
        TDataSetNotifyEvent TDataSet::*handler;
        int fields;
    } handlers[] = {{"BeforeOpen", &TDataSet::BeforeOpen, 0},    {"AfterOpen", &TDataSet::AfterOpen, all},
                    {"BeforeScroll", &TDataSet::BeforeScroll, all}, {"AfterScroll", &TDataSet::AfterScroll, all},
                    {"BeforeClose", &TDataSet::BeforeClose, all},   {"AfterClose", &TDataSet::AfterClose, 0}};
    for (const auto& h : handlers) {
        SCOPED_TRACE(h.name);
        seen = -1;
        q->*h.handler = look;
        const TDataPacket again = p->GetRecords(-1, true, text, TParams(), ownerData);
        q->*h.handler = nullptr;
        EXPECT_EQ(seen, h.fields);
        ExpectSamePacket(again, first);
    }
    // A data source's links hear the source open with its fields.
    TDataSource source(&owner_);
    source.SetDataSet(q);
    int fieldsOnOpen = -1;
    source.OnStateChange = [&](TDataSource*) {
        if (q->Active()) fieldsOnOpen = q->FieldCount();
    };
    ExpectSamePacket(p->GetRecords(-1, true, text, TParams(), ownerData), first);
    EXPECT_EQ(fieldsOnOpen, static_cast<int>(first.fields.size()));
}

// A read that fails half way leaves the source closed and the next read whole.
TEST_F(SqlComponentsTest, AReadFailingHalfWayLeavesTheSourceClosed) {
    const std::string text = "select arti_cod, 10 / (arti_dias - 7) as cociente from articulo "
                             "where arti_cod <= '000006' order by arti_cod";
    conn_->ExecuteDirect("update articulo set arti_dias = 8");
    TSQLQuery* q = nullptr;
    TDataSetProvider* p = QueryProvider(q);
    Variant ownerData;
    const TDataPacket first = p->GetRecords(-1, true, text, TParams(), ownerData);
    ASSERT_EQ(first.rows.size(), 6u);
    conn_->ExecuteDirect("update articulo set arti_dias = 7 where arti_cod = '000004'");
    EXPECT_THROW(p->GetRecords(-1, true, text, TParams(), ownerData), Exception);
    EXPECT_FALSE(q->Active());
    conn_->ExecuteDirect("update articulo set arti_dias = 8");
    ExpectSamePacket(p->GetRecords(-1, true, text, TParams(), ownerData), first);
}

TEST_F(SqlComponentsTest, WrongDatabaseRaisesTheDriverText) {
    conn_->Params().SetValues("Database", dbs_.ServerEntry() + "/datos/999/tallyvo.fdb");
    try {
        conn_->Open();
        FAIL();
    } catch (const EFirebirdError& e) {
        EXPECT_EQ(e.Message().rfind("dbExpress", 0), 0u);
        EXPECT_NE(e.Message().find("I/O error for file"), std::string::npos);
    }
    EXPECT_FALSE(conn_->Connected());
}
