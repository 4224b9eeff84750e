// Shows, on the desktop backend over the demo databases, the station's windows
// that the cashier's road does not open: the article list, or the
// new-account window that the accounting module opens for a missing account
// (F5 there shows the chart of accounts). It ends when the main window closes,
// and on one stop request (SIGTERM, or closing the host window).
// For screenshots:
//   station_windows_sample articulos|cuentas DEMO_FOLDER [--size WxH]
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/data/dm.h"
#include "app/data/dmcnt.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/articulos.h"
#include "app/windows/nvacuenta.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "core/exceptions.h"
#include "core/unitinit.h"
#include "framework/ui/application.h"
#include "platform/backend/backend.h"
#include "platform/backend/sdlbackend.h"
#include "tools/support/ownstore.h"

using namespace tv;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: station_windows_sample articulos|cuentas CARPETA_DEMO [--size AxB]\n");
        return 2;
    }
    const std::string ventana = argv[1], demo = argv[2];
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
    for (int i = 3; i < argc; ++i)
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
        Application->SetTitle("POS - Tallyvo 2009");
        app::cree_modulos_centrales(Application);
        app::conecte_aplicacion();
        Application->CreateForm(app::fprincipal);
        app::fprincipal->primera_activacion = false;
        app::fprincipal->administrador = true;
        // The main window refuses to close over an open child window, as the
        // station's does over a document being entered; the sample's window
        // holds nothing to keep, so it goes first.
        auto formClose = app::fprincipal->OnClose;
        app::fprincipal->OnClose = [formClose](TObject* sender, TCloseAction& action) {
            while (app::fprincipal->MDIChildCount() > 0) app::fprincipal->MDIChildren(0)->Free();
            if (formClose) formClose(sender, action);
        };
        app::cree_modulos_negocio(Application);
        app::fdm->conecte_general(demo, "SYSDBA", "x");
        app::fdm->conecte_compania(demo, "001", "SYSDBA", "x");
        app::fdm->usuario = "CAJERO";
        if (ventana == "cuentas") {
            app::fdmcnt->cuenta_nueva = "13050599";
            app::abra_cuenta_nueva();
        } else {
            NewForm<app::Tfarticulos>(Application);
        }
        Application->Run();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        status = 1;
    }
    FinalizeUI();
    FinalizeUnits();
    win::SetBackend(nullptr);
    return status;
}
