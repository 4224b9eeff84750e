#pragma once
// Tfprincipal, the main window: the MDI parent that carries the status bar of
// every message, the header with company and user, and the menu. Its first
// activation runs the login; then it shows the price query maximised and
// modal, and closes (ending the program) when the price query closes.
#include <string>

#include "app/data/ventanaprincipal.h"
#include "framework/ui/forms.h"

namespace tv {
class TAction;
class TActionList;
class TEdit;
class TImage;
class TLabel;
class TMainMenu;
class TPanel;
class TStatusBar;
class TTimer;
} // namespace tv

namespace tv::app {

class Tfconsprecios;

class Tfprincipal : public TForm, public IVentanaPrincipal {
    TV_CLASS(Tfprincipal, TForm)
public:
    explicit Tfprincipal(TComponent* owner = nullptr);
    ~Tfprincipal() override;
    static void Publish(TPublisher& p);

    // --- components ---
    TStatusBar* StatusBar1 = nullptr;
    TPanel* Panel1 = nullptr;
    TEdit* ECompania = nullptr;
    TEdit* EUsuario = nullptr;
    TImage* Image1 = nullptr;
    TTimer* Timer2 = nullptr;
    // The rest of the stored definition's components.
    TLabel *Label1 = nullptr, *Label2 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TActionList* ActionList1 = nullptr;

    // --- context set by the login ---
    bool primera_activacion = false;
    std::string separador;
    std::string servidor;
    std::string clave;
    std::string lista_precios;  // price list code as text
    bool administrador = false;
    bool modo_cierre = false;   // Tfclave asks the closing password (else the returns one)

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void Timer2Timer(TObject* sender);
    void Acercade1Click(TObject* sender);
    void NvoarticuloExecute(TObject*) {}
    void BusarticuloExecute(TObject*) {}
    void cotizacionesExecute(TObject*) {}
    void pedidosExecute(TObject*) {}
    void remisionesExecute(TObject*) {}
    void devolucionesExecute(TObject*) {}
    void BitBtn5Click(TObject* sender);

    void diraplicacion(std::string& directorio);
    void ubicaciondb(std::string& ubicacion);
    // Asks the closing (or returns) password; true when it was given.
    bool autorizacion_cierre();

    // --- the status bar, as the central data module uses it ---
    std::string TextoBarra() const override;
    void SetTextoBarra(const std::string& texto) override;
    TAvisoBarra AvisoBarra() const override { return aviso_; }
    void SetAvisoBarra(TAvisoBarra aviso) override;
    void ArranqueTemporizador(int milisegundos) override;
    void Repinte() override;
    bool Administrador() const override { return administrador; }

private:
    void CreeMenu();
    // The road after a confirmed login: reconnect, header, price query.
    void DespuesDelIngreso();

    TAvisoBarra aviso_ = TAvisoBarra::abNinguno;
};

extern Tfprincipal* fprincipal;

} // namespace tv::app
