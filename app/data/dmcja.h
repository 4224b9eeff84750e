#pragma once
// Tfdmcja, the cash module.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class Tfdmcja : public TDataModule {
    TV_CLASS(Tfdmcja, TDataModule)
public:
    explicit Tfdmcja(TComponent* owner = nullptr);
    ~Tfdmcja() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ancl, id_anpr, id_egreso, id_reca, id_cado, id_cotj, id_rcpr, id_trcj;
};

extern Tfdmcja* fdmcja;

} // namespace tv::app
