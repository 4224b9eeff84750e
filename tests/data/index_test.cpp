// Indexes of the client dataset: Spanish order, descending and
// case-insensitive fields, bookmarks and RecNo across re-indexing, searching.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "core/variant.h"

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
