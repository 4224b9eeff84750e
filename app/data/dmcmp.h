#pragma once
// Tfdmcmp, the purchases module.
#include <string>

#include "framework/ui/forms.h"

namespace tv::app {

class Tfdmcmp : public TDataModule {
    TV_CLASS(Tfdmcmp, TDataModule)
public:
    explicit Tfdmcmp(TComponent* owner = nullptr);
    ~Tfdmcmp() override;
};

extern Tfdmcmp* fdmcmp;

} // namespace tv::app
