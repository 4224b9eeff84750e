// Shows, on the desktop backend and under the skin the station selects, a
// window of the station that its own road does not reach without a
// database: the accounting-interface dialog over three sample interfaces
// (as the document modules open it), or the main window without its login.
// It ends when that window closes; --interfaces N lists N interfaces instead
// of three. For screenshots:
//   station_skin_sample interfaz|principal [--size WxH] [--interfaces N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

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
#include "platform/backend/backend.h"
#include "platform/backend/sdlbackend.h"

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

} // namespace

int main(int argc, char** argv) {
    win::SdlOptions options;
    options.title = "POS - Tallyvo 2009";
    bool principal = argc > 1 && std::string(argv[1]) == "principal";
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
