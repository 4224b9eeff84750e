#include "app/data/dmfact.h"

namespace tv::app {

Tfdmfact* fdmfact = nullptr;

Tfdmfact::Tfdmfact(TComponent* owner) : TDataModule(owner) {
    fdmfact = this;
}

Tfdmfact::~Tfdmfact() {
    DestroyComponents();
    if (fdmfact == this) fdmfact = nullptr;
}

} // namespace tv::app
