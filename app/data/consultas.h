#pragma once
// The working queries of the data modules. Each is a triple named after one
// stem: a query "Q<stem>" on a connection, a provider "P<stem>" over it and a
// client dataset "C<stem>" fed by that provider. Services set the client
// dataset's command text and open it or execute it.
#include <string>
#include <string_view>

#include "core/component.h"
#include "core/exceptions.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TParam;
class TParams;
class TSQLConnection;
class TSQLQuery;
} // namespace tv

namespace tv::app {

// Joins a module's Q<stem>, P<stem> and C<stem>: the query on `conexion`, the
// provider over the query (allowing command text when asked), the client
// dataset fed by the provider. `sql` is the query's own text, if any.
// Returns the client dataset.
TClientDataSet* enlace_consulta(TSQLQuery* q, TDataSetProvider* p, TClientDataSet* c, TSQLConnection* conexion,
                                bool texto_libre = true, const std::string& sql = {});

// The parameter of that name, added as a text parameter when the list lacks
// it (a stored procedure describes its own on first use and keeps the value).
TParam& parametro(TParams& params, const std::string& nombre);

// Closes the client dataset, gives it the command text and opens it.
void abra(TClientDataSet* c, const std::string& sql);
// Runs a statement without rows through the client dataset.
void ejecute(TClientDataSet* c, const std::string& sql);

} // namespace tv::app
