#include "app/data/dmcnt.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmcnt* fdmcnt = nullptr;

Tfdmcnt::Tfdmcnt(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmcnt = this;
}

Tfdmcnt::~Tfdmcnt() {
    DestroyComponents();
    if (fdmcnt == this) fdmcnt = nullptr;
}

} // namespace tv::app
