// Shows the base grid on the desktop backend and saves the screen as a PNG:
// 20 columns by 200 rows with a fixed row and column, scrolled down and to
// the right, one cell being edited.
//   grid_sample [--out file.png] [--seconds N] [--headless]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/exceptions.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/grids/grid.h"
#include "platform/backend/sdlbackend.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"

using namespace tv;

namespace {

// Cells of a price list: the fixed row names the columns, the fixed column
// numbers the rows.
class TSampleGrid : public TCustomGrid {
    TV_CLASS(TSampleGrid, TCustomGrid)
public:
    using TCustomGrid::TCustomGrid;
    using TCustomGrid::SetEditorMode;

protected:
    std::string Text(int col, int row) const {
        if (row == 0 && col == 0) return "";
        if (row == 0) return col == 1 ? "Artículo" : "Lista " + std::to_string(col - 1);
        if (col == 0) return std::to_string(row);
        if (col == 1) return "Artículo " + std::to_string(1000 + row);
        int cents = (row * 7919 + col * 104729) % 900000 + 10000;
        return "$ " + std::to_string(cents / 100) + "." + std::to_string(cents % 100 / 10) +
               std::to_string(cents % 10);
    }
    void DrawCell(int col, int row, const win::RECT& r, TGridDrawState) override {
        win::RECT t = r;
        t.left += 3;
        t.right -= 3;
        win::UINT align = col >= 2 && row > 0 ? 0x2 : col == 0 || row == 0 ? 0x1 : 0x0;
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->DrawText(Text(col, row), t, align | 0x4 | 0x20 | 0x800);
    }
    std::string GetEditText(int col, int row) override { return Text(col, row); }
};

} // namespace

int main(int argc, char** argv) {
    std::string out = "grid-sample.png";
    double seconds = 2;
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--headless") headless = true;
    }
    try {
        if (!headless) {
            win::SdlOptions o;
            o.title = "Tallyvo POS - rejilla";
            o.width = 800;
            o.height = 600;
            win::SetBackend(std::make_unique<win::SdlBackend>(o));
        }
        win::SetScreenSize(800, 600);
        win::RegisterStandardClasses();
        InitializeUI();
        Application->SetTitle("POS - Tallyvo 2009");
        auto* form = new TForm(nullptr);
        form->SetCaption("Rejilla de prueba");
        form->SetBounds(20, 20, 720, 500);
        auto* grid = new TSampleGrid(form);
        grid->SetAlign(alClient);
        grid->SetColCount(20);
        grid->SetRowCount(200);
        grid->SetDefaultRowHeight(20);
        grid->SetColWidths(0, 40);
        grid->SetColWidths(1, 130);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing, goColSizing, goTabs});
        grid->SetParent(form);
        form->Show();
        form->SetActiveControl(grid);
        grid->SetTopRow(57);
        grid->SetLeftCol(3);
        grid->MoveColRow(4, 61, true, true);
        grid->SetEditorMode(true);
        if (grid->InplaceEditor()) grid->InplaceEditor()->SetText("$ 1234.50");
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        do {
            Application->ProcessMessages();
            win::UpdateAllWindows();
            win::CurrentBackend().Present();
            // The desktop's keys, mouse and stop request (SIGTERM) come in while waiting.
            win::CurrentBackend().WaitForInput(30);
        } while (std::chrono::steady_clock::now() < end && !Application->Terminated());
        bool saved = win::SaveDesktopPng(out);
        delete form;
        FinalizeUI();
        if (!saved) {
            std::fprintf(stderr, "No se pudo escribir %s\n", out.c_str());
            return 1;
        }
        std::printf("Captura: %s\n", out.c_str());
    } catch (Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
