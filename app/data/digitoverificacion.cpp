#include "app/data/digitoverificacion.h"

#include <array>
#include <string>

#include "core/exceptions.h"

namespace tv::app {

namespace {
constexpr std::array<int, 15> kPesos{3, 7, 13, 17, 19, 23, 29, 37, 41, 43, 47, 53, 59, 67, 71};
}

int digito_verificacion(std::string_view nit) {
    std::string_view cuerpo = nit;
    if (auto guion = nit.find('-'); guion != std::string_view::npos) cuerpo = nit.substr(0, guion);
    std::string digitos;
    for (char c : cuerpo) {
        if (c >= '0' && c <= '9') digitos += c;
        else if (c != '.' && c != ' ' && c != ',')
            throw EConvertError("'" + std::string(nit) + "' no es un NIT válido");
    }
    if (digitos.size() > kPesos.size())
        throw EConvertError("'" + std::string(nit) + "' tiene más de 15 dígitos");
    int suma = 0;
    for (std::size_t i = 0; i < digitos.size(); ++i)
        suma += (digitos[digitos.size() - 1 - i] - '0') * kPesos[i];
    int resto = suma % 11;
    return resto <= 1 ? resto : 11 - resto;
}

} // namespace tv::app
