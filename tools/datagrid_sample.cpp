// Shows the data grid over a client dataset of articles on the desktop
// backend and saves the screen as a PNG: two-level titles, a sort marker,
// formatted prices, a check-box column, alternating row colours, a frozen
// column, footers with sums and a few selected records.
//   datagrid_sample [--out file.png] [--seconds N] [--headless]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "framework/core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "platform/backend/sdlbackend.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

using namespace tv;

int main(int argc, char** argv) {
    std::string out = "datagrid-sample.png";
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
            o.title = "Tallyvo POS - rejilla de datos";
            o.width = 800;
            o.height = 600;
            win::SetBackend(std::make_unique<win::SdlBackend>(o));
        }
        win::SetScreenSize(800, 600);
        win::RegisterStandardClasses();
        InitializeUI();
        InitializeGridUnit();
        Application->SetTitle("POS - Tallyvo 2009");
        auto* form = new TForm(nullptr);
        form->SetCaption("Artículos");
        form->SetBounds(20, 20, 720, 500);

        auto* data = new TClientDataSet(form);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->FieldDefs().Add("NOMBRE", ftString, 30);
        data->FieldDefs().Add("PRECIO", ftFloat);
        data->FieldDefs().Add("ACTIVO", ftBoolean);
        data->FieldDefs().Add("EXISTENCIA", ftInteger);
        data->FieldDefs().Add("UNIDAD", ftString, 10);
        data->CreateDataSet();
        const char* names[] = {"Arroz Diana 500 g", "Café Sello Rojo", "Panela redonda", "Aceite Premier 1 L",
                               "Sal Refisal", "Azúcar Manuelita", "Lentejas 500 g", "Fríjol bola roja",
                               "Chocolate Corona", "Harina PAN", "Atún Van Camps", "Leche Alquería"};
        for (int i = 0; i < 40; ++i) {
            data->Append();
            data->FieldByName("CODIGO")->SetAsInteger(1001 + i);
            data->FieldByName("NOMBRE")->SetAsString(names[i % 12]);
            data->FieldByName("PRECIO")->SetAsFloat(1200.0 + (i * 733) % 9000);
            data->FieldByName("ACTIVO")->SetAsBoolean(i % 3 != 2);
            data->FieldByName("EXISTENCIA")->SetAsInteger((i * 37) % 120);
            data->FieldByName("UNIDAD")->SetAsString(i % 4 == 0 ? "Paquete" : "Unidad");
            data->Post();
        }
        data->First();
        auto* source = new TDataSource(form);
        source->SetDataSet(data);

        auto* grid = new TDBGridEh(form);
        grid->SetAlign(alClient);
        struct {
            const char* field;
            const char* caption;
            int width;
        } cols[] = {{"CODIGO", "Código", 70}, {"NOMBRE", "Artículo|Nombre", 220},
                    {"PRECIO", "Artículo|Precio", 110}, {"ACTIVO", "Activo", 60},
                    {"EXISTENCIA", "Inventario|Existencia", 110}, {"UNIDAD", "Inventario|Unidad", 150}};
        for (auto& c : cols) {
            TColumnEh* col = grid->Columns()->Add();
            col->SetFieldName(c.field);
            col->Title()->SetCaption(c.caption);
            col->SetWidth(c.width);
        }
        grid->Columns()->Items(2)->SetDisplayFormat("$ #,##0.00");
        grid->Columns()->Items(1)->Title()->SetSortMarker(smDownEh);
        grid->Columns()->Items(0)->Footer()->SetValueType(fvtStaticText);
        grid->Columns()->Items(0)->Footer()->SetValue("Total");
        grid->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
        grid->Columns()->Items(4)->Footer()->SetValueType(fvtSum);
        grid->SetFooterRowCount(1);
        grid->SetFrozenCols(1);
        grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
        grid->SumList()->SetActive(true);
        grid->SetUseMultiTitle(true);
        grid->SetOddRowColor(0xF0FBFF);
        grid->SetDataSource(source);
        grid->SetParent(form);
        form->Show();
        form->SetActiveControl(grid);
        for (int r : {2, 5, 6}) {
            data->SetRecNo(r);
            grid->SelectedBookmarks().SetCurrentRowSelected(true);
        }
        data->SetRecNo(4);
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        do {
            Application->ProcessMessages();
            win::UpdateAllWindows();
            win::CurrentBackend().Present();
            // The desktop's keys and mouse come in while waiting.
            win::CurrentBackend().WaitForInput(30);
        } while (std::chrono::steady_clock::now() < end && !Application->Terminated());
        bool saved = win::SaveDesktopPng(out);
        delete form;
        FinalizeGridUnit();
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
