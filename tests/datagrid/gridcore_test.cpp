// The grid object: its columns built from the dataset, the field map, option
// and property rules, and the layout brackets.
#include "gridfixture.h"

#include "grid/gridstyle.h"

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, WithoutColumnsOrLinkItHasOneUnboundColumnAndOneDataRow) {
    EXPECT_EQ(grid->Columns()->Count(), 1);
    EXPECT_EQ(Col(0)->Field(), nullptr);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->DataRowCount(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->ColWidths(0), 11);
}

TEST_F(DataGridTest, DefaultColumnsFollowTheVisibleFieldsAndTheirLabels) {
    Fill(3);
    data->FieldByName("PRECIO")->SetVisible(false);
    grid->SetDataSource(source);
    Pump();
    ASSERT_EQ(grid->Columns()->Count(), 3);
    EXPECT_EQ(grid->Columns()->GetState(), csDefault);
    EXPECT_EQ(Col(0)->FieldName(), "CODIGO");
    EXPECT_EQ(Col(2)->FieldName(), "ACTIVO");
    EXPECT_EQ(grid->DataRowCount(), 3);
    EXPECT_EQ(grid->Row(), grid->TitleRowCount());
    // A caption set on a built column changes the field's label instead.
    Col(1)->Title()->SetCaption("Descripción");
    EXPECT_EQ(data->FieldByName("NOMBRE")->DisplayLabel(), "Descripción");
    EXPECT_FALSE(Col(1)->IsAssigned(cvTitleCaption));
    EXPECT_EQ(Col(1)->Title()->Caption(), "Descripción");
    // A field made visible again comes back as a column after a relayout.
    data->FieldByName("PRECIO")->SetVisible(true);
    grid->LayoutChanged();
    EXPECT_EQ(grid->Columns()->Count(), 4);
    EXPECT_EQ(Col(2)->FieldName(), "PRECIO");
}

TEST_F(DataGridTest, CustomisedColumnWithAMissingFieldStaysUnbound) {
    Fill(2);
    TColumnEh* a = grid->Columns()->Add();
    a->SetFieldName("NOMBRE");
    TColumnEh* b = grid->Columns()->Add();
    b->SetFieldName("NO_EXISTE");
    TColumnEh* c = grid->Columns()->Add();
    c->SetFieldName("PRECIO");
    grid->SetDataSource(source);
    Pump();
    EXPECT_EQ(grid->Columns()->GetState(), csCustomized);
    ASSERT_EQ(grid->Columns()->Count(), 3);
    EXPECT_EQ(grid->DataLink()->FieldCount(), 3);
    EXPECT_EQ(grid->DataLink()->Fields(1), nullptr);
    EXPECT_FALSE(grid->DataLink()->DefaultFields());
    EXPECT_EQ(b->Field(), nullptr);
    EXPECT_EQ(b->DisplayText(), "");
    EXPECT_EQ(b->GetImageIndex(), -1);
    EXPECT_EQ(b->GetCheckboxState(), cbUnchecked);
    EXPECT_EQ(a->DisplayText(), "Arroz");
    EXPECT_EQ(c->Field(), data->FieldByName("PRECIO"));
}

TEST_F(DataGridTest, FieldMapGrowsByDoublingAndRefusesBeyondItsLimit) {
    Fill(1);
    grid->SetDataSource(source);
    TGridDataLinkEh* link = grid->DataLink();
    link->ClearMapping();
    link->SetTolerateMissingFields(true);
    link->AddMapping("CODIGO");
    EXPECT_GE(link->MapCapacity(), 8);
    for (int i = 0; i < 8; ++i) link->AddMapping("NOMBRE");
    EXPECT_GE(link->MapCapacity(), 16);
    // Without tolerance a missing name is the dataset's own error.
    link->SetTolerateMissingFields(false);
    EXPECT_THROW(link->AddMapping("NO_EXISTE"), Exception);
    int saved = TGridDataLinkEh::MaxMapSize;
    TGridDataLinkEh::MaxMapSize = link->FieldCount();
    try {
        link->AddMapping("CODIGO");
        ADD_FAILURE() << "no error";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Se ha solicitado a la rejilla que despliegue más de 256 columnas");
    }
    TGridDataLinkEh::MaxMapSize = saved;
}

TEST_F(DataGridTest, PropertyRules) {
    grid->SetFrozenCols(2);
    grid->SetFrozenCols(-1);
    EXPECT_EQ(grid->FrozenCols(), 2);
    grid->SetFooterRowCount(1);
    grid->SetFooterRowCount(-1);
    EXPECT_EQ(grid->FooterRowCount(), 1);
    grid->SetRowHeight(-5);
    EXPECT_EQ(grid->RowHeight(), 0);
    // Row selection removes the editing options and maps onto the base grid's.
    grid->SetOptions(grid->Options() + TDBGridOptions{dgRowSelect, dgAlwaysShowEditor});
    EXPECT_FALSE(grid->Options().Contains(dgEditing));
    EXPECT_FALSE(grid->Options().Contains(dgAlwaysShowEditor));
    EXPECT_TRUE(grid->TCustomGrid::Options().Contains(goRowSelect));
    EXPECT_FALSE(grid->TCustomGrid::Options().Contains(goEditing));
    grid->SetOptions(grid->Options() - TDBGridOptions{dgColLines});
    EXPECT_FALSE(grid->TCustomGrid::Options().Contains(goVertLine));
    // Unassigned row colours read as Color and are not stored.
    EXPECT_EQ(grid->OddRowColor(), grid->Color());
    EXPECT_FALSE(grid->OddRowColorAssigned());
    grid->SetEvenRowColor(clYellow);
    EXPECT_EQ(grid->EvenRowColor(), clYellow);
    EXPECT_EQ(grid->OddRowColor(), grid->Color());
}

TEST_F(DataGridTest, SelectionKindsAndTheSameDataSource) {
    Fill(2);
    grid->SetDataSource(source);
    EXPECT_TRUE(grid->SelectionKindAllowed(gstNon));
    EXPECT_FALSE(grid->SelectionKindAllowed(gstRectangle));
    grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
    EXPECT_TRUE(grid->SelectionKindAllowed(gstRectangle));
    grid->SelectedBookmarks().SetCurrentRowSelected(true);
    grid->SetDataSource(source);
    EXPECT_EQ(grid->Selection().SelectionType(), gstRecordBookmarks);
    grid->SetOptions(grid->Options() + TDBGridOptions{dgRowSelect});
    EXPECT_FALSE(grid->SelectionKindAllowed(gstRectangle));
    EXPECT_TRUE(grid->SelectionKindAllowed(gstRecordBookmarks));
    grid->SetAllowedSelections({gstAll});
    EXPECT_EQ(grid->Selection().SelectionType(), gstNon);
}

TEST_F(DataGridTest, NestedChangesRelayoutOnceAtTheOutermostEnd) {
    Fill(3);
    grid->SetDataSource(source);
    int before = grid->LayoutCount();
    grid->BeginLayout();
    grid->SetTitleHeight(10);
    grid->SetUseMultiTitle(true);
    grid->BeginLayout();
    grid->SetVTitleMargin(4);
    grid->EndLayout();
    EXPECT_EQ(grid->LayoutCount(), before);
    grid->EndLayout();
    EXPECT_EQ(grid->LayoutCount(), before + 1);
    EXPECT_EQ(grid->LayoutUpdateLevel(), 0);
    EXPECT_EQ(grid->LayoutLockCount(), 0);
    // A bare lock suppresses relayouts without making up for them.
    grid->LockLayout();
    grid->SetVTitleMargin(6);
    grid->UnlockLayout();
    EXPECT_EQ(grid->LayoutCount(), before + 1);
}

TEST_F(DataGridTest, EditingPermissionsFollowGridColumnAndField) {
    Fill(2);
    grid->SetDataSource(source);
    Pump();
    TColumnEh* name = Col(1);
    EXPECT_TRUE(name->CanModify(false));
    grid->SetReadOnly(true);
    EXPECT_FALSE(name->CanModify(false));
    EXPECT_TRUE(name->ReadOnly());
    grid->SetReadOnly(false);
    grid->SetAllowedOperations({alopInsertEh});
    EXPECT_FALSE(name->CanModify(false));
    grid->SetAllowedOperations({alopUpdateEh});
    EXPECT_TRUE(name->CanModify(true));
    EXPECT_EQ(data->State(), dsEdit);
    data->Cancel();
}

TEST(DBGridEhStyle, LightenColorAndRegisteredGrids) {
    // Channel by channel: white glass over black.
    TColor c = LightenColor(0x000000, 0xFFFFFF, false);
    // v = 0 + 127.5 = 127.5; v + (225 - v) * 0.6 = 186 (rounded)
    EXPECT_EQ(c & 0xFF, 186);
    EXPECT_EQ((c >> 8) & 0xFF, 186);
    EXPECT_EQ(LightenColor(0xFFFFFF, 0xFFFFFF, false) & 0xFF, 237);
    // With ungray the value moves away from 122 by a quarter.
    EXPECT_EQ(LightenColor(0x000000, 0xFFFFFF, true) & 0xFF, 202);
}

} // namespace tvtest

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, TitleFontFollowsTheParentsFontUntilSet) {
    ASSERT_TRUE(grid->ParentFont());
    form->Font()->SetSize(12);
    EXPECT_EQ(grid->Font()->Size(), 12);
    EXPECT_EQ(grid->TitleFont()->Size(), 12);
    EXPECT_EQ(grid->FooterFont()->Size(), 12);
    EXPECT_TRUE(grid->ParentFont());
    grid->TitleFont()->SetStyle({fsBold});
    EXPECT_FALSE(grid->ParentFont());
    form->Font()->SetSize(14);
    EXPECT_EQ(grid->TitleFont()->Size(), 12);
    EXPECT_TRUE(grid->TitleFont()->Style().Contains(fsBold));
}

} // namespace tvtest
