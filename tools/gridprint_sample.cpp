// Prints a data grid of demo articles to a PDF file on the headless desktop,
// with a page header, a title and the text around the grid.
//   gridprint_sample [file.pdf] [records] [fit]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/datetime.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/printers.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/print/printdbgrideh.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"

using namespace tv;

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "rejilla.pdf";
    int records = argc > 2 ? std::atoi(argv[2]) : 200;
    bool fit = argc > 3 && std::string(argv[3]) == "fit";
    win::RegisterStandardClasses();
    InitializeUI();
    InitializeGridUnit();
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 800, 500);
        auto* data = new TClientDataSet(&form);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->FieldDefs().Add("DESCRIPCION", ftString, 40);
        data->FieldDefs().Add("PRECIO", ftFloat);
        data->CreateDataSet();
        static const char* names[] = {"Arroz Diana 500 g", "Café Sello Rojo", "Panela Doña Pepa", "Aceite Premier",
                                      "Sal Refisal", "Azúcar Manuelita", "Lentejas", "Fríjol cargamanto"};
        for (int i = 1; i <= records; ++i) {
            data->Append();
            data->FieldByName("CODIGO")->SetAsInteger(1000 + i);
            data->FieldByName("DESCRIPCION")->SetAsString(names[(i - 1) % 8]);
            data->FieldByName("PRECIO")->SetAsFloat(850.0 * i);
            data->Post();
        }
        data->First();
        auto* source = new TDataSource(&form);
        source->SetDataSet(data);
        auto* grid = new TDBGridEh(&form);
        grid->SetBounds(0, 0, 780, 480);
        grid->SetParent(&form);
        grid->SetDataSource(source);
        form.Show();

        TPrintDBGridEh print(&form);
        print.SetDBGridEh(grid);
        print.PageHeader()->CenterText()->Add("Page. &[Page]");
        print.PageHeader()->SetLineType(pcltDoubleLine);
        print.Title()->Add("Artículos");
        print.BeforeGridText()->Add("Catálogo de artículos");
        print.AfterGridText()->Add("Impreso: %[Today]");
        print.SetSubstitutionPairs({"%[Today]", DateToStr(Date())});
        TPrintDBGridEhOptions options{pghColored, pghRowAutoStretch};
        if (fit) options.Include(pghFitGridToPageWidth);
        print.SetOptions(options);
        Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(win::kPdfPrinterName));
        Printer()->SetOutputFile(out);
        TVirtualPrinter direct;
        print.PrintTo(&direct);
    }
    FinalizeGridUnit();
    FinalizeUI();
    std::printf("%s\n", out.c_str());
    return 0;
}
