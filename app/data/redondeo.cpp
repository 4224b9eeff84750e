#include "app/data/redondeo.h"

#include <cstdint>

namespace tv::app {

namespace {
// `valor` (in ten-thousandths) to the nearest multiple of `unidad`, halves to the even quotient.
Currency RedondeeA(Currency valor, std::int64_t unidad) {
    std::int64_t raw = valor.Raw();
    std::int64_t q = raw / unidad, r = raw % unidad;
    std::int64_t doble = 2 * (r < 0 ? -r : r);
    if (doble > unidad || (doble == unidad && q % 2 != 0)) q += raw < 0 ? -1 : 1;
    return Currency::FromRaw(q * unidad);
}
} // namespace

Currency redondee_potencia_diez(Currency valor, int potencia) {
    int exponente = potencia + 4;  // Currency holds ten-thousandths
    if (exponente <= 0) return valor;
    if (exponente > 18) return Currency(0);
    std::int64_t unidad = 1;
    for (int i = 0; i < exponente; ++i) unidad *= 10;
    return RedondeeA(valor, unidad);
}

Currency redondee_cincuenta(Currency valor) { return RedondeeA(valor, 50 * Currency::Scale); }

} // namespace tv::app
