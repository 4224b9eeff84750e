#pragma once
// A grid of text cells for the tests (a small string grid), and a shown form
// holding one on the headless desktop with a fake clock.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/grids/grid.h"
#include "platform/window/timer.h"

namespace tvtest {

class TTextGrid : public tv::TCustomGrid {
    TV_CLASS(TTextGrid, tv::TCustomGrid)
public:
    using TCustomGrid::TCustomGrid;
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text) { cells_[{col, row}] = text; }

    std::vector<std::pair<int, int>> moved;   // ColumnMoved calls
    std::vector<std::pair<int, int>> rowsMoved; // RowMoved calls
    std::map<int, std::string> masks;         // GetEditMask by column
    int limit = 0;                            // GetEditLimit
    std::vector<std::string> written;         // SetEditText calls, "col,row=text"
    int topLeftChanges = 0;

    using TCustomGrid::CalcMaxTopLeft;
    using TCustomGrid::Canvas;
    using TCustomGrid::MoveColRow;
    using TCustomGrid::SetCurrentDirect;
    using TCustomGrid::SizingIndex;
    using TCustomGrid::SizingPos;

protected:
    void DrawCell(int col, int row, const tv::win::RECT& rect, tv::TGridDrawState state) override;
    std::string GetEditText(int col, int row) override { return Cell(col, row); }
    void SetEditText(int col, int row, const std::string& value) override;
    std::string GetEditMask(int col, int) override { return masks.count(col) ? masks[col] : std::string(); }
    int GetEditLimit() override { return limit; }
    void ColumnMoved(int from, int to) override { moved.emplace_back(from, to); }
    void RowMoved(int from, int to) override { rowsMoved.emplace_back(from, to); }
    void TopLeftChanged() override;

private:
    std::map<std::pair<int, int>, std::string> cells_;
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A screen point of the grid's client area.
    tv::win::POINT At(int x, int y) const;
    // The desktop pixel under a client point of the grid, 0x00BBGGRR.
    tv::win::COLORREF PixelAt(int x, int y) const;
    void Pump();

    std::shared_ptr<tv::win::FakeClock> clock;
    tv::TForm* form = nullptr;
    TTextGrid* grid = nullptr;
};

} // namespace tvtest
