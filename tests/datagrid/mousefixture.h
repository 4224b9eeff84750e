#pragma once
// A grid over 40 records (code and name columns), focused, with helpers that
// act on it through the input queue as a hand does.
#include <string>

#include "gridfixture.h"
#include "platform/backend/headless.h"

namespace tvtest {

class GridMouseTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(40);
        grid->Columns()->Add()->SetFieldName("CODIGO");
        grid->Columns()->Add()->SetFieldName("NOMBRE");
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    // A point of a grid cell in screen coordinates (its centre by default).
    tv::win::POINT CellPoint(int col, int row, int dx = -1, int dy = -1) {
        tv::win::RECT r = grid->CellRect(col, row);
        int x = dx < 0 ? (r.left + r.right) / 2 : r.left + dx;
        int y = dy < 0 ? (r.top + r.bottom) / 2 : r.top + dy;
        return grid->ClientToScreen({x, y});
    }
    void ClickCell(int col, int row, int button = 0) {
        tv::win::POINT p = CellPoint(col, row);
        tv::win::QueueClick(p.x, p.y, button);
        Pump();
        clock->Advance(1000); // the next click is no double click
    }
    int DataRow() { return grid->Row() - grid->TitleRowCount(); }
    // The grid's row and the dataset's record go together.
    void ExpectInStep(int recNo, const std::string& what = "") {
        EXPECT_EQ(data->RecNo(), recNo) << what;
        EXPECT_EQ(DataRow(), grid->DataLink()->ActiveRecord()) << what;
        EXPECT_EQ(grid->RecNoOfRow(DataRow()), recNo) << what;
    }
    std::string Name() { return data->FieldByName("NOMBRE")->AsString(); }
};

} // namespace tvtest
