#pragma once
// Tfdmcnt, the accounting module.
#include <string>

#include "framework/core/component.h"

namespace tv::app {

class Tfdmcnt : public TComponent {
    TV_CLASS(Tfdmcnt, TComponent)
public:
    explicit Tfdmcnt(TComponent* owner = nullptr);
    ~Tfdmcnt() override;
};

extern Tfdmcnt* fdmcnt;

} // namespace tv::app
