#include "app/data/dmcar.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmcar* fdmcar = nullptr;

Tfdmcar::Tfdmcar(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmcar = this;
}

Tfdmcar::~Tfdmcar() {
    DestroyComponents();
    if (fdmcar == this) fdmcar = nullptr;
}

} // namespace tv::app
