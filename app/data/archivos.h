#pragma once
// The station's local files: the application directory named by the registry,
// the server list, the database location, the printer map and the error log.
#include <string>
#include <vector>

namespace tv::app {

inline constexpr const char* kClaveAplicacion = "\\Software\\Orvane\\Tallyvo2008";
inline constexpr const char* kValorDirectorio = "Directorio";

// The registry value "Directorio", read fresh on every call. Without the key
// the user is told and the result is empty (files then fall under "/").
std::string diraplicacion();
// A file of the application directory.
std::string archivo_aplicacion(const std::string& nombre);

// "SERVIDORES.cfg": one entry per line, lines ended by CR, LF or CR LF, the
// last one with or without its end. A line of more than 255 characters or
// with a control character is left out, and a file of more than 64 KiB is
// not read; the user is told either. A missing file gives no entries.
std::vector<std::string> lea_servidores(const std::string& ruta);

// "conexion.cfg": the whole file without its line end. False, after telling
// the user, when it cannot be read.
bool lea_ubicacion(const std::string& ruta, std::string& ubicacion);

// "impresoras.cfg": lines "name,printer". The printer of the first line whose
// name is `nombre`; empty when none. False, after telling the user, when the
// file cannot be opened; `impresora` then keeps its value.
bool lea_impresora(const std::string& ruta, const std::string& nombre, std::string& impresora);

// Appends "date,time,user,message" to the error log; a message of several
// lines is written on one.
void anote_error(const std::string& ruta, const std::string& usuario, const std::string& mensaje);

} // namespace tv::app
