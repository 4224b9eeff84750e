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
}

void Tfconsprecios::EnlaceComponentes() {
    NomCia = componente<TLabel>(this, "NomCia");
    Edit1 = componente<TEdit>(this, "Edit1");
    DBImage1 = componente<TDBImage>(this, "DBImage1");
    DBMemo1 = componente<TDBMemo>(this, "DBMemo1");
    PArticulos = componente<TDataSetProvider>(this, "PArticulos");
    CArticulos = componente<TClientDataSet>(this, "CArticulos");
    DArticulos = componente<TDataSource>(this, "DArticulos");
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
