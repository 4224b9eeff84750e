// The special row of lookup lists and the shared variant routines.
#include <gtest/gtest.h>

#include <memory>

#include "editorfixture.h"
#include "editors/specrow.h"
#include "editors/variantutils.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/ui/basiccontrols.h"

namespace tvtest {
namespace {

using namespace tv;

std::vector<std::string> Cells(const TSpecRowEh& r) {
    std::vector<std::string> v;
    for (int i = 0; i < r.CellCount(); ++i) v.push_back(r.CellText(i));
    return v;
}

TEST(SpecRow, CellsTextIsSplitAtSemicolonsOutsideQuotes) {
    TSpecRowEh row;
    struct Case { const char* text; std::vector<std::string> cells; } cases[] = {
        {"\"a;b\";c", {"a;b", "c"}},
        {"uno;;tres", {"uno", "", "tres"}},
        {"uno;", {"uno"}},
        {"\"dice \"\"hola\"\"\"; fin ", {"dice \"hola\"", " fin "}},
        {"\t\r\nuno;\n dos", {"uno", " dos"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        row.SetCellsText(c.text);
        EXPECT_EQ(Cells(row), c.cells) << c.text;
    }
    row.SetCellsText("a;b");
    EXPECT_EQ(row.CellText(-1), "");
    EXPECT_EQ(row.CellText(2), "");
    EXPECT_EQ(row.CellText(1), "b");
}

TEST(SpecRow, DefaultsAndChangeSignals) {
    TSpecRowEh row;
    EXPECT_TRUE(row.Value().IsNull());
    EXPECT_TRUE(row.ShowIfNotInKeyList());
    EXPECT_FALSE(row.Visible());
    EXPECT_EQ(row.ShortCut(), 32814);
    int changes = 0;
    row.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &row);
        ++changes;
    };
    row.SetVisible(false);
    row.SetValue(Null());
    row.SetCellsText("");
    EXPECT_EQ(changes, 0);
    row.SetVisible(true);
    row.SetValue(Variant(5));
    row.SetCellsText("(ninguno)");
    row.SetShortCut(0);
    EXPECT_EQ(changes, 3);
    row.BeginUpdate();
    row.SetValue(Variant(6));
    row.SetVisible(false);
    EXPECT_EQ(changes, 3);
    row.EndUpdate();
    EXPECT_EQ(changes, 4);
    row.Font()->SetHeight(-20);
    EXPECT_EQ(changes, 5);
    EXPECT_TRUE(row.IsFontStored());
}

TEST(SpecRow, MatchesItsKeyOnlyWhenVisible) {
    TSpecRowEh row;
    row.SetValue(Variant(7));
    EXPECT_FALSE(row.MatchesKey(Variant(7)));
    row.SetVisible(true);
    EXPECT_TRUE(row.MatchesKey(Variant(7)));
    EXPECT_FALSE(row.MatchesKey(Variant(8)));
    row.SetValue(Null());
    EXPECT_TRUE(row.MatchesKey(Null()));
    EXPECT_FALSE(row.MatchesKey(Variant()));
}

class SpecRowOwner : public EditorTest {};

TEST_F(SpecRowOwner, FollowsItsOwnersColourAndFontUntilSet) {
    auto* owner = new TPanel(form);
    owner->SetParentColor(false);
    owner->SetColor(clYellow);
    owner->SetParentFont(false);
    owner->Font()->SetHeight(-17);
    TSpecRowEh row(owner);
    EXPECT_EQ(row.Color(), clYellow);
    EXPECT_FALSE(row.IsColorStored());
    owner->SetColor(clAqua);
    EXPECT_EQ(row.Color(), clAqua);
    EXPECT_EQ(row.Font()->Height(), -17);
    owner->Font()->SetHeight(-19);
    EXPECT_EQ(row.Font()->Height(), -19);
    EXPECT_FALSE(row.IsFontStored());
    row.SetColor(clRed);
    EXPECT_TRUE(row.IsColorStored());
    owner->SetColor(clLime);
    EXPECT_EQ(row.Color(), clRed);

    TSpecRowEh copy(owner);
    copy.Assign(&row);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_FALSE(copy.IsFontStored());
    TPanel notARow(nullptr);
    EXPECT_THROW(copy.Assign(&notARow), Exception);
}

TEST(VariantRoutines, EqualityOfValuesAndArrays) {
    EXPECT_FALSE(VariantsEqual(Unassigned(), Null()));
    EXPECT_TRUE(VariantsEqual(Unassigned(), Unassigned()));
    EXPECT_TRUE(VariantsEqual(Null(), Null()));
    EXPECT_FALSE(VariantsEqual(VarArrayOf({1, 2}), Variant(1)));
    EXPECT_TRUE(VariantsEqual(VarArrayOf({1, "a"}), VarArrayOf({1, "a"})));
    EXPECT_FALSE(VariantsEqual(VarArrayOf({1, "a"}), VarArrayOf({1, "b"})));
    EXPECT_FALSE(VariantsEqual(VarArrayOf({1, 2}), VarArrayOf({1, 2, 3})));
    EXPECT_TRUE(VariantsEqual(Variant(3), Variant(3.0)));
    EXPECT_FALSE(VariantsEqual(Variant("abc"), Variant(3))); // not comparable: no error
    EXPECT_EQ(VariantToTextSafe(VarArrayOf({1})), "");
    EXPECT_EQ(VariantToTextSafe(Variant(12)), "12");
    EXPECT_EQ(VariantToTextSafe(Null()), "");
}

TEST(VariantRoutines, FieldListsAreCollectedAndAssigned) {
    TClientDataSet data(nullptr);
    data.FieldDefs().Add("A", ftInteger);
    data.FieldDefs().Add("B", ftString, 10);
    data.CreateDataSet();
    data.Append();
    std::vector<TField*> fields = CollectFieldsByNamesArray(&data, nullptr, "A;B");
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[1], data.FieldByName("B"));
    std::vector<TField*> some;
    try {
        CollectFieldsByNames(&some, &data, nullptr, "B;C;A");
        FAIL();
    } catch (Exception& e) {
        EXPECT_NE(e.Message().find("Campo 'C' no encontrado"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(some.size(), 1u);
    AssignFieldValues(&data, "A;B", VarArrayOf({4, "cuatro"}));
    EXPECT_EQ(data.FieldByName("A")->AsInteger(), 4);
    EXPECT_EQ(data.FieldByName("B")->AsString(), "cuatro");
    AssignFieldValues(&data, "A;B", Null());
    EXPECT_TRUE(data.FieldByName("A")->IsNull());
    EXPECT_TRUE(data.FieldByName("B")->IsNull());
    data.Cancel();
}

} // namespace
} // namespace tvtest
