#pragma once
// What the document modules share to post a document to accounting: the
// result chain a posting procedure answers through, the one protocol of the
// postings (ERROR, VER and IDC read by position, the server's error list in
// one box, Tfdm::contabilizado), and the choice of the accounting interface.
#include <functional>
#include <string>

namespace tv {
class TClientDataSet;
class TComponent;
class TDataSetProvider;
class TDataSource;
class TSQLQuery;
} // namespace tv

namespace tv::app {

// A query on the company connection, a provider allowing command text over
// it and the client dataset that receives the command text.
struct TCadenaContable {
    TSQLQuery* consulta = nullptr;
    TClientDataSet* resultado = nullptr;
    // Sales and purchases reset only the client dataset and close it again
    // before returning; the other modules leave it open until the next posting.
    bool solo_cliente = false;
};

// Joins a module's query, the provider over it and the client dataset it feeds.
TCadenaContable enlace_cadena(TSQLQuery* consulta, TDataSetProvider* proveedor, TClientDataSet* cliente,
                              bool solo_cliente = false);

// Runs "select * from <procedimiento>(<id>,<interfaz>)" on the chain. When
// ERROR > 0 lists the ERRORES rows of (tipo, id), read through `errores`, in
// one box. Sets Tfdm::contabilizado to VER = "S" and returns IDC; without a
// row, or when the procedure fails, contabilizado is false.
int contabilice_documento(const TCadenaContable& cadena, TClientDataSet* errores, const std::string& procedimiento,
                          int tipo, int id, int interfaz);

// Asks a person to pick one of the interfaces listed in `interfaces` (the
// list's current row when confirmed); true when one was confirmed. The
// interface-choice dialog installs it; while none is installed, a choice
// among several interfaces is declined.
using TPregunteInterfaz = std::function<bool(TComponent* modulo, TDataSource* interfaces)>;
void instale_pregunta_interfaz(TPregunteInterfaz pregunta);

// The data side of abre_interfaz: opens `sql` (ID, NOMBRE) on the list and
// returns the id chosen, or 0. No row: the message that nothing is defined.
// With `preguntar` false the result is 0 whatever the list holds.
// `escogida`, when given, tells whether a row was chosen.
int escoja_interfaz(TComponent* modulo, TClientDataSet* lista, TDataSource* fuente, const std::string& sql,
                    bool preguntar, bool* escogida = nullptr);
// "select <p>_ID ID, <p>_NOMBRE NOMBRE from <tabla> where tido_cod = <tipo>"
std::string consulta_interfaces(const std::string& tabla, const std::string& prefijo_columna, int tipo);

} // namespace tv::app
