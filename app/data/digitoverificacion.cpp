#include "app/data/digitoverificacion.h"

#include <array>
#include <string>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/sysformat.h"

namespace tv::app {

namespace {
constexpr std::array<int, 15> kPesos{3, 7, 13, 17, 19, 23, 29, 37, 41, 43, 47, 53, 59, 67, 71};
}

int digito_verificacion(std::string_view nit) {
    // Every character is a digit: points, blanks or a written check digit
    // ("900-1") would otherwise be dropped silently and give another NIT's digit.
    for (char c : nit)
        if (c < '0' || c > '9') throw EConvertError(Format(LoadResString(SInvalidInteger), std::string(1, c)));
    const std::string_view digitos = nit;
    if (digitos.size() > kPesos.size())
        throw EConvertError("'" + std::string(nit) + "' tiene más de 15 dígitos");
    int suma = 0;
    for (std::size_t i = 0; i < digitos.size(); ++i)
        suma += (digitos[digitos.size() - 1 - i] - '0') * kPesos[i];
    int resto = suma % 11;
    return resto <= 1 ? resto : 11 - resto;
}

} // namespace tv::app
