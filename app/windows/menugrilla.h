#pragma once
// The pop-up menu the station's lists share: copy, select all, print and save
// the selection of the grid that has the focus in `ventana`. A command does
// nothing when the focus is elsewhere or the grid does not allow it.
#include <string>

namespace tv {
class TCustomForm;
class TPrintDBGridEh;
class TSaveDialog;
} // namespace tv

namespace tv::app {

// The grid's selection to the clipboard, when its edit actions include copying.
void copie_seleccion(TCustomForm* ventana);
// Everything selected, when the grid allows it and its edit actions include it.
void seleccione_todo(TCustomForm* ventana);
// The grid into the print preview, "%[Today]" standing for today's date.
void imprima_grilla(TCustomForm* ventana, TPrintDBGridEh* impresion);
// Asks for a file under `nombre` and writes the grid's selection to it in the
// format of the dialog's filter (text, CSV, HTML, RTF, worksheet), adding the
// format's extension when the name lacks it.
void guarde_seleccion(TCustomForm* ventana, TSaveDialog* dialogo, const std::string& nombre);

} // namespace tv::app
