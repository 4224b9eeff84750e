#include "app/windows/listabusqueda.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "app/windows/celdapiel.h"
#include "app/windows/menugrilla.h"
#include "app/windows/ventanas.h"
#include "framework/data/clientdataset.h"
#include "framework/data/provider.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbnavigator.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/print/printdbgrideh.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"

namespace tv::app {

TListaBusqueda::TListaBusqueda(TComponent* owner, std::string seleccion)
    : TForm(owner), seleccion_(std::move(seleccion)) {}

void TListaBusqueda::Publish(TPublisher& p) {
    p.Method("ppmCopyClick", &TListaBusqueda::ppmCopyClick);
    p.Method("ppmSelectAllClick", &TListaBusqueda::ppmSelectAllClick);
    p.Method("ppmPreviewClick", &TListaBusqueda::ppmPreviewClick);
    p.Method("ppmSaveSelectionClick", &TListaBusqueda::ppmSaveSelectionClick);
    p.Method("DBGridEh1DrawColumnCell", &TListaBusqueda::DBGridEh1DrawColumnCell);
    p.Field("Panel1", &TListaBusqueda::Panel1);
    p.Field("RBuscar", &TListaBusqueda::RBuscar);
    p.Field("EBuscar", &TListaBusqueda::EBuscar);
    p.Field("DBGridEh1", &TListaBusqueda::DBGridEh1);
    p.Field("DBNavigator1", &TListaBusqueda::DBNavigator1);
    p.Field("Panel2", &TListaBusqueda::Panel2);
    p.Field("SBSelec", &TListaBusqueda::SBSelec);
    p.Field("SpeedButton1", &TListaBusqueda::SpeedButton1);
    p.Field("SpeedButton2", &TListaBusqueda::SpeedButton2);
    p.Field("PBorrar", &TListaBusqueda::PBorrar);
    p.Field("CBorrar", &TListaBusqueda::CBorrar);
    p.Field("PopupMenu1", &TListaBusqueda::PopupMenu1);
    p.Field("ppmCopy", &TListaBusqueda::ppmCopy);
    p.Field("ppmSelectAll", &TListaBusqueda::ppmSelectAll);
    p.Field("N1", &TListaBusqueda::N1);
    p.Field("ppmPreview", &TListaBusqueda::ppmPreview);
    p.Field("ppmSaveSelection", &TListaBusqueda::ppmSaveSelection);
    p.Field("SaveDialog1", &TListaBusqueda::SaveDialog1);
    p.Field("PrintDBGridEh1", &TListaBusqueda::PrintDBGridEh1);
    p.Field("sSkinProvider1", &TListaBusqueda::sSkinProvider1);
}

void TListaBusqueda::ppmCopyClick(TObject*) { copie_seleccion(this); }
void TListaBusqueda::ppmSelectAllClick(TObject*) { seleccione_todo(this); }
void TListaBusqueda::ppmPreviewClick(TObject*) { imprima_grilla(this, PrintDBGridEh1); }
void TListaBusqueda::ppmSaveSelectionClick(TObject*) { guarde_seleccion(this, SaveDialog1, seleccion_); }

void TListaBusqueda::DBGridEh1DrawColumnCell(TObject*, const win::RECT& rect, int dataCol, TColumnEh* column,
                                             TGridDrawState state) {
    pinte_celda_piel(DBGridEh1, rect, dataCol, column, state);
}

std::string consulta_busqueda(const std::string& sql, const std::string& enlace, const std::string& columna,
                              const std::string& texto, bool en_cualquier_parte, const std::string& orden) {
    std::string consulta = sql;
    if (!texto.empty())
        consulta += enlace + columna +
                    (en_cualquier_parte ? " like " + sql_texto("%" + texto + "%") : " >= " + sql_texto(texto));
    return consulta + " order by " + orden;
}

void abra_busqueda(TClientDataSet* lista, const std::string& sql, const std::string& anterior) {
    try {
        abra(lista, sql);
    } catch (...) {
        abra(lista, anterior);
        throw;
    }
}

bool foco_busqueda(TWinControl* buscar, win::WORD& key, TShiftState shift) {
    if (key != win::VK_F12 || shift != TShiftState{ssShift}) return false;
    key = 0;
    buscar->SetFocus();
    return true;
}

void prepare_lista(TCustomForm* ventana, int alto, int ancho) {
    fdm->ConfigurarProviders(ventana);
    // A context without a search duration keeps the grid's own pause.
    if (fdm->duracion_busquedas > 0) DBGridEhIncSearchPause = fdm->duracion_busquedas;
    ubique_ventana(ventana, ventana->Height(), ventana->Width());
    ventana->SetHeight(alto);
    ventana->SetWidth(ancho);
}

} // namespace tv::app
