// Filter-cell conditions: parsing, their display form, the dataset filter
// text built from the columns, and a local filter applied to a client dataset.
#include <gtest/gtest.h>

#include <chrono>

#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/variant.h"
#include "grid/cdsfeatures.h"
#include "grid/datasetfeatures.h"
#include "grid/filterexpression.h"
#include "grid/griddataservice.h"
#include "grid/stfilter.h"
#include "gridfixture.h"

namespace {

using namespace tv;

struct ParseCase {
    const char* text;
    std::uint8_t type;
    char decimal;
    std::uint8_t op1;
    std::uint8_t relation;
    std::uint8_t op2;
    const char* shown;
};

class FilterParseTest : public ::testing::TestWithParam<ParseCase> {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_P(FilterParseTest, ParsesAndShowsTheCondition) {
    const ParseCase& c = GetParam();
    FormatSettings.DecimalSeparator = c.decimal;
    TSTFilterExpressionEh e;
    e.ExpressionType = c.type;
    bool two = ParseFilterExpression(c.text, e);
    EXPECT_EQ(e.Operator1, c.op1);
    EXPECT_EQ(e.Relation, c.relation);
    EXPECT_EQ(e.Operator2, c.op2);
    EXPECT_EQ(two, c.op2 != fopNone);
    EXPECT_EQ(FilterExpressionAsText(e), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, FilterParseTest,
    ::testing::Values(ParseCase{"abc", fetText, ',', fopLike, 0, 0, "~ 'abc'"},
                      ParseCase{"  5 ", fetNumber, ',', fopEqual, 0, 0, "= 5"},
                      ParseCase{"2,5", fetNumber, ',', fopEqual, 0, 0, "= 2,5"},
                      ParseCase{"1,2,3", fetNumber, '.', fopIn, 0, 0, "In (1,2,3)"},
                      ParseCase{"1,2,3", fetText, ',', fopIn, 0, 0, "In ('1','2','3')"},
                      ParseCase{"= NULL", fetNumber, ',', fopIsNull, 0, 0, "=Null"},
                      ParseCase{"<> null", fetText, ',', fopIsNotNull, 0, 0, "<>Null"},
                      ParseCase{"!= 3", fetNumber, ',', fopNotEqual, 0, 0, "<> 3"},
                      ParseCase{">= 2,5", fetNumber, ',', fopGreaterOrEqual, 0, 0, ">= 2,5"},
                      ParseCase{"> 5 AND < 10", fetNumber, ',', fopGreater, fopAnd, fopLess, "> 5 AND < 10"},
                      ParseCase{"<2 | >7", fetNumber, ',', fopLess, fopOr, fopGreater, "< 2 OR > 7"},
                      ParseCase{"> 5 10", fetText, ',', fopGreater, 0, 0, "> '5 10'"},
                      ParseCase{"!~ 'A%'", fetText, ',', fopNotLike, 0, 0, "!~ 'A%'"},
                      ParseCase{"~ 'a b' or = 'c'", fetText, ',', fopLike, fopOr, fopEqual, "~ 'a b' OR = 'c'"},
                      ParseCase{"Not In ('x y', 'z')", fetText, ',', fopNotIn, 0, 0, "!In ('x y','z')"},
                      ParseCase{"in (1,5, 2)", fetNumber, ',', fopIn, 0, 0, "In (1,5,2)"},
                      ParseCase{"> 5 AND", fetNumber, ',', fopGreater, fopAnd, 0, "> 5 AND "},
                      ParseCase{"Año", fetText, ',', fopLike, 0, 0, "~ 'Año'"},
                      // A quote is shown doubled, and the shown text reads back.
                      ParseCase{"O'Neil", fetText, ',', fopLike, 0, 0, "~ 'O''Neil'"},
                      ParseCase{"= 'O''Neil'", fetText, ',', fopEqual, 0, 0, "= 'O''Neil'"},
                      ParseCase{"In ('a''b', '''')", fetText, ',', fopIn, 0, 0, "In ('a''b','''')"}));

// What the cell shows parses back to the same condition.
TEST(FilterParse, ShownTextReadsBack) {
    for (const char* text : {"O'Neil", "= 'x''y' OR ~ 'z'", "In ('it''s', 'b')", "!~ '''%'"}) {
        TSTFilterExpressionEh e, again;
        e.ExpressionType = again.ExpressionType = fetText;
        ParseFilterExpression(text, e);
        std::string shown = FilterExpressionAsText(e);
        ParseFilterExpression(shown, again);
        EXPECT_EQ(FilterExpressionAsText(again), shown) << text;
        EXPECT_EQ(VarToStr(again.Operand1.IsArray() ? again.Operand1[0] : again.Operand1),
                  VarToStr(e.Operand1.IsArray() ? e.Operand1[0] : e.Operand1))
            << text;
    }
}

// Long runs of blanks inside a value are read in linear time.
TEST(FilterParse, RunsOfBlanksReadInLinearTime) {
    std::string text = "a";
    while (text.size() < 40000) text += std::string(200, ' ') + "b";
    TSTFilterExpressionEh e;
    e.ExpressionType = fetText;
    auto start = std::chrono::steady_clock::now();
    ParseFilterExpression(text, e);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(VarToStr(e.Operand1), TrimRight(text));
}

TEST(FilterParseErrors, RaiseWithTheWholeText) {
    struct {
        const char* text;
        std::uint8_t type;
        const char* message;
    } cases[] = {
        {"NULL", fetNumber, "Unexpected expression after operator: NULL"},
        {"> NULL", fetNumber, "Unexpected expression before Null: > NULL"},
        {"In 1,2", fetNumber, "'(' expected: In 1,2"},
        {"In (1,2", fetNumber, "')' expected: In (1,2"},
        {"'abc", fetText, "Quote is absent: 'abc"},
        {"> 5 = 6", fetNumber, "Unexpected AND or OR: > 5 = 6"},
        {"= 5 (", fetNumber, "Incorrect expression: = 5 ("},
        {"AND 5", fetNumber, "Error in expression: AND 5"},
        {"(5", fetNumber, "Error in expression: (5"},
    };
    for (const auto& c : cases) {
        TSTFilterExpressionEh e;
        e.ExpressionType = c.type;
        try {
            ParseFilterExpression(c.text, e);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const Exception& ex) {
            EXPECT_EQ(ex.Message(), c.message) << c.text;
        }
    }
    TSTFilterExpressionEh e;
    e.ExpressionType = fetNumber;
    EXPECT_ANY_THROW(ParseFilterExpression("> diez", e)) << "a number column needs numbers";
}

// A run of NOTs pasted into the cell is refused with the cell's usual error
// instead of overflowing the stack; a single NOT still negates.
TEST(FilterParseErrors, RunsOfNotAreRefused) {
    std::string nots;
    for (int i = 0; i < 15000; ++i) nots += "NOT ";
    for (const std::string& text : {std::string(40000, '!'), nots + "LIKE 'a'", std::string("NOT NOT LIKE 'a'")}) {
        for (std::uint8_t type : {fetText, fetNumber, fetDateTime}) {
            TSTFilterExpressionEh e;
            e.ExpressionType = type;
            try {
                ParseFilterExpression(text, e);
                ADD_FAILURE() << text.substr(0, 20) << " was accepted";
            } catch (const Exception& ex) {
                EXPECT_EQ(ex.Message().rfind("Error in expression: ", 0), 0u) << ex.Message().substr(0, 40);
            }
        }
    }
    TSTFilterExpressionEh e;
    e.ExpressionType = fetText;
    ParseFilterExpression("NOT LIKE 'a' OR ! In ('b')", e);
    EXPECT_EQ(FilterExpressionAsText(e), "!~ 'a' OR !In ('b')");
}

TEST(FilterConditionText, BuildsEachOperatorForTheDataset) {
    auto build = [](std::uint8_t op, const Variant& v, bool like = true) {
        std::string s;
        BuildConditionText(op, v, "F", s, like, nullptr, nullptr);
        return s;
    };
    EXPECT_EQ(build(fopIn, VarArrayOf({Variant(1.0), Variant(2.5)})), " ([F] = 1 OR [F] = 2.5)");
    EXPECT_EQ(build(fopNotIn, Variant("a")), " NOT ([F] = 'a')");
    EXPECT_EQ(build(fopLike, Variant("A%")), " [F] Like 'A%'");
    EXPECT_EQ(build(fopLike, Variant("A%"), false), " [F] = 'A%'");
    EXPECT_EQ(build(fopNotLike, Variant("x")), " [F] Not Like 'x'");
    EXPECT_EQ(build(fopNotLike, Variant("x"), false), " [F] <> 'x'");
    EXPECT_EQ(build(fopIsNull, Null()), " [F] IS NULL");
    EXPECT_EQ(build(fopIsNotNull, Null()), " [F] IS NOT NULL");
    EXPECT_EQ(build(fopGreaterOrEqual, Variant(2.5)), " [F] >= 2.5");
    // A quote inside a value cannot end the text early.
    EXPECT_EQ(build(fopEqual, Variant("O'Neil")), " [F] = 'O''Neil'");
    std::string s;
    BuildConditionText(fopEqual, Variant(TDateTime(45000.0)), "F", s, true,
                       [](TDataSet*, TDateTime) { return std::string("'2023/03/15'"); }, nullptr);
    EXPECT_EQ(s, " [F] = '2023/03/15'");
}

// --- the columns of a grid -----------------------------------------------------------------

class GridFilterTest : public tvtest::DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        InitializeDatasetFeatures();
        InitializeClientDataSetFeatures();
        Fill(8);
        grid->SetDataSource(source);
    }
    void TearDown() override {
        ReleaseDatasetFeatures();
        DataGridTest::TearDown();
    }
    std::string FilterText() {
        std::string s;
        BuildGridFilterText(grid, &BuildConditionText, nullptr, s, true, false);
        return s;
    }
};

TEST_F(GridFilterTest, ColumnsMakeOneFilterTextAndFilterTheDataset) {
    Col(0)->STFilter()->SetExpressionText("In (1,2)");
    EXPECT_EQ(FilterText(), " ([CODIGO] = 1 OR [CODIGO] = 2) ");
    Col(0)->STFilter()->SetExpressionText("< 2 OR > 7");
    EXPECT_EQ(FilterText(), "( [CODIGO] < 2 OR [CODIGO] > 7) ");
    Col(0)->STFilter()->ClearCondition();
    Col(1)->STFilter()->SetExpressionText("A%");
    Col(2)->STFilter()->SetExpressionText("> 3000 AND < 7000");
    EXPECT_EQ(FilterText(), " [NOMBRE] Like 'A%' AND  [PRECIO] > 3000 AND [PRECIO] < 7000 ");

    grid->STFilter()->SetLocal(true);
    grid->DataServiceApplyFilter();
    EXPECT_TRUE(data->Filtered());
    EXPECT_EQ(data->RecordCount(), 2) << "Aceite and Azúcar";
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Aceite");

    // Without any condition every record passes.
    Col(1)->STFilter()->ClearCondition();
    Col(2)->STFilter()->ClearCondition();
    grid->DataServiceApplyFilter();
    EXPECT_EQ(data->Filter(), "1=1");
    EXPECT_TRUE(data->Filtered());
    EXPECT_EQ(data->RecordCount(), 8);
}

TEST_F(GridFilterTest, ABadConditionKeepsThePreviousText) {
    TSTColumnFilterEh* f = Col(2)->STFilter();
    f->SetExpressionText("> 3000");
    EXPECT_EQ(f->ExpressionText(), "> 3000");
    EXPECT_THROW(f->SetExpressionText("> 3000 = 2"), Exception);
    EXPECT_EQ(f->ExpressionText(), "> 3000");
    EXPECT_EQ(f->Expression().ExpressionType, fetNumber);
    // A filter on another field than the column's own.
    f->SetDataField("CODIGO");
    f->SetExpressionText("= 3");
    EXPECT_EQ(FilterText(), " [CODIGO] = 3 ");
}

TEST_F(GridFilterTest, AFilterPickingFromAListUsesTheKeysFound) {
    auto* marcas = new TClientDataSet(form);
    marcas->FieldDefs().Add("ID", ftInteger);
    marcas->FieldDefs().Add("NOMBRE", ftString, 20);
    marcas->CreateDataSet();
    for (auto [id, name] : {std::pair{1, "Arroz"}, std::pair{3, "Panela"}}) {
        marcas->Append();
        marcas->FieldByName("ID")->SetAsInteger(id);
        marcas->FieldByName("NOMBRE")->SetAsString(name);
        marcas->Post();
    }
    auto* ms = new TDataSource(form);
    ms->SetDataSet(marcas);
    TSTColumnFilterEh* f = Col(0)->STFilter();
    f->SetKeyField("ID");
    f->SetListField("NOMBRE");
    f->SetListSource(ms);
    EXPECT_TRUE(f->HasDropDownButton());
    f->SetExpressionText("Panela");
    EXPECT_EQ(VarToStr(f->PickedKeys()), "3");
    EXPECT_EQ(FilterText(), " ([CODIGO] = '3') ");
    grid->STFilter()->SetLocal(true);
    grid->DataServiceApplyFilter();
    EXPECT_EQ(data->RecordCount(), 1);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Panela");
    // No entry shows that text: nothing matches.
    f->SetExpressionText("Sal");
    EXPECT_EQ(f->Expression().Operator1, fopIsNull);
    grid->DataServiceApplyFilter();
    EXPECT_EQ(data->RecordCount(), 0);
    f->SetExpressionText("");
    EXPECT_EQ(f->Expression().Operator1, fopNone);
    EXPECT_EQ(FilterText(), "");
}

} // namespace
