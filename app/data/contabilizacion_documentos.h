#pragma once
// The document datasets of the business modules: for each kind of document a
// header query keyed by :ID, a data source on it, the line queries that
// follow the header's key through that data source, and the procedure that
// issues the id of a new document; beside them the further server
// procedures and the tables the modules declare.
#include <initializer_list>
#include <vector>

namespace tv {
class TDataSource;
class TSQLQuery;
class TSQLStoredProc;
} // namespace tv

namespace tv::app {

struct TLineaDocumento {
    TSQLQuery* consulta;
    const char* tabla;
};

struct TDocumentoModulo {
    TSQLQuery* encabezado;
    TDataSource* fuente;  // on the header
    const char* tabla;
    const char* clave;
    std::vector<TLineaDocumento> lineas;
    TSQLStoredProc* nuevo_id;  // the new-id procedure, or null
    const char* procedimiento;
    const char* defecto = "0";  // default value of :ID
    bool sin_tipo = false;      // :ID declared without a type
};

struct TProcedimientoModulo {
    TSQLStoredProc* componente;
    const char* procedimiento;
};

// A table a module reads whole, for windows of the suite; a detail names its
// master's data source.
struct TTablaModulo {
    TSQLQuery* consulta;
    const char* sql;
    TDataSource* maestra = nullptr;
};

// Each joins its components to the company connection, with their SQL,
// parameters, links and procedure names.
void enlace_documentos(std::initializer_list<TDocumentoModulo> documentos);
void enlace_procedimientos(std::initializer_list<TProcedimientoModulo> procedimientos);
void enlace_tablas(std::initializer_list<TTablaModulo> tablas);

} // namespace tv::app
