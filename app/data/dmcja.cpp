#include "app/data/dmcja.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmcja* fdmcja = nullptr;

Tfdmcja::Tfdmcja(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmcja = this;
}

Tfdmcja::~Tfdmcja() {
    DestroyComponents();
    if (fdmcja == this) fdmcja = nullptr;
}

} // namespace tv::app
