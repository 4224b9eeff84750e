#include "app/windows/celdapiel.h"

#include "app/data/dm.h"
#include "grid/dbgrideh.h"
#include "skin/skinmanager.h"

namespace tv::app {

namespace {

// Without the central module's skin manager the selected cell takes the
// button-face colours.
constexpr TColor kFondoSinPiel = clBtnFace;
constexpr TColor kTextoSinPiel = clBtnText;

} // namespace

void pinte_celda_piel(TDBGridEh* grilla, const win::RECT& rect, int dataCol, TColumnEh* column,
                      TGridDrawState state) {
    if (!state.Contains(gdSelected)) return;
    TsSkinManager* piel = fdm ? fdm->sSkinManager1 : nullptr;
    TCanvas* c = grilla->Canvas();
    if (state.Contains(gdFocused)) {
        // Before any skin loads the manager answers the key colour, which is no colour to paint with.
        TColor fondo = piel ? piel->GetGlobalFontColor() : clSkinKey;
        c->Brush()->SetColor(fondo != clSkinKey ? fondo : kFondoSinPiel);
        c->Font()->SetColor(piel ? TColor(clYellow) : kTextoSinPiel);
    } else {
        c->Brush()->SetColor(piel ? TColor(piel->SkinData.Shadow1Color) : kFondoSinPiel);
        c->Font()->SetColor(piel ? TColor(clWhite) : kTextoSinPiel);
    }
    grilla->DefaultDrawColumnCell(rect, dataCol, column, state);
}

} // namespace tv::app
