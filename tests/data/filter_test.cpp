// The filter language over a client dataset filled through a provider.
#include <gtest/gtest.h>

#include <set>

#include "data/fixture.h"
#include "core/formatsettings.h"

using namespace tv;
using namespace tvtest;

namespace {

struct FilterTest : ::testing::Test {
    ArticleModule m;
    void SetUp() override {
        FormatSettings.ShortDateFormat = "yyyy/mm/dd";
        m.Fill(Articulos());
        m.OpenClient();
    }
    void TearDown() override { ResetFormatSettings(); }

    std::set<int> Codes() {
        std::set<int> out;
        m.cds->First();
        while (!m.cds->Eof()) {
            out.insert(m.cds->FieldByName("CODIGO")->AsInteger());
            m.cds->Next();
        }
        return out;
    }
};

std::set<int> AllBut(std::set<int> drop) {
    std::set<int> out;
    for (int i = 1; i <= 10; ++i)
        if (!drop.count(i)) out.insert(i);
    return out;
}

} // namespace

TEST_F(FilterTest, EachOperatorSelectsItsRecords) {
    struct Case {
        const char* filter;
        std::set<int> codes;
    };
    const Case cases[] = {
        {"CODIGO = 3", {3}},
        {"CODIGO <> 3", AllBut({3})},
        {"CODIGO != 3", AllBut({3})},
        {"CODIGO < 3", {1, 2}},
        {"[CODIGO] > 8", {9, 10}},
        {"CODIGO <= 2", {1, 2}},
        {"CODIGO >= 9", {9, 10}},
        {"codigo = -1", {}},
        {"NOMBRE LIKE 'Ar%'", {1}},
        {"[NOMBRE] like '_abo'", {5}},
        {"NOMBRE NOT LIKE '%a%'", {1, 10}},
        {"NOMBRE = 'Éxito ''especial'''", {4}},
        {"NOMBRE LIKE '%''%'", {4}},
        {"FECHA IS NULL", {5}},
        {"FECHA IS NOT NULL", AllBut({5})},
        {"FECHA = NULL", {5}},
        {"FECHA <> NULL", AllBut({5})},
        {"FECHA >= '2026/02/01'", {8, 9, 10}},
        {"FECHA < '2026/01/01'", {3, 6}},
        {"NOT (FECHA < '2026/01/01')", AllBut({3, 6, 5})},
        {"PRECIO > 10000.5", {3, 4, 8}},
        {"PRECIO = 800.25", {5}},
        {"[PRECIO] = 800,25", {5}},
        {"ACTIVO = FALSE", {3, 10}},
        {"NOT ACTIVO", {3, 10}},
        {"(CODIGO < 3 OR CODIGO > 8) AND NOT ACTIVO", {10}},
        {"CODIGO > 2 AND CODIGO < 5 OR CODIGO = 10", {3, 4, 10}},
        {"1=1", AllBut({})},
        {" ([CODIGO] = 1 OR [CODIGO] = 2) ", {1, 2}},
        {" [NOMBRE] Like 'Ca%' AND  [PRECIO] >= 9800 ", {6}},
    };
    m.cds->SetFiltered(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        m.cds->SetFilter(c.filter);
        EXPECT_EQ(Codes(), c.codes);
        EXPECT_EQ(m.cds->RecordCount(), static_cast<int>(c.codes.size()));
    }
}

TEST_F(FilterTest, RecNoAndRecordCountCountOnlyWhatPasses) {
    m.cds->SetFilter("ACTIVO = TRUE");
    m.cds->SetFiltered(true);
    EXPECT_EQ(m.cds->RecordCount(), 8);
    m.cds->Last();
    EXPECT_EQ(m.cds->RecNo(), 8);
    m.cds->SetRecNo(4);
    EXPECT_EQ(m.cds->RecNo(), 4);
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "nabo");
    // A record edited out of the filter leaves the view; the next one becomes current.
    m.cds->Edit();
    m.cds->FieldByName("ACTIVO")->SetAsBoolean(false);
    m.cds->Post();
    EXPECT_EQ(m.cds->RecordCount(), 7);
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "azúcar");
    m.cds->SetFiltered(false);
    EXPECT_EQ(m.cds->RecordCount(), 10);
}

TEST_F(FilterTest, OnFilterRecordNarrowsTheFilterText) {
    m.cds->SetFilter("ACTIVO");
    m.cds->OnFilterRecord = [](TDataSet* ds, bool& accept) { accept = ds->FieldByName("CODIGO")->AsInteger() % 2 == 0; };
    m.cds->SetFiltered(true);
    EXPECT_EQ(Codes(), (std::set<int>{2, 4, 6, 8}));
}

TEST_F(FilterTest, BadFiltersRaiseAndLeaveTheOldFilterInForce) {
    m.cds->SetFilter("CODIGO < 5");
    m.cds->SetFiltered(true);
    m.cds->Last();
    const int before = m.cds->FieldByName("CODIGO")->AsInteger();
    const char* bad[] = {
        "CODIGO = ", "NOMBRE = 'abc", "(CODIGO = 1", "CODIGO = 1)", "[NOMBRE = 'x'", "CODIGO # 2",
        "CODIGO > NULL", "NOMBRE", "AND CODIGO = 1", "PRECIOX > 1", "FECHA > 'mañana'", "CODIGO = 'abc'",
    };
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        EXPECT_THROW(m.cds->SetFilter(text), EDatabaseError);
        EXPECT_EQ(m.cds->Filter(), "CODIGO < 5");
        EXPECT_EQ(m.cds->RecordCount(), 4);
        EXPECT_EQ(m.cds->FieldByName("CODIGO")->AsInteger(), before);
    }
    try {
        m.cds->SetFilter("PRECIOX > 1");
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Field 'PRECIOX' not found");
    }
    m.cds->First();
    EXPECT_EQ(Codes(), (std::set<int>{1, 2, 3, 4}));
}

// Hostile nesting is refused with the usual error instead of overflowing the stack.
TEST_F(FilterTest, DeepNestingIsRefused) {
    auto repeat = [](const std::string& s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += s;
        return r;
    };
    const std::string deep[] = {
        repeat("(", 15000) + "CODIGO = 1" + repeat(")", 15000),
        repeat("NOT ", 15000) + "CODIGO = 1",
        "CODIGO = 1" + repeat(" AND CODIGO = 1", 50000),
    };
    for (const std::string& text : deep) {
        EXPECT_THROW(m.cds->SetFilter(text), EDatabaseError) << text.substr(0, 30);
        EXPECT_EQ(m.cds->Filter(), "");
    }
    // Real filters nest a little and chain a few hundred terms.
    m.cds->SetFilter(repeat("(", 20) + "CODIGO < 5" + repeat(")", 20) + repeat(" OR CODIGO = 99", 300));
    m.cds->SetFilter(repeat("NOT ", 20) + "CODIGO < 5");
    m.cds->SetFiltered(true);
    EXPECT_EQ(Codes(), (std::set<int>{1, 2, 3, 4}));
}
