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
#include "framework/data/fields_blob.h"
#include "framework/data/fields_datetime.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "framework/ui/basiccontrols.h"

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
    p.Field("Panel1", &TFichaArticulo::Panel1);
    p.Field("Label1", &TFichaArticulo::Label1);
    p.Field("DBEdit1", &TFichaArticulo::DBEdit1);
    p.Field("Label2", &TFichaArticulo::Label2);
    p.Field("DBEdit2", &TFichaArticulo::DBEdit2);
    p.Field("Label3", &TFichaArticulo::Label3);
    p.Field("DBEdit3", &TFichaArticulo::DBEdit3);
    p.Field("Panel2", &TFichaArticulo::Panel2);
    p.Field("SBGrabar", &TFichaArticulo::SBGrabar);
    p.Field("SBCancelar", &TFichaArticulo::SBCancelar);
    p.Field("SBSalir", &TFichaArticulo::SBSalir);
    p.Field("PArticulo", &TFichaArticulo::PArticulo);
    p.Field("CArticulo", &TFichaArticulo::CArticulo);
    p.Field("CArticuloARTI_COD", &TFichaArticulo::CArticuloARTI_COD);
    p.Field("CArticuloARTI_DES", &TFichaArticulo::CArticuloARTI_DES);
    p.Field("CArticuloARTI_DESVAR", &TFichaArticulo::CArticuloARTI_DESVAR);
    p.Field("CArticuloARTI_TIPO", &TFichaArticulo::CArticuloARTI_TIPO);
    p.Field("CArticuloARTI_EXIST", &TFichaArticulo::CArticuloARTI_EXIST);
    p.Field("CArticuloARTI_UNIDAD", &TFichaArticulo::CArticuloARTI_UNIDAD);
    p.Field("CArticuloGRUP_COD", &TFichaArticulo::CArticuloGRUP_COD);
    p.Field("CArticuloSUBG_COD", &TFichaArticulo::CArticuloSUBG_COD);
    p.Field("CArticuloMARC_COD", &TFichaArticulo::CArticuloMARC_COD);
    p.Field("CArticuloARTI_FECHA", &TFichaArticulo::CArticuloARTI_FECHA);
    p.Field("CArticuloARTI_PRECIO", &TFichaArticulo::CArticuloARTI_PRECIO);
    p.Field("CArticuloARTI_CONSUMO", &TFichaArticulo::CArticuloARTI_CONSUMO);
    p.Field("CArticuloARTI_IMPOTRO", &TFichaArticulo::CArticuloARTI_IMPOTRO);
    p.Field("CArticuloARTI_PESO", &TFichaArticulo::CArticuloARTI_PESO);
    p.Field("CArticuloARTI_ANCHO", &TFichaArticulo::CArticuloARTI_ANCHO);
    p.Field("CArticuloARTI_ALTO", &TFichaArticulo::CArticuloARTI_ALTO);
    p.Field("CArticuloARTI_LARGO", &TFichaArticulo::CArticuloARTI_LARGO);
    p.Field("CArticuloARTI_OBS", &TFichaArticulo::CArticuloARTI_OBS);
    p.Field("CArticuloARTI_FOTO", &TFichaArticulo::CArticuloARTI_FOTO);
    p.Field("CArticuloARTI_MAX", &TFichaArticulo::CArticuloARTI_MAX);
    p.Field("CArticuloARTI_MIN", &TFichaArticulo::CArticuloARTI_MIN);
    p.Field("CArticuloARTI_DIAS", &TFichaArticulo::CArticuloARTI_DIAS);
    p.Field("CArticuloESAR_COD", &TFichaArticulo::CArticuloESAR_COD);
    p.Field("CArticuloARTI_USUARIO", &TFichaArticulo::CArticuloARTI_USUARIO);
    p.Field("CArticuloTAIV_COD", &TFichaArticulo::CArticuloTAIV_COD);
    p.Field("DArticulo", &TFichaArticulo::DArticulo);
    p.Field("sSkinProvider1", &TFichaArticulo::sSkinProvider1);
}

void TFichaArticulo::FormCreate(TObject*) {
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
