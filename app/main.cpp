// The point-of-sale station: unit start-up, the application with its data
// modules and its two permanent windows, the message loop.
//   tallyvo [--headless] [--size WxH] [--fullscreen]
// The desktop backend shows the station in a window of the user's desktop;
// --headless (or TALLYVO_BACKEND=headless) runs it without a display.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/data/dm.h"
#include "app/startup/arranque.h"
#include "app/startup/puertoserie.h"
#include "app/startup/unidades.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "core/exceptions.h"
#include "core/unitinit.h"
#include "framework/ui/application.h"
#include "platform/backend/backend.h"
#include "platform/backend/sdlbackend.h"

using namespace tv;

int main(int argc, char** argv) {
    const char* entorno = std::getenv("TALLYVO_BACKEND");
    bool sin_pantalla = entorno && std::string(entorno) == "headless";
    win::SdlOptions opciones;
    opciones.title = "POS - Tallyvo 2009";
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless")) sin_pantalla = true;
        else if (!std::strcmp(argv[i], "--fullscreen")) opciones.fullScreen = true;
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &opciones.width, &opciones.height);
    }
    if (!sin_pantalla) {
        try {
            win::SetBackend(std::make_unique<win::SdlBackend>(opciones));
        } catch (const Exception& e) {
            std::fprintf(stderr, "No se pudo abrir la pantalla: %s\n", e.Message().c_str());
            return 1;
        }
    }

    app::registre_unidades();
    app::registre_ventanas();
    InitializeUnits();
    InitializeUI();
    int estado = 0;
    try {
        Application->Initialize();
        Application->SetTitle("POS - Tallyvo 2009");
        app::cree_modulos_centrales(Application);
        app::conecte_aplicacion();
        app::conecte_puerto_serie();
        Application->CreateForm(app::fprincipal);
        Application->CreateForm(app::fconsprecios);
        app::cree_modulos_negocio(Application);
        Application->Run();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        estado = 1;
    }
    app::desconecte_puerto_serie();
    FinalizeUI();
    FinalizeUnits();
    win::SetBackend(nullptr);
    return estado;
}
