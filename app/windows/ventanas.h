#pragma once
// What the station's windows share: the application's hook-up to the central
// data module (message boxes, unhandled exceptions), the placement of child
// windows over the main window, and the rule that function keys act only
// without Shift, Ctrl or Alt.
#include "framework/ui/controls.h"

namespace tv {
class TCustomForm;
class TObject;
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
// Closes a window from its creation handler; it goes once the message loop runs.
void cierre_al_crear(TCustomForm* ventana);
// Enter in one of the window's edits moves the focus on and is swallowed.
void enter_a_tab(TCustomForm* ventana, TObject* sender, char32_t& key);
inline bool sin_modificadores(TShiftState shift) {
    return !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
}

} // namespace tv::app
