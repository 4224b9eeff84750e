#pragma once
// Tfdmcmp, the purchases module.
#include <string>

#include "framework/core/component.h"

namespace tv::app {

class Tfdmcmp : public TComponent {
    TV_CLASS(Tfdmcmp, TComponent)
public:
    explicit Tfdmcmp(TComponent* owner = nullptr);
    ~Tfdmcmp() override;
};

extern Tfdmcmp* fdmcmp;

} // namespace tv::app
