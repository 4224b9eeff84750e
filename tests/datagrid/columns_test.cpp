// The column model: fallbacks and assigned values, widths, key and pick
// lists, check boxes, stepping values, and titles with their sort markers.
#include "gridfixture.h"

#include "core/stringlist.h"
#include "core/sysformat.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"

namespace tvtest {

using namespace tv;

class ColumnTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(3);
        for (const char* f : {"CODIGO", "NOMBRE", "PRECIO", "ACTIVO"}) grid->Columns()->Add()->SetFieldName(f);
        grid->SetDataSource(source);
        Pump();
    }
};

TEST_F(ColumnTest, ValuesFallBackUntilAssigned) {
    TColumnEh* c = Col(1);
    EXPECT_EQ(c->Color(), grid->Color());
    grid->SetColor(clAqua);
    EXPECT_EQ(c->Color(), clAqua);
    c->SetColor(clYellow);
    EXPECT_TRUE(c->IsAssigned(cvColor));
    grid->SetColor(clWhite);
    EXPECT_EQ(c->Color(), clYellow);
    // Alignment follows the field; default values follow the grid's set.
    EXPECT_EQ(Col(2)->Alignment(), data->FieldByName("PRECIO")->Alignment());
    EXPECT_FALSE(c->EndEllipsis());
    grid->ColumnDefValues()->SetEndEllipsis(true);
    EXPECT_TRUE(c->EndEllipsis());
    EXPECT_TRUE(c->WordWrap());  // a string field
    EXPECT_FALSE(Col(0)->WordWrap());
    EXPECT_TRUE(Col(3)->Checkboxes());  // a boolean field
    EXPECT_EQ(Col(3)->GetColumnType(), ctCheckboxes);
}

TEST_F(ColumnTest, WidthLimitsAndMinusOne) {
    TColumnEh* c = Col(1);
    c->SetWidth(80);
    EXPECT_EQ(c->Width(), 80);
    EXPECT_EQ(grid->ColWidths(2), 80);
    c->SetWidth(-1);
    EXPECT_EQ(c->Width(), 80);
    c->SetMaxWidth(100);
    c->SetWidth(150);
    EXPECT_EQ(c->Width(), 100);
    c->SetMinWidth(90);
    c->SetWidth(20);
    EXPECT_EQ(c->Width(), 90);
    EXPECT_EQ(c->ClampWidth(500), 100);
    c->SetVisible(false);
    EXPECT_EQ(grid->ColWidths(2), -1);
}

TEST_F(ColumnTest, KeyListNamesAndWholeEntries) {
    TColumnEh* c = Col(1);
    c->KeyList()->Add("Arroz;Arroz blanco");
    c->KeyList()->Add("Café");
    c->PickList()->Add("Cereal");
    c->PickList()->Add("Bebida");
    c->SetNotInKeyListIndex(1);
    EXPECT_EQ(c->GetColumnType(), ctKeyPickList);
    // The first record is "Arroz": whole entries do not match, names do.
    EXPECT_EQ(c->DisplayText(), "Bebida");
    EXPECT_EQ(c->GetCheckboxState(), cbChecked);
    data->Next();
    EXPECT_EQ(c->DisplayText(), "Bebida");
    EXPECT_EQ(c->GetImageIndex(), 1);
    EXPECT_EQ(c->GetCheckboxState(), cbUnchecked);
    data->Next();  // "Panela" is in neither entry
    EXPECT_EQ(c->GetCheckboxState(), cbGrayed);
    EXPECT_EQ(c->GetImageIndex(), 1);  // not found: NotInKeyListIndex
    // Checking writes the first name of the first entry.
    data->Edit();
    c->ApplyCheckboxState(cbChecked);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz");
    c->ApplyCheckboxState(cbGrayed);
    EXPECT_TRUE(data->FieldByName("NOMBRE")->IsNull());
    data->Cancel();
}

TEST_F(ColumnTest, DisplayFormatAndNulls) {
    TColumnEh* price = Col(2);
    price->SetDisplayFormat("#,##0.00");
    EXPECT_EQ(price->DisplayText(), FormatFloat("#,##0.00", 1000.5));
    data->Edit();
    data->FieldByName("PRECIO")->Clear();
    EXPECT_EQ(price->DisplayText(), "");
    EXPECT_EQ(Col(3)->GetCheckboxState(), cbChecked);
    data->FieldByName("ACTIVO")->Clear();
    EXPECT_EQ(Col(3)->GetCheckboxState(), cbGrayed);
    data->Cancel();
}

TEST_F(ColumnTest, StepValueCyclesAndNumbers) {
    data->Edit();
    data->FieldByName("CODIGO")->Clear();
    Col(0)->StepValue(1);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 0);
    Col(0)->StepValue(-5);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), -5);
    Col(3)->StepValue(1);
    EXPECT_FALSE(data->FieldByName("ACTIVO")->AsBoolean());
    Col(3)->StepValue(1);
    EXPECT_TRUE(data->FieldByName("ACTIVO")->AsBoolean());
    TColumnEh* name = Col(1);
    name->PickList()->Add("Arroz");
    name->PickList()->Add("Café");
    name->PickList()->Add("Maíz");
    name->StepValue(1);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Café");
    name->StepValue(-1);
    name->StepValue(-1);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Maíz");
    data->Cancel();
    // A read-only grid refuses the step and leaves the record alone.
    grid->SetReadOnly(true);
    Col(0)->StepValue(1);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 1);
}

TEST_F(ColumnTest, RestoreDefaultsForgetsTheFontAndLists) {
    TColumnEh* c = Col(1);
    c->Font()->SetSize(20);
    EXPECT_TRUE(c->IsAssigned(cvFont));
    c->PickList()->Add("x");
    c->SetButtonStyle(cbsEllipsis);
    c->RestoreDefaults();
    EXPECT_FALSE(c->IsAssigned(cvFont));
    EXPECT_TRUE(c->PickListEmpty());
    EXPECT_EQ(c->ButtonStyle(), cbsAuto);
    grid->Font()->SetSize(14);
    EXPECT_EQ(c->Font()->Size(), 14);
}

TEST_F(ColumnTest, AssignCopiesOnlyWhatTheSourceAssigned) {
    TColumnEh* src = Col(1);
    src->SetColor(clRed);
    src->Title()->SetCaption("Nombre del artículo");
    src->SetTag(7);
    TColumnEh* dst = grid->Columns()->Add();
    dst->Assign(src);
    EXPECT_EQ(dst->FieldName(), "NOMBRE");
    EXPECT_EQ(dst->Color(), clRed);
    EXPECT_FALSE(dst->IsAssigned(cvWidth));
    EXPECT_FALSE(dst->IsAssigned(cvAlignment));
    EXPECT_EQ(dst->Title()->Caption(), "Nombre del artículo");
    EXPECT_EQ(dst->Tag(), 7);
}

TEST_F(ColumnTest, SortMarkersMultiAndSingle) {
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghMultiSortMarking});
    TColumnTitleEh* a = Col(0)->Title();
    TColumnTitleEh* b = Col(1)->Title();
    TColumnTitleEh* c = Col(2)->Title();
    a->SetSortMarker(smDownEh);
    b->SetSortMarker(smUpEh);
    c->SetSortMarker(smDownEh);
    EXPECT_EQ(a->SortIndex(), 1);
    EXPECT_EQ(b->SortIndex(), 2);
    EXPECT_EQ(c->SortIndex(), 3);
    ASSERT_EQ(grid->SortMarkedColumns().Count(), 3);
    // Changing a marked column's direction keeps its rank and place.
    b->SetSortMarker(smDownEh);
    EXPECT_EQ(b->SortIndex(), 2);
    EXPECT_EQ(grid->SortMarkedColumns().Items(1), Col(1));
    // Rank 1 for the third: it swaps with the first.
    c->SetSortIndex(1);
    EXPECT_EQ(c->SortIndex(), 1);
    EXPECT_EQ(a->SortIndex(), 3);
    EXPECT_EQ(grid->SortMarkedColumns().Items(0), Col(2));
    a->SetSortMarker(smNoneEh);
    EXPECT_EQ(c->SortIndex(), 1);
    EXPECT_EQ(b->SortIndex(), 2);
    EXPECT_EQ(a->SortIndex(), 0);
    EXPECT_EQ(grid->SortMarkedColumns().Count(), 2);
    // Single marking: a new mark clears the others.
    grid->SetOptionsEh(grid->OptionsEh() - TDBGridEhOptions{dghMultiSortMarking});
    EXPECT_EQ(grid->SortMarkedColumns().Count(), 1);
    a->SetSortMarker(smUpEh);
    EXPECT_EQ(a->SortIndex(), 1);
    EXPECT_EQ(b->SortMarker(), smNoneEh);
    EXPECT_EQ(c->SortMarker(), smNoneEh);
    ASSERT_EQ(grid->SortMarkedColumns().Count(), 1);
    EXPECT_EQ(grid->SortMarkedColumns().Items(0), Col(0));
    // A title click cycles down, up, down without Ctrl; with it up goes to none.
    b->ToggleSortMarker(false);
    EXPECT_EQ(b->SortMarker(), smDownEh);
    EXPECT_EQ(a->SortMarker(), smNoneEh);
    b->ToggleSortMarker(false);
    EXPECT_EQ(b->SortMarker(), smUpEh);
    b->ToggleSortMarker(false);
    EXPECT_EQ(b->SortMarker(), smDownEh);
    b->ToggleSortMarker(true);
    b->ToggleSortMarker(true);
    EXPECT_EQ(b->SortMarker(), smNoneEh);
}

TEST_F(ColumnTest, TitleFallbacksAndDefaultValues) {
    TColumnTitleEh* t = Col(1)->Title();
    EXPECT_EQ(t->Caption(), "NOMBRE");
    data->FieldByName("NOMBRE")->SetDisplayLabel("Nombre");
    EXPECT_EQ(t->Caption(), "Nombre");
    EXPECT_EQ(t->Alignment(), taLeftJustify);
    grid->SetUseMultiTitle(true);
    EXPECT_EQ(t->Alignment(), taCenter);
    EXPECT_EQ(t->Color(), grid->FixedColor());
    // Copying default values takes an assigned colour even when the target never had one.
    TColumnDefValuesEh other(nullptr);
    other.Title()->SetColor(clMoneyGreen);
    grid->ColumnDefValues()->Assign(&other);
    EXPECT_EQ(t->Color(), clMoneyGreen);
    EXPECT_TRUE(grid->ColumnDefValues()->Title()->ColorAssigned());
    // The title font follows the grid's TitleFont until assigned.
    grid->TitleFont()->SetSize(15);
    EXPECT_EQ(t->Font()->Size(), 15);
    t->Font()->SetStyle({fsBold});
    grid->TitleFont()->SetSize(9);
    EXPECT_EQ(t->Font()->Size(), 15);
}

} // namespace tvtest

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, SteppingALookupCellMovesItsKeyAndShowsTheNewText) {
    auto* groups = new TClientDataSet(form);
    groups->FieldDefs().Add("ID", ftInteger);
    groups->FieldDefs().Add("NOMBRE", ftString, 20);
    groups->CreateDataSet();
    const char* names[] = {"Granos", "Bebidas", "Aseo"};
    for (int i = 0; i < 3; ++i) {
        groups->Append();
        groups->FieldByName("ID")->SetAsInteger(10 + i);
        groups->FieldByName("NOMBRE")->SetAsString(names[i]);
        groups->Post();
    }
    auto* lines = new TClientDataSet(form);
    auto* key = new TIntegerField(form);
    key->SetFieldName("GRUPO");
    key->SetDataSet(lines);
    auto* shown = new TStringField(form);
    shown->SetFieldName("GRUPONOMBRE");
    shown->SetSize(20);
    shown->SetFieldKind(fkLookup);
    shown->SetKeyFields("GRUPO");
    shown->SetLookupDataSet(groups);
    shown->SetLookupKeyFields("ID");
    shown->SetLookupResultField("NOMBRE");
    shown->SetDataSet(lines);
    lines->CreateDataSet();
    lines->Append();
    lines->FieldByName("GRUPO")->SetAsInteger(11);
    lines->Post();
    source->SetDataSet(lines);
    grid->SetDataSource(source);
    TColumnEh* column = grid->Columns()->Add();
    column->SetFieldName("GRUPONOMBRE");
    Pump();
    ASSERT_EQ(column->GetColumnType(), ctLookupField);
    column->StepValue(1);
    EXPECT_EQ(lines->FieldByName("GRUPO")->AsInteger(), 12);
    EXPECT_EQ(shown->AsString(), "Aseo");
    column->StepValue(1);  // past the last: back to the first
    EXPECT_EQ(lines->FieldByName("GRUPO")->AsInteger(), 10);
    EXPECT_EQ(column->DisplayText(), "Granos");
    lines->Cancel();
}

} // namespace tvtest
