#include "app/windows/configuracion.h"

#include "app/data/archivos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/windows/ventanas.h"
#include "framework/ui/bitbtn.h"
#include "platform/window/input.h"
#include "serial/comport.h"
#include "serial/comsetup.h"
#include "framework/ui/basiccontrols.h"

namespace tv::app {

Tfconfigura::Tfconfigura(TComponent* owner) : TForm(owner) {}
Tfconfigura::~Tfconfigura() = default;

void Tfconfigura::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfconfigura::FormCreate);
    p.Method("FormClose", &Tfconfigura::FormClose);
    p.Method("FormKeyDown", &Tfconfigura::FormKeyDown);
    p.Method("SpeedButton1Click", &Tfconfigura::SpeedButton1Click);
    p.Method("SpeedButton2Click", &Tfconfigura::SpeedButton2Click);
    p.Field("Panel1", &Tfconfigura::Panel1);
    p.Field("SpeedButton1", &Tfconfigura::SpeedButton1);
    p.Field("SpeedButton2", &Tfconfigura::SpeedButton2);
    p.Field("ComPort1", &Tfconfigura::ComPort1);
}

void Tfconfigura::FormCreate(TObject*) {
    if (fdm) fdm->ConfigurarProviders(this);
    ubique_ventana(this, Height(), Width());
    SetHeight(110);
    SetWidth(213);
}

void Tfconfigura::FormClose(TObject*, TCloseAction& action) { action = caFree; }

void Tfconfigura::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    if (key == win::VK_F4) {
        key = 0;
        SpeedButton1->Click();
    } else if (key == win::VK_F7) {
        key = 0;
        SpeedButton2->Click();
    }
}

void Tfconfigura::SpeedButton1Click(TObject*) { ConfigureDispositivo("cnfptocaj.ini"); }
void Tfconfigura::SpeedButton2Click(TObject*) { ConfigureDispositivo("cnfptobal.ini"); }

namespace {
// The setup window the dialog would have shown, watched for how it closed.
class VistaVigilada : public TComSetupView {
public:
    VistaVigilada(std::unique_ptr<TComSetupView> vista, bool& confirmado)
        : vista_(std::move(vista)), confirmado_(confirmado) {}
    TComSelect& Combo(int i) override { return vista_->Combo(i); }
    bool ShowModal() override { return confirmado_ = vista_->ShowModal(); }

private:
    std::unique_ptr<TComSetupView> vista_;
    bool& confirmado_;
};
} // namespace

void Tfconfigura::ConfigureDispositivo(const std::string& archivo) {
    bool confirmado = false;
    // Cancel must not overwrite the stored settings with unchanged ones.
    TComSetupViewFactory anterior;
    anterior = SetComSetupViewFactory([&anterior, &confirmado]() -> std::unique_ptr<TComSetupView> {
        std::unique_ptr<TComSetupView> vista =
            anterior ? anterior() : std::unique_ptr<TComSetupView>(std::make_unique<TComSetupData>());
        return std::make_unique<VistaVigilada>(std::move(vista), confirmado);
    });
    struct Restaure {
        TComSetupViewFactory& f;
        ~Restaure() { SetComSetupViewFactory(f); }
    } restaure{anterior};
    ComPort1->ShowSetupDialog();
    if (confirmado) ComPort1->StoreSettings(true, archivo_aplicacion(archivo));
}

} // namespace tv::app
