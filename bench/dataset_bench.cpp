// Times the client dataset on 100,000 rows: filling, fetching through a
// provider, building an index, sorting descending, filtering and locating.
#include <chrono>
#include <cstdio>
#include <string>

#include "core/component.h"
#include "core/formatsettings.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"

using namespace tv;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

const char* const Words[] = {"árbol", "Arroz", "azúcar", "Café", "Éxito", "nabo", "Ñame", "ñoquis", "Oliva", "Zanahoria",
                             "panela", "Yuca", "maíz", "Fríjol", "lenteja", "atún", "Cebolla", "tomate", "papa", "Limón"};

} // namespace

int main() {
    constexpr int Rows = 100000;
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    TComponent module(nullptr);
    auto* tabla = new TClientDataSet(&module);
    tabla->SetName("TArticulos");
    // CODIGO is the key: every post checks it is not taken.
    tabla->FieldDefs().Add("CODIGO", ftInteger, 0, true).SetProviderFlags({pfInUpdate, pfInWhere, pfInKey});
    tabla->FieldDefs().Add("NOMBRE", ftString, 40, true);
    tabla->FieldDefs().Add("PRECIO", ftFMTBcd, 2).SetPrecision(15);
    tabla->FieldDefs().Add("FECHA", ftDate);
    tabla->CreateDataSet();
    auto* provider = new TDataSetProvider(&module);
    provider->SetName("PArticulos");
    provider->SetDataSet(tabla);
    auto* cds = new TClientDataSet(&module);
    cds->SetName("CArticulos");
    cds->SetProviderName("PArticulos");

    auto t = Clock::now();
    TField* codigo = tabla->FieldByName("CODIGO");
    TField* nombre = tabla->FieldByName("NOMBRE");
    TField* precio = tabla->FieldByName("PRECIO");
    TField* fecha = tabla->FieldByName("FECHA");
    tabla->DisableControls();
    for (int i = 0; i < Rows; ++i) {
        const unsigned h = static_cast<unsigned>(i) * 2654435761u;
        tabla->Append();
        codigo->SetAsInteger(i + 1);
        nombre->SetAsString(std::string(Words[h % 20]) + " " + std::to_string(h % 9973));
        precio->SetAsCurrency(Currency::FromRaw(static_cast<std::int64_t>(h % 5000000) * 100));
        fecha->SetAsDateTime(TDateTime(45000 + (h % 1000)));
        tabla->Post();
    }
    tabla->EnableControls();
    tabla->MergeChangeLog();
    std::printf("fill keyed source, %d rows (Append/Post) %9.1f ms\n", Rows, Ms(t));

    t = Clock::now();
    cds->Open();
    std::printf("fetch through the provider              %9.1f ms  (%d rows)\n", Ms(t), cds->RecordCount());

    t = Clock::now();
    cds->AddIndex("ixNombre", "NOMBRE", {}, "", "NOMBRE");
    cds->SetIndexName("ixNombre");
    std::printf("index on NOMBRE, case-insensitive       %9.1f ms  (first: %s)\n", Ms(t),
                cds->FieldByName("NOMBRE")->AsString().c_str());

    t = Clock::now();
    cds->AddIndex("SortIndexEh", "PRECIO;NOMBRE", {}, "PRECIO;NOMBRE");
    cds->SetIndexName("SortIndexEh");
    cds->First();
    std::printf("sort descending on PRECIO;NOMBRE        %9.1f ms  (first: %s)\n", Ms(t),
                cds->FieldByName("PRECIO")->AsString().c_str());

    t = Clock::now();
    cds->SetFilter("[NOMBRE] LIKE 'Ñame%' AND PRECIO >= 20000 AND FECHA < '2024/03/01'");
    cds->SetFiltered(true);
    std::printf("filter                                  %9.1f ms  (%d rows pass)\n", Ms(t), cds->RecordCount());
    cds->SetFiltered(false);

    t = Clock::now();
    int found = 0;
    for (int i = 0; i < 20; ++i)
        found += cds->Locate("CODIGO", Rows - i * 4999, {}) ? 1 : 0;
    std::printf("locate by CODIGO (20 searches)          %9.1f ms  (%d found)\n", Ms(t), found);

    t = Clock::now();
    const bool partial = cds->Locate("NOMBRE", "zanahoria 99", {loCaseInsensitive, loPartialKey});
    std::printf("locate partial, case-insensitive        %9.1f ms  (%s)\n", Ms(t), partial ? "found" : "not found");

    t = Clock::now();
    int steps = 0;
    for (cds->First(); !cds->Eof(); cds->Next()) ++steps;
    std::printf("walk every row in index order           %9.1f ms  (%d rows)\n", Ms(t), steps);
    return 0;
}
