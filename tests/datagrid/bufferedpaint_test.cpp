// A grid that draws tree lines paints through a bitmap: the cells are drawn
// away from the window and reach it in one copy, looking as they would drawn
// straight on it; a plain grid keeps painting on its window.
#include <cairo.h>

#include "gridfixture.h"

#include "grid/gridunit.h"
#include "grid/treememtable.h"
#include "platform/gdi/surfacedc.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class BufferedPaintTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        tree = new TTreeMemTableEh(form);
        tree->FieldDefs().Add("ID", ftInteger);
        tree->FieldDefs().Add("PADRE", ftInteger);
        tree->FieldDefs().Add("NOMBRE", ftString, 20);
        tree->SetKeyFieldName("ID");
        tree->SetParentFieldName("PADRE");
        tree->CreateDataSet();
        for (auto [id, parent, name] : {std::tuple{1, 0, "Bebidas"}, {2, 1, "Gaseosas"}, {3, 0, "Granos"}}) {
            tree->Append();
            tree->FieldByName("ID")->SetAsInteger(id);
            if (parent) tree->FieldByName("PADRE")->SetAsInteger(parent);
            tree->FieldByName("NOMBRE")->SetAsString(name);
            tree->Post();
        }
        tree->First();
        tree->SetNodeExpanded(0, true);
    }
    void TearDown() override {
        DBGridEhNoBufferedPaint = false;
        DataGridTest::TearDown();
    }
    // A new grid over the tree (or another dataset); where the cells of one paint were drawn.
    TDBGridEh* Show(std::vector<HWND>& drawnOn, TDataSet* over = nullptr) {
        auto* g = new TDBGridEh(form);
        g->SetBounds(0, 0, 400, 200);
        g->Columns()->Add()->SetFieldName("NOMBRE");
        g->Columns()->Add()->SetFieldName("ID");
        auto* s = new TDataSource(form);
        s->SetDataSet(over ? over : tree);
        g->SetDataSource(s);
        g->OnDrawColumnCell = [&drawnOn](TObject* sender, const RECT&, int, TColumnEh*, TGridDrawState) {
            drawnOn.push_back(WindowFromDC(static_cast<TDBGridEh*>(sender)->Canvas()->Handle()));
        };
        grid->Hide();
        g->SetParent(form);
        g->Invalidate();
        UpdateAllWindows();
        return g;
    }
    std::vector<std::uint32_t> Pixels(TDBGridEh* g) {
        UpdateAllWindows();
        cairo_surface_t* s = GetDesktopSurface();
        cairo_surface_flush(s);
        const unsigned char* d = cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s);
        std::vector<std::uint32_t> out;
        for (int y = 0; y < g->Height(); ++y)
            for (int x = 0; x < g->Width(); ++x) {
                POINT p = g->ClientToScreen({x, y});
                out.push_back(*reinterpret_cast<const std::uint32_t*>(d + p.y * stride + p.x * 4));
            }
        return out;
    }
    TTreeMemTableEh* tree = nullptr;
};

TEST_F(BufferedPaintTest, TreeLinesPaintThroughABitmapThatLooksTheSame) {
    ASSERT_TRUE(tree->TreeViewActive());
    DBGridEhNoBufferedPaint = true;
    std::vector<HWND> direct, buffered;
    TDBGridEh* first = Show(direct);
    ASSERT_FALSE(direct.empty());
    EXPECT_EQ(direct.front(), first->Handle()); // forbidden: on the window
    std::vector<std::uint32_t> looks = Pixels(first);
    delete first;

    DBGridEhNoBufferedPaint = false;
    TDBGridEh* second = Show(buffered);
    ASSERT_FALSE(buffered.empty());
    EXPECT_EQ(buffered.front(), nullptr); // on a bitmap, no window's
    EXPECT_EQ(Pixels(second), looks);
    // A part of it painted again is copied over the rest unharmed.
    buffered.clear();
    RECT cell = second->CellRect(2, second->TitleRowCount());
    InvalidateRect(second->Handle(), &cell, FALSE);
    UpdateAllWindows();
    EXPECT_FALSE(buffered.empty());
    EXPECT_EQ(Pixels(second), looks);
}

TEST_F(BufferedPaintTest, APlainGridPaintsOnItsWindow) {
    Fill(3);
    std::vector<HWND> drawnOn;
    TDBGridEh* g = Show(drawnOn, data); // no tree: no lines, no bitmap
    ASSERT_FALSE(drawnOn.empty());
    EXPECT_EQ(drawnOn.front(), g->Handle());
}

} // namespace tvtest
