#pragma once
// TCuentasTerceros, what the receivables (Tfdmcar) and payables (Tfdmcxp)
// modules share: the third party's document a payment or note refers to,
// found by type, prefix and number, its balance at a date, the module's
// accounting interfaces and the posting of its debit and credit notes and
// applications. Each module says which of its components and procedures serve.
#include <string>

#include "app/data/contabilizacion.h"
#include "core/currency.h"
#include "core/datetime.h"
#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TField;
class TSQLQuery;
} // namespace tv

namespace tv::app {

struct TDocumentoHallado;

class TCuentasTerceros : public TDataModule {
    TV_CLASS(TCuentasTerceros, TDataModule)
public:
    using TDataModule::TDataModule;

    // Amounts of the document id_doc found last; 0 after a failed search.
    Currency saldo_doc, rtfte_doc, rtiva_doc, rtica_doc;

    int id_doc(int tipo, const std::string& prefijo, const std::string& numero, const std::string& nit,
               TDateTime fecha);
    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_notadb(int id, int interfaz);
    int contabilice_notacr(int id, int interfaz);

    // What tells the two ledgers apart.
    struct TReglas {
        const char* busca_id;  // the search procedure
        bool con_numprov;      // it answers the supplier's own number
        const char* saldo;     // the balance procedure
        int tipo_anticipo;     // the advance's document type
        const char* anticipo;  // "select <doc>_id from anticipos_... where ..._id = "
        const char* tabla_interfaz;
        const char* prefijo_interfaz;
        const char* contabil_notadb;
        const char* contabil_notacr;
        const char* contabil_aplicacion;
        int tipo_notadb;  // the credit note and the application follow it
    };
    // A query, the provider over it and the client dataset it feeds.
    struct TTerna {
        TSQLQuery* consulta;
        TDataSetProvider* proveedor;
        TClientDataSet* cliente;
    };
protected:
    // Joins the module's components once its stored definition is read: the
    // search, balance, working and interface queries on the company
    // connection, and the posting chains of the notes and the application.
    // `errores` lists a posting's errors.
    void EnlaceLibro(const TReglas& reglas, const TTerna& valida, const TTerna& saldos, const TTerna& borrar,
                     const TTerna& interfaces, TDataSource* fuente_interfaces, TClientDataSet* errores,
                     const TTerna& notadb, const TTerna& notacr, const TTerna& aplicacion);

    // The document `valide_doc_*` looks for: a valid one gives its id and its
    // amounts (reversed for an advance that came from no cash document) to the
    // fields; one that is not valid empties the id and the amounts.
    TDocumentoHallado valide_documento(const std::string& nit, int tipo, const std::string& prefijo,
                                       const std::string& numero, TDateTime fecha, TField* campo_id,
                                       TField* campo_rtfte, TField* campo_rtiva, TField* campo_rtica,
                                       TField* campo_dtof, TField* campo_saldo);
    Currency saldo_libro(int tipo, int id, TDateTime fecha);
    int contabilice_aplicacion(int id, int interfaz);

private:
    const TReglas* reglas_ = nullptr;
    TClientDataSet *valida_ = nullptr, *saldos_ = nullptr, *borrar_ = nullptr, *errores_ = nullptr,
                   *interfaces_ = nullptr;
    TDataSource* fuente_interfaces_ = nullptr;
    TCadenaContable notadb_, notacr_, aplicacion_;
};

} // namespace tv::app
