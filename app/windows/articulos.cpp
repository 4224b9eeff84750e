#include "app/windows/articulos.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/sqltexto.h"
#include "app/windows/celdapiel.h"
#include "app/windows/edtarticulo.h"
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

Tfarticulos::Tfarticulos(TComponent* owner) : TForm(owner) {}

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
    p.Method("ppmCopyClick", &Tfarticulos::ppmCopyClick);
    p.Method("ppmSelectAllClick", &Tfarticulos::ppmSelectAllClick);
    p.Method("ppmPreviewClick", &Tfarticulos::ppmPreviewClick);
    p.Method("ppmSaveSelectionClick", &Tfarticulos::ppmSaveSelectionClick);
    p.Method("ckfiltroClick", &Tfarticulos::ckfiltroClick);
    p.Method("DBGridEh1DrawColumnCell", &Tfarticulos::DBGridEh1DrawColumnCell);
    p.Field("Panel1", &Tfarticulos::Panel1);
    p.Field("RBuscar", &Tfarticulos::RBuscar);
    p.Field("EBuscar", &Tfarticulos::EBuscar);
    p.Field("SpeedButton1", &Tfarticulos::SpeedButton1);
    p.Field("CkBuscar", &Tfarticulos::CkBuscar);
    p.Field("ckfiltro", &Tfarticulos::ckfiltro);
    p.Field("DBGridEh1", &Tfarticulos::DBGridEh1);
    p.Field("DBNavigator1", &Tfarticulos::DBNavigator1);
    p.Field("Panel2", &Tfarticulos::Panel2);
    p.Field("SBNuevo", &Tfarticulos::SBNuevo);
    p.Field("SBModificar", &Tfarticulos::SBModificar);
    p.Field("SBBorrar", &Tfarticulos::SBBorrar);
    p.Field("SBSelec", &Tfarticulos::SBSelec);
    p.Field("SpeedButton2", &Tfarticulos::SpeedButton2);
    p.Field("PArticulo", &Tfarticulos::PArticulo);
    p.Field("CArticulo", &Tfarticulos::CArticulo);
    p.Field("CArticuloARTI_COD", &Tfarticulos::CArticuloARTI_COD);
    p.Field("CArticuloARTI_DES", &Tfarticulos::CArticuloARTI_DES);
    p.Field("CArticuloARTI_UNIDAD", &Tfarticulos::CArticuloARTI_UNIDAD);
    p.Field("DArticulo", &Tfarticulos::DArticulo);
    p.Field("PBorrar", &Tfarticulos::PBorrar);
    p.Field("CBorrar", &Tfarticulos::CBorrar);
    p.Field("PopupMenu1", &Tfarticulos::PopupMenu1);
    p.Field("ppmCopy", &Tfarticulos::ppmCopy);
    p.Field("ppmSelectAll", &Tfarticulos::ppmSelectAll);
    p.Field("N1", &Tfarticulos::N1);
    p.Field("ppmPreview", &Tfarticulos::ppmPreview);
    p.Field("ppmSaveSelection", &Tfarticulos::ppmSaveSelection);
    p.Field("SaveDialog1", &Tfarticulos::SaveDialog1);
    p.Field("PrintDBGridEh1", &Tfarticulos::PrintDBGridEh1);
    p.Field("sSkinProvider1", &Tfarticulos::sSkinProvider1);
}

void Tfarticulos::FormCreate(TObject*) {
    farticulos = this;
    // The modules are created after the stored definition names them.
    PArticulo->SetDataSet(fdmArt->QArticulos);
    PBorrar->SetDataSet(fdm->QBorrar);

    fdm->ConfigurarProviders(this);
    // A context without a search duration keeps the grid's own pause.
    if (fdm->duracion_busquedas > 0) DBGridEhIncSearchPause = fdm->duracion_busquedas;
    CArticulo->Open();
    ubique_ventana(this, Height(), Width());
    SetHeight(304);
    SetWidth(512);
}

void Tfarticulos::FormActivate(TObject*) {
    if (CArticulo->Active()) CArticulo->Refresh();
}

void Tfarticulos::FormClose(TObject*, TCloseAction& action) {
    CArticulo->Close();
    action = caFree;
}

void Tfarticulos::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (key == win::VK_F12 && shift == TShiftState{ssShift}) {
        key = 0;
        EBuscar->SetFocus();
        return;
    }
    if (!sin_modificadores(shift)) return;
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
    const std::string columna = RBuscar->ItemIndex() <= 0 ? "arti_cod " : "arti_des ";
    std::string sql = "select arti_cod, arti_des, arti_unidad from articulo ";
    const std::string texto = EBuscar->Text();
    if (!texto.empty()) {
        sql += "where " + columna;
        if (CkBuscar->Checked()) sql += "like " + sql_texto("%" + texto + "%") + " ";
        else sql += ">= " + sql_texto(texto) + " ";
    }
    return sql + " order by " + columna;
}

void Tfarticulos::SpeedButton1Click(TObject*) {
    const std::string anterior = CArticulo->CommandText();
    try {
        abra(CArticulo, TextoBusqueda());
    } catch (...) {
        // The list keeps showing what it showed; the error goes to the central handler.
        abra(CArticulo, anterior);
        throw;
    }
}

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

void Tfarticulos::ppmCopyClick(TObject*) { copie_seleccion(this); }
void Tfarticulos::ppmSelectAllClick(TObject*) { seleccione_todo(this); }
void Tfarticulos::ppmPreviewClick(TObject*) { imprima_grilla(this, PrintDBGridEh1); }
void Tfarticulos::ppmSaveSelectionClick(TObject*) { guarde_seleccion(this, SaveDialog1, "Articulos"); }

void Tfarticulos::ckfiltroClick(TObject*) { DBGridEh1->STFilter()->SetVisible(ckfiltro->Checked()); }

void Tfarticulos::DBGridEh1DrawColumnCell(TObject*, const win::RECT& rect, int dataCol, TColumnEh* column,
                                          TGridDrawState state) {
    pinte_celda_piel(DBGridEh1, rect, dataCol, column, state);
}

} // namespace tv::app
