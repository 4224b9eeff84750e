#pragma once
// TfdmInv, the inventory module.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class TfdmInv : public TDataModule {
    TV_CLASS(TfdmInv, TDataModule)
public:
    explicit TfdmInv(TComponent* owner = nullptr);
    ~TfdmInv() override;

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_entr, id_sali, id_tran, id_ajus, id_ensa, id_dese, id_rese, id_orin;
};

extern TfdmInv* fdmInv;

} // namespace tv::app
