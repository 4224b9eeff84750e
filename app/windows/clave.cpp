#include "app/windows/clave.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/window/input.h"
#include "framework/ui/basiccontrols.h"

namespace tv::app {

Tfclave::Tfclave(TComponent* owner) : TForm(owner) {}
Tfclave::~Tfclave() = default;

void Tfclave::Publish(TPublisher& p) {
    p.Method("FormKeyDown", &Tfclave::FormKeyDown);
    p.Method("Enteratab", &Tfclave::Enteratab);
    p.Method("BitBtn1Click", &Tfclave::BitBtn1Click);
    p.Field("GroupBox1", &Tfclave::GroupBox1);
    p.Field("Label2", &Tfclave::Label2);
    p.Field("Label1", &Tfclave::Label1);
    p.Field("TClave", &Tfclave::TClave);
    p.Field("BitBtn1", &Tfclave::BitBtn1);
    p.Field("BitBtn2", &Tfclave::BitBtn2);
}

void Tfclave::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    if (key == win::VK_F2) {
        key = 0;
        BitBtn1Click(BitBtn1);
    } else if (key == win::VK_ESCAPE) {
        key = 0;
        SetModalResult(mrCancel);
    }
}

void Tfclave::Enteratab(TObject* sender, char32_t& key) {
    if (key != U'\r') return;
    key = 0;
    SelectNext(dynamic_cast<TWinControl*>(sender), true, true);
}

void Tfclave::BitBtn1Click(TObject*) {
    const bool cierre = fprincipal && fprincipal->modo_cierre;
    std::string guardada =
        cierre ? fdm->configuracion("FACTURACION", "DOCUMENTOS",
                                    "CLAVE ADMINISTRADOR PARA GENERAR EL CIERRE FACTURACION DEL POS")
               : fdm->configuracion("FACTURACION", "DEVOLUCIONES",
                                    "CLAVE ADMINISTRADOR PARA AUTORIZAR DEVOLUCIONES EN EL POS");
    // A missing or empty password setting authorises nothing.
    if (!guardada.empty() && TClave->Text() == guardada) {
        SetModalResult(mrOk);
        return;
    }
    muestre_mensaje(cierre ? "La clave de cierre proporcionada es incorrecta. Consulte son su administrador."
                           : "La clave de devoluciones es incorrecta. Consulte son su administrador.");
    TClave->SetText("");
    TClave->SetFocus();
}

} // namespace tv::app
