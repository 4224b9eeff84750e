#pragma once
// Tfdmfact, the sales module: invoice copy names, the sales interfaces and
// the posting of invoices and client returns.
#include <string>

#include "app/data/contabilizacion.h"
#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TSQLQuery;
class TSQLStoredProc;
} // namespace tv

namespace tv::app {

class Tfdmfact : public TDataModule {
    TV_CLASS(Tfdmfact, TDataModule)
public:
    explicit Tfdmfact(TComponent* owner = nullptr);
    ~Tfdmfact() override;
    static void Publish(TPublisher& p);

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_factura, id_remision, id_pedido, id_devolucion, id_cotizacion;

    // The name of an invoice's copy number; `primera` is not used.
    std::string nombre_copia(int primera, int copia);

    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_factura(int id, int interfaz);
    int contabilice_devolucion(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TSQLQuery* QNrocopia = nullptr;
    TClientDataSet* CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QInterfaces = nullptr, *QContafactura = nullptr, *TFactura = nullptr, *TFactdetalle = nullptr,
              *TRemision = nullptr, *TRemidetalle = nullptr, *TPedido = nullptr, *TPedidetalle = nullptr,
              *TCotizacion = nullptr, *TCotidetalle = nullptr, *TDevolucion = nullptr, *TDevodetalle = nullptr,
              *TDevodocrela = nullptr, *TFactcont = nullptr, *TFactcontdet = nullptr, *TFactcontpago = nullptr,
              *TFactConc = nullptr, *TFactconcdet = nullptr, *TConcperiod = nullptr, *TConcperdet = nullptr,
              *TRutero = nullptr, *TRutedetalle = nullptr, *TAutorizaciones = nullptr, *TPresupuesto = nullptr,
              *THistorico = nullptr, *TTrasportadores = nullptr, *TPuntoequilibrio = nullptr, *TRutas = nullptr;
    TDataSetProvider *PInterfaces = nullptr, *PContafactura = nullptr;
    TClientDataSet* CContafactura = nullptr;
    TDataSource *DFactura = nullptr, *DRemision = nullptr, *DPedido = nullptr, *DCotizacion = nullptr,
                *DDevolucion = nullptr, *DFactcont = nullptr, *DFactConc = nullptr, *DConcperiod = nullptr,
                *DRutero = nullptr;
    TSQLStoredProc *SPIdFactura = nullptr, *SPIdRemision = nullptr, *SPIdPedido = nullptr, *SPIdCotizacion = nullptr,
                   *SPIdDevolucion = nullptr, *SPIdFactcont = nullptr, *SPIdFactConc = nullptr, *SPIdRutero = nullptr,
                   *SCambioprecios = nullptr, *SCopialista = nullptr, *SFormulaprecios = nullptr,
                   *SFacturarconceptos = nullptr;
    TCadenaContable contafactura;
};

extern Tfdmfact* fdmfact;

} // namespace tv::app
