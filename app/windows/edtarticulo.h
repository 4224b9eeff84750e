#pragma once
// Tfedtarticulo, the edit-article window: the row of Tfdm::codigo_articulo,
// fetched by its code and saved with F2.
#include "app/windows/fichaarticulo.h"

namespace tv::app {

class Tfedtarticulo : public TFichaArticulo {
    TV_CLASS(Tfedtarticulo, TFichaArticulo)
public:
    using TFichaArticulo::TFichaArticulo;
    static void Publish(TPublisher& p);

    void CArticuloAfterEdit(TDataSet* dataset);

protected:
    bool Prepare() override;
    void Reinicie() override;
};

} // namespace tv::app
