// String lists: sorting with the duplicate rules, case, quoting of comma and
// delimited texts, name=value pairs, change events and files.
#include <gtest/gtest.h>

#include <fstream>

#include "core/collection.h"
#include "core/exceptions.h"
#include "core/streams.h"
#include "core/stringlist.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

std::vector<std::string> Items(const TStrings& s) {
    std::vector<std::string> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.Strings(i));
    return v;
}

TEST(SortedStringList, KeepsOrderAndAppliesTheDuplicateRule) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pera", "Manzana", "uva", "manzana", "banano"}) list.Add(s);
    // Ignoring case, "manzana" is a duplicate of "Manzana" and is ignored.
    EXPECT_EQ(Items(list), (std::vector<std::string>{"banano", "Manzana", "pera", "uva"}));
    EXPECT_EQ(list.Add("PERA"), 2);
    EXPECT_EQ(list.Count(), 4);

    list.SetDuplicates(dupError);
    try {
        list.Add("UVA");
        FAIL() << "no exception";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Count(), 4);

    list.SetDuplicates(dupAccept);
    list.Add("pera");
    list.Add("Pera");
    EXPECT_EQ(list.Count(), 6);
    int index = -1;
    ASSERT_TRUE(list.Find("PERA", index));
    EXPECT_EQ(index, 2);  // the first of the equal entries
    EXPECT_EQ(list.Strings(5), "uva");
}

TEST(SortedStringList, SpanishLettersSortAndMatchWithoutRegardToCase) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"oso", "Ñandú", "nube", "Ábaco", "avión", "zorro"}) list.Add(s);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"Ábaco", "avión", "nube", "Ñandú", "oso", "zorro"}));
    EXPECT_EQ(list.IndexOf("ñANDÚ"), 3);
    EXPECT_EQ(list.IndexOf("ABACO"), -1);  // accents are letters of their own

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ñANDÚ"), -1);
    EXPECT_EQ(list.IndexOf("Ñandú"), list.IndexOf("Ñandú"));
    // After the change of case rule the list is still in order for Find.
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.IndexOf(list.Strings(i)), i);
}

TEST(SortedStringList, RejectsPositionalChanges) {
    TStringList list;
    list.SetSorted(true);
    list.Add("b");
    EXPECT_THROW(list.Insert(0, "a"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "a"), EStringListError);
    try {
        list.Insert(0, "a");
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "Operation not allowed on sorted list");
    }
}

TEST(StringList, IndexOutOfBoundsNamesTheIndex) {
    TStringList list;
    list.Add("a");
    try {
        list.Strings(3);
        FAIL() << "no exception";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(5, "x"), EStringListError);
}

struct CommaCase {
    std::vector<std::string> items;
    const char* text;
};

class CommaText : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaText, QuotesWhatNeedsQuotingAndReadsItBack) {
    const CommaCase& c = GetParam();
    TStringList list;
    for (const auto& s : c.items) list.Add(s);
    EXPECT_EQ(list.CommaText(), c.text);
    TStringList back;
    back.SetCommaText(c.text);
    EXPECT_EQ(Items(back), c.items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaText,
    ::testing::Values(CommaCase{{"a", "b", "c"}, "a,b,c"}, CommaCase{{"una frase", "x"}, "\"una frase\",x"},
                      CommaCase{{"dijo \"sí\"", "y"}, "\"dijo \"\"sí\"\"\",y"},
                      CommaCase{{"1,5", "2"}, "\"1,5\",2"}, CommaCase{{"a", "", "b"}, "a,,b"},
                      CommaCase{{""}, "\"\""}, CommaCase{{}, ""}, CommaCase{{"tab\there"}, "\"tab\there\""},
                      CommaCase{{"año", "niño"}, "año,niño"}, CommaCase{{"a", ""}, "a,"}));

TEST(CommaTextReading, BlanksSeparateUnquotedItemsAndAreTrimmed) {
    TStringList list;
    list.SetCommaText("  uno dos , \"tres  cuatro\" ,cinco");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"uno", "dos", "tres  cuatro", "cinco"}));
    list.SetCommaText("\"sin cerrar");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"sin cerrar"}));
}

TEST(DelimitedText, UsesTheListsDelimiterAndQuote) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.Add("a;b");
    list.Add("c");
    list.Add("it's");
    EXPECT_EQ(list.DelimitedText(), "'a;b';c;'it''s'");
    TStringList back;
    back.SetDelimiter(';');
    back.SetQuoteChar('\'');
    back.SetDelimitedText(list.DelimitedText());
    EXPECT_EQ(Items(back), Items(list));
    // CommaText always uses "," and '"', and leaves the list's own settings.
    EXPECT_EQ(list.CommaText(), "a;b,c,it's");
    EXPECT_EQ(list.Delimiter(), ';');
}

TEST(StringListText, SplitsAtAnyLineBreakAndWritesTheFrameworksOwn) {
    TStringList list;
    list.SetText("uno\r\ndos\nתres\rcuatro\n\nseis");
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Strings(4), "");
    list.SetText("a\r\nb\r\n");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
}

TEST(NameValuePairs, LookUpSetAndDelete) {
    TStringList list;
    list.Add("Servidor=localhost");
    list.Add("Ruta=/srv/tallyvo=datos");
    list.Add("sin separador");
    EXPECT_EQ(list.Values("servidor"), "localhost");
    EXPECT_EQ(list.Values("Ruta"), "/srv/tallyvo=datos");
    EXPECT_EQ(list.Names(1), "Ruta");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(1), "/srv/tallyvo=datos");
    EXPECT_EQ(list.IndexOfName("RUTA"), 1);
    EXPECT_EQ(list.IndexOfName("sin separador"), -1);

    list.SetValues("Usuario", "SYSDBA");
    EXPECT_EQ(list.Strings(3), "Usuario=SYSDBA");
    list.SetValues("Servidor", "otro");
    EXPECT_EQ(list.Strings(0), "Servidor=otro");
    list.SetValues("Servidor", "");
    EXPECT_EQ(list.IndexOfName("Servidor"), -1);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringListEvents, ChangeComesOnceAfterTheLastEndUpdate) {
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject*) { ++changing; };
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changed;
    };
    list.Add("a");
    EXPECT_EQ(changed, 1);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(changed, 1);
    list.EndUpdate();
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(changing, 2);
    list.SetCommaText("x,y,z");
    EXPECT_EQ(changed, 3);
    list.Clear();
    list.Clear();  // nothing to clear: no notice
    EXPECT_EQ(changed, 4);
}

TEST(StringListEvents, AFailureInsideAnUpdateStillEndsIt) {
    TStringList source;
    source.Add("a");
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    list.Add("a");
    EXPECT_THROW(list.AddStrings(&source), EStringListError);
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TStringList list;
    TObject a, b;
    list.AddObject("zeta", &a);
    list.AddObject("alfa", &b);
    list.SetSorted(true);
    EXPECT_EQ(list.Objects(0), &b);
    EXPECT_EQ(list.IndexOfObject(&a), 1);
    TStringList copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.Objects(1), &a);
    list.SetSorted(false);
    list.Move(1, 0);
    EXPECT_EQ(list.Strings(0), "zeta");
    EXPECT_EQ(list.Objects(0), &a);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(0), &b);
}

TEST(StringList, CustomSortOrdersByTheCallersRule) {
    TStringList list;
    list.SetCommaText("10,9,100,1");
    list.CustomSort([](TStringList& l, int i, int j) {
        return std::stoi(l.Strings(i)) - std::stoi(l.Strings(j));
    });
    EXPECT_EQ(list.CommaText(), "1,9,10,100");
    // A rule that is not an order does not run off the list.
    list.SetCommaText("e,d,c,b,a,f,g");
    list.CustomSort([](TStringList&, int, int) { return -1; });
    EXPECT_EQ(list.Count(), 7);
}

TEST(StringList, AssignFromSomethingElseRaisesTheAssignError) {
    TStringList list;
    TCollection collection;
    try {
        list.Assign(&collection);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TCollection to a TStringList");
    }
}

TEST(StringListFiles, SaveAndLoadKeepAccentsAndReadLatin1) {
    tvtest::TempDir dir;
    TStringList list;
    list.Add("Artículo");
    list.Add("Año");
    list.SaveToFile(dir.file("lista.txt"));
    TStringList back;
    back.LoadFromFile(dir.file("lista.txt"));
    EXPECT_EQ(Items(back), Items(list));

    {
        std::ofstream f(dir.file("latin1.txt"), std::ios::binary);
        f << "Espa\xF1" "a\r\n\xEF\xBB\xBFx";
    }
    back.LoadFromFile(dir.file("latin1.txt"));
    EXPECT_EQ(back.Strings(0), "España");
    {
        std::ofstream f(dir.file("bom.txt"), std::ios::binary);
        f << "\xEF\xBB\xBFuno\ndos";
    }
    back.LoadFromFile(dir.file("bom.txt"));
    EXPECT_EQ(Items(back), (std::vector<std::string>{"uno", "dos"}));
    EXPECT_THROW(back.LoadFromFile(dir.file("missing.txt")), EFOpenError);
}

} // namespace
