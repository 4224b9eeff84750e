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

std::string texto_error_general(const std::string& mensaje) {
    auto contiene = [&](const char* frase) { return mensaje.find(frase) != std::string::npos; };
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
