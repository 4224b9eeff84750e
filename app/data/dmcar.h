#pragma once
// Tfdmcar, the receivables module.
#include <string>

#include "framework/core/component.h"

namespace tv::app {

class Tfdmcar : public TComponent {
    TV_CLASS(Tfdmcar, TComponent)
public:
    explicit Tfdmcar(TComponent* owner = nullptr);
    ~Tfdmcar() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ndcl, id_nccl, id_apcl, id_pacl;
};

extern Tfdmcar* fdmcar;

} // namespace tv::app
