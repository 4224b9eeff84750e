#include "app/windows/preginterfaz.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/windows/celdapiel.h"
#include "app/windows/ventanas.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "grid/dbgrideh.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"

namespace tv::app {

Tfpreginterfaz* fpreginterfaz = nullptr;

Tfpreginterfaz::Tfpreginterfaz(TComponent* owner) : TForm(owner) {}

Tfpreginterfaz::~Tfpreginterfaz() {
    // The choice is over: nothing may reach the freed dialog through the variable.
    if (fpreginterfaz == this) fpreginterfaz = nullptr;
}

void Tfpreginterfaz::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfpreginterfaz::FormCreate);
    p.Method("FormClose", &Tfpreginterfaz::FormClose);
    p.Method("FormKeyDown", &Tfpreginterfaz::FormKeyDown);
    p.Method("DBGridEh1DblClick", &Tfpreginterfaz::DBGridEh1DblClick);
    p.Method("DBGridEh1DrawColumnCell", &Tfpreginterfaz::DBGridEh1DrawColumnCell);
    p.Field("Panel1", &Tfpreginterfaz::Panel1);
    p.Field("BitBtn1", &Tfpreginterfaz::BitBtn1);
    p.Field("BitBtn2", &Tfpreginterfaz::BitBtn2);
    p.Field("DBGridEh1", &Tfpreginterfaz::DBGridEh1);
    p.Field("sSkinProvider1", &Tfpreginterfaz::sSkinProvider1);
}

void Tfpreginterfaz::FormCreate(TObject*) {
    SetHeight(172);
    SetWidth(271);
}

void Tfpreginterfaz::FormClose(TObject*, TCloseAction& action) { action = caFree; }

// The key goes on to the focused control as it came.
void Tfpreginterfaz::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    if (key == win::VK_F2 || key == win::VK_RETURN) SetModalResult(mrOk);
    else if (key == win::VK_ESCAPE) SetModalResult(mrCancel);
}

void Tfpreginterfaz::DBGridEh1DblClick(TObject*) { SetModalResult(mrOk); }

void Tfpreginterfaz::DBGridEh1DrawColumnCell(TObject*, const win::RECT& rect, int dataCol, TColumnEh* column,
                                             TGridDrawState state) {
    pinte_celda_piel(DBGridEh1, rect, dataCol, column, state);
}

bool pregunte_interfaz(TComponent* modulo, TDataSource* interfaces) {
    fpreginterfaz = NewForm<Tfpreginterfaz>(modulo);
    fpreginterfaz->DBGridEh1->SetDataSource(interfaces);
    return fpreginterfaz->ShowModal() == mrOk;
}

} // namespace tv::app
