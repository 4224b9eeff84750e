#pragma once
// A shown form on the headless desktop holding a data grid over a client
// dataset filled in memory (code, name, price, active flag).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/forms.h"
#include "grid/dbgrideh.h"
#include "platform/window/timer.h"

namespace tvtest {

class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Rows: (1, "Arroz", 2500.5, True), (2, "Café", 12000, False), (3, "Panela", 3200, True)...
    void Fill(int rows);
    void Pump();
    // The desktop pixel under a client point of the grid, 0x00BBGGRR.
    tv::win::COLORREF PixelAt(int x, int y);
    tv::TColumnEh* Col(int i) { return grid->Columns()->Items(i); }

    std::shared_ptr<tv::win::FakeClock> clock;
    tv::TForm* form = nullptr;
    tv::TClientDataSet* data = nullptr;
    tv::TDataSource* source = nullptr;
    tv::TDBGridEh* grid = nullptr;
};

} // namespace tvtest
