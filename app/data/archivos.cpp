#include "app/data/archivos.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/data/avisos.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/registry.h"
#include "core/strutils.h"

namespace tv::app {

std::string diraplicacion() {
    TRegistry registro;
    registro.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registro.OpenKeyReadOnly(kClaveAplicacion)) return registro.ReadString(kValorDirectorio);
    muestre_mensaje(std::string("No se encontró en el registro la clave HKEY_LOCAL_MACHINE") + kClaveAplicacion +
                    " con el valor " + kValorDirectorio + ".");
    return {};
}

std::string archivo_aplicacion(const std::string& nombre) { return diraplicacion() + "/" + nombre; }

namespace {
std::string LeaTodo(std::ifstream& f) { return std::string(std::istreambuf_iterator<char>(f), {}); }

// Lines ended by CR, LF or CR LF; the text after the last end is a line too
// when it is not empty.
std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas;
    std::string actual;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        char c = texto[i];
        if (c == '\r' || c == '\n') {
            lineas.push_back(actual);
            actual.clear();
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        } else {
            actual += c;
        }
    }
    if (!actual.empty()) lineas.push_back(actual);
    return lineas;
}
} // namespace

std::vector<std::string> lea_servidores(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return {};
    std::vector<std::string> servidores;
    for (const std::string& linea : Lineas(LeaTodo(f))) servidores.push_back(Copy(linea, 1, 255));
    return servidores;
}

bool lea_ubicacion(const std::string& ruta, std::string& ubicacion) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        muestre_mensaje("No se encontró el archivo de conexión con la base de datos.");
        ubicacion.clear();
        return false;
    }
    ubicacion = LeaTodo(f);
    while (!ubicacion.empty() && (ubicacion.back() == '\n' || ubicacion.back() == '\r')) ubicacion.pop_back();
    return true;
}

bool lea_impresora(const std::string& ruta, const std::string& nombre, std::string& impresora) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        muestre_mensaje("Error abriendo el archivo" + ruta);
        return false;
    }
    impresora.clear();
    for (const std::string& linea : Lineas(LeaTodo(f))) {
        auto coma = linea.find(',');
        if (coma == std::string::npos || linea.compare(0, coma, nombre) != 0) continue;
        impresora = linea.substr(coma + 1);
        if (!impresora.empty()) break;
    }
    return true;
}

void anote_error(const std::string& ruta, const std::string& usuario, const std::string& mensaje) {
    std::string una_linea;
    for (const std::string& l : Lineas(mensaje)) una_linea += (una_linea.empty() ? "" : " ") + l;
    TDateTime ahora = Now();
    std::ofstream f(ruta, std::ios::binary | std::ios::app);
    if (!f) throw EInOutError("No se pudo escribir el registro de errores " + ruta);
    f << DateToStr(ahora) << ',' << TimeToStr(ahora) << ',' << usuario << ',' << una_linea << "\n";
    // The line is still in the stream's buffer: only the flush meets a full disk.
    f.flush();
    if (!f) throw EInOutError("No se pudo escribir el registro de errores " + ruta);
}

} // namespace tv::app
