#pragma once
// The message boxes and the beep of the business modules: every refusal,
// question and error box they show passes through here.
#include <functional>
#include <string>

namespace tv::app {

enum class TTipoAviso { taError, taInformacion, taConfirmacion };

// A modal error box with OK.
void muestre_error(const std::string& texto);
// A modal message with OK.
void muestre_mensaje(const std::string& texto);
// A modal confirmation with Yes and No; true for Yes.
bool confirme(const std::string& texto);
void pite();

// Who answers the boxes: the framework's message boxes, installed by the
// program's start; a person's scripted answer in tests. Without one, boxes
// are written to the standard error and questions answered No.
using TPresentadorAvisos = std::function<bool(TTipoAviso tipo, const std::string& texto)>;
void instale_presentador_avisos(TPresentadorAvisos presentador);
// The beeps sounded so far, through the framework's Beep (tests read it).
int pitidos();

} // namespace tv::app
