// Indexes of the client dataset: Spanish order, descending and
// case-insensitive fields, bookmarks and RecNo across re-indexing, searching.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "data/fixture.h"
#include "core/variant.h"
#include "framework/data/valuecompare.h"

using namespace tv;
using namespace tvtest;

namespace {

struct IndexTest : ::testing::Test {
    ArticleModule m;
    void SetUp() override {
        m.Fill(Articulos());
        m.OpenClient();
    }
    std::string Current() { return m.cds->FieldByName("NOMBRE")->AsString(); }
    std::vector<std::string> Sorted(std::initializer_list<const char*> names) { return {names.begin(), names.end()}; }
};

} // namespace

TEST_F(IndexTest, SpanishTextSortsAccentsBesideTheirLetterAndEnyeAfterN) {
    m.cds->AddIndex("ixNombre", "NOMBRE", {}, "", "NOMBRE");
    m.cds->SetIndexName("ixNombre");
    const auto ascending = Sorted({"árbol de Navidad", "Arroz", "azúcar", "Café", "Éxito 'especial'", "nabo", "Ñame",
                                   "ñoquis", "Oliva", "Zanahoria"});
    EXPECT_EQ(m.Names(), ascending);

    m.cds->AddIndex("ixNombreDesc", "NOMBRE", {ixDescending, ixCaseInsensitive});
    m.cds->SetIndexName("ixNombreDesc");
    EXPECT_EQ(m.Names(), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
}

TEST_F(IndexTest, DescFieldsTurnOnlyTheirFieldAround) {
    m.cds->AddIndex("ixActivoCodigo", "ACTIVO;CODIGO", {}, "CODIGO");
    m.cds->SetIndexName("ixActivoCodigo");
    std::vector<int> codes;
    for (m.cds->First(); !m.cds->Eof(); m.cds->Next()) codes.push_back(m.cds->FieldByName("CODIGO")->AsInteger());
    EXPECT_EQ(codes, (std::vector<int>{10, 3, 9, 8, 7, 6, 5, 4, 2, 1}));
    m.cds->SetIndexFieldNames("CODIGO");
    EXPECT_TRUE(m.cds->FieldByName("CODIGO")->IsIndexField());
    EXPECT_FALSE(m.cds->FieldByName("NOMBRE")->IsIndexField());
    EXPECT_EQ(m.cds->IndexName(), "");
    EXPECT_EQ(m.Names().front(), "Arroz");
}

TEST_F(IndexTest, BookmarksSurviveReindexingAndCompareInIndexOrder) {
    ASSERT_TRUE(m.cds->Locate("CODIGO", 9, {}));
    const TBookmark name = m.cds->Bookmark();
    ASSERT_TRUE(m.cds->Locate("CODIGO", 1, {}));
    const TBookmark rice = m.cds->Bookmark();

    EXPECT_GT(m.cds->CompareBookmarks(rice, name), 0) << "default order: Ñame was read before Arroz";
    m.cds->SetIndexFieldNames("CODIGO");
    EXPECT_EQ(Current(), "Arroz") << "the current record stays current";
    EXPECT_EQ(m.cds->RecNo(), 1);
    EXPECT_LT(m.cds->CompareBookmarks(rice, name), 0);
    EXPECT_EQ(m.cds->CompareBookmarks(name, name), 0);
    EXPECT_LT(m.cds->CompareBookmarks("", name), 0);

    m.cds->AddIndex("ixDesc", "CODIGO", {ixDescending});
    m.cds->SetIndexName("ixDesc");
    EXPECT_GT(m.cds->CompareBookmarks(rice, name), 0);
    EXPECT_EQ(m.cds->RecNo(), 10);
    m.cds->GotoBookmark(name);
    EXPECT_EQ(Current(), "Ñame");
    EXPECT_EQ(m.cds->RecNo(), 2);
    EXPECT_TRUE(m.cds->BookmarkValid(name));

    // The grid's sorting: drop and add its index again, then back to no index.
    m.cds->AddIndex("SortIndexEh", "NOMBRE", {}, "NOMBRE");
    m.cds->SetIndexName("SortIndexEh");
    EXPECT_EQ(m.Names().front(), "Zanahoria");
    m.cds->DeleteIndex("SortIndexEh");
    EXPECT_EQ(m.cds->IndexName(), "");
    EXPECT_EQ(m.Names().front(), "Zanahoria") << "the default order is the order read";
    EXPECT_EQ(Current(), "Ñame");

    m.cds->Delete();
    EXPECT_FALSE(m.cds->BookmarkValid(name));
    EXPECT_THROW(m.cds->GotoBookmark(name), EDatabaseError);
}

TEST_F(IndexTest, UnknownIndexesAndFieldsRaiseAndKeepTheOrder) {
    m.cds->SetIndexFieldNames("CODIGO");
    m.cds->Last();
    try {
        m.cds->SetIndexName("ixNada");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "CArticulos: Index 'ixNada' not found");
    }
    EXPECT_THROW(m.cds->SetIndexFieldNames("CODIGO;NADA"), EDatabaseError);
    EXPECT_THROW(m.cds->AddIndex("ix", "NADA", {}), EDatabaseError);
    EXPECT_THROW(m.cds->DeleteIndex("ixNada"), EDatabaseError);
    EXPECT_EQ(m.cds->IndexFieldNames(), "CODIGO");
    EXPECT_EQ(m.cds->FieldByName("CODIGO")->AsInteger(), 10);
    EXPECT_EQ(m.cds->RecNo(), 10);
    m.cds->Prior();
    EXPECT_EQ(m.cds->FieldByName("CODIGO")->AsInteger(), 9);
}

TEST_F(IndexTest, LocateWithPartialAndCaseInsensitiveKeys) {
    struct Case {
        const char* key;
        TLocateOptions options;
        const char* found; // null: not found
    };
    const Case cases[] = {
        {"ñam", {loPartialKey, loCaseInsensitive}, "Ñame"},
        {"ÑAME", {loCaseInsensitive}, "Ñame"},
        {"ñame", {}, nullptr},
        {"Ñam", {}, nullptr},
        {"Ñam", {loPartialKey}, "Ñame"},
        {"ar", {loPartialKey}, nullptr},
        {"ar", {loPartialKey, loCaseInsensitive}, "Arroz"},
        {"ÁRBOL", {loPartialKey, loCaseInsensitive}, "árbol de Navidad"},
        {"Éxito 'especial'", {}, "Éxito 'especial'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        m.cds->First();
        EXPECT_EQ(m.cds->Locate("NOMBRE", Variant(c.key), c.options), c.found != nullptr);
        EXPECT_EQ(Current(), c.found ? c.found : "Zanahoria") << "a failed search does not move";
    }
    EXPECT_TRUE(m.cds->Locate("ACTIVO;CODIGO", VarArrayOf({false, 10}), {}));
    EXPECT_EQ(Current(), "ñoquis");
    EXPECT_TRUE(m.cds->Locate("FECHA", Null(), {}));
    EXPECT_EQ(Current(), "nabo");
}

TEST_F(IndexTest, LookupAnswersWithoutMoving) {
    m.cds->Last();
    EXPECT_EQ(VarToStr(m.cds->Lookup("CODIGO", 2, "NOMBRE")), "azúcar");
    const Variant both = m.cds->Lookup("CODIGO", 5, "NOMBRE;ACTIVO");
    ASSERT_TRUE(both.IsArray());
    EXPECT_EQ(VarToStr(both[0]), "nabo");
    EXPECT_TRUE(both[1].AsBoolean());
    EXPECT_TRUE(m.cds->Lookup("CODIGO", 99, "NOMBRE").IsNull());
    EXPECT_EQ(Current(), "Café");
}

TEST_F(IndexTest, BadSearchesRaiseWithoutMoving) {
    m.cds->MoveBy(3);
    EXPECT_THROW(m.cds->Locate("NADA", 1, {}), EDatabaseError);
    EXPECT_THROW(m.cds->Locate("CODIGO", "uno", {}), EDatabaseError);
    EXPECT_THROW(m.cds->Locate("CODIGO;NOMBRE", 1, {}), EDatabaseError);
    EXPECT_THROW(m.cds->Lookup("CODIGO", 1, "NADA"), EDatabaseError);
    EXPECT_EQ(Current(), "Arroz");
    m.cds->Next();
    EXPECT_EQ(Current(), "nabo");
}

TEST(IndexOrderTest, SortingAgreesWithTheRowByRowComparison) {
    // Texts sharing long beginnings, accents and case past them, characters
    // outside Latin-1, ill-formed bytes, empty texts, nulls and repeats: the
    // sorted order must be the one the comparison of field values gives, ties
    // in the order rows were added, or searching the index would miss rows.
    const char* const texts[] = {"Aceite de oliva extra virgen 1", "ACEITE DE OLIVA EXTRA VIRGEN 1",
                                 "Aceite de oliva extra virgén 1", "Aceite de oliva extra virgen", "Aceite de oliva",
                                 "aceite", "Ñame", "nabo", "", "€ 100", "\xC3", "\xC3\x83", "Ã", "zz\x80", nullptr,
                                 "Aceite de oliva extra virgen 1", "ñame", "Árbol", "arbol", nullptr, "10", "9"};
    TComponent owner(nullptr);
    auto* data = new TClientDataSet(&owner);
    data->FieldDefs().Add("N", ftInteger);
    data->FieldDefs().Add("A", ftString, 60);
    data->FieldDefs().Add("B", ftString, 60);
    data->CreateDataSet();
    std::vector<std::pair<Variant, Variant>> rows;
    const int count = static_cast<int>(std::size(texts));
    for (int i = 0; i < count; ++i) {
        const char* a = texts[i];
        // B is never null, so that its keys alone can order the rows.
        const char* b = texts[(i * 7 + 3) % count];
        if (!b) b = "Aceite de oliva extra virgen 2";
        data->Append();
        data->FieldByName("N")->SetAsInteger(i);
        if (a) data->FieldByName("A")->SetAsString(a);
        if (b) data->FieldByName("B")->SetAsString(b);
        data->Post();
        rows.emplace_back(a ? Variant(a) : Null(), b ? Variant(b) : Null());
    }
    struct Case {
        const char* fields;
        TIndexOptions options;
        const char* desc;
        const char* caseIns;
    };
    const Case cases[] = {{"A;B", {}, "", "A;B"},          {"A;B", {}, "", ""}, {"A", {}, "A", "A"},
                          {"B;A", {}, "B", "A"},            {"B", {}, "", ""},   {"B;A", {ixDescending}, "", "B"},
                          {"A;B", {ixDescending}, "", ""}};
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "ix" + std::to_string(n++);
        data->AddIndex(name, c.fields, c.options, c.desc, c.caseIns);
        data->SetIndexName(name);
        auto listed = [](const char* names, char f) { return std::string(names).find(f) != std::string::npos; };
        const bool allDesc = c.options.Contains(ixDescending);
        auto keyCompare = [&](char f, const Variant& x, const Variant& y) {
            const int r = CompareFieldValues(x, y, listed(c.caseIns, f));
            return allDesc || listed(c.desc, f) ? -r : r;
        };
        std::vector<int> expected(static_cast<std::size_t>(count));
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int x, int y) {
            const auto& rx = rows[static_cast<std::size_t>(x)];
            const auto& ry = rows[static_cast<std::size_t>(y)];
            for (const char* f = c.fields; *f; ++f) {
                if (*f == ';') continue;
                const int r = *f == 'A' ? keyCompare('A', rx.first, ry.first) : keyCompare('B', rx.second, ry.second);
                if (r != 0) return r < 0;
            }
            return false;
        });
        std::vector<int> got;
        for (data->First(); !data->Eof(); data->Next()) got.push_back(data->FieldByName("N")->AsInteger());
        EXPECT_EQ(got, expected) << c.fields << " desc " << c.desc << " caseins " << c.caseIns;
    }
}
