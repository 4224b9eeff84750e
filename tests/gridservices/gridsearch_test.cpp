// The find dialog's search: matching rules, direction, and the walk over a
// real client dataset cell by cell.
#include <gtest/gtest.h>

#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "gridservices/find/gridsearch.h"

namespace tvtest {
namespace {

using namespace tv;

TEST(FindMatching, MatchTypesAndCase) {
    struct Case {
        const char* cell;
        const char* text;
        TFindMatchType type;
        bool matchCase, expected;
    } cases[] = {
        {"ARROZ BLANCO", "arroz blanco", fmWholeField, false, true},
        {"ARROZ BLANCO", "arroz blanco", fmWholeField, true, false},
        {"Arroz blanco", "roz bl", fmAnyPart, false, true},
        {"Arroz blanco", "Roz", fmAnyPart, true, false},
        {"Arroz blanco", "arroz", fmWholeField, false, false},
        {"Arroz blanco", "arr", fmFromBeginning, false, true},
        {"Arroz blanco", "blanco", fmFromBeginning, false, false},
        {"ÑAME ÁRABE", "ñame á", fmFromBeginning, false, true},
        {"ñame", "ÑAME", fmWholeField, false, true},
        {"ñame", "ÑAME", fmWholeField, true, false},
        {"", "", fmWholeField, false, true},
        {"Café", "", fmAnyPart, false, true},
        {"Ca", "Café", fmFromBeginning, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindTextMatches(c.cell, c.text, c.type, c.matchCase), c.expected)
            << c.cell << " / " << c.text << " type " << c.type << (c.matchCase ? " case" : "");
}

TEST(FindMatching, CtrlTurnsTheDirectionRound) {
    EXPECT_TRUE(FindGoesBackward(fdUp, false));
    EXPECT_FALSE(FindGoesBackward(fdUp, true));
    EXPECT_FALSE(FindGoesBackward(fdDown, false));
    EXPECT_TRUE(FindGoesBackward(fdDown, true));
    EXPECT_FALSE(FindGoesBackward(fdAll, false));
    EXPECT_TRUE(FindGoesBackward(fdAll, true));
    EXPECT_STREQ(kFindMatchTypeTexts[fmFromBeginning], "From beging of field");
    EXPECT_STREQ(kFindDirectionTexts[fdAll], "All");
}

class GridSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.FieldDefs().Add("CODIGO", ftString, 6);
        ds.FieldDefs().Add("NOMBRE", ftString, 30);
        ds.CreateDataSet();
        const char* rows[][2] = {{"A01", "Arroz"}, {"A02", "Café molido"}, {"B01", "café en grano"},
                                 {"B02", "Azúcar"}, {"C01", "CAFÉ"}};
        for (auto& r : rows) {
            ds.Append();
            ds.FieldByName("CODIGO")->SetAsString(r[0]);
            ds.FieldByName("NOMBRE")->SetAsString(r[1]);
            ds.Post();
        }
        ds.First();
        search.SetColumns({[this] { return ds.FieldByName("CODIGO")->Text(); },
                           [this] { return ds.FieldByName("NOMBRE")->Text(); }});
    }
    std::string Code() { return ds.FieldByName("CODIGO")->AsString(); }

    TClientDataSet ds;
    TGridSearch search;
};

TEST_F(GridSearchTest, AllStartsAtTheFirstRecordAndContinuesAfterEachMatch) {
    ds.Last();
    search.Reset(fdAll);
    ASSERT_TRUE(search.FindNext(&ds, "café", fmAnyPart, false, fdAll, false));
    EXPECT_EQ(Code(), "A02");
    EXPECT_EQ(search.Position(), 1);
    EXPECT_FALSE(search.FirstTry());
    ASSERT_TRUE(search.FindNext(&ds, "café", fmAnyPart, false, fdAll, false));
    EXPECT_EQ(Code(), "B01");
    ASSERT_TRUE(search.FindNext(&ds, "café", fmAnyPart, false, fdAll, false));
    EXPECT_EQ(Code(), "C01");
    // Nothing further: the dataset stays on the last match.
    EXPECT_FALSE(search.FindNext(&ds, "café", fmAnyPart, false, fdAll, false));
    EXPECT_EQ(Code(), "C01");
    EXPECT_FALSE(ds.ControlsDisabled());
}

TEST_F(GridSearchTest, MatchesInAnotherColumnAndCase) {
    search.Reset(fdDown);
    ASSERT_TRUE(search.FindNext(&ds, "b0", fmFromBeginning, false, fdDown, false));
    EXPECT_EQ(Code(), "B01");
    EXPECT_EQ(search.Position(), 0);
    search.Reset(fdDown);
    ds.First();
    ASSERT_TRUE(search.FindNext(&ds, "CAFÉ", fmWholeField, true, fdDown, false));
    EXPECT_EQ(Code(), "C01");
    EXPECT_EQ(search.Position(), 1);
}

TEST_F(GridSearchTest, UpAndDownWithCtrlSearchBackward) {
    ds.Last();
    search.Reset(fdUp);
    EXPECT_EQ(search.Position(), 1);
    ASSERT_TRUE(search.FindNext(&ds, "caf", fmFromBeginning, false, fdUp, false));
    EXPECT_EQ(Code(), "C01");
    ASSERT_TRUE(search.FindNext(&ds, "caf", fmFromBeginning, false, fdUp, false));
    EXPECT_EQ(Code(), "B01");
    // "Down" with Ctrl held goes backward as well.
    ASSERT_TRUE(search.FindNext(&ds, "caf", fmFromBeginning, false, fdDown, true));
    EXPECT_EQ(Code(), "A02");
    EXPECT_FALSE(search.FindNext(&ds, "caf", fmFromBeginning, false, fdDown, true));
    EXPECT_EQ(Code(), "A02");
}

TEST_F(GridSearchTest, NothingFoundLeavesTheRecordWhereItWas) {
    ds.First();
    ds.Next();
    search.Reset(fdDown);
    EXPECT_FALSE(search.FindNext(&ds, "té verde", fmAnyPart, false, fdDown, false));
    EXPECT_EQ(Code(), "A02");
    EXPECT_FALSE(ds.ControlsDisabled());
    // No columns, or a closed dataset: nothing to search.
    TGridSearch none;
    EXPECT_FALSE(none.FindNext(&ds, "Arroz", fmAnyPart, false, fdAll, false));
    ds.Close();
    EXPECT_FALSE(search.FindNext(&ds, "Arroz", fmAnyPart, false, fdAll, false));
    EXPECT_FALSE(search.FindNext(nullptr, "Arroz", fmAnyPart, false, fdAll, false));
}

} // namespace
} // namespace tvtest
