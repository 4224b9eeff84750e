#pragma once
// Tfdmcar, the receivables module: the client documents a payment or note
// refers to and their balances, the receivables interfaces and the posting
// of client notes and applications.
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

class Tfdmcar : public TCuentasTerceros {
    TV_CLASS(Tfdmcar, TCuentasTerceros)
public:
    explicit Tfdmcar(TComponent* owner = nullptr);
    ~Tfdmcar() override;
    static void Publish(TPublisher& p);

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ndcl, id_nccl, id_apcl, id_pacl;

    // The text field receives the branch of the client movement.
    bool valide_doc_cartera(const std::string& nit, int tipo, const std::string& prefijo, const std::string& numero,
                            TDateTime fecha, TField* campo_id, TField* campo_rtfte, TField* campo_rtiva,
                            TField* campo_rtica, TField* campo_dtof, TField* campo_saldo, TField* campo_texto);
    Currency saldo_doc_cartera(int tipo, int id, TDateTime fecha);

    int contabilice_aplica(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TClientDataSet *CValidedoccar = nullptr, *CSaldodoc = nullptr, *CBorrar = nullptr, *CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QValidedoccar = nullptr, *QSaldodoc = nullptr, *QBorrar = nullptr, *QInterfaces = nullptr,
              *QContand = nullptr, *QContanc = nullptr, *QContaapl = nullptr, *TNotadbcl = nullptr,
              *TNotacrcl = nullptr, *TAnticlie = nullptr, *TAplicl = nullptr, *TApcldetalle = nullptr,
              *TGrupocartera = nullptr, *TComisiones = nullptr;
    TDataSetProvider *PValidedoccar = nullptr, *PSaldodoc = nullptr, *PBorrar = nullptr, *PInterfaces = nullptr,
                     *PContand = nullptr, *PContanc = nullptr, *PContaapl = nullptr;
    TClientDataSet *CContand = nullptr, *CContanc = nullptr, *CContaapl = nullptr;
    TDataSource *DNotadbcl = nullptr, *DNotacrcl = nullptr, *DAnticlie = nullptr, *DAplicl = nullptr;
    TSQLStoredProc *SPIdNotadbcl = nullptr, *SPIdNotacrcl = nullptr, *SPIdAnticlie = nullptr, *SPIdAplicl = nullptr,
                   *SPIdPagoclie = nullptr, *SImprpagoclie = nullptr, *SImpraplicl = nullptr, *SBuscaiddoc = nullptr;
};

extern Tfdmcar* fdmcar;

} // namespace tv::app
