#pragma once
// Tfdmfact, the sales module: invoice copy names, the sales interfaces and
// the posting of invoices and client returns.
#include <string>

#include "app/data/contabilizacion.h"
#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSource;
class TSQLQuery;
} // namespace tv

namespace tv::app {

class Tfdmfact : public TDataModule {
    TV_CLASS(Tfdmfact, TDataModule)
public:
    explicit Tfdmfact(TComponent* owner = nullptr);
    ~Tfdmfact() override;

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
    TCadenaContable contafactura;
};

extern Tfdmfact* fdmfact;

} // namespace tv::app
