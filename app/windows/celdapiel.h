#pragma once
// The selected cell of the station's lists in the skin's colours: with the
// focus the skin's global font colour behind yellow text, without it the
// skin's shadow colour behind white text; then the grid's own drawing.
#include "grid/gridtypes.h"
#include "platform/wintypes.h"

namespace tv {
class TColumnEh;
class TDBGridEh;
} // namespace tv

namespace tv::app {

void pinte_celda_piel(TDBGridEh* grilla, const win::RECT& rect, int dataCol, TColumnEh* column,
                      TGridDrawState state);

} // namespace tv::app
