#include <climits>
#include <gtest/gtest.h>
#include <vector>

#include "i18n/pluralexpression.h"
#include "i18n/pluralforms.h"

using namespace tv;

TEST(PluralForms, RulesOfTheLanguageFamilies) {
    struct Case {
        const char* language;
        TPluralRule rule;
        std::vector<std::pair<int, int>> countToForm;
    } cases[] = {
        {"pl_PL", PluralFormPolish, {{1, 0}, {2, 1}, {5, 2}, {11, 2}, {12, 2}, {21, 2}, {22, 1}}},
        {"ru_RU", PluralFormSlavic, {{1, 0}, {2, 1}, {5, 2}, {11, 2}, {12, 2}, {21, 0}, {22, 1}, {111, 2}}},
        {"lt_LT", PluralFormLithuanian, {{1, 0}, {2, 1}, {10, 2}, {11, 2}, {12, 2}, {21, 0}, {22, 1}}},
        {"lv_LV", PluralFormLatvian, {{0, 2}, {1, 0}, {2, 1}, {11, 1}, {21, 0}}},
        {"ga_IE", PluralFormIrish, {{0, 2}, {1, 0}, {2, 1}, {3, 2}}},
        {"sl_SI", PluralFormSlovenian, {{0, 3}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {11, 3}, {101, 0}, {102, 1}}},
        {"fr_FR", PluralFormAboveOne, {{0, 0}, {1, 0}, {2, 1}}},
        {"pt_BR", PluralFormAboveOne, {{0, 0}, {1, 0}, {2, 1}}},
        {"pt_PT", PluralFormNotOne, {{0, 1}, {1, 0}, {2, 1}}},
        {"ja_JP", PluralFormSingle, {{0, 0}, {1, 0}, {7, 0}}},
        {"es_CO", PluralFormNotOne, {{0, 1}, {1, 0}, {2, 1}, {-1, 0}, {-2, 1}}},
        {"C", PluralFormNotOne, {{1, 0}, {INT_MIN, 1}}},
        {"", PluralFormNotOne, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(PluralRuleForLanguage(c.language), c.rule);
        for (auto [count, form] : c.countToForm) EXPECT_EQ(c.rule(count), form) << "count " << count;
    }
    // The most negative count has the form of 2^31.
    EXPECT_EQ(PluralFormSlavic(INT_MIN), 2);
    EXPECT_EQ(PluralFormSlovenian(INT_MIN), 3);
    EXPECT_EQ(PluralFormPolish(-22), 1);
}

TEST(PluralExpression, EvaluatesTheExpressionsOfCatalogHeaders) {
    const char* polish = "(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)";
    struct Case {
        const char* text;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> values;
    } cases[] = {
        {"n != 1", {{0, 1}, {1, 0}, {2, 1}}},
        {"0", {{0, 0}, {5, 0}}},
        {"n>1", {{0, 0}, {1, 0}, {2, 1}}},
        {polish, {{1, 0}, {2, 1}, {5, 2}, {12, 2}, {22, 1}, {112, 2}}},
        {"n==1 ? 0 : n==2 ? 1 : n<7 ? 2 : n<11 ? 3 : 4", {{1, 0}, {2, 1}, {6, 2}, {10, 3}, {11, 4}}},
        {"!(n - 1)", {{1, 1}, {3, 0}}},
        {"n*2+1-3/1", {{4, 6}}},
        {"(n % 100 == 1) ? 0 : 1", {{101, 0}, {102, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto e = TPluralExpression::Parse(c.text);
        ASSERT_TRUE(e);
        for (auto [n, v] : c.values) EXPECT_EQ(e->Evaluate(n), v) << "n " << n;
    }
}

TEST(PluralExpression, RejectsMalformedTextsAndDivisionByZero) {
    for (const char* text : {"", "n !=", "n ? 1", "(n", "n)", "x", "n = 1", "n | 1", "99999999999999999999999",
                             "n == 1 ; 2"}) {
        EXPECT_FALSE(TPluralExpression::Parse(text)) << text;
    }
    std::string deep(10000, '(');
    deep += "n" + std::string(10000, ')');
    EXPECT_FALSE(TPluralExpression::Parse(deep));
    std::string chain = "n";
    for (int i = 0; i < 100; ++i) chain += "+n";
    EXPECT_EQ(TPluralExpression::Parse(chain)->Evaluate(1), 101u);
    for (int i = 0; i < 10000; ++i) chain += "+n";
    EXPECT_FALSE(TPluralExpression::Parse(chain));

    auto e = TPluralExpression::Parse("n % (n - 1)");
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->Evaluate(1));
    EXPECT_EQ(e->Evaluate(3), 1u);
}

TEST(PluralExpression, ReadsThePluralFormsLineOfAHeader) {
    bool malformed = true;
    auto forms = PluralFormsOfHeader("Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=3; plural=n%10==1 && n%100!=11 ? 0 : n != 0 ? 1 : 2;\n", malformed);
    ASSERT_TRUE(forms);
    EXPECT_FALSE(malformed);
    EXPECT_EQ(forms->count, 3u);
    EXPECT_EQ(forms->expression.Evaluate(0), 2u);
    EXPECT_EQ(forms->expression.Evaluate(21), 0u);

    EXPECT_FALSE(PluralFormsOfHeader("Content-Type: text/plain; charset=UTF-8\n", malformed));
    EXPECT_FALSE(malformed);
    for (const char* bad : {"Plural-Forms: nplurals=2; plural=n !!= 1;\n", "Plural-Forms: plural=n != 1;\n",
                            "Plural-Forms: nplurals=0; plural=0;\n", "Plural-Forms: nplurals=x; plural=0;\n"}) {
        EXPECT_FALSE(PluralFormsOfHeader(bad, malformed)) << bad;
        EXPECT_TRUE(malformed) << bad;
    }
}
