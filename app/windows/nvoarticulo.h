#pragma once
// Tfnvoarticulo, the new-article window: a fresh row with the article
// defaults, saved with F2.
#include "app/windows/fichaarticulo.h"

namespace tv::app {

class Tfnvoarticulo : public TFichaArticulo {
    TV_CLASS(Tfnvoarticulo, TFichaArticulo)
public:
    using TFichaArticulo::TFichaArticulo;
    static void Publish(TPublisher& p);

    void CArticuloAfterInsert(TDataSet* dataset);

protected:
    bool Prepare() override;
    void Reinicie() override;
};

} // namespace tv::app
