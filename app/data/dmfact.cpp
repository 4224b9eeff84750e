#include "app/data/dmfact.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmfact* fdmfact = nullptr;

Tfdmfact::Tfdmfact(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmfact = this;
}

Tfdmfact::~Tfdmfact() {
    DestroyComponents();
    if (fdmfact == this) fdmfact = nullptr;
}

} // namespace tv::app
