#pragma once
// Tfdmcxp, the payables module: the supplier documents a payment or note
// refers to and their balances, the payables interfaces and the posting of
// supplier notes and applications.
#include <string>

#include "app/data/cuentasterceros.h"
#include "core/currency.h"
#include "core/datetime.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TField;
class TSQLQuery;
class TSQLStoredProc;
} // namespace tv

namespace tv::app {

class Tfdmcxp : public TCuentasTerceros {
    TV_CLASS(Tfdmcxp, TCuentasTerceros)
public:
    explicit Tfdmcxp(TComponent* owner = nullptr);
    ~Tfdmcxp() override;
    static void Publish(TPublisher& p);

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ndpr, id_ncpr, id_appr;

    // The text field receives the supplier's own number of the document.
    bool valide_doc_cxpagar(const std::string& nit, int tipo, const std::string& prefijo, const std::string& numero,
                            TDateTime fecha, TField* campo_id, TField* campo_rtfte, TField* campo_rtiva,
                            TField* campo_rtica, TField* campo_dtof, TField* campo_saldo, TField* campo_texto);
    Currency saldo_doc_cxpagar(int tipo, int id, TDateTime fecha);

    int contabilice_aplicapr(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TClientDataSet *CValidedoccxp = nullptr, *CSaldodocx = nullptr, *CBorrar = nullptr, *CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QValidedoccxp = nullptr, *QSaldodocx = nullptr, *QBorrar = nullptr, *QInterfaces = nullptr,
              *QContanotdb = nullptr, *QContanotcr = nullptr, *QContaaplica = nullptr, *TNotadbpr = nullptr,
              *TNotacrpr = nullptr, *TAntiprov = nullptr, *TApliprov = nullptr, *TApprdetalle = nullptr;
    TDataSetProvider *PValidedoccxp = nullptr, *PSaldodocx = nullptr, *PBorrar = nullptr, *PInterfaces = nullptr,
                     *PContanotdb = nullptr, *PContanotcr = nullptr, *PContaaplica = nullptr;
    TClientDataSet *CContanotdb = nullptr, *CContanotcr = nullptr, *CContaaplica = nullptr;
    TDataSource *DNotadbpr = nullptr, *DNotacrpr = nullptr, *DAntiprov = nullptr, *DApliprov = nullptr;
    TSQLStoredProc *SPIdNotadbpr = nullptr, *SPIdNotacrpr = nullptr, *SPIdApliprov = nullptr, *SContanotacr = nullptr;
};

extern Tfdmcxp* fdmcxp;

} // namespace tv::app
