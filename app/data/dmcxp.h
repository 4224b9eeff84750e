#pragma once
// Tfdmcxp, the payables module.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class Tfdmcxp : public TDataModule {
    TV_CLASS(Tfdmcxp, TDataModule)
public:
    explicit Tfdmcxp(TComponent* owner = nullptr);
    ~Tfdmcxp() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_ndpr, id_ncpr, id_appr;
};

extern Tfdmcxp* fdmcxp;

} // namespace tv::app
