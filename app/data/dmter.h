#pragma once
// Tfdmter, the third-parties module: whether a NIT exists and its check digit,
// suppliers, clients and drivers, the withholdings, discount, credit limit,
// salesman and collector that documents copy from a third party.
#include <string>

#include "framework/ui/forms.h"
#include "core/currency.h"
#include "core/datetime.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TField;
class TSQLQuery;
} // namespace tv

namespace tv::app {

class Tfdmter : public TDataModule {
    TV_CLASS(Tfdmter, TDataModule)
public:
    explicit Tfdmter(TComponent* owner = nullptr);
    ~Tfdmter() override;
    static void Publish(TPublisher& p);

    bool existe_nit(const std::string& nit);
    int dv(const std::string& nit);
    void nombre_proveedor(const std::string& nit, std::string& nombre);
    void valide_proveedor(const std::string& nit, std::string& bandera);
    void valide_proveedor_ret(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                              TField* campo_ica, TField* campo_simplificado, std::string& nombre);
    Currency base_rtfte(const std::string& nit);
    Currency precio_proveedor(const std::string& codigo1, const std::string& codigo2, TDateTime fecha);
    void valide_cliente(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva, TField* campo_ica,
                        TField* campo_vendedor, std::string& nombre);
    void nombre_cliente(const std::string& nit, std::string& nombre);
    Currency base_rtfte_cli(const std::string& nit);
    Currency cartera_vencida_cliente(const std::string& nit, TDateTime fecha);
    Currency descuento_max(const std::string& nit);
    Currency cupo_credito(const std::string& nit);
    void nom_tercero(const std::string& nit, std::string& nombre);
    bool valide_tercero(const std::string& nit);
    void valide_retenciones(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                            TField* campo_ica, std::string& nombre);
    void valide_solocliente(const std::string& nit, std::string& bandera);
    int cobrador_cliente(const std::string& nit);
    void valide_clientCartera(const std::string& nit, TField* campo_cobrador, std::string& nombre);
    void valide_retenCartera(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                             TField* campo_ica, TField* campo_cobrador, std::string& nombre);
    bool valide_conductor(const std::string& nit);
    void nombre_conductor(const std::string& nit, std::string& nombre);

protected:
    // Joins what the stored definition names to the company connection.
    void Loaded() override;

private:
    // A column of the client query's first row, null when there is no row.
    Currency DelCliente(const std::string& nit, const std::string& columna);
    Currency DelProveedor(const std::string& nit, const std::string& columna);

    TClientDataSet *CExisteterc = nullptr, *CTerceros = nullptr, *CValcliente = nullptr, *CPrecprov = nullptr,
                   *CCartera = nullptr, *CTercero = nullptr, *CValidtercero = nullptr, *Cvalideretenciones = nullptr,
                   *CCliente = nullptr, *CClientes = nullptr, *CValideretencart = nullptr, *CTerceroa = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QExisteterc = nullptr, *QTerceros = nullptr, *QValcliente = nullptr, *QPrecprov = nullptr,
              *QCartera = nullptr, *QTercero = nullptr, *QValidtercero = nullptr, *Qvalideretenciones = nullptr,
              *QCliente = nullptr, *QClientes = nullptr, *QValideretencart = nullptr, *QTerceroa = nullptr;
    TDataSetProvider *PExisteterc = nullptr, *PTerceros = nullptr, *PValcliente = nullptr, *PPrecprov = nullptr,
                     *PCartera = nullptr, *PTercero = nullptr, *PValidtercero = nullptr, *Pvalideretenciones = nullptr,
                     *PCliente = nullptr, *PClientes = nullptr, *PValideretencart = nullptr, *PTerceroa = nullptr;
};

extern Tfdmter* fdmter;

} // namespace tv::app
