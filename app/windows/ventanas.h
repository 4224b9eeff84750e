#pragma once
// What the station's windows share: the application's hook-up to the central
// data module (message boxes, unhandled exceptions), the placement of child
// windows over the main window, and the rule that function keys act only
// without Shift, Ctrl or Alt.
#include "framework/ui/controls.h"

namespace tv {
class TCustomForm;
}

namespace tv::app {

// Registers the window classes the stored definitions of the windows name.
void registre_ventanas();
// The business modules' boxes become the framework's message boxes and every
// unhandled exception goes to Tfdm::ENoManejada.
void conecte_aplicacion();
// top = ceil((client height - H - 120) / 2), left = ceil((client width - W - 125) / 2)
// of the main window's client area.
void ubique_ventana(TCustomForm* ventana, int alto, int ancho);
inline bool sin_modificadores(TShiftState shift) {
    return !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
}

} // namespace tv::app
