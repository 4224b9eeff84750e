#pragma once
// Tfdmbnc, the banks module: bank documents numbered per account (types 71
// to 77), their accounting interfaces and their posting to accounting.
#include <string>

#include "app/data/contabilizacion.h"
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

class Tfdmbnc : public TDataModule {
    TV_CLASS(Tfdmbnc, TDataModule)
public:
    explicit Tfdmbnc(TComponent* owner = nullptr);
    ~Tfdmbnc() override;
    static void Publish(TPublisher& p);

    // Ids (as text) of the documents the last look-up of each type found.
    std::string id_cons, id_cheq, id_reti, id_ndbc, id_ncbc, id_tras, id_dvch;

    // The numbering row of a type for an account.
    void registre_prefijoBnco(int tipo, int cuenta);
    bool existe_numerobco(int tipo, const std::string& cuenta, const std::string& prefijo, const std::string& numero);
    bool valide_numerobnco(int tipo, const std::string& cuenta, const std::string& prefijo, TField* campo,
                           const std::string& propuesto);

    int abre_interfaz(int tipo, int cuenta, const std::string& prefijo, bool preguntar);

    int contabilice_consigna(int id, int interfaz);
    int contabilice_cheque(int id, int interfaz);
    int contabilice_retiro(int id, int interfaz);
    int contabilice_notadebito(int id, int interfaz);
    int contabilice_notacredito(int id, int interfaz);
    int contabilice_traslacuenta(int id, int interfaz);
    int contabilice_devolcheq(int id, int interfaz);

protected:
    void Loaded() override;

private:
    // Whether returned cheques are numbered per bank account.
    bool DevolucionesPorCuenta();
    void VacieHallados();

    TSQLQuery *qborrar = nullptr, *QValida = nullptr;
    TClientDataSet *CBorrar = nullptr, *CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TDataSetProvider *PBorrar = nullptr, *PInterfaces = nullptr, *PContabanco = nullptr;
    TSQLQuery *QInterfaces = nullptr, *SContaBanco = nullptr, *TConsigna = nullptr, *TConsdetalle = nullptr,
              *TCheque = nullptr, *TRetiro = nullptr, *TNotadb = nullptr, *TNotacr = nullptr, *TTraslado = nullptr,
              *TDevcheque = nullptr, *TConciliacion = nullptr, *TConcilbanco = nullptr, *TBancos = nullptr,
              *TTipodoc = nullptr, *TPrefbancos = nullptr, *TOperaciones = nullptr, *TCuentasbanco = nullptr;
    TClientDataSet* Ccontabanco = nullptr;
    TDataSource *DConsigna = nullptr, *DCheque = nullptr, *DRetiro = nullptr, *DNotadb = nullptr, *DNotacr = nullptr,
                *DTraslado = nullptr, *DDevcheque = nullptr, *DConciliacion = nullptr, *DTipodoc = nullptr;
    TSQLStoredProc *SPIdConsigna = nullptr, *SPIdCheque = nullptr, *SPIdRetiro = nullptr, *SPIdNotadb = nullptr,
                   *SPIdNotacr = nullptr, *SPIdTraslado = nullptr, *SPIdDevcheque = nullptr,
                   *SPIdConciliacion = nullptr, *SPIdCuentabanco = nullptr, *SContaretiro = nullptr,
                   *SContatrascuenta = nullptr, *SConciliabanco = nullptr;
    TCadenaContable contabanco;
};

extern Tfdmbnc* fdmbnc;

} // namespace tv::app
