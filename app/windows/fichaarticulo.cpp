#include "app/windows/fichaarticulo.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/windows/ventanas.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"

namespace tv::app {

TFichaArticulo::TFichaArticulo(TComponent* owner) : TForm(owner) {}
TFichaArticulo::~TFichaArticulo() = default;

void TFichaArticulo::Publish(TPublisher& p) {
    p.Method("FormCreate", &TFichaArticulo::FormCreate);
    p.Method("FormClose", &TFichaArticulo::FormClose);
    p.Method("FormKeyDown", &TFichaArticulo::FormKeyDown);
    p.Method("SBGrabarClick", &TFichaArticulo::SBGrabarClick);
    p.Method("SBCancelarClick", &TFichaArticulo::SBCancelarClick);
    p.Method("SBSalirClick", &TFichaArticulo::SBSalirClick);
    p.Method("Enteratab", &TFichaArticulo::Enteratab);
}

void TFichaArticulo::FormCreate(TObject*) {
    DBEdit1 = componente<TDBEdit>(this, "DBEdit1");
    DBEdit2 = componente<TDBEdit>(this, "DBEdit2");
    DBEdit3 = componente<TDBEdit>(this, "DBEdit3");
    SBGrabar = componente<TSpeedButton>(this, "SBGrabar");
    SBCancelar = componente<TSpeedButton>(this, "SBCancelar");
    SBSalir = componente<TSpeedButton>(this, "SBSalir");
    PArticulo = componente<TDataSetProvider>(this, "PArticulo");
    CArticulo = componente<TClientDataSet>(this, "CArticulo");
    DArticulo = componente<TDataSource>(this, "DArticulo");
    sSkinProvider1 = componente<TsSkinProvider>(this, "sSkinProvider1");
    PArticulo->SetDataSet(fdmArt->TArticulo);

    fdm->ConfigurarProviders(this);
    const bool listo = Prepare();
    ubique_ventana(this, Height(), Width());
    SetHeight(190);
    SetWidth(395);
    if (!listo) cierre_al_crear(this);
}

void TFichaArticulo::FormClose(TObject*, TCloseAction& action) {
    CArticulo->Close();
    action = caFree;
}

void TFichaArticulo::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (!sin_modificadores(shift)) return;
    if (key == win::VK_F2) {
        key = 0;
        SBGrabar->Click();
    } else if (key == win::VK_ESCAPE) {
        key = 0;
        SBCancelar->Click();
    }
}

void TFichaArticulo::SBGrabarClick(TObject*) {
    CArticulo->Post();
    if (CArticulo->ApplyUpdates(0) > 0) {
        // The central handler told why; what was typed stays for the user to mend.
        CArticulo->Edit();
        DBEdit1->SetFocus();
        return;
    }
    Close();
}

void TFichaArticulo::SBCancelarClick(TObject*) {
    CArticulo->Cancel();
    // A row a failed save left pending goes too.
    CArticulo->CancelUpdates();
    Reinicie();
    DBEdit1->SetFocus();
}

void TFichaArticulo::SBSalirClick(TObject*) { Close(); }

void TFichaArticulo::Enteratab(TObject* sender, char32_t& key) { enter_a_tab(this, sender, key); }

} // namespace tv::app
