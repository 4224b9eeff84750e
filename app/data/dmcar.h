#pragma once
// Tfdmcar, the receivables module.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class Tfdmcar : public TDataModule {
    TV_CLASS(Tfdmcar, TDataModule)
public:
    explicit Tfdmcar(TComponent* owner = nullptr);
    ~Tfdmcar() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ndcl, id_nccl, id_apcl, id_pacl;
};

extern Tfdmcar* fdmcar;

} // namespace tv::app
