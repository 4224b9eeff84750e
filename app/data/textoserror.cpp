#include "app/data/textoserror.h"

#include "core/strutils.h"

namespace tv::app {

std::string texto_entre_comillas(std::string_view mensaje) {
    auto inicio = mensaje.find('"');
    if (inicio == std::string_view::npos) return {};
    auto fin = mensaje.find('"', inicio + 1);
    return std::string(mensaje.substr(inicio + 1, fin == std::string_view::npos ? fin : fin - inicio - 1));
}

std::string texto_error_proveedor(const std::string& mensaje, const std::string& nombre_dataset) {
    std::string tabla = Copy(nombre_dataset, 2, Length(nombre_dataset));
    std::string palabras = Copy(mensaje, 19, 20);
    if (palabras == "violation of PRIMARY") return "Ya existe el registro en la tabla " + tabla;
    if (palabras == "violation of FOREIGN")
        return "Está borrando o insertando un registro en la tabla " + tabla + " que tiene una relación con otra tabla.";
    return mensaje;
}

namespace {

// The table a server's key violation names: 'on table "X"'.
std::string tabla_del_mensaje(const std::string& mensaje) {
    auto en = mensaje.find("on table \"");
    return en == std::string::npos ? std::string() : texto_entre_comillas(std::string_view(mensaje).substr(en));
}

// The number after `antes` in the message, or an empty text.
std::string numero_tras(const std::string& mensaje, const char* antes) {
    auto en = mensaje.find(antes);
    if (en == std::string::npos) return {};
    en += std::char_traits<char>::length(antes);
    auto fin = mensaje.find_first_not_of("0123456789", en);
    return mensaje.substr(en, (fin == std::string::npos ? mensaje.size() : fin) - en);
}

} // namespace

std::string texto_error_general(const std::string& mensaje) {
    auto contiene = [&](const char* frase) { return mensaje.find(frase) != std::string::npos; };
    // A statement sent as a command meets the same key violations that a
    // provider's update does; the table is the one the server names.
    if (const std::string palabras = Copy(mensaje, 19, 20);
        palabras == "violation of PRIMARY" || palabras == "violation of FOREIGN")
        if (const std::string tabla = tabla_del_mensaje(mensaje); !tabla.empty())
            return texto_error_proveedor(mensaje, "T" + tabla);
    // A value longer than its column or parameter, typically a scan appended
    // to what the field already held.
    if (contiene("string right truncation")) {
        const std::string admite = numero_tras(mensaje, "expected length "), tiene = numero_tras(mensaje, "actual ");
        if (admite.empty() || tiene.empty()) return "El texto es más largo de lo que admite la base de datos.";
        return "El texto es más largo de lo que admite la base de datos (admite " + admite + " caracteres y tiene " +
               tiene + ").";
    }
    // The server went away during the session: the next query connects again.
    if (contiene("Error writing data to the connection") || contiene("Error reading data from the connection") ||
        contiene("Connection shutdown") || contiene("connection lost"))
        return "Se perdió la conexión con el servidor de la base de datos. Verifique que el servidor esté "
               "funcionando y repita la operación.";
    if (mensaje.rfind("dbExpress", 0) == 0) {
        // Another program holds the file: it exists, so "not found" would mislead.
        if (contiene("Database already opened with engine instance"))
            return "La base de datos " + texto_entre_comillas(mensaje) +
                   " está abierta por otro programa. Ciérrelo y vuelva a intentar.";
        if (contiene("Your user name and password are not defined"))
            return "El nombre de Usuario o la clave son incorrectas.";
        // The file is there but may not be opened (one made by a user, kept
        // 0660 of that user, through a server running as its own account):
        // "not found" would send the user looking for a file that exists.
        if (contiene("I/O error for file") && contiene("Permission denied"))
            return "No hay permiso para abrir el archivo " + texto_entre_comillas(mensaje) +
                   ". Verifique el dueño y los permisos del archivo y de sus carpetas: con un servidor, los debe poder "
                   "leer y escribir la cuenta del servidor (firebird).";
        if (contiene("I/O error for file"))
            return "No se encontró el archivo o la ruta " + texto_entre_comillas(mensaje);
        if (contiene("Unable to complete network request"))
            return "No se encontró el equipo servidor con nombre " + texto_entre_comillas(mensaje);
        if (contiene("Connection failed"))
            return "No se encontró el servidor Interbase/Firebird. Verifique Servidor en panel de control y puerto TCP "
                   "3050.";
    }
    return "Se presento el siguiente error: " + mensaje;
}

} // namespace tv::app
