#include "app/startup/puertoserie.h"

#include <thread>

#include "framework/ui/application.h"
#include "serial/comhandler.h"
#include "serial/comsync.h"

namespace tv::app {

void conecte_puerto_serie() {
    SetSynchronizeHook([] { return ComProcessMessages() > 0; });
    const std::thread::id principal = std::this_thread::get_id();
    SetComExceptionHandler([principal](TObject* remitente, std::exception_ptr error) {
        auto informe = [remitente, error] {
            if (!Application) return;
            try {
                std::rethrow_exception(error);
            } catch (...) {
                Application->HandleException(remitente);
            }
        };
        // A handler that runs on the event thread (no synchronisation) fails
        // there; its error box belongs to the main thread, while that thread waits.
        if (std::this_thread::get_id() == principal) informe();
        else ComSynchronize(remitente, informe);
    });
}

void desconecte_puerto_serie() {
    SetComExceptionHandler(nullptr);
    SetSynchronizeHook(nullptr);
}

} // namespace tv::app
