#include "textgrid.h"

#include <cairo.h>

#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

std::string TTextGrid::Cell(int col, int row) const {
    auto it = cells_.find({col, row});
    return it == cells_.end() ? std::string() : it->second;
}

void TTextGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState) {
    Canvas()->TextRect(rect, rect.left + 2, rect.top + 2, Cell(col, row));
}

void TTextGrid::SetEditText(int col, int row, const std::string& value) {
    written.push_back(std::to_string(col) + "," + std::to_string(row) + "=" + value);
    SetCell(col, row, value);
}

void TTextGrid::TopLeftChanged() {
    ++topLeftChanges;
    TCustomGrid::TopLeftChanged();
}

void GridTest::SetUp() {
    ResetDesktop();
    ClearScript();
    clock = std::make_shared<FakeClock>(100000);
    SetClock(clock);
    RegisterStandardClasses();
    InitializeUI();
    form = new TForm(nullptr);
    form->SetBounds(10, 10, 600, 400);
    grid = new TTextGrid(form);
    // 10 x 10 cells of 64 x 24 with 1-pixel lines, no border and no bars: the
    // client area is the 400 x 200 given.
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(10);
    grid->SetRowCount(10);
    grid->SetParent(form);
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) grid->SetCell(c, r, std::string(1, char('A' + c)) + std::to_string(r));
    form->Show();
    form->SetActiveControl(grid);
    Pump();
}

void GridTest::TearDown() {
    delete form;
    FinalizeUI();
    ClearScript();
    ResetDesktop();
}

void GridTest::Pump() {
    Application->ProcessMessages();
    UpdateAllWindows();
}

POINT GridTest::At(int x, int y) const { return grid->ClientToScreen({x, y}); }

COLORREF GridTest::PixelAt(int x, int y) const {
    UpdateAllWindows();
    POINT p = At(x, y);
    cairo_surface_t* s = GetDesktopSurface();
    cairo_surface_flush(s);
    auto* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::uint32_t px = *reinterpret_cast<std::uint32_t*>(data + p.y * stride + p.x * 4);
    return RGB(BYTE((px >> 16) & 0xFF), BYTE((px >> 8) & 0xFF), BYTE(px & 0xFF));
}

} // namespace tvtest
