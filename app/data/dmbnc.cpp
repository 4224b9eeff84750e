#include "app/data/dmbnc.h"

#include "framework/core/formreader.h"

namespace tv::app {

Tfdmbnc* fdmbnc = nullptr;

Tfdmbnc::Tfdmbnc(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmbnc = this;
}

Tfdmbnc::~Tfdmbnc() {
    DestroyComponents();
    if (fdmbnc == this) fdmbnc = nullptr;
}

} // namespace tv::app
