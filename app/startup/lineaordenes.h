#pragma once
// The station's command line:
//   tallyvo [--size ANCHOxALTO] [--fullscreen] [--headless] [--help] [--version]
// An unknown option or a bad value is refused with the reason, before anything starts.
#include <string>
#include <vector>

namespace tv::app {

struct LineaOrdenes {
    enum class Accion { Ejecutar, Ayuda, Version, Error };
    Accion accion = Accion::Ejecutar;
    bool sin_pantalla = false;
    bool pantalla_completa = false;
    int ancho = 0, alto = 0; // 0: the backend's default size
    std::string error;       // why the line was refused
};

// The arguments after the program's name.
LineaOrdenes lea_linea_ordenes(const std::vector<std::string>& argumentos);

// What --help prints.
std::string texto_ayuda();

} // namespace tv::app
