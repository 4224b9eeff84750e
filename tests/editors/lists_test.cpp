// The most-recently-used list and the field value list.
#include <gtest/gtest.h>

#include <memory>

#include "editorfixture.h"
#include "editors/fieldvaluelist.h"
#include "editors/mrulist.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "platform/window/input.h"

namespace tvtest {
namespace {

using namespace tv;

std::vector<std::string> All(TStrings* s) {
    std::vector<std::string> v;
    for (int i = 0; i < s->Count(); ++i) v.push_back(s->Strings(i));
    return v;
}

TEST(MRUList, AddingMovesAKnownTextToTheEndInItsOwnSpelling) {
    TMRUListEh mru;
    mru.AddText("ABC");
    mru.AddText("Arroz");
    mru.AddText("abc");
    EXPECT_EQ(All(mru.Items()), (std::vector<std::string>{"Arroz", "ABC"}));
    mru.AddText("   ");
    mru.AddText("");
    EXPECT_EQ(mru.Items()->Count(), 2);
    mru.AddText(" café ");
    EXPECT_EQ(mru.Items()->Strings(2), " café ");
    mru.AddText("CAFÉ"); // no match: the untrimmed text differs
    EXPECT_EQ(mru.Items()->Count(), 4);
    mru.AddText("ñame");
    mru.AddText("ÑAME");
    EXPECT_EQ(mru.Items()->Count(), 5);
    EXPECT_EQ(mru.Items()->Strings(4), "ñame");
    // Case-sensitive lists keep both spellings.
    mru.SetCaseSensitive(true);
    mru.AddText("arroz");
    EXPECT_EQ(mru.Items()->Count(), 6);
}

TEST(MRUList, TheOldestTextGoesWhenTheLimitIsPassed) {
    TMRUListEh mru;
    for (int i = 1; i <= 101; ++i) mru.AddText("texto " + std::to_string(i));
    ASSERT_EQ(mru.Items()->Count(), 100);
    EXPECT_EQ(mru.Items()->Strings(0), "texto 2");
    EXPECT_EQ(mru.Items()->Strings(99), "texto 101");
    mru.SetLimit(3);
    EXPECT_EQ(All(mru.Items()), (std::vector<std::string>{"texto 99", "texto 100", "texto 101"}));
}

TEST(MRUList, MatchingItemsByTheirBeginning) {
    TMRUListEh mru;
    for (const char* t : {"Arroz", "arepa", "Café", "ARVEJA", "Ñame"}) mru.AddText(t);
    TStringList out;
    EXPECT_TRUE(mru.MatchingItems(&out, ""));
    EXPECT_EQ(out.Count(), 5);
    EXPECT_TRUE(mru.MatchingItems(&out, "ar"));
    EXPECT_EQ(All(&out), (std::vector<std::string>{"Arroz", "arepa", "ARVEJA"}));
    EXPECT_TRUE(mru.MatchingItems(&out, "ña"));
    EXPECT_EQ(All(&out), (std::vector<std::string>{"Ñame"}));
    mru.SetCaseSensitive(true);
    EXPECT_TRUE(mru.MatchingItems(&out, "Ar"));
    EXPECT_EQ(All(&out), (std::vector<std::string>{"Arroz"}));
    // The filter event has the last word.
    mru.SetCaseSensitive(false);
    mru.OnFilterItem = [](TObject*, bool& accept) { accept = !accept; };
    EXPECT_TRUE(mru.MatchingItems(&out, "ar"));
    EXPECT_EQ(All(&out), (std::vector<std::string>{"Café", "Ñame"}));
}

TEST(MRUList, AssignCopiesAllButAutoAdd) {
    TMRUListEh a, b;
    a.AddText("uno");
    a.SetActive(true);
    a.SetLimit(5);
    a.SetRows(3);
    a.SetCaseSensitive(true);
    a.SetAutoAdd(false);
    int changes = 0;
    b.OnActiveChanged = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_TRUE(b.Active());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(All(b.Items()), std::vector<std::string>{"uno"});
    EXPECT_EQ(b.Limit(), 5);
    EXPECT_EQ(b.Rows(), 3);
    EXPECT_TRUE(b.CaseSensitive());
    EXPECT_TRUE(b.AutoAdd());
}

class MRUListTyping : public EditorTest {};

TEST_F(MRUListTyping, AWaitingKeyStopsALongSearch) {
    TMRUListEh mru;
    mru.SetLimit(1000);
    for (int i = 0; i < 500; ++i) mru.AddText("item " + std::to_string(i));
    form->SetFocus();
    win::QueueKey('A');
    TStringList out;
    EXPECT_FALSE(mru.MatchingItems(&out, "item"));
    mru.SetCancelIfKeyInQueue(false);
    EXPECT_TRUE(mru.MatchingItems(&out, "item"));
    EXPECT_EQ(out.Count(), 500);
}

class FieldValueList : public ::testing::Test {
protected:
    void SetUp() override {
        data = std::make_unique<TClientDataSet>(nullptr);
        data->FieldDefs().Add("CIUDAD", ftString, 30);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->CreateDataSet();
        int n = 1;
        for (const char* c : {"Cali", "Bogotá", "Medellín", "Cali", "Armenia"}) {
            data->Append();
            data->FieldByName("CIUDAD")->SetAsString(c);
            data->FieldByName("CODIGO")->SetAsInteger(n++);
            data->Post();
        }
    }
    std::unique_ptr<TClientDataSet> data;
};

TEST_F(FieldValueList, ListsEachTextOnceSortedAndRefreshesAfterChanges) {
    TDatasetFieldValueListEh list;
    EXPECT_EQ(list.Values()->Count(), 0);
    EXPECT_TRUE(list.Obsolete());
    list.BindDataSet(data.get());
    list.BindField("CIUDAD");
    EXPECT_EQ(All(list.Values()), (std::vector<std::string>{"Armenia", "Bogotá", "Cali", "Medellín"}));
    EXPECT_FALSE(list.Obsolete());
    EXPECT_TRUE(data->Eof());
    // Unchanged data is not read again.
    EXPECT_EQ(list.Values()->Count(), 4);
    EXPECT_FALSE(list.Obsolete());
    data->Append();
    data->FieldByName("CIUDAD")->SetAsString("Pasto");
    data->Post();
    EXPECT_TRUE(list.Obsolete());
    EXPECT_EQ(list.Values()->Count(), 5);
    list.BindField("CODIGO");
    EXPECT_EQ(All(list.Values()), (std::vector<std::string>{"", "1", "2", "3", "4", "5"}));
    list.BindField("NO_EXISTE");
    EXPECT_EQ(list.Values()->Count(), 0);
    EXPECT_TRUE(list.Obsolete());
    // The texts are what the field shows.
    data->FieldByName("CODIGO")->SetDisplayFormat("000");
    list.BindField("CODIGO");
    EXPECT_EQ(All(list.Values()), (std::vector<std::string>{"", "001", "002", "003", "004", "005"}));
    list.BindDataSet(nullptr);
    list.BindField("CIUDAD");
    EXPECT_EQ(list.Values()->Count(), 0);
}

} // namespace
} // namespace tvtest
