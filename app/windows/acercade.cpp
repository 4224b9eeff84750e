#include "app/windows/acercade.h"

#include "app/windows/ventanas.h"

namespace tv::app {

Tfacercade::Tfacercade(TComponent* owner) : TForm(owner) {}
Tfacercade::~Tfacercade() = default;

void Tfacercade::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfacercade::FormCreate);
    p.Method("FormClose", &Tfacercade::FormClose);
}

void Tfacercade::FormCreate(TObject*) {
    SetHeight(205);
    SetWidth(296);
    ubique_ventana(this, Height(), Width());
}

void Tfacercade::FormClose(TObject*, TCloseAction& action) { action = caFree; }

} // namespace tv::app
