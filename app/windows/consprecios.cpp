#include "app/windows/consprecios.h"

#include "app/data/consultas.h"
#include "app/data/dmart.h"
#include "app/windows/imagen.h"
#include "app/windows/principal.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/memo.h"

namespace tv::app {

Tfconsprecios* fconsprecios = nullptr;

namespace {
// Columns shown in labels, each with its label's name.
const std::pair<const char*, const char*> kColumnas[] = {
    {"DBDes", "DES"},       {"DBGrupo", "GRUPO"}, {"DBMarca", "MARCA"}, {"DBUnidad", "UNIDAD"},
    {"DBPrecio", "PRECIO"}, {"DBIva", "IVA"},     {"DBPeso", "PESO"},   {"DBLargo", "LARGO"},
    {"DBAlto", "ALTO"},     {"DBAncho", "ANCHO"}, {"DBPum", "PUM"},     {"DBConsumo", "CONSUMO"},
    {"DBTotal", "TOTAL"}};
const char* const kConFormato[] = {"PRECIO", "PESO", "LARGO", "ALTO", "ANCHO", "PUM"};
} // namespace

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
    DBImage1 = componente<TImagen>(this, "DBImage1");
    DBMemo1 = componente<TMemo>(this, "DBMemo1");
    PArticulos = componente<TDataSetProvider>(this, "PArticulos");
    CArticulos = componente<TClientDataSet>(this, "CArticulos");
    DArticulos = componente<TDataSource>(this, "DArticulos");
    PArticulos->SetDataSet(fdmArt->QArticulos);
    TProviderOptions o = PArticulos->Options();
    o.Include(poAllowCommandText);
    PArticulos->SetOptions(o);
    CArticulos->SetProviderName(PArticulos->Name());
    DArticulos->SetDataSet(CArticulos);
    for (const auto& [etiqueta, columna] : kColumnas) etiquetas_.emplace_back(componente<TLabel>(this, etiqueta), columna);
}

void Tfconsprecios::FormCreate(TObject*) {
    EnlaceComponentes();
    if (fprincipal) NomCia->SetCaption(fprincipal->ECompania->Text());
    MuestreArticulo();
}

void Tfconsprecios::Enteratab(TObject* sender, char32_t& key) {
    if (key != U'\r') return;
    key = 0;
    SelectNext(dynamic_cast<TWinControl*>(sender), true, true);
}

void Tfconsprecios::Edit1Exit(TObject*) {
    CArticulos->Close();
    const std::string lista = fprincipal ? fprincipal->lista_precios : std::string();
    CArticulos->SetCommandText(fdmArt->texto_consulta_precios(Edit1->Text(), lista));
    try {
        CArticulos->Open();
    } catch (...) {
        // The failure goes to the central handler; the cashier scans again.
        MuestreArticulo();
        Edit1->SetFocus();
        throw;
    }
    for (const char* c : kConFormato)
        if (TField* f = CArticulos->FindField(c)) f->SetDisplayFormat("#,###.00");
    MuestreArticulo();
    Edit1->SetFocus();
}

void Tfconsprecios::MuestreArticulo() {
    bool hay = CArticulos->Active() && !CArticulos->IsEmpty();
    for (auto& [etiqueta, columna] : etiquetas_) {
        TField* f = hay ? CArticulos->FindField(columna) : nullptr;
        etiqueta->SetCaption(f ? f->DisplayText() : std::string());
    }
    TField* obs = hay ? CArticulos->FindField("OBSERVACIONES") : nullptr;
    DBMemo1->SetText(obs ? obs->AsString() : std::string());
    TField* foto = hay ? CArticulos->FindField("FOTO") : nullptr;
    DBImage1->CargueBytes(foto && !foto->IsNull() ? foto->AsString() : std::string());
}

TLabel* Tfconsprecios::Etiqueta(const std::string& columna) const {
    for (const auto& [etiqueta, c] : etiquetas_)
        if (c == columna) return etiqueta;
    return nullptr;
}

} // namespace tv::app
