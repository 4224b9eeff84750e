#pragma once
// The document look-ups that receivables and payables share: finding the
// document a payment refers to (busca_id_doc_cartera, busca_id_doc_cxpagar),
// its balance at a date, and whether an advance came from a cash document.
#include <initializer_list>
#include <string>

#include "core/currency.h"
#include "core/datetime.h"

namespace tv {
class TClientDataSet;
class TField;
} // namespace tv

namespace tv::app {

struct TDocumentoHallado {
    bool hay = false;  // the procedure answered a row
    int error = 0;
    int id = 0;
    Currency saldo, rtfte, rtiva, rtica, dtof;
    std::string numprov;

    bool valido() const { return hay && error == 0; }
    // The id of a valid document with its balance and withholdings, or 0 and zeros.
    int tome(Currency& saldo_doc, Currency& rtfte_doc, Currency& rtiva_doc, Currency& rtica_doc) const;
    // A document that is not valid: says why when the procedure refused it and
    // empties the id and the amount fields.
    void rechace(TField* campo_id, std::initializer_list<TField*> montos) const;
};

// Runs "select * from <procedimiento>(tipo, prefijo,numero, nit, fecha)" on
// `c` and reads its row; `c` is closed again.
TDocumentoHallado busque_documento(TClientDataSet* c, const std::string& procedimiento, int tipo,
                                   const std::string& prefijo, const std::string& numero, const std::string& nit,
                                   TDateTime fecha, bool con_numprov);

// The message of a refusal of the search procedures; empty for codes without one.
std::string mensaje_documento(int error);

enum class TOrigenAnticipo { oaSinFila, oaConDocumento, oaSinDocumento };
// Whether the advance of `consulta` ("select <doc>_id from anticipos_... where ...")
// came from a cash document; its amounts are reversed when it did not.
TOrigenAnticipo origen_anticipo(TClientDataSet* borrar, const std::string& consulta);

// The balance of a document at a date through <procedimiento>(tipo, id,fecha,1);
// an advance (`tipo_anticipo`) without its cash document counts negative and,
// without its row, 0.
Currency saldo_documento(TClientDataSet* c, TClientDataSet* borrar, const std::string& procedimiento, int tipo,
                         int id, TDateTime fecha, int tipo_anticipo, const std::string& consulta_anticipo);

} // namespace tv::app
