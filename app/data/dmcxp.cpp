#include "app/data/dmcxp.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmcxp* fdmcxp = nullptr;

Tfdmcxp::Tfdmcxp(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmcxp = this;
}

Tfdmcxp::~Tfdmcxp() {
    DestroyComponents();
    if (fdmcxp == this) fdmcxp = nullptr;
}

} // namespace tv::app
