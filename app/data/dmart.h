#pragma once
// TfdmArt, the article module: articles, units, lots, stock, costs, prices by
// list, quantity, weekday and hour, alerts, weight and volume, margins; the
// datasets the login, price-query and article windows bind to; and the second
// connection Compania2 to the database of a stock company.
#include <string>

#include "framework/ui/forms.h"
#include "core/currency.h"
#include "core/datetime.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TField;
class TSQLConnection;
class TSQLQuery;
class TSQLTable;
class TStrings;
} // namespace tv

namespace tv::app {

class TfdmArt : public TDataModule {
    TV_CLASS(TfdmArt, TDataModule)
public:
    explicit TfdmArt(TComponent* owner = nullptr);
    ~TfdmArt() override;
    static void Publish(TPublisher& p);

    TSQLConnection* Compania2 = nullptr;
    TSQLTable* TListprecios = nullptr;  // the login window's price lists
    TSQLQuery* QArticulos = nullptr;    // the price query's and article list's rows
    TSQLQuery* TArticulo = nullptr;     // one article by :COD

    bool valide_articulo(const std::string& codigo, TField* campo_id, TField* campo_descripcion, TField* campo_unidad);
    bool existe_articulo(const std::string& codigo);
    void estado_articulo(const std::string& codigo, std::string& estado);
    bool descvar_articulo(const std::string& codigo);
    void desc_articulo(const std::string& codigo, std::string& descripcion);
    void imptos_articulo(const std::string& codigo, TField* campo_iva, TField* campo_consumo);
    void lista_unidades(const std::string& codigo, TStrings* lista);
    void lista_lotes(const std::string& codigo, const std::string& bodega, Currency cantidad, TStrings* lista);
    int lista_listas(const std::string& codigo, const std::string& bandera, TDateTime fecha, TStrings* lista);
    void seleccione_lote(const std::string& codigo, const std::string& bodega, TField* campo_cantidad,
                         const std::string& unidad, std::string& lote);
    Currency saldo_lote(const std::string& codigo, const std::string& bodega, const std::string& lote);
    void valide_unidad(const std::string& codigo, TField* campo_unidad);
    Currency factor_unidad(const std::string& codigo, const std::string& unidad);
    bool existencia_insuficiente(const std::string& codigo, const std::string& bodega, TDateTime fecha,
                                 Currency cantidad, const std::string& unidad, bool revisar_reserva);
    Currency ultimo_costo(const std::string& codigo, const std::string& unidad, TDateTime fecha);
    Currency costo_promedio(const std::string& codigo, const std::string& unidad, TDateTime fecha);
    bool tiene_movimiento(const std::string& codigo);
    Currency precio_articulo(const std::string& codigo, const std::string& unidad, int lista, TField* campo_consumo,
                             Currency cantidad, int punto_venta, Currency divisor);
    Currency precio_articulo_pos(const std::string& codigo, const std::string& unidad, int lista,
                                 TField* campo_consumo, Currency cantidad, int punto_venta);
    Currency precio_minimo(const std::string& codigo, const std::string& unidad, const std::string& iva_incluido,
                           Currency divisor);
    void mostrar_alerta_articulo(const std::string& codigo, TDateTime fecha);
    Currency redondeo_a_cincuenta(Currency precio, Currency factor);
    void peso_y_volumen(const std::string& codigo, const std::string& unidad, Currency cantidad, TField* campo_peso,
                        TField* campo_volumen);
    void utilidad_doc(const std::string& codigo, const std::string& unidad, TDateTime fecha, Currency cantidad,
                      Currency precio, TField* campo_costo, TField* campo_margen, const std::string& iva_incluido);
    void stand_articulo(const std::string& codigo, const std::string& bodega, std::string& stand);
    void barras_articulo(const std::string& codigo, std::string& barras);

    // The price query's SQL for a scanned code in a price list; the list code
    // must be an integer (EConvertError otherwise).
    std::string texto_consulta_precios(const std::string& barras, const std::string& lista) const;

protected:
    // Joins what the stored definition names to the company connection.
    void Loaded() override;

private:
    Currency Precio(const std::string& codigo, const std::string& unidad, int lista, TField* campo_consumo,
                    Currency cantidad, int punto_venta, Currency divisor, bool lista_exenta);
    // The rounding rule of prices, with the unit's price factor when `con_factor`.
    Currency Redondee(const std::string& codigo, const std::string& unidad, Currency valor, int potencia,
                      bool con_factor);
    Currency PorcentajeIva(const std::string& codigo);

    TClientDataSet *CValarticulo = nullptr, *CArticulo = nullptr, *CArticuloUnidad = nullptr, *CLotes = nullptr,
                   *CListapre = nullptr, *CSeleclote = nullptr, *CMaxlote = nullptr, *CSaldolote = nullptr,
                   *CFactor = nullptr, *CValexistencia = nullptr, *CMinimo = nullptr, *CMovarti = nullptr,
                   *CUltcosto = nullptr, *CCostoprom = nullptr, *CUltimoc = nullptr, *CPrecioart = nullptr,
                   *CListahoy = nullptr, *CAlerta = nullptr, *CPesoart = nullptr, *CStand = nullptr,
                   *CRef = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QExistencia2 = nullptr, *Query2 = nullptr, *QValarticulo = nullptr, *QArticulo = nullptr,
              *QArticuloUnidad = nullptr, *QLotes = nullptr, *QListapre = nullptr, *QSeleclote = nullptr,
              *QMaxlote = nullptr, *QSaldolote = nullptr, *QFactor = nullptr, *QValexistencia = nullptr,
              *QMinimo = nullptr, *QMovarti = nullptr, *QUltcosto = nullptr, *QCostoprom = nullptr, *QUltimoc = nullptr,
              *QPrecioart = nullptr, *QListahoy = nullptr, *QAlerta = nullptr, *QPesoart = nullptr, *QStand = nullptr,
              *QRef = nullptr;
    TDataSetProvider *PCompania2 = nullptr, *PValarticulo = nullptr, *PArticulo = nullptr, *PArticuloUnidad = nullptr,
                     *PLotes = nullptr, *PListapre = nullptr, *PSeleclote = nullptr, *PMaxlote = nullptr,
                     *PSaldolote = nullptr, *PFactor = nullptr, *PValexistencia = nullptr, *PMinimo = nullptr,
                     *PMovarti = nullptr, *PUltcosto = nullptr, *PCostoprom = nullptr, *PUltimoc = nullptr,
                     *PPrecioart = nullptr, *PListahoy = nullptr, *PAlerta = nullptr, *PPesoart = nullptr,
                     *PStand = nullptr, *PRef = nullptr;
    TClientDataSet* CCompania2 = nullptr;
};

extern TfdmArt* fdmArt;

} // namespace tv::app
