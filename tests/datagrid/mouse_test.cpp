// The grid under the mouse: a press moves the dataset's record with the
// grid's row, title buttons sort, borders size columns, check cells step.
#include "mousefixture.h"

#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "grid/cdsfeatures.h"
#include "grid/datasetfeatures.h"
#include "grid/griddataservice.h"
#include "grid/gridunit.h"
#include "platform/backend/backend.h"
#include "platform/window/cursor.h"
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

TEST_F(MouseTest, AContextMenuCommandThatFreesTheFormLeavesTheGridAlone) {
    auto* popup = new TPopupMenu(form);
    auto* close = new TMenuItem(form);
    close->SetCaption("&Cerrar");
    popup->Items()->Add(close);
    // The handler is freed with the form: nothing of it is touched after the delete.
    close->OnClick = [slot = &form](TObject*) {
        TForm* f = *slot;
        *slot = nullptr;
        delete f;
    };
    grid->SetPopupMenu(popup);
    POINT p = CellPoint(2, grid->TitleRowCount() + 1);
    QueueClick(p.x, p.y, 1);
    QueueKey(VK_DOWN);
    QueueKey(VK_RETURN);
    Pump();
    EXPECT_EQ(form, nullptr);
}

// A handler that frees the form while the grid handles a press or its
// release: nothing of the grid is touched afterwards.
struct TFreeingEvent {
    const char* event;
    // Hooks `free` to the event.
    void (*hook)(TDBGridEh* grid, std::function<void()> free);
    int col, row; // the cell pressed: row 0 is the titles, 1 the first record
    bool doubleClick;
};

class PressFreesFormTest : public GridMouseTest, public ::testing::WithParamInterface<TFreeingEvent> {};

TEST_P(PressFreesFormTest, TheGridIsLeftAlone) {
    const TFreeingEvent& c = GetParam();
    Col(0)->Title()->SetTitleButton(true);
    Col(1)->Title()->SetTitleButton(true);
    c.hook(grid, [slot = &form] {
        TForm* f = *slot;
        *slot = nullptr;
        delete f;
    });
    POINT p = CellPoint(c.col, c.row == 0 ? 0 : grid->TitleRowCount() + c.row - 1);
    if (c.doubleClick)
        QueueDoubleClick(p.x, p.y);
    else
        QueueClick(p.x, p.y);
    Pump();
    EXPECT_EQ(form, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Events, PressFreesFormTest,
    ::testing::Values(
        TFreeingEvent{"OnMouseDown",
                      [](TDBGridEh* g, std::function<void()> f) {
                          g->OnMouseDown = [f](TObject*, TMouseButton, TShiftState, int, int) { f(); };
                      },
                      1, 3, false},
        TFreeingEvent{"OnDblClick",
                      [](TDBGridEh* g, std::function<void()> f) { g->OnDblClick = [f](TObject*) { f(); }; }, 1, 3,
                      true},
        TFreeingEvent{"OnColEnter",
                      [](TDBGridEh* g, std::function<void()> f) { g->OnColEnter = [f](TObject*) { f(); }; }, 2, 3,
                      false},
        TFreeingEvent{"OnCheckButton",
                      [](TDBGridEh* g, std::function<void()> f) {
                          g->OnCheckButton = [f](TObject*, int, TColumnEh*, bool&) { f(); };
                      },
                      1, 0, false},
        TFreeingEvent{
            "OnTitleBtnClick",
            [](TDBGridEh* g, std::function<void()> f) { g->OnTitleBtnClick = [f](TObject*, int, TColumnEh*) { f(); }; },
            2, 0, false},
        TFreeingEvent{"OnCellClick",
                      [](TDBGridEh* g, std::function<void()> f) { g->OnCellClick = [f](TColumnEh*) { f(); }; }, 2, 3,
                      false}),
    [](const ::testing::TestParamInfo<TFreeingEvent>& info) { return std::string(info.param.event); });

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

// Clicks on titles, with the keys a hand holds.
class TitleMouseTest : public GridMouseTest {
protected:
    void SetUp() override {
        GridMouseTest::SetUp();
        InitializeDatasetFeatures();
        InitializeClientDataSetFeatures();
        grid->Columns()->Add()->SetFieldName("PRECIO");
        grid->SetSortLocal(true);
        for (int i = 0; i < 3; ++i) Col(i)->Title()->SetTitleButton(true);
        DBGridEhDataService()->OnApplySorting = [this](TCustomDBGridEh* g) {
            ++sorts;
            DBGridEhDataService()->OnApplySorting = nullptr;
            g->DataServiceApplySorting();
            DBGridEhDataService()->OnApplySorting = handler;
        };
        handler = DBGridEhDataService()->OnApplySorting;
        grid->OnTitleBtnClick = [this](TObject*, int index, TColumnEh*) { buttons.push_back(index); };
        grid->OnTitleClick = [this](TColumnEh*) { ++titleClicks; };
        Pump();
    }
    void TearDown() override {
        DBGridEhDataService()->OnApplySorting = nullptr;
        ReleaseDatasetFeatures();
        GridMouseTest::TearDown();
    }
    void ClickTitle(int dataCol, bool ctrl = false) {
        if (ctrl) InjectKey(VK_CONTROL, true);
        ClickCell(dataCol + 1, 0);
        if (ctrl) InjectKey(VK_CONTROL, false);
        Pump();
    }
    std::vector<int> Codes() {
        std::vector<int> out;
        for (data->First(); !data->Eof(); data->Next()) out.push_back(data->FieldByName("CODIGO")->AsInteger());
        return out;
    }
    std::function<void(TCustomDBGridEh*)> handler;
    int sorts = 0, titleClicks = 0;
    std::vector<int> buttons;
};

TEST_F(TitleMouseTest, TitleButtonWithoutAutoSortMarkingOnlyFiresItsEvents) {
    ClickTitle(1);
    EXPECT_EQ(buttons, (std::vector<int>{1}));
    EXPECT_EQ(titleClicks, 1);
    EXPECT_EQ(Col(1)->Title()->SortMarker(), smNoneEh);
    EXPECT_EQ(sorts, 0);
    // The data stayed where it was.
    ExpectInStep(1);
}

TEST_F(TitleMouseTest, CtrlClickedTitlesSortOnceWhenCtrlIsLetGo) {
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghAutoSortMarking, dghMultiSortMarking});
    // Names repeat every 8 records: by name, then by price descending.
    InjectKey(VK_CONTROL, true);
    ClickCell(2, 0); // NOMBRE: down
    ClickCell(3, 0); // PRECIO: down
    ClickCell(3, 0); // PRECIO: up
    EXPECT_EQ(sorts, 0);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(sorts, 1);
    ASSERT_EQ(grid->SortMarkedColumns().Count(), 2);
    EXPECT_EQ(grid->SortMarkedColumns().Items(0), Col(1));
    EXPECT_EQ(grid->SortMarkedColumns().Items(1), Col(2));
    std::vector<int> codes = Codes();
    ASSERT_EQ(codes.size(), 40u);
    EXPECT_EQ((std::vector<int>(codes.begin(), codes.begin() + 5)), (std::vector<int>{36, 28, 20, 12, 4}))
        << "Aceite, dearest first";

    // A Ctrl click on an up marker removes it; a plain click sorts at once by one column.
    ClickTitle(2, true);
    EXPECT_EQ(Col(2)->Title()->SortMarker(), smNoneEh);
    EXPECT_EQ(grid->SortMarkedColumns().Count(), 1);
    EXPECT_EQ(sorts, 2);
    sorts = 0;
    ClickTitle(0);
    EXPECT_EQ(sorts, 1);
    EXPECT_EQ(Col(0)->Title()->SortMarker(), smDownEh);
    EXPECT_EQ(Col(1)->Title()->SortMarker(), smNoneEh);
    EXPECT_EQ(Codes().front(), 1);
}

TEST_F(TitleMouseTest, PendingCtrlSortIsAppliedWhenTheFocusLeaves) {
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghAutoSortMarking, dghMultiSortMarking});
    auto* other = new TDBGridEh(form);
    other->SetBounds(0, 310, 100, 60);
    other->SetParent(form);
    Pump();
    InjectKey(VK_CONTROL, true);
    ClickCell(2, 0);
    EXPECT_EQ(sorts, 0);
    other->SetFocus();
    Pump();
    EXPECT_EQ(sorts, 1);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(sorts, 1);
}

// A right press on a title button clicks it as a left one would; a press on
// the indicator's title selects every record and the next one clears them.
TEST_F(TitleMouseTest, ARightPressClicksATitleAndTheIndicatorsTitleSelectsAll) {
    ClickCell(2, 0, 1);
    EXPECT_EQ(buttons, (std::vector<int>{1}));
    EXPECT_EQ(titleClicks, 1);

    grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
    Pump();
    ClickCell(0, 0);
    EXPECT_EQ(grid->Selection().SelectionType(), gstAll);
    ClickCell(0, 0);
    EXPECT_EQ(grid->Selection().SelectionType(), gstNon);
    ExpectInStep(1);
}

TEST_F(TitleMouseTest, TitlePressMovedSidewaysPastThreePixelsMovesTheColumn) {
    POINT p = CellPoint(2, 0);
    QueueDrag(p.x, p.y, p.x + 3, p.y, 3);
    Pump();
    clock->Advance(1000);
    EXPECT_EQ(buttons, (std::vector<int>{1})) << "3 pixels: still a click";
    EXPECT_EQ(Col(1)->FieldName(), "NOMBRE");

    // Four pixels start a column move; dropped over the third column it lands there.
    POINT to = CellPoint(3, 0);
    QueueDrag(p.x, p.y, to.x + 10, to.y, 8);
    Pump();
    EXPECT_EQ(buttons.size(), 1u);
    EXPECT_EQ(Col(2)->FieldName(), "NOMBRE");
    EXPECT_EQ(Col(1)->FieldName(), "PRECIO");
}

TEST_F(MouseTest, DraggingATitleEdgeSizesTheColumnFrozenOnesToo) {
    RECT r = grid->CellRect(2, 0);
    int before = Col(1)->Width();
    POINT edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
    QueueDrag(edge.x, edge.y, edge.x + 30, edge.y);
    Pump();
    clock->Advance(1000);
    EXPECT_EQ(Col(1)->Width(), before + 30);
    ExpectInStep(1);

    // The first column frozen: its border is the grid's own.
    grid->SetFrozenCols(1);
    Pump();
    ASSERT_EQ(grid->FixedCols(), 2);
    r = grid->CellRect(1, 0);
    before = Col(0)->Width();
    edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
    QueueMouseMove(edge.x, edge.y);
    Pump();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit));
    QueueDrag(edge.x, edge.y, edge.x - 20, edge.y);
    Pump();
    EXPECT_EQ(Col(0)->Width(), before - 20);
    EXPECT_EQ(grid->MouseMode(), 0);

    // Traced live: the width follows each move.
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghTraceColSizing});
    r = grid->CellRect(1, 0);
    edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
    QueueMouseDown(edge.x, edge.y);
    QueueMouseMove(edge.x + 15, edge.y);
    Pump();
    EXPECT_EQ(Col(0)->Width(), before - 5);
    QueueMouseUp(edge.x + 15, edge.y);
    Pump();
    EXPECT_EQ(Col(0)->Width(), before - 5);
}

// A double click on a title's border fits the column to its texts when the
// grid is told to; otherwise it is a double click like any other.
TEST_F(MouseTest, ADoubleClickOnATitleBorderFitsTheColumnWhenAsked) {
    int clicks = 0;
    grid->OnDblClick = [&](TObject*) { ++clicks; };
    Col(1)->SetWidth(300);
    Pump();
    RECT r = grid->CellRect(2, 0);
    POINT edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
    QueueDoubleClick(edge.x, edge.y);
    Pump();
    clock->Advance(1000);
    EXPECT_EQ(Col(1)->Width(), 300);
    EXPECT_EQ(clicks, 1);
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghDblClickOptimizeColWidth});
    QueueDoubleClick(edge.x, edge.y);
    Pump();
    EXPECT_LT(Col(1)->Width(), 150) << "as wide as \"Lentejas\" and the title";
    EXPECT_GT(Col(1)->Width(), 20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MouseTest, CheckCellsStepAtTheReleaseAndByDoubleClickOnlyWhenAsked) {
    grid->Columns()->Add()->SetFieldName("ACTIVO");
    Pump();
    int checkCol = 3;
    ASSERT_EQ(Col(2)->GetColumnType(), ctCheckboxes);
    int row3 = grid->TitleRowCount() + 2;
    // Record 3 is active: one click on it makes it inactive, in that record.
    ClickCell(checkCol, row3);
    ExpectInStep(3);
    EXPECT_FALSE(data->FieldByName("ACTIVO")->AsBoolean());

    // A double click without DblClickNextVal: its first click toggles, the second press nothing.
    POINT p = CellPoint(checkCol, row3);
    QueueDoubleClick(p.x, p.y);
    Pump();
    clock->Advance(1000);
    EXPECT_TRUE(data->FieldByName("ACTIVO")->AsBoolean());

    // With it, single clicks leave the value and a double click steps it once.
    Col(2)->SetDblClickNextVal(true);
    ClickCell(checkCol, row3);
    EXPECT_TRUE(data->FieldByName("ACTIVO")->AsBoolean());
    QueueDoubleClick(p.x, p.y);
    Pump();
    EXPECT_FALSE(data->FieldByName("ACTIVO")->AsBoolean());
}

TEST_F(MouseTest, ClickEventsAndColumnChangesFire) {
    std::vector<std::string> events;
    grid->OnCellClick = [&](TColumnEh* c) { events.push_back("cell " + c->FieldName()); };
    grid->OnColExit = [&](TObject*) { events.push_back("exit " + grid->SelectedField()->FieldName()); };
    grid->OnColEnter = [&](TObject*) { events.push_back("enter " + grid->SelectedField()->FieldName()); };
    ClickCell(2, grid->TitleRowCount() + 1);
    ClickCell(2, grid->TitleRowCount() + 2);
    EXPECT_EQ(events, (std::vector<std::string>{"exit CODIGO", "enter NOMBRE", "cell NOMBRE", "cell NOMBRE"}));
    // An OnColExit that goes elsewhere wins.
    grid->Columns()->Add()->SetFieldName("PRECIO");
    Pump();
    grid->OnColExit = [&](TObject*) { grid->SetSelectedIndex(2); };
    ClickCell(1, grid->TitleRowCount() + 3);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    ExpectInStep(4);
}

// Selection by the mouse.
class MouseSelectionTest : public GridMouseTest {
protected:
    void SetUp() override {
        GridMouseTest::SetUp();
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
        Pump();
    }
    std::vector<int> SelectedCodes() {
        std::vector<int> codes;
        TBookmark here = data->Bookmark();
        TBookmarkListEh& rows = grid->SelectedBookmarks();
        for (int i = 0; i < rows.SelectedCount(); ++i) {
            data->GotoBookmark(rows.GetItem(i));
            codes.push_back(data->FieldByName("CODIGO")->AsInteger());
        }
        data->GotoBookmark(here);
        return codes;
    }
    void ClickWith(int col, int row, int vk) {
        InjectKey(vk, true);
        ClickCell(col, row);
        InjectKey(vk, false);
    }
    int DataRowY(int dataRow) { return grid->TitleRowCount() + dataRow; }
};

TEST_F(MouseSelectionTest, IndicatorClicksSelectRecordsWithCtrlAndShift) {
    ClickCell(0, DataRowY(1));
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2}));
    ExpectInStep(2);
    ClickWith(0, DataRowY(3), VK_CONTROL);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 4}));
    ClickWith(0, DataRowY(1), VK_CONTROL); // Ctrl again unselects
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{4}));
    // Shift extends from the current record.
    ClickWith(0, DataRowY(6), VK_SHIFT);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    ExpectInStep(7);
    ClickCell(0, DataRowY(0)); // a plain click starts again
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{1}));
}

TEST_F(MouseSelectionTest, DraggingOverRowsSelectsThemAndScrollsBelowTheRows) {
    grid->SetOptions(grid->Options() + TDBGridOptions{dgRowSelect});
    Pump();
    POINT from = CellPoint(1, DataRowY(1)), to = CellPoint(1, DataRowY(4));
    QueueDrag(from.x, from.y, to.x, to.y, 6);
    Pump();
    clock->Advance(1000);
    EXPECT_EQ(SelectedCodes(), (std::vector<int>{2, 3, 4, 5}));
    ExpectInStep(5);

    // Held 30 pixels below the rows each timer tick moves five records, at once again.
    data->First();
    Pump();
    RECT box = grid->DataBoxPixelRect();
    POINT below = grid->ClientToScreen({from.x - grid->ClientOrigin().x, box.bottom + 29});
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(below.x, below.y);
    Pump();
    int after = data->RecNo();
    EXPECT_EQ(after, 2 + 5) << "the move itself scrolls once";
    EXPECT_EQ(grid->MouseState().TimerInterval, 0);
    clock->Advance(10);
    Pump();
    EXPECT_EQ(data->RecNo(), after + 5);
    // At 48 pixels and more the step is eight records.
    below = grid->ClientToScreen({from.x - grid->ClientOrigin().x, box.bottom + 59});
    QueueMouseMove(below.x, below.y);
    Pump();
    EXPECT_EQ(data->RecNo(), after + 5 + 8);
    QueueMouseUp(below.x, below.y);
    Pump();
    EXPECT_FALSE(grid->MouseState().TimerActive);
    EXPECT_EQ(grid->SelectedBookmarks().SelectedCount(), after + 5 + 8 - 1);
    ExpectInStep(after + 5 + 8);
}

TEST_F(MouseSelectionTest, DraggingOverCellsSelectsARectangleAndTitlesSelectColumns) {
    grid->Columns()->Add()->SetFieldName("PRECIO");
    Pump();
    POINT from = CellPoint(1, DataRowY(1)), to = CellPoint(2, DataRowY(3));
    QueueDrag(from.x, from.y, to.x, to.y, 6);
    Pump();
    clock->Advance(1000);
    ASSERT_EQ(grid->Selection().SelectionType(), gstRectangle);
    TDBGridEhSelectionRect& rect = grid->Selection().Rect();
    EXPECT_EQ(rect.GetLeftCol(), 0);
    EXPECT_EQ(rect.GetRightCol(), 1);
    data->GotoBookmark(rect.GetTopRow());
    EXPECT_EQ(data->RecNo(), 2);
    data->GotoBookmark(rect.GetBottomRow());
    EXPECT_EQ(data->RecNo(), 4);

    // The bottom of a title selects its column, Shift extends to another.
    POINT title = CellPoint(1, 0, -1, grid->CellRect(1, 0).bottom - grid->CellRect(1, 0).top - 3);
    QueueMouseMove(title.x, title.y);
    Pump();
    EXPECT_EQ(GetCursor(), DBGridEhCursor(0));
    QueueClick(title.x, title.y);
    Pump();
    clock->Advance(1000);
    ASSERT_EQ(grid->Selection().SelectionType(), gstColumns);
    EXPECT_EQ(grid->Selection().Columns().Count(), 1);
    POINT third = CellPoint(3, 0, -1, grid->CellRect(3, 0).bottom - grid->CellRect(3, 0).top - 3);
    InjectKey(VK_SHIFT, true);
    QueueClick(third.x, third.y);
    Pump();
    InjectKey(VK_SHIFT, false);
    EXPECT_EQ(grid->Selection().Columns().Count(), 3);

    // Over the indicator the cursor is the record-selection arrow.
    POINT ind = CellPoint(0, DataRowY(2));
    QueueMouseMove(ind.x, ind.y);
    Pump();
    EXPECT_EQ(GetCursor(), DBGridEhCursor(1));
}

} // namespace tvtest

namespace tvtest {

using namespace tv;
using namespace tv::win;

TEST_F(MouseTest, WideningAnAutoFitColumnTakesFromTheNextOrTheWholeRightPart) {
    grid->Columns()->Add()->SetFieldName("PRECIO");
    for (int i = 0; i < 3; ++i) Col(i)->SetWidth(100);
    grid->SetAutoFitColWidths(true);
    Pump();
    struct Case {
        bool wholeRight;
        int firstGrows, secondShrinks, thirdShrinks;
    } cases[] = {{false, 30, 30, 0}, {true, 30, 15, 15}};
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i) Col(i)->SetInitWidth(100);
        TDBGridEhOptions o = grid->OptionsEh();
        grid->SetOptionsEh(c.wholeRight ? o + TDBGridEhOptions{dghResizeWholeRightPart}
                                        : o - TDBGridEhOptions{dghResizeWholeRightPart});
        Pump();
        int w[3];
        for (int i = 0; i < 3; ++i) w[i] = Col(i)->Width();
        int sum = w[0] + w[1] + w[2];
        RECT r = grid->CellRect(1, 0);
        POINT edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
        // The grid fits the columns to its width: 30 pixels are 30 / 300 of the room.
        int pixels = sum * 30 / 300;
        QueueDrag(edge.x, edge.y, edge.x + pixels, edge.y);
        Pump();
        clock->Advance(1000);
        EXPECT_NEAR(Col(0)->InitWidth(), 100 + c.firstGrows, 2) << c.wholeRight;
        EXPECT_NEAR(Col(1)->InitWidth(), 100 - c.secondShrinks, 2) << c.wholeRight;
        EXPECT_NEAR(Col(2)->InitWidth(), 100 - c.thirdShrinks, 2) << c.wholeRight;
        EXPECT_NEAR(Col(0)->Width() + Col(1)->Width() + Col(2)->Width(), sum, 1) << "the columns still fill the grid";
    }
}

} // namespace tvtest

namespace tvtest {

using namespace tv;
using namespace tv::win;

// Sums in the footers must not pull the record away when the columns change size.
TEST_F(MouseTest, SizingAColumnKeepsTheRecordUnderFooterSums) {
    grid->Columns()->Add()->SetFieldName("PRECIO");
    Col(2)->Footer()->SetValueType(fvtSum);
    grid->SetFooterRowCount(1);
    grid->SumList()->SetActive(true);
    Pump();
    ClickCell(2, grid->TitleRowCount() + 9);
    ExpectInStep(10, "clicked");
    int row = DataRow();
    RECT r = grid->CellRect(2, 0);
    POINT edge = grid->ClientToScreen({r.right, (r.top + r.bottom) / 2});
    QueueDrag(edge.x, edge.y, edge.x + 30, edge.y);
    Pump();
    ExpectInStep(10, "after sizing");
    EXPECT_EQ(DataRow(), row);
    grid->SetHeight(250);
    Pump();
    ExpectInStep(10, "after a resize");
}

} // namespace tvtest
