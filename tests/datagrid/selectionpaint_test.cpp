// What the grid paints for its selection, its current record and plain
// rows; its indicator images; its lines in the style's colours with frozen
// columns and the footer band; buttons in cells, the incremental-search
// text and the filter row's cells.
#include "gridfixture.h"

#include "support/headless_ui.h"
#include "grid/celltext.h"
#include "grid/gridstyle.h"
#include "platform/window/input.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class SelectionPaintTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        window = ColorToRGB(clWindow);
        highlight = ColorToRGB(clHighlight);
        Fill(8);
        for (const char* f : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(f);
        Col(1)->SetWidth(120);
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        Pump();
    }
    void Key(int vk, bool shift = false) {
        PressKey(vk, shift, false);
        Pump();
    }
    // A background pixel of a cell: its bottom right corner, inside any frame.
    COLORREF Back(int col, int row) {
        RECT r = grid->CellRect(col, row);
        return PixelAt(r.right - 3, r.bottom - 3);
    }
    // Pixels of a cell's inside that differ from the colour.
    int Other(int col, int row, COLORREF colour) {
        RECT r = grid->CellRect(col, row);
        int n = 0;
        for (int y = r.top + 1; y < r.bottom - 1; ++y)
            for (int x = r.left + 1; x < r.right - 1; ++x)
                if (PixelAt(x, y) != colour) ++n;
        return n;
    }
    TBookmark Mark(int code) {
        EXPECT_TRUE(data->Locate("CODIGO", code, {}));
        return data->Bookmark();
    }
    COLORREF window = 0, highlight = 0;
    const COLORREF dark = RGB(64, 64, 64);
};

TEST_F(SelectionPaintTest, SelectedCurrentAndPlainRowsByTheKeys) {
    grid->SetOptions(grid->Options() + TDBGridOptions{dgRowSelect});
    Pump();
    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    ASSERT_EQ(grid->SelectedBookmarks().SelectedCount(), 3);
    ASSERT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    // Focused: the current row in the highlight, the other selected rows
    // lightened towards it, the rest plain.
    COLORREF lightened = LightenColor(window, highlight, true);
    for (int col : {1, 2, 3}) {
        EXPECT_EQ(Back(col, 1), lightened) << col;
        EXPECT_EQ(Back(col, 2), lightened) << col;
        EXPECT_EQ(Back(col, 3), highlight) << col;
        EXPECT_EQ(Back(col, 5), window) << col;
    }
    // The indicator marks selected records dark; only the current one has an image.
    EXPECT_EQ(Back(0, 1), dark);
    EXPECT_EQ(Other(0, 1, dark), 0);
    EXPECT_GT(Other(0, 3, dark), 5);
    EXPECT_EQ(Back(0, 5), ColorToRGB(clBtnFace));

    // Elsewhere the selection keeps a quieter look.
    form->SetActiveControl(nullptr);
    grid->Invalidate();
    Pump();
    EXPECT_FALSE(grid->IsSelectionActive());
    EXPECT_EQ(Back(2, 1), LightenColor(window, ColorToRGB(clBtnShadow), false));
    EXPECT_EQ(Back(2, 5), window);
}

TEST_F(SelectionPaintTest, WhileARecordIsEditedOnlyItsIndicatorSaysSo) {
    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    Key(VK_UP);  // clears: select again by the calls
    for (int code : {1, 2, 3}) {
        Mark(code);
        grid->SelectedBookmarks().SetCurrentRowSelected(true);
    }
    Mark(2);
    data->Edit();
    Pump();
    EXPECT_GT(Other(0, 2, dark), 5);  // the pencil
    EXPECT_EQ(Other(0, 1, dark), 0);
    EXPECT_EQ(Other(0, 3, dark), 0);
    data->Cancel();
}

TEST_F(SelectionPaintTest, RectangleAndColumnsShowTheirCells) {
    form->SetActiveControl(nullptr);
    Pump();
    TDBGridEhSelection& sel = grid->Selection();
    sel.Rect().Select(0, Mark(2), false);
    sel.Rect().Select(1, Mark(4), true);
    Mark(7);
    Pump();
    COLORREF lightened = LightenColor(window, ColorToRGB(clBtnShadow), false);
    EXPECT_EQ(Back(1, 2), lightened);
    EXPECT_EQ(Back(2, 4), lightened);
    EXPECT_EQ(Back(3, 3), window);
    EXPECT_EQ(Back(1, 5), window);
    EXPECT_EQ(Back(1, 1), window);

    // A selected column: its title dark, its cells lightened.
    sel.Columns().SelectColumn(Col(2), false);
    Pump();
    EXPECT_EQ(Back(3, 0), dark);
    EXPECT_EQ(Back(2, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(Back(3, 2), lightened);
    EXPECT_EQ(Back(2, 2), window);
}

TEST_F(SelectionPaintTest, LinesTakeTheStylesColours) {
    form->SetActiveControl(nullptr);
    auto vline = [&](int col, int row) {
        RECT r = grid->CellRect(col, row);
        return PixelAt(r.right, (r.top + r.bottom) / 2);
    };
    auto hline = [&](int col, int row) {
        RECT r = grid->CellRect(col, row);
        return PixelAt((r.left + r.right) / 2, r.bottom);
    };
    Pump();
    EXPECT_EQ(vline(0, 2), RGB(0, 0, 0));        // fixed
    EXPECT_EQ(vline(1, 2), RGB(192, 192, 192));  // data
    grid->SetFlat(true);
    Pump();
    EXPECT_EQ(vline(0, 2), ColorToRGB(clBtnShadow));
    // The flat border: one sunken pixel around the client area.
    EXPECT_EQ(PixelAt(-1, 40), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(grid->Width() - 2, 40), ColorToRGB(clBtnHighlight));
    grid->SetFlat(false);
    grid->SetColor(clSilver);
    Pump();
    EXPECT_EQ(vline(1, 2), RGB(128, 128, 128));
    grid->SetColor(clWindow);

    // A frozen column reads as data, up to its boundary line.
    grid->SetFrozenCols(1);
    Pump();
    ASSERT_EQ(grid->FixedCols(), 2);
    EXPECT_EQ(hline(1, 2), RGB(192, 192, 192));
    EXPECT_EQ(vline(1, 2), RGB(0, 0, 0));
    EXPECT_EQ(hline(0, 2), RGB(0, 0, 0));

    // Raised footers stand in a band of fixed lines below the data.
    grid->SetFooterRowCount(1);
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghFooter3D});
    Pump();
    int footer = grid->RowCount() - 1;
    EXPECT_EQ(vline(2, footer), RGB(0, 0, 0));
    EXPECT_EQ(vline(2, 2), RGB(192, 192, 192));
    EXPECT_EQ(hline(2, footer - 1), RGB(0, 0, 0));
}

TEST_F(SelectionPaintTest, ButtonsInCellsAndTheirWidths) {
    TColumnEh* name = Col(1);
    int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(name->EditButtonsWidth(), 0);
    name->PickList()->Add("Arroz");
    EXPECT_EQ(name->EditButtonsWidth(), bar);
    TEditButtonEh* extra = name->EditButtons()->Add();
    extra->SetVisible(true);
    extra->SetWidth(12);
    EXPECT_EQ(name->EditButtonsWidth(), bar + 12);
    extra->SetVisible(false);

    form->SetActiveControl(nullptr);
    name->SetAlwaysShowEditButton(true);
    Pump();
    RECT r = grid->CellRect(2, 3);
    COLORREF face = ColorToRGB(clBtnFace);
    int facePixels = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.right - bar; x < r.right; ++x)
            if (PixelAt(x, y) == face) ++facePixels;
    EXPECT_GT(facePixels, bar * (r.bottom - r.top) / 3);
    EXPECT_EQ(PixelAt(r.right - bar - 3, r.bottom - 3), window);
}

TEST_F(SelectionPaintTest, TheIncrementalSearchShowsItsPrefix) {
    grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghIncSearch});
    Col(1)->SetReadOnly(true);
    grid->SetSelectedIndex(1);
    Pump();
    auto yellow = [&] {
        RECT r = grid->CellRect(2, grid->Row());
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (PixelAt(x, y) == RGB(255, 255, 0)) ++n;
        return n;
    };
    EXPECT_EQ(yellow(), 0);
    TypeText("ca");
    Pump();
    ASSERT_EQ(data->FieldByName("NOMBRE")->AsString(), "Café");
    int two = yellow();
    EXPECT_GT(two, 10);
    TypeText("f");
    Pump();
    EXPECT_GT(yellow(), two);
}

TEST_F(SelectionPaintTest, FilterCellsShowTheirConditionInBlue) {
    grid->STFilter()->SetVisible(true);
    Col(1)->STFilter()->SetExpressionText("Café");
    form->SetActiveControl(nullptr);
    Pump();
    ASSERT_EQ(grid->TitleRowCount(), 2);
    COLORREF back = ColorToRGB(BrightenColor(clBtnFace, 8));
    EXPECT_EQ(Back(1, 1), back);
    RECT r = grid->CellRect(2, 1);
    int blue = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF p = PixelAt(x, y);
            if ((p >> 16) > 150 && (p & 0xFF) < 100) ++blue;
        }
    EXPECT_GT(blue, 5);
    EXPECT_LT(Other(1, 1, back), 3);  // an empty condition
}

} // namespace tvtest
