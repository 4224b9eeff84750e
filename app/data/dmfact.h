#pragma once
// Tfdmfact, the invoicing module; purchases and sales share its slots by kind of document.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class Tfdmfact : public TDataModule {
    TV_CLASS(Tfdmfact, TDataModule)
public:
    explicit Tfdmfact(TComponent* owner = nullptr);
    ~Tfdmfact() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_factura, id_remision, id_pedido, id_devolucion, id_cotizacion;
};

extern Tfdmfact* fdmfact;

} // namespace tv::app
