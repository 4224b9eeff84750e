// Public operations and routines of the grid: record numbers of rows, column
// moves, scaling, deferred relayout, hint measuring and the small helpers.
#include "gridfixture.h"

#include "core/properties.h"
#include "grid/platformwrappers.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, RecordNumbersOfRowsLeaveTheActiveRecord) {
    Fill(5);
    grid->SetDataSource(source);
    Pump();
    data->MoveBy(2);
    EXPECT_EQ(grid->RecNoOfRow(0), 1);
    EXPECT_EQ(grid->RecNoOfRow(4), 5);
    EXPECT_EQ(data->RecNo(), 3);
    EXPECT_EQ(grid->DataLink()->ActiveRecord(), 2);
}

TEST_F(DataGridTest, MovingABuiltColumnMovesItsField) {
    Fill(2);
    grid->SetDataSource(source);
    Pump();
    std::vector<std::pair<int, int>> moved;
    grid->OnColumnMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
    Col(2)->SetIndex(0);
    EXPECT_EQ(data->FieldByName("PRECIO")->Index(), 0);
    EXPECT_EQ(Col(0)->FieldName(), "PRECIO");
    EXPECT_EQ(Col(1)->FieldName(), "CODIGO");
    EXPECT_TRUE(moved.empty());
}

TEST_F(DataGridTest, ScalingWidthsOnTheRunningSum) {
    for (const char* f : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(f);
    Col(0)->SetWidth(50);
    Col(1)->SetWidth(51);
    Col(2)->SetWidth(51);
    grid->ChangeScale(3, 2);
    // Running sums 50, 101, 152 become 75, 152 (151.5), 228.
    EXPECT_EQ(Col(0)->Width(), 75);
    EXPECT_EQ(Col(1)->Width(), 77);
    EXPECT_EQ(Col(2)->Width(), 76);
}

TEST_F(DataGridTest, DeferredLayoutIsPostedOnceAndRunsLater) {
    grid->SetDataSource(source);
    Pump();
    int before = grid->LayoutCount();
    grid->LockLayout(); // a lock held around the brackets stays held
    grid->BeginLayout();
    grid->DeferLayout();
    grid->BeginLayout();
    grid->DeferLayout();
    EXPECT_EQ(grid->LayoutUpdateLevel(), 0);
    EXPECT_EQ(grid->LayoutLockCount(), 1);
    grid->UnlockLayout();
    win::MSG m{};
    int queued = 0;
    while (win::PeekMessage(&m, grid->Handle(), WM_DEFERREDLAYOUTEH, WM_DEFERREDLAYOUTEH, win::PM_REMOVE)) {
        ++queued;
        win::DispatchMessage(&m);
    }
    EXPECT_EQ(queued, 1);
    EXPECT_EQ(grid->LayoutCount(), before + 1);
}

TEST_F(DataGridTest, HintTextRectAndSmallRoutines) {
    TCanvas* c = grid->Canvas();
    int w = 0, h = 0;
    std::string text = "Descripción larga del artículo";
    int tw = c->TextWidth(text);
    EXPECT_FALSE(CheckHintTextRect(0, c, 4, false, {0, 0, tw + 10, 40}, text, 2, w, h));
    EXPECT_EQ(w, tw);
    EXPECT_TRUE(CheckHintTextRect(0, c, 4, false, {0, 0, tw, 40}, text, 2, w, h));
    // Word wrap in a narrow box grows the height past the rectangle.
    EXPECT_TRUE(CheckHintTextRect(0, c, 4, true, {0, 0, tw / 2, h + 2}, text, 2, w, h));
    EXPECT_EQ(GetTextWidth(c, "&Total"), c->TextWidth("&Total"));
    win::RECT r{10, 20, 40, 30};
    OverturnUpRect(r);
    EXPECT_EQ(r.right - r.left, 10);
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_TRUE(PointInGridRect(2, 3, TGridRect{1, 1, 2, 3}));
    EXPECT_FALSE(PointInGridRect(3, 3, TGridRect{1, 1, 2, 3}));
}

TEST_F(DataGridTest, KillMessageKeepsAQuitForTheLoop) {
    win::HWND wnd = grid->Handle();
    win::PostMessage(wnd, WM_DEFERREDLAYOUTEH, 0, 0);
    KillMessage(wnd, WM_DEFERREDLAYOUTEH);
    win::MSG m{};
    EXPECT_FALSE(win::PeekMessage(&m, wnd, WM_DEFERREDLAYOUTEH, WM_DEFERREDLAYOUTEH, win::PM_NOREMOVE));
    win::PostQuitMessage(3);
    KillMessage(nullptr, win::WM_QUIT);
    ASSERT_TRUE(win::PeekMessage(&m, nullptr, win::WM_QUIT, win::WM_QUIT, win::PM_REMOVE));
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(DataGridTest, DataSourcePropertyGivesTheMasterDataset) {
    const TPropInfo* prop = GetPropInfo(data, "MasterSource");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(GetDataSourceProperty(data, prop), nullptr);
    auto* master = new TClientDataSet(form);
    auto* ms = new TDataSource(form);
    ms->SetDataSet(master);
    prop->SetObject(data, ms);
    EXPECT_EQ(GetDataSourceProperty(data, prop), master);
}

} // namespace tvtest
