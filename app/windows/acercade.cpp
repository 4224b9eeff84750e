#include "app/windows/acercade.h"

#include "app/windows/ventanas.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/graphiccontrols.h"

namespace tv::app {

Tfacercade::Tfacercade(TComponent* owner) : TForm(owner) {}
Tfacercade::~Tfacercade() = default;

void Tfacercade::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfacercade::FormCreate);
    p.Method("FormClose", &Tfacercade::FormClose);
    p.Field("Panel1", &Tfacercade::Panel1);
    p.Field("Label1", &Tfacercade::Label1);
    p.Field("Label2", &Tfacercade::Label2);
    p.Field("Image1", &Tfacercade::Image1);
    p.Field("Image2", &Tfacercade::Image2);
}

void Tfacercade::FormCreate(TObject*) {
    SetHeight(205);
    SetWidth(296);
    ubique_ventana(this, Height(), Width());
}

void Tfacercade::FormClose(TObject*, TCloseAction& action) { action = caFree; }

} // namespace tv::app
