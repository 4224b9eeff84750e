#include "data/fixture.h"

#include "core/datetime.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"

using namespace tv;

namespace tvtest {

const std::vector<Articulo>& Articulos() {
    static const std::vector<Articulo> rows = {
        {7, "Zanahoria", "1500.00", "2026/01/15", true},  {3, "árbol de Navidad", "89900.50", "2025/12/01", false},
        {9, "Ñame", "3200.00", "2026/02/01", true},       {1, "Arroz", "2100.00", "2026/01/02", true},
        {5, "nabo", "800.25", nullptr, true},             {2, "azúcar", "2800.00", "2026/01/10", true},
        {10, "ñoquis", "4500.00", "2026/03/05", false},   {4, "Éxito 'especial'", "12000.00", "2026/01/20", true},
        {8, "Oliva", "15000.00", "2026/02/14", true},     {6, "Café", "9800.00", "2025/11/30", true},
    };
    return rows;
}

ArticleModule::ArticleModule() : TComponent(nullptr) {
    SetName("fdmPrueba");
    tabla = new TClientDataSet(this);
    tabla->SetName("TArticulos");
    TFieldDef& cod = tabla->FieldDefs().Add("CODIGO", ftInteger, 0, true);
    cod.SetProviderFlags({pfInUpdate, pfInWhere, pfInKey});
    tabla->FieldDefs().Add("NOMBRE", ftString, 30, true);
    tabla->FieldDefs().Add("PRECIO", ftFMTBcd, 2).SetPrecision(15);
    tabla->FieldDefs().Add("FECHA", ftDate);
    tabla->FieldDefs().Add("ACTIVO", ftBoolean);
    tabla->CreateDataSet();

    provider = new TDataSetProvider(this);
    provider->SetName("PArticulos");
    provider->SetDataSet(tabla);

    cds = new TClientDataSet(this);
    cds->SetName("CArticulos");
    cds->SetProviderName("PArticulos");

    source = new TDataSource(this);
    source->SetName("DArticulos");
    source->SetDataSet(cds);
}

ArticleModule::~ArticleModule() { DestroyComponents(); }

void ArticleModule::Fill(const std::vector<Articulo>& rows) {
    for (const Articulo& a : rows) {
        tabla->Append();
        tabla->FieldByName("CODIGO")->SetAsInteger(a.codigo);
        tabla->FieldByName("NOMBRE")->SetAsString(a.nombre);
        tabla->FieldByName("PRECIO")->SetAsBCD(StrToBcd(a.precio, TFormatSettings::Invariant()));
        if (a.fecha) tabla->FieldByName("FECHA")->SetAsDateTime(EncodeDate(std::stoi(std::string(a.fecha).substr(0, 4)),
                                                                          std::stoi(std::string(a.fecha).substr(5, 2)),
                                                                          std::stoi(std::string(a.fecha).substr(8, 2))));
        tabla->FieldByName("ACTIVO")->SetAsBoolean(a.activo);
        tabla->Post();
    }
    tabla->MergeChangeLog();
}

void ArticleModule::OpenClient() { cds->Open(); }

std::vector<std::string> ArticleModule::Names() { return Names(cds, "NOMBRE"); }

std::vector<std::string> ArticleModule::Names(TDataSet* ds, const std::string& field) {
    std::vector<std::string> out;
    const TBookmark b = ds->Bookmark();
    ds->DisableControls();
    ds->First();
    while (!ds->Eof()) {
        out.push_back(ds->FieldByName(field)->AsString());
        ds->Next();
    }
    if (!b.empty()) ds->GotoBookmark(b);
    ds->EnableControls();
    return out;
}

void RecordingLink::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deDisabledStateChange) log.push_back("disabled " + std::to_string(info));
    TDataLink::DataEvent(event, info);
}

void RecordingLink::DataSetScrolled(int distance) {
    scrolls.push_back(distance);
    log.push_back("scrolled " + std::to_string(distance));
}

void RecordingLink::RecordChanged(TField* field) {
    log.push_back(field ? "record " + field->FieldName() : "record");
}

} // namespace tvtest
