#include "app/data/archivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/data/avisos.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/registry.h"
#include "core/strutils.h"

namespace tv::app {

namespace {
constexpr long long kMaxBytesServidores = 64 * 1024;
} // namespace

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
    // A list of servers is a few lines; a file of megabytes is not one.
    f.seekg(0, std::ios::end);
    const auto tamano = static_cast<long long>(f.tellg());
    f.seekg(0);
    if (tamano > kMaxBytesServidores) {
        muestre_mensaje("El archivo " + ruta + " tiene " + std::to_string(tamano) +
                        " bytes, más de lo que cabe en una lista de servidores; no se leyó.");
        return {};
    }
    std::vector<std::string> servidores;
    std::string rechazadas;
    int numero = 0;
    for (const std::string& linea : Lineas(LeaTodo(f))) {
        ++numero;
        // A NUL or another control character would cut or garble the entry
        // the list shows; a longer line would be cut into another path.
        const bool control = std::any_of(linea.begin(), linea.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        });
        if (control || linea.size() > 255) {
            rechazadas += (rechazadas.empty() ? "" : ", ") + std::to_string(numero);
            continue;
        }
        servidores.push_back(linea);
    }
    if (rechazadas.find(',') != std::string::npos)
        muestre_mensaje("Se omitieron las líneas " + rechazadas + " del archivo " + ruta +
                        ": tienen caracteres que no son texto o más de 255 caracteres.");
    else if (!rechazadas.empty())
        muestre_mensaje("Se omitió la línea " + rechazadas + " del archivo " + ruta +
                        ": tiene caracteres que no son texto o más de 255 caracteres.");
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

namespace {
std::string CausaEscritura(int error) {
    switch (error) {
    case ENOSPC: return "el disco está lleno";
    case EFBIG: return "el archivo alcanzó el tamaño máximo permitido";
    case EDQUOT: return "se agotó la cuota de disco del usuario";
    case EACCES:
    case EPERM: return "no hay permiso para escribirlo";
    case EROFS: return "el disco es de solo lectura";
    case EISDIR: return "en su lugar hay una carpeta";
    default: return "error del sistema " + std::to_string(error);
    }
}

[[noreturn]] void FalloBitacora(const std::string& ruta, int error) {
    throw EInOutError("No se pudo escribir el registro de errores " + ruta + ": " + CausaEscritura(error) + ".");
}
} // namespace

void anote_error(const std::string& ruta, const std::string& usuario, const std::string& mensaje) {
    std::string una_linea;
    for (const std::string& l : Lineas(mensaje)) una_linea += (una_linea.empty() ? "" : " ") + l;
    TDateTime ahora = Now();
    std::string linea = DateToStr(ahora) + ',' + TimeToStr(ahora) + ',' + usuario + ',' + una_linea + "\n";

    int fd = ::open(ruta.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES) fd = ::open(ruta.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);  // cannot read it back
    if (fd < 0) FalloBitacora(ruta, errno);
    struct Cierre {
        int fd;
        ~Cierre() { ::close(fd); }
    } cierre{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) FalloBitacora(ruta, errno);
    const off_t antes = st.st_size;
    // A line torn by an earlier failure ends before this one starts.
    if (char ultimo = 0; antes > 0 && ::pread(fd, &ultimo, 1, antes - 1) == 1 && ultimo != '\n') linea.insert(0, "\n");
    // One line whole or none: what a full disk let through is taken back.
    std::size_t escritos = 0;
    while (escritos < linea.size()) {
        ssize_t n = ::write(fd, linea.data() + escritos, linea.size() - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            if (escritos > 0 && S_ISREG(st.st_mode)) (void)!::ftruncate(fd, antes);
            FalloBitacora(ruta, error);
        }
        escritos += static_cast<std::size_t>(n);
    }
}

} // namespace tv::app
