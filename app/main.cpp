// The point-of-sale station: unit start-up, the application with its data
// modules and its two permanent windows, the message loop.
//   tallyvo [--headless] [--size WxH] [--fullscreen] [--help] [--version]
// The desktop backend shows the station in a window of the user's desktop;
// --headless (or TALLYVO_BACKEND=headless) runs it without a display.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/data/dm.h"
#include "app/startup/arranque.h"
#include "app/startup/lineaordenes.h"
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
    const app::LineaOrdenes linea = app::lea_linea_ordenes(std::vector<std::string>(argv + 1, argv + argc));
    switch (linea.accion) {
    case app::LineaOrdenes::Accion::Ayuda: std::fputs(app::texto_ayuda().c_str(), stdout); return 0;
    case app::LineaOrdenes::Accion::Version: std::printf("tallyvo (Tallyvo POS) %s\n", TALLYVO_VERSION); return 0;
    case app::LineaOrdenes::Accion::Error:
        std::fprintf(stderr, "tallyvo: %s\nPruebe «tallyvo --help» para ver las opciones.\n", linea.error.c_str());
        return 2;
    case app::LineaOrdenes::Accion::Ejecutar: break;
    }
    const char* entorno = std::getenv("TALLYVO_BACKEND");
    const bool sin_pantalla = linea.sin_pantalla || (entorno && std::string(entorno) == "headless");
    win::SdlOptions opciones;
    opciones.title = "POS - Tallyvo 2009";
    opciones.fullScreen = linea.pantalla_completa;
    if (linea.ancho > 0) {
        opciones.width = linea.ancho;
        opciones.height = linea.alto;
    }
    if (!sin_pantalla) {
        try {
            win::SetBackend(std::make_unique<win::SdlBackend>(opciones));
        } catch (const Exception& e) {
            std::fprintf(stderr, "%s\n", e.Message().c_str());
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
