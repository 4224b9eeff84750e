// Painting a grid over a client dataset on the headless desktop: titles,
// data cells with their colours and events, the indicator, sort markers and
// check boxes; and the text routines.
#include "gridfixture.h"

#include "framework/ui/graphics.h"
#include "grid/celltext.h"
#include "platform/gdi/gdi.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

namespace {
bool IsDark(COLORREF c) { return (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100; }
} // namespace

class DrawingTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        Fill(4);
        for (const char* f : {"CODIGO", "NOMBRE", "ACTIVO"}) grid->Columns()->Add()->SetFieldName(f);
        Col(0)->SetWidth(60);
        Col(1)->SetWidth(120);
        Col(2)->SetWidth(60);
        Col(1)->SetColor(clYellow);
        grid->SetDataSource(source);
        form->SetActiveControl(nullptr);
        Pump();
    }
    // Dark pixels inside a rectangle, the frame of one pixel left out.
    int DarkPixels(const RECT& r) {
        int n = 0;
        for (int y = r.top + 2; y < r.bottom - 1; ++y)
            for (int x = r.left + 2; x < r.right - 1; ++x)
                if (IsDark(PixelAt(x, y))) ++n;
        return n;
    }
};

TEST_F(DrawingTest, TitlesDataAndIndicatorArePainted) {
    RECT title = grid->CellRect(2, 0);
    EXPECT_EQ(PixelAt(title.right - 4, title.bottom - 4), ColorToRGB(clBtnFace));
    EXPECT_GT(DarkPixels(title), 10);  // "NOMBRE"
    RECT name1 = grid->CellRect(2, 1), name2 = grid->CellRect(2, 2);
    EXPECT_EQ(PixelAt(name2.right - 3, name2.bottom - 3), ColorToRGB(clYellow));
    EXPECT_GT(DarkPixels(name1), 10);  // "Arroz"
    // The indicator shows on the current record's row only.
    RECT ind1 = grid->CellRect(0, 1), ind2 = grid->CellRect(0, 2);
    EXPECT_GT(DarkPixels(ind1), 3);
    EXPECT_EQ(DarkPixels(ind2), 0);
    data->Next();
    Pump();
    EXPECT_EQ(DarkPixels(ind1), 0);
    EXPECT_GT(DarkPixels(ind2), 3);
}

TEST_F(DrawingTest, CellEventsChangeColoursAndSeeTheRecord) {
    std::vector<std::string> seen;
    grid->OnGetCellParams = [&](TObject*, TColumnEh* column, TFont*, TColor& background, TGridDrawState) {
        if (column->FieldName() == "CODIGO" && column->Field()->AsInteger() == 3) background = clRed;
    };
    grid->OnDrawColumnCell = [&](TObject*, const RECT&, int dataCol, TColumnEh* column, TGridDrawState) {
        if (dataCol == 1) seen.push_back(column->Field()->AsString());
    };
    grid->Invalidate();
    Pump();
    RECT r3 = grid->CellRect(1, 3), r2 = grid->CellRect(1, 2);
    EXPECT_EQ(PixelAt(r3.right - 3, r3.bottom - 3), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(r2.right - 3, r2.bottom - 3), ColorToRGB(clWindow));
    EXPECT_EQ(seen, (std::vector<std::string>{"Arroz", "Café", "Panela", "Aceite"}));
    // The active record is back where it was after painting.
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 1);
}

TEST_F(DrawingTest, SortMarkerAndCheckBoxes) {
    RECT title = grid->CellRect(1, 0);
    auto markerPixels = [&] {
        int n = 0;
        for (int y = title.top; y < title.bottom; ++y)
            for (int x = title.right - 18; x < title.right - 1; ++x)
                if (PixelAt(x, y) == RGB(96, 96, 96)) ++n;
        return n;
    };
    EXPECT_EQ(markerPixels(), 0);
    Col(0)->Title()->SetSortMarker(smDownEh);
    Pump();
    EXPECT_GT(markerPixels(), 5);
    // Checked and unchecked boxes differ in the middle of the cell.
    RECT on = grid->CellRect(3, 1), off = grid->CellRect(3, 2);
    EXPECT_NE(DarkPixels(on), DarkPixels(off));
}

TEST_F(DrawingTest, PaintingWaitsForTheLayout) {
    grid->BeginLayout();
    EXPECT_EQ(grid->LayoutUpdateLevel(), 1);
    grid->EndLayout();
    EXPECT_FALSE(grid->PaintLocked());
}

class CellTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(200, 60);
        canvas = bitmap.Canvas();
    }
    TBitmap bitmap;
    TCanvas* canvas = nullptr;
};

TEST_F(CellTextTest, EllipsisCutsOnlyWhatDoesNotFit) {
    const std::string text = "Arroz blanco premium";
    int w = canvas->TextWidth(text);
    EXPECT_EQ(EllipsizeText(text, canvas, w), text);
    std::string cut = EllipsizeText(text, canvas, w - 1);
    EXPECT_LE(canvas->TextWidth(cut), w - 1);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(cut.size() - 3, text.size() - 2);
    // Characters, not bytes, are cut.
    std::string accents = EllipsizeText("áéíóúáéíóú", canvas, canvas->TextWidth("áéí..."));
    EXPECT_EQ(accents.substr(accents.size() - 3), "...");
    EXPECT_EQ((accents.size() - 3) % 2, 0u);
}

TEST_F(CellTextTest, AlignedTextLandsWhereAsked) {
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect({0, 0, 200, 60});
    canvas->Font()->SetColor(clBlack);
    DrawCellText(canvas, {0, 0, 200, 20}, true, 2, 2, "IIII", taRightJustify, tlTop, false, false, 0, 0);
    bool rightSide = false, leftSide = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x)
            if (IsDark(canvas->Pixels(x, y))) (x > 150 ? rightSide : leftSide) = true;
    EXPECT_TRUE(rightSide);
    EXPECT_FALSE(leftSide);
    int along = DrawVerticalCellText(canvas, {0, 0, 60, 60}, false, true, false, tlBottom, taCenter, "Vertical", 0, 0);
    EXPECT_GE(along, canvas->TextWidth("Vertical"));
    EXPECT_EQ(BrightenColor(RGB(80, 160, 255), 8), RGB(90, 180, 255));
}

} // namespace tvtest

namespace tvtest {

using namespace tv;
using namespace tv::win;

TEST_F(DataGridTest, HiddenDuplicatesAndTheRequiredMark) {
    for (int i = 1; i <= 3; ++i) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(i);
        data->FieldByName("NOMBRE")->SetAsString(i < 3 ? "Arroz" : "Sal");
        data->Post();
    }
    data->First();
    grid->Columns()->Add()->SetFieldName("CODIGO");
    TColumnEh* name = grid->Columns()->Add();
    name->SetFieldName("NOMBRE");
    name->SetWidth(120);
    name->SetHideDuplicates(true);
    grid->SetDataSource(source);
    form->SetActiveControl(nullptr);
    Pump();
    auto dark = [&](int row) {
        RECT r = grid->CellRect(2, row);
        int n = 0;
        for (int y = r.top + 2; y < r.bottom - 1; ++y)
            for (int x = r.left + 2; x < r.right - 1; ++x)
                if (IsDark(PixelAt(x, y))) ++n;
        return n;
    };
    EXPECT_GT(dark(1), 5);   // first row always shows its text
    EXPECT_EQ(dark(2), 0);   // the same as the row above
    EXPECT_GT(dark(3), 5);
    // A handler that changes the text changes what counts as a duplicate.
    name->OnGetCellParams = [](TObject*, bool, TColCellParamsEh* p) { p->Text += std::to_string(p->Row); };
    grid->Invalidate();
    Pump();
    EXPECT_GT(dark(2), 5);

    name->OnGetCellParams = nullptr;
    name->SetHideDuplicates(false);
    name->SetHighlightRequired(true);
    data->FieldByName("NOMBRE")->SetRequired(true);
    data->Edit();
    data->FieldByName("NOMBRE")->Clear();
    Pump();
    RECT r = grid->CellRect(2, 1);
    int red = 0;
    for (int x = r.left; x < r.right; ++x)
        if (PixelAt(x, r.bottom - 1) == RGB(255, 0, 0)) ++red;
    EXPECT_GT(red, 10);
    data->Cancel();
}

} // namespace tvtest
