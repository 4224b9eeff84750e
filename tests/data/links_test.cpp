// A field data link and a data source as a data-aware editor uses them, and
// the parameters of SQL text.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "framework/data/fielddatalink.h"
#include "framework/data/params.h"

using namespace tv;
using namespace tvtest;

TEST(FieldDataLink, ShowsEditsAndWritesItsField) {
    ArticleModule m;
    m.Fill(Articulos());
    m.OpenClient();
    TFieldDataLink link;
    std::string shown;
    std::string typed;
    int editingChanges = 0;
    link.OnDataChange = [&](TObject*) { shown = link.Field() ? link.Field()->DisplayText() : ""; };
    link.OnEditingChange = [&](TObject*) { ++editingChanges; };
    link.OnUpdateData = [&](TObject*) { link.Field()->SetText(typed); };
    link.SetFieldName("NOMBRE");
    link.SetDataSource(m.source);
    ASSERT_EQ(link.Field(), m.cds->FieldByName("NOMBRE"));
    EXPECT_EQ(shown, "Zanahoria");
    m.cds->Next();
    EXPECT_EQ(shown, "árbol de Navidad");

    // The user types: the source's AutoEdit puts the dataset into edit mode.
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(m.cds->State(), dsEdit);
    EXPECT_EQ(editingChanges, 1);
    typed = "Árbol";
    link.Modified();
    m.cds->Post(); // writes the pending text first
    EXPECT_EQ(m.cds->FieldByName("NOMBRE")->AsString(), "Árbol");
    EXPECT_EQ(shown, "Árbol");
    EXPECT_FALSE(link.Editing());

    m.source->SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(m.cds->State(), dsBrowse);
    EXPECT_THROW(link.SetFieldName("NADA"), EDatabaseError);

    int stateChanges = 0;
    m.source->OnStateChange = [&](TDataSource*) { ++stateChanges; };
    m.cds->Close();
    EXPECT_EQ(link.Field(), nullptr);
    EXPECT_EQ(stateChanges, 1);
}

TEST(FieldDataLink, FocusGoesToTheControlOfAMissingRequiredValue) {
    ArticleModule m;
    m.Fill(Articulos());
    m.OpenClient();
    TFieldDataLink link;
    int focused = 0;
    link.OnFocusControl = [&](TObject*) { ++focused; };
    link.SetFieldName("NOMBRE");
    link.SetDataSource(m.source);
    m.cds->Append();
    m.cds->FieldByName("CODIGO")->SetAsInteger(50);
    EXPECT_THROW(m.cds->Post(), EDatabaseError);
    EXPECT_EQ(focused, 1);
}

TEST(FieldDataLink, ADatasetSwappedUnderItsSourceGivesTheNewField) {
    ArticleModule m;
    m.Fill(Articulos());
    m.OpenClient();
    m.tabla->Last();
    TFieldDataLink link;
    std::string shown;
    link.OnDataChange = [&](TObject*) { shown = link.Field() ? link.Field()->DisplayText() : ""; };
    link.SetFieldName("NOMBRE");
    link.SetDataSource(m.source);
    ASSERT_EQ(link.Field(), m.cds->FieldByName("NOMBRE"));
    // Both datasets are open: the source's state does not change, its dataset does.
    m.source->SetDataSet(m.tabla);
    EXPECT_EQ(link.Field(), m.tabla->FieldByName("NOMBRE"));
    EXPECT_EQ(shown, m.tabla->FieldByName("NOMBRE")->DisplayText());
    EXPECT_TRUE(link.Active());
}

TEST(Params, SqlTextNamesItsParametersOutsideQuotes) {
    TParams params;
    const auto names = params.ParseSQL(
        "SELECT * FROM PREFIJOS WHERE TIDO_COD = :TIDO_COD AND PREF_PRE <> ':X' AND A = :b AND B = :TIDO_COD", true);
    EXPECT_EQ(names, (std::vector<std::string>{"TIDO_COD", "b", "TIDO_COD"}));
    ASSERT_EQ(params.Count(), 2);
    params.ParamByName("tido_cod").SetAsInteger(11);
    EXPECT_EQ(params.ParamByName("TIDO_COD").DataType(), ftInteger);
    EXPECT_EQ(params.ParamValues("TIDO_COD").AsInteger(), 11);
    EXPECT_THROW(params.ParamByName("ID"), EDatabaseError);
    TParams copy = params;
    EXPECT_EQ(copy.ParamByName("TIDO_COD").AsInteger(), 11);
}
