#include "app/windows/puc.h"

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "app/windows/celdapiel.h"
#include "app/windows/listabusqueda.h"
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
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "framework/ui/basiccontrols.h"

namespace tv::app {

Tfpuc* fpuc = nullptr;

Tfpuc::Tfpuc(TComponent* owner) : TListaBusqueda(owner, "PlanUnico") {}

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
    p.Field("Label1", &Tfpuc::Label1);
    p.Field("sbBuscar", &Tfpuc::sbBuscar);
    p.Field("CkDesorden", &Tfpuc::CkDesorden);
    p.Field("PPuc", &Tfpuc::PPuc);
    p.Field("CPuc", &Tfpuc::CPuc);
    p.Field("CPucTIPU_COD", &Tfpuc::CPucTIPU_COD);
    p.Field("CPucPUC_COD", &Tfpuc::CPucPUC_COD);
    p.Field("CPucPUC_NOM", &Tfpuc::CPucPUC_NOM);
    p.Field("CPucPUC_TERC", &Tfpuc::CPucPUC_TERC);
    p.Field("CPucPUC_RETEN", &Tfpuc::CPucPUC_RETEN);
    p.Field("CPucPUC_CTAAJUS", &Tfpuc::CPucPUC_CTAAJUS);
    p.Field("CPucPUC_CTACORR", &Tfpuc::CPucPUC_CTACORR);
    p.Field("CPucPUC_AJDB", &Tfpuc::CPucPUC_AJDB);
    p.Field("DSPuc", &Tfpuc::DSPuc);
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
    PPuc->SetDataSet(fdm->QPuc);
    PBorrar->SetDataSet(fdm->QCuentas);
    prepare_lista(this, 375, 615);
    SBSelec->SetVisible(!Owner() || Owner()->Name() != "fprincipal");
    const int tipo = tipo_puc(fdm->configuracion("CONTABILIDAD", "GENERAL", "TIPO DE PUC A UTILIZAR"));
    consulta_base = "select * from PUC where TIPU_COD = " + IntToStr(tipo);
    consulta_actual = consulta_base + " order by puc_cod";
    abra(CPuc, consulta_actual);
}

void Tfpuc::FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
    if (foco_busqueda(EBuscar, key, shift) || !sin_modificadores(shift)) return;
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
    const std::string anterior = consulta_actual;
    const std::string sql =
        consulta_busqueda(consulta_base, " and ", ColumnaBusqueda(), EBuscar->Text(), CkDesorden->Checked(), orden);
    abra_busqueda(CPuc, sql, anterior);
    consulta_actual = sql;
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


} // namespace tv::app
