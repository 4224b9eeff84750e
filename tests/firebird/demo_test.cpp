// The demo companies as a shop would recognise them: each sells what its kind
// of shop sells, under descriptions without numbers, with weights and sizes
// that fit the description, and every price list a user gets prices every article.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <set>
#include <string>

#include "framework/data/sql/database_setup.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "tests/support/firebird_fixture.h"
#include "tests/support/tempdir.h"

using namespace tv;
using namespace tv::fb;

namespace {

struct Shop {
    const char* kind;
    std::set<std::string> groups;
};

const Shop Shops[] = {
    {"SUPERMERCADO",
     {"Abarrotes", "Lácteos y huevos", "Bebidas", "Aseo del hogar", "Carnes y charcutería", "Frutas y verduras",
      "Panadería", "Cuidado personal", "Hogar y mascotas"}},
    {"FERRETERIA",
     {"Herramientas manuales", "Herramientas eléctricas", "Tornillería y fijación", "Eléctricos", "Plomería",
      "Pinturas", "Construcción", "Cerrajería y seguridad"}},
};

void PrintTo(const Shop& shop, std::ostream* out) { *out << shop.kind; }

// One company of each kind, with enough articles to go past the first round
// of the catalogue (one article of every product) into other brands and sizes.
class DemoShop : public ::testing::TestWithParam<Shop> {
protected:
    static void SetUpTestSuite() {
        for (const Shop& shop : Shops) {
            CompanyDemo demo{"Demo", 400, shop.kind};
            CreateCompanyDatabase(Path(shop.kind), ScriptsFolder(tvtest::SourceRoot()), &demo);
        }
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static std::string Path(const std::string& kind) {
        if (!dir_) dir_ = std::make_unique<tvtest::TempDir>();
        return dir_->file(kind + ".fdb");
    }

    void SetUp() override { db_.Open(Path(GetParam().kind), {}); }

    std::int64_t Count(const std::string& sql) {
        FbStatement q(db_);
        q.Prepare(sql);
        q.Open();
        EXPECT_TRUE(q.Fetch());
        std::int64_t n = q.AsInt64(0);
        q.Close();
        return n;
    }

    static std::unique_ptr<tvtest::TempDir> dir_;
    FbDatabase db_;
};

std::unique_ptr<tvtest::TempDir> DemoShop::dir_;

} // namespace

TEST_P(DemoShop, SellsWhatItsKindOfShopSellsUnderDescriptionsWithoutNumbers) {
    std::set<std::string> groups;
    FbStatement q(db_);
    q.Prepare("SELECT DISTINCT G.GRUP_NOM FROM ARTICULO A JOIN GRUPO G ON G.GRUP_COD = A.GRUP_COD");
    q.Open();
    while (q.Fetch()) groups.insert(q.AsString(0));
    q.Close();
    EXPECT_EQ(groups, GetParam().groups);

    EXPECT_EQ(Count("SELECT COUNT(*) FROM ARTICULO"), 400);
    EXPECT_EQ(Count("SELECT COUNT(DISTINCT ARTI_DES) FROM ARTICULO"), 400);
    // Neither the article's number nor its code make a description different.
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ARTICULO WHERE ARTI_DES LIKE '% ' || CAST(CAST(ARTI_COD AS INTEGER) AS "
                    "VARCHAR(10)) OR ARTI_DES CONTAINING ARTI_COD"),
              0);
}

TEST_P(DemoShop, EveryListAUserGetsPricesEveryArticle) {
    // The login offers a user of branch 0 every list, any other user the lists of the branch.
    EXPECT_EQ(Count("SELECT COUNT(*) FROM USUARIO U WHERE NOT EXISTS (SELECT 1 FROM LISTA_PRECIOS L "
                    "WHERE U.SUCU_ID = 0 OR L.SUCU_ID = U.SUCU_ID)"),
              0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM USUARIO U JOIN LISTA_PRECIOS L ON U.SUCU_ID = 0 OR L.SUCU_ID = U.SUCU_ID "
                    "CROSS JOIN ARTICULO A WHERE NOT EXISTS (SELECT 1 FROM PRECIOS_ARTICULO P "
                    "WHERE P.ARTI_COD = A.ARTI_COD AND P.LIPR_COD = L.LIPR_COD AND P.PRAR_FIJO > 0)"),
              0);
}

TEST_P(DemoShop, WeightsAndSizesFitTheDescription) {
    // "500 g", "1,5 L", "350 ml x 6": the net quantity the description gives.
    const std::regex size(R"((\d+(?:,\d+)?) (g|kg|ml|L)(?: x (\d+))?$)");
    int checked = 0;
    FbStatement q(db_);
    q.Prepare("SELECT ARTI_DES, ARTI_UNIDAD, ARTI_PESO, ARTI_LARGO * ARTI_ANCHO * ARTI_ALTO FROM ARTICULO "
              "WHERE ARTI_TIPO = 'A'");
    q.Open();
    while (q.Fetch()) {
        const std::string description = q.AsString(0);
        const double weight = q.AsDouble(2), volume = q.AsDouble(3);
        SCOPED_TRACE(description);
        EXPECT_GT(weight, 0);
        EXPECT_GT(volume, 0);
        if (q.AsString(1) == "KILO") {
            EXPECT_EQ(weight, 1000);
            ++checked;
            continue;
        }
        std::smatch m;
        if (!std::regex_search(description, m, size)) continue;
        std::string number = m[1];
        if (auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
        double net = std::stod(number) * (m[2] == "kg" || m[2] == "L" ? 1000 : 1) * (m[3].matched ? std::stoi(m[3]) : 1);
        // Packaging adds to the weight (glass bottles most); the package holds what it says.
        EXPECT_GE(weight, net * 0.9);
        EXPECT_LE(weight, net * 2.0);
        EXPECT_GE(volume, net * (m[2] == "g" || m[2] == "kg" ? 0.3 : 0.8));
        ++checked;
    }
    q.Close();
    if (std::string(GetParam().kind) == "SUPERMERCADO") {
        EXPECT_GT(checked, 300);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DemoShop, ::testing::ValuesIn(Shops),
                         [](const auto& info) { return std::string(info.param.kind); });
