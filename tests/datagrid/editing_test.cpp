// Typing into a cell through the base grid's editor: the dataset goes into
// edit through the link and the text reaches the field when the record is
// posted; a read-only column refuses.
#include "gridfixture.h"

#include "platform/backend/headless.h"
#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class EditingTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(3);
        grid->Columns()->Add()->SetFieldName("CODIGO");
        grid->Columns()->Add()->SetFieldName("NOMBRE");
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
        grid->SetSelectedIndex(1);
        Pump();
    }
};

TEST_F(EditingTest, TypedTextIsWrittenWhenTheRecordIsPosted) {
    ASSERT_EQ(grid->SelectedField(), data->FieldByName("NOMBRE"));
    PressKey(VK_F2);
    Pump();
    ASSERT_TRUE(grid->InplaceEditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Arroz");
    // The editor opens with its text selected: typing replaces it.
    TypeText("Arroz integral");
    Pump();
    EXPECT_EQ(data->State(), dsEdit);
    EXPECT_TRUE(grid->DataLink()->Modified());
    PressKey(VK_RETURN);
    Pump();
    data->Post();
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz integral");
    EXPECT_FALSE(grid->DataLink()->Modified());
}

TEST_F(EditingTest, ReadOnlyColumnKeepsTheDatasetBrowsing) {
    Col(1)->SetReadOnly(true);
    PressKey(VK_F2);
    TypeText("x");
    Pump();
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->FieldByName("NOMBRE")->AsString(), "Arroz");
}

} // namespace tvtest
