#include "app/data/avisos.h"

#include <iostream>

#include "framework/ui/dialogs.h"

namespace tv::app {

namespace {
TPresentadorAvisos& Presentador() {
    static TPresentadorAvisos presentador;
    return presentador;
}
int& Pitidos() {
    static int n = 0;
    return n;
}

bool Presente(TTipoAviso tipo, const std::string& texto) {
    if (Presentador()) return Presentador()(tipo, texto);
    std::cerr << texto << '\n';
    return false;
}
} // namespace

void muestre_error(const std::string& texto) { Presente(TTipoAviso::taError, texto); }
void muestre_mensaje(const std::string& texto) { Presente(TTipoAviso::taInformacion, texto); }
bool confirme(const std::string& texto) { return Presente(TTipoAviso::taConfirmacion, texto); }
void pite() {
    ++Pitidos();
    Beep();
}

void instale_presentador_avisos(TPresentadorAvisos presentador) { Presentador() = std::move(presentador); }
int pitidos() { return Pitidos(); }

} // namespace tv::app
