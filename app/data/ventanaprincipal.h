#pragma once
// What the central data module asks of the main window: the first panel of its
// status bar with the colour that tells which message shows, the timer that
// clears it, and the administrator flag of the logged-in user. The main window
// implements it and hands itself to Tfdm::principal when it is created.
#include <string>

namespace tv::app {

// The status bar's colours: button face (nothing), red (warning), sky blue
// (reminder), the skin manager's global colour (rows being fetched).
enum class TAvisoBarra { abNinguno, abAdvertencia, abRecordatorio, abSolicitando };

class IVentanaPrincipal {
public:
    virtual ~IVentanaPrincipal() = default;

    virtual std::string TextoBarra() const = 0;
    virtual void SetTextoBarra(const std::string& texto) = 0;
    virtual TAvisoBarra AvisoBarra() const = 0;
    virtual void SetAvisoBarra(TAvisoBarra aviso) = 0;
    // Timer2 gets the interval and starts; its tick clears the bar.
    virtual void ArranqueTemporizador(int milisegundos) = 0;
    // Repaints the main window at once.
    virtual void Repinte() = 0;
    virtual bool Administrador() const = 0;
};

} // namespace tv::app
