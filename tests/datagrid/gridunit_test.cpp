// The grid unit's process-wide objects, the drawing style's registered grids
// and the row colours.
#include "gridfixture.h"

#include "core/propertyinterceptor.h"
#include "grid/column.h"
#include "grid/columninterceptors.h"
#include "grid/griddataservice.h"
#include "grid/gridstyle.h"
#include "grid/gridunit.h"

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, UnitStartUpMakesTheSharedObjects) {
    ASSERT_NE(DBGridEhIndicators(), nullptr);
    EXPECT_EQ(DBGridEhIndicators()->Count(), 7);
    ASSERT_NE(DBGridEhSortMarkers(), nullptr);
    EXPECT_EQ(DBGridEhSortMarkers()->Count(), 2);
    ASSERT_NE(SortIndexFontEh(), nullptr);
    EXPECT_EQ(SortIndexFontEh()->Name(), "Arial");
    EXPECT_EQ(SortIndexFontEh()->Height(), 1 - DBGridEhSortMarkers()->Height());
    for (int i = 0; i < 3; ++i) EXPECT_NE(DBGridEhCursor(i), nullptr) << i;
    EXPECT_NE(DBGridEhScratchCellParams(), nullptr);
    EXPECT_NE(DBGridEhDataService(), nullptr);
    ASSERT_NE(DBGridEhDefaultStyle(), nullptr);
    EXPECT_TRUE(DBGridEhDefaultStyle()->HasGrid(grid));
    bool column = false, columns = false;
    const auto& targets = ReadPropertyInterceptorTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i] == TColumnEh::StaticClass())
            column = ReadPropertyInterceptorClasses()[i] == TColumnEhPropertyInterceptor::StaticClass();
        if (targets[i] == TDBGridColumnsEh::StaticClass())
            columns = ReadPropertyInterceptorClasses()[i] == TColumnsEhPropertyInterceptor::StaticClass();
    }
    EXPECT_TRUE(column);
    EXPECT_TRUE(columns);
    // Re-drawing the highlighted indicator replaces the seventh image.
    SetDBGridEhHighlightBackground(0x808000);
    EXPECT_EQ(DBGridEhIndicators()->Count(), 7);
    SetDBGridEhHighlightBackground(0x00FFFF);
}

TEST_F(DataGridTest, AFreedStyleHandsItsGridsToTheDefault) {
    auto* style = new TDBGridEhStyle();
    grid->SetStyle(style);
    EXPECT_TRUE(style->HasGrid(grid));
    EXPECT_FALSE(DBGridEhDefaultStyle()->HasGrid(grid));
    delete style;
    EXPECT_EQ(grid->Style(), DBGridEhDefaultStyle());
    EXPECT_TRUE(DBGridEhDefaultStyle()->HasGrid(grid));
}

TEST_F(DataGridTest, DataServiceCallsTheReplacedHandlers) {
    int filtered = 0, sorted = 0;
    DBGridEhDataService()->OnApplyFilter = [&](TCustomDBGridEh* g) { filtered += g == grid; };
    DBGridEhDataService()->OnApplySorting = [&](TCustomDBGridEh* g) { sorted += g == grid; };
    grid->DataServiceApplyFilter();
    grid->DataServiceApplySorting();
    EXPECT_EQ(filtered, 1);
    EXPECT_EQ(sorted, 1);
}

TEST_F(DataGridTest, OddAndEvenRowsTakeTheirColoursOnlyInGridColouredColumns) {
    Fill(4);
    grid->Columns()->Add()->SetFieldName("CODIGO");
    grid->Columns()->Add()->SetFieldName("NOMBRE");
    grid->Columns()->Items(1)->SetColor(clYellow);
    grid->SetOddRowColor(clAqua);
    grid->SetEvenRowColor(clLime);
    grid->SetDataSource(source);
    form->SetActiveControl(nullptr);
    Pump();
    auto corner = [&](int col, int row) {
        tv::win::RECT r = grid->CellRect(col, row);
        return PixelAt(r.right - 3, r.bottom - 3);
    };
    EXPECT_EQ(corner(1, 2), ColorToRGB(clLime));   // record 2
    EXPECT_EQ(corner(1, 3), ColorToRGB(clAqua));   // record 3
    EXPECT_EQ(corner(2, 2), ColorToRGB(clYellow)); // its own colour
    EXPECT_EQ(corner(2, 3), ColorToRGB(clYellow));
}

} // namespace tvtest
