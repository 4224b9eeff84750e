#pragma once
// A data module as the station builds them: an in-memory table that plays the
// source, a provider over it and a client dataset fed by the provider.
#include <string>
#include <vector>

#include "core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datalink.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"

namespace tvtest {

struct Articulo {
    int codigo;
    const char* nombre;
    const char* precio; // decimal text with "."
    const char* fecha;  // yyyy/mm/dd, or null
    bool activo;
};

// Ten articles with Spanish names, out of order on purpose.
const std::vector<Articulo>& Articulos();

class ArticleModule : public tv::TComponent {
public:
    ArticleModule();
    ~ArticleModule() override;

    // TArticulos: CODIGO integer (key, required), NOMBRE string 30 (required),
    // PRECIO decimal 15.2, FECHA date, ACTIVO boolean.
    tv::TClientDataSet* tabla;
    tv::TDataSetProvider* provider;
    tv::TClientDataSet* cds;
    tv::TDataSource* source;

    void Fill(const std::vector<Articulo>& rows);
    // Opens the client dataset through the provider.
    void OpenClient();
    // Names of the client's records in their present order.
    std::vector<std::string> Names();
    std::vector<std::string> Names(tv::TDataSet* ds, const std::string& field);
};

// A link that writes down what it hears.
class RecordingLink : public tv::TDataLink {
public:
    std::vector<std::string> log;
    std::vector<int> scrolls;
    int changes = 0;
    void Clear() { log.clear(); scrolls.clear(); changes = 0; }
    void DataEvent(tv::TDataEvent event, std::intptr_t info) override;

protected:
    void ActiveChanged() override { log.push_back(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { ++changes; log.push_back("changed"); }
    void DataSetScrolled(int distance) override;
    void EditingChanged() override { log.push_back(Editing() ? "editing" : "browsing"); }
    void RecordChanged(tv::TField* field) override;
    void LayoutChanged() override { log.push_back("layout"); }
};

} // namespace tvtest
