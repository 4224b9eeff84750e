#include "app/data/dmcmp.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmcmp* fdmcmp = nullptr;

Tfdmcmp::Tfdmcmp(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmcmp = this;
}

Tfdmcmp::~Tfdmcmp() {
    DestroyComponents();
    if (fdmcmp == this) fdmcmp = nullptr;
}

} // namespace tv::app
