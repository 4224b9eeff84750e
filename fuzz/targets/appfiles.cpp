// The station's text files of its application folder: the server list
// ("SERVIDORES.cfg"), the database location ("conexion.cfg") and the printer
// map ("impresoras.cfg"). The first line is the printer name asked for; the
// rest is the file, read as each of the three.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/data/archivos.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = input.find('\n');
    const std::string name = eol == std::string::npos ? std::string() : input.substr(0, eol);
    const std::string text = eol == std::string::npos ? input : input.substr(eol + 1);
    const std::string path =
        tvfuzz::WriteScratch("aplicacion/archivo.cfg", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    try {
        for (const std::string& server : tv::app::lea_servidores(path)) {
            if (tv::Utf8Length(server) > 255) std::abort(); // a line keeps 255 characters at most
            if (server.find_first_of("\r\n") != std::string::npos) std::abort();
        }
        std::string location;
        if (!tv::app::lea_ubicacion(path, location) || location.size() > text.size()) std::abort();
        std::string printer = "sin cambio";
        if (!tv::app::lea_impresora(path, name, printer)) std::abort();
        if (printer.find_first_of("\r\n") != std::string::npos) std::abort();
    } catch (const tv::Exception&) {
    }
    return 0;
}
