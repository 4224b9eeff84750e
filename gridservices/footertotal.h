#pragma once
// The footer totals that printing and export count as they walk the records,
// in ten-thousandths as a currency keeps them.
#include <cstdint>

#include "core/resourcestrings.h"

namespace tv {

class TField;
class TColumnEh;

TV_RESOURCESTRING(SFooterTotalOutOfRange,
                  "El total de la columna \"%s\" está fuera del rango de una moneda (±922.337.203.685.477,5807); "
                  "revise sus valores.")

// Adds the field's value (nothing when null). A total that leaves a currency's
// range raises EOverflow naming the column: no document or file may carry a
// total that reads as another number.
void AddToFooterTotal(std::int64_t& total, TField* field, TColumnEh* column);

} // namespace tv
