// The grid under the mouse: a press moves the dataset's record with the
// grid's row, title buttons sort, borders size columns, check cells step.
#include "mousefixture.h"

#include "platform/window/input.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

using MouseTest = GridMouseTest;

TEST_F(MouseTest, ClickOnARowThenTypingEditsThatRecord) {
    int row5 = grid->TitleRowCount() + 4;
    ClickCell(2, row5);
    ExpectInStep(5);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    ClickCell(2, row5); // a second press on the current cell opens the editor
    ASSERT_TRUE(grid->InplaceEditorVisible());
    QueueText("Quinoa");
    QueueKey(VK_RETURN);
    Pump();
    if (data->State() != dsBrowse) data->Post();
    EXPECT_EQ(Name(), "Quinoa");
    data->First();
    EXPECT_EQ(Name(), "Arroz");
    data->SetRecNo(5);
    EXPECT_EQ(Name(), "Quinoa");
}

TEST_F(MouseTest, ClickWhileEditingPostsTheTextToTheRecordItWasTypedIn) {
    grid->SetSelectedIndex(1);
    PressKey(VK_F2);
    TypeText("Arroz blanco");
    ClickCell(2, grid->TitleRowCount() + 2);
    ExpectInStep(3);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(Name(), "Panela");
    data->First();
    EXPECT_EQ(Name(), "Arroz blanco");
}

} // namespace tvtest
