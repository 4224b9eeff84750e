#include "app/data/dmcar.h"

namespace tv::app {

Tfdmcar* fdmcar = nullptr;

Tfdmcar::Tfdmcar(TComponent* owner) : TDataModule(owner) {
    fdmcar = this;
}

Tfdmcar::~Tfdmcar() {
    DestroyComponents();
    if (fdmcar == this) fdmcar = nullptr;
}

} // namespace tv::app
