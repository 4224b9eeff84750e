// Shows, on the desktop backend and under the skin the station selects, a
// window of the station that its own road does not reach without a
// database: the accounting-interface dialog over three sample interfaces
// (as the document modules open it), the main window without its login,
// or a skinned window with a list view of articles beside a tree view of
// their groups. It ends when that window closes; --interfaces N lists N
// interfaces instead of three. For screenshots:
//   station_skin_sample interfaz|principal|vistas [--size WxH] [--interfaces N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>

#include "app/data/dm.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/preginterfaz.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "core/exceptions.h"
#include "core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/listview.h"
#include "framework/ui/treeview.h"
#include "platform/backend/backend.h"
#include "platform/backend/sdlbackend.h"
#include "skin/skinprovider.h"
#include "tools/support/ownstore.h"

using namespace tv;

namespace {

void Dialog(int count) {
    auto* list = new TClientDataSet(Application);
    list->FieldDefs().Add("ID", ftInteger);
    list->FieldDefs().Add("NOMBRE", ftString, 60);
    list->CreateDataSet();
    const char* names[] = {"Nota débito proveedores", "Nota débito servicios", "Nota débito fletes"};
    for (int i = 0; i < count; ++i) {
        list->Append();
        list->FieldByName("ID")->SetAsInteger(901 + i);
        list->FieldByName("NOMBRE")->SetAsString(i < 3 ? names[i] : "Interfaz " + std::to_string(i + 1));
        list->Post();
    }
    list->First();
    auto* source = new TDataSource(Application);
    source->SetDataSet(list);
    bool chosen = app::pregunte_interfaz(Application, source);
    std::printf("%s\n", chosen ? list->FieldByName("NOMBRE")->AsString().c_str() : "(ninguna)");
}

// The views the control adapter skins: a report of articles and the tree
// of their groups, side by side, following the window's size.
void Vistas() {
    auto* form = new TForm(Application);
    form->SetCaption("Artículos por grupo");
    form->SetBounds(40, 30, 620, 400);
    new TsSkinProvider(form);
    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(8, 8, 190, 350);
    tree->SetAnchors({akLeft, akTop, akBottom});
    auto* list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(206, 8, 396, 350);
    list->SetAnchors({akLeft, akTop, akRight, akBottom});
    list->SetViewStyle(vsReport);
    for (auto [caption, width, align] : {std::tuple{"Código", 70, taLeftJustify},
                                         {"Descripción", 210, taLeftJustify},
                                         {"Precio", 90, taRightJustify}}) {
        TListColumn* c = list->Columns()->Add();
        c->SetCaption(caption);
        c->SetWidth(width);
        c->SetAlignment(align);
    }
    const char* groups[] = {"Granos", "Lácteos", "Aseo", "Bebidas", "Panadería"};
    const char* kinds[] = {"Arroz", "Fríjol", "Lenteja", "Leche", "Queso", "Jabón", "Gaseosa", "Pan"};
    int n = 0;
    for (int g = 0; g < 5; ++g) {
        TTreeNode* group = tree->Items()->AddChild(nullptr, groups[g]);
        for (int k = 0; k < 6; ++k) {
            std::string name = std::string(kinds[(g + k) % 8]) + " " + std::to_string(250 * (k + 1)) + " g";
            tree->Items()->AddChild(group, name);
            TListItem* it = list->Items()->Add();
            char code[16], price[16];
            std::snprintf(code, sizeof code, "%06d", ++n);
            std::snprintf(price, sizeof price, "$ %d.%03d", 1 + (n * 7) % 30, (n * 130) % 1000);
            it->SetCaption(code);
            it->SubItems()->Add(name);
            it->SubItems()->Add(price);
        }
    }
    tree->Items()->GetFirstNode()->Expand(false);
    form->ShowModal();
}

} // namespace

int main(int argc, char** argv) {
    // The station's code writes its error log in a folder of this program's own.
    std::unique_ptr<tvtools::OwnStore> store;
    try {
        store = std::make_unique<tvtools::OwnStore>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    win::SdlOptions options;
    options.title = "POS - Tallyvo 2009";
    std::string mode = argc > 1 ? argv[1] : "interfaz";
    bool principal = mode == "principal";
    int interfaces = 3;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--size") && i + 1 < argc) std::sscanf(argv[++i], "%dx%d", &options.width, &options.height);
        else if (!std::strcmp(argv[i], "--interfaces") && i + 1 < argc) interfaces = std::max(1, std::atoi(argv[++i]));
    }
    try {
        win::SetBackend(std::make_unique<win::SdlBackend>(options));
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    app::registre_unidades();
    app::registre_ventanas();
    InitializeUnits();
    InitializeUI();
    int status = 0;
    try {
        Application->Initialize();
        app::cree_modulos_centrales(Application);
        if (principal) {
            Application->CreateForm(app::fprincipal);
            app::fprincipal->primera_activacion = false;
            Application->Run();
        } else if (mode == "vistas") {
            Vistas();
        } else {
            Dialog(interfaces);
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        status = 1;
    }
    FinalizeUI();
    FinalizeUnits();
    win::SetBackend(nullptr);
    return status;
}
