#pragma once
// The Spanish texts the central handler shows for the driver's and the
// server's messages it knows.
#include <string>
#include <string_view>

namespace tv::app {

// The text after the message's first double quote up to the next one; empty
// without a double quote.
std::string texto_entre_comillas(std::string_view mensaje);

// An update error of a provider over the dataset whose name, without its type
// letter, is the table: key violations read at characters 19 to 38.
std::string texto_error_proveedor(const std::string& mensaje, const std::string& nombre_dataset);

// An error that reached the handler with no dataset: the driver's connection
// texts ("dbExpress..."), anything else as "Se presento el siguiente error: ".
std::string texto_error_general(const std::string& mensaje);

} // namespace tv::app
