#pragma once
// The document datasets of the business modules: for each kind of document a
// header query keyed by :ID, a data source on it, the line queries that
// follow the header's key through that data source, and the procedure that
// issues the id of a new document; beside them the further server
// procedures the modules declare.
namespace tv {
class TComponent;
}

namespace tv::app {

// Joins the document components of a module (by its class) to the company
// connection, with their SQL, parameters, links and procedure names.
void enlace_documentos(TComponent* modulo);

} // namespace tv::app
