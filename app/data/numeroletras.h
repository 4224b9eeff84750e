#pragma once
// An amount written in upper-case Spanish words for printed documents:
// the words, the currency name, the hundredths in digits with the fraction
// word, and the closing text ("CIENTO VEINTE PESOS 50 CENTAVOS M/CTE.").
#include <string>

#include "core/currency.h"

namespace tv::app {

// Amounts from 10^12 up raise EConvertError; negative amounts start with "MENOS ".
std::string numero_a_letras(Currency monto, const std::string& moneda, const std::string& fraccion,
                            const std::string& final_texto);

} // namespace tv::app
