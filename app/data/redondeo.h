#pragma once
// Rounding of sale prices: to a multiple of a power of ten, or to the nearest
// multiple of 50. Halfway values go to the even quotient, as the framework's
// rounding does: 1250 to hundreds is 1200, 1350 is 1400; 125 to fifties is 100.
#include "core/currency.h"

namespace tv::app {

// round(valor ÷ 10^potencia) × 10^potencia; a negative power rounds to decimals.
Currency redondee_potencia_diez(Currency valor, int potencia);
Currency redondee_cincuenta(Currency valor);

} // namespace tv::app
