#include "app/data/dminv.h"

#include "framework/core/formreader.h"

namespace tv::app {

TfdmInv* fdmInv = nullptr;

TfdmInv::TfdmInv(TComponent* owner) : TComponent(owner) {
    InitInheritedComponent(this, TComponent::StaticClass());
    fdmInv = this;
}

TfdmInv::~TfdmInv() {
    DestroyComponents();
    if (fdmInv == this) fdmInv = nullptr;
}

} // namespace tv::app
