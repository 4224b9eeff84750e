#include "app/windows/articulos.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/sqltexto.h"
#include "app/windows/celdapiel.h"
#include "app/windows/edtarticulo.h"
#include "app/windows/listabusqueda.h"
#include "app/windows/menugrilla.h"
#include "app/windows/nvoarticulo.h"
#include "app/windows/ventanas.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/application.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbnavigator.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "grid/stfilter.h"
#include "gridservices/print/printdbgrideh.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"
#include "framework/data/fields_string.h"
#include "framework/ui/basiccontrols.h"

namespace tv::app {

Tfarticulos* farticulos = nullptr;

Tfarticulos::Tfarticulos(TComponent* owner) : TListaBusqueda(owner, "Articulos") {}

Tfarticulos::~Tfarticulos() {
    if (farticulos == this) farticulos = nullptr;
}

void Tfarticulos::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfarticulos::FormCreate);
    p.Method("FormActivate", &Tfarticulos::FormActivate);
    p.Method("FormClose", &Tfarticulos::FormClose);
    p.Method("FormKeyDown", &Tfarticulos::FormKeyDown);
    p.Method("SpeedButton1Click", &Tfarticulos::SpeedButton1Click);
    p.Method("SBNuevoClick", &Tfarticulos::SBNuevoClick);
    p.Method("SBModificarClick", &Tfarticulos::SBModificarClick);
    p.Method("SBBorrarClick", &Tfarticulos::SBBorrarClick);
    p.Method("SBSelecClick", &Tfarticulos::SBSelecClick);
    p.Method("SpeedButton2Click", &Tfarticulos::SpeedButton2Click);
    p.Method("ckfiltroClick", &Tfarticulos::ckfiltroClick);
    p.Field("CkBuscar", &Tfarticulos::CkBuscar);
    p.Field("ckfiltro", &Tfarticulos::ckfiltro);
    p.Field("SBNuevo", &Tfarticulos::SBNuevo);
    p.Field("SBModificar", &Tfarticulos::SBModificar);
    p.Field("SBBorrar", &Tfarticulos::SBBorrar);
    p.Field("PArticulo", &Tfarticulos::PArticulo);
    p.Field("CArticulo", &Tfarticulos::CArticulo);
    p.Field("CArticuloARTI_COD", &Tfarticulos::CArticuloARTI_COD);
    p.Field("CArticuloARTI_DES", &Tfarticulos::CArticuloARTI_DES);
    p.Field("CArticuloARTI_UNIDAD", &Tfarticulos::CArticuloARTI_UNIDAD);
    p.Field("DArticulo", &Tfarticulos::DArticulo);
}

void Tfarticulos::FormCreate(TObject*) {
    farticulos = this;
    // The modules are created after the stored definition names them.
    PArticulo->SetDataSet(fdmArt->QArticulos);
    PBorrar->SetDataSet(fdm->QBorrar);
    prepare_lista(this, 304, 512);
    CArticulo->Open();
}

void Tfarticulos::FormActivate(TObject*) {
    if (CArticulo->Active()) CArticulo->Refresh();
}

void Tfarticulos::FormClose(TObject*, TCloseAction& action) {
    CArticulo->Close();
    action = caFree;
}

void Tfarticulos::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (foco_busqueda(EBuscar, key, shift) || !sin_modificadores(shift)) return;
    TSpeedButton* boton = nullptr;
    switch (key) {
    case win::VK_F3: boton = SBBorrar; break;
    case win::VK_F4: boton = SBModificar; break;
    case win::VK_F5: boton = SBNuevo; break;
    case win::VK_RETURN: boton = SBSelec; break;
    case win::VK_ESCAPE:
        key = 0;
        Close();
        return;
    default: return;
    }
    key = 0;
    boton->Click();
}

std::string Tfarticulos::TextoBusqueda() const {
    const std::string columna = RBuscar->ItemIndex() <= 0 ? "arti_cod" : "arti_des";
    return consulta_busqueda("select arti_cod, arti_des, arti_unidad from articulo", " where ", columna,
                             EBuscar->Text(), CkBuscar->Checked(), columna);
}

void Tfarticulos::SpeedButton1Click(TObject*) { abra_busqueda(CArticulo, TextoBusqueda(), CArticulo->CommandText()); }

void Tfarticulos::SBNuevoClick(TObject*) { NewForm<Tfnvoarticulo>(Application); }

std::string Tfarticulos::CodigoActual() const {
    return CArticulo->Active() && !CArticulo->IsEmpty() ? CArticulo->FieldByName("ARTI_COD")->AsString()
                                                         : std::string();
}

void Tfarticulos::SBModificarClick(TObject*) {
    fdm->codigo_articulo = CodigoActual();
    NewForm<Tfedtarticulo>(Application);
}

void Tfarticulos::SBBorrarClick(TObject*) {
    const std::string codigo = CodigoActual();
    if (codigo.empty()) return;
    if (!confirme("Desea borrar definitivamente el artículo " + codigo + " ?")) return;
    ejecute(CBorrar, "delete from articulo where arti_cod = " + sql_texto(codigo));
    CArticulo->Refresh();
}

void Tfarticulos::SBSelecClick(TObject*) {
    fdm->codigo_articulo = CodigoActual();
    Close();
}

// "F8: Saldos" has no action in this station.
void Tfarticulos::SpeedButton2Click(TObject*) {}


void Tfarticulos::ckfiltroClick(TObject*) { DBGridEh1->STFilter()->SetVisible(ckfiltro->Checked()); }

} // namespace tv::app
