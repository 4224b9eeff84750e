#pragma once
// Tfdmcja, the cash module: the cash balance of a till, the payment documents
// still held in a till, the cash interfaces and the posting of cash documents.
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
class TSQLStoredProc;
} // namespace tv

namespace tv::app {

class Tfdmcja : public TDataModule {
    TV_CLASS(Tfdmcja, TDataModule)
public:
    explicit Tfdmcja(TComponent* owner = nullptr);
    ~Tfdmcja() override;
    static void Publish(TPublisher& p);

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ancl, id_anpr, id_egreso, id_reca, id_cado, id_cotj, id_rcpr, id_trcj;

    // The till's cash at the end of `fecha`; warns when it is less than `monto`.
    Currency efectivo_caja(int caja, Currency monto, TDateTime fecha);
    bool valide_doc_en_caja(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                            const std::string& numero);
    // `campo_fecha` may be null.
    Currency monto_doc_en_caja(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                               const std::string& numero, TField* campo_fecha);

    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_recibo(int id, int interfaz);
    int contabilice_egreso(int id, int interfaz);
    int contabilice_consignatj(int id, int interfaz);
    int contabilice_reciprov(int id, int interfaz);
    int contabilice_trascaja(int id, int interfaz);
    // Posts a cash receipt with the first interface of its prefix.
    int contabilice_recicaja(int id, const std::string& prefijo);

protected:
    void Loaded() override;

private:
    // Opens the till's payment documents that have not left it.
    void AbraDocumentos(int caja, int forma_pago, const std::string& banco, const std::string& cuenta,
                        const std::string& numero);

    TClientDataSet *CSaldoef = nullptr, *CDocencaja = nullptr, *CBorrar = nullptr, *CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QSaldoef = nullptr, *QDocencaja = nullptr, *QBorrar = nullptr, *QInterfaces = nullptr,
              *QContardc = nullptr, *QContaegr = nullptr, *QContacons = nullptr, *QContarprov = nullptr,
              *QContatrcj = nullptr, *QContacaja = nullptr, *TRecibo = nullptr, *TRecipago = nullptr,
              *TRecidetalle = nullptr, *TRecicrucec = nullptr, *TEgreso = nullptr, *TEgredetalle = nullptr,
              *TEgrecaja = nullptr, *TEgreconta = nullptr, *TEgrebanco = nullptr, *TEgrecrucec = nullptr,
              *TAnticlie = nullptr, *TAntiprov = nullptr, *TCambiodoc = nullptr, *TCambioent = nullptr,
              *TCambiosal = nullptr, *TReciprov = nullptr, *TReciprovdet = nullptr, *TReciprovpago = nullptr,
              *TTrascaja = nullptr, *TTrascajadet = nullptr, *TConsignatar = nullptr, *TConsignatardet = nullptr,
              *TConsolfp = nullptr, *TTarjetas = nullptr, *TClaseegreso = nullptr, *TCajas = nullptr,
              *QConsolfp = nullptr;
    TDataSetProvider *PSaldoef = nullptr, *PDocencaja = nullptr, *PBorrar = nullptr, *PInterfaces = nullptr,
                     *PContardc = nullptr, *PContaegr = nullptr, *PContacons = nullptr, *PContarprov = nullptr,
                     *PContatrcj = nullptr, *PContacaja = nullptr, *PConsolfp = nullptr;
    TClientDataSet *CContardc = nullptr, *CContaegr = nullptr, *CContacons = nullptr, *CContarprov = nullptr,
                   *CContatrcj = nullptr, *CContacaja = nullptr, *CConsolfp = nullptr;
    TDataSource *DRecibo = nullptr, *DEgreso = nullptr, *DAnticlie = nullptr, *DAntiprov = nullptr,
                *DCambiodoc = nullptr, *DReciprov = nullptr, *DTrascaja = nullptr, *DConsignatar = nullptr,
                *DConsolfp = nullptr;
    TSQLStoredProc *SPIdRecibo = nullptr, *SPIdEgreso = nullptr, *SPIdAnticlie = nullptr, *SPIdAntiprov = nullptr,
                   *SPIdCambiodoc = nullptr, *SPIdReciprov = nullptr, *SPIdTrascaja = nullptr,
                   *SPIdConsignatar = nullptr, *SPIdConsolfp = nullptr;
    TCadenaContable contardc, contaegr, contacons, contarprov, contatrcj, contacaja;
};

extern Tfdmcja* fdmcja;

} // namespace tv::app
