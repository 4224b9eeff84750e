#include "app/windows/consprecios.h"

#include "app/data/consultas.h"
#include "app/data/dmart.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/stdctrls/dbimage.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/data/fields_blob.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"

namespace tv::app {

Tfconsprecios* fconsprecios = nullptr;

Tfconsprecios::Tfconsprecios(TComponent* owner) : TForm(owner) {}

Tfconsprecios::~Tfconsprecios() {
    if (fconsprecios == this) fconsprecios = nullptr;
}

void Tfconsprecios::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfconsprecios::FormCreate);
    p.Method("Enteratab", &Tfconsprecios::Enteratab);
    p.Method("Edit1Exit", &Tfconsprecios::Edit1Exit);
    p.Field("Panel1", &Tfconsprecios::Panel1);
    p.Field("Label1", &Tfconsprecios::Label1);
    p.Field("NomCia", &Tfconsprecios::NomCia);
    p.Field("Edit1", &Tfconsprecios::Edit1);
    p.Field("Panel2", &Tfconsprecios::Panel2);
    p.Field("DBDes", &Tfconsprecios::DBDes);
    p.Field("Label10", &Tfconsprecios::Label10);
    p.Field("DBGrupo", &Tfconsprecios::DBGrupo);
    p.Field("Label11", &Tfconsprecios::Label11);
    p.Field("DBMarca", &Tfconsprecios::DBMarca);
    p.Field("Label12", &Tfconsprecios::Label12);
    p.Field("DBUnidad", &Tfconsprecios::DBUnidad);
    p.Field("Label13", &Tfconsprecios::Label13);
    p.Field("DBPrecio", &Tfconsprecios::DBPrecio);
    p.Field("Label14", &Tfconsprecios::Label14);
    p.Field("DBIva", &Tfconsprecios::DBIva);
    p.Field("Label15", &Tfconsprecios::Label15);
    p.Field("DBConsumo", &Tfconsprecios::DBConsumo);
    p.Field("Label16", &Tfconsprecios::Label16);
    p.Field("DBPeso", &Tfconsprecios::DBPeso);
    p.Field("Label17", &Tfconsprecios::Label17);
    p.Field("DBPum", &Tfconsprecios::DBPum);
    p.Field("Label30", &Tfconsprecios::Label30);
    p.Field("DBLargo", &Tfconsprecios::DBLargo);
    p.Field("DBAlto", &Tfconsprecios::DBAlto);
    p.Field("DBAncho", &Tfconsprecios::DBAncho);
    p.Field("Label31", &Tfconsprecios::Label31);
    p.Field("DBTotal", &Tfconsprecios::DBTotal);
    p.Field("DBMemo1", &Tfconsprecios::DBMemo1);
    p.Field("DBImage1", &Tfconsprecios::DBImage1);
    p.Field("PArticulos", &Tfconsprecios::PArticulos);
    p.Field("CArticulos", &Tfconsprecios::CArticulos);
    p.Field("CArticulosARTICULO", &Tfconsprecios::CArticulosARTICULO);
    p.Field("CArticulosDES", &Tfconsprecios::CArticulosDES);
    p.Field("CArticulosGRUPO", &Tfconsprecios::CArticulosGRUPO);
    p.Field("CArticulosMARCA", &Tfconsprecios::CArticulosMARCA);
    p.Field("CArticulosUNIDAD", &Tfconsprecios::CArticulosUNIDAD);
    p.Field("CArticulosPRECIO", &Tfconsprecios::CArticulosPRECIO);
    p.Field("CArticulosIVA", &Tfconsprecios::CArticulosIVA);
    p.Field("CArticulosPESO", &Tfconsprecios::CArticulosPESO);
    p.Field("CArticulosLARGO", &Tfconsprecios::CArticulosLARGO);
    p.Field("CArticulosALTO", &Tfconsprecios::CArticulosALTO);
    p.Field("CArticulosANCHO", &Tfconsprecios::CArticulosANCHO);
    p.Field("CArticulosPUM", &Tfconsprecios::CArticulosPUM);
    p.Field("CArticulosOBSERVACIONES", &Tfconsprecios::CArticulosOBSERVACIONES);
    p.Field("CArticulosFOTO", &Tfconsprecios::CArticulosFOTO);
    p.Field("CArticulosIVAMONTO", &Tfconsprecios::CArticulosIVAMONTO);
    p.Field("CArticulosCONSUMO", &Tfconsprecios::CArticulosCONSUMO);
    p.Field("CArticulosTOTAL", &Tfconsprecios::CArticulosTOTAL);
    p.Field("DArticulos", &Tfconsprecios::DArticulos);
}

void Tfconsprecios::EnlaceComponentes() {
    // The article module is created after the stored definition names it.
    PArticulos->SetDataSet(fdmArt->QArticulos);
}

void Tfconsprecios::FormCreate(TObject*) {
    EnlaceComponentes();
    if (fprincipal) NomCia->SetCaption(fprincipal->ECompania->Text());
}

void Tfconsprecios::Enteratab(TObject* sender, char32_t& key) { enter_a_tab(this, sender, key); }

void Tfconsprecios::Edit1Exit(TObject*) {
    CArticulos->Close();
    const std::string lista = fprincipal ? fprincipal->lista_precios : std::string();
    CArticulos->SetCommandText(fdmArt->texto_consulta_precios(Edit1->Text(), lista));
    try {
        CArticulos->Open();
    } catch (...) {
        // The failure goes to the central handler; the cashier scans again.
        Edit1->SetFocus();
        throw;
    }
    Edit1->SetFocus();
}

TDBText* Tfconsprecios::Etiqueta(const std::string& columna) const {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* t = dynamic_cast<TDBText*>(Components(i)); t && t->DataField() == columna) return t;
    return nullptr;
}

} // namespace tv::app
