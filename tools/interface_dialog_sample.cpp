// Shows the accounting-interface dialog as the document modules open it,
// over three sample interfaces and under the skin the station selects, on
// the desktop backend; it ends when the dialog closes. For screenshots:
//   interface_dialog_sample [--size WxH]
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/data/dm.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/preginterfaz.h"
#include "app/windows/ventanas.h"
#include "framework/core/exceptions.h"
#include "framework/core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "platform/backend/backend.h"
#include "platform/backend/sdlbackend.h"

using namespace tv;

int main(int argc, char** argv) {
    win::SdlOptions options;
    options.title = "Interfaz contable";
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--size") && i + 1 < argc) std::sscanf(argv[++i], "%dx%d", &options.width, &options.height);
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
        auto* list = new TClientDataSet(Application);
        list->FieldDefs().Add("ID", ftInteger);
        list->FieldDefs().Add("NOMBRE", ftString, 60);
        list->CreateDataSet();
        int id = 901;
        for (const char* name : {"Nota débito proveedores", "Nota débito servicios", "Nota débito fletes"}) {
            list->Append();
            list->FieldByName("ID")->SetAsInteger(id++);
            list->FieldByName("NOMBRE")->SetAsString(name);
            list->Post();
        }
        list->First();
        auto* source = new TDataSource(Application);
        source->SetDataSet(list);
        bool chosen = app::pregunte_interfaz(Application, source);
        std::printf("%s\n", chosen ? list->FieldByName("NOMBRE")->AsString().c_str() : "(ninguna)");
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        status = 1;
    }
    FinalizeUI();
    FinalizeUnits();
    win::SetBackend(nullptr);
    return status;
}
