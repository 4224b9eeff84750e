#include "app/data/dmcmp.h"

namespace tv::app {

Tfdmcmp* fdmcmp = nullptr;

Tfdmcmp::Tfdmcmp(TComponent* owner) : TDataModule(owner) {
    fdmcmp = this;
}

Tfdmcmp::~Tfdmcmp() {
    DestroyComponents();
    if (fdmcmp == this) fdmcmp = nullptr;
}

} // namespace tv::app
