// Shows the data grid over a client dataset of articles on the desktop
// backend and saves the screen as a PNG: two-level titles, a sort marker,
// formatted prices, a check-box column, alternating row colours, a frozen
// column, footers with sums and a few selected records.
//   datagrid_sample [--out file.png] [--seconds N] [--headless] [--filter] [--tree] [--editing] [--rtl] [--drag]
//   --filter shows the filter row and lets records be dragged; --tree shows articles under their categories, a row
//   per record that the wheel and the bar scroll;
//   --editing edits the cells in place (no row selection): the name wrapped on rows of two lines, the unit from
//   a pick list, the price with the calculator, the supplier from a drop-down box listing each supplier's name
//   and city. --rtl reads the grid right to left; --drag puts an order grid beside it onto which the selected
//   articles are dragged.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/fields.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "grid/columndropdownbox.h"
#include "grid/dbgrideh.h"
#include "grid/gridselection.h"
#include "grid/gridunit.h"
#include "grid/stfilter.h"
#include "grid/treememtable.h"
#include "platform/backend/sdlbackend.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

using namespace tv;

int main(int argc, char** argv) {
    std::string out = "datagrid-sample.png";
    double seconds = 2;
    bool headless = false, filterRow = false, tree = false, editing = false, rtl = false, drag = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--headless") headless = true;
        else if (a == "--filter") filterRow = true;
        else if (a == "--tree") tree = true;
        else if (a == "--editing") editing = true;
        else if (a == "--rtl") rtl = true;
        else if (a == "--drag") drag = true;
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
        // Editing also names each article's supplier, looked up by its code.
        TClientDataSet* suppliers = nullptr;
        if (editing) {
            suppliers = new TClientDataSet(form);
            suppliers->FieldDefs().Add("PROV_COD", ftInteger);
            suppliers->FieldDefs().Add("PROV_NOM", ftString, 30);
            suppliers->FieldDefs().Add("CIUDAD", ftString, 20);
            suppliers->CreateDataSet();
            const char* provs[][2] = {{"Distribuidora La Sabana", "Bogotá"}, {"Comercializadora del Valle", "Cali"},
                                      {"Abarrotes Antioquia", "Medellín"}, {"Surtidor Costeño", "Barranquilla"}};
            for (int i = 0; i < 4; ++i) {
                suppliers->Append();
                suppliers->FieldByName("PROV_COD")->SetAsInteger(i + 1);
                suppliers->FieldByName("PROV_NOM")->SetAsString(provs[i][0]);
                suppliers->FieldByName("CIUDAD")->SetAsString(provs[i][1]);
                suppliers->Post();
            }
            data->FieldDefs().Add("PROV", ftInteger);
            for (int i = 0; i < data->FieldDefs().Count(); ++i) {
                const TFieldDef& d = data->FieldDefs()[i];
                TField* f = CreateDefaultField(d.DataType(), form);
                f->SetFieldName(d.Name());
                if (d.DataType() == ftString) f->SetSize(d.Size());
                f->SetDataSet(data);
            }
            TField* f = CreateDefaultField(ftString, form);
            f->SetFieldName("PROVEEDOR");
            f->SetSize(30);
            f->SetFieldKind(fkLookup);
            f->SetKeyFields("PROV");
            f->SetLookupDataSet(suppliers);
            f->SetLookupKeyFields("PROV_COD");
            f->SetLookupResultField("PROV_NOM");
            f->SetDataSet(data);
        }
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
            if (editing) data->FieldByName("PROV")->SetAsInteger(1 + i % 4);
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
        if (editing) {
            for (const char* u : {"Unidad", "Caja", "Kilo", "Libra", "Paquete"})
                grid->Columns()->Items(5)->PickList()->Add(u);
            grid->Columns()->Items(2)->SetButtonStyle(cbsDropDown);
            grid->Columns()->Items(2)->SetAlwaysShowEditButton(true);
            grid->SetRowLines(2);
            grid->SetRowHeight(4); // room for the margins of two whole lines
            grid->Columns()->Items(1)->SetWidth(140);
            TColumnEh* prov = grid->Columns()->Add();
            prov->SetFieldName("PROVEEDOR");
            prov->Title()->SetCaption("Proveedor");
            prov->SetWidth(170);
            prov->SetDropDownShowTitles(true);
            prov->SetDropDownWidth(-1);
            auto* provSource = new TDataSource(form);
            provSource->SetDataSet(suppliers);
            prov->DropDownBox()->SetListSource(provSource);
            using Col = std::tuple<const char*, const char*, int>;
            for (auto [field, caption, width] : {Col{"PROV_NOM", "Proveedor", 190}, Col{"CIUDAD", "Ciudad", 110}}) {
                TColumnEh* c = prov->DropDownBox()->Columns()->Add();
                c->SetFieldName(field);
                c->Title()->SetCaption(caption);
                c->SetWidth(width);
            }
            prov->SetIndex(2);
        } else {
            grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
        }
        grid->SumList()->SetActive(true);
        grid->SetUseMultiTitle(true);
        grid->SetOddRowColor(0xF0FBFF);
        if (filterRow) {
            grid->STFilter()->SetVisible(true);
            grid->STFilter()->SetLocal(true);
            grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
        }
        TTreeMemTableEh* categories = nullptr;
        if (tree) {
            // Articles under their categories, moved with the mouse.
            categories = new TTreeMemTableEh(form);
            categories->FieldDefs().Add("CODIGO", ftInteger);
            categories->FieldDefs().Add("GRUPO", ftInteger);
            categories->FieldDefs().Add("NOMBRE", ftString, 30);
            categories->FieldDefs().Add("PRECIO", ftFloat);
            categories->SetKeyFieldName("CODIGO");
            categories->SetParentFieldName("GRUPO");
            categories->CreateDataSet();
            // More articles than the window shows once their categories open.
            struct {
                const char* name;
                std::vector<std::pair<const char*, double>> articles;
            } groups[] = {
                {"Granos",
                 {{"Arroz Diana 500 g", 2100},
                  {"Lentejas 500 g", 3400},
                  {"Fríjol bola roja", 5200},
                  {"Garbanzo 500 g", 4300},
                  {"Arveja seca", 2900},
                  {"Maíz pira", 2500}}},
                {"Bebidas",
                 {{"Café Sello Rojo", 9800},
                  {"Chocolate Corona", 6100},
                  {"Agua Cristal 600 ml", 1500},
                  {"Jugo Hit mora", 2200},
                  {"Gaseosa 1,5 l", 4800},
                  {"Té Hindú", 3300}}},
                {"Aseo",
                 {{"Jabón Rey", 2300},
                  {"Detergente Fab 1 kg", 11200},
                  {"Límpido 1 l", 4100},
                  {"Papel higiénico x4", 6900},
                  {"Crema dental", 5600}}},
                {"Lácteos",
                 {{"Leche Alquería", 3900},
                  {"Queso campesino", 8700},
                  {"Kumis 1 l", 5400},
                  {"Mantequilla 125 g", 4600},
                  {"Yogur fresa", 2800}}},
                {"Panadería",
                 {{"Pan tajado", 4900}, {"Galletas Saltín", 3700}, {"Arepas x5", 3200}, {"Tostadas", 2600}}},
            };
            int groupCode = 0;
            for (auto& g : groups) {
                ++groupCode;
                categories->Append();
                categories->FieldByName("CODIGO")->SetAsInteger(groupCode);
                categories->FieldByName("NOMBRE")->SetAsString(g.name);
                categories->Post();
                int articleCode = groupCode * 10;
                for (auto& [name, price] : g.articles) {
                    categories->Append();
                    categories->FieldByName("CODIGO")->SetAsInteger(++articleCode);
                    categories->FieldByName("GRUPO")->SetAsInteger(groupCode);
                    categories->FieldByName("NOMBRE")->SetAsString(name);
                    categories->FieldByName("PRECIO")->SetAsFloat(price);
                    categories->Post();
                }
            }
            categories->First();
            source->SetDataSet(categories);
            grid->Columns()->Clear();
            struct {
                const char* field;
                const char* caption;
                int width;
            } treeCols[] = {{"NOMBRE", "Categoría y artículo", 260}, {"CODIGO", "Código", 80}, {"PRECIO", "Precio", 120}};
            for (auto& c : treeCols) {
                TColumnEh* col = grid->Columns()->Add();
                col->SetFieldName(c.field);
                col->Title()->SetCaption(c.caption);
                col->SetWidth(c.width);
            }
            grid->Columns()->Items(2)->SetDisplayFormat("$ #,##0.00");
            grid->SetFooterRowCount(0);
            grid->SetFrozenCols(0);
            grid->SetOptions(grid->Options() - TDBGridOptions{dgMultiSelect, dgRowSelect});
            grid->SetOptionsEh(grid->OptionsEh() + TDBGridEhOptions{dghRecordMoving});
            categories->Locate("CODIGO", Variant(1), {});
            categories->SetNodeExpanded(categories->RecNo() - 1, true);
        }
        if (rtl) grid->SetBiDiMode(bdRightToLeft);
        grid->SetDataSource(source);
        grid->SetParent(form);
        if (drag) {
            // The articles dragged from the grid onto the order beside it.
            auto* order = new TClientDataSet(form);
            order->FieldDefs().Add("CODIGO", ftInteger);
            order->FieldDefs().Add("NOMBRE", ftString, 30);
            order->CreateDataSet();
            auto* orderSource = new TDataSource(form);
            orderSource->SetDataSet(order);
            auto* orderGrid = new TDBGridEh(form);
            orderGrid->SetAlign(alRight);
            orderGrid->SetWidth(250);
            if (rtl) orderGrid->SetBiDiMode(bdRightToLeft);
            for (auto [f, caption, width] : {std::tuple{"CODIGO", "Código", 60}, {"NOMBRE", "Pedido", 150}}) {
                TColumnEh* c = orderGrid->Columns()->Add();
                c->SetFieldName(f);
                c->Title()->SetCaption(caption);
                c->SetWidth(width);
            }
            orderGrid->SetDataSource(orderSource);
            orderGrid->SetParent(form);
            grid->SetDragMode(dmAutomatic);
            orderGrid->OnDragOver = [grid](TObject*, TObject* src, int, int, TDragState, bool& accept) {
                accept = src == grid;
            };
            orderGrid->OnDragDrop = [grid, data, order](TObject*, TObject*, int, int) {
                TBookmarkListEh& rows = grid->SelectedBookmarks();
                TBookmark here = data->Bookmark();
                auto add = [&] {
                    order->Append();
                    order->FieldByName("CODIGO")->SetAsInteger(data->FieldByName("CODIGO")->AsInteger());
                    order->FieldByName("NOMBRE")->SetAsString(data->FieldByName("NOMBRE")->AsString());
                    order->Post();
                };
                if (rows.SelectedCount() == 0) add();
                for (int i = 0; i < rows.SelectedCount(); ++i) {
                    data->GotoBookmark(rows.GetItem(i));
                    add();
                }
                data->GotoBookmark(here);
            };
        }
        form->Show();
        form->SetActiveControl(grid);
        if (tree) grid->SetSelectedIndex(0);
        if (!tree && !editing) {
            for (int r : {2, 5, 6}) {
                data->SetRecNo(r);
                grid->SelectedBookmarks().SetCurrentRowSelected(true);
            }
            data->SetRecNo(4);
        }
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
