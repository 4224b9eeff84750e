#pragma once
// Tfdmcnt, the accounting module: the period the user works in and the dates
// composed inside it, accounts and project-and-cost-centre pairs, account and
// fixed-asset names, and the numbers of accounting vouchers.
#include <array>
#include <functional>
#include <string>

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

class Tfdmcnt : public TDataModule {
    TV_CLASS(Tfdmcnt, TDataModule)
public:
    explicit Tfdmcnt(TComponent* owner = nullptr);
    ~Tfdmcnt() override;
    static void Publish(TPublisher& p);

    // 0..11 January to December, 12 the adjustments period.
    int mes_actual = 0;
    std::string ano_actual;  // four digits
    std::array<std::string, 14> nombre_mes;
    // Handed to the new-account window.
    std::string cuenta_nueva;
    // ENCO_CONSEC of the voucher existe_ComContable found last; empty when none.
    std::string consecutivo_comprobante;

    void DataModuleCreate(TObject* sender);

    int ano_inicio();
    int mes_inicio();
    void dias_mes(std::string& dias);
    void compone_fecha(int dia, std::string& fecha);
    void compone_fecha_admin(int dia, std::string& fecha);
    void nom_cuenta(const std::string& cuenta, std::string& nombre);
    bool valide_cuenta(const std::string& cuenta);
    bool valide_centro(const std::string& proyecto, const std::string& centro);
    void mes_menos();
    void mes_mas();
    bool existe_ComContable(int tipo, const std::string& prefijo, const std::string& numero);
    bool valide_NumComConta(int tipo, const std::string& prefijo, const std::string& automatico, TField* campo);
    void desc_activo(const std::string& activo, std::string& descripcion);

protected:
    void Loaded() override;

private:
    // Year, month and day of `dia` in the current period.
    void PartesFecha(int dia, std::string& ano, std::string& mes, std::string& dia_texto);
    // Writes the period to the user's row, then takes it.
    void GuardePeriodo(const std::string& ano, int mes);

    TClientDataSet *CCuentas = nullptr, *CValidcuenta = nullptr, *CValidcentro = nullptr, *CActivo = nullptr;
    TSQLQuery *QUsuarios = nullptr, *QValida = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QCuentas = nullptr, *QValidcuenta = nullptr, *QValidcentro = nullptr, *QActivo = nullptr,
              *TComprobantes = nullptr, *TComprDetalle = nullptr, *TEstructura = nullptr, *TUsuarios = nullptr,
              *TPlantilla = nullptr, *TPlantilladetalle = nullptr, *TAjustesinf = nullptr, *TCierterc = nullptr,
              *TCieranual = nullptr, *TImportacion = nullptr, *TConceptoconta = nullptr, *TPresupuesto = nullptr,
              *TCambiosit = nullptr, *TFlujoefe = nullptr, *TCtasexport = nullptr, *TPrefexport = nullptr,
              *Tbuscconc = nullptr, *TFtomediosm = nullptr;
    TDataSetProvider *PCuentas = nullptr, *PValidcuenta = nullptr, *PValidcentro = nullptr, *PActivo = nullptr;
    TDataSource *DComprobantes = nullptr, *DSUsuarios = nullptr, *DPlantilla = nullptr;
    TSQLStoredProc *SIdComproba = nullptr, *SIdPlantilla = nullptr, *SIdajusteinf = nullptr, *SIdcierreanual = nullptr,
                   *Sidciertercero = nullptr, *SSaldocta = nullptr, *SInsertasaldoini = nullptr, *SMM = nullptr;
};

extern Tfdmcnt* fdmcnt;

// Opens the new-account window for fdmcnt->cuenta_nueva without waiting for
// it; false when no window took the code. The chart-of-accounts windows
// install it; while none is installed the offer to create a missing account
// is not made.
using TAbreCuentaNueva = std::function<bool()>;
void instale_ventana_cuenta_nueva(TAbreCuentaNueva abre);

} // namespace tv::app
