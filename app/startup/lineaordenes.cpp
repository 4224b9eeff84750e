#include "app/startup/lineaordenes.h"

#include <charconv>

namespace tv::app {

namespace {

// "ANCHOxALTO" with both sides whole numbers of pixels a screen can have.
bool LeaTamano(const std::string& texto, int& ancho, int& alto) {
    const char* p = texto.data();
    const char* fin = p + texto.size();
    auto [x, e1] = std::from_chars(p, fin, ancho);
    if (e1 != std::errc() || x == p || x == fin || *x != 'x') return false;
    auto [y, e2] = std::from_chars(x + 1, fin, alto);
    if (e2 != std::errc() || y == x + 1 || y != fin) return false;
    return ancho > 0 && alto > 0 && ancho <= 16384 && alto <= 16384;
}

LineaOrdenes Rechazo(std::string porque) {
    LineaOrdenes r;
    r.accion = LineaOrdenes::Accion::Error;
    r.error = std::move(porque);
    return r;
}

} // namespace

LineaOrdenes lea_linea_ordenes(const std::vector<std::string>& argumentos) {
    LineaOrdenes r;
    bool ayuda = false, version = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--help" || a == "-h")
            ayuda = true;
        else if (a == "--version")
            version = true;
        else if (a == "--headless")
            r.sin_pantalla = true;
        else if (a == "--fullscreen")
            r.pantalla_completa = true;
        else if (a == "--size" || a.rfind("--size=", 0) == 0) {
            std::string valor;
            if (a == "--size") {
                if (i + 1 == argumentos.size()) return Rechazo("la opción --size necesita un tamaño ANCHOxALTO");
                valor = argumentos[++i];
            } else {
                valor = a.substr(7);
            }
            if (!LeaTamano(valor, r.ancho, r.alto))
                return Rechazo("tamaño no válido para --size: «" + valor +
                               "» (se espera ANCHOxALTO en píxeles, por ejemplo 1280x800)");
        } else {
            return Rechazo("opción desconocida: «" + a + "»");
        }
    }
    if (ayuda)
        r.accion = LineaOrdenes::Accion::Ayuda;
    else if (version)
        r.accion = LineaOrdenes::Accion::Version;
    return r;
}

std::string texto_ayuda() {
    return "Uso: tallyvo [opciones]\n"
           "Estación de punto de venta Tallyvo POS: consulta de precios por código de barras.\n"
           "\n"
           "  --size ANCHOxALTO  tamaño de la ventana en píxeles (por ejemplo 1280x800)\n"
           "  --fullscreen       ocupa la pantalla completa\n"
           "  --headless         sin pantalla (TALLYVO_BACKEND=headless hace lo mismo)\n"
           "  --help             muestra esta ayuda y termina\n"
           "  --version          muestra la versión y termina\n"
           "\n"
           "La carpeta de la aplicación (SERVIDORES.cfg, ERRORES.TXT...) es el valor \"Directorio\" del\n"
           "registro de la estación, en ~/.local/share/tallyvo/registry (TALLYVO_REGISTRY_DIR la cambia).\n";
}

} // namespace tv::app
