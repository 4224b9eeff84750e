#pragma once
// Tfdmbnc, the banks module.
#include <string>

#include "framework/core/component.h"

namespace tv::app {

class Tfdmbnc : public TComponent {
    TV_CLASS(Tfdmbnc, TComponent)
public:
    explicit Tfdmbnc(TComponent* owner = nullptr);
    ~Tfdmbnc() override;
};

extern Tfdmbnc* fdmbnc;

} // namespace tv::app
