#include "app/windows/puc.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "app/windows/celdapiel.h"
#include "app/windows/menugrilla.h"
#include "app/windows/ventanas.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbnavigator.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/print/printdbgrideh.h"
#include "platform/window/input.h"
#include "skin/skinprovider.h"

namespace tv::app {

Tfpuc* fpuc = nullptr;

Tfpuc::Tfpuc(TComponent* owner) : TForm(owner) {}

Tfpuc::~Tfpuc() {
    if (fpuc == this) fpuc = nullptr;
}

void Tfpuc::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfpuc::FormCreate);
    p.Method("FormKeyDown", &Tfpuc::FormKeyDown);
    p.Method("sbBuscarClick", &Tfpuc::sbBuscarClick);
    p.Method("SBSelecClick", &Tfpuc::SBSelecClick);
    p.Method("SpeedButton1Click", &Tfpuc::SpeedButton1Click);
    p.Method("SpeedButton2Click", &Tfpuc::SpeedButton2Click);
    p.Method("DBGridEh1TitleClick", &Tfpuc::DBGridEh1TitleClick);
    p.Method("DBGridEh1DrawColumnCell", &Tfpuc::DBGridEh1DrawColumnCell);
    p.Method("ppmCopyClick", &Tfpuc::ppmCopyClick);
    p.Method("ppmSelectAllClick", &Tfpuc::ppmSelectAllClick);
    p.Method("ppmPreviewClick", &Tfpuc::ppmPreviewClick);
    p.Method("ppmSaveSelectionClick", &Tfpuc::ppmSaveSelectionClick);
}

int Tfpuc::tipo_puc(const std::string& valor) {
    if (valor == "COMERCIAL") return 1;
    if (valor == "OFICIAL") return 2;
    if (valor == "COOPERATIVO") return 3;
    if (valor == "SERVICIOSP") return 4;
    return 5;
}

void Tfpuc::FormCreate(TObject*) {
    fpuc = this;
    EBuscar = componente<TEdit>(this, "EBuscar");
    sbBuscar = componente<TSpeedButton>(this, "sbBuscar");
    RBuscar = componente<TRadioGroup>(this, "RBuscar");
    CkDesorden = componente<TCheckBox>(this, "CkDesorden");
    DBGridEh1 = componente<TDBGridEh>(this, "DBGridEh1");
    DBNavigator1 = componente<TDBNavigator>(this, "DBNavigator1");
    SBSelec = componente<TSpeedButton>(this, "SBSelec");
    SpeedButton1 = componente<TSpeedButton>(this, "SpeedButton1");
    SpeedButton2 = componente<TSpeedButton>(this, "SpeedButton2");
    PPuc = componente<TDataSetProvider>(this, "PPuc");
    CPuc = componente<TClientDataSet>(this, "CPuc");
    DSPuc = componente<TDataSource>(this, "DSPuc");
    PBorrar = componente<TDataSetProvider>(this, "PBorrar");
    CBorrar = componente<TClientDataSet>(this, "CBorrar");
    PopupMenu1 = componente<TPopupMenu>(this, "PopupMenu1");
    ppmCopy = componente<TMenuItem>(this, "ppmCopy");
    ppmSelectAll = componente<TMenuItem>(this, "ppmSelectAll");
    ppmPreview = componente<TMenuItem>(this, "ppmPreview");
    ppmSaveSelection = componente<TMenuItem>(this, "ppmSaveSelection");
    SaveDialog1 = componente<TSaveDialog>(this, "SaveDialog1");
    PrintDBGridEh1 = componente<TPrintDBGridEh>(this, "PrintDBGridEh1");
    sSkinProvider1 = componente<TsSkinProvider>(this, "sSkinProvider1");
    PPuc->SetDataSet(fdm->QPuc);
    PBorrar->SetDataSet(fdm->QCuentas);

    fdm->ConfigurarProviders(this);
    if (fdm->duracion_busquedas > 0) DBGridEhIncSearchPause = fdm->duracion_busquedas;
    SBSelec->SetVisible(!Owner() || Owner()->Name() != "fprincipal");
    const int tipo = tipo_puc(fdm->configuracion("CONTABILIDAD", "GENERAL", "TIPO DE PUC A UTILIZAR"));
    consulta_base = "select * from PUC where TIPU_COD = " + IntToStr(tipo);
    consulta_actual = consulta_base + " order by puc_cod";
    abra(CPuc, consulta_actual);
    ubique_ventana(this, Height(), Width());
    SetHeight(375);
    SetWidth(615);
}

void Tfpuc::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (key == win::VK_F12 && shift == TShiftState{ssShift}) {
        key = 0;
        EBuscar->SetFocus();
        return;
    }
    if (!sin_modificadores(shift)) return;
    switch (key) {
    case win::VK_RETURN:
        // A chart opened from the main window has nothing to pick for.
        if (!SBSelec->Visible()) return;
        key = 0;
        SBSelec->Click();
        break;
    case win::VK_F11:
        key = 0;
        SpeedButton1->Click();
        break;
    case win::VK_ESCAPE:
        key = 0;
        Close();
        break;
    default: break;
    }
}

std::string Tfpuc::ColumnaBusqueda() const {
    // With no item chosen the code stands in, so the statement stays whole.
    return RBuscar->ItemIndex() == 1 ? "puc_nom" : "puc_cod";
}

void Tfpuc::Busque(const std::string& orden) {
    std::string sql = consulta_base;
    const std::string texto = EBuscar->Text();
    if (!texto.empty()) {
        sql += " and " + ColumnaBusqueda();
        if (CkDesorden->Checked()) sql += " like " + sql_texto("%" + texto + "%");
        else sql += " >= " + sql_texto(texto);
    }
    sql += " order by " + orden;
    const std::string anterior = consulta_actual;
    consulta_actual = sql;
    try {
        abra(CPuc, consulta_actual);
    } catch (...) {
        consulta_actual = anterior;
        abra(CPuc, consulta_actual);
        throw;
    }
}

void Tfpuc::sbBuscarClick(TObject*) { Busque(ColumnaBusqueda()); }

void Tfpuc::DBGridEh1TitleClick(TColumnEh* column) {
    if (column && !column->FieldName().empty()) Busque(column->FieldName());
}

void Tfpuc::SBSelecClick(TObject*) { SetModalResult(mrOk); }

void Tfpuc::SpeedButton2Click(TObject*) { SetModalResult(mrCancel); }

void Tfpuc::SpeedButton1Click(TObject*) {
    const TBookmarkListEh& marcadas = DBGridEh1->SelectedBookmarks();
    TSQLStoredProc* crea = fdm->SCreectapuc;
    for (int i = 0; i < marcadas.SelectedCount(); ++i) {
        CPuc->GotoBookmark(marcadas.GetItem(i));
        parametro(crea->Params(), "CUENTA").SetAsString(CPuc->FieldByName("PUC_COD")->AsString());
        crea->ExecProc();
    }
    SetModalResult(mrNone);
    CPuc->Close();
    Close();
}

void Tfpuc::DBGridEh1DrawColumnCell(TObject*, const win::RECT& rect, int dataCol, TColumnEh* column,
                                    TGridDrawState state) {
    pinte_celda_piel(DBGridEh1, rect, dataCol, column, state);
}

void Tfpuc::ppmCopyClick(TObject*) { copie_seleccion(this); }
void Tfpuc::ppmSelectAllClick(TObject*) { seleccione_todo(this); }
void Tfpuc::ppmPreviewClick(TObject*) { imprima_grilla(this, PrintDBGridEh1); }
void Tfpuc::ppmSaveSelectionClick(TObject*) { guarde_seleccion(this, SaveDialog1, "PlanUnico"); }

} // namespace tv::app
